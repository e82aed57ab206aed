// Every kind of form and control is created, shown normally and modally, closed and
// released; the sanitizer build's leak check then finds nothing left over.
#include <button_x.h>
#include <clock.h>
#include <combo_box.h>
#include <dlg_message_g.h>
#include <edit.h>
#include <edit_x.h>
#include <element_tree.h>
#include <form.h>
#include <frame.h>
#include <input.h>
#include <list_box.h>
#include <list_items_x.h>
#include <message_queue.h>
#include <page_control.h>
#include <page_control_x.h>
#include <panel.h>
#include <skin_frame.h>
#include <skin_store.h>
#include <spin_x.h>
#include <timer.h>
#include <window_system.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace ui;
using toolkit::TForm;

void Drain() {
  while (platform::ProcessPendingMessages()) {
  }
}

// One of every control, plain and skinned, on `form`.
void FillWithEverything(TForm& form) {
  auto& frame = form.Add<TFrame>("MainFrame");
  frame.SetBounds(2, 2, 396, 296);
  auto& caption = frame.Add<toolkit::TPaintBox>("PaintBoxcaption");
  caption.SetBounds(0, 0, 396, 26);
  auto& close = frame.Add<TButtonX>("CloseB");
  close.SetBounds(370, 2, 22, 22);
  SetUpDialogFrame(form, caption, close);
  auto& panel = frame.Add<toolkit::TPanel>("Panel");
  panel.SetBounds(4, 30, 120, 120);
  panel.Add<toolkit::TLabel>("Label").SetCaption("Label");
  panel.Add<toolkit::TLabelEffect>("Effect").SetCaption("Effect");
  panel.Add<toolkit::TImage>("Image").Picture.SetSize(16, 16);
  panel.Add<toolkit::TEdit>("Edit").SetText("text");
  panel.Add<TEditX>("EditX").SetText("text");
  panel.Add<TMemoX>("MemoX").SetText("one\r\ntwo");
  auto& spin = panel.Add<TSpinEditX>("Spin");
  spin.MaxValue = 10;
  spin.SetBounds(0, 90, 60, 22);
  auto& ok = frame.Add<TButtonX>("Bok");
  ok.Group = -1;
  ok.SetCaption("Ok");
  ok.SetBounds(130, 260, 100, 31);
  ok.OnClick = [&form](toolkit::TControl&) { form.SetModalResult(toolkit::mrOk); };
  frame.Add<TCheckBoxX>("Check").SetBounds(130, 30, 100, 20);
  frame.Add<TRadioButtonX>("Radio").SetBounds(130, 52, 100, 20);
  auto& combo = frame.Add<toolkit::TComboBox>("Combo");
  combo.SetItems({"a", "b", "c"});
  combo.SetBounds(130, 80, 120, 22);
  combo.OnDrawItem = [](toolkit::TComboBox& c, toolkit::PaintCanvas& canvas, int i, const toolkit::Rect& r, bool s) {
    DrawSkinnedItem(canvas, r, c.Items()[i], s, r.Top);
  };
  auto& list = frame.Add<toolkit::TListBox>("List");
  list.SetItems({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  list.SetBounds(260, 30, 120, 60);
  auto& pages = frame.Add<toolkit::TPageControl>("Pages");
  pages.SetBounds(4, 160, 120, 90);
  pages.AddPage("P0", "A").Add<toolkit::TLabel>("L0");
  pages.AddPage("P1", "B");
  auto& skinned = frame.Add<TPageControlX>("PagesX");
  skinned.SetBounds(260, 100, 130, 90);
  skinned.AddPage("X0", "A");
  skinned.AddPage("X1", "B");
}

TEST(Lifetime, EveryFormAndControlIsReleasedWithoutLeaks) {
  platform::ResetWindowSystem();
  platform::UseVirtualClock(true);
  const char* bin = std::getenv("GAMEPLUGINS_BIN");
  ASSERT_NE(bin, nullptr);
  plugin::Frame().hostFolder = std::string(bin) + "/host/";
  BackgroundSetName().clear();
  auto store = std::make_unique<TFImage>(plugin::Frame().hostFolder);
  SetSkinStore(store.get());
  ASSERT_TRUE(store->SetImage("default", "default"));

  {
    // Shown normally, every control used once, then closed and freed by its owner.
    TForm form("Plain");
    form.SetBounds(50, 50, 400, 300);
    FillWithEverything(form);
    PrepareDialog(form);
    toolkit::TTimer timer(100, form.Window());
    timer.OnTimer = [] {};
    timer.SetEnabled(true);
    form.Show();
    platform::ClickElement("Combo");
    Drain();
    ASSERT_TRUE(platform::FindElement("ComboItem1").has_value());
    platform::ClickElement("ComboItem1");
    platform::ClickElement("List");
    platform::ClickElement("P1Tab");
    platform::ClickElement("X1Tab");
    platform::ClickElement("Spin");
    platform::InjectText("12");
    auto spinButton = platform::FindElement("Spin")->ScreenRect;
    platform::InjectPress(spinButton.Right - 3, spinButton.Top + 3);
    platform::RunFor(700);  // the arrow repeats
    platform::InjectRelease(spinButton.Right - 3, spinButton.Top + 3);
    Drain();
    form.Close();
    Drain();
  }
  // Shown modally, ended by a click and by a key after a choice from a combo's list; then
  // shown again and released with the list open.
  for (bool byKey : {false, true}) {
    auto* form = new TForm("Modal");
    form->ReleaseOnClose = true;
    form->SetBounds(50, 50, 400, 300);
    FillWithEverything(*form);
    form->OnKeyPress = [](TForm& f, char& key) {
      if (key == platform::keys::Escape) f.Close();
    };
    platform::Post([byKey] {
      platform::ClickElement("Combo");
      platform::Post([byKey] {
        platform::ClickElement("ComboItem1");  // closes the list
        if (byKey) platform::InjectKeyStroke(platform::keys::Escape);
        else platform::ClickElement("Bok");
      });
    });
    int result = form->ShowModal();
    EXPECT_EQ(result, byKey ? toolkit::mrCancel : toolkit::mrOk);
    // Released with its list open.
    auto* combo = dynamic_cast<toolkit::TComboBox*>(form->FindControl("Combo"));
    form->Show();
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    form->Close();
    Drain();
  }
  EXPECT_TRUE(TForm::Forms().empty());

  // The message box in every button set, answered by a click, a key or its own timer.
  struct Case { std::uint16_t set; const char* button; std::uint16_t answer; };
  for (Case c : {Case{3, "Bok", 1}, Case{4, "Bok", 1}, Case{67, "Bcancel", 2}, Case{75, "ButtonExt", 4}}) {
    platform::Post([c] { platform::ClickElement(c.button); });
    EXPECT_EQ(AskUser("Question?", c.set, "Beaver"), c.answer) << c.set;
  }
  platform::Post([] { platform::InjectKeyStroke(platform::keys::Escape); });
  EXPECT_EQ(AskUser("Question?", 3), 2);
  EXPECT_EQ(AskUser("A notice", 0), 1);
  platform::RunFor(2500);
  Drain();

  TForm::ReleaseOrphans();
  EXPECT_TRUE(TForm::Forms().empty());
  SetSkinStore(nullptr);
  store.reset();
  platform::ResetWindowSystem();
}

}  // namespace
