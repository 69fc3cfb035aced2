#pragma once

#include <string>

namespace kelvaro {

// The single-byte code page of plan files, name lists and barcode names. UTF-8 inside the
// program; characters without a Windows-1252 byte become '?'.
std::string Windows1252NachUtf8(const std::string& bytes);
std::string Utf8NachWindows1252(const std::string& utf8);

}  // namespace kelvaro
