// The Geometry File the analysis program reads, for the whole structure and
// for the Base module alone (previews).
#pragma once

#include <string>
#include <string_view>

#include "files/text_file_output.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"
#include "structure/structure_parts.h"

namespace zentrix::files {

// What the Geometry File is written from: the structure's parts, as every
// export takes them (the Base module gives its title and element count).
using GeometryParts = structure::StructureParts;

inline GeometryParts geometryParts(const model::Model& model, bool romanian) {
  return structure::structureParts(model, romanian);
}

// Writes the Geometry File of the generated structure at `path`, taken
// exactly as given, also in the end line. Reports a file it cannot create or write (the
// old file stays intact); the caller shows `geometryCreatedMessage` on
// success. Refuses, writing nothing, a NaN or infinite coordinate (naming the
// node and axis) or area (naming the type), and arrays shorter than their
// counts. When `progress` answers false the file is abandoned and the old one
// kept. With `staged` the finished file waits there to be put in place with
// the others.
model::Outcome writeGeometryFile(const GeometryParts& parts, std::string_view path,
                                 model::Progress* progress = nullptr,
                                 StagedFiles* staged = nullptr);

// The closing message ("Created File: ..."), in Romanian with `romanian`,
// else in English, with the whole path.
std::string geometryCreatedMessage(std::string_view geometryFilePath, bool romanian);

// The Base-module Geometry File's path for an Old File path: the text before
// the last "." (also one in a folder name) followed by "-BaseModule.dat".
// Never cut to a width: a cut path would name another file.
std::string baseModuleGeometryPath(std::string_view oldFilePath);

// Writes the Base module alone at `path` (taken exactly as given), which is
// `baseModuleGeometryPath` of the Old File. Nodes or end nodes not entered
// yet are written as 0; a NaN or infinite coordinate is refused like the
// Geometry File's.
model::Outcome writeBaseModuleGeometryFile(const model::BaseModule& base, std::string_view path,
                                           bool romanian, StagedFiles* staged = nullptr);

}  // namespace zentrix::files
