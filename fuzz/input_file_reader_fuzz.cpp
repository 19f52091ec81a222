// Fuzzes the load of a Zentrix Input File ("Old File"), the file a user or a
// colleague hands over. The input is the file's text; its length's parity
// picks the language. Besides the sanitizers' findings it stops on a broken
// promise of the load:
//  - a failed load has a message and leaves the model exactly as it was;
//  - a loaded model holds only what the model can: 2 or 3 coordinates per
//    node, tables as large as their counts, finite reals, four element types;
//  - saving the loaded model and loading the saved file gives the same inputs
//    (a type name without its leading blank gains it once, never again);
//  - its Base-module Geometry File can be written;
//  - GENERATE on it (within a small memory limit) ends with a structure or a
//    message, and the structure it leaves can be saved and created.
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "model/model.h"
#include "model/number_text.h"

namespace {

using zentrix::model::Model;
using zentrix::model::Outcome;

// Enough for a structure of some ten thousand nodes: GENERATE stays quick.
constexpr std::uint64_t kGenerationMemoryLimit = std::uint64_t{1} << 20;
// Larger Base modules are loaded but not saved and loaded again.
constexpr std::int64_t kLargestRoundTrip = 4096;

// Stops the run on a broken promise, saying which one.
#define require(condition) ((condition) ? void(0) : brokenPromise(#condition, __LINE__))

[[noreturn]] void brokenPromise(const char* condition, int line) {
  std::fprintf(stderr, "broken promise at line %d: %s\n", line, condition);
  std::abort();
}

Model freshModel(bool romanian) {
  Model m;
  m.romanian = romanian;
  zentrix::model::setStartValues(m);
  zentrix::model::startNewElementTypes(m);
  return m;
}

// Saving writes a NUL direction letter as a blank: both mean "not chosen".
char savedLetter(char letter) {
  return letter == '\0' ? ' ' : letter;
}

bool sameBits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The float that the 7-significant-digit text of `value` reads back as.
float sevenDigits(float value) {
  const std::string text(zentrix::model::trimLeft(zentrix::model::generalForm(value, 15, 7)));
  float back = 0.0f;
  std::from_chars(text.data(), text.data() + text.size(), back);
  return back;
}

// The fields a load sets, compared exactly or (`rounded`) as saving rounds
// the reals of `before`.
// A type name written by the Input File writer and read back: a name
// without the blank that marks a text value gains it, within the name's
// width; a name that has it comes back as it was.
std::string nameAfterSave(std::string_view name) {
  name = zentrix::model::trimRight(name);
  if (name.empty() || name.front() == ' ') return std::string(name);
  const std::string marked = " " + std::string(name);
  return std::string(zentrix::model::trimRight(
      zentrix::model::firstChars(marked, zentrix::model::kTypeNameWidth)));
}

bool sameInputs(const Model& before, const Model& after, bool rounded) {
  const auto real = [rounded](float a, float b) {
    return sameBits(rounded ? sevenDigits(a) : a, b);
  };
  const auto letter = [rounded](char a, char b) { return (rounded ? savedLetter(a) : a) == b; };
  bool same =
      before.problemTitle == after.problemTitle && before.dofPerNode == after.dofPerNode &&
      before.nodesInBase0 == after.nodesInBase0 && before.nodesInBase1 == after.nodesInBase1 &&
      before.baseNodeCount == after.baseNodeCount &&
      before.baseCoords.rows() == after.baseCoords.rows() &&
      before.baseCoords.columns() == after.baseCoords.columns() &&
      letter(before.expansionDirection, after.expansionDirection) &&
      before.directionIndex == after.directionIndex && before.moduleCount == after.moduleCount &&
      real(before.moduleLength, after.moduleLength) &&
      before.expansionType == after.expansionType &&
      before.loadedExpansionType == after.loadedExpansionType &&
      before.baseElementCount == after.baseElementCount &&
      before.baseElemStart == after.baseElemStart && before.baseElemEnd == after.baseElemEnd &&
      before.elementKindCount == after.elementKindCount;
  for (std::size_t i = 0; same && i < before.baseCoords.storage().size(); ++i)
    same = real(before.baseCoords.storage()[i], after.baseCoords.storage()[i]);
  // Saving writes only the parameters of the expansion type.
  const int type = before.expansionType;
  if (!rounded || type == zentrix::model::kPyramidal) {
    same = same && real(before.pyramidShrinkRatio, after.pyramidShrinkRatio);
    for (int axis = 1; same && axis <= (rounded ? before.dofPerNode : 3); ++axis)
      same = real(before.vertexFootCoordinate(axis), after.vertexFootCoordinate(axis));
  }
  if (!rounded || type == zentrix::model::kOneDirectionShrink)
    same = same && real(before.shrinkRatio, after.shrinkRatio) &&
           letter(before.shrinkDirection, after.shrinkDirection) &&
           before.shrinkDirectionIndex == after.shrinkDirectionIndex;
  if (!rounded || type == zentrix::model::kArch)
    same = same && before.archKind == after.archKind && real(before.halfSpan, after.halfSpan) &&
           real(before.archHeight, after.archHeight);
  for (int kind = 1; same && kind <= zentrix::model::kKindCount; ++kind)
    same = (rounded ? nameAfterSave(before.typeName(kind)) : before.typeName(kind)) ==
               after.typeName(kind) &&
           real(before.typeArea(kind), after.typeArea(kind));
  return same;
}

// What a successful load promises about the model.
void checkLoaded(const Model& m) {
  require(m.dofPerNode == 2 || m.dofPerNode == 3);
  require(m.nodesInBase0 >= 0 && m.nodesInBase1 >= 0);
  require(m.baseNodeCount == std::int64_t{m.nodesInBase0} + m.nodesInBase1);
  require(m.baseCoords.rows() == m.baseNodeCount && m.baseCoords.columns() == m.dofPerNode);
  for (const float value : m.baseCoords.storage()) require(std::isfinite(value));
  require(m.directionIndex == zentrix::model::axisNumber(m.expansionDirection));
  require(m.moduleCount >= 0 && std::isfinite(m.moduleLength));
  require(m.loadedExpansionType == m.expansionType);
  require(m.baseElementCount >= 0 && m.baseElemStart.count() == m.baseElementCount &&
          m.baseElemEnd.count() == m.baseElementCount);
  require(m.elementKindCount == zentrix::model::kKindCount);
  for (const float area : m.typeAreas) require(std::isfinite(area));
  for (const auto& name : m.typeNames)
    require(name.size() <= static_cast<std::size_t>(zentrix::model::kTypeNameWidth));
}

std::string scratchPath() {
  return "/tmp/zentrix-fuzz-" + std::to_string(static_cast<long>(getpid())) + ".dat";
}

Model savedAndLoaded(const Model& loaded) {
  Model saved = loaded;
  saved.inputFilePath = scratchPath();
  require(zentrix::files::writeInputFile(saved).ok);
  Model again = freshModel(loaded.romanian);
  again.oldFilePath = saved.inputFilePath;
  const Outcome outcome = zentrix::files::loadInputFile(again);
  std::remove(saved.inputFilePath.c_str());
  require(outcome.ok);
  return again;
}

// One save and reload keeps the inputs; a second one changes nothing more
// (type names do not grow).
void checkSaveAndLoadAgain(const Model& loaded) {
  if (loaded.baseNodeCount + std::int64_t{loaded.baseElementCount} > kLargestRoundTrip) return;
  const Model again = savedAndLoaded(loaded);
  require(sameInputs(loaded, again, true));
  require(again.typeNames == savedAndLoaded(again).typeNames);
}

void checkGenerate(Model& m) {
  if (zentrix::generation::refusalOf(m, kGenerationMemoryLimit)) return;
  zentrix::generation::measureBaseModule(m);
  const Outcome outcome =
      zentrix::generation::generateStructure(m, nullptr, kGenerationMemoryLimit);
  require(outcome.ok == outcome.message.empty());
  if (!outcome.ok) return;
  require(m.nodeCoords.rows() == m.totalNodes && m.elemStart.count() == m.totalElements);
  for (const float value : m.nodeCoords.storage()) require(std::isfinite(value));
  for (std::int64_t element = 1; element <= m.totalElements; ++element)
    require(m.elemStart(element) >= 1 && m.elemStart(element) <= m.totalNodes &&
            m.elemEnd(element) >= 1 && m.elemEnd(element) <= m.totalNodes);
  m.inputFilePath = "/dev/null";
  require(zentrix::files::writeInputFile(m).ok);
  m.geometryFilePath = "/dev/null";
  require(zentrix::files::writeGeometryFile(m).ok);
}

// The Base-module Geometry File goes where the Old File's name says; a link
// beside the scratch file sends it to /dev/null.
void checkBaseModuleFile(Model m) {
  static const std::string oldFile = [] {
    const std::string stem = scratchPath().substr(0, scratchPath().size() - 4);
    std::remove((stem + "-BaseModule.dat").c_str());
    require(symlink("/dev/null", (stem + "-BaseModule.dat").c_str()) == 0);
    return stem + ".dat";
  }();
  m.oldFilePath = oldFile;
  require(zentrix::files::writeBaseModuleGeometryFile(m).ok);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Model m = freshModel(size % 2 == 1);
  const Model before = m;
  const Outcome outcome = zentrix::files::loadInputText(m, text, "fuzz.dat");
  if (!outcome.ok) {
    require(!outcome.message.empty() && outcome.line >= 1);
    require(sameInputs(before, m, false));
    return 0;
  }
  checkLoaded(m);
  checkSaveAndLoadAgain(m);
  checkBaseModuleFile(m);
  checkGenerate(m);
  return 0;
}
