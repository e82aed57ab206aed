#include "test_window.h"

namespace {

using namespace wintest;
using Log = std::vector<std::string>;

// A form at (100, 50) that draws its own label, with a windowed panel that draws a button
// "Bok"; in front of it a hidden form that has a "Bok" too.
class ElementTreeTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = &Make("MessageDlgG", Rect::Sized(100, 50, 300, 120), kRed);
    form->Drawn = {{"Label1", "Do you want to double?", "TLabel", Rect::Sized(5, 5, 200, 16)},
                   {"Label2", "", "TLabel", Rect::Sized(5, 30, 50, 16), false}};
    panel = &Make("MainFrame", Rect::Sized(10, 20, 280, 90), kGreen, form->Id);
    panel->Drawn = {{"Bok", "Yes", "TButtonX", Rect::Sized(10, 50, 80, 25)}};
    hidden = &Make("Other", Rect::Sized(0, 0, 300, 300), kBlue, 0, false);
    hidden->Drawn = {{"Bok", "Ok", "TButtonX", Rect::Sized(0, 0, 80, 25)}};
  }

  TestWindow* form = nullptr;
  TestWindow* panel = nullptr;
  TestWindow* hidden = nullptr;
};

TEST_F(ElementTreeTest, ListsEveryControlWithItsPlaceOnTheScreen) {
  std::vector<Element> tree = ElementTree();
  std::vector<std::string> names;
  for (const Element& e : tree) names.push_back(e.Form + "/" + e.Name);
  EXPECT_EQ(names, (Log{"Other/Other", "Other/Bok", "MessageDlgG/MessageDlgG", "MessageDlgG/Label1",
                        "MessageDlgG/Label2", "MessageDlgG/MainFrame", "MessageDlgG/Bok"}));
  const Element& bok = tree[6];
  EXPECT_EQ(bok.Caption, "Yes");
  EXPECT_EQ(bok.Class, "TButtonX");
  EXPECT_EQ(bok.ScreenRect, Rect::Sized(120, 120, 80, 25));
  EXPECT_FALSE(bok.Windowed);
  EXPECT_EQ(bok.Window, panel->Id);
  EXPECT_EQ(tree[bok.Parent].Name, "MainFrame");
  EXPECT_TRUE(tree[bok.Parent].Windowed);
  EXPECT_EQ(tree[tree[bok.Parent].Parent].Name, "MessageDlgG");
  EXPECT_EQ(tree[2].Parent, -1);
  EXPECT_EQ(tree[2].Caption, "MessageDlgG");
  EXPECT_EQ(tree[2].Class, "TForm");
  EXPECT_FALSE(tree[4].Visible);  // Label2
  EXPECT_FALSE(tree[4].Showing);
  EXPECT_TRUE(tree[1].Visible);  // the hidden form's Bok: visible itself, not showing
  EXPECT_FALSE(tree[1].Showing);
}

TEST_F(ElementTreeTest, FindingPrefersWhatIsShowing) {
  auto bok = FindElement("Bok");
  ASSERT_TRUE(bok);
  EXPECT_EQ(bok->Form, "MessageDlgG");
  auto other = FindElement("Bok", "Other");
  ASSERT_TRUE(other);
  EXPECT_FALSE(other->Showing);
  EXPECT_FALSE(FindElement("Bcancel"));
  EXPECT_FALSE(ClickElement("Bok", "Other"));  // nothing to click on a hidden form
  SetVisible(panel->Id, false);
  EXPECT_FALSE(FindElement("Bok", "MessageDlgG")->Showing);
}

TEST_F(ElementTreeTest, ClickingAnElementFoundByNameHitsItsWindowAtItsCentre) {
  panel->Take();
  EXPECT_TRUE(ClickElement("Bok"));
  ProcessPendingMessages();
  EXPECT_EQ(panel->Take(), (Log{"move 50,62", "down 50,62", "up 50,62"}));
}

TEST_F(ElementTreeTest, EnabledShowsTheBlockingOfAModalShow) {
  TestWindow& dialog = Make("Question", Rect::Sized(200, 200, 100, 50), kBlue, 0, false);
  bool checked = false;
  Post([&] {
    EXPECT_FALSE(FindElement("MessageDlgG")->Enabled);
    EXPECT_TRUE(FindElement("Question")->Enabled);
    checked = true;
    EndModal(dialog.Id, 1);
  });
  ShowModal(dialog.Id);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(FindElement("MessageDlgG")->Enabled);
}

}  // namespace
