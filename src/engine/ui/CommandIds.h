#pragma once

namespace lumivex {

/// Command identifiers of menus, toolbar and keyboard. Help topics of commands are
/// kHelpTopicBase + the identifier.
enum CommandId : int {
  kIdCloseSelectedFiles = 45810,
  kIdFileNew = 57600,
  kIdOpenDataFile = 57601,
  kIdCloseFile = 57602,
  kIdOpenDatabase = 45795,
  kIdOpenMasterMolecule = 42855,
  kIdOpenMasterSolar = 42856,
  kIdAddRecord = 42839,
  kIdExportSpectra = 42920,
  kIdExportGraph = 42921,
  kIdImportSpectra = 42922,
  kIdPrint = 57607,
  kIdCopyGraph = 57634,
  kIdExit = 57665,

  kIdEnergyTransferSimulation = 42799,
  kIdFluorescenceLifetime = 42800,
  kIdForster = 42796,
  kIdMultipleComponent = 42798,
  kIdOscillatorStrength = 42797,
  kIdTransmission = 42848,

  kIdBlackbody = 42801,
  kIdGaussian = 42802,
  kIdLorentzian = 42803,
  kIdSpectrumCalculator = 42864,
  kIdAlterSpectrum = 42852,
  kIdCreateSpectrum = 42846,
  kIdNormalize = 42842,

  kIdAutoScale = 42813,
  kIdListData = 45805,
  kIdPeakSearch = 32770,
  kIdMeasureBand = 32771,
  kIdResetGraph = 44777,
  kIdSetGraph = 45804,
  kIdRedrawStructure = 42867,

  kIdLumivexOnline = 42866,
  kIdAcknowledgment = 42861,
  kIdAuthors = 42851,
  kIdBibliography = 42911,
  kIdDevelopment = 57664,
  kIdOverview = 42859,
  kIdHelpContent = 57670,
  kIdHelpFinder = 57667,
  kIdContextHelp = 57669,
  kIdToolbarHelp = 42850,
};

/// Help topics of commands are this base plus the command identifier.
inline constexpr int kHelpTopicBase = 65536;

} // namespace lumivex
