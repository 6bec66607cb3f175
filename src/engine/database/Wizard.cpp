#include "database/Wizard.h"

#include "core/SpectrumFile.h"
#include "ui/HelpTopics.h"

#include <cstdio>
#include <filesystem>

namespace lumivex {

namespace {

// Where each of the record's values comes from: its wizard item and the field it fills.
struct ValueSlot {
  int item;
  std::string DatabaseRecord::*text;
  float DatabaseRecord::*number;
};

// In the order of the fields of DatabaseRecord.
constexpr std::array<ValueSlot, CWizard::kValueCount> kValueSlots{{
    {5, &DatabaseRecord::absName, nullptr},        {6, &DatabaseRecord::absClass, nullptr},
    {10, &DatabaseRecord::absInstrument, nullptr}, {11, &DatabaseRecord::absSolvent, nullptr},
    {12, nullptr, &DatabaseRecord::absEpsilon},    {13, nullptr, &DatabaseRecord::absWavelength},
    {9, &DatabaseRecord::absReference, nullptr},   {14, &DatabaseRecord::absDate, nullptr},
    {1, &DatabaseRecord::absFile, nullptr},        {15, &DatabaseRecord::absInv, nullptr},
    {4, &DatabaseRecord::absStructure, nullptr},   {17, &DatabaseRecord::emsInstrument, nullptr},
    {18, &DatabaseRecord::emsSolvent, nullptr},    {19, nullptr, &DatabaseRecord::emsQuantumYield},
    {16, &DatabaseRecord::emsReference, nullptr},  {20, &DatabaseRecord::emsDate, nullptr},
    {2, &DatabaseRecord::emsFile, nullptr},        {21, &DatabaseRecord::emsInv, nullptr},
    {7, &DatabaseRecord::emsProvided, nullptr},    {8, &DatabaseRecord::emsNotes, nullptr},
    {3, &DatabaseRecord::lsFile, nullptr},         {27, &DatabaseRecord::lsCloud, nullptr},
    {26, &DatabaseRecord::lsDate, nullptr},        {23, &DatabaseRecord::lsInstrument, nullptr},
    {28, &DatabaseRecord::lsInv, nullptr},         {24, &DatabaseRecord::lsLocation, nullptr},
    {22, &DatabaseRecord::lsRef, nullptr},         {25, &DatabaseRecord::lsTime, nullptr},
}};

constexpr int kFileItems = 4;

std::size_t KindIndex(WizardFileKind kind) {
  return static_cast<std::size_t>(kind);
}

} // namespace

const std::array<WizardFileButton, 4>& WizardFileButtons() {
  static const std::array<WizardFileButton, 4> buttons{{
      {WizardFileKind::Absorption, "Open Absorption File", 22600, 42844, 42932,
       "Absorption files (*.abs.txt)|*.abs.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*||",
       "txt", "*.txt"},
      {WizardFileKind::Emission, "Open Emission File", 57602, 42846, 42931,
       "Emission files (*.ems.txt)|*.ems.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*||", "txt",
       "*.txt"},
      {WizardFileKind::LightSource, "Open Light Source File", 22601, 42845, 42933,
       "Light Source files (*.els.txt)|*.els.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*||",
       "txt", "*.txt"},
      {WizardFileKind::Structure, "Open Structure/Picture File", 57603, 42847, 0,
       "Structure files (*.str.bmp)|*.str.bmp|All files (*.*)|*.*||", "bmp", "*.bmp"},
  }};
  return buttons;
}

std::vector<std::string> PreviewLines(const std::string& path) {
  std::vector<SpectrumPoint> points;
  if (!ReadSpectrumPoints(path, points, kPreviewLines).ok) {
    return {};
  }
  std::vector<std::string> lines;
  lines.reserve(points.size());
  for (const SpectrumPoint& point : points) {
    char line[128];
    std::snprintf(line, sizeof line, "%f    %f", static_cast<double>(point.x),
                  static_cast<double>(point.y));
    lines.emplace_back(line);
  }
  return lines;
}

std::vector<WizardField> CWizardTab1::Fields() {
  std::vector<WizardField> fields;
  int item = 1;
  for (const WizardFileButton& button : WizardFileButtons()) {
    fields.push_back({item++, button.text, button.edit, &File(button.kind).path, false});
  }
  return fields;
}

std::vector<const char*> CWizardTab1::Notes() const {
  return {"Note: The files selected will be copied to the same location as the database "
          "selected.",
          "The structure file should be {Pixels (240 x 200); cm (7.5 x 6.25)} in size for the "
          "best resolution."};
}

WizardEnterKey CWizardTab1::EnterKey(int /*item*/) const {
  return WizardEnterKey::NextField;
}

WizardFile& CWizardTab1::File(WizardFileKind kind) {
  return m_files[KindIndex(kind)];
}

const WizardFile& CWizardTab1::File(WizardFileKind kind) const {
  return m_files[KindIndex(kind)];
}

void CWizardTab1::ClearPreviews() {
  for (std::vector<std::string>& preview : m_previews) {
    preview.clear();
  }
}

bool CWizardTab1::OnOpenFile(WizardFileKind kind, Prompts& prompts) {
  const WizardFileButton& button = WizardFileButtons()[KindIndex(kind)];
  FileDialogRequest request;
  request.filter = button.filter;
  request.defaultExtension = button.extension;
  const std::optional<std::string> chosen = prompts.OpenFile(request);
  if (!chosen || *chosen == button.ignoredPath) {
    return false;
  }
  const bool previewed = kind != WizardFileKind::Structure;
  if (previewed) {
    m_previews[KindIndex(kind)].clear();
  }
  WizardFile& file = File(kind);
  file.path = *chosen;
  file.name = std::filesystem::path(file.path).filename().string();
  file.folder = file.path.substr(0, file.path.size() - file.name.size());
  if (previewed) {
    m_previews[KindIndex(kind)] = PreviewLines(file.path);
  }
  return true;
}

std::vector<WizardField> CWizardTab2::Fields() {
  return {
      {5, "(5)  Name (Compound or Light Source):", 22599, &m_name, false},
      {6, "(6)  Class (Compound or Light Source) (Used for sorting):", 22598, &m_class, false},
      {7, "(7)  All Data and References Provided By:", 22583, &m_provided, false},
      {8, "(8)  Notes:", 22597, &m_notes, true},
  };
}

WizardEnterKey CWizardTab2::EnterKey(int item) const {
  return item == 8 ? WizardEnterKey::NewLine : WizardEnterKey::NextField;
}

std::vector<WizardField> CWizardTab3::Fields() {
  return {
      {9, "(9)  Absorption Reference:", 22596, &m_reference, false},
      {10, "(10)  Instrument Used to Obtain Data:", 22595, &m_instrument, false},
      {11, "(11)  Solvent Used For Data:", 22594, &m_solvent, false},
      {12, "(12)  Epsilon Value", 22593, &m_epsilon, false},
      {13, "(13) Wavelength for Epsilon Value (nm):", 22592, &m_wavelength, false},
      {14, "(14)  Date of Collection:", 22591, &m_date, false},
      {15, "(15)  Experimentalist:", 22590, &m_inv, false},
  };
}

std::vector<const char*> CWizardTab3::Notes() const {
  return {"Note:  12 and 13 are required to perform calculations."};
}

WizardEnterKey CWizardTab3::EnterKey(int /*item*/) const {
  return WizardEnterKey::NextField;
}

std::vector<WizardField> CWizardTab4::Fields() {
  return {
      {16, "(16) Emission Reference:", 22589, &m_reference, false},
      {17, "(17)  Instrument Used to Obtain Data:", 22586, &m_instrument, false},
      {18, "(18)  Solvent Used For Data:", 22587, &m_solvent, false},
      {19, "(19)  Quantum Yield of Fluorescence:", 22588, &m_quantumYield, false},
      {20, "(20)  Date of Collection:", 22585, &m_date, false},
      {21, "(21)  Experimentalist:", 22584, &m_inv, false},
  };
}

std::vector<const char*> CWizardTab4::Notes() const {
  return {"Note:  19 is required to perform calculations."};
}

WizardEnterKey CWizardTab4::EnterKey(int /*item*/) const {
  return WizardEnterKey::NextField;
}

std::vector<WizardField> CWizardTab5::Fields() {
  return {
      {22, "(22) Light Source Reference:", 22582, &m_reference, false},
      {23, "(23)  Instrument Used to Obtain Data:", 22581, &m_instrument, false},
      {24, "(24)  Location of Data Acquisition:", 22580, &m_location, false},
      {25, "(25)  Time of Collection:", 22579, &m_time, false},
      {26, "(26)  Date of Collection:", 22578, &m_date, false},
      {27, "(27)  Cloud Condition:", 22577, &m_cloud, false},
      {28, "(28)  Experimentalist:", 22585, &m_inv, false},
  };
}

WizardEnterKey CWizardTab5::EnterKey(int /*item*/) const {
  return WizardEnterKey::Finish;
}

CWizardPage& CWizardTabCtrl::Page(int index) {
  switch (index) {
  case 0:
    return m_tab1;
  case 1:
    return m_tab2;
  case 2:
    return m_tab3;
  case 3:
    return m_tab4;
  default:
    break;
  }
  return m_tab5;
}

bool CWizardTabCtrl::OnTabClicked(int focusedTab) {
  if (focusedTab < 0 || focusedTab >= kPageCount || focusedTab == m_current) {
    return false;
  }
  m_current = focusedTab;
  return true;
}

void CWizard::OnInitDialog() {
  m_tabs.m_current = 0;
  m_tabs.m_tab1.ClearPreviews();
}

bool CWizard::OnOpenFile(WizardFileKind kind) {
  return m_tabs.m_tab1.OnOpenFile(kind, m_prompts);
}

bool CWizard::OnFinish() {
  if (m_tabs.m_tab2.m_name.empty()) {
    m_prompts.Message(kWizardNameMissing, kWizardNameMissingCaption, MessageButtons::Ok,
                      MessageIcon::None);
    return false;
  }
  // The texts by item: the files by the names chosen with their buttons, the rest as typed.
  std::array<const std::string*, kValueCount + 1> byItem{};
  for (int item = 1; item <= kFileItems; ++item) {
    byItem[static_cast<std::size_t>(item)] =
        &m_tabs.m_tab1.m_files[static_cast<std::size_t>(item - 1)].name;
  }
  for (int page = 1; page < CWizardTabCtrl::kPageCount; ++page) {
    for (const WizardField& field : m_tabs.Page(page).Fields()) {
      byItem[static_cast<std::size_t>(field.item)] = field.text;
    }
  }
  for (std::size_t i = 0; i < kValueCount; ++i) {
    m_values[i] = *byItem[static_cast<std::size_t>(kValueSlots[i].item)];
  }
  return true;
}

void CWizard::OnHelp() {
  m_prompts.ShowHelp(kHelpDatabaseWizard);
}

DatabaseRecord CWizard::Record() const {
  DatabaseRecord record;
  for (std::size_t i = 0; i < kValueCount; ++i) {
    const ValueSlot& slot = kValueSlots[i];
    if (slot.text != nullptr) {
      record.*slot.text = m_values[i];
    } else {
      float value = 0.0f;
      record.*slot.number = ScanFloat(m_values[i], value) ? value : 0.0f;
    }
  }
  return record;
}

std::vector<RecordFile> CWizard::Files() const {
  std::vector<RecordFile> files;
  for (const WizardFileKind kind : {WizardFileKind::Absorption, WizardFileKind::Emission,
                                    WizardFileKind::Structure, WizardFileKind::LightSource}) {
    const WizardFile& file = m_tabs.m_tab1.File(kind);
    files.push_back({file.path, file.name});
  }
  return files;
}

} // namespace lumivex
