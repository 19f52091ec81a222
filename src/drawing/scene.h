// The drawing of a structure onto a canvas: one line per element in its
// kind's colour, the blocked nodes as squares, the marked findings in a
// warning colour, node and element numbers on demand, a legend of the
// element types and an axes triad. The same drawing goes to every canvas
// (SVG, a Qt image or window), so a picture and the view agree.
//
// Picking works on the same projection: the node or element drawn nearest
// to a screen point, within a few pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/camera.h"
#include "drawing/drawing_source.h"

namespace zentrix::drawing {

struct Colour {
  unsigned char r = 0;
  unsigned char g = 0;
  unsigned char b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

// One fixed palette, told apart with every common colour-vision deficiency.
Colour kindColour(int kind);  // kinds 1 ... 4, kUnclassified
Colour blockedColour();
Colour findingColour();
// Pixels that elements of several kinds cross in a view too small to tell
// them apart: no kind's colour.
Colour mixedColour();
Colour highlightColour();
Colour textColour();
Colour axisColour(int axis);  // 1 X, 2 Y, 3 Z
// "#rrggbb".
std::string hexColour(Colour colour);

enum class TextAnchor { Start, Middle };

// What a drawing is made of. Coordinates are pixels of the camera.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void background(Colour colour) = 0;
  // One element; `width` in pixels. Called in element order; element 0 of
  // kind `kUnclassified` in `mixedColour` is a run of pixels that elements
  // of several kinds cross.
  virtual void line(std::int64_t element, int kind, ScreenPoint a, ScreenPoint b, Colour colour,
                    float width) = 0;
  // A blocked node: a filled square `size` pixels wide.
  virtual void square(ScreenPoint centre, float size, Colour colour) = 0;
  // A finding at a node: a ring of `radius` pixels.
  virtual void ring(ScreenPoint centre, float radius, Colour colour) = 0;
  // A filled rectangle that hides what lies under it (the legend's ground).
  virtual void panel(ScreenPoint topLeft, ScreenPoint bottomRight, Colour colour) {
    (void)topLeft;
    (void)bottomRight;
    (void)colour;
  }
  // A short stroke that is no element (the axes triad, the legend's keys).
  virtual void stroke(ScreenPoint a, ScreenPoint b, Colour colour, float width) = 0;
  virtual void text(ScreenPoint at, std::string_view text, Colour colour, float size,
                    TextAnchor anchor) = 0;
};

// Node and element numbers (1-based) to mark, for example the findings of
// a model check. Numbers outside the source are ignored.
struct Marks {
  std::vector<std::int64_t> nodes;
  std::vector<std::int64_t> elements;
};

// A node or an element, as picked.
struct Pick {
  enum class What { Node, Element } what = What::Element;
  std::int64_t number = 0;
  friend bool operator==(const Pick&, const Pick&) = default;
};

// Elements a view draws while the model moves; more are thinned out evenly,
// and drawn whole again once it is still.
inline constexpr std::int64_t kMovingElementBudget = 250000;

struct DrawOptions {
  bool numbers = false;  // node and element numbers
  bool legend = true;
  bool triad = true;
  // Draws at most `elementBudget` elements, evenly spread, when the source
  // has more (a drawing while the model moves); 0 draws every element.
  std::int64_t elementBudget = 0;
  // Elements that fall within a pixel or two are drawn as the pixels they
  // cross, once each: in the kind's colour where one kind crosses a pixel,
  // in `mixedColour` where several do (so that the kind drawn last does not
  // claim them all). Keeps millions of elements fast; off for pictures
  // that keep every element (SVG).
  bool mergeTinyElements = true;
  Marks marks;
  // The picked node or element, drawn over the rest in its own casing.
  std::optional<Pick> highlight;
  bool romanian = false;  // the legend's words
};

// Drawings of at most this many elements are antialiased when still.
inline constexpr std::int64_t kAntialiasedElements = 200000;

// At most this many node numbers and as many element numbers are drawn,
// those on the screen first in numbering order.
inline constexpr std::int64_t kMaxLabels = 5000;

// What one drawing drew, for the caller's status line and for tests.
struct DrawnCounts {
  std::int64_t elements = 0;
  std::int64_t elementStride = 1;
  bool mixedPixels = false;  // some pixel holds elements of several kinds
};

// Draws `source` as the camera sees it; `screen` holds the projected nodes
// (projectNodes) and is reused between frames.
DrawnCounts draw(const DrawingSource& source, const Camera& camera, const DrawOptions& options,
                 const std::vector<ScreenPoint>& screen, Canvas& canvas);

// The legend's line for type k: its name (or the kind's when it has none)
// and area.
std::string legendLine(const DrawingSource& source, int type, bool romanian);

// --- Picking --------------------------------------------------------------

// The node within `radius` pixels of (x, y), else the element whose drawn
// line passes nearest within `radius`; nothing when none is that near.
std::optional<Pick> pickAt(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                           ScreenPoint at, float radius = 5.0f);

struct ElementFacts {
  std::int64_t number = 0;
  std::int32_t start = 0;
  std::int32_t end = 0;
  int kind = kUnclassified;
  std::string typeName;
  float area = 0.0f;
  float length = 0.0f;
};
struct NodeFacts {
  std::int64_t number = 0;
  int dimensions = 3;
  Point3 coordinates;
  bool blocked = false;
};

ElementFacts elementFacts(const DrawingSource& source, std::int64_t element);
NodeFacts nodeFacts(const DrawingSource& source, std::int64_t node);

// One line for a status bar: an element's number, end nodes, kind, type
// name, area and length, or a node's coordinates.
std::string describePick(const DrawingSource& source, const Pick& pick, bool romanian);

}  // namespace zentrix::drawing
