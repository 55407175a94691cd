#pragma once

#include "interfaces/attribute_calculation.h"

namespace ddhost {

// The bytes a variable of the type holds: the size its type gives, else four, and eight for a
// time stamp.
int HeldSize(const CDDType& type);

// Whether single precision changes the value: only such a number can be held otherwise than it
// was given.
bool ChangedBySinglePrecision(const CDDCommonVariant& value);

// The value as a variable of the type holds it: a number that a floating-point variable of four
// bytes is given is rounded to single precision. Every other value, and every value of a
// variable without a type, is held as given.
CDDCommonVariant HeldValue(const CDDType* type, const CDDCommonVariant& value);

}  // namespace ddhost
