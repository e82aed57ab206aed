#include "registry.h"

#include "files.h"
#include "paths.h"

#include <cstdlib>
#include <cstdio>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHive = "HKEY_CURRENT_USER\\";

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

// A value line as stored: its name and either a string or the raw data of another type.
struct Value {
  std::string name;
  bool isString = true;
  std::string data;  // the string itself, or the raw text after "=" for other types
};

struct Key {
  std::string path;  // as first written, below the hive
  std::vector<Value> values;
  Value* Find(std::string_view name) {
    std::string wanted = Lower(name);
    for (Value& value : values)
      if (Lower(value.name) == wanted) return &value;
    return nullptr;
  }
};

std::string NormalKeyPath(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return std::string(key);
}

std::string Quote(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') result += '\\';
    result += c;
  }
  return result + "\"";
}

// Reads a quoted string starting at text[at] == '"'; leaves `at` after the closing quote.
std::optional<std::string> Unquote(std::string_view text, std::size_t& at) {
  if (at >= text.size() || text[at] != '"') return std::nullopt;
  std::string result;
  for (++at; at < text.size(); ++at) {
    char c = text[at];
    if (c == '\\' && at + 1 < text.size()) {
      result += text[++at];
    } else if (c == '"') {
      ++at;
      return result;
    } else {
      result += c;
    }
  }
  return std::nullopt;
}

// Export files written by the other platform are UTF-16 with a byte-order mark; settings
// are plain ASCII, so each code unit below 256 becomes one byte.
std::string FromUtf16IfMarked(const std::string& bytes) {
  if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
      static_cast<unsigned char>(bytes[1]) != 0xFE)
    return bytes;
  std::string result;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    unsigned unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    result += unit < 256 ? static_cast<char>(unit) : '?';
  }
  return result;
}

class Store {
 public:
  std::string file;
  std::vector<Key> keys;
  bool loaded = false;
  int batchDepth = 0;
  bool dirty = false;

  // Outside a batch the file is read afresh, so a person's edit made while the host runs
  // is seen and never overwritten with stale values.
  void EnsureLoaded() {
    if (loaded && batchDepth > 0) return;
    loaded = true;
    keys.clear();
    std::optional<std::string> content = ReadWholeFile(file);
    if (!content) {
      if (FileExists(file)) SetAside();
      return;
    }
    if (!Parse(FromUtf16IfMarked(*content))) {
      keys.clear();
      SetAside();
    }
  }

  Key* FindKey(std::string_view path) {
    std::string wanted = Lower(NormalKeyPath(path));
    for (Key& key : keys)
      if (Lower(key.path) == wanted) return &key;
    return nullptr;
  }

  bool Save() {
    if (batchDepth > 0) {
      dirty = true;
      return true;
    }
    dirty = false;
    std::string text = std::string(kHeader) + "\r\n";
    for (const Key& key : keys) {
      text += "\r\n[" + std::string(kHive) + key.path + "]\r\n";
      for (const Value& value : key.values) {
        text += (value.name == "@" ? std::string("@") : Quote(value.name)) + "=";
        text += value.isString ? Quote(value.data) : value.data;
        text += "\r\n";
      }
    }
    return WriteWholeFile(file, text);
  }

 private:
  // A store we cannot read is kept for the person to look at, not overwritten. Renaming
  // works even for a file we may not read.
  void SetAside() {
    std::string native = NativePath(file);
    std::rename(native.c_str(), (native + ".bad").c_str());
  }

  bool Parse(const std::string& text) {
    std::size_t start = 0;
    bool sawHeader = false;
    Key* current = nullptr;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string_view line(text.data() + start, end - start);
      start = end + 1;
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
      while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
      if (line.empty() || line.front() == ';') continue;
      if (!sawHeader) {
        if (line != kHeader && line != "REGEDIT4") return false;
        sawHeader = true;
        continue;
      }
      if (line.front() == '[') {
        if (line.back() != ']') return false;
        std::string_view path = line.substr(1, line.size() - 2);
        if (path.size() < kHive.size() || Lower(path.substr(0, kHive.size())) != Lower(kHive)) {
          current = nullptr;  // another hive: not ours, not kept
          continue;
        }
        std::string keyPath = NormalKeyPath(path.substr(kHive.size()));
        current = FindKey(keyPath);
        if (!current) current = &keys.emplace_back(Key{keyPath, {}});
        continue;
      }
      std::size_t at = 0;
      std::string name;
      if (line.front() == '@') {
        name = "@";
        at = 1;
      } else {
        std::optional<std::string> quoted = Unquote(line, at);
        if (!quoted) return false;
        name = *quoted;
      }
      if (at >= line.size() || line[at] != '=') return false;
      ++at;
      Value value{name, true, {}};
      if (at < line.size() && line[at] == '"') {
        std::optional<std::string> data = Unquote(line, at);
        if (!data || at != line.size()) return false;
        value.data = *data;
      } else {
        value.isString = false;
        value.data = std::string(line.substr(at));
      }
      if (!current) continue;
      if (Value* existing = current->Find(name))
        *existing = value;
      else
        current->values.push_back(value);
    }
    return sawHeader || text.find_first_not_of(" \t\r\n") == std::string::npos;
  }
};

std::string DefaultFile() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = "/tmp";
  }
  return base + "/gamehost/registry.reg";
}

Store& TheStore() {
  static Store store;
  if (store.file.empty()) store.file = DefaultFile();
  return store;
}

}  // namespace

std::string RegistryFile() { return TheStore().file; }

void SetRegistryFile(const std::string& path) {
  Store& store = TheStore();
  store.file = path.empty() ? DefaultFile() : path;
  store.keys.clear();
  store.loaded = false;
}

std::function<void(std::string_view, std::string_view)>& ReadObserver() {
  static std::function<void(std::string_view, std::string_view)> observer;
  return observer;
}

void SetRegistryReadObserver(std::function<void(std::string_view, std::string_view)> observer) {
  ReadObserver() = std::move(observer);
}

std::optional<std::string> RegistryRead(std::string_view key, std::string_view name) {
  if (ReadObserver()) ReadObserver()(key, name);
  Store& store = TheStore();
  store.EnsureLoaded();
  Key* found = store.FindKey(key);
  if (!found) return std::nullopt;
  Value* value = found->Find(name);
  if (!value || !value->isString) return std::nullopt;
  return value->data;
}

bool RegistryWrite(std::string_view key, std::string_view name, std::string_view value) {
  Store& store = TheStore();
  store.EnsureLoaded();
  Key* found = store.FindKey(key);
  if (!found) found = &store.keys.emplace_back(Key{NormalKeyPath(key), {}});
  if (Value* existing = found->Find(name)) {
    existing->isString = true;
    existing->data = std::string(value);
  } else {
    found->values.push_back(Value{std::string(name), true, std::string(value)});
  }
  return store.Save();
}

bool RegistryKeyExists(std::string_view key) {
  Store& store = TheStore();
  store.EnsureLoaded();
  return store.FindKey(key) != nullptr;
}

RegistryBatch::RegistryBatch() { ++TheStore().batchDepth; }

RegistryBatch::~RegistryBatch() {
  Store& store = TheStore();
  if (--store.batchDepth == 0 && store.dirty) store.Save();
}

}  // namespace platform
