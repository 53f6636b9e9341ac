#include "core/props/prop_library.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "core/fields/i18n.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/safe_write.h"

namespace tharvex::props {

namespace {

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

// The table with its length limits as constraints, so that no tool can store
// a text the window could not hold.
std::string CreateTableSql() {
  std::string sql = "CREATE TABLE PropLib (";
  bool first = true;
  for (const auto& d : PropFieldDefs()) {
    if (!first) sql += ", ";
    first = false;
    std::string n(d.name);
    sql += n + " TEXT CHECK (" + n + " IS NULL OR length(" + n + ") <= " + std::to_string(d.maxLength) + ")";
  }
  return sql + ")";
}

std::string ColumnList() {
  std::string s;
  for (const auto& d : PropFieldDefs()) {
    if (!s.empty()) s += ", ";
    s += d.name;
  }
  return s;
}

std::string DbError(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

}  // namespace

void SortByNo(std::vector<PropRecord>& records) {
  std::stable_sort(records.begin(), records.end(), [](const PropRecord& a, const PropRecord& b) {
    return a.Get(PropField::NO) < b.Get(PropField::NO);
  });
}

PropLibLoad LoadPropLib(const std::string& path) {
  PropLibLoad out;
  std::optional<std::string> bytes;
  try {
    bytes = ReadWholeFile(path, kMaxPropLibBytes);
  } catch (const FileError& e) {
    out.error = i18n::Format(i18n::Tr("Messages", "无法读取物性库文件：%1（%2）"), {path, e.what()});
    return out;
  }
  if (!bytes) {
    out.error = i18n::Format(i18n::Tr("Messages", "找不到物性库文件：%1"), {path});
    return out;
  }
  return LoadPropLibBytes(*bytes, path);
}

PropLibLoad LoadPropLibBytes(std::string_view bytes, const std::string& path) {
  PropLibLoad out;
  auto failed = [&](sqlite3* db) {
    out.error = i18n::Format(i18n::Tr("Messages", "无法读取物性库文件：%1（%2）"), {path, DbError(db)});
    return out;
  };
  // The file is read once and handed to SQLite as an image in memory: the
  // library is small, and nothing on disk is opened by SQLite itself.
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Db db(raw);
  if (rc != SQLITE_OK) return failed(db.get());
  if (bytes.empty()) {
    out.error = i18n::Format(i18n::Tr("Messages", "无法读取物性库文件：%1（文件是空的）"), {path});
    return out;
  }
  auto* image = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
  if (!image) return failed(nullptr);
  std::memcpy(image, bytes.data(), bytes.size());
  rc = sqlite3_deserialize(db.get(), "main", image, static_cast<sqlite3_int64>(bytes.size()),
                           static_cast<sqlite3_int64>(bytes.size()),
                           SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
  if (rc != SQLITE_OK) return failed(db.get());
  // A damaged image must not make a query run away: bound the work.
  long steps = 0;
  sqlite3_progress_handler(
      db.get(), 1000, [](void* n) { return ++*static_cast<long*>(n) > 100000 ? 1 : 0; }, &steps);
  std::string sql = "SELECT " + ColumnList() + " FROM PropLib ORDER BY NO";
  sqlite3_stmt* rawStmt = nullptr;
  rc = sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &rawStmt, nullptr);
  Stmt stmt(rawStmt);
  if (rc != SQLITE_OK) return failed(db.get());
  std::vector<PropRecord> records;
  std::string skipped;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    if (records.size() >= kMaxPropLibRecords) {
      out.error = i18n::Format(i18n::Tr("Messages", "无法读取物性库文件：%1（记录多于 %2 条，文件已损坏）"),
                               {path, std::to_string(kMaxPropLibRecords)});
      return out;
    }
    PropRecord r;
    for (int i = 0; i < kPropFieldCount; ++i) {
      if (sqlite3_column_type(stmt.get(), i) == SQLITE_NULL) continue;
      const unsigned char* t = sqlite3_column_text(stmt.get(), i);
      int n = sqlite3_column_bytes(stmt.get(), i);
      r.values[static_cast<size_t>(i)] = std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(n));
    }
    if (auto why = CheckLengths(r)) {
      if (skipped.size() < 4096) skipped += (skipped.empty() ? "" : "；") + r.Text(PropField::NO) + " " + *why;
      continue;
    }
    records.push_back(std::move(r));
  }
  if (rc != SQLITE_DONE) return failed(db.get());
  SortByNo(records);
  out.records = std::move(records);
  if (!skipped.empty()) out.error = i18n::Tr("Messages", "物性库中有记录超长，未载入：") + skipped;
  return out;
}

std::string SavePropLib(const std::string& path, const std::vector<PropRecord>& records) {
  for (const auto& r : records)
    if (auto why = CheckLengths(r))
      return i18n::Format(i18n::Tr("Messages", "记录 %1 无法保存：%2"), {r.Text(PropField::NO), *why});
  std::vector<PropRecord> sorted = records;
  SortByNo(sorted);

  auto fail = [&](const std::string& what) {
    return i18n::Format(i18n::Tr("Messages", "无法保存物性库文件：%1（%2）"), {path, what});
  };
  // The database is built in memory and written as one image through the
  // program's file writer.
  std::string image;
  {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Db db(raw);
    if (rc != SQLITE_OK) return fail(DbError(db.get()));
    auto exec = [&](const std::string& sql) {
      return sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (!exec("BEGIN") || !exec(CreateTableSql())) return fail(DbError(db.get()));
    std::string sql = "INSERT INTO PropLib (" + ColumnList() + ") VALUES (?,?,?,?,?,?,?,?,?,?)";
    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &rawStmt, nullptr) != SQLITE_OK) return fail(DbError(db.get()));
    Stmt stmt(rawStmt);
    for (const auto& r : sorted) {
      sqlite3_reset(stmt.get());
      for (int i = 0; i < kPropFieldCount; ++i) {
        const auto& v = r.values[static_cast<size_t>(i)];
        if (v)
          sqlite3_bind_text(stmt.get(), i + 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
        else
          sqlite3_bind_null(stmt.get(), i + 1);
      }
      if (sqlite3_step(stmt.get()) != SQLITE_DONE) return fail(DbError(db.get()));
    }
    stmt.reset();
    if (!exec("COMMIT")) return fail(DbError(db.get()));
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db.get(), "main", &size, 0);
    if (!data) return fail("out of memory");
    image.assign(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
    sqlite3_free(data);
  }
  try {
    SafeWriteFile(path, image);
  } catch (const FileError& e) {
    return fail(e.reason());
  }
  return {};
}

}  // namespace tharvex::props
