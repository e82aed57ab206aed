// make-host-folder: draws a complete host installation, the folder beside the host program
// where the plug-ins find their pictures, sounds, skins and menus, and a contact sheet of
// every picture in it for a person to look at.
//
//   make-host-folder <folder>
//
// The folder is built beside the target and then put in its place, so a half-written
// installation is never seen and files of an older layout do not linger.

#include "art.h"
#include "backgammon_art.h"
#include "chess_art.h"
#include "skin_art.h"
#include "sound_art.h"

#include <bmp_file.h>
#include <canvas.h>
#include <image_x.h>
#include <jpeg_file.h>
#include <png_file.h>

#include <files.h>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using toolkit::Bitmap;

// How a picture is laid out, for showing it on the contact sheet.
enum class Layout { Plain, Masked, Keyed };

struct Picture {
  std::string path;  // relative to the installation, "/"-separated
  Bitmap bitmap;
  Layout layout;
  bool jpeg = false;
};

struct Installation {
  std::vector<Picture> pictures;
  std::vector<std::pair<std::string, std::string>> files;  // path, bytes
};

const char* const kBackgammonMenu =
    "# Backgammon menu: name;action code;caption[;toggle]\n"
    "M26;50;Roll automatically when I may not double;toggle\n"
    "M27;51;Play forced moves automatically;toggle\n"
    "M28;52;Bear off automatically;toggle\n"
    "M29;53;Move list\n"
    "M30;54;Dice statistics\n";

const char* const kChessMenu =
    "# Chess menu: name;action code;caption[;toggle]\n"
    "M26;100;Show last move;toggle\n";

Installation Draw() {
  Installation out;
  auto add = [&](std::string path, Bitmap bitmap, Layout layout, bool jpeg = false) {
    out.pictures.push_back(Picture{std::move(path), std::move(bitmap), layout, jpeg});
  };
  // Backgammon.
  for (const char* style : {"Granite", "Green", "Walnut"}) {
    add(std::string("backgammon/Board") + style + ".jpg", art::BackgammonBoard(style), Layout::Plain, true);
  }
  add("backgammon/Mark.bmp", art::Mark(false), Layout::Masked);
  add("backgammon/Markok.bmp", art::Mark(true), Layout::Masked);
  add("backgammon/cube.bmp", art::CubeStrip(), Layout::Masked);
  // Checkers and dice, shared by the colours a player may choose.
  for (const char* colour : {"White", "Red", "Black"}) {
    std::string name = colour;
    add("Common/Checker" + name + ".bmp", art::Checker(name), Layout::Masked);
    add("Common/VChecker" + name + ".bmp", art::VerticalChecker(name), Layout::Masked);
    add("Common/Small" + name + ".bmp", art::SmallChecker(name), Layout::Keyed);
    // "diceblack" is the spelling of the default black strip; one file serves both names.
    add("Common/dice" + (name == "Black" ? std::string("black") : name) + ".bmp", art::DiceStrip(name),
        Layout::Masked);
  }
  // Chess.
  for (const char* style : {"Green", "Wood", "Marble"}) {
    add(std::string("Chess/Board") + style + ".jpg", art::ChessBoard(style), Layout::Plain, true);
  }
  add("Chess/piecesB.bmp", art::PieceStrip(true), Layout::Masked);
  add("Chess/piecesN.bmp", art::PieceStrip(false), Layout::Masked);
  add("Chess/Mark.bmp", art::ChessMark(), Layout::Masked);
  // Skins.
  for (const std::string& name : art::SkinNames()) {
    art::SkinPictures skin = art::Skin(name);
    add("layout/BGSet" + name + ".bmp", std::move(skin.backgroundSet), Layout::Keyed);
    add("layout/ButtonSet" + name + ".bmp", std::move(skin.buttonSet), Layout::Keyed);
    if (!skin.backTexture.Empty()) add("layout/BGBack" + name + ".jpg", std::move(skin.backTexture), Layout::Plain, true);
    if (!skin.listTexture.Empty()) add("layout/BGList" + name + ".jpg", std::move(skin.listTexture), Layout::Plain, true);
  }
  // Data: variant icons, menu marks, the host's player colour pictures.
  for (const char* variant : {"nack", "hyper", "long", "tapa"}) {
    add(std::string("data/") + variant + ".bmp", art::VariantIcon(variant), Layout::Masked);
  }
  for (const char* mark : {"radio", "check", "submenu"}) {
    add(std::string("data/") + mark + ".bmp", art::MenuPicture(mark), Layout::Keyed);
  }
  add("data/Chw.bmp", art::SmallChecker("White"), Layout::Keyed);
  add("data/Chb.bmp", art::SmallChecker("Red"), Layout::Keyed);
  // Sounds and menus.
  out.files.emplace_back("backgammon/piece.wav", art::SoundFile("piece"));
  out.files.emplace_back("backgammon/dice.wav", art::SoundFile("dice"));
  out.files.emplace_back("Chess/piece.wav", art::SoundFile("piece"));
  out.files.emplace_back("Chess/check.wav", art::SoundFile("check"));
  out.files.emplace_back("Chess/Mate.wav", art::SoundFile("Mate"));
  out.files.emplace_back("data/beep.wav", art::SoundFile("beep"));
  out.files.emplace_back("backgammon/Menu.dat", kBackgammonMenu);
  out.files.emplace_back("Chess/Menu.dat", kChessMenu);
  return out;
}

const Picture& Find(const Installation& installation, const std::string& path) {
  for (const Picture& p : installation.pictures) {
    if (p.path == path) return p;
  }
  throw std::runtime_error("no picture " + path);
}

// ---- Previews: the pictures put together as the plug-ins would ----

// A backgammon position at the layout scale of an 800 by 591 board image.
Bitmap BackgammonPreview(const Installation& installation) {
  const int zoom = 50;
  const double unit = zoom * 0.945;
  Bitmap board, white, black, dice, cube, whiteTray, blackTray;
  auto scaled = [&](const std::string& path, Bitmap& target, int width) {
    Bitmap source = Find(installation, path).bitmap;
    ui::ScaleBitmap(source, target, width, 0);
  };
  scaled("backgammon/BoardGranite.jpg", board, 16 * zoom);
  scaled("Common/CheckerWhite.bmp", white, 2 * zoom);
  scaled("Common/CheckerRed.bmp", black, 2 * zoom);
  scaled("Common/diceWhite.bmp", dice, 3 * zoom);
  scaled("backgammon/cube.bmp", cube, 2 * zoom);
  scaled("Common/VCheckerWhite.bmp", whiteTray, zoom / 2);
  scaled("Common/VCheckerRed.bmp", blackTray, zoom / 2);
  Bitmap image = board;
  toolkit::Canvas canvas(image);
  int cx = image.Width() / 2, cy = image.Height() / 2;
  auto pointX = [&](int p) {
    if (p == 0 || p == 25) return ui::Rounded(unit * -0.5);
    double q = p > 12 ? 25 - p : p;
    return ui::Rounded(unit * (q <= 6 ? (7 - q) - 0.5 : -(q - 6) - 0.5));
  };
  auto pointY = [&](int index, int p) {
    int r = index % 5;
    double layer = (index / 5) * 0.3;
    if (p == 0) return ui::Rounded(unit * (r + 1 + layer));
    if (p == 25) return -ui::Rounded(unit * (r + 1 + layer));
    if (p >= 13) return -ui::Rounded(unit * (5.5 - r - layer));
    return ui::Rounded(unit * (4.5 - r - layer));
  };
  // White moves from 24 towards 1; a middle-game position with a checker on the bar.
  const int position[26] = {0, -2, 2, 0, 3, 0, 4, 0, 2, 0, 0, 0, -4, 0, 0, 0, 0, -3, 0, -4, 0, 0, 0, 0, 2, 0};
  const int blackOnBar = 1;
  for (int p = 1; p <= 24; ++p) {
    int n = std::abs(position[p]);
    for (int i = 0; i < n; ++i) {
      ui::DrawMasked(cx + pointX(p), cy + pointY(i, p), position[p] > 0 ? white : black, ui::kAllColumns, 1, canvas);
    }
  }
  for (int i = 0; i < blackOnBar; ++i) ui::DrawMasked(cx + pointX(0), cy + pointY(i, 0), black, ui::kAllColumns, 1, canvas);
  for (int k = 0; k < 2; ++k) {  // borne off
    int x = cx + ui::Rounded(6.9 * unit + ui::Rounded(0.15 * unit) * (k % 5));
    ui::DrawMasked(x, cy + ui::Rounded(unit * (4.3 - k / 5)), whiteTray, ui::kAllColumns, 1, canvas);
    ui::DrawMasked(x, cy - ui::Rounded(unit * (5.3 - k / 5)), blackTray, ui::kAllColumns, 1, canvas);
  }
  // Dice 6 and 3 for White, the second one half used.
  int face = dice.Width() / 2;
  for (int d = 0; d < 2; ++d) {
    Bitmap band(dice.Width(), face);
    int value = d == 0 ? 6 : 3;
    toolkit::Canvas(band).CopyRect(toolkit::Rect{0, 0, dice.Width(), face}, dice,
                                   toolkit::Rect{0, (value - 1) * face, dice.Width(), value * face});
    int x = cx + pointX(d == 0 ? 4 : 2);
    ui::DrawMasked(x - face / 2, cy - face / 2, band, ui::kAllColumns, d == 0 ? 1 : 0.5, canvas);
  }
  // The cube at 2, owned by White.
  int cubeFace = cube.Width() / 2;
  Bitmap cubeBand(cube.Width(), cubeFace);
  toolkit::Canvas(cubeBand).CopyRect(toolkit::Rect{0, 0, cube.Width(), cubeFace}, cube,
                                     toolkit::Rect{0, cubeFace, cube.Width(), 2 * cubeFace});
  int ax = cx - ui::Rounded(7.25 * unit), ay = cy + ui::Rounded(4.8 * unit);
  ui::DrawMasked(ax - ui::Rounded(0.31 * cubeFace), ay - ui::Rounded(0.31 * cubeFace), cubeBand, ui::kAllColumns, 1,
                 canvas);
  return image;
}

// The chess start position at a square size of 60 on the ten-square board.
Bitmap ChessPreview(const Installation& installation) {
  const int square = 60;
  Bitmap board, white, black, mark;
  auto scaled = [&](const std::string& path, Bitmap& target, int width) {
    Bitmap source = Find(installation, path).bitmap;
    ui::ScaleBitmap(source, target, width, 0);
  };
  scaled("Chess/BoardWood.jpg", board, 10 * square);
  scaled("Chess/piecesB.bmp", white, 2 * square);
  scaled("Chess/piecesN.bmp", black, 2 * square);
  scaled("Chess/Mark.bmp", mark, 2 * square);
  Bitmap image = board;
  toolkit::Canvas canvas(image);
  const int backRank[8] = {3, 5, 4, 2, 1, 4, 5, 3};  // rook, knight, bishop, queen, king...
  auto draw = [&](Bitmap& strip, int kind, int file, int rank) {
    Bitmap sprite(strip.Width(), square);
    toolkit::Canvas(sprite).CopyRect(toolkit::Rect{0, 0, strip.Width(), square}, strip,
                                     toolkit::Rect{0, (kind - 1) * square, strip.Width(), kind * square});
    ui::DrawMasked(square * file, square * (9 - rank), sprite, ui::kAllColumns, 1, canvas);
  };
  ui::DrawMasked(square * 5, square * (9 - 2), mark, ui::kAllColumns, 0.5, canvas);
  ui::DrawMasked(square * 5, square * (9 - 4), mark, ui::kAllColumns, 0.5, canvas);
  for (int f = 1; f <= 8; ++f) {
    draw(white, backRank[f - 1], f, 1);
    draw(white, 6, f, f == 5 ? 4 : 2);
    draw(black, 6, f, 7);
    draw(black, backRank[f - 1], f, 8);
  }
  return image;
}

// ---- Contact sheet ----

art::Surface Checkerboard(int width, int height) {
  return art::Texture(width, height, [](int x, int y) {
    return ((x / 8 + y / 8) % 2 == 0) ? art::Hex(0xe4e4e4) : art::Hex(0xcacaca);
  });
}

Bitmap ContactSheet(const Installation& installation) {
  struct Item {
    std::string caption;
    art::Surface surface;
    double scale;
    bool transparent;
  };
  std::vector<Item> items;
  items.push_back({"preview: backgammon (Granite, White and Red)", art::FromBitmap(BackgammonPreview(installation)), 1,
                   false});
  items.push_back({"preview: chess (Wood)", art::FromBitmap(ChessPreview(installation)), 1, false});
  for (const Picture& p : installation.pictures) {
    art::Surface surface = p.layout == Layout::Masked ? art::FromMasked(p.bitmap) : art::FromBitmap(p.bitmap);
    int w = cairo_image_surface_get_width(surface.get()), h = cairo_image_surface_get_height(surface.get());
    double box = (p.path.find("Board") != std::string::npos || p.path.find("Set") != std::string::npos) ? 460 : 200;
    double scale = std::min(box / w, box / h);
    if (w <= 40 && h <= 40) scale = 4;  // small icons, enlarged
    items.push_back({p.path, std::move(surface), scale, p.layout == Layout::Masked});
  }
  // Flow the items into rows.
  const int sheetWidth = 1900, margin = 20, captionHeight = 24, titleHeight = 60;
  struct Place { int x, y; };
  std::vector<Place> places;
  int x = margin, y = titleHeight, rowHeight = 0;
  for (const Item& item : items) {
    int w = static_cast<int>(std::ceil(cairo_image_surface_get_width(item.surface.get()) * item.scale));
    int h = static_cast<int>(std::ceil(cairo_image_surface_get_height(item.surface.get()) * item.scale));
    int cellWidth = std::max(w, 150);
    if (x + cellWidth > sheetWidth - margin && x > margin) {
      x = margin;
      y += rowHeight + captionHeight + margin;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += cellWidth + margin;
    rowHeight = std::max(rowHeight, h);
  }
  int sheetHeight = y + rowHeight + captionHeight + margin;
  art::Surface sheet = art::NewSurface(sheetWidth, sheetHeight);
  art::Pen pen = art::PenOn(sheet);
  cairo_t* cr = pen.get();
  art::Use(cr, art::Hex(0xf6f4ef));
  cairo_paint(cr);
  art::Use(cr, art::Hex(0x303030));
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 26);
  cairo_move_to(cr, margin, 38);
  cairo_show_text(cr, "Host installation: every picture, as drawn by make-host-folder");
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 13);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    int w = static_cast<int>(std::ceil(cairo_image_surface_get_width(item.surface.get()) * item.scale));
    int h = static_cast<int>(std::ceil(cairo_image_surface_get_height(item.surface.get()) * item.scale));
    if (item.transparent) {
      art::Surface back = Checkerboard(w, h);
      cairo_set_source_surface(cr, back.get(), places[i].x, places[i].y);
      cairo_paint(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, places[i].x, places[i].y);
    cairo_scale(cr, item.scale, item.scale);
    cairo_set_source_surface(cr, item.surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), item.scale >= 2 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    art::Use(cr, art::Hex(0x303030));
    cairo_move_to(cr, places[i].x, places[i].y + h + 16);
    cairo_show_text(cr, item.caption.c_str());
  }
  return art::Plain(sheet);
}

bool Write(const std::string& folder, const Installation& installation) {
  namespace fs = std::filesystem;
  for (const Picture& p : installation.pictures) {
    std::string path = folder + "/" + p.path;
    bool written = p.jpeg ? platform::WriteWholeFile(path, toolkit::EncodeJpeg(p.bitmap, 92))
                          : toolkit::SaveBmpFile(path, p.bitmap);
    if (!written) {
      std::cerr << "make-host-folder: cannot write " << path << "\n";
      return false;
    }
  }
  for (const auto& [relative, bytes] : installation.files) {
    if (!platform::WriteWholeFile(folder + "/" + relative, bytes)) {
      std::cerr << "make-host-folder: cannot write " << relative << "\n";
      return false;
    }
  }
  std::error_code ignored;
  fs::create_directories(folder + "/checkers", ignored);  // where the host's list pictures go
  if (!toolkit::SavePngFile(folder + "/contact-sheet.png", ContactSheet(installation))) {
    std::cerr << "make-host-folder: cannot write the contact sheet\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-host-folder <folder>\n";
    return 2;
  }
  namespace fs = std::filesystem;
  std::string target = fs::path(argv[1]).lexically_normal().string();
  while (target.size() > 1 && target.back() == '/') target.pop_back();
  std::string building = target + ".new";
  try {
    std::error_code ignored;
    fs::remove_all(building, ignored);
    Installation installation = Draw();
    if (!Write(building, installation)) return 1;
    fs::remove_all(target, ignored);
    fs::rename(building, target);
  } catch (const std::exception& error) {
    std::cerr << "make-host-folder: " << error.what() << "\n";
    return 1;
  }
  // Give back what cairo and fontconfig cache for the process, so a leak checker sees only
  // real leaks.
  cairo_debug_reset_static_data();
  FcFini();
  return 0;
}
