#include "MainWindow.h"
#include "FakePrompts.h"
#include "FileListView.h"
#include "GraphView.h"
#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWhatsThis>

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <sstream>

namespace lumivex {
namespace {

using test::CountPixels;
using test::FakePrompts;
using test::TempDir;

// A band of absorption from 300 to 700 nm, peak 0.8 at 500 nm.
std::string AbsorptionFile() {
  std::ostringstream text;
  for (int nm = 300; nm <= 700; ++nm) {
    const double u = (nm - 500) / 40.0;
    text << nm << '\t' << 0.8 * std::exp(-u * u) << '\n';
  }
  return text.str();
}

class MainWindowTest : public ::testing::Test {
protected:
  MainWindowTest() {
    window.resize(1200, 800);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Frame().Startup();
    QApplication::processEvents();
  }

  // Opens a spectrum file through the toolbar's Open Data File, as a user would.
  void Open(const std::string& name) {
    prompts.fileAnswers.push_back(dir.Write(name, AbsorptionFile()));
    window.Action(kIdOpenDataFile)->trigger();
  }

  QRect Placement(const CRect& rect) const {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
  }
  WindowLayout ExpectedLayout() const {
    const QSize client = window.MdiArea()->viewport()->size();
    return CMainFrame::ArrangeWindows({0, 0, client.width(), client.height()});
  }

  TempDir dir;
  FakePrompts prompts;
  gui::MainWindow window{&prompts};
};

TEST_F(MainWindowTest, StartupArrangesTheThreeWindowsAndKeepsThemArranged) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("LUMIVEX 2.1"));
  ASSERT_NE(window.GraphWindow(), nullptr);
  ASSERT_NE(window.FileListWindow(), nullptr);
  ASSERT_NE(window.DatabaseWindow(), nullptr);
  EXPECT_EQ(window.GraphWindow()->windowTitle(), QStringLiteral("Spectra Display"));
  EXPECT_EQ(window.FileListWindow()->windowTitle(), QStringLiteral("Data File"));
  EXPECT_EQ(window.DatabaseWindow()->windowTitle(),
            QStringLiteral("Database List and Structure Display"));
  EXPECT_EQ(window.MdiArea()->subWindowList().size(), 3);

  const WindowLayout layout = ExpectedLayout();
  EXPECT_EQ(window.GraphWindow()->geometry(), Placement(layout.graph));
  EXPECT_EQ(window.FileListWindow()->geometry(), Placement(layout.fileList));
  EXPECT_EQ(window.DatabaseWindow()->geometry(), Placement(layout.database));
  // Database list on the left, the graph above the Data File on the right.
  EXPECT_LT(window.DatabaseWindow()->x(), window.GraphWindow()->x());
  EXPECT_EQ(window.GraphWindow()->x(), window.FileListWindow()->x());
  EXPECT_LT(window.GraphWindow()->y(), window.FileListWindow()->y());

  window.resize(900, 700);
  QApplication::processEvents();
  const WindowLayout resized = ExpectedLayout();
  EXPECT_NE(resized.graph, layout.graph);
  EXPECT_EQ(window.GraphWindow()->geometry(), Placement(resized.graph));
  EXPECT_EQ(window.FileListWindow()->geometry(), Placement(resized.fileList));
  EXPECT_EQ(window.DatabaseWindow()->geometry(), Placement(resized.database));
}

TEST_F(MainWindowTest, ChildWindowsStayOpenUntilTheMainWindowCloses) {
  for (QMdiSubWindow* child :
       {window.GraphWindow(), window.FileListWindow(), window.DatabaseWindow()}) {
    EXPECT_FALSE(child->close()) << child->windowTitle().toStdString();
    EXPECT_TRUE(child->isVisible());
  }
  // The database window offers no close button at all.
  EXPECT_FALSE(window.DatabaseWindow()->windowFlags().testFlag(Qt::WindowCloseButtonHint));

  EXPECT_TRUE(window.close());
  EXPECT_TRUE(window.Frame().ChildrenClosable());
  EXPECT_TRUE(window.GraphWindow()->close());
  EXPECT_TRUE(window.FileListWindow()->close());
}

TEST_F(MainWindowTest, AnOpenedSpectrumIsListedAndDrawnInRed) {
  const QImage empty = window.Graph()->Picture();
  EXPECT_EQ(empty.size(), window.Graph()->size());
  EXPECT_EQ(CountPixels(empty, QColor(255, 0, 0)), 0);

  Open("dye.abs.txt");
  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  ASSERT_EQ(prompts.fileDialogs.size(), 1U);
  ASSERT_EQ(window.Frame().m_pData->Count(), 1);

  QAbstractItemModel* rows = window.FileList()->model();
  ASSERT_EQ(rows->rowCount(), 1);
  EXPECT_EQ(rows->index(0, 0).data().toString(), QString::fromStdString(dir.Path("dye.abs.txt")));
  EXPECT_TRUE(window.FileList()->selectionModel()->isRowSelected(0, QModelIndex()));

  const QImage picture = window.Graph()->Picture();
  EXPECT_GT(CountPixels(picture, QColor(255, 0, 0)), 100);

  // File New empties the workspace, the list and the graph.
  window.Action(kIdFileNew)->trigger();
  EXPECT_EQ(rows->rowCount(), 0);
  EXPECT_EQ(CountPixels(window.Graph()->Picture(), QColor(255, 0, 0)), 0);
}

TEST_F(MainWindowTest, SaveImageWritesTheGraphAsABitmap) {
  Open("dye.abs.txt");
  const std::string path = dir.Path("graph.bmp");
  ASSERT_TRUE(window.Graph()->SaveImage(QString::fromStdString(path)));
  const std::string bytes = TempDir::Read(path);
  ASSERT_GE(bytes.size(), 54U);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  const auto number = [&bytes](std::size_t at) {
    std::int32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      value |= static_cast<std::int32_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
    }
    return value;
  };
  const QSize size = window.Graph()->Picture().size();
  EXPECT_EQ(number(18), size.width());
  EXPECT_EQ(std::abs(number(22)), size.height());
  const std::size_t rowBytes = (static_cast<std::size_t>(size.width()) * 3 + 3) / 4 * 4;
  EXPECT_EQ(bytes.size(), 54 + rowBytes * static_cast<std::size_t>(size.height()));

  EXPECT_FALSE(window.Graph()->SaveImage(QString::fromStdString(dir.Path("no/such/graph.bmp"))));
}

TEST_F(MainWindowTest, DoubleClickingTheGraphOpensGraphSettings) {
  QTest::mouseDClick(window.Graph(), Qt::LeftButton);
  // Nothing selected yet: the frame asks for a selection instead.
  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_TRUE(prompts.dialogsRun.empty());

  Open("dye.abs.txt");
  QTest::mouseDClick(window.Graph(), Qt::LeftButton);
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CGraphSettingDlg"});
}

// The mouse over the graph as a user moves it: the status bar reads the cursor, a dragged
// rectangle zooms, Backspace steps back; off the plot the view shows the very picture the
// graph renders without any cursor.
TEST_F(MainWindowTest, TheMouseReadsZoomsAndStepsBackOnTheGraph) {
  Open("dye.abs.txt");
  gui::GraphView* graph = window.Graph();
  graph->repaint();
  const CLumivexData& data = *window.Frame().m_pData;
  const auto send = [graph](QEvent::Type type, QPoint at, Qt::MouseButton button,
                            Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), graph->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(graph, &event);
  };
  const QPoint from(graph->width() * 3 / 10, graph->height() * 3 / 10);
  const QPoint to(graph->width() * 6 / 10, graph->height() * 6 / 10);

  send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
  const QString status = window.statusBar()->currentMessage();
  EXPECT_TRUE(status.startsWith(QStringLiteral("Wavelength(nm) "))) << status.toStdString();
  EXPECT_TRUE(status.contains(QStringLiteral("dye.abs.txt"))) << status.toStdString();

  send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(data.m_settingsApplied, 1);
  const float zoomedWidth = data.m_xHigh - data.m_xLow;
  EXPECT_GT(zoomedWidth, 0.0f);
  EXPECT_LT(zoomedWidth, 0.5f * (data.m_xMax - data.m_xMin));

  QTest::keyClick(graph, Qt::Key_Backspace);
  EXPECT_EQ(data.m_settingsApplied, 0);
  EXPECT_EQ(graph->Interaction().HistoryDepth(), 0);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(graph, &leave);
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
  EXPECT_EQ(graph->grab().toImage().convertToFormat(QImage::Format_RGB32), graph->Picture());
}

TEST_F(MainWindowTest, MenusAndToolbarFollowTheCommandTable) {
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(MenuBar().size()));
  for (std::size_t m = 0; m < MenuBar().size(); ++m) {
    const MenuInfo& expected = MenuBar()[m];
    QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title().toStdString(), expected.title);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.items.size())) << expected.title;
    for (std::size_t i = 0; i < expected.items.size(); ++i) {
      const QAction* item = items[static_cast<qsizetype>(i)];
      const CommandInfo* command = FindCommand(expected.items[i]);
      ASSERT_NE(command, nullptr);
      EXPECT_EQ(item->text().toStdString(), command->menuText);
      EXPECT_EQ(item->data().toInt(), command->id);
      EXPECT_EQ(item->isEnabled(), command->available) << command->menuText;
      EXPECT_EQ(item->statusTip().toStdString(), command->StatusText());
      EXPECT_EQ(item->whatsThis().toStdString(), command->StatusText());
    }
  }

  const QToolBar* toolBar = window.findChild<QToolBar*>();
  ASSERT_NE(toolBar, nullptr);
  const QList<QAction*> buttons = toolBar->actions();
  ASSERT_EQ(buttons.size(), static_cast<qsizetype>(ToolBar().size()));
  for (std::size_t i = 0; i < ToolBar().size(); ++i) {
    const QAction* button = buttons[static_cast<qsizetype>(i)];
    const int id = ToolBar()[i];
    if (id == 0) {
      EXPECT_TRUE(button->isSeparator());
      continue;
    }
    const CommandInfo* command = FindCommand(id);
    EXPECT_EQ(button->data().toInt(), id);
    EXPECT_FALSE(button->icon().isNull()) << command->menuText;
    EXPECT_EQ(button->isEnabled(), IsCommandAvailable(id)) << command->menuText;
    if (!command->ToolTip().empty()) {
      EXPECT_EQ(button->toolTip().toStdString(), command->ToolTip());
    }
  }
  // Unavailable commands do nothing, whichever way they are reached.
  window.Action(kIdPrint)->trigger();
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(prompts.fileDialogs.empty());
}

TEST_F(MainWindowTest, HoveringAButtonShowsItsStatusText) {
  QAction* action = window.Action(kIdOpenDataFile);
  QWidget* button = window.findChild<QToolBar*>()->widgetForAction(action);
  ASSERT_NE(button, nullptr);
  const QPointF inside(5, 5);
  QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
            FindCommand(kIdOpenDataFile)->StatusText());
}

TEST_F(MainWindowTest, LockIndicatorsAreGreyedWhileTheirStateIsUnknown) {
  for (const char* name : {"CAP", "NUM", "SCRL"}) {
    const QLabel* indicator = window.statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(indicator, nullptr) << name;
    EXPECT_EQ(indicator->text(), QString::fromLatin1(name));
    EXPECT_FALSE(indicator->isEnabled()) << name;
    EXPECT_TRUE(indicator->isVisible()) << name;
  }
}

TEST_F(MainWindowTest, EveryKeyOfTheTableReachesItsCommand) {
  for (const Accelerator& accelerator : Accelerators()) {
    const QAction* action = window.Action(accelerator.command);
    ASSERT_NE(action, nullptr) << accelerator.key;
    EXPECT_TRUE(action->shortcuts().contains(QKeySequence(QString::fromStdString(accelerator.key))))
        << accelerator.key;
  }

  QTest::keyClick(&window, Qt::Key_F1);
  EXPECT_EQ(prompts.helpContents, std::vector<std::string>{"contents"});

  QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
  QWhatsThis::leaveWhatsThisMode();

  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(prompts.fileDialogs.size(), 1U);

  Open("one.abs.txt");
  Open("two.abs.txt");
  ASSERT_EQ(window.Frame().m_pData->Count(), 2);
  QTest::keyClick(&window, Qt::Key_Delete);
  EXPECT_EQ(window.Frame().m_pData->Count(), 1);
  window.FileList()->selectAll();
  QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(window.Frame().m_pData->Count(), 0);
}

TEST_F(MainWindowTest, TheListsSelectionIsTheFramesSelection) {
  Open("one.abs.txt");
  Open("two.abs.txt");
  Open("three.abs.txt");
  gui::FileListView* list = window.FileList();
  // Each opened file is selected alone.
  EXPECT_EQ(window.Frame().Selection(), std::vector<int>{2});

  list->selectAll();
  EXPECT_EQ(window.Frame().Selection(), (std::vector<int>{0, 1, 2}));
  list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Deselect);
  EXPECT_EQ(window.Frame().Selection(), (std::vector<int>{0, 2}));

  // Closing the selected files leaves the middle one, selected as the frame left it.
  window.Action(kIdCloseSelectedFiles)->trigger();
  ASSERT_EQ(list->model()->rowCount(), 1);
  EXPECT_EQ(list->model()->index(0, 0).data().toString(),
            QString::fromStdString(dir.Path("two.abs.txt")));
  EXPECT_EQ(list->selectionModel()->hasSelection(), window.Frame().m_fileList.SelectedCount() > 0);
}

TEST_F(MainWindowTest, ARightClickPicksTheEntryUnderThePointerAlone) {
  Open("one.abs.txt");
  Open("two.abs.txt");
  gui::FileListView* list = window.FileList();
  QWidget* viewport = list->viewport();
  const QPoint first = list->visualRect(list->model()->index(0, 0)).center();

  // With nothing selected a right click does nothing.
  list->clearSelection();
  QTest::mouseClick(viewport, Qt::RightButton, {}, first);
  EXPECT_TRUE(window.Frame().Selection().empty());
  EXPECT_FALSE(list->ContextMenu()->isVisible());

  list->selectAll();
  QTest::mouseClick(viewport, Qt::RightButton, {}, first);
  EXPECT_EQ(window.Frame().Selection(), std::vector<int>{0});
  EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1);
  QMenu* menu = list->ContextMenu();
  EXPECT_TRUE(menu->isVisible());
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("List Data"));
  EXPECT_EQ(menu->actions()[0]->isEnabled(), IsCommandAvailable(kIdListData));
  menu->hide();

  // Below the entries the click clears the selection.
  list->selectAll();
  QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(first.x(), viewport->height() - 2));
  EXPECT_TRUE(window.Frame().Selection().empty());
  menu->hide();

  // A selection that became empty is no request for a structure: no message on the way.
  const auto oneFileNeeded = [this] {
    return std::count_if(prompts.messages.begin(), prompts.messages.end(),
                         [](const auto& m) { return m.text == "One and only one file needed."; });
  };
  EXPECT_EQ(oneFileNeeded(), 0);
  // The command itself still says what it needs.
  window.Action(kIdRedrawStructure)->trigger();
  EXPECT_EQ(oneFileNeeded(), 1);
}

} // namespace
} // namespace lumivex
