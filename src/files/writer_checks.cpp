#include "files/writer_checks.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace zentrix::files {

namespace {

using model::Model;

std::string say(const Model& model, const std::string& english, const std::string& romanian) {
  return model.romanian ? romanian : english;
}

std::string namedValue(const Model& model, const std::string& what, float value) {
  return what + " = " + nonFiniteText(value) +
         say(model, " (not a finite number)", " (nu este un numar finit)");
}

// Both infinities and every NaN have all exponent bits set; testing the bits
// keeps the scan of millions of coordinates a simple loop the compiler
// vectorises.
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

model::Outcome refusedWrite(const Model& model, std::string_view path, const std::string& reason) {
  return model::Outcome::failure(
      say(model, "Cannot write the file \"", "Nu se poate scrie fisierul \"") + std::string(path) +
      "\": " + reason);
}

std::string notEnoughMemory(const Model& model) {
  return say(model, "not enough memory", "memorie insuficienta");
}

std::string nonFiniteText(float value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

std::optional<std::string> nonFiniteCoordinate(const Model& model,
                                               const model::CoordinateTable& table,
                                               std::int64_t rows, int columns, bool baseModule) {
  const int stride = table.columns();
  const float* values = table.data();
  if (rows <= 0 || columns <= 0) return std::nullopt;
  if (columns == stride && allFinite(values, static_cast<std::size_t>(rows * stride)))
    return std::nullopt;
  for (std::int64_t node = 1; node <= rows; ++node) {
    for (int axis = 1; axis <= columns; ++axis) {
      const float value = table(node, axis);
      if (std::isfinite(value)) continue;
      const std::string n = std::to_string(node);
      const std::string c = std::to_string(axis);
      const std::string what =
          baseModule
              ? say(model, "Base module node " + n + " coordinate " + c,
                    "nodul " + n + " al modulului de baza, coordonata " + c)
              : say(model, "node " + n + " coordinate " + c, "nodul " + n + " coordonata " + c);
      return namedValue(model, what, value);
    }
  }
  return std::nullopt;
}

std::optional<std::string> nonFiniteArea(const Model& model, int count) {
  for (int type = 1; type <= count && type <= model::kKindCount; ++type) {
    const float area = model.typeArea(type);
    if (std::isfinite(area)) continue;
    const std::string t = std::to_string(type);
    return namedValue(
        model, say(model, "the area of element type " + t, "aria tipului de element " + t), area);
  }
  return std::nullopt;
}

std::optional<std::string> nonFiniteExpansionValue(const Model& model) {
  struct Named {
    const char* english;
    const char* romanian;
    float value;
  };
  std::vector<Named> values = {{"\"Module Length\"", "\"Lungimea modulului\"", model.moduleLength}};
  switch (model.expansionType) {
    case model::kPyramidal:
      values.push_back({"\"Shrink Ratio\"", "\"Raportul de micsorare\"", model.pyramidShrinkRatio});
      values.push_back({"\"Vertex Foot Coordinates\" (X)",
                        "\"Coordonatele piciorului varfului\" (X)", model.vertexFoot[0]});
      values.push_back({"\"Vertex Foot Coordinates\" (Y)",
                        "\"Coordonatele piciorului varfului\" (Y)", model.vertexFoot[1]});
      if (model.dofPerNode == 3)
        values.push_back({"\"Vertex Foot Coordinates\" (Z)",
                          "\"Coordonatele piciorului varfului\" (Z)", model.vertexFoot[2]});
      break;
    case model::kOneDirectionShrink:
      values.push_back({"\"Shrink Ratio\"", "\"Raportul de micsorare\"", model.shrinkRatio});
      break;
    case model::kArch:
      values.push_back({"\"Half Span (l)\"", "\"Semideschiderea (l)\"", model.halfSpan});
      values.push_back({"\"Height (h)\"", "\"Inaltimea (h)\"", model.archHeight});
      break;
    default:
      break;
  }
  for (const Named& named : values)
    if (!std::isfinite(named.value))
      return namedValue(model, say(model, named.english, named.romanian), named.value);
  return std::nullopt;
}

}  // namespace zentrix::files
