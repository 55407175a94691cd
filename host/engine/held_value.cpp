#include "engine/held_value.h"

namespace ddhost {
namespace {

double Single(double value) { return static_cast<float>(value); }

}  // namespace

int HeldSize(const CDDType& type) {
    if (type.hasSize()) return type.getSize();
    return type.getType() == DD_TYPE_TIME_STAMP ? 8 : 4;
}

bool ChangedBySinglePrecision(const CDDCommonVariant& value) {
    return value.isNumber() && Single(value.getDouble()) != value.getDouble();
}

CDDCommonVariant HeldValue(const CDDType* type, const CDDCommonVariant& value) {
    if (type == nullptr || type->getType() != DD_TYPE_FLOAT || HeldSize(*type) != 4 ||
        !ChangedBySinglePrecision(value))
        return value;
    return CDDCommonVariant(Single(value.getDouble()));
}

}  // namespace ddhost
