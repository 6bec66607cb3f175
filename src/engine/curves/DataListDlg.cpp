#include "curves/DataListDlg.h"

#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumivex {

namespace {

// A record's "File" value is read with room for 99 characters.
constexpr std::size_t kFileValueBuffer = 100;

int ButtonSlot(SpectrumDataButton button) {
  return static_cast<int>(button) - static_cast<int>(SpectrumDataButton::Absorption);
}

RecordSection SectionOfButton(SpectrumDataButton button) {
  switch (button) {
  case SpectrumDataButton::Absorption:
    return RecordSection::Absorption;
  case SpectrumDataButton::Emission:
    return RecordSection::Emission;
  case SpectrumDataButton::LightSource:
    break;
  }
  return RecordSection::LightSource;
}

SpectrumKind KindOfButton(SpectrumDataButton button) {
  switch (button) {
  case SpectrumDataButton::Absorption:
    return SpectrumKind::Absorption;
  case SpectrumDataButton::Emission:
    return SpectrumKind::Emission;
  case SpectrumDataButton::LightSource:
    break;
  }
  return SpectrumKind::LightSource;
}

std::string PointEntry(const SpectrumPoint& point, float shift, bool shortFormat) {
  char text[96];
  std::snprintf(text, sizeof text, shortFormat ? "%4.3f         %f" : "%4.3f         %.9f",
                static_cast<double>(point.x + shift), static_cast<double>(point.y));
  return text;
}

// The points of a spectrum text file; empty when the file cannot be opened.
std::vector<SpectrumPoint> ReadPoints(const std::string& path) {
  std::vector<SpectrumPoint> points;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return points;
  }
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ParseSpectrumText(text, points);
  return points;
}

} // namespace

const char* SpectrumDataButtonText(SpectrumDataButton button) {
  switch (button) {
  case SpectrumDataButton::Absorption:
    return "Abs spectrum";
  case SpectrumDataButton::Emission:
    return "Ems spectrum";
  case SpectrumDataButton::LightSource:
    break;
  }
  return "LS spectrum";
}

const char* NoiseOperationText(NoiseOperation operation) {
  switch (operation) {
  case NoiseOperation::AddShift:
    return "Add a shift";
  case NoiseOperation::Replace:
    return "Replace with a value";
  case NoiseOperation::Smooth:
    break;
  }
  return "Smooth";
}

std::optional<SpectrumDataButton> ButtonOfKind(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Absorption:
    return SpectrumDataButton::Absorption;
  case SpectrumKind::Emission:
  case SpectrumKind::Curve:
    return SpectrumDataButton::Emission;
  case SpectrumKind::LightSource:
    return SpectrumDataButton::LightSource;
  case SpectrumKind::None:
    break;
  }
  return std::nullopt;
}

std::vector<DialogField> CDataListDlg::Fields() {
  DatabaseRecord& r = m_values;
  return {
      {"name", "Name:", &r.absName},
      {"class", "Class:", &r.absClass},
      {"absInstrument", "Instrument:", &r.absInstrument},
      {"absSolvent", "Solvent:", &r.absSolvent},
      {"epsilon", "Epsilon", &r.absEpsilon, NumberRange{0.0f, 1000000000.0f}},
      {"epsilonWavelength", "Wavelength for epsilon (nm)", &r.absWavelength,
       NumberRange{0.0f, 1000.0f}},
      {"absDate", "Date:", &r.absDate},
      {"absExperimentalist", "Experimentalist:", &r.absInv},
      {"emsInstrument", "Instrument:", &r.emsInstrument},
      {"emsSolvent", "Solvent:", &r.emsSolvent},
      {"quantumYield", "Quantum yield:", &r.emsQuantumYield, NumberRange{0.0f, 1.0f}},
      {"emsExperimentalist", "Experimentalist:", &r.emsInv},
      {"emsDate", "Date:", &r.emsDate},
      {"lsInstrument", "Instrument:", &r.lsInstrument},
      {"location", "Location:", &r.lsLocation},
      {"time", "Time:", &r.lsTime},
      {"cloud", "Cloud Condition:", &r.lsCloud},
      {"lsExperimentalist", "Experimentalist:", &r.lsInv},
      {"lsDate", "Date:", &r.lsDate},
      {"notes", "Notes", &r.emsNotes},
      {"absReference", "Abs reference", &r.absReference},
      {"emsReference", "Ems reference", &r.emsReference},
      {"lsReference", "LS reference", &r.lsRef},
      {"absFile", "Abs file", &r.absFile},
      {"emsFile", "Ems file", &r.emsFile},
      {"lsFile", "LS file", &r.lsFile},
      {"structure", "Structure file", &r.absStructure},
      {"provided", "Data provided by", &r.emsProvided},
      {"value", "Value", &m_value},
  };
}

std::vector<std::string> CDataListDlg::PointList() const {
  std::vector<std::string> entries;
  if (m_current == nullptr) {
    return entries;
  }
  entries.reserve(m_current->m_points.size());
  for (const SpectrumPoint& point : m_current->m_points) {
    entries.push_back(PointEntry(point, m_current->m_xShift, m_shortFormat));
  }
  return entries;
}

void CDataListDlg::Open(SpectrumDataButton button, int missingFiles) {
  m_reportRequested = false;
  m_saveRequested = false;
  m_openedCount = 0;
  m_opened.clear();
  m_shortFormat = false;
  m_button = button;
  for (int slot = 0; slot < 3; ++slot) {
    m_buttonEnabled[static_cast<std::size_t>(slot)] =
        RecordLoaded() && (missingFiles & (1 << slot)) == 0;
  }
}

CDataListDlg::RunResult CDataListDlg::Run(Prompts& prompts, const FieldTexts& texts,
                                          NoiseOperation operation,
                                          const std::vector<bool>& selected) {
  RunResult result;
  result.refusal = StoreFields(Fields(), texts);
  if (!result.refusal) {
    m_operation = operation;
  }
  const auto first = std::find(selected.begin(), selected.end(), true);
  if (first == selected.end() || m_current == nullptr) {
    prompts.Message(kSelectDataRegion, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
    return result;
  }
  const auto end = std::find(first, selected.end(), false);
  const int low = static_cast<int>(first - selected.begin());
  const int high = static_cast<int>(end - selected.begin()) - 1;
  switch (m_operation) {
  case NoiseOperation::AddShift:
    m_current->AddY(low, high, m_value);
    break;
  case NoiseOperation::Replace:
    m_current->SetY(low, high, m_value);
    break;
  case NoiseOperation::Smooth:
    m_current->Smooth(low, high);
    break;
  }
  result.region = std::make_pair(low, high);
  return result;
}

bool CDataListDlg::SavePoints(Prompts& prompts) {
  if (m_current == nullptr) {
    return false;
  }
  FileDialogRequest request;
  request.defaultExtension = "txt";
  request.initialName = "*.txt";
  const std::optional<std::string> path = prompts.SaveFile(request);
  if (!path || *path == "*.txt") {
    return false;
  }
  const WriteResult written = WriteSpectrumFile(*m_current, *path);
  if (!written.ok) {
    prompts.Message(std::string(kSavePointsFailed) + "\n" + written.message, kApplicationTitle,
                    MessageButtons::Ok, MessageIcon::Information);
  }
  return written.ok;
}

void CDataListDlg::CreateReport() {
  const DatabaseRecord& r = m_values;
  m_report.numbers = {r.absEpsilon, r.absWavelength, r.emsQuantumYield};
  m_report.texts = {r.absName,     r.absClass,     r.absInstrument, r.absSolvent,    r.absDate,
                    r.absInv,      r.absReference, r.absFile,       r.emsInstrument, r.emsSolvent,
                    r.emsDate,     r.emsInv,       r.emsReference,  r.emsFile,       r.emsNotes,
                    r.emsProvided, r.lsFile,       r.lsInstrument,  r.lsLocation,    r.lsCloud,
                    r.lsDate,      r.lsInv,        r.lsRef,         r.lsTime};
  m_reportRequested = true;
}

std::optional<FieldRefusal> CDataListDlg::SaveRecord(const FieldTexts& texts) {
  if (!SaveRecordEnabled()) {
    return std::nullopt;
  }
  std::optional<FieldRefusal> refusal = StoreFields(Fields(), texts);
  m_saveRequested = !refusal;
  return refusal;
}

bool CDataListDlg::PressSpectrumData(SpectrumDataButton button, DataListWorkspace& workspace) {
  if (button == m_button || !RecordLoaded() ||
      !m_buttonEnabled[static_cast<std::size_t>(ButtonSlot(button))]) {
    return false;
  }
  m_button = button;
  ++m_openedCount;
  const auto database = CProfileCache::Shared().Get(workspace.databasePath);
  const std::string value = database->GetString(
      RecordSectionName(m_recordNumber, SectionOfButton(button)), "File", "", kFileValueBuffer);
  const std::string path = workspace.databaseFolder + value;

  const int position = workspace.document.Count();
  CSpectrum* spectrum = workspace.document.AddNewSpectrum();
  m_opened.push_back(spectrum);
  spectrum->m_filePath = path;
  workspace.fileList.SelectOnly(workspace.fileList.AddEntry(ListText(path), position));
  spectrum->m_kind = KindOfButton(button);
  spectrum->m_points = ReadPoints(path);
  if (!spectrum->m_points.empty()) {
    SetGridAndPeak(*spectrum);
    RaiseExtents(workspace.document, *spectrum);
    const DatabaseOpenRequest request{workspace.databasePath, m_recordNumber, 1};
    TakeRecordValues(workspace.document, *spectrum, request);
  }
  m_current = spectrum;
  m_shortFormat = true;
  if (workspace.views != nullptr) {
    workspace.views->FileListChanged();
    workspace.views->InvalidateGraph();
  }
  return true;
}

bool CDataListDlg::PressSpectrumData(SpectrumDataButton button) {
  return m_workspace != nullptr && PressSpectrumData(button, *m_workspace);
}

void CDataListDlg::RemoveOpened(DataListWorkspace& workspace) {
  for (auto opened = m_opened.rbegin(); opened != m_opened.rend(); ++opened) {
    for (int index = workspace.document.Count() - 1; index >= 0; --index) {
      if (workspace.document.At(index) == *opened) {
        if (index < workspace.fileList.Count()) {
          workspace.fileList.DeleteEntry(index);
        }
        workspace.document.RemoveSpectrumAt(index);
        break;
      }
    }
    if (m_current == *opened) {
      m_current = nullptr;
    }
  }
  if (!m_opened.empty() && workspace.views != nullptr) {
    workspace.views->FileListChanged();
    workspace.views->InvalidateGraph();
  }
  m_opened.clear();
}

void CDataListDlg::ClearValues() {
  m_values = DatabaseRecord{};
  m_recordNumber = 0;
}

} // namespace lumivex
