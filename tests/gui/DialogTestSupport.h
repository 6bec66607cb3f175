#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lumivex::test {

/// The push button of a view with this text, or null.
inline QPushButton* Button(const QWidget& view, const QString& text) {
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (button->text() == text) {
      return button;
    }
  }
  return nullptr;
}

/// The line edit of a view with this object name, or null.
inline QLineEdit* Edit(const QWidget& view, const char* name) {
  return view.findChild<QLineEdit*>(QString::fromLatin1(name));
}

/// Runs a view's modal loop through `run` and, once the view is showing, acts on it as a
/// user would; answers what `run` answers.
template <typename Run> int RunWhile(QDialog& view, Run run, const std::function<void()>& act) {
  QTimer::singleShot(0, &view, [&view, act] {
    view.activateWindow();
    if (!QTest::qWaitForWindowActive(&view)) {
      ADD_FAILURE() << "the dialog did not show";
      view.reject();
      return;
    }
    act();
  });
  return run();
}

/// The same for a view whose Run() answers its result code.
template <typename View> int RunWhile(View& view, const std::function<void()>& act) {
  return RunWhile(
      view, [&view] { return view.Run(); }, act);
}

} // namespace lumivex::test
