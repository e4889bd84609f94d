// What another window asks the map to draw over the network: one train's
// route with the part travelled on it (the detail window), or the legs of a
// journey (the journey window). Stations are named as the timetable names
// them; the map finds their positions.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kw {

struct MapLeg {
  QString train;         // "G1"
  QStringList stations;  // the stops, in running order
  // The stops travelled, first and last index into stations; -1: none
  // (the whole route is drawn in the route's colour).
  int boardIndex = -1;
  int alightIndex = -1;
};

struct MapRoute {
  enum class Kind {
    Train,    // one leg: the whole route, the travelled part highlighted
    Journey,  // the legs as ridden, each in its own colour, changes marked
  };
  Kind kind = Kind::Train;
  QString title;  // for the window, printouts and files: "G1 北京南 → 上海虹桥"
  std::vector<MapLeg> legs;
};

}  // namespace kw
