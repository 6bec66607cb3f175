// Data-quality checks of the two master databases that lie in data/ and are copied beside
// the program: they must read with the engine exactly as it writes databases and spectra,
// name only files that exist and read, and hold the values their sources publish.

#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "core/Units.h"
#include "database/DatabaseRecord.h"
#include "database/Dib.h"
#include "database/StructureDlg.h"
#include "modules/Transmission.h"
#include "ui/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::TempDir;

const std::string kDataFolder = std::string(LUMIVEX_SOURCE_DIR) + "/data/";
const std::string kProteinClass = "Fluorescent proteins: ";

// One master database as the engine reads it: its file, its records and the spectra they
// name, read once for all tests.
struct Master {
  std::string folder;
  std::string path;
  std::string text;
  std::vector<DatabaseRecord> records; ///< records[i] is record i + 1
  std::map<std::string, CSpectrum> spectra;

  [[nodiscard]] const DatabaseRecord& Named(const std::string& name) const {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&name](const DatabaseRecord& r) { return r.absName == name; });
    EXPECT_NE(found, records.end()) << name;
    return found == records.end() ? records.front() : *found;
  }
  [[nodiscard]] const CSpectrum& Spectrum(const std::string& file) const {
    return spectra.at(file);
  }
  /// Opens the spectrum `file` of record i + 1 into the document as the program opens a
  /// record's spectrum, with the record's epsilon, wavelength and quantum yield.
  CSpectrum* Open(CLumivexData& document, std::size_t i, const std::string& file) const {
    const DatabaseOpenRequest request{path, static_cast<int>(i) + 1};
    const OpenDataFileResult opened = OpenDataFile(document, folder + file, &request);
    EXPECT_TRUE(opened.Opened()) << file << ": " << opened.message;
    return opened.spectrum;
  }
  [[nodiscard]] std::size_t IndexOf(const std::string& name) const {
    return static_cast<std::size_t>(&Named(name) - records.data());
  }
};

std::vector<std::string> FileValues(const DatabaseRecord& record) {
  std::vector<std::string> files;
  for (const std::string* file : {&record.absFile, &record.emsFile, &record.lsFile}) {
    if (!file->empty()) {
      files.push_back(*file);
    }
  }
  return files;
}

Master Load(MasterDatabase kind) {
  Master master;
  master.path = FindMasterDatabase(kDataFolder, kind);
  master.folder = DatabaseFolder(master.path);
  master.text = TempDir::Read(master.path);
  const CProfileFile database = CProfileFile::Parse(master.text);
  for (int number = 1; number <= RecordCount(database); ++number) {
    master.records.push_back(ReadRecord(database, number));
    for (const std::string& file : FileValues(master.records.back())) {
      SpectrumReadResult read = ReadSpectrumFile(master.folder + file);
      if (read.Ok()) {
        master.spectra.emplace(file, std::move(read.spectrum));
      }
    }
  }
  return master;
}

const Master& Molecules() {
  static const Master master = Load(MasterDatabase::Molecule);
  return master;
}

const Master& Solar() {
  static const Master master = Load(MasterDatabase::Solar);
  return master;
}

// The integral over wavelength (trapezoids, sum in single precision), in the y unit times nm.
float WavelengthIntegral(const CSpectrum& spectrum) {
  float sum = 0.0f;
  const std::vector<SpectrumPoint>& p = spectrum.m_points;
  for (std::size_t i = 1; i < p.size(); ++i) {
    sum += (p[i].x - p[i - 1].x) * (p[i].y + p[i - 1].y) * 0.5f;
  }
  return sum;
}

// The wavelength of a local maximum of the spectrum within `tolerance` nm of `x`, or -1.
float MaximumNear(const CSpectrum& spectrum, float x, float tolerance) {
  const std::vector<SpectrumPoint>& p = spectrum.m_points;
  for (std::size_t i = 1; i + 1 < p.size(); ++i) {
    if (std::fabs(p[i].x - x) <= tolerance && p[i].y >= p[i - 1].y && p[i].y >= p[i + 1].y) {
      return p[i].x;
    }
  }
  return -1.0f;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return text;
}

class MasterDatabases : public ::testing::TestWithParam<MasterDatabase> {
protected:
  const Master& master = GetParam() == MasterDatabase::Molecule ? Molecules() : Solar();
};

TEST_P(MasterDatabases, ListEveryRecordUnderAUniqueNameInAFewClasses) {
  ASSERT_FALSE(master.path.empty());
  ASSERT_FALSE(master.records.empty());
  std::set<std::string> names;
  std::set<std::string> classes;
  for (const DatabaseRecord& record : master.records) {
    SCOPED_TRACE(record.absName);
    EXPECT_FALSE(record.absName.empty());
    EXPECT_NE(record.absName, "empty") << "the list would end here";
    EXPECT_LT(record.absName.size(), kLocateBuffer) << "the list would cut the name";
    EXPECT_TRUE(names.insert(Lower(record.absName)).second) << "two records of this name";
    EXPECT_FALSE(record.absClass.empty());
    EXPECT_LT(record.absClass.size(), kLocateBuffer);
    classes.insert(record.absClass);
  }
  // Classes group the records: a handful, each shared by several records on average.
  EXPECT_GE(classes.size(), 5u);
  EXPECT_LE(classes.size() * 3, master.records.size());

  // The database window lists them all, the molecule database at start-up.
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame(prompts, views);
  frame.m_folders.program = kDataFolder;
  frame.Startup();
  if (GetParam() == MasterDatabase::Solar) {
    frame.Execute(kIdOpenMasterSolar);
  }
  EXPECT_EQ(frame.m_database.m_databasePath, master.path);
  ASSERT_EQ(frame.m_databaseList.Entries().size(), master.records.size());
  EXPECT_EQ(frame.m_databaseList.TotalNumber(), std::to_string(master.records.size()));
  for (std::size_t i = 0; i < master.records.size(); ++i) {
    EXPECT_EQ(frame.m_databaseList.Entries()[i].name, master.records[i].absName);
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_P(MasterDatabases, AreStoredByteForByteAsTheEngineWritesThem) {
  std::string rewritten = "[Spectra]\nNumber = " + std::to_string(master.records.size()) + "\n\n";
  for (std::size_t i = 0; i < master.records.size(); ++i) {
    WriteRecord(rewritten, static_cast<int>(i) + 1, master.records[i]);
  }
  EXPECT_EQ(master.text, rewritten);

  for (const DatabaseRecord& record : master.records) {
    SCOPED_TRACE(record.absName);
    // Values that are read to locate files or show the provider keep at most 89 characters.
    for (const std::string* value : {&record.absFile, &record.emsFile, &record.lsFile,
                                     &record.absStructure, &record.emsProvided}) {
      EXPECT_LT(value->size(), kLocateBuffer) << *value;
    }
  }
}

TEST_P(MasterDatabases, NameSpectraThatReadBackAsTheEngineWritesThem) {
  for (const DatabaseRecord& record : master.records) {
    SCOPED_TRACE(record.absName);
    const std::vector<std::string> files = FileValues(record);
    EXPECT_FALSE(files.empty()) << "a record without a spectrum";
    const std::pair<const std::string*, SpectrumKind> kinds[] = {
        {&record.absFile, SpectrumKind::Absorption},
        {&record.emsFile, SpectrumKind::Emission},
        {&record.lsFile, SpectrumKind::LightSource}};
    for (const auto& [file, kind] : kinds) {
      if (file->empty()) {
        continue;
      }
      SCOPED_TRACE(*file);
      EXPECT_EQ(file->find_first_of("/\\"), std::string::npos);
      EXPECT_EQ(KindFromPath(master.folder + *file), kind);
      ASSERT_TRUE(master.spectra.count(*file)) << "missing or unreadable";
      const CSpectrum& spectrum = master.Spectrum(*file);
      ASSERT_GE(spectrum.m_points.size(), 2u);
      EXPECT_EQ(spectrum.m_descending, 0);
      // The reader takes the first step for every point: the grid must be uniform.
      for (std::size_t i = 1; i < spectrum.m_points.size(); ++i) {
        ASSERT_NEAR(spectrum.m_points[i].x - spectrum.m_points[i - 1].x, spectrum.m_xStep, 1e-3f)
            << "at " << spectrum.m_points[i].x;
        ASSERT_GE(spectrum.m_points[i].y, 0.0f) << "at " << spectrum.m_points[i].x;
      }
      EXPECT_GT(spectrum.m_peakY, 0.0f);
      EXPECT_EQ(FormatSpectrumText(spectrum), TempDir::Read(master.folder + *file));
    }
    // The structure picture is found from either spectrum of the record.
    if (!record.emsFile.empty() && !record.absFile.empty()) {
      std::string emission = record.absFile;
      emission.replace(emission.find(".abs."), 5, ".ems.");
      EXPECT_EQ(record.emsFile, emission);
      EXPECT_EQ(
          StructurePicturePath(master.folder + record.emsFile, record.absFile, record.absStructure),
          master.folder + record.absStructure);
    }
  }
}

TEST_P(MasterDatabases, StateTheirSourcesBesideEveryRecord) {
  EXPECT_TRUE(fs::is_regular_file(master.folder + "SOURCES.txt"));
  ASSERT_TRUE(fs::is_directory(master.folder + "licenses"));
  EXPECT_FALSE(fs::is_empty(master.folder + "licenses"));
  for (const DatabaseRecord& record : master.records) {
    SCOPED_TRACE(record.absName);
    EXPECT_FALSE(record.emsProvided.empty());
    EXPECT_FALSE(record.emsNotes.empty());
    EXPECT_FALSE(record.absReference.empty() && record.emsReference.empty() &&
                 record.lsRef.empty());
  }

  // Every spectrum file and picture of the folder belongs to a record.
  std::set<std::string> named;
  for (const DatabaseRecord& record : master.records) {
    for (const std::string& file : FileValues(record)) {
      named.insert(file);
    }
    if (!record.absStructure.empty()) {
      named.insert(record.absStructure);
    }
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(master.folder)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".txt") && name != "SOURCES.txt") {
      EXPECT_TRUE(named.count(name)) << name << " belongs to no record";
    } else if (name.ends_with(".bmp")) {
      EXPECT_TRUE(named.count(name)) << name << " belongs to no record";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Both, MasterDatabases,
                         ::testing::Values(MasterDatabase::Molecule, MasterDatabase::Solar),
                         [](const ::testing::TestParamInfo<MasterDatabase>& tested) {
                           return tested.param == MasterDatabase::Molecule ? "Molecule" : "Solar";
                         });

// The absorption spectra are absorbances, 1 at the record's epsilon wavelength. Opened as
// the program opens a record, the Epsilon display converts them with the record's Epsilon
// and shows exactly that value there: exactly where the wavelength is a point of the file,
// to the last bits of single precision where it lies between two points.
TEST(MoleculeDatabase, AbsorptionSpectraReadOneAtTheEpsilonWavelength) {
  const Master& master = Molecules();
  int betweenPoints = 0;
  for (std::size_t i = 0; i < master.records.size(); ++i) {
    const DatabaseRecord& record = master.records[i];
    SCOPED_TRACE(record.absName);
    ASSERT_FALSE(record.absFile.empty());
    CLumivexData document;
    CSpectrum* spectrum = master.Open(document, i, record.absFile);
    ASSERT_NE(spectrum, nullptr);
    EXPECT_EQ(spectrum->m_epsilon, record.absEpsilon);
    EXPECT_EQ(spectrum->m_epsilonWavelength, record.absWavelength);
    EXPECT_GE(record.absWavelength, spectrum->SmallestX());
    EXPECT_LE(record.absWavelength, spectrum->LargestX());
    EXPECT_GE(record.absEpsilon, 0.0f);

    const float absorbance = spectrum->Interpolate(record.absWavelength);
    const float epsilon = QuantityValue(*spectrum, YQuantity::Epsilon, absorbance);
    const bool onPoint =
        std::any_of(spectrum->m_points.begin(), spectrum->m_points.end(),
                    [&record](const SpectrumPoint& p) { return p.x == record.absWavelength; });
    if (onPoint) {
      EXPECT_EQ(absorbance, 1.0f);
      EXPECT_EQ(epsilon, record.absEpsilon);
    } else {
      ++betweenPoints;
      EXPECT_FLOAT_EQ(absorbance, 1.0f);
      EXPECT_FLOAT_EQ(epsilon, record.absEpsilon);
    }
  }
  // Quinine, 9,10-diphenylanthracene and rhodamine B have their epsilon between whole nm.
  EXPECT_LE(betweenPoints, 3);
}

// Sunlight through mCherry's absorption at factor 1: 10 % passes at the epsilon wavelength,
// 587 nm, where the absorbance is 1; more everywhere else, and nearly all beyond the band.
TEST(MasterDatabaseTransmission, SunlightThroughMCherryDipsToTenPercentAtItsEpsilonWavelength) {
  CLumivexData document;
  const std::size_t sunIndex = Solar().IndexOf("ASTM G173-03 global tilt (AM1.5G)");
  const CSpectrum* sun = Solar().Open(document, sunIndex, Solar().records[sunIndex].lsFile);
  const std::size_t mcherryIndex = Molecules().IndexOf("mCherry");
  const CSpectrum* mcherry =
      Molecules().Open(document, mcherryIndex, Molecules().records[mcherryIndex].absFile);
  ASSERT_NE(sun, nullptr);
  ASSERT_NE(mcherry, nullptr);

  const std::unique_ptr<CSpectrum> transmitted = SimulateTransmission(*sun, *mcherry, 1.0f);
  ASSERT_EQ(transmitted->m_points.size(), sun->m_points.size());
  float lowest = std::numeric_limits<float>::max();
  float lowestAt = 0.0f;
  for (std::size_t i = 0; i < sun->m_points.size(); ++i) {
    if (sun->m_points[i].y > 0.0f) {
      const float fraction = transmitted->m_points[i].y / sun->m_points[i].y;
      if (fraction < lowest) {
        lowest = fraction;
        lowestAt = sun->m_points[i].x;
      }
    }
  }
  EXPECT_EQ(lowestAt, 587.0f);
  EXPECT_FLOAT_EQ(lowest, 0.1f);
  EXPECT_GT(transmitted->Interpolate(700.0f) / sun->Interpolate(700.0f), 0.99f);
  EXPECT_GT(transmitted->m_peakY, 0.5f * sun->m_peakY);
}

TEST(MoleculeDatabase, HoldsTheFluorescentProteinsWithSpectraAndTheirConstants) {
  int proteins = 0;
  for (const DatabaseRecord& record : Molecules().records) {
    if (record.absClass.starts_with(kProteinClass)) {
      ++proteins;
      SCOPED_TRACE(record.absName);
      EXPECT_FALSE(record.emsFile.empty());
      EXPECT_TRUE(record.absStructure.empty());
      EXPECT_NE(record.emsNotes.find("excitation spectrum"), std::string::npos);
      // As published, normalised to the peak (taken at whole nanometres).
      EXPECT_NEAR(Molecules().Spectrum(record.emsFile).m_peakY, 1.0f, 0.02f);
    } else {
      EXPECT_FALSE(record.absStructure.empty()) << record.absName;
    }
  }
  EXPECT_EQ(proteins, 66);

  const DatabaseRecord& egfp = Molecules().Named("EGFP");
  EXPECT_EQ(egfp.absClass, kProteinClass + "green");
  EXPECT_FLOAT_EQ(egfp.absEpsilon, 56000.0f);
  EXPECT_FLOAT_EQ(egfp.absWavelength, 488.0f);
  EXPECT_FLOAT_EQ(egfp.emsQuantumYield, 0.60f);
  EXPECT_EQ(egfp.emsReference, "doi:10.1093/nar/24.22.4592");
  // The data set's emission maximum is 507 nm; its spectrum has a flat top up to 511 nm.
  EXPECT_NEAR(Molecules().Spectrum(egfp.emsFile).m_peakX, 509.0f, 2.0f);
  EXPECT_NEAR(Molecules().Spectrum(egfp.absFile).m_peakX, 488.0f, 1.0f);

  const DatabaseRecord& mcherry = Molecules().Named("mCherry");
  EXPECT_EQ(mcherry.absClass, kProteinClass + "red");
  EXPECT_FLOAT_EQ(mcherry.absEpsilon, 72000.0f);
  EXPECT_FLOAT_EQ(mcherry.absWavelength, 587.0f);
  EXPECT_FLOAT_EQ(mcherry.emsQuantumYield, 0.22f);
  EXPECT_NEAR(Molecules().Spectrum(mcherry.absFile).m_peakX, 587.0f, 1.0f);
  EXPECT_NEAR(Molecules().Spectrum(mcherry.emsFile).m_peakX, 610.0f, 1.0f);
}

TEST(MoleculeDatabase, ModelSpectraPeakAtThePublishedMaxima) {
  struct Published {
    const char* name;
    float absorption; ///< 0: the absorption spectrum is a measured table
    float emission;
    float epsilon;
    float quantumYield;
  };
  const Published published[] = {
      {"Fluorescein (dianion)", 490.0f, 515.0f, 76900.0f, 0.925f},
      {"Rhodamine 6G", 530.0f, 552.0f, 116000.0f, 0.95f},
      {"Rhodamine B", 542.8f, 567.0f, 106000.0f, 0.70f},
      {"Quinine (dication)", 347.5f, 450.0f, 5700.0f, 0.546f},
      {"Anthracene", 0.0f, 401.0f, 9700.0f, 0.27f},
      {"Perylene", 0.0f, 440.0f, 38500.0f, 0.94f},
      {"Naphthalene", 0.0f, 336.0f, 5789.0f, 0.23f},
      {"Pyrene", 0.0f, 384.0f, 54000.0f, 0.65f},
      {"9,10-Diphenylanthracene", 372.5f, 426.0f, 14000.0f, 0.90f},
      {"L-Tryptophan", 280.0f, 350.0f, 5500.0f, 0.13f},
      {"L-Tyrosine", 275.0f, 303.0f, 1490.0f, 0.14f},
      {"Tris(bipyridine)ruthenium(II)", 452.0f, 620.0f, 14600.0f, 0.040f},
      {"Cy5", 649.0f, 666.0f, 250000.0f, 0.27f},
      {"Cy3", 550.0f, 570.0f, 150000.0f, 0.04f},
  };
  for (const Published& compound : published) {
    SCOPED_TRACE(compound.name);
    const DatabaseRecord& record = Molecules().Named(compound.name);
    EXPECT_FLOAT_EQ(record.absEpsilon, compound.epsilon);
    EXPECT_FLOAT_EQ(record.emsQuantumYield, compound.quantumYield);
    EXPECT_FALSE(record.absSolvent.empty());
    EXPECT_NE(record.emsNotes.find("model built from published band maxima"), std::string::npos);
    ASSERT_FALSE(record.emsFile.empty());
    const CSpectrum& emission = Molecules().Spectrum(record.emsFile);
    EXPECT_GE(MaximumNear(emission, compound.emission, 1.0f), 0.0f) << compound.emission;
    EXPECT_FLOAT_EQ(emission.m_peakY, 1.0f);
    if (compound.absorption > 0.0f) {
      const CSpectrum& absorption = Molecules().Spectrum(record.absFile);
      EXPECT_GE(MaximumNear(absorption, compound.absorption, 1.0f), 0.0f) << compound.absorption;
    }
  }
}

TEST(SolarDatabase, SolarSpectraIntegrateToTheIrradiancesOfTheStandards) {
  const auto irradiance = [](const std::string& name) {
    const DatabaseRecord& record = Solar().Named(name);
    return WavelengthIntegral(Solar().Spectrum(record.lsFile));
  };
  // W m-2 over 280-4000 nm. The G173 tables end there; beyond them lie another 18 W m-2 of
  // the 1366 W m-2 that reach the top of the atmosphere.
  EXPECT_TRUE(FuzzyCompare(irradiance("ASTM G173-03 global tilt (AM1.5G)"), 1000.0, 0.01));
  EXPECT_TRUE(FuzzyCompare(irradiance("ASTM G173-03 direct + circumsolar (AM1.5D)"), 900.0, 0.01));
  const float extraterrestrial = irradiance("ASTM G173-03 extraterrestrial (AM0)");
  EXPECT_TRUE(FuzzyCompare(extraterrestrial, 1348.0, 0.01));
  // E490 from 120 nm holds all but the 12 W m-2 beyond 4 um of its 1366.1 W m-2.
  const DatabaseRecord& e490 = Solar().Named("ASTM E490-00a air mass zero (AM0)");
  const CSpectrum& am0 = Solar().Spectrum(e490.lsFile);
  EXPECT_TRUE(FuzzyCompare(WavelengthIntegral(am0), 1366.1, 0.01));
  // The two extraterrestrial spectra agree over the range they share.
  CSpectrum shared = am0;
  std::erase_if(shared.m_points, [](const SpectrumPoint& p) { return p.x < 280.0f; });
  EXPECT_TRUE(FuzzyCompare(WavelengthIntegral(shared), extraterrestrial, 0.01));

  for (const DatabaseRecord& record : Solar().records) {
    SCOPED_TRACE(record.absName);
    EXPECT_TRUE(record.absFile.empty());
    EXPECT_TRUE(record.emsFile.empty());
    EXPECT_FALSE(record.lsRef.empty());
  }
  // The CIE illuminants are normalised to 100 at 560 nm.
  const DatabaseRecord& d65 = Solar().Named("CIE illuminant D65 (noon daylight, 6504 K)");
  EXPECT_FLOAT_EQ(Solar().Spectrum(d65.lsFile).Interpolate(560.0f), 100.0f);
}

TEST(MasterStructures, AreBitmapsOf240By200PixelsThatTheProgramShows) {
  int pictures = 0;
  for (const Master* master : {&Molecules(), &Solar()}) {
    for (const DatabaseRecord& record : master->records) {
      if (record.absStructure.empty()) {
        continue;
      }
      SCOPED_TRACE(record.absStructure);
      ++pictures;
      const std::string bytes = TempDir::Read(master->folder + record.absStructure);
      ASSERT_GT(bytes.size(), 54u);
      // 24 bits a pixel, the pixels right after the 54 header bytes: the program reads
      // them from there whatever the header's offset says.
      EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
      EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 54);
      const std::optional<RgbImage> image = DecodeDib(bytes);
      ASSERT_TRUE(image.has_value());
      EXPECT_EQ(image->width, 240);
      EXPECT_EQ(image->height, 200);
      // A drawing: mostly white background with dark lines.
      const auto white =
          std::count_if(image->pixels.begin(), image->pixels.end(), [](const Rgb& p) {
            return p == Rgb{255, 255, 255};
          });
      EXPECT_GT(white, 240 * 200 / 2);
      EXPECT_LT(white, 240 * 200);
    }
  }
  EXPECT_GE(pictures, 30);
}

// The user's first session: the program starts with the molecule database listed; EGFP's
// emission and mCherry's absorption open from its list into one graph; structures show for
// the small molecules; the solar database opens from its menu item.
TEST(MasterDatabaseSession, OpensRecordSpectraAndStructuresFromTheList) {
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame(prompts, views);
  frame.m_folders.program = kDataFolder;
  frame.Startup();
  CStructureDlg& list = frame.m_databaseList;
  const auto select = [&list](const std::string& name) {
    const std::vector<DatabaseListEntry>& entries = list.Entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&name](const DatabaseListEntry& e) { return e.name == name; });
    EXPECT_NE(found, entries.end()) << name;
    list.Select(static_cast<int>(found - entries.begin()));
    return list.ShowSelected();
  };

  EXPECT_EQ(select("Anthracene").size(), 4u);
  EXPECT_EQ(list.Structure(), StructureView::Picture);
  const std::vector<PopupMenuItem> egfpMenu = select("EGFP");
  EXPECT_EQ(list.Structure(), StructureView::NoStructure);
  ASSERT_EQ(egfpMenu.size(), 4u);
  EXPECT_TRUE(egfpMenu[0].enabled);  // Absorption
  EXPECT_TRUE(egfpMenu[1].enabled);  // Emission
  EXPECT_FALSE(egfpMenu[2].enabled); // Light Sources
  list.OnEmission();
  select("mCherry");
  list.OnAbsorption();

  CLumivexData& data = *frame.m_pData;
  ASSERT_EQ(data.Count(), 2);
  const CSpectrum& egfp = *data.At(0);
  EXPECT_EQ(egfp.m_kind, SpectrumKind::Emission);
  EXPECT_EQ(egfp.m_name, "EGFP");
  EXPECT_FLOAT_EQ(egfp.m_quantumYield, 0.60f);
  EXPECT_GT(egfp.m_normalizedPeak, 0.0f);
  const CSpectrum& mcherry = *data.At(1);
  EXPECT_EQ(mcherry.m_kind, SpectrumKind::Absorption);
  EXPECT_EQ(mcherry.m_name, "mCherry");
  EXPECT_FLOAT_EQ(mcherry.m_epsilon, 72000.0f);
  EXPECT_TRUE(FuzzyCompare(mcherry.m_epsilonPeak, 72000.0, 0.02));
  // Absorption shows absorbance: mCherry's peak is its epsilon wavelength, absorbance 1.
  EXPECT_NEAR(data.m_absorptionMax, 1.0f, 0.01f);
  EXPECT_GE(data.m_xMin, 300.0f);
  EXPECT_LE(data.m_xMax, 800.0f);
  EXPECT_TRUE(prompts.messages.empty());

  frame.Execute(kIdOpenMasterSolar);
  EXPECT_EQ(frame.m_database.m_databasePath, Solar().path);
  EXPECT_EQ(list.Entries().size(), Solar().records.size());
  select("ASTM G173-03 global tilt (AM1.5G)");
  EXPECT_EQ(list.Structure(), StructureView::NoStructure);
  // A light source may not join the emission spectrum on show.
  list.OnLightSources();
  EXPECT_EQ(data.Count(), 2);
  frame.Execute(kIdFileNew);
  list.OnLightSources();
  ASSERT_EQ(data.Count(), 1);
  EXPECT_EQ(data.At(0)->m_kind, SpectrumKind::LightSource);
  EXPECT_EQ(data.At(0)->m_name, "ASTM G173-03 global tilt (AM1.5G)");
}

} // namespace
} // namespace lumivex
