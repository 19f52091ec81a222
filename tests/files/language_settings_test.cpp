#include "files/language_settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/scratch_folder.h"
#include "support/test_names.h"

namespace zentrix::files {
namespace {

using zentrix::testing::ScratchFolder;
using zentrix::testing::writeBytes;

// The settings files of one start-up; a missing entry is a missing file.
struct SettingsCase {
  const char* what;
  std::optional<std::string> languageDat;
  std::optional<std::string> workDirDat;  // "@" stands for the work folder's path
  std::optional<std::string> plovikDat;
  std::string expectedCode;
};

class LanguageLookUpTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LanguageLookUpTest, FindsTheCode) {
  const auto& c = GetParam();
  ScratchFolder current;
  ScratchFolder work;
  if (c.languageDat) writeBytes(current.file("language.dat"), *c.languageDat);
  if (c.workDirDat) {
    std::string text = *c.workDirDat;
    if (const auto at = text.find('@'); at != std::string::npos)
      text.replace(at, 1, work.path().string());
    writeBytes(current.file("work_dir.dat"), text);
  }
  if (c.plovikDat) writeBytes(work.file("Plovik.dat"), *c.plovikDat);
  EXPECT_EQ(lookUpLanguageCode(current.path().string()), c.expectedCode) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    LanguageDat, LanguageLookUpTest,
    ::testing::Values(
        SettingsCase{"first line", "Romanian\nEnglish\n", {}, {}, "Romanian"},
        SettingsCase{"CR LF and trailing blanks", "romana   \r\nx\r\n", {}, {}, "romana"},
        SettingsCase{"no line end", "English", {}, {}, "English"},
        SettingsCase{
            "cut to 20", "Romanian-language-code-too-long\n", {}, {}, "Romanian-language-co"},
        SettingsCase{"leading blank kept", " Romanian\n", {}, {}, " Romanian"},
        SettingsCase{"empty first line", "\nRomanian\n", {}, {}, ""},
        SettingsCase{"wins over Plovik.dat", "English\n", "@\n", "Romanian\n", "English"}),
    ::zentrix::testing::nameFrom(&SettingsCase::what));

INSTANTIATE_TEST_SUITE_P(
    PackageSettings, LanguageLookUpTest,
    ::testing::Values(
        SettingsCase{"last line of Plovik.dat", {}, "@\n", "English\nX\nRomanian\n", "Romanian"},
        SettingsCase{"last line without line end", {}, "@\r\n", "Romanian\r\nEnglish", "English"},
        SettingsCase{"work dir with trailing blanks", {}, "@    \r\n", "ro\r\n", "ro"},
        SettingsCase{"work dir with a final separator", {}, "@/\n", "Romanian\n", "Romanian"},
        SettingsCase{"empty language.dat counts as missing", "", "@\n", "Romanian\n", "Romanian"},
        SettingsCase{"no Plovik.dat", {}, "@\n", {}, "English"},
        SettingsCase{"empty Plovik.dat", {}, "@\n", "", "English"},
        SettingsCase{"empty work_dir.dat", {}, "", "Romanian\n", "English"},
        SettingsCase{"work dir that does not exist", {}, "/no/such/folder\n", {}, "English"},
        SettingsCase{"no settings at all", {}, {}, {}, "English"}),
    ::zentrix::testing::nameFrom(&SettingsCase::what));

TEST(LanguageLookUp, CurrentDirWithTrailingBlanksAsTheModelKeepsIt) {
  ScratchFolder current;
  writeBytes(current.file("language.dat"), "Romanian\n");
  EXPECT_EQ(lookUpLanguageCode(current.path().string() + "     "), "Romanian");
}

TEST(LanguageLookUp, AFolderNamedLikeASettingsFileCountsAsMissing) {
  ScratchFolder current;
  std::filesystem::create_directory(current.path() / "language.dat");
  EXPECT_EQ(lookUpLanguageCode(current.path().string()), "English");
}

TEST(LanguageCode, RomanianWhenItStartsWithR) {
  const std::pair<const char*, bool> cases[] = {
      {"Romanian", true},   {"romana", true}, {"R", true},        {"English", false},
      {" Romanian", false}, {"", false},      {"Deutsch", false}, {"xR", false}};
  for (const auto& [code, romanian] : cases) EXPECT_EQ(isRomanianCode(code), romanian) << code;
}

}  // namespace
}  // namespace zentrix::files
