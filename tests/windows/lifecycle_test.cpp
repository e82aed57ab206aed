#include "test_window.h"

#include <memory>

namespace {

using namespace wintest;

// A handler that lives on the heap and frees itself when its window goes, as a toolkit
// control does; the count shows whether every one was freed.
class OwnedWindow : public TestWindow {
 public:
  static inline int Alive = 0;
  OwnedWindow() { ++Alive; }
  ~OwnedWindow() override { --Alive; }
  void Destroyed(WindowId) override { delete this; }

  static WindowId Create(const std::string& name, Rect bounds, WindowId parent = 0, bool visible = true) {
    auto* handler = new OwnedWindow();
    WindowParams params;
    params.Name = name;
    params.Bounds = bounds;
    params.Parent = parent;
    params.Visible = visible;
    params.Handler = handler;
    handler->Id = CreateWindow(params);
    return handler->Id;
  }
};

using Lifecycle = WindowTest;

TEST_F(Lifecycle, EveryWayAWindowIsShownAndGoesFreesEverything) {
  auto shared = std::make_shared<int>(0);  // held by tasks and ticks of windows that go
  WindowId host = OwnedWindow::Create("MainForm", Rect::Sized(0, 0, 400, 300));
  for (int round = 0; round < 3; ++round) {
    // A dialog with children, shown modally, answered, released.
    WindowId dialog = OwnedWindow::Create("Dialog", Rect::Sized(50, 50, 200, 100), 0, false);
    WindowId panel = OwnedWindow::Create("MainFrame", Rect::Sized(2, 2, 196, 96), dialog);
    OwnedWindow::Create("Edit1", Rect::Sized(10, 10, 50, 20), panel);
    StartTimer(50, [shared] {}, panel);
    Post([shared] {}, dialog);
    Post([dialog] { RequestClose(dialog); });
    EXPECT_EQ(ShowModal(dialog), kModalCancel);
    DestroyWindow(dialog);

    // A notice that releases itself from its own timer.
    WindowId notice = OwnedWindow::Create("Notice", Rect::Sized(100, 100, 160, 40));
    StartTimer(2000, [notice, shared] { DestroyWindow(notice); }, notice);
    RunUntil([notice] { return !WindowExists(notice); });

    // A window destroyed while it paints, and one destroyed from another's Destroyed.
    WindowId painter = OwnedWindow::Create("Painter", Rect::Sized(0, 0, 10, 10));
    WindowId follower = OwnedWindow::Create("Follower", Rect::Sized(0, 0, 10, 10));
    Post([painter, follower] {
      Invalidate(painter);
      DestroyWindow(painter);
      DestroyWindow(follower);
    });
    ProcessPendingMessages();
  }
  DestroyWindow(host);
  EXPECT_EQ(OwnedWindow::Alive, 0);
  EXPECT_EQ(shared.use_count(), 1);
  EXPECT_TRUE(TopLevelWindows().empty());
}

TEST_F(Lifecycle, AHandlerMayDestroyWindowsWhileTheyPaint) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 100, 100), kRed);
  TestWindow& first = Make("First", Rect::Sized(0, 0, 50, 50), kGreen, form.Id);
  WindowId second = OwnedWindow::Create("Second", Rect::Sized(0, 0, 50, 50), form.Id);
  int alive = OwnedWindow::Alive;
  // A window inside `first` destroys `second` (painted after it) and then the whole form
  // while it paints.
  bool done = false;
  class PaintHook : public WindowHandler {
   public:
    std::function<void()> Run;
    void Paint(const DrawContext&) override { Run(); }
  } hook;
  hook.Run = [&] {
    if (done) return;
    done = true;
    DestroyWindow(second);
    DestroyWindow(form.Id);
  };
  WindowParams params;
  params.Bounds = Rect::Sized(0, 0, 10, 10);
  params.Parent = first.Id;
  params.Visible = true;
  params.Handler = &hook;
  WindowId hooked = CreateWindow(params);
  ASSERT_NE(hooked, 0u);
  ProcessPendingMessages();
  EXPECT_TRUE(done);
  EXPECT_FALSE(WindowExists(form.Id));
  EXPECT_EQ(OwnedWindow::Alive, alive - 1);
}

}  // namespace
