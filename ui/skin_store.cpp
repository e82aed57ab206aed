#include "skin_store.h"

#include "edit_x.h"

#include <bmp_file.h>
#include <canvas.h>
#include <files.h>
#include <jpeg_file.h>
#include <panel.h>
#include <picture_error.h>
#include <window_system.h>

#include <algorithm>
#include <cassert>

namespace ui {

namespace {

using toolkit::Rect;

constexpr Rgb kYellow{255, 255, 0};
TFImage* theStore = nullptr;

// Where the palette colours lie in the background picture, in palette order.
constexpr int kPalettePixels[15][2] = {{350, 110}, {350, 174}, {350, 142}, {382, 110}, {382, 142},
                                       {382, 174}, {382, 206}, {414, 110}, {414, 142}, {414, 174},
                                       {382, 238}, {414, 206}, {414, 238}, {350, 206}, {350, 238}};

// The colours a form has before any skin: text black, emphasis red, a grey dialog.
constexpr Rgb kPlainPalette[16] = {{},           {0, 0, 0},       {128, 128, 128}, {255, 255, 255},
                                   {255, 0, 0},  {255, 255, 255}, {0, 0, 128},     {0, 0, 0},
                                   {200, 0, 0},  {128, 0, 128},   {0, 128, 0},     {255, 255, 255},
                                   {0, 0, 128},  {192, 192, 192}, {128, 128, 128}, {255, 255, 255}};

bool Inside(const Bitmap& picture, int x, int y) {
  return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height();
}

Bitmap LoadOptionalBmp(const std::string& path) {
  try {
    return toolkit::LoadBmpFile(path);
  } catch (const toolkit::PictureError&) {
    return Bitmap{};
  }
}

void Recolour(toolkit::TControl& control, Rgb from1, Rgb to1, Rgb from4, Rgb to4, bool firstTime,
              Rgb edit) {
  control.Invalidate();
  if (auto* label = dynamic_cast<toolkit::TLabel*>(&control)) {
    Rgb& colour = label->Font.Colour;
    if (firstTime) {
      if (colour == Rgb{255, 0, 0}) colour = to4;
      else if (colour == Rgb{0, 0, 0}) colour = to1;
    } else {
      if (colour == from4) colour = to4;
      else if (colour == from1) colour = to1;
    }
    if (auto* effect = dynamic_cast<toolkit::TLabelEffect*>(label)) {
      effect->HighlightColor = toolkit::MixColours(colour, Rgb{255, 255, 255});
      effect->ShadowColor = toolkit::MixColours(colour, Rgb{0, 0, 0});
    }
  } else if (auto* editX = dynamic_cast<TEditX*>(&control)) {
    editX->Font.Colour = edit;
  }
  for (const auto& child : control.Children())
    Recolour(*child, from1, to1, from4, to4, firstTime, edit);
}

}  // namespace

std::string& BackgroundSetName() {
  static std::string name = "default";
  return name;
}

TFImage* SkinStore() { return theStore; }
void SetSkinStore(TFImage* store) { theStore = store; }

Bitmap CutPiece(const Bitmap& source, const Rect& area, bool trim) {
  Rect box = area.Intersect(Rect{0, 0, source.Width(), source.Height()});
  if (box.Empty()) return Bitmap{};
  int width = box.Width(), height = box.Height();
  if (trim) {
    while (width > 0 && toolkit::PixelOf(source, box.Left + width - 1, box.Top) == kYellow) --width;
    while (height > 0 && toolkit::PixelOf(source, box.Left, box.Top + height - 1) == kYellow) --height;
  }
  Bitmap piece;
  if (width == 0 || height == 0) return piece;
  piece.SetSize(width, height);
  toolkit::Canvas(piece).CopyRect(Rect{0, 0, width, height}, source, Rect::Sized(box.Left, box.Top, width, height));
  return piece;
}

// ---- Loading ----

TFImage::TFImage(std::string hostFolder) : hostFolder_(std::move(hostFolder)) {
  std::copy(std::begin(kPlainPalette), std::end(kPlainPalette), palette_);
  pushText_[0] = Rgb{0, 0, 0}, pushText_[1] = Rgb{128, 128, 128}, pushText_[2] = Rgb{255, 255, 255};
  Radio = LoadOptionalBmp(hostFolder_ + "data\\radio.bmp");
  check = LoadOptionalBmp(hostFolder_ + "data\\check.bmp");
  SubMenu = LoadOptionalBmp(hostFolder_ + "data\\submenu.bmp");
  if (!BackgroundSetName().empty()) SetImage(BackgroundSetName(), buttonName_);
}

TFImage::~TFImage() {
  if (theStore == this) theStore = nullptr;
}

bool TFImage::SetImage(std::string_view backgroundSet, std::string_view buttonSet) {
  Bitmap background, buttons;
  try {
    background = toolkit::LoadBmpFile(hostFolder_ + "layout\\BGSet" + std::string(backgroundSet) + ".bmp");
    buttons = toolkit::LoadBmpFile(hostFolder_ + "layout\\ButtonSet" + std::string(buttonSet) + ".bmp");
  } catch (const toolkit::PictureError&) {
    return false;
  }
  background.SetFormat(toolkit::PixelFormat::Bgr24);
  buttons.SetFormat(toolkit::PixelFormat::Bgr24);
  BackgroundSetName() = std::string(backgroundSet);
  buttonName_ = std::string(buttonSet);
  BgSet = std::move(background);
  ButtonSet = std::move(buttons);
  UpdateClick();
  return true;
}

Offset TFImage::MeasureCell(int x, int y) {
  temp = CutPiece(ButtonSet, Rect::Sized(x, y, 10, 10), true);
  return Offset{temp.Width(), temp.Height()};
}

void TFImage::UpdateClick() {
  paletteScreen_ = platform::Screen().BitsPerPixel <= 8;
  auto hold = [&](Bitmap& picture) {
    if (paletteScreen_ && !picture.Empty()) picture.SetFormat(toolkit::PixelFormat::Indexed8);
  };
  if (!ButtonSet.Empty()) {
    const int cells[6][2] = {{65, 65}, {65, 193}, {65, 161}, {81, 193}, {257, 65}, {257, 97}};
    for (int i = 0; i < 6; ++i) {
      Offset cell = MeasureCell(cells[i][0], cells[i][1]);
      // The normal positions sit one pixel up and left of the pressed ones.
      if (i == 1 || i == 3 || i == 5) cell.X -= 1, cell.Y -= 1;
      metrics_[i] = cell;
    }
    const int textPixels[3] = {16, 48, 80};
    for (int i = 0; i < 3; ++i) {
      if (Inside(ButtonSet, 580, textPixels[i])) pushText_[i] = toolkit::PixelOf(ButtonSet, 580, textPixels[i]);
    }
  }
  if (!BgSet.Empty()) {
    Rect back = BgSet.Height() <= 350 ? Rect::Sized(1, 33, 169, 198)
                                      : Rect::Sized(0, 300, BgSet.Width(), BgSet.Height() - 301);
    IBack = CutPiece(BgSet, back, true);
    IList = CutPiece(BgSet, Rect::Sized(170, 33, 140, 198), true);
    for (int i = 0; i < 15; ++i) {
      if (Inside(BgSet, kPalettePixels[i][0], kPalettePixels[i][1]))
        palette_[i + 1] = toolkit::PixelOf(BgSet, kPalettePixels[i][0], kPalettePixels[i][1]);
    }
  }
  // The skin's own textures, where it has them, replace the cut-out ones. A broken JPEG
  // leaves the cut-out texture: the skin still shows whole.
  const std::string& name = BackgroundSetName();
  for (auto [file, target] : {std::pair{"layout\\BGBack", &IBack}, std::pair{"layout\\BGList", &IList}}) {
    std::string path = hostFolder_ + file + name + ".jpg";
    if (name.empty() || !platform::FileExists(path)) continue;
    try {
      *target = toolkit::LoadJpegFile(path);
    } catch (const toolkit::PictureError&) {
    }
  }
  hold(IBack);
  hold(IList);

  std::vector<toolkit::TForm*> forms = toolkit::TForm::Forms();
  std::stable_partition(forms.begin(), forms.end(), [](toolkit::TForm* f) { return f->Active(); });
  for (toolkit::TForm* form : forms) SkinForm(*form);

  previousEmphasis_ = Colour(4);
  previousText_ = Colour(1);
  temp.Clear();
}

void TFImage::SkinForm(toolkit::TForm& form) {
  bool firstTime = form.Tag != 1;
  Recolour(form, previousText_, Colour(1), previousEmphasis_, Colour(4), firstTime, Colour(7));
  form.Tag = 1;
  form.InvalidateArea(form.ClientRect());
}

// ---- Pieces and layers ----

bool TFImage::PieceRect(int n, Rect& rect, bool& trimmed) {
  trimmed = false;
  static constexpr int kCells[8][2] = {{0, 0}, {1, 0}, {0, 2}, {1, 2}, {0, 1}, {1, 1}, {2, 0}, {2, 1}};
  static constexpr int kSmallCells[8][2] = {{0, 3}, {1, 3}, {0, 4}, {1, 4}, {0, 5}, {1, 5}, {2, 3}, {2, 4}};
  if (n >= 1 && n <= 8) {
    rect = Rect::Sized(1 + 32 * kCells[n - 1][0], 1 + 32 * kCells[n - 1][1], 29, 29);
    return true;
  }
  if (n >= 11 && n <= 18) {
    rect = Rect::Sized(1 + 32 * kSmallCells[n - 11][0], 1 + 32 * kSmallCells[n - 11][1], 20, 20);
    return true;
  }
  trimmed = true;
  switch (n) {
    case 21: rect = Rect::Sized(257, 1, 156, 31); return true;
    case 22: rect = Rect::Sized(257, 33, 156, 31); return true;
    case 27: rect = Rect::Sized(414, 1, 156, 31); return true;
    case 28: rect = Rect::Sized(414, 33, 156, 31); return true;
    case 121: rect = Rect::Sized(227, 250, 20, 20); return true;
    case 122: rect = Rect::Sized(400, 0, 32, 32); return true;
    case 123: rect = Rect::Sized(1, 232, 313, 16); return true;
    case 124: rect = Rect::Sized(315, 1, 16, 229); return true;
    case 125: rect = Rect::Sized(1, 1, 313, 31); return true;
    default: break;
  }
  if ((n >= 101 && n <= 104) || (n >= 111 && n <= 114)) {
    rect = Rect::Sized(333 + 17 * ((n - 1) % 10), n <= 104 ? 66 : 83, 16, 16);
    return true;
  }
  trimmed = false;
  static constexpr int kFrame[8][4] = {{333, 1, 15, 15},  {349, 1, 31, 15},  {381, 1, 15, 15},
                                       {333, 17, 15, 31}, {381, 17, 15, 31}, {333, 49, 15, 15},
                                       {349, 49, 31, 15}, {381, 49, 15, 15}};
  if (n >= 131 && n <= 138) {
    const int* f = kFrame[n - 131];
    rect = Rect::Sized(f[0], f[1], f[2], f[3]);
    return true;
  }
  return false;
}

void TFImage::FillPiece(Bitmap& result, int n) {
  Rect rect;
  bool trimmed = false;
  result.Clear();
  if (!PieceRect(n, rect, trimmed)) return;
  result = CutPiece(n < 101 ? ButtonSet : BgSet, rect, trimmed);
}

const Bitmap& TFImage::GetPiece(int n) {
  FillPiece(piece1_, n);
  return piece1_;
}

const Bitmap& TFImage::GetPiece2(int n) {
  FillPiece(piece2_, n);
  return piece2_;
}

bool TFImage::LayerRect(int n, Rect& rect) {
  n %= 1000;
  if (n >= 1 && n <= 99) {
    rect = Rect::Sized((n - 1) % 5 * 32 + 97, (n - 1) / 5 * 32 + 1, 29, 29);
    return true;
  }
  if (n >= 100 && n <= 199) {
    int a = n - 100;
    rect = Rect::Sized(a % 10 * 32 + 257, a / 10 * 32 + 129, 29, 29);
    return true;
  }
  return false;  // 200..220 are slots the plug-ins never fill; the rest name nothing
}

const Bitmap& TFImage::GetLayer(int n) {
  Rect rect;
  layer_.Clear();
  if (LayerRect(n, rect)) layer_ = CutPiece(ButtonSet, rect, false);
  return layer_;
}

// ---- Colours ----

Rgb TFImage::Colour(int n) const {
  assert(n >= 1 && n <= 15);
  return palette_[std::clamp(n, 1, 15)];
}

Rgb TFImage::SkinItemColour(int n) const {
  switch (n) {
    case 5: return Colour(6);
    case 6: return Colour(5);
    case 7: return Colour(7);
    default: return Colour(1);
  }
}

}  // namespace ui
