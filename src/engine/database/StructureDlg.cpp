#include "database/StructureDlg.h"

#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "database/DatabaseRecord.h"
#include "database/DatabaseSession.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/FrameViews.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace lumivex {

namespace {

constexpr const char* kSaveListFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";
constexpr const char* kSaveListUnwritable = "Unable to save the list.\n";
constexpr int kMenuAbsorption = 42829;
constexpr int kMenuEmission = 42830;
constexpr int kMenuLightSources = 42849;
constexpr int kMenuListData = 42840;

std::string RecordValue(const CProfileFile& database, int record, const char* key,
                        const char* defaultValue) {
  return database.GetString(RecordSectionName(record, RecordSection::Absorption), key, defaultValue,
                            kLocateBuffer);
}

} // namespace

CStructureDlg::CStructureDlg(Prompts& prompts, CDatabaseSession& session, CFrameViews& views,
                             OpenSpectrum openSpectrum)
    : m_prompts(prompts), m_session(session), m_views(views),
      m_openSpectrum(std::move(openSpectrum)) {}

void CStructureDlg::Open(const std::string& folder, const std::string& path) {
  m_folder = folder;
  m_path = path;
  Fill();
}

void CStructureDlg::Fill() {
  m_selected = -1;
  const DatabaseListing listing = ListRecords(*CProfileCache::Shared().Get(m_path));
  m_entries = listing.entries;
  SetTotal(listing.total);
  m_views.DatabaseListChanged();
}

void CStructureDlg::SetTotal(int total) {
  m_totalNumber = std::to_string(total);
}

void CStructureDlg::OnAlphabetical() {
  if (m_session.m_databasePath.empty()) {
    return;
  }
  SortByName(m_entries);
  m_selected = -1;
  m_views.DatabaseListChanged();
}

void CStructureDlg::OnClasses() {
  if (m_session.m_databasePath.empty()) {
    return;
  }
  const std::shared_ptr<const CProfileFile> database = CProfileCache::Shared().Get(m_path);
  m_sortDlg.m_classes = RecordClasses(*database);
  m_sortDlg.m_chosen.assign(m_sortDlg.m_classes.size(), false);
  if (m_prompts.RunDialog(m_sortDlg) != kResultOk) {
    return;
  }

  std::vector<std::string> chosen;
  for (std::size_t c = 0; c < m_sortDlg.m_classes.size() && c < m_sortDlg.m_chosen.size(); ++c) {
    if (m_sortDlg.m_chosen[c]) {
      chosen.push_back(m_sortDlg.m_classes[c]);
    }
  }
  const DatabaseListing listing = ListClasses(*database, chosen);
  m_entries = listing.entries;
  m_selected = -1;
  SetTotal(listing.total);
  m_views.DatabaseListChanged();
}

void CStructureDlg::OnReset() {
  if (m_session.m_databasePath.empty()) {
    return;
  }
  Fill();
}

void CStructureDlg::OnSaveList() {
  if (m_session.m_databasePath.empty()) {
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
  if (const FileStatus written = WriteFileAtomically(*chosen, text); !written.ok) {
    m_prompts.Message(kSaveListUnwritable + written.message, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Warning);
  }
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
  m_session.m_databaseRecord = record;
  const int missing = m_session.MissingSpectrumFiles(record);
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
  OpenSelectedSpectrum(RecordSection::Absorption);
}

void CStructureDlg::OnEmission() {
  OpenSelectedSpectrum(RecordSection::Emission);
}

void CStructureDlg::OnLightSources() {
  OpenSelectedSpectrum(RecordSection::LightSource);
}

void CStructureDlg::OnListData() {
  if (m_selected < 0 || !m_listData) {
    return;
  }
  const int record = m_entries[static_cast<std::size_t>(m_selected)].record;
  m_session.m_databaseRecord = record;
  const int missing = m_session.MissingSpectrumFiles(record);
  if ((missing & 1) == 0) {
    m_listData(record, RecordSection::Absorption);
  } else if ((missing & 2) == 0) {
    m_listData(record, RecordSection::Emission);
  } else if ((missing & 4) == 0) {
    m_listData(record, RecordSection::LightSource);
  }
}

void CStructureDlg::OpenSelectedSpectrum(RecordSection section) {
  if (m_selected < 0) {
    return;
  }
  m_session.m_databaseRecord = m_entries[static_cast<std::size_t>(m_selected)].record;
  m_openSpectrum(m_session.m_databaseRecord, section);
}

} // namespace lumivex
