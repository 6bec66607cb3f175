#include "UsernameView.h"

#include "database/Username.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivex::gui {

UsernameView::UsernameView(CUsername& dlg, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_fields(dlg.Fields(), this) {
  setWindowTitle(QStringLiteral("Name of User"));

  QLineEdit* userName = m_fields.Edit("userName");
  userName->setMinimumWidth(220);
  userName->selectAll();
  auto* row = new QHBoxLayout;
  row->addWidget(m_fields.Label("userName"));
  row->addWidget(userName, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &UsernameView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &UsernameView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void UsernameView::accept() {
  // A name is never refused, so there is nothing to tell the user.
  if (!m_dlg.StoreFields(m_fields.Texts())) {
    QDialog::accept();
  }
}

} // namespace lumivex::gui
