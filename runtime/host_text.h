// HostText: the one owner of a boundary text's reference count on our side.
#pragma once

#include <gameplugin.h>

#include <string>
#include <string_view>
#include <utility>

// ---- Owning a boundary text ----

// HostText holds one reference to a text block of the shared memory manager (or to the
// empty text, null). Copying adds a reference, destruction drops it; Release() hands the
// reference to a caller who stores it in a host variable.
class HostText {
 public:
  HostText() = default;
  explicit HostText(std::string_view bytes)
      : text_(GpTextNew(bytes.data(), static_cast<int32_t>(bytes.size()))) {}
  HostText(const HostText& other) : text_(other.text_) { GpTextAddRef(text_); }
  HostText(HostText&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  HostText& operator=(HostText other) noexcept {
    std::swap(text_, other.text_);
    return *this;
  }
  ~HostText() { GpTextRelease(text_); }

  // Takes a new reference to a text someone else owns (a borrowed argument).
  static HostText Borrow(GpText text) {
    GpTextAddRef(text);
    return Adopt(text);
  }
  // Takes over a reference the caller already owns (a reply just stored for us).
  static HostText Adopt(GpText text) {
    HostText result;
    result.text_ = text;
    return result;
  }

  // Gives the reference away; this object is empty afterwards.
  GpText Release() { return std::exchange(text_, nullptr); }

  GpText Get() const { return text_; }
  int32_t Size() const { return GpTextLength(text_); }
  std::string_view View() const {
    return Size() > 0 ? std::string_view(text_, static_cast<std::size_t>(Size()))
                      : std::string_view();
  }
  std::string Str() const { return std::string(View()); }

 private:
  GpText text_ = nullptr;
};

// ---- Host variables ----

// Stores bytes into a host text variable: releases what it held, then owns the new text.
inline void StoreText(GpText* variable, std::string_view bytes) {
  if (!variable) return;
  GpText old = *variable;
  *variable = HostText(bytes).Release();
  GpTextRelease(old);
}

// Reads a borrowed text argument without taking ownership. A length below zero, which no
// well-formed text has, reads as empty.
inline std::string_view TextView(GpText text) {
  int32_t length = GpTextLength(text);
  return length > 0 ? std::string_view(text, static_cast<std::size_t>(length))
                    : std::string_view();
}
