#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <system_error>

namespace ddlib::detail {
namespace {

#if defined(__i386__)
// Rounds the x87 unit's results to a double's 53 bits while it lives. The MinGW runtime starts
// threads at 64 bits, and from_chars, which multiplies on its fast path, then rounds twice and
// may miss the nearest double by one unit.
class DoubleRounding {
  public:
    DoubleRounding() {
        __asm__ volatile("fnstcw %0" : "=m"(m_saved));
        const auto control = static_cast<unsigned short>((m_saved & ~0x300u) | 0x200u);
        __asm__ volatile("fldcw %0" : : "m"(control));
    }
    ~DoubleRounding() { __asm__ volatile("fldcw %0" : : "m"(m_saved)); }
    DoubleRounding(const DoubleRounding&) = delete;
    DoubleRounding& operator=(const DoubleRounding&) = delete;

  private:
    unsigned short m_saved;
};
#else
struct DoubleRounding {};
#endif

}  // namespace

NumberText::NumberText(double value, int fewestDigits) {
    [[maybe_unused]] const DoubleRounding rounding;
    int digits = fewestDigits;
    char* end = m_text;
    const auto write = [&] {
        end = std::to_chars(m_text, m_text + kRoom - 1, value, std::chars_format::general, digits)
                  .ptr;
    };
    const auto readsBack = [&] {
        double back = 0.0;
        std::from_chars(m_text, end, back);
        return back == value;
    };
    // Most numbers read back with the fewest digits. Any other takes as many as the shortest text
    // that reads back as it (an infinity or a NaN has none), or one more: the nearest text of that
    // many may miss where the shortest one does not, as at a power of two the doubles below lie
    // twice as close as those above.
    write();
    if (!readsBack()) {
        end = std::to_chars(m_text, m_text + kRoom - 1, value, std::chars_format::scientific).ptr;
        const auto shortest = std::count_if(m_text, std::find(m_text, end, 'e'),
                                            [](char c) { return c >= '0' && c <= '9'; });
        digits = std::max(fewestDigits + 1, static_cast<int>(shortest));
        write();
        if (!readsBack() && digits < std::numeric_limits<double>::max_digits10) {
            ++digits;
            write();
        }
    }
    *end = '\0';
}

NumberText::NumberText(std::int32_t value) {
    *std::to_chars(m_text, m_text + kRoom - 1, value).ptr = '\0';
}

namespace {

// Whether a number that a double cannot hold is too large for one rather than too small. Such
// numbers lie hundreds of powers from 1, so the power of the leading digit tells: the digits
// before the point count up, the zeros after it down, and the exponent adds, at `digitPower`
// of its powers to a digit.
bool TooLarge(std::string_view number, std::string_view exponentMarks, long long digitPower) {
    const std::size_t mark = std::min(number.find_first_of(exponentMarks), number.size());
    const std::string_view digits = number.substr(0, mark);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t lead = digits.find_first_not_of("0.");
    if (lead == std::string_view::npos) return false;
    const long long power = lead < point ? static_cast<long long>(point - lead) - 1
                                         : -static_cast<long long>(lead - point);
    // Far beyond any power that a double holds, yet far from overflowing.
    constexpr long long kFar = 1'000'000'000'000;
    long long exponent = 0;
    bool negative = false;
    for (const char c : number.substr(std::min(mark + 1, number.size()))) {
        if (c == '-') negative = true;
        if (c >= '0' && c <= '9') exponent = std::min(exponent * 10 + (c - '0'), kFar);
    }
    return power * digitPower + (negative ? -exponent : exponent) > 0;
}

// Reads the number that `text` starts with in `format` as from_chars does, except that a
// number beyond a double's range reads as an infinity or a zero. False when there is none.
bool Read(std::string_view text, std::chars_format format, double& value) {
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (error == std::errc::result_out_of_range) {
        const bool hex = format == std::chars_format::hex;
        value = TooLarge({text.data(), end}, hex ? "pP" : "eE", hex ? 4 : 1)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return error != std::errc::invalid_argument;
}

// The hexadecimal number after a "0x": nothing when no digit or point follows it, and without
// its exponent where two signs follow the "p", which this standard library's from_chars takes
// for one sign.
std::string_view HexNumber(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') ||
        !(std::isxdigit(static_cast<unsigned char>(text[2])) || text[2] == '.'))
        return {};
    text.remove_prefix(2);
    const std::size_t mark = text.find_first_of("pP");
    if (mark == std::string_view::npos) return text;
    const std::size_t after = text.find_first_not_of("+-", mark + 1);
    return after == std::string_view::npos || after > mark + 2 ? text.substr(0, mark) : text;
}

}  // namespace

double ReadNumber(std::string_view text) {
    [[maybe_unused]] const DoubleRounding rounding;
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) return 0.0;
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') text.remove_prefix(1);
    // from_chars takes a minus of its own, which may not follow a sign.
    if (text.starts_with('-')) return 0.0;
    double value = 0.0;
    const std::string_view hex = HexNumber(text);
    if (!(!hex.empty() && Read(hex, std::chars_format::hex, value)) &&
        !Read(text, std::chars_format::general, value))
        return 0.0;
    return negative ? -value : value;
}

}  // namespace ddlib::detail
