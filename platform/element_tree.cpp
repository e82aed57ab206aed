#include "element_tree.h"

#include "input.h"
#include "window_state.h"

namespace platform {
namespace {

void AddWindow(WindowId window, const std::string& form, int parent, std::vector<Element>& elements) {
  const detail::WindowRecord* record = detail::Find(window);
  if (!record) return;
  Element self;
  self.Name = record->Name;
  self.Caption = record->Caption;
  self.Class = record->Class;
  self.ScreenRect = ScreenRect(window);
  self.Visible = record->Visible;
  self.Showing = IsShowing(window);
  self.Enabled = IsEnabled(window);
  self.Windowed = true;
  self.Window = window;
  self.Form = form;
  self.Parent = parent;
  int index = static_cast<int>(elements.size());
  elements.push_back(self);

  std::vector<ElementInfo> drawn;
  if (record->Handler) record->Handler->ListElements(drawn);
  for (ElementInfo& info : drawn) {
    Element element;
    element.Name = std::move(info.Name);
    element.Caption = std::move(info.Caption);
    element.Class = std::move(info.Class);
    element.ScreenRect = info.Bounds.Offset(self.ScreenRect.Left, self.ScreenRect.Top);
    element.Visible = info.Visible;
    element.Showing = info.Visible && self.Showing;
    element.Enabled = info.Enabled;
    element.Window = window;
    element.Form = form;
    element.Parent = index;
    elements.push_back(std::move(element));
  }
  std::vector<WindowId> children = Children(window);
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    AddWindow(*child, form, index, elements);
  }
}

}  // namespace

std::vector<Element> ElementTree() {
  std::vector<Element> elements;
  for (WindowId top : TopLevelWindows()) AddWindow(top, Name(top), -1, elements);
  return elements;
}

std::optional<Element> FindElement(std::string_view name, std::string_view form) {
  std::optional<Element> hidden;
  for (Element& element : ElementTree()) {
    if (element.Name != name || (!form.empty() && element.Form != form)) continue;
    if (element.Showing) return std::move(element);
    if (!hidden) hidden = std::move(element);
  }
  return hidden;
}

bool ClickElement(std::string_view name, std::string_view form, MouseButton button) {
  std::optional<Element> element = FindElement(name, form);
  if (!element || !element->Showing || element->ScreenRect.Empty()) return false;
  const Rect& r = element->ScreenRect;
  InjectClick(r.Left + r.Width() / 2, r.Top + r.Height() / 2, button);
  return true;
}

}  // namespace platform
