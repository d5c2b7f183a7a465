// A prepared SQLite statement that finalises itself and throws on every failure.
#pragma once

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace velloway::host {

class SqliteError : public std::runtime_error {
 public:
  SqliteError(const std::string& message, int code) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

class Statement {
 public:
  Statement(sqlite3* db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(int index, const std::string& text);
  // Binds text without a copy: text must stay unchanged until the statement has run.
  void BindUncopied(int index, const std::string& text);
  // True while a row is there; throws on errors.
  bool Step();
  // Steps to the end.
  void Run();
  void Reset();
  std::string ColumnText(int column) const;
  int ColumnInt(int column) const;
  bool ColumnIsNull(int column) const;

 private:
  [[noreturn]] void Fail() const;
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace velloway::host
