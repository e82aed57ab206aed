#include "plugin_instance.h"

#include <crypt.h>
#include <files.h>
#include <host_text.h>

#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <utility>

namespace host {

// ---- The HostCallback ----

// A HostCallback is a bare C function pointer with no room for a context, yet each loaded
// copy needs its pushes to reach its own host. So every instance borrows one entry of a
// fixed table of distinct functions, each knowing its own index.
struct PushTrampolines {
  static constexpr int kCount = 64;
  static inline std::array<PluginInstance*, kCount> owners{};

  template <int N>
  static void Push(GpText commands) {
    if (PluginInstance* owner = owners[N]) owner->ReceivePush(commands);
  }

  template <int... N>
  static constexpr std::array<HostCallback, kCount> Make(std::integer_sequence<int, N...>) {
    return {&Push<N>...};
  }
  static inline const std::array<HostCallback, kCount> functions =
      Make(std::make_integer_sequence<int, kCount>());

  static int Claim(PluginInstance* owner) {
    for (int i = 0; i < kCount; ++i) {
      if (!owners[i]) {
        owners[i] = owner;
        return i;
      }
    }
    return -1;
  }
};

namespace {

// Calls an export that stores a reply, and hands back the text it stored (we own it).
template <typename Call>
std::string CallForReply(Call&& call) {
  GpText reply = nullptr;
  call(&reply);
  HostText owned = HostText::Adopt(reply);
  return channel::CryptDecode(owned.View());
}

HostText Scrambled(std::string_view plain) { return HostText(channel::CryptEncode(plain)); }

template <typename Fn>
bool Resolve(void* handle, const char* name, Fn& slot) {
  slot = reinterpret_cast<Fn>(::dlsym(handle, name));
  return slot != nullptr;
}

}  // namespace

std::unique_ptr<PluginInstance> PluginInstance::Load(const std::string& path, std::string* error) {
  auto fail = [&](std::string why) -> std::unique_ptr<PluginInstance> {
    if (error) *error = std::move(why);
    return nullptr;
  };
  std::unique_ptr<PluginInstance> instance(new PluginInstance);
  instance->sourcePath_ = path;

  char folder[] = "/tmp/gamehost-XXXXXX";
  if (!::mkdtemp(folder)) return fail("cannot create a folder for the plug-in copy");
  std::string name = path.substr(path.rfind('/') + 1);
  instance->copyPath_ = std::string(folder) + "/" + name;
  if (!platform::CopyFileOver(path, instance->copyPath_)) {
    ::rmdir(folder);
    return fail("cannot copy " + path);
  }
  instance->handle_ = ::dlopen(instance->copyPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!instance->handle_) {
    const char* why = ::dlerror();
    return fail(why ? why : "cannot load " + path);
  }

  PluginExports& e = instance->exports_;
  void* h = instance->handle_;
  bool complete = Resolve(h, "GameProcess", e.GameProcess) && Resolve(h, "CheckTimer", e.CheckTimer) &&
                  Resolve(h, "GetElo", e.GetElo) && Resolve(h, "Repaint", e.Repaint) &&
                  Resolve(h, "InvertInv", e.InvertInv) && Resolve(h, "SetInvData", e.SetInvData) &&
                  Resolve(h, "GetInvSumm", e.GetInvSumm) && Resolve(h, "GetInvData", e.GetInvData) &&
                  Resolve(h, "GetInv", e.GetInv) && Resolve(h, "InitMatch", e.InitMatch) &&
                  Resolve(h, "PaintComb", e.PaintComb) && Resolve(h, "AddHist", e.AddHist) &&
                  Resolve(h, "SaveGame", e.SaveGame) && Resolve(h, "SmallPos", e.SmallPos) &&
                  Resolve(h, "SetState", e.SetState) && Resolve(h, "Clear3D", e.Clear3D) &&
                  Resolve(h, "Init3D", e.Init3D) && Resolve(h, "NormalizeModal", e.NormalizeModal) &&
                  Resolve(h, "SetImage", e.SetImage) && Resolve(h, "InitDLL", e.InitDLL) &&
                  Resolve(h, "Action", e.Action) && Resolve(h, "MouseDbl", e.MouseDbl) &&
                  Resolve(h, "MouseMove", e.MouseMove) && Resolve(h, "MouseUp", e.MouseUp) &&
                  Resolve(h, "MouseDown", e.MouseDown) && Resolve(h, "Initgame", e.Initgame);
  if (!complete) return fail(path + " lacks one of the 26 exports");
  instance->callbackIndex_ = PushTrampolines::Claim(instance.get());
  if (instance->callbackIndex_ < 0) return fail("too many plug-in instances in one process");
  return instance;
}

PluginInstance::~PluginInstance() {
  if (callbackIndex_ >= 0) PushTrampolines::owners[static_cast<std::size_t>(callbackIndex_)] = nullptr;
  if (handle_) ::dlclose(handle_);
  if (!copyPath_.empty()) {
    ::unlink(copyPath_.c_str());
    ::rmdir(copyPath_.substr(0, copyPath_.rfind('/')).c_str());
  }
}

void PluginInstance::ReceivePush(GpText commands) {
  std::string plain = channel::CryptDecode(TextView(commands));
  pushed_.push_back(plain);
  if (pushHandler_) pushHandler_(plain);
}

std::string PluginInstance::InitDLL(std::string_view basePath) {
  HostText base(basePath);
  HostCallback callback = PushTrampolines::functions[static_cast<std::size_t>(callbackIndex_)];
  return CallForReply([&](GpText* reply) { exports_.InitDLL(reply, callback, base.Get()); });
}

std::string PluginInstance::Initgame(std::int32_t slot, std::string_view gameText,
                                     std::string_view resumeText) {
  HostText game = Scrambled(gameText), resume = Scrambled(resumeText);
  return CallForReply([&](GpText* reply) { exports_.Initgame(reply, slot, game.Get(), resume.Get()); });
}

std::string PluginInstance::GameProcess(std::int32_t slot, std::string_view message) {
  HostText text = Scrambled(message);
  return CallForReply([&](GpText* reply) { exports_.GameProcess(reply, slot, text.Get()); });
}

std::string PluginInstance::CheckTimer(std::int32_t slot) {
  return CallForReply([&](GpText* reply) { exports_.CheckTimer(reply, slot); });
}

std::string PluginInstance::Action(std::int32_t slot, std::int32_t code) {
  return CallForReply([&](GpText* reply) { exports_.Action(reply, slot, code); });
}

std::string PluginInstance::MouseDown(std::int32_t slot, std::int32_t x, std::int32_t y,
                                      std::uint8_t button) {
  return CallForReply([&](GpText* reply) { exports_.MouseDown(reply, slot, x, y, button, 0); });
}

std::string PluginInstance::MouseUp(std::int32_t slot, std::int32_t x, std::int32_t y,
                                    std::uint8_t button) {
  return CallForReply([&](GpText* reply) { exports_.MouseUp(reply, slot, x, y, button, 0); });
}

std::string PluginInstance::MouseMove(std::int32_t slot, std::int32_t x, std::int32_t y) {
  return CallForReply([&](GpText* reply) { exports_.MouseMove(reply, slot, x, y, 0); });
}

std::string PluginInstance::MouseDbl(std::int32_t slot, std::int32_t x, std::int32_t y) {
  return CallForReply([&](GpText* reply) { exports_.MouseDbl(reply, slot, x, y); });
}

std::string PluginInstance::SetState(std::uint8_t state) {
  return CallForReply([&](GpText* reply) { exports_.SetState(reply, state); });
}

std::string PluginInstance::Clear3D() {
  return CallForReply([&](GpText* reply) { exports_.Clear3D(reply); });
}

std::string PluginInstance::GetInv() {
  return CallForReply([&](GpText* reply) { exports_.GetInv(reply); });
}

std::string PluginInstance::SetInvData(std::string_view invitation) {
  HostText text = Scrambled(invitation);
  return CallForReply([&](GpText* reply) { exports_.SetInvData(reply, text.Get()); });
}

std::string PluginInstance::GetInvSumm(std::string_view invitation) {
  HostText text = Scrambled(invitation);
  return CallForReply([&](GpText* reply) { exports_.GetInvSumm(reply, text.Get()); });
}

std::string PluginInstance::InvertInv(std::string_view invitation) {
  HostText text = Scrambled(invitation);
  return CallForReply([&](GpText* reply) { exports_.InvertInv(reply, text.Get()); });
}

std::string PluginInstance::GetInvData(std::string_view dialogValues, std::string& invitation) {
  HostText values = Scrambled(dialogValues);
  GpText record = Scrambled(invitation).Release();
  std::string reply = CallForReply([&](GpText* out) { exports_.GetInvData(out, values.Get(), &record); });
  HostText owned = HostText::Adopt(record);
  invitation = channel::CryptDecode(owned.View());
  return reply;
}

PluginInstance::MatchNames PluginInstance::InitMatch() {
  GpText first = nullptr, logPath = nullptr;
  MatchNames names;
  exports_.InitMatch(&first, &logPath, &names.number);
  names.first = HostText::Adopt(first).Str();
  names.logPath = HostText::Adopt(logPath).Str();
  return names;
}

std::pair<std::string, std::string> PluginInstance::SmallPos(std::int32_t slot) {
  GpText path = nullptr, caption = nullptr;
  exports_.SmallPos(&path, slot, 0, 0, &caption);
  HostText ownedCaption = HostText::Adopt(caption);
  return {HostText::Adopt(path).Str(), channel::CryptDecode(ownedCaption.View())};
}

std::string PluginInstance::PaintComb(std::string_view path, std::int32_t left, std::int32_t top,
                                      std::int32_t right, std::int32_t bottom,
                                      std::string_view caption, bool selected,
                                      std::int32_t variant) {
  GpText variable = HostText(path).Release();
  HostText text(caption);
  exports_.PaintComb(&variable, left, top, right, bottom, text.Get(), selected ? 1 : 0, variant);
  return HostText::Adopt(variable).Str();
}

void PluginInstance::Init3D(std::int32_t size[2], GpObject paintBox, GpObject image) {
  exports_.Init3D(size, paintBox, image);
}

void PluginInstance::SaveGame(std::int32_t slot, std::string_view ratings) {
  HostText text(ratings);
  exports_.SaveGame(slot, text.Get());
}

void PluginInstance::AddHist(std::string_view localPlayer, std::string_view history) {
  HostText name(localPlayer), record(history);
  exports_.AddHist(name.Get(), record.Get());
}

void PluginInstance::GetElo(std::string_view first, std::string_view second, std::int32_t games,
                            bool extended) {
  HostText a(first), b(second);
  exports_.GetElo(a.Get(), b.Get(), games, extended ? 1 : 0);
}

void PluginInstance::SetImage(std::string_view backgroundSet, std::string_view buttonSet) {
  HostText a(backgroundSet), b(buttonSet);
  exports_.SetImage(a.Get(), b.Get());
}

void PluginInstance::Repaint(std::int32_t value) { exports_.Repaint(value); }

void PluginInstance::NormalizeModal() { exports_.NormalizeModal(); }

}  // namespace host
