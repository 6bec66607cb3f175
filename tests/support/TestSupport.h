#pragma once

#include "core/Spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

namespace lumivex::test {

/// Relative comparison for single-precision results: |a - b| <= tolerance * max(|a|, |b|),
/// with an absolute floor for values near zero.
inline ::testing::AssertionResult FuzzyCompare(double actual, double expected,
                                               double relative = 1e-5, double absolute = 1e-12) {
  const double difference = std::fabs(actual - expected);
  const double scale = std::fmax(std::fabs(actual), std::fabs(expected));
  if (difference <= absolute || difference <= relative * scale) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << actual << " differs from " << expected << " by " << difference << " (relative "
         << difference / scale << ", allowed " << relative << ")";
}

/// A folder of its own for one test, removed with the object.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  [[nodiscard]] std::string Path(std::string_view name) const;
  /// Writes `contents` to the file `name` in the folder and returns its path.
  std::string Write(std::string_view name, std::string_view contents) const;
  [[nodiscard]] static std::string Read(const std::string& path);

private:
  std::filesystem::path m_root;
};

/// A spectrum on a uniform grid from `first` with `step` (negative for descending), with
/// y = f(x); direction, step and peak are set as the reader sets them.
template <typename F> CSpectrum MakeSpectrum(float first, float step, int count, F f) {
  CSpectrum spectrum;
  for (int i = 0; i < count; ++i) {
    const float x = first + static_cast<float>(i) * step;
    spectrum.m_points.push_back({x, static_cast<float>(f(x))});
  }
  spectrum.m_descending = step < 0.0f ? 1 : 0;
  spectrum.m_xStep = std::fabs(step);
  spectrum.m_peakY = 0.0f;
  for (const SpectrumPoint& p : spectrum.m_points) {
    if (p.y > spectrum.m_peakY) {
      spectrum.m_peakY = p.y;
      spectrum.m_peakX = p.x;
    }
  }
  return spectrum;
}

} // namespace lumivex::test
