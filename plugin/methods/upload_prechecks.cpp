#include "methods/method_run.h"

// The download pre-checks. They read the access code by name; what they would set it to, and
// what the second one does with its two integers, the device description does not give, so
// the bodies do no more.

namespace {

void PreWriteUploadVariables2nd(MethodRun& run) {
    run.services.GetIntegerValue(ItemName(item::loc_security_lock));
}

// Runs the second pre-check's body as it is, with services of its own, and keeps its result.
void PreWriteUploadVariables1st(MethodRun& run) {
    run.services.PutResult(run.calculation.RunMethod(run.ctx, run.method, run.arg, run.noAbortThrow,
                                                     PreWriteUploadVariables2nd));
}

}  // namespace

// The two integers are the first two named parameters of the method's definition: each its own
// integer, or the current value of the variable whose object ID it holds. A method that lacks them,
// or that refers to anything but a variable of the directory, is reported and does not run.
std::int32_t CDeviceAttributeCalculation::Execute_pre_write_upload_variables_2nd(
    DDContext ctx, CDDMethod* method, std::int32_t arg, bool noAbortThrow) {
    if (m_host == nullptr) return -1;
    constexpr int kCount = 2;
    const CDDDefinition& own = *method->getcDefinition();
    const CDDMethodParameter* parameters[kCount] = {own.getParameter(0), own.getParameter(1)};
    for (const CDDMethodParameter* parameter : parameters) {
        const bool usable =
            parameter != nullptr && (!parameter->isReference() ||
                                     (registry::IsKind(parameter->getValue(), DD_KIND_VARIABLE) &&
                                      definition(parameter->getValue()) != nullptr));
        if (!usable) {
            Report(CStrPP(":   0,  0 : illegal named parameter (execute) for object ") +
                   own.getName());
            return -1;
        }
    }
    CTempObjectList temps;
    std::array<std::int32_t, kCount> integers{};
    for (int i = 0; i < kCount; ++i) {
        integers[i] = parameters[i]->isReference()
                          ? FetchCurrentValue(ctx, parameters[i]->getValue(), temps).getInt()
                          : parameters[i]->getValue();
    }
    return RunMethod(ctx, method, arg, noAbortThrow, PreWriteUploadVariables2nd, integers);
}

DD_METHOD_ENTRY(pre_write_upload_variables_1st, PreWriteUploadVariables1st)
