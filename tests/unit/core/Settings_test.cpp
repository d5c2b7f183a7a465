#include <gtest/gtest.h>

#include <cstdlib>

#include "core/ForcedSeparator.h"
#include "core/LibraryState.h"
#include "core/modLocale.h"
#include "core/modReadIni.h"
#include "core/modRegistry.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace velloway {
namespace {

using modReadIni::ReadIniValue;

TEST(ReadIniValue, PrivateProfileRules) {
  test::TempDir dir;
  const std::string longValue(300, 'k');
  const std::string file =
      dir.Write("Kestrion.ini",
                "\xEF\xBB\xBF; comment\r\n[RegPath]\r\n  WorkingKey =  Main Key  \r\n"
                "[ XML ]\nSchemaValidationOn=FALSE\nQuoted=\"a b\"\nEmpty=\n"
                "[RegPath]\nWorkingKey=second\n[S]\nK=" +
                    longValue + "\nU=" + std::string(260, 'x').replace(0, 2, "\xC3\xA9") + "\n");
  EXPECT_EQ(ReadIniValue("regpath", "WORKINGKEY", file, "d"), "Main Key");
  EXPECT_EQ(ReadIniValue("xml", "SchemaValidationOn", file, "d"), "FALSE");
  EXPECT_EQ(ReadIniValue("XML", "Quoted", file, "d"), "a b");
  EXPECT_EQ(ReadIniValue("XML", "Empty", file, "d"), "d");
  EXPECT_EQ(ReadIniValue("XML", "Missing", file, "d"), "d");
  EXPECT_EQ(ReadIniValue("Nowhere", "WorkingKey", file, ""), "");
  // Long values are cut to 254 characters, not bytes: a two-byte letter counts once.
  EXPECT_EQ(ReadIniValue("S", "K", file, ""), longValue.substr(0, 254));
  EXPECT_EQ(ReadIniValue("S", "U", file, "").size(), 255u);
  // The file name itself is found without regard to case.
  EXPECT_EQ(ReadIniValue("RegPath", "WorkingKey", dir.File("kestrion.INI"), ""), "Main Key");
  EXPECT_EQ(ReadIniValue("RegPath", "WorkingKey", dir.File("other.ini"), "none"), "none");
}

struct StateWithFakes : ::testing::Test {
  test::FakePlatform fakes;
  LibraryState state{fakes.platform};
};

using ReadRegistryString = StateWithFakes;

TEST_F(ReadRegistryString, ReadsUpTo2047CharactersWhole) {
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Software\\A", "Exact",
                              std::string(2047, 'p'));
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Software\\A", "Long",
                              std::string(2048, 'p'));
  const auto read = [&](const char* name) {
    return modRegistry::ReadRegistryString(state, RegistryHive::CurrentUser, "SOFTWARE\\a", name,
                                           "default");
  };
  EXPECT_EQ(read("exact").size(), 2047u);
  EXPECT_EQ(read("Long"), "default");
  EXPECT_EQ(read("Missing"), "default");
}

// Sets one environment variable for the length of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_.empty())
      ::unsetenv(name_);
    else
      ::setenv(name_, old_.c_str(), 1);
  }

 private:
  const char* name_;
  std::string old_;
};

using LocaleSettings = StateWithFakes;

TEST_F(LocaleSettings, SeededFromTheEnvironmentLocaleOnFirstUse) {
  ScopedEnv all("LC_ALL", "de_DE.UTF-8");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL), ",");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_STHOUSAND), ".");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SSHORTDATE), "dd.MM.yyyy");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_STIMEFORMAT), "HH:mm:ss");
  // Once seeded, the stored setting is the user's: a change of environment no longer matters.
  ScopedEnv other("LC_ALL", "en_US.UTF-8");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL), ",");
}

TEST_F(LocaleSettings, PosixLocaleReadsAsUnitedStatesEnglish) {
  ScopedEnv all("LC_ALL", "C");
  const auto settings = modLocale::CurrentTextSettings(state);
  EXPECT_EQ(settings.decimalSeparator, ".");
  EXPECT_EQ(settings.dates.shortDate, "M/d/yyyy");
  EXPECT_EQ(settings.dates.timeFormat, "h:mm:ss tt");
}

// The record beside the forced separator: a forcer that is gone (an id no process has, or a
// live id with another start time) is repaired, a live one is not; a value the user set after
// the forcer died is kept.
TEST_F(LocaleSettings, ForcedSeparatorIsGivenBackOnlyWhenItsForcersAreGone) {
  auto write = [&](const char* key, const char* name, const std::string& value) {
    fakes.registry->WriteString(RegistryHive::CurrentUser, key, name, value);
  };
  const char* const international = "Control Panel\\International";
  const char* const record = "Software\\Velloway\\Forced Settings";
  write(international, "sDecimal", ",");
  EXPECT_EQ(modLocale::ForceDecimalSeparator(state), ",");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL), ".");
  EXPECT_EQ(modLocale::RepairDecimalSeparator(state), std::nullopt);  // this process lives
  const std::string self =
      *fakes.registry->ReadString(RegistryHive::CurrentUser, record, "Forced By");
  const std::string reusedId = self.substr(0, self.find('/')) + "/1";
  for (const std::string& gone : {std::string("2147483646/5"), reusedId}) {
    write(record, "Forced By", gone);
    EXPECT_EQ(modLocale::RepairDecimalSeparator(state), ",") << gone;
    EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL), ",");
    EXPECT_EQ(fakes.registry->ReadString(RegistryHive::CurrentUser, record, "sDecimal"),
              std::nullopt);
    write(record, "sDecimal", ",");
    write(international, "sDecimal", ".");
  }
  write(international, "sDecimal", ";");
  EXPECT_EQ(modLocale::RepairDecimalSeparator(state), ";");
  EXPECT_EQ(modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL), ";");
}

}  // namespace
}  // namespace velloway
