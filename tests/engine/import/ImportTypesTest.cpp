#include "import/ImportTypes.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

TEST(ImportTypesTest, UnitTextsOfInstrumentFilesAndHeadersNameTheirUnit) {
  const struct {
    const char* text;
    XUnit unit;
  } cases[] = {
      {"nm", XUnit::Nanometre},
      {" NANOMETERS ", XUnit::Nanometre},
      {"\xC2\xB5m", XUnit::Micrometre},
      {"microns", XUnit::Micrometre},
      {"1/CM", XUnit::Wavenumber},
      {"cm-1", XUnit::Wavenumber},
      {"1 / cm", XUnit::Wavenumber},
      {"eV", XUnit::ElectronVolt},
      {"HZ", XUnit::NotOptical},
      {"PPM", XUnit::NotOptical},
      {"m/z", XUnit::NotOptical},
      {"SECONDS", XUnit::NotOptical},
      {"", XUnit::Unknown},
      {"furlongs", XUnit::Unknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(XUnitFromText(c.text), c.unit) << c.text;
  }
}

TEST(ImportTypesTest, KindTextsNameTheQuantityOfY) {
  const struct {
    const char* text;
    YKind kind;
  } cases[] = {
      {"ABSORBANCE", YKind::Absorbance},     {"Transmittance", YKind::Transmittance},
      {"%T", YKind::PercentTransmittance},   {"Percent Transmittance", YKind::PercentTransmittance},
      {"ARBITRARY UNITS", YKind::Intensity}, {"counts", YKind::Intensity},
      {"REFLECTANCE", YKind::Unknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(YKindFromText(c.text), c.kind) << c.text;
  }
}

TEST(ImportTypesTest, AnErrorNamesTheFileAndTheLineWhenThereIsOne) {
  EXPECT_EQ((ImportError{"a.csv", 7, "no number"}).Text(), "a.csv: line 7: no number");
  EXPECT_EQ((ImportError{"a.csv", 0, "empty"}).Text(), "a.csv: empty");
}

} // namespace
} // namespace lumivex
