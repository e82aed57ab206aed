// The backgammon game record: one TGame per game slot, the board and its numberings,
// and the few switches the whole plug-in shares.
#pragma once

#include <command_list.h>

#include <array>
#include <cstdint>
#include <string>

namespace backgammon {

// ---- Sides, states and variants ----

// A side is always carried as a signed number, so that the other side is its negation and
// a count of checkers times the side is positive for that side's checkers. A Turn of 0
// means the game stands still.
inline constexpr int SideWhite = 1;
inline constexpr int SideBlack = -1;

// The turn state of a slot. Stored as a plain int in the record because a resumed
// position names it by number.
enum GameState : int {
  StateNone = 0,             // before the first game starts
  StateRollOrDouble = 1,     // the side to move may double or roll
  StateDoubleOffered = 2,    // the side to move has doubled; waiting for the answer
  StateDoubleReceived = 3,   // the other side must take or drop the double
  StateCheckerMove = 4,      // dice rolled; the side to move moves checkers
  StateMoveDone = 5,         // all dice played; the move waits to be sent
  StateGameOver = 6,         // a game has ended
  StateMatchOver = 7,        // the match has ended
  StateSendMove = 8,         // the move is sent and the turn passes (transient)
  StateRoll = 9,             // the side to move rolls
  StateBeaver = 10,          // the taker has beavered; the doubler answers
  StateRaccoon = 11,         // the doubler has raccooned; the beaverer answers
};
inline constexpr int LastState = StateRaccoon;

// The variant numbers of the start text and of the invitation's list.
enum Variant : int {
  VariantBackgammon = 0,
  VariantNackGammon = 1,
  VariantHyperGammon = 2,
  VariantLongGammon = 3,
  VariantTapa = 4,
};

// ---- The board ----

// BoardArray holds one board in the real numbering: 1 to 24 the points (+n White checkers,
// -n Black checkers), 25 White's bar, 0 Black's bar. White moves from high indexes to low
// and bears off below 1; Black the other way. A side's own numbering is the real one for
// White and MirrorBoard for Black: there the mover's checkers are positive, its bar is 25,
// its home board 1 to 6 and index 0 is where borne-off checkers go.
using BoardArray = std::array<int, 26>;
inline constexpr int BoardSize = 26;
inline constexpr int WhiteBar = 25;
inline constexpr int BlackBar = 0;
inline constexpr int OwnBar = 25;  // the mover's bar in its own numbering

// The board seen from Black: result[i] = -board[25 - i].
BoardArray MirrorBoard(const BoardArray& board);
// The side's checkers on the board, bar included (sides other than +1 count as Black).
int CheckersLeft(const BoardArray& board, int side);
// In the side's own numbering, the sum of index x count over the side's checkers; a
// checker on the bar counts 25.
int PipCount(const BoardArray& board, int side);
// Checkers a side starts with in a variant (3 in HyperGammon, else 15).
int CheckersPerSide(int variant);

// ---- The cube ----

// A cube level is signed: the value is 2 to the power of its absolute value, the sign is
// the owner and 0 is the centred cube. Levels beyond MaxCubeLevel exist only in malformed
// texts; they are held at that level so that points x 999 (an entire-match resignation)
// still fit in 32 bits.
inline constexpr int MaxCubeLevel = 20;
int CubeValue(int level);

// ---- The game record ----

inline constexpr int InboxSize = 100;
inline constexpr int InboxEntryLength = 80;

// TGame holds everything about the game in one slot: players, board, dice, turn state,
// cube, match score and options, the transcript being written and the opponent's messages
// not yet applied. The two players' plug-ins each hold one; they agree on the game while
// one of them may hold it mirrored (FirstSide -1).
struct TGame {
  std::string WhiteName;
  std::string BlackName;
  std::string OwnName;         // the local user, upper-cased
  int GameId = 0;              // the server's number of the game
  BoardArray Board{};
  int Turn = 0;                // side to move, or 0 when the game stands still
  bool WhiteLocal = false;     // the local user plays White
  bool BlackLocal = false;     // the local user plays Black
  bool Unrated = false;
  int Variant = VariantBackgammon;
  BoardArray TurnStartBoard{}; // Board when this turn's dice were rolled (for the undo)
  std::int32_t DiceSeed = 0;   // shared seed both plug-ins draw the dice from
  bool WaitingReply = false;   // our resignation offer awaits the opponent's answer
  int FirstSide = SideWhite;   // side of the player named first in the start text
  int Die1 = 0;                // the die the next checker move uses; negative once played
  int Die2 = 0;
  int DiceUsed = 0;            // checker moves made this turn, 0 to 4
  int State = StateNone;       // a GameState
  int Cube = 0;                // signed cube level
  bool OpeningRoll = false;    // the next roll is a game's opening roll
  std::string TurnMoves;       // this turn's moves: die "/" own start point "-", ...
  std::string Transcript;
  int GameNumber = 0;
  int MoveNumber = 0;
  int LineColumn = 0;          // 0 nothing, 1 first half, 2 both halves of the line
  std::array<std::string, InboxSize> Inbox;  // empty text = free entry
  int MatchLength = 0;         // above 10000 unlimited
  int WhiteScore = 0;
  int BlackScore = 0;
  bool Crawford = false;
  bool Jacoby = false;
  bool Beaver = false;
};

// ---- The slot table ----

inline constexpr int SlotCount = 11;

// The eleven records, slots 0 to 10, alive as long as the plug-in.
std::array<TGame, SlotCount>& Games();
// The record of a slot, or nullptr for a slot outside 0 to 10 (such calls do nothing).
TGame* GameAt(std::int32_t slot);

// ---- Questions about a game ----

bool IsObserver(const TGame& game);   // the local user plays neither side
bool IsSelfPlay(const TGame& game);   // the local user plays both sides
bool IsUnlimited(const TGame& game);  // MatchLength above 10000
// The local user must act now: in states 1, 4, 5, 8, 9 and 10 the side to act is Turn,
// otherwise the other side; false while Turn is 0.
bool IsLocalToAct(const TGame& game);
// Score of a side (+1 White, anything else Black).
int ScoreOf(const TGame& game, int side);

// ---- Shared by all slots ----

// SharedState holds the switches and buffers of the game flow that exist once for the
// whole plug-in: the commands being gathered by the state machine, how the last game
// ended, and the flags that keep re-entrant calls and automatic play in order.
struct SharedState {
  plugin::CommandList PendingCommands;
  std::string ResultKind;       // "Single game", "Gammon", "Backgammon", "Drop", "Resign"
  int ResultPoints = 0;         // positive when White won
  bool Replaying = false;       // Initgame is rebuilding a resumed game
  bool ResignDialogOpen = false;
  bool AutoRoll = false;        // roll at the start of the local player's turn
  bool AutoBearOff = false;     // the auto bear-off switch
  std::uint8_t ServerDiceMode = 0;
  bool Pausing = false;
};

SharedState& Shared();

}  // namespace backgammon
