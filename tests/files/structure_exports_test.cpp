// The three exports (VTU, MSH, DXF) of a generated structure: what each
// refuses (naming the value, the older file kept), the supports and element
// types they carry, the names of groups and layers, and the number texts.
// What every writer does (a cancel, write failures, the size bound) is
// shown once for all of them (write_failure_test.cpp, output_plan_test.cpp).
// The files of the examples are golden files of the command line's tests;
// the real readers (meshio, ezdxf, Gmsh) check them in tests/exports.
#include "files/structure_exports.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/every_writer.h"
#include "files/exported_structure.h"
#include "support/portable.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

struct Exporter {
  const char* name;
  const char* extension;
  model::Outcome (*write)(const ExportParts&, std::string_view, model::Progress*, StagedFiles*);
};

constexpr Exporter kExporters[] = {
    {"Vtu", ".vtu", writeVtuFile}, {"Msh", ".msh", writeMshFile}, {"Dxf", ".dxf", writeDxfFile}};

// The values of the data array named `name` of a VTU text, one per line.
std::vector<std::string> vtuArray(const std::string& text, const std::string& name) {
  const auto at = text.find("Name=\"" + name + "\"");
  EXPECT_NE(at, std::string::npos) << name;
  std::istringstream lines(text.substr(text.find('\n', at) + 1));
  std::vector<std::string> values;
  for (std::string line;
       std::getline(lines, line) && line.find("</DataArray>") == std::string::npos;)
    values.push_back(line);
  return values;
}

// The lines of an MSH section, without its $ lines.
std::vector<std::string> mshSection(const std::string& text, const std::string& section) {
  std::istringstream lines(text.substr(text.find("$" + section + "\n") + section.size() + 2));
  std::vector<std::string> values;
  for (std::string line; std::getline(lines, line) && line != "$End" + section;)
    values.push_back(line);
  return values;
}

// The layer of every LINE of a DXF text, in order.
std::vector<std::string> dxfLineLayers(const std::string& text) {
  std::vector<std::string> layers;
  for (auto at = text.find("LINE\n  8\n"); at != std::string::npos;
       at = text.find("LINE\n  8\n", at + 1)) {
    const auto from = at + std::strlen("LINE\n  8\n");
    layers.push_back(text.substr(from, text.find('\n', from) - from));
  }
  return layers;
}

// ------------------------------------------------------------------ refusals

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Fault {
  const char* name;
  std::function<void(zentrix::testing::RunModel&)> plant;
  const char* message;
};

class ExportRefusalTest : public ::testing::TestWithParam<Fault> {};

// Every writer refuses the same faults with the same words, before it
// creates anything.
TEST_P(ExportRefusalTest, NamesTheFaultAndKeepsTheOlderFile) {
  for (const Exporter& exporter : kExporters) {
    SCOPED_TRACE(exporter.name);
    ScratchFolder folder;
    const std::string path = folder.file(std::string("structure") + exporter.extension);
    writeBytes(path, "older\n");
    zentrix::testing::RunModel m = generatedTruss(3);
    GetParam().plant(m);
    const model::Outcome outcome =
        exporter.write(zentrix::testing::exportParts(m), path, nullptr, nullptr);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_EQ(readBytes(path), "older\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExportRefusalTest,
    ::testing::Values(
        Fault{"NotGenerated",
              [](zentrix::testing::RunModel& m) {
                m = zentrix::testing::RunModel{};
                m.base.baseElementCount = 3;
              },
              "The structure is not completely generated: press GENERATE."},
        Fault{"KindBlocksOverlapTheBase0Elements",
              [](zentrix::testing::RunModel& m) { m.structure.kindEnd[4] -= 1; },
              "The structure is not completely generated: press GENERATE."},
        Fault{"NanCoordinate",
              [](zentrix::testing::RunModel& m) { m.structure.nodeCoords(3, 2) = kNaN; },
              "The Y coordinate of node 3 is not a number (NaN): the file was not written."},
        Fault{"InfiniteArea",
              [](zentrix::testing::RunModel& m) { m.types.typeArea(2) = -kInfinity; },
              "The area of element type 2 (Transversal) is not a finite number: the file was "
              "not written."},
        Fault{"EndNodeZero", [](zentrix::testing::RunModel& m) { m.structure.elemEnd(4) = 0; },
              "Element 4 has the end node 0, outside the nodes 1 to 8: the file was not written."},
        Fault{"EndNodePastTheLast",
              [](zentrix::testing::RunModel& m) {
                m.structure.elemStart(m.structure.totalElements()) = m.structure.totalNodes() + 1;
              },
              "Element 13 has the end node 9, outside the nodes 1 to 8: the file was not "
              "written."},
        Fault{"EndNodeRomanian",
              [](zentrix::testing::RunModel& m) {
                m.romanian = true;
                m.structure.elemStart(1) = -3;
              },
              "Elementul 1 are nodul de capat -3, in afara nodurilor 1 - 8: fisierul nu a fost "
              "scris."}),
    [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------------------------ supports

struct SupportCase {
  const char* name;
  bool lastNodesInBase0;
  std::int32_t expansionType;
  std::vector<std::int64_t> blocked;  // of the 10 nodes of a 4-module plane truss
};

class ExportedSupportsTest : public ::testing::TestWithParam<SupportCase> {};

// The blocked nodes are those of the Geometry File: the first module's
// Base 0 where the numbering put it, and for an arch the far end as well.
TEST_P(ExportedSupportsTest, FollowTheNumberingAndTheExpansion) {
  zentrix::testing::RunModel m = generatedTruss(4);
  ASSERT_EQ(m.structure.totalNodes(), 10);
  m.structure.generatedWith->lastNodesInBase0 = GetParam().lastNodesInBase0;
  m.structure.generatedWith->expansionType = GetParam().expansionType;
  ScratchFolder folder;
  ASSERT_TRUE(files::writeVtuFile(zentrix::testing::exportParts(m), folder.file("s.vtu")));
  ASSERT_TRUE(files::writeMshFile(zentrix::testing::exportParts(m), folder.file("s.msh")));

  std::vector<std::int64_t> flagged;
  const auto flags = vtuArray(readBytes(folder.file("s.vtu")), "blocked");
  ASSERT_EQ(flags.size(), 10u);
  for (std::size_t i = 0; i < flags.size(); ++i)
    if (flags[i] == "1") flagged.push_back(static_cast<std::int64_t>(i) + 1);
  EXPECT_EQ(flagged, GetParam().blocked) << "VTU";

  // Point elements (type 15), one per blocked node, after the last element.
  std::vector<std::int64_t> points;
  const auto elements = mshSection(readBytes(folder.file("s.msh")), "Elements");
  for (std::size_t i = 1; i + 1 < elements.size(); ++i) {
    std::istringstream block(elements[i]);
    int dim = 0, tag = 0, type = 0, count = 0;
    block >> dim >> tag >> type >> count;
    if (dim != 0 || type != 15) continue;
    std::istringstream element(elements[i + 1]);
    std::int64_t number = 0, node = 0;
    element >> number >> node;
    EXPECT_EQ(number, m.structure.totalElements() + static_cast<std::int64_t>(points.size()) + 1);
    points.push_back(node);
  }
  EXPECT_EQ(points, GetParam().blocked) << "MSH";
}

INSTANTIATE_TEST_SUITE_P(
    TenNodes, ExportedSupportsTest,
    ::testing::Values(SupportCase{"Base0First", false, model::kPrismatic, {1, 2}},
                      SupportCase{"Base0Last", true, model::kPrismatic, {9, 10}},
                      SupportCase{"ArchBase0First", false, model::kArch, {1, 2, 9, 10}},
                      SupportCase{"ArchBase0Last", true, model::kArch, {7, 8, 9, 10}}),
    [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------------------------ element types

// The plane truss of three modules: kind blocks 1-6, 7-9, 10-12, none of
// kind 4, and element 13 wholly in Base 0, which has type 2.
TEST(ExportedTypes, FollowTheKindBlocksAndTheBase0Elements) {
  zentrix::testing::RunModel m = generatedTruss(3);
  ASSERT_EQ(m.structure.totalElements(), 13);
  m.types.typeName(2) = "Post";
  m.types.typeArea(2) = 12.5f;
  ScratchFolder folder;
  ASSERT_TRUE(files::writeVtuFile(zentrix::testing::exportParts(m), folder.file("s.vtu")));
  ASSERT_TRUE(files::writeMshFile(zentrix::testing::exportParts(m), folder.file("s.msh")));
  ASSERT_TRUE(files::writeDxfFile(zentrix::testing::exportParts(m), folder.file("s.dxf")));
  const std::string vtu = readBytes(folder.file("s.vtu"));
  const std::vector<std::string> types = {"1", "1", "1", "1", "1", "1", "2",
                                          "2", "2", "3", "3", "3", "2"};
  EXPECT_EQ(vtuArray(vtu, "type_number"), types);
  EXPECT_EQ(vtuArray(vtu, "element_kind"), types);
  EXPECT_EQ(vtuArray(vtu, "type_area")[12], "12.5");
  EXPECT_EQ(vtuArray(vtu, "type_area")[0], "1");
  EXPECT_EQ(vtuArray(vtu, "element_number")[12], "13");
  // Base 0 was renumbered to the end: element 13 is 7-8, 0-based 6 7.
  EXPECT_EQ(vtuArray(vtu, "connectivity")[12], "6 7");
  EXPECT_EQ(vtuArray(vtu, "offsets")[12], "26");

  const auto elements = mshSection(readBytes(folder.file("s.msh")), "Elements");
  const auto block = std::find(elements.begin(), elements.end(), "1 2 1 4");
  ASSERT_NE(block, elements.end()) << "type 2 has elements 7, 8, 9 and 13";
  EXPECT_EQ(std::vector<std::string>(block + 1, block + 5),
            (std::vector<std::string>{"7 1 2", "8 3 4", "9 5 6", "13 7 8"}));
  const auto names = mshSection(readBytes(folder.file("s.msh")), "PhysicalNames");
  EXPECT_EQ(names, (std::vector<std::string>{"4", "1 1 \"Longitudinal\"", "1 2 \"Post\"",
                                             "1 3 \"Diagonal\"", "0 5 \"blocked nodes\""}));
  m.romanian = true;
  ASSERT_TRUE(files::writeMshFile(zentrix::testing::exportParts(m), folder.file("s.msh")));
  EXPECT_EQ(mshSection(readBytes(folder.file("s.msh")), "PhysicalNames").back(),
            "0 5 \"noduri blocate\"");

  const auto layers = dxfLineLayers(readBytes(folder.file("s.dxf")));
  ASSERT_EQ(layers.size(), 13u);
  EXPECT_EQ(layers[6], "Post");
  EXPECT_EQ(layers[12], "Post");
  EXPECT_EQ(layers[9], "Diagonal");
}

// ------------------------------------------------------------------ names

struct NamesCase {
  const char* name;
  std::array<std::string, 4> typeNames;
  std::array<std::string, 4> layers;
  std::array<std::string, 4> groups;
};

class ExportNamesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(ExportNamesTest, LayersAreDxfSafeAndGroupsQuotable) {
  zentrix::testing::RunModel m;
  m.types.typeNames = GetParam().typeNames;
  EXPECT_EQ(files::dxfLayerNames(m.types), GetParam().layers);
  EXPECT_EQ(files::mshGroupNames(m.types, m.romanian), GetParam().groups);
}

const std::string k40 = std::string(40, 'L');

INSTANTIATE_TEST_SUITE_P(
    TypeNames, ExportNamesTest,
    ::testing::Values(NamesCase{"Examples",
                                {"Chord", "Cross frame", "Diagonal", "Cross-frame diagonal"},
                                {"Chord", "Cross_frame", "Diagonal", "Cross-frame_diagonal"},
                                {"Chord", "Cross frame", "Diagonal", "Cross-frame diagonal"}},
                      NamesCase{"Blank",
                                {"", "   ", " Post ", "Tie"},
                                {"TYPE_1", "TYPE_2", "Post", "Tie"},
                                {"type 1", "type 2", "Post", "Tie"}},
                      // DXF readers compare layer names ignoring case; layer 0 is always there.
                      NamesCase{"SameIgnoringCase",
                                {"Bar", "bar", "BAR", "0"},
                                {"Bar", "bar_2", "BAR_3", "0_4"},
                                {"Bar", "bar", "BAR", "0"}},
                      NamesCase{"Repeated",
                                {"Bar", "Bar", "Tie", "Bar"},
                                {"Bar", "Bar_2", "Tie", "Bar_4"},
                                {"Bar", "Bar (type 2)", "Tie", "Bar (type 4)"}},
                      NamesCase{"Awkward",
                                {"a\"b", "Diagonal\xc4\x83 lung\xc4\x83", k40, "x\ny$-_"},
                                {"a_b", "Diagonal___lung__", std::string(31, 'L'), "x_y$-_"},
                                {"a'b", "Diagonal\xc4\x83 lung\xc4\x83", k40, "x y$-_"}},
                      NamesCase{"LongAndRepeated",
                                {k40, k40, "b", "c"},
                                {std::string(31, 'L'), std::string(29, 'L') + "_2", "b", "c"},
                                {k40, k40 + " (type 2)", "b", "c"}}),
    [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------------------------ number texts

// A program that sets a locale with a decimal comma (a Romanian desktop)
// still gets a decimal point and no digit groups in every file.
TEST(ExportNumbers, KeepThePointWhateverTheLocale) {
  struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  zentrix::testing::RunModel m = generatedTruss(3);
  m.structure.nodeCoords(1, 1) = 1234.5f;
  m.types.typeArea(1) = 0.25f;
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
  ScratchFolder folder;
  for (const Exporter& exporter : kExporters)
    EXPECT_TRUE(exporter.write(zentrix::testing::exportParts(m),
                               folder.file(std::string("s") + exporter.extension), nullptr,
                               nullptr));
  std::locale::global(previous);
  const std::string vtu = readBytes(folder.file("s.vtu"));
  EXPECT_EQ(vtuArray(vtu, "Points")[0], "1234.5 0 0");
  EXPECT_EQ(vtuArray(vtu, "type_area")[0], "0.25");
  for (const Exporter& exporter : kExporters) {
    const std::string text = readBytes(folder.file(std::string("s") + exporter.extension));
    EXPECT_NE(text.find("1234.5"), std::string::npos) << exporter.name;
    EXPECT_EQ(text.find(','), std::string::npos) << exporter.name;
  }
}

// The remembered texts the writers use are the plain ones, for every float
// pattern and for values that repeat and collide in the memory.
TEST(ShortestTextMemo, WritesThePlainTextAndReadsBackExactly) {
  std::mt19937 random(7);
  exports::ShortestTextMemo memo;
  std::vector<float> values;
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = static_cast<std::uint32_t>(random());
    if ((bits & 0x7f800000u) == 0x7f800000u) bits &= 0xbfffffffu;  // finite only
    float value;
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
    values.push_back(static_cast<float>(i % 97) * 0.25f);
  }
  for (const float value : values) {
    char text[64];
    char* const end = memo.write(text, value);
    const std::string written(text, end);
    ASSERT_EQ(written, model::shortestReal(value));
    ASSERT_LE(written.size(), static_cast<std::size_t>(model::kMaxShortestChars));
    float back = 0;
    std::from_chars(written.data(), written.data() + written.size(), back);
    ASSERT_EQ(std::memcmp(&back, &value, sizeof back), 0) << written;
  }
}

}  // namespace
}  // namespace zentrix::files
