// A scripted plug-in for testing hosts: it answers Initgame with the game text itself (so a
// test writes the commands it wants a plug-in to send) and reports every other call as an
// "Event" the host logs.
#include <frame.h>
#include <game_module.h>
#include <host_controls.h>

#include <string>

namespace {

class EchoModule final : public plugin::GameModule {
 public:
  std::string_view GameFolderName() const override { return "echo\\"; }
  std::string_view OptionsKeyName() const override { return "Echo"; }
  std::int32_t MatchNumber() const override { return 7; }

  void Initgame(std::int32_t, std::string_view gameText, std::string_view,
                plugin::CommandList& reply) override {
    script_ = std::string(gameText);
    // The script is the reply, written as the plug-in would write it.
    for (std::size_t start = 0; start < script_.size();) {
      std::size_t bar = script_.find('|', start);
      std::string command = script_.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
      std::size_t colon = command.find(':');
      if (colon == std::string::npos) {
        if (!command.empty()) reply.Add(command);
      } else {
        reply.Add(command.substr(0, colon), command.substr(colon + 1));
      }
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
  }
  // Paints the board image a solid colour at the image control's size, as a game paints
  // its board, and reports the size.
  void Init3D(std::int32_t size[2], GpObject, GpObject image) override {
    platform::WindowId window = platform::WindowOfHandle(image);
    platform::Surface* picture = platform::ImageSurface(window);
    if (!picture) return;
    platform::Rect bounds = platform::Bounds(window);
    picture->Resize(bounds.Width(), bounds.Height());
    picture->Fill(picture->Bounds(), platform::Colour{200, 30, 40});
    platform::RefreshImage(window);
    size[0] = picture->Width();
    size[1] = picture->Height();
  }
  void MouseDown(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button,
                 plugin::CommandList& reply) override {
    reply.Add("Event", "MouseDown:" + std::to_string(slot) + ":" + std::to_string(x) + ":" +
                           std::to_string(y) + ":" + std::to_string(button));
  }
  void MouseUp(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button,
               plugin::CommandList& reply) override {
    reply.Add("Event", "MouseUp:" + std::to_string(slot) + ":" + std::to_string(x) + ":" +
                           std::to_string(y) + ":" + std::to_string(button));
  }
  void GameProcess(std::int32_t slot, std::string_view message, plugin::CommandList& reply) override {
    reply.Add("Event", "GameProcess:" + std::to_string(slot) + ":" + std::string(message));
  }
  void CheckTimer(std::int32_t slot, plugin::CommandList& reply) override {
    reply.Add("Event", "CheckTimer:" + std::to_string(slot));
  }
  void Action(std::int32_t slot, std::int32_t code, plugin::CommandList& reply) override {
    if (code == 99) {
      // Something that must happen before this call returns, as before a modal question.
      plugin::CommandList now;
      now.Add("Modal", "On");
      plugin::PushToHost(now);
    }
    reply.Add("Event", "Action:" + std::to_string(slot) + ":" + std::to_string(code));
  }

 private:
  std::string script_;
};

}  // namespace

plugin::GameModule& plugin::TheGameModule() {
  static EchoModule module;
  return module;
}
