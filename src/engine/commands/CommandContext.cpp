#include "commands/CommandContext.h"

#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

namespace lumivex {

std::vector<int> CommandContext::Selection() const {
  return fileList.SelectedIndices(kMaxSelection);
}

bool CommandContext::LoadCurrentRecord(int index) {
  if (index == -1) {
    const std::vector<int> selection = Selection();
    index = selection.empty() ? 0 : selection.back();
  }
  const CSpectrum* spectrum = data.At(index);
  if (spectrum == nullptr) {
    return false;
  }
  database.LoadRecord(spectrum->m_recordNumber);
  return true;
}

void CommandContext::Tell(const std::string& text, MessageIcon icon) {
  prompts.Message(text, kApplicationTitle, MessageButtons::Ok, icon);
}

void CommandContext::ShowUsage(const std::string& text, const std::string& caption, int commandId) {
  if (prompts.Message(text, caption, MessageButtons::HelpOk, MessageIcon::Information) ==
      kResultHelp) {
    prompts.ShowHelp(kHelpTopicBase + commandId);
  }
}

void CommandContext::AddFileEntry(const std::string& text) {
  const int index = fileList.AddEntry(text, fileList.Count());
  fileList.SelectOnly(index);
  views.FileListChanged();
}

} // namespace lumivex
