// Long runs of records (the nodes and elements of a large structure) are
// formatted in chunks on several threads and written in their order. The
// formatting is most of a writer's work, the file system takes the blocks
// as fast as memory can be copied, so a second core nearly halves the time.
//
// Promises: the bytes written are exactly those a single loop over the
// records would write; the caller's progress is asked only on the calling
// thread, between chunks; memory stays a few chunk buffers whatever the
// count; when the output fails or the progress cancels, formatting stops
// soon and every thread has ended before the call returns. Works on one
// thread where threads cannot be had.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "files/text_file_output.h"

namespace zentrix::files {

// Formats records first..last-1 (0-based) at `out`, at most
// `maxRecordChars` characters each (the stores past the end that the fast
// edits make have room after the last: TextFileOutput::kStoreSlack);
// returns the end. Called on any thread,
// for disjoint ranges at once: it must only read shared data.
using RecordFormatter = std::function<char*(std::int64_t first, std::int64_t last, char* out)>;

// Told how many records have been written so far; false cancels.
using RecordsWritten = std::function<bool(std::int64_t done)>;

// Writes records 0..count-1 through `out`. False when cancelled (the output
// is then to be abandoned) or when the output failed (its `finish` says why).
bool writeRecordsInOrder(TextFileOutput& out, std::int64_t count, std::size_t maxRecordChars,
                         const RecordFormatter& format, const RecordsWritten& written);

}  // namespace zentrix::files
