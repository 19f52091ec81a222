// The spatial templates and the arch rib. The bridge and the triangular
// truss run along X with Y across and Z up; the tower rises along Z and
// narrows towards the vertex foot on its axis; the arch rib is a plane
// panel whose chords the ARCH expansion bends.
#include <cmath>

#include "templates/module_drawing.h"
#include "templates/template_catalogue.h"
#include "templates/template_texts.h"

namespace zentrix::templates {

namespace {

namespace t = texts;

constexpr MemberGroup kUnused{};

// Section: 1 bottom left, 2 bottom right, 3 top right, 4 top left. Each
// module: four chords, a cross frame at its far end, one diagonal in each
// side truss, plan bracing in the bottom and the top plane, and in a deck
// bridge sway bracing across the cross frame.
void drawBoxBridge(const Values& values, model::Model& model) {
  const float panel = values.length("panel-length");
  const float half = fileReal(values.length("width") / 2.0);
  const float depth = values.length("depth");
  const bool deck = values.choice("deck") == 1;
  ModuleDrawing d(
      3, 1, panel,
      {Point{0, -half, 0}, Point{0, half, 0}, Point{0, half, depth}, Point{0, -half, depth}});
  for (int i = 1; i <= 4; ++i) {
    d.member(1, d.base0(i), d.base1(i));
    d.member(2, d.base1(i), d.base1(i % 4 + 1));
    d.base0Member(d.base0(i), d.base0(i % 4 + 1));
  }
  d.member(3, d.base0(1), d.base1(4));  // side truss, left
  d.member(3, d.base0(2), d.base1(3));  // side truss, right
  d.member(3, d.base0(1), d.base1(2));  // bottom plan bracing
  d.member(3, d.base0(4), d.base1(3));  // top plan bracing
  if (deck) {
    d.member(4, d.base1(1), d.base1(3));
    d.base0Member(d.base0(1), d.base0(3));
  }
  d.fill(model.base);
  setStraightExpansion(model.expansion, 'X', values.count("modules"), panel, model::kPrismatic);
}

// Section: 1 bottom left, 2 bottom right, 3 top. Each module: three chords,
// the far end's triangle and one diagonal in each face.
void drawTriangular(const Values& values, model::Model& model) {
  const float panel = values.length("panel-length");
  const float half = fileReal(values.length("width") / 2.0);
  ModuleDrawing d(3, 1, panel,
                  {Point{0, -half, 0}, Point{0, half, 0}, Point{0, 0, values.length("depth")}});
  for (int i = 1; i <= 3; ++i) d.member(1, d.base0(i), d.base1(i));
  d.member(2, d.base1(1), d.base1(2));
  d.member(3, d.base0(1), d.base1(2));
  d.member(3, d.base0(1), d.base1(3));
  d.member(3, d.base0(2), d.base1(3));
  d.member(4, d.base1(2), d.base1(3));
  d.member(4, d.base1(3), d.base1(1));
  for (int i = 1; i <= 3; ++i) d.base0Member(d.base0(i), d.base0(i % 3 + 1));
  d.fill(model.base);
  setStraightExpansion(model.expansion, 'X', values.count("modules"), panel, model::kPrismatic);
}

// Section: the four legs counter-clockwise from (-b/2, -b/2). Each panel:
// four legs, the horizontals of its top, crossed bracing in every face and
// one plan diagonal. The Pyramidal ratio narrows the tower from its foot
// width to top-ratio times it over all the modules, towards the foot of
// its own axis.
void drawTower(const Values& values, model::Model& model) {
  const float panel = values.length("panel-height");
  const float half = fileReal(values.length("base-width") / 2.0);
  ModuleDrawing d(
      3, 3, panel,
      {Point{-half, -half, 0}, Point{half, -half, 0}, Point{half, half, 0}, Point{-half, half, 0}});
  for (int i = 1; i <= 4; ++i) {
    const int next = i % 4 + 1;
    d.member(1, d.base0(i), d.base1(i));
    d.member(2, d.base1(i), d.base1(next));
    d.member(3, d.base0(i), d.base1(next));
    d.member(3, d.base0(next), d.base1(i));
    d.base0Member(d.base0(i), d.base0(next));
  }
  d.member(4, d.base1(1), d.base1(3));
  d.fill(model.base);
  const std::int32_t modules = values.count("modules");
  setStraightExpansion(model.expansion, 'Z', modules, panel, model::kPyramidal);
  const double ratio = values.length("top-ratio");
  model.expansion.pyramidShrinkRatio = fileReal(1.0 - (1.0 - ratio) / modules);
  model.expansion.vertexFoot = {0.0f, 0.0f, 0.0f};
}

// Section: 1 on the inner chord, 2 on the arch line. Each module: both
// chords, the strut at its far end and one diagonal. The module length is
// the span shared by the modules; the arch itself places the nodes.
void drawArchRib(const Values& values, model::Model& model) {
  const float halfSpan = values.length("half-span");
  const std::int32_t modules = values.count("modules");
  const float panel = fileReal(2.0 * halfSpan / modules);
  ModuleDrawing d(2, 1, panel, {Point{0, 0, 0}, Point{0, values.length("depth"), 0}});
  d.member(1, d.base0(1), d.base1(1));
  d.member(1, d.base0(2), d.base1(2));
  d.member(2, d.base1(1), d.base1(2));
  d.member(3, d.base0(2), d.base1(1));
  d.base0Member(d.base0(1), d.base0(2));
  d.fill(model.base);
  setStraightExpansion(model.expansion, 'X', modules, panel, model::kArch);
  model.expansion.archKind =
      values.choice("arch") == 1 ? model::kCircularArch : model::kParabolicArch;
  model.expansion.halfSpan = halfSpan;
  model.expansion.archHeight = values.length("rise");
}

// An arch no higher than its half span (at most a half circle), and a rib
// whose inner chord stays clear of the centre of the curve.
model::Outcome archRules(const Values& values, bool romanian) {
  const double halfSpan = values.length("half-span");
  if (auto outcome = notAbove(values, "rise", halfSpan, "half-span", romanian); !outcome)
    return outcome;
  return notAbove(values, "depth", halfSpan / 4.0, "half-span / 4", romanian);
}

}  // namespace

std::vector<Template> spaceTemplates() {
  const MemberGroup chords{"chords", t::kChords, 120.0};
  const MemberGroup diagonals{"diagonals", t::kDiagonals, 45.0};
  return {
      {.name = "box-bridge",
       .summary = t::kBoxBridge,
       .note = t::kBridgeNote,
       .shape = {{"panel-length", ParameterKind::kLength, t::kPanelLength, 5.0, 0.1, 1000.0},
                 {"width", ParameterKind::kLength, t::kWidth, 6.0, 0.1, 1000.0},
                 {"depth", ParameterKind::kLength, t::kDepth, 5.0, 0.1, 1000.0},
                 {"modules", ParameterKind::kCount, t::kModules, 8.0, 1.0, 1000.0},
                 {"deck", ParameterKind::kChoice, t::kDeck, 2.0, 0, 0, {"deck", "through"}}},
       .groups = {chords, MemberGroup{"cross-frames", t::kCrossFrames, 60.0}, diagonals,
                  MemberGroup{"sway-bracing", t::kSwayBracing, 20.0}},
       .draw = drawBoxBridge},
      {.name = "triangular",
       .summary = t::kTriangular,
       .note = t::kTriangularNote,
       .shape = {{"panel-length", ParameterKind::kLength, t::kPanelLength, 3.0, 0.1, 1000.0},
                 {"width", ParameterKind::kLength, t::kWidth, 2.0, 0.1, 1000.0},
                 {"depth", ParameterKind::kLength, t::kDepth, 2.0, 0.1, 1000.0},
                 {"modules", ParameterKind::kCount, t::kModules, 10.0, 1.0, 1000.0}},
       .groups = {MemberGroup{"chords", t::kChords, 30.0},
                  MemberGroup{"bottom-struts", t::kBottomStruts, 10.0},
                  MemberGroup{"diagonals", t::kDiagonals, 12.0},
                  MemberGroup{"side-struts", t::kSideStruts, 10.0}},
       .draw = drawTriangular},
      {.name = "tower",
       .summary = t::kTower,
       .note = t::kTowerNote,
       .shape = {{"panel-height", ParameterKind::kLength, t::kPanelHeight, 6.0, 0.1, 1000.0},
                 {"base-width", ParameterKind::kLength, t::kBaseWidth, 8.0, 0.1, 1000.0},
                 {"top-ratio", ParameterKind::kLength, t::kTopRatio, 0.5, 0.1, 1.0},
                 {"modules", ParameterKind::kCount, t::kModules, 6.0, 1.0, 1000.0}},
       .groups = {MemberGroup{"legs", t::kLegs, 85.0},
                  MemberGroup{"horizontals", t::kHorizontals, 25.0},
                  MemberGroup{"bracing", t::kBracing, 18.0},
                  MemberGroup{"plan-bracing", t::kPlanBracing, 12.0}},
       .draw = drawTower},
      {.name = "arch-rib",
       .summary = t::kArchRib,
       .note = t::kArchNote,
       .shape =
           {{"half-span", ParameterKind::kLength, t::kHalfSpan, 15.0, 1.0, 1000.0},
            {"rise", ParameterKind::kLength, t::kRise, 6.0, 0.1, 1000.0},
            {"depth", ParameterKind::kLength, t::kRibDepth, 1.0, 0.05, 250.0},
            {"modules", ParameterKind::kCount, t::kModules, 12.0, 2.0, 1000.0},
            {"arch", ParameterKind::kChoice, t::kArchKind, 1.0, 0, 0, {"circular", "parabolic"}}},
       .groups = {MemberGroup{"chords", t::kChords, 32.0}, MemberGroup{"struts", t::kStruts, 12.5},
                  MemberGroup{"diagonals", t::kDiagonals, 14.0}, kUnused},
       .draw = drawArchRib,
       .rules = archRules},
  };
}

}  // namespace zentrix::templates
