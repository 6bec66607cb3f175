#include "QtPrompts.h"

#include "DialogViews.h"
#include "HelpViewer.h"
#include "QtPrintJob.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <vector>

namespace lumivex::gui {

namespace {

QString Trimmed(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
  case MessageIcon::None:
    return QMessageBox::NoIcon;
  case MessageIcon::Information:
    return QMessageBox::Information;
  case MessageIcon::Warning:
    return QMessageBox::Warning;
  case MessageIcon::Error:
    return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// A description's own "(patterns)" tail, which Qt would read as the patterns.
QString WithoutPatternTail(const QString& description) {
  if (description.endsWith(u')')) {
    const qsizetype open = description.lastIndexOf(u'(');
    if (open >= 0) {
      return description.left(open).trimmed();
    }
  }
  return description;
}

} // namespace

QString QtFileFilter(std::string_view classic) {
  std::vector<QString> parts;
  std::size_t start = 0;
  while (start <= classic.size()) {
    const std::size_t bar = classic.find('|', start);
    const std::size_t end = bar == std::string_view::npos ? classic.size() : bar;
    parts.push_back(Trimmed(classic.substr(start, end - start)));
    if (bar == std::string_view::npos) {
      break;
    }
    start = bar + 1;
  }
  QStringList filters;
  // Pairs of description and pattern; the empty part of the closing "||" ends the list.
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    if (description.isEmpty()) {
      break;
    }
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      patterns.append(trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    filters.append(
        QStringLiteral("%1 (%2)").arg(WithoutPatternTail(description), patterns.join(u' ')));
  }
  return filters.join(QStringLiteral(";;"));
}

QtPrompts::QtPrompts(QWidget& parent, QString helpFolder)
    : m_parent(parent), m_helpFolder(std::move(helpFolder)) {}

int QtPrompts::Message(const std::string& text, const std::string& caption, MessageButtons buttons,
                       MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::NoButton, &m_parent);
  switch (buttons) {
  case MessageButtons::Ok:
    box.setDefaultButton(box.addButton(QMessageBox::Ok));
    box.exec();
    return kResultOk;
  case MessageButtons::HelpOk: {
    // Buttons of one role keep their order on every platform's button layout.
    QPushButton* help = box.addButton(QStringLiteral("Help"), QMessageBox::ActionRole);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == help ? kResultHelp : kResultUsageOk;
  }
  case MessageButtons::YesNo: {
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    box.setEscapeButton(box.addButton(QMessageBox::No));
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? kResultYes : kResultNo;
  }
  }
  return kResultOk;
}

std::vector<std::string> QtPrompts::RunFileDialog(const FileDialogRequest& request, bool save,
                                                  bool several) {
  QFileDialog dialog(&m_parent, QString::fromStdString(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save      ? QFileDialog::AnyFile
                     : several ? QFileDialog::ExistingFiles
                               : QFileDialog::ExistingFile);
  dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
  if (!request.initialName.empty()) {
    dialog.selectFile(QString::fromStdString(request.initialName));
  }
  std::vector<std::string> chosen;
  if (dialog.exec() == QDialog::Accepted) {
    for (const QString& file : dialog.selectedFiles()) {
      chosen.push_back(QFile::encodeName(file).toStdString());
    }
  }
  return chosen;
}

namespace {

std::optional<std::string> First(std::vector<std::string> files) {
  if (files.empty()) {
    return std::nullopt;
  }
  return std::move(files.front());
}

} // namespace

std::optional<std::string> QtPrompts::OpenFile(const FileDialogRequest& request) {
  return First(RunFileDialog(request, false, false));
}

std::vector<std::string> QtPrompts::OpenFiles(const FileDialogRequest& request) {
  return RunFileDialog(request, false, true);
}

std::optional<std::string> QtPrompts::SaveFile(const FileDialogRequest& request) {
  return First(RunFileDialog(request, true, false));
}

int QtPrompts::RunDialog(CDialogModel& dialog) {
  const DialogRunner run = DialogViewRegistry::Program().Find(dialog);
  if (run == nullptr) {
    // A dialog the program cannot show is a fault of the program, never the user's Cancel.
    qFatal("No view is registered for the dialog model %s", dialog.ClassName());
  }
  return run(dialog, *this, &m_parent);
}

std::unique_ptr<PrintJob> QtPrompts::PrintDialog(const PrintDialogRequest& request) {
  return RunPrintDialog(request, &m_parent);
}

HelpViewer& QtPrompts::Viewer() {
  if (m_helpViewer.isNull()) {
    m_helpViewer = new HelpViewer(m_helpFolder, &m_parent);
  }
  return *m_helpViewer;
}

void QtPrompts::ShowHelp(int context) {
  Viewer().ShowTopic(context);
}

void QtPrompts::ShowHelpContents(bool index) {
  if (index) {
    Viewer().ShowIndex();
  } else {
    Viewer().ShowContents();
  }
}

void QtPrompts::SetBusy(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

bool QtPrompts::OpenInBrowser(const std::string& address) {
  const QString text = QString::fromStdString(address);
  const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

void QtPrompts::CopyText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace lumivex::gui
