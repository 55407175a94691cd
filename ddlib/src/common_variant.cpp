#include "ddlib/common_variant.h"

#include <cstring>

#include "number_text.h"

CDDCommonVariant::CDDCommonVariant() : m_kind(Empty), m_int(0), m_double(0.0) {}
CDDCommonVariant::CDDCommonVariant(int value) : m_kind(Integer), m_int(value), m_double(value) {}
CDDCommonVariant::CDDCommonVariant(double value) : m_kind(Float), m_int(0), m_double(value) {}
CDDCommonVariant::CDDCommonVariant(const char* value)
    : m_kind(String), m_int(0), m_double(0.0), m_string(value) {}
CDDCommonVariant::CDDCommonVariant(const CStrPP& value)
    : m_kind(String), m_int(0), m_double(0.0), m_string(value) {}
CDDCommonVariant::CDDCommonVariant(bool value)
    : m_kind(Boolean), m_int(value ? 1 : 0), m_double(value ? 1.0 : 0.0) {}
CDDCommonVariant::~CDDCommonVariant() = default;

namespace {

// Out-of-range doubles would be undefined to convert; clamp them.
std::int32_t ClampToInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t CDDCommonVariant::getInt() const {
    switch (m_kind) {
        case Integer:
        case Boolean:
            return m_int;
        case Float:
            return ClampToInt(m_double);
        case String:
            // Read as getDouble reads it, so that "010" is ten and a long text clamps
            // instead of wrapping round.
            return ClampToInt(getDouble());
        case Empty:
            break;
    }
    return 0;
}

double CDDCommonVariant::getDouble() const {
    switch (m_kind) {
        case Integer:
        case Boolean:
            return m_int;
        case Float:
            return m_double;
        case String:
            return ddlib::detail::ReadNumber(
                {m_string.ptr(), static_cast<std::size_t>(m_string.Length())});
        case Empty:
            break;
    }
    return 0.0;
}

bool CDDCommonVariant::getBool() const {
    return m_kind == String ? !m_string.IsEmpty() : getDouble() != 0.0;
}

CStrPP CDDCommonVariant::getString() const {
    switch (m_kind) {
        case String:
            return m_string;
        case Integer:
            return CStrPP(ddlib::detail::NumberText(m_int).c_str());
        case Boolean:
            return CStrPP(m_int ? "1" : "0");
        case Float:
            // As %g, with more digits where six do not read back as the same double.
            return CStrPP(ddlib::detail::NumberText(m_double, 6).c_str());
        case Empty:
            break;
    }
    return CStrPP();
}

bool operator==(const CDDCommonVariant& left, const CDDCommonVariant& right) {
    if (left.isNumber() && right.isNumber()) {
        if (left.getKind() != CDDCommonVariant::Float && right.getKind() != CDDCommonVariant::Float)
            return left.getInt() == right.getInt();
        return left.getDouble() == right.getDouble();
    }
    if (left.getKind() == CDDCommonVariant::String && right.getKind() == CDDCommonVariant::String)
        // By bytes, whatever comparison the strings themselves were given.
        return std::strcmp(left.getString().ptr(), right.getString().ptr()) == 0;
    return left.getKind() == CDDCommonVariant::Empty && right.getKind() == CDDCommonVariant::Empty;
}

bool operator!=(const CDDCommonVariant& left, const CDDCommonVariant& right) {
    return !(left == right);
}
