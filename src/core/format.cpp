// printf-style formatting into std::string.
#include "core/format.hpp"

#include <cstdio>
#include <vector>

namespace wex {

std::string VSprintf(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return std::string();
  std::string out(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), format, args);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

std::string Sprintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = VSprintf(format, args);
  va_end(args);
  return out;
}

void Appendf(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  out += VSprintf(format, args);
  va_end(args);
}

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string PadCut(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

}  // namespace wex
