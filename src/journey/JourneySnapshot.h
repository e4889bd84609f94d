// A snapshot of the journey timetable in the user's cache folder, so that a
// run need not read every stop row of the database again: its arrays as
// they are in memory, tied to the timetable's content identity and to the
// snapshot's format version, with their size and a checksum. A snapshot
// that does not match in every one of these is built again, never trusted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "journey/JourneyTimetable.h"
#include "store/UserCache.h"

namespace kw {

class Database;

// Raised whenever what the snapshot holds or how it is laid out changes.
inline constexpr std::uint32_t kJourneySnapshotFormat = 1;

// The snapshot of `t` for the timetable named by `source`.
std::string JourneySnapshotBytes(const JourneyTimetable& t, std::string_view source,
                                 std::uint32_t format = kJourneySnapshotFormat);

// The timetable held by `bytes` when they are a whole snapshot of this
// format for `source`, with a matching checksum and arrays that fit one
// another; nullopt otherwise.
std::optional<JourneyTimetable> JourneyTimetableFromSnapshot(std::string_view bytes, std::string_view source);

// What a snapshot of the database's timetable is tied to: its content
// identity, with the size, time of change and first page of its file, which
// tell a file changed since. Empty when the database records no identity
// (then no snapshot is used).
std::string JourneySnapshotSource(Database& db);

// The name of the snapshot file of the database file at `path`.
std::string JourneySnapshotFileName(const std::string& path);

// The snapshot of the database's timetable, read, and what it must be tied
// to, when there is a file of that name and a snapshot may be used (an
// identity recorded, nothing changed through the connection). Whether it
// holds the timetable is for JourneyTimetableFromSnapshot to tell, which
// reads no database and so may run on a thread of its own.
struct FoundJourneySnapshot {
  LargeCacheFile file;
  std::string source;
};
std::optional<FoundJourneySnapshot> FindJourneySnapshot(Database& db);

// How the last LoadJourneyTimetable came by its timetable.
enum class JourneyTimetableOrigin { Snapshot, Built };

// The database's journey timetable: from its snapshot when there is a good
// one and nothing was changed through this connection, otherwise built from
// the database, and then kept as a snapshot when the cache folder can be
// written.
JourneyTimetable LoadJourneyTimetable(Database& db, JourneyTimetableOrigin* origin = nullptr);

}  // namespace kw
