#include "cli/cli_render.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <ostream>

#include "cli/cli_generate.h"
#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "cli/render_texts.h"
#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/svg_picture.h"
#include "files/file_texts.h"
#include "files/input_file.h"
#include "files/language_settings.h"
#include "generation/generate_sequence.h"
#include "model/model.h"
#include "model/printable_text.h"
#if defined(ZENTRIX_WITH_PNG)
#include "picture/qt_picture.h"
#endif

namespace zentrix::app {

namespace {

std::string lowerExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

drawing::StandardView viewNamed(const std::string& name) {
  if (name == "xy") return drawing::StandardView::XY;
  if (name == "xz") return drawing::StandardView::XZ;
  if (name == "yz") return drawing::StandardView::YZ;
  return drawing::StandardView::Iso;
}

// A picture is only a picture: GENERATE's module-length question is
// answered Yes, and the warning is printed.
class RenderGenerateCaller final : public generation::GenerateCaller {
 public:
  explicit RenderGenerateCaller(std::ostream& err) : err_(err) {}
  bool goOnDespite(const std::string& warning) override {
    err_ << warning << '\n';
    return true;
  }
  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    model::NoProgress progress;
    return work(progress);
  }

 private:
  std::ostream& err_;
};

}  // namespace

bool pngPicturesSupported() {
#if defined(ZENTRIX_WITH_PNG)
  return true;
#else
  return false;
#endif
}

bool parsePictureSize(const std::string& text, int& width, int& height) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  auto number = [](std::string_view digits, int& value) {
    if (digits.empty()) return false;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ec == std::errc{} && result.ptr == digits.data() + digits.size() && value >= 16 &&
           value <= 16384;
  };
  const std::string_view whole = text;
  return number(whole.substr(0, x), width) && number(whole.substr(x + 1), height);
}

void describeRender(CLI::App& render, RenderRequest& request) {
  render.add_option("INPUT", request.input, "Zentrix Input File to draw")->required();
  render.add_option("-o,--output", request.picture, "the picture to write: FILE.svg or FILE.png")
      ->required()
      ->type_name("PICTURE");
  render.add_option("--view", request.view, "iso (default; xy for a plane model), xy, xz or yz")
      ->check(CLI::IsMember({"iso", "xy", "xz", "yz"}));
  render.add_flag("--numbers", request.numbers, "write the node and element numbers");
  render.add_flag("--base-module", request.baseModule,
                  "draw the Base module alone instead of the generated structure");
  render.add_option("--size", request.size, "picture size in pixels, WIDTHxHEIGHT")
      ->capture_default_str();
  render
      .add_option("--language", request.language,
                  "language of the messages and of the legend; default: English")
      ->check(CLI::IsMember({"en", "ro"}));
}

int runRender(RenderRequest request, const CLI::App& render, std::ostream& out, std::ostream& err) {
  request.viewGiven = render.count("--view") > 0;
  model::Model model;
  const bool romanian = request.language == "ro";
  model::setStartValues(model, romanian);
  model.base.lastNodesInBase0 = true;

  int width = 0;
  int height = 0;
  if (!parsePictureSize(request.size, width, height)) {
    err << model::say(texts::kBadSize, romanian, {request.size}) << '\n';
    return kExitUsage;
  }
  const std::string extension = lowerExtension(request.picture);
  if (extension != "svg" && extension != "png") {
    err << model::say(texts::kPictureKind, romanian, {shownPath(request.picture)}) << '\n';
    return kExitUsage;
  }
#if !defined(ZENTRIX_WITH_PNG)
  if (extension == "png") {
    err << model::say(texts::kNoPngHere, romanian, {shownPath(request.picture)}) << '\n';
    return kExitUsage;
  }
#endif
  if (const auto problem = pathsProblem(request.input, {{"-o", request.picture}}, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }

  if (!loadCommandInput(model, request.input, romanian, err)) return kExitFailure;
  if (!request.baseModule) {
    RenderGenerateCaller caller(err);
    const generation::GenerateResult generated = generation::runGenerate(model, romanian, caller);
    if (generated.end != generation::GenerateEnd::Done) {
      err << generated.message << '\n';
      return kExitFailure;
    }
  }

  const drawing::DrawingSource source = drawing::drawingSource(
      model, request.baseModule ? drawing::Subject::BaseModule : drawing::Subject::Structure);
  drawing::Camera camera(width, height);
  camera.setStandardView(request.viewGiven ? viewNamed(request.view)
                                           : drawing::openingView(source));
  camera.fit(source);
  drawing::DrawOptions options;
  options.numbers = request.numbers;
  options.romanian = romanian;

  model::Outcome written = model::Outcome::success();
#if defined(ZENTRIX_WITH_PNG)
  if (extension == "png")
    written = picture::writePngPicture(source, camera, options, request.picture);
  else
#endif
    written = drawing::writeSvgPicture(source, camera, options, request.picture);
  if (!written) {
    err << written.message << '\n';
    return kExitFailure;
  }
  out << model::say(texts::kPictureWritten, romanian, {shownPath(request.picture)}) << '\n';
  if (!printedAll(out, err, model::say(texts::kPictureWrittenOutputLost, romanian)))
    return kExitFailure;
  return kExitSuccess;
}

}  // namespace zentrix::app
