// The station board window on the small timetable of the widget tests,
// opened from the main window and from the stop grid of the detail window.
#include "ui/board/BoardWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTimeEdit>

#include "ui/detail/TrainDetailWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

class BoardWindowTest : public test::MainWindowFixture {
 protected:
  BoardWindowTest() : MainWindowFixture(test::FillUiTimetable, true) {}

  BoardWindow* Opened() {
    main_->mnuBoard->trigger();
    return main_->boardWindow();
  }
  void Search(BoardWindow* w, const QString& station) {
    w->txtStation->setText(station);
    QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  }
  QStringList Trains(BoardWindow* w) { return test::ColumnTexts(w->lvBoard, 0); }
  QTreeWidgetItem* RowOf(BoardWindow* w, const QString& train) {
    const auto found = w->lvBoard->findItems(train, Qt::MatchExactly, 0);
    return found.size() == 1 ? found[0] : nullptr;
  }
};

TEST_F(BoardWindowTest, MenuAndToolbarOpenItAndItListsSortsAndPrints) {
  BoardWindow* w = Opened();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  w->close();
  main_->findChild<QAction*>("Toolbar1_Board")->trigger();
  EXPECT_EQ(main_->boardWindow(), w);
  EXPECT_TRUE(w->isVisible());

  // 北京: K3, 1461 and T109 start here, K263 ends here.
  Search(w, "北京");
  EXPECT_EQ(Trains(w), (QStringList{"K3", "1461", "K263", "T109"}));
  EXPECT_EQ(test::ItemTexts(RowOf(w, "K263")).mid(0, 8),
            (QStringList{"K263", "普快", "包头", "北京", "16:00", "终到", "", "800"}));
  EXPECT_EQ(w->lblCount->text(), "共 4 趟列车；双击一行可察看该车次的详细情况");
  EXPECT_TRUE(w->lvBoard->isColumnHidden(8));
  // A header sorts, the same header again reverses it.
  test::ClickHeader(w->lvBoard, 0);
  EXPECT_EQ(Trains(w), (QStringList{"1461", "K3", "K263", "T109"}));
  test::ClickHeader(w->lvBoard, 0);
  EXPECT_EQ(Trains(w), (QStringList{"T109", "K263", "K3", "1461"}));
  EXPECT_EQ(w->lvBoard->header()->sortIndicatorOrder(), Qt::DescendingOrder);
  test::ClickHeader(w->lvBoard, 7);  // 里程: the three starting at 0 km by departure, then 800
  EXPECT_EQ(Trains(w), (QStringList{"K3", "1461", "T109", "K263"}));

  // 含同名车站 adds 北京西 and its column; only trains ending there, still by 里程.
  w->cheSameName->setChecked(true);
  w->optEnds->setChecked(true);
  Search(w, "北京");
  EXPECT_FALSE(w->lvBoard->isColumnHidden(8));
  EXPECT_EQ(test::ColumnTexts(w->lvBoard, 8), (QStringList{"北京", "北京西"}));  // K263 800 km, K22 1234

  QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
  QStringList printed;
  for (const auto& t : recorder_.printers.printer.texts) printed << t.text;
  for (const char* text : {"北京车站时刻 00:00—23:59", "K22", "北京西"})
    EXPECT_TRUE(printed.contains(text)) << text << " in " << printed.join(' ').toStdString();
}

TEST_F(BoardWindowTest, ARowOpensItsStretchAndTheStopGridOpensABoard) {
  BoardWindow* w = Opened();
  // T109 calls at 天津 on its way to 上海: 天津 to 上海 is highlighted.
  Search(w, "天津");
  EXPECT_EQ(Trains(w), (QStringList{"1461", "G7391/G7394", "T109"}));
  w->lvBoard->itemActivated(RowOf(w, "T109"), 0);
  TrainDetailWindow* detail = opener_->window();
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(detail->lblFTime->text(), "21:35");
  EXPECT_EQ(detail->lblKM->text(), "全程1326公里，共经过4个车站");
  // K263 ends at 北京: from its first station to here.
  Search(w, "北京");
  w->lvBoard->itemActivated(RowOf(w, "K263"), 0);
  detail = opener_->window();
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(detail->lblKM->text(), "全程800公里，共经过2个车站");

  // A right-click on 北京 (K263's second stop) in the stop grid offers
  // 查看车站时刻 beside 复制 and 导出为 CSV…; past the last stop only those two.
  QTableWidget* grid = detail->flgPass;
  grid->show();
  ASSERT_EQ(grid->contextMenuPolicy(), Qt::CustomContextMenu);  // else the menu would wait for a click
  const QPoint at = grid->visualItemRect(grid->item(1, 0)).center();
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid->viewport(), &rightClick);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (const QAction* action : menu->actions()) items << action->text();
  EXPECT_EQ(items, (QStringList{"查看车站时刻", "", "复制", "导出为 CSV…"}));
  QAction* board = menu->findChild<QAction*>("mnuStationBoard");
  ASSERT_NE(board, nullptr);
  menu->close();
  QMenu* pastTheEnd = detail->StopMenu(2);
  ASSERT_NE(pastTheEnd, nullptr);
  EXPECT_EQ(pastTheEnd->findChild<QAction*>("mnuStationBoard"), nullptr);
  EXPECT_EQ(pastTheEnd->actions().size(), 2);
  pastTheEnd->deleteLater();
  w->txtTowards->setText("上海");
  board->trigger();
  EXPECT_EQ(w->txtStation->text(), "北京");
  EXPECT_EQ(w->txtTowards->text(), "");
  EXPECT_EQ(Trains(w), (QStringList{"K3", "1461", "K263", "T109"}));
}

TEST_F(BoardWindowTest, ItSaysWhatIsWrongAndRemembersItsOptions) {
  BoardWindow* w = Opened();
  Search(w, "火星");
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"没有名为“火星”的车站"});
  EXPECT_EQ(w->lvBoard->topLevelItemCount(), 0);
  EXPECT_FALSE(w->cmdPrint->isEnabled());

  // Digits typed in the hours run on into the minutes, as in the journey
  // window: "1215" is 12:15.
  w->timAfter->setTime(QTime(0, 45));
  QApplication::setActiveWindow(w);
  w->timAfter->setFocus();
  w->timAfter->setCurrentSection(QDateTimeEdit::HourSection);
  QTest::keyClicks(w->timAfter, "1215");
  EXPECT_EQ(w->timAfter->time(), QTime(12, 15));
  w->cheType[4]->setChecked(false);  // 快速
  w->optStarts->setChecked(true);
  w->txtTowards->setText("上海");
  Search(w, "北京");
  EXPECT_EQ(Trains(w), QStringList{"T109"});

  BoardWindow again(*db_, recorder_.platform, nullptr);
  EXPECT_EQ(again.txtStation->text(), "北京");
  EXPECT_EQ(again.timAfter->time(), QTime(12, 15));
  EXPECT_FALSE(again.cheType[4]->isChecked());
  EXPECT_TRUE(again.cheType[3]->isChecked());
  EXPECT_TRUE(again.optStarts->isChecked());
  EXPECT_EQ(again.txtTowards->text(), "上海");
}

// Letters in either box stand for the first station their lookup lists;
// Enter searches (with the pick list open it takes the first name, and
// Enter on 查询 then searches); an empty board names both conditions; a
// window past midnight lists its rows in window order; Ctrl+P prints.
TEST_F(BoardWindowTest, LettersEnterBothConditionsAndTheWindowsOrder) {
  BoardWindow* w = Opened();
  QApplication::setActiveWindow(w);
  w->txtTowards->setText("sh");
  w->txtStation->setText("北京");
  w->txtStation->setFocus();
  QTest::keyClick(w->txtStation, Qt::Key_Return);
  EXPECT_TRUE(recorder_.messages.shown.empty());
  EXPECT_EQ(Trains(w), (QStringList{"1461", "T109"}));

  w->txtStation->clear();
  QTest::keyClicks(w->txtStation, "tj");
  ASSERT_FALSE(w->lstStation->isHidden());
  QTest::keyClick(w->txtStation, Qt::Key_Return);
  EXPECT_EQ(w->txtStation->text(), "天津");
  EXPECT_EQ(QApplication::focusWidget(), w->cmdSearch);
  QTest::keyClick(w->cmdSearch, Qt::Key_Return);
  EXPECT_EQ(Trains(w), (QStringList{"1461", "T109"}));  // G7391/G7394 goes on to 徐州, not 上海

  w->txtTowards->setText("包头");
  Search(w, "北京");
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"对不起！目前没有停靠北京并开往包头…的列车。"});

  w->txtTowards->clear();
  w->timAfter->setTime(QTime(19, 0));
  w->timUntil->setTime(QTime(12, 0));
  Search(w, "北京");
  EXPECT_EQ(Trains(w), (QStringList{"T109", "K3", "1461"}));  // 20:00, then 07:45 and 11:00 the next morning
  test::ClickHeader(w->lvBoard, 5);                           // 出发 again: the other way round
  EXPECT_EQ(Trains(w), (QStringList{"1461", "K3", "T109"}));
  EXPECT_EQ(w->lvBoard->selectionMode(), QAbstractItemView::ExtendedSelection);

  QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);  // the title first
  ASSERT_FALSE(recorder_.printers.printer.texts.empty());
  EXPECT_EQ(recorder_.printers.printer.texts.front().text, "北京车站时刻 19:00—12:00");
}

}  // namespace
}  // namespace kw
