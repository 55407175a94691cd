#pragma once

#include "ddlib/persistent.h"

// Owns the heap temporaries of one generated function and deletes them, newest first, when
// the function ends (also when an exception leaves it).
class CTempObjectList {
  public:
    CTempObjectList() : m_next(nullptr), m_object(nullptr) {}
    ~CTempObjectList();
    CTempObjectList(const CTempObjectList&) = delete;
    CTempObjectList& operator=(const CTempObjectList&) = delete;

    // Takes ownership of `object` and returns it with its own type, so that a call can wrap
    // the expression that made it.
    template <class T>
    T* Add(T* object) {
        AddOwned(object);
        return object;
    }

  private:
    void AddOwned(CDDPersistent* object);

    CTempObjectList* m_next;
    CDDPersistent* m_object;
};
