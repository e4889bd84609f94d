// The map: Web Mercator on fixed figures, the network of the hand-made
// timetable (whose positions are tests/data/station_coordinates.tsv), what a
// click hits, the routes other windows send, printing and export, and a
// timetable without positions.
#include "ui/map/MapWindow.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QWheelEvent>
#include <cmath>

#include "support/RecordingPrintSurface.h"
#include "ui/board/BoardWindow.h"
#include "ui/detail/TrainDetailWindow.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapOutput.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

const QString kAttribution = QStringLiteral("地图数据 © OpenStreetMap 贡献者");

// Figures worked out apart from the program (Web Mercator by hand).
TEST(MapProjection, KnownPositionsLandOnTheirPixels) {
  const struct {
    GeoPosition position;
    QPointF centre;
    double scale;
    QSize size;
    QPointF pixel;
  } cases[] = {
      {{0, 0}, {0.5, 0.5}, 256, {256, 256}, {128, 128}},
      {{39.90469, 116.40717}, {0.5, 0.5}, 256, {256, 256}, {210.7784, 97.0047}},
      {{-85.05112877980659, 180}, {0.5, 0.5}, 256, {256, 256}, {256, 256}},
      {{89.9, -180}, {0.5, 0.5}, 256, {256, 256}, {0, 0}},  // held at the projection's edge
      // 上海 on a view of 800 × 600 centred on 北京 at 8192 px a world.
      {{31.23037, 121.47370}, {0.82335325, 0.378924523502}, 8192, {800, 600}, {515.2917, 543.1328}},
  };
  for (const auto& c : cases) {
    const MapView view(c.centre, c.scale, c.size);
    const QPointF at = view.ToScreen(c.position);
    EXPECT_NEAR(at.x(), c.pixel.x(), 0.01) << c.position.lat << "," << c.position.lon;
    EXPECT_NEAR(at.y(), c.pixel.y(), 0.01) << c.position.lat << "," << c.position.lon;
  }
  const GeoPosition back = UnprojectMercator(ProjectMercator({39.90469, 116.40717}));
  EXPECT_NEAR(back.lat, 39.90469, 1e-9);
  EXPECT_NEAR(back.lon, 116.40717, 1e-9);
}

TEST(MapProjection, ZoomKeepsThePointUnderThePointerAndFitAndScaleBarUseRoundFigures) {
  MapView view({0.5, 0.5}, 16384, {800, 600});
  // 2445.98 m a pixel at the equator: 120 px take 293 km, so the bar is 200 km.
  ScaleBar bar = ChooseScaleBar(view, 120);
  EXPECT_EQ(bar.text, "200 km");
  EXPECT_NEAR(bar.pixels, 81.7667, 0.001);
  const QPointF before = view.ToWorld({100, 100});
  view.ZoomAt({100, 100}, 2);
  EXPECT_DOUBLE_EQ(view.scale(), 32768);
  EXPECT_NEAR(view.ToWorld({100, 100}).x(), before.x(), 1e-12);
  EXPECT_NEAR(view.ToWorld({100, 100}).y(), before.y(), 1e-12);
  EXPECT_EQ(ChooseScaleBar(view, 120).text, "100 km");
  view.SetCentre({0.5, 0.5});
  view.SetScale(16777216);  // 2.39 m a pixel at the equator: 286 m fit, the bar is 200 m
  bar = ChooseScaleBar(view, 120);
  EXPECT_EQ(bar.text, "200 m");
  EXPECT_NEAR(bar.pixels, 83.7296, 0.001);

  // The tighter of the two directions decides: 800 / 0.2 against 600 / 0.1.
  view.Fit(QRectF(QPointF(0.2, 0.3), QPointF(0.4, 0.4)), 0);
  EXPECT_DOUBLE_EQ(view.scale(), 4000);
  EXPECT_DOUBLE_EQ(view.centre().x(), 0.3);
  EXPECT_DOUBLE_EQ(view.centre().y(), 0.35);
  view.PanBy({40, -20});  // the world follows the pointer
  EXPECT_DOUBLE_EQ(view.centre().x(), 0.29);
  EXPECT_DOUBLE_EQ(view.centre().y(), 0.355);
}

class NetworkPictureTest : public ::testing::Test {
 protected:
  NetworkPictureTest() : picture_(LoadRailNetwork(test::HandMadeDb())) {}
  int Index(const char* name) const { return picture_.network().StationNamed(name).value(); }
  QString Name(int index) const { return QString::fromStdString(picture_.network().stations[index].name); }
  NetworkPicture picture_;
};

TEST_F(NetworkPictureTest, AClickHitsTheNearestStationWithinEightPixels) {
  EXPECT_EQ(picture_.SegmentCount(), 282);
  // Centre (0.8, 0.38), 8192 px a world, 1000 × 700: 郑州 at (628.65, 488.88),
  // 北京 at (691.62, 341.30), 北京西 at (689.21, 341.52).
  const MapView view({0.8, 0.38}, 8192, {1000, 700});
  EXPECT_EQ(picture_.StationAt(view, {628.65, 488.88}), Index("郑州"));
  // 6 px from 郑州 and 3.3 px from 郑州东: the nearer.
  EXPECT_EQ(picture_.StationAt(view, {634.65, 488.88}), Index("郑州东"));
  EXPECT_EQ(picture_.StationAt(view, {691.62, 341.30}), Index("北京"));
  EXPECT_EQ(picture_.StationAt(view, {689.21, 341.52}), Index("北京西"));
  EXPECT_FALSE(picture_.StationAt(view, {628.65, 458.88}).has_value());  // 14 px from 鹤壁
}

TEST_F(NetworkPictureTest, TheTravelledPartIsDrawnInTheHighlightColourThroughStationsWithAPosition) {
  // 4601 郑州 → 信阳, boarded at 郑州 (0), alighting at 许昌 (3); 新郑 and
  // 明港 have no position.
  const QStringList stops = {"郑州", "新郑", "长葛",   "许昌", "临颍", "漯河",
                             "西平", "遂平", "驻马店", "确山", "明港", "信阳"};
  picture_.SetRoute({MapRoute::Kind::Train, "4601 郑州 → 许昌", {{"4601", stops, 0, 3}}});
  QStringList pieces;
  for (const auto& piece : picture_.RoutePieces()) {
    pieces << Name(piece.from) + "-" + Name(piece.to) + (piece.colour == kMapHighlight ? "*" : "");
  }
  EXPECT_EQ(pieces, (QStringList{"许昌-临颍", "临颍-漯河", "漯河-西平", "西平-遂平", "遂平-驻马店",
                                 "驻马店-确山", "确山-信阳", "郑州-长葛*", "长葛-许昌*"}));
  EXPECT_EQ(picture_.RouteStationsWithoutPosition(), 2);
  EXPECT_EQ(picture_.RouteStations().size(), 10u);

  // On the picture: centred on 许昌 at 131072 px a world, 1000 × 700, the
  // middle of 长葛-许昌 is at (492.5, 307.5), of 漯河-西平 at (580.5, 589.1).
  const MapView view({0.81615075, 0.39939526772}, 131072, {1000, 700});
  QImage image(1000, 700, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    picture_.Paint(painter, view);
  }
  EXPECT_EQ(image.pixelColor(492, 307), kMapHighlight);
  EXPECT_EQ(image.pixelColor(580, 589), kMapRoute);
}

TEST_F(NetworkPictureTest, AJourneysLegsTakeTheirOwnColoursAndItsChangesAreMarked) {
  picture_.SetRoute({MapRoute::Kind::Journey,
                     "T109→K1 北京 → 徐州",
                     {{"T109", {"北京", "天津", "济南"}, -1, -1}, {"K1", {"济南", "徐州"}, -1, -1}}});
  ASSERT_EQ(picture_.RoutePieces().size(), 3u);
  EXPECT_EQ(picture_.RoutePieces()[0].colour, kMapLegColours[0]);
  EXPECT_EQ(picture_.RoutePieces()[1].colour, kMapLegColours[0]);
  EXPECT_EQ(picture_.RoutePieces()[2].colour, kMapLegColours[1]);
  EXPECT_EQ(picture_.ChangeStations(), std::vector<int>{Index("济南")});
  EXPECT_EQ(picture_.RouteStationsWithoutPosition(), 0);
}

TEST_F(NetworkPictureTest, NamesNeverOverlapTheBusiestComeFirstAndMoreAppearZoomedIn) {
  MapView view({0.8, 0.38}, 8192, {1000, 700});
  const auto names = picture_.PlaceLabels(view);
  ASSERT_GT(names.size(), 10u);
  // 北京西 (id 14) and 郑州 (id 237) have 22 trains each, the most.
  EXPECT_EQ(Name(names[0].first), "北京西");
  EXPECT_EQ(Name(names[1].first), "郑州");
  for (size_t i = 0; i < names.size(); ++i)
    for (size_t j = i + 1; j < names.size(); ++j)
      EXPECT_FALSE(names[i].second.intersects(names[j].second))
          << Name(names[i].first).toStdString() << " " << Name(names[j].first).toStdString();
  // Zoomed in 16 times on 北京, more of the names of what is still in view show.
  MapView closer = view;
  closer.ZoomAt({691.62, 341.30}, 16);
  const QRectF area = closer.VisibleWorld();
  const auto inArea = [&](const auto& placed) {
    return std::count_if(placed.begin(), placed.end(),
                         [&](const auto& p) { return area.contains(*picture_.WorldOf(p.first)); });
  };
  EXPECT_GT(inArea(picture_.PlaceLabels(closer)), inArea(names) + 3);
}

class MapWindowTest : public test::MainWindowFixture {
 protected:
  MapWindowTest() : MainWindowFixture(test::FillHandMadeTimetable, true) {}
  MapWindow* OpenMap() {
    main_->mnuRailMap->trigger();
    return main_->mapWindow();
  }
  int Index(MapWindow* w, const char* name) { return w->picture().network().StationNamed(name).value(); }
  QPointF PixelOf(MapWindow* w, const char* name) {
    return w->picMap->view().ToScreen(*w->picture().WorldOf(Index(w, name)));
  }
};

TEST_F(MapWindowTest, TheMenuOpensTheWholeNetworkAndCountsTheStationsLeftOut) {
  MapWindow* w = OpenMap();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->lblNote->text(), "25 个车站无坐标，未画出");
  EXPECT_TRUE(w->picMap->view().VisibleWorld().contains(w->picture().Bounds()));
}

TEST_F(MapWindowTest, KeysWheelAndFitMoveTheView) {
  MapWindow* w = OpenMap();
  MapCanvas* canvas = w->picMap;
  const double fitted = canvas->view().scale();
  QTest::keyClick(canvas, Qt::Key_Plus);
  EXPECT_DOUBLE_EQ(canvas->view().scale(), 2 * fitted);
  QTest::keyClick(canvas, Qt::Key_Minus);
  QTest::keyClick(canvas, Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(canvas->view().scale(), fitted / 2);
  const QPointF centre = canvas->view().centre();
  QTest::keyClick(canvas, Qt::Key_Left);  // shows more of the west
  EXPECT_LT(canvas->view().centre().x(), centre.x());
  EXPECT_DOUBLE_EQ(canvas->view().centre().y(), centre.y());
  // Two notches of the wheel zoom by two, at the pointer.
  const QPointF at(40, 50);
  const QPointF under = canvas->view().ToWorld(at);
  QWheelEvent wheel(at, canvas->mapToGlobal(at), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &wheel);
  EXPECT_DOUBLE_EQ(canvas->view().scale(), fitted) << canvas->view().scale() / fitted;
  EXPECT_NEAR(canvas->view().ToWorld(at).x(), under.x(), 1e-12);
  // Dragging moves the world with the pointer.
  const QPointF before = canvas->view().centre();
  QTest::mousePress(canvas, Qt::LeftButton, {}, {100, 100});
  test::MovePointer(canvas, {130, 100}, Qt::LeftButton);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, {130, 100});
  EXPECT_NEAR(canvas->view().centre().x(), before.x() - 30 / fitted, 1e-12);
  QTest::mouseClick(w->cmdFit, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(canvas->view().scale(), fitted);
}

TEST_F(MapWindowTest, AStationTellsItsTrainsOpensItsBoardAndFillsTheMainWindowsBoxes) {
  MapWindow* w = OpenMap();
  // Close enough to tell 郑州 from 郑州东.
  w->picMap->view().SetScale(131072);
  w->picMap->view().SetCentre(*w->picture().WorldOf(Index(w, "郑州")));
  const QPoint zhengzhou = PixelOf(w, "郑州").toPoint();
  EXPECT_EQ(w->picMap->ToolTipAt(zhengzhou), "郑州\n22 趟列车停靠");
  QTest::mouseDClick(w->picMap, Qt::LeftButton, {}, zhengzhou);
  ASSERT_NE(main_->boardWindow(), nullptr);
  EXPECT_EQ(main_->boardWindow()->txtStation->text(), "郑州");

  for (const auto& [name, action] : {std::pair{"郑州", "mnuMapFrom"}, {"上海", "mnuMapTo"}}) {
    const std::unique_ptr<QMenu> menu(w->picMap->StationMenu(Index(w, name)));
    menu->findChild<QAction*>(action)->trigger();
  }
  EXPECT_EQ(main_->panel->txtFstation->text() + " → " + main_->panel->txtEstation->text(), "郑州 → 上海");
}

TEST_F(MapWindowTest, TheDetailWindowSendsTheRouteWithTheTravelledPart) {
  StationSearch("天津", "南京");
  TrainDetailWindow* detail = OpenRow(main_->results->lvMain, "T109");
  ASSERT_NE(detail, nullptr);
  ASSERT_TRUE(detail->cmdMap->isEnabled());
  QTest::mouseClick(detail->cmdMap, Qt::LeftButton);
  MapWindow* w = main_->mapWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->title(), "T109 天津 → 南京");
  // 北京 天津 德州 济南 徐州 蚌埠 南京 常州 无锡 苏州 上海: 天津 to 南京 travelled.
  int highlighted = 0;
  for (const auto& piece : w->picture().RoutePieces()) highlighted += piece.colour == kMapHighlight;
  EXPECT_EQ(w->picture().RoutePieces().size(), 10u);
  EXPECT_EQ(highlighted, 5);
  EXPECT_TRUE(w->picMap->view().VisibleWorld().contains(w->picture().RouteBounds()));
  EXPECT_EQ(w->lblNote->text(), "");
}

TEST_F(MapWindowTest, ARouteThroughStationsWithoutAPositionSaysHowManyAreLeftOut) {
  // 7091 北京北 → 张家口: only 沙城 and 宣化 have a position.
  main_->ShowRouteOnMap(
      {MapRoute::Kind::Train,
       "7091 北京北 → 张家口",
       {{"7091", {"北京北", "昌平", "南口", "八达岭", "康庄", "沙城", "宣化", "张家口"}, -1, -1}}});
  MapWindow* w = main_->mapWindow();
  EXPECT_EQ(w->lblNote->text(), "6 个车站无坐标，未画出");
  ASSERT_EQ(w->picture().RoutePieces().size(), 1u);
  EXPECT_EQ(w->picture().RoutePieces()[0].colour, kMapRoute);
}

TEST_F(MapWindowTest, TheBoardCentresAndMarksItsStation) {
  main_->OpenBoardOn("郑州");
  BoardWindow* board = main_->boardWindow();
  ASSERT_TRUE(board->cmdMap->isEnabled());
  QTest::mouseClick(board->cmdMap, Qt::LeftButton);
  MapWindow* w = main_->mapWindow();
  ASSERT_NE(w, nullptr);
  const QPointF at = PixelOf(w, "郑州");
  EXPECT_NEAR(at.x(), w->picMap->width() / 2.0, 0.5);
  EXPECT_NEAR(at.y(), w->picMap->height() / 2.0, 0.5);
  EXPECT_TRUE(w->picture().HasOverlay());
  EXPECT_EQ(w->title(), "郑州");
  main_->OpenMapOnStation("没有这个站");
  EXPECT_EQ(w->lblNote->text(), "车站“没有这个站”不在时刻表中");
  main_->OpenMapOnStation("张家口");
  EXPECT_EQ(w->lblNote->text(), "车站“张家口”无坐标，未画出");
}

TEST_F(MapWindowTest, TheJourneyWindowSendsTheSelectedJourneysLegs) {
  main_->OpenJourneys();
  JourneyWindow* journeys = main_->journeyWindow();
  journeys->SearchFrom("北京", "信阳", 0);
  ASSERT_GT(journeys->lvJourney->topLevelItemCount(), 0);
  journeys->lvJourney->setCurrentItem(journeys->lvJourney->topLevelItem(0));
  const MapRoute route = journeys->SelectedJourneyRoute();
  ASSERT_FALSE(route.legs.empty());
  EXPECT_TRUE(
      route.legs.front().stations.front().startsWith("北京"));  // 北京 and the stations named after it
  EXPECT_EQ(route.legs.back().stations.back(), "信阳");
  for (size_t l = 1; l < route.legs.size(); ++l)
    EXPECT_EQ(route.legs[l].stations.front(), route.legs[l - 1].stations.back());
  QTest::mouseClick(journeys->cmdMap, Qt::LeftButton);
  ASSERT_NE(main_->mapWindow(), nullptr);
  EXPECT_EQ(main_->mapWindow()->picture().ChangeStations().size(), route.legs.size() - 1);
  EXPECT_TRUE(main_->mapWindow()->title().endsWith(" → 信阳"));
}

TEST_F(MapWindowTest, PrintoutsAndPicturesCarryTheAttribution) {
  MapWindow* w = OpenMap();
  QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
  QStringList printed;
  for (const auto& t : recorder_.printers.printer.texts) printed << t.text;
  EXPECT_EQ(printed, (QStringList{"全国铁路网", kAttribution}));
  EXPECT_EQ(recorder_.printers.printer.images.size(), 1u);

  const std::filesystem::path svg = timetable_.Root() / "map.svg";
  ASSERT_TRUE(w->ExportTo(QString::fromStdString(svg.string())));
  // The drawing's texts, joined: a line of text is written as runs of one
  // font each (Chinese, Latin).
  const QString drawing = QString::fromStdString(test::ReadFile(svg));
  QString texts;
  for (const auto& run : QRegularExpression("<text[^>]*>([^<]*)</text>").globalMatch(drawing))
    texts += run.captured(1);
  texts.remove(' ');
  EXPECT_TRUE(texts.contains("地图数据©OpenStreetMap贡献者")) << texts.right(200).toStdString();

  recorder_.files.savePaths = {QString::fromStdString((timetable_.Root() / "map").string())};
  QTest::mouseClick(w->cmdExport, Qt::LeftButton);
  const QImage png(QString::fromStdString((timetable_.Root() / "map.png").string()));
  EXPECT_EQ(png.size(), w->picMap->size());
  EXPECT_EQ(recorder_.files.suggested, "全国铁路网 地图.png");

  EXPECT_FALSE(w->ExportTo(QString::fromStdString((timetable_.Root() / "no" / "such" / "map.png").string())));
  EXPECT_TRUE(Shown().empty());
}

class MapWithoutPositionsTest : public test::MainWindowFixture {};

TEST_F(MapWithoutPositionsTest, ATimetableWithoutPositionsOpensTheMapWithItsMessage) {
  main_->mnuRailMap->trigger();
  MapWindow* w = main_->mapWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->lblNote->text(), "时刻表中没有车站坐标，无法画出地图。请使用带有车站坐标的时刻表。");
  EXPECT_FALSE(w->cmdPrint->isEnabled());
  EXPECT_FALSE(w->cmdExport->isEnabled());
  EXPECT_FALSE(w->picMap->grab().isNull());  // paints the empty map without fault
}

}  // namespace
}  // namespace kw
