// The skin pictures of the host installation.
#pragma once

#include "art.h"

#include <bitmap.h>

#include <string>
#include <vector>

namespace art {

// ---- Skins ----

// The pictures of one skin: the background set and the button set (24-bit, laid out
// pixel for pixel where the skin-layer store cuts its pieces, reads its palette and
// measures its metric cells), and, for skins that have them, the background and list
// textures as separate pictures (written as JPEG).
struct SkinPictures {
  std::string name;
  toolkit::Bitmap backgroundSet;
  toolkit::Bitmap buttonSet;
  toolkit::Bitmap backTexture;  // empty when the skin has none
  toolkit::Bitmap listTexture;  // empty when the skin has none
};

// The skins: "default" and "Midnight".
std::vector<std::string> SkinNames();
SkinPictures Skin(const std::string& name);

// ---- Menu pictures ----

// The host's menu marks, 16 by 16, transparent in fuchsia: "radio", "check", "submenu".
toolkit::Bitmap MenuPicture(const std::string& name);

// ---- Layout facts shared with the tests of the tool ----

// Where the palette colours are read from the background set, in palette order (colours
// 1..13, then the two border colours).
inline constexpr int kPalettePixels[15][2] = {
    {350, 110}, {350, 174}, {350, 142}, {382, 110}, {382, 142}, {382, 174}, {382, 206}, {414, 110},
    {414, 142}, {414, 174}, {382, 238}, {414, 206}, {414, 238}, {350, 206}, {350, 238}};

}  // namespace art
