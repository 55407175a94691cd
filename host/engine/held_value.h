#pragma once

#include <optional>
#include <string>

#include "interfaces/attribute_calculation.h"

namespace ddhost {

// What the host needs of a variable's type to hold its values: the kind, and the size where the
// type gives one. A variable's type does not change, so the host learns it once.
class HeldType {
  public:
    explicit HeldType(const CDDType& type);

    enumDDVariableType type() const { return m_type; }
    // The size that the type gives, if any.
    const std::optional<int>& givenSize() const { return m_givenSize; }
    // The bytes a variable of the type holds: the size its type gives, else four, and eight for
    // a time stamp.
    int size() const;
    // A floating-point variable of four bytes.
    bool single() const { return m_type == DD_TYPE_FLOAT && size() == 4; }

  private:
    enumDDVariableType m_type;
    std::optional<int> m_givenSize;
};

// Whether single precision changes the value: only such a number can be held otherwise than it
// was given.
bool ChangedBySinglePrecision(const CDDCommonVariant& value);

// The value as a variable of the type holds it: a number that a floating-point variable of four
// bytes is given is rounded to single precision. Every other value, and every value of a
// variable without a type, is held as given.
CDDCommonVariant HeldValue(const HeldType* type, const CDDCommonVariant& value);

// The text of a number that is known to be a four-byte value: its shortest digits, which read
// back as the same four bytes ("0.1", not the "0.10000000149011612" of the double it widens to),
// as the library writes the double that they name.
std::string SingleText(double number);
// The text of a number of a variable of the type where it is not the library's text of the
// double: that of a number that four bytes hold, of a floating-point variable of four bytes
// (SingleText). Nothing where the double's own text shows it.
std::optional<std::string> ShownText(const HeldType* type, double number);

}  // namespace ddhost
