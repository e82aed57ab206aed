#include "test_window.h"

#include <climits>

namespace {

using namespace wintest;
using Log = std::vector<std::string>;

using WindowOrder = WindowTest;

TEST_F(WindowOrder, ShowingActivatesAndStacksOnTop) {
  TestWindow& a = Make("A", Rect::Sized(0, 0, 100, 100), kRed);
  TestWindow& b = Make("B", Rect::Sized(50, 50, 100, 100), kBlue);
  EXPECT_EQ(TopLevelWindows(), (std::vector<WindowId>{b.Id, a.Id}));
  EXPECT_EQ(ActiveWindow(), b.Id);
  EXPECT_EQ(a.Take(), (Log{"activate", "focus", "deactivate", "unfocus"}));
  EXPECT_EQ(b.Take(), (Log{"activate", "focus"}));

  EXPECT_TRUE(ActivateWindow(a.Id));
  EXPECT_EQ(TopLevelWindows(), (std::vector<WindowId>{a.Id, b.Id}));
  EXPECT_EQ(b.Take(), (Log{"deactivate", "unfocus"}));
  EXPECT_EQ(a.Take(), (Log{"activate", "focus"}));

  BringToFront(b.Id);  // bringing to front alone does not activate
  EXPECT_EQ(TopLevelWindows().front(), b.Id);
  EXPECT_EQ(ActiveWindow(), a.Id);
  SendToBack(b.Id);
  EXPECT_EQ(TopLevelWindows().back(), b.Id);
}

TEST_F(WindowOrder, WindowsKeptOnTopStayAboveTheOthers) {
  TestWindow& notice = Make("Notice", Rect::Sized(0, 0, 50, 50), kYellow);
  SetStayOnTop(notice.Id, true);
  TestWindow& main = Make("Main", Rect::Sized(0, 0, 300, 300), kRed);
  TestWindow& other = Make("Other", Rect::Sized(0, 0, 300, 300), kBlue);
  EXPECT_EQ(TopLevelWindows(), (std::vector<WindowId>{notice.Id, other.Id, main.Id}));
  ActivateWindow(main.Id);
  EXPECT_EQ(TopLevelWindows(), (std::vector<WindowId>{notice.Id, main.Id, other.Id}));
  SendToBack(notice.Id);  // to the bottom of its own band only
  EXPECT_EQ(TopLevelWindows().front(), notice.Id);
  EXPECT_EQ(WindowAt(10, 10), notice.Id);
}

TEST_F(WindowOrder, ActivationMovesDownWhenTheActiveWindowGoes) {
  // Each way of losing the active window hands activation to the next window down the
  // z-order that may take input, skipping disabled and hidden ones.
  struct Case {
    const char* Name;
    std::function<void(WindowId)> Lose;
  };
  const Case cases[] = {
      {"hidden", [](WindowId w) { SetVisible(w, false); }},
      {"disabled", [](WindowId w) { SetEnabled(w, false); }},
      {"destroyed", [](WindowId w) { DestroyWindow(w); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetWindowSystem();
    TestWindow& bottom = Make("Bottom", Rect::Sized(0, 0, 100, 100), kRed);
    TestWindow& disabled = Make("Disabled", Rect::Sized(0, 0, 100, 100), kGreen);
    SetEnabled(disabled.Id, false);
    TestWindow& hidden = Make("Hidden", Rect::Sized(0, 0, 100, 100), kGreen, 0, false);
    TestWindow& top = Make("Top", Rect::Sized(0, 0, 100, 100), kBlue);
    ASSERT_EQ(ActiveWindow(), top.Id);
    bottom.Take();
    c.Lose(top.Id);
    EXPECT_EQ(ActiveWindow(), bottom.Id);
    EXPECT_EQ(bottom.Take(), (Log{"activate", "focus"}));
    EXPECT_FALSE(ActivateWindow(disabled.Id));
    EXPECT_FALSE(ActivateWindow(hidden.Id));
    EXPECT_EQ(ActiveWindow(), bottom.Id);
  }
}

TEST_F(WindowOrder, PressOnABackWindowActivatesItAndBringsItToFront) {
  TestWindow& back = Make("Back", Rect::Sized(0, 0, 100, 100), kRed);
  TestWindow& child = Make("Child", Rect::Sized(10, 10, 20, 20), kGreen, back.Id);
  TestWindow& front = Make("Front", Rect::Sized(50, 50, 100, 100), kBlue);
  ASSERT_EQ(ActiveWindow(), front.Id);
  InjectClick(15, 15);  // on the child of the back window
  ProcessPendingMessages();
  EXPECT_EQ(ActiveWindow(), back.Id);
  EXPECT_EQ(TopLevelWindows().front(), back.Id);
  EXPECT_EQ(child.Take(), (Log{"move 5,5", "down 5,5", "up 5,5"}));
}

TEST_F(WindowOrder, EachTopLevelWindowRemembersItsFocus) {
  TestWindow& a = Make("A", Rect::Sized(0, 0, 100, 100), kRed);
  TestWindow& edit = Make("Edit", Rect::Sized(10, 10, 50, 20), kGreen, a.Id);
  TestWindow& b = Make("B", Rect::Sized(200, 0, 100, 100), kBlue);
  EXPECT_TRUE(SetFocus(edit.Id));  // activates A
  EXPECT_EQ(ActiveWindow(), a.Id);
  EXPECT_EQ(FocusedWindow(), edit.Id);
  ActivateWindow(b.Id);
  EXPECT_EQ(FocusedWindow(), b.Id);
  EXPECT_EQ(edit.Take(), (Log{"focus", "unfocus"}));
  ActivateWindow(a.Id);
  EXPECT_EQ(FocusedWindow(), edit.Id);
  SetVisible(edit.Id, false);
  EXPECT_EQ(FocusedWindow(), a.Id);
}

TEST_F(WindowOrder, ChildrenStackWithinTheirParent) {
  TestWindow& form = Make("Form", Rect::Sized(100, 100, 200, 200), kRed);
  TestWindow& image = Make("Image", Rect::Sized(10, 10, 100, 100), kGreen, form.Id);
  TestWindow& box = Make("Box", Rect::Sized(10, 10, 100, 100), kBlue, form.Id);
  EXPECT_EQ(WindowAt(150, 150), box.Id);
  EXPECT_EQ(ScreenRect(box.Id), Rect::Sized(110, 110, 100, 100));
  EXPECT_EQ(TopLevelOf(box.Id), form.Id);
  BringToFront(image.Id);
  EXPECT_EQ(Children(form.Id), (std::vector<WindowId>{box.Id, image.Id}));
  EXPECT_EQ(WindowAt(150, 150), image.Id);
  EXPECT_EQ(WindowAt(105, 105), form.Id);
  EXPECT_EQ(WindowAt(5, 5), 0u);
}

TEST_F(WindowOrder, StaleIdsAreUnknownEverywhere) {
  TestWindow& a = Make("A", Rect::Sized(0, 0, 100, 100), kRed);
  WindowId gone = a.Id;
  DestroyWindow(gone);
  EXPECT_FALSE(WindowExists(gone));
  EXPECT_NE(Make("B", Rect::Sized(0, 0, 10, 10), kRed).Id, gone);  // ids are not reused
  SetBounds(gone, Rect::Sized(0, 0, 5, 5));
  SetVisible(gone, true);
  EXPECT_FALSE(ActivateWindow(gone));
  EXPECT_EQ(Bounds(gone), Rect{});
  WindowParams orphan;
  orphan.Parent = gone;
  EXPECT_EQ(CreateWindow(orphan), 0u);
  EXPECT_EQ(ShowModal(gone), kModalAborted);
}

TEST_F(WindowOrder, RunawaySizesAreCut) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 10, 10), kRed);
  TestWindow& panel = Make("Panel", Rect{-5, 0, INT_MAX, 1 << 30}, kRed, form.Id);
  EXPECT_EQ(Bounds(panel.Id), Rect::Sized(-5, 0, kMaxWindowSide, kMaxWindowSide));
  SetBounds(form.Id, Rect{INT_MIN, 10, INT_MAX, 0});
  EXPECT_EQ(Bounds(form.Id), Rect::Sized(INT_MIN, 10, kMaxWindowSide, 0));
}

}  // namespace
