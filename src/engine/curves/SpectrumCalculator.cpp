#include "curves/SpectrumCalculator.h"

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

} // namespace lumivex
