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

std::array<std::string, 7> FarePanelTexts(const FareSet& fares) {
  std::array<std::string, 7> texts;
  texts[0] = fares.seatFares[0] + " ";
  texts[1] = fares.seatFares[1] + " ";
  for (size_t j = 0; j < fares.sleeperFares.size(); ++j) {
    texts[2 + j] = fares.sleeperFares[0].empty() ? std::string(text::kNoSleeper) : fares.sleeperFares[j] + " ";
  }
  return texts;
}

}  // namespace kw
