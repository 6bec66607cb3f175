#include "WizChooseView.h"

#include "database/Wizard.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace lumivex::gui {

WizChooseView::WizChooseView(CWizChoose& choose, QWidget* parent)
    : QDialog(parent), m_choose(choose) {
  setWindowTitle(QString::fromUtf8(kWizChooseTitle));
  m_choices = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(this);
  for (const auto& [id, text] : {std::pair{kIdAddToExistingDatabase, kAddToExistingText},
                                 std::pair{kIdCreateNewDatabase, kCreateNewText}}) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), this);
    radio->setObjectName(QStringLiteral("choice%1").arg(id));
    m_choices->addButton(radio, id);
    layout->addWidget(radio);
  }
  m_choices->button(kIdAddToExistingDatabase)->setChecked(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &WizChooseView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &WizChooseView::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WizChooseView::accept() {
  m_choose.m_choice = m_choices->checkedId();
  QDialog::accept();
}

} // namespace lumivex::gui
