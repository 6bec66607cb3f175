#include "output/HtmlReport.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace lumivex {
namespace {

// The values of a Forster report: numbers 10.5, 11.5, ... and texts "text 0", "text 1", ...
ReportValues ForsterValues() {
  ReportBlock block;
  for (int k = 0; k < 9; ++k) {
    block.numbers.push_back(10.5f + static_cast<float>(k));
  }
  for (int k = 0; k < 7; ++k) {
    block.texts.push_back("text " + std::to_string(k));
  }
  block.donorPicture = "/db/donor.str.bmp";
  block.acceptorPicture = "/db/acceptor.str.bmp";
  ReportValues values = ReportValuesOf(2, block);
  values.userName = "Ada";
  values.date = "Wed Jun  4 09:05:03 2025";
  values.spectrumPicture = "results_spectrum.bmp";
  values.structurePicture = "/db/record.str.bmp";
  return values;
}

TEST(ReportTemplate, IsReadInPiecesOfAtMost299CharactersOfOneLine) {
  const std::string text = std::string(400, 'x') + "\nshort\nlast";
  const auto chunks = TemplateChunks(text);
  ASSERT_EQ(chunks.size(), 4u);
  EXPECT_EQ(chunks[0], std::string(299, 'x'));
  EXPECT_EQ(chunks[1], std::string(101, 'x') + "\n");
  EXPECT_EQ(chunks[2], "short\n");
  EXPECT_EQ(chunks[3], "last");

  // A line of exactly 299 characters leaves its line feed for a piece of its own.
  const std::string exactLine = std::string(299, 'y') + "\n";
  const auto exact = TemplateChunks(exactLine);
  ASSERT_EQ(exact.size(), 2u);
  EXPECT_EQ(exact[1], "\n");
  EXPECT_TRUE(TemplateChunks("").empty());
}

TEST(ReportTemplate, APlaceholderAcrossTwoPiecesIsNotRecognised) {
  const ReportValues values = ForsterValues();
  const std::string split = std::string(295, ' ') + "d_a_t_a_3_" + "\n";
  EXPECT_EQ(FillReport(split, values), ReportHeader() + split);
  const std::string inSecond = std::string(300, ' ') + "d_a_t_a_3_" + "\n";
  EXPECT_EQ(FillReport(inSecond, values),
            ReportHeader() + std::string(300, ' ') + "13.5000" + "\n");
}

TEST(ReportTemplate, EveryLineIsWrittenOnceAfterTheHeader) {
  const ReportValues values = ForsterValues();
  EXPECT_EQ(FillReport(" lang=\"en\">\n<p>o_p_e_r</p>\n", values),
            ReportHeader() + " lang=\"en\">\n<p>Ada</p>\n");
  EXPECT_EQ(FillReport("", values), ReportHeader());
}

TEST(ReportHeader, IsTheVmlStyleBlockAndTheStartOfTheHtmlTag) {
  EXPECT_EQ(ReportHeader(), "<!--[if !mso]>\n<style>\n"
                            "v\\:* {behavior:url(#default#VML);}\n"
                            "o\\:* {behavior:url(#default#VML);}\n"
                            "w\\:* {behavior:url(#default#VML);}\n"
                            ".shape {behavior:url(#default#VML);\n}</style>\n"
                            "<![endif]-->\n"
                            "<html xmlns:v=\"urn:schemas-microsoft-com:vml\"\n");
}

TEST(ReportNumbers, TakeTheirSlotInFourDecimalsAndKeepTheLineAroundThem) {
  const ReportValues values = ForsterValues();
  EXPECT_EQ(FillReportChunk("  <td>d_a_t_a_3_</td>\n", values), "  <td>13.5000</td>\n");
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a_0_</td>", values), "<td>10.5000</td>");

  ReportValues wide = ReportValuesOf(5, {});
  wide.numbers[97] = 0.25f;
  wide.numbers[10] = 1.0f;
  wide.numbers[1] = 2.0f;
  EXPECT_EQ(FillReportChunk("[d_a_t_a_97]", wide), "[0.2500]");
  // Slot 1 is not found inside the placeholder of slot 10.
  EXPECT_EQ(FillReportChunk("[d_a_t_a_10]", wide), "[1.0000]");
  EXPECT_EQ(FillReportChunk("[d_a_t_a_1_]", wide), "[2.0000]");
}

TEST(ReportNumbers, TheHighestSlotInAPieceWinsAndStandsInPlaceOfTheFirst) {
  const ReportValues values = ForsterValues();
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a_1_</td><td>d_a_t_a_2_</td>\n", values),
            "<td>12.5000</td><td>d_a_t_a_2_</td>\n");
  EXPECT_EQ(FillReportChunk("a d_a_t_a_2_ b d_a_t_a_1_ c", values), "a 12.5000 b d_a_t_a_1_ c");
}

TEST(ReportNumbers, SlotsBeyondTheModuleAndEmptySlotsGiveNothing) {
  ReportBlock oscillator;
  oscillator.numbers = {300.0f, 700.0f, kNoReportNumber, 12000.0f};
  const ReportValues values = ReportValuesOf(1, oscillator);
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a_7_</td>\n", values), "<td></td>\n");
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a_2_</td>\n", values), "<td></td>\n");
  // An empty slot does not beat a lower filled one.
  EXPECT_EQ(FillReportChunk("d_a_t_a_1_ d_a_t_a_2_", values), "700.0000 d_a_t_a_2_");
  // A block shorter than the module's slots leaves the rest empty.
  EXPECT_EQ(FillReportChunk("d_a_t_a_3_", ReportValuesOf(1, {})), "");
  // A module code without a report has no slots at all.
  EXPECT_EQ(FillReportChunk("x d_a_t_a_0_ i_n_p_u_t_0_ y", ReportValuesOf(9, oscillator)),
            "x  i_n_p_u_t_0_ y");
}

TEST(ReportTexts, TakeTheirSlotEscapedAndEmptySlotsGiveNothing) {
  ReportBlock mixture;
  mixture.texts = {"1.234e-05", "2", "Rhodamine <6G> & \"dye\"", kNoReportText};
  const ReportValues values = ReportValuesOf(4, mixture);
  EXPECT_EQ(FillReportChunk("<td>i_n_p_u_t_2_</td>\n", values),
            "<td>Rhodamine &lt;6G&gt; &amp; &quot;dye&quot;</td>\n");
  EXPECT_EQ(FillReportChunk("<td>i_n_p_u_t_3_</td>", values), "<td></td>");
  EXPECT_EQ(FillReportChunk("<td>i_n_p_u_t_31</td>", values), "<td></td>");
  EXPECT_EQ(FillReportChunk("i_n_p_u_t_0_ i_n_p_u_t_1_", values), "2 i_n_p_u_t_1_");

  // A compound name cannot open a script.
  mixture.texts[2] = "<script>alert('x')</script>";
  const std::string filled = FillReportChunk("<td>i_n_p_u_t_2_</td>", ReportValuesOf(4, mixture));
  EXPECT_EQ(filled, "<td>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</td>");
}

TEST(ReportTexts, AreCutTo299CharactersBeforeEscaping) {
  ReportBlock block;
  block.texts = {std::string(298, 'a') + "&b"};
  const std::string filled = FillReportChunk("i_n_p_u_t_0_", ReportValuesOf(3, block));
  EXPECT_EQ(filled, std::string(298, 'a') + "&amp;");
  // A cut never splits a character of several bytes.
  block.texts = {std::string(298, 'a') + "\xC3\xA9"};
  EXPECT_EQ(FillReportChunk("i_n_p_u_t_0_", ReportValuesOf(3, block)), std::string(298, 'a'));
}

TEST(ReportUserAndDate, TheNameIsEscapedAndTheDateEndsTheLine) {
  ReportValues values = ForsterValues();
  values.userName = "<b>Ada</b>";
  EXPECT_EQ(FillReportChunk("By o_p_e_r.\n", values), "By &lt;b&gt;Ada&lt;/b&gt;.\n");
  EXPECT_EQ(FillReportChunk("On d_a_t_e, done.\n", values),
            "On Wed Jun  4 09:05:03 2025\n, done.\n");
}

TEST(ReportDate, IsTwentyFourCharactersWithEnglishNames) {
  std::tm time{};
  time.tm_year = 2025 - 1900;
  time.tm_mon = 5;
  time.tm_mday = 4;
  time.tm_wday = 3;
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 3;
  EXPECT_EQ(FormatReportDate(time), "Wed Jun  4 09:05:03 2025");
  time.tm_mon = 11;
  time.tm_mday = 31;
  time.tm_wday = 0;
  time.tm_hour = 23;
  EXPECT_EQ(FormatReportDate(time), "Sun Dec 31 23:05:03 2025");
  EXPECT_EQ(FormatReportDate(time).size(), 24u);
}

TEST(ReportImages, AShapeClosesTheShapeTypeAndAStandardImageFollowsIt) {
  const ReportValues values = ForsterValues();
  EXPECT_EQ(FillReportChunk("<v:shapetype id=\"_x0000_t75\">spectrum.gif\n", values),
            "<v:shapetype id=\"_x0000_t75\"></v:shapetype><v:shape id=\"_x0000_i1027\" "
            "type=\"#_x0000_t75\" style='width:549pt;height:246.75pt'> <v:imagedata "
            "src=\"results_spectrum.bmp\"/> </v:shape><![if !vml]><img width=\"732\" "
            "height=\"329\" src=\"results_spectrum.bmp\" v:shapes=\"_x0000_i1027\"><![endif]>\n");
  EXPECT_EQ(FillReportChunk("<v:shapetype>structure.gif</p>", values),
            "<v:shapetype></v:shapetype><v:shape id=\"_x0000_i1025\" type=\"#_x0000_t75\" "
            "style='width:179.25pt; height:147.75pt'> <v:imagedata "
            "src=\"file:///db/record.str.bmp\"/> </v:shape><![if !vml]><img width=\"239\" "
            "height=\"197\" "
            "src=\"file:///db/record.str.bmp\" v:shapes=\"_x0000_i1025\"><![endif]></p>");
}

TEST(ReportImages, TheDonorAndAcceptorPlaceholdersShowTheirOwnStructures) {
  const ReportValues values = ForsterValues();
  const std::string donor = FillReportChunk("donor.gif", values);
  EXPECT_NE(donor.find("<v:imagedata src=\"file:///db/donor.str.bmp\"/>"), std::string::npos);
  EXPECT_NE(donor.find("src=\"file:///db/donor.str.bmp\""), std::string::npos);
  const std::string acceptor = FillReportChunk("acceptor.gif", values);
  EXPECT_NE(acceptor.find("<v:imagedata src=\"file:///db/acceptor.str.bmp\"/>"), std::string::npos);
  EXPECT_EQ(acceptor.find("donor"), std::string::npos);
}

TEST(ReportImages, AMissingPictureKeepsTheShapeWithoutAnImage) {
  ReportBlock block;
  block.donorPicture = "/db/donor.str.bmp";
  // Outside a Forster report the donor and acceptor have no pictures.
  const ReportValues values = ReportValuesOf(1, block);
  EXPECT_EQ(FillReportChunk("<v:shapetype>donor.gif\n", values),
            "<v:shapetype></v:shapetype><v:shape id=\"_x0000_i1025\" type=\"#_x0000_t75\" "
            "style='width:179.25pt; height:147.75pt'> <v:imagedata src=\"\"/> </v:shape>\n");
  EXPECT_EQ(FillReportChunk("structure.gif", values).find("<img"), std::string::npos);
}

TEST(ReportImages, PathsAreQuotedSafelyAndTheShapeAndImageNameOneAddress) {
  ReportValues values = ForsterValues();
  values.spectrumPicture = "my \"report\" #1_spectrum.bmp";
  values.structurePicture = "/home/ada/Molecule Database/Eosin Y.str.bmp";
  const std::string spectrum = FillReportChunk("spectrum.gif", values);
  EXPECT_NE(spectrum.find("<v:imagedata src=\"my%20%22report%22%20%231_spectrum.bmp\"/>"),
            std::string::npos);
  EXPECT_NE(spectrum.find("<img width=\"732\" height=\"329\" "
                          "src=\"my%20%22report%22%20%231_spectrum.bmp\""),
            std::string::npos);
  const std::string structure = FillReportChunk("structure.gif", values);
  const std::string address = "file:///home/ada/Molecule%20Database/Eosin%20Y.str.bmp";
  EXPECT_NE(structure.find("<v:imagedata src=\"" + address + "\"/>"), std::string::npos);
  EXPECT_NE(structure.find("<img width=\"239\" height=\"197\" src=\"" + address + "\""),
            std::string::npos);
}

TEST(ReportPlaceholders, TheFirstKindInOrderDecidesThePiece) {
  const ReportValues values = ForsterValues();
  const std::string both = FillReportChunk("d_a_t_a_0_ donor.gif d_a_t_a_0_", values);
  EXPECT_EQ(both.rfind("d_a_t_a_0_ ", 0), 0u);
  EXPECT_NE(both.find("/db/donor.str.bmp"), std::string::npos);
  EXPECT_EQ(both.find("10.5000"), std::string::npos);
  EXPECT_EQ(both.substr(both.size() - 11), " d_a_t_a_0_");

  EXPECT_EQ(FillReportChunk("i_n_p_u_t_0_ d_a_t_a_0_", values), "i_n_p_u_t_0_ 10.5000");
  EXPECT_EQ(FillReportChunk("o_p_e_r i_n_p_u_t_1_", values), "o_p_e_r text 1");
  EXPECT_EQ(FillReportChunk("d_a_t_e o_p_e_r", values), "d_a_t_e Ada");
  // Only the first occurrence of the deciding kind is replaced.
  EXPECT_EQ(FillReportChunk("o_p_e_r/o_p_e_r", values), "Ada/o_p_e_r");
  EXPECT_EQ(FillReportChunk("no placeholder\n", values), "no placeholder\n");
}

TEST(ReportPlaceholders, ACutShortPlaceholderAtTheEndIsDropped) {
  const ReportValues values = ForsterValues();
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a", values), "<td>");
  EXPECT_EQ(FillReportChunk("<td>d_a_t_a_3\n", values), "<td>");
}

TEST(ModuleReportValues, HoldTheModuleSlotsWithTheBlockInThem) {
  const std::vector<std::tuple<int, int, int>> expected{{1, 4, 4},   {2, 9, 7},    {3, 10, 2},
                                                        {4, 30, 32}, {5, 100, 30}, {6, 3, 24},
                                                        {0, 0, 0},   {7, 0, 0}};
  for (const auto& [code, numbers, texts] : expected) {
    const ReportSlots slots = ReportSlotsOf(code);
    EXPECT_EQ(slots.numbers, numbers) << code;
    EXPECT_EQ(slots.texts, texts) << code;
  }
  ReportBlock block;
  block.numbers = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f};
  block.texts = {"a"};
  const ReportValues values = ReportValuesOf(1, block);
  EXPECT_EQ(values.numbers, (std::vector<float>{1.0f, 2.0f, 3.0f, 4.0f}));
  EXPECT_EQ(values.texts, (std::vector<std::string>{"a", "N/A", "N/A", "N/A"}));
}

TEST(ReportPicture, LiesBesideTheReportNamedAfterIt) {
  EXPECT_EQ(ReportPicturePath("/home/ada/results.html"), "/home/ada/results_spectrum.bmp");
  EXPECT_EQ(ReportPicturePath("run.2.html"), "run.2_spectrum.bmp");
}

} // namespace
} // namespace lumivex
