// The windows every plug-in keeps from InitDLL to Clear3D: the skin-layer store and the
// message box, and the two exports that act on them.
#pragma once

#include "dlg_message_g.h"
#include "skin_store.h"

#include <memory>
#include <string_view>

namespace ui {

// ---- Shared windows of a plug-in ----

// PluginWindows owns the skin-layer store (made the one SkinStore()) and the message box
// of one plug-in. Create runs in InitDLL, Release in Clear3D and at unload (the destructor);
// both may run again.
class PluginWindows {
 public:
  PluginWindows() = default;
  ~PluginWindows() { Release(); }
  PluginWindows(const PluginWindows&) = delete;
  PluginWindows& operator=(const PluginWindows&) = delete;

  void Create(const std::string& hostFolder);
  void Release();
  // The SetImage export: a missing skin picture leaves the skin as it was.
  void SetImage(std::string_view backgroundSet, std::string_view buttonSet);
  // The NormalizeModal export: the plug-in's active window, then the open modal dialog, to
  // the front.
  static void NormalizeModal();

  TFImage* Store() const { return store_.get(); }

 private:
  std::unique_ptr<TFImage> store_;
  std::unique_ptr<TMessageDlgG> messageBox_;
};

}  // namespace ui
