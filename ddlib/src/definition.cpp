#include "ddlib/definition.h"

#include "record.h"

CDDMethodParameter::CDDMethodParameter(const CStrPP& name, std::int32_t value, bool isReference)
    : m_name(name), m_value(value), m_isReference(isReference) {}
CDDMethodParameter::~CDDMethodParameter() = default;

CDDDefinition::CDDDefinition() : m_id(0), m_kind(DD_KIND_VARIABLE) {}
CDDDefinition::CDDDefinition(std::int32_t id, const CStrPP& name, enumDDObjectKind kind)
    : m_id(id), m_name(name), m_kind(kind) {}
CDDDefinition::~CDDDefinition() = default;

void CDDDefinition::AddParameter(const CDDMethodParameter& parameter) {
    DD_RECORD("CDDDefinition", "AddParameter", parameter.getName(), parameter.getValue(),
              parameter.isReference());
    m_parameters.push_back(parameter);
}

const CDDMethodParameter* CDDDefinition::getParameter(int index) const {
    if (index < 0 || index >= getParameterCount()) return nullptr;
    return &m_parameters[static_cast<std::size_t>(index)];
}

CDDDefinitionSet::CDDDefinitionSet() = default;
CDDDefinitionSet::~CDDDefinitionSet() = default;

void CDDDefinitionSet::Insert(const CDDDefinition& definition) {
    DD_RECORD("CDDDefinitionSet", "Insert", definition);
    m_items.push_back(definition);
}

CDDVariableDefinitionSet::CDDVariableDefinitionSet() = default;
CDDVariableDefinitionSet::~CDDVariableDefinitionSet() = default;

CDDDefinitionList::CDDDefinitionList() = default;
CDDDefinitionList::~CDDDefinitionList() = default;

void CDDDefinitionList::Add(const CDDDefinition& definition, std::int32_t first,
                            std::int32_t second) {
    DD_RECORD("CDDDefinitionList", "Add", definition, first, second);
    m_items.push_back(Entry{definition, first, second});
}

CDDTransactionRef::CDDTransactionRef(int transaction, const CDDDefinition& command)
    : m_transaction(transaction), m_command(command) {}
CDDTransactionRef::~CDDTransactionRef() = default;

CDDReference::CDDReference() = default;
CDDReference::~CDDReference() = default;

void CDDReference::putDefinition(const CDDDefinition& definition) {
    DD_RECORD("CDDReference", "putDefinition", definition);
    m_definition = definition;
}
