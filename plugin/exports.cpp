// The 26 entry points of a plug-in. Each has the same shape: clear the reply, take the text
// arguments (unscrambled where they travel scrambled), let the deliverable's module build
// a plain reply, scramble it and store it. One guard per export keeps every failure inside:
// whatever escapes the module ends the call with an empty reply.
#include "crypt.h"
#include "frame.h"
#include "game_module.h"

#include <gameplugin.h>
#include <host_text.h>

#include <string>

#define GP_EXPORT extern "C" __attribute__((visibility("default")))

using plugin::CommandList;
using plugin::TheGameModule;

namespace {

// A text argument held for the length of the call.
class Argument {
 public:
  explicit Argument(GpText text) : text_(HostText::Borrow(text)) {}
  std::string Plain() const { return std::string(TextView(text_.Get())); }
  std::string Unscrambled() const { return channel::CryptDecode(TextView(text_.Get())); }

 private:
  HostText text_;
};

void ClearReply(GpText* reply) {
  if (!reply) return;
  GpText old = *reply;
  *reply = nullptr;
  GpTextRelease(old);
}

// Runs `body`, which fills a CommandList, and stores the scrambled result in `reply`.
template <typename Body>
void ReplyWith(GpText* reply, Body&& body) noexcept {
  try {
    ClearReply(reply);
    CommandList commands;
    body(commands);
    if (reply) StoreText(reply, channel::CryptEncode(commands.Text()));
  } catch (...) {
    // The reply stays empty: a failure never crosses the boundary.
  }
}

// Runs `body` for an export without a reply.
template <typename Body>
void Quietly(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

// The load step of the plug-in, run by the dynamic loader. The unload step is the
// module's destructor, which runs when the loader unloads us.
struct LoadStep {
  LoadStep() noexcept {
    Quietly([] { plugin::LoadFrame(); });
  }
} loadStep;

}  // namespace

GP_EXPORT void GameProcess(GpText* reply, int32_t slot, GpText message) {
  Argument text(message);
  ReplyWith(reply, [&](CommandList& out) {
    TheGameModule().GameProcess(slot, text.Unscrambled(), out);
  });
}

GP_EXPORT void CheckTimer(GpText* reply, int32_t slot) {
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().CheckTimer(slot, out); });
}

GP_EXPORT void GetElo(GpText firstPlayer, GpText secondPlayer, int32_t games, int32_t extended) {
  Argument first(firstPlayer), second(secondPlayer);
  Quietly([&] { TheGameModule().GetElo(first.Plain(), second.Plain(), games, extended != 0); });
}

GP_EXPORT void Repaint(int32_t value) {
  Quietly([&] { TheGameModule().Repaint(value); });
}

GP_EXPORT void InvertInv(GpText* reply, GpText invitation) {
  Argument text(invitation);
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().InvertInv(text.Unscrambled(), out); });
}

GP_EXPORT void SetInvData(GpText* reply, GpText invitation) {
  Argument text(invitation);
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().SetInvData(text.Unscrambled(), out); });
}

GP_EXPORT void GetInvSumm(GpText* reply, GpText invitation) {
  Argument text(invitation);
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().GetInvSumm(text.Unscrambled(), out); });
}

GP_EXPORT void GetInvData(GpText* reply, GpText dialogValues, GpText* invitation) {
  Argument values(dialogValues);
  ReplyWith(reply, [&](CommandList& out) {
    std::string record = invitation ? channel::CryptDecode(TextView(*invitation)) : std::string();
    TheGameModule().GetInvData(values.Unscrambled(), record, out);
    if (invitation) StoreText(invitation, channel::CryptEncode(record));
  });
}

GP_EXPORT void GetInv(GpText* reply) {
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().GetInv(out); });
}

GP_EXPORT void InitMatch(GpText* first, GpText* logPath, int32_t* number) {
  Quietly([&] {
    StoreText(first, "");
    StoreText(logPath, plugin::Frame().gameFolder + "match.log");
    if (number) *number = TheGameModule().MatchNumber();
  });
}

GP_EXPORT void PaintComb(GpText* picturePath, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, GpText caption, uint8_t flags, int32_t variant) {
  Argument text(caption);
  Quietly([&] {
    std::string before = picturePath ? std::string(TextView(*picturePath)) : std::string();
    std::string path = before;
    TheGameModule().PaintComb(path, left, top, right, bottom, text.Plain(), flags, variant);
    if (path != before) StoreText(picturePath, path);  // untouched unless the module wrote one
  });
}

GP_EXPORT void AddHist(GpText localPlayer, GpText history) {
  Argument name(localPlayer), record(history);
  Quietly([&] { TheGameModule().AddHist(name.Plain(), record.Plain()); });
}

GP_EXPORT void SaveGame(int32_t slot, GpText ratings) {
  Argument text(ratings);
  Quietly([&] { TheGameModule().SaveGame(slot, text.Plain()); });
}

GP_EXPORT void SmallPos(GpText* picturePath, int32_t slot, int32_t, int32_t, GpText* caption) {
  Quietly([&] {
    std::string path = picturePath ? std::string(TextView(*picturePath)) : std::string();
    std::string text;
    TheGameModule().SmallPos(slot, path, text);
    StoreText(picturePath, path);
    StoreText(caption, channel::CryptEncode(text));
  });
}

GP_EXPORT void SetState(GpText* reply, uint8_t state) {
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().SetState(state, out); });
}

GP_EXPORT void Clear3D(GpText* reply) {
  ReplyWith(reply, [&](CommandList& out) {
    TheGameModule().Clear3D(out);
    plugin::ForgetSurfaces();
  });
}

GP_EXPORT void Init3D(int32_t* size, GpObject paintBox, GpObject image) {
  Quietly([&] {
    plugin::HandOverSurfaces(paintBox, image);
    // The size written back is the image control's; a game may say otherwise once it lays
    // out its board.
    auto [width, height] = plugin::BoardImageSize();
    int32_t dimensions[2] = {width, height};
    const plugin::FrameState& frame = plugin::Frame();
    TheGameModule().Init3D(dimensions, frame.boardPaintBox, frame.boardImage);
    if (size) {
      size[0] = dimensions[0];
      size[1] = dimensions[1];
    }
  });
}

GP_EXPORT void NormalizeModal(void) {
  Quietly([] { TheGameModule().NormalizeModal(); });
}

GP_EXPORT void SetImage(GpText backgroundSet, GpText buttonSet) {
  Argument background(backgroundSet), buttons(buttonSet);
  Quietly([&] { TheGameModule().SetImage(background.Plain(), buttons.Plain()); });
}

GP_EXPORT void InitDLL(GpText* reply, HostCallback callback, GpText basePath) {
  Argument base(basePath);
  ReplyWith(reply, [&](CommandList& out) {
    plugin::GameModule& module = TheGameModule();
    plugin::BeginInitDLL(callback, base.Plain(), module.OptionsKeyName(), module.GameFolderName());
    out.Add("Ver", plugin::Frame().versionText);
    module.InitDLL(out);
  });
}

GP_EXPORT void Action(GpText* reply, int32_t slot, int32_t code) {
  ReplyWith(reply, [&](CommandList& out) { TheGameModule().Action(slot, code, out); });
}

// While a modal question is open the pointer exports answer nothing.
GP_EXPORT void MouseDbl(GpText* reply, int32_t slot, int32_t x, int32_t y) {
  ReplyWith(reply, [&](CommandList& out) {
    if (!plugin::Frame().modalActive) TheGameModule().MouseDbl(slot, x, y, out);
  });
}

GP_EXPORT void MouseMove(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t) {
  ReplyWith(reply, [&](CommandList& out) {
    if (!plugin::Frame().modalActive) TheGameModule().MouseMove(slot, x, y, out);
  });
}

GP_EXPORT void MouseUp(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t button,
                       uint8_t) {
  ReplyWith(reply, [&](CommandList& out) {
    if (!plugin::Frame().modalActive) TheGameModule().MouseUp(slot, x, y, button, out);
  });
}

GP_EXPORT void MouseDown(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t button,
                         uint8_t) {
  ReplyWith(reply, [&](CommandList& out) {
    if (!plugin::Frame().modalActive) TheGameModule().MouseDown(slot, x, y, button, out);
  });
}

GP_EXPORT void Initgame(GpText* reply, int32_t slot, GpText gameText, GpText resumeText) {
  Argument game(gameText), resume(resumeText);
  ReplyWith(reply, [&](CommandList& out) {
    TheGameModule().Initgame(slot, game.Unscrambled(), resume.Unscrambled(), out);
  });
}
