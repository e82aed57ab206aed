// The chess game record: board, pieces, the eleven game records and the move code.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace chess {

// ---- Pieces and squares ----

// A piece is a signed code: the magnitude is the kind, the sign the colour (+1 White,
// -1 Black); 0 is an empty square.
enum PieceKind : std::int32_t { King = 1, Queen = 2, Rook = 3, Bishop = 4, Knight = 5, Pawn = 6 };

constexpr std::int32_t White = 1;
constexpr std::int32_t Black = -1;

// Castling sides, the second index of CastleRights.
constexpr int QueenSide = 1;
constexpr int KingSide = 2;

// Square holds a file and a rank, each 1 to 8 on the board; (0, 0) means "none".
struct Square {
  std::int32_t file = 0;
  std::int32_t rank = 0;
  bool operator==(const Square&) const = default;
  bool IsNone() const { return file == 0 && rank == 0; }
};

inline bool OnBoard(std::int32_t fileOrRank) { return fileOrRank >= 1 && fileOrRank <= 8; }

// TBoard is the position, indexed [file][rank] from 1. Rows and columns 0 and 9 stay empty;
// they only make the indexes read like the squares. Boards are copied as one block.
using TBoard = std::array<std::array<std::int32_t, 10>, 10>;

// The letter of a kind ("K", "Q", "R", "B", "N"; empty for a pawn or anything else).
std::string_view PieceLetter(std::int32_t kind);
// The piece token the host's move list shows in place of a letter: "@chess\N;". Empty for
// kinds outside 1 to 5.
std::string PieceToken(std::int32_t kind);

// ---- Move codes ----

// MoveCodeText is one entry of a game's move list: the move code of a ply as it was sent,
// received or replayed, at most four bytes of any value. It lives inside the game record,
// so nothing is allocated per ply.
class MoveCodeText {
 public:
  MoveCodeText() = default;
  explicit MoveCodeText(std::string_view code) { Assign(code); }
  // Keeps the first four bytes.
  void Assign(std::string_view code) {
    length_ = static_cast<std::uint8_t>(code.size() < 4 ? code.size() : 4);
    for (std::size_t i = 0; i < length_; ++i) bytes_[i] = code[i];
  }
  std::string_view View() const { return {bytes_.data(), length_}; }
  bool Empty() const { return length_ == 0; }
  void Clear() { length_ = 0; }

 private:
  std::array<char, 4> bytes_{};
  std::uint8_t length_ = 0;
};

// DecodedMove is a move code read back into squares. For a promotion code the target rank
// is implied by the side moving and `promotion` names the new kind (2 to 5). `wellFormed`
// is false when the fourth character claims a promotion but names no piece a pawn may
// become; such a move is refused.
struct DecodedMove {
  Square from;
  Square to;
  std::int32_t promotion = 0;
  bool wellFormed = true;
};

// Reads a move code of any length and any bytes: only the first four bytes count, missing
// ones read as spaces (which put the move off the board). `sideMoving` decides the target
// rank of a promotion code (8 for White, 1 otherwise).
DecodedMove DecodeMoveCode(std::string_view code, std::int32_t sideMoving);
// The four-character code of a move; with `promotion` 2 to 5 the fourth character names
// the new piece instead of the rank ("<" queen, "=" rook, ">" bishop, "?" knight).
std::string EncodeMoveCode(Square from, Square to, std::int32_t promotion = 0);

// ---- The game record ----

// The last ply that the move list of a game keeps.
constexpr int MaxPlies = 512;

// TGame is the whole game of one slot: players, clocks, position, the state of a move in
// progress and everything the records need (move list, PGN text, result). The rules, the
// game end, the notation and the flow all work on it; the record is reset by the set-up of
// each new or resumed game and never freed.
struct TGame {
  std::string WhiteName;
  std::string BlackName;
  std::string OwnName;  // the local user, upper-cased
  std::int32_t GameId = 0;
  TBoard Board{};
  std::int32_t Turn = 0;  // +1 White to move, -1 Black, 0 the game stands or is over
  bool WhiteLocal = false;
  bool BlackLocal = false;
  std::int32_t WhiteClock = 0;  // milliseconds left
  std::int32_t BlackClock = 0;
  std::int32_t Increment = 0;  // milliseconds added after each move
  std::int32_t BaseMinutes = 0;
  std::uint32_t TurnStart = 0;  // tick count when the running clock started; 0 = stopped
  bool Unrated = false;
  std::int32_t PlyCount = 0;
  bool Flipped = false;
  // [colour + 1][side]: the colour-0 row and the side-0 column are never used.
  std::array<std::array<bool, 3>, 3> CastleRights{};
  std::int32_t IrreversiblePly = 0;  // PlyCount before the last capture, pawn move or castling
  Square EnPassantSquare;            // the square a double step just skipped
  bool PromotionPending = false;
  bool ConfirmPending = false;
  std::int32_t PromotionPiece = 0;  // 2 to 5 once chosen, 0 = none
  std::array<MoveCodeText, MaxPlies + 1> MoveList{};  // entry k is ply k; 0 unused
  std::int32_t Winner = 0;
  std::string PgnMoves;
  std::string PgnResult;

  std::int32_t& At(Square s) { return Board[s.file][s.rank]; }
  std::int32_t At(Square s) const { return Board[s.file][s.rank]; }
  bool& CastleRight(std::int32_t colour, int side) {
    assert((colour == White || colour == Black) && (side == QueenSide || side == KingSide));
    return CastleRights[colour + 1][side];
  }
};

// ---- The records ----

// Game slots 1 to 10 are the host's games; record 0 is the scratch record on which the
// rules try positions (disambiguation, repetition replay).
constexpr int GameCount = 11;
constexpr int ScratchSlot = 0;

inline bool ValidSlot(std::int32_t slot) { return slot >= 0 && slot < GameCount; }

std::array<TGame, GameCount>& Games();
inline TGame& Game(std::int32_t slot) {
  assert(ValidSlot(slot));
  return Games()[static_cast<std::size_t>(slot)];
}

// The text of the move most recently performed on any record; callers append "+" for a
// check and read it right after the move.
std::string& LastMoveText();

// Stores a ply's move code in the list when the list has room for ply `ply` (1 to
// MaxPlies); later plies are played and recorded everywhere else, but not kept here.
void StoreMoveCode(TGame& game, std::int32_t ply, std::string_view code);
// The move code of ply `ply`, empty for plies the list does not hold.
std::string_view StoredMoveCode(const TGame& game, std::int32_t ply);

}  // namespace chess
