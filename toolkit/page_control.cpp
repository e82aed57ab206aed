#include "page_control.h"

#include <cassert>

namespace toolkit {

namespace {

constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kDark{64, 64, 64};
// Pages sit this far inside the face's edge.
constexpr int kInset = 4;

}  // namespace

// ---- Tabs ----

void TTab::Paint(PaintCanvas& canvas) {
  int top = Selected ? 0 : 2;
  Rect face{0, top, Width(), Height()};
  canvas.FillRect(face, Selected ? Color : MixColours(Color, Rgb{208, 208, 208}));
  canvas.FillRect(Rect{0, top, Width() - 1, top + 1}, kLight);
  canvas.FillRect(Rect{0, top, 1, Height()}, kLight);
  canvas.FillRect(Rect{Width() - 1, top + 1, Width(), Height()}, kDark);
  canvas.FillRect(Rect{Width() - 2, top + 1, Width() - 1, Height()}, kShadow);
  if (!Selected) canvas.FillRect(Rect{0, Height() - 1, Width(), Height()}, kLight);
  canvas.Font().Colour = EnabledInForm() ? Font.Colour : kShadow;
  int width = canvas.TextWidth(Caption());
  canvas.TextOut((Width() - width) / 2, top + (Height() - top - canvas.TextHeight()) / 2, Caption());
}

// ---- Pages ----

TPage& TPageControl::AddPage(std::string name, std::string caption) {
  TControl& tab = CreateTab(name + "Tab", caption);
  int index = PageCount();
  tab.OnClick = [this, index](TControl&) {
    if (index == pageIndex_) return;
    SetPageIndex(index);
    if (OnChange) OnChange(*this);
  };
  TPage& page = Add<TPage>(std::move(name));
  page.SetCaption(caption);
  page.SetVisible(false);
  pages_.push_back(&page);
  tabs_.push_back(&tab);
  Layout();
  if (pageIndex_ < 0) SetPageIndex(0);
  return page;
}

TPage& TPageControl::Page(int index) const {
  assert(index >= 0 && index < PageCount());
  return *pages_[index];
}

TControl& TPageControl::Tab(int index) const {
  assert(index >= 0 && index < PageCount());
  return *tabs_[index];
}

void TPageControl::SetPageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == pageIndex_) return;
  pageIndex_ = index;
  for (int i = 0; i < PageCount(); ++i) {
    pages_[i]->SetVisible(i == index);
    MarkTab(*tabs_[i], i == index);
  }
  Invalidate();
}

void TPageControl::SetShowTabs(bool show) {
  showTabs_ = show;
  Layout();
  Invalidate();
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  Layout();
}

Rect TPageControl::BodyRect() const {
  return Rect{0, showTabs_ ? TabHeight : 0, Width(), Height()};
}

void TPageControl::Layout() {
  Rect body = BodyRect();
  int inset = showTabs_ ? kInset : 0;
  for (int i = 0; i < PageCount(); ++i) {
    pages_[i]->SetBounds(body.Left + inset, body.Top + inset, body.Width() - 2 * inset, body.Height() - 2 * inset);
    tabs_[i]->SetVisible(showTabs_);
    // Tabs overlap their page's edge by one pixel, so the selected one opens into it.
    tabs_[i]->SetBounds(2 + i * TabWidth, 0, TabWidth, TabHeight + 1);
  }
}

// ---- Looks ----

TControl& TPageControl::CreateTab(const std::string& name, const std::string& caption) {
  TTab& tab = Add<TTab>(name);
  tab.SetCaption(caption);
  return tab;
}

void TPageControl::MarkTab(TControl& tab, bool selected) {
  if (auto* plain = dynamic_cast<TTab*>(&tab)) {
    plain->Selected = selected;
    plain->Invalidate();
  }
}

void TPageControl::Paint(PaintCanvas& canvas) {
  Rect tab;
  if (showTabs_ && pageIndex_ >= 0) {
    Rect box = tabs_[pageIndex_]->FormRect(), mine = FormRect();
    tab = box.Offset(-mine.Left, -mine.Top);
  }
  PaintFace(canvas, BodyRect(), tab);
}

void TPageControl::PaintFace(PaintCanvas& canvas, const Rect& body, const Rect&) {
  if (!showTabs_) return;
  canvas.FillRect(body, Color);
  canvas.Bevel(body, kLight, kDark);
  canvas.Bevel(Rect{body.Left + 1, body.Top + 1, body.Right - 1, body.Bottom - 1}, Color, kShadow);
}

}  // namespace toolkit
