#include "commands/ImportCommands.h"

#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "import/ImportDlg.h"
#include "ui/CommandIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::TempDir;

// 400..420 nm in steps of 1 with three y columns.
std::string ThreeColumns() {
  std::string text = "Wavelength (nm),Dye A,Dye B,Dye C\n";
  for (int nm = 400; nm <= 420; ++nm) {
    text += std::to_string(nm) + "," + std::to_string(nm - 399) + ",2,3\n";
  }
  return text;
}

class ImportCommandsTest : public ::testing::Test {
protected:
  ImportCommandsTest() : frame(prompts, views) { frame.Execute(kIdFileNew); }

  std::vector<std::string> Entries() {
    std::vector<std::string> names;
    for (const auto& spectrum : frame.Context().data.m_spectra) {
      names.push_back(spectrum->m_name);
    }
    return names;
  }

  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
  TempDir dir;
};

// Apply to all imports the rest of the batch with the settings of the first file, without
// showing the dialog again; a file that fails is named at the end and the others join.
TEST_F(ImportCommandsTest, ApplyToAllImportsTheBatchAndNamesTheFilesThatFailed) {
  const std::string first = dir.Write("dyes.csv", ThreeColumns());
  const std::string second = dir.Write("more.csv", ThreeColumns());
  const std::string broken = dir.Write("broken.csv", "nm,A\n400,1\n401,x\n");
  prompts.dialogScripts.push_back([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CImportDlg&>(model);
    EXPECT_EQ(dlg.Heading(), "File 1 of 3: dyes.csv");
    EXPECT_EQ(dlg.m_firstLines.front(), "Wavelength (nm),Dye A,Dye B,Dye C");
    // Columns of plain numbers say nothing of their kind: the dialog asks for one.
    EXPECT_FALSE(dlg.m_import.Ok());
    EXPECT_NE(dlg.Decisions().front().find("choose the kind"), std::string::npos);
    dlg.m_kind = 2;
    dlg.m_yColumns = "2, 4";
    dlg.Refresh();
    EXPECT_TRUE(dlg.m_import.Ok()) << dlg.Decisions().front();
    EXPECT_EQ(dlg.PreviewDocument().Count(), 2);
    return kResultApplyToAll;
  });
  ImportSpectraFiles(frame.Context(), {first, broken, second});

  EXPECT_EQ(prompts.dialogsRun.size(), 1u);
  const std::vector<std::string> names = Entries();
  ASSERT_EQ(names.size(), 4u);
  for (const auto& spectrum : frame.Context().data.m_spectra) {
    EXPECT_EQ(spectrum->m_kind, SpectrumKind::Emission);
  }
  EXPECT_EQ(frame.Context().fileList.Count(), 4);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(broken + ": "), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(frame.Context().data.m_xMin, 400.0f);
  EXPECT_EQ(frame.Context().data.m_xMax, 420.0f);
}

// Skip leaves a file out and Cancel ends the batch; a file whose spectra would show
// emission beside a light source joins not at all.
TEST_F(ImportCommandsTest, SkipCancelAndMixedKindsLeaveTheWorkspaceAlone) {
  const std::string csv = dir.Write("dyes.csv", ThreeColumns());
  prompts.dialogScripts.push_back([](CDialogModel&) { return kResultSkip; });
  prompts.dialogScripts.push_back([](CDialogModel&) { return kResultCancel; });
  ImportSpectraFiles(frame.Context(), {csv, csv, csv});
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
  EXPECT_TRUE(Entries().empty());

  const auto asKind = [](int kind) {
    return [kind](CDialogModel& model) {
      auto& dlg = dynamic_cast<CImportDlg&>(model);
      dlg.m_kind = kind;
      dlg.Refresh();
      return kResultOk;
    };
  };
  prompts.dialogScripts.push_back(asKind(3));
  prompts.dialogScripts.push_back(asKind(2));
  ImportSpectraFiles(frame.Context(), {csv, csv});
  EXPECT_EQ(Entries().size(), 3u);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("may not be shown at the same time"), std::string::npos);
}

TEST(ImportDialog, TypedSettingsAreCheckedBeforeTheyAreTaken) {
  struct Case {
    const char* key;
    const char* text;
  };
  for (const Case& c :
       {Case{"skipLines", "-1"}, Case{"skipLines", "two"}, Case{"xColumn", "0"},
        Case{"yColumns", "2, b"}, Case{"yColumns", "0"}, Case{"step", "0"}, Case{"step", "fine"}}) {
    CImportDlg dlg;
    FieldTexts texts = ShownTexts(dlg.Fields());
    texts[c.key] = c.text;
    const std::optional<FieldRefusal> refusal = dlg.StoreFields(texts);
    ASSERT_TRUE(refusal) << c.key << " " << c.text;
    EXPECT_EQ(refusal->key, c.key);
    EXPECT_TRUE(dlg.m_skipLines.empty() && dlg.m_yColumns.empty() && dlg.m_step.empty());
  }
  CImportDlg dlg;
  ASSERT_FALSE(dlg.StoreFields(
      {{"skipLines", "1"}, {"xColumn", "1"}, {"yColumns", "3;4"}, {"step", "0.5"}}));
  EXPECT_EQ(dlg.Delimited().skipLines, 1);
  EXPECT_EQ(dlg.Delimited().yColumns, (std::vector<int>{3, 4}));
  EXPECT_EQ(dlg.Import().step, 0.5);
}

} // namespace
} // namespace lumivex
