// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/sqlite_statement.h"

namespace vuriru {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) {
  m_prepared = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr);
  if (m_prepared == SQLITE_OK && m_statement == nullptr) m_prepared = SQLITE_MISUSE;
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(m_statement);
}

void SqliteStatement::Bind(int at, int64_t value) {
  if (m_statement == nullptr) return;
  const int rc = sqlite3_bind_int64(m_statement, at, value);
  if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

void SqliteStatement::Bind(int at, std::string_view text) {
  if (m_statement == nullptr) return;
  const int rc = sqlite3_bind_text64(m_statement, at, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

void SqliteStatement::Bind(int at, std::span<const uint8_t> blob) {
  if (m_statement == nullptr) return;
  // A zero-length blob still binds as a blob, not as NULL.
  static const uint8_t kNothing = 0;
  const int rc =
      sqlite3_bind_blob64(m_statement, at, blob.empty() ? &kNothing : blob.data(), blob.size(), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

void SqliteStatement::BindReal(int at, double value) {
  if (m_statement == nullptr) return;
  const int rc = sqlite3_bind_double(m_statement, at, value);
  if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

void SqliteStatement::BindNull(int at) {
  if (m_statement == nullptr) return;
  const int rc = sqlite3_bind_null(m_statement, at);
  if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

int SqliteStatement::Step() {
  if (m_statement == nullptr) return m_prepared;
  if (m_bindError != SQLITE_OK) return m_bindError;
  return sqlite3_step(m_statement);
}

int SqliteStatement::Reset() {
  if (m_statement == nullptr) return m_prepared;
  m_bindError = SQLITE_OK;
  return sqlite3_reset(m_statement);
}

int SqliteStatement::Type(int column) const {
  return m_statement == nullptr ? SQLITE_NULL : sqlite3_column_type(m_statement, column);
}

int64_t SqliteStatement::Int(int column) const {
  return m_statement == nullptr ? 0 : sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::Text(int column) const {
  if (m_statement == nullptr) return {};
  const unsigned char* text = sqlite3_column_text(m_statement, column);
  const int length = sqlite3_column_bytes(m_statement, column);
  if (text == nullptr || length <= 0) return {};
  return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(length));
}

std::vector<uint8_t> SqliteStatement::Blob(int column) const {
  if (m_statement == nullptr) return {};
  const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(m_statement, column));
  const int length = sqlite3_column_bytes(m_statement, column);
  if (bytes == nullptr || length <= 0) return {};
  return std::vector<uint8_t>(bytes, bytes + length);
}

int ExecuteSql(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

}  // namespace vuriru
