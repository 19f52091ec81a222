#include "drawing/svg_picture.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "files/text_file_output.h"
#include "model/number_text.h"

namespace zentrix::drawing {

namespace {

void appendFixed(std::string& out, float value) {
  char text[48];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  out.append(text, result.ptr);
}

void appendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control characters are not allowed in XML 1.0 text.
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
  }
}

class SvgCanvas final : public Canvas {
 public:
  SvgCanvas(std::string& out, int width, int height) : out_(out) {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    out_ += std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
            std::to_string(width) + " " + std::to_string(height) + "\">\n";
  }
  void finish() { out_ += "</svg>\n"; }

  void background(Colour colour) override {
    out_ += "<rect x=\"0\" y=\"0\" width=\"100%\" height=\"100%\" fill=\"" + hexColour(colour) +
            "\"/>\n";
  }
  void line(std::int64_t, int kind, ScreenPoint a, ScreenPoint b, Colour colour,
            float width) override {
    out_ += "<line class=\"element kind";
    out_ += static_cast<char>('0' + kind);
    out_ += "\"";
    points(a, b);
    out_ += " stroke=\"" + hexColour(colour) + "\" stroke-width=\"";
    appendFixed(out_, width);
    out_ += "\"/>\n";
  }
  void square(ScreenPoint centre, float size, Colour colour) override {
    put("<rect class=\"blocked\" x=\"", centre.x - 0.5f * size);
    put("\" y=\"", centre.y - 0.5f * size);
    put("\" width=\"", size);
    put("\" height=\"", size);
    out_ += "\" fill=\"" + hexColour(colour) + "\"/>\n";
  }
  void panel(ScreenPoint topLeft, ScreenPoint bottomRight, Colour colour) override {
    put("<rect class=\"legend\" x=\"", topLeft.x);
    put("\" y=\"", topLeft.y);
    put("\" width=\"", bottomRight.x - topLeft.x);
    put("\" height=\"", bottomRight.y - topLeft.y);
    out_ += "\" fill=\"" + hexColour(colour) + "\"/>\n";
  }
  void ring(ScreenPoint centre, float radius, Colour colour) override {
    put("<circle class=\"finding\" cx=\"", centre.x);
    put("\" cy=\"", centre.y);
    put("\" r=\"", radius);
    out_ += "\" fill=\"none\" stroke=\"" + hexColour(colour) + "\" stroke-width=\"2.00\"/>\n";
  }
  void stroke(ScreenPoint a, ScreenPoint b, Colour colour, float width) override {
    put("<path class=\"key\" d=\"M ", a.x);
    put(" ", a.y);
    put(" L ", b.x);
    put(" ", b.y);
    out_ += "\" stroke=\"" + hexColour(colour) + "\" stroke-width=\"";
    appendFixed(out_, width);
    out_ += "\"/>\n";
  }
  void text(ScreenPoint at, std::string_view text, Colour colour, float size,
            TextAnchor anchor) override {
    put("<text x=\"", at.x);
    put("\" y=\"", at.y);
    put("\" font-family=\"sans-serif\" font-size=\"", size);
    out_ += "\" fill=\"" + hexColour(colour) + "\"";
    if (anchor == TextAnchor::Middle) out_ += " text-anchor=\"middle\"";
    out_ += ">";
    appendEscaped(out_, text);
    out_ += "</text>\n";
  }

 private:
  // Appends `text`, then `value` as the picture writes every number.
  void put(std::string_view text, float value) {
    out_ += text;
    appendFixed(out_, value);
  }
  void points(ScreenPoint a, ScreenPoint b) {
    put(" x1=\"", a.x);
    put("\" y1=\"", a.y);
    put("\" x2=\"", b.x);
    put("\" y2=\"", b.y);
    out_ += "\"";
  }

  std::string& out_;
};

}  // namespace

std::string svgPicture(const DrawingSource& source, const Camera& camera,
                       const DrawOptions& options) {
  std::string out;
  SvgCanvas canvas(out, camera.width(), camera.height());
  if (!source.title().empty()) {
    out += "<title>";
    appendEscaped(out, model::trimRight(source.title()));
    out += "</title>\n";
  }
  std::vector<ScreenPoint> screen;
  projectNodes(source, camera, screen);
  DrawOptions everyElement = options;
  everyElement.mergeTinyElements = false;
  draw(source, camera, everyElement, screen, canvas);
  canvas.finish();
  return out;
}

model::Outcome writeSvgPicture(const DrawingSource& source, const Camera& camera,
                               const DrawOptions& options, const std::string& path) {
  const std::string picture = svgPicture(source, camera, options);
  files::TextFileOutput out(path, options.romanian);
  if (out.open()) out.writeBlock(picture.data(), picture.size());
  return out.finish();
}

}  // namespace zentrix::drawing
