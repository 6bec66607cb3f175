#pragma once

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

} // namespace lumivex
