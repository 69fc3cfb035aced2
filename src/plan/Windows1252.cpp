#include "plan/Windows1252.h"

#include <array>
#include <cstdint>

namespace kelvaro {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page leaves a byte undefined.
constexpr std::array<char32_t, 32> Bereich80{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                             0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ZeichenVon(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char32_t mapped = Bereich80[byte - 0x80];
    return mapped != 0 ? mapped : byte;  // undefined bytes pass through as C1 controls
  }
  return byte;
}

void Utf8Anhaengen(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point of a UTF-8 text; a malformed sequence yields U+FFFD and one byte.
char32_t NaechstesZeichen(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(i);
  int length = 0;
  char32_t c = 0;
  if (first < 0x80) {
    ++i;
    return first;
  } else if ((first & 0xE0) == 0xC0) {
    length = 2;
    c = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3;
    c = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4;
    c = first & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + static_cast<std::size_t>(length) > text.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < length; ++k) {
    const unsigned char next = byte(i + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and values above U+10FFFF are no characters.
  static constexpr char32_t kleinster[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kleinster[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
    ++i;
    return 0xFFFD;
  }
  i += static_cast<std::size_t>(length);
  return c;
}

}  // namespace

bool IstUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    const char32_t c = NaechstesZeichen(text, i);
    // A real U+FFFD takes three bytes; a malformed byte yields it after one.
    if (c == 0xFFFD && i - start != 3) {
      return false;
    }
  }
  return true;
}

std::u32string Utf8Zeichen(std::string_view text) {
  std::u32string zeichen;
  std::size_t i = 0;
  while (i < text.size()) {
    zeichen.push_back(NaechstesZeichen(text, i));
  }
  return zeichen;
}

std::string Utf8Text(std::u32string_view zeichen) {
  std::string text;
  for (char32_t c : zeichen) {
    Utf8Anhaengen(text, c);
  }
  return text;
}

std::string Utf8Anfang(std::string_view text, std::size_t anzahl) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < anzahl && i < text.size(); ++n) {
    NaechstesZeichen(text, i);
  }
  return std::string(text.substr(0, i));
}

std::string Windows1252NachUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char byte : bytes) {
    Utf8Anhaengen(out, ZeichenVon(static_cast<unsigned char>(byte)));
  }
  return out;
}

std::string Utf8NachWindows1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t c = NaechstesZeichen(utf8, i);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || (c >= 0x80 && c <= 0x9F && Bereich80[c - 0x80] == 0)) {
      out += static_cast<char>(c);
      continue;
    }
    char replacement = '?';
    for (std::size_t k = 0; k < Bereich80.size(); ++k) {
      if (Bereich80[k] == c) {
        replacement = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += replacement;
  }
  return out;
}

}  // namespace kelvaro
