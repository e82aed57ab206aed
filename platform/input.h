// Input injection: pointer events by screen position and key events, as a person at the
// screen would give them. Everything injected is queued (message_queue.h) and reaches the
// windows when the loop delivers it, so input injected from a task inside a modal loop
// reaches the modal window.
#pragma once

#include "window_system.h"

#include <string_view>

namespace platform {

// ---- Pointer ----

// A pointer event at a screen position. When delivered it goes to the window that holds the
// capture, else to the deepest showing window at that position; it is dropped when that
// window does not accept input. A press activates the window's top-level window first.
void InjectPointer(PointerAction action, int x, int y, MouseButton button = MouseButton::Left);
void InjectMove(int x, int y);
void InjectPress(int x, int y, MouseButton button = MouseButton::Left);
void InjectRelease(int x, int y, MouseButton button = MouseButton::Left);
// Move, press and release at one position.
void InjectClick(int x, int y, MouseButton button = MouseButton::Left);
// Move, press, release, double click and release at one position.
void InjectDoubleClick(int x, int y, MouseButton button = MouseButton::Left);
// Where the last injected pointer event happened.
void PointerPosition(int& x, int& y);

// ---- Keys ----

// A key event, delivered to the focused window (window_system.h) and passed on to its
// parents while they decline it.
void InjectKey(const KeyEvent& event);
// A key going down, the character it types (Return, Escape, Back, Tab and Space type one;
// `character` overrides), and the key going up.
void InjectKeyStroke(int key, std::uint8_t modifiers = 0, char character = 0);
// One character event per byte of `text`.
void InjectText(std::string_view text);

}  // namespace platform
