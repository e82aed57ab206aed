#include "frame.h"

#include "crypt.h"
#include "parse.h"

#include <clock.h>
#include <host_controls.h>
#include <host_folder.h>
#include <host_text.h>
#include <module_version.h>

namespace plugin {

FrameState& Frame() {
  static FrameState state;
  return state;
}

void LoadFrame() {
  FrameState& frame = Frame();
  frame = FrameState{};
  frame.hostFolder = platform::HostFolder();
  // The version block lives in our own module file; any of our symbols names that file.
  auto version =
      platform::ReadModuleVersion(platform::ModulePathOf(reinterpret_cast<const void*>(&LoadFrame)));
  if (version) {
    const auto& v = *version;
    frame.versionText = std::to_string(v[0]) + "." + std::to_string(v[1]) + "." +
                        std::to_string(v[2]) + "." + std::to_string(v[3]);
  }
}

void BeginInitDLL(HostCallback callback, std::string_view basePath,
                  std::string_view optionsKeyName, std::string_view gameFolderName) {
  FrameState& frame = Frame();
  frame.hostCallback = callback;
  frame.optionsKey = std::string(basePath) + "\\" + std::string(optionsKeyName) + "\\Options";
  frame.siteName = channel::GetField(basePath, 3, '\\');
  frame.gameFolder = frame.hostFolder + std::string(gameFolderName);
}

void HandOverSurfaces(GpObject paintBox, GpObject image) {
  FrameState& frame = Frame();
  if (!image) return;
  frame.boardImage = image;
  frame.boardPaintBox = paintBox;
  // The old picture goes: the board is painted afresh at the new size.
  if (platform::Surface* picture = platform::ImageSurface(platform::WindowOfHandle(image)))
    picture->Resize(1, picture->Height());
}

std::array<std::int32_t, 2> BoardImageSize() {
  platform::WindowId image = platform::WindowOfHandle(Frame().boardImage);
  if (!image) return {0, 0};
  platform::Rect bounds = platform::Bounds(image);
  return {bounds.Width(), bounds.Height()};
}

void ForgetSurfaces() {
  Frame().boardImage = nullptr;
  Frame().boardPaintBox = nullptr;
}

void PushToHost(const CommandList& commands) {
  FrameState& frame = Frame();
  if (!frame.hostCallback || commands.Empty()) return;
  HostText text(channel::CryptEncode(commands.Text()));
  frame.hostCallback(text.Get());  // our reference is dropped after the call
}

}  // namespace plugin
