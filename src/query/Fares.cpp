#include "query/Fares.h"

#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

struct FamilyColumns {
  std::string_view family;
  std::string_view seat;
  std::string_view sleeper;
};

constexpr FamilyColumns kFamilies[] = {
    {text::kFamilySlow, "pkz", "pmw"},        {text::kFamilyFast, "pkz", "pkw"},
    {text::kFamilyExpress, "tkz", "tkw"},     {text::kFamilyAcFast, "ktpkz", "ktpkw"},
    {text::kFamilyAcExpress, "kttkz", "kttkw"},
};

constexpr int kSleeperDistance = 400;

}  // namespace

void SplitFares(std::string_view text, char shape, FareSet& fares) {
  if (shape == 'Z') {
    const size_t comma = text.find(',');
    fares.seatFares[0] = std::string(text.substr(0, comma));
    fares.seatFares[1] = comma == std::string_view::npos ? std::string() : std::string(text.substr(comma + 1));
  } else if (shape == 'W') {
    for (auto& fare : fares.sleeperFares) {
      const size_t comma = text.find(',');
      fare = std::string(text.substr(0, comma));
      text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
  }
}

FareSet LookupFares(Database& db, int kindId, int distance) {
  FareSet fares;
  fares.distance = distance == 0 ? 1 : distance;

  std::string family;
  {
    auto q = db.Prepare("SELECT price FROM kind WHERE id = ?");
    q.Bind(1, kindId);
    if (q.Step()) family = q.Text(0);
  }
  const FamilyColumns* columns = nullptr;
  for (const auto& f : kFamilies) {
    if (f.family == family) columns = &f;
  }
  if (columns) {
    // The band of a journey is the row with the smallest distance not below it.
    auto q = db.Prepare(
        "SELECT pkz, pmw, pkw, tkz, tkw, ktpkz, ktpkw, kttkz, kttkw FROM price "
        "WHERE distance >= ? ORDER BY distance LIMIT 1");
    q.Bind(1, fares.distance);
    if (q.Step()) {
      fares.priced = true;
      const auto column = [&q](std::string_view name) {
        for (int c = 0; c < q.ColumnCount(); ++c) {
          if (q.ColumnName(c) == name) return q.Text(c);
        }
        return std::string();
      };
      SplitFares(column(columns->seat), 'Z', fares);
      if (fares.distance >= kSleeperDistance) SplitFares(column(columns->sleeper), 'W', fares);
    }
  }
  if (fares.distance < kSleeperDistance) {
    for (auto& fare : fares.sleeperFares) fare = std::string(text::kNoSleeper);
  }
  return fares;
}

bool StopDistanceKnown(int km, bool firstStop) { return km > 0 || (km == 0 && firstStop); }

std::optional<int> JourneyDistance(int boardKm, bool boardIsFirst, int alightKm) {
  if (!StopDistanceKnown(boardKm, boardIsFirst) || !StopDistanceKnown(alightKm, false) ||
      alightKm <= boardKm) {
    return std::nullopt;
  }
  return alightKm - boardKm;
}

std::string DistanceText(std::optional<int> km) {
  return km ? std::to_string(*km) : std::string(text::kUnknownFigure);
}

RowFigures RowDistanceFare(Database& db, RowStyle style, int kindId, std::optional<int> distance) {
  RowFigures figures;
  const bool station = style == RowStyle::Station;
  figures.distanceText = " " + DistanceText(distance) + (station ? " " : "");
  figures.international =
      distance && (station ? *distance > kInternationalDistance : *distance >= kInternationalDistance);
  if (figures.international) {
    figures.fareText = std::string(text::kInternationalTrain);
    return figures;
  }
  std::string fare = distance ? LookupFares(db, kindId, *distance).seatFares[0] : std::string();
  if (fare.empty()) fare = std::string(text::kUnknownFigure);
  figures.fareText = station ? fare + " " : " " + fare;
  return figures;
}

std::array<std::string, 7> FarePanelTexts(Database& db, int kindId, std::optional<int> distance) {
  std::array<std::string, 7> texts;
  if (!distance) {
    texts.fill(std::string(text::kUnknownFigure));
    return texts;
  }
  const FareSet fares = LookupFares(db, kindId, *distance);
  const auto shown = [](const std::string& fare) {
    return fare.empty() ? std::string(text::kUnknownFigure) : fare + " ";
  };
  texts[0] = shown(fares.seatFares[0]);
  texts[1] = shown(fares.seatFares[1]);
  // A family whose sleeper column is empty has no berths.
  const bool noBerths = fares.priced && fares.sleeperFares[0].empty();
  for (size_t j = 0; j < fares.sleeperFares.size(); ++j) {
    texts[2 + j] = noBerths ? std::string(text::kNoSleeper) : shown(fares.sleeperFares[j]);
  }
  return texts;
}

}  // namespace kw
