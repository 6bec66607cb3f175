#pragma once

#include "RecordingCanvas.h"
#include "core/Prompts.h"
#include "ui/FrameViews.h"

#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumivex::test {

/// A printer a scripted print dialog answers with: its printable page, the step at which it
/// fails, and what was printed on it (one recording canvas for every page).
struct FakePrinter {
  enum class Step { None, StartDocument, StartPage, EndPage, EndDocument };

  CSize page{4800, 6400};
  Step failAt = Step::None;

  std::string documentName;
  int pagesStarted = 0;
  int pagesEnded = 0;
  bool documentEnded = false;
  bool abandoned = false; ///< the job was dropped before its document ended
  RecordingCanvas canvas;
};

/// A print job on a FakePrinter.
class FakePrintJob : public PrintJob {
public:
  explicit FakePrintJob(std::shared_ptr<FakePrinter> printer) : m_printer(std::move(printer)) {}
  ~FakePrintJob() override { m_printer->abandoned = !m_printer->documentEnded; }
  FakePrintJob(const FakePrintJob&) = delete;
  FakePrintJob& operator=(const FakePrintJob&) = delete;

  [[nodiscard]] CSize PrintableSize() const override { return m_printer->page; }
  bool StartDocument(const std::string& name) override {
    m_printer->documentName = name;
    return m_printer->failAt != FakePrinter::Step::StartDocument;
  }
  bool StartPage() override {
    ++m_printer->pagesStarted;
    return m_printer->failAt != FakePrinter::Step::StartPage;
  }
  Canvas& PageCanvas() override { return m_printer->canvas; }
  bool EndPage() override {
    ++m_printer->pagesEnded;
    return m_printer->failAt != FakePrinter::Step::EndPage;
  }
  bool EndDocument() override {
    m_printer->documentEnded = m_printer->failAt != FakePrinter::Step::EndDocument;
    return m_printer->documentEnded;
  }

private:
  std::shared_ptr<FakePrinter> m_printer;
};

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
  /// Answers of the dialog of several files; when none is left it answers as the dialog of
  /// one file, from `fileAnswers`.
  std::deque<std::vector<std::string>> severalFileAnswers;
  std::deque<DialogScript> dialogScripts;
  /// Scripts for the dialogs of one class name, taken before `dialogScripts`: a command's own
  /// dialog can be scripted apart from the dialogs it leads to (a user name, say).
  std::map<std::string, std::deque<DialogScript>> classScripts;
  /// The printers the print dialog answers with, in turn; it is cancelled when none is left.
  std::deque<std::shared_ptr<FakePrinter>> printers;

  std::vector<ShownMessage> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> dialogsRun;
  std::vector<PrintDialogRequest> printDialogs;
  std::vector<int> helpTopics;
  std::vector<std::string> helpContents; ///< "contents" or "index", in order shown
  std::vector<std::string> browserAddresses;
  bool browserStarts = true;       ///< what opening a page in the browser answers
  std::vector<std::string> copied; ///< every text put on the clipboard, in order
  std::vector<bool> busyChanges;   ///< SetBusy's calls in order
  int busyDepth = 0;               ///< how many busy scopes are open
  int messagesWhileBusy = 0;       ///< messages shown inside a busy scope

  int Message(const std::string& text, const std::string& caption, MessageButtons buttons,
              MessageIcon icon) override {
    messages.push_back({text, caption, buttons, icon});
    messagesWhileBusy += busyDepth > 0 ? 1 : 0;
    return Next<int>(messageAnswers, kResultOk);
  }
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return Next(fileAnswers, std::optional<std::string>());
  }
  std::vector<std::string> OpenFiles(const FileDialogRequest& request) override {
    if (severalFileAnswers.empty()) {
      return Prompts::OpenFiles(request);
    }
    fileDialogs.push_back(request);
    return Next(severalFileAnswers, std::vector<std::string>());
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return Next(fileAnswers, std::optional<std::string>());
  }
  int RunDialog(CDialogModel& dialog) override {
    dialogsRun.emplace_back(dialog.ClassName());
    if (const auto own = classScripts.find(dialog.ClassName());
        own != classScripts.end() && !own->second.empty()) {
      DialogScript script = std::move(own->second.front());
      own->second.pop_front();
      return script(dialog);
    }
    if (dialogScripts.empty()) {
      return kResultCancel;
    }
    DialogScript script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    return script(dialog);
  }
  std::unique_ptr<PrintJob> PrintDialog(const PrintDialogRequest& request) override {
    printDialogs.push_back(request);
    std::shared_ptr<FakePrinter> printer = Next(printers, std::shared_ptr<FakePrinter>());
    return printer ? std::make_unique<FakePrintJob>(std::move(printer)) : nullptr;
  }
  void ShowHelp(int context) override { helpTopics.push_back(context); }
  void SetBusy(bool busy) override {
    busyChanges.push_back(busy);
    busyDepth += busy ? 1 : -1;
  }
  void ShowHelpContents(bool index) override {
    helpContents.emplace_back(index ? "index" : "contents");
  }
  bool OpenInBrowser(const std::string& address) override {
    browserAddresses.push_back(address);
    return browserStarts;
  }
  void CopyText(const std::string& text) override { copied.push_back(text); }

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
  CSize clientSize{800, 600};
  CSize graphSize{500, 300};
  bool failImageSave = false;
  std::vector<std::string> savedImages; ///< every picture path asked for, in order
  /// Every picture asked for (format and scale), in order; none is made when `failPicture`.
  std::vector<std::pair<PictureFormat, int>> pictures;
  bool failPicture = false;
  int graphCopies = 0;

  void CreateChildWindows() override { ++created; }
  void ArrangeWindows() override { ++arranged; }
  void InvalidateGraph() override { ++graphInvalidated; }
  void FileListChanged() override { ++listChanged; }
  void DatabaseListChanged() override { ++databaseListChanged; }
  void StructureChanged() override { ++structureChanged; }
  [[nodiscard]] CSize ClientSize() const override { return clientSize; }
  [[nodiscard]] CSize GraphClientSize() const override { return graphSize; }
  /// Writes a stand-in picture file, as the Spectra Display would, unless told to fail.
  bool SaveGraphImage(const std::string& path) override {
    savedImages.push_back(path);
    if (failImageSave) {
      return false;
    }
    std::ofstream file(path, std::ios::binary);
    file << "BM";
    return static_cast<bool>(file);
  }
  /// A stand-in file's bytes: "PNG <scale>" or "PDF".
  [[nodiscard]] std::string GraphPicture(PictureFormat format, int scale) override {
    pictures.emplace_back(format, scale);
    if (failPicture) {
      return {};
    }
    return format == PictureFormat::Png ? "PNG " + std::to_string(scale) : "PDF";
  }
  void CopyGraph() override { ++graphCopies; }
};

} // namespace lumivex::test
