#pragma once

#include "ddlib/export.h"

// Copy and move operations of a library value: copies are deep, moves take the parts over and
// cannot fail, so that a container that grows relocates its elements by moving them.
#define DD_VALUE_OPERATIONS(Name)           \
    Name(const Name&) = default;            \
    Name(Name&&) noexcept = default;        \
    Name& operator=(const Name&) = default; \
    Name& operator=(Name&&) noexcept = default;

// Base of every class that its owners delete through a base pointer.
class DDLIB_API CDDPersistent {
  public:
    CDDPersistent() = default;
    DD_VALUE_OPERATIONS(CDDPersistent)
    virtual ~CDDPersistent();
};
