// The registry: the per-user store of settings, kept as a registry export file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The store is one text file in the format of registry export files, so a person can read
// it, edit it, or bring settings over from an exported registry:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Site\Backgammon\Options]
//   "Sound"="1"
//
// Key paths and value names are compared without regard to case; values are strings (other
// value types in the file are kept as they are but read as missing). Keys are given below
// the current user's hive ("Software\Site\..."). Every change is saved atomically; a store
// that cannot be read or parsed reads as empty and is moved aside to "<file>.bad", never
// silently overwritten.

// ---- Location ----

// The store in use: the one the host named, else $XDG_CONFIG_HOME/gamehost/registry.reg
// (default ~/.config/gamehost/registry.reg).
std::string RegistryFile();
// Names another store file; "" returns to the default. Drops what was loaded.
void SetRegistryFile(const std::string& path);

// ---- Values ----

// The string value `name` under `key`, or nothing when the key or value is missing or
// is not a string.
std::optional<std::string> RegistryRead(std::string_view key, std::string_view name);
// Writes a string value, creating the key. False when the store could not be saved.
bool RegistryWrite(std::string_view key, std::string_view name, std::string_view value);
bool RegistryKeyExists(std::string_view key);

// Reports every read (key, name) to an observer, for hosts that log and tests that check
// the order of reads; nullptr removes it.
void SetRegistryReadObserver(std::function<void(std::string_view key, std::string_view name)> observer);

// ---- Batches ----

// While a RegistryBatch lives, writes are gathered in memory and saved once when the
// outermost batch ends, so saving a dozen settings costs one atomic file replacement.
class RegistryBatch {
 public:
  RegistryBatch();
  ~RegistryBatch();
  RegistryBatch(const RegistryBatch&) = delete;
  RegistryBatch& operator=(const RegistryBatch&) = delete;
};

}  // namespace platform
