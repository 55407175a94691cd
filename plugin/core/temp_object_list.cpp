#include "core/temp_object_list.h"

CTempObjectList::~CTempObjectList() {
    delete m_object;
    // Unlink the chain first and delete it node by node: a long list must not recurse once
    // per entry.
    CTempObjectList* node = m_next;
    while (node != nullptr) {
        CTempObjectList* next = node->m_next;
        node->m_next = nullptr;
        delete node;
        node = next;
    }
}

void CTempObjectList::AddOwned(CDDPersistent* object) {
    if (m_object == nullptr) {
        m_object = object;
        return;
    }
    // Allocate before changing anything, so that a failed allocation leaves the list intact;
    // the object was handed over all the same, so it is freed rather than leaked.
    CTempObjectList* node = nullptr;
    try {
        node = new CTempObjectList;
    } catch (...) {
        delete object;
        throw;
    }
    node->m_next = m_next;
    node->m_object = m_object;
    m_next = node;
    m_object = object;
}
