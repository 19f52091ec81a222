// The texts of the model templates: what each template makes, what each
// parameter means, the default names of the member groups, and the
// refusals. {1} ... {9} are filled by `model::say` in the order each
// comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::templates::texts {

using model::Text;

// What each template makes (also the default problem title).
inline constexpr Text kPratt{"Pratt truss", "Grinda cu zabrele Pratt"};
inline constexpr Text kHowe{"Howe truss", "Grinda cu zabrele Howe"};
inline constexpr Text kWarren{"Warren truss", "Grinda cu zabrele Warren"};
inline constexpr Text kWarrenVerticals{"Warren truss with verticals",
                                       "Grinda cu zabrele Warren cu montanti"};
inline constexpr Text kKTruss{"K-truss", "Grinda cu zabrele in K"};
inline constexpr Text kVierendeel{"Vierendeel girder", "Grinda Vierendeel"};
inline constexpr Text kBoxBridge{"Box-truss bridge", "Pod cu grinzi cu zabrele in cheson"};
inline constexpr Text kTriangular{"Triangular space truss", "Grinda spatiala triunghiulara"};
inline constexpr Text kTower{"Square lattice tower", "Turn cu zabrele cu sectiune patrata"};
inline constexpr Text kArchRib{"Arch truss rib", "Arc cu zabrele"};

// What the templates' notes add to their name in the list.
inline constexpr Text kPlaneNote{"2-D, along X, Prismatic", "2-D, dupa X, Prismatic"};
inline constexpr Text kWarrenNote{
    "2-D, along X, Prismatic; every module repeats one panel, so its two diagonals cross",
    "2-D, dupa X, Prismatic; fiecare modul repeta un panou, deci cele doua diagonale se "
    "incruciseaza"};
inline constexpr Text kVierendeelNote{
    "2-D, along X, Prismatic; a frame without diagonals, so the check counts it a mechanism",
    "2-D, dupa X, Prismatic; un cadru fara diagonale, deci verificarea il socoteste mecanism"};
inline constexpr Text kBridgeNote{"3-D, along X, Prismatic, with plan bracing",
                                  "3-D, dupa X, Prismatic, cu contravantuiri in plan"};
inline constexpr Text kTriangularNote{"3-D, along X, Prismatic", "3-D, dupa X, Prismatic"};
inline constexpr Text kTowerNote{"3-D, along Z, Pyramidal frustum",
                                 "3-D, dupa Z, Trunchi de piramida"};
inline constexpr Text kArchNote{"2-D, ARCH (Symmetric)", "2-D, ARC (Simetric)"};

// Parameter meanings.
inline constexpr Text kTitle{"problem title", "titlul problemei"};
inline constexpr Text kModules{"number of modules (panels)", "numarul de module (panouri)"};
inline constexpr Text kPanelLength{"panel length along the axis, the module length",
                                   "lungimea panoului dupa axa, lungimea modulului"};
inline constexpr Text kHeight{"height of the truss (between chords)",
                              "inaltimea grinzii (intre talpi)"};
inline constexpr Text kWidth{"width between the trusses", "latimea dintre grinzi"};
inline constexpr Text kDepth{"depth of the trusses (between chords)",
                             "inaltimea grinzilor (intre talpi)"};
inline constexpr Text kDeck{
    "deck: sway bracing in every cross frame; through: none, traffic "
    "passes between the trusses",
    "deck: contravantuire in fiecare cadru transversal; through: fara, "
    "circulatia trece printre grinzi"};
inline constexpr Text kBaseWidth{"width of the tower at its foot", "latimea turnului la baza"};
inline constexpr Text kPanelHeight{"height of one panel, the module length",
                                   "inaltimea unui panou, lungimea modulului"};
inline constexpr Text kTopRatio{"width at the top / width at the foot",
                                "latimea la varf / latimea la baza"};
inline constexpr Text kHalfSpan{"half span of the arch (l)", "semideschiderea arcului (l)"};
inline constexpr Text kRise{"height of the arch (h), at most the half span",
                            "inaltimea arcului (h), cel mult semideschiderea"};
inline constexpr Text kRibDepth{"depth of the rib, at most a quarter of the half span",
                                "inaltimea nervurii, cel mult un sfert din semideschidere"};
inline constexpr Text kArchKind{"shape of the arch", "forma arcului"};
// {1} the member group's name.
inline constexpr Text kGroupName{"name of the element type of the {1}",
                                 "numele tipului de element al grupului {1}"};
inline constexpr Text kGroupArea{"cross-section area of the {1}", "aria sectiunii grupului {1}"};

// Default names of the member groups (the element types).
inline constexpr Text kChords{"Chords", "Talpi"};
inline constexpr Text kVerticals{"Verticals", "Montanti"};
inline constexpr Text kDiagonals{"Diagonals", "Diagonale"};
inline constexpr Text kEndPost{"End post", "Montant de capat"};
inline constexpr Text kCrossFrames{"Cross frames", "Cadre transversale"};
inline constexpr Text kSwayBracing{"Sway bracing", "Contravantuiri transversale"};
inline constexpr Text kBottomStruts{"Bottom struts", "Rigle inferioare"};
inline constexpr Text kSideStruts{"Side struts", "Rigle laterale"};
inline constexpr Text kLegs{"Legs", "Montanti de colt"};
inline constexpr Text kHorizontals{"Horizontals", "Orizontale"};
inline constexpr Text kBracing{"Bracing", "Contravantuiri"};
inline constexpr Text kPlanBracing{"Plan bracing", "Contravantuiri in plan"};
inline constexpr Text kStruts{"Struts", "Montanti"};

// Refusals. {1} the parameter, {2} the value given, {3} and {4} the range.
inline constexpr Text kOutOfRange{"--{1} {2} is outside its range {3} to {4}",
                                  "--{1} {2} este in afara domeniului {3} ... {4}"};
// {1} the parameter, {2} the value given.
inline constexpr Text kNotANumber{"--{1} {2} is not a number", "--{1} {2} nu este un numar"};
inline constexpr Text kNotACount{"--{1} {2} is not a whole number",
                                 "--{1} {2} nu este un numar intreg"};
// {1} the parameter, {2} the value given, {3} the allowed words.
inline constexpr Text kNotAChoice{"--{1} {2} is none of {3}", "--{1} {2} nu este niciuna din {3}"};
// {1} the parameter, {2} the value given, {3} the widest it may be.
inline constexpr Text kNameTooLong{"--{1} \"{2}\" is longer than {3} characters",
                                   "--{1} \"{2}\" are mai mult de {3} caractere"};
inline constexpr Text kNameHoldsControl{"--{1}: the text holds a control character",
                                        "--{1}: textul contine un caracter de control"};
// {1} the template, {2} the parameter, {3} its parameters.
inline constexpr Text kNoSuchParameter{"{1} has no parameter --{2}; its parameters: {3}",
                                       "{1} nu are parametrul --{2}; parametrii sai: {3}"};
// {1} the template given, {2} the templates.
inline constexpr Text kNoSuchTemplate{"There is no template \"{1}\"; the templates: {2}",
                                      "Nu exista sablonul \"{1}\"; sabloanele: {2}"};
// {1} the parameter, {2} its value, {3} the bound's parameter, {4} the bound.
inline constexpr Text kAboveOther{"--{1} {2} is above {4} ({3})", "--{1} {2} depaseste {4} ({3})"};

}  // namespace zentrix::templates::texts
