#include "ui/GraphSettingDlg.h"

#include "core/LumivexData.h"
#include "core/Units.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

TEST(GraphSettingDialog, OkReadsTheFieldsAllOrNothing) {
  CGraphSettingDlg dlg;
  dlg.m_title = "Dye";
  dlg.m_xHigh = 500.0f;
  dlg.m_quantity = GraphQuantity::Fluorescence;
  FieldTexts texts = ShownTexts(dlg.Fields());
  texts["title"] = "Two dyes";
  texts["xHigh"] = "abc";
  texts["yAxisValues"] = CheckText(false);
  std::optional<FieldRefusal> refusal = dlg.StoreFields(texts, GraphQuantity::Intensity);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "xHigh");
  EXPECT_EQ(refusal->message, kPleaseEnterNumber);
  EXPECT_EQ(dlg.m_title, "Dye");
  EXPECT_TRUE(dlg.m_yAxisValues);
  EXPECT_EQ(dlg.m_quantity, GraphQuantity::Fluorescence);

  // Line thickness and partitions are integers.
  texts["xHigh"] = "600";
  for (const char* integer : {"lineWidth", "xPartitions", "yPartitions"}) {
    FieldTexts fraction = texts;
    fraction[integer] = "2.5";
    refusal = dlg.StoreFields(fraction, GraphQuantity::Intensity);
    ASSERT_TRUE(refusal) << integer;
    EXPECT_EQ(refusal->key, integer);
    EXPECT_EQ(refusal->message, kPleaseEnterInteger);
  }

  texts["xPartitions"] = " 4 ";
  EXPECT_FALSE(dlg.StoreFields(texts, GraphQuantity::Intensity));
  EXPECT_EQ(dlg.m_title, "Two dyes");
  EXPECT_EQ(dlg.m_xHigh, 600.0f);
  EXPECT_EQ(dlg.m_xPartitions, 4);
  EXPECT_FALSE(dlg.m_yAxisValues);
  EXPECT_EQ(dlg.m_quantity, GraphQuantity::Intensity);
  // No checked quantity leaves the quantity as it was.
  EXPECT_FALSE(dlg.StoreFields(texts, std::nullopt));
  EXPECT_EQ(dlg.m_quantity, GraphQuantity::Intensity);
}

TEST(GraphSettingDialog, AUnitButtonConvertsTheRangeAsTyped) {
  CGraphSettingDlg dlg;
  dlg.m_xLow = 300.0f;
  dlg.m_xHigh = 600.0f;
  dlg.SelectUnit(1, "400", " 1000 ");
  EXPECT_EQ(dlg.m_unit, 1);
  EXPECT_EQ(dlg.m_xLow, 10000.0f);
  EXPECT_EQ(dlg.m_xHigh, 25000.0f);
  // An end that does not read leaves the stored range to be converted.
  dlg.SelectUnit(0, "400", "abc");
  EXPECT_EQ(dlg.m_unit, 0);
  EXPECT_EQ(dlg.m_xLow, 400.0f);
  EXPECT_EQ(dlg.m_xHigh, 1000.0f);
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

// The reading aids travel from the document through the dialog's check boxes and back;
// a workspace that never set them shows none.
TEST(GraphSettingDialog, ReadingAidsRoundTripThroughTheDialog) {
  CLumivexData data;
  CSpectrum reference;
  reference.m_kind = SpectrumKind::Absorption;
  CGraphSettingDlg dlg;
  dlg.LoadFrom(data, reference);
  FieldTexts texts = ShownTexts(dlg.Fields());
  for (const char* key : {"showLegend", "roundTicks", "unitTitles", "secondXAxis"}) {
    EXPECT_EQ(texts.at(key), CheckText(false)) << key;
    texts[key] = CheckText(true);
  }
  dlg.m_secondXUnit = static_cast<int>(XUnit::EnergyKK);
  ASSERT_FALSE(dlg.StoreFields(texts, std::nullopt));
  dlg.StoreInto(data);
  EXPECT_EQ(data.m_showLegend + data.m_roundTicks + data.m_unitTitles + data.m_secondXAxis, 4);
  EXPECT_EQ(data.m_secondXUnit, static_cast<int>(XUnit::EnergyKK));

  CGraphSettingDlg again;
  again.LoadFrom(data, reference);
  EXPECT_TRUE(again.m_showLegend && again.m_roundTicks && again.m_unitTitles &&
              again.m_secondXAxis);
  EXPECT_EQ(again.m_secondXUnit, static_cast<int>(XUnit::EnergyKK));
}

} // namespace
} // namespace lumivex
