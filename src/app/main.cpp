#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumivex"));
  lumivex::gui::MainWindow window;
  window.showMaximized();
  window.Frame().Startup();
  return QApplication::exec();
}
