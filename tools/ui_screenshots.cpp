// ui-screenshots: draws the plug-ins' message box (a question and a notice) and every
// skinned control in each generated skin, and writes them as PNG files, so that a person
// can see what the windows look like without a host.
//
//   ui-screenshots <host folder> <output folder>
#include <button_x.h>
#include <canvas.h>
#include <clock.h>
#include <compositor.h>
#include <dlg_message_g.h>
#include <edit_x.h>
#include <element_tree.h>
#include <frame.h>
#include <input.h>
#include <list_items_x.h>
#include <page_control_x.h>
#include <combo_box.h>
#include <list_box.h>
#include <message_queue.h>
#include <panel.h>
#include <png_file.h>
#include <skin_frame.h>
#include <skin_store.h>
#include <spin_x.h>
#include <surface_bitmap.h>
#include <window_system.h>

#include <cstdio>
#include <string>

namespace {

using namespace ui;
using toolkit::TForm;

bool Save(const std::string& path, const toolkit::Bitmap& picture) {
  if (toolkit::SavePngFile(path, picture)) {
    std::printf("%s\n", path.c_str());
    return true;
  }
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

bool SaveWindow(const std::string& path, platform::WindowId window) {
  platform::Surface surface;
  if (!platform::RenderWindow(window, surface)) return false;
  return Save(path, toolkit::BitmapFromSurface(surface));
}

// The skinned frame every gallery form stands in: caption bar, close button, border.
TFrame& AddDialogFrame(TForm& form) {
  auto& main = form.Add<TFrame>("MainFrame");
  main.SetBounds(2, 2, form.Width() - 4, form.Height() - 4);
  auto& caption = main.Add<toolkit::TPaintBox>("PaintBoxcaption");
  caption.SetBounds(0, 0, main.Width(), 26);
  auto& close = main.Add<TButtonX>("CloseB");
  close.Layer = 106;
  close.LayerAlpha = 0;
  close.SetBounds(main.Width() - 24, 2, 22, 22);
  SetUpDialogFrame(form, caption, close);
  return main;
}

// A form holding one of every skinned control, in its usual states.
void FillGallery(TForm& form) {
  TFrame& main = AddDialogFrame(form);

  auto& framed = main.Add<TFrame>("FrameBox");
  framed.Clear = false;
  framed.SetBounds(8, 34, 250, 140);
  auto& title = main.Add<TFrame>("FrameBevel");
  title.Clear = true;
  title.Transparent = true;
  title.BevelWidth = 2;
  title.Framed = true;
  title.SetBounds(268, 34, 180, 140);
  auto& heading = title.Add<toolkit::TLabel>("LabelList");
  heading.SetCaption("A lowered frame on the list texture");
  heading.WordWrap = true;
  heading.SetBounds(10, 10, 160, 40);
  auto& effect = framed.Add<toolkit::TLabelEffect>("LabelEffect1");
  effect.SetCaption("Label with effect");
  effect.Font.Size = 11;
  effect.Font.Bold = true;
  effect.SetBounds(22, 22, 200, 20);
  auto& red = framed.Add<toolkit::TLabel>("LabelRed");
  red.Font.Colour = toolkit::Rgb{255, 0, 0};
  red.SetCaption("Emphasised label");
  red.SetBounds(22, 48, 200, 16);
  auto& edit = framed.Add<TEditX>("EditX1");
  edit.SetText("Transparent edit");
  edit.SetBounds(22, 70, 140, 20);
  auto& spin = framed.Add<TSpinEditX>("SpinEditX1");
  spin.MinValue = 1, spin.MaxValue = 21;
  spin.SetValue(7);
  spin.SetBounds(22, 96, 70, 22);

  int x = 8, y = 184;
  auto push = [&](const char* name, const char* text, bool enabled) -> TButtonX& {
    auto& b = main.Add<TButtonX>(name);
    b.Group = -1;
    b.SetCaption(text);
    b.SetEnabled(enabled);
    b.SetBounds(x, y, 100, 31);
    x += 108;
    return b;
  };
  push("PushNormal", "Push", true);
  push("PushDisabled", "Disabled", false);
  x = 8, y = 224;
  for (int i = 0; i < 4; ++i) {
    auto& b = main.Add<TButtonX>("Large" + std::to_string(i));
    b.ImageType = 0;
    b.Layer = 101 + i * 3;
    b.SetCaption(i == 0 ? "Normal" : i == 1 ? "Selected" : i == 2 ? "Blinking" : "Disabled");
    b.SetSelected(i == 1);
    b.SetBlink(i == 2);
    b.SetEnabled(i != 3);
    b.SetBounds(x, y, 64, 46);
    x += 70;
  }
  x = 300, y = 184;
  for (int i = 0; i < 3; ++i) {
    auto& b = main.Add<TButtonX>("Small" + std::to_string(i));
    b.ImageType = i == 2 ? 3 : 1;
    b.Group = -2;
    b.SetCaption(i == 0 ? "Sound" : i == 1 ? "Confirmation" : "Show moves");
    b.SetSelected(i == 1);
    b.SetBounds(x, y, 140, 24);
    y += 28;
  }
  auto& marker = main.Add<TButtonX>("Marker");
  marker.ImageType = 2;
  marker.SetBounds(300, 270, 24, 24);
  x = 8, y = 280;
  for (int i = 0; i < 3; ++i) {
    auto& tab = main.Add<TButtonX>("Tab" + std::to_string(i));
    tab.ImageType = 4;
    tab.Group = 7;
    tab.SetCaption(i == 0 ? "Game" : i == 1 ? "Board" : "Blinking");
    tab.SetSelected(i == 0);
    tab.SetBlink(i == 2);
    tab.SetBounds(x, y, 80, 24);
    x += 80;
  }
  y = 312;
  const char* checks[] = {"Check on", "Check off", "Disabled on"};
  for (int i = 0; i < 3; ++i) {
    auto& c = main.Add<TCheckBoxX>("Check" + std::to_string(i));
    c.SetCaption(checks[i]);
    c.SetSelected(i != 1);
    c.SetEnabled(i != 2);
    c.SetBounds(8, y + 22 * i, 140, 20);
    auto& r = main.Add<TRadioButtonX>("Radio" + std::to_string(i));
    r.Group = 3;
    r.SetCaption(i == 0 ? "Radio on" : i == 1 ? "Radio off" : "Disabled radio");
    r.SetSelected(i == 0);
    r.SetEnabled(i != 2);
    r.SetBounds(160, y + 22 * i, 140, 20);
  }
}

// A form with the lists and pages: a page control whose first page holds a list box and a
// combo box, both drawn with the skin's items.
toolkit::TComboBox& FillListsGallery(TForm& form) {
  TFrame& main = AddDialogFrame(form);

  auto& pages = main.Add<TPageControlX>("Pages");
  pages.SetBounds(8, 34, main.Width() - 16, main.Height() - 42);
  auto& first = pages.AddPage("PageLists", "Lists");
  pages.AddPage("PageBoard", "Board").Add<toolkit::TLabel>("LabelBoard").SetCaption("Choose the board :");
  pages.AddPage("PageFormula", "Formula");

  auto& list = first.Add<toolkit::TListBox>("MoveListBox");
  std::vector<std::string> moves;
  for (int i = 1; i <= 24; ++i)
    moves.push_back(std::to_string(i) + ")  " + std::to_string(i % 6 + 1) + std::to_string((i * 5) % 6 + 1) + ": 24/" +
                    std::to_string(24 - i % 6 - 1));
  list.SetItems(moves);
  list.SetBounds(8, 8, 180, 8 * 16 + 2);
  list.SetItemIndex(10);
  list.OnDrawItem = [](toolkit::TListBox& l, toolkit::PaintCanvas& canvas, int index, const toolkit::Rect& rect,
                       bool selected) {
    DrawSkinnedItem(canvas, rect, l.Items()[index], selected, rect.Top - index * l.ItemHeight());
  };
  auto& label = first.Add<toolkit::TLabel>("LabelCombo");
  label.SetCaption("Choose the board :");
  label.SetBounds(204, 8, 160, 16);
  auto& combo = first.Add<toolkit::TComboBox>("ComboBoard");
  combo.SetItems({"Classic", "Marble", "Walnut", "Felt", "Midnight", "Tournament", "Wood", "Slate", "Sand", "Ice"});
  combo.SetItemIndex(1);
  combo.SetBounds(204, 28, 180, 22);
  combo.OnDrawItem = [](toolkit::TComboBox& c, toolkit::PaintCanvas& canvas, int index, const toolkit::Rect& rect,
                        bool selected) { DrawSkinnedItem(canvas, rect, c.Items()[index], selected, rect.Top); };
  auto& plain = first.Add<toolkit::TComboBox>("ComboPlain");
  plain.SetItems({"Plain combo box", "Second"});
  plain.SetItemIndex(0);
  plain.SetBounds(204, 200, 180, 22);
  return combo;
}

// The screen's part under a form (with whatever lies on top of it there).
bool SaveScreenPart(const std::string& path, const TForm& form) {
  platform::Surface screen;
  platform::RenderScreen(screen);
  toolkit::Bitmap whole = toolkit::BitmapFromSurface(screen), part(form.Width(), form.Height());
  toolkit::Canvas(part).CopyRect(toolkit::Rect{0, 0, form.Width(), form.Height()}, whole,
                                 toolkit::Rect::Sized(form.Left(), form.Top(), form.Width(), form.Height()));
  return Save(path, part);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ui-screenshots <host folder> <output folder>\n");
    return 2;
  }
  std::string hostFolder = argv[1];
  if (hostFolder.back() != '/') hostFolder += '/';
  std::string out = argv[2];
  platform::UseVirtualClock(true);
  platform::SetScreenMetrics(platform::ScreenMetrics{800, 600, 24});
  plugin::Frame().hostFolder = hostFolder;
  bool ok = true;
  for (const char* skin : {"default", "Midnight"}) {
    BackgroundSetName().clear();
    TFImage store(hostFolder);
    SetSkinStore(&store);
    if (!store.SetImage(skin, skin)) {
      std::fprintf(stderr, "skin %s is missing under %s\n", skin, hostFolder.c_str());
      return 1;
    }
    {
      TForm gallery("Gallery", "Skinned controls");
      gallery.SetBounds(10, 10, 470, 390);
      FillGallery(gallery);
      PrepareDialog(gallery);
      gallery.Show();
      ok &= SaveWindow(out + "/controls-" + skin + ".png", gallery.Window());
    }
    {
      TForm lists("ListsGallery", "Lists and pages");
      lists.SetBounds(10, 10, 420, 300);
      toolkit::TComboBox& combo = FillListsGallery(lists);
      PrepareDialog(lists);
      lists.Show();
      ok &= SaveWindow(out + "/lists-" + skin + ".png", lists.Window());
      combo.SetDroppedDown(true);
      platform::InjectKeyStroke(platform::keys::Down);
      platform::InjectKeyStroke(platform::keys::Down);
      while (platform::ProcessPendingMessages()) {
      }
      ok &= SaveScreenPart(out + "/combo-open-" + skin + ".png", lists);
      combo.SetDroppedDown(false);
    }
    // A question: shot from inside its modal loop, then answered.
    platform::Post([&] {
      auto box = platform::FindElement("Bok");
      if (box) {
        platform::WindowId window = platform::TopLevelOf(box->Window);
        ok &= SaveWindow(out + "/question-" + skin + ".png", window);
      }
      platform::ClickElement("Bcancel");
    });
    AskUser("Your opponent wants to resign\r\nDo you accept ?", 75, "Beaver");
    AskUser("Your opponent has left the table", 0);
    for (platform::WindowId window : platform::TopLevelWindows())
      ok &= SaveWindow(out + "/notice-" + skin + ".png", window);
    platform::RunFor(2500);
    SetSkinStore(nullptr);
  }
  platform::ResetWindowSystem();
  return ok ? 0 : 1;
}
