// How a chess game ends: mate and stalemate, the draw rules, loss on time, and the texts
// that report a result to the server, to the PGN file and in the match log.
#pragma once

#include "chess_game.h"

#include <command_list.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace chess {

// ---- Scores ----

// The score texts of "Send:Win:". "½" is the single byte 0xBD of the host's 8-bit texts.
inline constexpr std::string_view ScoreWhiteMates = "1-0";
inline constexpr std::string_view ScoreBlackMates = "0-1";
inline constexpr std::string_view ScoreBlackOnTime = "100-0";  // Black's flag fell
inline constexpr std::string_view ScoreWhiteOnTime = "0-100";  // White's flag fell
inline constexpr std::string_view ScoreBlackResigns = "99-0";
inline constexpr std::string_view ScoreWhiteResigns = "0-99";
inline constexpr char HalfByte = '\xBD';

// DrawCode: the digit after "½-".
enum DrawCode : int {
  NoDraw = 0,  // also the code of a draw by agreement
  DrawAgreed = 0,
  DrawStalemate = 1,
  DrawRepetition = 2,
  DrawFiftyMoves = 3,
  DrawMaterial = 4,
};

// "½-" followed by the code's digit.
std::string DrawScore(int drawCode);
// Appends "Send:Win:" + GameId + ":" + score.
void SendWin(std::int32_t slot, std::string_view score, plugin::CommandList& reply);

// ---- Mate and stalemate ----

// Run after every performed move once the turn has passed. Mate or stalemate sends the
// score, sets PgnResult and Winner, plays the mate sound for a mate and stops the game
// (Turn 0); a check alone plays the check sound. Returns whether the game ended.
bool MateTest(std::int32_t slot, plugin::CommandList& reply);

// ---- Draw rules ----

// The first draw rule that holds: 3 after 100 plies without capture, pawn move or castling;
// 2 when the position (placement and side to move) stands for the third time; 4 when
// neither side can mate; 0 for none. Replays the game on the scratch record, which
// overwrites LastMoveText with the same moves' texts.
int CheckDrawRules(std::int32_t slot);
// CheckDrawRules, and for a draw "Send:Win:" with its score and Winner 0. The game goes on
// (Turn is kept) until the result notice ends it. Returns the draw code.
int ReportDrawRules(std::int32_t slot, plugin::CommandList& reply);
// Whether `colour` lacks the material to mate: a bare king, or a single minor piece or two
// knights against a bare king.
bool CannotMate(std::int32_t slot, std::int32_t colour);

// ---- Loss on time ----

// FlagFall is the outcome when the clock of one side runs out: the score to send and the
// PGN result to keep. A side that cannot mate does not win on time: the game is drawn.
struct FlagFall {
  std::string score;
  std::string pgnResult;
};
FlagFall FlagFallResult(std::int32_t slot, std::int32_t colourOut);

// ---- Result texts ----

// The PGN result that a result notice (the final score from the server) stands for.
std::string PgnResultForNotice(std::string_view score);
// The score that a termination word of the server's match log stands for, or "" for a
// word it does not know.
std::string ScoreForTerminationWord(std::string_view word);
// "White wins", "Black wins" or "Draw" for a finished game's Winner.
std::string_view WinnerText(std::int32_t winner);

}  // namespace chess
