// The message box, the skin store and the skinned controls, driven through the element tree
// and injected input on the virtual clock.
#include <button_x.h>
#include <clock.h>
#include <dlg_message_g.h>
#include <element_tree.h>
#include <form.h>
#include <frame.h>
#include <host_folder.h>
#include <input.h>
#include <message_queue.h>
#include <skin_store.h>
#include <window_system.h>

#include <crypt.h>
#include <host_text.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace ui;

std::vector<std::string> pushed;

void Callback(GpText text) { pushed.push_back(channel::CryptDecode(TextView(text))); }

class Widgets : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetWindowSystem();
    platform::UseVirtualClock(true);
    const char* bin = std::getenv("GAMEPLUGINS_BIN");
    ASSERT_NE(bin, nullptr);
    plugin::Frame().hostFolder = std::string(bin) + "/host/";
    plugin::Frame().hostCallback = Callback;
    plugin::Frame().modalActive = false;
    pushed.clear();
    BackgroundSetName().clear();
    store = std::make_unique<TFImage>(plugin::Frame().hostFolder);
    SetSkinStore(store.get());
    ASSERT_TRUE(store->SetImage("default", "default"));
  }
  void TearDown() override {
    toolkit::TForm::ReleaseOrphans();
    SetSkinStore(nullptr);
    store.reset();
    platform::ResetWindowSystem();
    plugin::Frame().hostCallback = nullptr;
  }
  // Asks, and while the box is open runs `act` from the queue.
  int AskWith(std::uint16_t set, std::function<void()> act, std::string_view extra = {}) {
    platform::Post(std::move(act));
    return AskUser("Do you want to double?", set, extra);
  }
  std::unique_ptr<TFImage> store;
};

TEST_F(Widgets, Set75AnswersByTheButtonClicked) {
  struct Case { const char* button; int answer; };
  for (Case c : {Case{"Bok", 1}, Case{"Bcancel", 2}, Case{"ButtonExt", 4}}) {
    std::vector<std::string> captions;
    int answer = AskWith(75, [&] {
      for (const char* name : {"Bok", "Bcancel", "ButtonExt"}) captions.push_back(platform::FindElement(name)->Caption);
      platform::InjectKeyStroke(platform::keys::Return);  // keys are off: nothing happens
      platform::InjectKeyStroke(platform::keys::Escape);
      platform::ClickElement(c.button);
    }, "Beaver");
    EXPECT_EQ(answer, c.answer) << c.button;
    EXPECT_EQ(captions, (std::vector<std::string>{"Yes", "Beaver", "No"}));
  }
}

TEST_F(Widgets, Set3AnswersEnterEscapeAndTheCloseButton) {
  EXPECT_EQ(AskWith(3, [] { platform::InjectKeyStroke(platform::keys::Return); }), 1);
  EXPECT_EQ(AskWith(3, [] { platform::InjectKeyStroke(platform::keys::Escape); }), 2);
  EXPECT_EQ(AskWith(3, [] { platform::ClickElement("CloseB"); }), 2);
  // Set 4: one wide Ok button, and Escape still answers 2.
  int width = 0;
  EXPECT_EQ(AskWith(4, [&] {
              width = platform::FindElement("Bok")->ScreenRect.Width();
              EXPECT_FALSE(platform::FindElement("Bcancel")->Showing);
              platform::InjectKeyStroke(platform::keys::Escape);
            }), 2);
  EXPECT_EQ(width, 300 - 8);
}

TEST_F(Widgets, AQuestionTellsTheHostAndLetsTheQueueRunMeanwhile) {
  bool ranInside = false, modalInside = false;
  AskWith(3, [&] {
    ranInside = true;  // a host message delivered while the question is open
    modalInside = plugin::Frame().modalActive;
    EXPECT_NE(plugin::Frame().openModal, nullptr);
    platform::ClickElement("Bok");
  });
  EXPECT_TRUE(ranInside);
  EXPECT_TRUE(modalInside);
  EXPECT_FALSE(plugin::Frame().modalActive);
  EXPECT_EQ(plugin::Frame().openModal, nullptr);
  EXPECT_EQ(pushed, (std::vector<std::string>{"Modal:On|", "Modal:Off|"}));
}

TEST_F(Widgets, ANoticeAnswersAtOnceTakesItsSizeAndClosesAfterTwoSeconds) {
  int w = 0, h = 0;
  NoticeSize(300, w, h);
  EXPECT_EQ(w, 160);
  EXPECT_EQ(h, 40);
  NoticeSize(150, w, h);
  EXPECT_EQ(w, 170);
  EXPECT_EQ(h, 20);

  EXPECT_EQ(AskUser("The game is over and the match log was written", 0), 1);
  EXPECT_TRUE(pushed.empty());
  auto label = platform::FindElement("Label1");
  ASSERT_TRUE(label && label->Showing);
  platform::RunFor(1900);
  EXPECT_TRUE(platform::FindElement("Label1")->Showing);
  platform::RunFor(200);
  EXPECT_FALSE(platform::FindElement("Label1").has_value());
}

TEST_F(Widgets, DialogsAreCentredAndKeptOnTheScreen) {
  toolkit::Rect over = toolkit::Rect::Sized(100, 100, 400, 300);
  EXPECT_EQ(PlaceDialog(200, 100, over, 1024, 768), toolkit::Rect::Sized(200, 200, 200, 100));
  EXPECT_EQ(PlaceDialog(200, 100, toolkit::Rect::Sized(900, 700, 100, 60), 1024, 768),
            toolkit::Rect::Sized(824, 668, 200, 100));
  EXPECT_EQ(PlaceDialog(1200, 900, over, 1024, 768), toolkit::Rect::Sized(0, 0, 1200, 900));
}

TEST_F(Widgets, LayersAreCutWhereTheirNumbersSay) {
  struct Case { int n; int left, top; };
  for (Case c : {Case{106, 449, 129}, Case{1106, 449, 129}, Case{7, 129, 33}, Case{1, 97, 1}}) {
    toolkit::Rect r;
    ASSERT_TRUE(TFImage::LayerRect(c.n, r)) << c.n;
    EXPECT_EQ(r, toolkit::Rect::Sized(c.left, c.top, 29, 29)) << c.n;
    const Bitmap& icon = store->GetLayer(c.n);
    ASSERT_EQ(icon.Width(), 29);
    EXPECT_EQ(toolkit::PixelOf(icon, 14, 14), toolkit::PixelOf(store->ButtonSet, c.left + 14, c.top + 14));
  }
  for (int none : {0, 200, 220, 250}) EXPECT_TRUE(store->GetLayer(none).Empty()) << none;
}

TEST_F(Widgets, AMissingSkinPictureLeavesTheSkinAsItWas) {
  Rgb text = store->Colour(1);
  int backWidth = store->IBack.Width();
  EXPECT_FALSE(store->SetImage("NoSuchSkin", "default"));
  EXPECT_FALSE(store->SetImage("Midnight", "NoSuchSkin"));
  EXPECT_EQ(store->Colour(1), text);
  EXPECT_EQ(store->IBack.Width(), backWidth);
  EXPECT_EQ(BackgroundSetName(), "default");
  ASSERT_TRUE(store->SetImage("Midnight", "Midnight"));
  EXPECT_NE(store->Colour(1), text);
}

TEST_F(Widgets, LabelsFollowTheEmphasisColourAcrossSkins) {
  toolkit::TForm form("Form");
  auto& red = form.Add<toolkit::TLabel>("Red");
  red.Font.Colour = Rgb{255, 0, 0};
  auto& green = form.Add<toolkit::TLabel>("Green");
  green.Font.Colour = Rgb{0, 128, 0};
  store->SkinForm(form);
  EXPECT_EQ(red.Font.Colour, store->Colour(4));
  for (const char* skin : {"Midnight", "default", "Midnight"}) {
    ASSERT_TRUE(store->SetImage(skin, skin));
    EXPECT_EQ(red.Font.Colour, store->Colour(4)) << skin;
    EXPECT_EQ(green.Font.Colour, (Rgb{0, 128, 0}));
  }
}

TEST_F(Widgets, RadioButtonsOfOneGroupSelectOneAnother) {
  toolkit::TForm form("Form");
  form.SetBounds(0, 0, 200, 100);
  auto& a = form.Add<TRadioButtonX>("A");
  auto& b = form.Add<TRadioButtonX>("B");
  auto& other = form.Add<TRadioButtonX>("Other");
  a.Group = b.Group = 1;
  other.Group = 2;
  a.SetBounds(0, 0, 100, 20);
  b.SetBounds(0, 30, 100, 20);
  other.SetBounds(0, 60, 100, 20);
  a.SetSelected(true);
  other.SetSelected(true);
  form.Show();
  platform::ClickElement("B");
  platform::ProcessPendingMessages();
  EXPECT_FALSE(a.Selected());
  EXPECT_TRUE(b.Selected());
  EXPECT_TRUE(other.Selected());
}

}  // namespace
