#include "templates/module_drawing.h"

#include <cassert>
#include <charconv>
#include <string>

#include "model/number_text.h"

namespace zentrix::templates {

ModuleDrawing::ModuleDrawing(int dofPerNode, int axis, float moduleLength,
                             std::vector<Point> section)
    : dofPerNode_(dofPerNode),
      axis_(axis),
      moduleLength_(moduleLength),
      section_(std::move(section)) {
  assert(axis >= 1 && axis <= dofPerNode);
}

void ModuleDrawing::member(int kind, std::int32_t a, std::int32_t b) {
  assert(kind >= 1 && kind <= model::kKindCount);
  assert(a > sectionSize() || b > sectionSize());
  members_[static_cast<std::size_t>(kind)].emplace_back(a, b);
}

void ModuleDrawing::base0Member(std::int32_t a, std::int32_t b) {
  assert(a <= sectionSize() && b <= sectionSize());
  members_[0].emplace_back(a, b);
}

void ModuleDrawing::fill(model::BaseModule& base) const {
  const std::int32_t n0 = sectionSize();
  base.dofPerNode = dofPerNode_;
  base.nodesInBase0 = n0;
  base.nodesInBase1 = n0;
  base.baseCoords.rebuild(2 * n0, dofPerNode_);
  for (std::int32_t i = 1; i <= n0; ++i) {
    for (int c = 1; c <= dofPerNode_; ++c) {
      const float at = section_[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(c - 1)];
      base.baseCoords(i, c) = at;
      base.baseCoords(n0 + i, c) = c == axis_ ? at + moduleLength_ : at;
    }
  }
  std::vector<std::pair<std::int32_t, std::int32_t>> ordered;
  for (int kind = 1; kind <= model::kKindCount; ++kind)
    ordered.insert(ordered.end(), members_[static_cast<std::size_t>(kind)].begin(),
                   members_[static_cast<std::size_t>(kind)].end());
  ordered.insert(ordered.end(), members_[0].begin(), members_[0].end());
  const auto count = static_cast<std::int32_t>(ordered.size());
  base.baseElementCount = count;
  base.baseElemStart.rebuild(count);
  base.baseElemEnd.rebuild(count);
  for (std::int32_t e = 1; e <= count; ++e) {
    base.baseElemStart(e) = ordered[static_cast<std::size_t>(e - 1)].first;
    base.baseElemEnd(e) = ordered[static_cast<std::size_t>(e - 1)].second;
  }
}

float fileReal(double value) {
  const std::string text = model::compactReal(static_cast<float>(value));
  float kept = 0.0f;
  std::from_chars(text.data(), text.data() + text.size(), kept);
  return kept;
}

}  // namespace zentrix::templates
