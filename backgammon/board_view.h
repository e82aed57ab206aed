// BoardView: the narrow way from the game logic to whatever shows the board.
#pragma once

#include <cstdint>

namespace backgammon {

// ---- Showing the board ----

// BoardView is everything the rules and the flow ask of the board's presentation: repaint
// a slot (all of it, or only what was marked dirty), mark points and dice as dirty, slide a
// checker, and play a sound. The defaults do nothing, so the logic runs (and is tested)
// without any window; the board painter overrides them and tests record the calls.
// Points are board indexes 0 to 25, or 100 for a checker borne off.
class BoardView {
 public:
  virtual ~BoardView() = default;

  // full = -1 repaints everything; any other value only what has been marked dirty.
  virtual void PaintBoard(std::int32_t slot, std::int32_t full) { (void)slot, (void)full; }
  virtual void MarkDirty(std::int32_t slot, std::int32_t point) { (void)slot, (void)point; }
  // die is 1 or 2.
  virtual void MarkDiceDirty(std::int32_t slot, std::int32_t die) { (void)slot, (void)die; }
  virtual void AnimateChecker(std::int32_t slot, std::int32_t from, std::int32_t to) {
    (void)slot, (void)from, (void)to;
  }
  // index into the plug-in's sound list (CheckerSound, DiceSound); wait returns only after
  // the sound has finished.
  virtual void PlaySound(std::int32_t index, bool wait) { (void)index, (void)wait; }
};

// ---- Sounds of the game ----

inline constexpr std::int32_t CheckerSound = 0;  // "piece.wav"
inline constexpr std::int32_t DiceSound = 1;     // "dice.wav"

// ---- The view in use ----

// The view the logic talks to: the do-nothing one until SetBoardView installs another.
BoardView& TheBoardView();
// Installs a view (not owned; it must outlive its use); nullptr goes back to the default.
void SetBoardView(BoardView* view);

}  // namespace backgammon
