// The inputs a Zentrix Input File gives back, for comparing a loaded model
// with `==`, part by part, so that a field added to a part is compared too.
// Shared by the file tests and the load's fuzz target.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/number_text.h"
#include "model/text.h"

namespace zentrix::testing {

// The inputs of two models, compared whole.
inline bool sameInputs(const model::Model& a, const model::Model& b) {
  return a.base == b.base && a.expansion == b.expansion && a.types == b.types;
}

// The float that the seven-digit text of `value` reads back as (a text
// too small for a real reads as zero, as the load takes it).
inline float sevenDigits(float value) {
  const std::string text(model::trimLeft(model::generalForm(value, 15, 7)));
  float back = 0.0f;
  std::from_chars(text.data(), text.data() + text.size(), back);
  return back;
}

// A type name written and read back: a name without the blank that marks a
// text value gains it, within the name's width; one that has it stays.
inline std::string nameAfterSave(std::string_view name) {
  name = model::trimRight(name);
  if (name.empty() || name.front() == ' ') return std::string(name);
  const std::string marked = " " + std::string(name);
  return std::string(model::trimRight(model::firstChars(marked, model::kTypeNameWidth)));
}

// What loading the saved file of `saved` into `into` gives: the written
// inputs with their reals rounded to seven digits, a NUL letter as a blank
// (both mean "not chosen"), the tables cut to their counts; what the file
// does not hold (the other expansion types' parameters, the kind names, the
// "last node indices" tick) stays as `into` had it.
inline model::Model afterSaveAndLoad(const model::Model& saved, const model::Model& into) {
  const auto letter = [](char c) { return c == '\0' ? ' ' : c; };
  model::Model m = into;
  m.base = saved.base;
  m.base.lastNodesInBase0 = into.base.lastNodesInBase0;
  m.base.baseCoords.resize(saved.base.baseNodeCount(), saved.base.dofPerNode);
  for (float& value : m.base.baseCoords.storage()) value = sevenDigits(value);
  m.base.baseElemStart.resize(saved.base.baseElementCount);
  m.base.baseElemEnd.resize(saved.base.baseElementCount);

  const model::Expansion& s = saved.expansion;
  model::Expansion& e = m.expansion;
  e.expansionDirection = letter(s.expansionDirection);
  e.moduleCount = s.moduleCount;
  e.moduleLength = sevenDigits(s.moduleLength);
  e.expansionType = s.expansionType;
  if (s.expansionType == model::kPyramidal) {
    e.pyramidShrinkRatio = sevenDigits(s.pyramidShrinkRatio);
    for (int axis = 1; axis <= saved.base.dofPerNode; ++axis)
      e.vertexFoot.at(axis - 1) = sevenDigits(s.vertexFootCoordinate(axis));
  } else if (s.expansionType == model::kOneDirectionShrink) {
    e.shrinkRatio = sevenDigits(s.shrinkRatio);
    e.shrinkDirection = letter(s.shrinkDirection);
  } else if (s.expansionType == model::kArch) {
    e.archKind = s.archKind;
    e.halfSpan = sevenDigits(s.halfSpan);
    e.archHeight = sevenDigits(s.archHeight);
  }

  m.types.elementKindCount = saved.types.elementKindCount;
  for (int type = 1; type <= model::kKindCount; ++type) {
    m.types.typeName(type) = nameAfterSave(saved.types.typeName(type));
    m.types.typeArea(type) = sevenDigits(saved.types.typeArea(type));
  }
  return m;
}

}  // namespace zentrix::testing
