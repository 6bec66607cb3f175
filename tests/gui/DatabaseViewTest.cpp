#include "DatabaseView.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "TestSupport.h"
#include "core/Bitmap.h"
#include "database/DatabaseRecord.h"
#include "database/StructureDlg.h"
#include "ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::TempDir;

class DatabaseViewTest : public ::testing::Test {
protected:
  DatabaseViewTest() {
    window.resize(1200, 800);
    window.show();
    window.Frame().Startup();
    QApplication::processEvents();
  }

  // A database of two dyes: "beta" with a picture and an absorption file, "Alpha" without.
  std::string WriteDatabase() {
    DatabaseRecord beta;
    beta.absName = "beta";
    beta.absClass = "Dyes";
    beta.absFile = "beta.abs.txt";
    beta.absStructure = "beta.str.bmp";
    DatabaseRecord alpha;
    alpha.absName = "Alpha";
    alpha.absClass = "Aromatics";
    dir.Write("beta.abs.txt", "400\t0.1\n401\t0.3\n402\t0.2\n");
    EXPECT_TRUE(WriteBmp(dir.Path("beta.str.bmp"), {2, 2, std::vector<Rgb>(4, kPictureColour)}).ok);
    const std::string path = dir.Path("dyes.db");
    EXPECT_TRUE(AppendRecord(path, true, beta).ok);
    EXPECT_TRUE(AppendRecord(path, false, alpha).ok);
    return path;
  }

  QStringList Names() const {
    QStringList names;
    for (int row = 0; row < View().List()->count(); ++row) {
      names << View().List()->item(row)->text();
    }
    return names;
  }
  gui::DatabaseView& View() const { return *window.Database(); }

  static constexpr Rgb kPictureColour{20, 160, 40};
  TempDir dir;
  FakePrompts prompts;
  gui::MainWindow window{&prompts};
};

TEST_F(DatabaseViewTest, ListsTheDatabaseSortsItAndOpensARecordsSpectrumFromThePopup) {
  // The master molecule database is not beside the test program: an empty list.
  ASSERT_NE(window.Database(), nullptr);
  EXPECT_EQ(View().List()->count(), 0);
  EXPECT_EQ(View().Total()->text(), QStringLiteral("0"));

  prompts.fileAnswers.push_back(WriteDatabase());
  window.Action(kIdOpenDatabase)->trigger();
  EXPECT_EQ(Names(), (QStringList{QStringLiteral("beta"), QStringLiteral("Alpha")}));
  EXPECT_EQ(View().Total()->text(), QStringLiteral("2"));

  View().Button(QStringLiteral("Alphabetical"))->click();
  EXPECT_EQ(Names(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta")}));

  // Choosing a name shows its picture and the menu of its spectra, greyed where missing.
  View().List()->setCurrentRow(1);
  QApplication::processEvents();
  const QImage frame = View().Structure()->grab().toImage();
  EXPECT_EQ(frame.pixelColor(120, 100),
            QColor(kPictureColour.r, kPictureColour.g, kPictureColour.b));
  const QList<QAction*> items = View().Popup()->actions();
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items[0]->text(), QStringLiteral("Absorption"));
  EXPECT_TRUE(items[0]->isEnabled());
  EXPECT_FALSE(items[1]->isEnabled());
  EXPECT_FALSE(items[2]->isEnabled());
  EXPECT_EQ(items[3]->text(), QStringLiteral("List Data"));
  EXPECT_TRUE(items[3]->isEnabled());
  View().Popup()->hide();

  items[0]->trigger();
  ASSERT_EQ(window.Frame().m_pData->Count(), 1);
  EXPECT_EQ(window.Frame().m_pData->At(0)->m_name, "beta");
  EXPECT_EQ(window.Frame().m_pData->At(0)->m_recordNumber, 1);

  // A record without a picture says so.
  View().List()->setCurrentRow(0);
  QApplication::processEvents();
  View().Popup()->hide();
  EXPECT_EQ(window.Frame().m_databaseList.Structure(), StructureView::NoStructure);
}

TEST_F(DatabaseViewTest, ClassChoiceWritesTheChosenClassesBack) {
  CSortDB model;
  model.m_classes = {"Aromatics", "Dyes", "Proteins"};
  gui::SortDBView view(model);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Database Sorting Based on Classes"));
  ASSERT_EQ(view.Classes()->count(), 3);
  view.Classes()->item(0)->setSelected(true);
  view.Classes()->item(2)->setSelected(true);
  view.accept();
  EXPECT_EQ(model.m_chosen, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

} // namespace
} // namespace lumivex
