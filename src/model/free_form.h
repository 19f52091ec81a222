// Free-form value lists: the one syntax of typed numbers shared by the
// Zentrix Input File, the coordinates and topology entry and the vertex foot
// text. One reader and one writer serve every user.
//
// Reading: values are separated by one or more blanks, or by a comma with
// optional blanks around it; the end of a line counts as a blank. An empty
// value (two commas in a row, or a comma first) leaves its target unchanged.
// A slash ends the read; targets not yet filled keep their values. "r*v"
// stands for r copies of v, "r*" for r empty values. Integers: optional sign
// and digits. Reals: optional sign, digits with an optional point, optional
// exponent introduced by E or D in either case. A text value is a run of
// characters without blanks, commas or slashes, or a quoted string
// (apostrophes or double quotes; a doubled quote stands for itself).
// A read takes as many values as it needs, continuing over following lines;
// what is left on the last line used is dropped and the next read starts on
// the next line. A failed read says which value failed and what was found
// ("value 2: expected a real, found 'abc'"), in English or Romanian. Numbers
// that do not fit their target (an integer beyond 32 bits, a real beyond
// single precision) fail, and so do "NaN" and "Inf": they are not numbers of
// this syntax. A quoted text must close on its own line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/outcome.h"

namespace zentrix::model {

// Where one value of a read goes.
using FreeFormTarget = std::variant<std::int32_t*, float*, std::string*>;

// Reads one free-form record from a single text (an edit box). Running out
// of text before every target has a value (and no slash came) fails.
Outcome readFreeForm(std::string_view text, std::span<const FreeFormTarget> targets,
                     bool romanian = false);
inline Outcome readFreeForm(std::string_view text, std::initializer_list<FreeFormTarget> targets,
                            bool romanian = false) {
  return readFreeForm(text, std::span<const FreeFormTarget>(targets.begin(), targets.size()),
                      romanian);
}

// Reads free-form records from lines of text (CR LF or LF line ends).
class FreeFormReader {
 public:
  // `romanian` picks the language of the failure messages.
  explicit FreeFormReader(std::string_view text, bool romanian = false);

  // Reads values into the targets in order (see above). On failure the
  // targets filled before the failing value keep their new values, and the
  // outcome names the value (1-based position in the read) and what was
  // found; its `line` is the 1-based line of the text.
  Outcome read(std::span<const FreeFormTarget> targets);
  Outcome read(std::initializer_list<FreeFormTarget> targets) {
    return read(std::span<const FreeFormTarget>(targets.begin(), targets.size()));
  }

  // Takes the next line whole (without its line end); false at the end.
  bool readLine(std::string& line);

  bool atEnd() const noexcept;
  // 1-based number of the line the next read starts on.
  int lineNumber() const noexcept { return line_; }
  // The line of the first value (or slash) of the last read: where its
  // record stands, for messages about the values it gave.
  int recordLineNumber() const noexcept { return recordLine_; }
  // Whether the last read gave a value to its target at `position`
  // (1-based); false for an empty value and for targets after a slash.
  bool filled(int position) const noexcept;
  // Lines from the next read's line to the end of the text: an upper bound
  // of the records that can still follow, since every read uses a line.
  std::int64_t remainingLineCount() const noexcept;

 private:
  std::string_view text_;
  std::size_t at_ = 0;  // start of the next line
  int line_ = 1;
  int recordLine_ = 0;
  bool romanian_ = false;
  bool singleText_ = false;  // an edit box's text rather than a file
  std::vector<bool> filled_;

  friend Outcome readFreeForm(std::string_view, std::span<const FreeFormTarget>, bool);
};

// Writes one free-form record: an integer in 12 columns right-aligned, a real
// in 15 columns in the general form with 7 significant digits, a text value
// preceded by one blank. No line end is added.
class FreeFormRecord {
 public:
  FreeFormRecord& integer(std::int64_t value);
  FreeFormRecord& real(float value);
  FreeFormRecord& text(std::string_view value);
  const std::string& str() const noexcept { return text_; }

 private:
  std::string text_;
};

// Raw forms for the fast writers: append to `out`, return the new end.
// They write at most kMaxEditChars characters and never allocate.
char* writeFreeFormInteger(char* out, std::int64_t value);
char* writeFreeFormReal(char* out, float value);

// Columns of the free-form fields.
inline constexpr int kFreeFormIntegerWidth = 12;
inline constexpr int kFreeFormRealWidth = 15;
inline constexpr int kFreeFormRealDigits = 7;

}  // namespace zentrix::model
