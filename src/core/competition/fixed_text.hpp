// NUL-terminated texts in fixed-width fields: read never past the field, write always with the NUL inside.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace wex {

// The text of a field: up to its first NUL, or the whole field when it holds none.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
  const void* nul = std::memchr(field, '\0', N);
  return std::string_view(field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N);
}

inline std::string_view FieldText(const char* field, std::size_t width) {
  const void* nul = std::memchr(field, '\0', width);
  return std::string_view(field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width);
}

// Stores text cut to width - 1 characters, NUL-terminated. Bytes after the NUL keep what they held.
template <std::size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
  static_assert(N > 0);
  const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  if (n > 0) std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

inline void SetFieldText(char* field, std::size_t width, std::string_view text) {
  if (width == 0) return;
  const std::size_t n = text.size() < width - 1 ? text.size() : width - 1;
  if (n > 0) std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

}  // namespace wex
