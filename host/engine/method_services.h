#pragma once

#include "interfaces/host_interfaces.h"

namespace ddhost {

// The services one method run gets; remembers the host value it was made for.
class ReferenceMethodServices : public MethodServices {
  public:
    explicit ReferenceMethodServices(DDContext ctx) : m_ctx(ctx) {}

    DDContext ctx() const { return m_ctx; }

  private:
    DDContext m_ctx;
};

}  // namespace ddhost
