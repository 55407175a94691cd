#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/registry_tree.h"

// The store's text. It is written in the registry-export text that regedit imports:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Maker\Device]
//   "Path"="/opt/plugin.so"
//   "Flags"=dword:00000001
//   "Label"=hex(1):47,72,e4,74,65,00
//
// A text value that is not plain printable ASCII with one terminating zero is written as
// hex(1), so that no code page stands between the bytes and the file. The earlier text of the
// store ("DD registry 1") is still read.
namespace platform::registry {

// A store as read: its tree, or why there is none.
struct Loaded {
    std::optional<Tree> tree;
    std::string problem;
};

std::string ExportText(const Tree& tree);
Loaded ParseStoreText(std::string_view text);

// What the two readers share.

// The lines of a text that ends with a line end, counted for messages.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : m_rest(text) {}
    // The next line, without its end and a carriage return before it; false after the last.
    bool Next(std::string_view& line);
    // The path of a key that the line last returned names below the hive; nothing when it does
    // not name one, and Spoilt then says why.
    std::optional<std::string> KeyPath(std::string_view path);
    // The answer when the line last returned spoils the text.
    Loaded Spoilt() const;

  private:
    std::string_view m_rest;
    int m_number = 0;
    bool m_tooDeep = false;
};

// The value of a hexadecimal digit of either case; -1 for another character.
int HexDigit(char c);
// The byte that two hexadecimal digits at `at` give.
std::optional<unsigned char> HexByte(std::string_view text, std::size_t at);

// The earlier text, after its first line.
inline constexpr std::string_view kEarlierHeader = "DD registry 1";
Loaded ParseEarlierText(TextLines& lines);

}  // namespace platform::registry
