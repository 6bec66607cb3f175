#pragma once

#include "core/Spectrum.h"
#include "database/DatabaseRecord.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumivex {

/// One section's spectrum of a database record, read as opening it from the database makes
/// it (its points with the record's name, epsilon and its wavelength, quantum yield,
/// solvent, provider and record number), but joining no workspace.
struct RecordSpectrumResult {
  std::unique_ptr<CSpectrum> spectrum; ///< null when it could not be read
  std::string message;                 ///< why not; empty on success
};
[[nodiscard]] RecordSpectrumResult ReadRecordSpectrum(const std::string& databasePath, int record,
                                                      RecordSection section);

/// The molar absorption coefficient at the excitation wavelength (nm) of a chain component
/// opened from a database: the record's absorption spectrum (its "File" in databasePath,
/// read as a plain spectrum file) scaled by the component's epsilon at its wavelength for
/// epsilon (EpsilonAtExcitation). Nothing when the record has no readable absorption
/// spectrum; the user then enters the value.
[[nodiscard]] std::optional<float> RecordEpsilonAtExcitation(const std::string& databasePath,
                                                             const CSpectrum& component,
                                                             float excitation);

/// The emission spectra of a chain's components, each read once from its record for a
/// reverse analysis. Refused, naming the component, when one was not opened from a
/// database or its record's emission spectrum cannot be read.
struct ChainEmissions {
  bool ok = false;
  std::string message;
  std::vector<CSpectrum> spectra; ///< in chain order
};
[[nodiscard]] ChainEmissions ReadChainEmissions(const std::string& databasePath,
                                                std::span<const CSpectrum* const> components);

} // namespace lumivex
