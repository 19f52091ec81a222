// zentrix-cli render: the drawing of a Zentrix Input File's structure (or of
// its Base module) as an SVG or PNG picture, for reports.
//
//   zentrix-cli render INPUT -o PICTURE [--view iso|xy|xz|yz] [--numbers]
//                      [--base-module] [--size WxH] [--language en|ro]
//                      [--base0-last on|off]
//
// The kind of picture comes from PICTURE's extension (.svg or .png; a build
// without Qt writes SVG only). The model is read and generated as for
// `generate` (the language, the numbering, the arch solver's lines on
// `err`); the module-length question is answered Yes and its warning
// printed: a picture is only a picture. Exit codes are those of `generate`.
#pragma once

#include <string>

#include "cli/cli_command.h"

namespace zentrix::app {

Command renderCommand();

// Whether this build writes PNG pictures (it has Qt GUI).
bool pngPicturesSupported();

// "WxH" as two sizes, each 16 ... 16384; false for anything else.
bool parsePictureSize(const std::string& text, int& width, int& height);

}  // namespace zentrix::app
