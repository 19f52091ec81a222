#include "drawing/scene.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "drawing/drawing_texts.h"
#include "model/model_texts.h"
#include "model/number_text.h"

namespace zentrix::drawing {

namespace {

constexpr float kElementWidth = 1.0f;
constexpr float kMarkedWidth = 3.0f;
constexpr float kHighlightWidth = 6.0f;
constexpr float kHighlightCoreWidth = 2.0f;
constexpr float kBlockedSize = 7.0f;
constexpr float kRingRadius = 7.0f;
constexpr float kLabelSize = 11.0f;
constexpr float kLegendSize = 12.0f;
// At most the width of a character of the legend's font.
constexpr float kLegendCharWidth = 7.5f;
constexpr float kTriadLength = 40.0f;

bool inside(const std::vector<std::int64_t>& sorted, std::int64_t number) {
  return std::binary_search(sorted.begin(), sorted.end(), number);
}

std::vector<std::int64_t> sortedCopy(std::vector<std::int64_t> numbers) {
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// Whether a segment may cross the viewport: both ends beyond one side
// means it cannot.
bool mayBeSeen(ScreenPoint a, ScreenPoint b, float width, float height) {
  if (a.x < 0.0f && b.x < 0.0f) return false;
  if (a.y < 0.0f && b.y < 0.0f) return false;
  if (a.x > width && b.x > width) return false;
  if (a.y > height && b.y > height) return false;
  return true;
}

// The shortest text that reads back as the same float, with "." in every
// locale.
std::string shortReal(float value) {
  char text[48];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string numberText(std::int64_t n) {
  return std::to_string(n);
}

// The pixels that elements of a pixel or two in length cross, with the kinds
// crossing each (bit k for kind k), drawn once all elements are gathered.
class PixelRuns {
 public:
  PixelRuns(bool used, int width, int height) : width_(width), height_(height) {
    if (used) kinds_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  }
  // True when the element from a to b was taken: it is that short.
  bool take(ScreenPoint a, ScreenPoint b, int kind) {
    if (kinds_.empty() || std::fabs(a.x - b.x) >= 2.0f || std::fabs(a.y - b.y) >= 2.0f)
      return false;
    const auto bit = static_cast<std::uint8_t>(1u << kind);
    mark(a, bit);
    mark({0.5f * (a.x + b.x), 0.5f * (a.y + b.y)}, bit);
    mark(b, bit);
    return true;
  }
  // Draws the pixels row by row, in runs of one colour; true when some
  // pixel holds several kinds.
  bool draw(const std::array<Colour, model::kKindCount + 1>& colours, Canvas& canvas) const {
    bool mixed = false;
    if (kinds_.empty()) return mixed;
    for (std::int64_t y = 0; y < height_; ++y) {
      const std::uint8_t* row = kinds_.data() + y * width_;
      for (std::int64_t x = 0; x < width_;) {
        const std::uint8_t held = row[x];
        std::int64_t end = x + 1;
        while (end < width_ && row[end] == held) ++end;
        if (held != 0) {
          const int kind = soleKind(held);
          mixed = mixed || kind < 0;
          const float middle = static_cast<float>(y) + 0.5f;
          canvas.line(0, kind < 0 ? kUnclassified : kind, {static_cast<float>(x) + 0.5f, middle},
                      {static_cast<float>(end) - 0.5f, middle},
                      kind < 0 ? mixedColour() : colours[static_cast<std::size_t>(kind)],
                      kElementWidth);
        }
        x = end;
      }
    }
    return mixed;
  }

 private:
  // The one kind of the bits, or -1 for several.
  static int soleKind(std::uint8_t bits) {
    for (int kind = 0; kind <= model::kKindCount; ++kind)
      if (bits == (1u << kind)) return kind;
    return -1;
  }
  void mark(ScreenPoint p, std::uint8_t bit) {
    if (!(p.x >= 0.0f && p.y >= 0.0f)) return;
    const auto x = static_cast<std::int64_t>(p.x);
    const auto y = static_cast<std::int64_t>(p.y);
    if (x >= width_ || y >= height_) return;
    kinds_[static_cast<std::size_t>(y * width_ + x)] |= bit;
  }

  std::int64_t width_;
  std::int64_t height_;
  std::vector<std::uint8_t> kinds_;
};

void drawElements(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                  const Camera& camera, std::int64_t stride,
                  const std::vector<std::int64_t>& marked, bool mergeTiny, Canvas& canvas,
                  DrawnCounts& counts) {
  const float width = static_cast<float>(camera.width());
  const float height = static_cast<float>(camera.height());
  PixelRuns runs(mergeTiny, camera.width(), camera.height());
  std::array<Colour, model::kKindCount + 1> colours{};
  for (int k = 0; k <= model::kKindCount; ++k) colours[static_cast<std::size_t>(k)] = kindColour(k);
  const Colour warning = findingColour();
  for (std::int64_t e = 1; e <= source.elementCount(); e += stride) {
    if (!source.drawable(e)) continue;
    const ScreenPoint a = screen[static_cast<std::size_t>(source.start(e) - 1)];
    const ScreenPoint b = screen[static_cast<std::size_t>(source.end(e) - 1)];
    if (!mayBeSeen(a, b, width, height)) continue;
    const int kind = source.kind(e);
    if (!marked.empty() && inside(marked, e)) {
      canvas.line(e, kind, a, b, warning, kMarkedWidth);
    } else {
      if (!runs.take(a, b, kind))
        canvas.line(e, kind, a, b, colours[static_cast<std::size_t>(kind)], kElementWidth);
    }
    ++counts.elements;
  }
  counts.mixedPixels = runs.draw(colours, canvas);
}

void drawNodeMarks(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                   const std::vector<std::int64_t>& markedNodes, Canvas& canvas) {
  for (const structure::NodeRange& range : source.blockedRanges())
    for (std::int64_t n = std::max<std::int64_t>(range.first, 1);
         n <= std::min(range.last, source.nodeCount()); ++n)
      canvas.square(screen[static_cast<std::size_t>(n - 1)], kBlockedSize, blockedColour());
  for (const std::int64_t n : markedNodes)
    if (n >= 1 && n <= source.nodeCount())
      canvas.ring(screen[static_cast<std::size_t>(n - 1)], kRingRadius, findingColour());
}

bool onScreen(ScreenPoint p, const Camera& camera) {
  return p.x >= 0.0f && p.y >= 0.0f && p.x <= static_cast<float>(camera.width()) &&
         p.y <= static_cast<float>(camera.height());
}

void drawNumbers(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                 const Camera& camera, Canvas& canvas) {
  std::int64_t labels = 0;
  for (std::int64_t n = 1; n <= source.nodeCount() && labels < kMaxLabels; ++n) {
    const ScreenPoint p = screen[static_cast<std::size_t>(n - 1)];
    if (!onScreen(p, camera)) continue;
    canvas.text({p.x + 4.0f, p.y - 4.0f}, numberText(n), textColour(), kLabelSize,
                TextAnchor::Start);
    ++labels;
  }
  labels = 0;
  for (std::int64_t e = 1; e <= source.elementCount() && labels < kMaxLabels; ++e) {
    if (!source.drawable(e)) continue;
    const ScreenPoint a = screen[static_cast<std::size_t>(source.start(e) - 1)];
    const ScreenPoint b = screen[static_cast<std::size_t>(source.end(e) - 1)];
    const ScreenPoint middle{0.5f * (a.x + b.x), 0.5f * (a.y + b.y)};
    if (!onScreen(middle, camera)) continue;
    canvas.text(middle, numberText(e), kindColour(source.kind(e)), kLabelSize, TextAnchor::Middle);
    ++labels;
  }
}

// The legend's lines, on a ground of its own that no element crosses.
void drawLegend(const DrawingSource& source, bool romanian, bool mixedPixels, Canvas& canvas) {
  std::vector<std::pair<std::string, Colour>> lines;
  for (int type = 1; type <= source.typeCount(); ++type)
    lines.emplace_back(legendLine(source, type, romanian), kindColour(type));
  if (mixedPixels) lines.emplace_back(model::say(texts::kMixedTypes, romanian), mixedColour());
  const bool blocked = !source.blockedRanges().empty();
  if (blocked) lines.emplace_back(model::say(texts::kBlockedNodes, romanian), blockedColour());
  if (lines.empty()) return;
  std::size_t longest = 0;
  for (const auto& line : lines) longest = std::max(longest, line.first.size());
  canvas.panel({4.0f, 4.0f},
               {46.0f + kLegendCharWidth * static_cast<float>(longest),
                10.0f + 16.0f * static_cast<float>(lines.size())},
               {0xFF, 0xFF, 0xFF});
  float y = 18.0f;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (blocked && i + 1 == lines.size())
      canvas.square({22.0f, y - 4.0f}, kBlockedSize, blockedColour());
    else
      canvas.stroke({10.0f, y - 4.0f}, {34.0f, y - 4.0f}, lines[i].second, 3.0f);
    canvas.text({40.0f, y}, lines[i].first, textColour(), kLegendSize, TextAnchor::Start);
    y += 16.0f;
  }
}

void drawHighlight(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                   const Pick& pick, Canvas& canvas) {
  if (pick.what == Pick::What::Node) {
    if (pick.number < 1 || pick.number > source.nodeCount()) return;
    const ScreenPoint at = screen[static_cast<std::size_t>(pick.number - 1)];
    canvas.ring(at, kRingRadius, highlightColour());
    canvas.ring(at, kRingRadius + 2.0f, highlightColour());
    return;
  }
  const std::int64_t e = pick.number;
  if (e < 1 || e > source.elementCount() || !source.drawable(e)) return;
  const ScreenPoint a = screen[static_cast<std::size_t>(source.start(e) - 1)];
  const ScreenPoint b = screen[static_cast<std::size_t>(source.end(e) - 1)];
  canvas.line(e, source.kind(e), a, b, highlightColour(), kHighlightWidth);
  canvas.line(e, source.kind(e), a, b, kindColour(source.kind(e)), kHighlightCoreWidth);
}

void drawTriad(const DrawingSource& source, const Camera& camera, Canvas& canvas) {
  const ScreenPoint origin{30.0f + kTriadLength * 0.2f,
                           static_cast<float>(camera.height()) - 30.0f};
  const Axes& axes = camera.axes();
  static constexpr std::array<const char*, 3> kNames{"X", "Y", "Z"};
  for (int axis = 1; axis <= source.dimensions(); ++axis) {
    const Point3 d{axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f, axis == 3 ? 1.0f : 0.0f};
    const float u = d.x * axes.right.x + d.y * axes.right.y + d.z * axes.right.z;
    const float v = d.x * axes.up.x + d.y * axes.up.y + d.z * axes.up.z;
    const ScreenPoint tip{origin.x + kTriadLength * u, origin.y - kTriadLength * v};
    canvas.stroke(origin, tip, axisColour(axis), 2.0f);
    canvas.text({tip.x + 3.0f * u, tip.y - 3.0f * v + 4.0f},
                kNames[static_cast<std::size_t>(axis - 1)], axisColour(axis), kLegendSize,
                TextAnchor::Middle);
  }
}

float distanceToSegment(ScreenPoint p, ScreenPoint a, ScreenPoint b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float lengthSquared = dx * dx + dy * dy;
  float t = 0.0f;
  if (lengthSquared > 0.0f)
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0f, 1.0f);
  const float cx = a.x + t * dx - p.x;
  const float cy = a.y + t * dy - p.y;
  return std::sqrt(cx * cx + cy * cy);
}

}  // namespace

Colour kindColour(int kind) {
  switch (kind) {
    case 1:
      return {0x00, 0x72, 0xB2};  // blue
    case 2:
      return {0xE6, 0x9F, 0x00};  // orange
    case 3:
      return {0x00, 0x9E, 0x73};  // bluish green
    case 4:
      return {0xCC, 0x79, 0xA7};  // reddish purple
    default:
      return {0x55, 0x55, 0x55};
  }
}
Colour blockedColour() {
  return {0x00, 0x00, 0x00};
}
Colour findingColour() {
  return {0xD5, 0x5E, 0x00};  // vermillion
}
Colour mixedColour() {
  return {0xA0, 0xA0, 0xA0};
}
Colour highlightColour() {
  return {0x00, 0x00, 0x00};
}
Colour textColour() {
  return {0x20, 0x20, 0x20};
}
Colour axisColour(int axis) {
  return axis == 1 ? Colour{0xD5, 0x5E, 0x00}
                   : (axis == 2 ? Colour{0x00, 0x9E, 0x73} : Colour{0x00, 0x72, 0xB2});
}

std::string hexColour(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

std::string legendLine(const DrawingSource& source, int type, bool romanian) {
  std::string name(model::trimRight(source.typeName(type)));
  if (name.empty())
    name = model::say(model::texts::kKindNames.at(static_cast<std::size_t>(type - 1)), romanian);
  return model::say(texts::kLegendLine, romanian, {name, shortReal(source.typeArea(type))});
}

DrawnCounts draw(const DrawingSource& source, const Camera& camera, const DrawOptions& options,
                 const std::vector<ScreenPoint>& screen, Canvas& canvas) {
  DrawnCounts counts;
  canvas.background({0xFF, 0xFF, 0xFF});
  if (options.elementBudget > 0 && source.elementCount() > options.elementBudget)
    counts.elementStride =
        (source.elementCount() + options.elementBudget - 1) / options.elementBudget;
  drawElements(source, screen, camera, counts.elementStride, sortedCopy(options.marks.elements),
               options.mergeTinyElements, canvas, counts);
  drawNodeMarks(source, screen, options.marks.nodes, canvas);
  if (options.highlight) drawHighlight(source, screen, *options.highlight, canvas);
  if (options.numbers) drawNumbers(source, screen, camera, canvas);
  if (options.legend) drawLegend(source, options.romanian, counts.mixedPixels, canvas);
  if (options.triad) drawTriad(source, camera, canvas);
  return counts;
}

std::optional<Pick> pickAt(const DrawingSource& source, const std::vector<ScreenPoint>& screen,
                           ScreenPoint at, float radius) {
  std::optional<Pick> best;
  float bestDistance = radius;
  for (std::int64_t n = 1; n <= source.nodeCount(); ++n) {
    const ScreenPoint p = screen[static_cast<std::size_t>(n - 1)];
    const float d = std::hypot(p.x - at.x, p.y - at.y);
    if (d < bestDistance || (!best && d <= bestDistance)) {
      bestDistance = d;
      best = Pick{Pick::What::Node, n};
    }
  }
  if (best) return best;
  bestDistance = radius;
  for (std::int64_t e = 1; e <= source.elementCount(); ++e) {
    if (!source.drawable(e)) continue;
    const float d = distanceToSegment(at, screen[static_cast<std::size_t>(source.start(e) - 1)],
                                      screen[static_cast<std::size_t>(source.end(e) - 1)]);
    if (d < bestDistance || (!best && d <= bestDistance)) {
      bestDistance = d;
      best = Pick{Pick::What::Element, e};
    }
  }
  return best;
}

ElementFacts elementFacts(const DrawingSource& source, std::int64_t element) {
  ElementFacts facts;
  facts.number = element;
  facts.start = source.start(element);
  facts.end = source.end(element);
  facts.kind = source.kind(element);
  if (facts.kind != kUnclassified && facts.kind <= source.typeCount()) {
    facts.typeName = std::string(model::trimLeft(model::trimRight(source.typeName(facts.kind))));
    facts.area = source.typeArea(facts.kind);
  }
  if (source.drawable(element)) {
    const Point3 a = source.node(facts.start);
    const Point3 b = source.node(facts.end);
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double dz = static_cast<double>(b.z) - a.z;
    facts.length = static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  return facts;
}

NodeFacts nodeFacts(const DrawingSource& source, std::int64_t node) {
  return {node, source.dimensions(), source.node(node), source.blocked(node)};
}

namespace {

std::string realText(float value) {
  return shortReal(value);
}

}  // namespace

std::string describePick(const DrawingSource& source, const Pick& pick, bool romanian) {
  if (pick.what == Pick::What::Node) {
    const NodeFacts facts = nodeFacts(source, pick.number);
    std::string where = "(";
    where += realText(facts.coordinates.x);
    where += ", ";
    where += realText(facts.coordinates.y);
    if (facts.dimensions == 3) {
      where += ", ";
      where += realText(facts.coordinates.z);
    }
    where += ")";
    std::string text = model::say(texts::kNodeFacts, romanian, {numberText(facts.number), where});
    if (facts.blocked) text += model::say(texts::kNodeBlocked, romanian);
    return text;
  }
  const ElementFacts facts = elementFacts(source, pick.number);
  const std::string kind =
      facts.kind == kUnclassified
          ? model::say(texts::kUnclassifiedKind, romanian)
          : model::say(model::texts::kKindNames.at(static_cast<std::size_t>(facts.kind - 1)),
                       romanian);
  return model::say(texts::kElementFacts, romanian,
                    {numberText(facts.number), numberText(facts.start), numberText(facts.end), kind,
                     facts.typeName, realText(facts.area), realText(facts.length)});
}

}  // namespace zentrix::drawing
