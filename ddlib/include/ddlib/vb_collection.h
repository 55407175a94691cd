#pragma once

#include <vector>

#include "ddlib/common_variant.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"

// Named values: the locals that a method body hands to its services.
class DDLIB_API CVBCollection : public CDDPersistent {
  public:
    CVBCollection();
    ~CVBCollection() override;

    // Adds a copy under `name`, or replaces the value already held under that name.
    void Add(const CStrPP& name, const CDDCommonVariant& value);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CStrPP& getName(int index) const { return m_items.at(index).name; }
    const CDDCommonVariant& getValue(int index) const { return m_items.at(index).value; }
    // The value held under `name`, or null.
    const CDDCommonVariant* Find(const CStrPP& name) const;

  private:
    struct Entry {
        CStrPP name;
        CDDCommonVariant value;
    };
    std::vector<Entry> m_items;
};
