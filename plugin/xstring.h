// XSTRING: trimming spaces and filling texts with spaces to a fixed width, for the
// column-aligned texts of transcripts, status lines and move lists.
#pragma once

#include <string>
#include <string_view>

namespace channel {

// ---- Trimming (the space character only; tabs stay) ----

std::string TrimRightSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);
std::string TrimSpaces(std::string_view text);

// ---- Fixed width (0 to 255) ----

// Spaces appended up to width, then cut to exactly width.
std::string PadRight(std::string_view text, int width);
// Spaces put in front up to width, then cut to exactly width keeping the leftmost bytes.
std::string PadLeft(std::string_view text, int width);

}  // namespace channel
