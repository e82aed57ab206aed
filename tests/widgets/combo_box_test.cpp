// The combo box and its drop-down list, driven through the element tree and injected input.
#include <clock.h>
#include <combo_box.h>
#include <element_tree.h>
#include <form.h>
#include <input.h>
#include <message_queue.h>
#include <window_system.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using toolkit::TComboBox;
using toolkit::TForm;

class Combo : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetWindowSystem();
    platform::UseVirtualClock(true);
    form = std::make_unique<TForm>("Form");
    form->SetBounds(100, 100, 300, 200);
    combo = &form->Add<TComboBox>("Combo");
    combo->SetBounds(20, 20, 150, 22);
    combo->SetItems({"Red", "Green", "Blue", "Gold"});
    combo->SetItemIndex(0);
    combo->OnChange = [this](TComboBox& c) { changes.push_back(c.ItemIndex()); };
    combo->OnClick = [this](toolkit::TControl&) { ++clicks; };
    form->OnKeyPress = [this](TForm&, char& key) { formKeys += key; };
    form->Show();
    platform::ProcessPendingMessages();
  }
  void TearDown() override {
    form.reset();
    platform::ResetWindowSystem();
  }
  // Until nothing is left: tasks posted while delivering come in a later round.
  void Run() {
    while (platform::ProcessPendingMessages()) {
    }
  }
  void Open() {
    ASSERT_TRUE(platform::ClickElement("Combo"));
    Run();
    ASSERT_TRUE(combo->DroppedDown());
  }
  std::unique_ptr<TForm> form;
  TComboBox* combo = nullptr;
  std::vector<int> changes;
  int clicks = 0;
  std::string formKeys;
};

TEST_F(Combo, AClickOpensTheListAndAClickOnAnItemChoosesIt) {
  Open();
  // The list lies below the field, on top, and reports its items by name and caption.
  platform::Rect list = platform::ScreenRect(combo->ListWindow());
  EXPECT_EQ(list, platform::Rect::Sized(120, 142, 150, 4 * 16 + 2));
  EXPECT_EQ(platform::TopLevelWindows().front(), combo->ListWindow());
  std::vector<std::string> captions;
  for (const platform::Element& e : platform::ElementTree())
    if (e.Class == "TComboItem") captions.push_back(e.Caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Red", "Green", "Blue", "Gold"}));
  ASSERT_EQ(platform::FindElement("ComboItem2")->Caption, "Blue");

  ASSERT_TRUE(platform::ClickElement("ComboItem2"));
  Run();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(platform::FindElement("ComboItem2").has_value());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Blue");
  EXPECT_EQ(changes, std::vector<int>{2});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(platform::ActiveWindow(), form->Window());

  // Choosing the item already chosen clicks but changes nothing.
  Open();
  platform::ClickElement("ComboItem2");
  Run();
  EXPECT_EQ(changes, std::vector<int>{2});
  EXPECT_EQ(clicks, 2);
}

TEST_F(Combo, EscapeAndAPressElsewhereCloseTheListWithoutAChoice) {
  struct Case { const char* how; std::function<void()> act; };
  std::vector<Case> cases = {
      {"Escape", [] { platform::InjectKeyStroke(platform::keys::Escape); }},
      {"Tab", [] { platform::InjectKeyStroke(platform::keys::Tab); }},
      {"press on the form", [] { platform::InjectClick(350, 250); }},
      {"press on the desktop", [] { platform::InjectClick(700, 600); }},
      {"press on the field", [] { platform::ClickElement("Combo"); }},
  };
  for (const Case& c : cases) {
    Open();
    platform::InjectKeyStroke(platform::keys::Down);  // moves the highlight only
    c.act();
    Run();
    EXPECT_FALSE(combo->DroppedDown()) << c.how;
    EXPECT_EQ(combo->ItemIndex(), 0) << c.how;
    EXPECT_EQ(platform::ActiveWindow(), form->Window()) << c.how;
  }
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(clicks, 0);
  // The Escape the list took never reached the form (a dialog would have taken it as Cancel).
  EXPECT_EQ(formKeys, "");
}

TEST_F(Combo, KeysStepTheChoiceAndMoveThroughTheOpenList) {
  platform::ClickElement("Combo");  // focuses it (and opens the list)
  platform::InjectKeyStroke(platform::keys::Escape);
  Run();
  ASSERT_FALSE(combo->DroppedDown());
  for (int key : {platform::keys::Down, platform::keys::Down, platform::keys::Up, platform::keys::Up,
                  platform::keys::Up, platform::keys::End, platform::keys::Down})
    platform::InjectKeyStroke(key);
  Run();
  EXPECT_EQ(changes, (std::vector<int>{1, 2, 1, 0, 3}));
  EXPECT_EQ(clicks, 5);

  // Alt+Down opens; the highlight starts on the choice and Return takes it.
  platform::InjectKeyStroke(platform::keys::Down, platform::ModAlt);
  Run();
  ASSERT_TRUE(combo->DroppedDown());
  for (int key : {platform::keys::Home, platform::keys::Down, platform::keys::Return}) platform::InjectKeyStroke(key);
  Run();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes.back(), 1);
  EXPECT_EQ(formKeys, "");
}

TEST_F(Combo, ALongListScrollsAndItsItemsAreDrawnByTheOwner) {
  std::vector<std::string> items;
  for (int i = 0; i < 20; ++i) items.push_back("Item " + std::to_string(i));
  combo->SetItems(items);
  combo->SetItemIndex(12);
  struct Drawn { int index; toolkit::Rect rect; bool selected; };
  std::vector<Drawn> drawn;
  combo->OnDrawItem = [&](TComboBox&, toolkit::PaintCanvas& canvas, int index, const toolkit::Rect& rect, bool selected) {
    drawn.push_back({index, rect, selected});
    EXPECT_EQ(canvas.ClipRect().Intersect(rect), canvas.ClipRect());
  };
  Open();
  platform::UpdateWindow(combo->ListWindow());
  // Eight rows, the chosen item in the last of them, beside the scroll bar.
  ASSERT_EQ(drawn.size(), 8u);
  EXPECT_EQ(drawn.front().index, 5);
  EXPECT_EQ(drawn.back().index, 12);
  EXPECT_TRUE(drawn.back().selected);
  EXPECT_EQ(drawn.back().rect, toolkit::Rect::Sized(1, 1 + 7 * 16, 150 - 2 - toolkit::kScrollBarWidth, 16));
  EXPECT_FALSE(platform::FindElement("ComboItem4").has_value());
  platform::InjectKeyStroke(platform::keys::End);
  Run();
  EXPECT_TRUE(platform::FindElement("ComboItem19").has_value());
  EXPECT_FALSE(platform::FindElement("ComboItem11").has_value());
  // A press on the scroll bar above the thumb pages up; the list stays open.
  platform::Rect list = platform::ScreenRect(combo->ListWindow());
  platform::InjectClick(list.Right - 4, list.Top + 3);
  Run();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(platform::FindElement("ComboItem4").has_value());
  platform::ClickElement("ComboItem4");
  Run();
  EXPECT_EQ(combo->ItemIndex(), 4);
}

TEST_F(Combo, TheListOpensAboveWhenTheScreenEndsBelowAndClosesForAnotherWindow) {
  form->SetBounds(100, 700, 300, 60);
  Open();
  EXPECT_EQ(platform::ScreenRect(combo->ListWindow()), platform::Rect::Sized(120, 720 - 66, 150, 66));
  TForm other("Other");
  other.SetBounds(0, 0, 50, 50);
  other.Show();
  Run();
  EXPECT_FALSE(combo->DroppedDown());
  // An empty combo does not open.
  combo->ClearItems();
  platform::ClickElement("Combo");
  Run();
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(Combo, AFormFreedWhileItsListIsOpenTakesTheListWithIt) {
  Open();
  platform::WindowId list = combo->ListWindow();
  platform::InjectKeyStroke(platform::keys::Escape);  // queued for a list that will be gone
  form.reset();
  Run();
  EXPECT_FALSE(platform::WindowExists(list));
}

}  // namespace
