#include "input.h"

#include "window_state.h"

namespace platform {

// ---- Pointer ----

void InjectPointer(PointerAction action, int x, int y, MouseButton button) {
  detail::QueuedItem item;
  item.What = detail::QueuedItem::Kind::Pointer;
  item.Action = action;
  item.Button = action == PointerAction::Move ? MouseButton::Left : button;
  item.X = x;
  item.Y = y;
  detail::Enqueue(std::move(item));
}

void InjectMove(int x, int y) { InjectPointer(PointerAction::Move, x, y); }

void InjectPress(int x, int y, MouseButton button) { InjectPointer(PointerAction::Down, x, y, button); }

void InjectRelease(int x, int y, MouseButton button) { InjectPointer(PointerAction::Up, x, y, button); }

void InjectClick(int x, int y, MouseButton button) {
  InjectMove(x, y);
  InjectPress(x, y, button);
  InjectRelease(x, y, button);
}

void InjectDoubleClick(int x, int y, MouseButton button) {
  InjectClick(x, y, button);
  InjectPointer(PointerAction::DoubleClick, x, y, button);
  InjectRelease(x, y, button);
}

void PointerPosition(int& x, int& y) {
  x = detail::State().PointerX;
  y = detail::State().PointerY;
}

// ---- Keys ----

void InjectKey(const KeyEvent& event) {
  detail::QueuedItem item;
  item.What = detail::QueuedItem::Kind::Key;
  item.Key = event;
  detail::Enqueue(std::move(item));
}

void InjectKeyStroke(int key, std::uint8_t modifiers, char character) {
  if (character == 0) {
    switch (key) {
      case keys::Back:
      case keys::Tab:
      case keys::Return:
      case keys::Escape:
      case keys::Space:
        character = static_cast<char>(key);
        break;
      default:
        break;
    }
  }
  InjectKey(KeyEvent{KeyAction::Down, key, 0, modifiers});
  if (character != 0) InjectKey(KeyEvent{KeyAction::Char, key, character, modifiers});
  InjectKey(KeyEvent{KeyAction::Up, key, 0, modifiers});
}

void InjectText(std::string_view text) {
  for (char c : text) InjectKey(KeyEvent{KeyAction::Char, 0, c, 0});
}

}  // namespace platform
