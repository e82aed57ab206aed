// The start-up replies, compared byte for byte with what a host expects to receive.
#include "plugin_paths.h"
#include "test_folder.h"

#include <files.h>
#include <host_folder.h>
#include <registry.h>
#include <plugin_instance.h>

#include <gtest/gtest.h>

namespace {

const std::string kVersion = "Ver:1.0.0.1|";

std::string BackgammonSetup(const std::string& hostFolder) {
  return "Menu:" + hostFolder + "backgammon\\Menu.dat|"
         "RTTI:MainForm:FrameMoves:width:0|"
         "RTTI:MainForm:FrameMoveSep:Visible:0|"
         "RTTI:Mainform:PaintboxCLock:Visible:0|"
         "RTTI:MainForm:GameB4:Visible:0|"
         "RTTI:MainForm:GameB5:Visible:0|"
         "RTTI:MainForm:GameB1:Visible:1|"
         "RTTI:MainForm:GameB1:caption:Show Moves|"
         "RTTI:MainForm:GameB1:Group:-5|"
         "RTTI:MainForm:GameB1:ImageType:3|"
         "RTTI:MainForm:GameB1:selected:1|"
         "RTTI:MainForm:GameB13:Visible:1|"
         "RTTI:MainForm:GameB13:Caption:Cancel Move|"
         "RTTI:MainForm:GameB12:Visible:1|"
         "RTTI:MainForm:GameB12:Caption:Double|"
         "RTTI:MainForm:GameB14:Visible:1|"
         "RTTI:MainForm:GameB14:Caption:Sound|"
         "RTTI:MainForm:GameB14:Group:-4|"
         "RTTI:MainForm:GameB14:ImageType:1|"
         "RTTI:MainForm:GameB14:selected:1|"
         "RTTI:MainForm:GameB15:Visible:1|"
         "RTTI:MainForm:GameB15:Caption:Confirmation|"
         "RTTI:MainForm:GameB15:Group:-2|"
         "RTTI:MainForm:GameB15:ImageType:1|"
         "RTTI:MainForm:GameB15:selected:1|"
         "RTTI:MainForm:GameB16:Visible:1|"
         "RTTI:MainForm:GameB16:Caption:No double|"
         "RTTI:MainForm:GameB16:Group:-3|"
         "RTTI:MainForm:GameB16:ImageType:1|"
         "RTTI:MainForm:GameB16:selected:0|"
         "RTTI:MainForm:GameB2:Visible:1|"
         "RTTI:MainForm:GameB2:Caption:Preferences|"
         "RTTI:MainForm:GameB11:Visible:1|"
         "RTTI:MainForm:GameB11:Caption:Resign|"
         "RightClick:0|"
         "RTTI:MainForm:GameData:caption:|"
         "RTTI:MainForm:GameData2:caption:|"
         "RTTI:MainForm:GameData3:caption:|"
         "RTTI:InvDlg:InvTimeLT1:Left:16|RTTI:InvDlg:InvTimeLT1:Top:80|"
         "RTTI:InvDlg:InvTimeLT1:Font.name:Arial|RTTI:InvDlg:InvTimeLT1:Font.Size:16|"
         "RTTI:InvDlg:InvTimeLT2:Left:16|RTTI:InvDlg:InvTimeLT2:Top:40|"
         "RTTI:InvDlg:InvTimeLT2:Font.name:Arial|RTTI:InvDlg:InvTimeLT2:Font.Size:16|"
         "RTTI:InvDlg:Label2:Caption:Unlimited|RTTI:InvDlg:Label2:Left:180|RTTI:InvDlg:Label2:Top:80|"
         "RTTI:InvDlg:Label2:Font.name:Arial|RTTI:InvDlg:Label2:Font.Size:16|"
         "RTTI:InvDlg:InvTimeST1:Font.name:Arial|RTTI:InvDlg:InvTimeST1:Font.Size:16|"
         "RTTI:InvDlg:FrameInv1:Left:176|RTTI:InvDlg:FrameInv1:Width:70|"
         "RTTI:InvDlg:FrameInv1:Height:35|RTTI:InvDlg:FrameInv1:TOP:75|"
         "RTTI:InvDlg:InvTimeST1:MinValue:1|RTTI:InvDlg:InvTimeST1:MaxValue:21|"
         "RTTI:InvDLg:invComb:top:42|RTTI:InvDLg:invCombF:top:40|RTTI:InvDLg:invCombB:top:40|"
         "Layer:201:chw.bmp|Layer:202:chb.bmp|"
         "RTTI:REsumeDlg:AskDraw1:Visible:0|RTTI:REsumeDlg:REsign1:Caption:Resign the Match|"
         "RefreshImg|";
}

std::string ChessSetup(const std::string& hostFolder) {
  return "Menu:" + hostFolder + "Chess\\Menu.dat|"
         "RTTI:MainForm:GameB1:caption:Show Moves|RTTI:MainForm:GameB2:caption:Preferences|"
         "RTTI:MainForm:GameB4:caption:Sound|RTTI:MainForm:GameB5:caption:Confirmation|"
         "RTTI:MainForm:GameB5:selected:1|"
         "RTTI:MainForm:GameB4:selected:1|"
         "RTTI:MainForm:GameB1:selected:1|"
         "RTTI:MenuDlg:M26:checked:1|"
         "RTTI:MainForm:GameB6:caption:Resign|RTTI:MainForm:GameB3:caption:Ask Draw|"
         "RTTI:MainForm:GameB1:Visible:1|RTTI:MainForm:GameB2:Visible:1|RTTI:MainForm:GameB3:Visible:1|"
         "RTTI:MainForm:GameB4:Visible:1|RTTI:MainForm:GameB5:Visible:1|RTTI:MainForm:GameB6:Visible:1|"
         "RTTI:MainForm:GameB7:Visible:0|RTTI:MainForm:GameB8:Visible:0|RTTI:MainForm:GameB9:Visible:0|"
         "RTTI:MainForm:GameB10:Visible:0|"
         "RTTI:MainForm:GameB4:Group:-2|RTTI:MainForm:GameB5:Group:-3|RTTI:MainForm:GameB1:Group:-4|"
         "RTTI:MainForm:GameB4:ImageType:3|RTTI:MainForm:GameB5:ImageType:3|RTTI:MainForm:GameB1:ImageType:3|"
         "RTTI:MainForm:FrameMoves:width:150|RTTI:MainForm:FrameMoveSep:Visible:1|"
         "RTTI:Mainform:PaintboxCLock:Visible:1|"
         "RightClick:0|"
         "RTTI:MainForm:GameData:caption:|RTTI:MainForm:GameData2:caption:|RTTI:MainForm:GameData3:caption:|"
         "RTTI:InvDLg:FrameInv1:Visible:1|RTTI:InvDLg:FrameInv2:Visible:1|"
         "Layer:201:cw.bmp|Layer:202:cb.bmp|"
         "RefreshImg|";
}

class InitDLLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetHostFolder(folder_.Path());
    platform::SetRegistryFile(folder_.Path() + "registry.reg");
  }
  void TearDown() override {
    platform::SetHostFolder("");
    platform::SetRegistryFile("");
  }
  std::unique_ptr<host::PluginInstance> Load(const std::string& name) {
    std::string error;
    auto plugin = host::PluginInstance::Load(PluginPath(name), &error);
    EXPECT_TRUE(plugin) << error;
    return plugin;
  }
  TestFolder folder_;
};

TEST_F(InitDLLTest, BackgammonAnswersItsSetupListAndCopiesTheCheckerPictures) {
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path() + "Common/SmallWhite.bmp", "white"));
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path() + "Common/SmallRed.bmp", "red"));
  auto plugin = Load("backgammon");
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->InitDLL("Software\\Site\\Demo"), kVersion + BackgammonSetup(folder_.Path()));
  EXPECT_EQ(platform::ReadWholeFile(folder_.Path() + "Data/Chw.bmp").value_or(""), "white");
  EXPECT_EQ(platform::ReadWholeFile(folder_.Path() + "Data/Chb.bmp").value_or(""), "red");
}

TEST_F(InitDLLTest, ChessAnswersItsSetupList) {
  auto plugin = Load("chess");
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->InitDLL("Software\\Site\\Demo"), kVersion + ChessSetup(folder_.Path()));
}

TEST_F(InitDLLTest, VersionComesFromTheModuleFile) {
  auto plugin = Load("chess_v3");
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->InitDLL("x").substr(0, 15), "Ver:3.1.0.167|M");
}

TEST_F(InitDLLTest, FrameExportsAnswerAsDesigned) {
  auto backgammon = Load("backgammon");
  auto chess = Load("chess");
  ASSERT_TRUE(backgammon && chess);
  backgammon->InitDLL("a\\b\\Site");
  chess->InitDLL("a\\b\\Site");

  auto match = backgammon->InitMatch();
  EXPECT_EQ(match.first, "");
  EXPECT_EQ(match.logPath, folder_.Path() + "backgammon\\match.log");
  EXPECT_EQ(match.number, 0);
  EXPECT_FALSE(platform::FileExists(match.logPath));  // only named, never touched
  EXPECT_EQ(chess->InitMatch().number, 2);

  // No game in slot 1, so the local user plays neither side there: Resign stays off.
  EXPECT_EQ(backgammon->SetState(0),
            "RTTI:MainForm:GameB11:Enabled:0|RTTI:MainForm:GameB2:Enabled:1|"
            "RTTI:MainForm:GameB12:Enabled:0|RTTI:MainForm:GameB13:Enabled:0|"
            "RTTI:MainForm:GameB11:Enabled:0|");
  EXPECT_EQ(backgammon->SetState(1), "RTTI:MainForm:GameB11:Enabled:0|");
  EXPECT_EQ(chess->SetState(0), "");
  EXPECT_EQ(chess->PaintComb("C:\\keep.bmp", 0, 0, 10, 10, "x", false, 1), "C:\\keep.bmp");
  EXPECT_EQ(chess->SmallPos(1).second, "");

  EXPECT_EQ(backgammon->Clear3D(),
            "RTTI:REsumeDlg:AskDraw1:Visible:1|RTTI:REsumeDlg:REsign1:Caption:Resign the Game|"
            "RTTI:MainForm:GameB11:Visible:0|RTTI:MainForm:GameB12:Visible:0|"
            "RTTI:MainForm:GameB13:Visible:0|RTTI:MainForm:GameB14:Visible:0|"
            "RTTI:MainForm:GameB15:Visible:0|RTTI:MainForm:GameB16:Visible:0|");
  EXPECT_EQ(chess->Clear3D(), "");
}

}  // namespace
