// The window system: top-level and child windows on a screen of configurable size, their
// z-order, activation, focus and pointer capture, painting through invalidation, and modal
// showing over the process's one message queue (message_queue.h).
//
// A window is named by a WindowId, a number that is never reused within the process, so a
// stale id is simply unknown: every call that gets one does nothing (or answers "none")
// rather than touching freed memory. Child windows lie inside their parent and are
// positioned relative to its top-left corner; top-level windows are positioned on the screen.
// A window has no frame of its own: its whole rectangle is client area (dialogs draw their
// own caption bars). Each top-level window keeps a backing surface of its size into which it
// and its children paint; the compositor (compositor.h) puts those onto the screen.
//
// Everything runs on the one user-interface thread. Handlers may call back into the window
// system from any event, including destroying their own window or running a modal loop.
#pragma once

#include "surface.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ---- Ids and events ----

// WindowId names a window; 0 is "no window".
using WindowId = std::uint32_t;

// The pointer buttons, numbered as the plug-ins' pointer exports number them.
enum class MouseButton : std::uint8_t { Left = 0, Right = 1, Middle = 2 };

// What the pointer did. A double click arrives in place of the second press, as
//   Down, Up, DoubleClick, Up.
// Leave tells the window that last had the pointer that the pointer went on to another
// window, or to none (for hover looks and hints); it never comes while a capture holds it,
// and the window system sends it itself (injecting it does nothing).
enum class PointerAction : std::uint8_t { Down, Move, Up, DoubleClick, Leave };

// PointerEvent holds one pointer event as the receiving window sees it: its position in the
// window's own coordinates (outside the window while the window holds the capture) and on
// the screen, and the button that went down or up (Left for moves).
struct PointerEvent {
  PointerAction Action = PointerAction::Move;
  MouseButton Button = MouseButton::Left;
  int X = 0;
  int Y = 0;
  int ScreenX = 0;
  int ScreenY = 0;
};

// Key codes of the keys a dialog cares about, numbered like the virtual-key codes the
// plug-ins were written for; letters and digits are their upper-case character codes.
namespace keys {
inline constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32, PageUp = 33,
                     PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
                     Down = 40, Delete = 46;
}  // namespace keys

// Modifier bits of a key event.
enum KeyModifier : std::uint8_t { ModShift = 1, ModControl = 2, ModAlt = 4 };

// KeyEvent holds one keyboard event: a key going down or up (Key is its code), or a
// character typed (Char, a byte of the ANSI code page; Return gives 13, Escape 27, Back 8).
enum class KeyAction : std::uint8_t { Down, Char, Up };
struct KeyEvent {
  KeyAction Action = KeyAction::Down;
  int Key = 0;
  char Char = 0;
  std::uint8_t Modifiers = 0;
};

// ElementInfo is one control that a window draws itself instead of giving it a window of
// its own (a label, an image, a skinned button): what a handler reports through
// ListElements so that the element tree (element_tree.h) lists it. The rectangle is in the
// reporting window's own coordinates.
struct ElementInfo {
  std::string Name;
  std::string Caption;
  std::string Class;
  Rect Bounds;
  bool Visible = true;
  bool Enabled = true;
};

// ---- Handlers ----

// WindowHandler receives the events of one window; the toolkit implements it for its forms
// and windowed controls. The window system does not own it: destroy the window before the
// handler (Destroyed is the last call a handler gets). Every method but CloseRequested does
// nothing by default.
//
// - Paint: draw the part `context` clips to. Top-level windows find that part filled with
//   the window colour first; a child that draws nothing is transparent.
// - Pointer: pointer events over the window, or anywhere while it holds the capture. A
//   press on a top-level window that is not active activates it first.
// - Key: key events go to the focused window; returning false passes the event on to its
//   parent, and so on up to the top-level window.
// - Activation: a top-level window became active or stopped being active.
// - Focus: the window gained or lost the keyboard focus.
// - CaptureLost: the pointer capture ended (released, taken by another window, or cancelled
//   by a modal show), so a pressed look must go.
// - CloseRequested: someone asked the window to close (RequestClose); the default ends the
//   window's modal loop with kModalCancel, or hides it when it is not modal.
// - Destroyed: the window and its timers and posted tasks are gone; the handler may free
//   itself. It comes at once, inside DestroyWindow: a handler that wants to destroy its
//   own window from one of its events and then free itself should post that (Post).
// - ListElements: append the controls the window draws itself (see ElementInfo).
class WindowHandler {
 public:
  virtual ~WindowHandler() = default;
  virtual void Paint(const DrawContext& context);
  virtual void Pointer(const PointerEvent& event);
  virtual bool Key(const KeyEvent& event);
  virtual void Activation(bool active);
  virtual void Focus(bool gained);
  virtual void CaptureLost();
  virtual void CloseRequested(WindowId window);
  virtual void Destroyed(WindowId window);
  virtual void ListElements(std::vector<ElementInfo>& elements) const;
};

// ---- Creating and destroying ----

// WindowParams holds what a window is created with. Name, Caption and Class are what the
// element tree reports (the control's name, its text, its toolkit class such as "TForm").
// A window with a Parent is a child window, positioned in its parent; without one it is a
// top-level window. StayOnTop keeps a top-level window above every window without it.
struct WindowParams {
  std::string Name;
  std::string Caption;
  std::string Class;
  Rect Bounds;
  WindowId Parent = 0;
  bool Visible = false;
  bool Enabled = true;
  bool StayOnTop = false;
  WindowHandler* Handler = nullptr;
};

// Side lengths beyond this are cut to it, so a runaway size cannot exhaust memory.
inline constexpr int kMaxWindowSide = 4096;

// Creates a window at the top of its siblings; 0 when the parent is unknown. A visible
// top-level window becomes the active window.
WindowId CreateWindow(const WindowParams& params);
// Destroys the window and its children (children first), their timers and posted tasks;
// ends a modal loop running on it. Unknown ids are ignored.
void DestroyWindow(WindowId window);
bool WindowExists(WindowId window);

// ---- Properties ----

void SetName(WindowId window, std::string_view name);
void SetCaption(WindowId window, std::string_view caption);
std::string Name(WindowId window);
std::string Caption(WindowId window);
std::string ClassName(WindowId window);
WindowId Parent(WindowId window);
// The top-level window that holds the window (itself for a top-level window).
WindowId TopLevelOf(WindowId window);
// Child windows from the bottom of the z-order to the top.
std::vector<WindowId> Children(WindowId window);

// ---- Position and size ----

// Bounds are relative to the parent (to the screen for top-level windows). Moving or
// resizing repaints what the window uncovers and covers; a top-level window's backing
// surface follows its size.
void SetBounds(WindowId window, const Rect& bounds);
Rect Bounds(WindowId window);
Rect ScreenRect(WindowId window);
void ClientToScreen(WindowId window, int& x, int& y);
void ScreenToClient(WindowId window, int& x, int& y);

// ---- Visibility and enabling ----

// Showing a top-level window makes it the active window when it may take input. Hiding,
// disabling or destroying the active window activates the next top-level window down the
// z-order that is showing and may take input.
void SetVisible(WindowId window, bool visible);
bool IsVisible(WindowId window);      // its own flag
bool IsShowing(WindowId window);      // visible with all its ancestors
void SetEnabled(WindowId window, bool enabled);
// Its own flag, and for a top-level window also not blocked by a modal loop of another
// window (modal blocking never touches the flag, so a window disabled before stays so after).
bool IsEnabled(WindowId window);
// Showing, and enabled with all its ancestors: pointer and key events may reach it.
bool AcceptsInput(WindowId window);

// ---- Z-order and activation ----

// Brings the window to the top of its siblings (a top-level window to the top of its band:
// windows kept on top, or the others) or sends it to the bottom.
void BringToFront(WindowId window);
void SendToBack(WindowId window);
void SetStayOnTop(WindowId window, bool stayOnTop);
// Top-level windows from the front (top of the z-order) to the back.
std::vector<WindowId> TopLevelWindows();
// The deepest showing window at a screen position, or 0.
WindowId WindowAt(int x, int y);

// Makes a top-level window (or the top-level window of a child) the active window and
// brings it to the front; false when it is not showing or may not take input.
bool ActivateWindow(WindowId window);
WindowId ActiveWindow();

// ---- Focus and capture ----

// Gives the keyboard focus to a showing window that accepts input, activating its
// top-level window. Each top-level window remembers its focused window across activations.
bool SetFocus(WindowId window);
// The window keys go to: the active window's focused window, else the active window.
WindowId FocusedWindow();
// While a window holds the capture, every pointer event goes to it wherever the pointer is.
// Hiding, disabling or destroying it ends the capture.
bool SetCapture(WindowId window);
void ReleaseCapture();
WindowId CaptureWindow();

// ---- Painting ----

// Marks (part of) a window for painting; the area is in the window's coordinates. It is
// painted when the queue has nothing else to do, or at once by UpdateWindow.
void Invalidate(WindowId window);
void Invalidate(WindowId window, const Rect& area);
// Paints what is pending in the window's top-level window now.
void UpdateWindow(WindowId window);
// Invalidate and UpdateWindow: the window is drawn afresh, and what a transparent window
// shows comes from the windows beneath it again.
void RefreshWindow(WindowId window);
// A context for drawing straight onto the window outside a paint: the backing surface of
// its top-level window, clipped to the part of the window inside its ancestors (empty when
// not showing). Pending painting is done first, so the drawing lands on current pixels and
// stays until that area is painted again.
DrawContext DirectDraw(WindowId window);
// The colour top-level windows are filled with before they paint.
inline constexpr Colour kWindowColour{240, 240, 240};

// ---- Modal showing ----

// The result ShowModal gives when the window closes through its default close.
inline constexpr int kModalCancel = 2;
// The result ShowModal gives when the window was destroyed, or the loop ran dry (nothing
// could ever end it), before EndModal was called.
inline constexpr int kModalAborted = 0;

// Shows a top-level window and runs a nested loop over the message queue until EndModal is
// called for it or it is destroyed. Meanwhile every other top-level window that was showing
// when it started is blocked (IsEnabled answers false) while posted tasks, timers, input to
// the modal window and painting go on as usual; windows shown later are not blocked, and the
// modal window itself is freed from the blocking of an outer loop while it runs. The capture is cancelled on entry. On exit
// the blocked windows are released, the window is hidden (unless destroyed), and the window
// that was active before is activated again. Loops nest. Returns EndModal's result.
int ShowModal(WindowId window);
// Ends the modal loop of `window` with `result` once control returns to it; false when the
// window runs no modal loop.
bool EndModal(WindowId window, int result);
bool IsModal(WindowId window);
// Asks the window to close: its handler's CloseRequested.
void RequestClose(WindowId window);
// What CloseRequested does by default.
void DefaultClose(WindowId window);

// ---- Screen ----

// ScreenMetrics holds the screen's size in pixels and its colour depth (24, or 8 for a
// 256-colour screen); dialogs are placed and kept on it.
struct ScreenMetrics {
  int Width = 1024;
  int Height = 768;
  int BitsPerPixel = 24;
};
void SetScreenMetrics(const ScreenMetrics& metrics);
ScreenMetrics Screen();

// ---- Starting over ----

// Destroys every window (each handler hears Destroyed), drops posted tasks and timers,
// ends the capture and the focus and restores the default screen; ids are not reused. For
// hosts at shutdown and tests between cases; not while a modal loop runs.
void ResetWindowSystem();

}  // namespace platform
