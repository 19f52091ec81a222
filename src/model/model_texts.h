// The texts of the model layer: the default names of the element kinds and
// the free-form reader's failures. {1} ... {9} are filled by `say` in the
// order each comment gives.
#pragma once

#include <array>

#include "model/text.h"

namespace zentrix::model::texts {

// Kinds 1 to 4, and the default names of the element types.
inline constexpr std::array<Text, 4> kKindNames = {{
    {"Longitudinal", "Longitudinal"},
    {"Transversal", "Transversal"},
    {"Diagonal", "Diagonala"},
    {"Transversal Diagonal", "Diagonala transversala"},
}};
// An arch's chords and struts: its element types 1 and 2.
inline constexpr Text kArchChord{"Longitudinal", "Talpa"};
inline constexpr Text kArchStrut{"Strut", "Montant"};

// The free-form reader. {1} the value's position in its record throughout.
// {2} what was expected (kInteger, kReal, kText), {3} what was found.
inline constexpr Text kExpected{"value {1}: expected {2}, found {3}",
                                "valoarea {1}: se astepta {2}, s-a gasit {3}"};
inline constexpr Text kInteger{"an integer", "un numar intreg"};
inline constexpr Text kReal{"a real", "un numar real"};
inline constexpr Text kText{"a text", "un text"};
inline constexpr Text kEndOfTheText{"the end of the text", "sfarsitul textului"};
inline constexpr Text kEndOfTheFile{"the end of the file", "sfarsitul fisierului"};
// {2} the value as written, {3} what was expected.
inline constexpr Text kOutOfRange{"value {1}: {2} is out of range for {3}",
                                  "valoarea {1}: {2} depaseste domeniul pentru {3}"};
// {2} the value as written.
inline constexpr Text kUnclosedQuote{
    "value {1}: the quoted text {2} is not closed on its line",
    "valoarea {1}: textul intre ghilimele {2} nu este inchis pe linia sa"};
inline constexpr Text kZeroRepeat{
    "value {1}: the repeat count in {2} must be positive",
    "valoarea {1}: factorul de repetare din {2} trebuie sa fie pozitiv"};
inline constexpr Text kMalformed{"value {1}: malformed value {2}",
                                 "valoarea {1}: valoare eronata {2}"};

}  // namespace zentrix::model::texts
