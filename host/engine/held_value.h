#pragma once

#include <optional>

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

// How the host shows a number of a variable of the type otherwise than as the double it is:
// a number that four bytes hold, of a floating-point variable of four bytes, is shown by the
// shortest text that reads back as the same four bytes ("0.1", not the "0.10000000149011612"
// of the double it widens to). It is given as the double that this text names, whose text the
// library writes with those digits. Nothing when it is shown as it is.
std::optional<double> ShownOtherwise(const HeldType* type, double number);
// The same for a number that is known to be a four-byte value.
double ShownSingle(double number);

}  // namespace ddhost
