// PluginInstance: one loaded copy of a plug-in, driven the way any host drives it.
#pragma once

#include <gameplugin.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// ---- The export table ----

// The 26 entry points of one loaded copy, looked up by name.
struct PluginExports {
  GameProcessFn GameProcess = nullptr;
  CheckTimerFn CheckTimer = nullptr;
  GetEloFn GetElo = nullptr;
  RepaintFn Repaint = nullptr;
  InvitationFn InvertInv = nullptr;
  InvitationFn SetInvData = nullptr;
  InvitationFn GetInvSumm = nullptr;
  GetInvDataFn GetInvData = nullptr;
  GetInvFn GetInv = nullptr;
  InitMatchFn InitMatch = nullptr;
  PaintCombFn PaintComb = nullptr;
  AddHistFn AddHist = nullptr;
  SaveGameFn SaveGame = nullptr;
  SmallPosFn SmallPos = nullptr;
  SetStateFn SetState = nullptr;
  Clear3DFn Clear3D = nullptr;
  Init3DFn Init3D = nullptr;
  NormalizeModalFn NormalizeModal = nullptr;
  SetImageFn SetImage = nullptr;
  InitDLLFn InitDLL = nullptr;
  ActionFn Action = nullptr;
  MouseDblFn MouseDbl = nullptr;
  MouseMoveFn MouseMove = nullptr;
  MouseButtonFn MouseUp = nullptr;
  MouseButtonFn MouseDown = nullptr;
  InitgameFn Initgame = nullptr;
};

// ---- One plug-in copy ----

// PluginInstance loads a plug-in from a private copy of its file, so the two players of one
// game can each have their own instance, with separate state, in one process. Its methods
// call the exports with the texts owned and scrambled as the boundary requires, and give
// back the plain replies. Commands the plug-in pushes through the HostCallback go to the
// handler set with OnPush (applied at once, before the export returns).
class PluginInstance {
 public:
  // Loads the plug-in at `path`; nullptr (with `error` filled) when it cannot be loaded or
  // lacks an export.
  static std::unique_ptr<PluginInstance> Load(const std::string& path, std::string* error);
  ~PluginInstance();
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  // Where pushed CommandLists (unscrambled) go; by default they are only recorded.
  void OnPush(std::function<void(const std::string&)> handler) { pushHandler_ = std::move(handler); }
  const std::vector<std::string>& Pushed() const { return pushed_; }

  // Exports that answer with a CommandList give back the plain text.
  std::string InitDLL(std::string_view basePath);
  std::string Initgame(std::int32_t slot, std::string_view gameText, std::string_view resumeText);
  std::string GameProcess(std::int32_t slot, std::string_view message);
  std::string CheckTimer(std::int32_t slot);
  std::string Action(std::int32_t slot, std::int32_t code);
  std::string MouseDown(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button);
  std::string MouseUp(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button);
  std::string MouseMove(std::int32_t slot, std::int32_t x, std::int32_t y);
  std::string MouseDbl(std::int32_t slot, std::int32_t x, std::int32_t y);
  std::string SetState(std::uint8_t state);
  std::string Clear3D();
  std::string GetInv();
  std::string SetInvData(std::string_view invitation);
  std::string GetInvSumm(std::string_view invitation);
  std::string InvertInv(std::string_view invitation);
  // Returns the reply; `invitation` is read on entry and replaced with the new record.
  std::string GetInvData(std::string_view dialogValues, std::string& invitation);

  // Exports without a CommandList reply.
  struct MatchNames {
    std::string first;
    std::string logPath;
    std::int32_t number = 0;
  };
  MatchNames InitMatch();
  // Returns the picture path (plain) and the caption (unscrambled).
  std::pair<std::string, std::string> SmallPos(std::int32_t slot);
  // Returns the picture path, or `path` itself when the plug-in left it untouched.
  std::string PaintComb(std::string_view path, std::int32_t left, std::int32_t top,
                        std::int32_t right, std::int32_t bottom, std::string_view caption,
                        bool selected, std::int32_t variant);
  void Init3D(std::int32_t size[2], GpObject paintBox, GpObject image);
  void SaveGame(std::int32_t slot, std::string_view ratings);
  void AddHist(std::string_view localPlayer, std::string_view history);
  void GetElo(std::string_view first, std::string_view second, std::int32_t games, bool extended);
  void SetImage(std::string_view backgroundSet, std::string_view buttonSet);
  void Repaint(std::int32_t value);
  void NormalizeModal();

  // The raw entry points, for tests of the boundary itself.
  const PluginExports& Exports() const { return exports_; }
  const std::string& SourcePath() const { return sourcePath_; }

 private:
  PluginInstance() = default;
  void ReceivePush(GpText commands);
  friend struct PushTrampolines;

  std::string sourcePath_;
  std::string copyPath_;
  void* handle_ = nullptr;
  int callbackIndex_ = -1;
  PluginExports exports_;
  std::vector<std::string> pushed_;
  std::function<void(const std::string&)> pushHandler_;
};

}  // namespace host
