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

// The host's services for one run of a method body. The body that asked for the object deletes
// it when it ends; the result it holds last is the method's result. Variables are named by
// their DD names; texts are the device's Windows-1252 bytes.
class MethodServices {
  public:
    virtual ~MethodServices() = default;
    // Starts the run: the method, the host's argument, and whether a pending abort may end it.
    virtual void Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) = 0;
    // A variable's current value, read as an integer or as floating point.
    virtual std::int32_t GetIntegerValue(const CStrPP& variable) = 0;
    virtual double GetFloatValue(const CStrPP& variable) = 0;
    // Writes a variable's value.
    virtual void PutValue(const CStrPP& variable, const CDDCommonVariant& value) = 0;
    // Sets a local of the running method, which the messages that follow may show.
    virtual void PutLocal(const CStrPP& local, const CDDCommonVariant& value) = 0;
    // Shows a message to the user; true when an abort is pending afterwards.
    virtual bool ShowMessage(const CStrPP& message) = 0;
    // Asks the user for an integer; false, with `value` untouched, when the user cancelled.
    virtual bool AskInteger(const CStrPP& prompt, std::int32_t& value) = 0;
    // Sends a command to the device, by the command's name; false when it failed.
    virtual bool SendCommand(const CStrPP& command) = 0;
    // Tells the host that the run was aborted (-2), or any other result.
    virtual void PutResult(std::int32_t result) = 0;
    virtual std::int32_t GetResult() = 0;
};
