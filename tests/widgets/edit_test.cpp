// Typing, selecting and replacing text in an edit, by keys and by the pointer.
#include <clock.h>
#include <edit.h>
#include <edit_x.h>
#include <form.h>
#include <input.h>
#include <message_queue.h>
#include <window_system.h>

#include <gtest/gtest.h>

namespace {

namespace keys = platform::keys;

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetWindowSystem();
    platform::UseVirtualClock(true);
    form = std::make_unique<toolkit::TForm>("Form");
    form->SetBounds(100, 100, 300, 100);
    edit = &form->Add<toolkit::TEdit>("Edit");
    edit->SetBounds(10, 10, 250, 24);
    form->Show();
    form->SetFocusTo(edit);
    Run();
  }
  void TearDown() override {
    form.reset();
    platform::UseVirtualClock(false);
    platform::ResetWindowSystem();
  }
  void Run() {
    while (platform::ProcessPendingMessages()) {
    }
  }
  void Keys(std::initializer_list<int> codes, std::uint8_t modifiers = 0) {
    for (int code : codes) {
      platform::InjectKeyStroke(code, modifiers);
      Run();
    }
  }
  void Type(std::string_view text) {
    platform::InjectText(text);
    Run();
  }
  // Screen position of the gap before character `index` of the text.
  int GapX(std::size_t index) {
    toolkit::Bitmap scratch(1, 1);
    toolkit::PaintCanvas canvas(scratch, 0, 0, toolkit::Rect::Sized(0, 0, 1, 1));
    canvas.Font() = edit->Font;
    return 100 + 10 + 3 + canvas.TextWidth(edit->Text().substr(0, index));
  }
  std::unique_ptr<toolkit::TForm> form;
  toolkit::TEdit* edit = nullptr;
};

TEST_F(EditTest, ShiftArrowsSelectAndTypingReplacesTheSelection) {
  Type("hello world");
  Keys({keys::Left, keys::Left, keys::Left, keys::Left, keys::Left}, platform::ModShift);
  EXPECT_EQ(edit->SelText(), "world");
  Type("there");
  EXPECT_EQ(edit->Text(), "hello there");
  EXPECT_EQ(edit->SelLength(), 0u);
  Keys({keys::Home});
  Keys({keys::End}, platform::ModShift);
  EXPECT_EQ(edit->SelText(), "hello there");
  Keys({keys::Left});  // collapses to the start
  EXPECT_EQ(edit->CaretPosition(), 0u);
  EXPECT_EQ(edit->SelLength(), 0u);
}

TEST_F(EditTest, DeletingTheSelectionOrOneCharacter) {
  Type("abcdef");
  Keys({'A'}, platform::ModControl);
  EXPECT_EQ(edit->SelText(), "abcdef");
  Keys({keys::Back});
  Type("");
  EXPECT_EQ(edit->Text(), "");
  Type("abcdef");
  Keys({keys::Home, keys::Delete});
  EXPECT_EQ(edit->Text(), "bcdef");
  Keys({keys::End});
  platform::InjectText("\b");
  Run();
  EXPECT_EQ(edit->Text(), "bcde");
  edit->MaxLength = 4;
  Keys({keys::Left}, platform::ModShift);
  Type("XY");  // at the limit, the selected byte makes room for one, not two
  EXPECT_EQ(edit->Text(), "bcdX");
}

TEST_F(EditTest, ThePointerPlacesTheCaretDragsASelectionAndDoubleClickSelectsAWord) {
  Type("alpha beta gamma");
  platform::InjectClick(GapX(6), 122);
  Run();
  EXPECT_EQ(edit->CaretPosition(), 6u);
  platform::InjectPress(GapX(6), 122);
  platform::InjectMove(GapX(10), 122);
  platform::InjectRelease(GapX(10), 122);
  Run();
  EXPECT_EQ(edit->SelText(), "beta");
  platform::InjectDoubleClick(GapX(13), 122);
  Run();
  EXPECT_EQ(edit->SelText(), "gamma");
}

}  // namespace
