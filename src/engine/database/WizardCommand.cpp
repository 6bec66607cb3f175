#include "ui/MainFrame.h"

#include "database/RecordFiles.h"
#include "database/Wizard.h"

#include <optional>

namespace lumivex {

namespace {

constexpr const char* kWizardDatabaseFilter = "Database files (*.db)|*.db|All files (*.*)|*.*||";

} // namespace

void CMainFrame::OnAddRecordToDatabase() {
  CWizChoose choose;
  if (m_prompts.RunDialog(choose) != kResultOk) {
    return;
  }
  bool create = false;
  if (choose.m_choice == kIdCreateNewDatabase) {
    create = true;
  } else if (choose.m_choice != kIdAddToExistingDatabase) {
    return;
  }

  FileDialogRequest request;
  request.filter = kWizardDatabaseFilter;
  request.defaultExtension = "db";
  request.initialName = "*.db";
  request.promptOverwrite = true;
  const std::optional<std::string> chosen =
      create ? m_prompts.SaveFile(request) : m_prompts.OpenFile(request);
  if (!chosen || chosen->empty() || *chosen == "*.db") {
    return;
  }
  const std::string& path = *chosen;

  // One wizard for all records of the command: each record starts with the values of the
  // one before.
  CWizard wizard(m_prompts);
  wizard.m_folder = DatabaseFolder(path);
  for (;;) {
    wizard.OnInitDialog();
    if (m_prompts.RunDialog(wizard) != kResultOk) {
      return;
    }
    m_record = wizard.Record();
    const AddRecordResult added = AddRecordWithFiles(path, wizard.m_folder, create, m_record,
                                                     wizard.Files(), ExistingFile::Replace);
    if (!added.ok) {
      m_prompts.Message(added.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
      if (added.fileFailed) {
        // Nothing was written: the user may choose another file and finish again.
        continue;
      }
      return;
    }
    if (m_prompts.Message(kAnotherRecordQuestion, kAnotherRecordCaption, MessageButtons::YesNo,
                          MessageIcon::None) != kResultYes) {
      return;
    }
    create = false;
  }
}

} // namespace lumivex
