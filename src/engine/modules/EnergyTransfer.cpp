#include "modules/EnergyTransfer.h"

#include "core/DerivedSpectra.h"
#include "core/LumivexData.h"
#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace lumivex {

namespace {

// The smallest of the values, searched from 1e8 as the analysis always has.
constexpr float kSmallestStart = 1.0e8f;

std::size_t SmallestIndex(const std::vector<float>& values, float& smallest) {
  smallest = kSmallestStart;
  std::size_t index = values.size();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] < smallest) {
      smallest = values[i];
      index = i;
    }
  }
  return index;
}

} // namespace

void ComputeDerivedQuantities(std::span<EnergyTransferRecord> chain) {
  float epsilonSum = 0.0f;
  for (const EnergyTransferRecord& record : chain) {
    epsilonSum += record.epsilon;
  }
  float carry = 0.0f;
  float emissionSum = 0.0f;
  for (EnergyTransferRecord& record : chain) {
    record.upstream = carry;
    record.relativeAbsorbance = epsilonSum > 0.0f ? record.epsilon / epsilonSum : 0.0f;
    record.actualFluorescence = record.quantumYield * (1.0f - record.transfer);
    record.excitationTotal = record.relativeAbsorbance + record.upstream;
    record.emissionEnergy = record.excitationTotal * record.actualFluorescence;
    carry = (carry + record.relativeAbsorbance) * record.transfer;
    emissionSum += record.emissionEnergy;
  }
  for (EnergyTransferRecord& record : chain) {
    record.emissionShare = emissionSum > 0.0f ? record.emissionEnergy / emissionSum : 0.0f;
  }
}

float EndToEndTransfer(std::span<const EnergyTransferRecord> chain, EnergyTransferMode mode) {
  float product = 1.0f;
  if (mode == EnergyTransferMode::Forward) {
    for (const EnergyTransferRecord& record : chain) {
      if (record.transfer > 0.0f) {
        product *= record.transfer;
      }
    }
  } else {
    for (std::size_t c = 0; c + 1 < chain.size(); ++c) {
      product *= chain[c].transfer;
    }
  }
  return product;
}

float EpsilonAtExcitation(const CSpectrum& absorption, float epsilon, float epsilonWavelength,
                          float excitation) {
  return RatioOrZero(absorption.Interpolate(excitation) * epsilon,
                     absorption.Interpolate(epsilonWavelength));
}

MeasuredEmission NormaliseMeasured(const CSpectrum& measured, std::span<const float> wavelengths) {
  MeasuredEmission result;
  result.values.reserve(wavelengths.size());
  for (const float wavelength : wavelengths) {
    result.values.push_back(measured.Interpolate(wavelength));
  }
  float smallest = 0.0f;
  const std::size_t index = SmallestIndex(result.values, smallest);
  if (smallest == 0.0f) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "The measured emission spectrum is 0 at %.2f nm, so the simulated emission "
                  "cannot be compared with it there. Please choose another wavelength.",
                  static_cast<double>(wavelengths[index]));
    result.message = text;
    result.values.clear();
    return result;
  }
  for (float& value : result.values) {
    value /= smallest;
  }
  result.ok = true;
  return result;
}

CTransferEvaluation::CTransferEvaluation(std::vector<EnergyTransferRecord> chain,
                                         std::vector<CSpectrum> emissions,
                                         std::vector<float> wavelengths,
                                         std::vector<float> measured)
    : m_chain(std::move(chain)), m_emissions(std::move(emissions)),
      m_wavelengths(std::move(wavelengths)), m_measured(std::move(measured)) {
  const std::size_t count = m_emissions.size();
  m_combinable = count > 0;
  std::vector<float> unit(count, 0.0f);
  for (std::size_t c = 0; c < count; ++c) {
    CSpectrum& emission = m_emissions[c];
    m_scales.push_back(RatioOrZero(emission.m_quantumYield, emission.Area()));
  }
  for (std::size_t c = 0; c < count && m_combinable && !m_wavelengths.empty(); ++c) {
    unit.assign(count, 0.0f);
    unit[c] = 1.0f;
    const std::unique_ptr<CSpectrum> alone = Combine(unit, false);
    m_combinable = alone != nullptr;
    for (const float wavelength : m_wavelengths) {
      m_contributions.push_back(m_combinable ? alone->Interpolate(wavelength) : 0.0f);
    }
  }
}

std::vector<EnergyTransferRecord>
CTransferEvaluation::Chain(std::span<const float> efficiencies) const {
  std::vector<EnergyTransferRecord> chain = m_chain;
  for (std::size_t c = 0; c < chain.size(); ++c) {
    chain[c].transfer = c < efficiencies.size() && c + 1 < chain.size() ? efficiencies[c] : 0.0f;
  }
  ComputeDerivedQuantities(chain);
  return chain;
}

std::unique_ptr<CSpectrum> CTransferEvaluation::Combine(std::span<const float> weights,
                                                        bool normalised) {
  if (m_emissions.empty()) {
    return nullptr;
  }
  // The emission display, area-normalised or not, in a document of its own.
  CLumivexData display;
  display.m_settingsApplied = normalised ? 1 : 0;
  display.m_showFluorescence = 1;
  display.m_showIntensity = 1;
  for (std::size_t c = 0; c < m_emissions.size(); ++c) {
    m_emissions[c].m_weight = c < weights.size() ? weights[c] : 0.0f;
  }
  CSpectrum& first = m_emissions.front();
  if (m_emissions.size() == 1) {
    return CombineSpectra(display, first, first, 0.0f, 0.0f);
  }
  std::unique_ptr<CSpectrum> sum = CombineSpectra(display, first, m_emissions[1], 1.0f, 0.0f);
  for (std::size_t c = 2; c < m_emissions.size() && sum != nullptr; ++c) {
    sum = CombineSpectra(display, *sum, m_emissions[c], 1.0f, 0.0f);
  }
  return sum;
}

std::unique_ptr<CSpectrum>
CTransferEvaluation::Simulate(std::span<const EnergyTransferRecord> chain) {
  std::vector<float> weights;
  for (const EnergyTransferRecord& record : chain) {
    weights.push_back(RatioOrZero(record.emissionEnergy, record.quantumYield));
  }
  return Combine(weights, true);
}

std::vector<float>
CTransferEvaluation::SimulatedValues(std::span<const EnergyTransferRecord> chain) const {
  std::vector<float> values;
  if (!m_combinable) {
    return values;
  }
  const std::size_t n = m_wavelengths.size();
  values.assign(n, 0.0f);
  for (std::size_t c = 0; c < m_emissions.size() && c < chain.size(); ++c) {
    const float weight = RatioOrZero(chain[c].emissionEnergy, chain[c].quantumYield);
    const float factor = weight * m_scales[c];
    for (std::size_t i = 0; i < n; ++i) {
      values[i] += factor * m_contributions[c * n + i];
    }
  }
  return values;
}

float CTransferEvaluation::operator()(std::span<const float> efficiencies) {
  ++m_evaluations;
  const std::vector<float> values = SimulatedValues(Chain(efficiencies));
  if (!m_combinable) {
    return kWorstTransferMisfit;
  }
  float smallest = 0.0f;
  SmallestIndex(values, smallest);
  if (smallest == 0.0f) {
    return kWorstTransferMisfit;
  }
  float squares = 0.0f;
  for (std::size_t i = 0; i < values.size() && i < m_measured.size(); ++i) {
    const float difference = values[i] / smallest - m_measured[i];
    squares += difference * difference;
  }
  return std::sqrt(squares) / static_cast<float>(m_chain.size());
}

SimulatedFluorescence SimulateFluorescence(std::span<const EnergyTransferRecord> chain,
                                           std::vector<CSpectrum> emissions) {
  SimulatedFluorescence result;
  CTransferEvaluation evaluation({chain.begin(), chain.end()}, std::move(emissions), {}, {});
  result.sum = evaluation.Simulate(chain);
  result.shares = evaluation.Emissions();
  for (CSpectrum& share : result.shares) {
    share.ScaleY(RatioOrZero(share.m_weight * share.m_quantumYield, share.Area()));
  }
  return result;
}

TransferFit FitEfficiencies(CTransferEvaluation& evaluation, std::span<const float> start) {
  TransferFit fit;
  const int before = evaluation.Evaluations();
  if (start.size() == 1) {
    float best = kTransferScanBound;
    float chosen = 0.0f;
    for (int j = 1; j <= 100; ++j) {
      const float trial = static_cast<float>(j) / 100.0f;
      const float misfit = evaluation(std::span<const float>(&trial, 1));
      if (misfit < best) {
        best = misfit;
        chosen = trial;
      }
    }
    fit.efficiencies = {chosen};
    fit.misfit = best;
  } else if (!start.empty()) {
    const int steps = static_cast<int>(start.size());
    CSimplex simplex(steps);
    for (int v = 0; v <= steps; ++v) {
      std::copy(start.begin(), start.end(), simplex.Vertex(v).begin());
      if (v > 0) {
        simplex.Vertex(v)[static_cast<std::size_t>(v - 1)] -= kTransferStartingStep;
      }
    }
    const SimplexResult result =
        Minimise([&evaluation](std::span<const float> t) { return evaluation(t); }, simplex,
                 kTransferTolerance, SimplexClamp::UnitRange);
    fit.efficiencies = result.best;
    fit.misfit = result.value;
  }
  fit.evaluations = evaluation.Evaluations() - before;
  return fit;
}

EnergyTransferResult SimulateForward(std::vector<EnergyTransferRecord> chain) {
  EnergyTransferResult result;
  ComputeDerivedQuantities(chain);
  result.endToEnd = EndToEndTransfer(chain, EnergyTransferMode::Forward);
  result.chain = std::move(chain);
  result.ok = true;
  return result;
}

EnergyTransferResult ReverseAnalysis(std::vector<EnergyTransferRecord> chain,
                                     std::vector<CSpectrum> emissions, const CSpectrum& measured,
                                     std::vector<float> wavelengths) {
  EnergyTransferResult result;
  if (chain.size() < 2 || emissions.size() != chain.size()) {
    result.message = "The reverse analysis needs a chain of at least two components, each with "
                     "its emission spectrum.";
    return result;
  }
  MeasuredEmission normalised = NormaliseMeasured(measured, wavelengths);
  if (!normalised.ok) {
    result.message = std::move(normalised.message);
    return result;
  }
  std::vector<float> start;
  for (std::size_t c = 0; c + 1 < chain.size(); ++c) {
    start.push_back(chain[c].transfer);
  }
  CTransferEvaluation evaluation(chain, std::move(emissions), std::move(wavelengths),
                                 std::move(normalised.values));
  const TransferFit fit = FitEfficiencies(evaluation, start);
  result.chain = evaluation.Chain(fit.efficiencies);
  result.endToEnd = EndToEndTransfer(result.chain, EnergyTransferMode::Reverse);
  result.evaluations = fit.evaluations;
  result.misfit = fit.misfit;
  result.ok = true;
  return result;
}

std::string NotFromDatabaseMessage(const std::string& name) {
  return "The reverse analysis needs each component's emission spectrum from its database "
         "record, but '" +
         name + "' was not opened from a database.";
}

} // namespace lumivex
