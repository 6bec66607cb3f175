#include "FormDlgView.h"

#include "core/FormDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstring>

namespace lumivex::gui {

namespace {

// A label longer than this is a paragraph: it gets a row of its own above its field.
constexpr std::size_t kLongLabel = 60;

} // namespace

FormDlgView::FormDlgView(CFormDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromUtf8(dlg.Caption()));
  auto* layout = new QVBoxLayout(this);

  int line = 0;
  for (const std::string& note : dlg.Notes()) {
    auto* label = new QLabel(QString::fromStdString(note), this);
    label->setObjectName(QStringLiteral("note%1").arg(line++));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  }

  auto* form = new QFormLayout;
  QLineEdit* first = nullptr;
  for (const DialogField& field : dlg.Fields()) {
    QLabel* label = m_fields.Label(field.key);
    if (first == nullptr && !field.result) {
      first = m_fields.Edit(field.key);
    }
    if (QCheckBox* check = m_fields.Check(field.key)) {
      auto* row = new QHBoxLayout;
      row->addWidget(check);
      row->addWidget(label, 1);
      form->addRow(row);
    } else if (std::strlen(field.label) > kLongLabel) {
      label->setWordWrap(true);
      form->addRow(label);
      form->addRow(m_fields.Widget(field.key));
    } else {
      AddFieldRow(form, m_fields, field.key);
    }
  }
  layout->addLayout(form);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &FormDlgView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &FormDlgView::reject);
  layout->addWidget(buttons);
  setMinimumWidth(360);
  // Typing replaces the first value shown.
  if (first != nullptr) {
    first->setFocus();
    first->selectAll();
  }
}

void FormDlgView::accept() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  QDialog::accept();
}

} // namespace lumivex::gui
