#include "files/writer_checks.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "model/number_text.h"

namespace zentrix::files {

namespace {

using model::Model;

const char* say(bool romanian, const char* english, const char* romanianText) {
  return romanian ? romanianText : english;
}

std::string notWritten(bool romanian) {
  return say(romanian, ": the file was not written.", ": fisierul nu a fost scris.");
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

model::Outcome refusedWrite(const Model& model, std::string_view path, const std::string& reason) {
  return model::Outcome::failure(std::string(say(model.romanian, "Cannot write the file \"",
                                                 "Nu se poate scrie fisierul \"")) +
                                 std::string(path) + "\": " + reason);
}

std::string notEnoughMemory(const Model& model) {
  return say(model.romanian, "not enough memory", "memorie insuficienta");
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
    if (romanian)
      return std::string("Coordonata ") + axis + " a nodului " + node +
             (baseModule ? " al modulului de baza" : "") + " este " +
             (nan ? "nedefinita (NaN)" : "infinita") + notWritten(romanian);
    return std::string("The ") + axis + " coordinate of " + (baseModule ? "Base module " : "") +
           "node " + node + " is " + (nan ? "not a number (NaN)" : "infinite") +
           notWritten(romanian);
  }
  return std::nullopt;
}

std::optional<std::string> nonFiniteArea(const Model& model, int count) {
  for (int type = 1; type <= count && type <= model::kKindCount; ++type) {
    if (std::isfinite(model.typeArea(type))) continue;
    const std::string name(model::trimLeft(model::trimRight(model.typeName(type))));
    const std::string named = std::to_string(type) + (name.empty() ? "" : " (" + name + ")");
    if (model.romanian)
      return "Aria tipului de element " + named + " nu este un numar finit" +
             notWritten(model.romanian);
    return "The area of element type " + named + " is not a finite number" +
           notWritten(model.romanian);
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
  for (const Named& named : values) {
    if (std::isfinite(named.value)) continue;
    const std::string value = std::isnan(named.value) ? "NaN"
                              : named.value < 0       ? "-Infinity"
                                                      : "Infinity";
    return std::string(say(model.romanian, named.english, named.romanian)) +
           say(model.romanian, " is not a finite number (", " nu este un numar finit (") + value +
           ")" + notWritten(model.romanian);
  }
  return std::nullopt;
}

}  // namespace zentrix::files
