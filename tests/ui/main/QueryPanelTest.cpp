#include "ui/main/QueryPanel.h"

#include <QClipboard>
#include <QGroupBox>
#include <QSignalSpy>
#include <QToolButton>
#include <tuple>

#include "ui/Twips.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

// The names in the pick list, space-separated.
QString Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items.join(u' ');
}

// The panel as the main window holds it.
class QueryPanelTest : public test::MainWindowFixture {
 protected:
  void Pick(int row) {
    QListWidget* list = panel_->lstStation;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  QueryPanel* panel_ = main_->panel;
};

TEST_F(QueryPanelTest, TypingFillsThePickListUnderTheBoxAndAPickMovesOn) {
  QTest::keyClicks(panel_->txtFstation, "bj");
  EXPECT_EQ(Items(panel_->lstStation), "北京 北京西");
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(840, 1080));
  Pick(1);
  EXPECT_EQ(panel_->txtFstation->text(), "北京西");
  EXPECT_TRUE(panel_->lstStation->isHidden());
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtEstation);

  QTest::keyClicks(panel_->txtEstation, "s");
  EXPECT_EQ(Items(panel_->lstStation), "上海");
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(2820, 1080));
  Pick(0);
  EXPECT_EQ(panel_->txtEstation->text(), "上海");
  EXPECT_EQ(QApplication::focusWidget(), panel_->cmdSOK);

  // Chinese text looks up by name, text ending in a Latin letter by initials
  // (or the full pinyin, as the lookup's own tests take it); spaces do not
  // count, and only spaces close the list ("-").
  const std::pair<QString, QString> lookups[] = {
      {"北京", "北京 北京西"}, {"北京x", "-"}, {"bj", "北京 北京西"}, {"   ", "-"}, {" b j ", "北京 北京西"}};
  for (const auto& [text, names] : lookups) {
    panel_->txtFstation->setText(text);
    EXPECT_EQ(panel_->lstStation->isHidden() ? "-" : Items(panel_->lstStation), names) << text.toStdString();
  }
}

// Down enters the list, Up and Down walk it (Up from the top goes back to
// the box), Enter picks as a click does; Esc closes the list and stays in
// the box; the list closes when the focus leaves box and list.
TEST_F(QueryPanelTest, TheKeyboardWalksThePickListAndLeavingItClosesIt) {
  QListWidget* list = panel_->lstStation;
  panel_->txtFstation->setFocus();
  QTest::keyClicks(panel_->txtFstation, "bj");
  QTest::keyClick(panel_->txtFstation, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), list);
  EXPECT_EQ(list->currentRow(), 0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 1);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(panel_->txtFstation->text(), "北京西");

  QTest::keyClicks(panel_->txtEstation, "s");
  QTest::keyClick(panel_->txtEstation, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtEstation);
  EXPECT_FALSE(list->isHidden());
  QTest::keyClick(panel_->txtEstation, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_TRUE(list->isHidden());
  EXPECT_EQ(panel_->txtEstation->text(), "s");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtEstation);

  // Into the list and out of it to 高级查询, which the list no longer covers.
  QTest::keyClick(panel_->txtEstation, Qt::Key_Backspace);
  QTest::keyClicks(panel_->txtEstation, "s");
  QTest::keyClick(panel_->txtEstation, Qt::Key_Down);
  ASSERT_FALSE(list->isHidden());
  panel_->cheAV->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(list->isHidden());
  EXPECT_EQ(panel_->txtEstation->text(), "s");
}

// ⇄ swaps the stations of the panel and of the journey window, list closed.
TEST_F(QueryPanelTest, SwapExchangesFromAndTo) {
  main_->OpenJourneys();
  JourneyWindow* journeys = main_->journeyWindow();
  const std::tuple<QLineEdit*, QLineEdit*, QToolButton*, QListWidget*> windows[] = {
      {panel_->txtFstation, panel_->txtEstation, panel_->cmdSwap, panel_->lstStation},
      {journeys->txtFstation, journeys->txtEstation, journeys->cmdSwap, journeys->lstStation}};
  for (const auto& [from, to, swap, list] : windows) {
    from->setText("北京");
    to->clear();
    QTest::keyClicks(to, "sh");
    ASSERT_FALSE(list->isHidden());
    QTest::mouseClick(swap, Qt::LeftButton);
    EXPECT_EQ(from->text(), "sh");
    EXPECT_EQ(to->text(), "北京");
    EXPECT_TRUE(list->isHidden());
  }
}

// Enter in a box with the list open takes the first name; once both boxes
// are filled, Enter in either searches, and with one empty it goes there.
// On a focused 确定 (where the focus waits after a pick) Enter presses it,
// and on the train number's 确定 alike (that the keypad's Enter and Space do
// as Enter is Qt's).
TEST_F(QueryPanelTest, EnterTakesTheFirstNameSearchesWithBothBoxesFilledAndPressesAFocusedButton) {
  QSignalSpy station(panel_, &QueryPanel::stationSearchRequested);
  panel_->txtFstation->setFocus();
  QTest::keyClicks(panel_->txtFstation, "beijing");
  ASSERT_EQ(Items(panel_->lstStation), "北京 北京西");
  QTest::keyClick(panel_->txtFstation, Qt::Key_Return);
  EXPECT_EQ(panel_->txtFstation->text(), "北京");
  QTest::keyClick(panel_->txtEstation, Qt::Key_Return);  // the second box is empty: nothing to search
  EXPECT_EQ(station.count(), 0);
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtEstation);

  QTest::keyClicks(panel_->txtEstation, "sh");
  QTest::keyClick(panel_->txtEstation, Qt::Key_Enter);
  EXPECT_EQ(panel_->txtEstation->text(), "上海");
  EXPECT_EQ(station.count(), 0);  // the name was taken, no search yet
  for (QLineEdit* box : {panel_->txtEstation, panel_->txtFstation}) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
  }
  EXPECT_EQ(station.count(), 2);
  panel_->txtFstation->clear();
  QTest::keyClick(panel_->txtEstation, Qt::Key_Return);
  EXPECT_EQ(station.count(), 2);
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtFstation);

  QSignalSpy number(panel_, &QueryPanel::numberSearchRequested);
  for (QPushButton* button : {panel_->cmdSOK, panel_->cmdOOk}) {
    button->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  EXPECT_EQ(station.count(), 3);
  EXPECT_EQ(number.count(), 1);
}

TEST_F(QueryPanelTest, TransferStationCompletesInItsOwnPlaceAndMayNotBeAnEnd) {
  Advanced(panel_->cheStation);
  panel_->txtCh_Station->setFocus();
  QTest::keyClicks(panel_->txtCh_Station, "xz");
  EXPECT_EQ(panel_->lstStation->pos(), TwipsPoint(5070, 3030));
  Pick(0);
  EXPECT_EQ(panel_->txtCh_Station->text(), "徐州");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtCh_Station);
  EXPECT_TRUE(panel_->lstStation->isHidden());  // the focus stays, the list closes all the same
  EXPECT_TRUE(panel_->TransferRequested());

  panel_->txtFstation->setText("北京");
  panel_->txtCh_Station->setText("北京");
  EXPECT_EQ(Said(), test::Said{"i OK: 对不起！请检查您输入的中转站是否合理。"});
  EXPECT_EQ(panel_->txtCh_Station->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtCh_Station);
  panel_->txtCh_Station->setText("  ");
  EXPECT_FALSE(panel_->TransferRequested());
}

TEST_F(QueryPanelTest, BoxesDropWhatTheyDoNotTakeAndTimeBoxesCheckTheirRange) {
  Advanced(panel_->cheTime);
  const struct {
    QLineEdit* box;
    const char* typed;
    QString keptTyped, pasted, keptPasted;
  } cases[] = {{panel_->txtFstation, "b\"j*?.!@[`{~", "bj", "北\"京*西?", "北京西"},
               {panel_->txtSTime, "a:", "", " 2", "2"},
               {panel_->txtOrder, "z1/ d-k", "z1dk", "D 1车/2", "D12"}};
  for (const auto& c : cases) {
    QTest::keyClicks(c.box, c.typed);
    EXPECT_EQ(c.box->text(), c.keptTyped);
    c.box->home(false);
    QApplication::clipboard()->setText(c.pasted);
    c.box->paste();  // in front of what was typed: the cursor stays after what was kept
    EXPECT_EQ(c.box->text(), c.keptPasted + c.keptTyped);
    EXPECT_EQ(c.box->cursorPosition(), c.keptPasted.size());
    c.box->clear();
  }
  // A station name or a train number, with room to spare: longer text is cut.
  const std::pair<QLineEdit*, int> lengths[] = {{panel_->txtFstation, 20},
                                                {panel_->txtEstation, 20},
                                                {panel_->txtCh_Station, 20},
                                                {panel_->txtOrder, 12}};
  for (const auto& [box, most] : lengths) {
    box->setText(QString(60000, u'z'));
    EXPECT_EQ(box->text().size(), most) << box->objectName().toStdString();
    box->clear();
  }
  // Hours above 23 and minutes above 59 are refused with a message (one a
  // box).
  const std::pair<QLineEdit*, int> boxes[] = {
      {panel_->txtSTime, 23}, {panel_->txtETime, 23}, {panel_->txtEmin, 59}, {panel_->txtSMin, 59}};
  for (const auto& [box, highest] : boxes) {
    QTest::keyClicks(box, QString::number(highest));
    EXPECT_EQ(box->text(), QString::number(highest));
    box->clear();
    QTest::keyClicks(box, QString::number(highest + 1));
    EXPECT_EQ(box->text(), "");
  }
  EXPECT_EQ(Said(), test::Said(4, "i OK: 对不起您的输入有误！"));
  // txtEmin is the minute of the departure row, txtSMin of the arrival row.
  panel_->txtSTime->setText("8");
  panel_->txtEmin->setText("30");
  panel_->txtETime->setText("18");
  panel_->txtSMin->setText("5");
  EXPECT_EQ(panel_->EarliestDeparture(), 830);
  EXPECT_EQ(panel_->LatestArrival(), 1805);
  EXPECT_TRUE(panel_->WindowHoursGiven());
  panel_->txtSTime->setText("0");
  panel_->txtETime->clear();
  EXPECT_FALSE(panel_->WindowHoursGiven());
}

TEST_F(QueryPanelTest, TimeWindowAndTransferStationExcludeEachOther) {
  const QColor grey(0xC0, 0xC0, 0xC0);
  const QColor white = QApplication::palette().color(QPalette::Active, QPalette::Base);
  const auto base = [](const QLineEdit* box) { return box->palette().color(QPalette::Base); };
  EXPECT_TRUE(panel_->labav->isHidden());
  EXPECT_FALSE(panel_->Option1[0]->isEnabled());
  panel_->cheAV->setChecked(true);
  EXPECT_FALSE(panel_->labav->isHidden());
  const std::tuple<QCheckBox*, QCheckBox*, std::vector<QLineEdit*>> options[] = {
      {panel_->cheTime,
       panel_->cheStation,
       {panel_->txtSTime, panel_->txtEmin, panel_->txtETime, panel_->txtSMin}},
      {panel_->cheStation, panel_->cheTime, {panel_->txtCh_Station}}};
  for (const auto& [option, other, boxes] : options) {
    option->setChecked(true);
    EXPECT_FALSE(other->isEnabled());
    for (QLineEdit* box : boxes) {
      EXPECT_TRUE(box->isEnabled());
      EXPECT_EQ(base(box), white);
      box->setText("8");
    }
    option->setChecked(false);
    EXPECT_TRUE(other->isEnabled());
    for (QLineEdit* box : boxes) {
      EXPECT_FALSE(box->isEnabled());
      EXPECT_EQ(box->text(), "");
      EXPECT_EQ(base(box), grey);
    }
  }
  panel_->cheType->setChecked(true);
  for (QRadioButton* option : panel_->Option1) EXPECT_TRUE(option->isEnabled());
  // Clearing the advanced box clears every option.
  panel_->cheTime->setChecked(true);
  panel_->txtSTime->setText("9");
  panel_->cheAV->setChecked(false);
  EXPECT_TRUE(panel_->labav->isHidden());
  EXPECT_FALSE(panel_->cheTime->isChecked());
  EXPECT_FALSE(panel_->cheType->isChecked());
  EXPECT_EQ(panel_->txtSTime->text(), "");
  EXPECT_FALSE(panel_->Option1[2]->isEnabled());
}

}  // namespace
}  // namespace kw
