// The journey window on the small timetable of the widget tests, opened the
// three ways the main window offers, driven through its controls.
#include "ui/journey/JourneyWindow.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <functional>

#include "ui/AppPaths.h"
#include "ui/detail/TrainDetailWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

class JourneyWindowTest : public test::MainWindowFixture {
 protected:
  explicit JourneyWindowTest(Fill fill = test::FillUiTimetable) : MainWindowFixture(fill, true) {}

  JourneyWindow* Opened() {
    main_->mnuJourney->trigger();
    return main_->journeyWindow();
  }

  // Types `keys` into `box` (Chinese as an input method commits it) and
  // picks `name` from the pick list.
  void Pick(JourneyWindow* w, QLineEdit* box, const QString& keys, const QString& name) {
    box->clear();
    if (keys.front().unicode() < 0x80) {
      QTest::keyClicks(box, keys);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(keys);
      QApplication::sendEvent(box, &commit);
    }
    const auto found = w->lstStation->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << keys.toStdString();
    ASSERT_FALSE(w->lstStation->isHidden());
    QTest::mouseClick(w->lstStation->viewport(), Qt::LeftButton, {},
                      w->lstStation->visualItemRect(found[0]).center());
    EXPECT_EQ(box->text(), name);
    EXPECT_TRUE(w->lstStation->isHidden());
  }
};

TEST_F(JourneyWindowTest, MenuToolbarAndTheTransferOfferOpenIt) {
  JourneyWindow* w = Opened();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  w->close();
  main_->findChild<QAction*>("Toolbar1_Journey")->trigger();
  EXPECT_EQ(main_->journeyWindow(), w);
  EXPECT_TRUE(w->isVisible());
  w->close();

  // No through train from 包头 to 南京: with the stations to change at comes
  // the way to the journeys of the same search.
  StationSearch("包头", "南京");
  ASSERT_FALSE(main_->results->cmdJourney->isHidden());
  QTest::mouseClick(main_->results->cmdJourney, Qt::LeftButton);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->txtFstation->text() + " → " + w->txtEstation->text(), "包头 → 南京");
  // K263 to 北京, four hours there, T109 on overnight.
  ASSERT_EQ(w->lvJourney->topLevelItemCount(), 1);
  EXPECT_EQ(test::ItemTexts(w->lvJourney->topLevelItem(0)).mid(0, 6),
            (QStringList{"06:00", "次日07:00", "25小时", "1", "K263→T109", "北京(4小时)"}));

  StationSearch("北京", "上海");  // through trains: no offer
  EXPECT_TRUE(main_->results->cmdJourney->isHidden());
}

TEST_F(JourneyWindowTest, ASearchListsSortsAndPrintsJourneysAndALegOpensItsStretch) {
  JourneyWindow* w = Opened();
  Pick(w, w->txtFstation, "beijing", "北京");
  Pick(w, w->txtEstation, "上", "上海");
  QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  // 北京 covers 北京西: K21 08:00, 1461 11:00, T109 20:00, none beaten.
  QTreeWidget* list = w->lvJourney;
  QHeaderView* header = list->header();
  const auto trains = [list] { return test::ColumnTexts(list, 4); };
  const auto opened = [list] {
    QStringList numbers;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->isExpanded()) numbers << list->topLevelItem(i)->text(4);
    }
    return numbers;
  };
  EXPECT_EQ(trains(), (QStringList{"K21", "1461", "T109"}));
  EXPECT_EQ(w->lblCount->text(), "共 3 条行程；双击一程可察看该车次的详细情况");
  // Each journey's km and hard-seat fare: K21 普快 1234 km, 1461 普慢 987 km;
  // T109's 特快 fare is not in the fare table.
  EXPECT_EQ(test::ColumnTexts(list, 6), (QStringList{"1234", "987", "1463"}));
  EXPECT_EQ(test::ColumnTexts(list, 7), (QStringList{"130", "100", "暂缺"}));
  // Every header sorts, a second click the other way round; an opened
  // journey stays opened wherever it goes.
  list->topLevelItem(0)->setExpanded(true);
  const struct {
    int column;
    QStringList order;
  } sorts[] = {
      {0, {"T109", "1461", "K21"}},                                // 出发 again: latest first
      {2, {"T109", "K21", "1461"}},                                // 历时
      {2, {"1461", "K21", "T109"}}, {4, {"1461", "K21", "T109"}},  // 车次
      {4, {"T109", "K21", "1461"}}, {6, {"1461", "K21", "T109"}},  // 里程
      {7, {"1461", "K21", "T109"}},                                // 票价: the unknown one last either way
      {7, {"K21", "1461", "T109"}},
  };
  for (const auto& sort : sorts) {
    test::ClickHeader(list, sort.column);
    EXPECT_EQ(trains(), sort.order) << sort.column;
    EXPECT_EQ(header->sortIndicatorSection(), sort.column);
    EXPECT_EQ(opened(), QStringList{"K21"});
  }
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

  list->collapseAll();
  list->topLevelItem(0)->setExpanded(true);  // K21
  QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
  QStringList printed;
  for (const auto& t : recorder_.printers.printer.texts) {
    printed << t.text;
    EXPECT_EQ(t.cutAt, 0) << t.text.toStdString();  // every text whole
  }
  // The title, the opened journey's leg and its fare; a closed journey's legs are not printed.
  for (const char* text :
       {"中转行程 北京 → 上海 00:00–23:59", "北京西 08:00", "上海 次日04:30", "硬座票价(元)", "130"})
    EXPECT_TRUE(printed.contains(text)) << text << " in " << printed.join(' ').toStdString();
  EXPECT_FALSE(printed.contains("北京 20:00"));

  // 包头 to 南京: T109's leg rides 北京 to 南京 only.
  w->spnChanges->setValue(1);
  Pick(w, w->txtFstation, "bt", "包头");
  Pick(w, w->txtEstation, "南京", "南京");
  QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  ASSERT_EQ(w->lvJourney->topLevelItemCount(), 1);
  QTreeWidgetItem* t109 = w->lvJourney->topLevelItem(0)->child(1);
  ASSERT_NE(t109, nullptr);
  EXPECT_EQ(test::ItemTexts(t109).mid(0, 7),
            (QStringList{"北京 20:00", "南京 次日07:00", "11小时", "", "T109次(北京---上海)特快列车",
                         "等候4小时", "1150"}));
  w->lvJourney->itemActivated(t109, 0);
  TrainDetailWindow* detail = opener_->window();
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(detail->lblTitle->text(), "T109次(北京---->上海)特快列车详细情况");
  EXPECT_EQ(detail->lblFTime->text(), "20:00");
  EXPECT_EQ(detail->lblETime->text(), "次日07:00");
  EXPECT_EQ(detail->lblKM->text(), "全程1150公里，共经过4个车站");
}

TEST_F(JourneyWindowTest, WhatCannotBeSearchedIsSaid) {
  JourneyWindow* w = Opened();
  const struct {
    const char* from;
    const char* to;
    QString message;
  } cases[] = {
      {"", "上海", "请输入出发站和到达站"},
      {"北京", " 北京", "出发站与到达站相同"},
      {"北京", "广州", "没有以“广州”开头的站名"},
      {"上海", "包头", "对不起！由上海到包头在所选的时间和车型内没有能够衔接的行程。"},
  };
  for (const auto& c : cases) {
    recorder_.messages.shown.clear();
    w->txtFstation->setText(c.from);
    w->txtEstation->setText(c.to);
    QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
    EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{c.message});
    for (const auto& shown : recorder_.messages.shown) EXPECT_FALSE(shown.busy) << "under the hourglass";
    EXPECT_EQ(w->lvJourney->topLevelItemCount(), 0);
  }
  // Only 快速 (K) trains: K21 alone; a window that ends before it starts.
  w->txtFstation->setText("北京");
  w->txtEstation->setText("上海");
  for (int i = 0; i < 6; ++i) w->cheType[i]->setChecked(i == 4);
  QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  ASSERT_EQ(w->lvJourney->topLevelItemCount(), 1);
  EXPECT_EQ(w->lvJourney->topLevelItem(0)->text(4), "K21");
  recorder_.messages.shown.clear();
  w->timAfter->setTime(QTime(9, 0));
  w->timUntil->setTime(QTime(8, 0));
  QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"最早出发时间不能晚于最晚出发时间"});
}

// Letters typed (or handed over by the main window) and not picked stand for
// the first station their lookup lists; Enter searches from every time and
// number box; the rows say where they are boarded and left; types switched
// off are named under the list and in a message that finds nothing.
TEST_F(JourneyWindowTest, LettersEnterStationsAndTheTypesLeftOut) {
  JourneyWindow* w = Opened();
  w->SearchFrom("beijing", "sh", 0);
  EXPECT_TRUE(recorder_.messages.shown.empty());
  QTreeWidget* list = w->lvJourney;
  EXPECT_EQ(test::ColumnTexts(list, 4), (QStringList{"K21", "1461", "T109"}));
  EXPECT_EQ(list->headerItem()->text(8), "上车站");
  EXPECT_EQ(test::ColumnTexts(list, 8), (QStringList{"北京西", "北京", "北京"}));
  EXPECT_EQ(test::ColumnTexts(list, 9), (QStringList{"上海", "上海", "上海"}));
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  // With a change (K263 to 北京, T109 on): boarded on the first leg, left on the last.
  w->SearchFrom("包头", "上海", 0);
  ASSERT_EQ(list->topLevelItemCount(), 1);
  const QTreeWidgetItem* changing = list->topLevelItem(0);
  EXPECT_EQ(QStringList({changing->text(8), changing->text(9), changing->child(0)->text(9)}),
            (QStringList{"包头", "上海", "北京"}));
  w->SearchFrom("beijing", "sh", 0);

  const QString count = "共 3 条行程；双击一程可察看该车次的详细情况";
  QApplication::setActiveWindow(w);
  for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{
           w->timAfter, w->timUntil, w->spnChanges, w->spnMinChange, w->spnSlack}) {
    w->spnSlack->setValue(w->spnSlack->value() == 30 ? 31 : 30);  // the list goes stale
    ASSERT_NE(w->lblCount->text(), count);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(w->lblCount->text(), count) << box->objectName().toStdString();
  }
  QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);  // Ctrl+P prints, the title first
  ASSERT_FALSE(recorder_.printers.printer.texts.empty());
  EXPECT_EQ(recorder_.printers.printer.texts.front().text, "中转行程 北京 → 上海 00:00–23:59");
  recorder_.messages.shown.clear();  // the question before printing

  const QLabel* off = w->findChild<QLabel*>("lblTypesOff");
  ASSERT_NE(off, nullptr);
  EXPECT_TRUE(off->isHidden());
  w->cheType[0]->setChecked(false);
  w->cheType[1]->setChecked(false);
  EXPECT_FALSE(off->isHidden());
  EXPECT_EQ(off->text(), "未选车型：高铁/城际、动车（这些列车不在结果中）");
  w->txtFstation->setText("上海");
  w->txtEstation->setText("包头");
  QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
  EXPECT_EQ(recorder_.messages.Texts(),
            std::vector<QString>{"对不起！由上海到包头在所选的时间和车型内没有能够衔接的行程。\n"
                                 "未选车型：高铁/城际、动车（这些列车不在结果中）"});
  w->cheType[0]->setChecked(true);
  w->cheType[1]->setChecked(true);
  EXPECT_TRUE(off->isHidden());
}

// The 高铁/城际 box takes C trains with G trains: C2225 北京南 -> 天津 of the
// hand-made timetable, the one train between them.
class HandMadeJourneyWindowTest : public JourneyWindowTest {
 protected:
  HandMadeJourneyWindowTest() : JourneyWindowTest(test::FillHandMadeTimetable) {}
};

TEST_F(HandMadeJourneyWindowTest, TheHighSpeedAndIntercityBoxKeepsCTrains) {
  JourneyWindow* w = Opened();
  w->txtFstation->setText("北京南");
  w->txtEstation->setText("天津");
  for (int box : {0, 1}) {
    recorder_.messages.shown.clear();
    for (int i = 0; i < 6; ++i) w->cheType[i]->setChecked(i == box);
    QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
    EXPECT_EQ(test::ColumnTexts(w->lvJourney, 4).contains("C2225"), box == 0);
    EXPECT_EQ(recorder_.messages.Texts().size(), box == 0 ? 0u : 1u);
  }
}

// 车次 sorts by the value of the digits: T8 before T70. 郑州 to 北京 (and
// 北京西) without a change.
TEST_F(HandMadeJourneyWindowTest, TrainNumbersSortByTheirValue) {
  JourneyWindow* w = Opened();
  w->spnChanges->setValue(0);
  w->SearchFrom("郑州", "北京", 0);
  test::ClickHeader(w->lvJourney, 4);
  EXPECT_EQ(test::ColumnTexts(w->lvJourney, 4), (QStringList{"D902", "G652", "K508", "T8", "T70", "Z12"}));
}

// The window keeps up with what is typed: it starts from the main window's
// stations, greys a list the boxes no longer answer, searches on Enter, takes
// typed hours and keeps its options for the next run.
TEST_F(JourneyWindowTest, KeepsUpWithTheBoxesAndRemembersItsOptions) {
  main_->panel->txtFstation->setText("北京");
  main_->panel->txtEstation->setText("上海");
  JourneyWindow* w = Opened();
  EXPECT_EQ(w->txtFstation->text() + " → " + w->txtEstation->text(), "北京 → 上海");
  w->cmdSearch->setFocus();
  QTest::keyClick(w->cmdSearch, Qt::Key_Return);
  EXPECT_EQ(w->lvJourney->topLevelItemCount(), 3);
  EXPECT_TRUE(w->lvJourney->isEnabled());

  const std::vector<std::function<void()>> changes = {
      [w] { w->txtEstation->setText("上"); },
      [w] { w->spnSlack->setValue(45); },
      [w] { w->cheType[0]->setChecked(false); },
      [w] { w->timUntil->setTime(QTime(22, 0)); },
  };
  for (const auto& change : changes) {
    change();
    EXPECT_FALSE(w->lvJourney->isEnabled());
    EXPECT_FALSE(w->cmdPrint->isEnabled());
    EXPECT_EQ(w->lblCount->text(), "查询条件已更改，请按“查询”重新查询");
    QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
    EXPECT_TRUE(w->lvJourney->isEnabled());
    EXPECT_EQ(w->lblCount->text(), "共 3 条行程；双击一程可察看该车次的详细情况");
  }

  // Typed digits go into the section they are typed in: in the hours the
  // hour, then on into the minutes; ':' and Tab move on to the minutes.
  constexpr auto kHours = QDateTimeEdit::HourSection;
  constexpr auto kMinutes = QDateTimeEdit::MinuteSection;
  const struct {
    QTimeEdit* box;
    QTime before;
    QDateTimeEdit::Section section;
    const char* keys;
    QTime time;
  } typed[] = {
      {w->timAfter, QTime(0, 0), kHours, "08", QTime(8, 0)},
      {w->timUntil, QTime(9, 16), kHours, "830", QTime(8, 30)},
      {w->timUntil, QTime(8, 30), kHours, "2", QTime(2, 30)},  // the hour alone keeps the minutes
      {w->timUntil, QTime(0, 0), kHours, "2145", QTime(21, 45)},
      {w->timUntil, QTime(0, 0), kHours, "8:15", QTime(8, 15)},
      {w->timUntil, QTime(0, 0), kHours, "8\t15", QTime(8, 15)},
      {w->timUntil, QTime(0, 0), kHours, "8.15", QTime(8, 15)},
      {w->timUntil, QTime(9, 16), kMinutes, "45", QTime(9, 45)},
      {w->timUntil, QTime(9, 16), kMinutes, "7", QTime(9, 7)},
      {w->timUntil, QTime(9, 16), kMinutes, "75", QTime(9, 5)},  // 75 is no minute: 5 starts over
      {w->timUntil, QTime(23, 0), kHours, "22", QTime(22, 0)},
  };
  QApplication::setActiveWindow(w);
  for (const auto& t : typed) {
    t.box->setTime(t.before);
    t.box->setFocus();
    t.box->setCurrentSection(t.section);
    for (const QChar key : QString::fromLatin1(t.keys)) {
      if (key == u'\t')
        QTest::keyClick(t.box, Qt::Key_Tab);
      else
        QTest::keyClicks(t.box, QString(key));
    }
    EXPECT_EQ(t.box->time(), t.time) << t.keys;
    w->cmdSearch->setFocus();
  }

  w->spnChanges->setValue(1);
  w->spnMinChange->setValue(50);
  JourneyWindow again(*db_, recorder_.platform, nullptr);
  EXPECT_EQ(again.timAfter->time(), QTime(8, 0));
  EXPECT_EQ(again.timUntil->time(), QTime(22, 0));
  EXPECT_EQ(again.spnChanges->value(), 1);
  EXPECT_EQ(again.spnMinChange->value(), 50);
  EXPECT_EQ(again.spnSlack->value(), 45);
  EXPECT_FALSE(again.cheType[0]->isChecked());
  EXPECT_TRUE(again.cheType[1]->isChecked());

  // Values that no box takes leave its default.
  WriteEveryDay(QStringLiteral("JourneySlack"), QStringLiteral("121"));
  WriteEveryDay(QStringLiteral("JourneyTypes"), QStringLiteral("0"));
  WriteEveryDay(QStringLiteral("JourneyAfter"), QStringLiteral("x"));
  JourneyWindow fresh(*db_, recorder_.platform, nullptr);
  EXPECT_EQ(fresh.spnSlack->value(), 30);
  EXPECT_TRUE(fresh.cheType[0]->isChecked());
  EXPECT_EQ(fresh.timAfter->time(), QTime(0, 0));
}

}  // namespace
}  // namespace kw
