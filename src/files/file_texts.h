// The messages of the file readers and writers: why a file cannot be read
// or written, where, and what was written. {1} ... {9} are filled by
// `model::say` in the order each comment gives; paths come quoted and with
// control characters escaped.
#pragma once

#include "model/text.h"

namespace zentrix::files::texts {

using model::Text;

// ---- Reading a Zentrix Input File -----------------------------------------

// {1} the path, {2} the line.
inline constexpr Text kFileLine{"File \"{1}\", line {2}", "Fisierul \"{1}\", linia {2}"};
inline constexpr Text kNotAText{"not a text file (it holds NUL bytes)",
                                "nu este un fisier text (contine octeti NUL)"};
// {1} the longest line in bytes.
inline constexpr Text kLineTooLong{"line too long (more than {1} bytes)",
                                   "linia este prea lunga (peste {1} de octeti)"};
inline constexpr Text kOnlyTheFirst64MiB{" (only the first 64 MiB of the file are read)",
                                         " (se citesc doar primii 64 MiB ai fisierului)"};
inline constexpr Text kEndsBefore{"missing: the file ends before it",
                                  "lipseste: fisierul se termina inainte"};
inline constexpr Text kEndsInTheCommentHeader{
    "missing: the file ends inside the comment header",
    "lipseste: fisierul se termina in antetul de comentarii"};
inline constexpr Text kEmptyFile{"missing: the file is empty", "lipseste: fisierul este gol"};
// {1} what, {2} the value found.
inline constexpr Text kNegative{"{1} must not be negative, found {2}",
                                "{1} nu poate fi negativ, s-a gasit {2}"};
// {1} the records, {2} what they are, {3} the lines left.
inline constexpr Text kCannotHold{"the file cannot hold {1} {2}: only {3} lines follow",
                                  "fisierul nu poate contine {1} {2}: urmeaza doar {3} linii"};
// {1} the value found.
inline constexpr Text kCoordinatesPerNode{
    "coordinates per node must be 2 or 3, found {1}",
    "numarul de coordonate pe nod trebuie sa fie 2 sau 3, s-a gasit {1}"};
inline constexpr Text kNodesInBase0{"the number of nodes in Base 0",
                                    "numarul de noduri din Baza 0"};
inline constexpr Text kNodesInBase1{"the number of nodes in Base 1",
                                    "numarul de noduri din Baza 1"};
// {1} Base 0's nodes, {2} Base 1's nodes, {3} the largest count.
inline constexpr Text kTooManyNodes{"the number of nodes {1} + {2} is more than {3}",
                                    "numarul de noduri {1} + {2} depaseste {3}"};
inline constexpr Text kNodeRecords{"node records", "inregistrari de noduri"};
inline constexpr Text kNodeNumberMissing{"the node number is missing", "lipseste numarul nodului"};
// {1} the node, {2} the nodes.
inline constexpr Text kNodeOutside{"node {1} is outside 1..{2}",
                                   "nodul {1} este in afara domeniului 1..{2}"};
inline constexpr Text kModules{"the number of modules", "numarul de module"};
inline constexpr Text kElements{"the number of elements", "numarul de elemente"};
inline constexpr Text kElementRecords{"element records", "inregistrari de elemente"};
inline constexpr Text kElementNumberMissing{"the element number is missing",
                                            "lipseste numarul elementului"};
// {1} the element, {2} the elements.
inline constexpr Text kElementOutside{"element {1} is outside 1..{2}",
                                      "elementul {1} este in afara domeniului 1..{2}"};
// {1} the value found.
inline constexpr Text kTypeCount{
    "the number of element types must be 1 to 4, found {1}",
    "numarul tipurilor de elemente trebuie sa fie intre 1 si 4, s-a gasit {1}"};
// {1} the path.
inline constexpr Text kNoMemoryToLoad{"File \"{1}\": not enough memory to load it",
                                      "Fisierul \"{1}\": memorie insuficienta pentru a-l incarca"};

// Before the reason of a failed Old File, on the desktop and the command line.
inline constexpr Text kWrongDataInOldFile{"Wrong Data in Old File.",
                                          "Date eronate in fisierul existent (Old File)."};

// The parts of a Zentrix Input File, as a reading failure names them.
namespace fields {
inline constexpr Text kTitle{"title", "titlul"};
inline constexpr Text kCounts{"counts", "numerele de noduri"};
inline constexpr Text kCoordinatesHeading{"Coordinates heading", "titlul Coordonate"};
inline constexpr Text kNodeRecord{"node record", "inregistrarea nodului"};
inline constexpr Text kExpansionHeading{"Expansion heading", "titlul Expansiune"};
inline constexpr Text kDirection{"expansion direction", "directia expansiunii"};
inline constexpr Text kExpansion{"expansion record", "inregistrarea expansiunii"};
inline constexpr Text kPyramidRatio{"pyramid shrink ratio", "raportul de micsorare al piramidei"};
inline constexpr Text kVertexFoot{"vertex foot", "coordonatele piciorului"};
inline constexpr Text kShrink{"shrink record", "inregistrarea micsorarii"};
inline constexpr Text kArch{"arch record", "inregistrarea arcului"};
inline constexpr Text kTopologyHeading{"Topology heading", "titlul Topologie"};
inline constexpr Text kElementCount{"element count", "numarul de elemente"};
inline constexpr Text kElementRecord{"element record", "inregistrarea elementului"};
inline constexpr Text kTypeCount{"element type count", "numarul tipurilor de elemente"};
inline constexpr Text kTypeName{"name of element type", "numele tipului de element"};
inline constexpr Text kTypeArea{"area of element type", "aria tipului de element"};
}  // namespace fields

// ---- Reading and writing any file -----------------------------------------

// {1} the quoted path.
inline constexpr Text kNotAFolder{"{1} is not a folder", "{1} nu este un dosar"};
// {1} the error number, {2} the system's text.
inline constexpr Text kSystemError{"{2}", "eroare de sistem {1} ({2})"};
// {1} the quoted path, {2} the reason.
inline constexpr Text kCannotCreate{"Cannot create the file {1}: {2}",
                                    "Nu se poate crea fisierul {1}: {2}"};
inline constexpr Text kCannotWrite{"Cannot write the file {1}: {2}",
                                   "Nu se poate scrie fisierul {1}: {2}"};
inline constexpr Text kCannotOpen{"Cannot open the file {1}: {2}",
                                  "Nu se poate deschide fisierul {1}: {2}"};
inline constexpr Text kCannotRead{"Cannot read the file {1}: {2}",
                                  "Nu se poate citi fisierul {1}: {2}"};
// {1} the quoted path.
inline constexpr Text kWriteCancelled{
    "Writing the file {1} was cancelled; an existing file of that name is unchanged.",
    "Scrierea fisierului {1} a fost anulata; fisierul existent a ramas neschimbat."};
inline constexpr Text kCurrentFolderDeleted{"the current folder was deleted",
                                            "dosarul curent a fost sters"};
// After a failure while several files were put in place together.
inline constexpr Text kNoFileChanged{"No file was changed.", "Niciun fisier nu a fost schimbat."};
inline constexpr Text kOthersAsTheyWere{"Every other file is as it was.",
                                        "Celelalte fisiere au ramas cum erau."};
// {1} the quoted path.
inline constexpr Text kPutBack{"{1} was put back as it was.", "{1} a fost readus cum era."};
// {1} the quoted path, {2} the reason, {3} the quoted path of the old content.
inline constexpr Text kNotPutBack{
    "{1} could not be put back ({2}): its old content is kept in {3}.",
    "{1} nu a putut fi readus ({2}): continutul sau vechi este pastrat in {3}."};
// {1} the quoted path, {2} the reason.
inline constexpr Text kNewFileLeft{"{1} did not exist before and could not be removed ({2}).",
                                   "{1} nu exista inainte si nu a putut fi sters ({2})."};
inline constexpr Text kNoFileName{"the file name is empty", "numele fisierului lipseste"};
inline constexpr Text kReadOnly{"the file is read-only", "fisierul este doar pentru citire"};
inline constexpr Text kNotEnoughMemory{"not enough memory", "memorie insuficienta"};
// {1} the quoted path, {2} the bytes needed, {3} the bytes free.
inline constexpr Text kSpaceShortage{
    "Not enough free space for {1}: up to {2} are needed, {3} are free; no file was written.",
    "Nu este destul spatiu liber pentru {1}: sunt necesari pana la {2}, sunt liberi {3}; nu s-a "
    "scris niciun fisier."};
inline constexpr Text kMalformedEpoch{
    "Warning: SOURCE_DATE_EPOCH is not a number of seconds; the current time is used.",
    "Atentie: SOURCE_DATE_EPOCH nu este un numar de secunde; se foloseste ora curenta."};
inline constexpr Text kEpochOutOfRange{
    "Warning: SOURCE_DATE_EPOCH is outside the years 1000 to 9999; the current time is used.",
    "Atentie: SOURCE_DATE_EPOCH este in afara anilor 1000 - 9999; se foloseste ora curenta."};

// ---- What the writers refuse ------------------------------------------------

inline constexpr Text kNotWritten{": the file was not written.", ": fisierul nu a fost scris."};
// {1} the path as given, {2} the reason.
inline constexpr Text kCannotWritePath{"Cannot write the file \"{1}\": {2}",
                                       "Nu se poate scrie fisierul \"{1}\": {2}"};
inline constexpr Text kTablesDoNotMatch{"the model's tables do not match its counts",
                                        "tabelele modelului nu corespund numerelor lor"};
inline constexpr Text kNotGenerated{"The structure is not completely generated: press GENERATE.",
                                    "Structura nu este generata complet: apasati GENERATE."};
// {1} the field, {2} NaN, -Infinity or Infinity.
inline constexpr Text kNonFiniteValue{"{1} is not a finite number ({2})",
                                      "{1} nu este un numar finit ({2})"};
// {1} the axis letter, {2} the node.
inline constexpr Text kNanCoordinate{"The {1} coordinate of node {2} is not a number (NaN)",
                                     "Coordonata {1} a nodului {2} este nedefinita (NaN)"};
inline constexpr Text kInfiniteCoordinate{"The {1} coordinate of node {2} is infinite",
                                          "Coordonata {1} a nodului {2} este infinita"};
inline constexpr Text kNanBaseCoordinate{
    "The {1} coordinate of Base module node {2} is not a number (NaN)",
    "Coordonata {1} a nodului {2} al modulului de baza este nedefinita (NaN)"};
inline constexpr Text kInfiniteBaseCoordinate{
    "The {1} coordinate of Base module node {2} is infinite",
    "Coordonata {1} a nodului {2} al modulului de baza este infinita"};
// {1} the type and its name.
inline constexpr Text kNonFiniteArea{"The area of element type {1} is not a finite number",
                                     "Aria tipului de element {1} nu este un numar finit"};

// ---- What was written ---------------------------------------------------------

// {1} the path.
inline constexpr Text kGeometryCreated{
    "Created File: \"{1}\".\n\nThis File must be editied to add/modify Blocked Nodes, Elastic "
    "Supports, \nUnits, and Element and Material Properties.\nYou may edit it directly or use "
    "Geosmith program.",
    "Fisier creat: \"{1}\".\n\nAcest fisier trebuie editat pentru a adauga/modifica Noduri "
    "blocate, Reazeme elastice, \nUnitati, si proprietatile Elementelor si Materialelor.\nPuteti "
    "edita fisierul direct sau utilizati programul Geosmith."};

}  // namespace zentrix::files::texts
