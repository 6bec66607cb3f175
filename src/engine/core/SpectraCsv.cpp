#include "core/SpectraCsv.h"

#include "core/SpectrumFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace lumivex {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendNumber(std::string& out, float value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, error == std::errc() ? end : buffer);
}

/// A spectrum's wavelengths (shift applied), ascending.
std::vector<float> AscendingWavelengths(const CSpectrum& spectrum) {
  std::vector<float> wavelengths;
  wavelengths.reserve(spectrum.m_points.size());
  for (const SpectrumPoint& point : spectrum.m_points) {
    wavelengths.push_back(point.x + spectrum.m_xShift);
  }
  if (spectrum.m_descending != 0) {
    std::reverse(wavelengths.begin(), wavelengths.end());
  }
  return wavelengths;
}

/// The rows' wavelengths: the first spectrum's own, then steps of its grid below and above
/// them as far as the union of the ranges reaches. `own` is where its points begin.
std::vector<float> Grid(const std::vector<ExportedSpectrum>& spectra, std::size_t& own) {
  const CSpectrum& first = *spectra.front().spectrum;
  const std::vector<float> points = AscendingWavelengths(first);
  own = 0;
  if (points.empty() || !first.IsUsable()) {
    return points;
  }
  float low = points.front();
  float high = points.back();
  for (const ExportedSpectrum& exported : spectra) {
    if (!exported.spectrum->m_points.empty()) {
      low = std::min(low, exported.spectrum->SmallestX() + exported.spectrum->m_xShift);
      high = std::max(high, exported.spectrum->LargestX() + exported.spectrum->m_xShift);
    }
  }
  // A range end within a thousandth of a step of a grid point counts as reaching it.
  const double step = first.m_xStep;
  const auto below = static_cast<std::size_t>(std::floor((points.front() - low) / step + 1e-3));
  const auto above = static_cast<std::size_t>(std::floor((high - points.back()) / step + 1e-3));
  std::vector<float> grid;
  grid.reserve(below + points.size() + above);
  for (std::size_t k = below; k > 0; --k) {
    grid.push_back(static_cast<float>(points.front() - static_cast<double>(k) * step));
  }
  grid.insert(grid.end(), points.begin(), points.end());
  for (std::size_t k = 1; k <= above; ++k) {
    grid.push_back(static_cast<float>(points.back() + static_cast<double>(k) * step));
  }
  own = below;
  return grid;
}

/// One spectrum's values at the grid's wavelengths in its quantity, NaN outside its range.
std::vector<float> Values(const ExportedSpectrum& exported, const std::vector<float>& grid,
                          bool first, std::size_t own) {
  const CSpectrum& spectrum = *exported.spectrum;
  std::vector<float> values(grid.size(), std::nanf(""));
  if (spectrum.m_points.empty()) {
    return values;
  }
  if (first) {
    const std::size_t count = spectrum.m_points.size();
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t along = spectrum.m_descending != 0 ? count - 1 - i : i;
      values[own + i] = spectrum.m_points[along].y;
    }
  } else {
    const float tolerance = 1e-3f * std::max(spectrum.m_xStep, 0.0f);
    const float low = spectrum.SmallestX() + spectrum.m_xShift - tolerance;
    const float high = spectrum.LargestX() + spectrum.m_xShift + tolerance;
    const auto begin = std::lower_bound(grid.begin(), grid.end(), low);
    const auto end = std::upper_bound(begin, grid.end(), high);
    const auto offset = static_cast<std::size_t>(begin - grid.begin());
    spectrum.InterpolateMany(std::span<const float>(begin, end),
                             std::span<float>(values.begin() + static_cast<std::ptrdiff_t>(offset),
                                              static_cast<std::size_t>(end - begin)));
    // Interpolation answers the last step's lower end at the largest x; the point itself
    // is what lies there.
    const float last =
        spectrum.m_descending != 0 ? spectrum.m_points.front().y : spectrum.m_points.back().y;
    for (auto at = end; at != begin && *(at - 1) >= high - 2.0f * tolerance; --at) {
      values[static_cast<std::size_t>(at - 1 - grid.begin())] = last;
    }
  }
  const QuantityConversion toQuantity(spectrum, exported.quantity);
  for (float& value : values) {
    if (!std::isnan(value)) {
      value = toQuantity(value);
    }
  }
  return values;
}

} // namespace

std::vector<ExportedSpectrum> DisplayedSpectra(const CLumivexData& data,
                                               const std::vector<int>& indices) {
  std::vector<ExportedSpectrum> spectra;
  for (const int index : indices) {
    const CSpectrum* spectrum = data.At(index);
    if (spectrum == nullptr) {
      continue;
    }
    ExportedSpectrum exported;
    exported.spectrum = spectrum;
    exported.quantity =
        QuantityFor(spectrum->m_kind, data.m_settingsApplied != 0, data.m_showEpsilon != 0,
                    data.m_showLogEpsilon != 0, data.m_showIntensity != 0);
    exported.name = spectrum->m_name;
    if (exported.name.empty() && !spectrum->m_filePath.empty()) {
      const std::size_t slash = spectrum->m_filePath.find_last_of('/');
      exported.name = ListText(slash == std::string::npos ? spectrum->m_filePath
                                                          : spectrum->m_filePath.substr(slash + 1));
    }
    if (exported.name.empty()) {
      exported.name = "Spectrum " + std::to_string(index + 1);
    }
    spectra.push_back(std::move(exported));
  }
  return spectra;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + "\"";
}

std::string SpectraCsv(const std::vector<ExportedSpectrum>& spectra, XUnit unit, CsvLayout layout) {
  const std::string xHeader = CsvField(XAxisLabel(unit).Plain());
  const bool tidy = layout == CsvLayout::Tidy;
  std::string out = tidy ? "spectrum," + xHeader + ",y" : xHeader;
  if (!tidy) {
    for (const ExportedSpectrum& exported : spectra) {
      out += ',';
      out += CsvField(exported.name);
    }
  }
  out += kLineEnd;
  if (spectra.empty()) {
    return out;
  }

  std::size_t own = 0;
  const std::vector<float> grid = Grid(spectra, own);
  std::vector<float> axis(grid.size());
  std::transform(grid.begin(), grid.end(), axis.begin(),
                 [unit](float nm) { return ToAxis(unit, nm); });
  std::vector<std::vector<float>> columns;
  columns.reserve(spectra.size());
  for (std::size_t s = 0; s < spectra.size(); ++s) {
    columns.push_back(Values(spectra[s], grid, s == 0, own));
  }
  // Every unit but the wavelength runs reciprocally to it: its rows go from the end.
  const bool reversed = unit != XUnit::Wavelength;
  const auto row = [&](std::size_t r) { return reversed ? grid.size() - 1 - r : r; };

  out.reserve(out.size() + grid.size() * (spectra.size() + 1) * 12);
  if (tidy) {
    for (std::size_t s = 0; s < spectra.size(); ++s) {
      const std::string name = CsvField(spectra[s].name);
      for (std::size_t r = 0; r < grid.size(); ++r) {
        const float value = columns[s][row(r)];
        if (std::isnan(value)) {
          continue;
        }
        out += name;
        out += ',';
        AppendNumber(out, axis[row(r)]);
        out += ',';
        AppendNumber(out, value);
        out += kLineEnd;
      }
    }
    return out;
  }
  for (std::size_t r = 0; r < grid.size(); ++r) {
    AppendNumber(out, axis[row(r)]);
    for (const std::vector<float>& column : columns) {
      out += ',';
      if (const float value = column[row(r)]; !std::isnan(value)) {
        AppendNumber(out, value);
      }
    }
    out += kLineEnd;
  }
  return out;
}

} // namespace lumivex
