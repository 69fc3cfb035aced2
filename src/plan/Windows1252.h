#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvaro {

// The single-byte code page of plan files, name lists and barcode names. UTF-8 inside the
// program; characters without a Windows-1252 byte become '?'.
std::string Windows1252NachUtf8(const std::string& bytes);
std::string Utf8NachWindows1252(const std::string& utf8);

// Whether a text is well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool IstUtf8(std::string_view text);
// The code points of a UTF-8 text; a malformed sequence gives U+FFFD for one byte.
std::u32string Utf8Zeichen(std::string_view text);
// A UTF-8 text from code points.
std::string Utf8Text(std::u32string_view zeichen);
// The first `anzahl` characters of a UTF-8 text.
std::string Utf8Anfang(std::string_view text, std::size_t anzahl);

}  // namespace kelvaro
