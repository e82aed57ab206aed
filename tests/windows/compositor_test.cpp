#include "test_window.h"

namespace {

using namespace wintest;

using Compositing = WindowTest;

struct Probe {
  int X, Y;
  Colour Expected;
};

void ExpectPixels(const Surface& shot, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes) {
    Colour c = shot.Pixel(p.X, p.Y);
    EXPECT_EQ(c, p.Expected) << "at " << p.X << "," << p.Y << ": " << int(c.R) << " " << int(c.G) << " "
                             << int(c.B);
  }
}

TEST_F(Compositing, OverlappingWindowsShowFromTheFrontAndChildrenStayInsideTheirParent) {
  // A spans (10, 10) to (110, 90); its child would reach to x = 140 but is cut at A's edge;
  // B spans (60, 50) to (160, 130) in front of A.
  TestWindow& a = Make("A", Rect::Sized(10, 10, 100, 80), kRed);
  Make("Child", Rect::Sized(70, 5, 60, 20), kGreen, a.Id);
  TestWindow& b = Make("B", Rect::Sized(60, 50, 100, 80), kBlue);
  Surface shot = Screenshot();
  EXPECT_EQ(shot.Width(), 640);
  ExpectPixels(shot, {{5, 5, kDesktopColour},
                      {20, 20, kRed},
                      {90, 20, kGreen},
                      {120, 20, kDesktopColour},
                      {70, 60, kBlue},
                      {150, 120, kBlue},
                      {30, 100, kDesktopColour}});
  ActivateWindow(a.Id);
  ExpectPixels(Screenshot(), {{70, 60, kRed}, {150, 120, kBlue}});
  SetVisible(b.Id, false);
  SetBounds(a.Id, Rect::Sized(300, 300, 100, 80));
  ExpectPixels(Screenshot(), {{150, 120, kDesktopColour}, {20, 20, kDesktopColour}, {305, 305, kRed},
                              {390, 320, kGreen}});
}

TEST_F(Compositing, MovingAChildRepaintsWhatItUncovers) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
  TestWindow& panel = Make("Panel", Rect::Sized(10, 10, 50, 50), kGreen, form.Id);
  ExpectPixels(Screenshot(), {{20, 20, kGreen}});
  SetBounds(panel.Id, Rect::Sized(100, 100, 50, 50));
  ExpectPixels(Screenshot(), {{20, 20, kRed}, {120, 120, kGreen}});
  SendToBack(panel.Id);  // a child always lies over its parent's own painting
  ExpectPixels(Screenshot(), {{120, 120, kGreen}});
}

TEST_F(Compositing, OneWindowRendersAsItLooksInsideItsForm) {
  TestWindow& a = Make("A", Rect::Sized(10, 10, 100, 80), kRed);
  TestWindow& child = Make("Child", Rect::Sized(70, 5, 60, 20), kGreen, a.Id);
  Make("Cover", Rect::Sized(0, 0, 640, 480), kBlue);  // covers everything on the screen
  Surface picture;
  ASSERT_TRUE(RenderWindow(a.Id, picture));
  EXPECT_EQ(picture.Width(), 100);
  ExpectPixels(picture, {{5, 5, kRed}, {70, 10, kGreen}});
  ASSERT_TRUE(RenderWindow(child.Id, picture));
  EXPECT_EQ(picture.Width(), 60);
  ExpectPixels(picture, {{0, 0, kGreen}, {29, 19, kGreen}, {30, 0, kWindowColour}});
  EXPECT_FALSE(RenderWindow(0, picture));
}

TEST_F(Compositing, PaintingWaitsForTheLoopOrAnUpdate) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 100, 100), kRed);
  ProcessPendingMessages();
  int before = form.Paints;
  Invalidate(form.Id, Rect::Sized(0, 0, 10, 10));
  Invalidate(form.Id, Rect::Sized(50, 50, 10, 10));
  EXPECT_EQ(form.Paints, before);
  UpdateWindow(form.Id);
  EXPECT_EQ(form.Paints, before + 1);  // the two areas in one paint
  UpdateWindow(form.Id);
  EXPECT_EQ(form.Paints, before + 1);
  SetVisible(form.Id, false);
  Invalidate(form.Id);
  ProcessPendingMessages();
  EXPECT_EQ(form.Paints, before + 1);  // hidden windows do not paint
}

}  // namespace
