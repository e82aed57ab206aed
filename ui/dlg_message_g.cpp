#include "dlg_message_g.h"

#include <command_list.h>
#include <frame.h>
#include <host_controls.h>
#include <window_system.h>

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

using toolkit::PaintCanvas;
using toolkit::Rect;
using toolkit::TForm;

constexpr int kButtonHeight = 31;
constexpr int kCaptionHeight = 26;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

toolkit::TControl* FindNoCase(toolkit::TControl& control, std::string_view name) {
  if (SameName(control.Name, name)) return &control;
  for (const auto& child : control.Children()) {
    if (toolkit::TControl* found = FindNoCase(*child, name)) return found;
  }
  return nullptr;
}

void RepaintCaptionBars(TForm&) {
  for (TForm* form : TForm::Forms()) {
    if (toolkit::TControl* bar = FindNoCase(*form, "paintboxCaption")) bar->Invalidate();
  }
}

Rgb PaletteOr(int n, Rgb fallback) {
  TFImage* store = SkinStore();
  return store ? store->Colour(n) : fallback;
}

void PaintBorder(TForm& form, PaintCanvas& canvas) {
  Rgb border1 = PaletteOr(kBorder1, Rgb{128, 128, 128}), border2 = PaletteOr(kBorder2, Rgb{255, 255, 255});
  Rgb outerLight = toolkit::MixColours(border1, border2);
  Rgb outerDark = toolkit::MixColours(border1, Rgb{0, 0, 0});
  Rgb innerLight = toolkit::MixColours(outerLight, border2);
  Rect all = form.ClientRect();
  canvas.Bevel(all, outerLight, outerDark);
  canvas.Bevel(Rect{1, 1, all.Right - 1, all.Bottom - 1}, innerLight, border1);
}

void PaintCaption(TForm& form, toolkit::TPaintBox& bar, PaintCanvas& canvas) {
  bool active = form.Active();
  Rgb caption = PaletteOr(active ? 12 : 1, active ? Rgb{0, 0, 128} : Rgb{128, 128, 128});
  Rgb background = PaletteOr(kBorder2, Rgb{255, 255, 255});
  int w = bar.Width() - 4;
  for (int i = 0; i < w; ++i)
    canvas.FillRect(Rect{2 + i, 2, 3 + i, bar.Height() - 2}, CaptionGradient(caption, background, i, w));
  canvas.Font().Colour = PaletteOr(active ? 11 : 13, Rgb{255, 255, 255});
  canvas.Font().Bold = true;
  canvas.TextOut(8, 6, form.Caption());
}

// Drags a form by its caption bar: the pointer's movement since the last position moves it.
struct CaptionDrag {
  bool dragging = false;
  int lastX = 0;
  int lastY = 0;
};

}  // namespace

// ---- Placement and the dialog frame ----

Rgb CaptionGradient(Rgb caption, Rgb background, int i, int w) {
  if (w <= 0) return caption;
  int back = 56 + 200 * i / w, front = 200 - 200 * i / w;
  auto mix = [&](int b, int c) { return static_cast<std::uint8_t>(std::clamp((b * back + c * front) / 256, 0, 255)); };
  return Rgb{mix(background.R, caption.R), mix(background.G, caption.G), mix(background.B, caption.B)};
}

Rect PlaceDialog(int width, int height, const Rect& over, int screenWidth, int screenHeight) {
  int left = over.Left + (over.Width() - width) / 2;
  int top = over.Top + (over.Height() - height) / 2;
  if (left + width > screenWidth) left = screenWidth - width;
  if (top + height > screenHeight) top = screenHeight - height;
  left = std::max(left, 0);
  top = std::max(top, 0);
  return Rect::Sized(left, top, width, height);
}

void PrepareDialog(TForm& form) {
  form.OnActivate = RepaintCaptionBars;
  form.OnDeactivate = RepaintCaptionBars;
  if (TFImage* store = SkinStore()) store->SkinForm(form);
  platform::ScreenMetrics screen = platform::Screen();
  Rect over{0, 0, screen.Width, screen.Height};
  platform::WindowId board = platform::WindowOfHandle(plugin::Frame().boardImage);
  if (board && platform::WindowExists(board)) {
    platform::Rect r = platform::ScreenRect(board);
    over = Rect{r.Left, r.Top, r.Right, r.Bottom};
  }
  Rect place = PlaceDialog(form.Width(), form.Height(), over, screen.Width, screen.Height);
  form.SetBounds(place.Left, place.Top, place.Width(), place.Height());
}

void SetUpDialogFrame(TForm& form, toolkit::TPaintBox& caption, TButtonX& closeButton) {
  form.OnPaint = [](TForm& f, PaintCanvas& canvas) { PaintBorder(f, canvas); };
  caption.OnPaint = [&form](toolkit::TPaintBox& bar, PaintCanvas& canvas) { PaintCaption(form, bar, canvas); };
  auto drag = std::make_shared<CaptionDrag>();
  caption.OnMouseDown = [drag](toolkit::TControl& bar, toolkit::MouseButton button, int x, int y) {
    if (button != toolkit::MouseButton::Left) return;
    Rect box = bar.FormRect();
    drag->dragging = true;
    drag->lastX = bar.Form()->Left() + box.Left + x;
    drag->lastY = bar.Form()->Top() + box.Top + y;
  };
  caption.OnMouseMove = [drag](toolkit::TControl& bar, int x, int y) {
    TForm* f = bar.Form();
    if (!drag->dragging || f->State() != toolkit::WindowState::Normal) return;
    Rect box = bar.FormRect();
    int screenX = f->Left() + box.Left + x, screenY = f->Top() + box.Top + y;
    f->SetBounds(f->Left() + screenX - drag->lastX, f->Top() + screenY - drag->lastY, f->Width(), f->Height());
    drag->lastX = screenX;
    drag->lastY = screenY;
  };
  caption.OnMouseUp = [drag](toolkit::TControl&, toolkit::MouseButton, int, int) { drag->dragging = false; };
  closeButton.OnClick = [&form](toolkit::TControl&) { form.Close(); };
}

// ---- Modal state ----

void ModalOn() {
  plugin::Frame().modalActive = true;
  plugin::CommandList commands;
  commands.Add("Modal", "On");
  plugin::PushToHost(commands);
}

void ModalOff() {
  plugin::Frame().modalActive = false;
  plugin::CommandList commands;
  commands.Add("Modal", "Off");
  plugin::PushToHost(commands);
}

// ---- The box ----

TMessageDlgG::TMessageDlgG() : TForm("MessageDlgG", "Message", "TMessageDlgG") {
  MainFrame = &Add<TFrame>("MainFrame");
  CaptionPanel = &MainFrame->Add<toolkit::TPanel>("Caption");
  CaptionPanel->ParentBackground = true;
  PaintBoxcaption = &CaptionPanel->Add<toolkit::TPaintBox>("PaintBoxcaption");
  CloseB = &CaptionPanel->Add<TButtonX>("CloseB");
  CloseB->Layer = 106;
  CloseB->LayerAlpha = 0;
  Label1 = &MainFrame->Add<toolkit::TLabel>("Label1");
  Label1->TextAlign = toolkit::Alignment::Center;
  Label1->WordWrap = true;
  Label1->CenterVertically = true;
  Label2 = &MainFrame->Add<toolkit::TLabel>("Label2");
  Label3 = &MainFrame->Add<toolkit::TLabel>("Label3");
  EditPanel = &MainFrame->Add<toolkit::TPanel>("EditPanel");
  Edit1 = &EditPanel->Add<TEditX>("Edit1");
  auto answer = [this](int result) {
    return [this, result](toolkit::TControl&) {
      if (Modal()) SetModalResult(result);
      else Close();
    };
  };
  Bok = &MainFrame->Add<TButtonX>("Bok");
  Bok->SetCaption("Ok");
  Bok->OnClick = answer(1);
  Bcancel = &MainFrame->Add<TButtonX>("Bcancel");
  Bcancel->SetCaption("Cancel");
  Bcancel->OnClick = answer(2);
  ButtonExt = &MainFrame->Add<TButtonX>("ButtonExt");
  ButtonExt->SetCaption("Ok");
  ButtonExt->SetVisible(false);
  ButtonExt->OnClick = answer(4);
  for (TButtonX* button : {Bok, Bcancel, ButtonExt}) button->Group = -1;
  SetUpDialogFrame(*this, *PaintBoxcaption, *CloseB);
  OnKeyPress = [this](TForm&, char& key) { FormKeyPress(key); };
  Timer1.SetInterval(2000);
  Timer1.SetOwner(Window());
  Timer1.OnTimer = [this] {
    Timer1.SetEnabled(false);
    Close();
  };
  ToolWindow = true;
  TForm::SetBounds(0, 0, 381, 122);
  Layout();
}

void TMessageDlgG::SetBounds(int left, int top, int width, int height) {
  bool resized = width != Width() || height != Height();
  TForm::SetBounds(left, top, width, height);
  if (resized) Layout();
}

void TMessageDlgG::Layout() {
  int w = Width() - 4, h = Height() - 4;
  MainFrame->SetBounds(2, 2, w, h);
  CaptionPanel->SetBounds(0, 0, w, kCaptionHeight);
  PaintBoxcaption->SetBounds(0, 0, w, kCaptionHeight);
  CloseB->SetBounds(w - kCaptionHeight + 2, 2, kCaptionHeight - 4, kCaptionHeight - 4);
  bool withButtons = Bok->Visible() || Bcancel->Visible() || ButtonExt->Visible();
  if (!CaptionPanel->Visible() && !withButtons) {
    Label1->SetBounds(0, 0, w, h);
    return;
  }
  int top = CaptionPanel->Visible() ? kCaptionHeight + 2 : 2;
  int buttonsTop = h - kButtonHeight - 6;
  Label1->SetBounds(6, top, w - 12, buttonsTop - top - 2);
  std::vector<TButtonX*> shown;
  for (TButtonX* button : {Bok, Bcancel, ButtonExt}) {
    if (button->Visible()) shown.push_back(button);
  }
  if (shown.size() == 1) {
    shown[0]->SetBounds(2, buttonsTop, w - 4, kButtonHeight);
    return;
  }
  int gap = 8, width = std::min(110, (w - 16 - gap * (static_cast<int>(shown.size()) - 1)) / std::max<int>(1, shown.size()));
  int total = width * static_cast<int>(shown.size()) + gap * (static_cast<int>(shown.size()) - 1);
  int x = (w - total) / 2;
  for (TButtonX* button : shown) {
    button->SetBounds(x, buttonsTop, width, kButtonHeight);
    x += width + gap;
  }
}

void TMessageDlgG::FormKeyPress(char& key) {
  if (KeysOff) return;
  if (key == '\r') {
    key = 0;
    Bok->OnClick(*Bok);
  } else if (key == 27) {
    key = 0;
    Bcancel->OnClick(*Bcancel);
  }
}

// ---- Questions ----

// A notice half as wide as its text holds two lines only when they break near the middle:
// the space that makes the longer line shortest becomes the break.
std::string TwoLines(toolkit::FontFace& face, std::string_view text) {
  std::string best(text);
  if (text.find('\n') != std::string_view::npos) return best;
  int bestWidth = face.TextWidth(text);
  for (std::size_t at = text.find(' '); at != std::string_view::npos; at = text.find(' ', at + 1)) {
    int longer = std::max(face.TextWidth(text.substr(0, at)), face.TextWidth(text.substr(at + 1)));
    if (longer < bestWidth) {
      bestWidth = longer;
      best = std::string(text.substr(0, at)) + "\r\n" + std::string(text.substr(at + 1));
    }
  }
  return best;
}

void NoticeSize(int textWidth, int& width, int& height) {
  width = textWidth + 20;
  height = 20;
  if (width > 200) {
    width /= 2;
    height *= 2;
  }
}

std::uint16_t AskUser(std::string_view text, std::uint16_t buttons, std::string_view extra) {
  auto box = std::make_unique<TMessageDlgG>();
  box->Label1->SetCaption(text);
  box->Label2->SetVisible(false);
  box->Label3->SetVisible(false);
  box->EditPanel->SetVisible(false);
  if (buttons & kAskYes) box->Bok->SetCaption("Yes");
  if (buttons & kAskNo) box->Bcancel->SetCaption("No");
  if (!(buttons & (kAskThird | kAskNo))) box->Bcancel->SetVisible(false);
  if ((buttons & (kAskThird | kAskYes | kAskNo)) == (kAskThird | kAskYes | kAskNo)) {
    box->ButtonExt->SetVisible(true);
    box->ButtonExt->SetCaption("No");
    box->Bcancel->SetCaption(extra.empty() ? std::string_view("Cancel") : extra);
  }
  box->KeysOff = (buttons & kAskKeysOff) != 0;
  int width = (buttons & (kAskThird | kAskYes | kAskNo)) == (kAskThird | kAskYes | kAskNo) ? 387 : 300;
  int height = box->Height();
  if (buttons == 0) {
    for (TButtonX* button : {box->Bok, box->Bcancel, box->ButtonExt}) button->SetVisible(false);
    box->CaptionPanel->SetVisible(false);
    const toolkit::FontSpec& font = box->Label1->Font;
    toolkit::FontFace& face = toolkit::FontFace::Find(font.Name, font.Size, font.Bold);
    NoticeSize(face.TextWidth(text), width, height);
    if (height > 20) {
      box->Label1->SetCaption(TwoLines(face, text));
      box->Label1->WordWrap = false;
    }
  }
  box->SetBounds(box->Left(), box->Top(), width, height);
  box->Layout();
  box->SetStayOnTop(true);
  PrepareDialog(*box);

  if (buttons == 0) {
    TMessageDlgG* notice = box.release();
    notice->ReleaseOnClose = true;
    platform::WindowId previous = platform::ActiveWindow();
    notice->Show();
    if (previous) platform::ActivateWindow(previous);
    notice->Timer1.SetEnabled(true);
    return 1;
  }

  ModalOn();
  plugin::Frame().openModal = box.get();
  int result = 0;
  try {
    result = box->ShowModal();
  } catch (...) {
    result = 0;
  }
  plugin::Frame().openModal = nullptr;
  ModalOff();
  // A box torn down without an answer (its window destroyed) counts as closed: "no".
  return static_cast<std::uint16_t>(result == 1 || result == 4 ? result : 2);
}

}  // namespace ui
