// The texts of the structure view window: its buttons, its status line and
// its export questions. {1} ... {9} are filled by `model::say` in the order
// each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::ui::texts {

using model::Text;

inline constexpr Text kViewTitleStructure{"ZENTRIX - Structure", "ZENTRIX - Structura"};
inline constexpr Text kViewTitleBaseModule{"ZENTRIX - Base Module", "ZENTRIX - Modulul de Baza"};
inline constexpr Text kViewFit{"Fit", "Incadrare"};
inline constexpr Text kViewIso{"Iso", "Izo"};
inline constexpr Text kViewNumbers{"Numbers", "Numere"};
inline constexpr Text kViewLegend{"Legend", "Legenda"};
// {1} the format, as "SVG".
inline constexpr Text kViewExport{"Export {1}...", "Exportare {1}..."};
inline constexpr Text kViewClose{"Close", "Inchide"};
inline constexpr Text kViewHint{
    "Drag: orbit   Shift+drag or middle button: pan   Wheel: zoom   Click: facts",
    "Tragere: rotire   Shift+tragere sau butonul din mijloc: deplasare   Rotita: zoom   "
    "Clic: date"};
// {1} nodes, {2} elements.
inline constexpr Text kViewCounts{"{1} nodes, {2} elements", "{1} noduri, {2} elemente"};
inline constexpr Text kViewNothingPicked{"Nothing here.", "Nimic aici."};
// {1} the format.
inline constexpr Text kViewExportTitle{"Export {1}", "Exportare {1}"};
// {1} the path.
inline constexpr Text kViewExported{"Written: {1}", "Scris: {1}"};
// {1} the format.
inline constexpr Text kViewWriting{"Writing the {1} file...", "Se scrie fisierul {1}..."};
inline constexpr Text kViewOutOfDate{
    "Out of date: the inputs changed after GENERATE. GENERATE again to see them.",
    "Depasit: datele s-au schimbat dupa GENERATE. Rulati GENERATE din nou."};

}  // namespace zentrix::ui::texts
