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

// The language of the current input's messages: one run, one input.
bool romanian = false;

Model freshModel() {
  Model m;
  zentrix::model::setStartValues(m, romanian);
  zentrix::model::startNewElementTypes(m, romanian);
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
  bool same = before.base.problemTitle == after.base.problemTitle &&
              before.base.dofPerNode == after.base.dofPerNode &&
              before.base.nodesInBase0 == after.base.nodesInBase0 &&
              before.base.nodesInBase1 == after.base.nodesInBase1 &&
              before.base.baseNodeCount == after.base.baseNodeCount &&
              before.base.baseCoords.rows() == after.base.baseCoords.rows() &&
              before.base.baseCoords.columns() == after.base.baseCoords.columns() &&
              letter(before.expansion.expansionDirection, after.expansion.expansionDirection) &&
              before.expansion.directionIndex == after.expansion.directionIndex &&
              before.expansion.moduleCount == after.expansion.moduleCount &&
              real(before.expansion.moduleLength, after.expansion.moduleLength) &&
              before.expansion.expansionType == after.expansion.expansionType &&
              before.expansion.loadedExpansionType == after.expansion.loadedExpansionType &&
              before.base.baseElementCount == after.base.baseElementCount &&
              before.base.baseElemStart == after.base.baseElemStart &&
              before.base.baseElemEnd == after.base.baseElemEnd &&
              before.types.elementKindCount == after.types.elementKindCount;
  for (std::size_t i = 0; same && i < before.base.baseCoords.storage().size(); ++i)
    same = real(before.base.baseCoords.storage()[i], after.base.baseCoords.storage()[i]);
  // Saving writes only the parameters of the expansion type.
  const int type = before.expansion.expansionType;
  if (!rounded || type == zentrix::model::kPyramidal) {
    same = same && real(before.expansion.pyramidShrinkRatio, after.expansion.pyramidShrinkRatio);
    for (int axis = 1; same && axis <= (rounded ? before.base.dofPerNode : 3); ++axis)
      same = real(before.expansion.vertexFootCoordinate(axis),
                  after.expansion.vertexFootCoordinate(axis));
  }
  if (!rounded || type == zentrix::model::kOneDirectionShrink)
    same = same && real(before.expansion.shrinkRatio, after.expansion.shrinkRatio) &&
           letter(before.expansion.shrinkDirection, after.expansion.shrinkDirection) &&
           before.expansion.shrinkDirectionIndex == after.expansion.shrinkDirectionIndex;
  if (!rounded || type == zentrix::model::kArch)
    same = same && before.expansion.archKind == after.expansion.archKind &&
           real(before.expansion.halfSpan, after.expansion.halfSpan) &&
           real(before.expansion.archHeight, after.expansion.archHeight);
  for (int kind = 1; same && kind <= zentrix::model::kKindCount; ++kind)
    same = (rounded ? nameAfterSave(before.types.typeName(kind)) : before.types.typeName(kind)) ==
               after.types.typeName(kind) &&
           real(before.types.typeArea(kind), after.types.typeArea(kind));
  return same;
}

// What a successful load promises about the model.
void checkLoaded(const Model& m) {
  require(m.base.dofPerNode == 2 || m.base.dofPerNode == 3);
  require(m.base.nodesInBase0 >= 0 && m.base.nodesInBase1 >= 0);
  require(m.base.baseNodeCount == std::int64_t{m.base.nodesInBase0} + m.base.nodesInBase1);
  require(m.base.baseCoords.rows() == m.base.baseNodeCount &&
          m.base.baseCoords.columns() == m.base.dofPerNode);
  for (const float value : m.base.baseCoords.storage()) require(std::isfinite(value));
  require(m.expansion.directionIndex == zentrix::model::axisNumber(m.expansion.expansionDirection));
  require(m.expansion.moduleCount >= 0 && std::isfinite(m.expansion.moduleLength));
  require(m.expansion.loadedExpansionType == m.expansion.expansionType);
  require(m.base.baseElementCount >= 0 && m.base.baseElemStart.count() == m.base.baseElementCount &&
          m.base.baseElemEnd.count() == m.base.baseElementCount);
  require(m.types.elementKindCount == zentrix::model::kKindCount);
  for (const float area : m.types.typeAreas) require(std::isfinite(area));
  for (const auto& name : m.types.typeNames)
    require(name.size() <= static_cast<std::size_t>(zentrix::model::kTypeNameWidth));
}

std::string scratchPath() {
  return "/tmp/zentrix-fuzz-" + std::to_string(static_cast<long>(getpid())) + ".dat";
}

Model savedAndLoaded(const Model& loaded) {
  const std::string path = scratchPath();
  require(
      zentrix::files::writeInputFile(zentrix::files::inputFileParts(loaded, true, romanian), path)
          .ok);
  Model again = freshModel();
  const Outcome outcome = zentrix::files::loadInputFile(again, path, romanian);
  std::remove(path.c_str());
  require(outcome.ok);
  return again;
}

// One save and reload keeps the inputs; a second one changes nothing more
// (type names do not grow).
void checkSaveAndLoadAgain(const Model& loaded) {
  if (loaded.base.baseNodeCount + std::int64_t{loaded.base.baseElementCount} > kLargestRoundTrip)
    return;
  const Model again = savedAndLoaded(loaded);
  require(sameInputs(loaded, again, true));
  require(again.types.typeNames == savedAndLoaded(again).types.typeNames);
}

void checkGenerate(Model& m) {
  if (zentrix::generation::refusalOf(m, romanian, kGenerationMemoryLimit)) return;
  zentrix::generation::measureBaseModule(m);
  const Outcome outcome =
      zentrix::generation::generateStructure(m, romanian, nullptr, kGenerationMemoryLimit);
  require(outcome.ok == outcome.message.empty());
  if (!outcome.ok) return;
  require(m.structure.nodeCoords.rows() == m.structure.totalNodes() &&
          m.structure.elemStart.count() == m.structure.totalElements());
  for (const float value : m.structure.nodeCoords.storage()) require(std::isfinite(value));
  for (std::int64_t element = 1; element <= m.structure.totalElements(); ++element)
    require(m.structure.elemStart(element) >= 1 &&
            m.structure.elemStart(element) <= m.structure.totalNodes() &&
            m.structure.elemEnd(element) >= 1 &&
            m.structure.elemEnd(element) <= m.structure.totalNodes());
  require(
      zentrix::files::writeInputFile(zentrix::files::inputFileParts(m, true, romanian), "/dev/null")
          .ok);
  require(zentrix::files::writeGeometryFile(zentrix::files::geometryParts(m, romanian), "/dev/null")
              .ok);
}

// The Base-module Geometry File goes where the Old File's name says; a link
// beside the scratch file sends it to /dev/null.
void checkBaseModuleFile(const Model& m) {
  static const std::string oldFile = [] {
    const std::string stem = scratchPath().substr(0, scratchPath().size() - 4);
    std::remove((stem + "-BaseModule.dat").c_str());
    require(symlink("/dev/null", (stem + "-BaseModule.dat").c_str()) == 0);
    return stem + ".dat";
  }();
  require(zentrix::files::writeBaseModuleGeometryFile(
              m.base, zentrix::files::baseModuleGeometryPath(oldFile), romanian)
              .ok);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  romanian = size % 2 == 1;
  Model m = freshModel();
  const Model before = m;
  const Outcome outcome = zentrix::files::loadInputText(m, text, "fuzz.dat", romanian);
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
