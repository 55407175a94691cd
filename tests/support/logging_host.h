#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/attribute_calculation.h"
#include "ddlib/recorder.h"
#include "engine/reference_host.h"
#include "support/plugin_fixture.h"

// The reference host with one log, in order, of everything the plug-in does through it: its
// requests to the host ("host::GetObjectStore"), the store operations it calls
// ("store::AddObject(18 physical_block)", "store::GetBlock(ctx 7, physical_block)") and the
// library calls in between ("CDDCommand::putOperation(2)"). A block that GetBlock hands out
// writes "block deleted" into the log when it goes. The store's own fills stay out of the log.
class LoggingHost : public ddhost::ReferenceHost, private ddlib::CallRecorder {
  public:
    LoggingHost() : m_storeView(*this), m_previous(ddlib::SetCallRecorder(this)) {}
    ~LoggingHost() override { ddlib::SetCallRecorder(m_previous); }
    LoggingHost(const LoggingHost&) = delete;
    LoggingHost& operator=(const LoggingHost&) = delete;

    ObjectStore* GetObjectStore() override {
        Log("host::GetObjectStore");
        ReferenceHost::GetObjectStore();
        return &m_storeView;
    }
    MessageSink* GetMessageSink() override {
        Log("host::GetMessageSink");
        return ReferenceHost::GetMessageSink();
    }
    MethodServices* CreateMethodServices(DDContext ctx) override {
        Log("host::CreateMethodServices");
        return ReferenceHost::CreateMethodServices(ctx);
    }

    void Log(std::string event) { m_events.push_back(std::move(event)); }
    const std::vector<std::string>& events() const { return m_events; }
    std::vector<std::string> TakeEvents() { return std::exchange(m_events, {}); }

  private:
    void OnCall(const void*, const char* receiver, const std::string& call) override {
        Log(std::string(receiver) + "::" + call);
    }

    // A block that says when it is deleted.
    class LoggedBlock : public CDDBlock {
      public:
        LoggedBlock(const CDDBlock& block, LoggingHost& host) : CDDBlock(block), m_host(host) {}
        ~LoggedBlock() override { m_host.Log("block deleted"); }

      private:
        LoggingHost& m_host;
    };

    // Logs each operation and passes it on to the reference store.
    class StoreView : public ObjectStore {
      public:
        explicit StoreView(LoggingHost& host) : m_host(host) {}

        bool AddObject(CDDObject* object) override {
            const CDDDefinition& definition = *object->getcDefinition();
            m_host.Log("store::AddObject(" + std::to_string(definition.getID()) + " " +
                       definition.name().ptr() + ")");
            return inner().AddObject(object);
        }
        bool AddRequestSet(CDDTransactionRef* ref, CDDDefinitionSet* request) override {
            m_host.Log(std::string("store::AddRequestSet(") + ref->getCommand().name().ptr() + ")");
            return inner().AddRequestSet(ref, request);
        }
        bool AddReplySet(CDDTransactionRef* ref, CDDDefinitionSet* reply) override {
            m_host.Log(std::string("store::AddReplySet(") + ref->getCommand().name().ptr() + ")");
            return inner().AddReplySet(ref, reply);
        }
        bool AddVariableSet(const CDDDefinition& variable, CDDDefinitionSet* set) override {
            m_host.Log(std::string("store::AddVariableSet(") + variable.name().ptr() + ")");
            return inner().AddVariableSet(variable, set);
        }
        CDDBlock* GetBlock(DDContext ctx, const CDDDefinition& block) override {
            m_host.Log(Get("GetBlock", ctx, block));
            const std::unique_ptr<CDDBlock> made(inner().GetBlock(ctx, block));
            return new LoggedBlock(*made, m_host);
        }
        CDDCollection* GetCollection(DDContext ctx, const CDDDefinition& collection) override {
            m_host.Log(Get("GetCollection", ctx, collection));
            return inner().GetCollection(ctx, collection);
        }
        CDDObject* GetMember(DDContext ctx, CDDCollection* collection, CStrPP name) override {
            m_host.Log(Get("GetMember", ctx, *collection->getcDefinition()) + " " + name.ptr());
            return inner().GetMember(ctx, collection, name);
        }
        CDDCommonVariant* GetCurrentValue(DDContext ctx, const CDDDefinition& variable) override {
            m_host.Log(Get("GetCurrentValue", ctx, variable));
            return inner().GetCurrentValue(ctx, variable);
        }

      private:
        ddhost::ReferenceObjectStore& inner() { return m_host.store(); }
        static std::string Get(const char* operation, DDContext ctx,
                               const CDDDefinition& definition) {
            return std::string("store::") + operation + "(ctx " + std::to_string(ctx) + ", " +
                   definition.name().ptr() + ")";
        }

        LoggingHost& m_host;
    };

    std::vector<std::string> m_events;
    StoreView m_storeView;
    ddlib::CallRecorder* m_previous;
};

// The plug-in's attribute-calculation object driven by a LoggingHost, in the host's order.
using LoggedPlugin = AttachedPlugin<LoggingHost>;
