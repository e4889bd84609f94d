#include "store/DateFolder.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "store/ContentIdentity.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

// Where an installed executable finds the program data, relative to its own
// folder; set by the build from the install layout.
#ifndef KW_INSTALLED_DATA
#define KW_INSTALLED_DATA "../share/kestrelway"
#endif

namespace kw {

namespace fs = std::filesystem;

namespace {

// The entry of `dir` whose name equals `name` without regard to case.
fs::path FindEntry(const fs::path& dir, std::string_view name) {
  const fs::path exact = dir / fs::path(std::string(name));
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry.size() == name.size() && strncasecmp(entry.data(), name.data(), name.size()) == 0) {
      return it->path();
    }
  }
  return exact;
}

constexpr std::string_view kDatabaseName = "Train.dll";

DatePlace At(const fs::path& root, const fs::path& source = {}) {
  DatePlace place;
  place.root = root;
  place.source = source;
  return place;
}

DatePlace Failed(std::string error) {
  DatePlace place;
  place.error = std::move(error);
  return place;
}

BeforeReplaceHook& ReplaceHook() {
  static BeforeReplaceHook hook = nullptr;
  return hook;
}

// A name for a file being written into `folder` in place of `name`, this
// process's own (the name ends in .part).
fs::path PartName(const fs::path& folder, std::string_view name) {
  return folder / (std::string(name) + "." + std::to_string(getpid()) + ".part");
}

// Copies `from` to `to` through a file of this process's own, so that an
// interrupted copy leaves no half file behind. `replace` moves it over a file
// that is there; otherwise it is linked into place, which never replaces one:
// of two programs starting at once (the window and the tool) the first to
// finish keeps its copy, which the other may have opened. False when `to`
// was there already.
bool PlaceCopy(const fs::path& from, const fs::path& to, bool replace) {
  const fs::path part = PartName(to.parent_path(), to.filename().string());
  // Locked while it is written, so that a program starting meanwhile leaves
  // it alone (see RemoveStalePartials).
  const int lock = OpenPartial(part);
  if (lock < 0) throw fs::filesystem_error("open", part, std::error_code(errno, std::generic_category()));
  std::error_code ec;
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
  bool placed = false;
  if (!ec && replace) {
    if (ReplaceHook()) ReplaceHook()(to);
    fs::rename(part, to, ec);
    placed = !ec;
  } else if (!ec) {
    placed = link(part.c_str(), to.c_str()) == 0;
    if (!placed && errno != EEXIST) ec = std::error_code(errno, std::generic_category());
  }
  std::error_code ignored;
  if (!(replace && placed)) fs::remove(part, ignored);
  close(lock);
  if (ec) throw fs::filesystem_error(replace ? "rename" : "link", part, to, ec);
  return placed;
}

// Brings the per-user copy in `copy` up to date with `source` (see
// ChooseDatePlace); files the program only reads are not copied.
void SyncCopy(const fs::path& source, const fs::path& copy, DatePlace& place) {
  const fs::path installed = FindEntry(source, kDatabaseName);
  std::error_code ec;
  if (!fs::is_regular_file(installed, ec)) return;  // opening the copy says what is missing
  const fs::path database = FindEntry(copy, kDatabaseName);
  const std::string installedId = TimetableIdentity(installed);
  const auto record = [&] {
    CopyOrigin origin;
    origin.version = ReadDataVersion(installed);
    origin.identity = installedId;
    WriteCopyOrigin(copy, origin);
  };
  if (!fs::exists(database, ec)) {
    fs::create_directories(copy);
    if (PlaceCopy(installed, database, false)) record();
    return;
  }
  if (installedId.empty()) return;
  const std::optional<CopyOrigin> origin = ReadCopyOrigin(copy);
  if (origin && origin->identity == installedId) return;  // up to date
  // Another timetable is installed. Decided and replaced under the copy's
  // writer lock: no update can land between the look and the rename.
  const WriterLock lock(database.string());
  if (lock.Busy()) return;  // open in another program: decided at a later start
  bool locked = false;       // by an earlier version, which locks it as SQLite does
  const std::string copyId = TimetableIdentity(database, &locked);
  if (locked) return;
  if (copyId == installedId) {
    record();  // the same timetable (a copy made before copies recorded their origin)
    return;
  }
  if (lock.Held() && origin && !copyId.empty() && copyId == origin->identity) {
    // Still the timetable it was made with: the installed one takes its place.
    PlaceCopy(installed, database, true);
    record();
    place.replaced = true;
    return;
  }
  // The copy holds the user's updates (or came from a program that kept no
  // record): it stays, and the user is told of the other timetable.
  place.different.emplace();
  place.different->version = ReadDataVersion(installed);
  place.different->identity = installedId;
  place.different->announced = origin && origin->announced == installedId;
}

// The per-user folder of `keyed`, taking over the copy an earlier version
// kept in `legacy`'s date folder when `keyed` has none yet; `legacy` itself
// when it cannot be moved.
fs::path TakeOverLegacyCopy(const fs::path& legacy, const fs::path& keyed) {
  std::error_code ec;
  if (fs::exists(DateFolder(keyed), ec)) return keyed;
  const fs::path old = DateFolder(legacy);
  if (!fs::is_regular_file(FindEntry(old, kDatabaseName), ec)) return keyed;
  fs::create_directories(keyed, ec);
  if (!ec) fs::rename(old, keyed / "date", ec);
  return ec ? legacy : keyed;
}

bool IsPartialName(const std::string& name) {
  constexpr std::string_view kSuffix = ".part";
  return name.size() > kSuffix.size() &&
         strcasecmp(name.c_str() + name.size() - kSuffix.size(), kSuffix.data()) == 0;
}

}  // namespace

int OpenPartial(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd >= 0) ::flock(fd, LOCK_EX);
  return fd;
}

void RemoveStalePartials(const fs::path& root) {
  std::error_code ec;
  for (fs::directory_iterator it(DateFolder(root), ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsPartialName(it->path().filename().string())) continue;
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st {};
    // A running writer holds its lock until the file is in place or removed.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(it->path().c_str());
    ::close(fd);
  }
}

fs::path DateFolder(const fs::path& root) { return FindEntry(root, "date"); }

fs::path DateFile(const fs::path& root, std::string_view name) { return FindEntry(DateFolder(root), name); }

fs::path DatabasePath(const fs::path& root) { return DateFile(root, "Train.dll"); }

fs::path ExecutableDir() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path();
  return self.parent_path();
}

fs::path InstalledDataDir(const fs::path& programDir) {
  return (programDir / KW_INSTALLED_DATA).lexically_normal();
}

fs::path UserDataRoot() {
  // The XDG data home: XDG_DATA_HOME when it is an absolute path (a relative
  // one is ignored, as the XDG rules say), else ~/.local/share. This is
  // where Qt puts the application data of "Kestrelway" on Linux; the window
  // program and the tool both take the folder from here.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && fs::path(dataHome).is_absolute()) return fs::path(dataHome) / "Kestrelway";
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".local" / "share" / "Kestrelway";
  return {};
}

bool IsWritableFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
}

bool ProgramWrites(std::string_view name) {
  for (const std::string_view written :
       {kDatabaseName, std::string_view("showmain.gif"), std::string_view("showmian.gif")}) {
    if (name.size() == written.size() && strncasecmp(name.data(), written.data(), name.size()) == 0)
      return true;
  }
  return false;
}

fs::path ReadableDateFile(const DatePlace& place, std::string_view name) {
  if (place.source.empty()) return DateFile(place.root, name);
  std::error_code ec;
  if (ProgramWrites(name)) {
    const fs::path own = DateFile(place.root, name);
    if (fs::exists(own, ec)) return own;
  }
  return FindEntry(place.source, name);
}

std::string FileChecksum(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::uint64_t hash = 14695981039346656037ULL;
  char buffer[1 << 16];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    for (std::streamsize i = 0; i < got; ++i) {
      hash ^= static_cast<unsigned char>(buffer[i]);
      hash *= 1099511628211ULL;
    }
  }
  if (in.bad()) return {};
  static const char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<size_t>(i)] = kDigits[hash & 0xf];
  return text;
}

std::string ReadDataVersion(const fs::path& databaseFile) {
  try {
    const auto db = Database::OpenReadOnly(databaseFile.string());
    auto q = db->Prepare("SELECT * FROM VerID LIMIT 1");
    return q.Step() && !q.IsNull(0) ? q.Text(0) : std::string();
  } catch (const DatabaseError&) {
    return {};
  }
}

std::string TimetableIdentity(const fs::path& databaseFile, bool* locked) {
  try {
    const auto db = Database::OpenReadOnly(databaseFile.string());
    std::string identity = ReadContentIdentity(*db);
    if (!identity.empty()) return identity;
  } catch (const DatabaseError& e) {
    // Not a database this program can read: its bytes tell it apart.
    if (locked) *locked = std::string_view(e.what()).find(text::kDbLocked) != std::string_view::npos;
  }
  const std::string sum = FileChecksum(databaseFile);
  return sum.empty() ? std::string() : "fnv:" + sum;
}

fs::path CopyRoot(const fs::path& userRoot, const fs::path& source, bool portable) {
  std::error_code ec;
  fs::path where = fs::weakly_canonical(fs::absolute(source, ec), ec);
  if (ec) where = source.lexically_normal();
  ContentHasher hasher;
  hasher.Add(where.string());
  return userRoot / (portable ? kPortableFolder : kInstalledFolder) / hasher.Hex().substr(0, 16);
}

void SetBeforeReplaceHook(BeforeReplaceHook hook) { ReplaceHook() = hook; }

std::optional<CopyOrigin> ReadCopyOrigin(const fs::path& copyFolder) {
  // A regular file of a few lines: a folder, a device, a link or a huge file
  // in its place is no record.
  const fs::path file = FindEntry(copyFolder, kOriginFileName);
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::string text;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= static_cast<off_t>(kOriginMaxBytes)) {
    text.resize(kOriginMaxBytes);
    const ssize_t got = ::read(fd, text.data(), text.size());
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  } else {
    ::close(fd);
    return std::nullopt;
  }
  ::close(fd);
  CopyOrigin origin;
  std::string checksum;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const size_t eq = line.find('=');
    if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "VerID") origin.version = value;
    if (key == "identity") origin.identity = value;
    if (key == "checksum") checksum = value;
    if (key == "announced") origin.announced = value;
  }
  // A record of an earlier version names the installed file by its bytes.
  if (origin.identity.empty() && !checksum.empty()) origin.identity = "fnv:" + checksum;
  return origin;
}

void WriteCopyOrigin(const fs::path& copyFolder, const CopyOrigin& origin) {
  // Written beside and moved into place: a reader sees the old record or the new.
  const fs::path part = PartName(copyFolder, kOriginFileName);
  {
    std::ofstream out(part, std::ios::trunc);
    out << "# The installed timetable this copy of Train.dll was made from.\n"
        << "VerID=" << origin.version << "\nidentity=" << origin.identity << "\n";
    if (!origin.announced.empty()) out << "announced=" << origin.announced << "\n";
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(part, ignored);
      throw fs::filesystem_error("write", part, std::make_error_code(std::errc::io_error));
    }
  }
  std::error_code ec;
  fs::rename(part, FindEntry(copyFolder, kOriginFileName), ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(part, ignored);
    throw fs::filesystem_error("rename", part, ec);
  }
}

DatePlace ChooseDatePlace(const DateSources& sources, bool (*isWritable)(const fs::path&)) {
  std::error_code ec;
  const fs::path own = DateFolder(sources.programDir);
  const bool ownExists = fs::is_directory(own, ec);
  if (ownExists && isWritable(own)) {
    RemoveStalePartials(sources.programDir);
    return At(sources.programDir);
  }

  // A portable program that cannot write its own folder keeps a copy of its
  // own; an installed one copies the installed data; each its own.
  fs::path source;
  fs::path userRoot;
  if (ownExists) {
    source = own;
    if (!sources.userRoot.empty())
      userRoot = TakeOverLegacyCopy(sources.userRoot / kPortableFolder, CopyRoot(sources.userRoot, own, true));
  } else if (!sources.installedDir.empty() && fs::is_directory(sources.installedDir, ec)) {
    source = sources.installedDir;
    if (!sources.userRoot.empty())
      userRoot = TakeOverLegacyCopy(sources.userRoot, CopyRoot(sources.userRoot, source, false));
  } else if (!sources.userRoot.empty()) {
    // Nothing installed any more: the copy as it is, if there is one.
    for (const fs::path& root : {CopyRoot(sources.userRoot, sources.installedDir, false), sources.userRoot}) {
      if (!fs::is_regular_file(DatabasePath(root), ec)) continue;
      RemoveStalePartials(root);
      return At(root);
    }
    return At(sources.programDir);
  } else {
    return At(sources.programDir);
  }
  // No per-user copy can be had: a run that only reads reads the source.
  const auto readSource = [&](std::string error) {
    if (sources.readsOnly) return At(userRoot.empty() ? sources.programDir : userRoot, source);
    return Failed(std::move(error));
  };
  if (userRoot.empty()) return readSource(std::string(text::kUserDataNoHome));

  DatePlace place = At(userRoot, source);
  const fs::path copy = DateFolder(userRoot);
  try {
    SyncCopy(source, copy, place);
  } catch (const fs::filesystem_error& e) {
    const std::string cause = text::Fill(text::kWhatAndWhy, {copy.string(), text::ErrorCause(e.code().value())});
    // With a copy to work on, the run goes on with it as it is.
    if (!fs::is_regular_file(FindEntry(copy, kDatabaseName), ec))
      return readSource(std::string(text::kUserDataCannotCopy) + " " + cause);
    place.notice = std::string(text::kUserDataCannotTake) + cause;
  }
  RemoveStalePartials(userRoot);
  return place;
}

void TakeInstalledTimetable(Database& db, const DatePlace& place) {
  const fs::path installed = FindEntry(place.source, kDatabaseName);
  const fs::path copy = DateFolder(place.root);
  const fs::path part = PartName(copy, kDatabaseName);
  int lock = OpenPartial(part);
  if (lock < 0) throw fs::filesystem_error("open", part, std::error_code(errno, std::generic_category()));
  std::string identity;
  try {
    fs::copy_file(installed, part, fs::copy_options::overwrite_existing);
    identity = TimetableIdentity(part);
    // The replacement takes the writer lock of its own before its rename.
    close(lock);
    lock = -1;
    db.ReplaceWith(part.string());
  } catch (...) {
    std::error_code ec;
    fs::remove(part, ec);
    if (lock >= 0) close(lock);
    throw;
  }
  CopyOrigin origin;
  origin.version = ReadDataVersion(installed);
  origin.identity = identity;
  WriteCopyOrigin(copy, origin);
}

void MarkDifferentAnnounced(const DatePlace& place) {
  if (!place.different) return;
  const fs::path copy = DateFolder(place.root);
  CopyOrigin origin = ReadCopyOrigin(copy).value_or(CopyOrigin{});
  origin.announced = place.different->identity;
  WriteCopyOrigin(copy, origin);
}

}  // namespace kw
