// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A prepared SQLite statement that finalizes itself, with the few bind and
// column calls the library uses. Every call reports SQLite's result code;
// none throws.

#include <cstdint>
#include <span>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

namespace vuriru {

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // SQLITE_OK once prepared, or why it could not be.
  int PrepareResult() const { return m_prepared; }

  // Parameters count from 1, as in SQL.
  void Bind(int at, int64_t value);
  void Bind(int at, std::string_view text);
  void Bind(int at, std::span<const uint8_t> blob);
  // Named apart from Bind, so that an int argument never has two matches.
  void BindReal(int at, double value);
  void BindNull(int at);

  // SQLITE_ROW while rows come, SQLITE_DONE at the end, or an error; a
  // statement that could not be prepared steps to its prepare error.
  int Step();
  int Reset();

  // Columns count from 0. A column's type is whatever the file holds, which
  // need not be what the library wrote: the readers check it.
  int Type(int column) const;
  int64_t Int(int column) const;
  std::string Text(int column) const;
  std::vector<uint8_t> Blob(int column) const;

 private:
  sqlite3_stmt* m_statement = nullptr;
  int m_prepared = SQLITE_OK;
  // Binding errors (a value too big, say) show at the next step.
  int m_bindError = SQLITE_OK;
};

// Runs SQL without results (one or more statements); SQLite's result code.
int ExecuteSql(sqlite3* db, const char* sql);

}  // namespace vuriru
