// Copy and export of the lists: Ctrl+C copies the selected rows under a
// header line, the context menu exports every row as CSV, in every list.
#include "ui/ListCopy.h"

#include <QAction>
#include <QClipboard>

#include "ui/PictureButton.h"
#include "ui/detail/TrainDetailWindow.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

class ListCopyTest : public test::MainWindowFixture {
 protected:
  ListCopyTest() : MainWindowFixture(test::FillUiTimetable, true) {}

  // Selects `row` of `list` and presses Ctrl+C in it; the clipboard's text.
  static std::string CopyRow(QAbstractItemView* list, int row) {
    list->setFocus();
    list->setCurrentIndex(list->model()->index(row, 0));
    list->selectionModel()->select(list->currentIndex(),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text().toStdString();
  }
  static QStringList MenuTexts(const QWidget* list) {
    QStringList texts;
    for (const QAction* action : list->actions()) texts << action->text();
    return texts;
  }

  test::TempDir dir_;
};

TEST_F(ListCopyTest, CtrlCCopiesTheSelectedRowAndTheMenuExportsEveryRowAsCsv) {
  StationSearch("北京", "上海");
  QTreeWidget* list = main_->results->lvMain;
  ASSERT_EQ(list->topLevelItemCount(), 3);
  // Today's copy took the first cell alone, with its leading space.
  EXPECT_EQ(CopyRow(list, 1),
            "车次\t始发时刻\t终到时刻\t里程(公里)\t硬座票价(元)\t备注\t编号\n"
            "1461次(北京---上海)普慢列车\t11:00\t次日07:40\t987\t100\t\t3\n");

  const QString path = QString::fromStdString((dir_.Path() / "list").string());
  recorder_.files.savePaths = {path};
  list->findChild<QAction*>("actExportCsv")->trigger();
  EXPECT_EQ(recorder_.files.suggested, "北京-上海 车次.csv");
  EXPECT_EQ(test::ReadFile(dir_.Path() / "list.csv"),
            "\xEF\xBB\xBF车次,始发时刻,终到时刻,里程(公里),硬座票价(元),备注,编号\r\n"
            "T109次(北京---上海)特快列车,20:00,次日10:50,1463,t150,,1\r\n"
            "1461次(北京---上海)普慢列车,11:00,次日07:40,987,100,,3\r\n"
            "K21次(北京西---上海)普快列车,08:00,次日04:30,1234,130,空调,2\r\n");
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(ListCopyTest, EveryListHasItsMenuAndCopiesWithItsHeader) {
  StationSearch("包头", "南京");
  EXPECT_EQ(CopyRow(main_->results->lstChange, 0), "中转站\n北京\n");
  PickCandidate(0);
  EXPECT_EQ(CopyRow(main_->results->lvchang[1], 0),
            "车次\t北京发车\t南京到站\nT109次(北京---上海)特快列车\t20:00\t次日07:00\n");
  main_->mnuJourney->trigger();
  TrainDetailWindow* detail = OpenRow(main_->results->lvchang[0], "K263");
  ASSERT_NE(detail, nullptr);
  QTest::mouseClick(detail->Command2, Qt::LeftButton);
  EXPECT_EQ(CopyRow(detail->flgPass, 1),
            "站次\t经停站\t到站时间：\t发车时间：\t公里数\t天数\n2\t北京\t16:00\t<--终到站-->\t800\t0\n");
  const QWidget* lists[] = {main_->results->lvMain,    main_->results->lvchang[0], main_->results->lvchang[1],
                            main_->results->lstChange, main_->journeyWindow()->lvJourney, detail->flgPass};
  for (const QWidget* list : lists) {
    EXPECT_EQ(MenuTexts(list), (QStringList{"复制", "导出为 CSV…"})) << list->objectName().toStdString();
    EXPECT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
  }
}

// A journey brings its legs; hidden columns stay out; cells lose their
// outer spaces; CSV fields are quoted where they must be.
TEST(ListCopy, ASelectedRowBringsTheRowsUnderItAndCsvQuotesItsFields) {
  QTreeWidget tree;
  tree.setHeaderLabels({"出发", " 备注 ", "编号"});
  tree.setColumnHidden(2, true);
  auto* journey = new QTreeWidgetItem(&tree, {" 08:00", "a,\"b\"", "1"});
  new QTreeWidgetItem(journey, {"北京 08:00 ", "换乘一次", "2"});
  new QTreeWidgetItem(&tree, {"09:00", "x\ny", "3"});
  EXPECT_EQ(SelectedRowsText(tree), "");
  journey->setSelected(true);
  EXPECT_EQ(SelectedRowsText(tree), "出发\t备注\n08:00\ta,\"b\"\n北京 08:00\t换乘一次\n");
  EXPECT_EQ(ListCsv(tree),
            "\xEF\xBB\xBF出发,备注\r\n08:00,\"a,\"\"b\"\"\"\r\n北京 08:00,换乘一次\r\n09:00,\"x\ny\"\r\n");
}

// A cell a spreadsheet would run as a formula stays text; numbers and times
// keep their signs and digits.
TEST(ListCopy, CsvCellsThatWouldRunAsFormulasGetALeadingQuote) {
  const struct {
    const char *cell, *field;
  } cases[] = {
      {"=HYPERLINK(\"http://x\",\"点此\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"点此\"\")\""},
      {"+1+1", "'+1+1"},
      {"-2+3", "'-2+3"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"=1,2", "\"'=1,2\""},
      {"-", "'-"},
      {"+", "'+"},
      {"-12", "-12"},
      {"+3", "+3"},
      {"12.5", "12.5"},
      {"-0.5", "-0.5"},
      {"-08:30", "-08:30"},
      {"1463", "1463"},
      {"a=b", "a=b"},
      {"<--终到站-->", "<--终到站-->"},
  };
  for (const auto& c : cases) {
    QTreeWidget tree;
    tree.setHeaderLabels({"备注"});
    new QTreeWidgetItem(&tree, {QString::fromUtf8(c.cell)});
    EXPECT_EQ(ListCsv(tree), QByteArray("\xEF\xBB\xBF备注\r\n") + c.field + "\r\n") << c.cell;
  }
}

}  // namespace
}  // namespace kw
