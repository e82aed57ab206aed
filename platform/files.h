// Files, addressed by Windows-style or native paths (see NativePath).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// ---- Queries ----

bool FileExists(std::string_view path);

// ---- Whole files ----

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);

// Replaces the file's content atomically: a temporary file beside it is written, flushed
// to disk and renamed over the old one, so a crash or a full disk leaves either the old
// or the new content, never a mix. Creates missing folders. False on failure.
bool WriteWholeFile(std::string_view path, std::string_view bytes);

// Appends bytes, creating the file (and missing folders) if needed. False on failure.
bool AppendToFile(std::string_view path, std::string_view bytes);

// Copies a file over any existing target (atomically, as WriteWholeFile). False on failure.
bool CopyFileOver(std::string_view from, std::string_view to);

// Deletes a file. False when it could not be deleted (a missing file counts as deleted).
bool DeleteFileAt(std::string_view path);

// Creates a folder and its parents. False on failure.
bool CreateFolders(std::string_view path);

}  // namespace platform
