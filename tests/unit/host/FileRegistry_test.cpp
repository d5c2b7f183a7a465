#include "host/FileRegistry.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace velloway::host {
namespace {

constexpr auto kUser = RegistryHive::CurrentUser;

TEST(FileRegistry, CaseInsensitiveNamesAndExactValuesSurviveAReload) {
  test::TempDir dir;
  const std::string path = dir.File("deep/folder/registry.reg");
  const std::string tricky = "C:\\path \"quoted\"\nsecond line\r";
  FileRegistry(path).WriteString(kUser, "Software\\Kestrion Software\\Main", "ExcelImportPath",
                                 tricky);
  FileRegistry reloaded(path);
  EXPECT_EQ(reloaded.ReadString(kUser, "SOFTWARE\\kestrion software\\MAIN", "excelimportpath"),
            tricky);
  EXPECT_EQ(reloaded.ReadString(kUser, "Software\\Other", "ExcelImportPath"), std::nullopt);
  reloaded.WriteString(kUser, "SOFTWARE\\KESTRION SOFTWARE\\MAIN", "", "default value");
  EXPECT_EQ(reloaded.ReadString(kUser, "Software\\Kestrion Software\\Main", ""), "default value");
  reloaded.DeleteKey(kUser, "software\\kestrion software");
  EXPECT_EQ(reloaded.ReadString(kUser, "Software\\Kestrion Software\\Main", "ExcelImportPath"),
            std::nullopt);
}

TEST(FileRegistry, CrLfFilesReadAsTheyAreAndDamagedOnesAreNeverOverwritten) {
  test::TempDir dir;
  std::string path = dir.Write(
      "registry.reg",
      "Velloway Registry 1\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kestrion Software\\Main]\r\n"
      "\"ExcelImportPath\"=\"/home/u/book.xlsx\"\r\n@=\"default\"\r\n");
  FileRegistry registry(path);
  EXPECT_EQ(registry.ReadString(kUser, "Software\\Kestrion Software\\Main", "ExcelImportPath"),
            "/home/u/book.xlsx");
  EXPECT_EQ(registry.ReadString(kUser, "Software\\Kestrion Software\\Main", ""), "default");
  // The command's tests check the message (with its line) and that the file is kept; here two
  // more kinds of damage: an unterminated value and a file without the header.
  const std::string damaged =
      "Velloway Registry 1\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"unterminated\n";
  path = dir.Write("damaged.reg", damaged);
  EXPECT_THROW(FileRegistry(path).WriteString(kUser, "A", "y", "1"), RegistryError);
  EXPECT_EQ(test::ReadFile(path), damaged);
  EXPECT_THROW(FileRegistry(dir.Write("other.reg", "not a registry\n")).ReadString(kUser, "A", "x"),
               RegistryError);
}

}  // namespace
}  // namespace velloway::host
