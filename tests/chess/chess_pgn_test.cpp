// Games written as PGN: the file, its tags, the movetext lines and the file names.
#include "chess_test_support.h"
#include "test_folder.h"

#include <chess_notation.h>
#include <chess_pgn.h>
#include <chess_settings.h>
#include <files.h>
#include <frame.h>
#include <user_locale.h>

#include <fstream>
#include <stdexcept>

namespace chess_test {
namespace {

class PgnTest : public ChessTest {
 protected:
  void SetUp() override {
    ChessTest::SetUp();
    plugin::Frame().gameFolder = folder_.Path() + "Chess\\";
    plugin::Frame().siteName = "Demo";
    Settings() = {};
    Settings().pgnFile = folder_.Path() + "Chess\\Demo.pgn";
    platform::FixToday(platform::CalendarDate{2024, 3, 5});
    platform::FixShortDateFormat("dd/MM/yyyy");
    TGame& game = G();
    game.WhiteName = "Alice";
    game.BlackName = "Bob";
    game.WhiteLocal = true;
    game.BaseMinutes = 5;
    game.Increment = 3000;
    game.PgnResult = "*";
    SetStartPosition(1);
  }
  void TearDown() override {
    platform::FixToday(std::nullopt);
    platform::FixShortDateFormat(std::nullopt);
    plugin::Frame().gameFolder.clear();
    plugin::Frame().siteName.clear();
    Settings() = {};
    ChessTest::TearDown();
  }
  void Replay(std::string_view history) {
    plugin::CommandList ignored;
    ReplayHistory(1, history, ignored);
  }
  std::string File(const std::string& name) {
    return platform::ReadWholeFile(folder_.Path() + name).value_or("<missing>");
  }
  static std::string Tags(const std::string& result, const std::string& extra, int plies,
                          const std::string& timeControl = "300+3") {
    return "[Event \"?\"]\r\n[Site \"Demo\"]\r\n[White \"Alice\"]\r\n[Black \"Bob\"]\r\n"
           "[WhiteElo \"1520\"]\r\n[BlackElo \"1610\"]\r\n[TimeControl \"" + timeControl + "\"]\r\n"
           "[Result \"" + result + "\"]\r\n" + extra + "[PlyCount \"" + std::to_string(plies) +
           "\"]\r\n[EventDate \"2024.03.05\"]\r\n\r\n";
  }
  TestFolder folder_;
};

const char* Ratings = "ALICE:x:1520|BOB:y:1610";

TEST_F(PgnTest, ARunningGameIsWrittenWithItsTagsMovesAndResult) {
  Replay("E2E4E7E5G1F3B8C6F1B5A7A6");
  chess::SaveGame(1, Ratings);
  EXPECT_EQ(File("Chess/Demo.pgn"), Tags("*", "", 6) + "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *\r\n\r\n");
  EXPECT_EQ(G().PgnMoves, "");
}

TEST_F(PgnTest, ExampleGamesAreWrittenByteForByte) {
  struct Case {
    const char* history;
    const char* pgnResult;
    std::int32_t baseMinutes, increment;
    std::string expected;
  } cases[] = {
      {"F2F3E7E5G2G4D8H4", "0-1", 5, 3000,
       Tags("0-1", "", 4) + "1. f3 e5 2. g4 Qh4+ 0-1\r\n\r\n"},
      {"E2E4E7E5", "0-1:time forfeit", 0, 30000,
       Tags("0-1", "[Termination \"time forfeit\"]\r\n", 2, "*30") + "1. e4 e5 0-1\r\n\r\n"},
      {"E2E4D7D5E4E5F7F5E5F6", "1/2-1/2", 10, 0,
       Tags("1/2-1/2", "", 5, "600") + "1. e4 d5 2. e5 f5 3. exf6 1/2-1/2\r\n\r\n"},
      {"E2E4E7E5G1F3B8C6F1C4G8F6E1G1", "1-0:abandonned", 3, 2000,
       Tags("1-0", "[Termination \"abandonned\"]\r\n", 7, "180+2") +
           "1. e4 e5 2. Nf3 Nc6 3. Bc4 Nf6 4. 0-0 1-0\r\n\r\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SetStartPosition(1);
    G().PgnMoves.clear();
    G().PgnResult = c.pgnResult;
    G().BaseMinutes = c.baseMinutes;
    G().Increment = c.increment;
    Replay(c.history);
    const std::string name = "game" + std::to_string(++n) + ".pgn";
    Settings().pgnFile = folder_.Path() + name;
    chess::SaveGame(1, Ratings);
    EXPECT_EQ(File(name), c.expected) << c.history;
  }
}

TEST_F(PgnTest, TimeControlNamesBaseTimeAndIncrement) {
  EXPECT_EQ(TimeControlText(5, 3000), "300+3");
  EXPECT_EQ(TimeControlText(0, 30000), "*30");
  EXPECT_EQ(TimeControlText(10, 0), "600");
  EXPECT_EQ(TimeControlText(0, 0), "*0");
  EXPECT_EQ(TimeControlText(2147483647, 1500), "128849018820+1");
}

TEST_F(PgnTest, TheRatingsFollowTheLocalUsersColour) {
  G().WhiteLocal = false;
  G().BlackLocal = true;
  chess::SaveGame(1, "BOB:y:1610|ALICE:x:1520");
  EXPECT_EQ(File("Chess/Demo.pgn"), Tags("*", "", 0) + "*\r\n\r\n");
}

TEST_F(PgnTest, QuotesAndBackslashesInNamesAreEscaped) {
  G().WhiteName = "Al \"The Rock\" \\o/";
  chess::SaveGame(1, Ratings);
  EXPECT_NE(File("Chess/Demo.pgn").find("[White \"Al \\\"The Rock\\\" \\\\o/\"]\r\n"), std::string::npos)
      << File("Chess/Demo.pgn");
}

TEST_F(PgnTest, GamesAreAppendedAndASecondSaveHasNoMoves) {
  Replay("E2E4E7E5");
  chess::SaveGame(1, Ratings);
  chess::SaveGame(1, Ratings);
  EXPECT_EQ(File("Chess/Demo.pgn"),
            Tags("*", "", 2) + "1. e4 e5 *\r\n\r\n" + Tags("*", "", 2) + "*\r\n\r\n");
}

TEST_F(PgnTest, LongMovetextBreaksBeforeMoveNumbersWithinEightyColumns) {
  std::string history;
  for (int i = 0; i < 12; ++i) history += "G1F3G8F6F3G1F6G8B1C3B8C6C3B1C6B8";
  Replay(history);
  const std::string movetext = G().PgnMoves;
  ASSERT_GT(movetext.size(), 200u);
  G().PgnResult = "1/2-1/2";
  chess::SaveGame(1, Ratings);
  std::string file = File("Chess/Demo.pgn");
  std::string body = file.substr(file.find("\r\n\r\n") + 4);
  ASSERT_TRUE(body.ends_with("\r\n\r\n"));
  body.resize(body.size() - 2);
  std::string joined;
  for (std::size_t start = 0; start < body.size();) {
    std::size_t end = body.find("\r\n", start);
    std::string line = body.substr(start, end - start);
    EXPECT_LE(line.size(), 80u) << line;
    EXPECT_TRUE(line[0] >= '1' && line[0] <= '9' && line.find(". ") != std::string::npos) << line;
    joined += (joined.empty() ? "" : " ") + line;
    start = end + 2;
  }
  EXPECT_EQ(joined, movetext + "1/2-1/2");
  EXPECT_TRUE(body.starts_with("1. Nf3 Nf6 2. Ng1 Ng8 3. Nc3 Nc6 4. Nb1 Nb8 5. Nf3 Nf6 6. Ng1 Ng8 7. Nc3 Nc6\r\n"
                                "8. Nb1 Nb8 "))
      << body;
}

TEST_F(PgnTest, AMoveTooLongForALineNeverStopsTheBreaking) {
  EXPECT_EQ(BreakMovetext(std::string(100, '+')), std::vector<std::string>{std::string(100, '+')});
  std::string longMove = "1. e4" + std::string(90, '+') + " e5 2. Nf3 Nc6 *";
  EXPECT_EQ(BreakMovetext(longMove),
            (std::vector<std::string>{"1. e4" + std::string(90, '+') + " e5", "2. Nf3 Nc6 *"}));
  EXPECT_EQ(BreakMovetext(""), std::vector<std::string>{});
}

TEST_F(PgnTest, OwnFilesAreNamedAfterThePlayersAndTheDayAndNumberedWhenTaken) {
  Settings().saveOne = true;
  G().WhiteName = "Al*ce";
  G().BlackName = "B:o/b?";
  Replay("E2E4");
  chess::SaveGame(1, Ratings);
  Replay("E7E5");
  chess::SaveGame(1, Ratings);
  const std::string name = "Chess/Al-ce-B-o-b- 05-03-2024";
  EXPECT_TRUE(File(name + ".pgn").ends_with("\r\n\r\n1. e4 *\r\n\r\n")) << File(name + ".pgn");
  EXPECT_TRUE(File(name + " #2.pgn").ends_with("\r\n\r\ne5 *\r\n\r\n")) << File(name + " #2.pgn");
}

TEST_F(PgnTest, FileNumbersStopAt1001) {
  Settings().saveOne = true;
  const std::string base = folder_.Path() + "Chess/Alice-Bob 05-03-2024";
  ASSERT_TRUE(platform::WriteWholeFile(base + ".pgn", ""));
  for (int k = 2; k <= 1000; ++k) std::ofstream(base + " #" + std::to_string(k) + ".pgn").put('x');
  ASSERT_TRUE(platform::FileExists(base + " #1000.pgn"));
  EXPECT_EQ(PgnFilePath(1), folder_.Path() + "Chess\\Alice-Bob 05-03-2024 #1001.pgn");
  ASSERT_TRUE(platform::WriteWholeFile(base + " #1001.pgn", "x"));
  EXPECT_EQ(PgnFilePath(1), folder_.Path() + "Chess\\Alice-Bob 05-03-2024 #1001.pgn");
}

TEST_F(PgnTest, WithoutAStoredFileTheSiteFileCollectsTheGames) {
  Settings().pgnFile.clear();
  EXPECT_EQ(PgnFilePath(1), folder_.Path() + "Chess\\Demo.pgn");
}

TEST_F(PgnTest, AFileThatCannotBeWrittenFailsTheCallAndKeepsTheMoves) {
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path() + "blocker", "a file, not a folder"));
  Settings().pgnFile = folder_.Path() + "blocker/games.pgn";
  Replay("E2E4");
  EXPECT_THROW(chess::SaveGame(1, Ratings), std::runtime_error);
  EXPECT_EQ(G().PgnMoves, "1. e4 ");
}

}  // namespace
}  // namespace chess_test
