#include "BandResultDlgView.h"

#include "curves/BandDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace lumivex::gui {

BandResultDlgView::BandResultDlgView(CBandResultDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(CBandResultDlg::Caption()));

  auto* text = new QPlainTextEdit(QString::fromStdString(dlg.Text()).trimmed(), this);
  text->setObjectName(QStringLiteral("results"));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const QFontMetrics metrics(text->font());
  int widest = 0;
  for (const std::string& line : dlg.m_lines) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
  }
  // Every line in view, no more: the text's own margins and frame around them.
  const int margins =
      2 * (static_cast<int>(text->document()->documentMargin()) + text->frameWidth());
  const int lines = static_cast<int>(dlg.m_lines.size());
  text->setMinimumWidth(widest + margins + 2 * metrics.averageCharWidth());
  text->setFixedHeight(lines * metrics.lineSpacing() + margins + metrics.descent());

  auto* box = new QDialogButtonBox(this);
  QPushButton* copy = box->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
  copy->setObjectName(QStringLiteral("copy"));
  QPushButton* close = box->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("close"));
  close->setDefault(true);
  copy->setAutoDefault(false);
  connect(copy, &QPushButton::clicked, this, [&dlg, &prompts] { dlg.Copy(prompts); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(box);
}

} // namespace lumivex::gui
