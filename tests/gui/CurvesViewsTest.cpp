#include "CreateSpectraView.h"
#include "DialogViews.h"
#include "FakePrompts.h"
#include "FormDlgView.h"
#include "QtPrompts.h"
#include "curves/CurveDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::FakePrompts;

template <typename T> T* Child(QWidget& view, const char* name) {
  return view.findChild<T*>(QString::fromLatin1(name));
}

// Shows the model through the program's prompts and answers the class of the view that
// showed it; the view is then cancelled.
std::string ShownViewOf(CDialogModel& model) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  std::string shown;
  QTimer::singleShot(0, [&shown] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      shown = dialog->metaObject()->className();
      dialog->reject();
    }
  });
  EXPECT_EQ(prompts.RunDialog(model), kResultCancel) << model.ClassName();
  return shown;
}

TEST(CurvesViews, EveryCurvesDialogOpensInItsView) {
  CDistributionDlg gaussian;
  CLorentzDlg lorentzian;
  CBlackbodyDlg blackbody;
  CAddSubtractSpectra calculator;
  CMathDlg alter;
  CCreateSpectra create;
  for (CDialogModel* form : std::initializer_list<CDialogModel*>{&gaussian, &lorentzian, &blackbody,
                                                                 &calculator, &alter}) {
    EXPECT_EQ(ShownViewOf(*form), "lumivex::gui::FormDlgView") << form->ClassName();
  }
  EXPECT_EQ(ShownViewOf(create), "lumivex::gui::CreateSpectraView");
}

TEST(CurvesViews, FormShowsTheModelAndKeepsARefusedFieldOpen) {
  FakePrompts prompts;
  CAddSubtractSpectra calculator;
  calculator.m_names = {"dye", "solvent"};
  calculator.m_formula = "A-B";
  gui::FormDlgView view(calculator, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Spectrum caculator"));
  EXPECT_EQ(Child<QLabel>(view, "note1")->text(), QStringLiteral("A: dye"));
  EXPECT_EQ(Child<QLabel>(view, "note2")->text(), QStringLiteral("B: solvent"));
  EXPECT_EQ(Child<QLineEdit>(view, "formula")->text(), QStringLiteral("A-B"));

  CMathDlg alter;
  gui::FormDlgView alterView(alter, prompts);
  EXPECT_EQ(Child<QLineEdit>(alterView, "scale")->text(), QStringLiteral("1"));
  EXPECT_TRUE(Child<QCheckBox>(alterView, "keepSources")->isChecked());
  Child<QLineEdit>(alterView, "shift")->setText(QStringLiteral("5"));
  Child<QLineEdit>(alterView, "scale")->setText(QStringLiteral("2000"));
  Child<QCheckBox>(alterView, "keepSources")->setChecked(false);
  alterView.accept();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, RangeMessage({0.0f, 1000.0f}));
  EXPECT_EQ(alterView.result(), QDialog::Rejected);
  EXPECT_EQ(alter.m_shift, 0.0f);
  EXPECT_TRUE(alter.m_keepSources);

  Child<QLineEdit>(alterView, "scale")->setText(QStringLiteral("2"));
  alterView.accept();
  EXPECT_EQ(alterView.result(), QDialog::Accepted);
  EXPECT_EQ(alter.m_shift, 5.0f);
  EXPECT_EQ(alter.m_scale, 2.0f);
  EXPECT_FALSE(alter.m_keepSources);
}

TEST(CurvesViews, CreateSpectrumPagesEnableWhatThePageAsks) {
  FakePrompts prompts;
  CCreateSpectra dlg;
  {
    gui::CreateSpectraView first(dlg, prompts);
    EXPECT_TRUE(Child<QRadioButton>(first, "absorption")->isChecked());
    EXPECT_TRUE(Child<QLineEdit>(first, "peaks")->isEnabled());
    EXPECT_FALSE(Child<QComboBox>(first, "function")->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(first, "peakWavelength")->isEnabled());
    Child<QRadioButton>(first, "lightSource")->click();
    EXPECT_EQ(dlg.m_kind, SpectrumKind::LightSource);
    Child<QLineEdit>(first, "peaks")->setText(QStringLiteral("2"));
    Child<QLineEdit>(first, "low")->setText(QStringLiteral("400"));
    Child<QLineEdit>(first, "high")->setText(QStringLiteral("400"));
    first.accept();
    EXPECT_EQ(first.result(), QDialog::Rejected);
    Child<QLineEdit>(first, "high")->setText(QStringLiteral("700"));
    first.accept();
    EXPECT_EQ(first.result(), QDialog::Accepted);
  }
  EXPECT_EQ(dlg.m_high, 700);

  dlg.m_firstPage = false;
  dlg.m_peakNumber = 1;
  gui::CreateSpectraView page(dlg, prompts);
  QComboBox* function = Child<QComboBox>(page, "function");
  ASSERT_EQ(function->count(), 3);
  EXPECT_EQ(function->itemText(0), QStringLiteral("Lorentzian"));
  EXPECT_EQ(function->currentText(), QStringLiteral("Gaussian"));
  EXPECT_FALSE(Child<QRadioButton>(page, "emission")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>(page, "low")->isEnabled());
  EXPECT_EQ(Child<QLineEdit>(page, "peakNumber")->text(), QStringLiteral("1"));
  EXPECT_TRUE(Child<QLineEdit>(page, "fullWidth")->isEnabled());
  // A Gaussian without width is refused; a delta needs none.
  Child<QLineEdit>(page, "peakWavelength")->setText(QStringLiteral("550"));
  page.accept();
  EXPECT_EQ(prompts.messages.back().text, kZeroPeakWidth);
  EXPECT_EQ(dlg.m_peakWavelength, 0.0f);
  function->setCurrentIndex(2);
  EXPECT_FALSE(Child<QLineEdit>(page, "fullWidth")->isEnabled());
  page.accept();
  EXPECT_EQ(page.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Peak().function, static_cast<int>(PeakFunction::Delta));
  EXPECT_EQ(dlg.m_peakWavelength, 550.0f);
}

} // namespace
} // namespace lumivex
