// Parse: field access on texts split by one separator character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace channel {

// Field n (from 1) is the text between the (n-1)-th and the n-th separator; the last runs
// to the end. Missing fields read as empty, 0 or false. With `skipLeading` on, separators
// at the start are dropped before every step, so runs of separators count as one.

// ---- Reading fields ----

std::string GetField(std::string_view text, int n, char sep = ':', bool skipLeading = false);
// Field n and everything after it, separators included; empty when there is no field n.
std::string GetFieldRest(std::string_view text, int n, char sep = ':');
// Fields 1 to n joined again with sep; missing fields are written empty.
std::string GetFields(std::string_view text, int n, char sep = ':');
// The number of the last non-empty field, 0 when there is none.
int CountFields(std::string_view text, char sep = ':');

// ---- Typed reads ----

// Upper-cases a to z only.
std::string GetFieldUpper(std::string_view text, int n, char sep = ':', bool skipLeading = false);
// A whole number (leading blanks and a sign allowed), 0 when the field is not one.
std::int32_t GetFieldInt(std::string_view text, int n, char sep = ':', bool skipLeading = false);
// True for "1", "T" or "TRUE" in any case, false for anything else.
bool GetFieldBool(std::string_view text, int n, char sep = ':', bool skipLeading = false);
// A number with "." or "," as the decimal mark; 0 when it does not convert.
double GetFieldFloat(std::string_view text, int n, char sep = ':', bool skipLeading = false);

// ---- Writing fields ----

// The text with field n replaced; the separator after the new value is always written, and
// a text with fewer fields is filled up with empty ones.
std::string ReplaceField(std::string_view text, int n, std::string_view value, char sep = ':');

// ---- Conversions shared by the typed reads ----

std::string UpperAscii(std::string_view text);
// The whole text as a 32-bit number (blanks and a sign before the digits), or `fallback`.
std::int32_t TextToInt(std::string_view text, std::int32_t fallback = 0);

}  // namespace channel
