#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Prompts.h"
#include "database/DatabaseRecord.h"
#include "database/StructureDlg.h"
#include "database/Username.h"
#include "output/ResultSheet.h"
#include "ui/FrameViews.h"
#include "ui/SpectrumList.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace lumivex {

/// Where the three windows go inside the frame's client rectangle.
struct WindowLayout {
  CRect graph;    ///< Spectra Display, top right
  CRect fileList; ///< Data File, bottom right
  CRect database; ///< database list window, left
};

/// The main frame's state and every command handler. It reaches the user only through
/// Prompts, its windows only through CFrameViews and the Data File list model, so every
/// command runs the same in the program and in tests.
class CMainFrame {
public:
  CMainFrame(Prompts& prompts, CFrameViews& views);
  /// Deletes the graph pictures that printing left behind.
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  /// Runs a command by identifier. False when the command is unknown or not available.
  bool Execute(int id);
  /// The start-up sequence: the first File New, then the master molecule database opens
  /// into the database list window.
  void Startup();

  void OnFileNew();
  void OnCloseSelectedFiles();
  void OnOpenDataFile();
  void OnSetGraph();
  void OnAutoScale();
  void OnResetGraph();
  /// Open Database: a master database when a master flag is set (solar before molecule),
  /// otherwise a file the user chooses; cancelling keeps the current database. The database
  /// list window is filled from the new database.
  void OnOpenDatabase();
  void OnOpenMasterMoleculeDatabase();
  void OnOpenMasterSolarDatabase();
  /// Add Record to Database: choose a new or an existing database, then fill the Database
  /// Entry Wizard once per record; each record is appended with its files copied beside
  /// the database, until the user cancels or wants no further record.
  void OnAddRecordToDatabase();
  /// Forster Energy Transfer: a selected emission spectrum (donor) and absorption spectrum
  /// (acceptor) give the overlap integral, Forster distance, efficiency, rate and Dexter
  /// integral in a dialog that reopens after each calculation until cancelled.
  void OnForsterEnergyTransfer();
  /// Transmission Simulation: a selected light source seen through a selected absorption
  /// spectrum becomes a new "Transmission" spectrum in the workspace.
  void OnTransmissionSimulation();
  /// Oscillator Strength Calculation: one selected absorption spectrum gives the
  /// oscillator strength and transition dipole moment of its largest band in a dialog that
  /// reopens after each calculation until cancelled or until the range holds no peak.
  void OnOscillatorStrength();
  /// Fluorescence Lifetime Calculation: a selected absorption and emission spectrum give the
  /// Strickler-Berg rate constant and lifetimes in a dialog that reopens until cancelled.
  void OnFluorescenceLifetime();
  /// Redraw Structure: the database window shows the structure picture of the last
  /// selected Data File spectrum's record.
  void OnRedrawStructure();
  /// Lumivex online: the manual's contents page in the system browser; when no browser can
  /// be started, a message names the page.
  void OnLumivexOnline();

  /// Prints one page: the result sheet of module code 1..5 (m_resultSource), an empty page
  /// for code 6, the graph for any other code.
  void PrintResults(int moduleCode);
  /// Writes an HTML report of module code 1..5 (m_resultSource) or 6 (data information
  /// editor) from a template the user chooses.
  void WriteHtmlReport(int moduleCode);

  /// The usage prompt of module commands: an information box with "Help" (answers 1) and
  /// "OK" (answers 2).
  int HelpMessageBox(const std::string& text, const std::string& caption);

  /// The selection: at most 30 selected Data File indices, ascending.
  [[nodiscard]] std::vector<int> Selection() const;

  /// The placement of the windows for a client rectangle.
  [[nodiscard]] static WindowLayout ArrangeWindows(const CRect& client);

  /// Closing the frame: the child windows may close from now on.
  void BeginClose();
  /// Whether the child windows accept a close request.
  [[nodiscard]] bool ChildrenClosable() const { return m_childrenClosable; }

  /// The help topic a command opens, or 0 when it opens none.
  [[nodiscard]] static int HelpTopicOfCommand(int id);

  /// Loads the database record of a workspace spectrum into m_record and its number into
  /// m_currentRecord. Index -1 takes the last selected Data File entry, or the first
  /// spectrum when none is selected. False, changing nothing, when there is no such spectrum.
  bool LoadCurrentRecord(int index);
  /// Opens the spectrum file that record m_databaseRecord names in the section chosen by
  /// m_databaseSpectrumKind, through Open Data File in its database mode.
  void OpenRecordSpectrum();
  /// The database folder followed by the Absorption "File" value of a record.
  [[nodiscard]] std::string RecordAbsorptionFilePath(int record) const;
  /// Which spectra record m_databaseRecord lacks: 1 absorption, 2 emission, 4 light source.
  [[nodiscard]] int MissingSpectrumFiles() const;

  std::unique_ptr<CLumivexData> m_pData;
  CSpectrumList m_fileList; ///< the Data File list; entry i is workspace position i
  int m_framesCreated = 0;
  int m_openMoleculeDatabase = 0;
  int m_openSolarDatabase = 0;
  /// Module dialogs whose results printing and reports read, by module code 1..5.
  std::array<const CResultSheet*, 6> m_resultSource{};
  int m_openFromDatabase = 0;
  std::string m_databaseFolder;
  std::string m_databasePath;
  std::string m_databaseSpectrumPath;
  int m_databaseSpectrumKind = 0;
  int m_databaseRecord = 0;
  int m_skipNextMove = 0;
  int m_currentRecord = 0;
  DatabaseRecord m_record; ///< the current record, loaded by LoadCurrentRecord
  /// Folder of the help topics; "Lumivex online" opens its contents page in the browser.
  std::string m_helpFolder;
  /// Folder of the program's executable, below which the master databases lie.
  std::string m_programFolder;
  /// The database list window's model.
  CStructureDlg m_databaseList;
  /// The "Name of User" dialog, asked before printing and reporting.
  CUsername m_usernameDlg;

private:
  /// Adds the Data File entry of the workspace's newest spectrum and selects it alone.
  void AddFileEntry(const std::string& text);
  /// Shows the user-name dialog (only while no name is known, unless `always`); true when
  /// it ends with OK and a name. A cancelled dialog keeps the name it opened with.
  bool AskUserName(bool always);
  /// Prints one page of PrintResults on a job; false when the job fails.
  bool PrintPage(PrintJob& job, int moduleCode);
  /// The report block of a module code; empty when there is none.
  [[nodiscard]] ReportBlock ReportBlockOf(int moduleCode) const;

  Prompts& m_prompts;
  CFrameViews& m_views;
  bool m_childrenClosable = false;
  /// The graph pictures printing wrote, deleted with the frame.
  std::vector<std::string> m_printPictures;
};

} // namespace lumivex
