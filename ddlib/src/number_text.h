#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Numbers as text in the forms of the "C" locale, made and read with conversions that no locale
// changes: a host that runs under a comma-decimal locale reads and writes the same texts.
namespace ddlib::detail {

// A number's text, held in place.
class NumberText {
  public:
    // As "%.*g" writes it, with the fewest digits from `fewestDigits` up that read back as the
    // same double: "0.1", "1e+21", "-0", "inf", "nan".
    NumberText(double value, int fewestDigits);
    explicit NumberText(std::int32_t value);

    const char* c_str() const { return m_text; }

  private:
    // The longest text, "-2.2250738585072014e-308", and its terminating zero.
    static constexpr std::size_t kRoom = 32;
    char m_text[kRoom];
};

// The number that `text` starts with, as strtod reads it: after white space and a sign, a
// decimal or "0x" hexadecimal number, an infinity or "nan"; what follows is ignored. A number
// too large for a double reads as an infinity, one too small as zero, and a text that starts
// with no number as zero.
double ReadNumber(std::string_view text);

}  // namespace ddlib::detail
