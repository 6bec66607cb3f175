#include "import/Jcamp.h"

#include "TestSupport.h"
#include "import/Importer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::TempDir;

std::string DataPath(const std::string& file) {
  return std::string(LUMIVEX_SOURCE_DIR) + "/tests/engine/import/data/" + file;
}

std::string DataText(const std::string& file) {
  return TempDir::Read(DataPath(file));
}

// The text with its first `from` replaced by `to`; the test fails when `from` is absent.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) {
    text.replace(at, from.size(), to);
  }
  return text;
}

JcampTable OnlyTable(const JcampReadResult& read) {
  EXPECT_TRUE(read.ok) << read.error.Text();
  EXPECT_EQ(read.tables.size(), 1u);
  return read.tables.empty() ? JcampTable{} : read.tables.front();
}

// Every compressed form of the same band decodes to exactly the values of its AFFN form.
class AsdfForm : public ::testing::TestWithParam<const char*> {};

TEST_P(AsdfForm, DecodesToTheValuesOfTheAffnForm) {
  const JcampTable affn = OnlyTable(ReadJcampFile(DataPath("band-affn.jdx")));
  const JcampTable form = OnlyTable(ReadJcampFile(DataPath(GetParam())));
  ASSERT_EQ(affn.y.size(), 12u);
  EXPECT_EQ(form.x, affn.x);
  EXPECT_EQ(form.y, affn.y);
  EXPECT_EQ(form.kind, SpectrumKind::Absorption);
}

INSTANTIATE_TEST_SUITE_P(Jcamp, AsdfForm,
                         ::testing::Values("band-pac.jdx", "band-sqz.jdx", "band-dif.jdx",
                                           "band-difdup.jdx", "band-sqzdup.jdx"));

TEST(Jcamp, AppliesTheFactorsAndSpacesXFromFirstAndLast) {
  const JcampTable band = OnlyTable(ReadJcampFile(DataPath("band-affn.jdx")));
  ASSERT_EQ(band.y.size(), 12u);
  EXPECT_TRUE(FuzzyCompare(band.y.front(), 1.0, 1e-12));   // 1000 * YFACTOR 0.001
  EXPECT_TRUE(FuzzyCompare(band.y.back(), -0.015, 1e-12)); // -15 * 0.001
  EXPECT_DOUBLE_EQ(band.x.front(), 400.0);
  EXPECT_DOUBLE_EQ(band.x[1], 405.0);
  EXPECT_DOUBLE_EQ(band.x.back(), 455.0);

  // XYPOINTS carry x as written, so XFACTOR scales them too.
  const JcampTable points = OnlyTable(ParseJcamp("##TITLE= t\n##XFACTOR= 2\n##YFACTOR= 0.5\n"
                                                 "##XYPOINTS= (XY..XY)\n200, 6; 201, 8\n"
                                                 "202,10\n##END=\n",
                                                 "points.jdx"));
  EXPECT_EQ(points.x, (std::vector<double>{400.0, 402.0, 404.0}));
  EXPECT_EQ(points.y, (std::vector<double>{3.0, 4.0, 5.0}));
  EXPECT_FALSE(points.evenlySpaced);
}

TEST(Jcamp, YCheckCatchesACorruptedDifLine) {
  const std::string corrupted = Replaced(DataText("band-dif.jdx"), "415A050", "415A051");
  const JcampReadResult read = ParseJcamp(corrupted, "band.jdx");
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.tables.empty());
  EXPECT_NE(read.error.Text().find("band.jdx: line 17: Y check failed"), std::string::npos)
      << read.error.Text();
}

TEST(Jcamp, DecodedCountMustMatchNpoints) {
  const std::string text = Replaced(DataText("band-sqz.jdx"), "##NPOINTS= 12", "##NPOINTS= 13");
  const JcampReadResult read = ParseJcamp(text, "band.jdx");
  EXPECT_FALSE(read.ok);
  EXPECT_NE(
      read.error.Text().find("band.jdx: line 15: the data decode to 12 points, but ##NPOINTS= on "
                             "line 13 says 13"),
      std::string::npos)
      << read.error.Text();
}

TEST(Jcamp, LabelsAreReadWithoutRegardToCaseBlanksAndSeparators) {
  for (const char* label : {"DATA TYPE", "DATATYPE", "data_type", "Data-Type", " data / type "}) {
    const std::string text = std::string("##TITLE= t\n##") + label +
                             "= UV/VIS SPECTRUM\n##X_UNITS= NANOMETERS\n##first x= 1\n"
                             "##Last-X= 2\n##XY DATA= (X++(Y..Y))\n1 5 6\n##END=\n";
    const JcampTable table = OnlyTable(ParseJcamp(text, "t.jdx"));
    EXPECT_EQ(table.dataType, "UV/VIS SPECTRUM") << label;
    EXPECT_EQ(table.kind, SpectrumKind::Absorption) << label;
    EXPECT_EQ(table.xUnits, "NANOMETERS") << label;
    EXPECT_EQ(table.x, (std::vector<double>{1.0, 2.0})) << label;
  }
  EXPECT_EQ(NormalizeJcampLabel("Peak_Table"), NormalizeJcampLabel("PEAK TABLE"));
  EXPECT_NE(NormalizeJcampLabel("XUNITS"), NormalizeJcampLabel("YUNITS"));
}

TEST(Jcamp, DataTypeGivesTheKindOrLeavesItToTheUser) {
  const std::vector<std::pair<const char*, SpectrumKind>> cases = {
      {"UV/VIS SPECTRUM", SpectrumKind::Absorption},
      {"UV-VIS", SpectrumKind::Absorption},
      {"ultraviolet absorption", SpectrumKind::Absorption},
      {"Absorbance spectrum", SpectrumKind::Absorption},
      {"FLUORESCENCE SPECTRUM", SpectrumKind::Emission},
      {"emission spectrum", SpectrumKind::Emission},
      {"INFRARED SPECTRUM", SpectrumKind::None},
      {"MASS SPECTRUM", SpectrumKind::None},
      {"", SpectrumKind::None},
  };
  for (const auto& [dataType, kind] : cases) {
    EXPECT_EQ(KindFromJcampDataType(dataType), kind) << dataType;
  }
}

TEST(Jcamp, CompoundFileOffersItsBlocks) {
  const JcampReadResult read = ReadJcampFile(DataPath("compound.jdx"));
  ASSERT_TRUE(read.ok) << read.error.Text();
  ASSERT_EQ(read.tables.size(), 2u);
  const JcampTable& absorption = read.tables[0];
  const JcampTable& emission = read.tables[1];
  EXPECT_EQ(absorption.title, "Perylene absorption");
  EXPECT_EQ(absorption.kind, SpectrumKind::Absorption);
  EXPECT_EQ(absorption.titleLine, 6);
  EXPECT_TRUE(FuzzyCompare(absorption.y[2], 0.9, 1e-12));
  EXPECT_EQ(emission.title, "Perylene fluorescence");
  EXPECT_EQ(emission.kind, SpectrumKind::Emission);
  EXPECT_EQ(emission.y.size(), 8u);
  EXPECT_DOUBLE_EQ(emission.x[4], 460.0); // descending: LASTX below FIRSTX
  EXPECT_DOUBLE_EQ(emission.y[4], 16.0);
}

TEST(Jcamp, HandsTablesToTheImportStepWithTheLineOfEachPoint) {
  const TableReadResult read = ReadJcampTables(DataPath("band-dif.jdx"));
  ASSERT_TRUE(read.Ok()) << read.error.Text();
  ASSERT_EQ(read.tables.size(), 1u);
  const ImportedTable& table = read.tables.front();
  EXPECT_EQ(table.format, "JCAMP-DX");
  EXPECT_EQ(table.xUnit, SourceXUnit::Nanometre);
  EXPECT_EQ(table.kindHint, SpectrumKind::Absorption);
  ASSERT_EQ(table.series.size(), 1u);
  EXPECT_EQ(table.series[0].kind, YKind::Absorbance);
  EXPECT_EQ(table.series[0].y.size(), table.x.size());
  // Lines 16 to 18 hold four new points each; line 19 only repeats the last as its check.
  const std::vector<int> lines = {16, 16, 16, 16, 17, 17, 17, 17, 18, 18, 18, 18};
  EXPECT_EQ(table.lines, lines);

  const TableReadResult missing = ReadJcampTables(DataPath("absent.jdx"));
  EXPECT_FALSE(missing.Ok());
  EXPECT_TRUE(missing.tables.empty());
}

TEST(Jcamp, PeakTableKeepsXAndYOfEachPeak) {
  const JcampTable peaks = OnlyTable(ParseJcamp(
      "##TITLE= peaks\n##PEAK TABLE= (XYW..XYW)\n350.5, 0.2, 3; 402, 1.5, 4\n##END=\n", "p"));
  EXPECT_EQ(peaks.form, "PEAK TABLE");
  EXPECT_EQ(peaks.x, (std::vector<double>{350.5, 402.0}));
  EXPECT_EQ(peaks.y, (std::vector<double>{0.2, 1.5}));
}

// The public test files: each decodes to the count, range and first ordinate its own header
// states (NPOINTS, FIRSTX, LASTX, and FIRSTY, which the headers round to five digits).
struct RealFile {
  const char* file;
  std::size_t points;
  double firstX;
  double lastX;
  double firstY;
  const char* xUnits;
};

class RealJcampFile : public ::testing::TestWithParam<RealFile> {};

TEST_P(RealJcampFile, DecodesToWhatItsHeaderStates) {
  const RealFile& real = GetParam();
  const JcampTable table = OnlyTable(ReadJcampFile(DataPath(real.file)));
  ASSERT_EQ(table.y.size(), real.points);
  EXPECT_TRUE(FuzzyCompare(table.x.front(), real.firstX, 1e-9));
  EXPECT_TRUE(FuzzyCompare(table.x.back(), real.lastX, 1e-9));
  EXPECT_TRUE(FuzzyCompare(table.y.front(), real.firstY, 1e-4));
  EXPECT_EQ(table.xUnits, real.xUnits);
  EXPECT_EQ(table.kind, SpectrumKind::None);
}

INSTANTIATE_TEST_SUITE_P(
    Jcamp, RealJcampFile,
    ::testing::Values(RealFile{"fixinc1.jdx", 3736, 399.263973, 4001.31938, 112.8905654, "1/CM"},
                      RealFile{"fixinc2.jdx", 3601, 400.0, 4000.0, 0.3487, "1/CM"},
                      RealFile{"fixinc3.jdx", 360, 1.0, 360.0, 0.017452, "ARBITRARY"},
                      RealFile{"jtpolys.jdx", 1844, 447.484259, 4002.28378, 0.9816334969, "1/CM"}));

TEST(Jcamp, RealSineCurveWithPacSignsReadsAsASine) {
  const JcampTable sine = OnlyTable(ReadJcampFile(DataPath("fixinc3.jdx")));
  ASSERT_EQ(sine.y.size(), 360u);
  for (std::size_t i = 0; i < sine.y.size(); i += 17) {
    const double degrees = sine.x[i];
    EXPECT_NEAR(sine.y[i], std::sin(degrees * M_PI / 180.0), 1e-5) << degrees;
  }
}

// Broken or hostile input: a message naming the file and the line, never a crash.
struct BrokenCase {
  const char* what;
  std::string text;
  const char* message;
};

std::string Block(const std::string& labels, const std::string& data) {
  return "##TITLE= t\n" + labels + "##XYDATA= (X++(Y..Y))\n" + data + "##END=\n";
}

TEST(Jcamp, RefusesBrokenInputWithTheFileAndLine) {
  const std::string even = "##FIRSTX= 1\n##LASTX= 3\n";
  const std::vector<BrokenCase> cases = {
      {"not JCAMP", "400 0.1\n401 0.2\n",
       "f.jdx: line 1: not a JCAMP-DX file: the line does not begin"},
      {"no ##END=", "##TITLE= t\n##FIRSTX= 1\n##LASTX= 2\n##XYDATA= (X++(Y..Y))\n1 2 3\n",
       "f.jdx: line 1: the block 't' has no ##END=: the file is cut short"},
      {"missing value", Block(even, "1 2 ? 4\n"), "f.jdx: line 5: '?' marks a missing value"},
      {"not finite", Block(even, "1 2 1E+999 4\n"), "f.jdx: line 5: '1E+999' is not a finite"},
      {"factor 0", Block("##YFACTOR= 0\n" + even, "1 2 3 4\n"), "f.jdx: line 2: ##YFACTOR= 0"},
      {"factor not a number", Block("##XFACTOR= nan\n" + even, "1 2 3 4\n"),
       "f.jdx: line 2: ##XFACTOR= 'nan' is not a finite number"},
      {"factor overflows", Block("##YFACTOR= 1e300\n" + even, "1 1.0e300 3 4\n"),
       "f.jdx: line 5: ##YFACTOR= makes a value overflow"},
      {"huge DUP", Block(even, "1 5Z99999999999\n"), "f.jdx: line 5: a repeat count beyond"},
      {"DUP with nothing", Block(even, "1 T\n"), "f.jdx: line 5: a DUP count with no value"},
      {"DIF with nothing", Block(even, "1 J\n"), "f.jdx: line 5: a DIF value with no value"},
      {"huge NPOINTS", Block("##NPOINTS= 1e12\n" + even, "1 2\n"), "f.jdx: line 2: ##NPOINTS="},
      {"foreign character", Block(even, "1 2 3 #\n"), "f.jdx: line 5: '#' is not part of"},
      {"missing line", Block("##FIRSTX= 1\n##DELTAX= 1\n", "1 1 2 3\n9 4 5 6\n"),
       "f.jdx: line 6: the line's X value 9 is not the x 4 of its point 4"},
      {"DELTAX disagrees", Block("##DELTAX= 5\n" + even, "1 1 2 3\n"),
       "f.jdx: line 5: ##DELTAX= 5 disagrees"},
      {"no FIRSTX", Block("", "1 2 3\n"), "f.jdx: line 2: ##XYDATA= needs ##FIRSTX="},
      {"other variables", "##TITLE= t\n##XYDATA= (X++(R..R))\n1 2\n##END=\n",
       "f.jdx: line 2: ##XYDATA= '(X++(R..R))' is not read"},
      {"ntuples", "##TITLE= t\n##NTUPLES= NMR SPECTRUM\n##END=\n",
       "f.jdx: line 2: the block 't' holds ##NTUPLES= data"},
      {"no data", "##TITLE= t\n##END=\n", "f.jdx: no ##XYDATA="},
      {"cut XYPOINTS", "##TITLE= t\n##XYPOINTS= (XY..XY)\n1, 2\n3\n##END=\n",
       "f.jdx: line 4: the last point has 1 of its 2 values"},
      {"title inside a block", "##TITLE= a\n##TITLE= b\n##END=\n",
       "f.jdx: line 2: a new ##TITLE= before the block of line 1"},
  };
  for (const BrokenCase& broken : cases) {
    const JcampReadResult read = ParseJcamp(broken.text, "f.jdx");
    EXPECT_FALSE(read.ok) << broken.what;
    EXPECT_TRUE(read.tables.empty()) << broken.what;
    EXPECT_NE(read.error.Text().find(broken.message), std::string::npos)
        << broken.what << ": " << read.error.Text();
  }
}

TEST(Jcamp, MutatedFilesNeverCrashAndAlwaysAnswer) {
  std::mt19937 random(7);
  const std::string alphabet = "0123456789+-.,;?@%ABCIJKRSZsajr \n#=$E";
  for (const char* file : {"band-dif.jdx", "band-sqzdup.jdx", "compound.jdx"}) {
    const std::string original = DataText(file);
    for (int trial = 0; trial < 300; ++trial) {
      std::string text = original;
      for (int edit = 0; edit < 3; ++edit) {
        const std::size_t at = random() % text.size();
        text[at] = alphabet[random() % alphabet.size()];
      }
      const JcampReadResult read = ParseJcamp(text, file);
      EXPECT_EQ(read.ok, read.error.message.empty()) << text;
      for (const JcampTable& table : read.tables) {
        EXPECT_EQ(table.x.size(), table.y.size());
        for (std::size_t i = 0; i < table.y.size(); ++i) {
          ASSERT_TRUE(std::isfinite(table.x[i]) && std::isfinite(table.y[i])) << text;
        }
      }
    }
  }
}

// A spectrum written as JCAMP-DX reads back to the same points.
class JcampRoundTrip : public ::testing::TestWithParam<float> {};

TEST_P(JcampRoundTrip, WrittenSpectrumReadsBackToTheSamePoints) {
  const float step = GetParam();
  CSpectrum spectrum = test::MakeSpectrum(step > 0 ? 300.0f : 700.0f, step, 401, [](float x) {
    return 0.731f * std::exp(-(x - 480.0f) * (x - 480.0f) / 900.0f) + 1e-7f * x;
  });
  spectrum.m_kind = SpectrumKind::Emission;
  spectrum.m_name = "Coumarin 153";
  spectrum.m_solvent = "ethanol";
  TempDir dir;
  const std::string path = dir.Path("coumarin.jdx");
  ASSERT_TRUE(WriteJcampFile(spectrum, path).ok);

  const std::string text = TempDir::Read(path);
  for (const std::string& line :
       {std::string("##TITLE= Coumarin 153\n"), std::string("##DATA TYPE= FLUORESCENCE SPECTRUM\n"),
        std::string("##XUNITS= NANOMETERS\n"), std::string("##NPOINTS= 401\n")}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  std::size_t begin = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       begin = end + 1, end = text.find('\n', begin)) {
    EXPECT_LE(end - begin, 80u);
  }

  const JcampTable table = OnlyTable(ReadJcampFile(path));
  EXPECT_EQ(table.kind, SpectrumKind::Emission);
  ImportSettings settings;
  settings.kind = table.kind;
  const ImportResult imported = ImportSpectra(ToImportedTable(table, path), settings);
  ASSERT_TRUE(imported.Ok()) << imported.error.Text();
  EXPECT_FALSE(imported.spectra.front().resampled);
  const ImportedSpectrum& back = imported.spectra.front();
  ASSERT_EQ(back.spectrum.m_points.size(), spectrum.m_points.size());
  for (std::size_t i = 0; i < spectrum.m_points.size(); ++i) {
    EXPECT_EQ(back.spectrum.m_points[i].y, spectrum.m_points[i].y) << i;
    EXPECT_TRUE(FuzzyCompare(back.spectrum.m_points[i].x, spectrum.m_points[i].x, 1e-6)) << i;
  }
  EXPECT_EQ(back.series, "Coumarin 153");
  EXPECT_EQ(back.spectrum.m_descending, spectrum.m_descending);
  EXPECT_FLOAT_EQ(back.spectrum.m_xStep, spectrum.m_xStep);
  EXPECT_FLOAT_EQ(back.spectrum.m_peakX, spectrum.m_peakX);
}

INSTANTIATE_TEST_SUITE_P(Jcamp, JcampRoundTrip, ::testing::Values(1.0f, 0.25f, -0.5f));

TEST(Jcamp, WritingRefusesTooFewPointsAndKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.Write("old.jdx", "old");
  CSpectrum one;
  one.m_points.push_back({400.0f, 1.0f});
  EXPECT_FALSE(WriteJcampFile(one, path).ok);
  EXPECT_EQ(TempDir::Read(path), "old");
}

TEST(Jcamp, JcampPathsByExtension) {
  EXPECT_TRUE(IsJcampPath("a/b.jdx"));
  EXPECT_TRUE(IsJcampPath("B.DX"));
  EXPECT_TRUE(IsJcampPath("c.Jcm"));
  EXPECT_FALSE(IsJcampPath("d.abs.txt"));
  EXPECT_FALSE(IsJcampPath("jdx"));
}

} // namespace
} // namespace lumivex
