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
#include "support/scratch_folder.h"

namespace zentrix::testing {

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

// True when the golden files are to be rewritten from the output.
inline bool updatingGoldenFiles() {
  const char* update = std::getenv("ZENTRIX_UPDATE_GOLDEN");
  return update != nullptr && *update == '1';
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

// Compares `actual` with the golden file at `path` byte for byte.
inline ::testing::AssertionResult matchesGoldenFile(const std::string& actual,
                                                    const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  if (updatingGoldenFiles()) {
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

// Compares `actual` with the golden file `name` of tests/data/golden.
inline ::testing::AssertionResult matchesGolden(const std::string& actual,
                                                const std::string& name) {
  return matchesGoldenFile(actual, goldenPath(name));
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
    std::filesystem::current_path(folder_.path());
  }
  // Leaves the folder before it is removed with the fixture.
  void TearDown() override { std::filesystem::current_path(previous_); }
  const std::filesystem::path& folder() const { return folder_.path(); }
  std::string file(const std::string& name) const { return folder_.file(name); }

  // Names of the entries of the scratch folder, sorted.
  std::string folderListing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const auto& name : names) listing += name + " ";
    return listing;
  }

 private:
  std::filesystem::path previous_;
  ScratchFolder folder_;
};

}  // namespace zentrix::testing
