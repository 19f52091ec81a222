// A Base module drawn from one cross-section: the section's nodes are
// Base 0 (numbers 1 ... N0, at 0 along the axis) and, one module length
// further along the axis, Base 1 (numbers N0 + 1 ... 2 N0, in the same
// order), as GENERATE pairs them. Members are added by kind (the member
// group of the element type) in any order; the Base module gets them kind
// by kind, each kind in the order added, and the members with both ends in
// Base 0 last.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/model.h"

namespace zentrix::templates {

using Point = std::array<float, 3>;  // X, Y, Z; Z unused in 2-D

class ModuleDrawing {
 public:
  // `axis` 1, 2, 3 for X, Y, Z; the section's points lie at 0 along it.
  ModuleDrawing(int dofPerNode, int axis, float moduleLength, std::vector<Point> section);

  // Node numbers, 1-based: section point i in Base 0 and in Base 1.
  std::int32_t base0(int i) const { return i; }
  std::int32_t base1(int i) const { return sectionSize() + i; }

  // A member of kind 1 ... 4 (at least one end in Base 1).
  void member(int kind, std::int32_t a, std::int32_t b);
  // A member of the first section, both ends in Base 0.
  void base0Member(std::int32_t a, std::int32_t b);

  // The Base module: counts, coordinates and elements.
  void fill(model::BaseModule& base) const;

 private:
  std::int32_t sectionSize() const { return static_cast<std::int32_t>(section_.size()); }

  int dofPerNode_;
  int axis_;
  float moduleLength_;
  std::vector<Point> section_;
  std::array<std::vector<std::pair<std::int32_t, std::int32_t>>, model::kKindCount + 1> members_{};
};

// `value` as the Zentrix Input File keeps it: rounded to 7 significant
// digits, so that a saved model loads back with the same value.
float fileReal(double value);

}  // namespace zentrix::templates
