#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/common_variant.h"
#include "ddlib/definition.h"
#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"

// One value of an enumerated variable.
class DDLIB_API CDDEnumerator : public CDDPersistent {
  public:
    CDDEnumerator();
    DD_VALUE_OPERATIONS(CDDEnumerator)
    ~CDDEnumerator() override;

    void putValue(std::int32_t value);
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);

    std::int32_t getValue() const { return m_value; }
    const CStrPP& getDescription() const { return m_description; }
    const CStrPP& getHelp() const { return m_help; }

  private:
    std::int32_t m_value;
    CStrPP m_description;
    CStrPP m_help;
};

// One bit of a bit-enumerated variable, with the method that the bit refers to.
class DDLIB_API CDDBitEnumerator : public CDDPersistent {
  public:
    explicit CDDBitEnumerator(std::int32_t bit);
    DD_VALUE_OPERATIONS(CDDBitEnumerator)
    ~CDDBitEnumerator() override;

    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);
    void putMethod(const CDDDefinition& method);

    std::int32_t getBit() const { return m_bit; }
    const CStrPP& getDescription() const { return m_description; }
    const CStrPP& getHelp() const { return m_help; }
    const CDDDefinition& getMethod() const { return m_method; }

  private:
    std::int32_t m_bit;
    CStrPP m_description;
    CStrPP m_help;
    CDDDefinition m_method;
};

class DDLIB_API CDDEnumeratorSet : public CDDPersistent {
  public:
    CDDEnumeratorSet();
    ~CDDEnumeratorSet() override;

    void Add(const CDDEnumerator& enumerator);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDEnumerator& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<CDDEnumerator> m_items;
};

class DDLIB_API CDDBitEnumeratorSet : public CDDPersistent {
  public:
    CDDBitEnumeratorSet();
    ~CDDBitEnumeratorSet() override;

    void Add(const CDDBitEnumerator& enumerator);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDBitEnumerator& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<CDDBitEnumerator> m_items;
};

// The type description of a variable. Each attribute remembers whether it was ever put, so
// that a host can tell "not set" from a value.
class DDLIB_API CDDType : public CDDPersistent {
  public:
    explicit CDDType(enumDDVariableType type);
    ~CDDType() override;

    void putSize(int size);
    void putScalingFactor(double factor);
    void putDisplayFormat(const CStrPP& format);
    void putEditFormat(const CStrPP& format);
    void putMaxRangeNo(int maxRange);
    void putDefaultValue(const CDDCommonVariant& value);
    void putMinValues(int range, const CDDCommonVariant& value);
    void putMaxValues(int range, const CDDCommonVariant& value);
    void putMaxEnumIndex(std::int32_t index);
    void putMaxBitEnumIndex(std::int32_t index);
    CDDEnumeratorSet* getEnumeratorSet() { return &m_enumerators; }
    CDDBitEnumeratorSet* getBitEnumeratorSet() { return &m_bitEnumerators; }

    enumDDVariableType getType() const { return m_type; }
    bool hasSize() const { return m_has & HasSize; }
    int getSize() const { return m_size; }
    bool hasScalingFactor() const { return m_has & HasScaling; }
    double getScalingFactor() const { return m_scaling; }
    bool hasDisplayFormat() const { return m_has & HasDisplay; }
    const CStrPP& getDisplayFormat() const { return m_displayFormat; }
    bool hasEditFormat() const { return m_has & HasEdit; }
    const CStrPP& getEditFormat() const { return m_editFormat; }
    bool hasMaxRangeNo() const { return m_has & HasMaxRange; }
    int getMaxRangeNo() const { return m_maxRange; }
    bool hasDefaultValue() const { return m_has & HasDefault; }
    const CDDCommonVariant& getDefaultValue() const { return m_default; }
    // Ranges put so far: index i holds the pair put with range number i; a missing bound is
    // an empty variant.
    int getRangeCount() const { return static_cast<int>(m_ranges.size()); }
    const CDDCommonVariant& getMinValue(int range) const { return m_ranges.at(range).min; }
    const CDDCommonVariant& getMaxValue(int range) const { return m_ranges.at(range).max; }
    bool hasMaxEnumIndex() const { return m_has & HasMaxEnum; }
    std::int32_t getMaxEnumIndex() const { return m_maxEnum; }
    bool hasMaxBitEnumIndex() const { return m_has & HasMaxBitEnum; }
    std::int32_t getMaxBitEnumIndex() const { return m_maxBitEnum; }
    const CDDEnumeratorSet& enumerators() const { return m_enumerators; }
    const CDDBitEnumeratorSet& bitEnumerators() const { return m_bitEnumerators; }

  private:
    enum : unsigned {
        HasSize = 1u << 0,
        HasScaling = 1u << 1,
        HasDisplay = 1u << 2,
        HasEdit = 1u << 3,
        HasMaxRange = 1u << 4,
        HasDefault = 1u << 5,
        HasMaxEnum = 1u << 6,
        HasMaxBitEnum = 1u << 7,
    };
    struct Range {
        CDDCommonVariant min;
        CDDCommonVariant max;
    };
    void putBound(CDDCommonVariant Range::*bound, int range, const CDDCommonVariant& value);

    enumDDVariableType m_type;
    unsigned m_has;
    int m_size;
    double m_scaling;
    CStrPP m_displayFormat;
    CStrPP m_editFormat;
    int m_maxRange;
    CDDCommonVariant m_default;
    std::vector<Range> m_ranges;
    std::int32_t m_maxEnum;
    std::int32_t m_maxBitEnum;
    CDDEnumeratorSet m_enumerators;
    CDDBitEnumeratorSet m_bitEnumerators;
};
