#pragma once

#include "core/LumivexData.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The Spectrum Calculator's formula language: signed coefficients written in front of
/// letters (A for the first selected spectrum, B for the second, ...), with "+", "-" and a
/// fraction bar "/" inside a coefficient; no parentheses and no multiplication sign.

/// Shown when the formula holds "*", "(" or ")".
inline constexpr const char* kInvalidOperator =
    "Invalid operator, such as *, (, ), is found in the formula.";
/// Shown when a coefficient's fraction has a zero (or missing) denominator.
inline constexpr const char* kDivisionByZero = "Formula has division by zero exist";

/// The letter of selection position `position` (0-based): 'A' + position, so positions 26
/// to 29 get the four characters that follow Z.
[[nodiscard]] char SpectrumLetter(int position);

/// The formula as the calculator evaluates it: upper case, blanks removed.
[[nodiscard]] std::string PrepareFormula(const std::string& formula);

/// True when the formula holds one of the operators the language does not know.
[[nodiscard]] bool HasInvalidOperator(const std::string& formula);

/// The coefficient of a letter in a prepared formula, taken at the letter's first
/// occurrence: the text back to the nearest "+" or "-" (that sign included) or to the
/// formula's start, "1" when the letter comes first, a lone sign meaning 1 with that sign;
/// a "/" after the text's first character splits it into a numerator and a denominator,
/// each read as a decimal number (a part that does not start with one reads as 0). A
/// letter that does not occur has the coefficient 0. None when the denominator is 0.
[[nodiscard]] std::optional<float> FormulaCoefficient(const std::string& prepared, char letter);

/// The coefficients of the first `count` letters, in selection order; none when any of them
/// divides by zero.
[[nodiscard]] std::optional<std::vector<float>> FormulaCoefficients(const std::string& prepared,
                                                                    int count);

/// Shown when fewer than two spectra are selected (with the usage prompt's Help).
inline constexpr const char* kCalculatorUsage =
    "This module requires two or more spectra (with the same spectrum type) as its inputs.";
inline constexpr const char* kCalculatorSameType =
    "Same spectrum type is required for Spectrum Calculator";
inline constexpr const char* kCalculatorTooMany =
    "The calculator can't process more than 26 spectra";

/// Why the calculator cannot take these spectra before its dialog opens, or nothing: two or
/// more data kinds among them (model curves go with any kind), or more than 26 of one kind.
[[nodiscard]] std::optional<std::string>
CheckCalculatorSpectra(const std::vector<const CSpectrum*>& spectra);

/// The calculator's outcome.
struct CalculatedSpectrum {
  std::unique_ptr<CSpectrum> spectrum; ///< named after the prepared formula; null on a refusal
  std::vector<float> coefficients;     ///< one per spectrum, in order
  std::string refusal;                 ///< the message when no spectrum was made
};

/// The Spectrum Calculator's combination of the spectra (selection order, letters A, B, ...)
/// by the formula: the document's display turns to the intensity view over the workspace
/// (whatever follows), the coefficients act as weights through CombineSpectra on the first
/// spectrum's grid and are 1.0 again afterwards, and with two or more emission spectra every
/// given spectrum is scaled in place to the area-normalised scale (area = quantum yield).
/// A formula with "*", "(" or ")" or a zero denominator gives no spectrum.
[[nodiscard]] CalculatedSpectrum CalculateSpectrum(CLumivexData& document,
                                                   const std::vector<CSpectrum*>& spectra,
                                                   const std::string& formula);

} // namespace lumivex
