#include "panel.h"

namespace toolkit {

void TPanel::Paint(PaintCanvas& canvas) {
  if (!ParentBackground) canvas.FillRect(ClientRect(), Color);
  if (BevelOuter == BevelKind::Raised) canvas.Bevel(ClientRect(), Rgb{255, 255, 255}, Rgb{128, 128, 128});
  if (BevelOuter == BevelKind::Lowered) canvas.Bevel(ClientRect(), Rgb{128, 128, 128}, Rgb{255, 255, 255});
}

std::vector<std::string> TLabel::Lines(const PaintCanvas& canvas) const {
  std::vector<std::string> paragraphs;
  std::string current;
  const std::string& text = Caption();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      paragraphs.push_back(current);
      current.clear();
    } else {
      current += text[i];
    }
  }
  paragraphs.push_back(current);
  if (!WordWrap) return paragraphs;
  std::vector<std::string> lines;
  for (const std::string& paragraph : paragraphs) {
    std::string line;
    std::size_t at = 0;
    while (at <= paragraph.size()) {
      std::size_t space = paragraph.find(' ', at);
      std::string word = paragraph.substr(at, space == std::string::npos ? std::string::npos : space - at);
      std::string tried = line.empty() ? word : line + " " + word;
      if (!line.empty() && canvas.TextWidth(tried) > Width()) {
        lines.push_back(line);
        line = word;
      } else {
        line = tried;
      }
      if (space == std::string::npos) break;
      at = space + 1;
    }
    lines.push_back(line);
  }
  return lines;
}

void TLabel::Paint(PaintCanvas& canvas) {
  if (!Transparent) canvas.FillRect(ClientRect(), Color);
  std::vector<std::string> lines = Lines(canvas);
  int lineHeight = canvas.TextHeight();
  int y = CenterVertically ? (Height() - lineHeight * static_cast<int>(lines.size())) / 2 : 0;
  for (const std::string& line : lines) {
    int width = canvas.TextWidth(line);
    int x = TextAlign == Alignment::Left ? 0 : TextAlign == Alignment::Center ? (Width() - width) / 2 : Width() - width;
    WriteLine(canvas, x, y, line);
    y += lineHeight;
  }
}

void TLabel::WriteLine(PaintCanvas& canvas, int x, int y, const std::string& line) {
  canvas.Font().Colour = EnabledInForm() ? Font.Colour : Rgb{128, 128, 128};
  canvas.TextOut(x, y, line);
}

void TLabelEffect::WriteLine(PaintCanvas& canvas, int x, int y, const std::string& line) {
  canvas.Font().Colour = HighlightColor;
  canvas.TextOut(x - EffectDepth, y - EffectDepth, line);
  canvas.Font().Colour = ShadowColor;
  canvas.TextOut(x + EffectDepth, y + EffectDepth, line);
  TLabel::WriteLine(canvas, x, y, line);
}

void TImage::Paint(PaintCanvas& canvas) {
  if (Picture.Empty()) return;
  if (Stretch) {
    Bitmap scaled(Width(), Height());
    Canvas(scaled).StretchDraw(ClientRect(), Picture);
    canvas.Draw(0, 0, scaled);
  } else if (Center) {
    canvas.Draw((Width() - Picture.Width()) / 2, (Height() - Picture.Height()) / 2, Picture);
  } else {
    canvas.Draw(0, 0, Picture);
  }
}

}  // namespace toolkit
