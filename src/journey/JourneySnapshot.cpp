#include "journey/JourneySnapshot.h"

#include <sys/stat.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <type_traits>

#include "store/ContentIdentity.h"
#include "store/Database.h"
#include "store/UserCache.h"

namespace kw {

namespace {

constexpr std::string_view kMagic = "KWJTSNAP";
// Written as it lies in memory: a snapshot from a machine that orders bytes
// otherwise is foreign.
constexpr std::uint32_t kByteOrder = 0x01020304;
// magic, format, byte order, payload size, checksum, source size.
constexpr size_t kHeaderBytes = 8 + 4 + 4 + 8 + 4 + 4;
// More than any timetable's snapshot; a larger file is not read.
constexpr std::uint64_t kMaxSnapshotBytes = std::uint64_t{1} << 31;

// Arrays whose elements are copied as their bytes: no padding, nothing
// but numbers.
static_assert(std::has_unique_object_representations_v<JourneyTimetable::Stop>);
static_assert(std::has_unique_object_representations_v<JourneyTimetable::Call>);

std::uint32_t Checksum(std::string_view bytes) {
  uLong crc = crc32_z(0, nullptr, 0);
  crc = crc32_z(crc, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
  return static_cast<std::uint32_t>(crc);
}

class Writer {
 public:
  template <typename T>
  void Number(T value) {
    static_assert(std::is_arithmetic_v<T>);
    out_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void Text(const std::string& s) {
    Number(static_cast<std::uint32_t>(s.size()));
    out_ += s;
  }
  template <typename T>
  void Array(const std::vector<T>& v) {
    Number(static_cast<std::uint64_t>(v.size()));
    out_.append(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(T));
  }
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

// Reads what Writer wrote; every read past the end or any count that
// cannot fit in what is left makes it fail, and from then on it reads
// zeros and empty arrays.
class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return in_.empty(); }

  template <typename T>
  T Number() {
    T value{};
    if (!Take(sizeof value)) return value;
    std::memcpy(&value, in_.data() - sizeof value, sizeof value);
    return value;
  }
  std::string Text() {
    const std::uint32_t size = Number<std::uint32_t>();
    if (!Take(size)) return {};
    return std::string(in_.data() - size, size);
  }
  // A count of elements of `bytesEach` bytes at least that follow.
  size_t Count(size_t bytesEach) {
    const std::uint64_t count = Number<std::uint64_t>();
    if (!ok_ || count > in_.size() / bytesEach) {
      ok_ = false;
      return 0;
    }
    return static_cast<size_t>(count);
  }
  template <typename T>
  void Array(std::vector<T>& v) {
    const size_t count = Count(sizeof(T));
    v.resize(count);
    if (count && Take(count * sizeof(T))) std::memcpy(v.data(), in_.data() - count * sizeof(T), count * sizeof(T));
  }

 private:
  bool Take(size_t bytes) {
    if (!ok_ || bytes > in_.size()) {
      ok_ = false;
      return false;
    }
    in_.remove_prefix(bytes);
    return true;
  }
  std::string_view in_;
  bool ok_ = true;
};

std::string Payload(const JourneyTimetable& t) {
  Writer w;
  w.Number(static_cast<std::uint64_t>(t.stations.size()));
  for (const auto& s : t.stations) {
    w.Number<std::int32_t>(s.id);
    w.Text(s.name);
  }
  w.Number(static_cast<std::uint64_t>(t.trains.size()));
  for (size_t i = 0; i < t.trains.size(); ++i) {
    const JourneyTimetable::Train& train = t.trains[i];
    w.Number<std::int32_t>(train.id);
    w.Number<std::int32_t>(train.kindId);
    w.Number<std::uint8_t>(static_cast<std::uint8_t>(train.type));
    w.Number<std::int32_t>(train.firstStop);
    w.Number<std::int32_t>(train.stopCount);
    const JourneyTimetable::TrainTexts& texts = t.trainTexts[i];
    for (const std::string* s : {&texts.number, &texts.kindName, &texts.firstStation, &texts.lastStation}) {
      w.Text(*s);
    }
  }
  w.Array(t.stops);
  w.Array(t.distances);
  w.Array(t.callsBegin);
  w.Array(t.calls);
  w.Array(t.linksBegin);
  w.Number(static_cast<std::uint64_t>(t.links.size()));
  for (const auto& link : t.links) {
    w.Number<std::int32_t>(link.fromStation);
    w.Number<std::uint16_t>(link.minutes);
    w.Number<std::uint8_t>(static_cast<std::uint8_t>(link.type));
  }
  return std::move(w.Bytes());
}

// Whether `begin` splits `count` elements into `parts` runs in order.
bool SplitsInto(const std::vector<int>& begin, size_t parts, size_t count) {
  if (begin.size() != parts + 1 || begin.front() != 0 || static_cast<size_t>(begin.back()) != count) return false;
  for (size_t i = 1; i < begin.size(); ++i) {
    if (begin[i] < begin[i - 1]) return false;
  }
  return true;
}

// Whether the arrays fit one another as BuildJourneyTimetable leaves them:
// every index within its array, each train's stops its own and in order of
// time, the calls and links of each station in place. What the searches
// take for granted, checked once, so that no snapshot can lead them astray.
bool Fits(const JourneyTimetable& t) {
  const size_t stations = t.stations.size();
  for (size_t s = 1; s < stations; ++s) {
    if (t.stations[s].id <= t.stations[s - 1].id) return false;
  }
  if (t.trainTexts.size() != t.trains.size() || t.distances.size() != t.stops.size()) return false;
  size_t next = 0;
  for (size_t i = 0; i < t.trains.size(); ++i) {
    const JourneyTimetable::Train& train = t.trains[i];
    if (static_cast<unsigned>(train.type) >= kTrainTypeCount || train.firstStop < 0 ||
        static_cast<size_t>(train.firstStop) != next || train.stopCount < 2 ||
        static_cast<size_t>(train.stopCount) > t.stops.size() - next) {
      return false;
    }
    for (int k = 0; k < train.stopCount; ++k) {
      const JourneyTimetable::Stop& stop = t.stops[next + k];
      if (stop.train != static_cast<int>(i) || stop.station < 0 || static_cast<size_t>(stop.station) >= stations ||
          stop.depart < stop.arrive || (k > 0 && stop.arrive < t.stops[next + k - 1].depart)) {
        return false;
      }
    }
    next += static_cast<size_t>(train.stopCount);
  }
  if (next != t.stops.size()) return false;
  if (!SplitsInto(t.callsBegin, stations, t.calls.size()) || t.calls.size() != t.stops.size()) return false;
  for (size_t s = 0; s < stations; ++s) {
    for (int c = t.callsBegin[s]; c < t.callsBegin[s + 1]; ++c) {
      const JourneyTimetable::Call& call = t.calls[c];
      if (call.stop < 0 || static_cast<size_t>(call.stop) >= t.stops.size()) return false;
      const JourneyTimetable::Stop& stop = t.stops[call.stop];
      if (static_cast<size_t>(stop.station) != s || call.train != stop.train || call.depart != stop.depart) {
        return false;
      }
    }
  }
  if (!SplitsInto(t.linksBegin, stations, t.links.size())) return false;
  for (const auto& link : t.links) {
    if (link.fromStation < 0 || static_cast<size_t>(link.fromStation) >= stations ||
        static_cast<unsigned>(link.type) >= kTrainTypeCount) {
      return false;
    }
  }
  return true;
}

// A checksum of the file's first page. SQLite counts the changes written to
// the file there (each one, or, under an exclusive lock, the first of the
// lock), and SQLCipher encrypts the page afresh each time.
std::optional<std::uint32_t> FirstPageChecksum(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string head(4096, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), f));
  std::fclose(f);
  if (head.empty()) return std::nullopt;
  return Checksum(head);
}

}  // namespace

std::string JourneySnapshotBytes(const JourneyTimetable& t, std::string_view source, std::uint32_t format) {
  const std::string payload = Payload(t);
  Writer w;
  w.Bytes().reserve(kHeaderBytes + source.size() + payload.size());
  w.Bytes() += kMagic;
  w.Number(format);
  w.Number(kByteOrder);
  w.Number(static_cast<std::uint64_t>(payload.size()));
  w.Number(Checksum(payload));
  w.Text(std::string(source));
  w.Bytes() += payload;
  return std::move(w.Bytes());
}

std::optional<JourneyTimetable> JourneyTimetableFromSnapshot(std::string_view bytes, std::string_view source) {
  if (bytes.substr(0, kMagic.size()) != kMagic) return std::nullopt;
  Reader header(bytes.substr(kMagic.size()));
  const auto format = header.Number<std::uint32_t>();
  const auto order = header.Number<std::uint32_t>();
  const auto payloadBytes = header.Number<std::uint64_t>();
  const auto checksum = header.Number<std::uint32_t>();
  const std::string recorded = header.Text();
  if (!header.Ok() || format != kJourneySnapshotFormat || order != kByteOrder || recorded != source ||
      source.empty()) {
    return std::nullopt;
  }
  const size_t headerBytes = kHeaderBytes + recorded.size();
  if (bytes.size() < headerBytes || bytes.size() - headerBytes != payloadBytes) return std::nullopt;
  const std::string_view payload = bytes.substr(headerBytes);
  if (Checksum(payload) != checksum) return std::nullopt;

  Reader r(payload);
  JourneyTimetable t;
  t.stations.resize(r.Count(4 + 4));
  for (auto& s : t.stations) {
    s.id = r.Number<std::int32_t>();
    s.name = r.Text();
  }
  const size_t trains = r.Count(4 * 4 + 1 + 4 * 4);
  t.trains.resize(trains);
  t.trainTexts.resize(trains);
  for (size_t i = 0; i < trains; ++i) {
    JourneyTimetable::Train& train = t.trains[i];
    train.id = r.Number<std::int32_t>();
    train.kindId = r.Number<std::int32_t>();
    train.type = static_cast<TrainType>(r.Number<std::uint8_t>());
    train.firstStop = r.Number<std::int32_t>();
    train.stopCount = r.Number<std::int32_t>();
    JourneyTimetable::TrainTexts& texts = t.trainTexts[i];
    for (std::string* s : {&texts.number, &texts.kindName, &texts.firstStation, &texts.lastStation}) *s = r.Text();
  }
  r.Array(t.stops);
  r.Array(t.distances);
  r.Array(t.callsBegin);
  r.Array(t.calls);
  r.Array(t.linksBegin);
  t.links.resize(r.Count(4 + 2 + 1));
  for (auto& link : t.links) {
    link.fromStation = r.Number<std::int32_t>();
    link.minutes = r.Number<std::uint16_t>();
    link.type = static_cast<TrainType>(r.Number<std::uint8_t>());
  }
  if (!r.Ok() || !r.AtEnd() || !Fits(t)) return std::nullopt;
  return t;
}

std::string JourneySnapshotSource(Database& db) {
  const std::string identity = ReadContentIdentity(db);
  if (identity.empty()) return {};
  // The identity moves on with every update applied. The file's size, time
  // of change and first page besides tell a file changed by any writer that
  // does not move it (a statement run on the file by hand, a tool of its
  // own): the snapshot is then built again rather than trusted.
  struct stat st {};
  const std::optional<std::uint32_t> firstPage = FirstPageChecksum(db.Path());
  if (::stat(db.Path().c_str(), &st) != 0 || !firstPage) return {};
  const long long changed = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return identity + "\n" + std::to_string(st.st_size) + "\n" + std::to_string(changed) + "\n" +
         std::to_string(*firstPage);
}

std::string JourneySnapshotFileName(const std::string& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::weakly_canonical(path, ec);
  if (ec) full = path;
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(NameHash(full.string())));
  return "journeys-" + std::string(hash) + ".snapshot";
}

namespace {

std::optional<FoundJourneySnapshot> FindSnapshot(Database& db, const std::string& source,
                                                 const std::string& name) {
  // After changes through this connection the file may still look as it
  // did to the clock and to its first page (several changes under one
  // exclusive lock, within one tick): the timetable is built again.
  if (source.empty() || db.TotalChanges() != 0) return std::nullopt;
  std::optional<LargeCacheFile> file = ReadLargeCacheFile(name, kMaxSnapshotBytes);
  if (!file) return std::nullopt;
  return FoundJourneySnapshot{std::move(*file), source};
}

}  // namespace

std::optional<FoundJourneySnapshot> FindJourneySnapshot(Database& db) {
  return FindSnapshot(db, JourneySnapshotSource(db), JourneySnapshotFileName(db.Path()));
}

JourneyTimetable LoadJourneyTimetable(Database& db, JourneyTimetableOrigin* origin) {
  const std::string source = JourneySnapshotSource(db);
  const std::string name = JourneySnapshotFileName(db.Path());
  if (const auto found = FindSnapshot(db, source, name)) {
    if (auto t = JourneyTimetableFromSnapshot(found->file.Bytes(), source)) {
      if (origin) *origin = JourneyTimetableOrigin::Snapshot;
      return std::move(*t);
    }
  }
  JourneyTimetable t = BuildJourneyTimetable(db);
  if (!source.empty()) WriteCacheFile(name, JourneySnapshotBytes(t, source));
  if (origin) *origin = JourneyTimetableOrigin::Built;
  return t;
}

}  // namespace kw
