#include "core/attribute_calculation.h"

CDDObject* CDeviceAttributeCalculation::FillPlaceholder(DDContext, CDDObject* object) {
    object->putAttributesAvailable(true);
    return object;
}

#define DD_FACTORY_PLACEHOLDER(name)                                                          \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext ctx, CDDObject* object) { \
        return FillPlaceholder(ctx, object);                                                  \
    }
#define DD_EXECUTE_PLACEHOLDER(name)                                                              \
    std::int32_t CDeviceAttributeCalculation::Execute_##name(DDContext, CDDMethod*, std::int32_t, \
                                                             bool) {                              \
        Report(CStrPP(":   0,  0 : method has no body (execute) for object " #name));             \
        return -1;                                                                                \
    }
#include "core/placeholders.def"
#undef DD_FACTORY_PLACEHOLDER
#undef DD_EXECUTE_PLACEHOLDER
