// Windows-1252 texts: the "_w" literal for readable German literals, and conversion at the edges.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace wex {

namespace detail {

// A UTF-8 string literal, held as a template argument so that it can be converted at compile time.
template <std::size_t N>
struct Utf8Literal {
  char text[N]{};
  constexpr Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
  }
};

// Unicode code point to its Windows-1252 byte; 0 when the code page has no such character.
constexpr int Cp1252FromCodePoint(unsigned cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  switch (cp) {
    case 0x20AC: return 0x80; case 0x201A: return 0x82; case 0x0192: return 0x83;
    case 0x201E: return 0x84; case 0x2026: return 0x85; case 0x2020: return 0x86;
    case 0x2021: return 0x87; case 0x02C6: return 0x88; case 0x2030: return 0x89;
    case 0x0160: return 0x8A; case 0x2039: return 0x8B; case 0x0152: return 0x8C;
    case 0x017D: return 0x8E; case 0x2018: return 0x91; case 0x2019: return 0x92;
    case 0x201C: return 0x93; case 0x201D: return 0x94; case 0x2022: return 0x95;
    case 0x2013: return 0x96; case 0x2014: return 0x97; case 0x02DC: return 0x98;
    case 0x2122: return 0x99; case 0x0161: return 0x9A; case 0x203A: return 0x9B;
    case 0x0153: return 0x9C; case 0x017E: return 0x9E; case 0x0178: return 0x9F;
    default: return 0;
  }
}

template <std::size_t N>
struct Cp1252Text {
  std::array<char, N> bytes{};
  std::size_t size = 0;
};

template <Utf8Literal S>
constexpr auto ConvertLiteral() {
  constexpr std::size_t n = sizeof(S.text);
  Cp1252Text<n> out{};
  std::size_t i = 0;
  while (i + 1 < n) {
    unsigned char c = static_cast<unsigned char>(S.text[i]);
    unsigned cp = 0;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1Fu;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0Fu;
      len = 3;
    } else {
      throw "literal is not valid UTF-8 for Windows-1252";
    }
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(S.text[i + k]) & 0x3Fu);
    int b = Cp1252FromCodePoint(cp);
    if (b == 0 && cp != 0) throw "character has no Windows-1252 byte";
    out.bytes[out.size++] = static_cast<char>(b);
    i += len;
  }
  out.bytes[out.size] = '\0';
  return out;
}

template <Utf8Literal S>
inline constexpr auto kCp1252Literal = ConvertLiteral<S>();

}  // namespace detail

inline namespace literals {
// "Gröbenfalter"_w: the literal written in UTF-8 source, as the Windows-1252 bytes the core works with.
// Usable wherever a const char* is expected (printf formats included).
template <detail::Utf8Literal S>
constexpr const char* operator""_w() {
  return detail::kCp1252Literal<S>.bytes.data();
}
}  // namespace literals

// Windows-1252 bytes to UTF-8 (every byte maps; the five unassigned bytes become U+FFFD).
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252; characters the code page lacks become '?'. Invalid UTF-8 bytes are taken
// as Windows-1252 bytes, so a text that already is Windows-1252 passes unchanged where possible.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace wex
