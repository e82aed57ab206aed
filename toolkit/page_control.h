// Pages: several sets of controls in one place, one set shown at a time.
#pragma once

#include "panel.h"

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

// ---- Pages ----

// TPage holds the controls of one page; it paints nothing of its own, so the page
// control's face shows behind them. Its caption is the text of its tab.
class TPage : public TPanel {
 public:
  TPage(TControl* parent, std::string name = {}) : TPanel(parent, std::move(name)) { ParentBackground = true; }
  std::string ClassName() const override { return "TPage"; }
};

// TTab is the plain tab of a page: a raised face with the caption, the selected one a
// little taller and open at the bottom into its page.
class TTab : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TTab"; }
  void Paint(PaintCanvas& canvas) override;
  bool Selected = false;
};

// TPageControl shows one of its pages (PageIndex) over its area below a row of tabs, one
// per page, TabWidth wide and TabHeight high, named after their page with "Tab" appended;
// a click on a tab shows its page and calls OnChange. Without tabs (ShowTabs off) it is a
// notebook whose pages fill it, switched from code. The other pages are hidden, so their
// controls neither paint nor take input. A subclass gives the tabs and the face its own
// look through CreateTab, MarkTab and PaintFace.
class TPageControl : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TPageControl"; }
  void Paint(PaintCanvas& canvas) override;
  void SetBounds(int left, int top, int width, int height) override;

  // ---- Pages ----
  // Adds a page (and its tab); the first page added is shown.
  TPage& AddPage(std::string name, std::string caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TPage& Page(int index) const;
  // The tab of page `index`.
  TControl& Tab(int index) const;
  int PageIndex() const { return pageIndex_; }
  // Indexes that name no page are ignored.
  void SetPageIndex(int index);
  void SetShowTabs(bool show);
  bool ShowTabs() const { return showTabs_; }

  int TabWidth = 80;
  int TabHeight = 22;
  std::function<void(TPageControl&)> OnChange;

 protected:
  // Makes the tab control of a new page (a child of this control); clicks on it are hooked
  // by the caller.
  virtual TControl& CreateTab(const std::string& name, const std::string& caption);
  virtual void MarkTab(TControl& tab, bool selected);
  // The face under the pages: `body` is the pages' area, `tab` the selected tab's (empty
  // without tabs).
  virtual void PaintFace(PaintCanvas& canvas, const Rect& body, const Rect& tab);
  Rect BodyRect() const;

 private:
  void Layout();

  std::vector<TPage*> pages_;
  std::vector<TControl*> tabs_;
  int pageIndex_ = -1;
  bool showTabs_ = true;
};

}  // namespace toolkit
