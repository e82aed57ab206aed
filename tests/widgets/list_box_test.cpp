// The owner-drawn list box: rows drawn through OnDrawItem where scrolling puts them, and
// selection by pointer and keys.
#include <clock.h>
#include <element_tree.h>
#include <form.h>
#include <input.h>
#include <list_box.h>
#include <message_queue.h>
#include <window_system.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using toolkit::Rect;
using toolkit::TListBox;

struct Drawn {
  int index;
  Rect rect;
  bool selected;
  bool operator==(const Drawn&) const = default;
};

class ListBox : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetWindowSystem();
    platform::UseVirtualClock(true);
    form = std::make_unique<toolkit::TForm>("Form");
    form->SetBounds(100, 100, 300, 200);
    list = &form->Add<TListBox>("List");
    list->SetBounds(10, 10, 150, 5 * 16 + 2);  // five rows inside the edge
    std::vector<std::string> items;
    for (int i = 0; i < 30; ++i) items.push_back("Move " + std::to_string(i));
    list->SetItems(items);
    list->OnDrawItem = [this](TListBox&, toolkit::PaintCanvas& canvas, int index, const Rect& rect, bool selected) {
      drawn.push_back({index, rect, selected});
      EXPECT_TRUE(rect.Intersect(canvas.ClipRect()) == canvas.ClipRect() || canvas.ClipRect().Empty());
    };
    list->OnClick = [this](toolkit::TControl&) { ++clicks; };
    list->OnDblClick = [this](toolkit::TControl&) { ++doubleClicks; };
    form->Show();
    Run();
  }
  void TearDown() override {
    form.reset();
    platform::ResetWindowSystem();
  }
  void Run() {
    while (platform::ProcessPendingMessages()) {
    }
  }
  std::vector<Drawn> Draw() {
    drawn.clear();
    form->Snapshot();
    return drawn;
  }
  // The screen position of the middle of row `row` (counted from the top row shown).
  int RowY(int row) const { return 100 + 10 + 1 + row * 16 + 8; }

  std::unique_ptr<toolkit::TForm> form;
  TListBox* list = nullptr;
  std::vector<Drawn> drawn;
  int clicks = 0;
  int doubleClicks = 0;
};

TEST_F(ListBox, RowsAreDrawnByTheOwnerWhereScrollingPutsThem) {
  int width = 150 - 2 - toolkit::kScrollBarWidth;
  std::vector<Drawn> expected;
  for (int i = 0; i < 5; ++i) expected.push_back({i, Rect::Sized(1, 1 + 16 * i, width, 16), false});
  EXPECT_EQ(Draw(), expected);

  list->SetTopIndex(10);
  list->SetItemIndex(12);
  expected.clear();
  for (int i = 0; i < 5; ++i) expected.push_back({10 + i, Rect::Sized(1, 1 + 16 * i, width, 16), i == 2});
  EXPECT_EQ(Draw(), expected);

  // Selecting beyond the rows scrolls the selection into the last row; the top is held so
  // that the last row is full.
  list->SetItemIndex(20);
  EXPECT_EQ(list->TopIndex(), 16);
  EXPECT_EQ(Draw().back(), (Drawn{20, Rect::Sized(1, 1 + 16 * 4, width, 16), true}));
  list->SetTopIndex(99);
  EXPECT_EQ(list->TopIndex(), 25);
  // A list that holds every item needs no scroll bar and gives the rows its whole width.
  list->SetItems({"a", "b"});
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(Draw(), (std::vector<Drawn>{{0, Rect::Sized(1, 1, 148, 16), false}, {1, Rect::Sized(1, 17, 148, 16), false}}));
}

TEST_F(ListBox, APressSelectsAReleaseClicksAndADoubleClickFires) {
  list->SetTopIndex(10);
  platform::InjectClick(150, RowY(3));
  Run();
  EXPECT_EQ(list->ItemIndex(), 13);
  EXPECT_EQ(clicks, 1);
  platform::InjectDoubleClick(150, RowY(1));
  Run();
  EXPECT_EQ(list->ItemIndex(), 11);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 1);
  // A press that leaves the list before its release selects but does not click.
  platform::InjectPress(150, RowY(0));
  platform::InjectRelease(390, RowY(0));
  Run();
  EXPECT_EQ(list->ItemIndex(), 10);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ListBox, KeysMoveTheSelectionAndScroll) {
  platform::InjectClick(150, RowY(0));  // focuses the list, selects item 0
  Run();
  struct Case { int key; int index; int top; };
  Case cases[] = {{platform::keys::Down, 1, 0},     {platform::keys::PageDown, 5, 1}, {platform::keys::PageDown, 9, 5},
                  {platform::keys::End, 29, 25},    {platform::keys::Down, 29, 25},   {platform::keys::PageUp, 25, 25},
                  {platform::keys::Up, 24, 24},     {platform::keys::Home, 0, 0},     {platform::keys::Up, 0, 0}};
  int expectedClicks = clicks;
  int index = list->ItemIndex();
  for (const Case& c : cases) {
    platform::InjectKeyStroke(c.key);
    Run();
    if (c.index != index) ++expectedClicks;
    index = c.index;
    EXPECT_EQ(list->ItemIndex(), c.index) << c.key;
    EXPECT_EQ(list->TopIndex(), c.top) << c.key;
    EXPECT_EQ(clicks, expectedClicks) << c.key;
  }
}

TEST_F(ListBox, TheScrollBarPagesAndItsThumbDrags) {
  int barX = 100 + 10 + 150 - 1 - toolkit::kScrollBarWidth / 2;
  platform::InjectClick(barX, RowY(4));  // below the thumb
  Run();
  EXPECT_EQ(list->TopIndex(), 5);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  // The thumb, dragged far below the list, ends at the bottom.
  Rect thumb = toolkit::ScrollThumb(Rect{0, 0, 1, 80}, toolkit::ScrollState{5, 5, 30});
  int thumbY = 100 + 10 + 1 + thumb.Top + 2;
  platform::InjectPress(barX, thumbY);
  platform::InjectMove(barX, thumbY + 500);
  platform::InjectRelease(barX, thumbY + 500);
  Run();
  EXPECT_EQ(list->TopIndex(), 25);
  platform::InjectPress(barX, RowY(4));
  platform::InjectMove(barX, 0);
  platform::InjectRelease(barX, 0);
  Run();
  EXPECT_EQ(list->TopIndex(), 0);
}

}  // namespace
