#include "database/Wizard.h"

#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "ui/CommandIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::FakePrompts;
using test::FakeViews;
using test::TempDir;

// Prompts that also note which kind of file dialog was shown.
class WizardPrompts : public FakePrompts {
public:
  std::vector<std::string> fileDialogKinds; ///< "open" or "save", in order

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    fileDialogKinds.emplace_back("open");
    return FakePrompts::OpenFile(request);
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    fileDialogKinds.emplace_back("save");
    return FakePrompts::SaveFile(request);
  }
};

// "Database Wizard Select" answered with one of its radio buttons.
FakePrompts::DialogScript Choose(int choice) {
  return [choice](CDialogModel& dialog) {
    EXPECT_STREQ(dialog.ClassName(), "CWizChoose");
    static_cast<CWizChoose&>(dialog).m_choice = choice;
    return static_cast<int>(kResultOk);
  };
}

// The wizard filled in by `fill`, then Finish; a refused Finish cancels.
FakePrompts::DialogScript FillAndFinish(std::function<void(CWizard&)> fill) {
  return [fill = std::move(fill)](CDialogModel& dialog) {
    EXPECT_STREQ(dialog.ClassName(), "CWizard");
    auto& wizard = static_cast<CWizard&>(dialog);
    fill(wizard);
    return static_cast<int>(wizard.OnFinish() ? kResultOk : kResultCancel);
  };
}

constexpr const char* kEosinRecord = "[1 Absorption]\n"
                                     "Name = Eosin Y\n"
                                     "Class = Dye\n"
                                     "Instrument = Cary 5000\n"
                                     "Solvent = water\n"
                                     "Epsilon = 95000.000000\n"
                                     "Wavelength = 517.000000\n"
                                     "Reference = Seybold 1969\n"
                                     "Date = 2021-05-04\n"
                                     "File = eosin.abs.txt\n"
                                     "Inv = A. Smith\n"
                                     "Structure = \n"
                                     "[1 Emission]\n"
                                     "Instrument = FluoroMax\n"
                                     "Solvent = water\n"
                                     "QuantumYield = 0.670000\n"
                                     "Reference = \n"
                                     "Date = \n"
                                     "File = eosin.ems.txt\n"
                                     "Inv = \n"
                                     "Provided = Photochemistry Lab\n"
                                     "Notes = pH 9\\nback\\\\slash\n"
                                     "[1 LightSource]\n"
                                     "File = \n"
                                     "Cloud = \n"
                                     "Date = \n"
                                     "Instrument = \n"
                                     "Inv = \n"
                                     "Location = \n"
                                     "Ref = \n"
                                     "Time = \n"
                                     "\n";

class WizardCommandTest : public ::testing::Test {
protected:
  WizardCommandTest() : frame(prompts, views) {}

  // The user's record: an absorption file from elsewhere, an emission file already beside
  // the database, and the values of pages 2 to 4.
  void FillEosin(CWizard& wizard) {
    prompts.fileAnswers.push_back(absorption);
    EXPECT_TRUE(wizard.OnOpenFile(WizardFileKind::Absorption));
    prompts.fileAnswers.push_back(emission);
    EXPECT_TRUE(wizard.OnOpenFile(WizardFileKind::Emission));
    CWizardTabCtrl& tabs = wizard.m_tabs;
    tabs.m_tab2.m_name = "Eosin Y";
    tabs.m_tab2.m_class = "Dye";
    tabs.m_tab2.m_provided = "Photochemistry Lab";
    tabs.m_tab2.m_notes = "pH 9\nback\\slash";
    tabs.m_tab3.m_reference = "Seybold 1969";
    tabs.m_tab3.m_instrument = "Cary 5000";
    tabs.m_tab3.m_solvent = "water";
    tabs.m_tab3.m_epsilon = "95000";
    tabs.m_tab3.m_wavelength = "517 nm";
    tabs.m_tab3.m_date = "2021-05-04";
    tabs.m_tab3.m_inv = "A. Smith";
    tabs.m_tab4.m_instrument = "FluoroMax";
    tabs.m_tab4.m_solvent = "water";
    tabs.m_tab4.m_quantumYield = "0.67";
  }

  // Runs Add Record to Database up to the wizard.
  void Start(int choice) {
    prompts.dialogScripts.push_back(Choose(choice));
    prompts.fileAnswers.push_back(db);
  }

  TempDir dir;
  TempDir elsewhere;
  std::string db = dir.Path("dyes.db");
  std::string absorption = elsewhere.Write("eosin.abs.txt", "500 0.1\n501 0.2\n");
  std::string emission = dir.Write("eosin.ems.txt", "520 1\n521 2\n");
  WizardPrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(WizardCommandTest, ANewDatabaseHoldsTheRecordExactlyAndTheFilesLieBesideIt) {
  Start(kIdCreateNewDatabase);
  prompts.dialogScripts.push_back(FillAndFinish([this](CWizard& w) { FillEosin(w); }));
  prompts.messageAnswers.push_back(kResultNo);
  ASSERT_TRUE(frame.Execute(kIdAddRecord));

  EXPECT_EQ(prompts.dialogsRun, (std::vector<std::string>{"CWizChoose", "CWizard"}));
  EXPECT_EQ(prompts.fileDialogKinds, (std::vector<std::string>{"save", "open", "open"}));
  const FileDialogRequest& request = prompts.fileDialogs.front();
  EXPECT_EQ(request.filter, "Database files (*.db)|*.db|All files (*.*)|*.*||");
  EXPECT_EQ(request.defaultExtension, "db");
  EXPECT_EQ(request.initialName, "*.db");
  EXPECT_TRUE(request.promptOverwrite);

  EXPECT_EQ(TempDir::Read(db), std::string("[Spectra]\nNumber = 1\n\n") + kEosinRecord);
  EXPECT_EQ(TempDir::Read(dir.Path("eosin.abs.txt")), "500 0.1\n501 0.2\n");

  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_EQ(prompts.messages[0].text, "Do you want to create another record in this database?");
  EXPECT_EQ(prompts.messages[0].caption, "Another Record?");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);
  // The wizard writes a database; it does not open it.
  EXPECT_TRUE(frame.m_database.m_databasePath.empty());
}

TEST_F(WizardCommandTest, AnotherRecordStartsWithTheValuesOfTheOneBefore) {
  Start(kIdCreateNewDatabase);
  prompts.dialogScripts.push_back(FillAndFinish([this](CWizard& w) { FillEosin(w); }));
  prompts.dialogScripts.push_back(FillAndFinish([](CWizard& w) {
    EXPECT_EQ(w.m_tabs.m_current, 0);
    EXPECT_EQ(w.m_tabs.m_tab2.m_name, "Eosin Y");
    EXPECT_EQ(w.m_tabs.m_tab3.m_epsilon, "95000");
    EXPECT_EQ(w.m_tabs.m_tab1.File(WizardFileKind::Absorption).name, "eosin.abs.txt");
    for (const std::vector<std::string>& preview : w.m_tabs.m_tab1.m_previews) {
      EXPECT_TRUE(preview.empty());
    }
    w.m_tabs.m_tab2.m_name = "Eosin B";
  }));
  prompts.messageAnswers = {kResultYes, kResultNo};
  frame.Execute(kIdAddRecord);

  const std::string text = TempDir::Read(db);
  std::string second = kEosinRecord;
  for (const std::string section : {"Absorption]", "Emission]", "LightSource]"}) {
    second.replace(second.find("[1 " + section), 3, "[2 ");
  }
  second.replace(second.find("Eosin Y"), 7, "Eosin B");
  EXPECT_EQ(text, std::string("[Spectra]\nNumber = 2\n\n") + kEosinRecord + second);
  EXPECT_EQ(prompts.messages.size(), 2U);
}

TEST_F(WizardCommandTest, AddingToAnExistingDatabaseAppendsTheNextRecord) {
  const std::string old = std::string("[Spectra]\nNumber = 1\n\n") + kEosinRecord;
  dir.Write("dyes.db", old);
  Start(kIdAddToExistingDatabase);
  prompts.dialogScripts.push_back(
      FillAndFinish([](CWizard& w) { w.m_tabs.m_tab2.m_name = "Rose"; }));
  frame.Execute(kIdAddRecord);

  EXPECT_EQ(prompts.fileDialogKinds, std::vector<std::string>{"open"});
  const std::string text = TempDir::Read(db);
  EXPECT_EQ(text.substr(0, 23), "[Spectra]\nNumber = 2\n\n[");
  EXPECT_EQ(text.substr(21, old.size() - 21), old.substr(21));
  EXPECT_NE(text.find("[2 Absorption]\nName = Rose\n"), std::string::npos);
  EXPECT_NE(text.find("[2 Emission]\n"), std::string::npos);
}

TEST_F(WizardCommandTest, CancellingAtAnyStepWritesNothing) {
  const auto run = [this](const std::function<void()>& script) {
    prompts = WizardPrompts();
    script();
    frame.Execute(kIdAddRecord);
    EXPECT_FALSE(fs::exists(db));
    EXPECT_FALSE(fs::exists(dir.Path("eosin.abs.txt")));
    EXPECT_TRUE(prompts.messages.empty());
  };
  // The choice cancelled: no file dialog.
  run([] {});
  EXPECT_TRUE(prompts.fileDialogs.empty());
  // OK without a choice.
  run([this] { prompts.dialogScripts.push_back(Choose(0)); });
  EXPECT_TRUE(prompts.fileDialogs.empty());
  // The database dialog cancelled, or confirmed with the pattern itself.
  run([this] { prompts.dialogScripts.push_back(Choose(kIdCreateNewDatabase)); });
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CWizChoose"});
  run([this] {
    prompts.dialogScripts.push_back(Choose(kIdCreateNewDatabase));
    prompts.fileAnswers.push_back("*.db");
  });
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CWizChoose"});
  // The wizard cancelled after files were chosen.
  run([this] {
    Start(kIdCreateNewDatabase);
    prompts.dialogScripts.push_back([this](CDialogModel& dialog) {
      FillEosin(static_cast<CWizard&>(dialog));
      return static_cast<int>(kResultCancel);
    });
  });
  EXPECT_EQ(prompts.dialogsRun, (std::vector<std::string>{"CWizChoose", "CWizard"}));
}

TEST_F(WizardCommandTest, AnEmptyNameKeepsTheWizardOpen) {
  Start(kIdCreateNewDatabase);
  prompts.dialogScripts.push_back([this](CDialogModel& dialog) {
    auto& wizard = static_cast<CWizard&>(dialog);
    FillEosin(wizard);
    wizard.m_tabs.m_tab2.m_name.clear();
    EXPECT_FALSE(wizard.OnFinish());
    EXPECT_FALSE(fs::exists(db));
    EXPECT_TRUE(wizard.m_values[0].empty());
    wizard.m_tabs.m_tab2.m_name = "Eosin Y";
    return static_cast<int>(wizard.OnFinish() ? kResultOk : kResultCancel);
  });
  frame.Execute(kIdAddRecord);

  ASSERT_EQ(prompts.messages.size(), 2U);
  EXPECT_EQ(prompts.messages[0].text, "A Compound or Light Source Name Must Be Given.");
  EXPECT_EQ(prompts.messages[0].caption, "Empty Value");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(TempDir::Read(db), std::string("[Spectra]\nNumber = 1\n\n") + kEosinRecord);
}

TEST_F(WizardCommandTest, AFileThatCannotBeCopiedIsReportedAndTheWizardOpensAgain) {
  Start(kIdCreateNewDatabase);
  prompts.dialogScripts.push_back(FillAndFinish([this](CWizard& w) {
    FillEosin(w);
    fs::remove(absorption);
  }));
  prompts.dialogScripts.push_back(FillAndFinish([this](CWizard& w) {
    EXPECT_EQ(w.m_tabs.m_tab2.m_name, "Eosin Y");
    EXPECT_FALSE(fs::exists(db));
    prompts.fileAnswers.push_back(elsewhere.Write("eosin.abs.txt", "500 0.1\n501 0.2\n"));
    EXPECT_TRUE(w.OnOpenFile(WizardFileKind::Absorption));
  }));
  frame.Execute(kIdAddRecord);

  EXPECT_EQ(prompts.dialogsRun, (std::vector<std::string>{"CWizChoose", "CWizard", "CWizard"}));
  ASSERT_EQ(prompts.messages.size(), 2U);
  EXPECT_NE(prompts.messages[0].text.find(absorption), std::string::npos);
  EXPECT_NE(prompts.messages[0].text.find("Nothing was written."), std::string::npos);
  EXPECT_EQ(prompts.messages[1].caption, "Another Record?");
  EXPECT_EQ(TempDir::Read(db), std::string("[Spectra]\nNumber = 1\n\n") + kEosinRecord);
  EXPECT_TRUE(fs::exists(dir.Path("eosin.abs.txt")));
}

TEST_F(WizardCommandTest, ADatabaseThatCannotBeWrittenEndsTheCommandWithAMessage) {
  fs::create_directories(db);
  Start(kIdAddToExistingDatabase);
  prompts.dialogScripts.push_back(FillAndFinish([this](CWizard& w) { FillEosin(w); }));
  frame.Execute(kIdAddRecord);

  EXPECT_EQ(prompts.dialogsRun, (std::vector<std::string>{"CWizChoose", "CWizard"}));
  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_NE(prompts.messages[0].text.find(db), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.Path("eosin.abs.txt")));
}

TEST_F(WizardCommandTest, ATypedPathChangesOnlyWhereTheFileIsCopiedFrom) {
  const std::string typed = elsewhere.Write("typed/other.abs.txt", "600 1\n601 1\n");
  Start(kIdCreateNewDatabase);
  prompts.dialogScripts.push_back(FillAndFinish([this, &typed](CWizard& w) {
    FillEosin(w);
    w.m_tabs.m_tab1.File(WizardFileKind::Absorption).path = typed;
    // Never chosen with its button, the light source names no file whatever is typed.
    w.m_tabs.m_tab1.File(WizardFileKind::LightSource).path = typed;
  }));
  frame.Execute(kIdAddRecord);

  const std::string text = TempDir::Read(db);
  EXPECT_NE(text.find("[1 Absorption]\n"), std::string::npos);
  EXPECT_NE(text.find("File = eosin.abs.txt\n"), std::string::npos);
  EXPECT_NE(text.find("[1 LightSource]\nFile = \n"), std::string::npos);
  EXPECT_EQ(TempDir::Read(dir.Path("eosin.abs.txt")), "600 1\n601 1\n");
  EXPECT_FALSE(fs::exists(dir.Path("other.abs.txt")));
}

class WizardModelTest : public ::testing::Test {
protected:
  TempDir dir;
  FakePrompts prompts;
  CWizard wizard{prompts};
};

TEST_F(WizardModelTest, PagesShowTheirTabsLabelsAndNotes) {
  const std::vector<std::string> tabs{"Upload Files", "Background Info", "Abs Info", "Ems Info",
                                      "LS Info"};
  std::set<int> items;
  std::vector<std::string> labels;
  for (int page = 0; page < CWizardTabCtrl::kPageCount; ++page) {
    EXPECT_EQ(wizard.m_tabs.Page(page).TabText(), tabs[static_cast<std::size_t>(page)]);
    for (const WizardField& field : wizard.m_tabs.Page(page).Fields()) {
      EXPECT_TRUE(items.insert(field.item).second) << field.item;
      EXPECT_TRUE(field.text->empty());
      labels.emplace_back(field.label);
    }
  }
  EXPECT_EQ(items.size(), 28U);
  EXPECT_EQ(*items.begin(), 1);
  EXPECT_EQ(*items.rbegin(), 28);
  EXPECT_EQ(labels[0], "Open Absorption File");
  EXPECT_EQ(labels[3], "Open Structure/Picture File");
  EXPECT_EQ(labels[4], "(5)  Name (Compound or Light Source):");
  EXPECT_EQ(labels[7], "(8)  Notes:");
  EXPECT_EQ(labels[12], "(13) Wavelength for Epsilon Value (nm):");
  EXPECT_EQ(labels[27], "(28)  Experimentalist:");
  EXPECT_TRUE(wizard.m_tabs.m_tab2.Fields()[3].multiLine);
  EXPECT_EQ(std::string(wizard.m_tabs.m_tab3.Notes().at(0)),
            "Note:  12 and 13 are required to perform calculations.");
  EXPECT_EQ(std::string(wizard.m_tabs.m_tab4.Notes().at(0)),
            "Note:  19 is required to perform calculations.");
  EXPECT_EQ(wizard.m_tabs.m_tab1.Notes().size(), 2U);

  // Text typed into an edit box is the page's member.
  *wizard.m_tabs.m_tab5.Fields()[6].text = "B. Jones";
  EXPECT_EQ(wizard.m_tabs.m_tab5.m_inv, "B. Jones");
}

TEST_F(WizardModelTest, APreviewShowsTheFirstDataLinesOfALongFile) {
  std::string text = "Dye in ethanol\n";
  for (std::size_t line = 0; line < kPreviewLines + 5; ++line) {
    text += std::to_string(300 + line) + " 0.5\n";
  }
  prompts.fileAnswers.push_back(dir.Write("long.abs.txt", text));
  ASSERT_TRUE(wizard.OnOpenFile(WizardFileKind::Absorption));
  const std::vector<std::string>& preview = wizard.m_tabs.m_tab1.m_previews[0];
  ASSERT_EQ(preview.size(), kPreviewLines);
  EXPECT_EQ(preview.front(), "300.000000    0.500000");
  EXPECT_EQ(preview.back(), std::to_string(300 + kPreviewLines - 1) + ".000000    0.500000");
}

TEST_F(WizardModelTest, FileButtonsKeepThePathItsFolderAndNameAndPreviewTheData) {
  const std::string path = dir.Write("dye.abs.txt", "Dye in ethanol\n400 0.5\n401\t0.25 x\n"
                                                    "402\n403 1e-3\n");
  prompts.fileAnswers.push_back(path);
  ASSERT_TRUE(wizard.OnOpenFile(WizardFileKind::Absorption));
  const WizardFile& file = wizard.m_tabs.m_tab1.File(WizardFileKind::Absorption);
  EXPECT_EQ(file.path, path);
  EXPECT_EQ(file.name, "dye.abs.txt");
  EXPECT_EQ(file.folder, dir.Path(""));
  EXPECT_EQ(wizard.m_tabs.m_tab1.m_previews[0],
            (std::vector<std::string>{"400.000000    0.500000", "401.000000    0.250000",
                                      "403.000000    0.001000"}));
  const FileDialogRequest& request = prompts.fileDialogs.back();
  EXPECT_EQ(
      request.filter,
      "Absorption files (*.abs.txt)|*.abs.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*||");
  EXPECT_EQ(request.defaultExtension, "txt");
  EXPECT_TRUE(request.initialName.empty());

  // One number per line previews nothing; a file that cannot be read previews nothing.
  prompts.fileAnswers.push_back(dir.Write("single.ems.txt", "500\n501\n"));
  ASSERT_TRUE(wizard.OnOpenFile(WizardFileKind::Emission));
  EXPECT_TRUE(wizard.m_tabs.m_tab1.m_previews[1].empty());
  prompts.fileAnswers.push_back(dir.Path("gone.els.txt"));
  ASSERT_TRUE(wizard.OnOpenFile(WizardFileKind::LightSource));
  EXPECT_TRUE(wizard.m_tabs.m_tab1.m_previews[2].empty());
  EXPECT_EQ(prompts.fileDialogs.back().filter,
            "Light Source files (*.els.txt)|*.els.txt|Text files (*.txt)|*.txt|All files "
            "(*.*)|*.*||");
  EXPECT_TRUE(prompts.messages.empty());

  // Cancelling or confirming the pattern keeps the earlier choice and its preview.
  prompts.fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(wizard.OnOpenFile(WizardFileKind::Absorption));
  prompts.fileAnswers.push_back("*.txt");
  EXPECT_FALSE(wizard.OnOpenFile(WizardFileKind::Absorption));
  EXPECT_EQ(file.path, path);
  EXPECT_EQ(wizard.m_tabs.m_tab1.m_previews[0].size(), 3U);

  // The structure picture has its own filter and pattern, and no preview.
  prompts.fileAnswers.push_back("*.bmp");
  EXPECT_FALSE(wizard.OnOpenFile(WizardFileKind::Structure));
  prompts.fileAnswers.push_back(dir.Path("dye.str.bmp"));
  EXPECT_TRUE(wizard.OnOpenFile(WizardFileKind::Structure));
  EXPECT_EQ(prompts.fileDialogs.back().filter,
            "Structure files (*.str.bmp)|*.str.bmp|All files (*.*)|*.*||");
  EXPECT_EQ(prompts.fileDialogs.back().defaultExtension, "bmp");
  EXPECT_EQ(wizard.m_tabs.m_tab1.File(WizardFileKind::Structure).name, "dye.str.bmp");

  // Opening the wizard again shows the first page with empty previews.
  wizard.m_tabs.m_current = 3;
  wizard.OnInitDialog();
  EXPECT_EQ(wizard.m_tabs.m_current, 0);
  EXPECT_TRUE(wizard.m_tabs.m_tab1.m_previews[0].empty());
  EXPECT_EQ(file.path, path);
}

TEST_F(WizardModelTest, FinishFillsTheValuesAndTheRecordReadsTheNumbers) {
  wizard.m_tabs.m_tab1.File(WizardFileKind::Structure) = {"/pictures/", "dye.str.bmp",
                                                          "/pictures/dye.str.bmp"};
  wizard.m_tabs.m_tab2.m_name = "Dye";
  wizard.m_tabs.m_tab3.m_epsilon = "  1.5e4 per M cm";
  wizard.m_tabs.m_tab3.m_wavelength = "about 350";
  wizard.m_tabs.m_tab4.m_quantumYield = "0.3";
  wizard.m_tabs.m_tab5.m_time = "noon";
  ASSERT_TRUE(wizard.OnFinish());
  EXPECT_EQ(wizard.m_values[0], "Dye");
  EXPECT_EQ(wizard.m_values[4], "  1.5e4 per M cm");
  EXPECT_EQ(wizard.m_values[10], "dye.str.bmp");
  EXPECT_EQ(wizard.m_values[27], "noon");

  const DatabaseRecord record = wizard.Record();
  EXPECT_EQ(record.absName, "Dye");
  EXPECT_EQ(record.absEpsilon, 15000.0f);
  EXPECT_EQ(record.absWavelength, 0.0f);
  EXPECT_EQ(record.emsQuantumYield, 0.3f);
  EXPECT_EQ(record.absStructure, "dye.str.bmp");
  EXPECT_EQ(record.lsTime, "noon");
  EXPECT_TRUE(record.absFile.empty());

  const std::vector<RecordFile> files = wizard.Files();
  ASSERT_EQ(files.size(), 4U);
  EXPECT_EQ(files[2].source, "/pictures/dye.str.bmp");
  EXPECT_EQ(files[2].name, "dye.str.bmp");
  EXPECT_TRUE(files[3].name.empty());
}

TEST_F(WizardModelTest, EnterTabsHelpAndTheChoice) {
  CWizardTabCtrl& tabs = wizard.m_tabs;
  EXPECT_EQ(tabs.m_tab1.EnterKey(1), WizardEnterKey::NextField);
  EXPECT_EQ(tabs.m_tab2.EnterKey(5), WizardEnterKey::NextField);
  EXPECT_EQ(tabs.m_tab2.EnterKey(8), WizardEnterKey::NewLine);
  EXPECT_EQ(tabs.m_tab3.EnterKey(12), WizardEnterKey::NextField);
  EXPECT_EQ(tabs.m_tab4.EnterKey(19), WizardEnterKey::NextField);
  EXPECT_EQ(tabs.m_tab5.EnterKey(22), WizardEnterKey::Finish);

  EXPECT_FALSE(tabs.OnTabClicked(0));
  EXPECT_TRUE(tabs.OnTabClicked(2));
  EXPECT_EQ(tabs.m_current, 2);
  EXPECT_FALSE(tabs.OnTabClicked(5));
  EXPECT_EQ(tabs.m_current, 2);

  wizard.OnHelp();
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108639});
  EXPECT_STREQ(wizard.ClassName(), "CWizard");
  EXPECT_STREQ(CWizChoose().ClassName(), "CWizChoose");
  EXPECT_EQ(CWizChoose().m_choice, 0);
}

} // namespace
} // namespace lumivex
