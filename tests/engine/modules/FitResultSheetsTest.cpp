#include "modules/FitResultSheets.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "output/HtmlReport.h"

#include <vector>

namespace lumivex {
namespace {

using test::RecordingCanvas;

TEST(FitResultSheets, MultipleComponentListsAndReportBlock) {
  const std::vector<float> results = {0.25f, 12.5f, 0.0f};
  const std::vector<std::string> names = {"Perylene", "Anthracene", "Coumarin 153"};
  EXPECT_EQ(McaResultEntries(results, names),
            (std::vector<std::string>{"0.25000   Perylene", "12.50000   Anthracene",
                                      "0.00000   Coumarin 153"}));
  EXPECT_EQ(McaWavelengthEntries(std::vector{412.5f}), std::vector<std::string>{"412.500000"});

  const ReportBlock block = McaReportBlock(1.5e-4f, results, names);
  const ReportSlots slots = ReportSlotsOf(4);
  ASSERT_EQ(static_cast<int>(block.numbers.size()), slots.numbers);
  ASSERT_EQ(static_cast<int>(block.texts.size()), slots.texts);
  EXPECT_EQ(block.texts[0], "1.500e-04");
  EXPECT_EQ(block.texts[1], "3");
  EXPECT_EQ(block.numbers[1], 12.5f);
  EXPECT_EQ(block.texts[4], "Coumarin 153");
  EXPECT_EQ(block.numbers[3], kNoReportNumber);
  EXPECT_EQ(block.texts[5], kNoReportText);
  EXPECT_EQ(block.numbers.back(), kNoReportNumber);

  // Thirty-one components: the first thirty fill the block.
  const std::vector<float> many(31, 0.5f);
  const std::vector<std::string> manyNames(31, "x");
  const ReportBlock full = McaReportBlock(0.0f, many, manyNames);
  EXPECT_EQ(full.numbers.size(), 30u);
  EXPECT_EQ(full.numbers.back(), 0.5f);
  EXPECT_EQ(full.texts.back(), "x");
}

TEST(FitResultSheets, MultipleComponentPrintSheetRows) {
  RecordingCanvas canvas;
  DrawMcaResults(canvas, 2.0e-3f, std::vector{0.3f, 0.7f},
                 std::vector<std::string>{"Perylene", "Anthracene"});
  const CSize widest = RecordingCanvas::Extent("Wavelength for epsilon (nm)", canvas.Font());
  const int pitch = widest.cy + 10;
  const auto least = canvas.FindText("Least square");
  ASSERT_TRUE(least);
  EXPECT_EQ(least->at, (CPoint{30, 2 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("2.000e-03")->at, (CPoint{widest.cx + 60, 2 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("2")->at.y, 3 * pitch + 30);
  EXPECT_EQ(canvas.FindText("Compounds")->at.y, 5 * pitch + 30);
  EXPECT_EQ(canvas.FindText("0.700")->at, (CPoint{30, 7 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("Anthracene")->at, (CPoint{widest.cx + 60, 7 * pitch + 30}));
}

std::vector<EnergyTransferRecord> Chain(int length) {
  std::vector<EnergyTransferRecord> chain(static_cast<std::size_t>(length));
  for (int c = 0; c < length; ++c) {
    EnergyTransferRecord& r = chain[static_cast<std::size_t>(c)];
    r.transfer = 0.1f * static_cast<float>(c + 1);
    r.epsilon = 1000.0f * static_cast<float>(c + 1);
    r.emissionShare = 0.01f * static_cast<float>(c + 1);
  }
  return chain;
}

TEST(FitResultSheets, EnergyTransferReportSlots) {
  const ReportBlock block =
      TransferReportBlock(Chain(2), 400.0f, 0.1f, std::vector<std::string>{"Donor", "Acceptor"});
  const ReportSlots slots = ReportSlotsOf(5);
  ASSERT_EQ(static_cast<int>(block.numbers.size()), slots.numbers);
  ASSERT_EQ(static_cast<int>(block.texts.size()), slots.texts);
  EXPECT_EQ(block.numbers[0], 400.0f);
  EXPECT_EQ(block.numbers[1], 0.1f);    // T of the first component
  EXPECT_EQ(block.numbers[2], 1000.0f); // its epsilon
  EXPECT_EQ(block.numbers[9], 0.2f);    // T of the second
  EXPECT_EQ(block.numbers[16], 0.02f);  // Em of the second
  EXPECT_EQ(block.numbers[17], kNoReportNumber);
  EXPECT_EQ(block.numbers[97], 0.1f);
  EXPECT_EQ(block.numbers[98], kNoReportNumber);
  EXPECT_EQ(block.texts[1], "Acceptor");
  EXPECT_EQ(block.texts[2], kNoReportText);
}

TEST(FitResultSheets, ALongChainReportsTwelveComponentsAndSaysSo) {
  const std::vector<std::string> names(14, "Dye");
  const ReportBlock block = TransferReportBlock(Chain(14), 350.0f, 0.0f, names);
  EXPECT_EQ(block.numbers[96], 0.12f); // Em of the twelfth component, the last slot
  EXPECT_EQ(block.numbers[97], 0.0f);
  EXPECT_EQ(block.texts[11], "Dye");
  EXPECT_EQ(block.texts[12], TransferReportOmission(14));
  EXPECT_NE(block.texts[12].find("M to N"), std::string::npos) << block.texts[12];
  EXPECT_EQ(block.texts[13], kNoReportText);
}

TEST(FitResultSheets, EnergyTransferPrintSheetLayout) {
  RecordingCanvas canvas;
  DrawTransferResults(canvas, Chain(2), 405.0f, 0.1f,
                      std::vector<std::string>{"Donor", "Acceptor"});
  const int pitch = RecordingCanvas::Extent("Component", canvas.Font()).cy + 5;
  const auto header = canvas.FindText("T(i)  ");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->at.y, 2 * pitch + 30);
  EXPECT_EQ(header->at.x, 30 + RecordingCanvas::Extent("Component", canvas.Font()).cx + 12);
  const auto emission = canvas.FindText("% of emission");
  ASSERT_TRUE(emission);
  EXPECT_EQ(emission->at.y, header->at.y);

  EXPECT_EQ(canvas.FindText("A")->at, (CPoint{30, 3 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("B")->at, (CPoint{30, 4 * pitch + 30}));
  const auto epsilon = canvas.FindText("2000.000");
  ASSERT_TRUE(epsilon);
  EXPECT_EQ(epsilon->at.y, 4 * pitch + 30);

  const auto excitation = canvas.FindText("Excitation wavelength (nm)");
  ASSERT_TRUE(excitation);
  EXPECT_EQ(excitation->at.y, 6 * pitch + 30);
  const auto rel = canvas.FindText("Rel. Abs");
  EXPECT_EQ(canvas.FindText("405.000")->at, (CPoint{rel->at.x, 6 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("A--B")->at, (CPoint{rel->at.x, 7 * pitch + 30}));
  EXPECT_EQ(canvas.FindText("Component B")->at.y, 9 * pitch + 30);
  EXPECT_EQ(canvas.FindText("Acceptor")->at, (CPoint{rel->at.x, 9 * pitch + 30}));

  EXPECT_EQ(canvas.FindText("Note:")->at.y, 11 * pitch + 30);
  const std::vector<std::string> firstAndLast = {
      "T(i) = Quantum yield of energy transfer from component i to i+1",
      "Quantum yield of energy transfer from end to end = 0.100"};
  EXPECT_EQ(canvas.FindText(firstAndLast[0])->at.y, 12 * pitch + 39);
  EXPECT_EQ(canvas.FindText(firstAndLast[1])->at.y, 17 * pitch + 84);
}

TEST(FitResultSheets, ComponentLettersRunOnPastZ) {
  EXPECT_EQ(ComponentLetter(0), "A");
  EXPECT_EQ(ComponentLetter(25), "Z");
  EXPECT_EQ(ComponentLetter(26), "AA");
  EXPECT_EQ(ComponentLetter(28), "AC");
}

} // namespace
} // namespace lumivex
