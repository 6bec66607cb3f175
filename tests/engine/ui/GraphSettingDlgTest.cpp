#include "ui/GraphSettingDlg.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

TEST(GraphSettingFields, NumbersAreReadWholeOrRefused) {
  EXPECT_EQ(ParseFloatField("12.5"), 12.5f);
  EXPECT_EQ(ParseFloatField("  -3 "), -3.0f);
  EXPECT_EQ(ParseFloatField("+1e3"), 1000.0f);
  EXPECT_EQ(ParseFloatField(".5"), 0.5f);
  for (const char* bad : {"", " ", "abc", "12abc", "1,5", "nan", "inf", "1e99", "--1"}) {
    EXPECT_FALSE(ParseFloatField(bad)) << bad;
  }
  EXPECT_EQ(ParseIntField(" 10 "), 10);
  EXPECT_EQ(ParseIntField("-2"), -2);
  EXPECT_FALSE(ParseIntField("4.5"));
  EXPECT_FALSE(ParseIntField("99999999999"));
  EXPECT_FALSE(ParseIntField(""));
  EXPECT_STREQ(kPleaseEnterNumber, "Please enter a number.");
}

TEST(GraphSettingDialog, UnitButtonsConvertTheXRange) {
  CGraphSettingDlg dlg;
  dlg.m_unit = 0;
  dlg.m_xLow = 400.0f;
  dlg.m_xHigh = 800.0f;
  dlg.SelectUnit(1);
  EXPECT_EQ(dlg.m_unit, 1);
  EXPECT_EQ(dlg.m_xLow, 12500.0f);
  EXPECT_EQ(dlg.m_xHigh, 25000.0f);
  dlg.SelectUnit(2);
  EXPECT_EQ(dlg.m_xLow, 375.0f);
  EXPECT_EQ(dlg.m_xHigh, 750.0f);
  dlg.SelectUnit(0);
  EXPECT_EQ(dlg.m_unit, 0);
  EXPECT_EQ(dlg.m_xLow, 400.0f);
  EXPECT_EQ(dlg.m_xHigh, 800.0f);
  EXPECT_STREQ(UnitRadioText(1), "Wavenumber ");
  EXPECT_STREQ(UnitRadioText(6), "Energy (kJ)");
  EXPECT_STREQ(GraphQuantityText(GraphQuantity::LogEpsilon), "Log Epsilon");
}

TEST(GraphSettingDialog, QuantitiesThatFitTheReferenceKind) {
  CGraphSettingDlg dlg;
  dlg.EnableQuantitiesFor(3); // light source
  for (const GraphQuantity q : kGraphQuantities) {
    EXPECT_EQ(dlg.IsEnabled(q), q == GraphQuantity::Irradiance) << static_cast<int>(q);
  }
  dlg.EnableQuantitiesFor(2); // model curve: every quantity
  for (const GraphQuantity q : kGraphQuantities) {
    EXPECT_TRUE(dlg.IsEnabled(q)) << static_cast<int>(q);
  }
  dlg.EnableQuantitiesFor(1); // emission
  EXPECT_TRUE(dlg.IsEnabled(GraphQuantity::Intensity));
  EXPECT_FALSE(dlg.IsEnabled(GraphQuantity::Epsilon));
  EXPECT_STREQ(dlg.ClassName(), "CGraphSettingDlg");
}

} // namespace
} // namespace lumivex
