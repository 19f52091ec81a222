// The exports of the structure view, written as CREATE writes the Geometry
// File: the file dialog proposes the model's name with the format's
// extension in the model's folder and asks before replacing a file; the
// disks' free space is checked against the most the writer writes; the
// file is written under the progress window, whose Cancel leaves an
// existing file as it was; a failure is shown in a message box in the
// session's language.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

// One way to write what the view shows.
struct ViewOutput {
  std::string name;       // "VTU", the format as its button says it
  std::string extension;  // "vtu"
  std::function<std::uint64_t()> sizeBound;
  std::function<model::Outcome(const std::string& path, model::Progress& progress)> write;
};

// The generated structure in the exchange formats: VTU, MSH, DXF.
std::vector<ViewOutput> exchangeOutputs(const model::Model& model, bool romanian);

// `path` with ".extension" added when its file name has no extension (a
// name whose only dot is its first character has none).
std::string withDefaultExtension(std::string_view path, std::string_view extension);

// The model's folder and name: of the Zentrix File saved or loaded last;
// without one, `dataFolder` and the name "structure".
ExportPlace exportPlaceOf(const Session& session, std::string_view dataFolder);

// Asks for the file and writes `output` there; the written path, or nothing
// when the user cancelled or the file could not be written (then a message
// box said why, except after the user's Cancel).
std::optional<std::string> exportViewOutput(DialogHost& host, const ViewOutput& output,
                                            const ExportPlace& place, bool romanian);

}  // namespace zentrix::ui
