#include "ddlib/type.h"

#include <utility>

#include "record.h"

CDDEnumerator::CDDEnumerator() : m_value(0) {}
CDDEnumerator::~CDDEnumerator() = default;

void CDDEnumerator::putValue(std::int32_t value) {
    m_value = value;
    DD_RECORD("CDDEnumerator", "putValue", value);
}
void CDDEnumerator::putDescription(const CStrPP& text) {
    DD_RECORD("CDDEnumerator", "putDescription", text);
    m_description = text;
}
void CDDEnumerator::putHelp(const CStrPP& text) {
    DD_RECORD("CDDEnumerator", "putHelp", text);
    m_help = text;
}

CDDBitEnumerator::CDDBitEnumerator(std::int32_t bit) : m_bit(bit) {}
CDDBitEnumerator::~CDDBitEnumerator() = default;

void CDDBitEnumerator::putDescription(const CStrPP& text) {
    DD_RECORD("CDDBitEnumerator", "putDescription", text);
    m_description = text;
}
void CDDBitEnumerator::putHelp(const CStrPP& text) {
    DD_RECORD("CDDBitEnumerator", "putHelp", text);
    m_help = text;
}
void CDDBitEnumerator::putMethod(const CDDDefinition& method) {
    DD_RECORD("CDDBitEnumerator", "putMethod", method);
    m_method = method;
}

CDDEnumeratorSet::CDDEnumeratorSet() = default;
CDDEnumeratorSet::~CDDEnumeratorSet() = default;
void CDDEnumeratorSet::Add(const CDDEnumerator& enumerator) {
    DD_RECORD("CDDEnumeratorSet", "Add", enumerator.getValue());
    m_items.push_back(enumerator);
}

CDDBitEnumeratorSet::CDDBitEnumeratorSet() = default;
CDDBitEnumeratorSet::~CDDBitEnumeratorSet() = default;
void CDDBitEnumeratorSet::Add(const CDDBitEnumerator& enumerator) {
    DD_RECORD("CDDBitEnumeratorSet", "Add", enumerator.getBit());
    m_items.push_back(enumerator);
}

CDDType::CDDType(enumDDVariableType type)
    : m_type(type),
      m_has(0),
      m_size(0),
      m_scaling(1.0),
      m_maxRange(-1),
      m_maxEnum(0),
      m_maxBitEnum(0) {}
CDDType::~CDDType() = default;

void CDDType::putSize(int size) {
    m_size = size;
    m_has |= HasSize;
    DD_RECORD("CDDType", "putSize", size);
}
void CDDType::putScalingFactor(double factor) {
    m_scaling = factor;
    m_has |= HasScaling;
    DD_RECORD("CDDType", "putScalingFactor", factor);
}
void CDDType::putDisplayFormat(const CStrPP& format) {
    DD_RECORD("CDDType", "putDisplayFormat", format);
    m_displayFormat = format;
    m_has |= HasDisplay;
}
void CDDType::putEditFormat(const CStrPP& format) {
    DD_RECORD("CDDType", "putEditFormat", format);
    m_editFormat = format;
    m_has |= HasEdit;
}
void CDDType::putMaxRangeNo(int maxRange) {
    m_maxRange = maxRange;
    m_has |= HasMaxRange;
    DD_RECORD("CDDType", "putMaxRangeNo", maxRange);
}
void CDDType::putDefaultValue(const CDDCommonVariant& value) {
    DD_RECORD("CDDType", "putDefaultValue", value);
    m_default = value;
    m_has |= HasDefault;
}

namespace {
// Range numbers beyond this are not ranges of a device description; they are dropped rather
// than grown into a huge table.
constexpr int kMaxRanges = 256;
}  // namespace

void CDDType::putBound(CDDCommonVariant Range::*bound, int range, const CDDCommonVariant& value) {
    if (range < 0 || range >= kMaxRanges) return;
    if (range < static_cast<int>(m_ranges.size())) {
        m_ranges[range].*bound = value;
        return;
    }
    // The value may be a bound held here, which growing the table moves.
    CDDCommonVariant kept(value);
    m_ranges.resize(range + 1);
    m_ranges[range].*bound = std::move(kept);
}
void CDDType::putMinValues(int range, const CDDCommonVariant& value) {
    DD_RECORD("CDDType", "putMinValues", range, value);
    putBound(&Range::min, range, value);
}
void CDDType::putMaxValues(int range, const CDDCommonVariant& value) {
    DD_RECORD("CDDType", "putMaxValues", range, value);
    putBound(&Range::max, range, value);
}
void CDDType::putMaxEnumIndex(std::int32_t index) {
    m_maxEnum = index;
    m_has |= HasMaxEnum;
    DD_RECORD("CDDType", "putMaxEnumIndex", index);
}
void CDDType::putMaxBitEnumIndex(std::int32_t index) {
    m_maxBitEnum = index;
    m_has |= HasMaxBitEnum;
    DD_RECORD("CDDType", "putMaxBitEnumIndex", index);
}
