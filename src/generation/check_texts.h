// The texts of the model check: one per finding, saying what is wrong and
// why it matters, and the lines that frame the list. {1} ... {9} are filled
// by `model::say` in the order each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::generation::texts {

using model::Text;

// {1} the nodes of Base 0, {2} those of Base 1.
inline constexpr Text kBaseNodeCounts{
    "Base 0 has {1} nodes and Base 1 has {2}: every module's Base 0 is the previous module's "
    "Base 1, so with unequal counts the modules are joined at the wrong nodes.",
    "Baza 0 are {1} noduri si Baza 1 are {2}: Baza 0 a fiecarui modul este Baza 1 a modulului "
    "anterior, deci cu numere diferite modulele se leaga in noduri gresite."};
// {1} the Base 0 node, {2} its coordinate along the axis, {3} the axis letter.
inline constexpr Text kBase0NodeOffPlane{
    "Base 0 node {1} lies at {2} along {3}, not at 0: the generation takes it for a Base 1 node "
    "and copies it into every module.",
    "Nodul {1} din Baza 0 se afla la {2} dupa {3}, nu la 0: generarea il ia drept nod al Bazei 1 "
    "si il copiaza in fiecare modul."};
// {1} the Base 1 node, {2} the Base 0 node, {3} the module length, {4} the
// axis letter, {5} where the node is, {6} where it should be.
inline constexpr Text kBase1NodeMoved{
    "Base 1 node {1} is not Base 0 node {2} moved by the module length {3} along {4}: it is at "
    "({5}) instead of ({6}). Every module repeats the mismatch, so the modules do not fit "
    "together.",
    "Nodul {1} din Baza 1 nu este nodul {2} din Baza 0 deplasat cu lungimea modulului {3} dupa "
    "{4}: se afla la ({5}) in loc de ({6}). Fiecare modul repeta nepotrivirea, deci modulele nu "
    "se potrivesc intre ele."};
// {1} the Base 1 node, {2} its chord, {3} the Base 0 node, {4} that node's chord.
inline constexpr Text kBase1NodeOtherChord{
    "Base 1 node {1} lies on the {2} but Base 0 node {3} on the {4}: the arch places every node "
    "by its chord, so in every module the bars from that node reach the wrong chord.",
    "Nodul {1} din Baza 1 se afla pe {2} dar nodul {3} din Baza 0 pe {4}: arcul aseaza fiecare "
    "nod dupa coarda sa, deci in fiecare modul barele din acel nod ajung la coarda gresita."};
inline constexpr Text kArchLine{"arch line", "linia arcului"};
inline constexpr Text kInnerChord{"inner chord", "coarda interioara"};
// {1} the Base 1 node, {2} its Y, {3} the Base 0 node, {4} that node's Y.
inline constexpr Text kBase1NodeOtherY{
    "Base 1 node {1} has Y = {2} but Base 0 node {3} has Y = {4}: the arch keeps every node's Y, "
    "so every module is skewed across its width.",
    "Nodul {1} din Baza 1 are Y = {2} dar nodul {3} din Baza 0 are Y = {4}: arcul pastreaza Y-ul "
    "fiecarui nod, deci fiecare modul este stramb pe latime."};
// {1} the element, {2} its kind, {3} the kind of its place, {4} the type
// name of that place.
inline constexpr Text kElementOutOfKindOrder{
    "Base module element {1} is a \"{2}\" element but is stored among the \"{3}\" elements: "
    "elements are replicated by their position, so in every module it gets the type \"{4}\" and "
    "its area.",
    "Elementul {1} al modulului de baza este un element \"{2}\" dar este asezat printre elementele "
    "\"{3}\": elementele sunt replicate dupa pozitie, deci in fiecare modul primeste tipul \"{4}\" "
    "si aria lui."};
// {1} the element, {2} the number of Base 0 elements.
inline constexpr Text kBase0ElementTooEarly{
    "Base module element {1} has both end nodes in Base 0 but is not among the last {2} "
    "elements, which are taken as the Base 0 elements: it is copied into every module while a "
    "module element is written only once.",
    "Elementul {1} al modulului de baza are ambele noduri de capat in Baza 0 dar nu este printre "
    "ultimele {2} elemente, care sunt luate drept elementele Bazei 0: este copiat in fiecare "
    "modul, iar un element al modulului este scris o singura data."};
// {1} the element, {2} the number of Base 0 elements.
inline constexpr Text kModuleElementTooLate{
    "Base module element {1} reaches Base 1 but is among the last {2} elements, which are taken "
    "as the Base 0 elements: it is written once instead of in every module.",
    "Elementul {1} al modulului de baza ajunge in Baza 1 dar este printre ultimele {2} elemente, "
    "care sunt luate drept elementele Bazei 0: este scris o singura data in loc de fiecare modul."};
// {1} the element, {2} the end node, {3} the structure's nodes.
inline constexpr Text kEndNodeOutOfRange{
    "Element {1} has the end node {2}, outside the nodes 1 to {3}: the analysis program cannot "
    "place it.",
    "Elementul {1} are nodul de capat {2}, in afara nodurilor 1 - {3}: programul de analiza nu il "
    "poate aseza."};
// {1} the element, {2} and {3} its end nodes.
inline constexpr Text kZeroLength{
    "Element {1} joins nodes {2} and {3}, which lie at the same place: a bar of zero length has "
    "no direction and makes the analysis fail.",
    "Elementul {1} uneste nodurile {2} si {3}, care se afla in acelasi loc: o bara de lungime "
    "zero nu are directie si face analiza sa esueze."};
// {1} and {2} the elements, {3} and {4} their end nodes.
inline constexpr Text kDuplicateElements{
    "Elements {1} and {2} both join nodes {3} and {4}: the bar is counted twice, so the "
    "structure is stiffer than it is.",
    "Elementele {1} si {2} unesc amandoua nodurile {3} si {4}: bara este numarata de doua ori, "
    "deci structura pare mai rigida decat este."};
// {1} and {2} the nodes, {3} their coordinates.
inline constexpr Text kCoincidentNodes{
    "Nodes {1} and {2} lie at the same place ({3}): bars meant to meet there are not joined, so "
    "the analysis sees a mechanism.",
    "Nodurile {1} si {2} se afla in acelasi loc ({3}): barele care trebuiau sa se intalneasca "
    "acolo nu sunt legate, deci analiza vede un mecanism."};
// {1} the node.
inline constexpr Text kUnusedNode{
    "Node {1} is no element's end node: nothing holds it, so the analysis's system of equations "
    "is singular.",
    "Nodul {1} nu este nod de capat al niciunui element: nimic nu il tine, deci sistemul de "
    "ecuatii al analizei este singular."};
// {1} the bars, {2} the restraints, {3} the nodes, {4} the degrees of
// freedom per node, {5} bars plus restraints, {6} dof times nodes, {7} the
// shortfall.
inline constexpr Text kStaticallyUnstable{
    "The structure has {1} bars and {2} restraints of its blocked nodes for {3} nodes of {4} "
    "degrees of freedom: {5} is less than {6}, so as a truss it is a mechanism (statically "
    "unstable). It needs at least {7} more bars or restraints.",
    "Structura are {1} bare si {2} legaturi ale nodurilor blocate pentru {3} noduri cu {4} grade "
    "de libertate: {5} este mai putin decat {6}, deci ca grinda cu zabrele este un mecanism "
    "(static instabila). Are nevoie de cel putin inca {7} bare sau legaturi."};
// {1} the element type, {2} its name, {3} its area.
inline constexpr Text kNonPositiveArea{
    "Element type {1} (\"{2}\") has the area {3}: a bar without a positive cross-section area "
    "has no stiffness, so the analysis cannot solve the structure.",
    "Tipul de element {1} (\"{2}\") are aria {3}: o bara fara arie pozitiva a sectiunii nu are "
    "rigiditate, deci analiza nu poate rezolva structura."};
// {1} the findings of this kind not listed.
inline constexpr Text kMoreNotListed{"... and {1} more of this kind, not listed.",
                                     "... si inca {1} de acest fel, nelistate."};

// The frame of the list. {1} the count.
inline constexpr Text kNoFindings{"Model check: no findings.",
                                  "Verificarea modelului: nicio problema gasita."};
inline constexpr Text kOneFindingHeading{"Model check: 1 finding.",
                                         "Verificarea modelului: o problema gasita."};
inline constexpr Text kFindingsHeading{"Model check: {1} findings.",
                                       "Verificarea modelului: {1} probleme gasite."};

}  // namespace zentrix::generation::texts
