#pragma once

#include <cstddef>

#include "ddlib/export.h"
#include "ddlib/unlisted_slots.h"

// Byte string of the object model. Texts are 8-bit and carry no encoding of their own.
class DDLIB_API CStrPP {
  public:
    CStrPP();
    CStrPP(const char* text);  // NOLINT: converting on purpose, as the library's callers expect
    CStrPP(const CStrPP& other);
    CStrPP(CStrPP&& other) noexcept;
    // Not virtual: strings are values and are never deleted through a base pointer.
    ~CStrPP();

    CStrPP& operator=(const CStrPP& other) { return Assign(other); }
    CStrPP& operator=(const char* text) { return Assign(text); }
    CStrPP& operator=(CStrPP&& other) noexcept;

    // A host calls these three by their slots: 14, then 37 and 38.
    DD_UNLISTED_SLOTS(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
    virtual const char* GetBuffer() const;
    DD_UNLISTED_SLOTS(15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33,
                      34, 35, 36);
    virtual CStrPP& Assign(const CStrPP& other);
    virtual CStrPP& Assign(const char* text);

    int Length() const { return static_cast<int>(m_length); }
    const char* ptr() const { return m_data; }
    bool IsEmpty() const { return m_length == 0; }

    // 0-based position of the last occurrence of `part`, or -1 when it does not occur.
    int FindLast(const CStrPP& part) const;
    // The first n characters; a negative n or one beyond the length gives the whole string.
    CStrPP Left(int n) const;

    // Comparison used by the equality operators; 0 means equal. Replaceable by the host.
    static int (*strCompare)(const char*, const char*);

    friend CStrPP operator+(const CStrPP& left, const CStrPP& right) {
        CStrPP result(left);
        result.AddStr(right.m_data, right.m_length);
        return result;
    }
    friend CStrPP operator+(const CStrPP& left, const char* right) {
        CStrPP result(left);
        result.AddStr(right, Measure(right));
        return result;
    }
    friend CStrPP operator+(const char* left, const CStrPP& right) {
        CStrPP result(left);
        result.AddStr(right.m_data, right.m_length);
        return result;
    }
    friend bool operator==(const CStrPP& left, const char* right) {
        return strCompare(left.m_data, right ? right : "") == 0;
    }
    friend bool operator!=(const CStrPP& left, const char* right) { return !(left == right); }
    friend bool operator==(const CStrPP& left, const CStrPP& right) {
        return left.m_length == right.m_length && strCompare(left.m_data, right.m_data) == 0;
    }
    friend bool operator!=(const CStrPP& left, const CStrPP& right) { return !(left == right); }

  protected:
    // Appends `count` bytes of `text`.
    void AddStr(const char* text, std::size_t count);

  private:
    static std::size_t Measure(const char* text);
    void Set(const char* text, std::size_t count);

    char* m_data;
    std::size_t m_length;
};
