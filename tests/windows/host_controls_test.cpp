#include "test_window.h"

#include <host_controls.h>

#include <climits>

namespace {

using namespace wintest;

// The host's form with its board image and the paint box laid over it, as the host hands
// them to Init3D: the image at (20, 20), 200 by 150, on a red form.
class HostControls : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = &Make("MainForm", Rect::Sized(0, 0, 400, 300), kRed);
    image = CreateImageControl({"BoardImage", form->Id, Rect::Sized(20, 20, 200, 150)});
    PaintBoxHooks hooks;
    hooks.Painted = [this](const DrawContext&) { ++boxPaints; };
    hooks.Pointer = [this](const PointerEvent& e) { pointer.push_back(e); };
    paintBox = CreatePaintBox({"BoardPaintBox", form->Id, Rect::Sized(20, 20, 200, 150)}, std::move(hooks));
    ASSERT_NE(image, 0u);
    ASSERT_NE(paintBox, 0u);
  }

  // What the plug-in does in Init3D and when it paints the board: take the image through
  // its handle, size the picture to the control and paint it.
  void PaintBoard(int width, int height, Colour colour) {
    Surface* picture = ImageSurface(WindowOfHandle(HandleOf(image)));
    ASSERT_NE(picture, nullptr);
    picture->Resize(width, height);
    picture->Fill(picture->Bounds(), colour);
    EXPECT_TRUE(RefreshImage(image));
  }

  TestWindow* form = nullptr;
  WindowId image = 0;
  WindowId paintBox = 0;
  int boxPaints = 0;
  std::vector<PointerEvent> pointer;
};

struct Probe {
  int X, Y;
  Colour Expected;
};

void ExpectPixels(std::initializer_list<Probe> probes) {
  Surface shot;
  RenderScreen(shot);
  for (const Probe& p : probes) EXPECT_EQ(shot.Pixel(p.X, p.Y), p.Expected) << "at " << p.X << "," << p.Y;
}

TEST_F(HostControls, TheImageShowsThePictureThePlugInPaints) {
  ExpectPixels({{30, 30, kRed}});  // an empty picture shows the form beneath
  PaintBoard(100, 100, kGreen);
  // Where the picture does not reach, the form shows.
  ExpectPixels({{20, 20, kGreen}, {119, 119, kGreen}, {150, 150, kRed}, {10, 10, kRed}});
  EXPECT_EQ(Bounds(image), Rect::Sized(20, 20, 200, 150));  // the control keeps its own size
  PaintBoard(200, 150, kBlue);
  ExpectPixels({{219, 169, kBlue}, {220, 170, kRed}});
}

TEST_F(HostControls, TransientDrawingOnThePaintBoxGoesWithARefresh) {
  PaintBoard(200, 150, kGreen);
  DrawContext box = DirectDraw(WindowOfHandle(HandleOf(paintBox)));
  ASSERT_FALSE(box.Empty());
  box.Fill(Rect::Sized(10, 10, 20, 20), kYellow);  // a checker sliding over the board
  box.Fill(Rect{-100, -100, 1000, 5}, kYellow);    // reaching far beyond the box: clipped to it
  ExpectPixels({{35, 35, kYellow}, {25, 22, kYellow}, {25, 10, kRed}, {230, 22, kRed}, {100, 100, kGreen}});
  int paintsBefore = boxPaints;
  RefreshWindow(paintBox);
  EXPECT_GT(boxPaints, paintsBefore);  // the host hears of it and may let the plug-in redraw
  ExpectPixels({{35, 35, kGreen}, {25, 22, kGreen}, {25, 10, kRed}});
}

TEST_F(HostControls, RepaintingTheImageAlsoClearsTheBoxOverIt) {
  PaintBoard(200, 150, kGreen);
  DirectDraw(paintBox).Fill(Rect::Sized(0, 0, 50, 50), kYellow);
  PaintBoard(200, 150, kBlue);
  ExpectPixels({{30, 30, kBlue}});
}

TEST_F(HostControls, DrawingOnABoxThatIsNotShowingDrawsNothing) {
  PaintBoard(200, 150, kGreen);
  SetVisible(form->Id, false);
  EXPECT_TRUE(DirectDraw(paintBox).Empty());
  SetVisible(form->Id, true);
  SetBounds(paintBox, Rect::Sized(350, 250, 200, 150));  // mostly outside the form
  DrawContext box = DirectDraw(paintBox);
  EXPECT_EQ(box.Clip, (Rect{350, 250, 400, 300}));
  box.Fill(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kYellow);
  ExpectPixels({{399, 299, kYellow}, {349, 299, kRed}});
}

TEST_F(HostControls, BoardClicksReachTheHostThroughThePaintBox) {
  InjectClick(50, 60, MouseButton::Right);
  ProcessPendingMessages();
  ASSERT_EQ(pointer.size(), 3u);
  EXPECT_EQ(pointer[1].Action, PointerAction::Down);
  EXPECT_EQ(pointer[1].Button, MouseButton::Right);
  EXPECT_EQ(pointer[1].X, 30);
  EXPECT_EQ(pointer[1].Y, 40);
}

TEST_F(HostControls, HandlesNameOnlyLiveControlsOfTheirKind) {
  EXPECT_EQ(WindowOfHandle(nullptr), 0u);
  EXPECT_EQ(WindowOfHandle(HandleOf(image)), image);
  EXPECT_EQ(ImageSurface(paintBox), nullptr);
  EXPECT_EQ(ImageSurface(form->Id), nullptr);
  EXPECT_FALSE(RefreshImage(paintBox));
  GpObject handle = HandleOf(image);
  DestroyWindow(image);
  EXPECT_EQ(WindowOfHandle(handle), 0u);
  EXPECT_EQ(ImageSurface(image), nullptr);
  EXPECT_EQ(ClassName(paintBox), "TPaintBox");
  auto element = FindElement("BoardPaintBox", "MainForm");
  ASSERT_TRUE(element);
  EXPECT_EQ(element->ScreenRect, Rect::Sized(20, 20, 200, 150));
}

}  // namespace
