#include "TestSupport.h"
#include "output/HtmlReport.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr std::array<std::string_view, 8> kMarks{"donor.gif",     "acceptor.gif", "spectrum.gif",
                                                 "structure.gif", "d_a_t_a",      "i_n_p_u_t",
                                                 "o_p_e_r",       "d_a_t_e"};

struct ShippedTemplate {
  const char* file;
  int moduleCode;
};

constexpr std::array<ShippedTemplate, 6> kTemplates{{
    {"OscillatorStrength.htmt", 1},
    {"ForsterEnergyTransfer.htmt", 2},
    {"StricklerBergLifetime.htmt", 3},
    {"MultipleComponentAnalysis.htmt", 4},
    {"EnergyTransferSimulation.htmt", 5},
    {"DataInformation.htmt", 6},
}};

std::string ReadTemplate(const char* file) {
  return TempDir::Read((fs::path(LUMIVEX_SOURCE_DIR) / "data" / "templates" / file).string());
}

// Every module's values filled: number k is 1000 + k, text k is "T<k>".
ReportValues FullValues(int moduleCode) {
  ReportValues values = ReportValuesOf(moduleCode, {});
  for (std::size_t k = 0; k < values.numbers.size(); ++k) {
    values.numbers[k] = 1000.0f + static_cast<float>(k);
  }
  for (std::size_t k = 0; k < values.texts.size(); ++k) {
    values.texts[k] = "T" + std::to_string(k) + "!";
  }
  values.userName = "Ada";
  values.date = "Wed Jun  4 09:05:03 2025";
  values.spectrumPicture = "r_spectrum.bmp";
  values.structurePicture = "/db/s.str.bmp";
  values.donorPicture = "/db/d.str.bmp";
  values.acceptorPicture = "/db/a.str.bmp";
  return values;
}

TEST(ReportTemplates, OneLineHoldsAtMostOnePlaceholderWithinOnePiece) {
  for (const ShippedTemplate& shipped : kTemplates) {
    SCOPED_TRACE(shipped.file);
    const std::string text = ReadTemplate(shipped.file);
    ASSERT_FALSE(text.empty());
    // The program writes "<html xmlns:v=..." and a line feed; the template completes the tag.
    EXPECT_EQ(text.rfind(" xmlns:o=\"urn:schemas-microsoft-com:office:office\" lang=\"en\">\n", 0),
              0u);
    EXPECT_EQ(text.substr(text.size() - 8), "</html>\n");
    for (const std::string_view chunk : TemplateChunks(text)) {
      ASSERT_EQ(chunk.back(), '\n') << "a line longer than one piece: " << chunk;
      int found = 0;
      for (const std::string_view mark : kMarks) {
        const std::size_t first = chunk.find(mark);
        if (first != std::string_view::npos) {
          ++found;
          EXPECT_EQ(chunk.find(mark, first + 1), std::string_view::npos) << chunk;
        }
      }
      EXPECT_LE(found, 1) << chunk;
    }
  }
}

TEST(ReportTemplates, EverySlotOfTheModuleIsShownAndNoPlaceholderIsLeft) {
  const std::regex numberSlot(R"(d_a_t_a_(\d+))");
  const std::regex textSlot(R"(i_n_p_u_t_(\d+))");
  for (const ShippedTemplate& shipped : kTemplates) {
    SCOPED_TRACE(shipped.file);
    const std::string text = ReadTemplate(shipped.file);
    const ReportSlots slots = ReportSlotsOf(shipped.moduleCode);
    std::vector<bool> numbers(static_cast<std::size_t>(slots.numbers));
    std::vector<bool> texts(static_cast<std::size_t>(slots.texts));
    for (auto it = std::sregex_iterator(text.begin(), text.end(), numberSlot);
         it != std::sregex_iterator(); ++it) {
      const std::size_t k = std::stoul((*it)[1].str());
      ASSERT_LT(k, numbers.size());
      numbers[k] = true;
    }
    for (auto it = std::sregex_iterator(text.begin(), text.end(), textSlot);
         it != std::sregex_iterator(); ++it) {
      const std::size_t k = std::stoul((*it)[1].str());
      ASSERT_LT(k, texts.size());
      texts[k] = true;
    }
    // The energy transfer block leaves slots 98 and 99 empty, and a chain names at most
    // twelve components.
    for (std::size_t k = 0; k < numbers.size(); ++k) {
      EXPECT_TRUE(numbers[k] || (shipped.moduleCode == 5 && k >= 98)) << "number " << k;
    }
    for (std::size_t k = 0; k < texts.size(); ++k) {
      EXPECT_TRUE(texts[k] || (shipped.moduleCode == 5 && k >= 12)) << "text " << k;
    }

    const std::string report = FillReport(text, FullValues(shipped.moduleCode));
    for (const std::string_view mark : kMarks) {
      EXPECT_EQ(report.find(mark), std::string::npos) << mark;
    }
    EXPECT_NE(report.find("Ada"), std::string::npos);
    EXPECT_NE(report.find("<img width=\"732\" height=\"329\" src=\"r_spectrum.bmp\""),
              std::string::npos);
    // Each image placeholder stands right after an opening shape type, which its shape
    // closes.
    const std::regex opened(R"(<v:shapetype[^>]*>)");
    const auto openings = std::distance(std::sregex_iterator(report.begin(), report.end(), opened),
                                        std::sregex_iterator());
    const std::regex closed(R"(<v:shapetype[^>]*></v:shapetype><v:shape )");
    EXPECT_EQ(std::distance(std::sregex_iterator(report.begin(), report.end(), closed),
                            std::sregex_iterator()),
              openings);
  }
}

} // namespace
} // namespace lumivex
