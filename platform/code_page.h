#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The 8-bit code page in which the program keeps all text: the system's ANSI code page on
// Windows, Windows-1252 elsewhere, which gives every one of the 256 byte values its own character.
namespace ravelo {

// The Unicode character of a byte.
char16_t decodeByte(unsigned char byte);

// The byte of a Unicode character; '?' for a character that the code page cannot hold.
char encodeCharacter(char32_t character);

// The file system path that a path typed or shown in the code page names.
std::filesystem::path nativePath(const std::string &pathText);

}  // namespace ravelo
