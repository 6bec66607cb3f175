#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using test::IsOneLineError;
using test::JsonNumber;
using test::JsonValue;
using test::SpectrumFiles;

using ConvertCommand = SpectrumFiles;

// A spectrum text file to JCAMP-DX and back gives the same points; the kind travels as the
// data type.
TEST_F(ConvertCommand, SpectrumTextToJcampAndBackKeepsThePoints) {
  for (const bool emission : {false, true}) {
    const std::string text = emission ? WriteEmission() : WriteAbsorption();
    const std::string jdx = m_dir.Path(emission ? "perylene.jdx" : "anthracene.JDX");
    ASSERT_EQ(Run({"convert", text, jdx}), 0) << m_err;
    EXPECT_EQ(JsonValue(m_out, "from"), "spectrum text");
    EXPECT_EQ(JsonValue(m_out, "to"), "JCAMP-DX");
    EXPECT_EQ(JsonValue(m_out, "data_type"),
              emission ? "FLUORESCENCE SPECTRUM" : "UV/VIS SPECTRUM");
    const std::string written = lumivex::test::TempDir::Read(jdx);
    EXPECT_NE(written.find("##XUNITS= NANOMETERS\n"), std::string::npos);

    const std::string back = m_dir.Path("back.txt");
    ASSERT_EQ(Run({"convert", jdx, back}), 0) << m_err;
    EXPECT_EQ(JsonValue(m_out, "kind"), emission ? "Emission" : "Absorption");
    EXPECT_EQ(JsonNumber(m_out, "blocks"), 1.0);
    const SpectrumReadResult original = ReadSpectrumFile(text);
    const SpectrumReadResult converted = ReadSpectrumFile(back);
    ASSERT_TRUE(original.Ok() && converted.Ok());
    EXPECT_EQ(converted.spectrum.m_points, original.spectrum.m_points);
  }
}

TEST_F(ConvertCommand, CompoundFileNeedsABlockAndConvertsTheOneChosen) {
  const std::string block = "##XUNITS= NM\n##XYPOINTS= (XY..XY)\n";
  const std::string compound = m_dir.Write(
      "pair.jdx", "##TITLE= pair\n##BLOCKS= 2\n##TITLE= first\n##DATA TYPE= UV/VIS\n" + block +
                      "400,1 410,2 420,3\n##END=\n##TITLE= second\n##DATA TYPE= EMISSION\n" +
                      block + "500,4 505,5\n##END=\n##END=\n");
  const std::string out = m_dir.Path("chosen.txt");
  EXPECT_NE(Run({"convert", compound, out}), 0);
  EXPECT_TRUE(IsOneLineError(1, m_out, m_err));
  EXPECT_NE(m_err.find("holds 2 blocks (1 'first', 2 'second'); choose one with --block N"),
            std::string::npos)
      << m_err;

  ASSERT_EQ(Run({"convert", compound, out, "--block", "2"}), 0) << m_err;
  EXPECT_EQ(JsonValue(m_out, "title"), "second");
  EXPECT_EQ(JsonValue(m_out, "kind"), "Emission");
  EXPECT_EQ(JsonNumber(m_out, "points"), 2.0);
  EXPECT_EQ(JsonNumber(m_out, "first_x"), 500.0);

  EXPECT_NE(Run({"convert", compound, out, "--block", "3"}), 0);
  EXPECT_NE(m_err.find("--block 3: " + compound + " holds 2 blocks"), std::string::npos) << m_err;
}

// Each refusal is one line naming the file and, where one is to blame, the line.
TEST_F(ConvertCommand, RefusesWhatItCannotConvert) {
  const std::string hertz =
      m_dir.Write("nmr.jdx", "##TITLE= nmr\n##XUNITS= HZ\n##FIRSTX= 400\n##LASTX= 402\n"
                             "##XYDATA= (X++(Y..Y))\n400 1 2 3\n##END=\n");
  const std::string cut = m_dir.Write("cut.dx", "##TITLE= cut\n##XYPOINTS= (XY..XY)\n1,2\n");
  const std::string text = WriteAbsorption();
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"convert", hertz, m_dir.Path("nmr.abs.txt")},
       hertz + ": x in 'HZ' is no wavelength, wavenumber or photon energy and cannot be imported"},
      {{"convert", cut, m_dir.Path("cut.abs.txt")},
       cut + ": line 1: the block 'cut' has no ##END=: the file is cut short"},
      {{"convert", text, m_dir.Path("a.jdx"), "--block", "1"}, "--block is for JCAMP-DX files"},
  };
  for (const auto& [args, message] : cases) {
    const int code = Run(args);
    EXPECT_TRUE(IsOneLineError(code, m_out, m_err)) << message;
    EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
  }
}

} // namespace
} // namespace lumivex::cli
