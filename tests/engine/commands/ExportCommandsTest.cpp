#include "commands/ExportCommands.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::FakePrompts;
using test::FakeViews;
using test::TempDir;

class ExportCommandsTest : public ::testing::Test {
protected:
  ExportCommandsTest() : frame(prompts, views) { frame.Startup(); }

  // Opens spectrum files as Open Data File does, choosing all of them in one dialog.
  void Open(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::string> paths;
    for (const auto& [name, contents] : files) {
      paths.push_back(dir.Write(name, contents));
    }
    prompts.severalFileAnswers.push_back(paths);
    frame.Execute(kIdOpenDataFile);
  }

  // Runs a command whose save dialog answers `path`, after a form the script fills.
  void Run(int id, const std::string& path, FakePrompts::DialogScript form = nullptr) {
    if (form) {
      prompts.dialogScripts.push_back(std::move(form));
    }
    prompts.fileAnswers.push_back(path);
    prompts.messages.clear();
    frame.Execute(id);
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

FakePrompts::DialogScript Tidy(bool tidy) {
  return [tidy](CDialogModel& dialog) {
    EXPECT_STREQ(dialog.ClassName(), "CExportSpectraDlg");
    static_cast<CExportSpectraDlg&>(dialog).m_tidy = tidy;
    return kResultOk;
  };
}

FakePrompts::DialogScript Scale(int scale) {
  return [scale](CDialogModel& dialog) {
    EXPECT_STREQ(dialog.ClassName(), "CPictureScaleDlg");
    static_cast<CPictureScaleDlg&>(dialog).m_scale = scale;
    return kResultOk;
  };
}

TEST_F(ExportCommandsTest, OpenDataFileOpensEveryChosenFileAndExportSpectraWritesTheSelection) {
  Open({{"a.abs.txt", "400 0.5\n410 0.7\n420 0.9\n"}, {"b.ems.txt", "405 2\n415 3\n"}});
  ASSERT_EQ(frame.m_pData->Count(), 2);
  frame.m_fileList.SetSelected(0, true);
  frame.m_pData->m_xUnit = 1;

  Run(kIdExportSpectra, dir.Path("columns.csv"), Tidy(false));
  const std::string columns = TempDir::Read(dir.Path("columns.csv"));
  EXPECT_TRUE(columns.starts_with("Wavenumber (cm^-1),a.abs.txt,b.ems.txt\r\n")) << columns;
  EXPECT_EQ(std::count(columns.begin(), columns.end(), '\n'), 4);

  frame.m_fileList.SelectOnly(1);
  Run(kIdExportSpectra, dir.Path("tidy.csv"), Tidy(true));
  const std::string tidy = TempDir::Read(dir.Path("tidy.csv"));
  EXPECT_TRUE(tidy.starts_with("spectrum,Wavenumber (cm^-1),y\r\nb.ems.txt,")) << tidy;
  EXPECT_EQ(tidy.find("a.abs.txt"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ExportCommandsTest, ExportGraphWritesTheFormatItsNameEndsWith) {
  Open({{"a.abs.txt", "400 0.5\n410 0.7\n420 0.9\n"}, {"b.abs.txt", "405 0.2\n415 0.3\n"}});
  views.graphSize = {640, 400};

  Run(kIdExportGraph, dir.Path("graph.svg"));
  const std::string svg = TempDir::Read(dir.Path("graph.svg"));
  const std::regex path("<path ");
  EXPECT_EQ(
      std::distance(std::sregex_iterator(svg.begin(), svg.end(), path), std::sregex_iterator()), 2);
  EXPECT_NE(svg.find("width=\"640\" height=\"400\""), std::string::npos);
  EXPECT_NE(svg.find(">Wavelength(nm)</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Absorption</text>"), std::string::npos);
  EXPECT_TRUE(views.pictures.empty());

  Run(kIdExportGraph, dir.Path("graph.PNG"), Scale(3));
  EXPECT_EQ(TempDir::Read(dir.Path("graph.PNG")), "PNG 3");
  Run(kIdExportGraph, dir.Path("graph.pdf"));
  EXPECT_EQ(TempDir::Read(dir.Path("graph.pdf")), "PDF");
  EXPECT_EQ(views.pictures, (std::vector<std::pair<PictureFormat, int>>{{PictureFormat::Png, 3},
                                                                        {PictureFormat::Pdf, 1}}));
  EXPECT_TRUE(prompts.messages.empty());

  frame.Execute(kIdCopyGraph);
  EXPECT_EQ(views.graphCopies, 1);
}

// A file that cannot be written is named in a warning, and nothing is left in its folder.
TEST_F(ExportCommandsTest, AnUnwritablePathIsNamedAndNothingIsWritten) {
  Open({{"a.abs.txt", "400 0.5\n410 0.7\n420 0.9\n"}});
  const std::string missing = dir.Path("missing");
  const struct {
    int id;
    std::string path;
    FakePrompts::DialogScript form;
  } cases[] = {
      {kIdExportSpectra, missing + "/out.csv", Tidy(false)},
      {kIdExportGraph, missing + "/out.svg", nullptr},
      {kIdExportGraph, missing + "/out.png", Scale(2)},
      {kIdExportGraph, missing + "/out.pdf", nullptr},
      {kIdExportGraph, dir.Path("out.gif"), nullptr},
  };
  for (const auto& c : cases) {
    Run(c.id, c.path, c.form);
    ASSERT_EQ(prompts.messages.size(), 1u) << c.path;
    EXPECT_NE(prompts.messages[0].text.find("Cannot"), std::string::npos) << c.path;
    EXPECT_NE(prompts.messages[0].text.find(c.path), std::string::npos) << c.path;
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
  }
  views.failPicture = true;
  Run(kIdExportGraph, dir.Path("failed.pdf"));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(dir.Path("failed.pdf")), std::string::npos);

  std::vector<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.Path(""))) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"a.abs.txt"});
  EXPECT_EQ(prompts.messagesWhileBusy, 0);
}

TEST_F(ExportCommandsTest, DroppedFilesOpenByKindAndTheOthersAreNamed) {
  const std::string absorption = dir.Write("dye.abs.txt", "400 0.5\n410 0.7\n");
  const std::string emission = dir.Write("dye.EMS.TXT", "500 2\n510 3\n");
  const std::string notes = dir.Write("notes.pdf", "%PDF");
  const std::string database = dir.Write("mine.db", "");
  const std::string light = dir.Write("lamp.els.txt", "300 1\n310 2\n");
  prompts.messages.clear();
  frame.m_workspace.OpenDroppedFiles({absorption, notes, database, light});
  EXPECT_EQ(frame.m_pData->Count(), 2);
  EXPECT_EQ(frame.m_fileList.Count(), 2);
  EXPECT_EQ(frame.m_database.m_databasePath, database);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(notes), std::string::npos);
  EXPECT_EQ(prompts.messages[0].text.find(absorption), std::string::npos);
  EXPECT_EQ(prompts.busyDepth, 0);

  // A spectrum file the reader refuses is told as Open Data File tells it.
  prompts.messages.clear();
  frame.m_workspace.OpenDroppedFiles({emission});
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(frame.m_pData->Count(), 2);
}

} // namespace
} // namespace lumivex
