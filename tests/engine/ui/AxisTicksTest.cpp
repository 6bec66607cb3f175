#include "ui/AxisTicks.h"

#include "ui/GraphPainter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lumivex {
namespace {

TEST(RoundTicks, StepsOfOneTwoOrFiveTimesAPowerOfTenCoverTheRange) {
  struct Case {
    double first, second;
    int intervals;
    double step;
    int decimals;
  };
  for (const Case& c : {Case{0.3, 4.7, 10, 0.5, 1}, Case{800.0, 300.0, 10, 50.0, 0},
                        Case{12500.0, 25000.0, 10, 2000.0, 0}, Case{1.55, 3.1, 5, 0.5, 1},
                        Case{-0.004, 0.013, 4, 0.005, 3}, Case{0.0, 7.0, 7, 1.0, 0}}) {
    SCOPED_TRACE(c.first);
    const auto ticks = RoundTicksBetween(c.first, c.second, c.intervals);
    ASSERT_TRUE(ticks);
    EXPECT_DOUBLE_EQ(ticks->step, c.step);
    EXPECT_EQ(ticks->decimals, c.decimals);
    const double low = std::min(c.first, c.second);
    const double high = std::max(c.first, c.second);
    ASSERT_FALSE(ticks->values.empty());
    // Every multiple of the step in the range, and no other value.
    EXPECT_LT(ticks->values.front() - ticks->step, low);
    EXPECT_GT(ticks->values.back() + ticks->step, high);
    for (const double value : ticks->values) {
      EXPECT_GE(value, low - ticks->step * 1e-3);
      EXPECT_LE(value, high + ticks->step * 1e-3);
      EXPECT_NEAR(value / ticks->step, std::round(value / ticks->step), 1e-9);
    }
  }
  EXPECT_FALSE(RoundTicksBetween(2.0, 2.0, 10));
  EXPECT_FALSE(RoundTicksBetween(0.0, NAN, 10));
  EXPECT_FALSE(RoundTicksBetween(0.0, 1.0, 0));
}

TEST(RoundTicks, LabelsShowTheStepsDecimalsAndAPlainZero) {
  const auto ticks = RoundTicksBetween(-0.004, 0.013, 4);
  ASSERT_TRUE(ticks);
  std::vector<std::string> labels;
  for (const double value : ticks->values) {
    labels.push_back(RoundTickLabel(value, *ticks));
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "0.005", "0.010"}));
}

// The second axis's ticks lie where the main axis shows their wavelength, to within the
// wavelength one column spans there.
TEST(SecondXAxis, TicksSitAtTheWavelengthOfTheirValue) {
  struct Case {
    XUnit mainUnit;
    int secondUnit;
    XUnit expectedUnit;
    const char* title;
  };
  const CRect plot{50, 50, 1050, 400};
  for (const Case& c : {Case{XUnit::Wavelength, 1, XUnit::Wavenumber, "Wavenumber (cm"},
                        Case{XUnit::Wavelength, 3, XUnit::EnergyEv, "Energy (eV)"},
                        Case{XUnit::Wavelength, 5, XUnit::EnergyKK, "Energy (kK)"},
                        Case{XUnit::Wavelength, 2, XUnit::Wavenumber, "Wavenumber (cm"},
                        Case{XUnit::EnergyEv, 1, XUnit::Wavelength, "Wavelength(nm)"},
                        Case{XUnit::Wavenumber, 3, XUnit::Wavelength, "Wavelength(nm)"}}) {
    SCOPED_TRACE(static_cast<int>(c.mainUnit) * 10 + c.secondUnit);
    CLumivexData data;
    data.m_xUnit = static_cast<int>(c.mainUnit);
    data.m_secondXUnit = c.secondUnit;
    EXPECT_FALSE(SecondXAxisOf(data));
    data.m_secondXAxis = 1;
    const auto axis = SecondXAxisOf(data);
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->unit, c.expectedUnit);
    EXPECT_EQ(axis->title.text, c.title);

    const auto ticks = SecondAxisTicks(*axis, plot, 400.0f, 800.0f, c.mainUnit, 10);
    ASSERT_GE(ticks.size(), 4u);
    const CXMapping mapping = XMappingFor(plot, 400.0f, 800.0f, c.mainUnit);
    for (const SecondAxisTick& tick : ticks) {
      ASSERT_GE(tick.column, plot.left);
      ASSERT_LE(tick.column, plot.right);
      const double shown = *mapping.Wavelength(tick.column);
      const double columnWidth =
          std::abs(*mapping.Wavelength(tick.column + 1) - *mapping.Wavelength(tick.column - 1));
      EXPECT_NEAR(axis->Wavelength(tick.value), shown, columnWidth) << tick.label;
    }
  }
}

TEST(SecondXAxis, ElectronvoltsAreWholeEvOfTheAxisConstants) {
  CLumivexData data;
  data.m_secondXAxis = 1;
  data.m_secondXUnit = static_cast<int>(XUnit::EnergyEv);
  const auto axis = SecondXAxisOf(data);
  ASSERT_TRUE(axis);
  // The main axis in 0.1 eV reads 10 times the second axis at every wavelength.
  EXPECT_NEAR(axis->Value(500.0) * 10.0, ToAxis(XUnit::EnergyEv, 500.0f), 1e-3);
}

TEST(TitleUnits, MolarAbsorptivityNamesItsUnitOtherQuantitiesStayAsTheyAre) {
  const auto plain = [](const std::vector<TitleRun>& runs) {
    std::string text;
    for (const TitleRun& run : runs) {
      text += run.text + (run.superscript.empty() ? "" : "^" + run.superscript);
    }
    return text;
  };
  struct Case {
    AxisLabel title;
    YQuantity quantity;
    bool logarithmic;
    const char* expected;
  };
  for (const Case& c :
       {Case{{"Epsilon", "", ""}, YQuantity::Epsilon, false, "Epsilon (M^-1 cm^-1)"},
        Case{{"Epsilon (10", "4", ")"}, YQuantity::Epsilon, false, "Epsilon (10^4 M^-1 cm^-1)"},
        Case{{"Epsilon (log)", "", ""}, YQuantity::Epsilon, true, "Epsilon (log, M^-1 cm^-1)"},
        Case{{"Epsilon", "", ""}, YQuantity::Epsilon, true, "Epsilon (log, M^-1 cm^-1)"},
        Case{{"Absorption", "", ""}, YQuantity::Absorption, false, "Absorption"},
        Case{
            {" Irradiance  (10", "3", ")"}, YQuantity::Irradiance, false, " Irradiance  (10^3)"}}) {
    EXPECT_EQ(plain(TitleWithUnits(c.title, c.quantity, c.logarithmic)), c.expected);
  }
}

} // namespace
} // namespace lumivex
