// The host's side of the contract: carrying out CommandLists, delays, questions, clocks,
// menus and the relay between two players' hosts.
#include "plugin_paths.h"
#include "test_folder.h"

#include <clock.h>
#include <compositor.h>
#include <files.h>
#include <game_host.h>
#include <host_folder.h>
#include <input.h>
#include <message_queue.h>
#include <registry.h>
#include <relay.h>
#include <screenshot.h>
#include <window_system.h>

#include <gtest/gtest.h>

namespace {

class GameHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::UseVirtualClock(true, 1000);
    platform::SetHostFolder(folder_.Path());
    platform::SetRegistryFile(folder_.Path() + "registry.reg");
  }
  void TearDown() override {
    platform::UseVirtualClock(false);
    platform::SetHostFolder("");
    platform::SetRegistryFile("");
  }
  std::unique_ptr<host::GameHost> Host(const std::string& name, const std::string& plugin = "echoplugin") {
    auto host = std::make_unique<host::GameHost>(name, &relay_);
    std::string error;
    EXPECT_TRUE(host->Load(PluginPath(plugin), &error)) << error;
    host->InitDLL("Software\\Site\\Test");
    return host;
  }
  TestFolder folder_;
  host::Relay relay_;
};

TEST_F(GameHostTest, CarriesOutCommandsInOrderAndLogsWhatItDoesNotKnow) {
  auto host = Host("Ann");
  host->Apply(1,
              "RTTI:Mainform:GameB1:Caption:Match length:|RTTI:MAINFORM:gameb1:caption:Two\r\nlines|"
              "Display:White: to move|Event:Dance|Message:Out of step|Turn:on|Layer:201:chw.bmp|RefreshImg|"
              "Modal:On|RightClick:1|Frobnicate:1|Display:last");
  EXPECT_EQ(host->Controls().Value("MainForm", "GameB1", "Caption"), "Two\r\nlines");
  EXPECT_EQ(host->StatusLine(), "last");
  EXPECT_EQ(host->Events(), std::vector<std::string>{"Dance"});
  EXPECT_EQ(host->Messages(), std::vector<std::string>{"Out of step"});
  EXPECT_TRUE(host->MyTurn());
  EXPECT_TRUE(host->ModalOpen());
  EXPECT_TRUE(host->RightClick());
  EXPECT_EQ(host->Layers(), std::vector<std::string>{"201:chw.bmp"});
  EXPECT_EQ(host->UnknownCommands(), std::vector<std::string>{"Frobnicate:1"});
  host->Apply(1, "Display:a:b\r\nc|");
  EXPECT_EQ(host->StatusLine(), "a:b\r\nc");
}

TEST_F(GameHostTest, ActionDelayComesBackAfterItsTimeAndNotBefore) {
  auto host = Host("Ann");
  host->StartGame(3, "5", "ActionDelay:3:750:1|");
  platform::AdvanceVirtualClock(749);
  host->Poll();
  EXPECT_TRUE(host->Events().empty());
  platform::AdvanceVirtualClock(1);
  host->Poll();
  EXPECT_EQ(host->Events(), std::vector<std::string>{"GameProcess:3:ActionDelay:1"});
  EXPECT_TRUE(host->PendingDelays().empty());
}

TEST_F(GameHostTest, QuestionsAreAskedAndAnsweredThroughGameProcess) {
  auto host = Host("Ann");
  std::string asked;
  host->SetAnswerer([&](int slot, int number, const std::string& text) {
    asked = std::to_string(slot) + "/" + std::to_string(number) + "/" + text;
    return 1;
  });
  host->StartGame(2, "5", "Question:2:2:Accept the draw: really?|");
  EXPECT_EQ(asked, "2/2/Accept the draw: really?");
  EXPECT_EQ(host->Events(), std::vector<std::string>{"GameProcess:2:Question:2:1"});
}

TEST_F(GameHostTest, ClocksRunDownAndCheckTimerIsCalledWhileOneRuns) {
  auto host = Host("Ann");
  host->StartGame(4, "5", "SetTimer:1:60000|SetTimer:2:30000|TimerON:2|");
  platform::AdvanceVirtualClock(1000);
  host->Poll();
  EXPECT_EQ(host->ClockOf(2).remainingMs, 29000);
  EXPECT_EQ(host->ClockOf(1).remainingMs, 60000);
  EXPECT_EQ(host->Events(), std::vector<std::string>{"CheckTimer:4"});
  host->Apply(4, "TimerON:0|");
  platform::AdvanceVirtualClock(5000);
  host->Poll();
  EXPECT_EQ(host->ClockOf(2).remainingMs, 29000);
  EXPECT_EQ(host->Events().size(), 1u);
}

TEST_F(GameHostTest, MoveListFollowsHeaderAndHistory) {
  auto host = Host("Ann");
  host->StartGame(1, "5",
                  "MoveHeader:0:Move Number::3:20:::1|MoveHeader:1:White:White:10:50:::1|MoveHeader:End|"
                  "StartHistory|NewHistory:1:e4|AddHistory:e5|NewHistory:2:Nf3|EndHistory|");
  ASSERT_EQ(host->Moves().Columns().size(), 2u);
  EXPECT_EQ(host->Moves().Columns()[1].caption, "White");
  ASSERT_EQ(host->Moves().Rows().size(), 2u);
  EXPECT_EQ(host->Moves().Rows()[0].black, "e5");
  EXPECT_EQ(host->Moves().Rows()[1].white, "Nf3");
}

TEST_F(GameHostTest, MenuItemsBecomeActionCodesWithTheSignOfTheirNewState) {
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path() + "echo/Menu.dat",
                                       "# test menu\nM26;50;Roll automatically;toggle\nM29;53;Move list\nbroken line\n"));
  auto host = Host("Ann");
  host->Apply(1, "Menu:" + folder_.Path() + "echo\\Menu.dat|RTTI:Menudlg:M26:Checked:1|");
  ASSERT_EQ(host->Menu().size(), 2u);
  EXPECT_TRUE(host->ChooseMenu(1, "M26"));  // checked: choosing it switches it off
  EXPECT_TRUE(host->ChooseMenu(1, "M29"));
  EXPECT_FALSE(host->ChooseMenu(1, "M99"));
  EXPECT_EQ(host->Events(), (std::vector<std::string>{"Action:1:-50", "Action:1:53"}));
}

TEST_F(GameHostTest, PushedCommandsTakeEffectBeforeTheExportReturns) {
  auto host = Host("Ann");
  host->Act(6, 99);
  ASSERT_GE(host->Journal().size(), 2u);
  EXPECT_EQ(host->Journal()[host->Journal().size() - 2], "Modal:On");
  EXPECT_EQ(host->Journal().back(), "Event:Action:6:99");
}

TEST_F(GameHostTest, RelayCarriesPlayAndPrivateMessagesBetweenTheHostsOfOneGame) {
  auto ann = Host("Ann");
  auto bob = Host("Bob");
  auto eve = Host("Eve");  // watches game 12
  auto zed = Host("Zed");  // plays another game
  bob->StartGame(2, "12", "");
  eve->StartGame(5, "12", "", "", /*observer=*/true);
  zed->StartGame(1, "13", "");
  ann->StartGame(1, "12",
                 "Send:Play:12:Bob:Ann:e2e4:179000|SendG:12:Bob:Draw|SendW:12:Bob:ResignBGA:2|"
                 "Send:Win:12:1-0|Send:ServerOk|");
  EXPECT_TRUE(bob->Events().empty());  // nothing arrives before the relay delivers
  relay_.Deliver();
  EXPECT_EQ(bob->Events(), (std::vector<std::string>{"GameProcess:2:Play:12:Bob:Ann:e2e4:179000",
                                                     "GameProcess:2:PlayG:12:Bob:Draw",
                                                     "GameProcess:2:PlayW:12:Bob:ResignBGA:2"}));
  EXPECT_EQ(eve->Events(), (std::vector<std::string>{"GameProcess:5:Play:12:Bob:Ann:e2e4:179000",
                                                     "GameProcess:5:PlayW:12:Bob:ResignBGA:2"}));
  EXPECT_TRUE(ann->Events().empty());
  EXPECT_TRUE(zed->Events().empty());
  EXPECT_EQ(relay_.ServerRecord(), (std::vector<std::string>{"Send:Win:12:1-0", "Send:ServerOk"}));
}

}  // namespace

namespace {

// The board window: the plug-in paints the image through the handles Init3D gets, and the
// pointer over the paint box reaches the plug-in's pointer exports.
class BoardWindowTest : public GameHostTest {
 protected:
  void TearDown() override {
    platform::ResetWindowSystem();
    GameHostTest::TearDown();
  }
};

TEST_F(BoardWindowTest, PluginPaintsTheImageAndHearsThePointer) {
  auto host = Host("Ann");
  auto [width, height] = host->OpenBoard(320, 240, 3);
  EXPECT_EQ(width, 320);
  EXPECT_EQ(height, 240);
  platform::ProcessPendingMessages();
  platform::Surface screen;
  platform::RenderScreen(screen);
  EXPECT_EQ(screen.Pixel(100, 100), (platform::Colour{200, 30, 40}));

  platform::Rect box = platform::ScreenRect(host->Board()->PaintBox());
  platform::InjectClick(box.Left + 10, box.Top + 20);
  platform::InjectPress(box.Left + 5, box.Top + 6, platform::MouseButton::Right);
  platform::InjectRelease(box.Left + 5, box.Top + 6, platform::MouseButton::Right);
  platform::ProcessPendingMessages();
  EXPECT_EQ(host->Events(), (std::vector<std::string>{"MouseDown:3:10:20:0", "MouseUp:3:10:20:0",
                                                      "MouseDown:3:5:6:1", "MouseUp:3:5:6:1"}));
  EXPECT_TRUE(host::SaveScreenshot(folder_.Path() + "shots/board.png"));
  EXPECT_TRUE(platform::FileExists(folder_.Path() + "shots/board.png"));
}

TEST_F(BoardWindowTest, GamesReceiveTheSurfacesAndAnswerTheImageSize) {
  for (const char* game : {"backgammon", "chess"}) {
    auto host = Host(game, game);
    platform::Surface* picture = nullptr;
    auto [width, height] = host->OpenBoard(400, 300);
    EXPECT_EQ(width, 400) << game;
    EXPECT_EQ(height, 300) << game;
    picture = platform::ImageSurface(host->Board()->Image());
    ASSERT_NE(picture, nullptr);
    EXPECT_LE(picture->Width(), 1) << game;  // the old picture was dropped
    // Called again without surfaces (after a board change in the options), the game keeps
    // the ones it has.
    std::int32_t size[2] = {0, 0};
    host->Plugin().Init3D(size, nullptr, nullptr);
    EXPECT_EQ(size[0], 400) << game;
    host->Clear3D();
    host->Plugin().Init3D(size, nullptr, nullptr);
    EXPECT_EQ(size[0], 0) << game;  // Clear3D gave the surfaces back
  }
}

TEST_F(BoardWindowTest, MessagesAndHostTimersArriveThroughTheMessageLoop) {
  relay_.DeliverFromMessageLoop(true);
  auto ann = Host("Ann");
  auto bob = Host("Bob");
  bob->RunOnMessageLoop(true);
  bob->StartGame(1, "9", "ActionDelay:1:500:7|");
  ann->StartGame(1, "9", "SendG:9:Bob:Draw|");
  // Nothing is pumped by hand: the loop delivers the message and runs the host's timer.
  platform::RunFor(600);
  EXPECT_EQ(bob->Events(), (std::vector<std::string>{"GameProcess:1:PlayG:9:Bob:Draw",
                                                      "GameProcess:1:ActionDelay:7"}));
  bob->RunOnMessageLoop(false);
}

}  // namespace
