#include "MultipleComponentDlgView.h"

#include "core/Prompts.h"
#include "modules/MultipleComponentDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

namespace {

QListWidget* EntryList(const char* name, const std::vector<std::string>& entries, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (const std::string& entry : entries) {
    list->addItem(QString::fromStdString(entry));
  }
  return list;
}

} // namespace

MCAiputDlgView::MCAiputDlgView(CMCAiputDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kMcaInputTitle));
  m_fields.Edit("component")->setMinimumWidth(220);

  auto* component = new QFormLayout;
  for (const char* key : {"component", "fraction", "concentration", "wavelength"}) {
    AddFieldRow(component, m_fields, key);
  }
  auto* add = new QPushButton(QString::fromLatin1(kMcaAddWavelength), this);
  component->addRow(new QLabel(QString::fromLatin1(kMcaLoadWavelength), this), add);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("wavelengthList"));
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setMinimumWidth(220);

  auto* columns = new QHBoxLayout;
  columns->addLayout(component);
  columns->addWidget(m_list);

  auto* note = new QLabel(QString::fromLatin1(kMcaCompositeNote), this);
  note->setWordWrap(true);

  auto* box = new QDialogButtonBox(this);
  m_next = box->addButton(QString::fromLatin1(kMcaNext), QDialogButtonBox::ActionRole);
  // Return in a field must not end the input: no button is the default, so Finish is no
  // accept button either (a button box makes its first accept button the default).
  QPushButton* finish =
      box->addButton(QString::fromLatin1(kMcaFinish), QDialogButtonBox::ActionRole);
  QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
  for (QPushButton* button : {add, m_next, finish, cancel}) {
    button->setAutoDefault(false);
  }
  connect(add, &QPushButton::clicked, this, &MCAiputDlgView::AddWavelength);
  connect(m_fields.Edit("wavelength"), &QLineEdit::returnPressed, this,
          &MCAiputDlgView::AddWavelength);
  connect(m_next, &QPushButton::clicked, this, &MCAiputDlgView::Next);
  connect(finish, &QPushButton::clicked, this, &MCAiputDlgView::Finish);
  connect(cancel, &QPushButton::clicked, this, &MCAiputDlgView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(note);
  layout->addWidget(box);
  Reload();
}

int MCAiputDlgView::Run() {
  return exec() == QDialog::Accepted ? kResultOk : kResultCancel;
}

void MCAiputDlgView::AddWavelength() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.OnAddWavelength(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  Reload();
}

void MCAiputDlgView::Next() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.OnNext(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  Reload();
}

void MCAiputDlgView::Finish() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.OnFinish(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  accept();
}

void MCAiputDlgView::Reload() {
  m_fields.Load(m_dlg.Fields());
  m_list->clear();
  for (const std::string& entry : m_dlg.Wavelengths().Entries()) {
    m_list->addItem(QString::fromStdString(entry));
  }
  m_list->scrollToBottom();
  m_next->setEnabled(m_dlg.NextEnabled());
}

MultipleAnalysisDlgView::MultipleAnalysisDlgView(CMultipleAnalysisDlg& dlg, QWidget* parent)
    : QDialog(parent), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kMcaResultsTitle));
  auto* fit = new QFormLayout;
  AddFieldRow(fit, m_fields, "residual");
  AddFieldRow(fit, m_fields, "components");

  auto* results = new QGridLayout;
  auto* values = new QLabel(QString::fromLatin1(kMcaConcentrationHeader) + QLatin1Char('\n') +
                                QString::fromLatin1(kMcaFractionHeader),
                            this);
  results->addWidget(values, 0, 0);
  results->addWidget(new QLabel(QString::fromLatin1(kMcaCompoundHeader), this), 0, 1,
                     Qt::AlignBottom);
  QListWidget* resultList = EntryList("resultList", dlg.m_resultEntries, this);
  resultList->setMinimumWidth(320);
  results->addWidget(resultList, 1, 0, 1, 2);

  auto* wavelengths = new QVBoxLayout;
  wavelengths->addWidget(new QLabel(QString::fromLatin1(kMcaWavelengthsHeader), this));
  wavelengths->addWidget(EntryList("wavelengthList", dlg.m_wavelengthEntries, this));

  auto* lists = new QHBoxLayout;
  lists->addLayout(results, 3);
  lists->addLayout(wavelengths, 2);

  auto* box = new QDialogButtonBox(this);
  QPushButton* print = box->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  QPushButton* createReport =
      box->addButton(QStringLiteral("Create Report"), QDialogButtonBox::ActionRole);
  ok->setDefault(true);
  print->setEnabled(dlg.OutputEnabled());
  createReport->setEnabled(dlg.OutputEnabled());
  connect(print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(ok, &QPushButton::clicked, this, [this] { done(kResultOk); });
  connect(createReport, &QPushButton::clicked, this, [this] { done(kResultCreateReport); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fit);
  layout->addLayout(lists);
  layout->addWidget(box);
}

int MultipleAnalysisDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

} // namespace lumivex::gui
