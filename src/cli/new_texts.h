// zentrix-cli new's own messages and the words of its template list. {1}
// ... {9} are filled by `model::say` in the order each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::app::texts {

using model::Text;

inline constexpr Text kTemplatesHeading{
    "Templates (zentrix-cli new TEMPLATE [--PARAM VALUE ...] -o MODEL.dat):",
    "Sabloane (zentrix-cli new SABLON [--PARAMETRU VALOARE ...] -o MODEL.dat):"};
// {1} the allowed values, {2} the default, {3} the meaning.
inline constexpr Text kParameterLine{"{1}, default {2}: {3}", "{1}, implicit {2}: {3}"};
inline constexpr Text kTemplateMissing{
    "TEMPLATE is missing: zentrix-cli new --list lists the templates",
    "Lipseste SABLON: zentrix-cli new --list arata sabloanele"};
// {1} the word given.
inline constexpr Text kParameterWithoutName{"{1}: a parameter is written --NAME VALUE",
                                            "{1}: un parametru se scrie --NUME VALOARE"};
// {1} the parameter.
inline constexpr Text kParameterWithoutValue{"--{1} has no value", "--{1} nu are valoare"};
// {1} the path, {2} what was made.
inline constexpr Text kModelWritten{"Written Zentrix Input File: {1} ({2}).",
                                    "Fisier Zentrix Input File scris: {1} ({2})."};

}  // namespace zentrix::app::texts
