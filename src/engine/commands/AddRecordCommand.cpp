#include "commands/CommandContext.h"
#include "commands/DatabaseCommands.h"
#include "database/RecordFiles.h"
#include "database/Wizard.h"

#include <optional>

namespace lumivex {

namespace {

constexpr const char* kWizardDatabaseFilter = "Database files (*.db)|*.db|All files (*.*)|*.*||";

} // namespace

void AddRecordToDatabase(CommandContext& context) {
  Prompts& prompts = context.prompts;
  CWizChoose choose;
  if (prompts.RunDialog(choose) != kResultOk) {
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
      create ? prompts.SaveFile(request) : prompts.OpenFile(request);
  if (!chosen || chosen->empty() || *chosen == "*.db") {
    return;
  }
  const std::string& path = *chosen;

  // One wizard for all records of the command: each record starts with the values of the
  // one before.
  CWizard wizard(prompts);
  wizard.m_folder = DatabaseFolder(path);
  for (;;) {
    wizard.OnInitDialog();
    if (prompts.RunDialog(wizard) != kResultOk) {
      return;
    }
    const DatabaseRecord record = wizard.Record();
    const AddRecordResult added = AddRecordWithFiles(path, wizard.m_folder, create, record,
                                                     wizard.Files(), ExistingFile::Replace);
    if (!added.ok) {
      context.Tell(added.message, MessageIcon::Warning);
      if (added.fileFailed) {
        // Nothing was written: the user may choose another file and finish again.
        continue;
      }
      return;
    }
    if (prompts.Message(kAnotherRecordQuestion, kAnotherRecordCaption, MessageButtons::YesNo,
                        MessageIcon::None) != kResultYes) {
      return;
    }
    create = false;
  }
}

} // namespace lumivex
