#include "core/attribute_calculation.h"

// Every method carries class 14 and the validity that its own validity function gives.
CDDObject* CDeviceAttributeCalculation::FillMethod(DDContext ctx, CDDObject* object) {
    auto* method = static_cast<CDDMethod*>(object);
    CTempObjectList temps;
    ResetMethodClass(method->getClass());
    method->getClass()->putClassInfo(static_cast<enumDDVariableClassType>(14), true);
    method->putValidity(CalculateMethodValidity(ctx, method));
    method->putAttributesAvailable(true);
    return method;
}

#define DD_METHOD(id, name)                                                                   \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext ctx, CDDObject* object) { \
        return FillMethod(ctx, object);                                                       \
    }
#include "directory/for_each_item.h"
