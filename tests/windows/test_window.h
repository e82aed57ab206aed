// A window that paints one colour and writes down every event it gets, and a fixture that
// starts each case with an empty window system on the virtual clock.
#pragma once

#include <clock.h>
#include <compositor.h>
#include <element_tree.h>
#include <input.h>
#include <message_queue.h>
#include <surface.h>
#include <window_system.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wintest {

using namespace platform;

inline constexpr Colour kRed{200, 0, 0};
inline constexpr Colour kGreen{0, 160, 0};
inline constexpr Colour kBlue{0, 0, 200};
inline constexpr Colour kYellow{255, 255, 0};

// TestWindow paints its whole area in Fill (nothing when Transparent), reports Drawn as the
// controls it draws itself, runs the optional reactions, and logs every event as a short
// text ("down 5,7", "activate", "key 13" ...).
class TestWindow : public WindowHandler {
 public:
  WindowId Id = 0;
  Colour Fill{128, 128, 128};
  bool Transparent = false;
  std::vector<ElementInfo> Drawn;
  std::vector<std::string> Log;
  std::function<void(const PointerEvent&)> OnPointer;
  std::function<bool(const KeyEvent&)> OnKey;
  int Paints = 0;

  void Paint(const DrawContext& context) override {
    ++Paints;
    if (!Transparent) context.Fill(context.ClipInWindow(), Fill);
  }
  void Pointer(const PointerEvent& e) override {
    static const char* kNames[] = {"down", "move", "up", "double", "leave"};
    Log.push_back(std::string(kNames[static_cast<int>(e.Action)]) + " " + std::to_string(e.X) + "," +
                  std::to_string(e.Y) + (e.Button == MouseButton::Right ? " right" : ""));
    if (OnPointer) OnPointer(e);
  }
  bool Key(const KeyEvent& e) override {
    static const char* kNames[] = {"keydown", "char", "keyup"};
    Log.push_back(std::string(kNames[static_cast<int>(e.Action)]) + " " +
                  std::to_string(e.Action == KeyAction::Char ? static_cast<unsigned char>(e.Char) : e.Key));
    return OnKey ? OnKey(e) : false;
  }
  void Activation(bool active) override { Log.push_back(active ? "activate" : "deactivate"); }
  void Focus(bool gained) override { Log.push_back(gained ? "focus" : "unfocus"); }
  void CaptureLost() override { Log.push_back("capture lost"); }
  void CloseRequested(WindowId window) override {
    Log.push_back("close");
    DefaultClose(window);
  }
  void Destroyed(WindowId) override { Log.push_back("destroyed"); }
  void ListElements(std::vector<ElementInfo>& elements) const override {
    elements.insert(elements.end(), Drawn.begin(), Drawn.end());
  }

  // The log since the last call, emptied.
  std::vector<std::string> Take() { return std::exchange(Log, {}); }
};

// WindowTest starts each case with no windows, a 640 by 480 screen and the virtual clock at
// 0, and owns the test windows it makes.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWindowSystem();
    SetScreenMetrics(ScreenMetrics{640, 480, 24});
    UseVirtualClock(true, 0);
  }
  void TearDown() override {
    ResetWindowSystem();
    UseVirtualClock(false);
  }

  TestWindow& Make(const std::string& name, Rect bounds, Colour fill, WindowId parent = 0,
                   bool visible = true) {
    auto window = std::make_unique<TestWindow>();
    window->Fill = fill;
    WindowParams params;
    params.Name = name;
    params.Caption = name;
    params.Class = parent ? "TPanel" : "TForm";
    params.Bounds = bounds;
    params.Parent = parent;
    params.Visible = visible;
    params.Handler = window.get();
    window->Id = CreateWindow(params);
    EXPECT_NE(window->Id, 0u);
    windows_.push_back(std::move(window));
    return *windows_.back();
  }

  static Surface Screenshot() {
    Surface picture;
    RenderScreen(picture);
    return picture;
  }

 private:
  std::vector<std::unique_ptr<TestWindow>> windows_;
};

}  // namespace wintest
