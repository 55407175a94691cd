#include <bit>
#include <memory>

#include "core/attribute_calculation.h"

namespace {

CDDCommonVariant MakeVariant(const Literal& literal) {
    switch (literal.kind) {
        case Literal::Int:
            return CDDCommonVariant(static_cast<int>(literal.i));
        case Literal::Double:
            return CDDCommonVariant(literal.d);
        case Literal::String:
            return CDDCommonVariant(literal.s);
        case Literal::None:
            break;
    }
    return CDDCommonVariant();
}

const char* StandardFormat(enumDDVariableType type) {
    switch (type) {
        case DD_TYPE_FLOAT:
            return "%G";
        case DD_TYPE_INTEGER:
            return "%d";
        default:
            return "%u";
    }
}

bool IsNumber(enumDDVariableType type) {
    return type == DD_TYPE_FLOAT || type == DD_TYPE_INTEGER || type == DD_TYPE_UNSIGNED;
}

bool HasSize(enumDDVariableType type) {
    return type == DD_TYPE_INTEGER || type == DD_TYPE_UNSIGNED || type == DD_TYPE_ENUMERATED ||
           type == DD_TYPE_BIT_ENUMERATED || type == DD_TYPE_STRING;
}

// The set flags from the lowest up; each pass clears the lowest one.
void PutClassFlags(CDDVariable* variable, std::uint32_t mask) {
    for (; mask != 0; mask &= mask - 1) {
        const int flag = std::countr_zero(mask);
        variable->getClass()->putClassInfo(static_cast<enumDDVariableClassType>(flag), true);
    }
}

void PutConstantUnit(CDDVariable* variable, const char* unit) {
    variable->putConstantUnit(CStrPP(""));
    variable->putConstantUnit(CStrPP(unit));
}

}  // namespace

void CDeviceAttributeCalculation::PutHandling(CDDVariable* variable, Handling handling) {
    switch (handling) {
        case Handling::None:
            break;
        case Handling::Read:
            variable->putHandling(DD_HANDLING_READ, true);
            break;
        case Handling::Write:
            variable->putHandling(DD_HANDLING_WRITE, true);
            break;
        case Handling::ReadWrite:
            variable->putHandling(DD_HANDLING_READ, true);
            variable->putHandling(DD_HANDLING_WRITE, true);
            break;
        case Handling::WriteRead:
            variable->putHandling(DD_HANDLING_WRITE, true);
            variable->putHandling(DD_HANDLING_READ, true);
            break;
    }
}

void CDeviceAttributeCalculation::FillHandling(DDContext ctx, CDDVariable* variable,
                                               const VariableRecord& record,
                                               CTempObjectList& temps) {
    if (const ConditionalHandling* rule = record.conditionalHandling) {
        ResetVariableHandling(variable);
        const bool holds = CurrentValueTest(ctx, rule->source, rule->comparand, rule->equal, temps);
        PutHandling(variable, holds ? rule->whenTrue : rule->whenFalse);
        return;
    }
    if (record.handling == Handling::None) return;
    ResetVariableHandling(variable);
    PutHandling(variable, record.handling);
}

void CDeviceAttributeCalculation::FillType(DDContext ctx, CDDVariable* variable,
                                           enumDDVariableType type, const VariableRecord& record,
                                           CTempObjectList& temps) {
    variable->setTypeInfo(new CDDType(type));
    if (type == DD_TYPE_TIME_STAMP) return;
    const bool number = IsNumber(type);
    const bool standardDefault = record.defaultValue.kind != Literal::None &&
                                 record.defaultPlace == DefaultPlace::AfterHeader;

    if (HasSize(type)) variable->getTypeInfo()->putSize(record.size);
    if (number) {
        const char* display = record.displayFormat ? record.displayFormat : StandardFormat(type);
        const char* edit = record.editFormat ? record.editFormat : StandardFormat(type);
        variable->getTypeInfo()->putScalingFactor(1.0);
        variable->getTypeInfo()->putDisplayFormat(CStrPP(display));
        variable->getTypeInfo()->putEditFormat(CStrPP(edit));
        variable->getTypeInfo()->putMaxRangeNo(record.hasRange ? 0 : -1);
    } else if (type == DD_TYPE_ENUMERATED) {
        variable->getTypeInfo()->putMaxEnumIndex(record.maxEnumIndex);
    } else if (type == DD_TYPE_BIT_ENUMERATED) {
        variable->getTypeInfo()->putMaxBitEnumIndex(record.maxEnumIndex);
    }
    if (standardDefault) variable->getTypeInfo()->putDefaultValue(MakeVariant(record.defaultValue));
    if (number && record.hasRange) {
        variable->getTypeInfo()->putMinValues(0, MakeVariant(record.rangeMin));
        variable->getTypeInfo()->putMaxValues(0, MakeVariant(record.rangeMax));
    }
    for (const Enumerator& entry : record.enumerators) {
        const std::unique_ptr<CDDEnumerator> enumerator(new CDDEnumerator);
        enumerator->putValue(entry.value);
        enumerator->putDescription(CStrPP(entry.description));
        enumerator->putHelp(CStrPP(entry.help));
        variable->getTypeInfo()->getEnumeratorSet()->Add(*enumerator);
    }
    for (const BitEnumerator& entry : record.bitEnumerators) {
        const std::unique_ptr<CDDBitEnumerator> enumerator(
            new CDDBitEnumerator(static_cast<std::int32_t>(entry.bit)));
        enumerator->putDescription(CStrPP(entry.description));
        enumerator->putHelp(CStrPP(entry.help));
        enumerator->putMethod(*temps.Add(new CDDDefinition()));
        variable->getTypeInfo()->getBitEnumeratorSet()->Add(*enumerator);
    }
    if (record.defaultValue.kind != Literal::None && !standardDefault)
        variable->getTypeInfo()->putDefaultValue(MakeVariant(record.defaultValue));

    if (const ComputedFormat* rule = record.computedFormat) {
        CStrPP workText(record.displayFormat ? record.displayFormat : StandardFormat(type));
        {
            CDDCommonVariant value;
            value = FetchCurrentValue(ctx, rule->source, temps);
            for (const FormatCase& entry : rule->cases) {
                if (value == CDDCommonVariant(static_cast<int>(entry.code))) {
                    workText = entry.format;
                    break;
                }
            }
        }
        variable->getTypeInfo()->putDisplayFormat(workText);
    }
}

CDDObject* CDeviceAttributeCalculation::FillVariable(DDContext ctx, CDDObject* object,
                                                     DDObjectId id, const VariableRecord& record) {
    auto* variable = static_cast<CDDVariable*>(object);
    const registry::ItemInfo& info = registry::kItems[static_cast<std::size_t>(id)];
    const auto type =
        static_cast<enumDDVariableType>(record.type == kDirectoryType ? info.type : record.type);
    CTempObjectList temps;

    variable->putLabel(CStrPP(""));
    if (record.label) variable->putLabel(CStrPP(record.label));
    if (record.help) {
        variable->putHelp(CStrPP(""));
        variable->putHelp(CStrPP(record.help));
    }
    ResetVariableClass(variable->getClass());
    PutClassFlags(variable, info.classMask);

    if (record.handlingBeforeType) FillHandling(ctx, variable, record, temps);
    FillType(ctx, variable, type, record, temps);
    if (record.unitBeforeHandling && record.constantUnit)
        PutConstantUnit(variable, record.constantUnit);
    if (!record.handlingBeforeType) FillHandling(ctx, variable, record, temps);
    if (!record.unitBeforeHandling && record.constantUnit)
        PutConstantUnit(variable, record.constantUnit);

    if (!record.postEditActions.empty()) {
        std::unique_ptr<CDDDefinitionList> actions(new CDDDefinitionList);
        for (DDObjectId method : record.postEditActions)
            actions->Add(*m_definitionTable[static_cast<std::size_t>(method)], -1, -1);
        variable->setPostEditActions(actions.release());
    }
    variable->putAttributesAvailable(true);
    return variable;
}

CDDObject* CDeviceAttributeCalculation::FillBlock(CDDObject* object, enumDDBlockType type,
                                                  std::int32_t number) {
    auto* block = static_cast<CDDBlock*>(object);
    CTempObjectList temps;
    block->putType(type);
    block->putNumber(number);
    block->putBlockKind(DD_BLOCK_KIND_DEFAULT);
    block->putAttributesAvailable(true);
    return block;
}
