#pragma once

#include "core/Canvas.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumivex {

/// Results of message boxes and dialogs, as the buttons that closed them.
enum DialogResult : int {
  kResultOk = 1,
  kResultCancel = 2,
  kResultHelp = 1, ///< the "Help" button of the usage prompt stands first
  kResultUsageOk = 2,
  kResultPrint = 3,        ///< a module dialog's "Print" button
  kResultCreateReport = 4, ///< a module dialog's "Create Report" button
  kResultYes = 6,          ///< the "Yes" button of a question
  kResultNo = 7,           ///< the "No" button of a question
};

enum class MessageIcon { None, Information, Warning, Error };

enum class MessageButtons {
  Ok,
  HelpOk, ///< the usage prompt: "Help" answers 1, "OK" answers 2
  YesNo,  ///< a question: "Yes" answers kResultYes, "No" answers kResultNo
};

/// A request for a file dialog. The filter is in the classic form of pairs separated by
/// "|": "Text files (*.txt)|*.txt|All files (*.*)|*.*||".
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialName;
  bool promptOverwrite = false;
};

/// What the standard print dialog offers: the page range (first and last page that can be
/// chosen, and the range chosen at first) and the number of copies. Copies and collation are
/// left to the printer's own settings.
struct PrintDialogRequest {
  int minPage = 1;
  int maxPage = 1;
  int fromPage = 1;
  int toPage = 1;
  int copies = 1;
};

/// A print job on the printer the user chose in the print dialog. A page is drawn on a
/// canvas in the printer's device pixels, with the origin at the top left of the printable
/// area. A job destroyed before EndDocument is abandoned and prints nothing.
class PrintJob {
public:
  virtual ~PrintJob() = default;
  /// Width and height of the printable area in device pixels.
  [[nodiscard]] virtual CSize PrintableSize() const = 0;
  /// Starts the document under the name the print queue shows; false when it cannot start.
  virtual bool StartDocument(const std::string& name) = 0;
  /// Starts the next page; false when it cannot start.
  virtual bool StartPage() = 0;
  /// The canvas of the page started last.
  virtual Canvas& PageCanvas() = 0;
  /// Ends the page; false when it cannot be completed.
  virtual bool EndPage() = 0;
  /// Ends the document and hands it to the printer (or the file); false when that fails.
  virtual bool EndDocument() = 0;
};

/// A dialog's field model. Each dialog class of the program derives from it; the views
/// bind widgets to the fields and the engine validates them.
class CDialogModel {
public:
  virtual ~CDialogModel() = default;
  /// The dialog's class name, e.g. "CGraphSettingDlg", which a view uses to pick its form.
  [[nodiscard]] virtual const char* ClassName() const = 0;
};

/// Every modal interaction a command needs. The program implements it with Qt dialogs;
/// tests script it.
class Prompts {
public:
  virtual ~Prompts() = default;

  /// Shows a message box with the caption and returns the button pressed (kResultOk, or
  /// kResultHelp / kResultUsageOk for HelpOk).
  virtual int Message(const std::string& text, const std::string& caption, MessageButtons buttons,
                      MessageIcon icon) = 0;
  /// A file-open dialog; nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  /// A file-open dialog in which several files may be chosen at once; none when cancelled.
  /// Without a dialog of its own it is the dialog of one file.
  virtual std::vector<std::string> OpenFiles(const FileDialogRequest& request) {
    std::optional<std::string> chosen = OpenFile(request);
    return chosen ? std::vector<std::string>{std::move(*chosen)} : std::vector<std::string>{};
  }
  /// A file-save dialog; nothing when cancelled.
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  /// Runs a modal dialog over the model and returns the button that closed it
  /// (kResultOk or kResultCancel). The model holds the fields as the user left them.
  virtual int RunDialog(CDialogModel& dialog) = 0;
  /// The standard print dialog; the job on the printer chosen, or nothing when cancelled.
  virtual std::unique_ptr<PrintJob> PrintDialog(const PrintDialogRequest& request) = 0;
  /// Opens the help viewer at a topic by context number.
  virtual void ShowHelp(int context) = 0;
  /// Opens the help viewer's contents (kind 0) or its searchable index (kind 1).
  virtual void ShowHelpContents(bool index) = 0;
  /// Opens a local file or web address in the system's browser; false when no browser
  /// could be started for it.
  virtual bool OpenInBrowser(const std::string& address) = 0;
  /// Puts plain text on the system clipboard, replacing what it held.
  virtual void CopyText(const std::string& text) = 0;
  /// Shows from SetBusy(true) to SetBusy(false) that the program is at work (the desktop
  /// program's wait cursor). Commands call it through BusyScope around work that may take
  /// longer than half a second, such as reading a file, and never with a dialog open. A
  /// program without a pointer to show it on does nothing.
  virtual void SetBusy(bool busy) { (void)busy; }
};

/// The program shows itself busy while the object lives.
class BusyScope {
public:
  explicit BusyScope(Prompts& prompts) : m_prompts(prompts) { m_prompts.SetBusy(true); }
  ~BusyScope() { m_prompts.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

private:
  Prompts& m_prompts;
};

/// The application's name, the caption of plain message boxes.
inline constexpr const char* kApplicationTitle = "Lumivex";

} // namespace lumivex
