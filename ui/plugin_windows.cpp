#include "plugin_windows.h"

#include <frame.h>
#include <window_system.h>

namespace ui {

void PluginWindows::Create(const std::string& hostFolder) {
  Release();
  store_ = std::make_unique<TFImage>(hostFolder);
  SetSkinStore(store_.get());
  messageBox_ = std::make_unique<TMessageDlgG>();
}

void PluginWindows::Release() {
  messageBox_.reset();
  toolkit::TForm::ReleaseOrphans();  // notices still counting down
  if (SkinStore() == store_.get()) SetSkinStore(nullptr);
  store_.reset();
}

void PluginWindows::SetImage(std::string_view backgroundSet, std::string_view buttonSet) {
  if (store_) store_->SetImage(backgroundSet, buttonSet);
}

void PluginWindows::NormalizeModal() {
  platform::WindowId active = platform::ActiveWindow();
  for (toolkit::TForm* form : toolkit::TForm::Forms()) {
    if (form->Window() == active && active) form->BringToFront();
  }
  if (auto* open = static_cast<toolkit::TForm*>(plugin::Frame().openModal)) open->BringToFront();
}

}  // namespace ui
