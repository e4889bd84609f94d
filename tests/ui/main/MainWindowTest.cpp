// The main window on the small timetable of the widget tests: loading, the
// toolbar and menus, the update command, and the search commands driven
// through its controls, checked against what the query engine returns for
// the same request.
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/Strings.h"
#include "ui/WindowPlacement.h"
#include "ui/aux/AboutWindow.h"
#include "ui/aux/ClosingScreen.h"
#include "ui/aux/TipWindow.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

using test::kBaotou;
using test::kNanjing;

// Tab-joined cells, trailing empty ones left off.
QString Joined(QStringList cells) {
  while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
  return cells.join(u'\t');
}
QString Key(const QTreeWidget* list, int row) {
  return list->topLevelItem(row)->data(0, kRowKeyRole).toString();
}
// The offer to look for a station to change at, as Said() lists it.
std::string Offer(const std::string& from, const std::string& to) {
  return "i OK/Cancel: 对不起！目前还没有由" + from + "发往" + to +
         "的直达列车。\n请点击“确定”键，系统自动为您找出可供中转的车站\n如果您想放弃，就请点击“取消”按钮";
}

// The headers of the shown columns of `list` that are not exactly as wide as
// the widest text they hold (their own or one of their cells') needs: cut
// or padded.
QStringList UnfittedColumns(const QTreeWidget* list) {
  QStringList unfitted;
  for (int c = 0; c < list->columnCount(); ++c) {
    const int needed = std::max(static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(c),
                                list->header()->sectionSizeHint(c));
    if (!list->isColumnHidden(c) && list->columnWidth(c) != needed) unfitted << list->headerItem()->text(c);
  }
  return unfitted;
}

// The tool tip of the pointer resting on the cell of `item` in `column`.
QString ToolTipAt(QTreeWidget* list, const QTreeWidgetItem* item, int column) {
  const QPoint at = list->visualRect(list->indexFromItem(item, column)).center();
  QHelpEvent tip(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list->viewport(), &tip);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

class MainWindowTest : public test::MainWindowFixture {
 protected:
  // The result widgets and the installed timetable's status line that show,
  // by name, then "useInstalled" while its menu item shows, "print" while
  // printing is on and "busy" while the busy cursor is.
  QString Showing() const {
    QStringList names;
    for (QWidget* w : std::initializer_list<QWidget*>{results_->lstChange, results_->lvMain,
                                                      results_->lvchang[0], results_->lvchang[1],
                                                      results_->WebBrowser1, main_->sbNewerTimetable})
      if (!w->isHidden()) names << w->objectName();
    if (main_->mnuUseInstalled->isVisible()) names << "useInstalled";
    if (main_->munPrint->isEnabled()) names << "print";
    if (QApplication::overrideCursor()) names << "busy";
    return names.join(u' ');
  }

  QAction* Button(int index) { return main_->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(index)); }

  // Picks a file holding `content` in the dialog of 文件 → 更新数据库 and runs the command.
  std::filesystem::path Update(const std::string& content) {
    const auto file = files_.Write("update.txt", content);
    recorder_.files.paths.push_back(QString::fromStdString(file.string()));
    main_->mnuUpdate->trigger();
    return file;
  }

  QueryPanel* panel_ = main_->panel;
  ResultArea* results_ = main_->results;
  test::TempDir files_;
};

TEST_F(MainWindowTest, LoadingShowsTheStartPageAndTheVersions) {
  EXPECT_EQ(main_->sbMainPanel1->text(),
            "主程序版本：V" KW_PROJECT_VERSION
            ", 库文件版本：2024-05 测试版 　请关注Kestrelway 铁路时刻网站,下载最新版库文件。");
  EXPECT_TRUE(results_->WebBrowser1->source().toLocalFile().endsWith("date/ShowMain.html"));
  EXPECT_EQ(Showing(), "WebBrowser1");
  EXPECT_FALSE(Button(5)->isEnabled());
  // An empty version table leaves the version empty.
  db_->Execute("DELETE FROM VerID");
  main_->ShowVersionText();
  EXPECT_TRUE(main_->sbMainPanel1->text().contains("库文件版本： 　请关注"))
      << main_->sbMainPanel1->text().toStdString();
}

// The picture window stays on screen while the window loads, with the
// window system's events let through (a window system that puts it up a
// little later paints it then); it is gone once the window has loaded.
TEST_F(MainWindowTest, ThePictureWindowStaysUpWhileTheWindowLoads) {
  MainWindow window(*db_, recorder_.platform);
  bool shownMeanwhile = false;
  QTimer probe;  // comes round while the picture is up, not as it is first shown
  probe.setSingleShot(true);
  QObject::connect(&probe, &QTimer::timeout, [&shownMeanwhile] {
    for (QWidget* w : QApplication::topLevelWidgets())
      shownMeanwhile |= w->objectName() == "frmShow" && w->isVisible();
  });
  probe.start(100);
  window.Load();
  EXPECT_TRUE(shownMeanwhile);
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "frmShow");
}

TEST_F(MainWindowTest, ToolbarButtonsDispatchByIndexAndFollowTheShownLists) {
  MainWindow& window = *main_;
  QSignalSpy print(&window, &MainWindow::printRequested);
  Button(5)->trigger();  // nothing shown: printing is off
  EXPECT_EQ(print.count(), 0);
  for (int index : {1, 3, 4, 8}) window.Toolbar1ButtonClick(index);  // nothing
  EXPECT_EQ(window.closingScreen(), nullptr);

  // Printing follows the shown lists; the web pane shows unless the second leg does.
  const std::pair<std::vector<QWidget*>, const char*> states[] = {
      {{results_->lvchang[0], results_->lvchang[1]}, "lvchang0 lvchang1 print"},
      {{results_->lvchang[0]}, "lvchang0 WebBrowser1 print"},
      {{}, "WebBrowser1"},
      {{results_->lvMain}, "lvMain WebBrowser1 print"}};
  for (const auto& [shown, showing] : states) {
    for (QWidget* list : {results_->lvMain, results_->lvchang[0], results_->lvchang[1]})
      list->setVisible(std::find(shown.begin(), shown.end(), list) != shown.end());
    window.RefreshViewState();
    EXPECT_EQ(Showing(), showing);
  }
  window.SyncToolbar();
  Button(5)->trigger();
  EXPECT_EQ(print.count(), 1);

  window.Common->setEnabled(false);
  window.SyncToolbar();
  EXPECT_FALSE(Button(2)->isEnabled());
}

// A click into the main window while About or the tips are open closes the
// detail window and leaves the focus there, with the other window still open.
TEST_F(MainWindowTest, ComingBackClosesTheDetailWindowAndLetsTheUserTypeThere) {
  MainWindow& window = *main_;
  for (QAction* open : {window.About, window.Common}) {
    open->trigger();
    QApplication::processEvents();
    QWidget* other = QApplication::activeWindow();
    ASSERT_TRUE(other == window.aboutWindow() || other == window.tipWindow());
    QSignalSpy closeDetail(&window, &MainWindow::trainDetailCloseRequested);
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    EXPECT_GE(closeDetail.count(), 1);
    EXPECT_EQ(QApplication::activeWindow(), &window) << other->objectName().toStdString();
    EXPECT_TRUE(other->isVisible());
  }
}

// The tips and About (from the menu or the toolbar) open centred on the main
// window, or on the screen while it is hidden; the closing screen (the
// toolbar's 退出) on the main window. Each has the icon.
TEST_F(MainWindowTest, AuxiliaryWindowsOpenCentredWithTheProgramsIcon) {
  MainWindow& window = *main_;
  const struct {
    QAction* open;
    bool mainShown;
    std::function<QWidget*()> opened;
  } cases[] = {{Button(2), true, [&] { return window.tipWindow(); }},
               {window.About, true, [&] { return window.aboutWindow(); }},
               {window.Common, false, [&] { return window.tipWindow(); }},
               {Button(6), false, [&] { return window.aboutWindow(); }},
               {Button(7), true, [&] { return window.closingScreen(); }}};
  for (const auto& c : cases) {
    window.setVisible(c.mainShown);
    const QRect around = c.mainShown ? window.frameGeometry() : window.screen()->availableGeometry();
    c.open->trigger();
    QWidget* opened = c.opened();
    ASSERT_NE(opened, nullptr);
    SCOPED_TRACE(opened->objectName().toStdString() + (c.mainShown ? " over the main window" : " alone"));
    ASSERT_TRUE(opened->isVisible());
    EXPECT_LE((opened->frameGeometry().center() - around.center()).manhattanLength(), 2);
    EXPECT_FALSE(opened->windowIcon().isNull());
    opened->hide();
  }
  // Once start-up has given the application its icon, a window shows that one.
  QPixmap picture(16, 16);
  picture.fill(Qt::red);
  QApplication::setWindowIcon(QIcon(picture));
  QWidget plain;
  CentreWindow(plain, &window);
  EXPECT_EQ(plain.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
  QApplication::setWindowIcon(QIcon());
}

// Ctrl+Q quits from any window of the program: the closing screen, which
// ends it.
TEST_F(MainWindowTest, CtrlQShowsTheClosingScreenWhichEndsTheProgram) {
  MainWindow& window = *main_;
  window.Common->trigger();
  window.OpenJourneys();
  QApplication::setActiveWindow(window.journeyWindow());
  QSignalSpy ended(&window, &MainWindow::programEnded);
  QSignalSpy closeDetail(&window, &MainWindow::trainDetailCloseRequested);
  QTest::keyClick(window.journeyWindow(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.tipWindow()->isVisible());
  EXPECT_GE(closeDetail.count(), 1);
  ClosingScreen* closing = window.closingScreen();
  ASSERT_NE(closing, nullptr);
  EXPECT_TRUE(closing->isVisible());
  for (int tick = 0; tick <= 50; ++tick) closing->Tick();  // the 51st tick ends it
  EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindowTest, AppliedUpdateIsReportedAndTheNewVersionShown) {
  const auto file =
      Update("insert;station;13;13,\"石家庄\",\"sjz\"\nupdate;VerID;2024-05 测试版;ver=\"2025-01\"\n");
  EXPECT_EQ(Said(), test::Said{"i OK: 更新完毕！"});
  EXPECT_EQ(Stations(), 13);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(main_->sbMainPanel1->text().contains("库文件版本：2025-01 "));
}

// The window's copy holds the user's updates and a different timetable is
// installed: the status bar says so, a message says it once, and 文件 →
// 使用新安装的时刻表 takes it after asking.
TEST_F(MainWindowTest, ADifferentInstalledTimetableIsOfferedAndTakenAfterAsking) {
  test::TestTimetable installed{{"VerID", "2030-01 新版\n"}, {"station", "1\t北京\tbj\n"}};
  installed.Build();
  // As the start finds it (the per-user copy open in this window).
  DatePlace place;
  place.root = timetable_.Root();
  place.source = installed.DbPath().parent_path();
  place.different = DifferentTimetable{"2030-01 新版", TimetableIdentity(installed.DbPath()), false};
  SetDatePlace(place);

  main_->ShowNewerTimetable();  // as loading does
  const QString line = "已安装另一时刻表（库文件版本：2030-01 新版），可用“文件 → 使用新安装的时刻表”换用";
  EXPECT_EQ(main_->sbNewerTimetable->text(), line);
  EXPECT_EQ(Showing(), "WebBrowser1 sbNewerTimetable useInstalled");
  EXPECT_EQ(Said(31), test::Said{"i OK: 安装的时刻表已换成另一版本（库文件版本：2030-01 新版）"});
  main_->ShowNewerTimetable();  // the next start: the line, no message
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(main_->sbNewerTimetable->text(), line);

  recorder_.messages.shown.clear();
  recorder_.messages.answers = {MessageAnswer::Cancel};
  main_->mnuUseInstalled->trigger();
  EXPECT_EQ(Stations(), 12);          // kept
  main_->mnuUseInstalled->trigger();  // answered OK
  const std::string question =
      "! OK/Cancel: 用安装的时刻表（库文件版本：2030-01 "
      "新版）替换您现在使用的时刻表吗？\n您应用过的更新将不再保留。";
  EXPECT_EQ(Said(), (test::Said{question, question, "i OK: 已换用安装的时刻表。"}));
  EXPECT_EQ(Stations(), 1);
  EXPECT_TRUE(main_->sbMainPanel1->text().contains("库文件版本：2030-01 新版 "));
  EXPECT_EQ(Showing(), "WebBrowser1");
  // The copy now is the installed timetable, and its record says so.
  EXPECT_EQ(ReadCopyOrigin(timetable_.Root() / "date").value_or(CopyOrigin{}).identity,
            TimetableIdentity(installed.DbPath()));
}

// The per-user folder could not take a different installed timetable: the
// window works on with the copy and says why, once.
TEST_F(MainWindowTest, ATimetableThatCouldNotBeTakenIsSaidOnce) {
  for (int start = 0; start < 2; ++start) {
    DatePlace place;
    place.root = timetable_.Root();
    place.notice = "无法换用：没有权限";
    SetDatePlace(place);
    main_->ShowNewerTimetable();  // as loading does
    EXPECT_TRUE(RunDatePlace().notice.empty());
  }
  EXPECT_EQ(Said(), test::Said{"! OK: 无法换用：没有权限"});
}

TEST_F(MainWindowTest, CancelledOrFailedUpdateChangesNothing) {
  main_->mnuUpdate->trigger();  // the dialog answers nothing: cancelled
  EXPECT_EQ(recorder_.files.asked, 1);
  EXPECT_TRUE(recorder_.messages.shown.empty());

  const auto file = Update("insert;station;13;13,\"石家庄\",\"sjz\"\ndelete;nowhere;1;\n");
  EXPECT_EQ(Said(16), test::Said{"! OK: 文件受损或格式不合法！第 2 行"});
  EXPECT_TRUE(std::filesystem::exists(file));

  recorder_.messages.shown.clear();
  Update("");  // no records: both messages
  EXPECT_EQ(recorder_.messages.Texts(),
            (std::vector<QString>{"您的更新文件有问题，请选择正确的更新文件！", "文件受损或格式不合法！"}));
  EXPECT_EQ(Stations(), 12);
}

// A long update keeps the window alive: its events run while the file is
// applied, and the progress dialog's 取消 stops it with nothing changed.
TEST_F(MainWindowTest, ALongUpdateRunsTheEventsAndCanBeCancelled) {
  std::string content;
  for (int i = 0; i < 10000; ++i) content += "update;station;1;jm=\"bjj\"\n";
  bool ranDuringUpdate = false;
  QTimer::singleShot(0, main_.get(), [&] {
    ranDuringUpdate = recorder_.messages.shown.empty();
    auto* progress = main_->findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    progress->cancel();
  });
  const auto file = Update(content);
  EXPECT_TRUE(ranDuringUpdate);
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"更新已取消，时刻表没有改变"});
  EXPECT_EQ(test::QueryRows(*db_, "SELECT jm FROM station WHERE id=1"), std::vector<std::string>{"bj"});
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(main_->findChild<QProgressDialog*>(), nullptr);
}

TEST_F(MainWindowTest, StationSearchListsTheRowsOfTheQueryEngineAndEnterOpensOne) {
  // 北京 and 北京西 to 上海: caption, times, distance, fare, remark, train id.
  const QStringList expected[] = {
      {" T109次(北京---上海)特快列车", "20:00", "次日10:50", " 1463 ", "t150 ", "", "1", "北京", "上海"},
      {" 1461次(北京---上海)普慢列车", "11:00", "次日07:40", " 987 ", "100 ", "", "3", "北京", "上海"},
      {" K21次(北京西---上海)普快列车", "08:00", "次日04:30", " 1234 ", "130 ", "空调", "2", "北京西",
       "上海"},
  };
  QTreeWidget* list = results_->lvMain;
  // Letters typed and not picked stand for the first station their lookup
  // lists, as in the command-line tool.
  for (const auto& [from, to] :
       {std::pair{"beijing", "shanghai"}, std::pair{"bj", "sh"}, std::pair{"北京", "上海"}}) {
    StationSearch(from, to);
    ASSERT_EQ(list->topLevelItemCount(), 3) << from;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(test::ItemTexts(list->topLevelItem(i)), expected[i]) << from;
      EXPECT_EQ(Key(list, i), QStringLiteral("Row%1").arg(i + 1));
      EXPECT_EQ(Joined(test::RowTexts(results_->flgDetail, i + 1)), Joined(expected[i].mid(0, 6)));
    }
  }
  EXPECT_EQ(Showing(), "lvMain WebBrowser1 print");
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
  EXPECT_TRUE(Shown().empty());

  // Enter opens the row a double-click opens, in the same search context.
  QSignalSpy opened(main_.get(), &MainWindow::trainDetailRequested);
  const QPoint at = list->visualItemRect(list->topLevelItem(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  const SearchContext byDoubleClick = main_->searchContext();
  EXPECT_EQ(byDoubleClick.selectedTrainId, test::kK21);

  list->setCurrentItem(list->topLevelItem(0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(main_->searchContext().selectedTrainId, test::kT109);
  list->setCurrentItem(list->topLevelItem(2));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(opened.count(), 3);
  EXPECT_EQ(main_->searchContext().selectedTrainId, byDoubleClick.selectedTrainId);
  EXPECT_EQ(main_->searchContext().fromStationName, byDoubleClick.fromStationName);

  StationSearch("北京", "zzz");  // unknown or equal stations end quietly
  StationSearch("北京", "北京");
  EXPECT_EQ(Showing(), "WebBrowser1");
  EXPECT_TRUE(Shown().empty());
}

// The rows of a station search say where each train is boarded and left,
// which a train number search does not. A named transfer station may be
// typed in letters too.
TEST_F(MainWindowTest, TypedPinyinSearchesAndTheRowsNameTheirStations) {
  QTreeWidget* list = results_->lvMain;
  StationSearch("bj", "sh");
  EXPECT_FALSE(list->isColumnHidden(7) || list->isColumnHidden(8));  // their texts: the test above
  NumberSearch("K21");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_TRUE(list->isColumnHidden(7) && list->isColumnHidden(8));

  Advanced(panel_->cheStation);
  panel_->txtCh_Station->setText("nj");
  StationSearch("beijing", "shanghai");
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(results_->lblFirst->text(), "北京---->南京");
}

// Ctrl+P prints; the lists (made alike) take several rows (Ctrl, and Shift
// and Ctrl+A as Qt has them), which Ctrl+C copies.
TEST_F(MainWindowTest, KeysPrintAndSelectAndCopySeveralRows) {
  StationSearch("北京", "上海");
  QSignalSpy print(main_.get(), &MainWindow::printRequested);
  QTest::keyClick(main_.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(print.count(), 1);

  QTreeWidget* list = results_->lvMain;
  const auto copiedLines = [list] {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text().count(u'\n');
  };
  const auto click = [list](int row, Qt::KeyboardModifiers keys) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                      list->visualItemRect(list->topLevelItem(row)).center());
  };
  click(0, {});
  click(2, Qt::ControlModifier);
  EXPECT_EQ(copiedLines(), 3);  // the header and two rows
}

// At the default size a whole row of a long result shows, each column as
// wide as its texts, and the start page fits the room left beside the list.
// A column the user narrows tells its cut texts in tool tips; a whole text
// leaves the list's own tip.
TEST_F(MainWindowTest, AtTheDefaultSizeWholeRowsShowAndCutTextsAreToldInToolTips) {
  EXPECT_TRUE(main_->screen()->availableGeometry().contains(main_->frameGeometry()));
  StationSearch("天津", "徐州");
  QTreeWidget* list = results_->lvMain;
  ASSERT_EQ(list->topLevelItemCount(), 2);  // 1461 and G7391/G7394
  EXPECT_EQ(UnfittedColumns(list), QStringList());
  EXPECT_LE(list->header()->length(), list->viewport()->width());
  EXPECT_EQ(results_->WebBrowser1->horizontalScrollBar()->maximum(), 0);

  const QString g7391 = QString::number(test::kG7391);
  const QTreeWidgetItem* longest =
      list->topLevelItem(0)->text(6) == g7391 ? list->topLevelItem(0) : list->topLevelItem(1);
  for (int column : {0, 5}) list->header()->resizeSection(column, list->columnWidth(column) / 2);
  EXPECT_EQ(ToolTipAt(list, longest, 0), longest->text(0));
  EXPECT_EQ(ToolTipAt(list, longest, 5), "逢周五、周日开行");
  EXPECT_EQ(ToolTipAt(list, longest, 1), str::kOpenRowTip);
}

TEST_F(MainWindowTest, TheTimeWindowBoundsTheSearchAndNothingInItSaysSo) {
  Advanced(panel_->cheTime);
  panel_->txtSTime->setText("11");
  panel_->txtEmin->setText("1");  // the departure row: leaving at 11:01 or later
  StationSearch("北京", "上海");
  ASSERT_EQ(results_->lvMain->topLevelItemCount(), 1);  // T109 at 20:00, not 1461 at 11:00
  EXPECT_EQ(results_->lvMain->topLevelItem(0)->text(6), "1");
  // The options stay shown as they were, saying what filtered the list (the
  // options' box unchecked would hide them).
  EXPECT_FALSE(panel_->labav->isHidden());
  EXPECT_TRUE(panel_->cheTime->isChecked());
  EXPECT_EQ(panel_->txtSTime->text(), "11");

  Advanced(panel_->cheTime);
  panel_->txtSTime->setText("21");
  StationSearch("北京", "上海");
  EXPECT_EQ(Said(), test::Said{"i OK/Cancel: 对不起目前还没有符合您要求的车次！"});
  EXPECT_EQ(Showing(), "WebBrowser1");
}

TEST_F(MainWindowTest, NoThroughTrainOffersTransferStationsAndAPickListsBothLegs) {
  recorder_.messages.answers = {MessageAnswer::Cancel};
  StationSearch("包头", "南京");  // cancelled: nothing more
  EXPECT_EQ(Showing(), "WebBrowser1");

  StationSearch("包头", "南京");
  EXPECT_EQ(Said(), test::Said(2, Offer("包头", "南京")));
  ASSERT_EQ(results_->lstChange->count(), 1);  // 北京, where K263 ends
  EXPECT_EQ(results_->lstChange->item(0)->text(), "北京");

  PickCandidate(0);
  // K263 to 北京; T109 and 1461 on to 南京: caption, times, train id.
  const QStringList secondLeg[] = {{" T109次(北京---上海)特快列车", "20:00", "次日07:00", "1"},
                                   {" 1461次(北京---上海)普慢列车", "11:00", "次日03:00", "3"}};
  const QString printed[] = {" T109次(北京---上海)特快\t20:00\t次日07:00",
                             " 1461次(北京---上海)普慢\t11:00\t次日03:00"};
  QTreeWidget* first = results_->lvchang[0];
  QTreeWidget* second = results_->lvchang[1];
  ASSERT_EQ(first->topLevelItemCount(), 1);
  ASSERT_EQ(second->topLevelItemCount(), 2);
  // Keys run on from the first leg into the second.
  EXPECT_EQ(Key(first, 0), "Row1");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Key(second, i), QStringLiteral("Row%1").arg(i + 2));
    EXPECT_EQ(test::ItemTexts(second->topLevelItem(i)), secondLeg[i]);
    EXPECT_EQ(Joined(test::RowTexts(results_->flgChange[1], i + 1)), printed[i]);
  }
  for (const QTreeWidget* leg : {first, second}) {  // whole rows, side by side
    EXPECT_EQ(UnfittedColumns(leg), QStringList());
    EXPECT_LE(leg->header()->length(), leg->viewport()->width()) << leg->objectName().toStdString();
  }
  EXPECT_EQ(results_->lblFirst->text(), "包头---->北京");
  EXPECT_EQ(results_->lblLast->text(), "中转站北京---->南京");
  EXPECT_EQ(Showing(), "lstChange lvchang0 lvchang1 print");  // the candidates stay for further picks

  NumberSearch("K21");  // a number search afterwards shows only its own list
  EXPECT_EQ(Showing(), "lvMain WebBrowser1 print");
}

// Trains only the other way are named before the offer. 北京 and 北京西 to
// 乌鲁木齐南: no train; the offer names the first pair, whose stations the
// search for a change then takes.
TEST_F(MainWindowTest, TheOfferNamesTheFirstPairAfterTrainsOnlyTheOtherWay) {
  StationSearch("天津", "北京");
  EXPECT_EQ(Said(), (test::Said{"i OK: 从天津到北京只有返程列车，请重新选择", Offer("天津", "北京")}));
  recorder_.messages.shown.clear();
  StationSearch("北京", "乌鲁木齐南");
  EXPECT_EQ(Said(), test::Said{Offer("北京", "乌鲁木齐南")});
  EXPECT_EQ(main_->searchContext().fromStationName, "北京");
  EXPECT_EQ(main_->searchContext().fromStationId, test::kBeijing);
}

TEST_F(MainWindowTest, NamedTransferListsBothLegsOrNamesTheUnknownStation) {
  const auto named = [&](const QString& via) {
    Advanced(panel_->cheStation);
    panel_->txtCh_Station->setText(via);
    StationSearch("包头", "南京");
  };
  // The transfer stations an earlier search offered, and their way to the
  // journey window, go.
  StationSearch("包头", "南京");
  ASSERT_EQ(Showing(), "lstChange WebBrowser1");
  recorder_.messages.shown.clear();
  named("西安");
  EXPECT_EQ(Said(), test::Said{"i OK: 没有名为“西安”的车站"});
  EXPECT_EQ(Showing(), "WebBrowser1");
  EXPECT_TRUE(results_->cmdJourney->isHidden());

  named("北京");
  EXPECT_EQ(results_->lvchang[0]->topLevelItemCount(), 1);  // K263
  EXPECT_EQ(results_->lvchang[1]->topLevelItemCount(), 2);  // T109 and 1461
  EXPECT_EQ(main_->searchContext().queryMode, "CHANGE");
  EXPECT_EQ(main_->searchContext().fromStationId, kBaotou);
  EXPECT_TRUE(panel_->cheStation->isChecked());  // still shown with the legs it named
  EXPECT_EQ(Showing(), "lvchang0 lvchang1 print");
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(MainWindowTest, ABrokenDatabaseEndsTheSearchWithAMessage) {
  db_->Execute("DROP TABLE pass");
  StationSearch("北京", "上海");
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_TRUE(Shown()[0].text.contains("pass"));
  EXPECT_EQ(Showing(), "WebBrowser1");  // and the busy cursor is gone

  db_->Execute("DROP TABLE station");
  QTest::keyClicks(panel_->txtEstation, "s");  // the pick list cannot be filled
  EXPECT_EQ(Said(0), (test::Said{"x OK: ", "x OK: "}));
  EXPECT_TRUE(panel_->lstStation->isHidden());
}

TEST_F(MainWindowTest, TrainNumberSearchListsItsTrainsOrSaysNoneRuns) {
  const QStringList k21 = {
      " K21次(普快(北京西----上海))", "08:00", "次日04:30", " 1234", " 130", "空调", "2", "", ""};
  NumberSearch("K 21");
  ASSERT_EQ(results_->lvMain->topLevelItemCount(), 1);
  EXPECT_EQ(test::ItemTexts(results_->lvMain->topLevelItem(0)), k21);
  EXPECT_EQ(Joined(test::RowTexts(results_->flgDetail, 1)),
            " K21次(普快(北京西----上海))\t08:00\t次日04:30\t 1234 \t 130 \t空调");
  EXPECT_EQ(QApplication::focusWidget(), results_->lvMain);

  NumberSearch("K21K21K21K21");  // twelve characters search nothing
  EXPECT_EQ(results_->lvMain->topLevelItemCount(), 0);
  EXPECT_EQ(Showing(), "WebBrowser1");
  EXPECT_TRUE(Shown().empty());

  panel_->txtOrder->clear();
  QTest::keyClicks(panel_->txtOrder, "99");
  QTest::keyClick(panel_->txtOrder, Qt::Key_Return);
  EXPECT_EQ(Said(),
            test::Said{"i OK: 对不起！目前尚未开通“99”次列车\n\n请检查您输入的车次，或许是您的手误。"});
  EXPECT_EQ(panel_->txtOrder->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtOrder);
  EXPECT_EQ(Showing(), "WebBrowser1");
}

// The chosen 车型 reaches every search of the window (the query tests take
// each class through each search): T109 is 特快, K21 (from 北京西) and K263
// 普快, 1461 普慢, G7391 空调特快.
TEST_F(MainWindowTest, TheClassOptionReachesEverySearch) {
  const std::vector<QString> nothing{"对不起目前还没有符合您要求的车次！"};
  const auto choose = [&](int option) {
    recorder_.messages.shown.clear();
    Advanced(panel_->cheType);
    panel_->Option1[option]->setChecked(true);
  };
  choose(0);
  StationSearch("北京", "上海");
  EXPECT_EQ(test::ColumnTexts(results_->lvMain, 6).join(u' '), "1");
  NumberSearch("21");  // K21 is no 特快
  EXPECT_EQ(recorder_.messages.Texts(), nothing);
  // 乌鲁木齐南 to 南京 changes at 天津 (G7391, then T109 or 1461) or at 徐州
  // (then K21 or 1461): with 特快, at 天津 alone, and T109 on.
  StationSearch("乌鲁木齐南", "南京");
  ASSERT_EQ(results_->lstChange->count(), 1);
  EXPECT_EQ(results_->lstChange->item(0)->text(), "天津");
  PickCandidate(0);
  EXPECT_EQ(test::ColumnTexts(results_->lvchang[1], 3).join(u' '), "1");
  // Through 北京, named, no 普快 train runs on to 南京.
  choose(2);
  Advanced(panel_->cheStation);
  panel_->txtCh_Station->setText("北京");
  StationSearch("包头", "南京");
  EXPECT_EQ(recorder_.messages.Texts(), nothing);
  EXPECT_TRUE(results_->lvchang[1]->isHidden());
  // 车型 unchecked again: every class.
  panel_->cheStation->setChecked(false);
  panel_->cheType->setChecked(false);
  StationSearch("北京", "上海");
  EXPECT_EQ(test::ColumnTexts(results_->lvMain, 6).join(u' '), "1 3 2");
}

// ------------------------------------------------------------ what the program says and remembers

// The status bar's second panel says what a search did, the version text
// staying beside it; a station no name begins with is said there, no box.
TEST_F(MainWindowTest, TheStatusBarSaysWhatTheSearchDid) {
  const QString version = main_->sbMainPanel1->text();
  StationSearch("北京", "火星");
  EXPECT_EQ(main_->sbMainPanel2->text(), "没有以“火星”开头的站名");
  EXPECT_TRUE(Shown().empty());
  StationSearch("北京", "上海");
  EXPECT_EQ(main_->sbMainPanel2->text(), "共列出 3 趟列车");
  NumberSearch("T109");
  EXPECT_EQ(main_->sbMainPanel2->text(), "共列出 1 趟列车");
  StationSearch("包头", "南京");
  EXPECT_EQ(main_->sbMainPanel2->text(), "");
  PickCandidate(0);  // 北京: K263, then T109 and 1461
  EXPECT_EQ(main_->sbMainPanel2->text(), "第一程 1 趟、第二程 2 趟列车");
  EXPECT_EQ(main_->sbMainPanel1->text(), version);
}

// After an update file the lists on screen show what the timetable now says.
TEST_F(MainWindowTest, AnAppliedUpdateSearchesTheListsOnScreenAgain) {
  const auto remarkOf = [](const QTreeWidget* list, const QString& number) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (list->topLevelItem(i)->text(0).contains(number + "次")) return list->topLevelItem(i)->text(5);
    return QStringLiteral("(none)");
  };
  StationSearch("北京", "上海");
  Update("update;train;1;memo=\"临时停运\"\n");
  EXPECT_EQ(remarkOf(results_->lvMain, "T109"), "临时停运");
  NumberSearch("K21");
  Update("update;train;2;memo=\"不停徐州\"\n");
  EXPECT_EQ(remarkOf(results_->lvMain, "K21"), "不停徐州");
  StationSearch("包头", "南京");
  PickCandidate(0);
  Update("delete;train;3\ndelete;pass;3\n");  // 1461 goes from the second leg
  EXPECT_EQ(results_->lvchang[1]->topLevelItemCount(), 1);
}

// 最近查询 keeps the last ten pairs searched, latest first, and a pair
// searches again; the next start shows the last pair in the boxes and the
// windows where they were left.
TEST_F(MainWindowTest, RecentPairsAndWindowPlacesOutliveTheProgram) {
  EXPECT_FALSE(main_->mnuRecent->isEnabled());
  const char* pairs[][2] = {{"北京", "上海"}, {"北京", "天津"}, {"北京", "济南"}, {"北京", "南京"},
                            {"北京", "徐州"}, {"天津", "济南"}, {"天津", "上海"}, {"济南", "上海"},
                            {"南京", "上海"}, {"北京", "火星"}, {"天津", "南京"}, {"徐州", "上海"},
                            {"北京", "上海"}};
  for (const auto& [from, to] : pairs) StationSearch(from, to);
  const auto texts = [](const QMenu* menu) {
    QStringList names;
    for (const QAction* action : menu->actions()) names << action->text();
    return names;
  };
  const QStringList recent{"北京 → 上海", "徐州 → 上海", "天津 → 南京", "南京 → 上海", "济南 → 上海",
                           "天津 → 上海", "天津 → 济南", "北京 → 徐州", "北京 → 南京", "北京 → 济南"};
  EXPECT_EQ(texts(main_->mnuRecent), recent);

  main_->setGeometry(110, 90, 1000, 700);
  main_->OpenJourneys();
  main_->journeyWindow()->setGeometry(300, 200, 900, 500);
  main_->close();
  MainWindow again(*db_, recorder_.platform);
  again.Load();
  again.show();
  EXPECT_EQ(again.geometry(), QRect(110, 90, 1000, 700));
  EXPECT_EQ(texts(again.mnuRecent), recent);
  EXPECT_EQ(again.panel->txtFstation->text() + " → " + again.panel->txtEstation->text(), "北京 → 上海");
  EXPECT_TRUE(again.panel->lstStation->isHidden());
  again.OpenJourneys();
  EXPECT_EQ(again.journeyWindow()->geometry(), QRect(300, 200, 900, 500));

  again.mnuRecent->actions()[3]->trigger();
  EXPECT_EQ(again.panel->txtFstation->text() + " → " + again.panel->txtEstation->text(), "南京 → 上海");
  EXPECT_EQ(again.results->lvMain->topLevelItemCount(), 3);  // K21, 1461 and T109 from 南京
  EXPECT_EQ(texts(again.mnuRecent).first(), "南京 → 上海");

  // A size and place saved on a larger screen come back within this one.
  const QRect screen = again.screen()->availableGeometry();
  again.setGeometry(1200, 700, 2400, 1500);
  again.journeyWindow()->setGeometry(-900, -600, 2000, 1300);
  again.close();
  MainWindow third(*db_, recorder_.platform);
  third.Load();
  third.show();
  third.OpenJourneys();
  for (const QWidget* w : {static_cast<QWidget*>(&third), static_cast<QWidget*>(third.journeyWindow())}) {
    EXPECT_TRUE(screen.contains(w->frameGeometry())) << w->objectName().toStdString();
    EXPECT_GT(w->width(), 1000) << w->objectName().toStdString();
  }
}

}  // namespace
}  // namespace kw
