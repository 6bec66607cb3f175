#include "PeakDlgView.h"

#include "curves/CurveDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace lumivex::gui {

PeakDlgView::PeakDlgView(CPeakDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(dlg.Caption()));
  m_fields.Load(m_dlg.Fields());

  auto* form = new QFormLayout;
  for (const char* key : {"name", "start", "end", "found"}) {
    AddFieldRow(form, m_fields, key);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PeakDlgView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PeakDlgView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void PeakDlgView::accept() {
  if (const auto refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  QDialog::accept();
}

} // namespace lumivex::gui
