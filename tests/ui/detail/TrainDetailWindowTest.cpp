// The train detail window opened from real searches through the main window
// (and, for what no search can produce, from a search context written in the
// test), on a timetable made for the diagram: trains of 12 and 13 stops, one
// with a gap in its stop numbers, one with a long name early in its first
// row, one too long for the window, and an international train.
#include "ui/detail/TrainDetailWindow.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>

#include "support/RecordingPrintSurface.h"
#include "ui/AppPaths.h"
#include "ui/PictureButton.h"
#include "ui/Twips.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

constexpr int kK12 = 1, kK3 = 790;
constexpr int kLongTrainStops = 50;

// The pass rows of train `id` calling at `stations`, 100 km apart, leaving
// the first at 08:05, then one stop an hour (arriving on the hour, leaving
// five minutes later), reaching the terminal at 10:18 the next day; the
// second and third stops have no distance (0 and -200).
std::string Chain(int id, const std::vector<int>& stations) {
  const int n = static_cast<int>(stations.size());
  std::string rows = std::to_string(id) + "\t" + std::to_string(stations[0]) + "\t1\t\t8.05\t0\t0\n";
  for (int i = 1; i < n; ++i) {
    const int hour = 8 + i;
    const std::string h = std::to_string(hour % 24);
    const std::string times = i == n - 1 ? "10.18\t\t" + std::to_string(1 + hour / 24)
                                         : h + "\t" + h + ".05\t" + std::to_string(hour / 24);
    const int km = i == 1 ? 0 : i == 2 ? -200 : i * 100;
    rows += std::to_string(id) + "\t" + std::to_string(stations[i]) + "\t" + std::to_string(i + 1) + "\t" +
            times + "\t" + std::to_string(km) + "\n";
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
        "6\tL50\t3\t100\t149\t8.05\t10.18\t1\t4900\t\n"
        "7\tY1\t1\t1\t1\t8.05\t8.05\t0\t0\t\n"
        "790\tK3\t1\t1\t22\t7.45\t14.3\t6\t7800\t国际联运\n");
  // K13 calls at 呼和浩特, a name twice as long as the others, early in its first row.
  t.Set("pass", Chain(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) +
                    Chain(2, {1, 2, 23, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) + Chain(6, longStations) +
                    // T3 has no stop numbered 3.
                    "3\t14\t1\t\t7.3\t0\t0\n3\t15\t2\t9.3\t9.4\t0\t280\n3\t16\t4\t12.5\t13\t0\t690\n"
                    "3\t17\t5\t17.3\t17.4\t0\t1220\n3\t18\t6\t6.45\t\t1\t1580\n"
                    "4\t19\t1\t\t22\t0\t0\n4\t20\t2\t23.5\t23.55\t0\t300\n4\t21\t3\t2\t2.1\t1\t450\n"
                    "4\t1\t4\t6.3\t\t1\t700\n"
                    "7\t1\t1\t\t8.05\t0\t0\n"
                    "790\t1\t1\t\t7.45\t0\t0\n790\t22\t2\t14.3\t\t6\t7800\n");
  t.Set("VerID", "测试\n");
  return t;
}

class TrainDetailWindowTest : public test::MainWindowFixture {
 protected:
  TrainDetailWindowTest() : MainWindowFixture(FillDetailTimetable, true) {}

  // A station search from `from` to `to`, then the row of train `number`.
  TrainDetailWindow* FromStationSearch(const QString& from, const QString& to, const QString& number) {
    StationSearch(from, to);
    return OpenRow(main_->results->lvMain, number);
  }
  TrainDetailWindow* FromNumberSearch(const QString& number) {
    NumberSearch(number);
    return OpenRow(main_->results->lvMain, number);
  }

  // The detail windows that are open (not closed and waiting to go).
  int OpenWindows() const {
    int open = 0;
    for (auto* w : main_->findChildren<TrainDetailWindow*>(QStringLiteral("frmPass"))) open += w->isVisible();
    return open;
  }
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

QStringList Texts(std::initializer_list<const QLabel*> labels) {
  QStringList texts;
  for (const QLabel* label : labels) texts << label->text();
  return texts;
}

bool Shows(QLabel* label, const char* picture) {
  return !label->pixmap().isNull() && label->pixmap().toImage() == DatePicture(picture).toImage();
}

// Stops first..last (indices) are the travelled stretch: blue names, red
// grid rows, red rails between them; nothing else is marked.
void ExpectStretch(TrainDetailWindow& w, int first, int last) {
  const int count = ElementCount(w, "lblDetail");
  for (int i = 0; i < count; ++i) {
    const bool inside = i >= first && i <= last;
    EXPECT_EQ(Element(w, "lblDetail", i)->palette().color(QPalette::WindowText) == QColor(0, 0, 255), inside)
        << i;
    for (int c = 0; c < w.flgPass->columnCount(); ++c)
      EXPECT_EQ(w.flgPass->item(i, c)->foreground().color() == QColor(255, 0, 0), inside) << i;
    EXPECT_TRUE(Shows(Element(w, "imgRail", i), i >= first && i < last ? "redrail.jpg" : "rail.jpg")) << i;
  }
}

// The height of a name label, in twips.
int HeightTwips(QLabel* label) { return label->height() * kTwipsPerPixel; }

// ------------------------------------------------------------ layout

// Element 0 where it was designed; the others 855 twips apart on its row. The
// thirteenth station starts a second row at the left of the first name, 450
// twips below the lowest name of the first (K13's long third name); the rail
// at a row's end and the one after the terminal are hidden.
TEST_F(TrainDetailWindowTest, TwelveStopsFitOneRowAndTheThirteenthStartsASecond) {
  for (const QStringList& names : {QStringList{"北京", "天津", "沧州", "德州", "济南", "泰安", "兖州", "徐州",
                                               "蚌埠", "南京", "镇江", "常州"},
                                   QStringList{"北京", "天津", "呼和浩特", "德州", "济南", "泰安", "兖州",
                                               "徐州", "蚌埠", "南京", "镇江", "常州", "苏州"}}) {
    const int n = static_cast<int>(names.size());
    TrainDetailWindow* w = FromNumberSearch(n == 12 ? "K12" : "K13");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size(), QSize(TwipsToPixels(10290), TwipsToPixels(7305)));
    for (const char* array : {"lblDetail", "imgBoll", "imgRail"}) ASSERT_EQ(ElementCount(*w, array), n);
    EXPECT_EQ(Element(*w, "imgBoll", 0)->geometry(), TwipsRect(435, 1920, 225, 210));
    EXPECT_EQ(Element(*w, "imgRail", 0)->geometry(), TwipsRect(660, 1965, 600, 120));
    EXPECT_EQ(Element(*w, "lblDetail", 0)->pos(), TwipsPoint(420, 2145));
    const int tallest = HeightTwips(Element(*w, "lblDetail", 2));
    ASSERT_EQ(tallest > HeightTwips(Element(*w, "lblDetail", 11)), n == 13);
    for (int i = 0; i < n; ++i) {
      QLabel* label = Element(*w, "lblDetail", i);
      QLabel* ball = Element(*w, "imgBoll", i);
      QLabel* rail = Element(*w, "imgRail", i);
      EXPECT_EQ(Name(label), names[i]);
      EXPECT_EQ(label->text().count(u'\n'), names[i].size() - 1) << "one character to a line";
      EXPECT_FALSE(label->isHidden());
      EXPECT_FALSE(ball->isHidden());
      EXPECT_TRUE(Shows(ball, i == 0 ? "greenBoll.jpg" : i == n - 1 ? "redboll.jpg" : "yellowboll.jpg")) << i;
      EXPECT_EQ(rail->isHidden(), i >= 11) << i;
      if (i == 0) continue;
      const int left = i < 12 ? 420 + 855 * i : 420;
      const int down = i < 12 ? 0 : tallest + 450;
      EXPECT_EQ(label->geometry(), TwipsRect(left, 2145 + down, 255, HeightTwips(label))) << i;
      EXPECT_EQ(ball->geometry(), TwipsRect(left, 1920 + down, 225, 210)) << i;
      if (i < 11) {
        EXPECT_EQ(rail->geometry(), TwipsRect(left + 255, 1965, 600, 120)) << i;
      }
    }
  }
}

TEST_F(TrainDetailWindowTest, OneStopAndLongTrains) {
  // A train of one stop: the design elements alone, no grid rows under the captions.
  TrainDetailWindow* w = FromNumberSearch("Y1");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ElementCount(*w, "lblDetail"), 1);
  EXPECT_EQ(Name(Element(*w, "lblDetail", 0)), "北京");
  EXPECT_TRUE(Shows(Element(*w, "imgBoll", 0), "greenBoll.jpg"));
  EXPECT_FALSE(Element(*w, "imgRail", 0)->isHidden());
  EXPECT_EQ(w->flgPass->rowCount(), 0);
  EXPECT_EQ(w->lblKM->text(), "全程暂缺公里，共经过1个车站");  // a route of 0 km has no distance

  // A diagram taller than the window makes the window and the grid taller.
  w = FromNumberSearch("L50");
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(ElementCount(*w, "lblDetail"), kLongTrainStops);
  EXPECT_GT(w->height(), TwipsToPixels(7305));
  EXPECT_LE(Element(*w, "lblDetail", kLongTrainStops - 1)->geometry().bottom(), w->height());
  EXPECT_GT(w->flgPass->height(), TwipsToPixels(5325));

  // Scrolled to the last stop, the grid still shows its captions above the
  // rows, each row as tall as its text.
  QTableWidget* grid = w->flgPass;
  QTest::mouseClick(w->Command2, Qt::LeftButton);
  grid->scrollToBottom();
  QApplication::processEvents();
  ASSERT_GT(grid->rowAt(0), 0);  // the first stops have scrolled away
  EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 1), kLongTrainStops - 1);
  EXPECT_TRUE(grid->horizontalHeader()->isVisible());
  for (int r = 0; r < grid->rowCount(); ++r)
    EXPECT_LE(grid->rowHeight(r), static_cast<QAbstractItemView*>(grid)->sizeHintForRow(r)) << r;
}

// Every picture of the window is there, with its copy at twice the size.
TEST_F(TrainDetailWindowTest, PicturesComeAtOneAndTwiceTheSize) {
  for (const std::string stem : {"greenBoll", "yellowboll", "redboll", "rail", "redrail", "table", "table1",
                                 "table2", "site", "site1", "site2", "pr", "pr1", "pr2", "x", "x1", "x2"}) {
    const QSize size = DatePicture(stem + ".jpg").size();
    EXPECT_FALSE(size.isEmpty()) << stem;
    EXPECT_EQ(QPixmap(DatePath(stem + "@2x.jpg")).size(), size * 2) << stem;
  }
}

// ------------------------------------------------------------ texts and the travelled stretch

TEST_F(TrainDetailWindowTest, WholeRouteHeadlineFaresAndGrid) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Texts({w->lblTitle, w->lblFTime, w->lblETime, w->lblCount, w->lblKM}),
            (QStringList{"K12次(北京---->常州)特快列车详细情况", "08:05", "次日10:18", "26小时13分钟",
                         "全程1100公里，共经过12个车站"}));
  // Family 特快, band 1100 of the test fare table.
  const char* fares[] = {"t110 ", "220 ", "t11001 ", "11002 ", "11003 ", "11004 ", "11005 "};
  for (int j = 0; j < 7; ++j) EXPECT_EQ(w->lblPrice[j]->text(), fares[j]) << j;

  QTableWidget* grid = w->flgPass;
  EXPECT_TRUE(grid->isHidden());
  ASSERT_EQ(grid->rowCount(), 12);
  EXPECT_EQ(test::RowTexts(grid, 0),
            (QStringList{" 1", "北京", "<--始发站-->", "08:05", "<--始发站-->", " 0"}));
  EXPECT_EQ(test::RowTexts(grid, 2), (QStringList{" 3", "沧州", "10:00", "10:05", " 暂缺 ", " 0"}));
  EXPECT_EQ(test::RowTexts(grid, 11), (QStringList{" 12", "常州", "10:18", "<--终到站-->", " 1100 ", " 1"}));
  ExpectStretch(*w, -1, -1);
}

// A station search shows the stretch between the stations of the row's own
// pair, whatever the boxes hold by the time the row is opened; a boarding
// name typed as the beginning of a name finds the stop, and stops are
// matched by their numbers, so a number no stop carries (T3 has no 3)
// shifts nothing and counts no station.
TEST_F(TrainDetailWindowTest, StationSearchShowsTheTravelledStretchOfTheRowsPair) {
  const struct {
    const char *from, *to, *number, *depart, *arrive, *km, *seatFare;
    int first, last;
  } cases[] = {
      // 天津 has no distance: neither has the stretch, nor a fare.
      {"天津", "南京", "K12", "09:05", " 17:00", "全程暂缺公里，共经过9个车站", "暂缺", 1, 9},
      {"北京", "南京", "K12", "08:05", " 17:00", "全程900公里，共经过10个车站", "t90 ", 0, 9},
      {"北京", "武汉", "T3", "07:30", " 17:30", "全程1220公里，共经过4个车站", "t130 ", 0, 3},
      {"郑州", "长沙", "T3", "13:00", "次日06:45", "全程890公里，共经过3个车站", "t90 ", 2, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    StationSearch(c.from, c.to);
    main_->panel->SetStations("济南", "蚌埠");
    TrainDetailWindow* w = OpenRow(main_->results->lvMain, c.number);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Texts({w->lblFTime, w->lblETime, w->lblKM, w->lblPrice[0]}),
              (QStringList{c.depart, c.arrive, c.km, c.seatFare}));
    ExpectStretch(*w, c.first, c.last);
  }
}

// Each leg shows the stretch of the search that offered the change, whatever
// the boxes hold by the time a transfer station is picked and a leg opened.
TEST_F(TrainDetailWindowTest, EachLegOfAJourneyWithAChangeShowsItsStretch) {
  StationSearch("包头", "镇江");
  main_->panel->SetStations("天津", "蚌埠");
  ASSERT_GT(main_->results->lstChange->count(), 0);
  PickCandidate(0);
  EXPECT_EQ(main_->results->lblFirst->text(), "包头---->北京");

  TrainDetailWindow* second = OpenRow(main_->results->lvchang[1], "K13");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Texts({second->lblTitle, second->lblKM}),
            (QStringList{"K13次(北京---->苏州)普快列车详细情况", "全程1000公里，共经过11个车站"}));
  ExpectStretch(*second, 0, 10);

  TrainDetailWindow* first = OpenRow(main_->results->lvchang[0], "K263");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  EXPECT_EQ(Texts({first->lblTitle, first->lblKM}),
            (QStringList{"K263次(包头---->北京)普快列车详细情况", "全程700公里，共经过4个车站"}));
  ExpectStretch(*first, 0, 3);
}

// ------------------------------------------------------------ hover box

// The box beside the name of the station pointed at (its name or its ball):
// right of it and below the pointer, or left of it near the right edge.
TEST_F(TrainDetailWindowTest, HoverBoxShowsTheStationAndSitsBesideIt) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->fraDetail->isHidden());
  const struct {
    const char* element;
    int i;
    const char *arrival, *departure, *distance;
    int left;
  } stations[] = {
      {"lblDetail", 0, "始发站", "08:05", " 0KM", 420 + 30 + 100},
      {"imgBoll", 1, "09:00", "09:05", "暂缺", 420 + 855 + 30 + 100},  // later stops without a distance
      {"lblDetail", 2, "10:00", "10:05", "暂缺", 420 + 855 * 2 + 30 + 100},
      {"lblDetail", 11, "终到站", "10:18", " 1100KM", 420 + 855 * 11 - 1815 - 100 - 30},
  };
  for (const auto& s : stations) {
    test::MovePointer(Element(*w, s.element, s.i), {2, 3});  // 30, 45 twips
    EXPECT_FALSE(w->fraDetail->isHidden()) << s.i;
    EXPECT_EQ(Texts({w->flblEtime, w->flblStime, w->labDistance}),
              (QStringList{s.arrival, s.departure, s.distance}));
    // The arrival caption only for the terminal, whose arrival shows as its departure.
    EXPECT_EQ(w->Label4_2->isHidden(), s.i != 11);
    EXPECT_EQ(w->fraDetail->pos(), TwipsPoint(s.left, 2145 + 45 + 200)) << s.i;
  }
  EXPECT_EQ(w->fraDetail->size(), QSize(TwipsToPixels(1815), TwipsToPixels(780)));

  // The background and a rail hide it.
  test::MoveOverBackground(w);
  EXPECT_TRUE(w->fraDetail->isHidden());
  test::MovePointer(Element(*w, "lblDetail", 3), {2, 3});
  EXPECT_FALSE(w->fraDetail->isHidden());
  test::MovePointer(Element(*w, "imgRail", 3), {2, 3});
  EXPECT_TRUE(w->fraDetail->isHidden());
}

// ------------------------------------------------------------ buttons

// 列表 shows the stop grid, 图形 the diagram; the print button prints what the
// window shows, without a question: the diagram as a picture, the grid as a
// table. It keeps its pressed picture until the pointer leaves for the
// background.
TEST_F(TrainDetailWindowTest, ButtonsSwitchTheGridAndPrintWhatIsShown) {
  TrainDetailWindow* w = FromNumberSearch("K12");
  ASSERT_NE(w, nullptr);
  test::RecordingPrintSurface& printer = recorder_.printers.printer;
  QTest::mouseClick(w->Command1, Qt::LeftButton);
  ASSERT_EQ(printer.images.size(), 1u);
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_TRUE(Shows(w->Command1, "pr1.jpg"));
  test::Enter(w->Command3);
  test::MoveOverBackground(w);
  EXPECT_TRUE(Shows(w->Command1, "pr.jpg"));
  EXPECT_EQ(w->Command3->look(), PictureButton::Look::Normal);

  test::Enter(w->Command2);
  EXPECT_TRUE(Shows(w->Command2, "table2.jpg"));
  QTest::mousePress(w->Command2, Qt::LeftButton);
  EXPECT_TRUE(Shows(w->Command2, "table1.jpg"));
  // A hand that trembles while the button is held still clicks it.
  test::MovePointer(w->Command2, {5, 6}, Qt::LeftButton);
  EXPECT_TRUE(Shows(w->Command2, "table1.jpg"));
  QTest::mouseRelease(w->Command2, Qt::LeftButton);
  EXPECT_TRUE(Shows(w->Command2, "table.jpg"));
  EXPECT_TRUE(w->gridShown());
  EXPECT_FALSE(w->flgPass->isHidden());

  QTest::mouseClick(w->Command1, Qt::LeftButton);
  EXPECT_EQ(printer.images.size(), 1u);
  EXPECT_EQ(printer.TextsAt(1, 700), QStringList{"K12次(北京---->常州)特快列车详细情况"});
  EXPECT_EQ(printer.TextsAt(1, 1400 + 240 * 12).value(1), "常州");
  EXPECT_TRUE(recorder_.messages.shown.empty());

  QTest::mouseClick(w->Command3, Qt::LeftButton);
  EXPECT_FALSE(w->gridShown());
  EXPECT_TRUE(Shows(w->Command3, "site.jpg"));
}

// ------------------------------------------------------------ one window at a time, nothing left over

TEST_F(TrainDetailWindowTest, AnotherRowReplacesTheWindowWhichClosesWithItsButtonOrTheMainWindow) {
  ASSERT_NE(FromStationSearch("北京", "镇江", "K12"), nullptr);
  TrainDetailWindow* second = FromStationSearch("北京", "镇江", "K13");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  EXPECT_EQ(second->lblTitle->text(), "K13次(北京---->苏州)普快列车详细情况");
  EXPECT_EQ(ElementCount(*second, "lblDetail"), 13);

  QTest::mouseClick(second->comClose, Qt::LeftButton);
  Settle();
  EXPECT_TRUE(main_->findChildren<TrainDetailWindow*>().empty());

  ASSERT_NE(FromNumberSearch("K12"), nullptr);
  EXPECT_EQ(OpenWindows(), 1);
  emit main_->trainDetailCloseRequested();
  Settle();
  EXPECT_EQ(OpenWindows(), 0);
  EXPECT_EQ(opener_->window(), nullptr);
}

// The window opens centred on the main window, named for its train; Tab
// walks its four buttons, Space presses the focused one, Esc closes it.
TEST_F(TrainDetailWindowTest, OpensCentredNamedForItsTrainAndWorksFromTheKeyboard) {
  main_->setGeometry(200, 150, 1200, 800);
  TrainDetailWindow* w = FromStationSearch("北京", "镇江", "K12");
  ASSERT_NE(w, nullptr);
  EXPECT_LE((w->frameGeometry().center() - main_->frameGeometry().center()).manhattanLength(), 1);
  EXPECT_EQ(w->windowTitle(), "K12次 - Kestrelway");

  QApplication::setActiveWindow(w);
  QStringList reached;
  for (int press = 0; press < 5; ++press) {
    QTest::keyClick(w, Qt::Key_Tab);
    reached << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none");
  }
  reached.sort();
  EXPECT_EQ(reached, (QStringList{"Command1", "Command2", "Command3", "cmdMap", "comClose"}));
  w->Command2->setFocus();
  QTest::keyClick(w->Command2, Qt::Key_Space);
  EXPECT_TRUE(w->gridShown());
  QSignalSpy print(w, &TrainDetailWindow::printRequested);
  QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(print.count(), 1);
  QTest::keyClick(w, Qt::Key_Escape);
  Settle();
  EXPECT_EQ(OpenWindows(), 0);
}

SearchContext Context(std::string mode, int train, std::string board = {}, std::string alight = {}) {
  SearchContext context;
  context.queryMode = mode;
  context.selectedTrainId = train;
  context.legBoardName = board;
  context.legAlightName = alight;
  return context;
}

TEST_F(TrainDetailWindowTest, InternationalTrainsShowAMessageAndNoWindow) {
  EXPECT_EQ(FromNumberSearch("K3"), nullptr);
  EXPECT_EQ(FromStationSearch("北京", "莫斯科", "K3"), nullptr);
  TrainDetailWindow leg(*db_, recorder_.messages);
  EXPECT_FALSE(leg.Open(Context(kModeChange, kK3)));
  EXPECT_EQ(Said(), test::Said(3, "i OK: 国际专列，暂无详细信息！"));
  EXPECT_EQ(OpenWindows(), 0);
}

// What cannot be found is said in the title, with the whole route where the
// train is known; nothing is made up, and no message interrupts.
TEST_F(TrainDetailWindowTest, WhatCannotBeFoundIsSaidInTheTitle) {
  const struct {
    SearchContext context;
    const char *title, *km;
  } cases[] = {
      {Context(kModeOrder, 999), "车次编号 999 不存在", ""},
      {Context(kModeStation, kK12, "天津", "无此站"),
       "K12次(北京---->常州)特快列车详细情况（本车次不经过无此站，显示全程）",
       "全程1100公里，共经过12个车站"},
      {Context(kModeStation, kK12, "南京", "天津"),
       "K12次(北京---->常州)特快列车详细情况（本车次不是由南京开往天津，显示全程）",
       "全程1100公里，共经过12个车站"},
      {Context("OTHER", kK12), "", ""},  // nothing says which train to draw
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    TrainDetailWindow w(*db_, recorder_.messages);
    ASSERT_TRUE(w.Open(c.context));
    const bool drawn = *c.km != '\0';
    EXPECT_EQ(Texts({w.lblTitle, w.lblKM, w.lblFTime, w.lblPrice[0]}),
              (QStringList{c.title, c.km, drawn ? "08:05" : "", drawn ? "t110 " : ""}));
    EXPECT_EQ(ElementCount(w, "lblDetail"), drawn ? 12 : 1);
    for (const char* array : {"lblDetail", "imgBoll", "imgRail"})
      EXPECT_EQ(Element(w, array, 0)->isHidden(), !drawn);
    EXPECT_EQ(w.flgPass->rowCount(), drawn ? 12 : 0);
    if (drawn) ExpectStretch(w, -1, -1);
  }
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(TrainDetailWindowTest, ADatabaseFailureIsReportedAndOpensNothing) {
  NumberSearch("K12");
  db_->Execute("DROP TABLE pass");
  EXPECT_EQ(OpenRow(main_->results->lvMain, "K12"), nullptr);
  ASSERT_EQ(Said(0), test::Said{"x OK: "});
  EXPECT_FALSE(Shown().back().text.isEmpty());
  EXPECT_EQ(OpenWindows(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kw
