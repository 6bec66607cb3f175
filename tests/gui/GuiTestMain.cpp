#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// One QApplication for every test of the binary, with the C locale so numbers read and
// print the same everywhere.
int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) {
    // CTest lists the tests at build time, where there may be no display to open.
    return RUN_ALL_TESTS();
  }
  QLocale::setDefault(QLocale::c());
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
