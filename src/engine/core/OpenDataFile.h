#pragma once

#include "core/LumivexData.h"

#include <string>

namespace lumivex {

/// A request to open the spectrum file of a database record: the database file, the
/// record number and the value the new spectrum's m_fromDatabase takes.
struct DatabaseOpenRequest {
  std::string databasePath;
  int record = 0;
  int fromDatabase = 1;
};

enum class OpenStatus {
  Opened,
  NoKind,                  ///< the path names no spectrum kind
  EmissionWithLightSource, ///< emission and light-source spectra may not be shown together
  CannotOpen,              ///< the file could not be opened or read
  TooFewPoints,            ///< fewer than two data lines
  ZeroStep,                ///< the first two wavelengths are equal
};

/// The outcome of opening a spectrum file into the workspace. On success `spectrum` is
/// the new last spectrum of the workspace and `listText` its Data File entry text;
/// otherwise the workspace is unchanged and `message` says why, for the caller to show.
struct OpenDataFileResult {
  OpenStatus status = OpenStatus::CannotOpen;
  std::string message;
  CSpectrum* spectrum = nullptr;
  std::string listText;
  [[nodiscard]] bool Opened() const { return status == OpenStatus::Opened; }
};

/// Opens a spectrum text file into the workspace: takes the kind from the path, refuses
/// a path without kind and an emission file beside a light-source file (or the reverse),
/// reads the points, and appends the spectrum with its step, direction and peak. The
/// document's extents and the maximum of the spectrum's kind rise to include it, the
/// graph title is emptied and the line width set back to 1.
///
/// With a database request the spectrum also takes the record's name, epsilon, epsilon
/// wavelength, quantum yield, solvent, provider and structure picture path, the four lower
/// y limits are reset, and the epsilon peak (absorption) or the area-normalised peak
/// (other kinds) is computed and raises the document's maximum.
[[nodiscard]] OpenDataFileResult OpenDataFile(CLumivexData& document, const std::string& path,
                                              const DatabaseOpenRequest* database = nullptr);

/// Raises the document's x extents and the maximum of the spectrum's kind to include it,
/// empties the graph title and sets the line width back to 1, as opening a file does.
void RaiseExtents(CLumivexData& document, const CSpectrum& spectrum);

/// The database part of opening a record's spectrum: the record number and origin, the
/// record's name, epsilon, epsilon wavelength, quantum yield, solvent, provider and
/// structure picture path, the four lower y limits reset, and the epsilon peak
/// (absorption) or the area-normalised peak (other kinds) raising the document's maximum.
void TakeRecordValues(CLumivexData& document, CSpectrum& spectrum,
                      const DatabaseOpenRequest& request);

/// Path of a record's structure picture, formed from the path of the data file opened for
/// the record, the record's absorption "File" value and its "Structure" value: the file
/// name in the path is replaced by the picture's name, for absorption and emission files.
[[nodiscard]] std::string StructurePicturePath(const std::string& dataPath,
                                               const std::string& fileValue,
                                               const std::string& structureValue);

} // namespace lumivex
