#include "edit.h"

#include <window_system.h>

namespace toolkit {

void TEdit::SetText(std::string_view text) {
  if (text == Caption()) return;
  SetCaption(text);
  caret_ = Caption().size();
  if (OnChange) OnChange(*this);
}

void TEdit::PaintBackground(PaintCanvas& canvas) {
  canvas.FillRect(ClientRect(), Color);
  canvas.Bevel(ClientRect(), Rgb{128, 128, 128}, Rgb{255, 255, 255});
}

void TEdit::Paint(PaintCanvas& canvas) {
  PaintBackground(canvas);
  canvas.Font().Colour = TextColour();
  int lineHeight = canvas.TextHeight();
  int x = 3;
  int y = Multiline ? 2 : (Height() - lineHeight) / 2;
  std::size_t start = 0;
  const std::string& text = Text();
  int caretX = x, caretY = y;
  while (true) {
    std::size_t end = Multiline ? text.find('\n', start) : std::string::npos;
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    canvas.TextOut(x, y, line);
    if (caret_ >= start && (end == std::string::npos || caret_ <= end)) {
      caretX = x + canvas.TextWidth(text.substr(start, caret_ - start));
      caretY = y;
    }
    if (end == std::string::npos) break;
    start = end + 1;
    y += lineHeight;
  }
  if (focused_ && !ReadOnly) canvas.FillRect(Rect::Sized(caretX, caretY, 1, lineHeight), TextColour());
}

bool TEdit::KeyPress(char& key) {
  if (ReadOnly) return false;
  std::string text = Text();
  if (key == platform::keys::Back) {
    if (caret_ > 0 && caret_ <= text.size()) {
      text.erase(caret_ - 1, 1);
      --caret_;
    }
  } else if (key == '\r' && Multiline) {
    text.insert(caret_, "\r\n");
    caret_ += 2;
  } else if (static_cast<unsigned char>(key) >= 32) {
    if (!Accepts(key)) return true;
    if (MaxLength && text.size() >= MaxLength) return true;
    text.insert(caret_, 1, key);
    ++caret_;
  } else {
    return false;
  }
  std::size_t caret = caret_;
  SetText(text);
  caret_ = caret;
  Invalidate();
  return true;
}

bool TEdit::KeyDown(int key, std::uint8_t) {
  namespace keys = platform::keys;
  std::size_t size = Text().size();
  if (key == keys::Left && caret_ > 0) --caret_;
  else if (key == keys::Right && caret_ < size) ++caret_;
  else if (key == keys::Home) caret_ = 0;
  else if (key == keys::End) caret_ = size;
  else return false;
  Invalidate();
  return true;
}

void TEdit::FocusChanged(bool focused) {
  focused_ = focused;
  Invalidate();
}

}  // namespace toolkit
