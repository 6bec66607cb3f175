#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using test::IsOneLineError;
using test::SpectrumFiles;

using ImportCommand = SpectrumFiles;

// Two absorbance columns of a spreadsheet written with semicolons and decimal commas.
const char* const kSheet = "\xEF\xBB\xBF"
                           "Sample: dyes\r\n"
                           "Wavelength (nm);Dye A;Dye B\r\n"
                           "400;0,25;1,5\r\n"
                           "410;0,5;1,25\r\n"
                           "420;0,75;1\r\n";

TEST_F(ImportCommand, WritesOneSpectrumFilePerColumnAndReportsEveryDecision) {
  const std::string sheet = m_dir.Write("dyes.csv", kSheet);
  const std::string out = m_dir.Path("out");
  ASSERT_EQ(Run({"import", sheet, "--kind", "absorption", "--out-dir", out}), 0) << m_err;
  const Json answer = Json::parse(m_out);
  EXPECT_EQ(answer["imported"], 2);
  EXPECT_EQ(answer["failed"], 0);
  const Json& table = answer["files"][0]["tables"][0];
  const auto decisions = table["decisions"].get<std::vector<std::string>>();
  for (const char* decision : {"a UTF-8 byte-order mark was skipped",
                               "delimiter: semicolon (detected)", "decimal mark: comma (detected)",
                               "x unit nm (from the file)", "kind Absorption (as set)"}) {
    EXPECT_NE(std::find(decisions.begin(), decisions.end(), decision), decisions.end())
        << decision << " in " << table["decisions"].dump();
  }
  EXPECT_EQ(table["settings"]["skip"], 2);
  EXPECT_EQ(table["settings"]["y_columns"], Json::parse("[2,3]"));
  const Json& second = table["spectra"][1];
  EXPECT_EQ(second["path"], m_dir.Path("out/dyes_Dye B.abs.txt"));
  EXPECT_EQ(second["name"], "dyes.csv (Dye B)");
  EXPECT_EQ(second["kind"], "Absorption");
  EXPECT_EQ(second["points"], 3);
  EXPECT_EQ(second["resampled"], false);
  EXPECT_EQ(second["peak_x"], 400.0f);

  const SpectrumReadResult read = ReadSpectrumFile(second["path"].get<std::string>());
  ASSERT_TRUE(read.Ok()) << read.message;
  EXPECT_EQ(read.spectrum.m_kind, SpectrumKind::Absorption);
  EXPECT_EQ(read.spectrum.m_points,
            (std::vector<SpectrumPoint>{{400, 1.5f}, {410, 1.25f}, {420, 1}}));

  // The settings the answer reports, given as options, import the file the same way.
  const Json& settings = table["settings"];
  const std::string again = m_dir.Path("again");
  ASSERT_EQ(Run({"import", sheet, "--out-dir", again, "--kind", settings["kind"].get<std::string>(),
                 "--delimiter", settings["delimiter"].get<std::string>(), "--decimal-comma",
                 "--skip", std::to_string(settings["skip"].get<int>()), "--x-column", "1",
                 "--y-column", "2,3", "--x-unit", settings["x_unit"].get<std::string>()}),
            0)
      << m_err;
  EXPECT_EQ(Json::parse(m_out)["files"][0]["tables"][0]["settings"], settings);
  EXPECT_EQ(lumivex::test::TempDir::Read(m_dir.Path("again/dyes_Dye A.abs.txt")),
            lumivex::test::TempDir::Read(m_dir.Path("out/dyes_Dye A.abs.txt")));
}

TEST_F(ImportCommand, ConvertsWavenumberTransmittanceFromJcampToAbsorbanceOnAnEvenGrid) {
  std::string points;
  for (int nu = 25000; nu >= 20000; nu -= 100) {
    points += std::to_string(nu) + "," + (nu >= 22000 && nu <= 23000 ? "10" : "100") + "\n";
  }
  const std::string jdx =
      m_dir.Write("band.jdx", "##TITLE= band\n##DATA TYPE= UV/VIS SPECTRUM\n##XUNITS= 1/CM\n"
                              "##YUNITS= %T\n##XYPOINTS= (XY..XY)\n" +
                                  points + "##END=\n");
  ASSERT_EQ(Run({"import", jdx, "--out-dir", m_dir.Path("out")}), 0) << m_err;
  const Json answer = Json::parse(m_out);
  const Json& spectrum = answer["files"][0]["tables"][0]["spectra"][0];
  EXPECT_EQ(answer["files"][0]["format"], "JCAMP-DX");
  EXPECT_EQ(spectrum["path"], m_dir.Path("out/band.abs.txt"));
  EXPECT_EQ(spectrum["y"], "percent-transmittance");
  EXPECT_EQ(spectrum["resampled"], true);
  EXPECT_EQ(spectrum["source_points"], 51);
  EXPECT_NEAR(spectrum["first_x"].get<float>(), 400.0f, 1e-3f);
  // The finest spacing of the source lies at its shortest wavelength.
  const float step = 1e7f / 24900.0f - 400.0f;
  EXPECT_NEAR(spectrum["step"].get<float>(), step, 1e-3f);
  EXPECT_NEAR(spectrum["last_x"].get<float>(), 500.0f, step);
  // 10 %T from 22000 to 23000 cm-1: absorbance 1 from 434.8 nm on.
  EXPECT_NEAR(spectrum["peak_x"].get<float>(), 1e7f / 23000.0f, step);
  EXPECT_NEAR(spectrum["peak_y"].get<float>(), 1.0f, 1e-5f);
  EXPECT_EQ(spectrum["descending"], false);
}

TEST_F(ImportCommand, ABatchImportsWhatItCanAndNamesEachFailure) {
  const std::string good = m_dir.Write("good.txt", "400 1\n401 2\n402 3\n");
  const std::string ragged = m_dir.Write("ragged.csv", "x,y\n400,1\n401\n");
  const std::string missing = m_dir.Path("missing.csv");
  EXPECT_EQ(
      Run({"import", ragged, good, missing, "--kind", "emission", "--out-dir", m_dir.Path("out")}),
      1);
  const Json answer = Json::parse(m_out);
  EXPECT_EQ(answer["imported"], 1);
  EXPECT_EQ(answer["failed"], 2);
  EXPECT_EQ(answer["files"][0]["error"],
            ragged + ": line 3: the row has 1 field; the data rows have 2");
  EXPECT_EQ(answer["files"][1]["ok"], true);
  EXPECT_EQ(answer["files"][2]["ok"], false);
  EXPECT_TRUE(ReadSpectrumFile(m_dir.Path("out/good.ems.txt")).Ok());
  EXPECT_EQ(m_err.rfind("lumivex-cli: 2 of 3 files not imported: " + ragged + ": line 3", 0), 0u)
      << m_err;
  EXPECT_EQ(std::count(m_err.begin(), m_err.end(), '\n'), 1);
}

TEST_F(ImportCommand, RefusesOptionsOfNoKnownValue) {
  const std::string sheet = m_dir.Write("dyes.csv", kSheet);
  const std::string out = m_dir.Path("out");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"import", sheet, "--out-dir", out, "--delimiter", "|"},
       "--delimiter must be ',', ';', 'tab' or 'blanks', not '|'"},
      {{"import", sheet, "--out-dir", out, "--x-unit", "hz"},
       "--x-unit must be nm, um, cm-1 or ev, not 'hz'"},
      {{"import", sheet, "--out-dir", out, "--y", "counts"},
       "--y must be absorbance, transmittance, percent-transmittance or intensity, not 'counts'"},
      {{"import", sheet, "--out-dir", out, "--kind", "curve"}, "--kind"},
      {{"import", sheet}, "--out-dir"},
  };
  for (const auto& [args, message] : cases) {
    EXPECT_TRUE(IsOneLineError(Run(args), m_out, m_err)) << message;
    EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
  }
}

TEST_F(ImportCommand, ConvertTakesJcampWavenumbersThroughTheImportStep) {
  const std::string wavenumbers =
      m_dir.Write("ir.jdx", "##TITLE= ir\n##XUNITS= 1/CM\n##YUNITS= ABSORBANCE\n"
                            "##XYPOINTS= (XY..XY)\n20000,1\n19000,2\n18000,3\n##END=\n");
  const std::string out = m_dir.Path("ir.abs.txt");
  ASSERT_EQ(Run({"convert", wavenumbers, out}), 0) << m_err;
  const Json answer = Json::parse(m_out);
  EXPECT_EQ(answer["resampled"], true);
  EXPECT_EQ(answer["kind"], "Absorption");
  EXPECT_NEAR(answer["first_x"].get<float>(), 500.0f, 1e-3f);
  // The grid keeps the finest spacing, 500 to 526.3 nm, and ends within one step of the
  // source's last x.
  EXPECT_NEAR(answer["last_x"].get<float>(), 1e7f / 18000.0f, 1e7f / 19000.0f - 500.0f);
}

} // namespace
} // namespace lumivex::cli
