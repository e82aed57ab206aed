// The backgammon pictures of the host installation.
#pragma once

#include "art.h"

#include <bitmap.h>

#include <string>

namespace art {

// ---- Backgammon pictures ----

// The board picture of a style ("Granite", "Green", "Walnut"), 1586 by 1172 (793 to 586),
// with points, bar and trays where the board painter puts the checkers.
toolkit::Bitmap BackgammonBoard(const std::string& style);

// Checker pictures of a colour ("White", "Red", "Black"): the masked checker (128 wide),
// the masked checker seen edge-on for the trays, and the small keyed picture the host shows
// beside a player's name.
toolkit::Bitmap Checker(const std::string& colour);
toolkit::Bitmap VerticalChecker(const std::string& colour);
toolkit::Bitmap SmallChecker(const std::string& colour);

// A masked strip of six die faces (1 to 6) stacked, each face 144 pixels square.
toolkit::Bitmap DiceStrip(const std::string& colour);

// The masked cube strip: faces 64, 2, 4, 8, 16, 32 stacked, each 128 pixels square.
toolkit::Bitmap CubeStrip();

// The masked move-help marks: a target that may not be reached, and one that may.
toolkit::Bitmap Mark(bool legal);

// The masked 20 by 20 icon of a variant: "nack", "hyper", "long", "tapa".
toolkit::Bitmap VariantIcon(const std::string& variant);

}  // namespace art
