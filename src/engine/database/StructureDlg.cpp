#include "database/StructureDlg.h"

#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "database/DatabaseRecord.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/FrameViews.h"
#include "ui/MainFrame.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace lumivex {

namespace {

constexpr const char* kSaveListFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";
constexpr int kMenuAbsorption = 42829;
constexpr int kMenuEmission = 42830;
constexpr int kMenuLightSources = 42849;
constexpr int kMenuListData = 42840;

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return Folded(a) < Folded(b);
}

std::string RecordValue(const CProfileFile& database, int record, const char* key,
                        const char* defaultValue) {
  return database.GetString(RecordSectionName(record, RecordSection::Absorption), key, defaultValue,
                            kLocateBuffer);
}

} // namespace

CStructureDlg::CStructureDlg(Prompts& prompts, CMainFrame& frame, CFrameViews& views)
    : m_prompts(prompts), m_mainFrame(frame), m_views(views) {}

void CStructureDlg::Open(const std::string& folder, const std::string& path) {
  m_folder = folder;
  m_path = path;
  Fill();
}

void CStructureDlg::Fill() {
  m_entries.clear();
  m_selected = -1;
  const std::shared_ptr<const CProfileFile> database = CProfileCache::Shared().Get(m_path);
  const int count = RecordCount(*database);
  for (int record = 1; record <= count; ++record) {
    std::string name = RecordValue(*database, record, "Name", "empty");
    if (name == "empty") {
      break;
    }
    m_entries.push_back({std::move(name), record});
  }
  SetTotal(HeaderRecordCount(*database));
  m_views.DatabaseListChanged();
}

void CStructureDlg::SetTotal(int total) {
  m_totalNumber = std::to_string(total);
}

void CStructureDlg::OnAlphabetical() {
  if (m_mainFrame.m_databasePath.empty()) {
    return;
  }
  std::stable_sort(m_entries.begin(), m_entries.end(),
                   [](const DatabaseListEntry& a, const DatabaseListEntry& b) {
                     return LessIgnoringCase(a.name, b.name);
                   });
  m_selected = -1;
  m_views.DatabaseListChanged();
}

void CStructureDlg::OnClasses() {
  if (m_mainFrame.m_databasePath.empty()) {
    return;
  }
  const std::shared_ptr<const CProfileFile> database = CProfileCache::Shared().Get(m_path);
  const int count = RecordCount(*database);
  std::vector<std::string> folded(static_cast<std::size_t>(std::max(count, 0)));
  std::vector<std::string> seen;
  m_sortDlg.m_classes.clear();
  for (int record = 1; record <= count; ++record) {
    const std::string value = RecordValue(*database, record, "Class", "");
    std::string key = Folded(value);
    if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
      seen.push_back(key);
      m_sortDlg.m_classes.push_back(value);
    }
    folded[static_cast<std::size_t>(record - 1)] = std::move(key);
  }
  std::stable_sort(m_sortDlg.m_classes.begin(), m_sortDlg.m_classes.end(), LessIgnoringCase);
  m_sortDlg.m_chosen.assign(m_sortDlg.m_classes.size(), false);
  if (m_prompts.RunDialog(m_sortDlg) != kResultOk) {
    return;
  }

  m_entries.clear();
  m_selected = -1;
  for (std::size_t c = 0; c < m_sortDlg.m_classes.size(); ++c) {
    if (c >= m_sortDlg.m_chosen.size() || !m_sortDlg.m_chosen[c]) {
      continue;
    }
    const std::string chosen = Folded(m_sortDlg.m_classes[c]);
    for (int record = 1; record <= count; ++record) {
      if (folded[static_cast<std::size_t>(record - 1)] == chosen) {
        m_entries.push_back({RecordValue(*database, record, "Name", ""), record});
      }
    }
  }
  SetTotal(static_cast<int>(m_entries.size()));
  m_views.DatabaseListChanged();
}

void CStructureDlg::OnReset() {
  if (m_mainFrame.m_databasePath.empty()) {
    return;
  }
  Fill();
}

void CStructureDlg::OnSaveList() {
  if (m_mainFrame.m_databasePath.empty()) {
    return;
  }
  FileDialogRequest request;
  request.defaultExtension = "txt";
  request.initialName = "*.txt";
  request.filter = kSaveListFilter;
  request.promptOverwrite = true;
  const std::optional<std::string> chosen = m_prompts.SaveFile(request);
  if (!chosen || *chosen == "*.txt") {
    return;
  }
  std::string text;
  for (const DatabaseListEntry& entry : m_entries) {
    text += entry.name;
    text += '\n';
  }
  // A file that cannot be written is skipped without a message.
  static_cast<void>(WriteFileAtomically(*chosen, text));
}

void CStructureDlg::Select(int position) {
  const bool inside = position >= 0 && position < static_cast<int>(m_entries.size());
  m_selected = inside ? position : -1;
}

std::vector<PopupMenuItem> CStructureDlg::ShowSelected() {
  if (m_selected < 0) {
    return {};
  }
  const int record = m_entries[static_cast<std::size_t>(m_selected)].record;
  DrawStructure(record);
  m_mainFrame.m_databaseRecord = record;
  const int missing = m_mainFrame.MissingSpectrumFiles();
  return {{"Absorption", kMenuAbsorption, (missing & 1) == 0},
          {"Emission", kMenuEmission, (missing & 2) == 0},
          {"Light Sources", kMenuLightSources, (missing & 4) == 0},
          {"List Data", kMenuListData, IsCommandAvailable(kIdListData)}};
}

void CStructureDlg::DrawStructure(int record) {
  const std::string value =
      record > 0 ? RecordValue(*CProfileCache::Shared().Get(m_path), record, "Structure", "")
                 : std::string();
  m_structureView = LoadStructurePicture(m_prompts, m_dib, m_folder + value, m_structureView);
  m_views.StructureChanged();
}

void CStructureDlg::PaintStructure(Canvas& canvas) const {
  lumivex::PaintStructure(canvas, m_dib, m_structureView);
}

void CStructureDlg::OnAbsorption() {
  OpenSelectedSpectrum(0);
}

void CStructureDlg::OnEmission() {
  OpenSelectedSpectrum(1);
}

void CStructureDlg::OnLightSources() {
  OpenSelectedSpectrum(2);
}

void CStructureDlg::OpenSelectedSpectrum(int kind) {
  if (m_selected < 0) {
    return;
  }
  m_mainFrame.m_databaseSpectrumKind = kind;
  m_mainFrame.m_databaseRecord = m_entries[static_cast<std::size_t>(m_selected)].record;
  m_mainFrame.OpenRecordSpectrum();
}

} // namespace lumivex
