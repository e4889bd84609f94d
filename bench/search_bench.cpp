// The searches at national scale, each beside its statement-per-row reference
// (BM_<case>_Literal) where there is one. Before a reference is timed it must
// find the same trains as the real search, or the case is reported as failed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "BenchDatabases.h"
#include "LiteralSearches.h"
#include "query/DirectSearch.h"
#include "query/Fares.h"
#include "query/StationBoard.h"
#include "query/StationLookup.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"

namespace kw::bench {
namespace {

Database& ScaledDb(const benchmark::State& state) { return BenchDb(static_cast<int>(state.range(0))); }

std::vector<int> SortedIds(const std::vector<ResultRow>& rows) {
  std::vector<int> ids;
  for (const auto& row : rows) ids.push_back(row.trainId);
  std::sort(ids.begin(), ids.end());
  return ids;
}

// Fails the case unless the reference found what the real search found.
template <typename T>
bool SameResult(benchmark::State& state, const T& real, const T& reference) {
  if (real == reference) return true;
  state.SkipWithError("the reference and the real search disagree");
  return false;
}

// Ids of stations named exactly `names`; fails the case when one is missing
// (a timetable without that station).
template <size_t N>
std::optional<std::array<int, N>> StationIds(benchmark::State& state, const char* const (&names)[N]) {
  std::array<int, N> ids{};
  for (size_t i = 0; i < N; ++i) {
    const auto id = StationIdByName(ScaledDb(state), names[i]);
    if (!id) {
      state.SkipWithError((std::string("no station named ") + names[i]).c_str());
      return std::nullopt;
    }
    ids[i] = *id;
  }
  return ids;
}

// ------------------------------------------------------------ station to station

// Every station of one family to every station of another: 北京 covers 北京,
// 北京南, 北京西, 北京东 (and their copies in the scaled networks). Bounds hhmm.
struct Families {
  const char* from;
  const char* to;
  int earliestDeparture;
  int latestArrival;
  const char* classOption = "";  // the 车型 option, "" for every class
};

constexpr Families kBeijingShanghai{"北京", "上海", 0, 0};
constexpr Families kGuangzhouWuhan{"广州", "武汉", 0, 0};
constexpr Families kBeijingShanghaiWindow{"北京", "上海", 800, 2000};
constexpr Families kGuangzhouWuhanWindow{"广州", "武汉", 800, 2000};
// One typed character each: every station whose name begins with 南 (about
// fifty) to every one beginning with 东 (about forty).
constexpr Families kOneCharacter{"南", "东", 0, 0};
constexpr Families kBeijingShanghaiExpress{"北京", "上海", 0, 0, "特快"};

StationSearchResult RealStationSearch(Database& db, const Families& f) {
  StationSearchRequest request;
  request.fromText = f.from;
  request.toText = f.to;
  request.earliestDeparture = f.earliestDeparture;
  request.latestArrival = f.latestArrival;
  request.windowHoursGiven = f.earliestDeparture >= 100 || f.latestArrival >= 100;
  request.classOption = f.classOption;
  return RunStationSearch(db, request);
}

void BM_StationSearch(benchmark::State& state, Families f) {
  Database& db = ScaledDb(state);
  size_t rows = 0;
  for (auto _ : state) {
    const auto result = RealStationSearch(db, f);
    rows = result.rows.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_StationSearch_Literal(benchmark::State& state, Families f) {
  Database& db = ScaledDb(state);
  const auto search = [&] {
    return literal::StationSearch(db, f.from, f.to, f.earliestDeparture, f.latestArrival);
  };
  if (!SameResult(state, SortedIds(RealStationSearch(db, f).rows), SortedIds(search()))) return;
  for (auto _ : state) benchmark::DoNotOptimize(search());
}

#define KW_FAMILIES(bm)                                                                     \
  BENCHMARK_CAPTURE(bm, beijing_shanghai, kBeijingShanghai)->Apply(Scales);                 \
  BENCHMARK_CAPTURE(bm, guangzhou_wuhan, kGuangzhouWuhan)->Apply(Scales);                   \
  BENCHMARK_CAPTURE(bm, beijing_shanghai_0800_2000, kBeijingShanghaiWindow)->Apply(Scales); \
  BENCHMARK_CAPTURE(bm, guangzhou_wuhan_0800_2000, kGuangzhouWuhanWindow)->Apply(Scales);   \
  BENCHMARK_CAPTURE(bm, one_character, kOneCharacter)->Apply(Scales)

void Scales(benchmark::internal::Benchmark* b) {
  for (int scale : kScales) b->Arg(scale);
  b->Unit(benchmark::kMillisecond);
}

KW_FAMILIES(BM_StationSearch);
KW_FAMILIES(BM_StationSearch_Literal);
BENCHMARK_CAPTURE(BM_StationSearch, beijing_shanghai_express, kBeijingShanghaiExpress)->Apply(Scales);

// ------------------------------------------------------------ transfer

// Pairs without a through train. The branch lines: 丹东 on the Korean border
// to 海口 on Hainan island, about ten places to change. The hubs: 广州南 and
// 北京南 share no train; some fifty places to change, the busiest case.
struct FarPair {
  const char* names[2];
  const char* classOption = "";  // the 车型 option, "" for every class
};
constexpr FarPair kFarBranch{{"丹东", "海口"}};
constexpr FarPair kFarHubs{{"广州南", "北京南"}};
// With a class: 喀什 to 福州, changing between 快速 trains (a handful of places).
constexpr FarPair kFarFast{{"喀什", "福州"}, "快速"};

void BM_TransferStations(benchmark::State& state, FarPair pair) {
  const auto ids = StationIds(state, pair.names);
  if (!ids) return;
  Database& db = ScaledDb(state);
  size_t count = 0;
  for (auto _ : state) {
    const auto candidates = FindTransferStations(db, (*ids)[0], (*ids)[1], pair.classOption);
    count = candidates.names.size();
    benchmark::DoNotOptimize(candidates);
  }
  state.counters["stations"] = static_cast<double>(count);
}

void BM_TransferStations_Literal(benchmark::State& state, FarPair pair) {
  const auto ids = StationIds(state, pair.names);
  if (!ids) return;
  Database& db = ScaledDb(state);
  const auto search = [&] { return literal::TransferStations(db, (*ids)[0], (*ids)[1]); };
  if (!SameResult(state, FindTransferStations(db, (*ids)[0], (*ids)[1]).names, search())) return;
  for (auto _ : state) benchmark::DoNotOptimize(search());
}

BENCHMARK_CAPTURE(BM_TransferStations, far_branch, kFarBranch)->Apply(Scales);
BENCHMARK_CAPTURE(BM_TransferStations, far_hubs, kFarHubs)->Apply(Scales);
BENCHMARK_CAPTURE(BM_TransferStations, far_fast, kFarFast)->Apply(Scales);
BENCHMARK_CAPTURE(BM_TransferStations_Literal, far_branch, kFarBranch)->Apply(Scales);
BENCHMARK_CAPTURE(BM_TransferStations_Literal, far_hubs, kFarHubs)->Apply(Scales);

// Both legs through a picked candidate: 沈阳北 for the branch lines, 上海虹桥
// (some forty trains on to 北京南) for the hubs.
struct Journey {
  const char* names[2];
  const char* via;
};

void BM_TwoLegSearch(benchmark::State& state, Journey journey) {
  const auto ids = StationIds(state, journey.names);
  if (!ids) return;
  Database& db = ScaledDb(state);
  const auto search = [&] { return PickTransferStation(db, (*ids)[0], (*ids)[1], journey.via, 0, 0); };
  const TwoLegResult legs = search();
  if (legs.outcome != TwoLegOutcome::Found) {
    state.SkipWithError("no train on a leg");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(search());
  state.counters["rows"] = static_cast<double>(legs.firstLeg.size() + legs.secondLeg.size());
}
BENCHMARK_CAPTURE(BM_TwoLegSearch, far_branch, Journey{{"丹东", "海口"}, "沈阳北"})->Apply(Scales);
BENCHMARK_CAPTURE(BM_TwoLegSearch, far_hubs, Journey{{"广州南", "北京南"}, "上海虹桥"})->Apply(Scales);

// ------------------------------------------------------------ train number

// One text per rule: with a letter (numbers ending in it), four digits or more
// (numbers containing them), up to three digits (after a letter or "/").
void BM_TrainNumberSearch(benchmark::State& state, const char* text) {
  Database& db = ScaledDb(state);
  size_t rows = 0;
  for (auto _ : state) {
    const auto result = FindTrainsByNumber(db, text);
    rows = result.rows.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_TrainNumberSearch_Literal(benchmark::State& state, const char* text) {
  Database& db = ScaledDb(state);
  if (!SameResult(state, SortedIds(FindTrainsByNumber(db, text).rows),
                  SortedIds(literal::TrainsByNumber(db, text))))
    return;
  for (auto _ : state) benchmark::DoNotOptimize(literal::TrainsByNumber(db, text));
}

#define KW_RULES(bm)                                    \
  BENCHMARK_CAPTURE(bm, A_K21, "K21")->Apply(Scales);   \
  BENCHMARK_CAPTURE(bm, B_1461, "1461")->Apply(Scales); \
  BENCHMARK_CAPTURE(bm, C_21, "21")->Apply(Scales)

KW_RULES(BM_TrainNumberSearch);
KW_RULES(BM_TrainNumberSearch_Literal);

// ------------------------------------------------------------ station board

// The busiest boards: every call at one station, in departure order.
void BM_StationBoard(benchmark::State& state, const char* station) {
  Database& db = ScaledDb(state);
  BoardRequest request;
  request.stationText = station;
  size_t rows = 0;
  for (auto _ : state) {
    const BoardResult board = FindStationBoard(db, request);
    rows = board.rows.size();
    benchmark::DoNotOptimize(board);
  }
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_StationBoard_Literal(benchmark::State& state, const char* station) {
  const char* const names[] = {station};
  const auto ids = StationIds(state, names);
  if (!ids) return;
  Database& db = ScaledDb(state);
  BoardRequest request;
  request.stationText = station;
  std::vector<int> real;
  for (const auto& row : FindStationBoard(db, request).rows) real.push_back(row.trainId);
  std::sort(real.begin(), real.end());
  std::vector<int> reference = literal::StationBoard(db, (*ids)[0]);
  std::sort(reference.begin(), reference.end());
  if (!SameResult(state, real, reference)) return;
  for (auto _ : state) benchmark::DoNotOptimize(literal::StationBoard(db, (*ids)[0]));
}

#define KW_BOARDS(bm)                                                    \
  BENCHMARK_CAPTURE(bm, shanghai_hongqiao, "上海虹桥")->Apply(Scales); \
  BENCHMARK_CAPTURE(bm, beijing_south, "北京南")->Apply(Scales);       \
  BENCHMARK_CAPTURE(bm, guangzhou_south, "广州南")->Apply(Scales)

KW_BOARDS(BM_StationBoard);
KW_BOARDS(BM_StationBoard_Literal);

// ------------------------------------------------------------ one train

// The train with the most stops, and the names of its second and last but
// one stops for a segment.
struct LongestTrain {
  int id = 0;
  std::string board;
  std::string alight;
};

LongestTrain FindLongestTrain(Database& db) {
  LongestTrain train;
  {
    auto q = db.Prepare("SELECT trainid FROM pass GROUP BY trainid ORDER BY count(*) DESC, trainid LIMIT 1");
    if (q.Step()) train.id = q.Int(0);
  }
  const StopList list = LoadStopList(db, train.id);
  if (list.count() >= 4) {
    train.board = list.stops[1].stationName;
    train.alight = list.stops[list.count() - 2].stationName;
  }
  return train;
}

// What the detail window loads when it opens: the stop list, the headline
// data (whole route or segment) and the fares of its distance.
void BM_TrainDetail(benchmark::State& state, bool wholeRoute) {
  Database& db = ScaledDb(state);
  const LongestTrain train = FindLongestTrain(db);
  size_t stops = 0;
  for (auto _ : state) {
    const StopList list = LoadStopList(db, train.id);
    const TrainDetail detail = LoadTrainDetail(db, train.id, wholeRoute, train.board, train.alight);
    const auto fares = FarePanelTexts(db, detail.kindId, detail.distanceKm);
    stops = list.stops.size();
    benchmark::DoNotOptimize(list);
    benchmark::DoNotOptimize(fares);
    if (!detail.found) {
      state.SkipWithError("the longest train has no detail");
      break;
    }
  }
  state.counters["stops"] = static_cast<double>(stops);
}
BENCHMARK_CAPTURE(BM_TrainDetail, route, true)->Apply(Scales);
BENCHMARK_CAPTURE(BM_TrainDetail, segment, false)->Apply(Scales);

}  // namespace
}  // namespace kw::bench
