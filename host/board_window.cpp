#include "board_window.h"

namespace host {

void BoardWindow::FormPainter::Paint(const platform::DrawContext& context) {
  context.Fill(context.ClipInWindow(), platform::Colour{32, 48, 40});
}

BoardWindow::BoardWindow(const std::string& title, int width, int height, Hooks hooks) {
  form_ = platform::CreateWindow({"MainForm", title, "TForm", platform::Rect::Sized(0, 0, width, height), 0,
                                  true, true, false, &painter_});
  platform::Rect board = platform::Rect::Sized(0, 0, width, height);
  image_ = platform::CreateImageControl({"BoardImage", form_, board, true});
  platform::PaintBoxHooks boxHooks;
  if (hooks.pointer) boxHooks.Pointer = std::move(hooks.pointer);
  if (hooks.painted) {
    auto painted = std::move(hooks.painted);
    boxHooks.Painted = [painted](const platform::DrawContext&) { painted(); };
  }
  paintBox_ = platform::CreatePaintBox({"BoardPaintBox", form_, board, true}, std::move(boxHooks));
}

BoardWindow::~BoardWindow() { platform::DestroyWindow(form_); }

}  // namespace host
