#include "FakePrompts.h"
#include "GraphView.h"
#include "MainWindow.h"
#include "TestSupport.h"
#include "commands/ExportCommands.h"
#include "ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::TempDir;

// A band from 300 to 700 nm.
std::string Band() {
  std::string spectrum;
  for (int nm = 300; nm <= 700; ++nm) {
    const double x = (nm - 500) / 60.0;
    spectrum += std::to_string(nm) + '\t' + std::to_string(1.0 / (1.0 + x * x)) + '\n';
  }
  return spectrum;
}

int CountPixels(const QImage& image, bool (*matches)(QRgb)) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += matches(image.pixel(x, y)) ? 1 : 0;
    }
  }
  return count;
}

bool Reddish(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

bool Dark(QRgb pixel) {
  return qGray(pixel) < 100;
}

class GraphExportTest : public ::testing::Test {
protected:
  GraphExportTest() {
    window.Frame().Startup();
    window.resize(1100, 800);
    window.show();
    QApplication::processEvents();
  }

  void Open() {
    prompts.fileAnswers.push_back(dir.Write("band.abs.txt", Band()));
    window.Action(kIdOpenDataFile)->trigger();
    ASSERT_EQ(window.Frame().m_pData->Count(), 1);
  }

  void Export(const std::string& path) {
    prompts.fileAnswers.push_back(path);
    prompts.messages.clear();
    window.Action(kIdExportGraph)->trigger();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front().text;
  }

  TempDir dir;
  FakePrompts prompts;
  gui::MainWindow window{&prompts};
};

// The page a PDF reader shows has the window's aspect ratio and the curve in its colour.
TEST_F(GraphExportTest, ThePdfOpensInAReaderAsTheGraph) {
  Open();
  const std::string pdf = dir.Path("graph.pdf");
  Export(pdf);
  const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  ASSERT_FALSE(reader.isEmpty()) << "pdftoppm (poppler-utils) is needed";
  const QString page = QString::fromStdString(dir.Path("page"));
  ASSERT_EQ(
      QProcess::execute(reader, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                 QStringLiteral("-singlefile"), QString::fromStdString(pdf), page}),
      0);
  const QImage image(page + QStringLiteral(".png"));
  ASSERT_FALSE(image.isNull());
  const QSize graph = window.Graph()->size();
  EXPECT_NEAR(image.width() / static_cast<double>(image.height()),
              graph.width() / static_cast<double>(graph.height()), 0.01);
  EXPECT_GT(CountPixels(image, Reddish), graph.width() / 4);
  EXPECT_GT(CountPixels(image, Dark), graph.width());
}

TEST_F(GraphExportTest, ThePngHasTheChosenScaleAndTheClipboardTheGraph) {
  Open();
  prompts.dialogScripts.push_back([](CDialogModel& dialog) {
    static_cast<CPictureScaleDlg&>(dialog).m_scale = 2;
    return kResultOk;
  });
  const std::string png = dir.Path("graph.png");
  Export(png);
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), window.Graph()->size() * 2);
  EXPECT_GT(CountPixels(image, Reddish), window.Graph()->width());

  window.Action(kIdCopyGraph)->trigger();
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->hasImage());
  EXPECT_TRUE(copied->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
}

TEST_F(GraphExportTest, DroppedFilesGoToTheEngine) {
  const std::string spectrum = dir.Write("band.abs.txt", Band());
  const std::string notes = dir.Write("notes.odt", "text");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(spectrum)),
                QUrl::fromLocalFile(QString::fromStdString(notes))});
  const QPoint centre = window.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  prompts.messages.clear();
  QApplication::sendEvent(&window, &drop);
  EXPECT_EQ(window.Frame().m_pData->Count(), 1);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(notes), std::string::npos);
}

} // namespace
} // namespace lumivex
