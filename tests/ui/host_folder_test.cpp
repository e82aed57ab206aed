// Walks the generated host installation the way the plug-ins will: every file name spelled
// as they build it (backslashes, their mixed case, the doubled separator after the host
// folder), resolved by the platform, opened and checked for the shape the painting code
// relies on.
#include <image_x.h>

#include <bmp_file.h>
#include <canvas.h>
#include <jpeg_file.h>

#include <files.h>
#include <menu_file.h>
#include <paths.h>
#include <wave_file.h>

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

using toolkit::Bitmap;
using toolkit::Rgb;

// The installation the build generated, as a host folder: ending with a separator.
std::string HostFolder() {
  const char* bin = std::getenv("GAMEPLUGINS_BIN");
  return std::string(bin ? bin : ".") + "/host/";
}

Bitmap Open(const std::string& path) {
  EXPECT_TRUE(platform::FileExists(path)) << path;
  std::string upper = path;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper.find(".JPG") != std::string::npos ? toolkit::LoadJpegFile(path) : toolkit::LoadBmpFile(path);
}

// A masked picture: two equal halves, and a mask that shows something. With `clearCorner`
// the shape leaves its top-left corner transparent (round things, pieces on a square).
void ExpectMasked(const std::string& path, const Bitmap& b, bool clearCorner = true) {
  ASSERT_FALSE(b.Empty()) << path;
  EXPECT_EQ(b.Width() % 2, 0) << path << ": a masked picture has two equal halves";
  int w = b.Width() / 2, covered = 0;
  for (int y = 0; y < b.Height(); ++y) {
    const std::uint8_t* row = b.Row(y);
    for (int x = w; x < b.Width(); ++x) covered += row[3 * x] < 128;
  }
  EXPECT_GT(covered, 0) << path;
  if (clearCorner) {
    EXPECT_EQ(b.Row(0)[3 * w], 255) << path;
  }
}

// Names of the files in a folder (resolved without regard to case) that begin with the
// prefix and end with the extension, item text as the options dialog lists them: the name
// up to its first ".", less the prefix.
std::set<std::string> ListItems(const std::string& folder, const std::string& prefix, const std::string& extension) {
  std::set<std::string> items;
  std::string native = platform::NativePath(folder);
  DIR* dir = ::opendir(native.c_str());
  if (!dir) return items;
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  while (dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    std::string l = lower(name);
    if (l.rfind(lower(prefix), 0) != 0 || l.size() < extension.size() ||
        l.compare(l.size() - extension.size(), extension.size(), lower(extension)) != 0)
      continue;
    items.insert(name.substr(prefix.size(), name.find('.') - prefix.size()));
  }
  ::closedir(dir);
  return items;
}

TEST(HostFolderTest, BackgammonPicturesHaveTheirShapes) {
  const std::string host = HostFolder();
  for (const char* board : {"Granite", "Green", "Walnut"}) {
    std::string path = host + "\\Backgammon\\board" + board + ".jpg";
    Bitmap b = Open(path);
    EXPECT_EQ(b.Width() * 586, b.Height() * 793) << path << ": the board's proportion";
    EXPECT_GE(b.Width(), 1586) << path << ": large enough for a full-screen board";
  }
  EXPECT_EQ(ListItems(host + "Backgammon\\", "Board", ".jpg"), (std::set<std::string>{"Granite", "Green", "Walnut"}));
  EXPECT_EQ(ListItems(host + "Common\\", "VChecker", ".bmp"), (std::set<std::string>{"Black", "Red", "White"}));
  for (const char* colour : {"White", "Red", "Black"}) {
    std::string name = colour;
    Bitmap checker = Open(host + "\\Common\\Checker" + name + ".bmp");
    ExpectMasked(name, checker);
    EXPECT_EQ(checker.Width(), 2 * checker.Height()) << name << ": a round checker in a square";
    Bitmap vertical = Open(host + "\\Common\\VChecker" + name + ".bmp");
    ExpectMasked(name, vertical);
    EXPECT_GT(vertical.Height(), vertical.Width()) << name << ": a checker seen edge-on";
    // The die strips: the white strip's existence test spells ".Bmp", the black one ".bmp".
    EXPECT_TRUE(platform::FileExists(host + "\\Common\\Dice" + name + ".Bmp")) << name;
    EXPECT_TRUE(platform::FileExists(host + "\\Common\\Dice" + name + ".bmp")) << name;
    Bitmap dice = Open(host + "\\Common\\dice" + name + ".bmp");
    ExpectMasked(name, dice);
    EXPECT_EQ(dice.Height(), 3 * dice.Width()) << name << ": six square faces stacked";
    // The small pictures copied for the host's layers.
    Bitmap small = Open(host + "Common\\Small" + name + ".bmp");
    EXPECT_EQ(toolkit::Canvas(small).Pixel(0, 0), (Rgb{255, 0, 255})) << name << ": transparent in fuchsia";
  }
  for (const char* fallback : {"\\Common\\diceWhite.bmp", "\\Common\\diceblack.bmp"}) {
    EXPECT_EQ(Open(host + fallback).Height() % 6, 0) << fallback;
  }
  for (const char* mark : {"\\Backgammon\\Mark.bmp", "\\Backgammon\\Markok.bmp"}) {
    Bitmap b = Open(host + mark);
    ExpectMasked(mark, b);
    EXPECT_EQ(b.Width(), 2 * b.Height()) << mark;
  }
  Bitmap cube = Open(host + "\\Backgammon\\cube.bmp");
  ExpectMasked("cube", cube);
  EXPECT_EQ(cube.Height(), 3 * cube.Width());
  for (const char* variant : {"nack", "hyper", "long", "tapa"}) {
    Bitmap icon = Open(host + "\\data\\" + variant + ".bmp");
    ExpectMasked(variant, icon);
    EXPECT_LE(icon.Width() / 2, 24) << variant << ": fits before the caption";
    EXPECT_LE(icon.Height(), 20) << variant;
  }
  for (const char* copy : {"Data\\Chw.bmp", "Data\\Chb.bmp"}) EXPECT_TRUE(platform::FileExists(host + copy)) << copy;
}

TEST(HostFolderTest, BackgammonPicturesScaleToTheLayout) {
  // At the scale of an 800-wide board image (zoom 50) the pictures come out at the sizes
  // the painter draws them at.
  const std::string host = HostFolder();
  const int zoom = 50;
  Bitmap b;
  ui::LoadScaled(host + "\\Backgammon\\boardGranite.jpg", b, 16 * zoom, false);
  EXPECT_EQ(b.Width(), 800);
  ui::LoadScaled(host + "\\Common\\CheckerRed.bmp", b, 2 * zoom, false);
  EXPECT_EQ(b.Width() / 2, zoom);
  EXPECT_EQ(b.Height(), zoom);
  ui::LoadScaled(host + "\\Common\\diceWhite.bmp", b, 3 * zoom, false);
  EXPECT_NEAR(b.Height(), 6 * (b.Width() / 2), 2) << "faces stay within their bands";
  ui::LoadScaled(host + "\\Common\\VCheckerWhite.bmp", b, zoom / 2, false);
  EXPECT_NEAR(b.Height(), zoom * 0.945, 2) << "edge-on checkers fill a tray row";
}

TEST(HostFolderTest, ChessPicturesHaveTheirShapes) {
  const std::string host = HostFolder();
  for (const char* board : {"Green", "Wood", "Marble"}) {
    Bitmap b = Open(host + "\\chess\\board" + board + ".jpg");
    EXPECT_EQ(b.Width(), b.Height()) << board;
    EXPECT_EQ(b.Width() % 10, 0) << board << ": ten squares with the margin";
  }
  EXPECT_EQ(ListItems(host + "Chess\\", "Board", ".jpg"), (std::set<std::string>{"Green", "Marble", "Wood"}));
  for (const char* strip : {"\\chess\\piecesB.bmp", "\\chess\\piecesN.bmp"}) {
    Bitmap b = Open(host + strip);
    ExpectMasked(strip, b);
    EXPECT_EQ(b.Height(), 3 * b.Width()) << strip << ": six pieces, each one square high";
  }
  Bitmap mark = Open(host + "\\chess\\Mark.bmp");
  ExpectMasked("mark", mark, false);  // a tint over the whole square
  // With the board maximised the crop keeps exactly the eight by eight squares.
  Bitmap board;
  ui::LoadScaled(host + "\\chess\\boardGreen.jpg", board, 10 * 50, true);
  EXPECT_EQ(board.Width(), 8 * 50);
}

TEST(HostFolderTest, SkinsHaveTheirPixelMap) {
  const std::string host = HostFolder();
  const Rgb yellow{255, 255, 0}, fuchsia{255, 0, 255};
  const int palette[15][2] = {{350, 110}, {350, 174}, {350, 142}, {382, 110}, {382, 142}, {382, 174}, {382, 206},
                              {414, 110}, {414, 142}, {414, 174}, {382, 238}, {414, 206}, {414, 238}, {350, 206},
                              {350, 238}};
  for (const char* skin : {"default", "Midnight"}) {
    std::string name = skin;
    Bitmap background = Open(host + "layout\\BGSet" + name + ".bmp");
    Bitmap buttons = Open(host + "layout\\ButtonSet" + name + ".bmp");
    EXPECT_GE(background.Width(), 432) << name;
    EXPECT_GE(background.Height(), 270) << name;
    EXPECT_GE(buttons.Width(), 581) << name;
    toolkit::Canvas bg(background), bt(buttons);
    // Palette pixels sit inside swatches (a steady colour around them), all different.
    std::set<std::tuple<int, int, int>> colours;
    for (auto [x, y] : palette) {
      Rgb c = bg.Pixel(x, y);
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) EXPECT_EQ(bg.Pixel(x + dx, y + dy), c) << name << " palette " << x << "," << y;
      EXPECT_NE(c, yellow);
      EXPECT_NE(c, fuchsia);
      colours.insert({c.R, c.G, c.B});
    }
    EXPECT_EQ(colours.size(), 15u) << name;
    for (int y : {16, 48, 80}) {  // push-button text colours
      Rgb c = bt.Pixel(580, y);
      EXPECT_EQ(bt.Pixel(578, y - 2), c) << name;
      EXPECT_EQ(bt.Pixel(582, y + 2), c) << name;
    }
    // Metric cells trim to a size of at least one pixel.
    for (auto [x, y] : {std::pair{65, 65}, {65, 193}, {65, 161}, {81, 193}, {257, 65}, {257, 97}}) {
      int w = 10, h = 10;
      while (w > 0 && bt.Pixel(x + w - 1, y) == yellow) --w;
      while (h > 0 && bt.Pixel(x, y + h - 1) == yellow) --h;
      EXPECT_GE(w, 1) << name << " metric " << x << "," << y;
      EXPECT_LT(w, 10) << name << " metric " << x << "," << y;
      EXPECT_GE(h, 1) << name << " metric " << x << "," << y;
    }
    // Layers the plug-ins' forms use: an icon on a background equal to its top-left pixel.
    for (int layer : {103, 106, 107, 108}) {
      int a = layer - 100, left = (a % 10) * 32 + 257, top = (a / 10) * 32 + 129;
      Rgb key = bt.Pixel(left, top);
      int drawn = 0;
      for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 29; ++x) drawn += bt.Pixel(left + x, top + y) != key;
      EXPECT_GT(drawn, 20) << name << " layer " << layer;
      EXPECT_GT(29 * 29 - drawn, 200) << name << " layer " << layer;
    }
    // Radio and check pieces, trimmed in yellow, transparent in fuchsia at their corners.
    for (int i = 0; i < 4; ++i) {
      for (int top : {66, 83}) {
        int left = 333 + 17 * i;
        EXPECT_EQ(bg.Pixel(left + 15, top), yellow) << name;
        EXPECT_EQ(bg.Pixel(left, top), fuchsia) << name;
      }
    }
  }
  for (const char* texture : {"layout\\BGBackMidnight.jpg", "layout\\BGListMidnight.jpg"}) {
    EXPECT_FALSE(Open(host + texture).Empty()) << texture;
  }
  EXPECT_FALSE(platform::FileExists(host + "layout\\BGListdefault.jpg")) << "the default skin cuts its own";
  for (const char* mark : {"data\\radio.bmp", "data\\check.bmp", "data\\submenu.bmp"}) {
    EXPECT_EQ(Open(host + mark).Width(), 16) << mark;
  }
}

TEST(HostFolderTest, SoundsAreShortWaves) {
  const std::string host = HostFolder();
  for (const char* sound : {"backgammon\\piece.wav", "backgammon\\dice.wav", "data\\beep.wav", "Chess\\piece.wav",
                            "Chess\\check.wav", "Chess\\Mate.wav"}) {
    auto bytes = platform::ReadWholeFile(host + sound);
    ASSERT_TRUE(bytes) << sound;
    auto wave = platform::ParseWave(*bytes);
    ASSERT_TRUE(wave) << sound;
    EXPECT_GE(wave->DurationMs(), 50) << sound;
    EXPECT_LE(wave->DurationMs(), 1500) << sound;
  }
}

TEST(HostFolderTest, MenusReadAsTheHostReadsThem) {
  const std::string host = HostFolder();
  auto backgammon = host::LoadMenu(host + "backgammon\\Menu.dat");
  ASSERT_TRUE(backgammon);
  ASSERT_EQ(backgammon->size(), 5u);
  const char* names[5] = {"M26", "M27", "M28", "M29", "M30"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ((*backgammon)[i].name, names[i]);
    EXPECT_EQ((*backgammon)[i].code, 50 + i);
    EXPECT_EQ((*backgammon)[i].toggle, i < 3);
  }
  EXPECT_EQ((*backgammon)[0].caption, "Roll automatically when I may not double");
  EXPECT_EQ((*backgammon)[4].caption, "Dice statistics");
  auto chess = host::LoadMenu(host + "Chess\\Menu.dat");
  ASSERT_TRUE(chess);
  ASSERT_EQ(chess->size(), 1u);
  EXPECT_EQ((*chess)[0].name, "M26");
  EXPECT_EQ((*chess)[0].code, 100);
  EXPECT_EQ((*chess)[0].caption, "Show last move");
  EXPECT_TRUE((*chess)[0].toggle);
}

}  // namespace
