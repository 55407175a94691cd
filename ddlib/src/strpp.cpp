#include "ddlib/strpp.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

int (*CStrPP::strCompare)(const char*, const char*) = std::strcmp;

namespace {
char g_empty[1] = {'\0'};
}

std::size_t CStrPP::Measure(const char* text) { return text ? std::strlen(text) : 0; }

CStrPP::CStrPP() : m_data(g_empty), m_length(0) {}

CStrPP::CStrPP(const char* text) : m_data(g_empty), m_length(0) { Set(text, Measure(text)); }

CStrPP::CStrPP(const CStrPP& other) : m_data(g_empty), m_length(0) {
    Set(other.m_data, other.m_length);
}

CStrPP::CStrPP(CStrPP&& other) noexcept : m_data(other.m_data), m_length(other.m_length) {
    other.m_data = g_empty;
    other.m_length = 0;
}

CStrPP::~CStrPP() {
    if (m_data != g_empty) delete[] m_data;
}

CStrPP& CStrPP::operator=(CStrPP&& other) noexcept {
    if (this != &other) {
        if (m_data != g_empty) delete[] m_data;
        m_data = std::exchange(other.m_data, g_empty);
        m_length = std::exchange(other.m_length, 0);
    }
    return *this;
}

const char* CStrPP::GetBuffer() const { return m_data; }

CStrPP& CStrPP::Assign(const CStrPP& other) {
    if (this != &other) Set(other.m_data, other.m_length);
    return *this;
}

CStrPP& CStrPP::Assign(const char* text) {
    // The text may point into this string; Set copies before it frees.
    Set(text, Measure(text));
    return *this;
}

void CStrPP::Set(const char* text, std::size_t count) {
    char* fresh = g_empty;
    if (count > 0) {
        fresh = new char[count + 1];
        std::memcpy(fresh, text, count);
        fresh[count] = '\0';
    }
    if (m_data != g_empty) delete[] m_data;
    m_data = fresh;
    m_length = count;
}

void CStrPP::AddStr(const char* text, std::size_t count) {
    if (count == 0) return;
    char* fresh = new char[m_length + count + 1];
    std::memcpy(fresh, m_data, m_length);
    std::memcpy(fresh + m_length, text, count);
    fresh[m_length + count] = '\0';
    if (m_data != g_empty) delete[] m_data;
    m_data = fresh;
    m_length += count;
}

int CStrPP::FindLast(const CStrPP& part) const {
    if (part.m_length > m_length) return -1;
    for (std::size_t pos = m_length - part.m_length + 1; pos-- > 0;) {
        if (std::memcmp(m_data + pos, part.m_data, part.m_length) == 0)
            return static_cast<int>(pos);
    }
    return -1;
}

CStrPP CStrPP::Left(int n) const {
    if (n < 0 || static_cast<std::size_t>(n) >= m_length) return *this;
    CStrPP result;
    result.Set(m_data, static_cast<std::size_t>(n));
    return result;
}
