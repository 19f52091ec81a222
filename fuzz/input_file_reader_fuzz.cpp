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

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/saved_inputs.h"
#include "generation/generate.h"
#include "model/model.h"

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

// What a successful load promises about the model.
void checkLoaded(const Model& m) {
  require(m.base.dofPerNode == 2 || m.base.dofPerNode == 3);
  require(m.base.nodesInBase0 >= 0 && m.base.nodesInBase1 >= 0);
  require(m.base.baseCoords.rows() == m.base.baseNodeCount() &&
          m.base.baseCoords.columns() == m.base.dofPerNode);
  for (const float value : m.base.baseCoords.storage()) require(std::isfinite(value));
  require(m.expansion.moduleCount >= 0 && std::isfinite(m.expansion.moduleLength));
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
  if (loaded.base.baseNodeCount() + loaded.base.baseElementCount > kLargestRoundTrip) return;
  const Model again = savedAndLoaded(loaded);
  require(zentrix::testing::sameInputs(zentrix::testing::afterSaveAndLoad(loaded, freshModel()),
                                       again));
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
    require(zentrix::testing::sameInputs(before, m));
    return 0;
  }
  checkLoaded(m);
  checkSaveAndLoadAgain(m);
  checkBaseModuleFile(m);
  checkGenerate(m);
  return 0;
}
