#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"
#include "ddlib/owned.h"

// One entry of a menu: the item it shows, with texts of its own where it has them.
class DDLIB_API CDDMenuItem : public CDDPersistent {
  public:
    CDDMenuItem();
    DD_VALUE_OPERATIONS(CDDMenuItem)
    ~CDDMenuItem() override;

    void putDefinition(const CDDDefinition& definition);
    void putQualifier(std::int32_t qualifier);
    void putLabel(const CStrPP& text);
    void putHelp(const CStrPP& text);

    const CDDDefinition& getDefinition() const { return m_definition; }
    std::int32_t getQualifier() const { return m_qualifier; }
    const CStrPP& getLabel() const { return m_label; }
    const CStrPP& getHelp() const { return m_help; }

  private:
    CDDDefinition m_definition;
    std::int32_t m_qualifier;
    CStrPP m_label;
    CStrPP m_help;
};

class DDLIB_API CDDMenuItemList : public CDDPersistent {
  public:
    CDDMenuItemList();
    ~CDDMenuItemList() override;

    void Add(const CDDMenuItem& item);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDMenuItem& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<CDDMenuItem> m_items;
};

class DDLIB_API CDDMenu : public CDDObject {
    DD_OBJECT_CLASS(CDDMenu)

  public:
    explicit CDDMenu(const CDDDefinition& definition);
    ~CDDMenu() override;

    void putAccess(std::int32_t access);
    // Takes ownership; frees the list held before.
    void setMenuItems(CDDMenuItemList* items);

    bool hasAccess() const { return m_hasAccess; }
    std::int32_t getAccess() const { return m_access; }
    CDDMenuItemList* getMenuItems() const { return m_items.get(); }

  private:
    bool m_hasAccess;
    std::int32_t m_access;
    DDOwned<CDDMenuItemList> m_items;
};
