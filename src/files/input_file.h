// The Zentrix Input File: the program's own save file (inputs, then a copy of
// the generated structure, the file's own path and a time stamp).
#pragma once

#include <string_view>

#include "files/text_file_output.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::files {

// Loads the file at `oldFilePath`, taken exactly as given. The file is read
// into copies of the model's Base module, expansion and element types, which
// replace the model's parts whole only when the whole read succeeded: a failed
// load changes nothing. The outcome of a failure gives the reason with the
// file's line number, in Romanian with `romanian`, else in English:
// `File "<path>", line <n>, <record>: <reason>`.
//
// Besides malformed values and a file that ends too early, a load refuses
// what the model cannot hold: coordinates per node other than 2 or 3,
// negative counts, more nodes than 32 bits count, node or element numbers
// outside their range, more records than the rest of the file has lines,
// and an element type count outside 1..4. A file with fewer than four types
// gives the others the names and areas of a new model; `elementKindCount`
// is then 4. Only the text before the end-of-input line is read. The new
// names of a file with fewer types are those of the same language.
model::Outcome loadInputFile(model::Model& model, std::string_view oldFilePath, bool romanian);

// The same load from a text already in memory; `fileName` is the name the
// failure messages give it. `loadInputFile` reads the file's input part and
// hands it here.
model::Outcome loadInputText(model::Model& model, std::string_view text, std::string_view fileName,
                             bool romanian);

// What the Zentrix Input File is written from: the input parts and the
// generated structure. When the structure no longer belongs to the inputs
// (an input changed after GENERATE) the generated section stays empty.
struct InputFileParts {
  const model::BaseModule& base;
  const model::Expansion& expansion;
  const model::ElementTypes& types;
  const model::Structure& structure;
  bool structureBelongsToInputs = true;
  bool romanian = false;
};

// The parts of `model`, the flag and the language as given.
InputFileParts inputFileParts(const model::Model& model, bool structureBelongsToInputs,
                              bool romanian);

// Writes the Zentrix Input File at `path`, taken exactly as given. Reports a file it cannot create
// or write; never leaves a half-written file in place of the old one; never changes the parts.
// Refuses, before creating anything, parts whose tables are smaller than
// their counts or which hold a real that is not finite (naming it: "node 5
// coordinate 2 = NaN ..."). When `progress` answers false the file is
// abandoned with the writers' one cancel message. With `staged` the finished
// file waits there to be put in place with the others.
model::Outcome writeInputFile(const InputFileParts& parts, std::string_view path,
                              model::Progress* progress = nullptr, StagedFiles* staged = nullptr);

}  // namespace zentrix::files
