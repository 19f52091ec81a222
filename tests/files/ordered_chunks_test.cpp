// Formatting on several threads: a formatter that throws on a helper
// thread stops the run and its exception reaches the writer's caller (it
// used to end the process), and the target file stays as it was.
#include "files/ordered_chunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "files/text_file_output.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

TEST(OrderedChunks, ThrowingFormatterReachesTheCallerAndKeepsTheTarget) {
  ScratchFolder folder;
  const std::string path = folder.file("kept.txt");
  writeBytes(path, "old\r\n");
  constexpr std::int64_t kRecords = 4'000'000;  // many chunks of 8 characters
  std::atomic<int> calls{0};
  const RecordFormatter format = [&](std::int64_t first, std::int64_t last, char* at) {
    // Chunks after the first are formatted by whichever thread is free,
    // a helper thread wherever there is one.
    if (first > 0 && calls++ == 1) throw std::runtime_error("format failed");
    for (std::int64_t record = first; record < last; ++record, at += 8)
      std::memcpy(at, "record\r\n", 8);
    return at;
  };
  {
    TextFileOutput out(path, false);
    ASSERT_TRUE(out.open());
    EXPECT_THROW(writeRecordsInOrder(out, kRecords, 8, format, [](std::int64_t) { return true; }),
                 std::runtime_error);
  }
  EXPECT_EQ(readBytes(path), "old\r\n");
}

}  // namespace
}  // namespace zentrix::files
