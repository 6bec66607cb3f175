#include "modules/RecordSpectrum.h"

#include "core/LumivexData.h"
#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "modules/EnergyTransfer.h"

#include <utility>

namespace lumivex {

RecordSpectrumResult ReadRecordSpectrum(const std::string& databasePath, int record,
                                        RecordSection section) {
  RecordSpectrumResult result;
  const std::string value =
      RecordFileValue(*CProfileCache::Shared().Get(databasePath), record, section);
  if (value.empty()) {
    result.message = "Record " + std::to_string(record) + " names no " +
                     (section == RecordSection::Absorption ? "absorption"
                      : section == RecordSection::Emission ? "emission"
                                                           : "light source") +
                     " spectrum.";
    return result;
  }
  // Opened into a document of its own, so the spectrum gets every record value exactly as
  // the database open gives it, and no workspace sees it.
  CLumivexData scratch;
  const DatabaseOpenRequest request{databasePath, record, 1};
  OpenDataFileResult opened =
      OpenDataFile(scratch, RecordFilePath(DatabaseFolder(databasePath), value), &request);
  if (!opened.Opened()) {
    result.message = opened.message;
    return result;
  }
  result.spectrum = std::move(scratch.m_spectra.back());
  return result;
}

std::optional<float> RecordEpsilonAtExcitation(const std::string& databasePath,
                                               const CSpectrum& component, float excitation) {
  const std::string value = RecordFileValue(*CProfileCache::Shared().Get(databasePath),
                                            component.m_recordNumber, RecordSection::Absorption);
  CSpectrum absorption;
  if (value.empty() || !absorption.ReadText(RecordFilePath(DatabaseFolder(databasePath), value))) {
    return std::nullopt;
  }
  return EpsilonAtExcitation(absorption, component.m_epsilon, component.m_epsilonWavelength,
                             excitation);
}

ChainEmissions ReadChainEmissions(const std::string& databasePath,
                                  std::span<const CSpectrum* const> components) {
  ChainEmissions result;
  for (const CSpectrum* component : components) {
    if (!component->m_fromDatabase) {
      result.message = NotFromDatabaseMessage(component->m_name);
      result.spectra.clear();
      return result;
    }
    RecordSpectrumResult read =
        ReadRecordSpectrum(databasePath, component->m_recordNumber, RecordSection::Emission);
    if (read.spectrum == nullptr) {
      result.message = "The emission spectrum of '" + component->m_name +
                       "' cannot be read from its database record: " + read.message;
      result.spectra.clear();
      return result;
    }
    result.spectra.push_back(std::move(*read.spectrum));
  }
  result.ok = true;
  return result;
}

} // namespace lumivex
