#include "core/DerivedSpectra.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cmath>

namespace lumivex {

namespace {

std::unique_ptr<CSpectrum> StartFrom(const CSpectrum& a) {
  auto c = std::make_unique<CSpectrum>();
  c->m_kind = a.m_kind;
  c->m_descending = a.m_descending;
  c->m_xStep = a.m_xStep;
  c->m_name = a.m_name;
  c->m_fromDatabase = a.m_fromDatabase;
  return c;
}

// Visits the grid lo, lo + s, ... <= hi (ascending) or hi, hi - s, ... >= lo (descending).
// False when the grid would exceed kMaxDerivedPoints.
template <typename Visit>
bool ForEachGridPoint(float lo, float hi, float step, bool descending, Visit visit) {
  const float span = (hi - lo) / step;
  if (!(span < static_cast<float>(kMaxDerivedPoints))) {
    return false;
  }
  for (int k = 0;; ++k) {
    const float offset = static_cast<float>(k) * step;
    const float x = descending ? hi - offset : lo + offset;
    if (descending ? !(x >= lo) : !(x <= hi)) {
      break;
    }
    visit(x);
  }
  return true;
}

// A derived database absorption spectrum's epsilon, its wavelength and the epsilon at the
// peak that follows from them.
void SetEpsilon(CSpectrum& c, float epsilon, float wavelength) {
  c.m_epsilonWavelength = wavelength;
  c.m_epsilon = epsilon;
  c.m_epsilonPeak = RatioOrZero(c.m_peakY * c.m_epsilon, c.Interpolate(c.m_epsilonWavelength));
}

// The area-normalised peak of a derived emission spectrum: its peak itself while the
// intensity display is in force (the values are already normalised), else the peak over
// the area for a database spectrum. The document's intensity maximum rises to it.
void NormaliseEmission(CLumivexData& document, CSpectrum& c, bool intensityShown) {
  if (intensityShown) {
    c.m_normalizedPeak = c.m_peakY;
  } else if (c.m_fromDatabase) {
    c.m_area = c.Area();
    c.m_normalizedPeak = RatioOrZero(c.m_peakY, c.m_area);
  } else {
    return;
  }
  document.m_intensityMax = std::max(document.m_intensityMax, c.m_normalizedPeak);
}

} // namespace

std::unique_ptr<CSpectrum> CombineSpectra(CLumivexData& document, CSpectrum& a, CSpectrum& b,
                                          float factor, float xOffset) {
  if (!a.IsUsable() || !b.IsUsable()) {
    return nullptr;
  }
  auto c = StartFrom(a);
  const float lo = std::min(a.SmallestX(), b.SmallestX());
  const float hi = std::max(a.LargestX(), b.LargestX());
  const bool normalised = document.m_settingsApplied && c->m_kind == SpectrumKind::Emission;
  // Area-normalised emission: each spectrum scaled to area = quantum yield. The areas are
  // taken once; a spectrum without area contributes nothing.
  const float aArea = normalised ? a.Area() : 0.0f;
  const float bArea = normalised ? b.Area() : 0.0f;
  float peak = 0.0f;
  const bool fits = ForEachGridPoint(lo, hi, a.m_xStep, a.m_descending != 0, [&](float x) {
    float y = 0.0f;
    if (normalised) {
      const float aTerm = RatioOrZero(a.Interpolate(x) * a.m_weight * a.m_quantumYield, aArea);
      const float bTerm =
          RatioOrZero(factor * b.m_weight * b.Interpolate(x) * b.m_quantumYield, bArea);
      y = aTerm + bTerm;
    } else {
      y = a.Interpolate(x) * a.m_weight + factor * b.m_weight * b.Interpolate(x);
    }
    c->m_points.push_back({x + xOffset, y});
    if (y > peak) {
      peak = y;
      c->m_peakX = x;
    }
  });
  if (!fits || c->m_points.size() < 2) {
    return nullptr;
  }
  c->m_peakY = peak;
  c->m_weight = 1.0f;
  c->m_quantumYield = 1.0f;
  c->m_area = 1.0f;
  if (c->m_kind == SpectrumKind::Absorption && c->m_fromDatabase) {
    const float bRatio =
        RatioOrZero(b.Interpolate(a.m_epsilonWavelength), b.Interpolate(b.m_epsilonWavelength));
    SetEpsilon(*c, a.m_epsilon + factor * b.m_epsilon * bRatio, a.m_epsilonWavelength);
  } else if (c->m_kind == SpectrumKind::Emission) {
    NormaliseEmission(document, *c, document.m_showIntensity != 0);
  }
  return c;
}

std::unique_ptr<CSpectrum> ScaleShiftSpectrum(CLumivexData& document, CSpectrum& a, float factor,
                                              float xOffset) {
  if (!a.IsUsable()) {
    return nullptr;
  }
  auto c = StartFrom(a);
  float peak = 0.0f;
  const bool fits =
      ForEachGridPoint(a.SmallestX(), a.LargestX(), a.m_xStep, a.m_descending != 0, [&](float x) {
        const float y = factor * a.Interpolate(x);
        c->m_points.push_back({x + xOffset, y});
        if (y >= peak) {
          peak = y;
          c->m_peakX = x;
        }
      });
  if (!fits || c->m_points.size() < 2) {
    return nullptr;
  }
  c->m_peakY = peak;
  if (c->m_kind == SpectrumKind::Absorption && c->m_fromDatabase) {
    SetEpsilon(*c, factor * a.m_epsilon, a.m_epsilonWavelength);
  } else if (c->m_kind == SpectrumKind::Emission) {
    NormaliseEmission(document, *c, document.m_showFluorescence && document.m_showIntensity);
  }
  return c;
}

} // namespace lumivex
