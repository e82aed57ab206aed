#include "window_system.h"

#include "window_state.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace platform {
namespace detail {

WindowSystemState& State() {
  static WindowSystemState state;
  return state;
}

WindowRecord* Find(WindowId window) {
  if (window == 0) return nullptr;
  auto& windows = State().Windows;
  auto it = windows.find(window);
  return it == windows.end() ? nullptr : it->second.get();
}

}  // namespace detail

using detail::Find;
using detail::State;
using detail::WindowRecord;

namespace {

// ---- Geometry ----

Rect Normalised(const Rect& bounds) {
  auto side = [](int from, int to) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{to} - from, 0, kMaxWindowSide));
  };
  return Rect::Sized(bounds.Left, bounds.Top, side(bounds.Left, bounds.Right),
                     side(bounds.Top, bounds.Bottom));
}

WindowRecord* TopRecordOf(WindowRecord* record) {
  while (record && record->Parent) record = Find(record->Parent);
  return record;
}

// The window's rectangle in its top-level window's coordinates, and the part of it that
// lies inside all its ancestors.
struct Placement {
  Rect Whole;
  Rect Visible;
};

Placement PlacementOf(const WindowRecord& record) {
  if (!record.Parent) {
    Rect whole{0, 0, record.Bounds.Width(), record.Bounds.Height()};
    return {whole, whole};
  }
  const WindowRecord* parent = Find(record.Parent);
  assert(parent);
  Placement outer = PlacementOf(*parent);
  Rect whole = record.Bounds.Offset(outer.Whole.Left, outer.Whole.Top);
  return {whole, whole.Intersect(outer.Visible)};
}

bool ShowingRecord(const WindowRecord* record) {
  for (; record; record = Find(record->Parent)) {
    if (!record->Visible) return false;
    if (!record->Parent) return true;
  }
  return false;
}

bool AcceptsInputRecord(const WindowRecord* record) {
  if (!ShowingRecord(record)) return false;
  for (; record; record = Find(record->Parent)) {
    if (!record->Enabled) return false;
    if (!record->Parent) return record->BlockCount == 0;
  }
  return false;
}

void InvalidateInTop(WindowRecord& top, const Rect& area) {
  top.Dirty = top.Dirty.Union(area.Intersect(top.Backing.Bounds()));
}

// Marks the part of a showing window that lies inside its ancestors for painting.
void InvalidateShowing(WindowRecord& record) {
  if (!ShowingRecord(&record)) return;
  InvalidateInTop(*TopRecordOf(&record), PlacementOf(record).Visible);
}

// ---- Z-order ----

void PlaceOnTopOfBand(WindowId window, bool stayOnTop) {
  auto& tops = State().TopLevels;
  std::erase(tops, window);
  if (stayOnTop) {
    tops.push_back(window);
    return;
  }
  auto firstOnTop = std::find_if(tops.begin(), tops.end(), [](WindowId id) {
    WindowRecord* r = Find(id);
    return r && r->StayOnTop;
  });
  tops.insert(firstOnTop, window);
}

// ---- Activation, focus and capture ----

void NotifyActivation(WindowId window, bool active) {
  if (WindowRecord* r = Find(window); r && r->Handler) r->Handler->Activation(active);
}

void NotifyFocus(WindowId window, bool gained) {
  if (WindowRecord* r = Find(window); r && r->Handler) r->Handler->Focus(gained);
}

WindowId FocusTarget() {
  WindowRecord* active = Find(State().Active);
  if (!active) return 0;
  if (WindowRecord* focus = Find(active->Focus); focus && AcceptsInputRecord(focus)) return focus->Id;
  return active->Id;
}

void UpdateEffectiveFocus() {
  WindowId target = FocusTarget();
  WindowId old = State().EffectiveFocus;
  if (target == old) return;
  State().EffectiveFocus = target;
  NotifyFocus(old, false);
  NotifyFocus(target, true);
}

void SwitchActive(WindowId window) {
  WindowId old = State().Active;
  if (old == window) return;
  State().Active = window;
  NotifyActivation(old, false);
  NotifyActivation(window, true);
}

// The top-level window down the z-order that may become active, or 0.
WindowId NextActivatable() {
  const auto& tops = State().TopLevels;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    if (AcceptsInputRecord(Find(*it))) return *it;
  }
  return 0;
}

// Brings activation, focus and capture back in line after a window was hidden, disabled,
// blocked or destroyed: none of them may stay with a window that no longer takes input.
void Reconcile() {
  auto& state = State();
  if (state.Capture && !AcceptsInputRecord(Find(state.Capture))) ReleaseCapture();
  for (WindowId top : state.TopLevels) {
    WindowRecord* r = Find(top);
    if (r && r->Focus && !AcceptsInputRecord(Find(r->Focus))) r->Focus = 0;
  }
  if (state.Active && !AcceptsInputRecord(Find(state.Active))) {
    WindowId next = NextActivatable();
    SwitchActive(next);
  }
  UpdateEffectiveFocus();
}

// ---- Painting ----

struct PaintStep {
  WindowId Window;
  int OriginX;
  int OriginY;
  Rect Clip;
};

void CollectPaintSteps(const WindowRecord& record, int originX, int originY, const Rect& clip,
                       std::vector<PaintStep>& steps) {
  steps.push_back({record.Id, originX, originY, clip});
  for (WindowId childId : record.Children) {
    const WindowRecord* child = Find(childId);
    if (!child || !child->Visible) continue;
    Rect whole = child->Bounds.Offset(originX, originY);
    Rect childClip = whole.Intersect(clip);
    if (!childClip.Empty()) CollectPaintSteps(*child, whole.Left, whole.Top, childClip, steps);
  }
}

// Paints the pending area of one top-level window: the window colour first, then the
// window and its children from the bottom up, each clipped to its part of the area. The
// steps are gathered first, and each window is looked up again before it paints, since a
// handler may destroy windows or change the tree while it paints.
bool PaintTop(WindowId topId) {
  WindowRecord* top = Find(topId);
  if (!top || !top->Visible) return false;
  Rect area = top->Dirty.Intersect(top->Backing.Bounds());
  top->Dirty = Rect{};
  if (area.Empty()) return false;
  top->Backing.Fill(area, kWindowColour);
  std::vector<PaintStep> steps;
  CollectPaintSteps(*top, 0, 0, area, steps);
  for (const PaintStep& step : steps) {
    WindowRecord* topNow = Find(topId);
    if (!topNow) break;
    WindowRecord* window = Find(step.Window);
    if (!window || !window->Handler) continue;
    window->Handler->Paint(DrawContext{&topNow->Backing, step.OriginX, step.OriginY, step.Clip});
  }
  return true;
}

// ---- Destroying ----

void CollectSubtree(WindowId window, std::vector<WindowId>& ids) {
  WindowRecord* r = Find(window);
  if (!r) return;
  for (WindowId child : r->Children) CollectSubtree(child, ids);
  ids.push_back(window);
}

}  // namespace

// ---- Handlers ----

void WindowHandler::Paint(const DrawContext&) {}
void WindowHandler::Pointer(const PointerEvent&) {}
bool WindowHandler::Key(const KeyEvent&) { return false; }
void WindowHandler::Activation(bool) {}
void WindowHandler::Focus(bool) {}
void WindowHandler::CaptureLost() {}
void WindowHandler::CloseRequested(WindowId window) { DefaultClose(window); }
void WindowHandler::Destroyed(WindowId) {}
void WindowHandler::ListElements(std::vector<ElementInfo>&) const {}

// ---- Creating and destroying ----

WindowId CreateWindow(const WindowParams& params) {
  auto& state = State();
  if (params.Parent && !Find(params.Parent)) return 0;
  auto record = std::make_unique<WindowRecord>();
  WindowRecord& r = *record;
  r.Id = state.NextId++;
  r.Parent = params.Parent;
  r.Name = params.Name;
  r.Caption = params.Caption;
  r.Class = params.Class;
  r.Bounds = Normalised(params.Bounds);
  r.Visible = params.Visible;
  r.Enabled = params.Enabled;
  r.StayOnTop = params.StayOnTop && !params.Parent;
  r.Handler = params.Handler;
  WindowId id = r.Id;
  state.Windows.emplace(id, std::move(record));
  if (params.Parent) {
    Find(params.Parent)->Children.push_back(id);
    InvalidateShowing(r);
    return id;
  }
  bool sized = r.Backing.Resize(r.Bounds.Width(), r.Bounds.Height());
  assert(sized);  // kMaxWindowSide keeps every window within a surface's limit
  (void)sized;
  r.Dirty = r.Backing.Bounds();
  PlaceOnTopOfBand(id, r.StayOnTop);
  if (r.Visible && AcceptsInputRecord(&r)) ActivateWindow(id);
  return id;
}

void DestroyWindow(WindowId window) {
  auto& state = State();
  WindowRecord* record = Find(window);
  if (!record) return;
  InvalidateShowing(*record);
  if (record->Parent) {
    std::erase(Find(record->Parent)->Children, window);
  } else {
    std::erase(state.TopLevels, window);
  }
  std::vector<WindowId> ids;
  CollectSubtree(window, ids);
  // The records go first, the handlers hear of it last, so that whatever a handler does in
  // Destroyed sees a consistent system.
  std::vector<std::pair<WindowId, WindowHandler*>> handlers;
  bool activeGone = false;
  for (WindowId id : ids) {
    detail::StopTimersOf(id);
    std::erase_if(state.Queue, [id](const detail::QueuedItem& item) { return item.Owner == id; });
    if (state.Capture == id) state.Capture = 0;
    if (state.Hover == id) state.Hover = 0;
    if (state.Active == id) {
      state.Active = 0;  // the window that goes hears no deactivation
      activeGone = true;
    }
    auto it = state.Windows.find(id);
    if (it->second->Handler) handlers.emplace_back(id, it->second->Handler);
    state.Windows.erase(it);
  }
  Reconcile();
  if (activeGone) {
    SwitchActive(NextActivatable());
    UpdateEffectiveFocus();
  }
  for (auto [id, handler] : handlers) handler->Destroyed(id);
}

bool WindowExists(WindowId window) { return Find(window) != nullptr; }

// ---- Properties ----

void SetName(WindowId window, std::string_view name) {
  if (WindowRecord* r = Find(window)) r->Name = name;
}

void SetCaption(WindowId window, std::string_view caption) {
  if (WindowRecord* r = Find(window)) r->Caption = caption;
}

std::string Name(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Name : std::string();
}

std::string Caption(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Caption : std::string();
}

std::string ClassName(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Class : std::string();
}

WindowId Parent(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Parent : 0;
}

WindowId TopLevelOf(WindowId window) {
  WindowRecord* top = TopRecordOf(Find(window));
  return top ? top->Id : 0;
}

std::vector<WindowId> Children(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Children : std::vector<WindowId>{};
}

// ---- Position and size ----

void SetBounds(WindowId window, const Rect& bounds) {
  WindowRecord* r = Find(window);
  if (!r) return;
  Rect next = Normalised(bounds);
  if (next == r->Bounds) return;
  if (r->Parent) {
    InvalidateShowing(*r);
    r->Bounds = next;
    InvalidateShowing(*r);
    return;
  }
  bool resized = next.Width() != r->Bounds.Width() || next.Height() != r->Bounds.Height();
  r->Bounds = next;
  if (resized) {
    bool sized = r->Backing.Resize(next.Width(), next.Height());
    assert(sized);
    (void)sized;
    r->Dirty = r->Backing.Bounds();
  }
}

Rect Bounds(WindowId window) {
  WindowRecord* r = Find(window);
  return r ? r->Bounds : Rect{};
}

Rect ScreenRect(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r) return Rect{};
  WindowRecord* top = TopRecordOf(r);
  return PlacementOf(*r).Whole.Offset(top->Bounds.Left, top->Bounds.Top);
}

void ClientToScreen(WindowId window, int& x, int& y) {
  Rect screen = ScreenRect(window);
  x += screen.Left;
  y += screen.Top;
}

void ScreenToClient(WindowId window, int& x, int& y) {
  Rect screen = ScreenRect(window);
  x -= screen.Left;
  y -= screen.Top;
}

// ---- Visibility and enabling ----

void SetVisible(WindowId window, bool visible) {
  WindowRecord* r = Find(window);
  if (!r || r->Visible == visible) return;
  if (r->Parent) {
    InvalidateShowing(*r);
    r->Visible = visible;
    InvalidateShowing(*r);
    Reconcile();
    return;
  }
  r->Visible = visible;
  if (visible) {
    r->Dirty = r->Backing.Bounds();
    if (AcceptsInputRecord(r)) ActivateWindow(window);
    return;
  }
  Reconcile();
}

bool IsVisible(WindowId window) {
  WindowRecord* r = Find(window);
  return r && r->Visible;
}

bool IsShowing(WindowId window) { return ShowingRecord(Find(window)); }

void SetEnabled(WindowId window, bool enabled) {
  WindowRecord* r = Find(window);
  if (!r || r->Enabled == enabled) return;
  r->Enabled = enabled;
  Reconcile();
}

bool IsEnabled(WindowId window) {
  WindowRecord* r = Find(window);
  return r && r->Enabled && r->BlockCount == 0;
}

bool AcceptsInput(WindowId window) { return AcceptsInputRecord(Find(window)); }

// ---- Z-order and activation ----

void BringToFront(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r) return;
  if (!r->Parent) {
    PlaceOnTopOfBand(window, r->StayOnTop);
    return;
  }
  auto& siblings = Find(r->Parent)->Children;
  std::erase(siblings, window);
  siblings.push_back(window);
  InvalidateShowing(*r);
}

void SendToBack(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r) return;
  if (!r->Parent) {
    auto& tops = State().TopLevels;
    std::erase(tops, window);
    auto firstOnTop = std::find_if(tops.begin(), tops.end(), [](WindowId id) {
      WindowRecord* t = Find(id);
      return t && t->StayOnTop;
    });
    tops.insert(r->StayOnTop ? firstOnTop : tops.begin(), window);
    return;
  }
  auto& siblings = Find(r->Parent)->Children;
  std::erase(siblings, window);
  siblings.insert(siblings.begin(), window);
  InvalidateShowing(*r);
}

void SetStayOnTop(WindowId window, bool stayOnTop) {
  WindowRecord* r = Find(window);
  if (!r || r->Parent || r->StayOnTop == stayOnTop) return;
  r->StayOnTop = stayOnTop;
  PlaceOnTopOfBand(window, stayOnTop);
}

std::vector<WindowId> TopLevelWindows() {
  const auto& tops = State().TopLevels;
  return std::vector<WindowId>(tops.rbegin(), tops.rend());
}

WindowId WindowAt(int x, int y) {
  const auto& tops = State().TopLevels;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    WindowRecord* r = Find(*it);
    if (!r || !r->Visible || !r->Bounds.Contains(x, y)) continue;
    int localX = x - r->Bounds.Left, localY = y - r->Bounds.Top;
    for (bool deeper = true; deeper;) {
      deeper = false;
      for (auto child = r->Children.rbegin(); child != r->Children.rend(); ++child) {
        WindowRecord* c = Find(*child);
        if (c && c->Visible && c->Bounds.Contains(localX, localY)) {
          localX -= c->Bounds.Left;
          localY -= c->Bounds.Top;
          r = c;
          deeper = true;
          break;
        }
      }
    }
    return r->Id;
  }
  return 0;
}

bool ActivateWindow(WindowId window) {
  WindowRecord* top = TopRecordOf(Find(window));
  if (!top || !AcceptsInputRecord(top)) return false;
  PlaceOnTopOfBand(top->Id, top->StayOnTop);
  SwitchActive(top->Id);
  UpdateEffectiveFocus();
  return true;
}

WindowId ActiveWindow() { return State().Active; }

// ---- Focus and capture ----

bool SetFocus(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r || !AcceptsInputRecord(r)) return false;
  WindowRecord* top = TopRecordOf(r);
  if (State().Active != top->Id && !ActivateWindow(top->Id)) return false;
  if (WindowRecord* topNow = Find(TopLevelOf(window))) topNow->Focus = window;
  UpdateEffectiveFocus();
  return true;
}

WindowId FocusedWindow() { return FocusTarget(); }

bool SetCapture(WindowId window) {
  if (!AcceptsInputRecord(Find(window))) return false;
  WindowId old = State().Capture;
  State().Capture = window;
  if (old != window) {
    if (WindowRecord* r = Find(old); r && r->Handler) r->Handler->CaptureLost();
  }
  return true;
}

void ReleaseCapture() {
  WindowId old = State().Capture;
  State().Capture = 0;
  if (WindowRecord* r = Find(old); r && r->Handler) r->Handler->CaptureLost();
}

WindowId CaptureWindow() { return State().Capture; }

// ---- Painting ----

void Invalidate(WindowId window) {
  if (WindowRecord* r = Find(window)) InvalidateShowing(*r);
}

void Invalidate(WindowId window, const Rect& area) {
  WindowRecord* r = Find(window);
  if (!r || !ShowingRecord(r)) return;
  Placement placement = PlacementOf(*r);
  InvalidateInTop(*TopRecordOf(r),
                  area.Offset(placement.Whole.Left, placement.Whole.Top).Intersect(placement.Visible));
}

void UpdateWindow(WindowId window) { PaintTop(TopLevelOf(window)); }

void RefreshWindow(WindowId window) {
  Invalidate(window);
  UpdateWindow(window);
}

DrawContext DirectDraw(WindowId window) {
  if (!IsShowing(window)) return DrawContext{};
  UpdateWindow(window);
  WindowRecord* r = Find(window);  // painting may have changed the tree
  if (!r || !ShowingRecord(r)) return DrawContext{};
  WindowRecord* top = TopRecordOf(r);
  Placement placement = PlacementOf(*r);
  return DrawContext{&top->Backing, placement.Whole.Left, placement.Whole.Top,
                     placement.Visible.Intersect(top->Backing.Bounds())};
}

// ---- Modal showing ----

namespace {

// Undoes a modal show's blocking on every way out of ShowModal, a failure in a handler
// included, so that no window stays blocked and no frame outlives its loop.
class ModalScope {
 public:
  explicit ModalScope(detail::ModalFrame& frame) : frame_(frame) {
    // A window that an outer loop blocks takes input while it is the modal one itself.
    WindowRecord* self = Find(frame.Window);
    outerBlocks_ = std::exchange(self->BlockCount, 0);
    for (WindowId top : State().TopLevels) {
      WindowRecord* r = Find(top);
      if (top == frame.Window || !r->Visible) continue;
      ++r->BlockCount;
      frame.Blocked.push_back(top);
    }
    State().Modals.push_back(&frame);
  }
  ~ModalScope() {
    std::erase(State().Modals, &frame_);
    for (WindowId id : frame_.Blocked) {
      if (WindowRecord* r = Find(id)) {
        assert(r->BlockCount > 0);
        --r->BlockCount;
      }
    }
    if (WindowRecord* self = Find(frame_.Window)) self->BlockCount = outerBlocks_;
    if (WindowRecord* previous = Find(frame_.PreviousActive); previous && previous->Id != frame_.Window) {
      ActivateWindow(previous->Id);
    }
    SetVisible(frame_.Window, false);
    Reconcile();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  detail::ModalFrame& frame_;
  int outerBlocks_ = 0;
};

detail::ModalFrame* FrameOf(WindowId window) {
  auto& modals = State().Modals;
  for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
    if ((*it)->Window == window) return *it;
  }
  return nullptr;
}

}  // namespace

int ShowModal(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r || r->Parent || FrameOf(window)) return kModalAborted;
  detail::ModalFrame frame;
  frame.Window = window;
  frame.PreviousActive = State().Active;
  ReleaseCapture();
  {
    ModalScope scope(frame);
    Reconcile();
    SetVisible(window, true);
    ActivateWindow(window);
    RunUntil([&] { return frame.Ended || !Find(window); });
  }
  return frame.Ended ? frame.Result : kModalAborted;
}

bool EndModal(WindowId window, int result) {
  detail::ModalFrame* frame = FrameOf(window);
  if (!frame) return false;
  frame->Ended = true;
  frame->Result = result;
  return true;
}

bool IsModal(WindowId window) { return FrameOf(window) != nullptr; }

void RequestClose(WindowId window) {
  WindowRecord* r = Find(window);
  if (!r) return;
  if (r->Handler) {
    r->Handler->CloseRequested(window);
  } else {
    DefaultClose(window);
  }
}

void DefaultClose(WindowId window) {
  if (!EndModal(window, kModalCancel)) SetVisible(window, false);
}

// ---- Screen ----

void SetScreenMetrics(const ScreenMetrics& metrics) {
  ScreenMetrics m = metrics;
  m.Width = std::clamp(m.Width, 1, kMaxWindowSide);
  m.Height = std::clamp(m.Height, 1, kMaxWindowSide);
  m.BitsPerPixel = m.BitsPerPixel <= 8 ? 8 : 24;
  State().Screen = m;
}

ScreenMetrics Screen() { return State().Screen; }

// ---- Starting over ----

void ResetWindowSystem() {
  auto& state = State();
  assert(state.Modals.empty());
  while (!state.TopLevels.empty()) DestroyWindow(state.TopLevels.back());
  state.Queue.clear();
  state.Timers.clear();
  state.Capture = 0;
  state.Active = 0;
  state.EffectiveFocus = 0;
  state.Hover = 0;
  state.Screen = ScreenMetrics{};
  state.IdleWait = nullptr;
  state.PointerX = state.PointerY = 0;
}

// ---- Delivering input ----

namespace detail {

void DeliverPointer(PointerAction action, MouseButton button, int x, int y) {
  auto& state = State();
  if (action == PointerAction::Leave) return;
  state.PointerX = x;
  state.PointerY = y;
  WindowId target = state.Capture ? state.Capture : WindowAt(x, y);
  bool accepted = AcceptsInputRecord(Find(target));
  if (WindowId left = state.Hover; left != (accepted ? target : 0)) {
    state.Hover = accepted ? target : 0;
    if (WindowRecord* r = Find(left); r && r->Handler) {
      PointerEvent leave{PointerAction::Leave, MouseButton::Left, x, y, x, y};
      ScreenToClient(left, leave.X, leave.Y);
      r->Handler->Pointer(leave);
    }
  }
  if (!accepted || !Find(target)) return;
  bool press = action == PointerAction::Down || action == PointerAction::DoubleClick;
  if (press && !state.Capture && state.Active != TopLevelOf(target)) {
    ActivateWindow(target);
    if (!AcceptsInputRecord(Find(target))) return;  // activation may have changed things
  }
  PointerEvent event{action, button, x, y, x, y};
  ScreenToClient(target, event.X, event.Y);
  if (WindowRecord* r = Find(target); r && r->Handler) r->Handler->Pointer(event);
}

void DeliverKey(const KeyEvent& event) {
  WindowId target = FocusTarget();
  while (WindowRecord* r = Find(target)) {
    WindowId parent = r->Parent;
    if (AcceptsInputRecord(r) && r->Handler && r->Handler->Key(event)) return;
    target = parent;
  }
}

bool PaintAllPending() {
  bool painted = false;
  for (WindowId top : std::vector<WindowId>(State().TopLevels)) painted = PaintTop(top) || painted;
  return painted;
}

}  // namespace detail
}  // namespace platform
