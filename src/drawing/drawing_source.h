// What a drawing shows: the nodes and elements of the generated structure or
// of the Base module, the element types of the legend and the blocked nodes.
// The arrays are read in place (a drawing of millions of elements copies
// nothing), so a source lives no longer than the model it was taken from
// and is taken again after GENERATE or any edit.
//
// A node has 2 coordinates (a plane model, drawn in its XY plane) or 3.
// Numbers are 1-based as everywhere in the domain: element e joins nodes
// start(e) and end(e). End nodes outside 1 ... nodeCount are left out of the
// drawing, never read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"
#include "structure/blocked_nodes.h"
#include "structure/element_type_blocks.h"

namespace zentrix::drawing {

// Kind 0: an element without a kind (a Base module whose expansion is not
// chosen yet).
inline constexpr int kUnclassified = 0;

enum class Subject { Structure, BaseModule };

struct Point3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

class DrawingSource {
 public:
  DrawingSource() = default;
  // Moves only: the Base module's kinds are held here and read in place.
  DrawingSource(DrawingSource&&) = default;
  DrawingSource& operator=(DrawingSource&&) = default;
  DrawingSource(const DrawingSource&) = delete;
  DrawingSource& operator=(const DrawingSource&) = delete;

  int dimensions() const noexcept { return dimensions_; }
  std::int64_t nodeCount() const noexcept { return nodeCount_; }
  std::int64_t elementCount() const noexcept { return elementCount_; }

  Point3 node(std::int64_t number) const {
    const float* at = coords_ + (number - 1) * columns_;
    return {columns_ >= 1 ? at[0] : 0.0f, columns_ >= 2 ? at[1] : 0.0f,
            columns_ >= 3 ? at[2] : 0.0f};
  }
  std::int32_t start(std::int64_t element) const { return start_[element - 1]; }
  std::int32_t end(std::int64_t element) const { return end_[element - 1]; }
  // 1 ... 4, or kUnclassified.
  int kind(std::int64_t element) const {
    std::int32_t k = kUnclassified;
    if (kinds_ != nullptr)
      k = kinds_[element - 1];
    else if (typedByBlocks_)
      k = blocks_.typeOf(element);
    return k >= 1 && k <= model::kKindCount ? k : kUnclassified;
  }
  bool drawable(std::int64_t element) const {
    const std::int32_t a = start(element);
    const std::int32_t b = end(element);
    return a >= 1 && a <= nodeCount_ && b >= 1 && b <= nodeCount_;
  }
  bool blocked(std::int64_t node) const {
    for (const structure::NodeRange& range : blocked_)
      if (node >= range.first && node <= range.last) return true;
    return false;
  }
  const std::vector<structure::NodeRange>& blockedRanges() const noexcept { return blocked_; }

  // Type k of the legend (1 ... 4): its name and area.
  const std::string& typeName(int type) const { return typeNames_.at(type - 1); }
  float typeArea(int type) const { return typeAreas_.at(type - 1); }
  int typeCount() const noexcept { return typeCount_; }
  const std::string& title() const noexcept { return title_; }
  Subject subject() const noexcept { return subject_; }

 private:
  friend DrawingSource drawingSource(const model::Model& model, Subject subject);
  friend DrawingSource makeDrawingSource(int, std::int64_t, const float*, std::int64_t,
                                         const std::int32_t*, const std::int32_t*,
                                         const std::int32_t*);

  Subject subject_ = Subject::Structure;
  int dimensions_ = 3;
  int columns_ = 0;
  std::int64_t nodeCount_ = 0;
  const float* coords_ = nullptr;
  std::int64_t elementCount_ = 0;
  const std::int32_t* start_ = nullptr;
  const std::int32_t* end_ = nullptr;
  const std::int32_t* kinds_ = nullptr;
  std::vector<std::int32_t> ownKinds_;
  // The structure's types, by position (structure/element_type_blocks.h).
  structure::ElementTypeBlocks blocks_;
  bool typedByBlocks_ = false;  // the Base module's, worked out here
  std::vector<structure::NodeRange> blocked_;
  std::array<std::string, model::kKindCount> typeNames_;
  std::array<float, model::kKindCount> typeAreas_{};
  int typeCount_ = 0;
  std::string title_;
};

// The generated structure (its own numbering and supports), or the Base
// module as entered, whose elements get the kinds GENERATE would give them
// once the expansion axis is chosen. Counts never exceed the arrays.
DrawingSource drawingSource(const model::Model& model, Subject subject);

// A source over arrays of the caller's (tests, benchmarks): `columns`
// coordinates per node, `kinds` may be null.
DrawingSource makeDrawingSource(int columns, std::int64_t nodeCount, const float* coords,
                                std::int64_t elementCount, const std::int32_t* start,
                                const std::int32_t* end, const std::int32_t* kinds);

}  // namespace zentrix::drawing
