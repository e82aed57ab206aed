// The chess pictures of the host installation.
#pragma once

#include "art.h"

#include <bitmap.h>

#include <string>

namespace art {

// ---- Chess pictures ----

// A chess board of a style ("Green", "Wood", "Marble"): ten squares of 100 pixels each way,
// the eight by eight board inside a margin of one square that carries the coordinates. The
// top and right margins repeat them upside down, so they read correctly when the picture
// is turned for the player of Black.
toolkit::Bitmap ChessBoard(const std::string& style);

// A masked strip of the six pieces of one side stacked top to bottom (king, queen, rook,
// bishop, knight, pawn), each 128 pixels square: three times as high as wide.
toolkit::Bitmap PieceStrip(bool white);

// The masked last-move mark, 128 pixels square.
toolkit::Bitmap ChessMark();

}  // namespace art
