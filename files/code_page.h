#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The 8-bit code page in which the program keeps all text: the system's ANSI code page on
// Windows, Windows-1252 elsewhere, which gives every one of the 256 byte values its own character.
// Every conversion between the program's bytes and the characters of a window, a dialog or the
// file system goes through here.
namespace ravelo {

// The characters of text in the code page.
std::u16string decodeText(std::string_view bytes);

// Characters as text in the code page; each character that it cannot hold becomes '?'.
std::string encodeText(std::u16string_view text);

// Characters as text in the code page, or nothing when it cannot hold every one of them as it is
// (no '?' and no look-alike letter in their place).
std::optional<std::string> encodeWhole(std::u16string_view text);

// A name that the system gives in UTF-8 (a folder from the environment, say) as text in the code
// page; a byte that is no UTF-8 counts as a character the code page cannot hold.
std::string textFromUtf8(std::string_view utf8);

// The file system path that a path typed or shown in the code page names.
std::filesystem::path nativePath(const std::string &pathText);

}  // namespace ravelo
