#include "edit.h"

#include "font.h"

#include <window_system.h>

#include <algorithm>

namespace toolkit {
namespace {

constexpr int kTextLeft = 3;

bool IsWordByte(char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; }

}  // namespace

void TEdit::SetText(std::string_view text) {
  if (text == Caption()) return;
  SetCaption(text);
  caret_ = anchor_ = Caption().size();
  if (OnChange) OnChange(*this);
}

void TEdit::SetSelection(std::size_t start, std::size_t length) {
  std::size_t size = Text().size();
  anchor_ = std::min(start, size);
  caret_ = std::min(anchor_ + std::min(length, size - anchor_), size);
  Invalidate();
}

void TEdit::PaintBackground(PaintCanvas& canvas) {
  canvas.FillRect(ClientRect(), Color);
  canvas.Bevel(ClientRect(), Rgb{128, 128, 128}, Rgb{255, 255, 255});
}

void TEdit::Paint(PaintCanvas& canvas) {
  PaintBackground(canvas);
  canvas.Font().Colour = TextColour();
  const auto [selectedText, selectedBack] = SelectionColours();
  const std::size_t selFrom = SelStart(), selTo = SelStart() + SelLength();
  int lineHeight = canvas.TextHeight();
  int y = FirstLineY(lineHeight);
  std::size_t start = 0;
  const std::string& text = Text();
  int caretX = kTextLeft, caretY = y;
  while (true) {
    std::size_t end = Multiline ? text.find('\n', start) : std::string::npos;
    std::size_t lineEnd = end == std::string::npos ? text.size() : end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    std::string_view line(text.data() + start, lineEnd - start);
    canvas.TextOut(kTextLeft, y, line);
    // The selected part of this line, drawn again over its own background.
    std::size_t from = std::clamp(selFrom, start, lineEnd), to = std::clamp(selTo, start, lineEnd);
    if (from < to) {
      int left = kTextLeft + canvas.TextWidth(line.substr(0, from - start));
      int width = canvas.TextWidth(line.substr(from - start, to - from));
      canvas.FillRect(Rect::Sized(left, y, width, lineHeight), selectedBack);
      canvas.Font().Colour = selectedText;
      canvas.TextOut(left, y, line.substr(from - start, to - from));
      canvas.Font().Colour = TextColour();
    }
    if (caret_ >= start && (end == std::string::npos || caret_ <= end)) {
      caretX = kTextLeft + canvas.TextWidth(text.substr(start, std::min(caret_, lineEnd) - start));
      caretY = y;
    }
    if (end == std::string::npos) break;
    start = end + 1;
    y += lineHeight;
  }
  if (focused_ && !ReadOnly) canvas.FillRect(Rect::Sized(caretX, caretY, 1, lineHeight), TextColour());
}

std::size_t TEdit::PositionAt(int x, int y) const {
  FontFace& face = FontFace::Find(Font.Name, Font.Size, Font.Bold);
  const std::string& text = Text();
  int lineHeight = std::max(1, face.Height());
  // The line under the point (memos), then the gap between characters nearest to x.
  std::size_t start = 0;
  for (int line = (y - FirstLineY(lineHeight)) / lineHeight; Multiline && line > 0; --line) {
    std::size_t next = text.find('\n', start);
    if (next == std::string::npos) break;
    start = next + 1;
  }
  std::size_t end = Multiline ? text.find('\n', start) : std::string::npos;
  std::size_t lineEnd = end == std::string::npos ? text.size() : end;
  if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
  std::size_t best = start;
  int bestDistance = std::abs(x - kTextLeft);
  for (std::size_t i = start + 1; i <= lineEnd; ++i) {
    int distance = std::abs(x - kTextLeft - face.TextWidth(std::string_view(text).substr(start, i - start)));
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

void TEdit::ReplaceSelection(std::string_view insert) {
  std::string text = Text();
  std::size_t from = SelStart();
  text.replace(from, SelLength(), insert);
  SetText(text);
  caret_ = anchor_ = from + insert.size();
  Invalidate();
}

void TEdit::MoveCaret(std::size_t position, bool extend) {
  caret_ = std::min(position, Text().size());
  if (!extend) anchor_ = caret_;
  Invalidate();
}

bool TEdit::KeyPress(char& key) {
  if (ReadOnly) return false;
  if (key == platform::keys::Back) {
    if (SelLength() == 0 && caret_ > 0) anchor_ = caret_ - 1;
    if (SelLength() > 0) ReplaceSelection({});
  } else if (key == '\r' && Multiline) {
    ReplaceSelection("\r\n");
  } else if (static_cast<unsigned char>(key) >= 32) {
    if (!Accepts(key)) return true;
    if (MaxLength && Text().size() - SelLength() >= MaxLength) return true;
    ReplaceSelection(std::string_view(&key, 1));
  } else if (key == 1) {  // Ctrl+A arrives as the character 1
    SelectAll();
  } else {
    return false;
  }
  return true;
}

bool TEdit::KeyDown(int key, std::uint8_t modifiers) {
  namespace keys = platform::keys;
  const bool extend = (modifiers & platform::ModShift) != 0;
  const std::size_t size = Text().size();
  if (key == keys::Left) {
    // Without Shift a selection collapses to its start, as in every text field.
    MoveCaret(!extend && SelLength() > 0 ? SelStart() : (caret_ > 0 ? caret_ - 1 : 0), extend);
  } else if (key == keys::Right) {
    MoveCaret(!extend && SelLength() > 0 ? SelStart() + SelLength() : caret_ + 1, extend);
  } else if (key == keys::Home) {
    MoveCaret(0, extend);
  } else if (key == keys::End) {
    MoveCaret(size, extend);
  } else if (key == keys::Delete && !ReadOnly) {
    if (SelLength() == 0 && caret_ < size) anchor_ = caret_ + 1;
    if (SelLength() > 0) ReplaceSelection({});
  } else if (key == 'A' && (modifiers & platform::ModControl)) {
    SelectAll();
  } else {
    return false;
  }
  return true;
}

void TEdit::MouseDown(MouseButton button, int x, int y) {
  TControl::MouseDown(button, x, y);
  if (button != MouseButton::Left) return;
  MoveCaret(PositionAt(x, y), false);
  selecting_ = true;
}

void TEdit::MouseMove(int x, int y) {
  if (selecting_) MoveCaret(PositionAt(x, y), true);
}

void TEdit::MouseUp(MouseButton button, int x, int y) {
  selecting_ = false;
  TControl::MouseUp(button, x, y);
}

void TEdit::DblClick(int x, int y) {
  TControl::DblClick(x, y);
  const std::string& text = Text();
  std::size_t at = PositionAt(x, y), from = at, to = at;
  while (from > 0 && IsWordByte(text[from - 1])) --from;
  while (to < text.size() && IsWordByte(text[to])) ++to;
  SetSelection(from, to - from);
}

void TEdit::FocusChanged(bool focused) {
  focused_ = focused;
  selecting_ = false;
  Invalidate();
}

}  // namespace toolkit
