// A model together with what a run keeps beside it (the language, the files
// it reads and writes, whether the structure still belongs to the inputs),
// and the core's operations on it with those values passed as the desktop
// program passes them (its path fields by their value: `model::pathInField`
// or without trailing blanks). Tests that check messages in both languages
// or files at given paths read as before: set `romanian` or a path, then
// load, generate or write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/structure_exports.h"
#include "files/text_file_output.h"
#include "generation/generate.h"
#include "generation/run.h"
#include "model/line_sink.h"
#include "model/model.h"
#include "model/number_text.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::testing {

struct RunModel : model::Model {
  RunModel() = default;
  // A built model becomes one implicitly, in English with no files yet.
  RunModel(const model::Model& parts) : model::Model(parts) {}  // NOLINT

  bool romanian = false;
  bool oldFileLoaded = false;
  // Set by a test that changed an input after GENERATE; GENERATE clears it.
  bool inputsChangedSinceGenerate = false;
  std::string oldFilePath;
  std::string inputFilePath;
  std::string geometryFilePath;
  std::string baseGeometryPath;
};

inline void setStartValues(RunModel& m) {
  model::setStartValues(m, m.romanian);
}
inline void startNewElementTypes(RunModel& m) {
  model::startNewElementTypes(m, m.romanian);
}

inline model::Outcome loadInputFile(RunModel& m) {
  return files::loadInputFile(m, model::trimRight(m.oldFilePath), m.romanian);
}
inline model::Outcome loadInputText(RunModel& m, std::string_view text, std::string_view fileName) {
  return files::loadInputText(m, text, fileName, m.romanian);
}

inline model::Outcome writeInputFile(const RunModel& m, model::Progress* progress = nullptr,
                                     files::StagedFiles* staged = nullptr) {
  return files::writeInputFile(files::inputFileParts(m, !m.inputsChangedSinceGenerate, m.romanian),
                               model::pathInField(m.inputFilePath), progress, staged);
}
inline model::Outcome writeGeometryFile(const RunModel& m, model::Progress* progress = nullptr,
                                        files::StagedFiles* staged = nullptr) {
  return files::writeGeometryFile(files::geometryParts(m, m.romanian),
                                  model::pathInField(m.geometryFilePath), progress, staged);
}
inline std::string geometryCreatedMessage(const RunModel& m) {
  return files::geometryCreatedMessage(model::pathInField(m.geometryFilePath), m.romanian);
}
// Beside the Old File, as the desktop program writes it.
inline model::Outcome writeBaseModuleGeometryFile(RunModel& m,
                                                  files::StagedFiles* staged = nullptr) {
  m.baseGeometryPath = files::baseModuleGeometryPath(model::trimRight(m.oldFilePath));
  return files::writeBaseModuleGeometryFile(m.base, model::trimRight(m.baseGeometryPath),
                                            m.romanian, staged);
}

inline files::ExportParts exportParts(const RunModel& m) {
  return files::exportParts(m, m.romanian);
}

inline std::optional<std::string> refusalOf(const RunModel& m) {
  return generation::refusalOf(m, m.romanian);
}
inline std::optional<std::string> refusalOf(const RunModel& m, std::uint64_t memoryLimit) {
  return generation::refusalOf(m, m.romanian, memoryLimit);
}
inline std::string moduleLengthWarning(const RunModel& m) {
  return generation::moduleLengthWarning(m, m.romanian);
}
inline model::Outcome generateStructure(RunModel& m, model::Progress* progress = nullptr,
                                        const model::LineSink& console = {}) {
  model::Outcome outcome = generation::generateStructure(m, m.romanian, progress,
                                                         generation::defaultMemoryLimit(), console);
  if (outcome) m.inputsChangedSinceGenerate = false;
  return outcome;
}
inline model::Outcome generateStructure(RunModel& m, model::Progress* progress,
                                        std::uint64_t memoryLimit,
                                        const model::LineSink& console = {}) {
  model::Outcome outcome =
      generation::generateStructure(m, m.romanian, progress, memoryLimit, console);
  if (outcome) m.inputsChangedSinceGenerate = false;
  return outcome;
}
// GENERATE as every front end runs it, the module-length question answered
// by `policy` (the tests' one policy: Yes, quietly, unless a test asks).
inline model::Outcome runGenerate(RunModel& m, generation::GenerateCaller& caller,
                                  generation::LengthPolicy policy = generation::kAskTheLength) {
  model::Outcome outcome = generation::runGenerate(m, m.romanian, policy, caller);
  if (outcome) m.inputsChangedSinceGenerate = false;
  return outcome;
}
inline model::Outcome runGenerate(RunModel& m,
                                  generation::LengthPolicy policy = generation::kYesQuietly) {
  generation::QuietCaller caller;
  return runGenerate(m, caller, policy);
}

}  // namespace zentrix::testing
