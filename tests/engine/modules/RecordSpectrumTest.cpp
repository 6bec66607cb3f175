#include "modules/RecordSpectrum.h"
#include "TestSupport.h"
#include "modules/EnergyTransfer.h"

#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::TempDir;

const char* const kDatabase = "[Spectra]\n"
                              "Number = 2\n"
                              "\n"
                              "[1 Absorption]\n"
                              "Name = Perylene\n"
                              "Epsilon = 38500\n"
                              "Wavelength = 435\n"
                              "File = perylene.abs.txt\n"
                              "[1 Emission]\n"
                              "QuantumYield = 0.94\n"
                              "File = perylene.ems.txt\n"
                              "\n"
                              "[2 Absorption]\n"
                              "Name = Nile Red\n"
                              "File = missing.abs.txt\n"
                              "[2 Emission]\n"
                              "File = \n";

TEST(RecordSpectrum, ReadsARecordsSpectraWithItsValuesAndNoWorkspace) {
  const TempDir dir;
  const std::string database = dir.Write("dyes.db", kDatabase);
  dir.Write("perylene.abs.txt", "400 0.2\n410 0.4\n420 0.6\n430 0.8\n440 1.0\n");
  dir.Write("perylene.ems.txt", "440 1\n450 3\n460 2\n470 1\n");

  const RecordSpectrumResult emission = ReadRecordSpectrum(database, 1, RecordSection::Emission);
  ASSERT_NE(emission.spectrum, nullptr) << emission.message;
  EXPECT_EQ(emission.spectrum->m_kind, SpectrumKind::Emission);
  EXPECT_EQ(emission.spectrum->m_name, "Perylene");
  EXPECT_EQ(emission.spectrum->m_quantumYield, 0.94f);
  EXPECT_EQ(emission.spectrum->m_recordNumber, 1);
  EXPECT_EQ(emission.spectrum->m_fromDatabase, 1);
  EXPECT_EQ(emission.spectrum->m_points.size(), 4u);

  // Epsilon at 410 nm: 0.4 / A(435) = 0.9 of 38500.
  const auto epsilon = RecordEpsilonAtExcitation(database, *emission.spectrum, 410.0f);
  ASSERT_TRUE(epsilon);
  EXPECT_TRUE(FuzzyCompare(*epsilon, 38500.0 * 0.4 / 0.9));

  CSpectrum nileRed;
  nileRed.m_name = "Nile Red";
  nileRed.m_fromDatabase = 1;
  nileRed.m_recordNumber = 2;
  EXPECT_FALSE(RecordEpsilonAtExcitation(database, nileRed, 410.0f));
  const RecordSpectrumResult none = ReadRecordSpectrum(database, 2, RecordSection::Emission);
  EXPECT_EQ(none.spectrum, nullptr);
  EXPECT_EQ(none.message, "Record 2 names no emission spectrum.");
}

TEST(RecordSpectrum, ChainEmissionsAreRefusedForAComponentWithoutRecord) {
  const TempDir dir;
  const std::string database = dir.Write("dyes.db", kDatabase);
  dir.Write("perylene.ems.txt", "440 1\n450 3\n460 2\n470 1\n");
  CSpectrum perylene;
  perylene.m_name = "Perylene";
  perylene.m_fromDatabase = 1;
  perylene.m_recordNumber = 1;
  CSpectrum typed;
  typed.m_name = "my dye";
  CSpectrum nileRed;
  nileRed.m_name = "Nile Red";
  nileRed.m_fromDatabase = 1;
  nileRed.m_recordNumber = 2;

  const std::vector<const CSpectrum*> good = {&perylene, &perylene};
  const ChainEmissions read = ReadChainEmissions(database, good);
  ASSERT_TRUE(read.ok) << read.message;
  ASSERT_EQ(read.spectra.size(), 2u);
  EXPECT_EQ(read.spectra[1].m_quantumYield, 0.94f);

  const std::vector<const CSpectrum*> withTyped = {&perylene, &typed};
  const ChainEmissions refused = ReadChainEmissions(database, withTyped);
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.spectra.empty());
  EXPECT_EQ(refused.message, NotFromDatabaseMessage("my dye"));

  const std::vector<const CSpectrum*> withoutFile = {&nileRed, &perylene};
  const ChainEmissions unreadable = ReadChainEmissions(database, withoutFile);
  EXPECT_FALSE(unreadable.ok);
  EXPECT_NE(unreadable.message.find("'Nile Red'"), std::string::npos) << unreadable.message;
}

} // namespace
} // namespace lumivex
