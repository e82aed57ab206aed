// The plug-ins' message box, the caption bar and border all their dialogs share, and the
// placement every dialog goes through before it is shown.
#pragma once

#include "button_x.h"
#include "edit_x.h"
#include "skin_frame.h"

#include <form.h>
#include <panel.h>
#include <timer.h>

#include <cstdint>
#include <string_view>

namespace ui {

// ---- Questions ----

// Button sets of AskUser: bit 0 "Yes", bit 1 "No" shown, bit 2 no caption change, bit 3 a
// third button (with bits 0 and 1), bit 6 Enter and Escape do nothing. 0 is a notice.
inline constexpr std::uint16_t kAskYes = 1, kAskNo = 2, kAskSingle = 4, kAskThird = 8, kAskKeysOff = 64;

// Asks the user in a message box over the board and answers 1 (first button or Enter), 2
// (second button, Escape, the close button, or the box torn down), 4 (third button). While
// the box is open the queue keeps running, ModalActive is raised and the host is told
// ("Modal:On|", "Modal:Off|"). A notice (set 0) shows the text for 2000 ms without buttons
// and answers 1 at once.
std::uint16_t AskUser(std::string_view text, std::uint16_t buttons, std::string_view extra = {});

// The size of a notice box for a text that many pixels wide: the text plus 20 by 20, and
// beyond 200 pixels half as wide and twice as high.
void NoticeSize(int textWidth, int& width, int& height);

// ---- Modal state ----

// Raise and lower ModalActive and tell the host at once.
void ModalOn();
void ModalOff();

// ---- Every dialog ----

// Skins the form, hooks its activation to repaint every caption bar, centres it over the
// host's board image (or the screen) and keeps it on the screen.
void PrepareDialog(toolkit::TForm& form);
// Where PrepareDialog puts a form of that size: centred over `over` and kept on a screen
// of that size, the left and top edges winning when the form is larger than the screen.
toolkit::Rect PlaceDialog(int width, int height, const toolkit::Rect& over, int screenWidth, int screenHeight);
// Gives a borderless form the common dialog frame: the two-pixel border, the caption bar
// painted on `caption` and dragged by it, and `closeButton` closing the form.
void SetUpDialogFrame(toolkit::TForm& form, toolkit::TPaintBox& caption, TButtonX& closeButton);
// The caption bar's colour at column i of a bar w wide, from the caption colour at the
// left to the background at the right.
Rgb CaptionGradient(Rgb caption, Rgb background, int i, int w);

// ---- The box ----

// TMessageDlgG is the message box: a borderless form whose MainFrame holds the caption bar
// (Caption with PaintBoxcaption and CloseB), the text (Label1), the three answer buttons
// (Bok, Bcancel, ButtonExt), an input line AskUser keeps hidden (Label2, Label3, Edit1 in
// EditPanel) and Timer1, which closes a notice.
class TMessageDlgG : public toolkit::TForm {
 public:
  TMessageDlgG();
  void SetBounds(int left, int top, int width, int height) override;

  TFrame* MainFrame;
  toolkit::TPanel* CaptionPanel;  // the control named "Caption"
  toolkit::TPaintBox* PaintBoxcaption;
  TButtonX* CloseB;
  toolkit::TLabel* Label1;
  toolkit::TLabel* Label2;
  toolkit::TLabel* Label3;
  toolkit::TPanel* EditPanel;
  TEditX* Edit1;
  TButtonX* Bok;
  TButtonX* Bcancel;
  TButtonX* ButtonExt;
  toolkit::TTimer Timer1;
  bool KeysOff = false;

  // Places the controls for the box's size and the buttons shown.
  void Layout();

 private:
  void FormKeyPress(char& key);
};

}  // namespace ui
