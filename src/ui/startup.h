// Start-up and shutdown of the desktop program: prepares the model and the
// session for one run (current directory, language, image folder, kind names), runs the main
// dialog until it closes, then ends every program the run launched and
// deletes the Base-module Geometry File. The language is handed to the
// dialog backend once it is known.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/external_programs.h"
#include "ui/session.h"

namespace zentrix::ui {

// One image of the main dialog and the file it is loaded from.
struct ImageFile {
  ImageId image;
  std::string path;  // as the session keeps paths
};

// `zentrix --help` and `zentrix --version`: the first of them among the
// arguments is answered on `out`, and the exit status comes back (1 when
// `out` failed). Nothing comes back when the arguments hold neither: the
// program then opens its dialog and leaves the other arguments alone.
std::optional<int> answerInformationOption(std::span<const std::string_view> arguments,
                                           bool romanian, std::ostream& out);

// The eleven images, in loading order, from `session.uiDir`.
std::vector<ImageFile> imageFiles(const Session& session);

// Steps before the dialog: current directory, language, `uiDir` ("uir" in the
// current directory, else the installed one when only that exists), an empty
// launch table, the kind names of the language, the "Last Node Indices in
// Base 0" tick.
void prepareRun(model::Model& model, Session& session, Platform& platform);

// Steps after the dialog: programs ended, Base-module Geometry Files deleted.
void shutDown(const Session& session, ExternalPrograms& programs);

// The whole run. `loadImages` loads the images for the dialog backend; one
// that cannot be loaded is left out without a word.
void runDesktopProgram(model::Model& model, Session& session, Platform& platform, DialogHost& host,
                       const std::function<void(const std::vector<ImageFile>&)>& loadImages);

}  // namespace zentrix::ui
