// The Spectrum Calculator's formula: any text prepares and yields coefficients or a
// division by zero, never a crash; a prepared formula prepares to itself, and each
// coefficient of the list is the coefficient of its letter.
#include "FuzzCheck.h"

#include "curves/SpectrumCalculator.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

using lumivex::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string formula(reinterpret_cast<const char*>(data), size);
  (void)lumivex::HasInvalidOperator(formula);
  const std::string prepared = lumivex::PrepareFormula(formula);
  Require(lumivex::PrepareFormula(prepared) == prepared, "a prepared formula stays as it is");
  constexpr int kLetters = 30;
  const std::optional<std::vector<float>> all = lumivex::FormulaCoefficients(prepared, kLetters);
  bool anyDivisionByZero = false;
  for (int position = 0; position < kLetters; ++position) {
    const std::optional<float> one =
        lumivex::FormulaCoefficient(prepared, lumivex::SpectrumLetter(position));
    anyDivisionByZero = anyDivisionByZero || !one;
    if (all && one) {
      const float listed = (*all)[static_cast<std::size_t>(position)];
      Require(std::memcmp(&listed, &*one, sizeof listed) == 0,
              "the list holds each letter's coefficient");
    }
  }
  Require(all.has_value() == !anyDivisionByZero,
          "the list is refused exactly when a coefficient divides by zero");
  Require(!all || all->size() == kLetters, "the list has one coefficient a letter");
  return 0;
}
