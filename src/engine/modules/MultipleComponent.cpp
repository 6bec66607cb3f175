#include "modules/MultipleComponent.h"

#include "core/Numbers.h"

#include <algorithm>

namespace lumivex {

CMcaValueTable::CMcaValueTable(const CSpectrum& composite,
                               std::span<const CSpectrum* const> components,
                               std::span<const float> wavelengths)
    : m_components(static_cast<int>(components.size())),
      m_wavelengths(static_cast<int>(wavelengths.size())) {
  m_values.reserve((components.size() + 1) * wavelengths.size());
  for (const float wavelength : wavelengths) {
    m_values.push_back(composite.Interpolate(wavelength));
  }
  for (const CSpectrum* component : components) {
    for (const float wavelength : wavelengths) {
      m_values.push_back(component->Interpolate(wavelength));
    }
  }
}

float CMcaValueTable::Misfit(std::span<const float> coefficients) const {
  float misfit = 0.0f;
  for (int i = 0; i < m_wavelengths; ++i) {
    float mixture = 0.0f;
    for (int j = 1; j <= m_components; ++j) {
      mixture += coefficients[static_cast<std::size_t>(j - 1)] * At(j, i);
    }
    const float difference = mixture - At(0, i);
    misfit += difference * difference;
  }
  return misfit;
}

McaFit FitComponents(const CMcaValueTable& table, std::span<const McaComponentInput> inputs) {
  const int m = table.Components();
  CSimplex simplex(m);
  for (int j = 0; j < m; ++j) {
    simplex.Vertex(0)[static_cast<std::size_t>(j)] = inputs[static_cast<std::size_t>(j)].fraction;
    simplex.Vertex(j + 1)[static_cast<std::size_t>(j)] =
        inputs[static_cast<std::size_t>(j)].fraction;
  }
  McaFit fit;
  fit.search = Minimise([&table](std::span<const float> x) { return table.Misfit(x); }, simplex,
                        kMcaTolerance, SimplexClamp::Off);
  fit.residual = fit.search.value;
  fit.results.reserve(static_cast<std::size_t>(m));
  for (int j = 0; j < m; ++j) {
    const float coefficient = fit.search.best[static_cast<std::size_t>(j)];
    const float concentration = inputs[static_cast<std::size_t>(j)].concentration;
    fit.results.push_back(concentration != 0.0f ? coefficient * concentration : coefficient);
  }
  return fit;
}

float DefaultConcentration(const CSpectrum& component) {
  if (component.m_kind != SpectrumKind::Absorption) {
    return 0.0f;
  }
  return RatioOrZero(component.Interpolate(component.m_peakX), component.m_epsilonPeak) * 1.0e6f;
}

bool McaSelectionFits(std::span<const SpectrumKind> kinds) {
  const auto absorption = std::count(kinds.begin(), kinds.end(), SpectrumKind::Absorption);
  const auto emission = std::count(kinds.begin(), kinds.end(), SpectrumKind::Emission);
  return absorption >= 3 || emission >= 3;
}

} // namespace lumivex
