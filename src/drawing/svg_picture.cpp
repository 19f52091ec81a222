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
    out_ += "<rect class=\"blocked\" x=\"";
    appendFixed(out_, centre.x - 0.5f * size);
    out_ += "\" y=\"";
    appendFixed(out_, centre.y - 0.5f * size);
    out_ += "\" width=\"";
    appendFixed(out_, size);
    out_ += "\" height=\"";
    appendFixed(out_, size);
    out_ += "\" fill=\"" + hexColour(colour) + "\"/>\n";
  }
  void ring(ScreenPoint centre, float radius, Colour colour) override {
    out_ += "<circle class=\"finding\" cx=\"";
    appendFixed(out_, centre.x);
    out_ += "\" cy=\"";
    appendFixed(out_, centre.y);
    out_ += "\" r=\"";
    appendFixed(out_, radius);
    out_ += "\" fill=\"none\" stroke=\"" + hexColour(colour) + "\" stroke-width=\"2.00\"/>\n";
  }
  void stroke(ScreenPoint a, ScreenPoint b, Colour colour, float width) override {
    out_ += "<path class=\"key\" d=\"M ";
    appendFixed(out_, a.x);
    out_ += ' ';
    appendFixed(out_, a.y);
    out_ += " L ";
    appendFixed(out_, b.x);
    out_ += ' ';
    appendFixed(out_, b.y);
    out_ += "\" stroke=\"" + hexColour(colour) + "\" stroke-width=\"";
    appendFixed(out_, width);
    out_ += "\"/>\n";
  }
  void text(ScreenPoint at, std::string_view text, Colour colour, float size,
            TextAnchor anchor) override {
    out_ += "<text x=\"";
    appendFixed(out_, at.x);
    out_ += "\" y=\"";
    appendFixed(out_, at.y);
    out_ += "\" font-family=\"sans-serif\" font-size=\"";
    appendFixed(out_, size);
    out_ += "\" fill=\"" + hexColour(colour) + "\"";
    if (anchor == TextAnchor::Middle) out_ += " text-anchor=\"middle\"";
    out_ += ">";
    appendEscaped(out_, text);
    out_ += "</text>\n";
  }

 private:
  void points(ScreenPoint a, ScreenPoint b) {
    out_ += " x1=\"";
    appendFixed(out_, a.x);
    out_ += "\" y1=\"";
    appendFixed(out_, a.y);
    out_ += "\" x2=\"";
    appendFixed(out_, b.x);
    out_ += "\" y2=\"";
    appendFixed(out_, b.y);
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
