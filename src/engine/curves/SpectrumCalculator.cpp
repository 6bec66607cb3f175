#include "curves/SpectrumCalculator.h"

#include "core/DerivedSpectra.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace lumivex {

namespace {

// A text read as "%f" reads it: 0 when it does not start with a number.
float ReadDecimal(const std::string& text) {
  float value = 0.0f;
  if (std::sscanf(text.c_str(), "%f", &value) != 1) {
    return 0.0f;
  }
  return value;
}

} // namespace

char SpectrumLetter(int position) {
  return static_cast<char>('A' + position);
}

std::string PrepareFormula(const std::string& formula) {
  std::string prepared;
  prepared.reserve(formula.size());
  for (const char c : formula) {
    if (c != ' ') {
      prepared.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
  }
  return prepared;
}

bool HasInvalidOperator(const std::string& formula) {
  return formula.find_first_of("*()") != std::string::npos;
}

std::optional<float> FormulaCoefficient(const std::string& prepared, char letter) {
  const std::size_t p = prepared.find(letter);
  if (p == std::string::npos) {
    return 0.0f;
  }
  std::string text = "1";
  if (p > 0) {
    std::size_t q = p - 1;
    while (q > 0 && prepared[q] != '+' && prepared[q] != '-') {
      --q;
    }
    text = prepared.substr(q, p - q);
    if (text == "+" || text == "-") {
      text += '1';
    }
  }
  const std::size_t bar = text.find('/');
  if (bar == std::string::npos || bar == 0) {
    return ReadDecimal(text);
  }
  const float numerator = ReadDecimal(text.substr(0, bar));
  const float denominator = ReadDecimal(text.substr(bar + 1));
  if (denominator == 0.0f) {
    return std::nullopt;
  }
  return numerator / denominator;
}

std::optional<std::vector<float>> FormulaCoefficients(const std::string& prepared, int count) {
  std::vector<float> coefficients;
  coefficients.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int g = 0; g < count; ++g) {
    const std::optional<float> coefficient = FormulaCoefficient(prepared, SpectrumLetter(g));
    if (!coefficient) {
      return std::nullopt;
    }
    coefficients.push_back(*coefficient);
  }
  return coefficients;
}

std::optional<std::string> CheckCalculatorSpectra(const std::vector<const CSpectrum*>& spectra) {
  int absorption = 0;
  int emission = 0;
  int lightSource = 0;
  for (const CSpectrum* spectrum : spectra) {
    absorption += spectrum->m_kind == SpectrumKind::Absorption ? 1 : 0;
    emission += spectrum->m_kind == SpectrumKind::Emission ? 1 : 0;
    lightSource += spectrum->m_kind == SpectrumKind::LightSource ? 1 : 0;
  }
  if ((absorption > 0) + (emission > 0) + (lightSource > 0) > 1) {
    return kCalculatorSameType;
  }
  if (std::max({absorption, emission, lightSource}) > 26) {
    return kCalculatorTooMany;
  }
  return std::nullopt;
}

CalculatedSpectrum CalculateSpectrum(CLumivexData& document, const std::vector<CSpectrum*>& spectra,
                                     const std::string& formula) {
  CalculatedSpectrum result;
  if (HasInvalidOperator(formula)) {
    result.refusal = kInvalidOperator;
    return result;
  }
  document.ShowAreaNormalisedEmission();

  const std::string prepared = PrepareFormula(formula);
  std::optional<std::vector<float>> coefficients =
      FormulaCoefficients(prepared, static_cast<int>(spectra.size()));
  if (!coefficients) {
    result.refusal = kDivisionByZero;
    return result;
  }
  result.coefficients = std::move(*coefficients);

  // The coefficients act through the spectra's weights during the combination only.
  std::unique_ptr<CSpectrum> combined;
  CSpectrum* running = nullptr;
  for (std::size_t g = 0; g < spectra.size(); ++g) {
    spectra[g]->m_weight = result.coefficients[g];
    if (g == 0) {
      running = spectra[g];
      continue;
    }
    if (std::unique_ptr<CSpectrum> next =
            CombineSpectra(document, *running, *spectra[g], 1.0f, 0.0f)) {
      next->m_weight = 1.0f;
      combined = std::move(next);
      running = combined.get();
    }
  }
  int emission = 0;
  for (CSpectrum* spectrum : spectra) {
    spectrum->m_weight = 1.0f;
    emission += spectrum->m_kind == SpectrumKind::Emission ? 1 : 0;
  }
  if (!combined) {
    result.refusal = "The selected spectra cannot be combined on a common grid.";
    return result;
  }
  combined->m_name = prepared;
  if (emission >= 2) {
    for (CSpectrum* spectrum : spectra) {
      // A spectrum without area has no area-normalised scale; it stays as it is.
      const float factor =
          RatioOrZero(spectrum->m_weight * spectrum->m_quantumYield, spectrum->Area());
      if (factor != 0.0f) {
        spectrum->ScaleY(factor);
      }
    }
  }
  result.spectrum = std::move(combined);
  return result;
}

} // namespace lumivex
