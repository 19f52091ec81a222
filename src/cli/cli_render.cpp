#include "cli/cli_render.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <ostream>

#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "cli/render_texts.h"
#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/svg_picture.h"
#include "files/file_texts.h"
#include "files/input_file.h"
#include "generation/run.h"
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

struct RenderRequest {
  CommonOptions common;
  std::string picture;
  std::string view = "iso";
  bool numbers = false;
  bool baseModule = false;
  std::string size = "1200x800";
  bool viewGiven = false;
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

namespace {

void describeRender(CLI::App& render, RenderRequest& request) {
  describeInput(render, request.common, "Zentrix Input File to draw");
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
  describeLanguageAndNumbering(
      render, request.common,
      "language of the messages and of the legend; default: from\n"
      "language.dat in the current directory (as the desktop program)",
      "the numbering the picture's numbers use, as for generate: on gives the\n"
      "first module's Base 0 nodes the last numbers, off keeps them 1 to K");
}

// The picture's kind and size as asked; a usage error said on `err`.
bool pictureAsAsked(const RenderRequest& request, bool romanian, int& width, int& height,
                    std::ostream& err) {
  if (!parsePictureSize(request.size, width, height)) {
    err << model::say(texts::kBadSize, romanian, {request.size}) << '\n';
    return false;
  }
  const std::string extension = lowerExtension(request.picture);
  if (extension != "svg" && extension != "png") {
    err << model::say(texts::kPictureKind, romanian, {shownPath(request.picture)}) << '\n';
    return false;
  }
#if !defined(ZENTRIX_WITH_PNG)
  if (extension == "png") {
    err << model::say(texts::kNoPngHere, romanian, {shownPath(request.picture)}) << '\n';
    return false;
  }
#endif
  if (const auto problem =
          pathsProblem(request.common.input, {{"-o", request.picture}}, romanian)) {
    err << *problem << '\n';
    return false;
  }
  return true;
}

model::Outcome writePicture(const RenderRequest& request, const model::Model& model, bool romanian,
                            int width, int height) {
  const drawing::DrawingSource source = drawing::drawingSource(
      model, request.baseModule ? drawing::Subject::BaseModule : drawing::Subject::Structure);
  drawing::Camera camera(width, height);
  camera.setStandardView(request.viewGiven ? viewNamed(request.view)
                                           : drawing::openingView(source));
  camera.fit(source);
  drawing::DrawOptions options;
  options.numbers = request.numbers;
  options.romanian = romanian;
#if defined(ZENTRIX_WITH_PNG)
  if (lowerExtension(request.picture) == "png")
    return picture::writePngPicture(source, camera, options, request.picture);
#endif
  return drawing::writeSvgPicture(source, camera, options, request.picture);
}

int runRender(RenderRequest& request, const CLI::App& command, const CommandStreams& streams) {
  request.viewGiven = command.count("--view") > 0;
  std::ostream& err = streams.err;
  model::Model model;
  const bool romanian = startModel(model, request.common, err);
  int width = 0;
  int height = 0;
  if (!pictureAsAsked(request, romanian, width, height, err)) return kExitUsage;
  if (!loadCommandInput(model, request.common.input, romanian, err)) return kExitFailure;
  CliCaller caller(streams, romanian);
  if (!request.baseModule &&
      !reported(generation::runGenerate(model, romanian, generation::kYesWithTheWarning, caller),
                err))
    return kExitFailure;
  if (!reported(writePicture(request, model, romanian, width, height), err)) return kExitFailure;
  streams.out << model::say(texts::kPictureWritten, romanian, {shownPath(request.picture)}) << '\n';
  if (!printedAll(streams.out, err, model::say(texts::kPictureWrittenOutputLost, romanian)))
    return kExitFailure;
  return kExitSuccess;
}

}  // namespace

Command renderCommand() {
  return commandOf<RenderRequest>(
      "render", "draw INPUT's structure (or its Base module) as an SVG or PNG picture",
      describeRender, runRender);
}

}  // namespace zentrix::app
