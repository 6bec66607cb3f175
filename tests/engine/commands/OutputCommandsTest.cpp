#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "modules/DipoleDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/StrickleDlg.h"
#include "output/HtmlReport.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

#include <filesystem>
#include <regex>
#include <set>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::CanvasOpKind;
using test::FakePrinter;
using test::FakePrompts;
using test::FakeViews;
using test::MakeSpectrum;
using test::TempDir;

/// A module's results as a test sets them: a sheet with one line, and a report block.
class FakeSheet : public CResultSheet {
public:
  void DrawResults(Canvas& canvas) const override {
    ++drawn;
    canvas.Text({30, 100}, "Compound");
  }
  [[nodiscard]] ReportBlock Report() const override { return block; }
  [[nodiscard]] const char* Title() const override { return title; }
  [[nodiscard]] int ModuleCode() const override { return 2; }

  const char* title = "Results of Forster Energy Transfer Calculation";
  ReportBlock block;
  mutable int drawn = 0;
};

FakePrompts::DialogScript TypeName(std::string name, int button = kResultOk) {
  return [name = std::move(name), button](CDialogModel& dialog) {
    EXPECT_STREQ(dialog.ClassName(), "CUsername");
    static_cast<CUsername&>(dialog).m_userName = name;
    return button;
  };
}

class ResultOutputTest : public ::testing::Test {
protected:
  ResultOutputTest() : frame(prompts, views) {
    frame.Execute(kIdFileNew);
    for (int k = 0; k < 9; ++k) {
      sheet.block.numbers.push_back(10.5f + static_cast<float>(k));
    }
    sheet.block.texts = {"Fluorescein", "Eosin Y", "1.234e-13", "52.123",
                         "4.500e+01",   "0.000",   "1.000e-03"};
    sheet.block.donorPicture = "/db/fluorescein.str.bmp";
    sheet.block.acceptorPicture = "/db/eosin.str.bmp";
  }

  std::shared_ptr<FakePrinter> AddPrinter() {
    auto printer = std::make_shared<FakePrinter>();
    prompts.printers.push_back(printer);
    return printer;
  }

  // Opens a one-record database in the test folder, the record naming a structure picture.
  void OpenDatabase() {
    prompts.fileAnswers.push_back(
        dir.Write("test.db", "[Spectra]\nNumber = 1\n\n[1 Absorption]\nName = Fluorescein\n"
                             "Structure = fluorescein.str.bmp\n"));
    frame.Execute(kIdOpenDatabase);
  }

  // Puts a spectrum in the workspace with its Data File entry, selected.
  CSpectrum& AddSpectrum(int record) {
    CSpectrum* s = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(
        MakeSpectrum(400.0f, 1.0f, 201, [](float x) { return (x - 399.0f) / 201.0f; })));
    s->m_kind = SpectrumKind::Absorption;
    s->m_recordNumber = record;
    s->m_fromDatabase = record != 0 ? 1 : 0;
    frame.m_fileList.SelectOnly(frame.m_fileList.AddEntry("spectrum", frame.m_fileList.Count()));
    return *s;
  }

  // Scripts a report of Forster results: the name, the template and the report file.
  std::string ScriptReport(const std::string& templateText, const std::string& name = "Ada") {
    prompts.dialogScripts.push_back(TypeName(name));
    prompts.fileAnswers.push_back(dir.Write("forster.htmt", templateText));
    const std::string report = dir.Path("results.html");
    prompts.fileAnswers.push_back(report);
    return report;
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  FakeSheet sheet;
  CMainFrame frame;
};

TEST_F(ResultOutputTest, AModuleSheetPrintsTitledAndScaledFromTheWindowToThePage) {
  prompts.dialogScripts.push_back(TypeName("Ada"));
  const auto printer = AddPrinter();
  frame.m_output.Print(&sheet);

  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CUsername"});
  ASSERT_EQ(prompts.printDialogs.size(), 1u);
  const PrintDialogRequest& request = prompts.printDialogs[0];
  EXPECT_EQ(std::vector<int>({request.minPage, request.maxPage, request.fromPage, request.toPage,
                              request.copies}),
            std::vector<int>({1, 1, 1, 1, 1}));
  EXPECT_EQ(printer->documentName, "Lumivex printing...");
  EXPECT_EQ(printer->pagesStarted, 1);
  EXPECT_EQ(printer->pagesEnded, 1);
  EXPECT_TRUE(printer->documentEnded);
  EXPECT_TRUE(prompts.messages.empty());

  // 800 x 600 on 4800 x 6400: the width limits, six device pixels to a window pixel.
  const auto title = printer->canvas.FindText("Results of Forster Energy Transfer Calculation");
  ASSERT_TRUE(title.has_value());
  EXPECT_EQ(title->at, (CPoint{180, 180}));
  EXPECT_EQ(title->font, (CFont{"Helvetica", 22 * 6, 400, 0}));
  // The sheet draws after the title, on the same mapping, without the title's font.
  EXPECT_EQ(sheet.drawn, 1);
  const auto line = printer->canvas.FindText("Compound");
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->at, (CPoint{180, 600}));
  EXPECT_EQ(line->font.height, CFont{}.height * 6);
}

TEST_F(ResultOutputTest, EveryModuleSheetPrintsUnderItsOwnTitle) {
  frame.m_output.m_usernameDlg.m_userName = "Ada";
  const CDipoleDlg oscillator;
  const CForsterDlg forster;
  const CStrickleDlg lifetime;
  std::set<std::string> titles;
  for (const CResultSheet* module :
       std::initializer_list<const CResultSheet*>{&oscillator, &forster, &lifetime}) {
    const auto printer = AddPrinter();
    frame.m_output.Print(module);
    const auto texts = printer->canvas.TextStrings();
    ASSERT_FALSE(texts.empty()) << module->ModuleCode();
    EXPECT_EQ(texts.front(), module->Title());
    EXPECT_TRUE(texts.front().starts_with("Results of "));
    EXPECT_TRUE(printer->documentEnded);
    titles.insert(texts.front());
  }
  EXPECT_EQ(titles.size(), 3u);
}

TEST_F(ResultOutputTest, ANameOnceTypedIsNotAskedForAgain) {
  prompts.dialogScripts.push_back(TypeName("Ada"));
  AddPrinter();
  AddPrinter();
  frame.m_output.Print(&sheet);
  frame.m_output.Print(&sheet);
  EXPECT_EQ(prompts.dialogsRun.size(), 1u);
  EXPECT_EQ(prompts.printDialogs.size(), 2u);
  EXPECT_EQ(frame.m_output.m_usernameDlg.m_userName, "Ada");
}

TEST_F(ResultOutputTest, NoNameMeansNoPrintAndNoMessage) {
  const auto printer = AddPrinter();
  // Cancelled after typing: the name typed is not kept.
  prompts.dialogScripts.push_back(TypeName("Bob", kResultCancel));
  frame.m_output.Print(&sheet);
  EXPECT_EQ(frame.m_output.m_usernameDlg.m_userName, "");
  // OK with an empty name.
  prompts.dialogScripts.push_back(TypeName(""));
  frame.m_output.Print(nullptr);
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
  EXPECT_TRUE(prompts.printDialogs.empty());
  EXPECT_EQ(printer->pagesStarted, 0);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ResultOutputTest, ACancelledPrintDialogPrintsNothing) {
  frame.m_output.m_usernameDlg.m_userName = "Ada";
  frame.m_output.Print(&sheet);
  EXPECT_EQ(prompts.printDialogs.size(), 1u);
  EXPECT_EQ(sheet.drawn, 0);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(views.savedImages.empty());
}

TEST_F(ResultOutputTest, TheGraphPrintsInBlackAndLeavesItsPictureInTheDatabaseFolder) {
  OpenDatabase();
  frame.m_output.m_usernameDlg.m_userName = "Ada";
  AddSpectrum(0);
  frame.Execute(kIdResetGraph);
  const auto printer = AddPrinter();
  ASSERT_TRUE(frame.Execute(kIdPrint));
  EXPECT_TRUE(IsCommandAvailable(kIdPrint));

  const auto curves = printer->canvas.Polylines();
  ASSERT_FALSE(curves.empty());
  for (const auto& curve : curves) {
    EXPECT_EQ(curve.pen.colour, (Rgb{0, 0, 0}));
  }
  EXPECT_EQ(sheet.drawn, 0);
  const std::string picture = dir.Path("temp.bmp");
  EXPECT_EQ(views.savedImages, std::vector<std::string>{picture});
  EXPECT_TRUE(fs::exists(picture));
  EXPECT_TRUE(printer->documentEnded);
}

TEST_F(ResultOutputTest, ThePicturePrintingWroteGoesWithTheFrame) {
  const std::string picture = dir.Path("temp.bmp");
  const std::string unrelated = dir.Write("other.bmp", "BM");
  {
    FakeViews ownViews;
    CMainFrame printing(prompts, ownViews);
    printing.Execute(kIdFileNew);
    prompts.fileAnswers.push_back(dir.Write("test.db", "[Spectra]\nNumber = 0\n"));
    printing.Execute(kIdOpenDatabase);
    printing.m_output.m_usernameDlg.m_userName = "Ada";
    AddPrinter();
    printing.Execute(kIdPrint);
    ASSERT_TRUE(fs::exists(picture));
  }
  EXPECT_FALSE(fs::exists(picture));
  EXPECT_TRUE(fs::exists(unrelated));
}

TEST_F(ResultOutputTest, APrinterThatFailsGivesTheMessage) {
  frame.m_output.m_usernameDlg.m_userName = "Ada";
  for (const auto step : {FakePrinter::Step::StartDocument, FakePrinter::Step::StartPage,
                          FakePrinter::Step::EndPage, FakePrinter::Step::EndDocument}) {
    prompts.messages.clear();
    const auto printer = AddPrinter();
    printer->failAt = step;
    frame.m_output.Print(&sheet);
    ASSERT_EQ(prompts.messages.size(), 1u) << static_cast<int>(step);
    EXPECT_EQ(prompts.messages[0].text, "Unable to print the results");
    EXPECT_EQ(prompts.messages[0].caption, "Printer Section");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(printer->documentEnded);
    EXPECT_TRUE(printer->abandoned);
  }
  // Nothing is drawn on a document or page that did not start.
  EXPECT_EQ(sheet.drawn, 2);
}

TEST_F(ResultOutputTest, AReportFillsTheTemplateWithTheModuleResults) {
  const std::string report = ScriptReport(" lang=\"en\">\n"
                                          "<td>d_a_t_a_3_</td>\n"
                                          "<td>i_n_p_u_t_0_</td>\n"
                                          "<p>o_p_e_r</p>\n"
                                          "<p>d_a_t_e</p>\n"
                                          "<v:shapetype>spectrum.gif\n"
                                          "</html>\n");
  frame.m_output.WriteReport(sheet);

  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CUsername"});
  ASSERT_EQ(prompts.fileDialogs.size(), 2u);
  const FileDialogRequest& open = prompts.fileDialogs[0];
  EXPECT_EQ(open.filter, "HTML Template files (*.htmt)|*.htmt|All files (*.*)|*.*||");
  EXPECT_EQ(open.defaultExtension, "htmt");
  EXPECT_EQ(open.initialName, "*.htmt");
  const FileDialogRequest& save = prompts.fileDialogs[1];
  EXPECT_EQ(save.filter, "HTML file (*.html)|*.html|All files (*.*)|*.*||");
  EXPECT_EQ(save.defaultExtension, "html");
  EXPECT_EQ(save.initialName, "*.html");
  EXPECT_TRUE(save.promptOverwrite);

  const std::string text = TempDir::Read(report);
  const std::string body =
      ReportHeader() + " lang=\"en\">\n<td>13.5000</td>\n<td>Fluorescein</td>\n";
  ASSERT_EQ(text.substr(0, body.size()), body);
  const std::regex dated(R"(<p>Ada</p>\n<p>[A-Z][a-z]{2} [A-Z][a-z]{2} [ 1-3][0-9] )"
                         R"([0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n</p>\n)");
  EXPECT_TRUE(std::regex_search(text, dated)) << text;
  EXPECT_NE(text.find("<v:imagedata src=\"results_spectrum.bmp\"/> </v:shape><![if !vml]><img "),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 8), "</html>\n");

  // The graph picture lies beside the report, where the report points.
  EXPECT_EQ(views.savedImages, std::vector<std::string>{dir.Path("results_spectrum.bmp")});
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Please note:  Make sure that you open your report", 0),
            0u);
  EXPECT_EQ(prompts.messages[0].caption, kApplicationTitle);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
}

TEST_F(ResultOutputTest, AReportAsksForTheNameEveryTimeShowingTheLastOne) {
  ScriptReport("o_p_e_r\n", "Ada");
  frame.m_output.WriteReport(sheet);
  prompts.dialogScripts.push_back([](CDialogModel& dialog) {
    EXPECT_EQ(static_cast<CUsername&>(dialog).m_userName, "Ada");
    static_cast<CUsername&>(dialog).m_userName = "Grace";
    return kResultOk;
  });
  prompts.fileAnswers.push_back(dir.Path("forster.htmt"));
  const std::string second = dir.Path("second.html");
  prompts.fileAnswers.push_back(second);
  frame.m_output.WriteReport(sheet);
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
  EXPECT_EQ(TempDir::Read(second), ReportHeader() + "Grace\n");
  // Printing afterwards does not ask again.
  AddPrinter();
  frame.m_output.Print(&sheet);
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
}

TEST_F(ResultOutputTest, EmptySlotsAndModulesWithoutResultsLeaveNothing) {
  sheet.block.numbers[3] = kNoReportNumber;
  sheet.block.texts[1] = kNoReportText;
  const std::string report = ScriptReport("[d_a_t_a_3_]\n[i_n_p_u_t_1_]\n[d_a_t_a_12]\n");
  frame.m_output.WriteReport(sheet);
  EXPECT_EQ(TempDir::Read(report), ReportHeader() + "[]\n[]\n[]\n");

  // The data information editor's block (code 6) and a module without results are empty.
  for (const int code : {6, 1}) {
    const std::string empty = ScriptReport("[d_a_t_a_0_]\n[i_n_p_u_t_0_]\n");
    frame.m_output.WriteReport(code, ReportBlock{});
    EXPECT_EQ(TempDir::Read(empty), ReportHeader() + "[]\n[]\n") << code;
  }
}

TEST_F(ResultOutputTest, TheStructurePlaceholderShowsTheLastSelectedSpectrumsRecord) {
  OpenDatabase();
  AddSpectrum(1);
  const std::string report = ScriptReport("<v:shapetype>structure.gif\n");
  frame.m_output.WriteReport(1, ReportBlock{});
  const std::string text = TempDir::Read(report);
  const std::string picture = "file://" + dir.Path("fluorescein.str.bmp");
  EXPECT_NE(text.find("<v:imagedata src=\"" + picture + "\"/>"), std::string::npos) << text;
  EXPECT_NE(text.find("<img width=\"239\" height=\"197\" src=\"" + picture + "\""),
            std::string::npos);
  EXPECT_EQ(frame.m_database.m_currentRecord, 1);

  // A spectrum from a plain file has no record and so no structure.
  AddSpectrum(0);
  const std::string plain = ScriptReport("<v:shapetype>structure.gif\n");
  frame.m_output.WriteReport(1, ReportBlock{});
  EXPECT_NE(TempDir::Read(plain).find("<v:imagedata src=\"\"/>"), std::string::npos);
}

// The file an image address of a report names: a file address names its path, any other
// address a path from the report's folder.
fs::path PictureOf(const std::string& address, const fs::path& reportFolder) {
  std::string path;
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (address[i] == '%' && i + 2 < address.size()) {
      path += static_cast<char>(std::stoi(address.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      path += address[i];
    }
  }
  const std::string file = "file://";
  return path.rfind(file, 0) == 0 ? fs::path(path.substr(file.size())) : reportFolder / path;
}

TEST_F(ResultOutputTest, EveryPictureOfAReportOpensWhereverTheReportIsSaved) {
  const fs::path start = fs::current_path();
  fs::create_directories(dir.Path("Molecule Database"));
  fs::create_directories(dir.Path("elsewhere"));
  dir.Write("Molecule Database/test.db", "[Spectra]\nNumber = 1\n\n[1 Absorption]\n"
                                         "Name = Eosin Y\nStructure = Eosin Y.str.bmp\n");
  for (const char* name : {"Eosin Y.str.bmp", "Fluorescein.str.bmp"}) {
    dir.Write(std::string("Molecule Database/") + name, "BM");
  }
  // The database and the Forster spectra are named from the program's folder.
  fs::current_path(dir.Path(""));
  prompts.fileAnswers.push_back("Molecule Database/test.db");
  frame.Execute(kIdOpenDatabase);
  EXPECT_TRUE(fs::path(frame.m_database.m_databaseFolder).is_absolute())
      << frame.m_database.m_databaseFolder;
  EXPECT_EQ(frame.m_database.m_databaseFolder, dir.Path("Molecule Database/"));
  AddSpectrum(1);
  sheet.block.donorPicture = "Molecule Database/Fluorescein.str.bmp";
  sheet.block.acceptorPicture = "Molecule Database/../Molecule Database/Eosin Y.str.bmp";
  const std::string report = dir.Path("elsewhere/my report.html");
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(dir.Write("forster.htmt", "<v:shapetype>donor.gif\n"
                                                          "<v:shapetype>acceptor.gif\n"
                                                          "<v:shapetype>spectrum.gif\n"
                                                          "<v:shapetype>structure.gif\n"));
  prompts.fileAnswers.push_back(report);
  frame.m_output.WriteReport(sheet);
  // The report is read from another folder than the one it was written from.
  fs::current_path(start);

  const std::string text = TempDir::Read(report);
  const std::regex source("src=\"([^\"]*)\"");
  std::vector<std::string> addresses;
  for (auto found = std::sregex_iterator(text.begin(), text.end(), source);
       found != std::sregex_iterator(); ++found) {
    addresses.push_back((*found)[1].str());
  }
  // Each of the four pictures in its VML shape and its standard image.
  ASSERT_EQ(addresses.size(), 8u) << text;
  for (const std::string& address : addresses) {
    EXPECT_TRUE(fs::is_regular_file(PictureOf(address, dir.Path("elsewhere")))) << address;
  }
  EXPECT_NE(text.find("Fluorescein.str.bmp"), std::string::npos);
  EXPECT_EQ(text.find(".."), std::string::npos);
}

TEST_F(ResultOutputTest, AGraphPictureThatCannotBeSavedSaysSo) {
  const std::string report = ScriptReport("<v:shapetype>spectrum.gif\n");
  views.failImageSave = true;
  frame.m_output.WriteReport(sheet);
  EXPECT_TRUE(fs::exists(report));
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text,
            "The report was written, but its graph picture could not be saved as " +
                dir.Path("results_spectrum.bmp") + ".");
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(prompts.messages[1].text.rfind("Please note:", 0), 0u);
}

TEST_F(ResultOutputTest, CancellingAnyStepWritesNoReport) {
  // The name.
  prompts.dialogScripts.push_back(TypeName("Ada", kResultCancel));
  frame.m_output.WriteReport(sheet);
  EXPECT_TRUE(prompts.fileDialogs.empty());
  // The template.
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(std::nullopt);
  frame.m_output.WriteReport(sheet);
  EXPECT_EQ(prompts.fileDialogs.size(), 1u);
  // The report.
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(dir.Write("forster.htmt", "o_p_e_r\n"));
  prompts.fileAnswers.push_back(std::nullopt);
  frame.m_output.WriteReport(sheet);
  EXPECT_EQ(prompts.fileDialogs.size(), 3u);
  // The file name left as the pattern.
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(dir.Path("forster.htmt"));
  prompts.fileAnswers.push_back("*.html");
  frame.m_output.WriteReport(sheet);

  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(views.savedImages.empty());
  EXPECT_FALSE(fs::exists("*.html"));
}

TEST_F(ResultOutputTest, AReportThatCannotBeWrittenSaysSo) {
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(dir.Write("forster.htmt", "o_p_e_r\n"));
  const std::string report = dir.Path("missing/results.html");
  prompts.fileAnswers.push_back(report);
  frame.m_output.WriteReport(sheet);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Unable to create the report file.\n", 0), 0u);
  EXPECT_NE(prompts.messages[0].text.find(report), std::string::npos);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(fs::exists(report));
  EXPECT_TRUE(views.savedImages.empty());
}

TEST_F(ResultOutputTest, ATemplateThatCannotBeReadOrWouldBeOverwrittenStopsTheReport) {
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(dir.Path("gone.htmt"));
  prompts.fileAnswers.push_back(dir.Path("results.html"));
  frame.m_output.WriteReport(sheet);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Unable to open the report template.\n", 0), 0u);
  EXPECT_FALSE(fs::exists(dir.Path("results.html")));

  const std::string templatePath = dir.Write("forster.htmt", "o_p_e_r\n");
  prompts.dialogScripts.push_back(TypeName("Ada"));
  prompts.fileAnswers.push_back(templatePath);
  prompts.fileAnswers.push_back(templatePath);
  frame.m_output.WriteReport(sheet);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].text,
            "The report cannot replace its own template.  Please choose another file name for "
            "the report.");
  EXPECT_EQ(TempDir::Read(templatePath), "o_p_e_r\n");
  EXPECT_TRUE(views.savedImages.empty());
}

} // namespace
} // namespace lumivex
