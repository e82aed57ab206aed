// The skin-layer store: the host's two skin pictures cut into textures, pieces, icons, a
// palette and a few measured offsets, and the re-skinning of every open form.
#pragma once

#include <bitmap.h>
#include <form.h>

#include <string>
#include <string_view>

namespace ui {

using toolkit::Bitmap;
using toolkit::Rgb;

// ---- The background set name ----

// The name of the host's background set: "default" when the plug-in is loaded, emptied by
// InitDLL (so the store starts without pictures) and set by SetImage.
std::string& BackgroundSetName();

// ---- Palette ----

// Palette colours 1..13 and the two border colours, numbered as the skin store reads them.
inline constexpr int kBorder1 = 14;
inline constexpr int kBorder2 = 15;

// Offset holds an (x, y) offset measured from a metric cell of the button picture.
struct Offset {
  int X = 0;
  int Y = 0;
};

// ---- The store ----

// TFImage holds the skin: the background picture BgSet and the button picture ButtonSet as
// loaded, the textures IBack and IList cut from them (or read from the skin's own JPEGs),
// the palette, the push-button text colours, the six metric offsets, and two result
// bitmaps for pieces plus one for layers. Controls read it through SkinStore(); the plug-in
// keeps one from InitDLL to Clear3D. Without pictures every piece and texture is empty and
// the palette keeps its previous (at first: plain system) colours.
class TFImage {
 public:
  // Loads the host's menu marks and, when a background set name is known, the skin.
  explicit TFImage(std::string hostFolder);
  ~TFImage();
  TFImage(const TFImage&) = delete;
  TFImage& operator=(const TFImage&) = delete;

  // ---- Loading ----
  // Loads both skin pictures and rebuilds; true on success. When either picture is
  // missing or unreadable nothing changes, not even the remembered name: the skin shown
  // stays whole rather than half replaced.
  bool SetImage(std::string_view backgroundSet, std::string_view buttonSet);
  // Rebuilds textures, palette and offsets from the pictures and re-skins every form.
  void UpdateClick();
  // Applies the skin to one form: label colours, edit colours, repaint.
  void SkinForm(toolkit::TForm& form);

  // ---- Pieces and layers ----
  // Piece n in the first result bitmap (GetPiece) or the second (GetPiece2); empty when the
  // number names no piece or its picture is missing. Valid until that bitmap is reused.
  const Bitmap& GetPiece(int n);
  const Bitmap& GetPiece2(int n);
  // The 29 by 29 icon of layer n (taken modulo 1000); empty for numbers without an icon.
  const Bitmap& GetLayer(int n);
  // Where piece n lies in its picture and whether it is trimmed; false for no piece.
  static bool PieceRect(int n, toolkit::Rect& rect, bool& trimmed);
  static bool LayerRect(int n, toolkit::Rect& rect);

  // ---- Colours ----
  // Palette colour n (1..13, kBorder1, kBorder2).
  Rgb Colour(int n) const;
  Rgb SkinItemColour(int n) const;
  Rgb PushText() const { return pushText_[0]; }
  Rgb PushTextDisabled() const { return pushText_[1]; }
  Rgb PushTextShadow() const { return pushText_[2]; }

  // ---- Metric offsets ----
  Offset LargeIconPressed() const { return metrics_[0]; }
  Offset LargeIconNormal() const { return metrics_[1]; }
  Offset SmallIconPressed() const { return metrics_[2]; }
  Offset SmallIconNormal() const { return metrics_[3]; }
  Offset PushCaptionPressed() const { return metrics_[4]; }
  Offset PushCaptionNormal() const { return metrics_[5]; }

  // ---- Pictures ----
  Bitmap BgSet;
  Bitmap ButtonSet;
  Bitmap IBack;
  Bitmap IList;
  Bitmap Radio;
  Bitmap check;
  Bitmap SubMenu;
  Bitmap temp;
  // True when the screen shows 256 colours: textures are 8-bit and controls draw their
  // parts one over the other instead of blending them.
  bool PaletteScreen() const { return paletteScreen_; }
  const std::string& HostFolder() const { return hostFolder_; }

 private:
  void FillPiece(Bitmap& result, int n);
  Offset MeasureCell(int x, int y);

  std::string hostFolder_;
  std::string buttonName_ = "default";
  Rgb palette_[16];
  Rgb pushText_[3];
  Offset metrics_[6];
  Rgb previousEmphasis_{255, 0, 0};
  Rgb previousText_{0, 0, 0};
  bool paletteScreen_ = false;
  Bitmap piece1_;
  Bitmap piece2_;
  Bitmap layer_;
};

// ---- The plug-in's store ----

// The store the skinned controls draw from; nullptr when there is none (they then draw
// plainly).
TFImage* SkinStore();
void SetSkinStore(TFImage* store);

// A picture cut from `source` at `area` (clipped to it), with yellow columns at the right
// and yellow rows at the bottom removed when `trim` is set.
Bitmap CutPiece(const Bitmap& source, const toolkit::Rect& area, bool trim);

}  // namespace ui
