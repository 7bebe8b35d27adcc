// printf-style formatting into a std::string: the lists are specified by their printf formats.
#pragma once

#include <cstdarg>
#include <string>

namespace wex {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
Sprintf(const char* format, ...);

std::string VSprintf(const char* format, va_list args);

// Appends a formatted text to out.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void Appendf(std::string& out, const char* format, ...);

// The text filled with blanks to width characters; longer texts stay whole.
std::string PadRight(std::string text, std::size_t width);

// The text filled with blanks to width characters and cut after width.
std::string PadCut(std::string text, std::size_t width);

}  // namespace wex
