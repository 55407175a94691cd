#include "engine/held_value.h"

#include <charconv>
#include <cmath>

namespace ddhost {
namespace {

double Single(double value) { return static_cast<float>(value); }

// The double that the shortest digits of the four-byte value name, read back by the library: its
// own shortest text has those same digits.
double ShownSingle(double number) {
    char text[32];
    *std::to_chars(text, text + sizeof text - 1, static_cast<float>(number)).ptr = '\0';
    return CDDCommonVariant(text).getDouble();
}

std::string LibraryText(double number) { return CDDCommonVariant(number).getString().ptr(); }

}  // namespace

HeldType::HeldType(const CDDType& type) : m_type(type.getType()) {
    if (type.hasSize()) m_givenSize = type.getSize();
}

int HeldType::size() const {
    if (m_givenSize) return *m_givenSize;
    return m_type == DD_TYPE_TIME_STAMP ? 8 : 4;
}

bool ChangedBySinglePrecision(const CDDCommonVariant& value) {
    return value.isNumber() && Single(value.getDouble()) != value.getDouble();
}

CDDCommonVariant HeldValue(const HeldType* type, const CDDCommonVariant& value) {
    if (type == nullptr || !type->single() || !ChangedBySinglePrecision(value)) return value;
    return CDDCommonVariant(Single(value.getDouble()));
}

std::string SingleText(double number) { return LibraryText(ShownSingle(number)); }

std::optional<std::string> ShownText(const HeldType* type, double number) {
    // A whole number that four bytes hold has no shorter text in four bytes than in eight.
    if (type == nullptr || !type->single() || Single(number) != number ||
        (number == std::trunc(number) && std::fabs(number) <= 0x1p24))
        return std::nullopt;
    const double shown = ShownSingle(number);
    if (shown == number) return std::nullopt;
    return LibraryText(shown);
}

}  // namespace ddhost
