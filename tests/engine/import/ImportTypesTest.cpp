#include "import/ImportTypes.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

TEST(ImportTypesTest, UnitTextsOfInstrumentFilesAndHeadersNameTheirUnit) {
  const struct {
    const char* text;
    SourceXUnit unit;
  } cases[] = {
      {"nm", SourceXUnit::Nanometre},
      {" NANOMETERS ", SourceXUnit::Nanometre},
      {"\xC2\xB5m", SourceXUnit::Micrometre},
      {"microns", SourceXUnit::Micrometre},
      {"1/CM", SourceXUnit::Wavenumber},
      {"cm-1", SourceXUnit::Wavenumber},
      {"1 / cm", SourceXUnit::Wavenumber},
      {"eV", SourceXUnit::ElectronVolt},
      {"HZ", SourceXUnit::NotOptical},
      {"PPM", SourceXUnit::NotOptical},
      {"m/z", SourceXUnit::NotOptical},
      {"SECONDS", SourceXUnit::NotOptical},
      {"", SourceXUnit::Unknown},
      {"furlongs", SourceXUnit::Unknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SourceXUnitFromText(c.text), c.unit) << c.text;
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
