// The MSH file: Gmsh MSH 4.1 ASCII. The entities: one curve per element
// type that has elements (its tag the type number, bounded by the box of
// the whole structure) and one point per blocked node. Every blocked node
// sits on its point, every other node on the first curve (a curve of its
// own, tag 1 and no group, when there are no elements at all).
#include <algorithm>

#include "files/export_texts.h"
#include "files/exported_structure.h"

namespace zentrix::files {

namespace {

using namespace exports;

constexpr int kMshLine = 1;
constexpr int kMshPoint = 15;
// Physical tags count per dimension; the blocked nodes' group takes the tag
// after the types' all the same, so that a tool keyed by tag alone still
// tells them apart.
constexpr int kBlockedGroupTag = model::kKindCount + 1;

struct Layout {
  std::vector<int> curves;               // types with elements, ascending
  std::vector<std::int64_t> elementsOf;  // per type 1..4 (index 0 unused)
  std::vector<std::int64_t> blocked;     // blocked nodes, ascending
  int hostCurve = 1;                     // where the other nodes sit
  bool hostHasGroup = true;
};

Layout layoutOf(const ExportedStructure& s) {
  Layout layout;
  layout.elementsOf.assign(model::kKindCount + 1, 0);
  for (const structure::ElementRun& run : s.runs)
    layout.elementsOf[run.type] += run.last - run.first + 1;
  for (int type = 1; type <= model::kKindCount; ++type)
    if (layout.elementsOf[static_cast<std::size_t>(type)] > 0) layout.curves.push_back(type);
  layout.blocked = s.blockedNodes();
  if (!layout.curves.empty()) {
    layout.hostCurve = layout.curves.front();
  } else if (static_cast<std::int64_t>(layout.blocked.size()) < s.nodes) {
    layout.hostHasGroup = false;
  }
  return layout;
}

std::string real(float value) {
  return model::shortestReal(value);
}

std::string point(const ExportedStructure& s, std::int64_t node) {
  return real(s.coordinate(node, 0)) + " " + real(s.coordinate(node, 1)) + " " +
         real(s.coordinate(node, 2));
}

void writePhysicalNames(TextFileOutput& out, const Layout& layout,
                        const std::array<std::string, model::kKindCount>& names, bool romanian) {
  const std::size_t groups = layout.curves.size() + (layout.blocked.empty() ? 0 : 1);
  out.write("$PhysicalNames\n" + std::to_string(groups) + "\n");
  for (const int type : layout.curves)
    out.write("1 " + std::to_string(type) + " \"" + names[static_cast<std::size_t>(type - 1)] +
              "\"\n");
  if (!layout.blocked.empty())
    out.write("0 " + std::to_string(kBlockedGroupTag) + " \"" +
              model::say(texts::kBlockedNodesGroup, romanian) + "\"\n");
  out.write("$EndPhysicalNames\n");
}

// The box of all nodes: "minX minY minZ maxX maxY maxZ".
std::string boundingBox(const ExportedStructure& s) {
  std::array<float, 3> low{0.0f, 0.0f, 0.0f};
  std::array<float, 3> high{0.0f, 0.0f, 0.0f};
  for (std::int64_t node = 1; node <= s.nodes; ++node) {
    for (int axis = 0; axis < 3; ++axis) {
      const float value = s.coordinate(node, axis);
      const auto a = static_cast<std::size_t>(axis);
      if (node == 1 || value < low[a]) low[a] = value;
      if (node == 1 || value > high[a]) high[a] = value;
    }
  }
  return real(low[0]) + " " + real(low[1]) + " " + real(low[2]) + " " + real(high[0]) + " " +
         real(high[1]) + " " + real(high[2]);
}

void writeEntities(TextFileOutput& out, const ExportedStructure& s, const Layout& layout) {
  const bool ownHost = !layout.hostHasGroup;
  const std::size_t curves = layout.curves.size() + (ownHost ? 1 : 0);
  out.write("$Entities\n" + std::to_string(layout.blocked.size()) + " " + std::to_string(curves) +
            " 0 0\n");
  for (std::size_t i = 0; i < layout.blocked.size(); ++i)
    out.write(std::to_string(i + 1) + " " + point(s, layout.blocked[i]) + " 1 " +
              std::to_string(kBlockedGroupTag) + "\n");
  const std::string box = boundingBox(s);
  for (const int type : layout.curves)
    out.write(std::to_string(type) + " " + box + " 1 " + std::to_string(type) + " 0\n");
  if (ownHost) out.write(std::to_string(layout.hostCurve) + " " + box + " 0 0\n");
  out.write("$EndEntities\n");
}

// The nodes that are not blocked, in order, and how many there are.
std::int64_t freeNodeCount(const ExportedStructure& s, const Layout& layout) {
  return s.nodes - static_cast<std::int64_t>(layout.blocked.size());
}

bool writeNodes(TextFileOutput& out, const ExportedStructure& s, const Layout& layout,
                model::ProgressMeter& meter) {
  const std::int64_t freeNodes = freeNodeCount(s, layout);
  const std::size_t blocks = layout.blocked.size() + (freeNodes > 0 ? 1 : 0);
  out.write("$Nodes\n" + std::to_string(blocks) + " " + std::to_string(s.nodes) + " " +
            (s.nodes > 0 ? "1 " : "0 ") + std::to_string(s.nodes) + "\n");
  for (std::size_t i = 0; i < layout.blocked.size(); ++i)
    out.write("0 " + std::to_string(i + 1) + " 0 1\n" + std::to_string(layout.blocked[i]) + "\n" +
              point(s, layout.blocked[i]) + "\n");
  if (freeNodes == 0) {
    out.write("$EndNodes\n");
    return true;
  }
  out.write("1 " + std::to_string(layout.hostCurve) + " 0 " + std::to_string(freeNodes) + "\n");
  // The blocked nodes are a few ranges at the ends of the numbering, so the
  // free ones are the records 0..freeNodes-1 mapped past them.
  const std::vector<std::int64_t>* blocked = &layout.blocked;
  const auto nodeOf = [blocked](std::int64_t record) {
    // The free node of rank `record` (0-based): skip the blocked ones below it.
    std::int64_t node = record + 1;
    for (const std::int64_t b : *blocked) {
      if (b > node) break;
      ++node;
    }
    return node;
  };
  // With few blocked nodes the walk above is short; ranges make it so.
  const bool tagged = writeRecords(
      out, freeNodes, kMaxWholeChars + 1,
      [nodeOf, blocked](std::int64_t first, std::int64_t last, char* at) {
        std::int64_t node = nodeOf(first);
        for (std::int64_t record = first; record < last; ++record) {
          at = writeWhole(at, node);
          *at++ = '\n';
          ++node;
          while (std::binary_search(blocked->begin(), blocked->end(), node)) ++node;
        }
        return at;
      },
      meter);
  if (!tagged) return false;
  const ExportedStructure* structure = &s;
  const bool placed = writeRecords(
      out, freeNodes, kMaxPointChars,
      [nodeOf, blocked, structure](std::int64_t first, std::int64_t last, char* at) {
        ShortestTextMemo memo;
        std::int64_t node = nodeOf(first);
        for (std::int64_t record = first; record < last; ++record) {
          at = writePoint(at, memo, *structure, node);
          ++node;
          while (std::binary_search(blocked->begin(), blocked->end(), node)) ++node;
        }
        return at;
      },
      meter);
  if (!placed) return false;
  out.write("$EndNodes\n");
  return true;
}

// Element lines "tag start end" of the elements of run `run`.
bool writeRun(TextFileOutput& out, const ExportedStructure& s, const structure::ElementRun& run,
              model::ProgressMeter& meter) {
  const ExportedStructure* structure = &s;
  const std::int64_t offset = run.first - 1;
  return writeRecords(
      out, run.last - run.first + 1, 3 * kMaxWholeChars + 3,
      [structure, offset](std::int64_t first, std::int64_t last, char* at) {
        for (std::int64_t e = offset + first; e < offset + last; ++e) {
          at = writeWhole(at, e + 1);
          *at++ = ' ';
          at = writeWhole(at, structure->start[e]);
          *at++ = ' ';
          at = writeWhole(at, structure->end[e]);
          *at++ = '\n';
        }
        return at;
      },
      meter);
}

bool writeElements(TextFileOutput& out, const ExportedStructure& s, const Layout& layout,
                   model::ProgressMeter& meter) {
  const auto points = static_cast<std::int64_t>(layout.blocked.size());
  const std::size_t blocks = layout.curves.size() + layout.blocked.size();
  const std::int64_t all = s.elements + points;
  out.write("$Elements\n" + std::to_string(blocks) + " " + std::to_string(all) + " " +
            (all > 0 ? "1 " : "0 ") + std::to_string(all) + "\n");
  for (const int type : layout.curves) {
    out.write("1 " + std::to_string(type) + " " + std::to_string(kMshLine) + " " +
              std::to_string(layout.elementsOf[static_cast<std::size_t>(type)]) + "\n");
    for (const structure::ElementRun& run : s.runs)
      if (run.type == type && !writeRun(out, s, run, meter)) return false;
  }
  for (std::int64_t i = 0; i < points; ++i)
    out.write("0 " + std::to_string(i + 1) + " " + std::to_string(kMshPoint) + " 1\n" +
              std::to_string(s.elements + i + 1) + " " +
              std::to_string(layout.blocked[static_cast<std::size_t>(i)]) + "\n");
  out.write("$EndElements\n");
  return true;
}

bool writeMsh(TextFileOutput& out, const ExportedStructure& s,
              const std::array<std::string, model::kKindCount>& names, model::Progress* progress) {
  model::ProgressMeter meter(progress, 2 * s.nodes + s.elements);
  const Layout layout = layoutOf(s);
  out.write("$MeshFormat\n4.1 0 8\n$EndMeshFormat\n");
  writePhysicalNames(out, layout, names, s.romanian);
  writeEntities(out, s, layout);
  if (!writeNodes(out, s, layout, meter) || !writeElements(out, s, layout, meter)) return false;
  return meter.finish();
}

}  // namespace

model::Outcome writeMshFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress, StagedFiles* staged) {
  const auto names = mshGroupNames(parts.types, parts.romanian);
  return exports::writeExport(parts, path, progress, staged,
                              [&names](TextFileOutput& out, const ExportedStructure& s,
                                       model::Progress* p) { return writeMsh(out, s, names, p); });
}

}  // namespace zentrix::files
