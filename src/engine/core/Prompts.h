#pragma once

#include <optional>
#include <string>

namespace lumivex {

/// Results of message boxes and dialogs, as the buttons that closed them.
enum DialogResult : int {
  kResultOk = 1,
  kResultCancel = 2,
  kResultHelp = 1, ///< the "Help" button of the usage prompt stands first
  kResultUsageOk = 2,
  kResultPrint = 3,        ///< a module dialog's "Print" button
  kResultCreateReport = 4, ///< a module dialog's "Create Report" button
};

enum class MessageIcon { None, Information, Warning, Error };

enum class MessageButtons {
  Ok,
  HelpOk, ///< the usage prompt: "Help" answers 1, "OK" answers 2
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
  /// A file-save dialog; nothing when cancelled.
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  /// Runs a modal dialog over the model and returns the button that closed it
  /// (kResultOk or kResultCancel). The model holds the fields as the user left them.
  virtual int RunDialog(CDialogModel& dialog) = 0;
  /// Opens the help viewer at a topic by context number.
  virtual void ShowHelp(int context) = 0;
  /// Opens the help viewer's contents (kind 0) or its searchable index (kind 1).
  virtual void ShowHelpContents(bool index) = 0;
  /// Opens a local file or web address in the system's browser.
  virtual void OpenInBrowser(const std::string& address) = 0;
};

/// The application's name, the caption of plain message boxes.
inline constexpr const char* kApplicationTitle = "Lumivex";

} // namespace lumivex
