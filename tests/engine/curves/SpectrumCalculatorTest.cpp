#include "curves/SpectrumCalculator.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

TEST(SpectrumCalculator, CoefficientsOfTheFormulaLanguage) {
  struct Case {
    const char* formula;
    std::vector<float> coefficients; // A, B, C, ...
  };
  const Case cases[] = {
      {"1/3A  + 0.2B", {1.0f / 3.0f, 0.2f, 0.0f, 0.0f}},
      {"A-B", {1.0f, -1.0f, 0.0f, 0.0f}},
      {"-2.5D", {0.0f, 0.0f, 0.0f, -2.5f}},
      {"2A+B", {2.0f, 1.0f, 0.0f, 0.0f}},
      {"A+B/2", {1.0f, 1.0f, 0.0f, 0.0f}}, // text after a letter belongs to no coefficient
      {"a+b", {1.0f, 1.0f, 0.0f, 0.0f}},
      {"A + B - D", {1.0f, 1.0f, 0.0f, -1.0f}},
      {"B", {0.0f, 1.0f, 0.0f, 0.0f}},
      {"A+2A", {1.0f, 0.0f, 0.0f, 0.0f}}, // only the first occurrence counts
      {"", {0.0f, 0.0f, 0.0f, 0.0f}},
      {"1E-3A", {-3.0f, 0.0f, 0.0f, 0.0f, 1.0f}}, // no exponent: E is the fifth letter
  };
  for (const Case& c : cases) {
    const std::optional<std::vector<float>> coefficients =
        FormulaCoefficients(PrepareFormula(c.formula), static_cast<int>(c.coefficients.size()));
    ASSERT_TRUE(coefficients) << c.formula;
    for (std::size_t i = 0; i < c.coefficients.size(); ++i) {
      EXPECT_FLOAT_EQ((*coefficients)[i], c.coefficients[i]) << c.formula << " letter " << i;
    }
  }
}

TEST(SpectrumCalculator, DivisionByZeroAndInvalidOperators) {
  for (const char* formula : {"1/0A+B", "2/A+B"}) {
    EXPECT_FALSE(FormulaCoefficients(PrepareFormula(formula), 2)) << formula;
  }
  EXPECT_TRUE(HasInvalidOperator("*A+B"));
  EXPECT_TRUE(HasInvalidOperator("(A+B)"));
  EXPECT_FALSE(HasInvalidOperator("1/3A+0.2B"));
  EXPECT_EQ(PrepareFormula(" 1/3a  + 0.2b "), "1/3A+0.2B");
}

TEST(SpectrumCalculator, LettersPastZ) {
  EXPECT_EQ(SpectrumLetter(0), 'A');
  EXPECT_EQ(SpectrumLetter(25), 'Z');
  EXPECT_EQ(SpectrumLetter(26), '[');
  EXPECT_EQ(SpectrumLetter(29), '^');
  // The letter of position 26 takes its coefficient like any other.
  const std::optional<std::vector<float>> coefficients =
      FormulaCoefficients(PrepareFormula("A+0.5["), 27);
  ASSERT_TRUE(coefficients);
  EXPECT_FLOAT_EQ(coefficients->back(), 0.5f);
}

} // namespace
} // namespace lumivex
