#pragma once

#include <cstdint>

#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"

// A value of the object model: integer, floating point, string or boolean.
class DDLIB_API CDDCommonVariant : public CDDPersistent {
  public:
    enum Kind : std::int32_t { Empty = 0, Integer = 1, Float = 2, String = 3, Boolean = 4 };

    CDDCommonVariant();
    CDDCommonVariant(int value);  // NOLINT: implicit, as the library's callers expect
    CDDCommonVariant(double value);
    CDDCommonVariant(const char* value);
    CDDCommonVariant(const CStrPP& value);
    CDDCommonVariant(bool value);
    DD_VALUE_OPERATIONS(CDDCommonVariant)
    ~CDDCommonVariant() override;

    Kind getKind() const { return m_kind; }
    bool isNumber() const { return m_kind == Integer || m_kind == Float || m_kind == Boolean; }

    // Conversions; a string converts to the number it starts with, a number to its text.
    std::int32_t getInt() const;
    double getDouble() const;
    bool getBool() const;
    CStrPP getString() const;

  private:
    Kind m_kind;
    std::int32_t m_int;
    double m_double;
    CStrPP m_string;
};

// Numbers compare by value across integer, floating point and boolean (int 253 equals
// double 253.0); strings compare by bytes; a number never equals a string.
DDLIB_API bool operator==(const CDDCommonVariant& left, const CDDCommonVariant& right);
DDLIB_API bool operator!=(const CDDCommonVariant& left, const CDDCommonVariant& right);
