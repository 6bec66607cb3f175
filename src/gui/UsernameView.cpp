#include "UsernameView.h"

#include "database/Username.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivex::gui {

UsernameView::UsernameView(CUsername& dlg, QWidget* parent) : QDialog(parent), m_dlg(dlg) {
  setWindowTitle(QStringLiteral("Name of User"));

  m_userName = new QLineEdit(QString::fromStdString(m_dlg.m_userName), this);
  m_userName->setObjectName(QStringLiteral("userName"));
  m_userName->setMinimumWidth(220);
  m_userName->selectAll();
  auto* label = new QLabel(QStringLiteral("Username:"), this);
  label->setBuddy(m_userName);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(m_userName, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &UsernameView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &UsernameView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void UsernameView::accept() {
  m_dlg.m_userName = m_userName->text().toStdString();
  QDialog::accept();
}

} // namespace lumivex::gui
