// The texts of the MODEL CHECK dialog; the findings bring their own
// (generation/check_texts.h).
#pragma once

#include "model/text.h"

namespace zentrix::ui::texts {

using model::Text;

inline constexpr Text kModelCheckTitle{"MODEL CHECK", "VERIFICAREA MODELULUI"};

}  // namespace zentrix::ui::texts
