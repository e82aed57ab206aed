// What the chess logic asks of the presentation: repaints, the board's orientation, sounds.
#pragma once

#include <cstdint>

namespace chess {

// ---- Sounds ----

// Indexes into the plug-in's sound list.
enum ChessSound : int { SoundMove = 0, SoundCheck = 1, SoundMate = 2, SoundBeep = 3 };

// ---- Board view ----

// BoardView is the narrow way from the rules, the records and the flow to the board window
// and the speakers. The logic says what happened; the view decides how it shows. Every
// method does nothing by default except PlaySound, which plays through the plug-in's sound
// list, so the logic runs before the board window exists and tests can fake the rest.
class BoardView {
 public:
  virtual ~BoardView() = default;

  // The whole board of the slot is to be painted again.
  virtual void RepaintBoard(std::int32_t slot) { (void)slot; }
  // The board's orientation (the game's Flipped) may have changed.
  virtual void OrientBoard(std::int32_t slot) { (void)slot; }
  // The picture of a dragged piece is no longer on the screen.
  virtual void ForgetDragPicture() {}
  // One of the game's sounds; the Sound setting is applied further down.
  virtual void PlaySound(ChessSound sound);
};

// The view the plug-in wired, or the default one.
BoardView& View();
// Wires a view; nullptr goes back to the default. The view must outlive its use.
void SetView(BoardView* view);

}  // namespace chess
