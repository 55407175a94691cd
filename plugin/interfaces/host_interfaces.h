#pragma once

#include <cstdint>

#include "ddlib/ddlib.h"
#include "interfaces/dd_types.h"

class MethodServices;
class ObjectStore;
class MessageSink;

// What the host hands the attribute-calculation object at attach. The plug-in never deletes it.
class AttributeHost {
  public:
    virtual ~AttributeHost() = default;
    // A new services object for one method execution; the method body deletes it.
    virtual MethodServices* CreateMethodServices(DDContext ctx) = 0;
    // The host's store; never released by the caller.
    virtual ObjectStore* GetObjectStore() = 0;
    virtual MessageSink* GetMessageSink() = 0;
};

// The host's store of DD objects. The Add operations copy what they keep; the caller deletes
// its arguments right after the call. The Get operations return new objects that the caller
// owns and deletes.
class ObjectStore {
  public:
    virtual ~ObjectStore() = default;
    virtual bool AddObject(CDDObject* object) = 0;
    virtual bool AddRequestSet(CDDTransactionRef* ref, CDDDefinitionSet* request) = 0;
    virtual bool AddReplySet(CDDTransactionRef* ref, CDDDefinitionSet* reply) = 0;
    virtual bool AddVariableSet(const CDDDefinition& variable, CDDDefinitionSet* set) = 0;
    virtual CDDBlock* GetBlock(DDContext ctx, const CDDDefinition& block) = 0;
    virtual CDDCollection* GetCollection(DDContext ctx, const CDDDefinition& collection) = 0;
    virtual CDDObject* GetMember(DDContext ctx, CDDCollection* collection, CStrPP memberName) = 0;
    virtual CDDCommonVariant* GetCurrentValue(DDContext ctx, const CDDDefinition& variable) = 0;
};

// Receives the plug-in's reports about requests that no item answers.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Report(const CStrPP& message) = 0;
};

// The host's services for one run of a method body.
class MethodServices {
  public:
    virtual ~MethodServices() = default;
};
