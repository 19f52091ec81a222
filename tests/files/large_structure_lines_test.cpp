// The lines of a large structure, which the writers format on several
// threads in chunks, with word-wide number fields and remembered coordinate
// texts, are exactly the lines a plain loop with the general number edits
// writes: checked line by line against such a loop for a structure of
// hundreds of thousands of elements, with awkward coordinates and end node
// numbers too wide for their field mixed in.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "files/awkward_coordinates.h"
#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "generation/generation_fixtures.h"
#include "model/number_text.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using zentrix::testing::readBytes;
using zentrix::testing::ScratchFolder;

// A spatial truss of `modules` modules, generated, its coordinates then
// overwritten with values of every written form (a few repeating, as the
// cross-sections of real structures do) and a few end nodes made too wide.
zentrix::testing::RunModel largeStructure(int modules) {
  zentrix::testing::RunModel m = generation::testing::squareTruss(modules);
  startNewElementTypes(m);
  EXPECT_TRUE(generateStructure(m));
  testing::mixInAwkwardCoordinates(m);
  for (std::int64_t element = 5; element <= m.structure.totalElements(); element += 100003)
    m.structure.elemEnd(element) = 123456789;
  return m;
}

std::string field(std::int64_t value, int width) {
  const std::string digits = std::to_string(value);
  return std::string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0,
                     ' ') +
         digits;
}

std::string plainNodeLine(std::int64_t node, int width, const model::CoordinateTable& coords) {
  std::string line = field(node, width);
  for (int axis = 1; axis <= coords.columns(); ++axis) {
    line.resize(static_cast<std::size_t>(width + 4 + 16 * (axis - 1)), ' ');
    line += model::compactNumberText(model::generalForm(coords(node, axis), 14, 7));
  }
  return line;
}

// The lines of `text` from the one after `heading`, `count` of them,
// skipping empty lines when `skipEmpty`.
std::vector<std::string> linesAfter(const std::string& text, const std::string& heading,
                                    std::int64_t count, bool skipEmpty = false) {
  std::vector<std::string> lines;
  std::size_t at = text.find(heading + "\r\n");
  EXPECT_NE(at, std::string::npos) << heading;
  at += heading.size() + 2;
  while (static_cast<std::int64_t>(lines.size()) < count && at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    std::string line = text.substr(at, end - at);
    at = end + 2;
    if (skipEmpty && line.empty()) continue;
    lines.push_back(std::move(line));
  }
  return lines;
}

TEST(LargeStructureLines, GeometryFileLinesEqualThePlainLoop) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = largeStructure(30000);
  ASSERT_GT(m.structure.totalElements(), 300000);
  m.geometryFilePath = folder.file("large.geo");
  ASSERT_TRUE(writeGeometryFile(m));
  const std::string text = readBytes(m.geometryFilePath);

  const int nodeWidth = model::digitCount(m.structure.totalNodes());
  const auto nodes = linesAfter(text, "Node&Coordinates:", m.structure.totalNodes());
  ASSERT_EQ(static_cast<std::int64_t>(nodes.size()), m.structure.totalNodes());
  for (std::int64_t node = 1; node <= m.structure.totalNodes(); ++node)
    ASSERT_EQ(nodes[static_cast<std::size_t>(node - 1)],
              plainNodeLine(node, nodeWidth, m.structure.nodeCoords))
        << "node " << node;

  const int width = model::digitCount(m.structure.totalElements());
  const auto elements = linesAfter(text, "Node&Topology:", m.structure.totalElements());
  ASSERT_EQ(static_cast<std::int64_t>(elements.size()), m.structure.totalElements());
  for (std::int64_t element = 1; element <= m.structure.totalElements(); ++element)
    ASSERT_EQ(elements[static_cast<std::size_t>(element - 1)],
              field(element, width) + "   " + field(m.structure.elemStart(element), width) + "  " +
                  field(m.structure.elemEnd(element), width))
        << "element " << element;
}

TEST(LargeStructureLines, InputFileGeneratedPartEqualsThePlainLoop) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = largeStructure(12000);
  m.inputFilePath = folder.file("large.dat");
  ASSERT_TRUE(writeInputFile(m));
  const std::string text = readBytes(m.inputFilePath);

  // Generated nodes, an empty line after every 8 (the Base module's nodes).
  const int nodeWidth = model::digitCount(m.structure.totalNodes());
  const auto nodes =
      linesAfter(text, " Coordinates:", m.structure.totalNodes() + m.structure.totalNodes() / 8);
  for (std::int64_t node = 1, line = 0; node <= m.structure.totalNodes(); ++node, ++line) {
    ASSERT_EQ(nodes[static_cast<std::size_t>(line)],
              plainNodeLine(node, nodeWidth, m.structure.nodeCoords))
        << "node " << node;
    if (node % 8 == 0) {
      ASSERT_EQ(nodes[static_cast<std::size_t>(++line)], "") << "after " << node;
    }
  }
  const auto elements =
      linesAfter(text, " Initial Node - Final Node:", m.structure.totalElements(), true);
  for (std::int64_t element = 1; element <= m.structure.totalElements(); ++element)
    ASSERT_EQ(elements[static_cast<std::size_t>(element - 1)],
              field(element, 12) + field(m.structure.elemStart(element), 12) +
                  field(m.structure.elemEnd(element), 12))
        << "element " << element;
}

}  // namespace
}  // namespace zentrix::files
