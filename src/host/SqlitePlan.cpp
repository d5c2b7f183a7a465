#include "host/SqlitePlan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

namespace velloway::host {
namespace {

// "VWPL": marks a SQLite file as a plan of ours.
constexpr int kApplicationId = 0x5657504C;
constexpr int kSchemaVersion = 1;

const char* const kSchema = R"sql(
CREATE TABLE app_tag (
  position INTEGER PRIMARY KEY,
  tag TEXT NOT NULL UNIQUE,
  data TEXT
);
CREATE TABLE app_value (
  position INTEGER PRIMARY KEY,
  tag TEXT NOT NULL,
  section TEXT NOT NULL,
  key TEXT NOT NULL,
  value TEXT NOT NULL,
  UNIQUE (tag, section, key)
);
)sql";

enum class FileKind { Missing, Empty, Sqlite, Other };

FileKind Inspect(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return FileKind::Missing;
  if (!S_ISREG(info.st_mode)) return FileKind::Other;
  if (info.st_size == 0) return FileKind::Empty;
  char header[16] = {};
  std::ifstream in(path, std::ios::binary);
  if (!in.read(header, sizeof header)) return FileKind::Other;
  return std::memcmp(header, "SQLite format 3", 16) == 0 ? FileKind::Sqlite : FileKind::Other;
}

int PragmaInt(sqlite3* db, const char* pragma) {
  Statement statement(db, pragma);
  return statement.Step() ? statement.ColumnInt(0) : 0;
}

// Writing bits count as well as access(): a superuser may write anything, but a plan that its
// owner made read-only is still not to be changed.
bool Writable(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// A plan that could only fail at the end of the import is refused before any work: the file
// itself, or its folder (SQLite writes its journal beside the plan).
void RequireWritable(const std::string& path, FileKind kind) {
  auto refuse = [&](const std::string& cause) {
    throw PlanError("the plan " + path + " could not be written: " + cause +
                    "; nothing was imported");
  };
  struct stat info {};
  if (kind != FileKind::Missing && ::stat(path.c_str(), &info) == 0 && !Writable(path, info)) {
    refuse("the file is read-only");
  }
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  if (::stat(folder.c_str(), &info) == 0 && !Writable(folder, info)) {
    refuse("its folder " + folder + " is read-only");
  }
}

}  // namespace

std::shared_ptr<SqlitePlan> SqlitePlan::Open(const std::string& path, Mode mode,
                                             int lockWaitMilliseconds) {
  // SQLite's own name for a database in memory: no file is looked at, none is made; "./:memory:"
  // names a file.
  const bool inMemory = path.empty() || path == ":memory:";
  const FileKind kind = inMemory ? FileKind::Empty : Inspect(path);
  if (kind == FileKind::Other) {
    throw PlanError("'" + path +
                    "' is not a plan file (it is not a SQLite database); left as it is");
  }
  if (kind == FileKind::Missing && mode == Mode::OpenExisting) {
    throw PlanError("the plan file '" + path + "' does not exist");
  }
  if (mode == Mode::OpenOrCreate && !inMemory) RequireWritable(path, kind);
  // SQLite's memory statistics take a global mutex on every allocation, and nothing here reads
  // them. Too late (SQLITE_MISUSE) when the process has used SQLite before: then they stay on.
  static const int statistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
  static_cast<void>(statistics);
  sqlite3* raw = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const int rc = sqlite3_open_v2(path.empty() ? ":memory:" : path.c_str(), &raw, flags, nullptr);
  std::shared_ptr<SqlitePlan> plan(new SqlitePlan(path, raw));
  if (rc != SQLITE_OK) {
    throw PlanError("cannot open the plan file '" + path + "': " + sqlite3_errmsg(raw));
  }
  sqlite3_busy_timeout(raw, lockWaitMilliseconds);
  try {
    const int appId = PragmaInt(raw, "PRAGMA application_id");
    const int tables = PragmaInt(raw, "SELECT count(*) FROM sqlite_schema");
    if (appId != kApplicationId && tables > 0) {
      throw PlanError("'" + path + "' is a SQLite database but not a plan file; left as it is");
    }
    if (tables == 0) {
      plan->Exec("BEGIN IMMEDIATE");
      plan->Exec(kSchema);
      plan->Exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
      plan->Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
      plan->Exec("COMMIT");
    } else if (PragmaInt(raw, "PRAGMA user_version") > kSchemaVersion) {
      throw PlanError("the plan file '" + path + "' was written by a newer version");
    }
  } catch (const SqliteError& e) {
    throw PlanError("cannot use the plan file '" + path + "': " + e.what());
  }
  return plan;
}

void SqlitePlan::Exec(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error != nullptr ? error : sqlite3_errmsg(db_.get());
    sqlite3_free(error);
    throw SqliteError(message, sqlite3_extended_errcode(db_.get()));
  }
}

void SqlitePlan::BeginImport() {
  try {
    Exec("BEGIN IMMEDIATE");
    inImport_ = true;
    tagsWritten_.clear();
    tagsPresent_.clear();
  } catch (const SqliteError& e) {
    if (e.code() == SQLITE_BUSY || (e.code() & 0xFF) == SQLITE_BUSY) {
      throw PlanError("the plan file '" + path_ + "' is in use by another import; try again later");
    }
    throw PlanError("cannot use the plan file '" + path_ + "': " + e.what());
  }
}

void SqlitePlan::CommitImport() {
  if (!inImport_) return;
  if (writeFailure_) {
    RollbackImport();
    throw PlanError("the plan " + path_ + " could not be written: " + *writeFailure_);
  }
  try {
    Exec("COMMIT");
  } catch (const SqliteError& e) {
    RollbackImport();
    throw PlanError("the plan " + path_ + " could not be written: " + e.what());
  }
  inImport_ = false;
}

void SqlitePlan::RollbackImport() {
  if (!inImport_) return;
  sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
  inImport_ = false;
}

Statement& SqlitePlan::Prepared(std::unique_ptr<Statement>& slot, const char* sql) {
  if (!slot) slot = std::make_unique<Statement>(db_.get(), sql);
  slot->Reset();
  return *slot;
}

void SqlitePlan::EnsureTag(const std::string& tag) {
  // Within an import the plan is ours alone, so a tag made once is there until we drop it.
  if (inImport_ && tagsPresent_.count(tag) > 0) return;
  Statement& insert = Prepared(ensureTag_, "INSERT OR IGNORE INTO app_tag (tag) VALUES (?1)");
  insert.Bind(1, tag);
  insert.Run();
  if (inImport_) tagsPresent_.insert(tag);
}

template <typename Write>
void SqlitePlan::Guarded(Write write) {
  if (writeFailure_)
    throw PlanError("the plan " + path_ + " could not be written: " + *writeFailure_);
  if (inImport_ && sqlite3_get_autocommit(db_.get()) != 0) {
    writeFailure_ = "the import's transaction ended early";
    throw PlanError("the plan " + path_ + " could not be written: " + *writeFailure_);
  }
  try {
    write();
  } catch (const SqliteError& e) {
    writeFailure_ = e.what();
    throw;
  }
}

void SqlitePlan::WriteAppValue(const std::string& tag, const std::string& section,
                               const std::string& key, const std::string& value) {
  Guarded([&] { UpsertValue(tag, section, key, value); });
  ++writes_;
}

void SqlitePlan::UpsertValue(const std::string& tag, const std::string& section,
                             const std::string& key, const std::string& value) {
  EnsureTag(tag);
  // An existing key keeps its place: only its value changes.
  Statement& upsert =
      Prepared(upsertValue_,
               "INSERT INTO app_value (tag, section, key, value) VALUES (?1, ?2, ?3, ?4) "
               "ON CONFLICT (tag, section, key) DO UPDATE SET value = excluded.value");
  // The texts outlive the statement's run, and the bindings go with the reset after it.
  upsert.BindUncopied(1, tag);
  upsert.BindUncopied(2, section);
  upsert.BindUncopied(3, key);
  upsert.BindUncopied(4, value);
  upsert.Run();
  upsert.Reset();
  tagsWritten_.insert(tag);
}

void SqlitePlan::WriteAppData(const std::string& tag, const std::string& text) {
  Guarded([&] { ReplaceData(tag, text); });
  ++writes_;
}

void SqlitePlan::ReplaceData(const std::string& tag, const std::string& text) {
  if (text.empty()) {
    Statement values(db_.get(), "DELETE FROM app_value WHERE tag = ?1");
    values.Bind(1, tag);
    values.Run();
    Statement tags(db_.get(), "DELETE FROM app_tag WHERE tag = ?1");
    tags.Bind(1, tag);
    tags.Run();
    tagsPresent_.erase(tag);
  } else {
    EnsureTag(tag);
    Statement update(db_.get(), "UPDATE app_tag SET data = ?2 WHERE tag = ?1");
    update.Bind(1, tag);
    // A whole-tag text may be a document of many megabytes: SQLite reads it where it is.
    update.BindUncopied(2, text);
    update.Run();
  }
  tagsWritten_.insert(tag);
}

std::vector<TagContents> SqlitePlan::Contents(const std::optional<std::string>& onlyTag) {
  std::vector<TagContents> result;
  Statement tags(db_.get(),
                 "SELECT tag, data FROM app_tag WHERE ?1 IS NULL OR tag = ?1 ORDER BY position");
  if (onlyTag) tags.Bind(1, *onlyTag);
  while (tags.Step()) {
    TagContents contents{tags.ColumnText(0), std::nullopt, {}};
    if (!tags.ColumnIsNull(1)) contents.data = tags.ColumnText(1);
    result.push_back(std::move(contents));
  }
  // Sections come in the order of their first value, values in their own order.
  Statement values(db_.get(),
                   "WITH first AS (SELECT section, min(position) AS p FROM app_value "
                   "WHERE tag = ?1 GROUP BY section) "
                   "SELECT v.section, v.key, v.value FROM app_value v JOIN first f "
                   "ON f.section = v.section WHERE v.tag = ?1 ORDER BY f.p, v.position");
  for (TagContents& contents : result) {
    values.Reset();
    values.Bind(1, contents.tag);
    while (values.Step()) {
      std::string section = values.ColumnText(0);
      if (contents.sections.empty() || contents.sections.back().first != section) {
        contents.sections.emplace_back(std::move(section),
                                       std::vector<std::pair<std::string, std::string>>{});
      }
      contents.sections.back().second.emplace_back(values.ColumnText(1), values.ColumnText(2));
    }
  }
  return result;
}

std::vector<std::pair<std::string, std::size_t>> SqlitePlan::SectionCounts(const std::string& tag) {
  Statement counts(db_.get(),
                   "SELECT section, count(*) FROM app_value WHERE tag = ?1 GROUP BY section "
                   "ORDER BY min(position)");
  counts.Bind(1, tag);
  std::vector<std::pair<std::string, std::size_t>> result;
  while (counts.Step()) {
    result.emplace_back(counts.ColumnText(0), static_cast<std::size_t>(counts.ColumnInt(1)));
  }
  return result;
}

std::vector<std::string> SqlitePlan::Tags() {
  Statement tags(db_.get(), "SELECT tag FROM app_tag ORDER BY position");
  std::vector<std::string> result;
  while (tags.Step()) result.push_back(tags.ColumnText(0));
  return result;
}

std::optional<std::string> SqlitePlan::Data(const std::string& tag) {
  Statement data(db_.get(), "SELECT data FROM app_tag WHERE tag = ?1");
  data.Bind(1, tag);
  if (!data.Step() || data.ColumnIsNull(0)) return std::nullopt;
  return data.ColumnText(0);
}

}  // namespace velloway::host
