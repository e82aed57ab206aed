// The element tree: every control of every form, windowed or not, with what a person would
// see of it, so that a host or a test can find a control by name and click it.
#pragma once

#include "surface.h"
#include "window_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ---- Elements ----

// Element is one control as the tree reports it: its name, caption and class, its rectangle
// on the screen, its own Visible flag and whether it is Showing (visible with everything it
// lies in), whether it is enabled (for windows as IsEnabled answers), whether it has a window
// of its own, the window that is it or that reports it, the name of its top-level window
// (Form), and the index in the list of the element it lies in (-1 for top-level windows).
struct Element {
  std::string Name;
  std::string Caption;
  std::string Class;
  Rect ScreenRect;
  bool Visible = false;
  bool Showing = false;
  bool Enabled = false;
  bool Windowed = false;
  WindowId Window = 0;
  std::string Form;
  int Parent = -1;
};

// Every element: top-level windows from the front to the back, each followed depth-first by
// the controls its window reports (ListElements) and then by its child windows, front to
// back, each with its own subtree.
std::vector<Element> ElementTree();

// ---- Finding and clicking ----

// The first element named `name` (in `form` when given) that is showing, else the first one
// at all; nothing when there is none. Names compare exactly.
std::optional<Element> FindElement(std::string_view name, std::string_view form = {});
// Injects a click at the centre of the showing element named `name`; false (and nothing
// injected) when there is none. Delivered by the loop like all input (input.h).
bool ClickElement(std::string_view name, std::string_view form = {},
                  MouseButton button = MouseButton::Left);

}  // namespace platform
