// Drawings as SVG 1.1 pictures: one <line> per drawn element with its kind's
// stroke colour (class "element kindK"), <rect> squares for blocked nodes,
// <circle> rings for findings, <text> for the legend, the axes and, only
// when asked, the numbers. Coordinates carry two decimals and always "."
// whatever the locale.
#pragma once

#include <string>

#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/scene.h"
#include "model/outcome.h"

namespace zentrix::drawing {

// The whole picture as text.
std::string svgPicture(const DrawingSource& source, const Camera& camera,
                       const DrawOptions& options);

// Writes the picture at `path` through a temporary file, so a failure
// leaves an existing file as it was; the failure names the file in the
// chosen language.
model::Outcome writeSvgPicture(const DrawingSource& source, const Camera& camera,
                               const DrawOptions& options, const std::string& path);

}  // namespace zentrix::drawing
