// The loaded plug-in driven by a hostile host: every slot of the attribute-calculation and
// information objects with edge and random arguments, objects of the wrong class, and attach,
// detach, build and rebuild in random order. The seed is fixed, so every run makes the same
// calls; DD_FUZZ_CALLS asks for a longer run. Under the sanitizer preset any memory fault ends
// the run with a report.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "directory/item_registry.h"
#include "engine/object_kinds.h"
#include "engine/plugin_library.h"
#include "engine/reference_host.h"

namespace {

constexpr std::uint32_t kSeed = 20151021;
constexpr long kDefaultCalls = 100000;
constexpr DDObjectId kEdgeIds[] = {-1, 0, 1, 637, 638, INT_MAX, INT_MIN};
constexpr std::int32_t kEdgeArguments[] = {-1, 0, 1, 2, 3, 15, 16, 10001, 10007, INT_MAX, INT_MIN};
const std::string kMessagePrefix = ":   0,  0 : ";

// Methods that report on every run this host asks for: those whose execute entry has no body,
// and the one that reads its named parameters, which the bare method objects here lack.
const std::set<DDObjectId> kMethodsThatReport = {
    item::pre_write_upload_variables_2nd,
#define DD_FACTORY_PLACEHOLDER(name)
#define DD_EXECUTE_PLACEHOLDER(name) item::name,
#include "core/placeholders.def"
#undef DD_FACTORY_PLACEHOLDER
#undef DD_EXECUTE_PLACEHOLDER
};

// The variables valid only while their selector holds the user-defined code.
struct ConditionalValidity {
    DDObjectId item;
    DDObjectId selector;
};
constexpr ConditionalValidity kConditional[] = {{165, 141}, {405, 400}};
constexpr std::int32_t kUserCode = 253;

const ConditionalValidity* FindConditional(DDObjectId id) {
    for (const ConditionalValidity& rule : kConditional)
        if (rule.item == id) return &rule;
    return nullptr;
}

// The role ids and selectors that name an item; every other value gives "".
bool NamesARole(std::int32_t role) {
    return (role >= 0 && role <= 15) || (role >= 10001 && role <= 10007);
}

// Stands between the host's store and the plug-in. The store fills objects through the plug-in
// on its own account (the block a command refers to, a variable whose default it needs), and
// each such fill is one more request that reaches the host; `seen` hears of each.
class NestedRequests : public CAttributeCalculation {
  public:
    NestedRequests(CAttributeCalculation& plugin, std::function<void(const CDDObject*)> seen)
        : m_plugin(plugin), m_seen(std::move(seen)) {}

    void Attach(AttributeHost* host) override { m_plugin.Attach(host); }
    bool IsReady() override { return m_plugin.IsReady(); }
    void Detach() override { m_plugin.Detach(); }
    void BuildDefinitions() override { m_plugin.BuildDefinitions(); }
    bool CalculateMenuValidity(DDContext ctx, CDDMenu* menu) override {
        return m_plugin.CalculateMenuValidity(ctx, menu);
    }
    bool CalculateMethodValidity(DDContext ctx, CDDMethod* method) override {
        return m_plugin.CalculateMethodValidity(ctx, method);
    }
    bool CalculateVariableValidity(DDContext ctx, CDDVariable* variable) override {
        return m_plugin.CalculateVariableValidity(ctx, variable);
    }
    std::int32_t ExecuteMethod(DDContext ctx, CDDMethod* method, std::int32_t arg,
                               bool noAbortThrow) override {
        return m_plugin.ExecuteMethod(ctx, method, arg, noAbortThrow);
    }
#define DD_NESTED(Class)                                                \
    Class* CalculateAttributes(DDContext ctx, Class* object) override { \
        m_seen(object);                                                 \
        return m_plugin.CalculateAttributes(ctx, object);               \
    }
    DD_NESTED(CDDVariable)
    DD_NESTED(CDDCommand)
    DD_NESTED(CDDMenu)
    DD_NESTED(CDDEditDisplay)
    DD_NESTED(CDDMethod)
    DD_NESTED(CDDRefresh)
    DD_NESTED(CDDUnit)
    DD_NESTED(CDDWriteAsOne)
    DD_NESTED(CDDArray)
    DD_NESTED(CDDCollection)
    DD_NESTED(CDDItemArray)
    DD_NESTED(CDDConnection)
    DD_NESTED(CDDBlock)
    DD_NESTED(CDDRecord)
    DD_NESTED(CDDVariableList)
    DD_NESTED(CDDResponseCodes)
    DD_NESTED(CDDObjectVariable)
    DD_NESTED(CDDObject)
#undef DD_NESTED

  private:
    CAttributeCalculation& m_plugin;
    std::function<void(const CDDObject*)> m_seen;
};

class HostProtocolFuzzer {
  public:
    HostProtocolFuzzer() : m_random(kSeed), m_library(DD_PLUGIN_PATH) {
        for (auto& host : m_hosts) host = std::make_unique<ddhost::ReferenceHost>();
        NewCalculation();
        NewInformation();
    }

    // Makes `calls` calls, or fewer when one goes wrong; false then.
    bool Run(long calls) {
        while (m_calls < calls && !m_failed) {
            const int choice = Pick(0, 999);
            if (choice < 8)
                Lifecycle();
            else if (choice < 330)
                CalculateOnce();
            else if (choice < 560)
                ValidityOnce();
            else if (choice < 700)
                ExecuteOnce();
            else if (choice < 990)
                InformationOnce();
            else
                DataCategoryOnce();
        }
        return !m_failed;
    }

    long calls() const { return m_calls; }
    long messages() const { return m_messages; }
    long builds() const { return m_builds; }
    long fills() const { return m_fills; }
    // The messages for calls outside the host's contract, and those of the methods that report
    // on every run.
    long wrongCalls() const { return m_expected - m_methodReports; }
    long methodReports() const { return m_methodReports; }
    const std::set<std::string>& slots() const { return m_slots; }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    DDContext AnyContext() { return static_cast<DDContext>(m_random()); }
    std::int32_t AnyInt() { return static_cast<std::int32_t>(m_random()); }

    DDObjectId AnyId() {
        const int choice = Pick(0, 9);
        if (choice < 3) return kEdgeIds[Pick(0, std::size(kEdgeIds) - 1)];
        if (choice < 9) return Pick(1, registry::kMaxId);
        return AnyInt();
    }
    DDObjectId AnyIdOfKind(enumDDObjectKind kind) {
        for (;;) {
            const DDObjectId id = Pick(1, registry::kMaxId);
            if (registry::IsKind(id, kind)) return id;
        }
    }
    std::int32_t AnyArgument() {
        return Chance(50) ? kEdgeArguments[Pick(0, std::size(kEdgeArguments) - 1)] : AnyInt();
    }
    static bool InDirectory(DDObjectId id) { return id > 0 && id <= registry::kMaxId; }
    static enumDDObjectKind KindOf(DDObjectId id) {
        return static_cast<enumDDObjectKind>(registry::kItems[static_cast<std::size_t>(id)].kind);
    }
    // The definition a host would hold for the ID: the item's own name and kind where there is
    // an item, made-up ones elsewhere.
    static CDDDefinition DefinitionOf(DDObjectId id, enumDDObjectKind kind) {
        return CDDDefinition(id, InDirectory(id) ? registry::kItems[id].name : "no_such_item",
                             kind);
    }

    void Called(const std::string& slot) {
        ++m_calls;
        m_slots.insert(slot);
    }
    void Fail(const std::string& what) {
        ADD_FAILURE() << "call " << m_calls << ": " << what;
        m_failed = true;
    }
    // Every message went to the attached host, exactly as many as expected, each one in the
    // plug-in's format.
    void ExpectMessages(int expected, const std::function<std::string()>& what) {
        int received = 0;
        for (auto& host : m_hosts) {
            const std::vector<std::string> messages = host->sink().Take();
            if (!messages.empty() && host.get() != m_attached)
                return Fail(what() + ": a message reached a host that is not attached");
            for (const std::string& message : messages)
                if (message.compare(0, kMessagePrefix.size(), kMessagePrefix) != 0)
                    return Fail(what() + ": message \"" + message + "\"");
            received += static_cast<int>(messages.size());
            host->store().ClearCalls();
            host->TakeMethodLog();
        }
        // The store's own requests on the way each count as well.
        expected += std::exchange(m_nestedWrong, 0);
        m_messages += received;
        m_expected += expected;
        if (received != expected)
            Fail(what() + ": " + std::to_string(received) + " messages, expected " +
                 std::to_string(expected));
    }
    bool Attached() const { return m_attached != nullptr; }
    // A calculate request that the plug-in cannot serve, for an object of the kind's class; it
    // is reported when it reaches a host.
    bool WrongCalculate(DDObjectId id, enumDDObjectKind kind) const {
        return Attached() && id >= 0 && (!InDirectory(id) || !m_built || kind != KindOf(id));
    }

    void NewCalculation() {
        m_calculation.reset(m_library.exports().getAttributeCalculation());
        Called("GetAttributeCalculation");
        m_attached = nullptr;
        m_built = false;
        m_nested =
            std::make_unique<NestedRequests>(*m_calculation, [this](const CDDObject* object) {
                const CDDDefinition& definition = *object->getcDefinition();
                if (WrongCalculate(definition.getID(), definition.getKind())) ++m_nestedWrong;
            });
        for (auto& host : m_hosts) host->store().SetCalculation(m_nested.get());
    }
    void NewInformation() {
        m_information.reset(m_library.exports().getInformation());
        Called("GetInformation");
    }

    // Attach to a host more often than anything else, so that many requests reach one.
    void Lifecycle() {
        const int choice = Pick(0, 12);
        if (choice < 5) {
            m_attached = m_hosts[static_cast<std::size_t>(Pick(0, 1))].get();
            m_calculation->Attach(m_attached);
            Called("Attach");
        } else if (choice == 5) {
            m_calculation->Attach(nullptr);
            Called("Attach");
            m_attached = nullptr;
        } else if (choice == 6) {
            m_calculation->Detach();
            Called("Detach");
            m_attached = nullptr;
        } else if (choice < 9) {
            m_calculation->BuildDefinitions();
            Called("BuildDefinitions");
            if (Attached()) {
                m_built = true;
                ++m_builds;
            }
        } else if (choice == 9) {
            if (!m_calculation->IsReady()) Fail("IsReady answered false");
            Called("IsReady");
        } else if (choice == 10) {
            // The old object goes attached or not, built or not.
            m_calculation.reset();
            Called("~CAttributeCalculation");
            NewCalculation();
        } else if (choice == 11) {
            m_information.reset();
            Called("~CInformation");
            NewInformation();
        } else {
            // A fresh host in place of one that is not attached keeps the run's memory flat.
            auto& host = m_hosts[m_hosts[0].get() == m_attached ? 1 : 0];
            host = std::make_unique<ddhost::ReferenceHost>();
            host->store().SetCalculation(m_nested.get());
        }
        ExpectMessages(0, [] { return std::string("attach, detach or build"); });
    }

    void CalculateOnce() {
        const DDObjectId id = AnyId();
        const DDContext ctx = AnyContext();
        if (Chance(2)) {
            // No object at all comes back as none.
            Called("CalculateAttributes(CDDObject)");
            if (m_calculation->CalculateAttributes(ctx, static_cast<CDDObject*>(nullptr)) !=
                nullptr)
                return Fail("calculate of no object");
            return ExpectMessages(0, [] { return std::string("calculate of no object"); });
        }
        // Mostly the class of the ID's kind; otherwise that of any kind.
        enumDDObjectKind kind = DD_KIND_VARIABLE;
        std::unique_ptr<CDDObject> object;
        if (InDirectory(id) && Chance(60)) {
            kind = KindOf(id);
            object = ddhost::MakeObject(DefinitionOf(id, kind));
        }
        while (object == nullptr) {
            kind = static_cast<enumDDObjectKind>(Pick(0, 20));
            object = ddhost::MakeObject(DefinitionOf(id, kind));
        }
        CDDObject* result = nullptr;
        const int slot = Pick(0, 2);
        if (slot == 1) {
            Called("CalculateAttributes(CDDObject)");
            result = m_calculation->CalculateAttributes(ctx, object.get());
        } else if (slot == 2 && dynamic_cast<CDDObjectVariable*>(object.get()) != nullptr) {
            Called("CalculateAttributes(CDDObjectVariable)");
            result = m_calculation->CalculateAttributes(
                ctx, static_cast<CDDObjectVariable*>(object.get()));
        } else {
            Called(std::string("CalculateAttributes(") + object->getClassName() + ")");
            result = ddhost::Calculate(*m_calculation, ctx, *object);
        }
        const auto what = [&] {
            return "calculate of ID " + std::to_string(id) + " as " + object->getClassName();
        };
        if (result != object.get()) return Fail(what() + ": another object came back");
        const bool wrong = WrongCalculate(id, kind);
        const bool filled = Attached() && id >= 0 && !wrong;
        if (filled) ++m_fills;
        if (object->getAttributesAvailable() != filled)
            return Fail(what() + (filled ? ": not filled" : ": filled"));
        ExpectMessages(wrong ? 1 : 0, what);
    }

    void ValidityOnce() {
        struct Operation {
            const char* slot;
            enumDDObjectKind kind;
        };
        static constexpr Operation kOperations[] = {{"CalculateVariableValidity", DD_KIND_VARIABLE},
                                                    {"CalculateMenuValidity", DD_KIND_MENU},
                                                    {"CalculateMethodValidity", DD_KIND_METHOD}};
        const Operation& operation = kOperations[Pick(0, 2)];
        const DDObjectId id = Chance(10) ? kConditional[Pick(0, 1)].item : AnyId();
        const DDContext ctx = AnyContext();
        const ConditionalValidity* rule =
            operation.kind == DD_KIND_VARIABLE ? FindConditional(id) : nullptr;
        std::int32_t selectorValue = 0;
        if (rule != nullptr && Attached()) {
            selectorValue = Chance(50) ? kUserCode : AnyArgument();
            m_attached->store().SetCurrentValue(ctx, rule->selector,
                                                CDDCommonVariant(selectorValue));
        }
        const CDDDefinition definition =
            DefinitionOf(id, InDirectory(id) ? KindOf(id) : operation.kind);
        // Now and then no object at all, which is answered as one of no item.
        const bool none = Chance(1);
        bool answer = true;
        Called(operation.slot);
        if (operation.kind == DD_KIND_VARIABLE) {
            CDDVariable variable(definition);
            answer = m_calculation->CalculateVariableValidity(ctx, none ? nullptr : &variable);
        } else if (operation.kind == DD_KIND_MENU) {
            CDDMenu menu(definition);
            answer = m_calculation->CalculateMenuValidity(ctx, none ? nullptr : &menu);
        } else {
            CDDMethod method(definition);
            answer = m_calculation->CalculateMethodValidity(ctx, none ? nullptr : &method);
        }
        const auto what = [&] {
            return std::string(operation.slot) + " of ID " + std::to_string(id) +
                   (none ? " without object" : "");
        };
        const bool ofItsKind = !none && registry::IsKind(id, operation.kind);
        bool expected = ofItsKind;
        if (ofItsKind && rule != nullptr)
            expected = Attached() && m_built && selectorValue == kUserCode;
        if (answer != expected) return Fail(what() + (answer ? ": true" : ": false"));
        const bool wrong = !ofItsKind || (rule != nullptr && !m_built);
        ExpectMessages(Attached() && !none && id >= 0 && wrong ? 1 : 0, what);
    }

    void ExecuteOnce() {
        const DDObjectId id = Chance(30) ? AnyIdOfKind(DD_KIND_METHOD) : AnyId();
        CDDMethod method(DefinitionOf(id, InDirectory(id) ? KindOf(id) : DD_KIND_METHOD));
        const bool none = Chance(1);
        Called("ExecuteMethod");
        const std::int32_t result = m_calculation->ExecuteMethod(
            AnyContext(), none ? nullptr : &method, AnyArgument(), Chance(50));
        const auto what = [&] {
            return "execute of ID " + std::to_string(id) + (none ? " without method" : "");
        };
        const bool isMethod = !none && registry::IsKind(id, DD_KIND_METHOD);
        const bool runs = isMethod && kMethodsThatReport.count(id) == 0;
        if (!(runs && Attached()) && result != -1)
            return Fail(what() + ": " + std::to_string(result));
        if (isMethod && !runs && Attached()) ++m_methodReports;
        ExpectMessages(Attached() && !none && id >= 0 && !runs ? 1 : 0, what);
    }

    void InformationOnce() {
        CInformation& info = *m_information;
        const int slot = Pick(1, 23);
        std::string answer;
        switch (slot) {
            case 13: {
                const std::int32_t role = AnyArgument();
                Called("GetStandardItemName");
                answer = info.GetStandardItemName(role).ptr();
                if (!NamesARole(role) && !answer.empty())
                    return Fail("role " + std::to_string(role) + ": " + answer);
                return;
            }
            case 15: {
                const CStrPP key(Chance(50) ? "" : registry::kItems[Pick(0, 637)].name);
                Called("GetMappedItemValue");
                if (!info.GetMappedItemValue(key).IsEmpty())
                    return Fail(std::string("mapped value of ") + key.ptr());
                return;
            }
            case 16: {
                const std::int32_t selector = AnyArgument();
                Called("GetSpecialItemName");
                answer = info.GetSpecialItemName(selector).ptr();
                if ((selector < 0 || selector > 2) && !answer.empty())
                    return Fail("selector " + std::to_string(selector) + ": " + answer);
                return;
            }
        }
        // The other slots take no argument and answer alike on every call.
        using Query = std::function<std::string(CInformation&)>;
        static const std::array<Query, 24> kQueries = {
            Query(),
            [](CInformation& i) { return std::to_string(i.GetInterfaceVersion()); },
            [](CInformation& i) { return std::to_string(i.GetManufacturerId()); },
            [](CInformation& i) { return std::to_string(i.GetManufacturerIconId()); },
            [](CInformation& i) { return std::to_string(i.GetManufacturerBitmapId()); },
            [](CInformation& i) { return std::string(i.GetManufacturerName().ptr()); },
            [](CInformation& i) { return std::to_string(i.GetIdentNumber()); },
            [](CInformation& i) { return std::to_string(i.GetDeviceIconId()); },
            [](CInformation& i) { return std::to_string(i.GetDeviceBitmapId()); },
            [](CInformation& i) { return std::string(i.GetDeviceName().ptr()); },
            [](CInformation& i) { return std::string(i.GetDeviceTypeName().ptr()); },
            [](CInformation& i) { return std::to_string(i.GetDeviceTypeCode()); },
            [](CInformation& i) { return std::string(i.GetHelpFileName().ptr()); },
            Query(),
            [](CInformation& i) { return std::string(i.GetMappedItemList().ptr()); },
            Query(),
            Query(),
            [](CInformation& i) { return std::string(i.GetModuleBasePath().ptr()); },
            [](CInformation& i) { return std::string(i.GetModulePath().ptr()); },
            [](CInformation& i) { return std::string(i.GetVersionLabel().ptr()); },
            [](CInformation& i) { return std::string(i.GetGeneratorVersion().ptr()); },
            [](CInformation& i) { return std::string(i.GetDtmVersion().ptr()); },
            [](CInformation& i) { return std::string(i.GetTechnicalDescription().ptr()); },
            [](CInformation& i) { return std::string(i.GetBuildDate().ptr()); },
        };
        Called("information slot " + std::to_string(slot));
        answer = kQueries[static_cast<std::size_t>(slot)](info);
        auto [first, inserted] = m_firstAnswers.emplace(slot, answer);
        if (!inserted && first->second != answer)
            Fail("information slot " + std::to_string(slot) + ": " + answer + " after " +
                 first->second);
    }

    void DataCategoryOnce() {
        const std::uint16_t* table = nullptr;
        std::int32_t count = 0;
        const bool withTable = Chance(75);
        const bool withCount = Chance(75);
        Called("GetAttributeCalcDataCategory");
        m_library.exports().getAttributeCalcDataCategory(withTable ? &table : nullptr,
                                                         withCount ? &count : nullptr);
        if ((withTable && table == nullptr) || (withCount && count != 638))
            Fail("data category table");
    }

    std::mt19937 m_random;
    ddhost::PluginLibrary m_library;
    std::array<std::unique_ptr<ddhost::ReferenceHost>, 2> m_hosts;
    std::unique_ptr<CInformation> m_information;
    std::unique_ptr<CAttributeCalculation> m_calculation;
    std::unique_ptr<NestedRequests> m_nested;
    int m_nestedWrong = 0;
    ddhost::ReferenceHost* m_attached = nullptr;
    bool m_built = false;
    bool m_failed = false;
    long m_calls = 0;
    long m_messages = 0;
    long m_builds = 0;
    long m_fills = 0;
    long m_expected = 0;
    long m_methodReports = 0;
    std::set<std::string> m_slots;
    std::map<int, std::string> m_firstAnswers;
};

long CallsToMake() {
    const char* asked = std::getenv("DD_FUZZ_CALLS");
    const long calls = asked != nullptr ? std::strtol(asked, nullptr, 10) : 0;
    return calls > 0 ? calls : kDefaultCalls;
}

TEST(HostProtocolFuzz, NoCallOrderOrArgumentBreaksThePlugin) {
    const long calls = CallsToMake();
    const auto start = std::chrono::steady_clock::now();
    HostProtocolFuzzer fuzzer;
    ASSERT_TRUE(fuzzer.Run(calls));
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    EXPECT_GE(fuzzer.calls(), calls);
    // Every slot of both objects and every export but registration was called.
    EXPECT_EQ(fuzzer.slots().size(), 54u);
    // Every message was checked against its call as it came; both kinds came.
    EXPECT_GT(fuzzer.wrongCalls(), 0);
    EXPECT_GT(fuzzer.methodReports(), 0);
    std::cout << "[ fuzz     ] seed " << kSeed << ": " << fuzzer.calls() << " calls in "
              << seconds.count() << " s, " << fuzzer.messages()
              << " messages: " << fuzzer.wrongCalls() << " wrong calls that reached a host, "
              << fuzzer.methodReports() << " runs of methods without body or parameters; "
              << fuzzer.builds() << " builds, " << fuzzer.fills() << " fills\n";
    RecordProperty("calls", std::to_string(fuzzer.calls()));
    RecordProperty("messages", std::to_string(fuzzer.messages()));
}

}  // namespace
