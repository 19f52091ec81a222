// The catalogue's own helpers: the templates of each file, and what their
// drawings and rules share.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"
#include "model/outcome.h"
#include "model/text.h"
#include "templates/templates.h"

namespace zentrix::templates {

std::vector<Template> planeTemplates();
std::vector<Template> spaceTemplates();

// The expansion of a straight template: axis letter, modules, module
// length, expansion type.
void setStraightExpansion(model::Expansion& expansion, char axis, std::int32_t modules,
                          float moduleLength, model::ExpansionType type);

// Refuses `name` above `bound` (the value of parameter `boundName`).
model::Outcome notAbove(const Values& values, const char* name, double bound, const char* boundName,
                        bool romanian);

}  // namespace zentrix::templates
