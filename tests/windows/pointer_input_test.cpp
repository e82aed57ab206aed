#include "test_window.h"

namespace {

using namespace wintest;
using Log = std::vector<std::string>;

using PointerInput = WindowTest;

TEST_F(PointerInput, CaptionBarDragMovesItsFormThroughTheCapture) {
  TestWindow& form = Make("Dialog", Rect::Sized(100, 100, 200, 100), kRed);
  TestWindow& bar = Make("Caption", Rect::Sized(0, 0, 200, 20), kBlue, form.Id);
  TestWindow& other = Make("Other", Rect::Sized(350, 250, 100, 100), kGreen);
  ActivateWindow(form.Id);
  other.Take();
  int lastX = 0, lastY = 0;
  bar.OnPointer = [&](const PointerEvent& e) {
    if (e.Action == PointerAction::Down) {
      SetCapture(bar.Id);
      lastX = e.ScreenX;
      lastY = e.ScreenY;
    } else if (e.Action == PointerAction::Move && CaptureWindow() == bar.Id) {
      SetBounds(form.Id, Bounds(form.Id).Offset(e.ScreenX - lastX, e.ScreenY - lastY));
      lastX = e.ScreenX;
      lastY = e.ScreenY;
    } else if (e.Action == PointerAction::Up) {
      ReleaseCapture();
    }
  };
  InjectPress(110, 105);
  InjectMove(400, 300);  // far outside the bar, over the other window
  InjectMove(410, 310);
  InjectRelease(410, 310);
  ProcessPendingMessages();
  EXPECT_EQ(Bounds(form.Id), Rect::Sized(400, 305, 200, 100));
  EXPECT_EQ(bar.Take(), (Log{"down 10,5", "move 300,200", "move 20,15", "up 10,5", "capture lost"}));
  EXPECT_TRUE(other.Log.empty());
  InjectMove(360, 260);  // without the capture the pointer reaches the other window again
  ProcessPendingMessages();
  EXPECT_EQ(other.Take(), (Log{"move 10,10"}));
}

TEST_F(PointerInput, CaptureEndsWhenItsWindowCanNoLongerTakeInput) {
  struct Case {
    const char* Name;
    std::function<void(WindowId holder, WindowId other)> End;
    bool HolderHears;
  };
  const Case cases[] = {
      {"hidden", [](WindowId h, WindowId) { SetVisible(h, false); }, true},
      {"disabled", [](WindowId h, WindowId) { SetEnabled(h, false); }, true},
      {"parent hidden", [](WindowId h, WindowId) { SetVisible(Parent(h), false); }, true},
      {"taken by another", [](WindowId, WindowId o) { SetCapture(o); }, true},
      {"destroyed", [](WindowId h, WindowId) { DestroyWindow(h); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetWindowSystem();
    TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
    TestWindow& holder = Make("Holder", Rect::Sized(0, 0, 50, 50), kBlue, form.Id);
    TestWindow& other = Make("Other", Rect::Sized(300, 0, 50, 50), kGreen);
    ASSERT_TRUE(SetCapture(holder.Id));
    holder.Take();
    c.End(holder.Id, other.Id);
    EXPECT_NE(CaptureWindow(), holder.Id);
    EXPECT_EQ(holder.Take(), c.HolderHears ? (Log{"capture lost"}) : (Log{"destroyed"}));
  }
}

TEST_F(PointerInput, EventsGoToTheDeepestWindowThatTakesInput) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
  TestWindow& panel = Make("Panel", Rect::Sized(20, 20, 100, 100), kGreen, form.Id);
  TestWindow& button = Make("Button", Rect::Sized(10, 10, 30, 30), kBlue, panel.Id);
  TestWindow& hidden = Make("Hidden", Rect::Sized(50, 50, 30, 30), kBlue, panel.Id, false);
  form.Take();
  InjectClick(35, 35);  // on the button
  InjectClick(75, 75);  // on the hidden child: the panel takes it
  ProcessPendingMessages();
  EXPECT_EQ(button.Take(), (Log{"move 5,5", "down 5,5", "up 5,5", "leave 45,45"}));
  EXPECT_EQ(panel.Take(), (Log{"move 55,55", "down 55,55", "up 55,55"}));
  EXPECT_TRUE(hidden.Log.empty());

  SetEnabled(button.Id, false);  // a click on a disabled control is dropped, not passed beneath
  InjectClick(35, 35);
  SetEnabled(button.Id, true);
  SetEnabled(panel.Id, false);  // the children of a disabled control take no input either
  InjectClick(35, 35);
  ProcessPendingMessages();
  EXPECT_TRUE(button.Log.empty());
  EXPECT_EQ(panel.Take(), (Log{"leave 15,15"}));  // the pointer went where no input goes
  EXPECT_TRUE(form.Log.empty());
}

TEST_F(PointerInput, TheWindowThePointerLeavesHearsOfIt) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 100), kRed);
  TestWindow& a = Make("A", Rect::Sized(0, 0, 50, 50), kGreen, form.Id);
  TestWindow& b = Make("B", Rect::Sized(100, 0, 50, 50), kBlue, form.Id);
  form.Take();
  InjectMove(10, 10);
  InjectMove(110, 10);
  InjectMove(300, 300);  // off every window
  ProcessPendingMessages();
  EXPECT_EQ(a.Take(), (Log{"move 10,10", "leave 110,10"}));
  EXPECT_EQ(b.Take(), (Log{"move 10,10", "leave 200,300"}));

  InjectMove(10, 10);  // a captured drag leaves nothing while it lasts
  ProcessPendingMessages();
  SetCapture(a.Id);
  InjectMove(110, 10);
  ProcessPendingMessages();
  ReleaseCapture();
  InjectMove(110, 10);
  ProcessPendingMessages();
  EXPECT_EQ(a.Take(), (Log{"move 10,10", "move 110,10", "capture lost", "leave 110,10"}));
  EXPECT_EQ(b.Take(), (Log{"move 10,10"}));
  EXPECT_TRUE(form.Log.empty());
}

TEST_F(PointerInput, DoubleClickArrivesInPlaceOfTheSecondPress) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 100, 100), kRed);
  form.Take();
  InjectDoubleClick(30, 40, MouseButton::Right);
  ProcessPendingMessages();
  EXPECT_EQ(form.Take(), (Log{"move 30,40", "down 30,40 right", "up 30,40 right", "double 30,40 right",
                              "up 30,40 right"}));
  int x = 0, y = 0;
  PointerPosition(x, y);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 40);
}

}  // namespace
