#include "ddlib/vb_collection.h"

#include "record.h"

CVBCollection::CVBCollection() = default;
CVBCollection::~CVBCollection() = default;

void CVBCollection::Add(const CStrPP& name, const CDDCommonVariant& value) {
    DD_RECORD("CVBCollection", "Add", name, value);
    for (Entry& entry : m_items) {
        if (entry.name == name) {
            entry.value = value;
            return;
        }
    }
    m_items.push_back(Entry{name, value});
}

const CDDCommonVariant* CVBCollection::Find(const CStrPP& name) const {
    for (const Entry& entry : m_items)
        if (entry.name == name) return &entry.value;
    return nullptr;
}
