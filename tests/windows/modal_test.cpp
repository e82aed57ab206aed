#include "test_window.h"

#include <algorithm>
#include <stdexcept>

namespace {

using namespace wintest;
using Log = std::vector<std::string>;

using ModalShow = WindowTest;

int Count(const Log& log, std::string_view prefix) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
    return line.starts_with(prefix);
  }));
}

TEST_F(ModalShow, HostEventsAndTimersKeepArrivingWhileOtherWindowsAreBlocked) {
  TestWindow& host = Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
  TestWindow& invitations = Make("InvDLg", Rect::Sized(410, 0, 100, 100), kGreen);
  SetEnabled(invitations.Id, false);  // the host's own choice, which the modal show must keep
  TestWindow& question = Make("Question", Rect::Sized(100, 100, 200, 100), kBlue, 0, false);
  ActivateWindow(host.Id);
  host.Take();

  int hostTicks = 0;
  StartTimer(100, [&] { ++hostTicks; });  // the host's clock
  bool messageSeen = false;
  Post([&] {  // a message from the server arriving while the question is open
    messageSeen = true;
    EXPECT_TRUE(IsModal(question.Id));
    EXPECT_EQ(ActiveWindow(), question.Id);
    EXPECT_FALSE(IsEnabled(host.Id));
    EXPECT_FALSE(AcceptsInput(host.Id));
    InjectClick(20, 20);    // on the blocked host window: dropped
    InjectClick(150, 150);  // on the question
  });
  int ticksAtEnd = -1;
  StartTimer(1050, [&] {
    ticksAtEnd = hostTicks;
    EndModal(question.Id, 7);
  }, question.Id);

  EXPECT_EQ(ShowModal(question.Id), 7);
  EXPECT_TRUE(messageSeen);
  EXPECT_EQ(ticksAtEnd, 10);
  EXPECT_EQ(Count(host.Log, "down"), 0);
  EXPECT_EQ(Count(question.Log, "down"), 1);
  EXPECT_TRUE(IsEnabled(host.Id));
  EXPECT_FALSE(IsEnabled(invitations.Id));
  EXPECT_EQ(ActiveWindow(), host.Id);
  EXPECT_FALSE(IsVisible(question.Id));
  EXPECT_FALSE(IsModal(question.Id));
}

TEST_F(ModalShow, AQuestionBoxAnswersTheButtonClickedByName) {
  // The box draws its buttons itself and reports them as elements; a click ends the loop
  // with the answer of the button under the pointer.
  struct Case {
    const char* Button;
    int Answer;
  };
  const Case cases[] = {{"Bok", 1}, {"Bcancel", 2}, {"ButtonExt", 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Button);
    ResetWindowSystem();
    Make("MainForm", Rect::Sized(0, 0, 640, 480), kRed);
    TestWindow& box = Make("MessageDlgG", Rect::Sized(120, 180, 387, 122), kBlue, 0, false);
    box.Drawn = {{"Bok", "Yes", "TButtonX", Rect::Sized(10, 80, 80, 25)},
                 {"Bcancel", "Beaver", "TButtonX", Rect::Sized(150, 80, 80, 25)},
                 {"ButtonExt", "No", "TButtonX", Rect::Sized(290, 80, 80, 25)}};
    const int answers[] = {1, 2, 4};
    box.OnPointer = [&](const PointerEvent& e) {
      if (e.Action != PointerAction::Up) return;
      for (std::size_t i = 0; i < box.Drawn.size(); ++i) {
        if (box.Drawn[i].Bounds.Contains(e.X, e.Y)) EndModal(box.Id, answers[i]);
      }
    };
    Post([&] { EXPECT_TRUE(ClickElement(c.Button, "MessageDlgG")); });
    EXPECT_EQ(ShowModal(box.Id), c.Answer);
  }
}

TEST_F(ModalShow, ClosingOrDestroyingTheWindowEndsTheLoop) {
  struct Case {
    const char* Name;
    std::function<void(WindowId)> End;
    int Result;
  };
  const Case cases[] = {
      {"close request", [](WindowId w) { RequestClose(w); }, kModalCancel},
      {"destroyed", [](WindowId w) { DestroyWindow(w); }, kModalAborted},
      {"answered, then released", [](WindowId w) {
         EndModal(w, 1);
         DestroyWindow(w);
       }, 1},
      {"auto-close after five seconds", [](WindowId w) { StartTimer(5000, [w] { EndModal(w, 1); }, w); }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetWindowSystem();
    UseVirtualClock(true, 0);
    TestWindow& host = Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
    TestWindow& dialog = Make("Dialog", Rect::Sized(100, 100, 200, 100), kBlue, 0, false);
    Post([&] { c.End(dialog.Id); });
    EXPECT_EQ(ShowModal(dialog.Id), c.Result);
    EXPECT_TRUE(IsEnabled(host.Id));
    EXPECT_EQ(ActiveWindow(), host.Id);
  }
  EXPECT_EQ(TickCount(), 5000u);  // the auto-close ran at once
}

TEST_F(ModalShow, LoopsNestAndEachReleasesOnlyItsOwnBlocking) {
  TestWindow& host = Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
  TestWindow& outer = Make("Options", Rect::Sized(50, 50, 300, 200), kGreen, 0, false);
  // Showing when the outer loop starts, so blocked by it until it is the modal one itself.
  TestWindow& inner = Make("Question", Rect::Sized(100, 100, 200, 100), kBlue);
  Log order;
  Post([&] {
    EXPECT_FALSE(IsEnabled(inner.Id));
    Post([&] {
      EXPECT_TRUE(AcceptsInput(inner.Id));
      EXPECT_FALSE(IsEnabled(outer.Id));
      EXPECT_FALSE(IsEnabled(host.Id));
      EndModal(outer.Id, 3);  // ended from inside the inner loop: returns once that is over
      EndModal(inner.Id, 5);
    });
    order.push_back("inner " + std::to_string(ShowModal(inner.Id)));
    EXPECT_TRUE(IsEnabled(outer.Id));
    EXPECT_FALSE(IsEnabled(host.Id));
    EXPECT_FALSE(IsEnabled(inner.Id));
    EXPECT_EQ(ActiveWindow(), outer.Id);
  });
  order.push_back("outer " + std::to_string(ShowModal(outer.Id)));
  EXPECT_EQ(order, (Log{"inner 5", "outer 3"}));
  EXPECT_TRUE(IsEnabled(host.Id));
  EXPECT_TRUE(IsEnabled(inner.Id));
}

TEST_F(ModalShow, AFailureInsideTheLoopLeavesNothingBlocked) {
  TestWindow& host = Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
  TestWindow& dialog = Make("Dialog", Rect::Sized(100, 100, 200, 100), kBlue, 0, false);
  Post([] { throw std::runtime_error("painting failed"); });
  EXPECT_THROW(ShowModal(dialog.Id), std::runtime_error);
  EXPECT_FALSE(IsModal(dialog.Id));
  EXPECT_TRUE(IsEnabled(host.Id));
  EXPECT_EQ(ActiveWindow(), host.Id);
  EXPECT_FALSE(IsVisible(dialog.Id));
}

TEST_F(ModalShow, ShowingModallyCancelsThePointerCapture) {
  TestWindow& host = Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
  TestWindow& dialog = Make("Dialog", Rect::Sized(100, 100, 200, 100), kBlue, 0, false);
  SetCapture(host.Id);
  host.Take();
  Post([&] {
    EXPECT_EQ(CaptureWindow(), 0u);
    EndModal(dialog.Id, 1);
  });
  ShowModal(dialog.Id);
  EXPECT_EQ(host.Take().front(), "capture lost");
}

}  // namespace
