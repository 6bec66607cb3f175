#include "SimulResultDlgView.h"

#include "core/Prompts.h"
#include "modules/EnergyTransferDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

SimulResultDlgView::SimulResultDlgView(CSimulResultDlg& dlg, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kTransferResultsCaption));
  m_fields.Edit("name")->setMinimumWidth(220);

  auto* results = new QGroupBox(QStringLiteral("Results"), this);
  auto* form = new QFormLayout(results);
  AddFieldRow(form, m_fields, "name");
  AddFieldRow(form, m_fields, "excitation");
  AddFieldRow(form, m_fields, "transfer");
  AddFieldRow(form, m_fields, "epsilon", "M\u207b\u00b9 cm\u207b\u00b9");
  AddFieldRow(form, m_fields, "relativeAbsorbance");
  AddFieldRow(form, m_fields, "quantumYield");
  AddFieldRow(form, m_fields, "actualFluorescence");
  AddFieldRow(form, m_fields, "excitationTotal");
  AddFieldRow(form, m_fields, "emissionEnergy");
  AddFieldRow(form, m_fields, "emissionShare");

  auto* box = new QDialogButtonBox(this);
  QPushButton* next = box->addButton(QStringLiteral("Next"), QDialogButtonBox::ActionRole);
  QPushButton* close = box->addButton(QStringLiteral("Close"), QDialogButtonBox::ActionRole);
  QPushButton* print = box->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
  QPushButton* createReport =
      box->addButton(QStringLiteral("Create Report"), QDialogButtonBox::ActionRole);
  close->setDefault(true);
  next->setAutoDefault(false);
  print->setEnabled(dlg.OutputEnabled());
  createReport->setEnabled(dlg.OutputEnabled());
  connect(next, &QPushButton::clicked, this, [this] {
    m_dlg.OnNext();
    m_fields.Load(m_dlg.Fields());
  });
  connect(close, &QPushButton::clicked, this, [this] { done(kResultOk); });
  connect(print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(createReport, &QPushButton::clicked, this, [this] { done(kResultCreateReport); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(results);
  layout->addWidget(box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int SimulResultDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

} // namespace lumivex::gui
