#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ddhost {

// The device's texts are Windows-1252 bytes. Every byte maps to one code point: the five
// bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same number, so that no byte is lost.
std::string Cp1252ToUtf8(std::string_view text);

// The reverse; nothing when the text is not valid UTF-8 or holds a character the code page
// lacks.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// The text made fit for one line of a terminal: control characters are escaped ("\n", "\t",
// "\x1B", "\u0085") and so is every byte that is not part of valid UTF-8 ("\xFF").
std::string EscapedLine(std::string_view text);

}  // namespace ddhost
