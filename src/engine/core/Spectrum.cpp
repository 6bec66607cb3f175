#include "core/Spectrum.h"

#include "core/SpectrumFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace lumivex {

const char* KindName(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Absorption:
    return "Absorption";
  case SpectrumKind::Emission:
    return "Emission";
  case SpectrumKind::Curve:
    return "Curve";
  case SpectrumKind::LightSource:
    return "LightSource";
  case SpectrumKind::None:
    break;
  }
  return "None";
}

bool CSpectrum::IsUsable() const {
  return m_points.size() >= 2 && std::isfinite(m_xStep) && m_xStep > 0.0f;
}

float CSpectrum::SmallestX() const {
  if (m_points.empty()) {
    return 0.0f;
  }
  return m_descending ? m_points.back().x : m_points.front().x;
}

float CSpectrum::LargestX() const {
  if (m_points.empty()) {
    return 0.0f;
  }
  return m_descending ? m_points.front().x : m_points.back().x;
}

int CSpectrum::GridIndex(float x) const {
  const auto& p = m_points;
  const int n = static_cast<int>(p.size());
  const float origin = m_descending ? p[n - 1].x + m_xShift : p[0].x + m_xShift;
  float t = (x - origin) / m_xStep;
  // Keep the truncation inside int range; anything beyond the array is clamped by the
  // callers anyway. A NaN position counts as below the data.
  const float limit = static_cast<float>(n) + 1.0f;
  if (!(t > -limit)) {
    t = -limit;
  } else if (t > limit) {
    t = limit;
  }
  const int steps = static_cast<int>(t);
  return m_descending ? (n - 1) - steps : steps;
}

float CSpectrum::Interpolate(float x) const {
  if (m_points.empty()) {
    return 0.0f;
  }
  if (!IsUsable()) {
    return m_points.front().y;
  }
  return InterpolateFrom(GridIndex(x), x);
}

float CSpectrum::InterpolateFrom(int i, float x) const {
  const auto& p = m_points;
  const int n = static_cast<int>(p.size());
  int j = m_descending ? i - 1 : i + 1;
  if (i >= 0 && i < n && j >= 0 && j < n) {
    return p[i].y + (p[j].y - p[i].y) * (x - (p[i].x + m_xShift)) / (p[j].x - p[i].x);
  }
  // Outside the data: move the pair into range keeping its spacing, answer y_i.
  const int low = std::min(i, j);
  if (low < 0) {
    i -= low;
    j -= low;
  }
  const int high = std::max(i, j);
  if (high >= n) {
    const int excess = high - (n - 1);
    i -= excess;
  }
  return p[i].y;
}

void CSpectrum::InterpolateMany(std::span<const float> xs, std::span<float> ys) const {
  const std::size_t count = xs.size();
  if (!IsUsable()) {
    for (std::size_t k = 0; k < count; ++k) {
      ys[k] = Interpolate(xs[k]);
    }
    return;
  }
  // The points of the x kAhead places on are requested while this one is interpolated:
  // far enough ahead to keep many loads under way at once and hide the memory's latency,
  // near enough that the points still sit in the first-level cache when read. The grid
  // indices wait in a ring between the two.
  constexpr std::size_t kAhead = 64;
  std::array<int, kAhead> indices{};
  const int last = static_cast<int>(m_points.size()) - 1;
  const SpectrumPoint* points = m_points.data();
  for (std::size_t k = 0; k < count + kAhead; ++k) {
    int& index = indices[k % kAhead];
    if (k >= kAhead) {
      ys[k - kAhead] = InterpolateFrom(index, xs[k - kAhead]);
    }
    if (k < count) {
      index = GridIndex(xs[k]);
      __builtin_prefetch(points + std::clamp(index, 0, last));
    }
  }
}

namespace {

// Trapezoids between the raw x values converted to wavenumbers; with `nu3Integral` also
// the integral of y / nu^3 over them.
float WavenumberArea(const std::vector<SpectrumPoint>& points, float* nu3Integral) {
  float area = 0.0f;
  float weighted = 0.0f;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const SpectrumPoint& a = points[k - 1];
    const SpectrumPoint& b = points[k];
    const float nu1 = 1.0e7f / a.x;
    const float nu2 = 1.0e7f / b.x;
    const float delta = std::fabs(nu1 - nu2);
    area += (a.y + b.y) * delta / 2.0f;
    if (nu3Integral != nullptr) {
      weighted += (a.y / (nu1 * nu1 * nu1) + b.y / (nu2 * nu2 * nu2)) * delta / 2.0f;
    }
  }
  if (nu3Integral != nullptr) {
    *nu3Integral = weighted;
  }
  return area;
}

} // namespace

float CSpectrum::Area(float* nu3Integral) {
  if (nu3Integral == nullptr && m_area > 0.0f) {
    return m_area;
  }
  m_area = WavenumberArea(m_points, nu3Integral);
  return m_area;
}

float CSpectrum::CurrentArea() const {
  return m_area > 0.0f ? m_area : WavenumberArea(m_points, nullptr);
}

void CSpectrum::ScaleY(float factor) {
  for (SpectrumPoint& point : m_points) {
    point.y *= factor;
  }
  m_peakY *= factor;
}

namespace {

// Clamps an inclusive index range to the array; false when nothing is left.
bool ClampRange(int& first, int& last, std::size_t size) {
  if (size == 0) {
    return false;
  }
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(size) - 1);
  return first <= last;
}

} // namespace

void CSpectrum::SetY(int first, int last, float value) {
  if (!ClampRange(first, last, m_points.size())) {
    return;
  }
  for (int i = first; i <= last; ++i) {
    m_points[i].y = value;
  }
}

void CSpectrum::AddY(int first, int last, float value) {
  if (!ClampRange(first, last, m_points.size())) {
    return;
  }
  for (int i = first; i <= last; ++i) {
    m_points[i].y += value;
  }
}

void CSpectrum::Smooth(int first, int last) {
  if (!ClampRange(first, last, m_points.size())) {
    return;
  }
  std::vector<float> smoothed(static_cast<std::size_t>(last - first + 1));
  for (int i = first; i <= last; ++i) {
    const int from = std::max(i - 2, first);
    const int to = std::min(i + 2, last);
    float sum = 0.0f;
    for (int j = from; j <= to; ++j) {
      sum += m_points[j].y;
    }
    smoothed[static_cast<std::size_t>(i - first)] = sum / static_cast<float>(to - from + 1);
  }
  for (int i = first; i <= last; ++i) {
    m_points[i].y = smoothed[static_cast<std::size_t>(i - first)];
  }
}

bool CSpectrum::ReadText(const std::string& path) {
  SpectrumReadResult result = ReadSpectrumFile(path);
  if (!result.Ok()) {
    return false;
  }
  CSpectrum& read = result.spectrum;
  m_points = std::move(read.m_points);
  m_kind = read.m_kind;
  m_descending = read.m_descending;
  m_xStep = read.m_xStep;
  if (m_kind == SpectrumKind::Absorption || m_kind == SpectrumKind::Emission ||
      m_kind == SpectrumKind::LightSource) {
    m_peakX = read.m_peakX;
    m_peakY = read.m_peakY;
  }
  return true;
}

bool CSpectrum::WriteText(const std::string& path) const {
  return WriteSpectrumFile(*this, path).ok;
}

} // namespace lumivex
