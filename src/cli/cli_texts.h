// zentrix-cli's own messages (the usage text itself stays English, as the
// command line's options are). {1} ... {9} are filled by `model::say` in
// the order each comment gives; paths come quoted.
#pragma once

#include "model/text.h"

namespace zentrix::app::texts {

using model::Text;

inline constexpr Text kInputPathEmpty{"INPUT: the path is empty", "INPUT: calea este goala"};
// {1} the option.
inline constexpr Text kPathEmpty{"{1}: the path is empty", "{1}: calea este goala"};
// {1} and {2} the options, {3} the path.
inline constexpr Text kSameFile{"{1} and {2} name the same file {3}; nothing was written.",
                                "{1} si {2} numesc acelasi fisier {3}; nu s-a scris nimic."};
// {1} the option, {2} the path.
inline constexpr Text kNamesTheInput{"{1} names the input file {2}; nothing was written.",
                                     "{1} numeste fisierul de intrare {2}; nu s-a scris nimic."};
// {1} the option, {2} the path.
inline constexpr Text kPathHoldsControl{"{1}: the path {2} holds a control character",
                                        "{1}: calea {2} contine un caracter de control"};
// {1} the path, as the progress line's task.
inline constexpr Text kWriting{"Writing {1}", "Se scrie {1}"};
// {1} the path.
inline constexpr Text kBaseModuleCreated{"Created Base-module Geometry File: {1}.",
                                         "Fisier creat pentru Modulul de Baza: {1}."};
inline constexpr Text kNothingGenerated{"Nothing was generated; --force answers Yes.",
                                        "Nu s-a generat nimic; --force raspunde Da."};
inline constexpr Text kStandardOutputLost{
    "Cannot write to the standard output; the files were written.",
    "Nu se poate scrie la iesirea standard; fisierele au fost scrise."};
inline constexpr Text kStandardOutputUnwritable{"Cannot write to the standard output.",
                                                "Nu se poate scrie la iesirea standard."};

}  // namespace zentrix::app::texts
