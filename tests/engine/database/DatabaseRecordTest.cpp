#include "database/DatabaseRecord.h"

#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "core/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::TempDir;

DatabaseRecord Perylene() {
  DatabaseRecord r;
  r.absName = "Perylene";
  r.absClass = "PAH";
  r.absInstrument = "Cary 3";
  r.absSolvent = "cyclohexane";
  r.absEpsilon = 38500.0f;
  r.absWavelength = 435.7f;
  r.absReference = "Berlman 1971";
  r.absDate = "1994-03-01";
  r.absFile = "perylene.abs.txt";
  r.absInv = "JL";
  r.absStructure = "perylene.str.bmp";
  r.emsInstrument = "Spex";
  r.emsSolvent = "cyclohexane";
  r.emsQuantumYield = 0.94f;
  r.emsReference = "Berlman";
  r.emsDate = "1994-03-02";
  r.emsFile = "perylene.ems.txt";
  r.emsInv = "JL";
  r.emsProvided = "Lab A";
  r.emsNotes = "degassed";
  return r;
}

constexpr const char* kPeryleneDatabase = "[Spectra]\n"
                                          "Number = 1\n"
                                          "\n"
                                          "[1 Absorption]\n"
                                          "Name = Perylene\n"
                                          "Class = PAH\n"
                                          "Instrument = Cary 3\n"
                                          "Solvent = cyclohexane\n"
                                          "Epsilon = 38500.000000\n"
                                          "Wavelength = 435.700012\n"
                                          "Reference = Berlman 1971\n"
                                          "Date = 1994-03-01\n"
                                          "File = perylene.abs.txt\n"
                                          "Inv = JL\n"
                                          "Structure = perylene.str.bmp\n"
                                          "[1 Emission]\n"
                                          "Instrument = Spex\n"
                                          "Solvent = cyclohexane\n"
                                          "QuantumYield = 0.940000\n"
                                          "Reference = Berlman\n"
                                          "Date = 1994-03-02\n"
                                          "File = perylene.ems.txt\n"
                                          "Inv = JL\n"
                                          "Provided = Lab A\n"
                                          "Notes = degassed\n"
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

constexpr const char* kSunRecord = "[2 Absorption]\n"
                                   "Name = Noon sun\n"
                                   "Class = \n"
                                   "Instrument = \n"
                                   "Solvent = \n"
                                   "Epsilon = 0.000000\n"
                                   "Wavelength = 350.000000\n"
                                   "Reference = \n"
                                   "Date = \n"
                                   "File = \n"
                                   "Inv = \n"
                                   "Structure = \n"
                                   "[2 Emission]\n"
                                   "Instrument = \n"
                                   "Solvent = \n"
                                   "QuantumYield = 0.300000\n"
                                   "Reference = \n"
                                   "Date = \n"
                                   "File = \n"
                                   "Inv = \n"
                                   "Provided = \n"
                                   "Notes = \n"
                                   "[2 LightSource]\n"
                                   "File = sun.els.txt\n"
                                   "Cloud = none\n"
                                   "Date = 2001-06-21\n"
                                   "Instrument = Ocean\n"
                                   "Inv = KM\n"
                                   "Location = roof\n"
                                   "Ref = own\n"
                                   "Time = 12:00\n"
                                   "\n";

DatabaseRecord Sun() {
  DatabaseRecord r;
  r.absName = "Noon sun";
  r.absWavelength = 350.0f;
  r.emsQuantumYield = 0.3f;
  r.lsFile = "sun.els.txt";
  r.lsCloud = "none";
  r.lsDate = "2001-06-21";
  r.lsInstrument = "Ocean";
  r.lsInv = "KM";
  r.lsLocation = "roof";
  r.lsRef = "own";
  r.lsTime = "12:00";
  return r;
}

DatabaseRecord Load(const std::string& path, int number) {
  return ReadRecord(*CProfileCache::Shared().Get(path), number);
}

class DatabaseFileTest : public ::testing::Test {
protected:
  TempDir dir;
  std::string db = dir.Path("test.db");
};

TEST_F(DatabaseFileTest, NewDatabaseAndSecondRecordAreWrittenExactly) {
  ASSERT_TRUE(AppendRecord(db, true, Perylene()).ok);
  EXPECT_EQ(TempDir::Read(db), kPeryleneDatabase);

  const FileStatus second = AppendRecord(db, false, Sun());
  ASSERT_TRUE(second.ok) << second.message;
  std::string expected = kPeryleneDatabase;
  expected.replace(expected.find("Number = 1"), 10, "Number = 2");
  EXPECT_EQ(TempDir::Read(db), expected + kSunRecord);

  EXPECT_EQ(Load(db, 1), Perylene());
  EXPECT_EQ(Load(db, 2), Sun());
  EXPECT_EQ(RecordCount(*CProfileCache::Shared().Get(db)), 2);
}

TEST_F(DatabaseFileTest, CreateEmptiesAnExistingDatabase) {
  ASSERT_TRUE(AppendRecord(db, true, Sun()).ok);
  ASSERT_TRUE(AppendRecord(db, false, Sun()).ok);
  ASSERT_TRUE(AppendRecord(db, true, Perylene()).ok);
  EXPECT_EQ(TempDir::Read(db), kPeryleneDatabase);
}

TEST_F(DatabaseFileTest, FloatsAreStoredFixedAndReadBackAsFloats) {
  ASSERT_TRUE(AppendRecord(db, true, Sun()).ok);
  const std::string text = TempDir::Read(db);
  EXPECT_NE(text.find("\nWavelength = 350.000000\n"), std::string::npos);
  EXPECT_NE(text.find("\nQuantumYield = 0.300000\n"), std::string::npos);
  const DatabaseRecord loaded = Load(db, 1);
  EXPECT_EQ(loaded.emsQuantumYield, 0.3f);
  EXPECT_EQ(loaded.absWavelength, 350.0f);
}

TEST_F(DatabaseFileTest, MissingSectionsAndKeysReadAsDefaults) {
  dir.Write("test.db", "[Spectra]\nNumber = 1\n\n[1 Absorption]\nName = Rose bengal\n"
                       "Epsilon = lots\nFile = rb.abs.txt\n");
  const DatabaseRecord loaded = Load(db, 1);
  EXPECT_EQ(loaded.absName, "Rose bengal");
  EXPECT_EQ(loaded.absEpsilon, 0.0f);
  EXPECT_EQ(loaded.absWavelength, 0.0f);
  EXPECT_EQ(loaded.emsQuantumYield, 0.0f);
  EXPECT_EQ(loaded.emsSolvent, "");
  EXPECT_EQ(loaded.emsNotes, "");
  EXPECT_EQ(loaded.lsFile, "");
  EXPECT_EQ(MissingSpectrumFiles(*CProfileCache::Shared().Get(db), 1), 2 + 4);
  EXPECT_EQ(MissingSpectrumFiles(*CProfileCache::Shared().Get(db), 7), 1 + 2 + 4);
  EXPECT_EQ(Load(db, 0), DatabaseRecord{});
}

TEST_F(DatabaseFileTest, LoadedTextsKeepAtMost899Characters) {
  DatabaseRecord record;
  record.absReference = std::string(950, 'r');
  ASSERT_TRUE(AppendRecord(db, true, record).ok);
  EXPECT_EQ(Load(db, 1).absReference, std::string(899, 'r'));
}

TEST_F(DatabaseFileTest, AFileWithoutCountStartsWithTheHeaderAndRecordOne) {
  dir.Write("test.db", "");
  ASSERT_TRUE(AppendRecord(db, false, Perylene()).ok);
  EXPECT_EQ(TempDir::Read(db), kPeryleneDatabase);

  const std::string fresh = dir.Path("fresh.db");
  ASSERT_TRUE(AppendRecord(fresh, false, Perylene()).ok);
  EXPECT_EQ(TempDir::Read(fresh), kPeryleneDatabase);

  const std::string notes = dir.Write("notes.db", "; kept\n");
  ASSERT_TRUE(AppendRecord(notes, false, Perylene()).ok);
  EXPECT_EQ(TempDir::Read(notes), std::string(kPeryleneDatabase) + "; kept\n");
}

TEST_F(DatabaseFileTest, AFailedAppendLeavesTheOldFileWhole) {
  ASSERT_TRUE(AppendRecord(db, true, Perylene()).ok);
  const std::string before = TempDir::Read(db);

  const FileStatus noFolder = AppendRecord(dir.Path("gone/test.db"), false, Sun());
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.message.find("gone"), std::string::npos) << noFolder.message;

  // The temporary file cannot be created beside the database.
  std::filesystem::permissions(dir.Path(""), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const bool writable = AppendRecord(db, false, Sun()).ok;
  std::filesystem::permissions(dir.Path(""), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  if (::geteuid() != 0) {
    EXPECT_FALSE(writable);
    EXPECT_EQ(TempDir::Read(db), before);
  }

  const std::string folderDb = dir.Path("folder.db");
  std::filesystem::create_directory(folderDb);
  const FileStatus onFolder = AppendRecord(folderDb, false, Sun());
  EXPECT_FALSE(onFolder.ok);
  EXPECT_FALSE(onFolder.message.empty());
  EXPECT_TRUE(std::filesystem::is_directory(folderDb));
}

TEST_F(DatabaseFileTest, NotesWithLineBreaksStayOneValue) {
  DatabaseRecord record = Perylene();
  record.emsNotes = "first line\n[2 Absorption]\r\nName = impostor\nC:\\data\\n.txt";
  ASSERT_TRUE(AppendRecord(db, true, record).ok);
  const std::string text = TempDir::Read(db);
  EXPECT_NE(text.find("\nNotes = first line\\n[2 Absorption]\\r\\nName = impostor\\nC:\\\\data"
                      "\\\\n.txt\n"),
            std::string::npos);
  const CProfileFile parsed = CProfileFile::Parse(text);
  EXPECT_FALSE(parsed.HasSection("2 Absorption"));
  EXPECT_EQ(Load(db, 1), record);

  record.absName = "two\nlines";
  ASSERT_TRUE(AppendRecord(db, true, record).ok);
  EXPECT_EQ(Load(db, 1).absName, "two lines");
}

TEST(DatabaseRecordCount, TheHeaderIsAClaimThatTheRecordsInTheFileBound) {
  const std::string one = "[1 Absorption]\nName = A\n[1 Emission]\n[1 LightSource]\n";
  const struct {
    std::string text;
    int header;
    int count;
  } cases[] = {
      {"[Spectra]\nNumber = 2147483647\n", 2147483647, 0},
      {"[Spectra]\nNumber = 10000000\n", 10000000, 0},
      {"[Spectra]\nNumber = 10000000\n\n" + one, 10000000, 1},
      {"[Spectra]\nNumber = 2\n\n" + one + "[2 LightSource]\n", 2, 2},
      // A gap inside the count stays a record; a record past the count is not one.
      {"[Spectra]\nNumber = 3\n\n" + one + "[3 Emission]\n[4 Absorption]\n", 3, 3},
      {"[Spectra]\nNumber = 3\n\n" + one + "[2 Emission]\n", 3, 2},
      // A record numbered far beyond what the file could hold is not looked for.
      {"[Spectra]\nNumber = 2147483647\n[2147483647 Absorption]\n", 2147483647, 0},
      {"[Spectra]\nNumber = -4\n\n" + one, -4, 0},
      {one, 0, 0},
  };
  for (const auto& c : cases) {
    const CProfileFile database = CProfileFile::Parse(c.text);
    EXPECT_EQ(HeaderRecordCount(database), c.header) << c.text;
    EXPECT_EQ(RecordCount(database), c.count) << c.text;
  }
}

TEST_F(DatabaseFileTest, AnAppendKeepsEveryLineAndRewritesOnlyTheCount) {
  const struct {
    std::string before;
    std::string after;
  } cases[] = {
      // The header need not stand first.
      {"[1 Absorption]\nName = Kept?\nClass = A\n[Spectra]\nNumber = 1\n",
       "[1 Absorption]\nName = Kept?\nClass = A\n[Spectra]\nNumber = 2\n"},
      {"; dyes\r\n[spectra]\r\n  number=\t1 \r\n[1 Absorption]\r\nName = Kept?",
       "; dyes\r\n[spectra]\r\n  number=\t2 \r\n[1 Absorption]\r\nName = Kept?\n"},
  };
  for (const auto& c : cases) {
    dir.Write("test.db", c.before);
    const FileStatus appended = AppendRecord(db, false, Sun());
    ASSERT_TRUE(appended.ok) << appended.message;
    EXPECT_EQ(TempDir::Read(db), c.after + kSunRecord);
    EXPECT_EQ(Load(db, 1).absName, "Kept?");
    EXPECT_EQ(Load(db, 2), Sun());
  }
}

TEST_F(DatabaseFileTest, AnAppendTheFileDoesNotBearOutIsRefused) {
  std::string withOne = "[Spectra]\nNumber = 3\n\n";
  WriteRecord(withOne, 1, Perylene());
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {"[Spectra]\nNumber = 2147483647\n", "Number = 2147483647, the most records"},
      {"[Spectra]\nNumber = 1\n\n[2 Emission]\nNotes = stale\n",
       "Record 2 already has sections in"},
      {"[1 Absorption]\nName = Old\n", "Record 1 already has sections in"},
      {"[Spectra]\nNumber = 10000000\n", "reads Number = 10000000, but the file holds no records"},
      {withOne, "reads Number = 3, but the file holds records only up to number 1"},
  };
  for (const auto& c : cases) {
    dir.Write("test.db", c.text);
    const FileStatus appended = AppendRecord(db, false, Sun());
    EXPECT_FALSE(appended.ok) << c.text;
    EXPECT_NE(appended.message.find(c.why), std::string::npos) << appended.message;
    EXPECT_NE(appended.message.find(db), std::string::npos) << appended.message;
    EXPECT_EQ(TempDir::Read(db), c.text);
  }
}

TEST_F(DatabaseFileTest, RewriteChangesOnlyThatRecord) {
  ASSERT_TRUE(AppendRecord(db, true, Perylene()).ok);
  ASSERT_TRUE(AppendRecord(db, false, Sun()).ok);
  DatabaseRecord edited = Perylene();
  edited.absName = "Perylene (purified)";
  edited.emsQuantumYield = 0.98f;
  edited.lsCloud = "n/a";
  const FileStatus status = RewriteRecord(db, 1, edited);
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(Load(db, 1), edited);
  EXPECT_EQ(Load(db, 2), Sun());
  const std::string text = TempDir::Read(db);
  EXPECT_NE(text.find("\nName=Perylene (purified)\n"), std::string::npos);
  EXPECT_NE(text.find("\nQuantumYield=0.980000\n"), std::string::npos);
  EXPECT_NE(text.find(kSunRecord), std::string::npos);
}

TEST_F(DatabaseFileTest, RewriteRefusesRecordsOutsideTheFile) {
  ASSERT_TRUE(AppendRecord(db, true, Perylene()).ok);
  const std::string before = TempDir::Read(db);
  for (const int number : {0, -1, 2}) {
    const FileStatus status = RewriteRecord(db, number, Sun());
    EXPECT_FALSE(status.ok) << number;
    EXPECT_NE(status.message.find("Record " + std::to_string(number)), std::string::npos);
  }
  EXPECT_FALSE(RewriteRecord(dir.Path("none.db"), 1, Sun()).ok);
  EXPECT_EQ(TempDir::Read(db), before);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("none.db")));
}

TEST(DatabaseLocations, FoldersAndMasterDatabases) {
  EXPECT_EQ(DatabaseFolder("/data/db/dyes.db"), "/data/db/");
  EXPECT_EQ(DatabaseFolder("/data/dyes/dyes"), "/data/dyes/");
  EXPECT_EQ(DatabaseFolder("/home/ab/b.db.d/b.db"), "/home/ab/b.db.d/");
  EXPECT_EQ(RecordFilePath("/data/db/", "a.abs.txt"), "/data/db/a.abs.txt");
  EXPECT_EQ(MasterDatabasePath("/opt/lx/bin/", MasterDatabase::Molecule),
            "/opt/lx/bin/Molecule Database/MOLECULE_db.db");
  EXPECT_EQ(MasterDatabasePath("/opt/lx/bin", MasterDatabase::Solar),
            "/opt/lx/bin/Solar Database/SOLAR_db.db");

  TempDir dir;
  const std::string bin = dir.Path("bin");
  std::filesystem::create_directories(bin);
  EXPECT_EQ(FindMasterDatabase(bin, MasterDatabase::Molecule), "");
  std::filesystem::create_directories(dir.Path("share/lumivex/Solar Database"));
  dir.Write("share/lumivex/Solar Database/SOLAR_db.db", "");
  EXPECT_EQ(FindMasterDatabase(bin, MasterDatabase::Solar),
            bin + "/../share/lumivex/Solar Database/SOLAR_db.db");
  std::filesystem::create_directories(bin + "/Solar Database");
  dir.Write("bin/Solar Database/SOLAR_db.db", "");
  EXPECT_EQ(FindMasterDatabase(bin, MasterDatabase::Solar), bin + "/Solar Database/SOLAR_db.db");
  EXPECT_EQ(FindMasterDatabase(bin, MasterDatabase::Molecule), "");
}

class DatabaseFrameTest : public ::testing::Test {
protected:
  DatabaseFrameTest() : frame(prompts, views) {
    frame.Startup();
    EXPECT_TRUE(AppendRecord(db, true, Perylene()).ok);
    EXPECT_TRUE(AppendRecord(db, false, Sun()).ok);
    frame.m_database.Open(db);
  }

  CSpectrum& Add(int record, bool selected) {
    CSpectrum* s = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(
        test::MakeSpectrum(400.0f, 1.0f, 3, [](float x) { return x / 1000.0f; })));
    s->m_recordNumber = record;
    const int entry = frame.m_fileList.AddEntry("entry", frame.m_fileList.Count());
    frame.m_fileList.SetSelected(entry, selected);
    return *s;
  }

  TempDir dir;
  std::string db = dir.Path("dyes.db");
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(DatabaseFrameTest, LoadCurrentRecordPicksTheSpectrum) {
  EXPECT_FALSE(frame.Context().LoadCurrentRecord(-1));
  EXPECT_EQ(frame.m_database.m_record, DatabaseRecord{});

  Add(2, false);
  Add(1, false);
  ASSERT_TRUE(frame.Context().LoadCurrentRecord(-1));
  EXPECT_EQ(frame.m_database.m_currentRecord, 2);
  EXPECT_EQ(frame.m_database.m_record, Sun());

  Add(0, true);
  Add(1, true);
  Add(2, false);
  ASSERT_TRUE(frame.Context().LoadCurrentRecord(-1));
  EXPECT_EQ(frame.m_database.m_currentRecord, 1);
  EXPECT_EQ(frame.m_database.m_record, Perylene());

  ASSERT_TRUE(frame.Context().LoadCurrentRecord(2));
  EXPECT_EQ(frame.m_database.m_currentRecord, 0);
  EXPECT_EQ(frame.m_database.m_record, DatabaseRecord{});

  ASSERT_TRUE(frame.Context().LoadCurrentRecord(3));
  EXPECT_FALSE(frame.Context().LoadCurrentRecord(5));
  EXPECT_EQ(frame.m_database.m_currentRecord, 1);
  EXPECT_EQ(frame.m_database.m_record, Perylene());
}

TEST_F(DatabaseFrameTest, OpenRecordSpectrumOpensTheChosenSectionsFile) {
  dir.Write("perylene.ems.txt", "440 0.1\n441 0.4\n442 0.2\n");
  EXPECT_EQ(frame.m_database.MissingSpectrumFiles(1), 4);
  frame.m_workspace.OpenRecordSpectrum(1, RecordSection::Emission);
  ASSERT_EQ(frame.m_pData->Count(), 1);
  const CSpectrum& s = *frame.m_pData->At(0);
  EXPECT_EQ(frame.m_database.m_databaseSpectrumPath, dir.Path("perylene.ems.txt"));
  EXPECT_EQ(s.m_filePath, dir.Path("perylene.ems.txt"));
  EXPECT_EQ(s.m_kind, SpectrumKind::Emission);
  EXPECT_EQ(s.m_recordNumber, 1);
  EXPECT_EQ(s.m_name, "Perylene");
  EXPECT_EQ(s.m_quantumYield, 0.94f);
  EXPECT_EQ(s.m_epsilon, 38500.0f);
  EXPECT_EQ(s.m_structurePath, dir.Path("perylene.str.bmp"));
  EXPECT_TRUE(prompts.fileDialogs.empty());

  EXPECT_EQ(frame.m_database.MissingSpectrumFiles(2), 1 + 2);
  EXPECT_EQ(frame.m_database.RecordSpectrumPath(1, RecordSection::Absorption),
            dir.Path("perylene.abs.txt"));
  EXPECT_EQ(frame.m_database.RecordSpectrumPath(2, RecordSection::Absorption),
            frame.m_database.m_databaseFolder);
}

TEST_F(DatabaseFrameTest, ARecordFileThatIsNotARegularFileIsRefusedUnread) {
  const std::string pipe = dir.Path("pipe.abs.txt");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // From the database folder up to the root and down to the device that never ends, by
  // way of a folder whose name gives the path a kind.
  std::filesystem::create_directory(dir.Path("abs"));
  std::string zero = "abs/";
  for (const char c : frame.m_database.m_databaseFolder) {
    zero += c == '/' ? "../" : "";
  }
  zero += "dev/zero";
  for (const std::string& file : {std::string("pipe.abs.txt"), zero}) {
    DatabaseRecord record = Perylene();
    record.absFile = file;
    ASSERT_TRUE(AppendRecord(db, false, record).ok);
    prompts.messages.clear();
    frame.m_workspace.OpenRecordSpectrum(RecordCount(*CProfileCache::Shared().Get(db)),
                                         RecordSection::Absorption);
    EXPECT_EQ(frame.m_pData->Count(), 0) << file;
    ASSERT_EQ(prompts.messages.size(), 1u) << file;
    EXPECT_EQ(prompts.messages[0].text, "Cannot open " + frame.m_database.m_databaseSpectrumPath +
                                            ": it is not a regular file");
  }
}

TEST_F(DatabaseFrameTest, LongFileValuesAreCutWhenLocated) {
  DatabaseRecord record = Sun();
  record.lsFile = std::string(87, 'a') + ".els.txt";
  ASSERT_EQ(record.lsFile.size(), 95u);
  ASSERT_TRUE(AppendRecord(db, false, record).ok);
  frame.m_workspace.OpenRecordSpectrum(3, RecordSection::LightSource);
  EXPECT_EQ(frame.m_database.m_databaseSpectrumPath,
            frame.m_database.m_databaseFolder + record.lsFile.substr(0, 89));
  EXPECT_EQ(frame.m_pData->Count(), 0);
  EXPECT_EQ(Load(db, 3).lsFile, record.lsFile);
}

// Reading takes the blanks around a value and one pair of quotes off it: values that
// begin or end with a blank or a quote are written so that they read back as they were,
// whether the record is appended or rewritten in place.
TEST_F(DatabaseFileTest, EdgedValuesReadBackUnchanged) {
  for (const std::string value : {"'", "''", "'''''", "\"x\"", "'a' and 'b'", "\"'\"", "plain",
                                  " leading", "trailing ", "\t' '\t"}) {
    DatabaseRecord record;
    record.absName = "Quinine";
    record.absDate = value;
    record.emsNotes = value;
    ASSERT_TRUE(AppendRecord(db, true, record).ok);
    EXPECT_EQ(Load(db, 1), record) << "appended: " << value;
    record.absName = "Quinine sulfate";
    ASSERT_TRUE(RewriteRecord(db, 1, record).ok);
    EXPECT_EQ(Load(db, 1), record) << "rewritten: " << value;
  }
}

} // namespace
} // namespace lumivex
