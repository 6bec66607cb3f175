#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;

using test::Cli;
using test::CliRun;

// Values that are exact binary fractions, so written and re-read values compare exactly.
float Ramp(float x) {
  return (x - 400.0f) / 8.0f;
}

class EditCommand : public ::testing::Test {
protected:
  EditCommand() { EXPECT_TRUE(WriteSpectrumFile(original, input).ok); }

  [[nodiscard]] CSpectrum Written() const {
    SpectrumReadResult read = ReadSpectrumFile(output);
    EXPECT_TRUE(read.Ok());
    return read.spectrum;
  }

  TempDir dir;
  CSpectrum original = MakeSpectrum(400.0f, 1.0f, 12, Ramp);
  std::string input = dir.Path("ramp.abs.txt");
  std::string output = dir.Path("edited.abs.txt");
};

TEST_F(EditCommand, RunsTheEditorsOperationOnTheRegionOnly) {
  struct Case {
    std::vector<std::string> operation;
    const char* name;
    float (*edited)(const CSpectrum& before, int i);
  };
  const Case cases[] = {
      {{"--add", "1.5"},
       "Add a shift",
       [](const CSpectrum& before, int i) { return before.m_points[i].y + 1.5f; }},
      {{"--set", "-0.25"}, "Replace with a value", [](const CSpectrum&, int) { return -0.25f; }},
      // On a straight line a full window keeps the point; at the region's ends only the
      // points inside it count, which pulls them toward the middle.
      {{"--smooth"},
       "Smooth",
       [](const CSpectrum& before, int i) {
         const auto y = [&before](float at) { return Ramp(before.m_points[0].x + at); };
         const float expected[] = {y(4.0f), y(4.5f), y(5.0f), y(5.5f), y(6.0f)};
         return expected[i - 3];
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"edit", input, "--first", "3", "--last", "7"};
    args.insert(args.end(), c.operation.begin(), c.operation.end());
    args.insert(args.end(), {"--out", output});
    const CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json answer = nlohmann::json::parse(run.out);
    EXPECT_EQ(answer["operation"], c.name);
    EXPECT_EQ(answer["first"], 3);
    EXPECT_EQ(answer["last"], 7);
    EXPECT_EQ(answer["points"], 12);
    const CSpectrum written = Written();
    ASSERT_EQ(written.m_points.size(), 12u);
    for (int i = 0; i < 12; ++i) {
      const auto at = static_cast<std::size_t>(i);
      const float expected = i >= 3 && i <= 7 ? c.edited(original, i) : original.m_points[at].y;
      EXPECT_FLOAT_EQ(written.m_points[at].y, expected) << i;
      EXPECT_EQ(written.m_points[at].x, original.m_points[at].x);
      if (i >= 3 && i <= 7) {
        EXPECT_FLOAT_EQ(answer["region_y"][at - 3].get<float>(), expected);
      }
    }
  }
}

TEST_F(EditCommand, ARegionThatRunsToTheLastPointIncludesIt) {
  const CliRun run =
      Cli({"edit", input, "--first", "10", "--last", "11", "--set", "0", "--out", output});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Written().m_points.back().y, 0.0f);
  EXPECT_EQ(Written().m_points[9].y, original.m_points[9].y);
}

TEST_F(EditCommand, RefusesWhatTheEditorCannotRun) {
  const std::vector<std::vector<std::string>> refused{
      {"edit", input, "--first", "3", "--last", "12", "--add", "1", "--out", output},
      {"edit", input, "--first", "-1", "--last", "3", "--add", "1", "--out", output},
      {"edit", input, "--first", "5", "--last", "4", "--add", "1", "--out", output},
      {"edit", input, "--first", "3", "--last", "4", "--out", output},
      {"edit", input, "--first", "3", "--last", "4", "--add", "1", "--smooth", "--out", output},
      {"edit", input, "--first", "3", "--last", "4", "--set", "lots", "--out", output},
      {"edit", dir.Path("missing.abs.txt"), "--first", "3", "--last", "4", "--smooth", "--out",
       output},
  };
  for (const auto& args : refused) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.code, 0) << args[3] << " " << args[5];
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(output));
}

} // namespace
} // namespace lumivex::cli
