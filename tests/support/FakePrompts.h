#pragma once

#include "core/Prompts.h"
#include "ui/FrameViews.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumivex::test {

/// A scripted Prompts: answers come from queues (a message box answers OK when its queue is
/// empty, a file dialog is cancelled, a dialog is cancelled), and everything shown is logged,
/// so a command test reads like a user story.
class FakePrompts : public Prompts {
public:
  struct ShownMessage {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
  };
  /// Edits a dialog's fields as a user would and answers the button that closes it.
  using DialogScript = std::function<int(CDialogModel&)>;

  std::deque<int> messageAnswers;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<DialogScript> dialogScripts;

  std::vector<ShownMessage> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> dialogsRun;
  std::vector<int> helpTopics;
  std::vector<std::string> helpContents; ///< "contents" or "index", in order shown
  std::vector<std::string> browserAddresses;

  int Message(const std::string& text, const std::string& caption, MessageButtons buttons,
              MessageIcon icon) override {
    messages.push_back({text, caption, buttons, icon});
    return Next<int>(messageAnswers, kResultOk);
  }
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return Next(fileAnswers, std::optional<std::string>());
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return Next(fileAnswers, std::optional<std::string>());
  }
  int RunDialog(CDialogModel& dialog) override {
    dialogsRun.emplace_back(dialog.ClassName());
    if (dialogScripts.empty()) {
      return kResultCancel;
    }
    DialogScript script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    return script(dialog);
  }
  void ShowHelp(int context) override { helpTopics.push_back(context); }
  void ShowHelpContents(bool index) override {
    helpContents.emplace_back(index ? "index" : "contents");
  }
  void OpenInBrowser(const std::string& address) override { browserAddresses.push_back(address); }

private:
  template <typename T> static T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
      return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

/// Counts what the main frame tells its windows.
class FakeViews : public CFrameViews {
public:
  int created = 0;
  int arranged = 0;
  int graphInvalidated = 0;
  int listChanged = 0;
  int databaseListChanged = 0;
  int structureChanged = 0;

  void CreateChildWindows() override { ++created; }
  void ArrangeWindows() override { ++arranged; }
  void InvalidateGraph() override { ++graphInvalidated; }
  void FileListChanged() override { ++listChanged; }
  void DatabaseListChanged() override { ++databaseListChanged; }
  void StructureChanged() override { ++structureChanged; }
};

} // namespace lumivex::test
