#include "core/props/prop_library.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

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
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    out.error = "找不到物性库文件：" + path;
    return out;
  }
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  Db db(raw);
  std::string sql = "SELECT " + ColumnList() + " FROM PropLib ORDER BY NO";
  sqlite3_stmt* rawStmt = nullptr;
  if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &rawStmt, nullptr);
  Stmt stmt(rawStmt);
  if (rc != SQLITE_OK) {
    out.error = "无法读取物性库文件：" + path + "（" + DbError(db.get()) + "）";
    return out;
  }
  std::vector<PropRecord> records;
  std::string skipped;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    PropRecord r;
    for (int i = 0; i < kPropFieldCount; ++i) {
      if (sqlite3_column_type(stmt.get(), i) == SQLITE_NULL) continue;
      const unsigned char* t = sqlite3_column_text(stmt.get(), i);
      int n = sqlite3_column_bytes(stmt.get(), i);
      r.values[static_cast<size_t>(i)] = std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(n));
    }
    if (auto why = CheckLengths(r)) {
      skipped += (skipped.empty() ? "" : "；") + r.Text(PropField::NO) + " " + *why;
      continue;
    }
    records.push_back(std::move(r));
  }
  if (rc != SQLITE_DONE) {
    out.error = "无法读取物性库文件：" + path + "（" + DbError(db.get()) + "）";
    return out;
  }
  SortByNo(records);
  out.records = std::move(records);
  if (!skipped.empty()) out.error = "物性库中有记录超长，未载入：" + skipped;
  return out;
}

std::string SavePropLib(const std::string& path, const std::vector<PropRecord>& records) {
  for (const auto& r : records)
    if (auto why = CheckLengths(r)) return "记录 " + r.Text(PropField::NO) + " 无法保存：" + *why;
  std::vector<PropRecord> sorted = records;
  SortByNo(sorted);

  std::string tmp = path + ".tmp";
  std::error_code ec;
  std::filesystem::remove(tmp, ec);
  auto fail = [&](const std::string& what) {
    std::filesystem::remove(tmp, ec);
    return "无法保存物性库文件：" + path + "（" + what + "）";
  };
  {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(tmp.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Db db(raw);
    if (rc != SQLITE_OK) return fail(DbError(db.get()));
    auto exec = [&](const std::string& sql) {
      return sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (!exec("BEGIN") || !exec(CreateTableSql())) return fail(DbError(db.get()));
    std::string sql = "INSERT INTO PropLib (" + ColumnList() + ") VALUES (?,?,?,?,?,?,?,?,?,?)";
    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &rawStmt, nullptr) != SQLITE_OK)
      return fail(DbError(db.get()));
    Stmt stmt(rawStmt);
    for (const auto& r : sorted) {
      sqlite3_reset(stmt.get());
      for (int i = 0; i < kPropFieldCount; ++i) {
        const auto& v = r.values[static_cast<size_t>(i)];
        if (v) sqlite3_bind_text(stmt.get(), i + 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
        else sqlite3_bind_null(stmt.get(), i + 1);
      }
      if (sqlite3_step(stmt.get()) != SQLITE_DONE) return fail(DbError(db.get()));
    }
    stmt.reset();
    if (!exec("COMMIT")) return fail(DbError(db.get()));
  }
  std::filesystem::rename(tmp, path, ec);
  if (ec) return fail(ec.message());
  return {};
}

}  // namespace tharvex::props
