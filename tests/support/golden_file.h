// Helpers for tests of written files: a scratch folder that is the current
// directory while a test runs (so files are named by short relative paths,
// which is what their end lines then show), a fixed clock, and byte-for-byte
// comparison with golden files in tests/data/golden.
//
// ZENTRIX_UPDATE_GOLDEN=1 rewrites the golden files from the output instead;
// read every rewritten file against the layout before committing it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/portable.h"

namespace zentrix::testing {

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The lines of a written file without their CR LF ends; a last line without
// its end is a failure.
inline std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (auto at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", from)) {
    lines.push_back(bytes.substr(from, at - from));
    from = at + 2;
  }
  EXPECT_EQ(from, bytes.size()) << "the file must end with CR LF";
  return lines;
}

inline std::filesystem::path goldenPath(const std::string& name) {
  return std::filesystem::path(ZENTRIX_TEST_DATA_DIR) / "golden" / name;
}

// The first differing line, shown with its number, or empty when equal.
inline std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected), a(actual);
  std::string expectedLine, actualLine;
  for (int number = 1;; ++number) {
    const bool moreExpected = static_cast<bool>(std::getline(e, expectedLine));
    const bool moreActual = static_cast<bool>(std::getline(a, actualLine));
    if (!moreExpected && !moreActual) break;
    if (expectedLine != actualLine || moreExpected != moreActual)
      return "line " + std::to_string(number) + "\n  expected [" + expectedLine +
             "]\n  actual   [" + actualLine + "]";
  }
  return expected == actual ? "" : "line ends differ";
}

// Compares `actual` with the golden file `name` byte for byte.
inline ::testing::AssertionResult matchesGolden(const std::string& actual,
                                                const std::string& name) {
  const auto path = goldenPath(name);
  if (const char* update = std::getenv("ZENTRIX_UPDATE_GOLDEN"); update && *update == '1') {
    std::filesystem::create_directories(path.parent_path());
    writeBytes(path, actual);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(path))
    return ::testing::AssertionFailure() << "no golden file " << path;
  const std::string expected = readBytes(path);
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << name << " differs at " << firstDifference(expected, actual);
}

// A test name made of the letters and digits of `text`, "_" for the rest.
inline std::string identifierOf(std::string text) {
  for (char& c : text)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return text;
}

// The date line of every written file, for SOURCE_DATE_EPOCH 1700000000 in UTC.
inline constexpr const char* kFixedDateLine = "14/11/2023   22:13:20";

// A fresh scratch folder as the current directory, a fixed clock in UTC.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setEnvironment("SOURCE_DATE_EPOCH", "1700000000");
    useTimeZone("UTC");
    previous_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = "zentrix-" + std::to_string(processId()) + "-" + info->test_suite_name() +
                       "-" + info->name();
    for (char& c : leaf)
      if (c == '/') c = '_';
    folder_ = std::filesystem::temp_directory_path() / leaf;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::filesystem::path& folder() const { return folder_; }

  // Names of the entries of the scratch folder, sorted.
  std::string folderListing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const auto& name : names) listing += name + " ";
    return listing;
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

}  // namespace zentrix::testing
