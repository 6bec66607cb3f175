#include "FakePrompts.h"
#include "GraphView.h"
#include "MainWindow.h"
#include "QtPrintJob.h"
#include "QtPrompts.h"
#include "TestSupport.h"
#include "UsernameView.h"
#include "database/Username.h"
#include "output/PageCanvas.h"
#include "ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

namespace lumivex {
namespace {

using test::FakePrinter;
using test::FakePrompts;
using test::TempDir;

// Runs `act` on the next modal dialog of type T once it is open.
template <typename T> void OnNextDialog(std::function<void(T&)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

TEST(UsernameView, ShowsTheNameAndWritesBackOnlyWhatOkAccepts) {
  CUsername dlg;
  dlg.m_userName = "Ada";
  {
    gui::UsernameView view(dlg);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Name of User"));
    auto* edit = view.findChild<QLineEdit*>(QStringLiteral("userName"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("Ada"));
    bool labelled = false;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
      labelled =
          labelled || (label->text() == QStringLiteral("Username:") && label->buddy() == edit);
    }
    EXPECT_TRUE(labelled);
    edit->setText(QStringLiteral("Grace"));
    view.reject();
  }
  EXPECT_EQ(dlg.m_userName, "Ada");

  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  OnNextDialog<gui::UsernameView>([](gui::UsernameView& view) {
    view.findChild<QLineEdit*>(QStringLiteral("userName"))->setText(QStringLiteral("Grace"));
    view.accept();
  });
  EXPECT_EQ(prompts.RunDialog(dlg), kResultOk);
  EXPECT_EQ(dlg.m_userName, "Grace");
}

TEST(QtPrintJob, TheStandardPrintDialogPrintsToAPdfFile) {
  TempDir dir;
  const QString pdf = QString::fromStdString(dir.Path("page.pdf"));
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  // The print dialog's own file box, as a user fills it in to print to a file.
  OnNextDialog<QPrintDialog>([pdf](QPrintDialog& dialog) {
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr);
    file->setText(pdf);
    dialog.accept();
  });
  std::unique_ptr<PrintJob> job = prompts.PrintDialog(PrintDialogRequest{});
  ASSERT_NE(job, nullptr);
  const CSize page = job->PrintableSize();
  EXPECT_GT(page.cx, 1000);
  EXPECT_GT(page.cy, page.cx);

  ASSERT_TRUE(job->StartDocument("Lumivex printing..."));
  ASSERT_TRUE(job->StartPage());
  {
    CPageCanvas sheet(job->PageCanvas(), {800, 600}, page);
    sheet.SetFont({"Helvetica", 22, 400, 0});
    sheet.Text({30, 30}, "Results of Oscillator Calculation");
    sheet.Line({30, 60}, {770, 60});
  }
  EXPECT_TRUE(job->EndPage());
  EXPECT_TRUE(job->EndDocument());
  job.reset();
  const std::string written = TempDir::Read(pdf.toStdString());
  EXPECT_EQ(written.substr(0, 5), "%PDF-");
  EXPECT_GT(written.size(), 500u);
}

TEST(QtPrintJob, ACancelledDialogGivesNoJobAndAnUnwritableFileCannotStart) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  OnNextDialog<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(prompts.PrintDialog(PrintDialogRequest{}), nullptr);

  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QStringLiteral("/nonexistent-folder/page.pdf"));
  gui::QtPrintJob job(std::move(printer));
  EXPECT_FALSE(job.StartDocument("Lumivex printing..."));
  EXPECT_FALSE(job.StartPage());
}

class PrintingWindowTest : public ::testing::Test {
protected:
  PrintingWindowTest() {
    window.resize(1200, 800);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    prompts.fileAnswers.push_back(dir.Write("test.db", "[Spectra]\nNumber = 0\n"));
    window.Frame().Startup();
    window.Frame().Execute(kIdOpenDatabase);
    QApplication::processEvents();
  }

  TempDir dir;
  FakePrompts prompts;
  gui::MainWindow window{&prompts};
};

TEST_F(PrintingWindowTest, PrintPrintsTheGraphAndLeavesItsPictureBesideTheDatabase) {
  QAction* print = window.Action(kIdPrint);
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isEnabled());
  EXPECT_EQ(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

  std::string spectrum;
  for (int nm = 300; nm <= 700; ++nm) {
    spectrum += std::to_string(nm) + '\t' + std::to_string(0.5 + (nm % 7) / 10.0) + '\n';
  }
  prompts.fileAnswers.push_back(dir.Write("band.abs.txt", spectrum));
  window.Action(kIdOpenDataFile)->trigger();
  ASSERT_EQ(window.Frame().m_pData->Count(), 1);

  window.Frame().m_output.m_usernameDlg.m_userName = "Ada";
  auto printer = std::make_shared<FakePrinter>();
  prompts.printers.push_back(printer);
  prompts.messages.clear();
  print->trigger();
  EXPECT_TRUE(printer->documentEnded);
  EXPECT_TRUE(prompts.messages.empty());

  // The graph keeps its place in the main window's client area, scaled to the page.
  const QSize client = window.MdiArea()->viewport()->size();
  const double scale = std::min(4800.0 / client.width(), 6400.0 / client.height());
  const auto curves = printer->canvas.Polylines();
  ASSERT_FALSE(curves.empty());
  int right = 0;
  for (const CPoint& point : curves.front().points) {
    right = std::max(right, point.x);
  }
  EXPECT_LE(right, window.Graph()->width() * scale + 1);
  EXPECT_GT(right, window.Graph()->width() * scale / 2);
  const std::string picture = dir.Path("temp.bmp");
  EXPECT_TRUE(std::filesystem::exists(picture));
  EXPECT_EQ(QImage(QString::fromStdString(picture)).size(), window.Graph()->size());
}

} // namespace
} // namespace lumivex
