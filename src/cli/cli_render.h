// zentrix-cli render: the drawing of a Zentrix Input File's structure (or of
// its Base module) as an SVG or PNG picture, for reports.
//
//   zentrix-cli render INPUT -o PICTURE [--view iso|xy|xz|yz] [--numbers]
//                      [--base-module] [--size WxH] [--language en|ro]
//
// The kind of picture comes from PICTURE's extension (.svg or .png; a build
// without Qt writes SVG only). Exit codes are those of `generate`.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace zentrix::app {

struct RenderRequest {
  std::string input;
  std::string picture;
  std::string view = "iso";
  bool numbers = false;
  bool baseModule = false;
  std::string size = "1200x800";
  std::string language;
  bool viewGiven = false;
};

// Adds the subcommand's arguments to `render`.
void describeRender(CLI::App& render, RenderRequest& request);

int runRender(RenderRequest request, const CLI::App& render, std::ostream& out, std::ostream& err);

// Whether this build writes PNG pictures (it has Qt GUI).
bool pngPicturesSupported();

// "WxH" as two sizes, each 16 ... 16384; false for anything else.
bool parsePictureSize(const std::string& text, int& width, int& height);

}  // namespace zentrix::app
