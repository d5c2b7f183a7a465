// A plan stored in one SQLite file: application data by tag (a whole-tag text, and values by
// section and key), kept in the order first written.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/SqliteStatement.h"
#include "velloway/host_application.h"

namespace velloway::host {

// A plan file that cannot be used: not a plan, damaged, locked, unreadable.
class PlanError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What one tag holds, in first-write order.
struct TagContents {
  std::string tag;
  std::optional<std::string> data;
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
};

class SqlitePlan : public Plan {
 public:
  enum class Mode { OpenOrCreate, OpenExisting };
  // Opens a plan file; an empty path opens a plan in memory that was never saved.
  static std::shared_ptr<SqlitePlan> Open(const std::string& path, Mode mode,
                                          int lockWaitMilliseconds = 5000);

  std::string PlanFileName() override { return path_; }
  void SavePlan() override { ++saveRequests_; }
  void WriteAppValue(const std::string& tag, const std::string& section, const std::string& key,
                     const std::string& value) override;
  void WriteAppData(const std::string& tag, const std::string& text) override;

  // Takes the plan's write lock for one import, waiting a bounded time for another import.
  void BeginImport();
  // Makes every write since BeginImport permanent. After any failed write it rolls back
  // instead and throws PlanError "the plan PLAN could not be written: CAUSE".
  void CommitImport();
  // Drops every write since BeginImport (also done when the plan is closed without a commit).
  void RollbackImport();

  std::vector<TagContents> Contents(const std::optional<std::string>& onlyTag = {});
  // The same, counted instead of read: a tag's sections in the order of their first value,
  // each with its number of values; the tags in plan order; one tag's document.
  std::vector<std::pair<std::string, std::size_t>> SectionCounts(const std::string& tag);
  std::vector<std::string> Tags();
  std::optional<std::string> Data(const std::string& tag);
  int writeCount() const { return writes_; }
  // Why a write failed, once one has: every later write fails too and nothing is committed.
  const std::optional<std::string>& writeFailure() const { return writeFailure_; }
  // The tags written since BeginImport, by name.
  const std::set<std::string>& tagsWritten() const { return tagsWritten_; }
  int saveRequests() const { return saveRequests_; }

 private:
  struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  SqlitePlan(std::string path, sqlite3* db) : path_(std::move(path)), db_(db) {}
  void Exec(const char* sql);
  void EnsureTag(const std::string& tag);
  void UpsertValue(const std::string& tag, const std::string& section, const std::string& key,
                   const std::string& value);
  void ReplaceData(const std::string& tag, const std::string& text);
  // Runs one write of the import; remembers a failure and refuses every write after it, also
  // when SQLite ended the transaction on its own (a full disk rolls it back): nothing may then
  // be written outside the import's transaction.
  template <typename Write>
  void Guarded(Write write);

  // A statement prepared on first use and kept: an import writes hundreds of thousands of values.
  Statement& Prepared(std::unique_ptr<Statement>& slot, const char* sql);

  std::string path_;
  std::unique_ptr<sqlite3, Closer> db_;
  // Declared after the connection, so they are finalised before it closes.
  std::unique_ptr<Statement> ensureTag_;
  std::unique_ptr<Statement> upsertValue_;
  bool inImport_ = false;
  std::optional<std::string> writeFailure_;
  int writes_ = 0;
  std::set<std::string> tagsWritten_;
  // The tags this import has made sure of; forgotten when the import begins.
  std::set<std::string> tagsPresent_;
  int saveRequests_ = 0;
};

}  // namespace velloway::host
