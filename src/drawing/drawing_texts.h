// The texts of drawings and of the structure view: the legend, the facts of
// a picked node or element. {1} ... {9} are filled by `model::say` in the
// order each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::drawing::texts {

using model::Text;

inline constexpr Text kBlockedNodes{"Blocked nodes", "Noduri blocate"};
inline constexpr Text kMixedTypes{"Several types in one pixel", "Mai multe tipuri intr-un pixel"};
// {1} type name, {2} area.
inline constexpr Text kLegendLine{"{1}  A = {2}", "{1}  A = {2}"};
// {1} number, {2} start, {3} end, {4} kind, {5} type name, {6} area, {7} length.
inline constexpr Text kElementFacts{
    "Element {1}: nodes {2} - {3}, {4}, type \"{5}\", area {6}, length {7}",
    "Element {1}: noduri {2} - {3}, {4}, tip \"{5}\", aria {6}, lungime {7}"};
inline constexpr Text kUnclassifiedKind{"no kind", "fara tip"};
// {1} number, {2} coordinates.
inline constexpr Text kNodeFacts{"Node {1}: {2}", "Nod {1}: {2}"};
inline constexpr Text kNodeBlocked{" (blocked)", " (blocat)"};
// Why a PNG picture was not written, after "Cannot write the file ...: ".
inline constexpr Text kPngNotEncoded{"the picture could not be encoded as PNG",
                                     "imaginea nu a putut fi codificata ca PNG"};

}  // namespace zentrix::drawing::texts
