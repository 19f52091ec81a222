#include "generation/run.h"

#include <utility>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/output_plan.h"
#include "files/system_error_text.h"
#include "generation/generate.h"

namespace zentrix::generation {

namespace {

using model::Outcome;

// Whether the module-length question lets GENERATE go on; the warning goes
// where the policy says.
bool lengthAllowsGoingOn(const model::Model& model, bool romanian, LengthPolicy policy,
                         GenerateCaller& caller) {
  if (moduleLengthMatches(model)) return true;
  const std::string warning = moduleLengthWarning(model, romanian);
  if (policy.answer == LengthPolicy::Answer::kAsk) return caller.goOnDespite(warning);
  if (policy.warningShown) caller.note(warning);
  return policy.answer == LengthPolicy::Answer::kYes;
}

// A write of `path` through `writer`, which is given the path.
PlannedWrite madeWrite(
    std::string path, std::uint64_t bound,
    std::function<Outcome(const std::string&, model::Progress&, files::StagedFiles&)> writer) {
  PlannedWrite made{std::move(path), bound, {}, {}};
  made.task = made.path;
  made.write = [writer = std::move(writer), to = made.path](model::Progress& progress,
                                                            files::StagedFiles& staged) {
    return writer(to, progress, staged);
  };
  return made;
}

// Writes one file into `staged`; a stop asked for while it was written,
// also by a writer that no longer asked, cancels it.
Outcome writeStaged(const PlannedWrite& write, bool romanian, files::StagedFiles& staged,
                    GenerateCaller& caller) {
  return caller.withProgress(write.task, [&](model::Progress& progress) {
    Outcome written = write.write(progress, staged);
    if (written && !progress.advance(1.0))
      return Outcome::cancelled(files::writeCancelled(write.path, romanian));
    return written;
  });
}

}  // namespace

Outcome loadModel(model::Model& model, std::string_view path, bool romanian) {
  return files::loadInputFile(model, path, romanian);
}

Outcome runGenerate(model::Model& model, bool romanian, LengthPolicy policy,
                    GenerateCaller& caller) {
  if (auto refusal = refusalOf(model, romanian)) return Outcome::failure(std::move(*refusal));
  measureBaseModule(model);
  if (!lengthAllowsGoingOn(model, romanian, policy, caller)) return Outcome::declined();
  const model::LineSink console = [&caller](std::string_view line) { caller.note(line); };
  return caller.withProgress(kGenerateTask, [&](model::Progress& progress) {
    return generateStructure(model, romanian, &progress, defaultMemoryLimit(), console);
  });
}

PlannedWrite geometryFileWrite(const model::Model& model, std::string path, bool romanian) {
  const std::uint64_t bound = files::geometryFileSizeBound(model, path.size());
  return madeWrite(std::move(path), bound,
                   [&model, romanian](const std::string& to, model::Progress& progress,
                                      files::StagedFiles& staged) {
                     return files::writeGeometryFile(files::geometryParts(model, romanian), to,
                                                     &progress, &staged);
                   });
}

PlannedWrite inputFileWrite(const model::Model& model, std::string path, bool withStructure,
                            bool romanian) {
  const std::uint64_t bound = files::inputFileSizeBound(model, path.size());
  return madeWrite(
      std::move(path), bound,
      [&model, withStructure, romanian](const std::string& to, model::Progress& progress,
                                        files::StagedFiles& staged) {
        return files::writeInputFile(files::inputFileParts(model, withStructure, romanian), to,
                                     &progress, &staged);
      });
}

PlannedWrite baseModuleWrite(const model::Model& model, std::string path, bool romanian) {
  const std::uint64_t bound = files::baseModuleFileSizeBound(model, path.size());
  return madeWrite(
      std::move(path), bound,
      [&model, romanian](const std::string& to, model::Progress&, files::StagedFiles& staged) {
        return files::writeBaseModuleGeometryFile(model.base, to, romanian, &staged);
      });
}

PlannedWrite exportWrite(const model::Model& model, files::ExportFormat format, std::string path,
                         bool romanian) {
  const std::uint64_t bound =
      files::exportFileSizeBound(files::exportParts(model, romanian), format);
  return madeWrite(std::move(path), bound,
                   [&model, format, romanian](const std::string& to, model::Progress& progress,
                                              files::StagedFiles& staged) {
                     return files::writeExportFile(format, files::exportParts(model, romanian), to,
                                                   &progress, &staged);
                   });
}

Outcome writeFiles(const std::vector<PlannedWrite>& writes, bool romanian, GenerateCaller& caller) {
  std::vector<files::PlannedOutput> outputs;
  for (const PlannedWrite& write : writes) outputs.push_back({write.path, write.sizeBound});
  if (const auto shortage = files::spaceShortage(outputs, romanian))
    return Outcome::ioFailure(*shortage);
  files::StagedFiles staged;
  for (const PlannedWrite& write : writes)
    if (Outcome written = writeStaged(write, romanian, staged, caller); !written) return written;
  return staged.commit();
}

}  // namespace zentrix::generation
