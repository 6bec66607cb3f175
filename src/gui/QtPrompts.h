#pragma once

#include "core/Prompts.h"

#include <QPointer>
#include <QString>

#include <string_view>

class QWidget;

namespace lumivex::gui {

class HelpViewer;

/// Turns a classic file-dialog filter ("Text files (*.txt)|*.txt|All files (*.*)|*.*||")
/// into Qt's form ("Text files (*.txt);;All files (*)"). Each pair's pattern decides what
/// the entry matches; "*.*" matches every file.
[[nodiscard]] QString QtFileFilter(std::string_view classic);

/// The program's modal interactions as Qt dialogs over a parent window.
class QtPrompts final : public Prompts {
public:
  /// `helpFolder` holds the help topics the help viewer shows.
  QtPrompts(QWidget& parent, QString helpFolder);

  int Message(const std::string& text, const std::string& caption, MessageButtons buttons,
              MessageIcon icon) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::vector<std::string> OpenFiles(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  int RunDialog(CDialogModel& dialog) override;
  std::unique_ptr<PrintJob> PrintDialog(const PrintDialogRequest& request) override;
  void ShowHelp(int context) override;
  void ShowHelpContents(bool index) override;
  /// The wait cursor over the whole program while busy.
  void SetBusy(bool busy) override;
  bool OpenInBrowser(const std::string& address) override;
  void CopyText(const std::string& text) override;

private:
  /// The files chosen in a file dialog: one to save, one or (with `several`) more to open.
  std::vector<std::string> RunFileDialog(const FileDialogRequest& request, bool save, bool several);
  HelpViewer& Viewer();

  QWidget& m_parent;
  QString m_helpFolder;
  QPointer<HelpViewer> m_helpViewer;
};

} // namespace lumivex::gui
