#include "ddlib/class_info.h"

#include "record.h"

CDDClassInfo::CDDClassInfo() : m_mask(0) {}
CDDClassInfo::~CDDClassInfo() = default;

void CDDClassInfo::putClassInfo(enumDDVariableClassType flag, bool on) {
    if (flag >= 0 && flag <= 31) {
        const std::uint32_t bit = std::uint32_t{1} << flag;
        m_mask = on ? (m_mask | bit) : (m_mask & ~bit);
    }
    DD_RECORD(receiverName(), "putClassInfo", static_cast<std::int32_t>(flag), on);
}

bool CDDClassInfo::getClassInfo(enumDDVariableClassType flag) const {
    return flag >= 0 && flag <= 31 && (m_mask >> flag) & 1u;
}

CDDVariableClass::~CDDVariableClass() = default;
CDDMethodClass::~CDDMethodClass() = default;
