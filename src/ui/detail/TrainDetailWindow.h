// The train detail window, frmPass: one train's title, headline times and
// distance, the fares of all seven classes, the route drawn as a chain of
// station balls, rails and vertical names (wrapping onto further rows) with
// the travelled stretch highlighted, and the stop grid flgPass that can take
// the diagram's place. Pointing at a station shows its times and distance in
// a small box; four picture buttons switch between grid and diagram, print
// and close (Tab reaches them; Esc closes the window too). The title bar
// names the train.
//
// A station's row in the stop grid offers 查看车站时刻 in its context menu;
// stationBoardRequested(name) asks for the board of that station.
//
// printRequested() fires when Command1 (打印) is clicked; the opener prints
// from lblTitle, flgPass (its captions are its header) and the window's image
// without Command1.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "query/TrainDetail.h"
#include "ui/SearchContext.h"
#include "ui/map/MapRoute.h"

class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace kw {

class Database;
class MessageBoxes;
class PictureButton;

// A rectangle in twips, the unit of the window's design.
struct TwipsBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int bottom() const { return top + height; }
};

class TrainDetailWindow : public QWidget {
  Q_OBJECT

 public:
  // The client area, in twips.
  static constexpr int kClientWidth = 10290;
  static constexpr int kClientHeight = 7305;

  TrainDetailWindow(Database& db, MessageBoxes& messages, QWidget* parent = nullptr);

  // Builds the window for the train `context` names, as the result list that
  // opened it left the context (in "STATION" and "CHANGE" mode legBoardName
  // and legAlightName name the stretch travelled on it). False when there is
  // nothing to show: an international train, or a database that failed; the
  // message has been shown (over the parent) then. Call once, before show().
  bool Open(const SearchContext& context);

  // The stop grid covers the diagram.
  bool gridShown() const;
  // The context menu of stop `row` of the grid (deleted when it closes):
  // 查看车站时刻 on a stop, then the grid's own actions (复制, 导出为 CSV…);
  // null when it would be empty.
  QMenu* StopMenu(int row);

  QLabel* lblTitle;
  QLabel* lblFTime;
  QLabel* lblETime;
  QLabel* lblCount;
  QLabel* lblKM;
  std::array<QLabel*, 7> lblPrice{};
  QTableWidget* flgPass;
  // What the window shows, for the name of a file it is saved to
  // ("北京-上海 K21次").
  QString fileStem;
  // The hover box and its lines.
  QFrame* fraDetail;
  QLabel* Label4_2;  // "到站时间：", shown for the terminal only
  QLabel* lbl_1;     // "发车时间："
  QLabel* Label1;    // "总 里 程："
  QLabel* flblEtime;
  QLabel* flblStime;
  QLabel* labDistance;
  PictureButton* Command2;  // 列表
  PictureButton* Command3;  // 图形
  PictureButton* Command1;  // 打印
  PictureButton* comClose;  // 关闭
  QPushButton* cmdMap;      // 地图: the route on the map (mapRequested)
  // The train's route for the map, the travelled part as the diagram
  // highlights it; titled "G1 北京南 → 上海虹桥".
  const MapRoute& mapRoute() const { return mapRoute_; }

 signals:
  void printRequested();
  void stationBoardRequested(const QString& name);
  void mapRequested(const kw::MapRoute& route);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // One diagram picture or name: its widget and its place in twips.
  struct Element {
    QLabel* widget = nullptr;
    TwipsBox box;
  };

  void BuildHeadline();
  void BuildFarePanel();
  void BuildHoverBox();
  void BuildButtons();
  void Load(const SearchContext& context);
  void ShowDetail(const TrainDetail& detail, int stationCount, const QString& note);
  void LayOutDiagram(const std::string& firstStation);
  void HideDiagram();
  void Highlight(const Segment& segment);
  Element& AddElement(std::vector<Element>& elements, const char* name, const TwipsBox& box);
  void Place(Element& element, const TwipsBox& box);
  void ShowStation(int i, QPoint pointer);
  void ResetPointer();
  int stopCount() const { return stops_.count(); }

  Database& db_;
  MessageBoxes& messages_;
  StopList stops_;
  std::vector<Element> balls_;
  std::vector<Element> rails_;
  std::vector<Element> labels_;
  MapRoute mapRoute_;
};

}  // namespace kw
