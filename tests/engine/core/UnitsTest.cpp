#include "core/Units.h"
#include "TestSupport.h"

#include <cstring>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

TEST(Units, ConstantsAreTheExactSinglePrecisionValues) {
  const struct {
    XUnit unit;
    float constant;
  } expected[] = {{XUnit::Wavenumber, 1.0e7f},          {XUnit::Frequency, 300000.0f},
                  {XUnit::EnergyEv, 12431.25f},         {XUnit::EnergyKcal, 47515.52734375f},
                  {XUnit::EnergyKK, 14413.0439453125f}, {XUnit::EnergyKJ, 198900.0f}};
  for (const auto& [unit, constant] : expected) {
    const float actual = UnitConstant(unit);
    EXPECT_EQ(std::memcmp(&actual, &constant, sizeof actual), 0) << static_cast<int>(unit);
  }
  // The energies follow from hc = 1.989e-16 J nm with the rounded constants.
  EXPECT_TRUE(FuzzyCompare(UnitConstant(XUnit::EnergyKcal), 198900.0 / 4.186, 1e-7));
  EXPECT_TRUE(FuzzyCompare(UnitConstant(XUnit::EnergyKK), 198900.0 / 13.8, 1e-7));
}

TEST(Units, FiveHundredNanometresInEveryUnit) {
  EXPECT_EQ(ToAxis(XUnit::Wavelength, 500.0f), 500.0f);
  EXPECT_EQ(ToAxis(XUnit::Wavenumber, 500.0f), 20000.0f);
  EXPECT_EQ(ToAxis(XUnit::Frequency, 500.0f), 600.0f);
  EXPECT_EQ(ToAxis(XUnit::EnergyEv, 500.0f), 24.8625f);
  EXPECT_TRUE(FuzzyCompare(ToAxis(XUnit::EnergyKcal, 500.0f), 95.031, 1e-5));
  EXPECT_TRUE(FuzzyCompare(ToAxis(XUnit::EnergyKK, 500.0f), 28.826, 1e-5));
  EXPECT_EQ(ToAxis(XUnit::EnergyKJ, 500.0f), 397.8f);

  for (int code = 0; code < kXUnitCount; ++code) {
    const XUnit unit = XUnitFromCode(code);
    for (const float nm : {200.0f, 333.3f, 500.0f, 1234.5f}) {
      EXPECT_TRUE(FuzzyCompare(FromAxis(unit, ToAxis(unit, nm)), nm, 1e-6)) << code;
    }
  }
  EXPECT_EQ(XUnitFromCode(9), XUnit::Wavelength);
  EXPECT_EQ(XUnitFromCode(-1), XUnit::Wavelength);
}

TEST(Units, RangesReverseAndConvertThroughNanometres) {
  EXPECT_EQ(AxisRange(XUnit::Wavelength, 400.0f, 800.0f), std::make_pair(400.0f, 800.0f));
  EXPECT_EQ(AxisRange(XUnit::Wavenumber, 400.0f, 800.0f), std::make_pair(12500.0f, 25000.0f));

  const auto frequency = ConvertRange(XUnit::Wavenumber, XUnit::Frequency, 12500.0f, 25000.0f);
  EXPECT_EQ(frequency, std::make_pair(375.0f, 750.0f));
  const auto back = ConvertRange(XUnit::Frequency, XUnit::Wavelength, 375.0f, 750.0f);
  EXPECT_EQ(back, std::make_pair(400.0f, 800.0f));
  EXPECT_EQ(ConvertRange(XUnit::Wavelength, XUnit::Wavelength, 1.0f, 2.0f),
            std::make_pair(1.0f, 2.0f));
}

TEST(Units, AxisLabels) {
  EXPECT_EQ(XAxisLabel(XUnit::Wavelength), (AxisLabel{"Wavelength(nm)", "", ""}));
  EXPECT_EQ(XAxisLabel(XUnit::Wavenumber), (AxisLabel{"Wavenumber (cm", "-1", ")"}));
  EXPECT_EQ(XAxisLabel(XUnit::Frequency), (AxisLabel{"Frequency (10", "12", "Hz)"}));
  EXPECT_EQ(XAxisLabel(XUnit::EnergyEv), (AxisLabel{"Energy (10", "-1", "eV)"}));
  EXPECT_EQ(XAxisLabel(XUnit::EnergyKcal), (AxisLabel{"Energy (10", "-24", "kcal)"}));
  EXPECT_EQ(XAxisLabel(XUnit::EnergyKK), (AxisLabel{"Energy (kK)", "", ""}));
  EXPECT_EQ(XAxisLabel(XUnit::EnergyKJ), (AxisLabel{"Energy (10", "-24", "kJ)"}));
  EXPECT_EQ(XAxisLabel(XUnit::Wavenumber).Plain(), "Wavenumber (cm^-1)");

  EXPECT_STREQ(QuantityLabel(YQuantity::Intensity), "  Intensity  ");
  EXPECT_STREQ(QuantityLabel(YQuantity::Irradiance), " Irradiance ");

  EXPECT_EQ(YLabelPower(10.0f), 0);
  EXPECT_EQ(YLabelPower(10.5f), 1);
  EXPECT_EQ(YLabelPower(2500.0f), 3);
  EXPECT_EQ(YLabelPower(-5.0f), 0);
  EXPECT_EQ(YLabelPower(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(YLabelPower(std::numeric_limits<float>::max()), 38);

  EXPECT_EQ(YAxisLabel(YQuantity::Absorption, false, false, 2500.0f),
            (AxisLabel{"Absorption (10", "3", ")"}));
  EXPECT_EQ(YAxisLabel(YQuantity::Epsilon, true, true, 5.0f), (AxisLabel{"Epsilon (log)", "", ""}));
  // The log suffix needs applied settings, and gives way to a power of ten.
  EXPECT_EQ(YAxisLabel(YQuantity::Epsilon, true, false, 5.0f), (AxisLabel{"Epsilon", "", ""}));
  EXPECT_EQ(YAxisLabel(YQuantity::Epsilon, true, true, 50000.0f),
            (AxisLabel{"Epsilon (10", "4", ")"}));
}

TEST(Units, QuantityChoiceAndPlottedValues) {
  EXPECT_EQ(QuantityFor(SpectrumKind::Curve, false, false, false, false), YQuantity::Intensity);
  EXPECT_EQ(QuantityFor(SpectrumKind::LightSource, true, true, true, true), YQuantity::Irradiance);
  EXPECT_EQ(QuantityFor(SpectrumKind::Absorption, false, true, false, false),
            YQuantity::Absorption);
  EXPECT_EQ(QuantityFor(SpectrumKind::Absorption, true, false, true, false), YQuantity::Epsilon);
  EXPECT_EQ(QuantityFor(SpectrumKind::Emission, true, false, false, true), YQuantity::Intensity);
  EXPECT_EQ(QuantityFor(SpectrumKind::Emission, false, false, false, true),
            YQuantity::Fluorescence);

  // Absorbance 0.5 at 500 nm with epsilon 10000 there plots 10000 under Epsilon.
  CSpectrum absorption = MakeSpectrum(400.0f, 1.0f, 201, [](float x) { return x / 1000.0f; });
  absorption.m_kind = SpectrumKind::Absorption;
  absorption.m_epsilon = 10000.0f;
  absorption.m_epsilonWavelength = 500.0f;
  EXPECT_EQ(QuantityValue(absorption, YQuantity::Epsilon, 0.5f), 0.5f); // not from a database
  absorption.m_fromDatabase = 1;
  EXPECT_TRUE(FuzzyCompare(QuantityValue(absorption, YQuantity::Epsilon, 0.5f), 10000.0));
  EXPECT_EQ(QuantityValue(absorption, YQuantity::Absorption, 0.5f), 0.5f);
  // Below the data the reference is the first point, 0.4 at 400 nm.
  absorption.m_epsilonWavelength = 100.0f;
  EXPECT_TRUE(FuzzyCompare(QuantityValue(absorption, YQuantity::Epsilon, 0.4f), 10000.0));

  CSpectrum zero = MakeSpectrum(400.0f, 1.0f, 10, [](float) { return 0.0f; });
  zero.m_kind = SpectrumKind::Absorption;
  zero.m_fromDatabase = 1;
  zero.m_epsilon = 1000.0f;
  zero.m_epsilonWavelength = 405.0f;
  EXPECT_EQ(QuantityValue(zero, YQuantity::Epsilon, 0.3f), 0.0f);

  // Intensity of a database emission spectrum: area scaled to quantum yield * weight.
  CSpectrum emission = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 1.0f; });
  emission.m_kind = SpectrumKind::Emission;
  emission.m_fromDatabase = 1;
  emission.m_quantumYield = 0.5f;
  emission.m_weight = 2.0f;
  EXPECT_TRUE(FuzzyCompare(QuantityValue(emission, YQuantity::Intensity, 1.0f), 1.0 / 12500.0));
  EXPECT_EQ(QuantityValue(emission, YQuantity::Fluorescence, 1.0f), 1.0f);
}

} // namespace
} // namespace lumivex
