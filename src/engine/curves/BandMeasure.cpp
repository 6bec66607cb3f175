#include "curves/BandMeasure.h"

#include "core/DialogFields.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lumivex {

namespace {

// nm per cm: the wavenumber in cm^-1 of a wavelength in nm is 1e7 / wavelength.
constexpr double kNmPerCm = 1.0e7;

struct Sample {
  double x;
  double y;
};

std::string Nm(float value) {
  return FieldText(value) + " nm";
}

// y at x by linear interpolation between the neighbouring points of `grid` (ascending x),
// exact at a point itself, the last one included; x lies within the grid.
double ValueAt(const std::vector<Sample>& grid, double x) {
  const auto above = std::upper_bound(grid.begin(), grid.end(), x,
                                      [](double value, const Sample& s) { return value < s.x; });
  if (above == grid.end()) {
    return grid.back().y;
  }
  if (above == grid.begin()) {
    return grid.front().y;
  }
  const Sample& below = *(above - 1);
  return below.y + (above->y - below.y) * (x - below.x) / (above->x - below.x);
}

// The samples of the band in ascending wavelength: the two ends and the grid points between.
std::vector<Sample> Samples(const CSpectrum& spectrum, float low, float high) {
  std::vector<Sample> grid;
  grid.reserve(spectrum.m_points.size());
  for (const SpectrumPoint& point : spectrum.m_points) {
    grid.push_back({point.x + spectrum.m_xShift, point.y});
  }
  if (spectrum.m_descending != 0) {
    std::reverse(grid.begin(), grid.end());
  }
  std::vector<Sample> samples{{low, ValueAt(grid, low)}};
  std::copy_if(grid.begin(), grid.end(), std::back_inserter(samples),
               [low, high](const Sample& s) { return s.x > low && s.x < high; });
  samples.push_back({high, ValueAt(grid, high)});
  return samples;
}

int PointsWithin(const CSpectrum& spectrum, float low, float high) {
  return static_cast<int>(std::count_if(spectrum.m_points.begin(), spectrum.m_points.end(),
                                        [&](const SpectrumPoint& p) {
                                          const float x = p.x + spectrum.m_xShift;
                                          return x >= low && x <= high;
                                        }));
}

// The wavelength between samples a (at or below half) and b (above it) where y is half.
double Crossing(const Sample& a, const Sample& b, double half) {
  return a.x + (half - a.y) / (b.y - a.y) * (b.x - a.x);
}

std::optional<BandWidth> WidthAt(const std::vector<Sample>& samples, std::size_t peak) {
  const double half = samples[peak].y / 2.0;
  if (!(half > 0.0)) {
    return std::nullopt;
  }
  std::optional<double> left;
  for (std::size_t i = peak; i-- > 0;) {
    if (samples[i].y <= half) {
      left = Crossing(samples[i], samples[i + 1], half);
      break;
    }
  }
  std::optional<double> right;
  for (std::size_t i = peak + 1; i < samples.size(); ++i) {
    if (samples[i].y <= half) {
      right = Crossing(samples[i], samples[i - 1], half);
      break;
    }
  }
  if (!left || !right) {
    return std::nullopt;
  }
  return BandWidth{static_cast<float>(*left), static_cast<float>(*right),
                   static_cast<float>(*right - *left),
                   static_cast<float>(kNmPerCm / *left - kNmPerCm / *right)};
}

// Trapezoid sum of f(sample) over |d axis(x)| between neighbouring samples.
template <typename Axis, typename F>
double Trapezoids(const std::vector<Sample>& samples, Axis axis, F f) {
  double sum = 0.0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const double step = std::fabs(axis(samples[i].x) - axis(samples[i - 1].x));
    sum += (f(samples[i]) + f(samples[i - 1])) / 2.0 * step;
  }
  return sum;
}

} // namespace

BandResult MeasureBand(const CSpectrum& spectrum, float low, float high,
                       const BandOptions& options) {
  if (!spectrum.IsUsable()) {
    return {std::nullopt, kBandNotUsable};
  }
  if (!std::isfinite(low) || !std::isfinite(high) || !(low < high)) {
    return {std::nullopt, kBandInverted};
  }
  const std::string band = "The band " + FieldText(low) + " to " + Nm(high);
  const float smallest = spectrum.SmallestX() + spectrum.m_xShift;
  const float largest = spectrum.LargestX() + spectrum.m_xShift;
  if (low < smallest || high > largest) {
    return {std::nullopt, band + " reaches beyond the spectrum's points (" + FieldText(smallest) +
                              " to " + Nm(largest) + ")."};
  }
  BandMeasurement measured;
  measured.low = low;
  measured.high = high;
  measured.points = PointsWithin(spectrum, low, high);
  if (measured.points < 2) {
    return {std::nullopt, band + " holds fewer than 2 points of the spectrum."};
  }

  std::vector<Sample> samples = Samples(spectrum, low, high);
  const QuantityConversion toQuantity(spectrum, options.quantity);
  for (Sample& sample : samples) {
    sample.y = static_cast<double>(toQuantity(static_cast<float>(sample.y)));
  }
  if (options.baseline) {
    const Sample first = samples.front();
    const Sample last = samples.back();
    const double slope = (last.y - first.y) / (last.x - first.x);
    for (Sample& sample : samples) {
      sample.y -= first.y + slope * (sample.x - first.x);
    }
    measured.baseline = std::pair{static_cast<float>(first.y), static_cast<float>(last.y)};
  }

  const auto peak = static_cast<std::size_t>(
      std::max_element(samples.begin(), samples.end(),
                       [](const Sample& a, const Sample& b) { return a.y < b.y; }) -
      samples.begin());
  measured.maximum = static_cast<float>(samples[peak].y);
  measured.maximumAt = static_cast<float>(samples[peak].x);
  measured.width = WidthAt(samples, peak);

  const auto nm = [](double x) { return x; };
  const auto y = [](const Sample& s) { return s.y; };
  const double areaNm = Trapezoids(samples, nm, y);
  measured.areaNm = static_cast<float>(areaNm);
  if (areaNm > 0.0) {
    const double moment = Trapezoids(samples, nm, [](const Sample& s) { return s.x * s.y; });
    measured.centroid = static_cast<float>(moment / areaNm);
  }
  measured.areaWavenumber = static_cast<float>(Trapezoids(
      samples, [](double x) { return kNmPerCm / x; }, y));
  measured.unit = options.unit;
  const double constant = UnitConstant(options.unit);
  measured.areaInUnit = options.unit == XUnit::Wavelength
                            ? measured.areaNm
                            : static_cast<float>(Trapezoids(
                                  samples, [constant](double x) { return constant / x; }, y));
  return {measured, {}};
}

std::vector<std::string> BandText(const BandMeasurement& band, const std::string& name) {
  std::vector<std::string> lines{"Band of " + name + ": " + FieldText(band.low) + " to " +
                                 Nm(band.high) + ", " + std::to_string(band.points) + " points"};
  lines.push_back(band.baseline ? "Baseline: linear, " + FieldText(band.baseline->first) + " at " +
                                      Nm(band.low) + " to " + FieldText(band.baseline->second) +
                                      " at " + Nm(band.high) + ", subtracted"
                                : std::string("Baseline: none"));
  lines.push_back("Maximum: " + FieldText(band.maximum) + " at " + Nm(band.maximumAt));
  lines.push_back(band.width
                      ? "FWHM: " + Nm(band.width->nm) + ", " + FieldText(band.width->wavenumber) +
                            " cm^-1 (half maximum at " + FieldText(band.width->left) + " and " +
                            Nm(band.width->right) + ")"
                      : std::string("FWHM: not determined (the band does not fall to "
                                    "half its maximum on both sides within the range)"));
  lines.push_back("Centroid: " + (band.centroid ? Nm(*band.centroid)
                                                : std::string("not determined (no positive "
                                                              "area)")));
  lines.push_back("Area over wavelength (nm): " + FieldText(band.areaNm));
  lines.push_back("Area over wavenumber (cm^-1): " + FieldText(band.areaWavenumber));
  if (band.unit != XUnit::Wavelength && band.unit != XUnit::Wavenumber) {
    lines.push_back("Area over " + XAxisLabel(band.unit).Plain() + ": " +
                    FieldText(band.areaInUnit));
  }
  return lines;
}

} // namespace lumivex
