#include "journey/JourneyTexts.h"

#include <cstdio>

#include "query/Fares.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"

namespace kw {

namespace {

int DayOf(int minutes) { return minutes >= 0 ? minutes / kMinutesPerDay : -1; }

// A day number in Chinese numerals, 1..99: 九, 十, 十一, 二十, 二十一.
std::string ChineseNumber(int n) {
  static constexpr const char* kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  if (n < 10) return kDigits[n];
  return std::string(n >= 20 ? kDigits[n / 10] : "") + "十" + kDigits[n % 10];
}

// A fare text of the fare table ("553", "12.5") in tenths of a yuan;
// nullopt for anything else.
std::optional<int> FareTenths(std::string_view text) {
  int tenths = 0;
  int decimals = -1;  // digits after the point; -1 before it
  for (char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
    } else if (c >= '0' && c <= '9' && decimals < 1 && tenths < 100000000) {
      tenths = tenths * 10 + (c - '0');
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  if (text.empty() || text.front() == '.' || decimals == 0) return std::nullopt;
  return decimals == 1 ? tenths : tenths * 10;
}

std::optional<int> LegDistance(const JourneyTimetable& timetable, const JourneyLeg& leg) {
  return JourneyDistance(timetable.distances[leg.boardStop], timetable.PositionInTrain(leg.boardStop) == 0,
                         timetable.distances[leg.alightStop]);
}

}  // namespace

std::string ClockText(int minutes) {
  const int m = MinuteOfDay(minutes);
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", m / 60, m % 60);
  return text;
}

std::string DayTimeText(int minutes) {
  const int day = DayOf(minutes);
  std::string label = DayLabel(day);
  if (day >= static_cast<int>(text::kDayLabels.size()) && day < 99) {
    // Chinese counts the departure day as the first; a translation counts the days after it.
    label = text::Fill(text::kLaterDay, {text::Translating() ? std::to_string(day) : ChineseNumber(day + 1)});
  }
  return label + ClockText(minutes);
}

std::string DurationText(int minutes) {
  const int m = minutes % kMinutesPerDay;
  return RunningTimeText(0, m / 60 * 100 + m % 60, minutes / kMinutesPerDay);
}

JourneyTexts DescribeJourney(const JourneyTimetable& timetable, const Journey& journey) {
  JourneyTexts texts;
  texts.departure = ClockText(journey.departureMinutes);
  texts.arrival = DayTimeText(journey.arrivalMinutes);
  texts.duration = DurationText(journey.durationMinutes());
  texts.changes = std::to_string(journey.changes());
  for (const auto& leg : journey.legs) {
    const JourneyTimetable::TrainTexts& train = timetable.trainTexts[leg.train];
    JourneyLegTexts l;
    l.trainId = timetable.trains[leg.train].id;
    l.number = train.number;
    l.caption = text::Fill(text::kStationCaption,
                           {train.number, text::StationName(train.firstStation), text::StationName(train.lastStation),
                            text::DataWord(train.kindName)});
    l.board = timetable.stations[timetable.stops[leg.boardStop].station].name;
    l.alight = timetable.stations[timetable.stops[leg.alightStop].station].name;
    l.boardText = DayTimeText(leg.boardMinutes);
    l.alightText = DayTimeText(leg.alightMinutes);
    l.runningText = DurationText(leg.alightMinutes - leg.boardMinutes);
    if (!texts.legs.empty()) {
      l.waitText = DurationText(leg.waitMinutes);
      texts.trains += text::kJourneyTrainJoin;
      if (!texts.transfers.empty()) texts.transfers += text::kJourneyTransferJoin;
      texts.transfers += text::Fill(text::kJourneyTransfer, {text::StationName(l.board), l.waitText});
    }
    texts.trains += l.number;
    texts.legs.push_back(std::move(l));
  }
  return texts;
}

RowFigures LegDistanceAndFare(Database& db, const JourneyTimetable& timetable, const JourneyLeg& leg) {
  return RowDistanceFare(db, RowStyle::Station, timetable.trains[leg.train].kindId, LegDistance(timetable, leg));
}

JourneyTotals JourneyDistanceAndFare(Database& db, const JourneyTimetable& timetable, const Journey& journey) {
  JourneyTotals totals;
  totals.distanceKm = 0;
  totals.fareTenths = 0;
  for (const JourneyLeg& leg : journey.legs) {
    const std::optional<int> km = LegDistance(timetable, leg);
    std::optional<int> fare;
    if (km && *km <= kInternationalDistance) {
      fare = FareTenths(LookupFares(db, timetable.trains[leg.train].kindId, *km).seatFares[0]);
    }
    totals.distanceKm = km && totals.distanceKm ? std::optional(*totals.distanceKm + *km) : std::nullopt;
    totals.fareTenths = fare && totals.fareTenths ? std::optional(*totals.fareTenths + *fare) : std::nullopt;
  }
  totals.distanceText =
      totals.distanceKm ? std::to_string(*totals.distanceKm) : std::string(text::kUnknownFigure);
  if (!totals.fareTenths) {
    totals.fareText = std::string(text::kUnknownFigure);
  } else {
    totals.fareText = std::to_string(*totals.fareTenths / 10);
    if (*totals.fareTenths % 10) totals.fareText += "." + std::to_string(*totals.fareTenths % 10);
  }
  return totals;
}

}  // namespace kw
