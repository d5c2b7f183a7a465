#include "host/SqlitePlan.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "support/TempDir.h"

namespace velloway::host {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

class SqlitePlanTest : public ::testing::Test {
 protected:
  std::shared_ptr<SqlitePlan> Open() {
    return SqlitePlan::Open(dir.File("plan.db"), SqlitePlan::Mode::OpenOrCreate, 50);
  }
  test::TempDir dir;
};

TEST_F(SqlitePlanTest, EmptyTextRemovesEverythingUnderTheTagOnly) {
  auto plan = Open();
  plan->BeginImport();
  plan->WriteAppValue("RR2", "Details", "Currency", "£");
  plan->WriteAppData("RR2", "whole text");
  plan->WriteAppValue("Other", "S", "k", "v");
  plan->WriteAppData("RR2", "");
  plan->WriteAppValue("RR2", "RiskOptions", "1", "x");
  plan->CommitImport();
  const auto contents = Open()->Contents();
  ASSERT_EQ(contents.size(), 2u);
  EXPECT_EQ(contents[0].tag, "Other");  // RR2 was removed and written again after it
  EXPECT_EQ(contents[1].tag, "RR2");
  EXPECT_FALSE(contents[1].data.has_value());
  ASSERT_EQ(contents[1].sections.size(), 1u);
  EXPECT_EQ(contents[1].sections[0].second, (Values{{"1", "x"}}));
}

TEST_F(SqlitePlanTest, ForeignDatabasesAndDamagedFilesAreRefused) {
  sqlite3* db = nullptr;
  sqlite3_open(dir.File("foreign.db").c_str(), &db);
  sqlite3_exec(db, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_THROW(SqlitePlan::Open(dir.File("foreign.db"), SqlitePlan::Mode::OpenOrCreate), PlanError);
  dir.Write("damaged.db", std::string("SQLite format 3") + '\0' + std::string(200, 'x'));
  EXPECT_THROW(SqlitePlan::Open(dir.File("damaged.db"), SqlitePlan::Mode::OpenOrCreate), PlanError);
  EXPECT_THROW(SqlitePlan::Open(dir.path(), SqlitePlan::Mode::OpenOrCreate), PlanError);
}

// The named plan in memory (what `velloway check` imports into) looks at no file of the working
// folder, even a read-only folder that holds a file of that name.
TEST_F(SqlitePlanTest, InMemoryTouchesNoFileOfTheWorkingFolder) {
  dir.Write(":memory:", "not a plan");
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_NO_THROW(SqlitePlan::Open(":memory:", SqlitePlan::Mode::OpenOrCreate)->BeginImport());
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  std::filesystem::current_path(home);
}

}  // namespace
}  // namespace velloway::host
