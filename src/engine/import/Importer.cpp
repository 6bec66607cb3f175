#include "import/Importer.h"

#include "core/SpectrumFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <utility>

namespace lumivex {

namespace {

/// h c / e in eV nm: the wavelength of a photon of 1 eV.
constexpr double kElectronVoltNanometres = 1239.84198;
/// The largest magnitude of a wavelength or a value that single precision holds.
constexpr double kLargestValue = std::numeric_limits<float>::max();

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

int LineOf(const ImportedTable& table, std::size_t i) {
  return i < table.lines.size() ? table.lines[i] : 0;
}

/// x converted to nm, or the error of the first x that has no wavelength.
ImportError ToNanometres(const ImportedTable& table, SourceXUnit unit, std::vector<double>& nm) {
  nm.resize(table.x.size());
  for (std::size_t i = 0; i < table.x.size(); ++i) {
    const double x = table.x[i];
    switch (unit) {
    case SourceXUnit::Micrometre:
      nm[i] = 1000.0 * x;
      break;
    case SourceXUnit::Wavenumber:
    case SourceXUnit::ElectronVolt:
      if (x <= 0.0) {
        return {table.sourcePath, LineOf(table, i),
                (unit == SourceXUnit::Wavenumber ? "the wavenumber " : "the energy ") + Number(x) +
                    " " + SourceXUnitName(unit) + " has no wavelength"};
      }
      nm[i] = (unit == SourceXUnit::Wavenumber ? 1e7 : kElectronVoltNanometres) / x;
      break;
    default:
      nm[i] = x;
      break;
    }
    if (!(nm[i] > 0.0) || nm[i] > kLargestValue) {
      return {table.sourcePath, LineOf(table, i),
              "x " + Number(x) + " " + SourceXUnitName(unit) + " is no wavelength a spectrum " +
                  "can hold (" + Number(nm[i]) + " nm)"};
    }
  }
  return {};
}

/// Absorbance from the series' y, with the notes of the conversion.
std::vector<double> ToSpectrumY(const ImportedTable& table, const ImportedSeries& series,
                                YKind kind, std::vector<std::string>& notes) {
  if (kind != YKind::Transmittance && kind != YKind::PercentTransmittance) {
    notes.push_back(std::string("y kept as ") +
                    (kind == YKind::Unknown ? "written" : YKindName(kind)));
    return series.y;
  }
  const double scale = kind == YKind::PercentTransmittance ? 0.01 : 1.0;
  std::vector<double> absorbance(series.y.size());
  std::size_t clamped = 0;
  std::size_t firstClamped = 0;
  for (std::size_t i = 0; i < series.y.size(); ++i) {
    double t = series.y[i] * scale;
    if (t < kMinTransmittance) {
      firstClamped = clamped == 0 ? i : firstClamped;
      ++clamped;
      t = kMinTransmittance;
    }
    absorbance[i] = -std::log10(t);
  }
  notes.push_back(std::string("y converted from ") + YKindName(kind) + " to absorbance as " +
                  (kind == YKind::PercentTransmittance ? "-log10(T / 100)" : "-log10(T)"));
  if (clamped > 0) {
    notes.push_back(std::to_string(clamped) + (clamped == 1 ? " point" : " points") +
                    " with transmittance below " + Number(kMinTransmittance) +
                    " (the first on line " + std::to_string(LineOf(table, firstClamped)) +
                    ") taken as " + Number(kMinTransmittance) + ": absorbance " +
                    Number(-std::log10(kMinTransmittance)));
  }
  return absorbance;
}

/// The grid a series is resampled onto: from `first` up to `last` with `step`.
struct Grid {
  double first = 0.0;
  double step = 0.0;
  std::size_t count = 0;
};

/// y at each grid point by linear interpolation between the source points around it; the
/// source x ascend.
std::vector<SpectrumPoint> Resample(const std::vector<double>& x, const std::vector<double>& y,
                                    const Grid& grid) {
  std::vector<SpectrumPoint> points(grid.count);
  std::size_t j = 0;
  for (std::size_t i = 0; i < grid.count; ++i) {
    const double at = std::min(grid.first + static_cast<double>(i) * grid.step, x.back());
    while (j + 2 < x.size() && x[j + 1] < at) {
      ++j;
    }
    const double span = x[j + 1] - x[j];
    const double t = std::clamp((at - x[j]) / span, 0.0, 1.0);
    points[i] = {static_cast<float>(at), static_cast<float>(y[j] + t * (y[j + 1] - y[j]))};
  }
  return points;
}

std::string FileStem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

} // namespace

ImportResult ImportSpectra(const ImportedTable& table, const ImportSettings& settings) {
  ImportResult result;
  result.notes = table.notes;
  result.used = settings;
  const auto fail = [&](int line, std::string message) {
    result.error = {table.sourcePath, line, std::move(message)};
    result.spectra.clear();
    return result;
  };
  const std::size_t count = table.x.size();
  if (count < 2) {
    return fail(LineOf(table, 0), "fewer than two points: a spectrum needs at least two");
  }
  if (settings.step < 0.0 || !std::isfinite(settings.step)) {
    return fail(0, "the step must be a positive number of nm, not " + Number(settings.step));
  }

  // The x unit and the conversion to nm.
  SourceXUnit unit = settings.xUnit != SourceXUnit::Unknown ? settings.xUnit : table.xUnit;
  if (unit == SourceXUnit::NotOptical) {
    return fail(0, "x in '" + table.xUnitText +
                       "' is no wavelength, wavenumber or photon energy and cannot be imported");
  }
  if (unit == SourceXUnit::Unknown) {
    unit = SourceXUnit::Nanometre;
    result.notes.emplace_back("x unit not given: nm assumed");
  } else if (settings.xUnit != SourceXUnit::Unknown && table.xUnit != SourceXUnit::Unknown &&
             settings.xUnit != table.xUnit) {
    result.notes.push_back(std::string("x unit ") + SourceXUnitName(unit) +
                           " as set (the file says " + SourceXUnitName(table.xUnit) + ")");
  } else {
    result.notes.push_back(
        std::string("x unit ") + SourceXUnitName(unit) +
        (settings.xUnit != SourceXUnit::Unknown ? " (as set)" : " (from the file)"));
  }
  result.used.xUnit = unit;
  std::vector<double> nm;
  if (ImportError error = ToNanometres(table, unit, nm); !error.message.empty()) {
    result.error = std::move(error);
    return result;
  }
  if (unit == SourceXUnit::Micrometre) {
    result.notes.emplace_back("x converted from um to nm as 1000 x");
  } else if (unit == SourceXUnit::Wavenumber) {
    result.notes.emplace_back("x converted from cm-1 to nm as 1e7 / x");
  } else if (unit == SourceXUnit::ElectronVolt) {
    result.notes.emplace_back("x converted from ev to nm as 1239.84198 / x");
  }

  // One direction, and whether the steps are even.
  const double mean = (nm.back() - nm.front()) / static_cast<double>(count - 1);
  const bool rising = nm[1] > nm[0];
  double finest = std::fabs(mean);
  bool even = true;
  for (std::size_t i = 1; i < count; ++i) {
    const double d = nm[i] - nm[i - 1];
    if (d == 0.0 || (d > 0.0) != rising) {
      return fail(LineOf(table, i), "x " + Number(table.x[i]) + " after " + Number(table.x[i - 1]) +
                                        ": x must rise or fall all along the data");
    }
    finest = std::min(finest, std::fabs(d));
    even = even && std::fabs(d - mean) <= kEvenStepTolerance * std::fabs(mean);
  }

  // The spectrum kind.
  SpectrumKind kind = settings.kind != SpectrumKind::None ? settings.kind : table.kindHint;
  const YKind firstY = settings.yKind != YKind::Unknown
                           ? settings.yKind
                           : (table.series.empty() ? YKind::Unknown : table.series.front().kind);
  if (kind == SpectrumKind::None && firstY != YKind::Unknown && firstY != YKind::Intensity) {
    kind = SpectrumKind::Absorption;
    result.notes.push_back(std::string("kind Absorption, as the y are ") + YKindName(firstY));
  } else if (kind == SpectrumKind::None) {
    return fail(0, "the file does not tell whether it holds absorption, emission or light "
                   "source spectra: choose the kind");
  } else {
    result.notes.push_back(
        std::string("kind ") + KindName(kind) +
        (settings.kind != SpectrumKind::None ? " (as set)" : " (as the file says)"));
  }
  result.used.kind = kind;
  result.used.yKind = firstY;

  // The grid: the source's when it is even and no step is set, else an ascending one.
  const bool resample = !even || settings.step > 0.0;
  Grid grid;
  if (resample) {
    const double low = std::min(nm.front(), nm.back());
    const double high = std::max(nm.front(), nm.back());
    grid.first = low;
    grid.step = settings.step > 0.0 ? settings.step : finest;
    // A millionth of a step keeps the last point when the range is a whole number of steps
    // but for rounding; the grid's last x is then held at the largest source x.
    // Counted in floating point: a vast range over a fine step gives more points than any
    // count holds, and those are capped like any count beyond the limit.
    const double wantedCount = std::floor((high - low) / grid.step + 1e-6) + 1.0;
    if (wantedCount > static_cast<double>(settings.maxPoints) || wantedCount < 2.0) {
      const std::size_t points = wantedCount < 2.0 ? 2 : settings.maxPoints;
      const double wanted = grid.step;
      grid.step = (high - low) / static_cast<double>(points - 1);
      result.notes.push_back("a step of " + Number(wanted) + " nm would give " +
                             Number(wantedCount) + " points; the step is " + Number(grid.step) +
                             " nm for " + std::to_string(points) + " points instead");
      grid.count = points;
    } else {
      grid.count = static_cast<std::size_t>(wantedCount);
    }
    result.notes.push_back(
        (even ? std::string("resampled") : "x not evenly spaced in nm: resampled") +
        " by linear interpolation onto " + std::to_string(grid.count) + " points from " +
        Number(low) + " nm in steps of " + Number(grid.step) + " nm" +
        (settings.step > 0.0 ? " (as set)" : " (the finest spacing of the source)"));
    result.used.step = grid.step;
  } else {
    result.notes.push_back("x evenly spaced in nm (step " + Number(std::fabs(mean)) + " nm, " +
                           (rising ? "ascending" : "descending") + "): the points are kept");
    result.used.step = 0.0;
  }

  const std::string file = std::filesystem::path(table.sourcePath).filename().string();
  for (const ImportedSeries& series : table.series) {
    ImportedSpectrum imported;
    imported.series = series.name;
    imported.sourcePoints = series.y.size();
    imported.resampled = resample;
    imported.yKind = settings.yKind != YKind::Unknown ? settings.yKind : series.kind;
    if (series.y.size() != count) {
      return fail(0, "the series '" + series.name + "' has " + std::to_string(series.y.size()) +
                         " values for " + std::to_string(count) + " x");
    }
    const auto huge = std::find_if(series.y.begin(), series.y.end(),
                                   [](double v) { return std::fabs(v) > kLargestValue; });
    if (huge != series.y.end()) {
      return fail(LineOf(table, static_cast<std::size_t>(huge - series.y.begin())),
                  "y " + Number(*huge) + " is beyond the values a spectrum can hold");
    }
    const std::vector<double> y = ToSpectrumY(table, series, imported.yKind, imported.notes);
    CSpectrum& spectrum = imported.spectrum;
    if (resample && rising) {
      spectrum.m_points = Resample(nm, y, grid);
    } else if (resample) {
      spectrum.m_points = Resample(std::vector<double>(nm.rbegin(), nm.rend()),
                                   std::vector<double>(y.rbegin(), y.rend()), grid);
    } else {
      spectrum.m_points.resize(count);
      for (std::size_t i = 0; i < count; ++i) {
        spectrum.m_points[i] = {static_cast<float>(nm[i]), static_cast<float>(y[i])};
      }
    }
    spectrum.m_name = series.name.empty() || series.name == table.title
                          ? (table.title.empty() ? file : table.title + " (" + file + ")")
                          : file + " (" + series.name + ")";
    spectrum.m_filePath = table.sourcePath;
    spectrum.m_kind = kind;
    SetGridAndPeak(spectrum);
    if (!(spectrum.m_xStep > 0.0f)) {
      return fail(0, "a step of " + Number(resample ? grid.step : std::fabs(mean)) +
                         " nm is too fine to hold the wavelengths apart");
    }
    result.spectra.push_back(std::move(imported));
  }
  if (result.spectra.empty()) {
    return fail(0, "the table holds no y series");
  }
  return result;
}

const char* SpectrumFileEnding(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Absorption:
    return ".abs.txt";
  case SpectrumKind::Emission:
    return ".ems.txt";
  case SpectrumKind::LightSource:
    return ".els.txt";
  default:
    break;
  }
  return ".txt";
}

std::string ImportedFileName(const ImportedSpectrum& imported, bool severalSeries) {
  std::string name = FileStem(imported.spectrum.m_filePath);
  if (severalSeries && !imported.series.empty()) {
    name += "_" + imported.series;
  }
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  if (name.empty() || name == "." || name == "..") {
    name = "spectrum";
  }
  // The longest file name is 255 bytes; room is left for the ending.
  if (name.size() > 200) {
    name.resize(200);
    while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) {
      name.pop_back();
    }
    if (!name.empty() && static_cast<unsigned char>(name.back()) >= 0xC0) {
      name.pop_back();
    }
  }
  return name + SpectrumFileEnding(imported.spectrum.m_kind);
}

} // namespace lumivex
