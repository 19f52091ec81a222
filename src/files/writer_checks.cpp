#include "files/writer_checks.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "files/file_texts.h"
#include "model/field_labels.h"
#include "model/number_text.h"

namespace zentrix::files {

namespace {

using model::say;

std::string notWritten(bool romanian) {
  return say(texts::kNotWritten, romanian);
}

// Both infinities and every NaN have all exponent bits set; testing the bits
// keeps the scan of millions of coordinates a loop the compiler vectorises.
bool allFinite(const float* values, std::size_t count) {
  std::uint32_t special = 0;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t bits;
    std::memcpy(&bits, values + i, sizeof bits);
    special |= static_cast<std::uint32_t>((bits & 0x7f800000u) == 0x7f800000u);
  }
  return special == 0;
}

}  // namespace

model::Outcome refusedWrite(std::string_view path, const std::string& reason, bool romanian) {
  return model::Outcome::failure(say(texts::kCannotWritePath, romanian, {path, reason}));
}

std::string notEnoughMemory(bool romanian) {
  return say(texts::kNotEnoughMemory, romanian);
}

std::optional<std::string> nonFiniteCoordinate(const model::CoordinateTable& coords,
                                               std::int64_t count, bool romanian, bool baseModule) {
  const std::int64_t rows = count < coords.rows() ? count : coords.rows();
  const int columns = coords.columns();
  const float* values = coords.data();
  if (rows <= 0 || allFinite(values, static_cast<std::size_t>(rows * columns))) return std::nullopt;
  for (std::int64_t index = 0; index < rows * columns; ++index) {
    if (std::isfinite(values[index])) continue;
    const std::string node = std::to_string(index / columns + 1);
    const char axis = model::axisLetter(static_cast<int>(index % columns) + 1);
    const bool nan = std::isnan(values[index]);
    const model::Text& fault =
        baseModule ? (nan ? texts::kNanBaseCoordinate : texts::kInfiniteBaseCoordinate)
                   : (nan ? texts::kNanCoordinate : texts::kInfiniteCoordinate);
    return say(fault, romanian, {std::string_view(&axis, 1), node}) + notWritten(romanian);
  }
  return std::nullopt;
}

std::optional<std::string> nonFiniteArea(const model::ElementTypes& types, bool romanian,
                                         int count) {
  for (int type = 1; type <= count && type <= model::kKindCount; ++type) {
    if (std::isfinite(types.typeArea(type))) continue;
    const std::string name(model::trimLeft(model::trimRight(types.typeName(type))));
    const std::string named = std::to_string(type) + (name.empty() ? "" : " (" + name + ")");
    return say(texts::kNonFiniteArea, romanian, {named}) + notWritten(romanian);
  }
  return std::nullopt;
}

std::optional<std::string> nonFiniteExpansionValue(const model::Expansion& expansion,
                                                   int dofPerNode, bool romanian) {
  struct Named {
    std::string field;
    float value;
  };
  const auto vertexFoot = [&](const char* axis) {
    return say(model::labels::kVertexFootCoordinate, romanian, {axis});
  };
  std::vector<Named> values = {
      {say(model::labels::kModuleLength, romanian), expansion.moduleLength}};
  switch (expansion.expansionType) {
    case model::kPyramidal:
      values.push_back({say(model::labels::kShrinkRatio, romanian), expansion.pyramidShrinkRatio});
      values.push_back({vertexFoot("X"), expansion.vertexFoot[0]});
      values.push_back({vertexFoot("Y"), expansion.vertexFoot[1]});
      if (dofPerNode == 3) values.push_back({vertexFoot("Z"), expansion.vertexFoot[2]});
      break;
    case model::kOneDirectionShrink:
      values.push_back({say(model::labels::kShrinkRatio, romanian), expansion.shrinkRatio});
      break;
    case model::kArch:
      values.push_back({say(model::labels::kHalfSpan, romanian), expansion.halfSpan});
      values.push_back({say(model::labels::kArchHeight, romanian), expansion.archHeight});
      break;
    default:
      break;
  }
  for (const Named& named : values) {
    if (std::isfinite(named.value)) continue;
    const std::string value = std::isnan(named.value) ? "NaN"
                              : named.value < 0       ? "-Infinity"
                                                      : "Infinity";
    return say(texts::kNonFiniteValue, romanian, {named.field, value}) + notWritten(romanian);
  }
  return std::nullopt;
}

}  // namespace zentrix::files
