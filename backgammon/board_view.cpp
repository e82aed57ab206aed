#include "board_view.h"

namespace backgammon {

namespace {

BoardView& DefaultView() {
  static BoardView view;
  return view;
}

BoardView* installed = nullptr;

}  // namespace

BoardView& TheBoardView() { return installed != nullptr ? *installed : DefaultView(); }

void SetBoardView(BoardView* view) { installed = view; }

}  // namespace backgammon
