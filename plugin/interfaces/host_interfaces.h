#pragma once

#include <cstdint>

#include "ddlib/ddlib.h"
#include "ddlib/unlisted_slots.h"
#include "interfaces/dd_types.h"

class MethodServices;
class ObjectStore;
class MessageSink;

// The host's three interfaces keep each operation that the plug-in calls at the slot where the
// host's table of it puts it; an implementer writes those and inherits the unlisted slots
// between them.

// What the host hands the attribute-calculation object at attach. The plug-in never deletes it.
class AttributeHost {
  public:
    virtual ~AttributeHost() = default;
    // Slot 1: a new services object for one method execution; the method body deletes it.
    virtual MethodServices* CreateMethodServices(DDContext ctx) = 0;
    // Slot 2: the host's store; never released by the caller.
    virtual ObjectStore* GetObjectStore() = 0;
    DD_UNLISTED_SLOTS(3, 4, 5);
    // Slot 6.
    virtual MessageSink* GetMessageSink() = 0;
};

// The host's store of DD objects. The Add operations copy what they keep; the caller deletes
// its arguments right after the call. The Get operations return new objects that the caller
// owns and deletes.
class ObjectStore {
  public:
    virtual ~ObjectStore() = default;
    DD_UNLISTED_SLOTS(1, 2, 3, 4);
    // Slots 5 to 8: the directory handed over.
    virtual bool AddObject(CDDObject* object) = 0;
    virtual bool AddRequestSet(CDDTransactionRef* ref, CDDDefinitionSet* request) = 0;
    virtual bool AddReplySet(CDDTransactionRef* ref, CDDDefinitionSet* reply) = 0;
    virtual bool AddVariableSet(const CDDDefinition& variable, CDDDefinitionSet* set) = 0;
    DD_UNLISTED_SLOTS(9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19);
    // Slots 20 to 22.
    virtual CDDBlock* GetBlock(DDContext ctx, const CDDDefinition& block) = 0;
    virtual CDDCollection* GetCollection(DDContext ctx, const CDDDefinition& collection) = 0;
    virtual CDDObject* GetMember(DDContext ctx, CDDCollection* collection, CStrPP memberName) = 0;
    DD_UNLISTED_SLOTS(23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
                      42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60,
                      61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72);
    // Slot 73.
    virtual CDDCommonVariant* GetCurrentValue(DDContext ctx, const CDDDefinition& variable) = 0;
};

// Receives the plug-in's reports about requests that no item answers.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    DD_UNLISTED_SLOTS(1, 2, 3, 4, 5);
    // Slot 6.
    virtual void Report(const CStrPP& message) = 0;
};

// The host's services for one run of a method body, declared alike for plug-in and host: no
// slot of theirs is fixed elsewhere. The body that asked for the object deletes it when it
// ends; the result it holds last is the method's result. Variables are named by their DD names;
// texts are the device's Windows-1252 bytes.
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
