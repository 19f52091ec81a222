// Fuzzes the free-form value reader, which reads every typed number of the
// Zentrix Input File and of the entry dialogs, and the edit boxes' text to
// number. The input's first bytes plan the reads (how many targets, of which
// kinds), the rest is the text. Besides the sanitizers' findings it stops on
// a broken promise: a failure without a message, a line number that runs
// backwards, a non-finite real, or a value that does not read back as
// itself once written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/free_form.h"
#include "model/number_text.h"

namespace {

using zentrix::model::FreeFormReader;
using zentrix::model::FreeFormTarget;
using zentrix::model::Outcome;

constexpr std::size_t kPlanBytes = 4;

// Stops the run on a broken promise, saying which one.
#define require(condition) ((condition) ? void(0) : brokenPromise(#condition, __LINE__))

[[noreturn]] void brokenPromise(const char* condition, int line) {
  std::fprintf(stderr, "broken promise at line %d: %s\n", line, condition);
  std::abort();
}

// The targets of one read, as plan byte `plan` asks: bits 0-2 the count,
// bits 3-7 the kinds (integer, real or text, cycling from a start).
struct PlannedRead {
  std::vector<std::int32_t> integers;
  std::vector<float> reals;
  std::vector<std::string> texts;
  std::vector<FreeFormTarget> targets;

  explicit PlannedRead(std::uint8_t plan) {
    const int count = plan & 7;
    integers.assign(8, -7);
    reals.assign(8, -7.5f);
    texts.assign(8, "kept");
    for (int i = 0; i < count; ++i) {
      const auto at = static_cast<std::size_t>(i);
      switch (((plan >> 3) + i * (1 + (plan >> 6))) % 3) {
        case 0:
          targets.emplace_back(&integers[at]);
          break;
        case 1:
          targets.emplace_back(&reals[at]);
          break;
        default:
          targets.emplace_back(&texts[at]);
          break;
      }
    }
  }
};

// A real read back after writing it in the file's 7-digit form reads as
// what that text says, and writing it again gives the same text.
void checkRealRoundTrip(float value) {
  require(std::isfinite(value));
  const std::string written = zentrix::model::FreeFormRecord().real(value).str();
  float again = 0.0f;
  const Outcome outcome = zentrix::model::readFreeForm(written, {&again});
  require(outcome.ok);
  require(zentrix::model::FreeFormRecord().real(again).str() == written);
}

void checkIntegerRoundTrip(std::int32_t value) {
  const std::string written = zentrix::model::FreeFormRecord().integer(value).str();
  std::int32_t again = 0;
  require(zentrix::model::readFreeForm(written, {&again}).ok && again == value);
}

void checkFilledValues(const FreeFormReader& reader, const PlannedRead& read) {
  for (std::size_t i = 0; i < read.targets.size(); ++i) {
    if (!reader.filled(static_cast<int>(i) + 1)) continue;
    if (read.targets[i].index() == 0) checkIntegerRoundTrip(read.integers[i]);
    if (read.targets[i].index() == 1) checkRealRoundTrip(read.reals[i]);
  }
}

void readAsFile(std::string_view text, const std::uint8_t* plan, bool romanian) {
  FreeFormReader reader(text, romanian);
  for (std::size_t step = 0; step < 16 && !reader.atEnd(); ++step) {
    const std::uint8_t byte = plan[step % kPlanBytes];
    const int lineBefore = reader.lineNumber();
    const std::int64_t linesBefore = reader.remainingLineCount();
    if ((byte & 7) == 7 && step % 2 == 1) {
      std::string line;
      require(reader.readLine(line));
      require(line.find('\n') == std::string::npos);
    } else {
      PlannedRead read(byte);
      const Outcome outcome = reader.read(read.targets);
      require(outcome.ok == outcome.message.empty());
      if (!outcome.ok) require(outcome.line >= lineBefore && outcome.line >= 1);
      if (outcome.ok) checkFilledValues(reader, read);
    }
    require(reader.lineNumber() > lineBefore || reader.atEnd());
    require(reader.remainingLineCount() < linesBefore || linesBefore == 0);
  }
}

void readAsEditBox(std::string_view text, std::uint8_t plan, bool romanian) {
  PlannedRead read(plan);
  const Outcome outcome = zentrix::model::readFreeForm(text, read.targets, romanian);
  require(outcome.ok == outcome.message.empty());
  for (const float value : read.reals) require(std::isfinite(value));
}

void readAsNumberText(std::string_view text) {
  const std::string_view head = text.substr(0, 64);
  (void)zentrix::model::textToInteger(head);
  (void)zentrix::model::textToReal(head);
  const std::string compact = zentrix::model::compactNumberText(head);
  require(compact.size() <= head.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kPlanBytes) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + kPlanBytes), size - kPlanBytes);
  const bool romanian = (data[0] & 0x80) != 0;
  readAsFile(text, data, romanian);
  readAsEditBox(text, data[1], romanian);
  readAsNumberText(text);
  return 0;
}
