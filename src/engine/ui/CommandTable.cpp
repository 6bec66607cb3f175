#include "ui/CommandTable.h"

#include "ui/CommandIds.h"

#include <algorithm>

namespace lumivex {

std::string CommandInfo::StatusText() const {
  return prompt.substr(0, prompt.find('\n'));
}

std::string CommandInfo::ToolTip() const {
  const std::size_t newline = prompt.find('\n');
  return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}

const std::vector<CommandInfo>& Commands() {
  // Commands whose capability is not built yet are listed unavailable: the menus and the
  // toolbar show them disabled.
  static const std::vector<CommandInfo> commands{
      {kIdCloseSelectedFiles, "&Close Selected Files\tCtrl+X",
       "Close the spectra selected in the Data File window\nClose Selected Files", true},
      {kIdFileNew, "&New\tCtrl+N", "Clear the workspace and start anew\nNew", true},
      {kIdOpenDataFile, "&Open Data File\tCtrl+O",
       "Open an absorption, emission or light-source spectrum file\nOpen Data File", true},
      {kIdOpenDatabase, "Open &Database\tCtrl+D", "Open a database\nOpen Database", true},
      {kIdOpenMasterMolecule, "Open Master &Molecule Database",
       "Open Master Molecule Database\nMaster Molecule Database", true},
      {kIdOpenMasterSolar, "Open Master &Solar Database",
       "Open Master Solar Database\nMaster Solar Database", true},
      {kIdAddRecord, "&Add Record to Database",
       "Create a new record in a new or old database\nAdd Record to Database", true},
      {kIdImportSpectra, "&Import Spectra...",
       "Read delimited text and JCAMP-DX files of instruments and other programs\nImport Spectra",
       true},
      {kIdExportSpectra, "&Export Spectra...",
       "Write the selected spectra as a CSV table\nExport Spectra", true},
      {kIdExportGraph, "Export &Graph...",
       "Write the Spectra Display as a PNG picture, an SVG drawing or a PDF page\nExport Graph",
       true},
      {kIdCopyGraph, "&Copy Graph\tCtrl+C", "Copy the Spectra Display to the clipboard\nCopy Graph",
       true},
      {kIdPrint, "&Print...\tCtrl+P", "Print current spectra\nPrint Spectra", true},
      {kIdExit, "E&xit", "Quit Lumivex\nExit", true},

      {kIdEnergyTransferSimulation, "&Energy Transfer Simulation",
       "Simulate energy transfer within components\nEnergy Transfer Simulation", true},
      {kIdFluorescenceLifetime, "F&luorescence Lifetime Calculation",
       "Calculate fluorescence lifetime using Strickler-Berg equation\nStrickler-Berg Calculation",
       true},
      {kIdForster, "&Forster Energy Transfer",
       "Calculate Forster energy transfer\nForster Energy Transfer", true},
      {kIdMultipleComponent, "&Multiple Component Analysis",
       "Start multiple component analysis\nMultiple Component Analysis", true},
      {kIdOscillatorStrength, "&Oscillator Strength Calculation",
       "Calculate oscillator strength\nOscillator Strength Calculation", true},
      {kIdTransmission, "&Transmission Simulation",
       "Simulate a transmission spectrum\nTransmission", true},

      {kIdBlackbody, "&Blackbody Radiation Distribution",
       "Display blackbody radiator spectra\nBlackbody Radiator", true},
      {kIdGaussian, "&Gaussian Distribution", "Show a Gaussian peak\nGaussian Distribution", true},
      {kIdLorentzian, "&Lorentzian Distribution", "Show a Lorentzian peak\nLorentzian Distribution",
       true},
      {kIdSpectrumCalculator, "&Spectrum Calculator",
       "Add/Subtract two spectra\nAdd/Subtract Two Spectra", true},
      {kIdAlterSpectrum, "Alter Spectrum", "Alter selected spectra\nAlter Spectrum", true},
      {kIdCreateSpectrum, "Create Spectrum", "Create a spectrum\nCreate Spectrum", true},
      {kIdNormalize, "Normalize", "Normalization for abs spectra\nNormalize Spectrum", true},

      {kIdAutoScale, "A&uto Scale\tCtr+U", "Fit the y range to the data shown\nAuto Scale", true},
      {kIdListData, "&List Data\tCtr+L", "List and edit the data for an active graph\nList Data",
       true},
      {kIdPeakSearch, "&Peak Search", "Search a spectra for a maximum peak in a given range", true},
      {kIdMeasureBand, "&Measure Band...",
       "Maximum, width at half maximum, centroid and area of a band of the selected "
       "spectrum\nMeasure Band",
       true},
      {kIdResetGraph, "&Reset Graph\tCtrl+R",
       "Return the graph to automatic ranges in wavelength\nReset Graph", true},
      {kIdSetGraph, "Set &Graph\tCtr+G",
       "Set title, units, quantity and ranges of the graph\nGraph Settings", true},
      {kIdRedrawStructure, "Redraw Structure", "", true},

      {kIdLumivexOnline, "Lumivex online", "Open the Lumivex user manual in your browser\nOnline",
       true},
      {kIdAcknowledgment, "&Acknowledgment", "Data sources and thanks\nAcknowledgment", true},
      {kIdAuthors, "A&uthors", "Who wrote Lumivex\nAuthors", true},
      {kIdBibliography, "&Bibliography", "Literature behind the calculations\nBibliography", true},
      {kIdDevelopment, "&Development", "How Lumivex is developed\nDevelopment", true},
      {kIdOverview, "&Overview", "What Lumivex does\nOverview", true},
      {kIdHelpContent, "Help &Content", "Contents of the help\nHelp Content", true},
      {kIdHelpFinder, "Help &Finder", "Search the help\nHelp Finder", true},
      {kIdContextHelp, "Context Help", "Click a button or menu item for its help\nContext Help",
       true},
      {kIdToolbarHelp, "Toolbar Help", "What the toolbar buttons do\nToolbar Help", true},
  };
  return commands;
}

const CommandInfo* FindCommand(int id) {
  const auto& commands = Commands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [id](const CommandInfo& command) { return command.id == id; });
  return found == commands.end() ? nullptr : &*found;
}

bool IsCommandAvailable(int id) {
  const CommandInfo* command = FindCommand(id);
  return command != nullptr && command->available;
}

const std::vector<MenuInfo>& MenuBar() {
  static const std::vector<MenuInfo> menus{
      {"&File",
       {kIdCloseSelectedFiles, kIdFileNew, kIdOpenDataFile, kIdOpenDatabase, kIdOpenMasterMolecule,
        kIdOpenMasterSolar, kIdAddRecord, kIdImportSpectra, kIdExportSpectra, kIdExportGraph,
        kIdPrint, kIdExit}},
      {"&Edit", {kIdCopyGraph}},
      {"&Modules",
       {kIdEnergyTransferSimulation, kIdFluorescenceLifetime, kIdForster, kIdMultipleComponent,
        kIdOscillatorStrength, kIdTransmission}},
      {"&Curves",
       {kIdBlackbody, kIdGaussian, kIdLorentzian, kIdSpectrumCalculator, kIdAlterSpectrum,
        kIdCreateSpectrum, kIdNormalize}},
      {"&View",
       {kIdAutoScale, kIdListData, kIdPeakSearch, kIdMeasureBand, kIdResetGraph, kIdSetGraph,
        kIdRedrawStructure}},
      {"&About",
       {kIdLumivexOnline, kIdAcknowledgment, kIdAuthors, kIdBibliography, kIdDevelopment,
        kIdOverview}},
      {"&Help", {kIdHelpContent, kIdHelpFinder}},
  };
  return menus;
}

const std::vector<int>& ToolBar() {
  static const std::vector<int> toolbar{kIdCloseSelectedFiles,
                                        kIdFileNew,
                                        kIdOpenDataFile,
                                        kIdOpenDatabase,
                                        0,
                                        kIdOpenMasterMolecule,
                                        kIdOpenMasterSolar,
                                        0,
                                        kIdAddRecord,
                                        kIdPrint,
                                        0,
                                        kIdEnergyTransferSimulation,
                                        kIdFluorescenceLifetime,
                                        kIdForster,
                                        kIdMultipleComponent,
                                        kIdOscillatorStrength,
                                        kIdTransmission,
                                        0,
                                        kIdBlackbody,
                                        kIdSpectrumCalculator,
                                        kIdAlterSpectrum,
                                        kIdCreateSpectrum,
                                        kIdNormalize,
                                        0,
                                        kIdAutoScale,
                                        kIdListData,
                                        kIdResetGraph,
                                        kIdSetGraph,
                                        0,
                                        kIdContextHelp,
                                        kIdBibliography,
                                        kIdToolbarHelp};
  return toolbar;
}

const std::vector<Accelerator>& Accelerators() {
  static const std::vector<Accelerator> accelerators{
      {"Ctrl+N", kIdFileNew},    {"Ctrl+O", kIdOpenDataFile},       {"Ctrl+D", kIdOpenDatabase},
      {"Ctrl+P", kIdPrint},      {"Ctrl+G", kIdSetGraph},           {"Ctrl+L", kIdListData},
      {"Ctrl+R", kIdResetGraph}, {"Ctrl+X", kIdCloseSelectedFiles}, {"Del", kIdCloseSelectedFiles},
      {"F1", kIdHelpContent},    {"Shift+F1", kIdContextHelp},      {"Ctrl+U", kIdAutoScale},
      {"Ctrl+C", kIdCopyGraph},
  };
  return accelerators;
}

} // namespace lumivex
