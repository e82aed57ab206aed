#include "chess_view.h"

#include <sound_list.h>

namespace chess {
namespace {

BoardView*& Wired() {
  static BoardView* view = nullptr;
  return view;
}

}  // namespace

void BoardView::PlaySound(ChessSound sound) { plugin::PlaySoundIndex(sound, false); }

BoardView& View() {
  static BoardView fallback;
  BoardView* wired = Wired();
  return wired ? *wired : fallback;
}

void SetView(BoardView* view) { Wired() = view; }

}  // namespace chess
