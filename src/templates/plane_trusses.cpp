// The plane girders, drawn in the X-Y plane along X. Section point 1 is on
// the bottom chord and the last on the top chord; module members join the
// section of Base 0 (node i) to that of Base 1 (node N0 + i), and the end
// post of Base 0 closes the first panel.
#include "templates/module_drawing.h"
#include "templates/template_catalogue.h"
#include "templates/template_texts.h"

namespace zentrix::templates {

namespace {

namespace t = texts;

std::vector<ParameterRule> planeShape() {
  return {{"panel-length", ParameterKind::kLength, t::kPanelLength, 4.0, 0.1, 1000.0},
          {"height", ParameterKind::kLength, t::kHeight, 3.0, 0.1, 1000.0},
          {"modules", ParameterKind::kCount, t::kModules, 8.0, 1.0, 1000.0}};
}

constexpr MemberGroup kChords{"chords", t::kChords, 20.0};
constexpr MemberGroup kVerticals{"verticals", t::kVerticals, 10.0};
constexpr MemberGroup kDiagonals{"diagonals", t::kDiagonals, 12.0};
constexpr MemberGroup kUnused{};

// The two-chord panel: bottom 1, top 2 in Base 0; 3, 4 in Base 1.
enum class Web { kPratt, kHowe, kCrossed, kCrossedWithVerticals, kNone };

void drawTwoChordPanel(const Values& values, model::Model& model, Web web) {
  const float panel = values.length("panel-length");
  ModuleDrawing drawing(2, 1, panel, {Point{0, 0, 0}, Point{0, values.length("height"), 0}});
  const int bottom = 1;
  const int top = 2;
  drawing.member(1, drawing.base0(bottom), drawing.base1(bottom));
  drawing.member(1, drawing.base0(top), drawing.base1(top));
  if (web != Web::kCrossed) drawing.member(2, drawing.base1(bottom), drawing.base1(top));
  // Pratt diagonals fall from the top chord towards the far end, Howe
  // diagonals rise: seen from the first support.
  if (web != Web::kHowe && web != Web::kNone)
    drawing.member(3, drawing.base0(top), drawing.base1(bottom));
  if (web != Web::kPratt && web != Web::kNone)
    drawing.member(3, drawing.base0(bottom), drawing.base1(top));
  drawing.base0Member(drawing.base0(bottom), drawing.base0(top));
  drawing.fill(model.base);
  setStraightExpansion(model.expansion, 'X', values.count("modules"), panel, model::kPrismatic);
}

// The K panel: bottom 1, middle of the vertical 2, top 3; both diagonals
// meet the next vertical at its middle.
void drawKPanel(const Values& values, model::Model& model) {
  const float panel = values.length("panel-length");
  const float height = values.length("height");
  ModuleDrawing drawing(2, 1, panel,
                        {Point{0, 0, 0}, Point{0, fileReal(height / 2.0), 0}, Point{0, height, 0}});
  drawing.member(1, drawing.base0(1), drawing.base1(1));
  drawing.member(1, drawing.base0(3), drawing.base1(3));
  drawing.member(2, drawing.base1(1), drawing.base1(2));
  drawing.member(2, drawing.base1(2), drawing.base1(3));
  drawing.member(3, drawing.base0(1), drawing.base1(2));
  drawing.member(3, drawing.base0(3), drawing.base1(2));
  drawing.base0Member(drawing.base0(1), drawing.base0(2));
  drawing.base0Member(drawing.base0(2), drawing.base0(3));
  drawing.fill(model.base);
  setStraightExpansion(model.expansion, 'X', values.count("modules"), panel, model::kPrismatic);
}

Template twoChord(const char* name, model::Text summary, model::Text note,
                  std::array<MemberGroup, 4> groups, void (*draw)(const Values&, model::Model&)) {
  return {.name = name,
          .summary = summary,
          .note = note,
          .shape = planeShape(),
          .groups = groups,
          .draw = draw};
}

}  // namespace

std::vector<Template> planeTemplates() {
  const MemberGroup endPost{"posts", t::kEndPost, 10.0};
  return {
      twoChord("pratt", t::kPratt, t::kPlaneNote, {kChords, kVerticals, kDiagonals, kUnused},
               [](const Values& v, model::Model& m) { drawTwoChordPanel(v, m, Web::kPratt); }),
      twoChord("howe", t::kHowe, t::kPlaneNote, {kChords, kVerticals, kDiagonals, kUnused},
               [](const Values& v, model::Model& m) { drawTwoChordPanel(v, m, Web::kHowe); }),
      twoChord("warren", t::kWarren, t::kWarrenNote, {kChords, endPost, kDiagonals, kUnused},
               [](const Values& v, model::Model& m) { drawTwoChordPanel(v, m, Web::kCrossed); }),
      twoChord("warren-verticals", t::kWarrenVerticals, t::kWarrenNote,
               {kChords, kVerticals, kDiagonals, kUnused},
               [](const Values& v, model::Model& m) {
                 drawTwoChordPanel(v, m, Web::kCrossedWithVerticals);
               }),
      twoChord("k-truss", t::kKTruss, t::kPlaneNote, {kChords, kVerticals, kDiagonals, kUnused},
               drawKPanel),
      twoChord("vierendeel", t::kVierendeel, t::kVierendeelNote,
               {kChords, kVerticals, kUnused, kUnused},
               [](const Values& v, model::Model& m) { drawTwoChordPanel(v, m, Web::kNone); }),
  };
}

}  // namespace zentrix::templates
