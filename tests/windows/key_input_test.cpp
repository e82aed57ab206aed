#include "test_window.h"

namespace {

using namespace wintest;
using Log = std::vector<std::string>;

using KeyInput = WindowTest;

TEST_F(KeyInput, KeysReachTheFocusedWindowAndRiseWhileDeclined) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
  TestWindow& panel = Make("Panel", Rect::Sized(0, 0, 100, 100), kGreen, form.Id);
  TestWindow& edit = Make("Edit1", Rect::Sized(0, 0, 50, 20), kBlue, panel.Id);
  ASSERT_TRUE(SetFocus(edit.Id));
  form.Take();
  panel.Take();
  edit.Take();
  // The edit takes characters only; the form takes what rises to it.
  edit.OnKey = [](const KeyEvent& e) { return e.Action == KeyAction::Char && e.Char != 13; };
  form.OnKey = [](const KeyEvent&) { return true; };
  InjectText("7");
  InjectKeyStroke(keys::Return);
  ProcessPendingMessages();
  EXPECT_EQ(edit.Take(), (Log{"char 55", "keydown 13", "char 13", "keyup 13"}));
  EXPECT_EQ(panel.Take(), (Log{"keydown 13", "char 13", "keyup 13"}));
  EXPECT_EQ(form.Take(), (Log{"keydown 13", "char 13", "keyup 13"}));
}

TEST_F(KeyInput, KeyStrokesTypeTheCharactersDialogsListenFor) {
  struct Case {
    int Key;
    std::uint8_t Char;  // 0: none
  };
  const Case cases[] = {{keys::Return, 13}, {keys::Escape, 27}, {keys::Back, 8}, {keys::Up, 0}, {keys::Delete, 0}};
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
  form.Take();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    InjectKeyStroke(c.Key);
    ProcessPendingMessages();
    Log expected{"keydown " + std::to_string(c.Key)};
    if (c.Char) expected.push_back("char " + std::to_string(c.Char));
    expected.push_back("keyup " + std::to_string(c.Key));
    EXPECT_EQ(form.Take(), expected);
  }
}

TEST_F(KeyInput, KeysFallBackToTheActiveWindowWhenTheFocusCannotTakeThem) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 200, 200), kRed);
  TestWindow& edit = Make("Edit1", Rect::Sized(0, 0, 50, 20), kBlue, form.Id);
  SetFocus(edit.Id);
  SetEnabled(edit.Id, false);
  form.Take();
  edit.Take();
  InjectText("x");
  ProcessPendingMessages();
  EXPECT_TRUE(edit.Log.empty());
  EXPECT_EQ(form.Take(), (Log{"char 120"}));
}

}  // namespace
