#include "database/StructureDlg.h"
#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "core/Bitmap.h"
#include "database/DatabaseRecord.h"
#include "ui/CommandIds.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::TempDir;

DatabaseRecord Named(const std::string& name, const std::string& cls = "") {
  DatabaseRecord record;
  record.absName = name;
  record.absClass = cls;
  return record;
}

class StructureDlgTest : public ::testing::Test {
protected:
  StructureDlgTest() : frame(prompts, views), list(frame.m_databaseList) { frame.Startup(); }

  // Writes a database whose header holds `count`; records[i] becomes record i + 1, and
  // records past the vector's end are absent from the file.
  std::string WriteDatabase(const std::string& name, int count,
                            const std::vector<DatabaseRecord>& records) {
    std::string text = "[Spectra]\nNumber = " + std::to_string(count) + "\n\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
      WriteRecord(text, static_cast<int>(i) + 1, records[i]);
    }
    return dir.Write(name, text);
  }

  // Opens `path` through the Open Database command's file dialog.
  void OpenDatabase(const std::string& path) {
    prompts.fileAnswers.push_back(path);
    frame.Execute(kIdOpenDatabase);
  }

  // The listed names in display order.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const DatabaseListEntry& entry : list.Entries()) {
      names.push_back(entry.name);
    }
    return names;
  }

  std::vector<int> Records() const {
    std::vector<int> records;
    for (const DatabaseListEntry& entry : list.Entries()) {
      records.push_back(entry.record);
    }
    return records;
  }

  // Runs "Classes", choosing the classes at the given positions of the dialog and
  // answering `button`.
  void ChooseClasses(const std::vector<std::size_t>& positions, int button = kResultOk) {
    prompts.dialogScripts.push_back([positions, button](CDialogModel& model) {
      auto& dialog = static_cast<CSortDB&>(model);
      for (std::size_t position : positions) {
        dialog.m_chosen.at(position) = true;
      }
      return button;
    });
    list.OnClasses();
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
  CStructureDlg& list;
};

TEST_F(StructureDlgTest, FillingStopsAtTheFirstNamelessRecordWhileTheTotalShowsTheHeaderCount) {
  const std::string path = WriteDatabase("three.db", 3, {Named("Perylene")});
  OpenDatabase(path);
  EXPECT_EQ(list.Entries(), (std::vector<DatabaseListEntry>{{"Perylene", 1}}));
  EXPECT_EQ(list.TotalNumber(), "3");
  EXPECT_EQ(list.Path(), path);
  EXPECT_EQ(list.Folder(), dir.Path(""));

  // A record after the gap is not listed either.
  std::string text = "[Spectra]\nNumber = 3\n\n";
  WriteRecord(text, 1, Named("One"));
  WriteRecord(text, 3, Named("Three"));
  OpenDatabase(dir.Write("gap.db", text));
  EXPECT_EQ(Names(), std::vector<std::string>{"One"});
  EXPECT_EQ(list.TotalNumber(), "3");

  OpenDatabase(WriteDatabase("all.db", 2, {Named("A"), Named("B")}));
  EXPECT_EQ(Records(), (std::vector<int>{1, 2}));
  EXPECT_EQ(list.TotalNumber(), "2");
}

TEST_F(StructureDlgTest, AlphabeticalOrdersIgnoringCaseAndSelectionFollowsTheRecord) {
  // Without a current database the buttons do nothing.
  frame.m_database.m_databasePath.clear();
  list.OnAlphabetical();
  list.OnReset();
  list.OnSaveList();
  EXPECT_TRUE(list.Entries().empty());
  EXPECT_TRUE(prompts.fileDialogs.empty());

  DatabaseRecord alpha = Named("Alpha");
  alpha.emsFile = "alpha.ems.txt";
  dir.Write("alpha.ems.txt", "500 1\n501 3\n502 2\n");
  OpenDatabase(
      WriteDatabase("names.db", 4, {Named("beta"), alpha, Named("gamma"), Named("ALPHA")}));
  list.OnAlphabetical();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "ALPHA", "beta", "gamma"}));
  EXPECT_EQ(Records(), (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(list.TotalNumber(), "4");

  list.Select(0);
  list.OnEmission();
  EXPECT_EQ(frame.m_database.m_databaseRecord, 2);
  ASSERT_EQ(frame.m_pData->Count(), 1);
  EXPECT_EQ(frame.m_pData->At(0)->m_name, "Alpha");
  EXPECT_EQ(frame.m_pData->At(0)->m_recordNumber, 2);
  EXPECT_EQ(frame.m_pData->At(0)->m_kind, SpectrumKind::Emission);

  list.OnReset();
  EXPECT_EQ(Records(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list.Selected(), -1);
}

TEST_F(StructureDlgTest, ClassesGroupTheChosenClassesInSortedOrderIgnoringCase) {
  OpenDatabase(WriteDatabase("classes.db", 6,
                             {Named("d1", "Dyes"), Named("a1", "aromatics"), Named("d2", "dyes"),
                              Named("n1", ""), Named("a2", "Aromatics"), Named("d3", "DYES")}));
  ChooseClasses({1, 2});
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CSortDB"});
  EXPECT_EQ(list.SortDialog().m_classes, (std::vector<std::string>{"", "aromatics", "Dyes"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"a1", "a2", "d1", "d2", "d3"}));
  EXPECT_EQ(Records(), (std::vector<int>{2, 5, 1, 3, 6}));
  EXPECT_EQ(list.TotalNumber(), "5");

  // The dialog opens with nothing chosen; the empty class is a class of its own.
  ChooseClasses({0});
  EXPECT_EQ(Records(), std::vector<int>{4});
  EXPECT_EQ(list.TotalNumber(), "1");

  // Cancelling leaves the list and the total as they were.
  ChooseClasses({1, 2}, kResultCancel);
  EXPECT_EQ(Records(), std::vector<int>{4});
  EXPECT_EQ(list.TotalNumber(), "1");

  // Choosing nothing matches nothing: the list is emptied.
  ChooseClasses({});
  EXPECT_TRUE(list.Entries().empty());
  EXPECT_EQ(list.TotalNumber(), "0");
}

TEST_F(StructureDlgTest, AHugeHeaderCountListsAndClassifiesOnlyTheRecordsInTheFile) {
  for (const int header : {2147483647, 10000000}) {
    OpenDatabase(WriteDatabase(std::to_string(header) + ".db", header,
                               {Named("Perylene", "PAH"), Named("Eosin", "Dyes")}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Perylene", "Eosin"})) << header;
    EXPECT_EQ(list.TotalNumber(), std::to_string(header));
    ChooseClasses({0, 1});
    EXPECT_EQ(list.SortDialog().m_classes, (std::vector<std::string>{"Dyes", "PAH"})) << header;
    EXPECT_EQ(Records(), (std::vector<int>{2, 1})) << header;
  }
}

TEST_F(StructureDlgTest, TablesHoldEveryRecordAndClassOfALargeDatabase) {
  std::vector<DatabaseRecord> records;
  for (int i = 0; i < 620; ++i) {
    records.push_back(Named("n" + std::to_string(1000 - i), "c" + std::to_string(100 + i % 60)));
  }
  OpenDatabase(WriteDatabase("large.db", 620, records));
  ASSERT_EQ(list.Entries().size(), 620u);
  list.OnAlphabetical();
  EXPECT_EQ(list.Entries().front(), (DatabaseListEntry{"n1000", 1}));
  EXPECT_EQ(list.Entries().back(), (DatabaseListEntry{"n999", 2}));

  std::vector<std::size_t> all(60);
  for (std::size_t i = 0; i < all.size(); ++i) {
    all[i] = i;
  }
  ChooseClasses(all);
  EXPECT_EQ(list.SortDialog().m_classes.size(), 60u);
  EXPECT_EQ(list.Entries().size(), 620u);
  EXPECT_EQ(list.TotalNumber(), "620");
  EXPECT_EQ(list.Entries()[10].record, 601); // class c100 holds records 1, 61, ..., 601
  EXPECT_EQ(list.Entries()[11].record, 2);
}

TEST_F(StructureDlgTest, SaveListWritesTheListedNamesOnePerLine) {
  OpenDatabase(WriteDatabase("save.db", 3, {Named("beta"), Named("Alpha"), Named("gamma")}));
  list.OnAlphabetical();
  const std::string out = dir.Path("names.txt");
  prompts.fileAnswers.push_back(out);
  list.OnSaveList();
  EXPECT_EQ(TempDir::Read(out), "Alpha\nbeta\ngamma\n");
  const FileDialogRequest& request = prompts.fileDialogs.back();
  EXPECT_EQ(request.defaultExtension, "txt");
  EXPECT_EQ(request.initialName, "*.txt");
  EXPECT_EQ(request.filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*||");
  EXPECT_TRUE(request.promptOverwrite);

  // Cancelling or confirming the bare pattern writes nothing.
  list.OnReset();
  prompts.fileAnswers.push_back(std::nullopt);
  list.OnSaveList();
  prompts.fileAnswers.push_back("*.txt");
  list.OnSaveList();
  EXPECT_EQ(TempDir::Read(out), "Alpha\nbeta\ngamma\n");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StructureDlgTest, SaveListThatCannotBeWrittenSaysSo) {
  OpenDatabase(WriteDatabase("save.db", 1, {Named("Alpha")}));
  const std::string out = dir.Path("missing/names.txt");
  prompts.fileAnswers.push_back(out);
  list.OnSaveList();
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Unable to save the list.\n", 0), 0u);
  EXPECT_NE(prompts.messages[0].text.find(out), std::string::npos);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
}

TEST_F(StructureDlgTest, PopupGreysTheSpectrumItemsWhoseFilesAreMissing) {
  DatabaseRecord all = Named("all");
  all.absFile = "a.abs.txt";
  all.emsFile = "a.ems.txt";
  all.lsFile = "a.els.txt";
  DatabaseRecord noEmission = all;
  noEmission.absName = "noEmission";
  noEmission.emsFile = "";
  OpenDatabase(WriteDatabase("popup.db", 3, {all, noEmission, Named("none")}));
  EXPECT_TRUE(list.ShowSelected().empty());

  const auto enabled = [this](int position) {
    list.Select(position);
    std::vector<bool> flags;
    for (const PopupMenuItem& item : list.ShowSelected()) {
      flags.push_back(item.enabled);
    }
    return flags;
  };
  list.Select(0);
  const std::vector<PopupMenuItem> items = list.ShowSelected();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].text, "Absorption");
  EXPECT_EQ(items[1].text, "Emission");
  EXPECT_EQ(items[2].text, "Light Sources");
  EXPECT_EQ(items[3].text, "List Data");
  // "List Data" stays enabled: without files it does nothing.
  EXPECT_EQ(enabled(0), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(enabled(1), (std::vector<bool>{true, false, true, true}));
  EXPECT_EQ(frame.m_database.m_databaseRecord, 2);
  EXPECT_EQ(enabled(2), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(frame.m_database.m_databaseRecord, 3);

  // Without a selection the spectrum items do nothing.
  list.Select(7);
  list.OnAbsorption();
  list.OnLightSources();
  EXPECT_EQ(frame.m_pData->Count(), 0);
}

TEST_F(StructureDlgTest, ChoosingARecordShowsItsStructureAndRedrawStructureFollowsTheDataFile) {
  DatabaseRecord pictured = Named("Pyrene");
  pictured.absStructure = "pyrene.str.bmp";
  pictured.absFile = "pyrene.abs.txt";
  const RgbImage picture{3, 2, std::vector<Rgb>(6, Rgb{200, 10, 10})};
  ASSERT_TRUE(WriteBmp(dir.Path("pyrene.str.bmp"), picture).ok);
  dir.Write("pyrene.abs.txt", "300\t0.1\n301\t0.2\n302\t0.1\n");
  OpenDatabase(WriteDatabase("pictures.db", 2, {pictured, Named("Unpictured")}));
  EXPECT_EQ(list.Structure(), StructureView::Blank);

  list.Select(0);
  static_cast<void>(list.ShowSelected());
  EXPECT_EQ(list.Structure(), StructureView::Picture);
  test::RecordingCanvas canvas;
  list.PaintStructure(canvas);
  const std::vector<test::CanvasOp> drawn = canvas.OpsOfKind(test::CanvasOpKind::StretchImage);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].image.pixels, picture.pixels);
  const int repaints = views.structureChanged;

  list.Select(1);
  static_cast<void>(list.ShowSelected());
  EXPECT_EQ(list.Structure(), StructureView::NoStructure);
  EXPECT_EQ(views.structureChanged, repaints + 1);

  // Redraw Structure wants a selected spectrum, and shows the picture of the last one.
  ASSERT_TRUE(frame.Execute(kIdRedrawStructure));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "One and only one file needed.");
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);

  list.Select(0);
  list.OnAbsorption();
  ASSERT_EQ(frame.m_pData->Count(), 1);
  frame.m_pData->At(0)->m_recordNumber = 1;
  CSpectrum* plain = frame.m_pData->AppendSpectrum(
      std::make_unique<CSpectrum>(test::MakeSpectrum(400.0f, 1.0f, 3, [](float) { return 1.0f; })));
  ASSERT_NE(plain, nullptr);
  frame.m_fileList.AddEntry("plain", 1);
  frame.m_fileList.SetSelected(0, true);
  frame.m_fileList.SetSelected(1, false);
  ASSERT_TRUE(frame.Execute(kIdRedrawStructure));
  EXPECT_EQ(list.Structure(), StructureView::Picture);
  // The lower of two selected entries decides; a plain file has no record, so no picture.
  frame.m_fileList.SetSelected(1, true);
  ASSERT_TRUE(frame.Execute(kIdRedrawStructure));
  EXPECT_EQ(list.Structure(), StructureView::NoStructure);
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(StructureDlgTest, CancellingOpenDatabaseKeepsTheCurrentDatabase) {
  const std::string path = WriteDatabase("keep.db", 1, {Named("Kept")});
  OpenDatabase(path);
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "db");
  EXPECT_EQ(prompts.fileDialogs[0].initialName, "");
  EXPECT_EQ(prompts.fileDialogs[0].filter, "Database files (*.db)|*.db|All files (*.*)|*.*||");

  prompts.fileAnswers.push_back(std::nullopt);
  frame.Execute(kIdOpenDatabase);
  prompts.fileAnswers.push_back(std::string());
  frame.Execute(kIdOpenDatabase);
  EXPECT_EQ(frame.m_database.m_databasePath, path);
  EXPECT_EQ(frame.m_database.m_databaseFolder, dir.Path(""));
  EXPECT_EQ(Names(), std::vector<std::string>{"Kept"});
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StructureDlgTest, StartupListsTheMasterMoleculeDatabase) {
  std::filesystem::create_directories(dir.Path("Molecule Database"));
  WriteDatabase("Molecule Database/MOLECULE_db.db", 2, {Named("Perylene"), Named("Coumarin")});
  FakeViews startViews;
  CMainFrame started(prompts, startViews);
  started.m_folders.program = dir.Path("");
  started.Startup();
  ASSERT_EQ(started.m_databaseList.Entries().size(), 2u);
  EXPECT_EQ(started.m_databaseList.Entries()[1].name, "Coumarin");
  EXPECT_EQ(started.m_databaseList.TotalNumber(), "2");
  EXPECT_EQ(started.m_database.m_databasePath, dir.Path("Molecule Database/MOLECULE_db.db"));
  EXPECT_EQ(startViews.created, 1);
  EXPECT_GE(startViews.databaseListChanged, 1);
  EXPECT_TRUE(prompts.fileDialogs.empty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StructureDlgTest, MasterDatabasesComeFromTheProgramFolder) {
  frame.m_folders.program = dir.Path("");
  // Not installed: an empty list, the total 0, no message.
  frame.Execute(kIdOpenMasterMolecule);
  EXPECT_TRUE(list.Entries().empty());
  EXPECT_EQ(list.TotalNumber(), "0");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(prompts.fileDialogs.empty());

  std::filesystem::create_directories(dir.Path("Molecule Database"));
  std::filesystem::create_directories(dir.Path("Solar Database"));
  WriteDatabase("Molecule Database/MOLECULE_db.db", 1, {Named("Perylene")});
  WriteDatabase("Solar Database/SOLAR_db.db", 1, {Named("Noon")});
  frame.Execute(kIdOpenMasterMolecule);
  EXPECT_EQ(Names(), std::vector<std::string>{"Perylene"});
  EXPECT_EQ(frame.m_database.m_databaseFolder, dir.Path("Molecule Database/"));

  frame.Execute(kIdOpenMasterSolar);
  EXPECT_EQ(Names(), std::vector<std::string>{"Noon"});
  EXPECT_EQ(frame.m_database.m_databasePath, dir.Path("Solar Database/SOLAR_db.db"));
  EXPECT_TRUE(prompts.fileDialogs.empty());
}

} // namespace
} // namespace lumivex
