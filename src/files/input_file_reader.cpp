// Loading a Zentrix Input File ("Old File"). The file is meant to be edited
// by hand, so every record but the title, the headings and the type names is
// a free-form value list, and the load checks what the model cannot hold
// (see `InputFileLoader`). Only the input part is read: the text is taken
// into memory up to the end-of-input line, never the generated part after it.
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "files/file_headings.h"
#include "files/file_texts.h"
#include "files/input_file.h"
#include "files/native_path.h"
#include "files/platform_files.h"
#include "files/system_error_text.h"
#include "model/free_form.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

using model::FreeFormTarget;
using model::Outcome;
using model::say;

// Far more than the inputs of any Base module; a file whose input part runs
// beyond it is read that far only (and a load that needs more fails).
constexpr std::size_t kMaxInputPartBytes = std::size_t{64} << 20;

// A file written in either language is read whatever the language now.
constexpr std::string_view kEndOfInputMarks[] = {headings::kEndOfInputMark.en,
                                                 headings::kEndOfInputMark.ro};

// The file's text up to, not including, its end-of-input line.
struct InputPart {
  std::string_view text;
  bool cut = false;  // stopped at kMaxInputPartBytes
};

bool startsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool isEndOfInputLine(std::string_view line) {
  for (const auto mark : kEndOfInputMarks)
    if (startsWith(line, mark)) return true;
  return false;
}

// Follows the lines as they arrive and tells where the input part ends. The
// end-of-input line is only looked for after the title, which may hold any text.
class InputPartEnd {
 public:
  // Looks at the complete lines of `text` not seen yet; the end or npos.
  // With `finalLine` the text is all there is, so its last line is complete.
  std::size_t scan(std::string_view text, bool finalLine) {
    for (;;) {
      const std::size_t lineEnd = text.find('\n', next_);
      if (lineEnd == std::string_view::npos && !(finalLine && next_ < text.size()))
        return std::string_view::npos;
      const std::size_t end = lineEnd == std::string_view::npos ? text.size() : lineEnd;
      const std::string_view line = text.substr(next_, end - next_);
      if (titleSeen_ && isEndOfInputLine(line)) return next_;
      if (!startsWith(line, "//")) titleSeen_ = true;
      next_ = end + 1;
      if (next_ > text.size()) return std::string_view::npos;
    }
  }
  // Start of the first line not yet complete.
  std::size_t completeUpTo() const noexcept { return next_; }

 private:
  std::size_t next_ = 0;
  bool titleSeen_ = false;
};

// The input part of a whole text: up to its end-of-input line, and never
// more than kMaxInputPartBytes (then up to the last line complete there).
InputPart inputPartOf(std::string_view text) {
  const bool tooLong = text.size() > kMaxInputPartBytes;
  const std::string_view head = tooLong ? text.substr(0, kMaxInputPartBytes) : text;
  InputPartEnd end;
  const std::size_t endAt = end.scan(head, !tooLong);
  if (endAt != std::string_view::npos) return {head.substr(0, endAt), false};
  if (!tooLong) return {head, false};
  return {head.substr(0, end.completeUpTo()), true};
}

// The longest line read: far more than any record, and a bound on what a
// file without line ends (a device, a binary file) makes the load read.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Makes the bytes of a file the text the loader reads, as they arrive: a
// UTF-8 byte-order mark at the start is dropped, and CR LF and CR CR LF
// become LF. A file whose first line ends in a lone CR (old Mac editors)
// has CR line ends throughout; in any other file a lone CR stays a byte of
// its line, a blank to the free-form reading, as it always was. It stops
// at a NUL byte in the first line (a binary file, a device of zeros) and at
// a line longer than kMaxLineBytes.
class TextCleaner {
 public:
  enum class Stop { kNone, kNulByte, kLineTooLong };

  // Appends the cleaned bytes to `text`; false once it stopped.
  bool add(std::string_view bytes, std::string& text) {
    for (const char c : bytes) {
      if (stop_ != Stop::kNone) return false;
      if (markBytes_ < 3) {
        if (c == kByteOrderMark[markBytes_]) {
          ++markBytes_;
          continue;
        }
        // Not a mark after all: its bytes so far are text.
        for (std::size_t i = 0; i < markBytes_; ++i) putByte(kByteOrderMark[i], text);
        markBytes_ = 3;
      }
      put(c, text);
    }
    return stop_ == Stop::kNone;
  }
  // Ends the text: CRs left at the very end end their lines too.
  void finish(std::string& text) {
    for (std::size_t i = 0; i < markBytes_ && markBytes_ < 3; ++i) putByte(kByteOrderMark[i], text);
    markBytes_ = 3;
    if (carriageReturns_ > 0 && lineEnds_ == LineEnds::kUnknown)
      lineEnds_ = LineEnds::kCarriageReturn;
    flushCarriageReturns(text, false);
  }

  Stop stop() const noexcept { return stop_; }
  // The line (1-based) where it stopped.
  int line() const noexcept { return line_; }

 private:
  static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
  enum class LineEnds { kUnknown, kLineFeed, kCarriageReturn };

  void put(char c, std::string& text) {
    if (c == '\r') {
      ++carriageReturns_;
      return;
    }
    if (carriageReturns_ > 0 && lineEnds_ == LineEnds::kUnknown)
      lineEnds_ = c == '\n' ? LineEnds::kLineFeed : LineEnds::kCarriageReturn;
    flushCarriageReturns(text, c == '\n');
    if (c == '\n') {
      if (lineEnds_ == LineEnds::kUnknown) lineEnds_ = LineEnds::kLineFeed;
      endLine(text);
      return;
    }
    if (c == '\0' && line_ == 1) {
      stop_ = Stop::kNulByte;
      return;
    }
    putByte(c, text);
  }
  void putByte(char c, std::string& text) {
    if (++lineBytes_ > kMaxLineBytes) {
      stop_ = Stop::kLineTooLong;
      return;
    }
    text += c;
  }
  // CRs before an LF belong to that line end (CR LF, CR CR LF); others end
  // lines of their own in a file of CR line ends, else they stay.
  void flushCarriageReturns(std::string& text, bool beforeLineFeed) {
    for (; carriageReturns_ > 0; --carriageReturns_) {
      if (beforeLineFeed) continue;
      if (lineEnds_ == LineEnds::kCarriageReturn)
        endLine(text);
      else
        putByte('\r', text);
    }
  }
  void endLine(std::string& text) {
    text += '\n';
    lineBytes_ = 0;
    ++line_;
  }

  std::size_t markBytes_ = 0;
  std::size_t carriageReturns_ = 0;
  std::size_t lineBytes_ = 0;
  int line_ = 1;
  LineEnds lineEnds_ = LineEnds::kUnknown;
  Stop stop_ = Stop::kNone;
};

// Why a cleaner stopped, as a load failure.
Outcome refusedText(const TextCleaner& cleaner, std::string_view pathText, bool romanian) {
  std::string text = say(texts::kFileLine, romanian,
                         {model::escapedControls(pathText), std::to_string(cleaner.line())}) +
                     ": ";
  if (cleaner.stop() == TextCleaner::Stop::kNulByte)
    text += say(texts::kNotAText, romanian);
  else
    text += say(texts::kLineTooLong, romanian, {std::to_string(kMaxLineBytes)});
  return Outcome::failure(std::move(text), cleaner.line());
}

// Reads the file as far as its input part goes: to the end-of-input line, or
// one byte beyond kMaxInputPartBytes, or the end of the file. The generated
// part after it can run to hundreds of megabytes and is never read.
Outcome readInputPart(const std::string& pathText, bool romanian, std::string& text) {
  platform::ReadHandle file;
  if (const int error = platform::openForReading(nativePath(pathText), file); error != 0)
    return Outcome::ioFailure(
        cannotOpen(pathText, failureReason(error, nativePath(pathText), romanian), romanian));
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string block(kBlock, '\0');
  TextCleaner cleaner;
  InputPartEnd end;
  for (;;) {
    std::size_t count = 0;
    if (const int error = file.read(block.data(), kBlock, count); error != 0)
      return Outcome::ioFailure(
          cannotRead(pathText, failureReason(error, nativePath(pathText), romanian), romanian));
    if (count == 0) {
      cleaner.finish(text);
      break;
    }
    if (!cleaner.add(std::string_view(block.data(), count), text))
      return refusedText(cleaner, pathText, romanian);
    if (const std::size_t endAt = end.scan(text, false); endAt != std::string_view::npos) {
      text.resize(endAt);
      break;
    }
    if (text.size() > kMaxInputPartBytes) break;
  }
  return Outcome::success();
}

// The input parts a load fills. They start as the model's, since a record
// may leave a value out (an empty value, a slash) and the value then stays;
// the model takes them whole when the whole read succeeded.
struct LoadedParts {
  model::BaseModule base;
  model::Expansion expansion;
  model::ElementTypes types;

  explicit LoadedParts(const model::Model& m)
      : base(m.base), expansion(m.expansion), types(m.types) {}

  void moveInto(model::Model& m) && {
    m.base = std::move(base);
    m.expansion = std::move(expansion);
    m.types = std::move(types);
  }
};

// The records of the file, as a failure names them.
enum class Field {
  kTitle,
  kCounts,
  kCoordinatesHeading,
  kNodeRecord,
  kExpansionHeading,
  kDirection,
  kExpansion,
  kPyramidRatio,
  kVertexFoot,
  kShrink,
  kArch,
  kTopologyHeading,
  kElementCount,
  kElementRecord,
  kTypeCount,
  kTypeName,
  kTypeArea,
};

const model::Text& fieldText(Field field) {
  switch (field) {
    case Field::kTitle:
      return texts::fields::kTitle;
    case Field::kCounts:
      return texts::fields::kCounts;
    case Field::kCoordinatesHeading:
      return texts::fields::kCoordinatesHeading;
    case Field::kNodeRecord:
      return texts::fields::kNodeRecord;
    case Field::kExpansionHeading:
      return texts::fields::kExpansionHeading;
    case Field::kDirection:
      return texts::fields::kDirection;
    case Field::kExpansion:
      return texts::fields::kExpansion;
    case Field::kPyramidRatio:
      return texts::fields::kPyramidRatio;
    case Field::kVertexFoot:
      return texts::fields::kVertexFoot;
    case Field::kShrink:
      return texts::fields::kShrink;
    case Field::kArch:
      return texts::fields::kArch;
    case Field::kTopologyHeading:
      return texts::fields::kTopologyHeading;
    case Field::kElementCount:
      return texts::fields::kElementCount;
    case Field::kElementRecord:
      return texts::fields::kElementRecord;
    case Field::kTypeCount:
      return texts::fields::kTypeCount;
    case Field::kTypeName:
      return texts::fields::kTypeName;
    case Field::kTypeArea:
      return texts::fields::kTypeArea;
  }
  return texts::fields::kTitle;
}

// Reads the records in order into a `LoadedParts`. Besides what the free-form
// reading refuses, it refuses what the model cannot hold: coordinates per
// node other than 2 or 3, negative counts, a node count beyond 32 bits,
// record numbers outside their range, more records than the lines left in
// the file could hold (so a bad count never allocates), and an element type
// count outside 1..4.
class InputFileLoader {
 public:
  InputFileLoader(const InputPart& part, std::string_view fileName, bool romanian)
      : path_(fileName), romanian_(romanian), cut_(part.cut), reader_(part.text, romanian) {}

  Outcome load(LoadedParts& in) {
    Outcome outcome = readTitle(in);
    if (outcome) outcome = readBaseNodes(in);
    if (outcome) outcome = readExpansion(in);
    if (outcome) outcome = readBaseElements(in);
    if (outcome) outcome = readElementTypes(in);
    return outcome;
  }

 private:
  std::string say(const model::Text& text,
                  std::initializer_list<std::string_view> values = {}) const {
    return model::say(text, romanian_, values);
  }

  Outcome fail(Field field, const std::string& reason, int line, int typeNumber = 0) const {
    std::string text =
        say(texts::kFileLine, {model::escapedControls(path_), std::to_string(line)}) + ", " +
        say(fieldText(field));
    if (typeNumber > 0) text += " " + std::to_string(typeNumber);
    text += ": " + reason;
    if (cut_) text += say(texts::kOnlyTheFirst64MiB);
    return Outcome::failure(std::move(text), line);
  }

  int lastLine() const { return std::max(1, reader_.lineNumber() - 1); }

  Outcome missing(Field field, int typeNumber = 0) const {
    return fail(field, say(texts::kEndsBefore), lastLine(), typeNumber);
  }

  Outcome read(Field field, std::span<const FreeFormTarget> targets, int typeNumber = 0) {
    const Outcome outcome = reader_.read(targets);
    if (outcome) return outcome;
    return fail(field, outcome.message, outcome.line, typeNumber);
  }
  Outcome read(Field field, std::initializer_list<FreeFormTarget> targets, int typeNumber = 0) {
    return read(field, std::span<const FreeFormTarget>(targets.begin(), targets.size()),
                typeNumber);
  }

  Outcome skipHeading(Field field) {
    std::string ignored;
    return reader_.readLine(ignored) ? Outcome::success() : missing(field);
  }

  // Refusals of a value the record gave, located at the record.
  Outcome refuse(Field field, const std::string& reason) const {
    return fail(field, reason, reader_.recordLineNumber());
  }
  Outcome refuseNegative(Field field, std::int32_t value, const model::Text& what) const {
    return refuse(field, say(texts::kNegative, {say(what), std::to_string(value)}));
  }
  // Every record uses at least one line of its own.
  Outcome checkRoomFor(Field field, std::int64_t records, const model::Text& what,
                       int countLine) const {
    const std::int64_t lines = reader_.remainingLineCount();
    if (records <= lines) return Outcome::success();
    return fail(
        field, say(texts::kCannotHold, {std::to_string(records), say(what), std::to_string(lines)}),
        countLine);
  }

  Outcome readTitle(LoadedParts& in) {
    std::string line;
    bool anyLine = false;
    while (reader_.readLine(line)) {
      anyLine = true;
      if (startsWith(line, "//")) continue;
      in.base.problemTitle = shownText(line, model::kTitleWidth);
      return Outcome::success();
    }
    return fail(Field::kTitle, say(anyLine ? texts::kEndsInTheCommentHeader : texts::kEmptyFile),
                lastLine());
  }

  Outcome readBaseNodes(LoadedParts& in) {
    Outcome outcome =
        read(Field::kCounts, {&in.base.dofPerNode, &in.base.nodesInBase0, &in.base.nodesInBase1});
    if (!outcome) return outcome;
    const int countLine = reader_.recordLineNumber();
    if (in.base.dofPerNode != 2 && in.base.dofPerNode != 3)
      return refuse(Field::kCounts,
                    say(texts::kCoordinatesPerNode, {std::to_string(in.base.dofPerNode)}));
    if (in.base.nodesInBase0 < 0)
      return refuseNegative(Field::kCounts, in.base.nodesInBase0, texts::kNodesInBase0);
    if (in.base.nodesInBase1 < 0)
      return refuseNegative(Field::kCounts, in.base.nodesInBase1, texts::kNodesInBase1);
    const std::int64_t nodeCount = in.base.baseNodeCount();
    if (nodeCount > std::numeric_limits<std::int32_t>::max())
      return refuse(Field::kCounts,
                    say(texts::kTooManyNodes,
                        {std::to_string(in.base.nodesInBase0), std::to_string(in.base.nodesInBase1),
                         std::to_string(std::numeric_limits<std::int32_t>::max())}));
    if (outcome = skipHeading(Field::kCoordinatesHeading); !outcome) return outcome;
    if (outcome = checkRoomFor(Field::kCounts, nodeCount, texts::kNodeRecords, countLine); !outcome)
      return outcome;
    in.base.baseCoords.rebuild(nodeCount, in.base.dofPerNode);
    for (std::int64_t record = 1; record <= nodeCount; ++record)
      if (outcome = readNodeRecord(in); !outcome) return outcome;
    return outcome;
  }

  // "k x y [z]" into row k; coordinates the record leaves out stay.
  Outcome readNodeRecord(LoadedParts& in) {
    std::int32_t node = 0;
    std::array<float, 3> xyz{};
    const std::array<FreeFormTarget, 4> targets = {&node, &xyz[0], &xyz[1], &xyz[2]};
    const Outcome outcome = read(
        Field::kNodeRecord, std::span<const FreeFormTarget>(
                                targets.data(), static_cast<std::size_t>(1 + in.base.dofPerNode)));
    if (!outcome) return outcome;
    if (!reader_.filled(1)) {
      for (int axis = 1; axis <= in.base.dofPerNode; ++axis)
        if (reader_.filled(1 + axis))
          return refuse(Field::kNodeRecord, say(texts::kNodeNumberMissing));
      return outcome;  // a record without values (a lone slash) names no node
    }
    if (node < 1 || node > in.base.baseNodeCount())
      return refuse(Field::kNodeRecord,
                    say(texts::kNodeOutside,
                        {std::to_string(node), std::to_string(in.base.baseNodeCount())}));
    for (int axis = 1; axis <= in.base.dofPerNode; ++axis)
      if (reader_.filled(1 + axis))
        in.base.baseCoords(node, axis) = xyz[static_cast<std::size_t>(axis - 1)];
    return outcome;
  }

  Outcome readExpansion(LoadedParts& in) {
    Outcome outcome = skipHeading(Field::kExpansionHeading);
    if (!outcome) return outcome;
    std::string letter(1, in.expansion.expansionDirection);
    if (outcome = read(Field::kDirection, {&letter}); !outcome) return outcome;
    in.expansion.expansionDirection = letter.empty() ? ' ' : letter.front();
    if (outcome = read(Field::kExpansion, {&in.expansion.moduleCount, &in.expansion.moduleLength,
                                           &in.expansion.expansionType});
        !outcome)
      return outcome;
    if (in.expansion.moduleCount < 0)
      return refuseNegative(Field::kExpansion, in.expansion.moduleCount, texts::kModules);
    switch (in.expansion.expansionType) {
      case model::kPyramidal: {
        if (outcome = read(Field::kPyramidRatio, {&in.expansion.pyramidShrinkRatio}); !outcome)
          return outcome;
        const std::array<FreeFormTarget, 3> foot = {
            &in.expansion.vertexFoot[0], &in.expansion.vertexFoot[1], &in.expansion.vertexFoot[2]};
        return read(Field::kVertexFoot,
                    std::span<const FreeFormTarget>(foot.data(),
                                                    static_cast<std::size_t>(in.base.dofPerNode)));
      }
      case model::kOneDirectionShrink: {
        std::string shrinkLetter(1, in.expansion.shrinkDirection);
        if (outcome = read(Field::kShrink, {&in.expansion.shrinkRatio, &shrinkLetter}); !outcome)
          return outcome;
        in.expansion.shrinkDirection = shrinkLetter.empty() ? ' ' : shrinkLetter.front();
        return outcome;
      }
      case model::kArch:
        return read(Field::kArch,
                    {&in.expansion.archKind, &in.expansion.halfSpan, &in.expansion.archHeight});
      default:
        return outcome;
    }
  }

  Outcome readBaseElements(LoadedParts& in) {
    Outcome outcome = skipHeading(Field::kTopologyHeading);
    if (outcome) outcome = read(Field::kElementCount, {&in.base.baseElementCount});
    if (!outcome) return outcome;
    if (in.base.baseElementCount < 0)
      return refuseNegative(Field::kElementCount, in.base.baseElementCount, texts::kElements);
    if (outcome = checkRoomFor(Field::kElementCount, in.base.baseElementCount,
                               texts::kElementRecords, reader_.recordLineNumber());
        !outcome)
      return outcome;
    in.base.baseElemStart.rebuild(in.base.baseElementCount);
    in.base.baseElemEnd.rebuild(in.base.baseElementCount);
    for (std::int32_t record = 1; record <= in.base.baseElementCount; ++record)
      if (outcome = readElementRecord(in); !outcome) return outcome;
    return outcome;
  }

  // "k start end" into entry k; end nodes the record leaves out stay.
  Outcome readElementRecord(LoadedParts& in) {
    std::int32_t element = 0, start = 0, end = 0;
    const Outcome outcome = read(Field::kElementRecord, {&element, &start, &end});
    if (!outcome) return outcome;
    if (!reader_.filled(1)) {
      if (reader_.filled(2) || reader_.filled(3))
        return refuse(Field::kElementRecord, say(texts::kElementNumberMissing));
      return outcome;
    }
    if (element < 1 || element > in.base.baseElementCount)
      return refuse(Field::kElementRecord,
                    say(texts::kElementOutside,
                        {std::to_string(element), std::to_string(in.base.baseElementCount)}));
    if (reader_.filled(2)) in.base.baseElemStart(element) = start;
    if (reader_.filled(3)) in.base.baseElemEnd(element) = end;
    return outcome;
  }

  // The name line is kept as it stands, the blank that marks a text value
  // included: the Geometry File of a loaded model then names the types
  // exactly as it always has. The writer adds no second blank to such a
  // name, so it does not grow on save and reload.
  static std::string typeNameOfLine(std::string_view line) {
    return shownText(line, model::kTypeNameWidth);
  }

  // A title or a name as the model keeps it: control characters blanked
  // (they would break the lines of every written file), cut to `width`
  // bytes without splitting a UTF-8 character, without trailing blanks.
  static std::string shownText(std::string_view line, std::size_t width) {
    std::string text(line);
    model::blankControls(text);
    return std::string(model::trimRight(model::firstWholeChars(text, width)));
  }

  // Types 1..count come from the file. The element kinds are always four, so
  // a file with fewer types gives the others the names and areas of a new
  // model, and the model then holds four types.
  Outcome readElementTypes(LoadedParts& in) {
    Outcome outcome = read(Field::kTypeCount, {&in.types.elementKindCount});
    if (!outcome) return outcome;
    if (in.types.elementKindCount < 1 || in.types.elementKindCount > model::kKindCount)
      return refuse(Field::kTypeCount,
                    say(texts::kTypeCount, {std::to_string(in.types.elementKindCount)}));
    model::Model defaults;
    defaults.expansion.expansionType = in.expansion.expansionType;
    for (int type = 1; type <= model::kKindCount; ++type) {
      in.types.typeNames[static_cast<std::size_t>(type - 1)] =
          model::defaultTypeName(defaults, type, romanian_);
      in.types.typeAreas[static_cast<std::size_t>(type - 1)] = static_cast<float>(type);
    }
    for (int type = 1; type <= in.types.elementKindCount; ++type) {
      const auto entry = static_cast<std::size_t>(type - 1);
      std::string line;
      if (!reader_.readLine(line)) return missing(Field::kTypeName, type);
      in.types.typeNames[entry] = typeNameOfLine(line);
      if (outcome = read(Field::kTypeArea, {&in.types.typeAreas[entry]}, type); !outcome)
        return outcome;
    }
    in.types.elementKindCount = model::kKindCount;
    return outcome;
  }

  std::string path_;
  bool romanian_;
  bool cut_;
  model::FreeFormReader reader_;
};

// The model is left as it was: the load had not reached it yet.
Outcome notEnoughMemoryToLoad(std::string_view fileName, bool romanian) {
  return Outcome::failure(
      model::say(texts::kNoMemoryToLoad, romanian, {model::escapedControls(fileName)}));
}

// Loads a text already cleaned (LF line ends, no byte-order mark).
model::Outcome loadCleanText(model::Model& model, std::string_view text, std::string_view fileName,
                             bool romanian) {
  try {
    const InputPart part = inputPartOf(text);
    LoadedParts loaded(model);
    if (Outcome outcome = InputFileLoader(part, fileName, romanian).load(loaded); !outcome)
      return outcome;
    std::move(loaded).moveInto(model);
    return Outcome::success();
  } catch (const std::bad_alloc&) {
    return notEnoughMemoryToLoad(fileName, romanian);
  }
}

}  // namespace

model::Outcome loadInputText(model::Model& model, std::string_view text, std::string_view fileName,
                             bool romanian) {
  std::string clean;
  try {
    TextCleaner cleaner;
    clean.reserve(text.size());
    if (!cleaner.add(text, clean)) return refusedText(cleaner, fileName, romanian);
    cleaner.finish(clean);
  } catch (const std::bad_alloc&) {
    return notEnoughMemoryToLoad(fileName, romanian);
  }
  return loadCleanText(model, clean, fileName, romanian);
}

model::Outcome loadInputFile(model::Model& model, std::string_view oldFilePath, bool romanian) {
  const std::string path(oldFilePath);
  std::string text;
  try {
    if (Outcome outcome = readInputPart(path, romanian, text); !outcome) return outcome;
  } catch (const std::bad_alloc&) {
    return notEnoughMemoryToLoad(path, romanian);
  }
  return loadCleanText(model, text, path, romanian);
}

}  // namespace zentrix::files
