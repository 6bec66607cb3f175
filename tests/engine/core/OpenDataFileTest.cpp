#include "core/OpenDataFile.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::TempDir;

TEST(OpenDataFile, AddsTheSpectrumAndUpdatesTheDocument) {
  const TempDir dir;
  CLumivexData document;
  document.m_title = "old title";
  document.m_lineWidth = 4;
  const std::string absorption =
      dir.Write("dye.abs.txt", "Dye in ethanol\n\n400\t0.1\n401\t0.3\n402\t0.2\n");
  const OpenDataFileResult first = OpenDataFile(document, absorption);
  ASSERT_TRUE(first.Opened()) << first.message;
  ASSERT_EQ(document.Count(), 1);
  EXPECT_EQ(first.spectrum, document.At(0));
  EXPECT_EQ(first.listText, absorption);
  EXPECT_EQ(first.spectrum->m_kind, SpectrumKind::Absorption);
  EXPECT_EQ(first.spectrum->m_recordNumber, 0);
  EXPECT_EQ(first.spectrum->m_fromDatabase, 0);
  EXPECT_EQ(first.spectrum->m_filePath, absorption);
  EXPECT_EQ(document.m_title, "");
  EXPECT_EQ(document.m_lineWidth, 1);
  // The automatic range is kept as the graph shows it, in multiples of the 10 partitions.
  EXPECT_EQ(document.m_xMin, 400.0f);
  EXPECT_EQ(document.m_xMax, 400.0f);
  EXPECT_EQ(document.m_absorptionMax, 0.3f);

  // A descending emission file widens the range and raises its own maximum only.
  const std::string emission =
      dir.Write("dye.ems.txt", "700 0.5\n600 2.0\n500 1.0\n400 0.1\n300 0\n");
  ASSERT_TRUE(OpenDataFile(document, emission).Opened());
  EXPECT_EQ(document.At(1)->m_descending, 1);
  EXPECT_EQ(document.m_xMin, 300.0f);
  EXPECT_EQ(document.m_xMax, 700.0f);
  EXPECT_EQ(document.m_emissionMax, 2.0f);
  EXPECT_EQ(document.m_absorptionMax, 0.3f);
  EXPECT_EQ(document.m_lightSourceMax, 0.0f);
}

TEST(OpenDataFile, RefusalsLeaveTheWorkspaceAsItWas) {
  const TempDir dir;
  CLumivexData document;
  const OpenDataFileResult noKind = OpenDataFile(document, dir.Write("notes.txt", "1 2\n3 4\n"));
  EXPECT_EQ(noKind.status, OpenStatus::NoKind);
  EXPECT_EQ(noKind.message, "File name must be in the form *.abs.txt, *.ems.txt, or *.els");

  ASSERT_TRUE(OpenDataFile(document, dir.Write("lamp.els.txt", "400 1\n401 2\n")).Opened());
  const OpenDataFileResult emission =
      OpenDataFile(document, dir.Write("dye.ems.txt", "400 1\n401 2\n"));
  EXPECT_EQ(emission.status, OpenStatus::EmissionWithLightSource);
  EXPECT_EQ(emission.message,
            "Emission files (.ems) and light source files (.els) may not be shown at the same "
            "time.");
  // Absorption is always allowed beside either.
  EXPECT_TRUE(OpenDataFile(document, dir.Write("dye.abs.txt", "400 1\n401 2\n")).Opened());

  CLumivexData other;
  ASSERT_TRUE(OpenDataFile(other, dir.Path("dye.ems.txt")).Opened());
  EXPECT_EQ(OpenDataFile(other, dir.Path("lamp.els.txt")).status,
            OpenStatus::EmissionWithLightSource);

  const int before = document.Count();
  const float xMax = document.m_xMax;
  EXPECT_EQ(OpenDataFile(document, dir.Path("missing.abs.txt")).status, OpenStatus::CannotOpen);
  EXPECT_EQ(OpenDataFile(document, dir.Write("one.abs.txt", "500 1\n")).status,
            OpenStatus::TooFewPoints);
  const OpenDataFileResult flat =
      OpenDataFile(document, dir.Write("flat.abs.txt", "900 1\n900 2\n"));
  EXPECT_EQ(flat.status, OpenStatus::ZeroStep);
  EXPECT_FALSE(flat.message.empty());
  EXPECT_EQ(flat.spectrum, nullptr);
  EXPECT_EQ(document.Count(), before);
  EXPECT_EQ(document.m_xMax, xMax);
}

TEST(StructurePicturePath, ReplacesTheSpectrumFileNameForEitherKind) {
  EXPECT_EQ(StructurePicturePath("/db/quinine.abs.txt", "quinine.abs.txt", "quinine.str.bmp"),
            "/db/quinine.str.bmp");
  // For an emission file the absorption name does not match; its emission twin does.
  EXPECT_EQ(StructurePicturePath("/db/quinine.ems.txt", "quinine.abs.txt", "quinine.str.bmp"),
            "/db/quinine.str.bmp");
  // A record that names only an emission file.
  EXPECT_EQ(StructurePicturePath("/db/dye.ems.txt", "dye.ems.txt", "dye.str.bmp"),
            "/db/dye.str.bmp");
  // No absorption file: nothing to replace, the path stays.
  EXPECT_EQ(StructurePicturePath("/db/lamp.els.txt", "", "lamp.str.bmp"), "/db/lamp.els.txt");
}

const char* const kDatabase = "[Spectra]\n"
                              "Number = 3\n"
                              "\n"
                              "[3 Absorption]\n"
                              "Name = Quinine sulfate\n"
                              "Epsilon = 5700.000000\n"
                              "Wavelength = 401.000000\n"
                              "File = quinine.abs.txt\n"
                              "Structure = quinine.str.bmp\n"
                              "[3 Emission]\n"
                              "Solvent = 0.5 M H2SO4\n"
                              "QuantumYield = 0.546000\n"
                              "Provided = Test lab\n"
                              "File = quinine.ems.txt\n"
                              "\n"
                              "[4 Absorption]\n"
                              "Name = Bare\n"
                              "Epsilon = lots\n";

TEST(OpenDataFile, DatabaseRecordBringsItsConstants) {
  const TempDir dir;
  const std::string database = dir.Write("test.db", kDatabase);
  const std::string absorption = dir.Write("quinine.abs.txt", "400 0.1\n401 0.3\n402 0.6\n");
  const std::string emission = dir.Write("quinine.ems.txt", "400 1\n401 1\n402 1\n");
  CLumivexData document;
  document.m_emissionLow = 5.0f;
  document.m_absorptionLow = 5.0f;

  const DatabaseOpenRequest request{database, 3, 1};
  const OpenDataFileResult opened = OpenDataFile(document, absorption, &request);
  ASSERT_TRUE(opened.Opened()) << opened.message;
  const CSpectrum& s = *opened.spectrum;
  EXPECT_EQ(s.m_fromDatabase, 1);
  EXPECT_EQ(s.m_recordNumber, 3);
  EXPECT_EQ(s.m_name, "Quinine sulfate");
  EXPECT_EQ(s.m_epsilon, 5700.0f);
  EXPECT_EQ(s.m_epsilonWavelength, 401.0f);
  EXPECT_EQ(s.m_quantumYield, 0.546f);
  EXPECT_EQ(s.m_solvent, "0.5 M H2SO4");
  EXPECT_EQ(s.m_provided, "Test lab");
  EXPECT_EQ(s.m_structurePath, dir.Path("quinine.str.bmp"));
  // Epsilon at the peak: 5700 * 0.6 / 0.3.
  EXPECT_TRUE(FuzzyCompare(s.m_epsilonPeak, 11400.0));
  EXPECT_EQ(document.m_epsilonMax, s.m_epsilonPeak);
  EXPECT_EQ(document.m_emissionLow, 0.0f);
  EXPECT_EQ(document.m_absorptionLow, 0.0f);

  const OpenDataFileResult glow = OpenDataFile(document, emission, &request);
  ASSERT_TRUE(glow.Opened());
  EXPECT_EQ(glow.spectrum->m_structurePath, dir.Path("quinine.str.bmp"));
  // The area-normalised peak: quantum yield * peak / area (2 nm at 1 over ~124.6 cm^-1).
  const double area = 1.0e7 / 400.0 - 1.0e7 / 402.0;
  EXPECT_TRUE(FuzzyCompare(glow.spectrum->m_normalizedPeak, 0.546 / area, 1e-4));
  EXPECT_EQ(document.m_intensityMax, glow.spectrum->m_normalizedPeak);

  // A record without keys (and with an unreadable number) keeps neutral values.
  const DatabaseOpenRequest bare{database, 4, 1};
  const OpenDataFileResult plain = OpenDataFile(document, absorption, &bare);
  ASSERT_TRUE(plain.Opened());
  EXPECT_EQ(plain.spectrum->m_name, "Bare");
  EXPECT_EQ(plain.spectrum->m_epsilon, 0.0f);
  EXPECT_EQ(plain.spectrum->m_quantumYield, 1.0f);
  EXPECT_EQ(plain.spectrum->m_epsilonPeak, 0.0f);
  EXPECT_EQ(plain.spectrum->m_structurePath, absorption);
}

} // namespace
} // namespace lumivex
