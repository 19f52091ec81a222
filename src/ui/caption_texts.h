// The captions of the dialog templates 102 to 108 in both languages, by
// control id: the window title (the template id), labels, group boxes,
// buttons, check boxes and the tool tips of the image buttons. The English
// text of each is the template's own; names of the package's programs and
// files (ZENTRIX, KARVEL, GENERATE, CREATE, Geometry File, Zentrix File)
// stay as they are in Romanian too, as the messages call them.
#pragma once

#include <array>

#include "model/text.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui::captions {

using model::Text;

// What of a control a caption is: its text, or its tool tip.
enum class Part { Text, ToolTip };

struct Caption {
  ControlId control;
  Text text;
  Part part = Part::Text;
};

inline constexpr Text kOk{"OK", "OK"};
inline constexpr Text kCancel{"Cancel", "Anulare"};
inline constexpr Text kApply{"&APPLY", "&APLICA"};
inline constexpr Text kEmpty{"Empty", "Golire"};
inline constexpr Text kShrinkRatio{"Shrink Ratio", "Raportul de micsorare"};
inline constexpr Text kPreviewBaseModule{"Preview Base Module", "Previzualizare modul de baza"};
inline constexpr Text kPreviewStructure{"Preview Structure", "Previzualizare structura"};

inline constexpr std::array kMainDialog{
    Caption{102, {"ZENTRIX", "ZENTRIX"}},
    Caption{templateGroup(1), {"LOAD", "INCARCARE"}},
    Caption{templateGroup(2), {"BASE MODULE", "MODULUL DE BAZA"}},
    Caption{templateGroup(3), {"EXPANSION", "EXTINDERE"}},
    Caption{templateGroup(4), {"KARVEL Geometry File", "Fisierul Geometry File KARVEL"}},
    Caption{templateLabel(1), {"Old Zentrix File", "Fisierul Zentrix existent"}},
    Caption{templateLabel(2), {"Degrees of\nFreedom/Node", "Grade de\nlibertate/nod"}},
    Caption{templateLabel(3), {"No. of Nodes in Base 0", "Nr. de noduri din Baza 0"}},
    Caption{templateLabel(4), {"No. of Nodes in Base 1", "Nr. de noduri din Baza 1"}},
    Caption{templateLabel(5), {"No. of Elements", "Nr. de elemente"}},
    Caption{templateLabel(6), {"Coordinates", "Coordonate"}},
    Caption{templateLabel(7), {"Topology", "Topologie"}},
    Caption{templateLabel(8), {"Preview\nBase Module", "Vedere\nmodul baza"}},
    Caption{templateLabel(9), {"Help", "Ajutor"}},
    Caption{templateLabel(10), {"Problem Title", "Titlul problemei"}},
    Caption{templateLabel(11), {"Expansion Direction", "Directia de extindere"}},
    Caption{templateLabel(12), {"Expansion Type", "Tipul extinderii"}},
    Caption{templateLabel(13), {"Number of Modules", "Numarul de module"}},
    Caption{templateLabel(14), {"Module Length", "Lungime\nmodul"}},
    Caption{templateLabel(15), {"Generate Data", "Generare date"}},
    Caption{templateLabel(16), {"Save Data to\nZentrix File", "Salvare in\nfisier Zentrix"}},
    Caption{templateLabel(17), {"View\nZentrix File", "Vizualizare\nfisier Zentrix"}},
    Caption{templateLabel(18), {"Create", "Creare"}},
    Caption{templateLabel(19), {"View File", "Vezi\nfisier"}},
    Caption{templateLabel(20), {"Preview Structure", "Vedere\nstructura"}},
    Caption{1004, {"Old File", "Fisierul existent"}, Part::ToolTip},
    Caption{1012, {"Old File", "Fisierul existent"}},
    Caption{1014, {"COORDINATES", "COORDONATE"}},
    Caption{1015, {"TOPOLOGY", "TOPOLOGIE"}},
    Caption{1057, {"Button1", "Previzualizare modul de baza"}},
    Caption{1057, kPreviewBaseModule, Part::ToolTip},
    Caption{1045, {"Help", "Ajutor"}},
    Caption{1060, {"ElementTypes\nand Area", "Elemente:\ntipuri, arii"}},
    Caption{1065, {"Last Node Indices in Base 0", "Ultimele numere in Baza 0"}},
    Caption{1025, {"GENERATE", "GENERATE"}},
    Caption{1026, {"Save Data", "Salvare date"}},
    Caption{1027, {"View Saved File", "Vizualizare fisier salvat"}},
    Caption{1022, {"CREATE", "CREATE"}},
    Caption{1021, {"View", "Vizualizare"}},
    Caption{1056, {"Button1", "Previzualizare structura"}},
    Caption{1056, kPreviewStructure, Part::ToolTip},
    Caption{1071, {"3-D View", "Vedere 3-D"}},
    Caption{1071, {"Structure view", "Vederea structurii"}, Part::ToolTip},
    Caption{1072, {"Recent files", "Fisiere recente"}, Part::ToolTip},
    Caption{kOkButton, {"DONE", "GATA"}},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kCoordinatesDialog{
    Caption{103, {"COORDONATE", "COORDONATE"}},
    Caption{templateLabel(1), {"Select Node", "Alegeti nodul"}},
    Caption{templateLabel(2), {"Processed Nodes", "Noduri prelucrate"}},
    Caption{1047,
            {"Input Coordinates X, Y:\nSeparators: space(s); comma",
             "Introduceti coordonatele X, Y:\nSeparatori: spatiu(i); virgula"}},
    Caption{1043, kEmpty},
    Caption{1031, kApply},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kTopologyDialog{
    Caption{104, {"TOPOLOGY", "TOPOLOGIE"}},
    Caption{templateLabel(1), {"Element", "Element"}},
    Caption{templateLabel(2),
            {"Input End Nodes.\nSeparators: space(s); comma.",
             "Introduceti nodurile de capat.\nSeparatori: spatiu(i); virgula."}},
    Caption{templateLabel(3), {"Processed Elements", "Elemente prelucrate"}},
    Caption{1044, kEmpty},
    Caption{1036, kApply},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kPyramidDialog{
    Caption{105, {"PYRAMID (Frustum)", "PIRAMIDA (Trunchi)"}},
    Caption{templateLabel(1), kShrinkRatio},
    Caption{templateLabel(2), {"Vertex Foot Coordinates", "Coordonatele piciorului varfului"}},
    Caption{1047, {"Separators: space(s); comma.", "Separatori: spatiu(i); virgula."}},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kShrinkDialog{
    Caption{106, {"PYRAMID 2 (Shrink in 1 direction)", "PIRAMIDA 2 (Micsorare pe 1 directie)"}},
    Caption{templateLabel(1), kShrinkRatio},
    Caption{templateLabel(2), {"Shrink Direction", "Directia de micsorare"}},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kArchDialog{
    Caption{107, {"ARCH (Symmetric)", "ARC (Simetric)"}},
    Caption{templateLabel(1), {"Half Span (l)", "Semideschiderea (l)"}},
    Caption{templateLabel(2), {"Height (h)", "Inaltimea (h)"}},
    Caption{templateLabel(3), {"Kind", "Tipul"}},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

inline constexpr std::array kElementTypesDialog{
    Caption{108, {"ELEMENT TYPES", "TIPURI DE ELEMENTE"}},
    Caption{templateLabel(1), {"Name", "Nume"}},
    Caption{templateLabel(2), {"Area", "Arie"}},
    Caption{templateLabel(3), {"Type 1", "Tipul 1"}},
    Caption{templateLabel(4), {"Type 2", "Tipul 2"}},
    Caption{templateLabel(5), {"Type 3", "Tipul 3"}},
    Caption{templateLabel(6), {"Type 4", "Tipul 4"}},
    Caption{kOkButton, kOk},
    Caption{kCancelButton, kCancel},
};

// The entries of the main dialog's expansion type list and of the arch
// dialog's kind list, in list order.
// (The element types are spelled out: MinGW's g++ 12 emits a deduced
// inline array once per unit, which then fails to link.)
inline constexpr std::array<Text, 4> kExpansionTypes{
    Text{"Prismatic", "Prismatic"}, Text{"Pyramidal", "Piramidal"},
    Text{"1-direction Shrink", "Micsorare pe 1 directie"},
    Text{"ARCH (Symmetric)", "ARC (Simetric)"}};
inline constexpr std::array<Text, 2> kArchKinds{Text{"Circular", "Circular"},
                                                Text{"Parabolic", "Parabolic"}};

}  // namespace zentrix::ui::captions
