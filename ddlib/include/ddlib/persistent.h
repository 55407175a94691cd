#pragma once

#include "ddlib/export.h"

// Base of every class that its owners delete through a base pointer.
class DDLIB_API CDDPersistent {
  public:
    CDDPersistent() = default;
    CDDPersistent(const CDDPersistent&) = default;
    CDDPersistent& operator=(const CDDPersistent&) = default;
    virtual ~CDDPersistent();
};
