#pragma once

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"

// Object kinds that this device does not fill: they carry only their definition and the
// common attributes.
#define DD_PLAIN_OBJECT(Name)                           \
    class DDLIB_API Name : public CDDObject {           \
        DD_OBJECT_CLASS(Name)                           \
      public:                                           \
        explicit Name(const CDDDefinition& definition); \
        ~Name() override;                               \
    };

DD_PLAIN_OBJECT(CDDEditDisplay)
DD_PLAIN_OBJECT(CDDRefresh)
DD_PLAIN_OBJECT(CDDWriteAsOne)
DD_PLAIN_OBJECT(CDDItemArray)
DD_PLAIN_OBJECT(CDDConnection)
DD_PLAIN_OBJECT(CDDRecord)
DD_PLAIN_OBJECT(CDDVariableList)
DD_PLAIN_OBJECT(CDDResponseCodes)

#undef DD_PLAIN_OBJECT
