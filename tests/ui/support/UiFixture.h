// What the widget tests share: a small timetable that has through trains,
// trains that run only the other way, a journey that needs a change and an
// international train; the pictures of the date folder; the program folder
// and the settings put back after each test; pointer moves; the texts of lists.
#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "support/TestTimetable.h"
#include "ui/AppPaths.h"

namespace kw::test {

// Station ids of the timetable.
enum StationId {
  kBeijing = 1,
  kBeijingWest,
  kTianjin,
  kJinan,
  kShanghai,
  kNanjing,
  kXuzhou,
  kBaotou,
  kZhengzhou,
  kMoscow,
  kUrumqiSouth,
  kHarbinWest
};

// Train ids: T109 北京-上海 (1463 km), K21 北京西-上海 (1234 km), 1461 北京-上海
// (987 km), K22 上海-北京西, K263 包头-北京, K3 北京-莫斯科 (7800 km), and
// G7391/G7394 乌鲁木齐南-哈尔滨西 by 天津 and 徐州, whose caption is as long as
// the national timetable's longest, with a remark.
enum TrainId { kT109 = 1, kK21, k1461, kK22, kK263, kK3, kG7391 };

inline TestTimetable& FillUiTimetable(TestTimetable& t) {
  t.Set("station",
        "1\t北京\tbj\tbeijing\n2\t北京西\tbjx\tbeijingxi\n3\t天津\ttj\n4\t济南\tjn\n5\t上海\tsh\tshanghai\n"
        "6\t南京\tnj\n7\t徐州\txz\n8\t包头\tbt\n9\t郑州\tzz\n10\t莫斯科\tmsk\n"
        "11\t乌鲁木齐南\twlmqn\n12\t哈尔滨西\thebx\n");
  t.Set("train",
        "1\tT109\t1\t1\t5\t20\t10.5\t1\t1463\t\n"
        "2\tK21\t2\t2\t5\t8\t4.3\t1\t1234\t空调\n"
        "3\t1461\t3\t1\t5\t11\t7.4\t1\t987\t\n"
        "4\tK22\t2\t5\t2\t9\t6\t1\t1234\t\n"
        "5\tK263\t2\t8\t1\t6\t16\t0\t800\t\n"
        "6\tK3\t1\t1\t10\t7.45\t14.3\t6\t7800\t国际联运\n"
        "7\tG7391/G7394\t5\t11\t12\t8\t9\t2\t4700\t逢周五、周日开行\n");
  t.Set("pass",
        "1\t1\t1\t\t20\t0\t0\n1\t3\t2\t21.3\t21.35\t0\t137\n1\t4\t3\t1\t1.1\t1\t497\n"
        "1\t6\t4\t7\t7.1\t1\t1150\n1\t5\t5\t10.5\t\t1\t1463\n"
        "2\t2\t1\t\t8\t0\t0\n2\t9\t2\t14\t14.1\t0\t689\n2\t7\t3\t20\t20.1\t0\t1038\n"
        "2\t6\t4\t23.5\t23.55\t0\t1150\n2\t5\t5\t4.3\t\t1\t1234\n"
        "3\t1\t1\t\t11\t0\t0\n3\t3\t2\t12.3\t12.35\t0\t137\n3\t4\t3\t17\t17.1\t0\t497\n"
        "3\t7\t4\t22\t22.1\t0\t700\n3\t6\t5\t3\t3.1\t1\t850\n3\t5\t6\t7.4\t\t1\t987\n"
        "4\t5\t1\t\t9\t0\t0\n4\t6\t2\t11.3\t11.35\t0\t300\n4\t2\t3\t6\t\t1\t1234\n"
        "5\t8\t1\t\t6\t0\t0\n5\t1\t2\t16\t\t0\t800\n"
        "6\t1\t1\t\t7.45\t0\t0\n6\t10\t2\t14.3\t\t6\t7800\n"
        "7\t11\t1\t\t8\t0\t0\n7\t3\t2\t20\t20.1\t1\t2900\n7\t7\t3\t2.3\t2.4\t2\t3600\n"
        "7\t12\t4\t9\t\t2\t4700\n");
  t.Set("everyday",
        "1\t提前到站\t大站请提前到站。\n2\t证件随身\t请带好身份证件。\n3\t中转换乘\t请留足换乘时间。\n");
  t.Set("VerID", "2024-05 测试版\n");
  return t;
}

// The hand-made timetable of tests/data, rows as its table files hold them
// (the folders beside them hold other fixtures, such as a GTFS feed).
inline TestTimetable& FillHandMadeTimetable(TestTimetable& t) {
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(KW_SOURCE_DIR) / "tests" / "data")) {
    if (!entry.is_regular_file() || entry.path().extension() != ".tsv") continue;
    std::string rows = ReadFile(entry.path());
    t.Set(entry.path().stem().string(), rows.substr(rows.find('\n') + 1));  // without the header line
  }
  return t;
}

// Copies the pictures and the start page of data/ into root/date (not the
// tables and their README).
inline void CopyDatePictures(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  fs::create_directories(root / "date");
  for (const auto& entry : fs::directory_iterator(fs::path(KW_SOURCE_DIR) / "data")) {
    if (entry.path().extension() == ".tsv" || entry.path().extension() == ".md") continue;
    fs::copy_file(entry.path(), root / "date" / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
}

// Points the date root at `root` for the life of the object, as if root were
// the program folder, and starts and ends with empty "EveryDay" settings and
// the advertisement refresh turned off (an empty server), so that no test
// reaches out to the network, and with nothing remembered ("Memory").
class ProgramFolderScope {
 public:
  explicit ProgramFolderScope(const std::filesystem::path& root) {
    SetDateRoot(root);
    ClearSettings();
  }
  ~ProgramFolderScope() {
    SetDateRoot({});
    ClearSettings();
  }
  ProgramFolderScope(const ProgramFolderScope&) = delete;
  ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;

 private:
  static void ClearSettings() {
    QSettings settings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway"));
    settings.remove("EveryDay");
    settings.remove("Memory");
    settings.setValue("Network/AdServer", QString());
  }
};

// The pointer moves to `at` in `widget` (with `held` buttons down), or comes
// into it, or moves over a window's background (its top-left corner).
inline void MovePointer(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, held,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}
inline void Enter(QWidget* widget) {
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(widget, &enter);
}
inline void MoveOverBackground(QWidget* window) { MovePointer(window, {2, 2}); }

// A click on the header of `column` of `list` (laid out first if just shown).
inline void ClickHeader(QTreeView* list, int column) {
  QApplication::processEvents();
  QHeaderView* header = list->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2});
}

// The texts of a row's cells.
inline QStringList ItemTexts(const QTreeWidgetItem* item) {
  QStringList texts;
  for (int c = 0; c < item->columnCount(); ++c) texts << item->text(c);
  return texts;
}
inline QStringList RowTexts(const QTableWidget* grid, int row) {
  QStringList cells;
  for (int c = 0; c < grid->columnCount(); ++c)
    cells << (grid->item(row, c) ? grid->item(row, c)->text() : "");
  return cells;
}

// The texts of one column, top to bottom.
inline QStringList ColumnTexts(const QTreeWidget* list, int column) {
  QStringList texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}

}  // namespace kw::test
