#include "QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace lumivex {
namespace {

using gui::QtFileFilter;

TEST(QtFileFilter, TurnsClassicPairsIntoQtFilters) {
  // The Open Data File filter, blanks around the bars and all.
  EXPECT_EQ(QtFileFilter("Text files (*.txt) | *.txt|Emission files (*.ems.txt)|*.ems.txt | "
                         "Absorption files (*.abs.txt) | *.abs.txt | Light Source files "
                         "(*.els.txt) | *.els.txt|All files (*.*)|*.*||"),
            QStringLiteral("Text files (*.txt);;Emission files (*.ems.txt);;Absorption files "
                           "(*.abs.txt);;Light Source files (*.els.txt);;All files (*)"));
}

TEST(QtFileFilter, ThePatternDecidesWhatAnEntryMatches) {
  // Descriptions without patterns get them; several patterns are separated by blanks.
  EXPECT_EQ(QtFileFilter("Spectra|*.abs.txt;*.ems.txt|Pictures|*.bmp||"),
            QStringLiteral("Spectra (*.abs.txt *.ems.txt);;Pictures (*.bmp)"));
  // A description whose parentheses say otherwise shows the real pattern.
  EXPECT_EQ(QtFileFilter("Bitmap (*.png)|*.bmp||"), QStringLiteral("Bitmap (*.bmp)"));
  EXPECT_EQ(QtFileFilter("Web pages|*.htm; *.html"), QStringLiteral("Web pages (*.htm *.html)"));
  EXPECT_EQ(QtFileFilter(""), QString());
  EXPECT_EQ(QtFileFilter("||"), QString());
}

// Answers the next message box with the button of this text (mnemonics aside) once it is
// open, after `check` has looked at it.
void AnswerMessageBox(const QString& button, std::function<void(QMessageBox&)> check) {
  QTimer::singleShot(0, [button, check = std::move(check)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    check(*box);
    for (QAbstractButton* candidate : box->buttons()) {
      if (candidate->text().remove(u'&') == button) {
        candidate->click();
        return;
      }
    }
    box->reject();
    ADD_FAILURE() << "no button " << button.toStdString();
  });
}

TEST(QtPromptsMessage, TheUsagePromptOffersHelpThenOk) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  const auto check = [](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Oscillator Strength"));
    EXPECT_EQ(box.text(), QStringLiteral("Select an absorption spectrum."));
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    const QList<QAbstractButton*> buttons = box.buttons();
    ASSERT_EQ(buttons.size(), 2);
    QAbstractButton* help = buttons[0]->text() == QStringLiteral("Help") ? buttons[0] : buttons[1];
    QAbstractButton* ok = help == buttons[0] ? buttons[1] : buttons[0];
    EXPECT_EQ(help->text(), QStringLiteral("Help"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_LT(help->mapTo(&box, QPoint()).x(), ok->mapTo(&box, QPoint()).x());
  };
  AnswerMessageBox(QStringLiteral("Help"), check);
  EXPECT_EQ(prompts.Message("Select an absorption spectrum.", "Oscillator Strength",
                            MessageButtons::HelpOk, MessageIcon::Information),
            kResultHelp);
  AnswerMessageBox(QStringLiteral("OK"), check);
  EXPECT_EQ(prompts.Message("Select an absorption spectrum.", "Oscillator Strength",
                            MessageButtons::HelpOk, MessageIcon::Information),
            kResultUsageOk);
}

TEST(QtPromptsMessage, PlainMessagesShowTheirCaptionAndIcon) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  AnswerMessageBox(QStringLiteral("OK"), [](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Lumivex"));
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.buttons().size(), 1);
  });
  EXPECT_EQ(prompts.Message("Cannot open the file.", kApplicationTitle, MessageButtons::Ok,
                            MessageIcon::Warning),
            kResultOk);
  AnswerMessageBox(QStringLiteral("OK"),
                   [](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::Critical); });
  prompts.Message("Broken.", kApplicationTitle, MessageButtons::Ok, MessageIcon::Error);
  AnswerMessageBox(QStringLiteral("OK"),
                   [](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::NoIcon); });
  prompts.Message("Plain.", kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
}

TEST(QtPromptsMessage, AQuestionAnswersYesOrNo) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  const auto check = [](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Another Record?"));
    EXPECT_EQ(box.buttons().size(), 2);
  };
  AnswerMessageBox(QStringLiteral("Yes"), check);
  EXPECT_EQ(
      prompts.Message("Another?", "Another Record?", MessageButtons::YesNo, MessageIcon::None),
      kResultYes);
  AnswerMessageBox(QStringLiteral("No"), check);
  EXPECT_EQ(
      prompts.Message("Another?", "Another Record?", MessageButtons::YesNo, MessageIcon::None),
      kResultNo);
}

} // namespace
} // namespace lumivex
