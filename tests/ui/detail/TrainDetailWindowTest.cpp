// The train detail window opened from real searches through the main window
// (and, for what no search can produce, from a search context written in the
// test), on a timetable made for the diagram: trains of 12 and 13 stops, one
// with a gap in its stop numbers, one with a long name early in its first
// row, one too long for the window, and an international train.
#include "ui/detail/TrainDetailWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "store/Database.h"
#include "support/RecordingPrintSurface.h"
#include "ui/AppPaths.h"
#include "ui/PictureButton.h"
#include "ui/Twips.h"
#include "ui/detail/TrainDetailOpener.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

constexpr int kK12 = 1, kK13 = 2, kT3 = 3, kK14 = 5, kL50 = 6, kK3 = 790;
constexpr int kLongTrainStops = 50;

// A train's pass rows: station ids with zhanci, arrive, depart, day, distance.
struct PassRow {
  int station;
  int zhanci;
  const char* arrive;
  const char* depart;
  int day;
  int distance;
};

std::string PassRows(int trainId, const std::vector<PassRow>& rows) {
  std::string text;
  for (const PassRow& r : rows) {
    text += std::to_string(trainId) + "\t" + std::to_string(r.station) + "\t" + std::to_string(r.zhanci) +
            "\t" + r.arrive + "\t" + r.depart + "\t" + std::to_string(r.day) + "\t" +
            std::to_string(r.distance) + "\n";
  }
  return text;
}

// Stops 1..n on stations `stations`, 100 km apart, leaving the first at 08:05,
// then one stop an hour (arriving on the hour, leaving five minutes later),
// reaching the terminal at 10:18 the next day; the second stop's distance is
// missing (0).
std::vector<PassRow> Chain(const std::vector<int>& stations) {
  static const char* arrivals[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
                                   "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23"};
  static const char* departures[] = {"0.05",  "1.05",  "2.05",  "3.05",  "4.05",  "5.05",  "6.05",  "7.05",
                                     "8.05",  "9.05",  "10.05", "11.05", "12.05", "13.05", "14.05", "15.05",
                                     "16.05", "17.05", "18.05", "19.05", "20.05", "21.05", "22.05", "23.05"};
  std::vector<PassRow> rows;
  const int n = static_cast<int>(stations.size());
  for (int i = 0; i < n; ++i) {
    const int distance = i == 1 ? 0 : i * 100;
    const int hour = 8 + i;
    if (i == 0)
      rows.push_back({stations[i], 1, "", "8.05", 0, 0});
    else if (i == n - 1)
      rows.push_back({stations[i], n, "10.18", "", 1 + hour / 24, distance});
    else
      rows.push_back({stations[i], i + 1, arrivals[hour % 24], departures[hour % 24], hour / 24, distance});
  }
  return rows;
}

test::TestTimetable& FillDetailTimetable(test::TestTimetable& t) {
  std::string stations =
      "1\t北京\tbj\n2\t天津\ttj\n3\t沧州\tcz\n4\t德州\tdz\n5\t济南\tjn\n6\t泰安\tta\n7\t兖州\tyz\n"
      "8\t徐州\txz\n9\t蚌埠\tbb\n10\t南京\tnj\n11\t镇江\tzj\n12\t常州\tchz\n13\t苏州\tsz\n"
      "14\t北京西\tbjx\n15\t石家庄\tsjz\n16\t郑州\tzz\n17\t武汉\twh\n18\t长沙\tcs\n19\t包头\tbt\n"
      "20\t集宁\tjnn\n21\t大同\tdt\n22\t莫斯科\tmsk\n23\t呼和浩特\thhht\n";
  // The long train's stations: 站一〇站 .. 站五九站.
  const char* tens[] = {"一", "二", "三", "四", "五"};
  const char* units[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  std::vector<int> longStations;
  for (int i = 0; i < kLongTrainStops; ++i) {
    stations +=
        std::to_string(100 + i) + "\t站" + tens[i / 10] + units[i % 10] + "站\tz" + std::to_string(i) + "\n";
    longStations.push_back(100 + i);
  }
  t.Set("station", stations);
  t.Set("train",
        "1\tK12\t1\t1\t12\t8.05\t10.18\t1\t1100\t\n"
        "2\tK13\t2\t1\t13\t8.05\t10.18\t1\t1200\t\n"
        "3\tT3\t1\t14\t18\t7.3\t6.45\t1\t1580\t\n"
        "4\tK263\t2\t19\t1\t22\t6.3\t1\t700\t\n"
        "5\tK14\t2\t1\t13\t8.05\t10.18\t1\t1200\t\n"
        "6\tL50\t3\t100\t149\t8.05\t10.18\t1\t4900\t\n"
        "7\tY1\t1\t1\t1\t8.05\t8.05\t0\t0\t\n"
        "790\tK3\t1\t1\t22\t7.45\t14.3\t6\t7800\t国际联运\n");
  std::vector<int> k12, k13;
  for (int s = 1; s <= 12; ++s) k12.push_back(s);
  for (int s = 1; s <= 13; ++s) k13.push_back(s);
  std::vector<int> k14 = k13;
  k14[2] = 23;  // 呼和浩特: a name twice as long as the others, early in the first row
  t.Set("pass", PassRows(kK12, Chain(k12)) + PassRows(kK13, Chain(k13)) + PassRows(kK14, Chain(k14)) +
                    PassRows(kL50, Chain(longStations)) +
                    // T3 has no stop numbered 3.
                    PassRows(kT3, {{14, 1, "", "7.3", 0, 0},
                                   {15, 2, "9.3", "9.4", 0, 280},
                                   {16, 4, "12.5", "13", 0, 690},
                                   {17, 5, "17.3", "17.4", 0, 1220},
                                   {18, 6, "6.45", "", 1, 1580}}) +
                    PassRows(4, {{19, 1, "", "22", 0, 0},
                                 {20, 2, "23.5", "23.55", 0, 300},
                                 {21, 3, "2", "2.1", 1, 450},
                                 {1, 4, "6.3", "", 1, 700}}) +
                    PassRows(7, {{1, 1, "", "8.05", 0, 0}}) +
                    PassRows(kK3, {{1, 1, "", "7.45", 0, 0}, {22, 2, "14.3", "", 6, 7800}}));
  t.Set("VerID", "测试\n");
  return t;
}

class TrainDetailWindowTest : public ::testing::Test {
 protected:
  TrainDetailWindowTest() : db_(FillDetailTimetable(timetable_).Open()), folder_(timetable_.Root()) {
    test::CopyDatePictures(timetable_.Root());
    main_ = std::make_unique<MainWindow>(*db_, recorder_.platform);
    opener_ = WireTrainDetail(*main_);
    main_->Load();
    main_->show();
    QApplication::setActiveWindow(main_.get());
  }

  ~TrainDetailWindowTest() override {
    main_.reset();
    Settle();
  }

  // Lets closed windows go.
  static void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Opens the row of `list` whose caption holds `number` with the Enter key.
  void OpenRow(QTreeWidget* list, const QString& number) {
    QTreeWidgetItem* row = nullptr;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->text(0).contains(number + QStringLiteral("次"))) row = list->topLevelItem(i);
    }
    ASSERT_NE(row, nullptr) << number.toStdString();
    list->setCurrentItem(row);
    QTest::keyClick(list, Qt::Key_Return);
    Settle();
  }

  // A station search from `from` to `to`, then the row of train `number`.
  TrainDetailWindow* FromStationSearch(const QString& from, const QString& to, const QString& number) {
    main_->panel->txtFstation->setText(from);
    main_->panel->txtEstation->setText(to);
    QTest::mouseClick(main_->panel->cmdSOK, Qt::LeftButton);
    QApplication::processEvents();
    OpenRow(main_->results->lvMain, number);
    return opener_->window();
  }

  TrainDetailWindow* FromNumberSearch(const QString& number) {
    main_->panel->txtOrder->setText(number);
    QTest::mouseClick(main_->panel->cmdOOk, Qt::LeftButton);
    QApplication::processEvents();
    OpenRow(main_->results->lvMain, number);
    return opener_->window();
  }

  // A journey from `from` to `to` that changes at the first candidate; then
  // the row of train `number` in the list of leg `leg`.
  TrainDetailWindow* FromTransfer(const QString& from, const QString& to, int leg, const QString& number) {
    main_->panel->txtFstation->setText(from);
    main_->panel->txtEstation->setText(to);
    QTest::mouseClick(main_->panel->cmdSOK, Qt::LeftButton);
    QApplication::processEvents();
    QListWidget* candidates = main_->results->lstChange;
    EXPECT_GT(candidates->count(), 0);
    if (candidates->count() == 0) return nullptr;
    QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                      candidates->visualItemRect(candidates->item(0)).center());
    QApplication::processEvents();
    OpenRow(main_->results->lvchang[leg], number);
    return opener_->window();
  }

  // The detail windows that are open (not closed and waiting to go).
  int OpenWindows() const {
    int open = 0;
    for (auto* w : main_->findChildren<TrainDetailWindow*>(QStringLiteral("frmPass"))) open += w->isVisible();
    return open;
  }

  test::TestTimetable timetable_;
  std::unique_ptr<Database> db_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<MainWindow> main_;
  TrainDetailOpener* opener_ = nullptr;
};

QLabel* Element(QWidget& window, const char* array, int i) {
  return window.findChild<QLabel*>(QStringLiteral("%1%2").arg(QLatin1String(array)).arg(i));
}

int ElementCount(QWidget& window, const char* array) {
  int n = 0;
  while (Element(window, array, n)) ++n;
  return n;
}

QString Name(QLabel* label) { return label->text().remove(u'\n'); }

bool Shows(QLabel* label, const char* picture) {
  return !label->pixmap().isNull() && label->pixmap().toImage() == DatePicture(picture).toImage();
}

bool IsBlue(QLabel* label) { return label->palette().color(QPalette::WindowText) == QColor(0, 0, 255); }

bool RowIsRed(QTableWidget* grid, int row) {
  for (int c = 0; c < grid->columnCount(); ++c) {
    if (grid->item(row, c)->foreground().color() != QColor(255, 0, 0)) return false;
  }
  return true;
}

// The height of a name label, in twips.
int HeightTwips(QLabel* label) { return label->height() * kTwipsPerPixel; }

void MovePointer(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

void Enter(QWidget* widget) {
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(widget, &enter);
}

// ------------------------------------------------------------ layout

TEST_F(TrainDetailWindowTest, TwelveStopsFitOneRow) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->objectName(), "frmPass");
  EXPECT_EQ(w->size(), QSize(TwipsToPixels(10290), TwipsToPixels(7305)));
  ASSERT_EQ(ElementCount(*w, "lblDetail"), 12);
  ASSERT_EQ(ElementCount(*w, "imgBoll"), 12);
  ASSERT_EQ(ElementCount(*w, "imgRail"), 12);

  // Element 0 where it was designed; the others 855 twips apart on its row.
  EXPECT_EQ(Element(*w, "imgBoll", 0)->geometry(), TwipsRect(435, 1920, 225, 210));
  EXPECT_EQ(Element(*w, "imgRail", 0)->geometry(), TwipsRect(660, 1965, 600, 120));
  EXPECT_EQ(Element(*w, "lblDetail", 0)->pos(), TwipsPoint(420, 2145));
  const char* names[] = {"北京", "天津", "沧州", "德州", "济南", "泰安",
                         "兖州", "徐州", "蚌埠", "南京", "镇江", "常州"};
  for (int i = 0; i < 12; ++i) {
    QLabel* label = Element(*w, "lblDetail", i);
    EXPECT_EQ(Name(label), names[i]);
    EXPECT_EQ(label->text().count(u'\n'), 1) << "one character to a line";
    EXPECT_FALSE(label->isHidden());
    EXPECT_FALSE(Element(*w, "imgBoll", i)->isHidden());
    if (i == 0) continue;
    const int left = 420 + 855 * i;
    EXPECT_EQ(label->geometry(), TwipsRect(left, 2145, 255, HeightTwips(label))) << i;
    EXPECT_EQ(Element(*w, "imgBoll", i)->geometry(), TwipsRect(left, 1920, 225, 210)) << i;
    if (i < 11) {
      EXPECT_EQ(Element(*w, "imgRail", i)->geometry(), TwipsRect(left + 255, 1965, 600, 120)) << i;
      EXPECT_FALSE(Element(*w, "imgRail", i)->isHidden()) << i;
    }
  }
  // After the terminal: no rail.
  EXPECT_TRUE(Element(*w, "imgRail", 11)->isHidden());
  // Balls: green first, yellow, red terminal.
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 0), "greenBoll.jpg"));
  for (int i = 1; i < 11; ++i) EXPECT_TRUE(Shows(Element(*w, "imgBoll", i), "yellowboll.jpg")) << i;
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 11), "redboll.jpg"));
  for (int i = 0; i < 11; ++i) EXPECT_TRUE(Shows(Element(*w, "imgRail", i), "rail.jpg")) << i;
}

TEST_F(TrainDetailWindowTest, TheThirteenthStationStartsASecondRowBelowTheTwelfthName) {
  TrainDetailWindow* w = FromNumberSearch("K13");
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(ElementCount(*w, "lblDetail"), 13);
  QLabel* twelfth = Element(*w, "lblDetail", 11);
  const int rowTop = 2145 + HeightTwips(twelfth) + 450;
  EXPECT_EQ(Element(*w, "lblDetail", 12)->geometry(),
            TwipsRect(420, rowTop, 255, HeightTwips(Element(*w, "lblDetail", 12))));
  EXPECT_EQ(Name(Element(*w, "lblDetail", 12)), "苏州");
  // Ball and rail move down with the names.
  EXPECT_EQ(Element(*w, "imgBoll", 12)->geometry(), TwipsRect(420, 1920 + rowTop - 2145, 225, 210));
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 11), "yellowboll.jpg"));
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 12), "redboll.jpg"));
  // The rail at the end of the first row and the one after the terminal are hidden.
  EXPECT_FALSE(Element(*w, "imgRail", 10)->isHidden());
  EXPECT_TRUE(Element(*w, "imgRail", 11)->isHidden());
  EXPECT_TRUE(Element(*w, "imgRail", 12)->isHidden());
}

TEST_F(TrainDetailWindowTest, ATrainOfOneStopShowsTheDesignElementsAlone) {
  TrainDetailWindow* w = FromNumberSearch("Y1");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ElementCount(*w, "lblDetail"), 1);
  EXPECT_EQ(Name(Element(*w, "lblDetail", 0)), "北京");
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 0), "greenBoll.jpg"));
  EXPECT_FALSE(Element(*w, "imgRail", 0)->isHidden());
  EXPECT_EQ(w->flgPass->rowCount(), 1);
  EXPECT_EQ(w->lblKM->text(), "全程0公里，共经过1个车站");
}

// Rows are spaced from the lowest name of the row before, so a long name
// early in a row never runs into the stations of the next.
TEST_F(TrainDetailWindowTest, ASecondRowClearsTheTallestNameOfTheFirst) {
  TrainDetailWindow* w = FromNumberSearch("K14");
  ASSERT_NE(w, nullptr);
  QLabel* tall = Element(*w, "lblDetail", 2);
  ASSERT_EQ(Name(tall), "呼和浩特");
  ASSERT_GT(tall->height(), Element(*w, "lblDetail", 11)->height());
  const int rowTop = 2145 + HeightTwips(tall) + 450;
  EXPECT_EQ(Element(*w, "lblDetail", 12)->pos(), TwipsPoint(420, rowTop));
  EXPECT_GT(Element(*w, "imgBoll", 12)->geometry().top(), tall->geometry().bottom());
}

TEST_F(TrainDetailWindowTest, ADiagramTallerThanTheWindowMakesTheWindowTaller) {
  TrainDetailWindow* w = FromNumberSearch("L50");
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(ElementCount(*w, "lblDetail"), kLongTrainStops);
  QLabel* last = Element(*w, "lblDetail", kLongTrainStops - 1);
  EXPECT_GT(w->height(), TwipsToPixels(7305));
  EXPECT_LE(last->geometry().bottom(), w->height());
  EXPECT_GT(w->flgPass->height(), TwipsToPixels(5325));
}

// Every picture of the window is there, with its copy at twice the size, and
// is found whatever the case of its name.
TEST_F(TrainDetailWindowTest, PicturesComeAtOneAndTwiceTheSize) {
  const QSize sizes[] = {{15, 14}, {40, 8}, {30, 30}, {28, 28}};
  const struct {
    const char* stem;
    QSize size;
  } pictures[] = {{"greenBoll", sizes[0]}, {"yellowboll", sizes[0]}, {"redboll", sizes[0]},
                  {"rail", sizes[1]},      {"redrail", sizes[1]},    {"table", sizes[2]},
                  {"table1", sizes[2]},    {"table2", sizes[2]},     {"site", sizes[2]},
                  {"site1", sizes[2]},     {"site2", sizes[2]},      {"pr", sizes[2]},
                  {"pr1", sizes[2]},       {"pr2", sizes[2]},        {"x", sizes[3]},
                  {"x1", sizes[3]},        {"x2", sizes[3]}};
  for (const auto& p : pictures) {
    const std::string stem = p.stem;
    EXPECT_EQ(DatePicture(stem + ".jpg").size(), p.size) << stem;
    EXPECT_EQ(DatePicture(QString::fromStdString(stem).toUpper().toStdString() + ".JPG").size(), p.size)
        << stem;
    EXPECT_EQ(QPixmap(DatePath(stem + "@2x.jpg")).size(), p.size * 2) << stem;
  }
}

// ------------------------------------------------------------ texts

TEST_F(TrainDetailWindowTest, WholeRouteHeadlineFaresAndGrid) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->lblTitle->text(), "K12次(北京---->常州)特快列车详细情况");
  EXPECT_EQ(w->lblFTime->text(), "08:05");
  EXPECT_EQ(w->lblETime->text(), "次日10:18");
  EXPECT_EQ(w->lblCount->text(), "26小时13分钟");
  EXPECT_EQ(w->lblKM->text(), "全程1100公里，共经过12个车站");
  // Family 特快, band 1100 of the test fare table.
  const char* fares[] = {"t110 ", "220 ", "t11001 ", "11002 ", "11003 ", "11004 ", "11005 "};
  for (int j = 0; j < 7; ++j) EXPECT_EQ(w->lblPrice[j]->text(), fares[j]) << j;
  const char* captions[] = {"硬座", "软座", "硬卧上", "硬卧中", "硬卧下", "软卧上", "软卧下"};
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("lblPriceCaption%1").arg(j))->text(), captions[j]);
  }

  QTableWidget* grid = w->flgPass;
  EXPECT_TRUE(grid->isHidden());
  ASSERT_EQ(grid->rowCount(), 13);
  const QStringList header = {"站次", "经停站", "到站时间：", "发车时间：", "公里数", "天数"};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(grid->item(0, c)->text(), header[c]);
  EXPECT_EQ(grid->columnWidth(1), TwipsToPixels(1500));
  const QStringList first = {" 1", "北京", "<--始发站-->", "08:05", "<--始发站-->", " 0"};
  const QStringList last = {" 12", "常州", "10:18", "<--终到站-->", " 1100 ", " 1"};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(grid->item(1, c)->text(), first[c]);
    EXPECT_EQ(grid->item(12, c)->text(), last[c]);
  }
  for (int r = 1; r < 13; ++r) EXPECT_FALSE(RowIsRed(grid, r)) << r;
  for (int i = 0; i < 12; ++i) EXPECT_FALSE(IsBlue(Element(*w, "lblDetail", i))) << i;
}

TEST_F(TrainDetailWindowTest, ShortStretchHasNoSleeperFares) {
  TrainDetailWindow* w = FromStationSearch("北京", "德州", "K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->lblKM->text(), "全程300公里，共经过4个车站");
  EXPECT_EQ(w->lblPrice[0]->text(), "t30 ");
  // The fare table's "无卧铺" for short journeys, followed by a blank like every fare.
  for (int j = 2; j < 7; ++j) EXPECT_EQ(w->lblPrice[j]->text(), "无卧铺 ") << j;
}

// ------------------------------------------------------------ the travelled stretch

TEST_F(TrainDetailWindowTest, StationSearchHighlightsTheStretch) {
  TrainDetailWindow* w = FromStationSearch("天津", "南京", "K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->lblTitle->text(), "K12次(北京---->常州)特快列车详细情况");
  EXPECT_EQ(w->lblFTime->text(), "09:05");
  EXPECT_EQ(w->lblETime->text(), " 17:00");
  EXPECT_EQ(w->lblCount->text(), "7小时55分钟");
  EXPECT_EQ(w->lblKM->text(), "全程900公里，共经过9个车站");
  // 天津 (stop 1) to 南京 (stop 9).
  for (int i = 0; i < 12; ++i) {
    const bool inside = i >= 1 && i <= 9;
    EXPECT_EQ(IsBlue(Element(*w, "lblDetail", i)), inside) << i;
    EXPECT_EQ(RowIsRed(w->flgPass, i + 1), inside) << i;
    if (i < 11) {
      EXPECT_TRUE(Shows(Element(*w, "imgRail", i), i >= 1 && i < 9 ? "redrail.jpg" : "rail.jpg")) << i;
    }
  }
}

TEST_F(TrainDetailWindowTest, BoardingNameTypedAsPrefixAndAGapInTheStopNumbers) {
  // T3 leaves from 北京西; its stop numbers skip 3.
  TrainDetailWindow* w = FromStationSearch("北京", "武汉", "T3");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->lblTitle->text(), "T3次(北京西---->长沙)特快列车详细情况");
  EXPECT_EQ(w->lblFTime->text(), "07:30");
  EXPECT_EQ(w->lblKM->text(), "全程1220公里，共经过4个车站");  // numbers 1 to 5, one of them missing
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(IsBlue(Element(*w, "lblDetail", i)), i <= 3) << i;
    EXPECT_EQ(RowIsRed(w->flgPass, i + 1), i <= 3) << i;
  }
  EXPECT_TRUE(Shows(Element(*w, "imgRail", 2), "redrail.jpg"));
  EXPECT_TRUE(Shows(Element(*w, "imgRail", 3), "rail.jpg"));
}

// Stations are matched by their stop numbers: a gap before the stretch does
// not shift the highlight by one.
TEST_F(TrainDetailWindowTest, AGapBeforeTheStretchShiftsNothing) {
  TrainDetailWindow* w = FromStationSearch("郑州", "长沙", "T3");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->lblKM->text(), "全程890公里，共经过3个车站");
  const bool blue[] = {false, false, true, true, true};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Name(Element(*w, "lblDetail", i)) == "郑州", i == 2);
    EXPECT_EQ(IsBlue(Element(*w, "lblDetail", i)), blue[i]) << i;
    EXPECT_EQ(RowIsRed(w->flgPass, i + 1), blue[i]) << i;
  }
}

TEST_F(TrainDetailWindowTest, EachLegOfAJourneyWithAChangeHighlightsItsStretch) {
  TrainDetailWindow* second = FromTransfer("包头", "镇江", 1, "K13");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->lblTitle->text(), "K13次(北京---->苏州)普快列车详细情况");
  EXPECT_EQ(second->lblKM->text(), "全程1000公里，共经过11个车站");
  for (int i = 0; i < 13; ++i) EXPECT_EQ(IsBlue(Element(*second, "lblDetail", i)), i <= 10) << i;
  EXPECT_TRUE(Shows(Element(*second, "imgRail", 9), "redrail.jpg"));
  EXPECT_TRUE(Shows(Element(*second, "imgRail", 10), "rail.jpg"));

  OpenRow(main_->results->lvchang[0], "K263");
  TrainDetailWindow* first = opener_->window();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  EXPECT_EQ(first->lblTitle->text(), "K263次(包头---->北京)普快列车详细情况");
  EXPECT_EQ(first->lblKM->text(), "全程700公里，共经过4个车站");
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(IsBlue(Element(*first, "lblDetail", i))) << i;
}

// ------------------------------------------------------------ hover box

TEST_F(TrainDetailWindowTest, HoverBoxShowsTheStationAndSitsBesideIt) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->fraDetail->isHidden());

  // The first station: its departure, distance 0, no arrival caption.
  MovePointer(Element(*w, "lblDetail", 0), {2, 3});
  EXPECT_FALSE(w->fraDetail->isHidden());
  EXPECT_EQ(w->flblEtime->text(), "始发站");
  EXPECT_TRUE(w->Label4_2->isHidden());
  EXPECT_EQ(w->lbl_1->text(), "发车时间：");
  EXPECT_EQ(w->flblStime->text(), "08:05");
  EXPECT_EQ(w->Label1->text(), "总 里 程：");
  EXPECT_EQ(w->labDistance->text(), " 0KM");
  // Right of the name and below the pointer: 420 + 30 + 100, 2145 + 45 + 200.
  EXPECT_EQ(w->fraDetail->pos(), TwipsPoint(550, 2390));
  EXPECT_EQ(w->fraDetail->size(), QSize(TwipsToPixels(1815), TwipsToPixels(780)));

  // A later station without a distance.
  MovePointer(Element(*w, "imgBoll", 1), {2, 3});
  EXPECT_EQ(w->labDistance->text(), "暂缺");
  EXPECT_EQ(w->flblEtime->text(), "09:00");
  EXPECT_EQ(w->flblStime->text(), "09:05");
  EXPECT_TRUE(w->Label4_2->isHidden());

  // The terminal, at the right edge: the box goes to the left of the name.
  MovePointer(Element(*w, "lblDetail", 11), {2, 3});
  EXPECT_FALSE(w->Label4_2->isHidden());
  EXPECT_EQ(w->Label4_2->text(), "到站时间：");
  EXPECT_EQ(w->flblEtime->text(), "终到站");
  EXPECT_EQ(w->flblStime->text(), "10:18");
  EXPECT_EQ(w->labDistance->text(), " 1100KM");
  const int left = 420 + 855 * 11;
  EXPECT_EQ(w->fraDetail->pos(), TwipsPoint(left - 1815 - 100 - 30, 2145 + 45 + 200));

  test::MoveOverBackground(w);
  EXPECT_TRUE(w->fraDetail->isHidden());
  // A rail is background.
  MovePointer(Element(*w, "lblDetail", 3), {2, 3});
  EXPECT_FALSE(w->fraDetail->isHidden());
  MovePointer(Element(*w, "imgRail", 3), {2, 3});
  EXPECT_TRUE(w->fraDetail->isHidden());
}

// ------------------------------------------------------------ buttons

TEST_F(TrainDetailWindowTest, ListAndDiagramButtonsSwitchTheGrid) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Command2->geometry(), TwipsRect(7770, 45, 450, 450));
  EXPECT_EQ(w->comClose->geometry(), TwipsRect(9630, 75, 420, 420));
  EXPECT_EQ(w->Command2->toolTip(), "列表");
  EXPECT_EQ(w->Command3->toolTip(), "图形");
  EXPECT_EQ(w->Command1->toolTip(), "打印");
  EXPECT_EQ(w->comClose->toolTip(), "关闭");

  Enter(w->Command2);
  EXPECT_EQ(w->Command2->look(), PictureButton::Look::Hover);
  EXPECT_TRUE(Shows(w->Command2, "table2.jpg"));
  QTest::mousePress(w->Command2, Qt::LeftButton);
  EXPECT_TRUE(Shows(w->Command2, "table1.jpg"));
  // A hand that trembles while the button is held still clicks it.
  QMouseEvent drag(QEvent::MouseMove, QPointF(5, 6), w->Command2->mapToGlobal(QPointF(5, 6)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w->Command2, &drag);
  EXPECT_TRUE(Shows(w->Command2, "table1.jpg"));
  QTest::mouseRelease(w->Command2, Qt::LeftButton);
  EXPECT_TRUE(Shows(w->Command2, "table.jpg"));
  EXPECT_TRUE(w->gridShown());
  EXPECT_FALSE(w->flgPass->isHidden());

  QTest::mouseClick(w->Command3, Qt::LeftButton);
  EXPECT_FALSE(w->gridShown());
  EXPECT_TRUE(Shows(w->Command3, "site.jpg"));
}

TEST_F(TrainDetailWindowTest, PrintButtonKeepsItsPressedPictureUntilThePointerLeaves) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  QSignalSpy print(w, &TrainDetailWindow::printRequested);
  QTest::mouseClick(w->Command1, Qt::LeftButton);
  EXPECT_EQ(print.count(), 1);
  EXPECT_TRUE(Shows(w->Command1, "pr1.jpg"));
  Enter(w->Command3);
  test::MoveOverBackground(w);
  EXPECT_TRUE(Shows(w->Command1, "pr.jpg"));
  EXPECT_EQ(w->Command3->look(), PictureButton::Look::Normal);
}

// What the print button prints follows what the window shows.
TEST_F(TrainDetailWindowTest, PrintButtonPrintsTheDiagramAsPictureAndTheGridAsTable) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  test::RecordingPrintSurface& printer = recorder_.printers.printer;
  QTest::mouseClick(w->Command1, Qt::LeftButton);
  ASSERT_EQ(printer.images.size(), 1u);
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_FALSE(w->Command1->isHidden());

  QTest::mouseClick(w->Command2, Qt::LeftButton);
  QTest::mouseClick(w->Command1, Qt::LeftButton);
  EXPECT_EQ(printer.images.size(), 1u);
  EXPECT_EQ(printer.TextsAt(1, 700), QStringList{"K12次(北京---->常州)特快列车详细情况"});
  EXPECT_EQ(printer.TextsAt(1, 1400).value(1), "经停站");
  EXPECT_EQ(printer.TextsAt(1, 1400 + 240 * 12).value(1), "常州");
  EXPECT_EQ(printer.endDocCount, 2);
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(TrainDetailWindowTest, CloseButtonAndComingBackToTheMainWindowClose) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w->comClose, Qt::LeftButton);
  Settle();
  EXPECT_EQ(OpenWindows(), 0);
  EXPECT_TRUE(main_->findChildren<TrainDetailWindow*>().empty());

  ASSERT_NE(FromNumberSearch("K13"), nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  emit main_->trainDetailCloseRequested();
  Settle();
  EXPECT_EQ(OpenWindows(), 0);
  EXPECT_EQ(opener_->window(), nullptr);
}

// ------------------------------------------------------------ one window at a time, nothing left over

TEST_F(TrainDetailWindowTest, OpeningAnotherRowReplacesTheWindow) {
  std::vector<TrainDetailWindow*> opened;
  QObject::connect(opener_, &TrainDetailOpener::windowOpened,
                   [&opened](TrainDetailWindow* window) { opened.push_back(window); });
  TrainDetailWindow* first = FromStationSearch("北京", "镇江", "K12");
  ASSERT_NE(first, nullptr);
  TrainDetailWindow* second = FromStationSearch("北京", "镇江", "K13");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  EXPECT_EQ(second->lblTitle->text(), "K13次(北京---->苏州)普快列车详细情况");
  EXPECT_EQ(ElementCount(*second, "lblDetail"), 13);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1], second);
}

TEST_F(TrainDetailWindowTest, InternationalTrainsShowAMessageAndNoWindow) {
  EXPECT_EQ(FromNumberSearch("K3"), nullptr);
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].text, "国际专列，暂无详细信息！");
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Information);

  EXPECT_EQ(FromStationSearch("北京", "莫斯科", "K3"), nullptr);
  ASSERT_EQ(recorder_.messages.shown.size(), 2u);
  EXPECT_EQ(recorder_.messages.shown[1].text, "国际专列，暂无详细信息！");
  EXPECT_EQ(OpenWindows(), 0);

  TrainDetailWindow leg(*db_, recorder_.messages);
  SearchContext context;
  context.queryMode = kModeChange;
  context.selectedTrainId = kK3;
  EXPECT_FALSE(leg.Open(context));
  EXPECT_EQ(recorder_.messages.shown.size(), 3u);
}

// What cannot be found is said in the title; nothing is made up.
TEST_F(TrainDetailWindowTest, AMissingTrainOpensEmptyAndSaysSo) {
  TrainDetailWindow w(*db_, recorder_.messages);
  SearchContext context;
  context.queryMode = kModeOrder;
  context.selectedTrainId = 999;
  ASSERT_TRUE(w.Open(context));
  EXPECT_EQ(w.lblTitle->text(), "车次编号 999 不存在");
  for (QLabel* label : {w.lblFTime, w.lblETime, w.lblCount, w.lblKM}) EXPECT_TRUE(label->text().isEmpty());
  for (QLabel* label : w.lblPrice) EXPECT_TRUE(label->text().isEmpty());
  EXPECT_TRUE(Element(w, "lblDetail", 0)->isHidden());
  EXPECT_TRUE(Element(w, "imgBoll", 0)->isHidden());
  EXPECT_TRUE(Element(w, "imgRail", 0)->isHidden());
  EXPECT_EQ(w.flgPass->rowCount(), 1);
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(TrainDetailWindowTest, AStationTheTrainDoesNotServeShowsTheWholeRoute) {
  TrainDetailWindow w(*db_, recorder_.messages);
  SearchContext context;
  context.queryMode = kModeStation;
  context.selectedTrainId = kK12;
  context.legBoardName = "天津";
  context.legAlightName = "无此站";
  ASSERT_TRUE(w.Open(context));
  EXPECT_EQ(w.lblTitle->text(), "K12次(北京---->常州)特快列车详细情况（本车次不经过无此站，显示全程）");
  EXPECT_EQ(w.lblKM->text(), "全程1100公里，共经过12个车站");
  EXPECT_EQ(w.lblFTime->text(), "08:05");
  for (int i = 0; i < 12; ++i) EXPECT_FALSE(IsBlue(Element(w, "lblDetail", i))) << i;

  // Boarding after alighting: the same.
  TrainDetailWindow reversed(*db_, recorder_.messages);
  context.legBoardName = "南京";
  context.legAlightName = "天津";
  ASSERT_TRUE(reversed.Open(context));
  EXPECT_EQ(reversed.lblTitle->text(),
            "K12次(北京---->常州)特快列车详细情况（本车次不是由南京开往天津，显示全程）");
  EXPECT_EQ(reversed.lblKM->text(), "全程1100公里，共经过12个车站");
}

TEST_F(TrainDetailWindowTest, AnUnknownModeDrawsNothing) {
  TrainDetailWindow w(*db_, recorder_.messages);
  SearchContext context;
  context.queryMode = "OTHER";
  context.selectedTrainId = kK12;
  ASSERT_TRUE(w.Open(context));
  EXPECT_TRUE(w.lblTitle->text().isEmpty());
  EXPECT_TRUE(w.lblKM->text().isEmpty());
  EXPECT_TRUE(Element(w, "lblDetail", 0)->isHidden());
  EXPECT_EQ(ElementCount(w, "lblDetail"), 1);
}

TEST_F(TrainDetailWindowTest, ADatabaseFailureIsReportedAndOpensNothing) {
  main_->panel->txtOrder->setText("K12");
  QTest::mouseClick(main_->panel->cmdOOk, Qt::LeftButton);
  QApplication::processEvents();
  db_->Execute("DROP TABLE pass");
  OpenRow(main_->results->lvMain, "K12");
  EXPECT_EQ(opener_->window(), nullptr);
  ASSERT_FALSE(recorder_.messages.shown.empty());
  EXPECT_EQ(recorder_.messages.shown.back().icon, MessageIcon::Critical);
  EXPECT_FALSE(recorder_.messages.shown.back().text.isEmpty());
  EXPECT_EQ(OpenWindows(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kw
