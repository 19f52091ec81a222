// The texts of GENERATE: its refusals, the module length warning and the
// ways a run ends without a new structure. {1} ... {9} are filled by
// `model::say` in the order each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::generation::texts {

using model::Text;

// {1} the value.
inline constexpr Text kDofPerNode{
    "The degrees of freedom per node must be 2 or 3 (they are {1}).",
    "Numarul de grade de libertate pe nod trebuie sa fie 2 sau 3 (este {1})."};
// {1} the field, {2} the value.
inline constexpr Text kNegativeCount{"{1} must not be negative (it is {2}).",
                                     "{1} nu poate fi negativ (este {2})."};
// {1} the value.
inline constexpr Text kTooFewModules{"The \"Number of Modules\" must be at least 1 (it is {1}).",
                                     "Numarul de module trebuie sa fie cel putin 1 (este {1})."};
// {1} the nodes in Base 0, {2} those in Base 1.
inline constexpr Text kBase0LargerThanBase1{
    "Base 0 has more nodes than Base 1 ({1} against {2}): every module's Base 0 is the previous "
    "module's Base 1, so Base 1 needs at least as many nodes.",
    "Baza 0 are mai multe noduri decat Baza 1 ({1} fata de {2}): Baza 0 a fiecarui modul este "
    "Baza 1 a modulului anterior, deci Baza 1 trebuie sa aiba cel putin tot atatea noduri."};
inline constexpr Text kNoDirection{"Choose the expansion direction (X, Y or Z).",
                                   "Alegeti directia de expandare (X, Y sau Z)."};
inline constexpr Text kPlaneAlongZ{
    "A plane structure (2 degrees of freedom per node) cannot be expanded along Z: choose X or "
    "Y.",
    "O structura plana (2 grade de libertate pe nod) nu poate fi expandata dupa Z: alegeti X sau "
    "Y."};
// {1} the nodes with coordinates, {2} the nodes of Base 0 and Base 1.
inline constexpr Text kShortCoordinates{
    "The Base module has coordinates for {1} nodes, but Base 0 and Base 1 hold {2} nodes: enter "
    "the coordinates again.",
    "Modulul de baza are coordonate pentru {1} noduri, dar Baza 0 si Baza 1 au {2} noduri: "
    "introduceti din nou coordonatele."};
// {1} the values held per node, {2} the values needed.
inline constexpr Text kNarrowCoordinates{
    "The Base module coordinates have {1} values per node, but the structure needs {2}: enter "
    "the coordinates again.",
    "Coordonatele modulului de baza au {1} valori pe nod, dar structura are nevoie de {2}: "
    "introduceti din nou coordonatele."};
// {1} the axis letter, {2} the node.
inline constexpr Text kNonFiniteBaseCoordinate{
    "The coordinate {1} of Base module node {2} is not a finite number.",
    "Coordonata {1} a nodului {2} al modulului de baza nu este un numar finit."};
// {1} the elements.
inline constexpr Text kNoTopology{
    "The end nodes of the {1} elements have not been entered: enter the topology.",
    "Nodurile de capat ale celor {1} elemente nu au fost introduse: introduceti topologia."};
// {1} the elements with end nodes, {2} the elements.
inline constexpr Text kShortTopology{
    "The topology holds end nodes for {1} elements, but \"No. of Elements\" is {2}: enter the "
    "topology again.",
    "Topologia contine noduri de capat pentru {1} elemente, dar numarul de elemente este {2}: "
    "introduceti din nou topologia."};
// {1} the element, {2} its end node, {3} the Base module's nodes.
inline constexpr Text kEndNodeOutside{
    "Element {1} has the end node {2}, outside the Base module's nodes 1 to {3}.",
    "Elementul {1} are nodul de capat {2}, in afara nodurilor modulului de baza 1 - {3}."};
// {1} the field.
inline constexpr Text kNotFinite{"{1} is not a finite number.", "{1} nu este un numar finit."};
inline constexpr Text kOr{" or ", " sau "};
// {1} the axes to choose from.
inline constexpr Text kNoShrinkDirection{
    "The 1-direction Shrink needs a shrink direction other than the expansion direction: choose "
    "{1}.",
    "Micsorarea intr-o directie necesita o directie de micsorare diferita de directia de "
    "expandare: alegeti {1}."};
inline constexpr Text kFlatArch{
    "The arch needs a \"Half Span (l)\" and a \"Height (h)\" other than 0.",
    "Arcul necesita o semideschidere (l) si o inaltime (h) diferite de 0."};
inline constexpr Text kNodes{"nodes", "noduri"};
inline constexpr Text kElements{"elements", "elemente"};
// {1} the total, {2} kNodes or kElements, {3} the largest count.
inline constexpr Text kTooMany{
    "The structure would have {1} {2}, more than {3}: use fewer modules.",
    "Structura ar avea {1} {2}, mai mult de {3}: folositi mai putine module."};
// {1} the element, {2} the module, {3} the node, {4} the structure's nodes.
inline constexpr Text kCopyBeyondNodes{
    "Element {1} copied into module {2} would end at node {3}, but the structure has only {4} "
    "nodes: Base 1 must hold as many nodes as Base 0, in the same order.",
    "Elementul {1} copiat in modulul {2} ar ajunge la nodul {3}, dar structura are doar {4} "
    "noduri: Baza 1 trebuie sa aiba tot atatea noduri ca Baza 0, in aceeasi ordine."};
// {1} nodes, {2} elements, {3} MB needed, {4} MB this computer can give.
inline constexpr Text kMoreThanTheMemory{
    "The structure of {1} nodes and {2} elements needs {3} MB of memory, more than this computer "
    "can give ({4} MB): use fewer modules.",
    "Structura de {1} noduri si {2} elemente necesita {3} MB de memorie, mai mult decat poate "
    "oferi acest calculator ({4} MB): folositi mai putine module."};
inline constexpr Text kCancelled{"GENERATE was cancelled: the previous structure is kept.",
                                 "GENERATE a fost anulat: structura anterioara se pastreaza."};
// {1} nodes, {2} elements.
inline constexpr Text kOutOfMemory{
    "There is not enough memory to generate {1} nodes and {2} elements: use fewer modules. The "
    "previous structure is kept.",
    "Nu exista destula memorie pentru a genera {1} noduri si {2} elemente: folositi mai putine "
    "module. Structura anterioara se pastreaza."};
// {1} the node, {2} the axis letter.
inline constexpr Text kNonFiniteCoordinate{
    "Node {1} would get a coordinate {2} that is not a finite number: check the expansion "
    "parameters.",
    "Nodul {1} ar primi o coordonata {2} care nu este un numar finit: verificati parametrii "
    "expandarii."};
// {1} the Base module's length, {2} the module length. "diferent" is the
// program's own spelling, kept as users know it.
inline constexpr Text kModuleLengthWarning{
    "WARNING: Base Module length ={1} - diferent from the current module length ={2} !\nThe "
    "structure that will be generated will not be modular.\nWould You like to continue?",
    "ATENTIE: Lungimea modulului de baza ={1} - diferita de lungimea modulului curent ={2} "
    "!\nStructura care va fi generata nu va fi modulara.\nVreti sa continuati?"};

}  // namespace zentrix::generation::texts
