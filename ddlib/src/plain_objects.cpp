#include "ddlib/plain_objects.h"

#define DD_PLAIN_OBJECT_BODY(Name)                                         \
    Name::Name(const CDDDefinition& definition) : CDDObject(definition) {} \
    Name::~Name() = default;

DD_PLAIN_OBJECT_BODY(CDDEditDisplay)
DD_PLAIN_OBJECT_BODY(CDDRefresh)
DD_PLAIN_OBJECT_BODY(CDDWriteAsOne)
DD_PLAIN_OBJECT_BODY(CDDItemArray)
DD_PLAIN_OBJECT_BODY(CDDConnection)
DD_PLAIN_OBJECT_BODY(CDDRecord)
DD_PLAIN_OBJECT_BODY(CDDVariableList)
DD_PLAIN_OBJECT_BODY(CDDResponseCodes)
