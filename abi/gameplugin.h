/*
 * gameplugin.h: the whole boundary between a game-site host and a game plug-in.
 *
 * A host written from this header alone can load libbackgammon.so or libchess.so and play
 * through them. Everything here is plain C with the platform's C calling convention.
 *
 * Texts
 * -----
 * A text is a pointer to the first byte of a block laid out as
 *
 *     [int32 refcount][int32 length][length bytes][0]
 *
 * so the length sits 4 bytes and the reference count 8 bytes before the pointer. A null
 * pointer is the empty text; a non-null text never has length 0. A reference count below
 * zero marks a constant text that is never released. Every block is allocated through the
 * shared memory manager libhostmm.so (HostMemAlloc, HostMemRealloc, HostMemFree), which the
 * host and both plug-ins use, so either side may release a text the other allocated.
 *
 * Ownership
 * ---------
 * - text argument (GpText): borrowed for the duration of the call. The plug-in takes a
 *   reference on entry and drops it on exit; the caller keeps its own reference.
 * - reply and out text (GpText*): the callee releases the text the variable holds and stores
 *   a new one (possibly null); from then on the caller owns it. GetInvData also reads the
 *   text its out variable holds on entry.
 * - HostCallback: called with one scrambled CommandList, borrowed for the call.
 *
 * Scrambling
 * ----------
 * CommandLists in replies, and the game, message and invitation texts the host passes in,
 * travel scrambled with a 59-byte channel key; other texts cross plain. Which is which is
 * said beside each export. The key is the build input abi/channel.key: 59 two-digit hex
 * numbers separated by blanks. Scrambling a text t with start value s (2..55, never 31):
 * the header byte is s + 1; then for each byte c of t, "|" is copied as it is and does not
 * move the key index k (starting at s); any other byte becomes x = c ^ key[k] ^ s, written as
 * the escape byte 1 followed by c itself when x would be 0, 1 or "|"; k then advances and
 * wraps from 59 to 1 (key bytes are numbered from 1). The empty text scrambles to the empty
 * text.
 *
 * Calls
 * -----
 * Load; InitDLL once; Init3D with the two drawing surfaces; per game Initgame, then any of
 * the per-game exports; Clear3D; unload. Game slots are 0 to 10. All calls come on one
 * thread. No export reports an error: bad input gives an empty or shorter reply.
 *
 * Drawing surfaces
 * ----------------
 * The two GpObject handles given to Init3D name windows of the platform window system in
 * libplatform.so, which the host and the plug-ins share: the host's paint box and its image
 * control, made with CreatePaintBox and CreateImageControl (platform/host_controls.h). A
 * handle is the window's id cast to a pointer; a null handle means "none", and the handle of
 * a window that no longer exists names nothing.
 */
#ifndef GAMEPLUGIN_ABI_H
#define GAMEPLUGIN_ABI_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Texts and handles ------------------------------------------------------------- */

typedef char* GpText;                   /* first byte of a text block, or null (empty) */
typedef void* GpObject;                 /* a handle of the platform window system */
typedef void (*HostCallback)(GpText commands); /* carries out one scrambled CommandList */

#define GP_TEXT_HEADER 8                /* refcount + length before the first byte */

/* ---- The shared memory manager (libhostmm.so) -------------------------------------- */

void* HostMemAlloc(size_t size);
void* HostMemRealloc(void* block, size_t size);
void HostMemFree(void* block);

/* ---- Text helpers that follow from the layout -------------------------------------- */

static inline int32_t GpTextLength(const char* text) {
  int32_t length;
  if (!text) return 0;
  memcpy(&length, text - 4, sizeof length);
  return length;
}

/* A new text with refcount 1 holding a copy of length bytes; null for length <= 0. */
static inline GpText GpTextNew(const char* bytes, int32_t length) {
  char* block;
  int32_t one = 1;
  if (length <= 0) return 0;
  block = (char*)HostMemAlloc((size_t)length + GP_TEXT_HEADER + 1);
  if (!block) return 0;
  memcpy(block, &one, sizeof one);
  memcpy(block + 4, &length, sizeof length);
  if (bytes) memcpy(block + GP_TEXT_HEADER, bytes, (size_t)length);
  block[GP_TEXT_HEADER + length] = 0;
  return block + GP_TEXT_HEADER;
}

static inline void GpTextAddRef(GpText text) {
  int32_t count;
  if (!text) return;
  memcpy(&count, text - GP_TEXT_HEADER, sizeof count);
  if (count < 0) return; /* constant */
  ++count;
  memcpy(text - GP_TEXT_HEADER, &count, sizeof count);
}

static inline void GpTextRelease(GpText text) {
  int32_t count;
  if (!text) return;
  memcpy(&count, text - GP_TEXT_HEADER, sizeof count);
  if (count < 0) return; /* constant */
  if (--count == 0) {
    HostMemFree(text - GP_TEXT_HEADER);
    return;
  }
  memcpy(text - GP_TEXT_HEADER, &count, sizeof count);
}

/* ---- The 26 exports, in ordinal order ---------------------------------------------- */
/* "scrambled"/"plain" say how texts travel; every reply is released-then-stored. */

/* 1  message scrambled; reply scrambled */
void GameProcess(GpText* reply, int32_t slot, GpText message);
/* 2  reply scrambled; called periodically while a game's clock runs */
void CheckTimer(GpText* reply, int32_t slot);
/* 3  plain; opens the rating calculator; extended != 0 for extended mode */
void GetElo(GpText firstPlayer, GpText secondPlayer, int32_t games, int32_t extended);
/* 4  the value is not used */
void Repaint(int32_t value);
/* 5-7  invitation scrambled; reply scrambled */
void InvertInv(GpText* reply, GpText invitation);
void SetInvData(GpText* reply, GpText invitation);
void GetInvSumm(GpText* reply, GpText invitation);
/* 8  dialog values scrambled; invitation is an out text read on entry, both scrambled */
void GetInvData(GpText* reply, GpText dialogValues, GpText* invitation);
/* 9  reply scrambled */
void GetInv(GpText* reply);
/* 10 out texts plain; number is written */
void InitMatch(GpText* first, GpText* logPath, int32_t* number);
/* 11 path out plain; caption plain; flags bit 0 = selected */
void PaintComb(GpText* picturePath, int32_t left, int32_t top, int32_t right, int32_t bottom,
               GpText caption, uint8_t flags, int32_t variant);
/* 12 plain */
void AddHist(GpText localPlayer, GpText history);
/* 13 plain: the local user's record and the opponent's separated by "|" */
void SaveGame(int32_t slot, GpText ratings);
/* 14 path out plain, caption out scrambled; the two integers are not used */
void SmallPos(GpText* picturePath, int32_t slot, int32_t unused1, int32_t unused2,
              GpText* caption);
/* 15 reply scrambled */
void SetState(GpText* reply, uint8_t state);
/* 16 reply scrambled; the last call before unload */
void Clear3D(GpText* reply);
/* 17 size points at two int32 (width, height) written back; handles of the window system */
void Init3D(int32_t* size, GpObject paintBox, GpObject image);
/* 18 */
void NormalizeModal(void);
/* 19 plain */
void SetImage(GpText backgroundSet, GpText buttonSet);
/* 20 base path plain; reply scrambled; the first call after load */
void InitDLL(GpText* reply, HostCallback callback, GpText basePath);
/* 21 reply scrambled; |code| names the control, the sign a toggle's new state */
void Action(GpText* reply, int32_t slot, int32_t code);
/* 22-25 reply scrambled; button 0 left, 1 right, 2 middle; shift is not read */
void MouseDbl(GpText* reply, int32_t slot, int32_t x, int32_t y);
void MouseMove(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t shift);
void MouseUp(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t button, uint8_t shift);
void MouseDown(GpText* reply, int32_t slot, int32_t x, int32_t y, uint8_t button,
               uint8_t shift);
/* 26 game and resume texts scrambled; reply scrambled */
void Initgame(GpText* reply, int32_t slot, GpText gameText, GpText resumeText);

/* ---- Pointer types, for a host that looks the exports up by name ------------------- */

typedef void (*GameProcessFn)(GpText*, int32_t, GpText);
typedef void (*CheckTimerFn)(GpText*, int32_t);
typedef void (*GetEloFn)(GpText, GpText, int32_t, int32_t);
typedef void (*RepaintFn)(int32_t);
typedef void (*InvitationFn)(GpText*, GpText); /* InvertInv, SetInvData, GetInvSumm */
typedef void (*GetInvDataFn)(GpText*, GpText, GpText*);
typedef void (*GetInvFn)(GpText*);
typedef void (*InitMatchFn)(GpText*, GpText*, int32_t*);
typedef void (*PaintCombFn)(GpText*, int32_t, int32_t, int32_t, int32_t, GpText, uint8_t,
                            int32_t);
typedef void (*AddHistFn)(GpText, GpText);
typedef void (*SaveGameFn)(int32_t, GpText);
typedef void (*SmallPosFn)(GpText*, int32_t, int32_t, int32_t, GpText*);
typedef void (*SetStateFn)(GpText*, uint8_t);
typedef void (*Clear3DFn)(GpText*);
typedef void (*Init3DFn)(int32_t*, GpObject, GpObject);
typedef void (*NormalizeModalFn)(void);
typedef void (*SetImageFn)(GpText, GpText);
typedef void (*InitDLLFn)(GpText*, HostCallback, GpText);
typedef void (*ActionFn)(GpText*, int32_t, int32_t);
typedef void (*MouseDblFn)(GpText*, int32_t, int32_t, int32_t);
typedef void (*MouseMoveFn)(GpText*, int32_t, int32_t, int32_t, uint8_t);
typedef void (*MouseButtonFn)(GpText*, int32_t, int32_t, int32_t, uint8_t, uint8_t);
typedef void (*InitgameFn)(GpText*, int32_t, GpText, GpText);

/* The export names in ordinal order (1 to 26). */
#define GP_EXPORT_NAMES                                                                   \
  "GameProcess", "CheckTimer", "GetElo", "Repaint", "InvertInv", "SetInvData", "GetInvSumm", \
      "GetInvData", "GetInv", "InitMatch", "PaintComb", "AddHist", "SaveGame", "SmallPos",  \
      "SetState", "Clear3D", "Init3D", "NormalizeModal", "SetImage", "InitDLL", "Action",   \
      "MouseDbl", "MouseMove", "MouseUp", "MouseDown", "Initgame"
#define GP_EXPORT_COUNT 26

#ifdef __cplusplus
}
#endif

#endif /* GAMEPLUGIN_ABI_H */
