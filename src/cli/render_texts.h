// The messages of `zentrix-cli render`. {1} ... {9} are filled by
// `model::say` in the order each comment gives; paths come quoted.
#pragma once

#include "model/text.h"

namespace zentrix::app::texts {

// {1} the path.
inline constexpr Text kPictureKind{"{1}: the picture must end in .svg or .png",
                                   "{1}: imaginea trebuie sa se termine in .svg sau .png"};
// {1} the path.
inline constexpr Text kNoPngHere{
    "{1}: this build of zentrix-cli writes no PNG (it has no Qt); write .svg instead",
    "{1}: aceasta versiune de zentrix-cli nu scrie PNG (nu are Qt); scrieti .svg"};
// {1} the text given.
inline constexpr Text kBadSize{
    "--size {1}: expected WIDTHxHEIGHT, each 16 to 16384 pixels",
    "--size {1}: se asteapta LATIMExINALTIME, fiecare intre 16 si 16384 pixeli"};
// {1} the path.
inline constexpr Text kPictureWritten{"Picture written: {1}.", "Imagine scrisa: {1}."};
inline constexpr Text kPictureWrittenOutputLost{
    "Cannot write to the standard output; the picture was written.",
    "Nu se poate scrie la iesirea standard; imaginea a fost scrisa."};

}  // namespace zentrix::app::texts
