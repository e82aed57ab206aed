// Pages: one set of controls shown at a time, switched by index or by a click on a tab.
#include <button_x.h>
#include <clock.h>
#include <element_tree.h>
#include <form.h>
#include <input.h>
#include <message_queue.h>
#include <page_control.h>
#include <page_control_x.h>
#include <window_system.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using toolkit::TPageControl;

template <typename Pages>
class PagesOf : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetWindowSystem();
    platform::UseVirtualClock(true);
    form = std::make_unique<toolkit::TForm>("Form");
    form->SetBounds(100, 100, 300, 200);
    pages = &form->Add<Pages>("Pages");
    pages->SetBounds(10, 10, 280, 180);
    for (int i = 0; i < 3; ++i) {
      auto& page = pages->AddPage("Page" + std::to_string(i), "Page " + std::to_string(i));
      // Every page has a button in the same place: a click must reach the shown one only.
      auto& button = page.template Add<ui::TButtonX>("Button" + std::to_string(i));
      button.Group = -1;
      button.SetBounds(10, 10, 80, 30);
      button.OnClick = [this, i](toolkit::TControl&) { clicked += std::to_string(i); };
    }
    pages->OnChange = [this](TPageControl& p) { changes += std::to_string(p.PageIndex()); };
    form->Show();
    Run();
  }
  void TearDown() override {
    form.reset();
    platform::ResetWindowSystem();
  }
  void Run() {
    while (platform::ProcessPendingMessages()) {
    }
  }
  std::string Showing() {
    std::string shown;
    for (int i = 0; i < 3; ++i)
      if (platform::FindElement("Button" + std::to_string(i))->Showing) shown += std::to_string(i);
    return shown;
  }
  std::unique_ptr<toolkit::TForm> form;
  Pages* pages = nullptr;
  std::string clicked;
  std::string changes;
};

using PageKinds = ::testing::Types<toolkit::TPageControl, ui::TPageControlX>;
TYPED_TEST_SUITE(PagesOf, PageKinds);

TYPED_TEST(PagesOf, ATabClickShowsItsPageAndOnlyItsControlsTakeInput) {
  EXPECT_EQ(this->pages->PageIndex(), 0);
  EXPECT_EQ(this->Showing(), "0");
  ASSERT_TRUE(platform::ClickElement("Page2Tab"));
  this->Run();
  EXPECT_EQ(this->pages->PageIndex(), 2);
  EXPECT_EQ(this->Showing(), "2");
  EXPECT_EQ(this->changes, "2");
  ASSERT_TRUE(platform::ClickElement("Button2"));
  platform::ClickElement("Page2Tab");  // already shown: no change
  this->Run();
  EXPECT_EQ(this->clicked, "2");
  EXPECT_EQ(this->changes, "2");

  // From code: no OnChange; indexes naming no page are ignored.
  this->pages->SetPageIndex(1);
  this->pages->SetPageIndex(3);
  this->pages->SetPageIndex(-1);
  EXPECT_EQ(this->pages->PageIndex(), 1);
  EXPECT_EQ(this->Showing(), "1");
  EXPECT_EQ(this->changes, "2");
  for (int i = 0; i < 3; ++i) {
    auto* tab = dynamic_cast<ui::TButtonX*>(&this->pages->Tab(i));
    if (tab) {
      EXPECT_EQ(tab->Selected(), i == 1) << i;
    }
  }
}

TYPED_TEST(PagesOf, WithoutTabsThePagesFillTheNotebook) {
  this->pages->SetShowTabs(false);
  this->Run();
  EXPECT_FALSE(platform::FindElement("Page0Tab")->Showing);
  auto page = platform::FindElement("Page0");
  EXPECT_EQ(page->ScreenRect, platform::Rect::Sized(110, 110, 280, 180));
  this->pages->SetPageIndex(2);
  EXPECT_EQ(this->Showing(), "2");
}

}  // namespace
