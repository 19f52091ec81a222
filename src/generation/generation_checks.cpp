#include "generation/generation_checks.h"

#include <cmath>
#include <limits>

#include "generation/element_kinds.h"
#include "model/number_text.h"

namespace zentrix::generation {

namespace {

using model::Model;

constexpr std::int64_t kLargestCount = std::numeric_limits<std::int32_t>::max();

std::string number(std::int64_t n) {
  return std::to_string(n);
}
std::string axisText(int axis) {
  return std::string(1, model::axisLetter(axis));
}

std::string inLanguage(const Model& model, const std::string& english,
                       const std::string& romanian) {
  return model.romanian ? romanian : english;
}

// `english` and `romanian` name the count as the main dialog shows it.
std::optional<std::string> negativeCount(const Model& model, const std::string& english,
                                         const std::string& romanian, std::int32_t value) {
  if (value >= 0) return std::nullopt;
  return inLanguage(model, english + " must not be negative (it is " + number(value) + ").",
                    romanian + " nu poate fi negativ (este " + number(value) + ").");
}

std::optional<std::string> countRefusal(const Model& model) {
  if (model.dofPerNode != 2 && model.dofPerNode != 3)
    return inLanguage(model,
                      "The degrees of freedom per node must be 2 or 3 (they are " +
                          number(model.dofPerNode) + ").",
                      "Numarul de grade de libertate pe nod trebuie sa fie 2 sau 3 (este " +
                          number(model.dofPerNode) + ").");
  if (auto refusal = negativeCount(model, "\"No. of Nodes in Base 0\"",
                                   "Numarul de noduri din Baza 0", model.nodesInBase0))
    return refusal;
  if (auto refusal = negativeCount(model, "\"No. of Nodes in Base 1\"",
                                   "Numarul de noduri din Baza 1", model.nodesInBase1))
    return refusal;
  if (auto refusal = negativeCount(model, "\"No. of Elements\"", "Numarul de elemente",
                                   model.baseElementCount))
    return refusal;
  if (model.moduleCount < 1)
    return inLanguage(
        model,
        "The \"Number of Modules\" must be at least 1 (it is " + number(model.moduleCount) + ").",
        "Numarul de module trebuie sa fie cel putin 1 (este " + number(model.moduleCount) + ").");
  return std::nullopt;
}

std::optional<std::string> directionRefusal(const Model& model, int direction) {
  if (direction < 1 || direction > 3)
    return inLanguage(model, "Choose the expansion direction (X, Y or Z).",
                      "Alegeti directia de expandare (X, Y sau Z).");
  if (direction > model.dofPerNode)
    return inLanguage(model,
                      "A plane structure (2 degrees of freedom per node) cannot be expanded "
                      "along Z: choose X or Y.",
                      "O structura plana (2 grade de libertate pe nod) nu poate fi expandata "
                      "dupa Z: alegeti X sau Y.");
  return std::nullopt;
}

std::optional<std::string> coordinatesRefusal(const Model& model, const StructureCounts& counts) {
  const model::CoordinateTable& base = model.baseCoords;
  if (base.rows() < counts.baseNodes)
    return inLanguage(model,
                      "The Base module has coordinates for " + number(base.rows()) +
                          " nodes, but Base 0 and Base 1 hold " + number(counts.baseNodes) +
                          " nodes: enter the coordinates again.",
                      "Modulul de baza are coordonate pentru " + number(base.rows()) +
                          " noduri, dar Baza 0 si Baza 1 au " + number(counts.baseNodes) +
                          " noduri: introduceti din nou coordonatele.");
  if (counts.baseNodes > 0 && base.columns() < counts.coordinates)
    return inLanguage(model,
                      "The Base module coordinates have " + number(base.columns()) +
                          " values per node, but the structure needs " +
                          number(counts.coordinates) + ": enter the coordinates again.",
                      "Coordonatele modulului de baza au " + number(base.columns()) +
                          " valori pe nod, dar structura are nevoie de " +
                          number(counts.coordinates) + ": introduceti din nou coordonatele.");
  for (std::int64_t node = 1; node <= counts.baseNodes; ++node)
    for (int axis = 1; axis <= counts.coordinates; ++axis)
      if (!std::isfinite(base(node, axis)))
        return inLanguage(model,
                          "The coordinate " + axisText(axis) + " of Base module node " +
                              number(node) + " is not a finite number.",
                          "Coordonata " + axisText(axis) + " a nodului " + number(node) +
                              " al modulului de baza nu este un numar finit.");
  return std::nullopt;
}

std::optional<std::string> topologyRefusal(const Model& model, const StructureCounts& counts) {
  const std::int64_t ne = counts.baseElements;
  if (!topologyComplete(model)) {
    const std::int64_t held = std::min(model.baseElemStart.count(), model.baseElemEnd.count());
    if (held == 0)
      return inLanguage(model,
                        "The end nodes of the " + number(ne) +
                            " elements have not been entered: enter the topology.",
                        "Nodurile de capat ale celor " + number(ne) +
                            " elemente nu au fost introduse: introduceti topologia.");
    return inLanguage(model,
                      "The topology holds end nodes for " + number(held) +
                          " elements, but \"No. of Elements\" is " + number(ne) +
                          ": enter the topology again.",
                      "Topologia contine noduri de capat pentru " + number(held) +
                          " elemente, dar numarul de elemente este " + number(ne) +
                          ": introduceti din nou topologia.");
  }
  for (std::int64_t element = 1; element <= ne; ++element) {
    for (const std::int32_t node : {model.baseElemStart(element), model.baseElemEnd(element)}) {
      if (node >= 1 && node <= counts.baseNodes) continue;
      return inLanguage(
          model,
          "Element " + number(element) + " has the end node " + number(node) +
              ", outside the Base module's nodes 1 to " + number(counts.baseNodes) + ".",
          "Elementul " + number(element) + " are nodul de capat " + number(node) +
              ", in afara nodurilor modulului de baza 1 - " + number(counts.baseNodes) + ".");
    }
  }
  return std::nullopt;
}

// `english` and `romanian` name the field as its dialog shows it.
std::optional<std::string> notFinite(const Model& model, const std::string& english,
                                     const std::string& romanian, float value) {
  if (std::isfinite(value)) return std::nullopt;
  return inLanguage(model, english + " is not a finite number.",
                    romanian + " nu este un numar finit.");
}

// The letters a shrink may take: the structure's axes other than the expansion's.
std::string shrinkChoices(const Model& model, int direction) {
  std::string choices;
  for (int axis = 1; axis <= model.dofPerNode; ++axis) {
    if (axis == direction) continue;
    if (!choices.empty()) choices += model.romanian ? " sau " : " or ";
    choices += model::axisLetter(axis);
  }
  return choices;
}

std::optional<std::string> straightRefusal(const Model& model, int direction) {
  if (auto refusal =
          notFinite(model, "\"Module Length\"", "\"Lungimea modulului\"", model.moduleLength))
    return refusal;
  if (model.expansionType == model::kPyramidal) {
    if (auto refusal = notFinite(model, "\"Shrink Ratio\"", "\"Raportul de micsorare\"",
                                 model.pyramidShrinkRatio))
      return refusal;
    for (int axis = 1; axis <= model.dofPerNode; ++axis)
      if (auto refusal = notFinite(model, "\"Vertex Foot Coordinates\" (" + axisText(axis) + ")",
                                   "\"Coordonatele piciorului varfului\" (" + axisText(axis) + ")",
                                   model.vertexFootCoordinate(axis)))
        return refusal;
  }
  if (model.expansionType == model::kOneDirectionShrink) {
    const int t = model.shrinkDirectionIndex;
    if (t < 1 || t > model.dofPerNode || t == direction)
      return inLanguage(model,
                        "The 1-direction Shrink needs a shrink direction other than the "
                        "expansion direction: choose " +
                            shrinkChoices(model, direction) + ".",
                        "Micsorarea intr-o directie necesita o directie de micsorare diferita "
                        "de directia de expandare: alegeti " +
                            shrinkChoices(model, direction) + ".");
    if (auto refusal =
            notFinite(model, "\"Shrink Ratio\"", "\"Raportul de micsorare\"", model.shrinkRatio))
      return refusal;
  }
  return std::nullopt;
}

std::optional<std::string> archRefusal(const Model& model) {
  // Any other arch kind draws no arch, so its parameters do not matter.
  if (model.archKind != model::kCircularArch && model.archKind != model::kParabolicArch)
    return std::nullopt;
  if (auto refusal =
          notFinite(model, "\"Half Span (l)\"", "\"Semideschiderea (l)\"", model.halfSpan))
    return refusal;
  if (auto refusal = notFinite(model, "\"Height (h)\"", "\"Inaltimea (h)\"", model.archHeight))
    return refusal;
  if (model.halfSpan == 0.0f || model.archHeight == 0.0f)
    return inLanguage(model,
                      "The arch needs a \"Half Span (l)\" and a \"Height (h)\" other than 0.",
                      "Arcul necesita o semideschidere (l) si o inaltime (h) diferite de 0.");
  return std::nullopt;
}

std::optional<std::string> totalsRefusal(const Model& model, const StructureCounts& counts) {
  const auto tooMany = [&](std::int64_t total, const char* english, const char* romanian) {
    return inLanguage(model,
                      "The structure would have " + number(total) + " " + english + ", more than " +
                          number(kLargestCount) + ": use fewer modules.",
                      "Structura ar avea " + number(total) + " " + romanian + ", mai mult de " +
                          number(kLargestCount) + ": folositi mai putine module.");
  };
  if (counts.totalNodes > kLargestCount) return tooMany(counts.totalNodes, "nodes", "noduri");
  if (counts.totalElements > kLargestCount)
    return tooMany(counts.totalElements, "elements", "elemente");
  return std::nullopt;
}

std::optional<std::string> numberingRefusal(const Model& model, const StructureCounts& counts) {
  const KindTable kindCount = countKinds(classifyBaseElements(model, counts), counts);
  const auto beyond = firstEndNodeBeyond(model, counts, kindCount);
  if (!beyond) return std::nullopt;
  return inLanguage(
      model,
      "Element " + number(beyond->element) + " copied into module " + number(beyond->module) +
          " would end at node " + number(beyond->node) + ", but the structure has only " +
          number(counts.totalNodes) +
          " nodes: Base 1 must hold as many nodes as Base 0, in the same order.",
      "Elementul " + number(beyond->element) + " copiat in modulul " + number(beyond->module) +
          " ar ajunge la nodul " + number(beyond->node) + ", dar structura are doar " +
          number(counts.totalNodes) +
          " noduri: Baza 1 trebuie sa aiba tot atatea noduri ca Baza 0, in aceeasi ordine.");
}

std::uint64_t bytesHeld(const Model& model) {
  return sizeof(float) * model.nodeCoords.storage().capacity() +
         sizeof(std::int32_t) *
             (model.elemStart.storage().capacity() + model.elemEnd.storage().capacity() +
              model.elemKind.storage().capacity());
}

std::string megabytes(std::uint64_t bytes) {
  return number(static_cast<std::int64_t>((bytes + (1u << 20) - 1) >> 20));
}

std::optional<std::string> memoryRefusal(const Model& model, const StructureCounts& counts,
                                         std::uint64_t memoryLimit) {
  if (memoryLimit == 0) return std::nullopt;
  const std::uint64_t needed = bytesToGenerate(counts);
  if (needed + bytesHeld(model) <= memoryLimit) return std::nullopt;
  const std::string sizes = number(counts.totalNodes);
  const std::string elements = number(counts.totalElements);
  return inLanguage(model,
                    "The structure of " + sizes + " nodes and " + elements + " elements needs " +
                        megabytes(needed) + " MB of memory, more than this computer can give (" +
                        megabytes(memoryLimit) + " MB): use fewer modules.",
                    "Structura de " + sizes + " noduri si " + elements + " elemente necesita " +
                        megabytes(needed) +
                        " MB de memorie, mai mult decat poate oferi acest calculator (" +
                        megabytes(memoryLimit) + " MB): folositi mai putine module.");
}

}  // namespace

std::uint64_t bytesToGenerate(const StructureCounts& counts) {
  const auto nodes = static_cast<std::uint64_t>(counts.totalNodes);
  const auto elements = static_cast<std::uint64_t>(counts.totalElements);
  const auto coordinates = static_cast<std::uint64_t>(counts.coordinates);
  // Coordinates; start, end and kind of every element; the far-end list and
  // the taper steps of one module.
  return sizeof(float) * nodes * coordinates + 3 * sizeof(std::int32_t) * elements +
         (sizeof(std::int64_t) + sizeof(float) * coordinates) *
             static_cast<std::uint64_t>(counts.base1Nodes);
}

std::optional<std::string> inputRefusal(const Model& model, int direction,
                                        std::uint64_t memoryLimit) {
  if (auto refusal = countRefusal(model)) return refusal;
  if (auto refusal = directionRefusal(model, direction)) return refusal;
  const StructureCounts counts = countStructure(model, direction);
  if (auto refusal = coordinatesRefusal(model, counts)) return refusal;
  if (auto refusal = topologyRefusal(model, counts)) return refusal;
  if (model.expansionType == model::kArch) {
    if (auto refusal = archRefusal(model)) return refusal;
  } else if (auto refusal = straightRefusal(model, direction)) {
    return refusal;
  }
  if (auto refusal = totalsRefusal(model, counts)) return refusal;
  if (auto refusal = numberingRefusal(model, counts)) return refusal;
  return memoryRefusal(model, counts, memoryLimit);
}

std::string cancelledMessage(const Model& model) {
  return inLanguage(model, "GENERATE was cancelled: the previous structure is kept.",
                    "GENERATE a fost anulat: structura anterioara se pastreaza.");
}

std::string outOfMemoryMessage(const Model& model, const StructureCounts& counts) {
  return inLanguage(model,
                    "There is not enough memory to generate " + number(counts.totalNodes) +
                        " nodes and " + number(counts.totalElements) +
                        " elements: use fewer modules. The previous structure is kept.",
                    "Nu exista destula memorie pentru a genera " + number(counts.totalNodes) +
                        " noduri si " + number(counts.totalElements) +
                        " elemente: folositi mai putine module. Structura anterioara se "
                        "pastreaza.");
}

std::string nonFiniteCoordinateMessage(const Model& model, std::int64_t node, int axis) {
  return inLanguage(model,
                    "Node " + number(node) + " would get a coordinate " + axisText(axis) +
                        " that is not a finite number: check the expansion parameters.",
                    "Nodul " + number(node) + " ar primi o coordonata " + axisText(axis) +
                        " care nu este un numar finit: verificati parametrii expandarii.");
}

}  // namespace zentrix::generation
