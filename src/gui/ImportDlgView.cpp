#include "ImportDlgView.h"

#include "GraphImage.h"
#include "import/ImportDlg.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <span>

namespace lumivex::gui {

namespace {

constexpr QSize kPlotSize{420, 300};

QComboBox* Choices(std::span<const char* const> texts, int current, const char* name,
                   QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  for (const char* text : texts) {
    box->addItem(QString::fromUtf8(text));
  }
  box->setCurrentIndex(current);
  return box;
}

QString Joined(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) {
    list.append(QString::fromUtf8(line));
  }
  return list.join(QLatin1Char('\n'));
}

} // namespace

ImportDlgView::ImportDlgView(CImportDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QStringLiteral("Import Spectra"));
  m_heading = new QLabel(this);
  m_heading->setObjectName(QStringLiteral("heading"));

  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_lines = new QPlainTextEdit(this);
  m_lines->setObjectName(QStringLiteral("firstLines"));
  m_lines->setReadOnly(true);
  m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_lines->setFont(fixed);
  m_decisions = new QPlainTextEdit(this);
  m_decisions->setObjectName(QStringLiteral("decisions"));
  m_decisions->setReadOnly(true);
  m_plot = new QLabel(this);
  m_plot->setObjectName(QStringLiteral("plot"));
  m_plot->setFixedSize(kPlotSize);
  m_plot->setStyleSheet(QStringLiteral("background: white"));

  auto* settings = new QFormLayout;
  m_choices = {Choices(kImportDelimiterChoices, dlg.m_delimiter, "delimiter", this),
               Choices(kImportDecimalChoices, dlg.m_decimal, "decimal", this),
               Choices(kImportXUnitChoices, dlg.m_xUnit, "xUnit", this),
               Choices(kImportYChoices, dlg.m_yKind, "yKind", this),
               Choices(kImportKindChoices, dlg.m_kind, "kind", this)};
  const char* const labels[] = {"Delimiter", "Decimal mark", "X unit", "Y values", "Kind"};
  for (std::size_t i = 0; i < m_choices.size(); ++i) {
    settings->addRow(QString::fromLatin1(labels[i]), m_choices[i]);
    connect(m_choices[i], &QComboBox::currentIndexChanged, this, &ImportDlgView::Reread);
  }
  for (const char* key : {"skipLines", "xColumn", "yColumns", "step"}) {
    AddFieldRow(settings, m_fields, key);
    m_fields.Edit(key)->setPlaceholderText(QStringLiteral("detect"));
    connect(m_fields.Edit(key), &QLineEdit::editingFinished, this, &ImportDlgView::Reread);
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const auto addButton = [this, buttons](const QString& text, const char* name, int result) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] { Finish(result); });
    buttons->addWidget(button);
    return button;
  };
  addButton(QStringLiteral("Import"), "import", kResultOk)->setDefault(true);
  addButton(QStringLiteral("Apply to all"), "applyToAll", kResultApplyToAll);
  addButton(QStringLiteral("Skip"), "skip", kResultSkip);
  addButton(QStringLiteral("Cancel"), "cancel", kResultCancel);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("First lines of the file"), this), 0, 0);
  grid->addWidget(m_lines, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Spectra"), this), 0, 1);
  grid->addWidget(m_plot, 1, 1);
  grid->addLayout(settings, 2, 0);
  grid->addWidget(m_decisions, 2, 1);
  grid->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_heading);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  m_fields.Load(m_dlg.Fields());
  ShowFindings();
}

int ImportDlgView::Run() {
  m_result = kResultCancel;
  exec();
  return m_result;
}

bool ImportDlgView::Reread() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return false;
  }
  m_dlg.m_delimiter = m_choices[0]->currentIndex();
  m_dlg.m_decimal = m_choices[1]->currentIndex();
  m_dlg.m_xUnit = m_choices[2]->currentIndex();
  m_dlg.m_yKind = m_choices[3]->currentIndex();
  m_dlg.m_kind = m_choices[4]->currentIndex();
  m_dlg.Refresh();
  ShowFindings();
  return true;
}

void ImportDlgView::ShowFindings() {
  m_heading->setText(QString::fromUtf8(m_dlg.Heading()));
  m_lines->setPlainText(Joined(m_dlg.m_firstLines));
  m_decisions->setPlainText(Joined(m_dlg.Decisions()));
  CLumivexData preview = m_dlg.PreviewDocument();
  m_plot->setPixmap(preview.m_spectra.empty()
                        ? QPixmap()
                        : QPixmap::fromImage(RenderGraphImage(preview, kPlotSize)));
}

void ImportDlgView::Finish(int result) {
  // What is imported is what the dialog shows: settings typed but not yet read are read.
  if (result != kResultCancel && !Reread()) {
    return;
  }
  m_result = result;
  done(result == kResultCancel ? QDialog::Rejected : QDialog::Accepted);
}

} // namespace lumivex::gui
