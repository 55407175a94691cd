#include "ddlib/menu.h"

#include "record.h"

CDDMenuItem::CDDMenuItem() : m_qualifier(0) {}
CDDMenuItem::~CDDMenuItem() = default;

void CDDMenuItem::putDefinition(const CDDDefinition& definition) {
    DD_RECORD("CDDMenuItem", "putDefinition", definition);
    m_definition = definition;
}
void CDDMenuItem::putQualifier(std::int32_t qualifier) {
    m_qualifier = qualifier;
    DD_RECORD("CDDMenuItem", "putQualifier", qualifier);
}
void CDDMenuItem::putLabel(const CStrPP& text) {
    DD_RECORD("CDDMenuItem", "putLabel", text);
    m_label = text;
}
void CDDMenuItem::putHelp(const CStrPP& text) {
    DD_RECORD("CDDMenuItem", "putHelp", text);
    m_help = text;
}

CDDMenuItemList::CDDMenuItemList() = default;
CDDMenuItemList::~CDDMenuItemList() = default;

void CDDMenuItemList::Add(const CDDMenuItem& item) {
    DD_RECORD("CDDMenuItemList", "Add", item.getDefinition());
    m_items.push_back(item);
}

CDDMenu::CDDMenu(const CDDDefinition& definition)
    : CDDObject(definition), m_hasAccess(false), m_access(0) {}
CDDMenu::~CDDMenu() = default;

void CDDMenu::putAccess(std::int32_t access) {
    m_access = access;
    m_hasAccess = true;
    DD_RECORD("CDDMenu", "putAccess", access);
}
void CDDMenu::setMenuItems(CDDMenuItemList* items) {
    DD_RECORD_HANDOVER(m_items, items, "CDDMenu", "setMenuItems",
                       ddlib::detail::Described{items ? "CDDMenuItemList" : "null"});
}
