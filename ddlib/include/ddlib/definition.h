#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"

// A named parameter that the host gives a method's definition: an integer of its own, or the
// object ID of the item whose current value stands for it.
class DDLIB_API CDDMethodParameter : public CDDPersistent {
  public:
    CDDMethodParameter(const CStrPP& name, std::int32_t value, bool isReference);
    DD_VALUE_OPERATIONS(CDDMethodParameter)
    ~CDDMethodParameter() override;

    const CStrPP& getName() const { return m_name; }
    // The integer, or the object ID of the item it refers to.
    std::int32_t getValue() const { return m_value; }
    bool isReference() const { return m_isReference; }

  private:
    CStrPP m_name;
    std::int32_t m_value;
    bool m_isReference;
};

// The record of one DD object: object ID, name and kind. The default definition is empty:
// ID 0, no name, kind variable. A method's definition may carry named parameters.
class DDLIB_API CDDDefinition : public CDDPersistent {
  public:
    CDDDefinition();
    CDDDefinition(std::int32_t id, const CStrPP& name, enumDDObjectKind kind);
    DD_VALUE_OPERATIONS(CDDDefinition)
    ~CDDDefinition() override;

    std::int32_t getID() const { return m_id; }
    CStrPP getName() const { return m_name; }
    const CStrPP& name() const { return m_name; }
    enumDDObjectKind getKind() const { return m_kind; }

    // The named parameters, in the order added; a parameter is copied.
    void AddParameter(const CDDMethodParameter& parameter);
    int getParameterCount() const { return static_cast<int>(m_parameters.size()); }
    // The parameter at that position, or null when there is none.
    const CDDMethodParameter* getParameter(int index) const;

  private:
    std::int32_t m_id;
    CStrPP m_name;
    enumDDObjectKind m_kind;
    std::vector<CDDMethodParameter> m_parameters;
};

// An unordered group of definitions as the directory hands it over; keeps every insertion,
// repeats included, in the order of the calls.
class DDLIB_API CDDDefinitionSet : public CDDPersistent {
  public:
    CDDDefinitionSet();
    ~CDDDefinitionSet() override;

    void Insert(const CDDDefinition& definition);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDDefinition& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<CDDDefinition> m_items;
};

// The variables that a unit relation asks the host to read again.
class DDLIB_API CDDVariableDefinitionSet : public CDDDefinitionSet {
  public:
    CDDVariableDefinitionSet();
    ~CDDVariableDefinitionSet() override;
};

// An ordered list of definitions, each with two positions (the post-edit actions of a variable).
class DDLIB_API CDDDefinitionList : public CDDPersistent {
  public:
    struct Entry {
        CDDDefinition definition;
        std::int32_t first;
        std::int32_t second;
    };

    CDDDefinitionList();
    ~CDDDefinitionList() override;

    void Add(const CDDDefinition& definition, std::int32_t first, std::int32_t second);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const Entry& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<Entry> m_items;
};

// Names one transaction of one command.
class DDLIB_API CDDTransactionRef : public CDDPersistent {
  public:
    CDDTransactionRef(int transaction, const CDDDefinition& command);
    DD_VALUE_OPERATIONS(CDDTransactionRef)
    ~CDDTransactionRef() override;

    int getTransaction() const { return m_transaction; }
    const CDDDefinition& getCommand() const { return m_command; }

  private:
    int m_transaction;
    CDDDefinition m_command;
};

// A reference from one DD object to another; empty until a definition is put.
class DDLIB_API CDDReference : public CDDPersistent {
  public:
    CDDReference();
    DD_VALUE_OPERATIONS(CDDReference)
    ~CDDReference() override;

    void putDefinition(const CDDDefinition& definition);
    const CDDDefinition& getDefinition() const { return m_definition; }

  private:
    CDDDefinition m_definition;
};
