#pragma once

#include <vector>

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"
#include "ddlib/owned.h"

// A named member of a collection, referring to one DD item.
class DDLIB_API CDDMember : public CDDPersistent {
  public:
    explicit CDDMember(const CStrPP& name);
    DD_VALUE_OPERATIONS(CDDMember)
    ~CDDMember() override;

    void putDefinition(const CDDDefinition& definition);
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);

    const CStrPP& getName() const { return m_name; }
    const CDDDefinition& getDefinition() const { return m_definition; }
    const CStrPP& getDescription() const { return m_description; }
    const CStrPP& getHelp() const { return m_help; }

  private:
    CStrPP m_name;
    CDDDefinition m_definition;
    CStrPP m_description;
    CStrPP m_help;
};

class DDLIB_API CDDMemberSet : public CDDPersistent {
  public:
    CDDMemberSet();
    ~CDDMemberSet() override;

    void Add(const CDDMember& member);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDMember& getItem(int index) const { return m_items.at(index); }
    // The member of that name, or null.
    const CDDMember* getItem(const CStrPP& name) const;

  private:
    std::vector<CDDMember> m_items;
};

class DDLIB_API CDDCollection : public CDDObject {
    DD_OBJECT_CLASS(CDDCollection)

  public:
    explicit CDDCollection(const CDDDefinition& definition);
    ~CDDCollection() override;

    // Takes ownership; frees the set held before.
    void setMemberSet(CDDMemberSet* members);
    CDDMemberSet* getMemberSet() const { return m_members.get(); }

  private:
    DDOwned<CDDMemberSet> m_members;
};
