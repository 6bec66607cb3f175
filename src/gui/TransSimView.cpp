#include "TransSimView.h"

#include "core/Prompts.h"
#include "modules/Transmission.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivex::gui {

TransSimView::TransSimView(CTransSim& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kTransmissionCaption));
  auto* form = new QFormLayout;
  form->addRow(m_fields.Label("factor"), m_fields.Edit("factor"));
  auto* note = new QLabel(QString::fromLatin1(kTransmissionFactorNote), this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TransSimView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TransSimView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TransSimView::accept() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  QDialog::accept();
}

} // namespace lumivex::gui
