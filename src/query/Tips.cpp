#include "query/Tips.h"

#include "store/Database.h"

namespace kw {

std::optional<Tip> LoadTip(Database& db, int id) {
  auto q = db.Prepare("SELECT title, content FROM everyday WHERE id = ?");
  q.Bind(1, id);
  if (!q.Step()) return std::nullopt;
  return Tip{q.Text(0), q.Text(1)};
}

int LargestTipId(Database& db) {
  auto q = db.Prepare("SELECT max(id) FROM everyday");
  return q.Step() && !q.IsNull(0) ? q.Int(0) : 0;
}

std::string DataVersion(Database& db) {
  auto q = db.Prepare("SELECT * FROM VerID LIMIT 1");
  return q.Step() ? q.Text(0) : std::string();
}

}  // namespace kw
