#include "ui/MainFrame.h"

#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "core/Units.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/GraphSettingDlg.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>

namespace lumivex {

namespace {

constexpr const char* kOpenDataFileInfo =
    "File must be in Tab Delimited form, be uniform in x-axis steps,\n and have the extention "
    "*.abs.txt, *.ems.txt, or *.els.txt.";
constexpr const char* kOpenDataFileFilter =
    "Text files (*.txt) | *.txt|Emission files (*.ems.txt)|*.ems.txt | Absorption files "
    "(*.abs.txt) | *.abs.txt | Light Source files (*.els.txt) | *.els.txt|All files (*.*)|*.*||";
constexpr const char* kOneFileNeeded = "One and only one file needed.";
constexpr const char* kNoBrowserStarted =
    "No web browser could be started to show the Lumivex manual.  You can open it in a browser "
    "yourself:\n";
constexpr const char* kDatabaseFilter = "Database files (*.db)|*.db|All files (*.*)|*.*||";
constexpr const char* kSetGraphNeedsSelection =
    "At least one spectrum file must be selected for 'Graph Settings'.  Please select a spectrum "
    "in the Data File window.";

// log10 of a positive value; 0 where the logarithm is not a number (0 or below).
float LogOrZero(float value) {
  const float result = std::log10(value);
  return std::isfinite(result) ? result : 0.0f;
}

} // namespace

CMainFrame::CMainFrame(Prompts& prompts, CFrameViews& views)
    : m_pData(std::make_unique<CLumivexData>()), m_databaseList(prompts, *this, views),
      m_prompts(prompts), m_views(views) {}

CMainFrame::~CMainFrame() {
  for (const std::string& picture : m_printPictures) {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
  }
}

bool CMainFrame::Execute(int id) {
  if (!IsCommandAvailable(id)) {
    return false;
  }
  switch (id) {
  case kIdFileNew:
    OnFileNew();
    return true;
  case kIdCloseSelectedFiles:
    OnCloseSelectedFiles();
    return true;
  case kIdOpenDataFile:
    OnOpenDataFile();
    return true;
  case kIdSetGraph:
    OnSetGraph();
    return true;
  case kIdAutoScale:
    OnAutoScale();
    return true;
  case kIdResetGraph:
    OnResetGraph();
    return true;
  case kIdPrint:
    PrintResults(0);
    return true;
  case kIdForster:
    OnForsterEnergyTransfer();
    return true;
  case kIdTransmission:
    OnTransmissionSimulation();
    return true;
  case kIdOscillatorStrength:
    OnOscillatorStrength();
    return true;
  case kIdFluorescenceLifetime:
    OnFluorescenceLifetime();
    return true;
  case kIdOpenDatabase:
    OnOpenDatabase();
    return true;
  case kIdOpenMasterMolecule:
    OnOpenMasterMoleculeDatabase();
    return true;
  case kIdOpenMasterSolar:
    OnOpenMasterSolarDatabase();
    return true;
  case kIdAddRecord:
    OnAddRecordToDatabase();
    return true;
  case kIdRedrawStructure:
    OnRedrawStructure();
    return true;
  case kIdHelpContent:
    m_prompts.ShowHelpContents(false);
    return true;
  case kIdHelpFinder:
    m_prompts.ShowHelpContents(true);
    return true;
  case kIdLumivexOnline:
    OnLumivexOnline();
    return true;
  default:
    break;
  }
  if (const int topic = HelpTopicOfCommand(id); topic != 0) {
    m_prompts.ShowHelp(topic);
    return true;
  }
  return false;
}

void CMainFrame::OnLumivexOnline() {
  const std::string page = m_helpFolder + "/index.html";
  if (!m_prompts.OpenInBrowser(page)) {
    m_prompts.Message(kNoBrowserStarted + page, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Warning);
  }
}

int CMainFrame::HelpTopicOfCommand(int id) {
  switch (id) {
  case kIdAcknowledgment:
    return 108623;
  case kIdAuthors:
    return 107791;
  case kIdBibliography:
    return 108447;
  case kIdDevelopment:
    return 108303;
  case kIdOverview:
    return 108831;
  case kIdToolbarHelp:
    return 108047;
  default:
    return 0;
  }
}

void CMainFrame::Startup() {
  OnFileNew();
  m_openMoleculeDatabase = 1;
  m_openSolarDatabase = 0;
  OnOpenDatabase();
}

std::vector<int> CMainFrame::Selection() const {
  return m_fileList.SelectedIndices(kMaxSelection);
}

int CMainFrame::HelpMessageBox(const std::string& text, const std::string& caption) {
  return m_prompts.Message(text, caption, MessageButtons::HelpOk, MessageIcon::Information);
}

WindowLayout CMainFrame::ArrangeWindows(const CRect& client) {
  const int l = client.left;
  const int t = client.top;
  const int r = client.right;
  const int b = client.bottom;
  WindowLayout layout;
  layout.graph = {l + 265, t, l + 265 + (r - 270), t + b / 2};
  layout.fileList = {l + 265, t + b / 2, l + 265 + (r - 270), t + b / 2 + (b / 2 - 55)};
  layout.database = {l + 3, t + 35, l + 3 + 265, t + 35 + (b - 55)};
  return layout;
}

void CMainFrame::BeginClose() {
  m_childrenClosable = true;
  m_framesCreated = 0;
  m_skipNextMove = 1;
}

void CMainFrame::OnFileNew() {
  if (m_framesCreated == 0) {
    m_framesCreated = 1;
    m_childrenClosable = false;
    m_views.CreateChildWindows();
    m_views.ArrangeWindows();
    return;
  }
  CLumivexData& data = *m_pData;
  data.DeleteContents();
  m_fileList.DeleteAll();
  m_views.FileListChanged();
  m_views.InvalidateGraph();
  data.m_xMin = 1.0e9f;
  data.m_xMax = 0.0f;
  data.m_absorptionMax = 0.0f;
  data.m_emissionMax = 0.0f;
  data.m_lightSourceMax = 0.0f;
  data.m_settingsApplied = 0;
  data.m_freshSettings = 1;
}

void CMainFrame::OnCloseSelectedFiles() {
  const std::vector<int> selection = Selection();
  for (auto index = selection.rbegin(); index != selection.rend(); ++index) {
    m_fileList.DeleteEntry(*index);
    m_pData->RemoveSpectrumAt(*index);
  }
  for (int i = 0; i < m_fileList.Count(); ++i) {
    m_fileList.SetEntryColour(i, WorkspaceColour(i));
  }
  m_views.FileListChanged();
  m_views.InvalidateGraph();
  OnResetGraph();
}

void CMainFrame::AddFileEntry(const std::string& text) {
  const int index = m_fileList.AddEntry(text, m_fileList.Count());
  m_fileList.SelectOnly(index);
  m_views.FileListChanged();
}

void CMainFrame::OnOpenDataFile() {
  std::string path;
  const bool fromDatabase = m_openFromDatabase != 0;
  DatabaseOpenRequest request{m_databasePath, m_databaseRecord, m_openFromDatabase};
  // The database hand-over is consumed by the open it triggers, whatever comes of it.
  m_openFromDatabase = 0;
  if (fromDatabase) {
    path = m_databaseSpectrumPath;
  } else {
    m_prompts.Message(kOpenDataFileInfo, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    FileDialogRequest dialog;
    dialog.filter = kOpenDataFileFilter;
    dialog.defaultExtension = "txt";
    dialog.promptOverwrite = true;
    const std::optional<std::string> chosen = m_prompts.OpenFile(dialog);
    if (!chosen || *chosen == "*.txt") {
      return;
    }
    path = *chosen;
  }

  const OpenDataFileResult result = OpenDataFile(*m_pData, path, fromDatabase ? &request : nullptr);
  switch (result.status) {
  case OpenStatus::Opened:
    AddFileEntry(result.listText);
    break;
  case OpenStatus::NoKind:
    m_prompts.Message(result.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
    return;
  case OpenStatus::EmissionWithLightSource:
    m_prompts.Message(result.message, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    return;
  case OpenStatus::CannotOpen:
  case OpenStatus::TooFewPoints:
  case OpenStatus::ZeroStep:
    m_prompts.Message(result.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
    break;
  }
  m_views.InvalidateGraph();
}

bool CMainFrame::LoadCurrentRecord(int index) {
  if (index == -1) {
    const std::vector<int> selection = Selection();
    index = selection.empty() ? 0 : selection.back();
  }
  const CSpectrum* spectrum = m_pData->At(index);
  if (spectrum == nullptr) {
    return false;
  }
  m_currentRecord = spectrum->m_recordNumber;
  m_record = ReadRecord(*CProfileCache::Shared().Get(m_databasePath), m_currentRecord);
  return true;
}

void CMainFrame::OnOpenDatabase() {
  std::string path;
  if (m_openMoleculeDatabase != 0 || m_openSolarDatabase != 0) {
    const MasterDatabase kind =
        m_openSolarDatabase != 0 ? MasterDatabase::Solar : MasterDatabase::Molecule;
    path = FindMasterDatabase(m_programFolder, kind);
    if (path.empty()) {
      // Not installed: the database stays the expected master file, listed empty.
      path = MasterDatabasePath(m_programFolder, kind);
    }
  } else {
    FileDialogRequest dialog;
    dialog.filter = kDatabaseFilter;
    dialog.defaultExtension = "db";
    const std::optional<std::string> chosen = m_prompts.OpenFile(dialog);
    if (!chosen || chosen->empty()) {
      return;
    }
    path = *chosen;
  }
  m_openMoleculeDatabase = 0;
  m_openSolarDatabase = 0;
  // Kept absolute, so the record files and pictures it leads to are found from anywhere.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  m_databasePath = error ? path : absolute.string();
  m_databaseFolder = DatabaseFolder(m_databasePath);
  m_databaseList.Open(m_databaseFolder, m_databasePath);
}

void CMainFrame::OnOpenMasterMoleculeDatabase() {
  m_openMoleculeDatabase = 1;
  OnOpenDatabase();
}

void CMainFrame::OnOpenMasterSolarDatabase() {
  m_openSolarDatabase = 1;
  OnOpenDatabase();
}

void CMainFrame::OnRedrawStructure() {
  const std::vector<int> selection = Selection();
  if (selection.empty()) {
    m_prompts.Message(kOneFileNeeded, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    return;
  }
  m_databaseList.DrawStructure(m_pData->At(selection.back())->m_recordNumber);
}

void CMainFrame::OpenRecordSpectrum() {
  const std::string value =
      RecordFileValue(*CProfileCache::Shared().Get(m_databasePath), m_databaseRecord,
                      SectionOfKind(m_databaseSpectrumKind));
  m_databaseSpectrumPath = RecordFilePath(m_databaseFolder, value);
  m_openFromDatabase = 1;
  OnOpenDataFile();
}

std::string CMainFrame::RecordAbsorptionFilePath(int record) const {
  return RecordFilePath(m_databaseFolder,
                        RecordFileValue(*CProfileCache::Shared().Get(m_databasePath), record,
                                        RecordSection::Absorption));
}

int CMainFrame::MissingSpectrumFiles() const {
  return lumivex::MissingSpectrumFiles(*CProfileCache::Shared().Get(m_databasePath),
                                       m_databaseRecord);
}

void CMainFrame::OnSetGraph() {
  const std::vector<int> selection = Selection();
  if (selection.empty()) {
    m_prompts.Message(kSetGraphNeedsSelection, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    return;
  }
  CLumivexData& data = *m_pData;
  const CSpectrum& reference = *data.At(selection.back());
  CGraphSettingDlg dlg;
  dlg.m_referenceKind = static_cast<int>(reference.m_kind);
  switch (reference.m_kind) {
  case SpectrumKind::Absorption:
    if (data.m_showEpsilon) {
      dlg.m_yHigh = data.m_epsilonMax;
      dlg.m_yLow = data.m_epsilonLow;
      dlg.m_quantity = GraphQuantity::Epsilon;
    } else if (data.m_showLogEpsilon) {
      dlg.m_yHigh = LogOrZero(data.m_epsilonMax);
      dlg.m_yLow = data.m_epsilonLow > 0.0f ? LogOrZero(data.m_epsilonLow) : 0.0f;
      dlg.m_quantity = GraphQuantity::LogEpsilon;
    } else {
      dlg.m_yHigh = data.m_absorptionMax;
      dlg.m_yLow = data.m_absorptionLow;
      dlg.m_quantity = GraphQuantity::Absorption;
    }
    break;
  case SpectrumKind::Emission:
    if (data.m_showIntensity && !data.m_showFluorescence) {
      dlg.m_yHigh = data.m_intensityMax;
      dlg.m_quantity = GraphQuantity::Intensity;
    } else {
      dlg.m_yHigh = data.m_yHigh;
      dlg.m_quantity = GraphQuantity::Fluorescence;
    }
    dlg.m_yLow = data.m_emissionLow;
    break;
  case SpectrumKind::LightSource:
    dlg.m_yHigh = data.m_yHigh;
    dlg.m_yLow = data.m_lightSourceLow;
    dlg.m_quantity = GraphQuantity::Irradiance;
    break;
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    // A model curve: the absorption range, with every quantity open to choice.
    dlg.m_yHigh = data.m_absorptionMax;
    dlg.m_yLow = data.m_absorptionLow;
    dlg.m_quantity = GraphQuantity::Absorption;
    break;
  }
  const GraphQuantity preselected = dlg.m_quantity;

  dlg.m_unit = XUnitFromCode(data.m_xUnit) == XUnit::Wavelength ? 0 : data.m_xUnit;
  std::tie(dlg.m_xLow, dlg.m_xHigh) =
      AxisRange(XUnitFromCode(dlg.m_unit), data.m_xLow, data.m_xHigh);
  dlg.m_title = data.m_title;
  dlg.m_lineWidth = data.m_lineWidth;
  dlg.m_xAxisValues = data.m_xAxisValues != 0;
  dlg.m_yAxisValues = data.m_yAxisValues != 0;
  dlg.m_xPartitions = data.m_xPartitions;
  dlg.m_yPartitions = data.m_yPartitions;
  const bool fresh = data.m_freshSettings != 0;
  if (fresh) {
    std::tie(dlg.m_xLow, dlg.m_xHigh) =
        AxisRange(XUnitFromCode(dlg.m_unit), data.m_xMin, data.m_xMax);
    dlg.m_yLow = 0.0f;
    dlg.m_xAxisValues = true;
    dlg.m_yAxisValues = true;
    dlg.m_yHigh = reference.m_kind == SpectrumKind::Emission     ? data.m_emissionMax
                  : reference.m_kind == SpectrumKind::Absorption ? data.m_absorptionMax
                                                                 : data.m_lightSourceMax;
    data.m_freshSettings = 0;
  }
  dlg.EnableQuantitiesFor(dlg.m_referenceKind);

  if (m_prompts.RunDialog(dlg) != kResultOk) {
    if (fresh) {
      data.m_freshSettings = 1;
    }
    return;
  }

  float high = dlg.m_yHigh;
  float low = dlg.m_yLow;
  if (dlg.m_quantity == GraphQuantity::LogEpsilon) {
    // The dialog shows the logarithmic range in decades; the document keeps molar
    // absorptivities, which the painter takes the logarithm of.
    high = std::pow(10.0f, high);
    low = low > 0.0f ? std::pow(10.0f, low) : 0.0f;
  }
  data.m_yPartitions = dlg.m_yPartitions;
  data.m_xPartitions = dlg.m_xPartitions;
  data.m_settingsApplied = 1;
  data.m_showAbsorption = data.m_showFluorescence = data.m_showIrradiance = 0;
  data.m_showLogEpsilon = data.m_showIntensity = data.m_showEpsilon = 0;
  data.m_xAxisValues = dlg.m_xAxisValues ? 1 : 0;
  data.m_yAxisValues = dlg.m_yAxisValues ? 1 : 0;
  switch (dlg.m_quantity) {
  case GraphQuantity::Absorption:
    data.m_showAbsorption = 1;
    data.m_absorptionMax = high;
    data.m_absorptionLow = low;
    break;
  case GraphQuantity::Fluorescence:
    data.m_showFluorescence = 1;
    data.m_emissionMax = high;
    data.m_emissionLow = low;
    break;
  case GraphQuantity::LogEpsilon:
    data.m_showLogEpsilon = 1;
    data.m_epsilonMax = high;
    data.m_epsilonLow = low;
    break;
  case GraphQuantity::Intensity:
    data.m_showIntensity = 1;
    data.m_intensityMax = high;
    data.m_emissionLow = low;
    break;
  case GraphQuantity::Epsilon:
    data.m_showEpsilon = 1;
    data.m_epsilonMax = high;
    data.m_epsilonLow = low;
    break;
  case GraphQuantity::Irradiance:
    data.m_showIrradiance = 1;
    data.m_lightSourceMax = high;
    data.m_lightSourceLow = low;
    break;
  }
  const XUnit unit = XUnitFromCode(dlg.m_unit);
  data.m_xLow = unit == XUnit::Wavelength ? dlg.m_xLow : FromAxis(unit, dlg.m_xHigh);
  data.m_xHigh = unit == XUnit::Wavelength ? dlg.m_xHigh : FromAxis(unit, dlg.m_xLow);
  data.m_xUnit = static_cast<int>(unit);
  data.m_yHigh = high;
  data.m_absorptionLow = low;
  data.m_title = dlg.m_title;
  data.m_lineWidth = dlg.m_lineWidth;
  if (dlg.m_quantity != preselected) {
    OnAutoScale();
  } else {
    m_views.InvalidateGraph();
  }
}

void CMainFrame::OnAutoScale() {
  CLumivexData& data = *m_pData;
  if (!data.m_settingsApplied) {
    return;
  }
  data.m_epsilonMax = 0.0f;
  data.m_intensityMax = 0.0f;
  data.m_absorptionMax = 0.0f;
  data.m_absorptionLow = 0.0f;
  data.m_epsilonLow = 0.0f;
  data.m_emissionLow = 0.0f;
  data.m_lightSourceLow = 0.0f;
  data.m_xMin = 0.0f;
  for (const auto& spectrum : data.m_spectra) {
    switch (spectrum->m_kind) {
    case SpectrumKind::Absorption:
      if ((data.m_showEpsilon || data.m_showLogEpsilon) &&
          spectrum->m_epsilonPeak > data.m_epsilonMax) {
        data.m_epsilonMax = data.m_yHigh = spectrum->m_epsilonPeak;
      }
      if (data.m_showAbsorption && spectrum->m_peakY > data.m_absorptionMax) {
        data.m_absorptionMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::Emission:
      if (data.m_showIntensity && spectrum->m_normalizedPeak > data.m_intensityMax) {
        data.m_intensityMax = data.m_yHigh = spectrum->m_normalizedPeak;
      }
      if (data.m_showFluorescence && spectrum->m_peakY > data.m_emissionMax) {
        data.m_emissionMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::LightSource:
    case SpectrumKind::Curve:
      if (data.m_showIrradiance && spectrum->m_peakY > data.m_lightSourceMax) {
        data.m_lightSourceMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::None:
      break;
    }
  }
  m_views.InvalidateGraph();
}

void CMainFrame::OnResetGraph() {
  CLumivexData& data = *m_pData;
  data.m_xMin = 1.0e9f;
  data.m_xMax = 0.0f;
  data.m_settingsApplied = 0;
  data.m_showLogEpsilon = 0;
  data.m_xUnit = 0;
  data.m_absorptionLow = data.m_epsilonLow = data.m_emissionLow = data.m_lightSourceLow = 0.0f;
  data.m_absorptionMax = data.m_emissionMax = data.m_lightSourceMax = 0.0f;
  data.m_freshSettings = 1;
  for (const auto& spectrum : data.m_spectra) {
    spectrum->m_xShift = 0.0f;
    if (!spectrum->m_points.empty()) {
      const float first = spectrum->m_points.front().x;
      const float last = spectrum->m_points.back().x;
      data.m_xMin = std::min({data.m_xMin, first, last});
      data.m_xMax = std::max({data.m_xMax, first, last});
    }
    float* maximum = nullptr;
    switch (spectrum->m_kind) {
    case SpectrumKind::Absorption:
    case SpectrumKind::Curve:
      maximum = &data.m_absorptionMax;
      break;
    case SpectrumKind::Emission:
      maximum = &data.m_emissionMax;
      break;
    case SpectrumKind::LightSource:
      maximum = &data.m_lightSourceMax;
      break;
    case SpectrumKind::None:
      break;
    }
    if (maximum != nullptr && spectrum->m_peakY > *maximum) {
      *maximum = spectrum->m_peakY;
    }
  }
  data.SnapAutomaticXRange();
  m_views.InvalidateGraph();
}

} // namespace lumivex
