#include "ui/main/QueryPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/Twips.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

std::vector<QString> Items(const QListWidget* list) {
  std::vector<QString> items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text());
  return items;
}

class QueryPanelTest : public ::testing::Test {
 protected:
  QueryPanelTest() : db_(test::FillUiTimetable(timetable_).Open()) {
    host_.resize(700, 400);
    panel_ = new QueryPanel(*db_, recorder_.messages, &host_);
    host_.show();
    QApplication::setActiveWindow(&host_);
  }

  void Pick(int row) {
    QListWidget* list = panel_->lstStation;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  void OpenTimeWindow() {
    panel_->cheAV->setChecked(true);
    panel_->cheTime->setChecked(true);
  }

  test::TestTimetable timetable_;
  std::unique_ptr<Database> db_;
  test::RecordingPlatform recorder_;
  QWidget host_;
  QueryPanel* panel_;
};

TEST_F(QueryPanelTest, ControlsCarryTheirCaptionsAndTips) {
  EXPECT_EQ(panel_->Label1->text(), "起始站");
  EXPECT_EQ(panel_->Label2->text(), "终到站");
  EXPECT_EQ(panel_->Label3->text(), "请输入车次");
  EXPECT_EQ(panel_->txtFstation->toolTip(), "请输入起始站的简码,并在车站列表中选取车站名");
  EXPECT_EQ(panel_->txtEstation->toolTip(), "请输入终到站的简码,并在车站列表中选取车站名");
  EXPECT_EQ(panel_->txtSTime->toolTip(), "请输入您计划的最早出发时间(0点至23点)");
  EXPECT_EQ(panel_->txtETime->toolTip(), "请输入您计划的最晚到达时间(0点至23点)");
  EXPECT_EQ(panel_->txtEmin->toolTip(), "请输入您计划的最早出发时间(0分至60分)");
  EXPECT_EQ(panel_->txtSMin->toolTip(), "请输入您计划的最晚到达时间(0分至60分)");
  EXPECT_EQ(panel_->txtOrder->toolTip(), "请输入车次");
  EXPECT_EQ(panel_->cmdSOK->text(), "确定");
  EXPECT_EQ(panel_->cmdOOk->text(), "确定");
  EXPECT_EQ(panel_->cheAV->text(), "高级查询");
  EXPECT_EQ(panel_->cheTime->text(), "时    间");
  EXPECT_EQ(panel_->cheStation->text(), "指定中转");
  EXPECT_EQ(panel_->cheType->text(), "车    型 ");
  const char* kinds[] = {"特快", "快速", "普快", "普慢"};
  for (int i = 0; i < 4; ++i) {
    auto* option = host_.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->text(), kinds[i]);
  }
  // The reset state.
  EXPECT_TRUE(panel_->labav->isHidden());
  EXPECT_TRUE(panel_->lstStation->isHidden());
  EXPECT_FALSE(panel_->txtSTime->isEnabled());
  EXPECT_FALSE(panel_->txtCh_Station->isEnabled());
  EXPECT_FALSE(panel_->Option1[0]->isEnabled());
}

TEST_F(QueryPanelTest, TypingInitialsFillsThePickListUnderTheBox) {
  QTest::keyClicks(panel_->txtFstation, "bj");
  EXPECT_FALSE(panel_->lstStation->isHidden());
  EXPECT_EQ(Items(panel_->lstStation), (std::vector<QString>{"北京", "北京西"}));
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(840, 1080));
  EXPECT_EQ(panel_->activeStationBox(), kFromBox);

  QTest::keyClicks(panel_->txtEstation, "s");
  EXPECT_EQ(Items(panel_->lstStation), (std::vector<QString>{"上海"}));
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(2820, 1080));
  EXPECT_EQ(panel_->activeStationBox(), kToBox);
}

TEST_F(QueryPanelTest, ChineseTextLooksUpByNameAndNoMatchClosesTheList) {
  panel_->txtFstation->setText("北京");
  EXPECT_EQ(Items(panel_->lstStation), (std::vector<QString>{"北京", "北京西"}));
  panel_->txtFstation->setText("北京x");  // last character Latin: by initials, which none has
  EXPECT_TRUE(panel_->lstStation->isHidden());
  EXPECT_EQ(panel_->lstStation->count(), 0);
  panel_->txtFstation->setText("bj");
  panel_->txtFstation->setText("   ");  // only spaces: the list closes
  EXPECT_TRUE(panel_->lstStation->isHidden());
  panel_->txtFstation->setText(" b j ");  // spaces do not count
  EXPECT_EQ(Items(panel_->lstStation), (std::vector<QString>{"北京", "北京西"}));
}

TEST_F(QueryPanelTest, PickingFillsTheBoxAndMovesTheFocus) {
  QTest::keyClicks(panel_->txtFstation, "bj");
  Pick(1);
  EXPECT_EQ(panel_->txtFstation->text(), "北京西");
  EXPECT_TRUE(panel_->lstStation->isHidden());
  EXPECT_EQ(panel_->lstStation->count(), 0);
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtEstation);

  QTest::keyClicks(panel_->txtEstation, "sh");
  Pick(0);
  EXPECT_EQ(panel_->txtEstation->text(), "上海");
  EXPECT_EQ(QApplication::focusWidget(), panel_->cmdSOK);
}

TEST_F(QueryPanelTest, TransferStationCompletesInItsOwnPlace) {
  panel_->cheAV->setChecked(true);
  panel_->cheStation->setChecked(true);
  panel_->txtCh_Station->setFocus();
  QTest::keyClicks(panel_->txtCh_Station, "xz");
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(5070, 3030));
  EXPECT_EQ(panel_->activeStationBox(), kViaBox);
  Pick(0);
  EXPECT_EQ(panel_->txtCh_Station->text(), "徐州");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtCh_Station);
}

TEST_F(QueryPanelTest, TransferStationEqualToAnEndIsRefused) {
  panel_->txtFstation->setText("北京");
  panel_->cheAV->setChecked(true);
  panel_->cheStation->setChecked(true);
  panel_->txtCh_Station->setText("北京");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].text, "对不起！请检查您输入的中转站是否合理。");
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(panel_->txtCh_Station->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtCh_Station);
}

TEST_F(QueryPanelTest, StationBoxesDropPunctuationTypedOrPasted) {
  QTest::keyClicks(panel_->txtFstation, "b\"j*?.!@[`{~");
  EXPECT_EQ(panel_->txtFstation->text(), "bj");
  panel_->txtFstation->clear();
  QApplication::clipboard()->setText("北\"京*西?");
  panel_->txtFstation->paste();
  EXPECT_EQ(panel_->txtFstation->text(), "北京西");
  EXPECT_EQ(panel_->txtFstation->cursorPosition(), 3);
}

TEST_F(QueryPanelTest, TimeBoxesTakeDigitsOnly) {
  OpenTimeWindow();
  QTest::keyClicks(panel_->txtSTime, "1a");
  EXPECT_EQ(panel_->txtSTime->text(), "1");
  QApplication::clipboard()->setText(" 2:");
  panel_->txtEmin->paste();
  EXPECT_EQ(panel_->txtEmin->text(), "2");
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(QueryPanelTest, TrainNumberBoxTakesEveryLetterAndDigits) {
  QTest::keyClicks(panel_->txtOrder, "z1/ d-k");
  EXPECT_EQ(panel_->txtOrder->text(), "z1dk");
  panel_->txtOrder->clear();
  QApplication::clipboard()->setText("D 1/2");
  panel_->txtOrder->paste();
  EXPECT_EQ(panel_->txtOrder->text(), "D12");
}

TEST_F(QueryPanelTest, EnterInTheTrainNumberBoxStartsTheSearch) {
  QSignalSpy search(panel_, &QueryPanel::numberSearchRequested);
  QTest::keyClicks(panel_->txtOrder, "K21");
  QTest::keyClick(panel_->txtOrder, Qt::Key_Return);
  EXPECT_EQ(search.count(), 1);
  QTest::mouseClick(panel_->cmdOOk, Qt::LeftButton);
  EXPECT_EQ(search.count(), 2);
}

TEST_F(QueryPanelTest, HoursAbove23AndMinutesAbove59AreRejected) {
  OpenTimeWindow();
  QTest::keyClicks(panel_->txtSTime, "23");
  QTest::keyClicks(panel_->txtEmin, "59");
  EXPECT_TRUE(recorder_.messages.shown.empty());
  EXPECT_EQ(panel_->txtSTime->text(), "23");

  QTest::keyClicks(panel_->txtETime, "24");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].text, "对不起您的输入有误！");
  EXPECT_EQ(panel_->txtETime->text(), "");

  QTest::keyClicks(panel_->txtSMin, "60");
  ASSERT_EQ(recorder_.messages.shown.size(), 2u);
  EXPECT_EQ(recorder_.messages.shown[1].text, "对不起您的输入有误！");
  EXPECT_EQ(panel_->txtSMin->text(), "");
}

TEST_F(QueryPanelTest, EachMinuteBoxBelongsToTheHourOfItsRow) {
  OpenTimeWindow();
  panel_->txtSTime->setText("8");
  panel_->txtEmin->setText("30");  // departure row
  panel_->txtETime->setText("18");
  panel_->txtSMin->setText("5");  // arrival row
  EXPECT_EQ(panel_->EarliestDeparture(), 830);
  EXPECT_EQ(panel_->LatestArrival(), 1805);
  EXPECT_TRUE(panel_->WindowHoursGiven());
  panel_->txtSTime->setText("0");
  panel_->txtETime->clear();
  EXPECT_FALSE(panel_->WindowHoursGiven());
}

TEST_F(QueryPanelTest, TimeWindowAndTransferStationExcludeEachOther) {
  const QColor grey(0xC0, 0xC0, 0xC0);
  const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
  panel_->cheAV->setChecked(true);
  EXPECT_FALSE(panel_->labav->isHidden());

  panel_->cheTime->setChecked(true);
  EXPECT_FALSE(panel_->cheStation->isEnabled());
  for (QLineEdit* box : {panel_->txtSTime, panel_->txtEmin, panel_->txtETime, panel_->txtSMin}) {
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->palette().color(QPalette::Base), window);
  }
  panel_->txtSTime->setText("8");
  panel_->cheTime->setChecked(false);
  EXPECT_TRUE(panel_->cheStation->isEnabled());
  EXPECT_EQ(panel_->txtSTime->text(), "");
  EXPECT_FALSE(panel_->txtSTime->isEnabled());
  EXPECT_EQ(panel_->txtSTime->palette().color(QPalette::Base), grey);

  panel_->cheStation->setChecked(true);
  EXPECT_FALSE(panel_->cheTime->isEnabled());
  EXPECT_TRUE(panel_->txtCh_Station->isEnabled());
  EXPECT_EQ(panel_->txtCh_Station->palette().color(QPalette::Base), window);
  panel_->txtCh_Station->setText("徐州");
  panel_->cheStation->setChecked(false);
  EXPECT_TRUE(panel_->cheTime->isEnabled());
  EXPECT_EQ(panel_->txtCh_Station->text(), "");
  EXPECT_EQ(panel_->txtCh_Station->palette().color(QPalette::Base), grey);

  panel_->cheType->setChecked(true);
  for (QRadioButton* option : panel_->Option1) EXPECT_TRUE(option->isEnabled());
}

TEST_F(QueryPanelTest, ClearingAdvancedClearsEveryOption) {
  panel_->cheAV->setChecked(true);
  panel_->cheTime->setChecked(true);
  panel_->cheType->setChecked(true);
  panel_->txtSTime->setText("9");
  panel_->cheAV->setChecked(false);
  EXPECT_TRUE(panel_->labav->isHidden());
  EXPECT_FALSE(panel_->cheTime->isChecked());
  EXPECT_FALSE(panel_->cheType->isChecked());
  EXPECT_FALSE(panel_->cheStation->isChecked());
  EXPECT_EQ(panel_->txtSTime->text(), "");
  EXPECT_FALSE(panel_->txtSTime->isEnabled());
  EXPECT_FALSE(panel_->Option1[2]->isEnabled());
}

TEST_F(QueryPanelTest, TransferRequestNeedsBothBoxesAndAName) {
  panel_->cheAV->setChecked(true);
  panel_->cheStation->setChecked(true);
  EXPECT_FALSE(panel_->TransferRequested());
  panel_->txtCh_Station->setText("  ");
  EXPECT_FALSE(panel_->TransferRequested());
  panel_->txtCh_Station->setText("徐州");
  EXPECT_TRUE(panel_->TransferRequested());
}

TEST(KeyFilterTest, StationBoxesRefuseExactlyThePrintablePunctuation) {
  for (char16_t c = 32; c < 127; ++c) {
    const bool punctuation = (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || c >= 123;
    EXPECT_EQ(StationBoxAccepts(QChar(c)), !punctuation) << int(c);
  }
  EXPECT_TRUE(StationBoxAccepts(QChar(u'京')));
  EXPECT_TRUE(TimeBoxAccepts(QChar(u'7')));
  EXPECT_FALSE(TimeBoxAccepts(QChar(u'x')));
  EXPECT_TRUE(OrderBoxAccepts(QChar(u'Z')));
  EXPECT_FALSE(OrderBoxAccepts(QChar(u' ')));
  EXPECT_FALSE(OrderBoxAccepts(QChar(u'车')));
}

}  // namespace
}  // namespace kw
