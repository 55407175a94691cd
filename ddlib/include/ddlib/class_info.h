#pragma once

#include <cstdint>

#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"

// Class flags 0 to 31 of a variable or a method. A flag outside that range is ignored.
class DDLIB_API CDDClassInfo : public CDDPersistent {
  public:
    CDDClassInfo();
    ~CDDClassInfo() override;

    void putClassInfo(enumDDVariableClassType flag, bool on);
    bool getClassInfo(enumDDVariableClassType flag) const;
    std::uint32_t getMask() const { return m_mask; }

  protected:
    virtual const char* receiverName() const = 0;

  private:
    std::uint32_t m_mask;
};

class DDLIB_API CDDVariableClass : public CDDClassInfo {
  public:
    ~CDDVariableClass() override;

  protected:
    const char* receiverName() const override { return "CDDVariableClass"; }
};

class DDLIB_API CDDMethodClass : public CDDClassInfo {
  public:
    ~CDDMethodClass() override;

  protected:
    const char* receiverName() const override { return "CDDMethodClass"; }
};
