// The attribute-calculation object as the host drives it: its life cycle, the calculate
// operations, the validity and execute dispatch with their messages, the validity functions,
// the data-category table, and the same through the loaded module.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/call_trace.h"
#include "engine/object_kinds.h"
#include "engine/session.h"
#include "support/trace_helpers.h"

extern "C" CAttributeCalculation* GetAttributeCalculation();
extern "C" void GetAttributeCalcDataCategory(const std::uint16_t** table, std::int32_t* count);

namespace {

using ddhost::StoreCall;
using ddhost::StoreOperation;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kPrefix = ":   0,  0 : ";
const char kVariableText[] = "illegal object ID (calculate Variable validity) for object ";
const char kMenuText[] = "illegal object ID (calculate Menu validity) for object ";
const char kMethodText[] = "illegal object ID (calculate Method validity) for object ";
const char kExecuteMessage[] = ":   0,  0 : illegal method ID (execute)";
const char kIllegalCalculate[] = "illegal object ID (calculate attributes) for object ";
const char kNotBuilt[] = "object directory not built (calculate attributes) for object ";
const char kWrongClass[] = "object class does not match its ID (calculate attributes) for object ";

// What the host saw of the plug-in: every request, every store call, every message.
struct HostCounters {
    int storeRequests;
    int sinkRequests;
    int servicesCreated;
    std::size_t storeCalls;
    std::size_t messages;

    explicit HostCounters(ddhost::ReferenceHost& host)
        : storeRequests(host.storeRequests()),
          sinkRequests(host.sinkRequests()),
          servicesCreated(host.servicesCreated()),
          storeCalls(host.store().calls().size()),
          messages(host.sink().messages().size()) {}
    bool operator==(const HostCounters&) const = default;
};

// The calculate slot declared for T, called through the interface.
template <class T>
CDDObject* CalculateAs(CAttributeCalculation& calculation, DDContext ctx, CDDObject* object) {
    return calculation.CalculateAttributes(ctx, static_cast<T*>(object));
}

template <class T>
std::unique_ptr<CDDObject> Make(const CDDDefinition& definition) {
    if constexpr (std::is_same_v<T, CDDBlock>)
        return std::make_unique<CDDBlock>(definition, DD_BLOCK_KIND_DEFAULT);
    else
        return std::make_unique<T>(definition);
}

// One calculate slot, with the class of the object handed to it.
struct Slot {
    const char* name;
    std::unique_ptr<CDDObject> (*make)(const CDDDefinition&);
    CDDObject* (*calculate)(CAttributeCalculation&, DDContext, CDDObject*);
};

template <class Declared, class Made = Declared>
Slot SlotOf(const char* name) {
    return {name, &Make<Made>, &CalculateAs<Declared>};
}

// All eighteen slots; the two declared for base classes get objects that no item has.
const std::vector<Slot> kSlots = {
    SlotOf<CDDVariable>("CDDVariable"),
    SlotOf<CDDCommand>("CDDCommand"),
    SlotOf<CDDMenu>("CDDMenu"),
    SlotOf<CDDEditDisplay>("CDDEditDisplay"),
    SlotOf<CDDMethod>("CDDMethod"),
    SlotOf<CDDRefresh>("CDDRefresh"),
    SlotOf<CDDUnit>("CDDUnit"),
    SlotOf<CDDWriteAsOne>("CDDWriteAsOne"),
    SlotOf<CDDArray>("CDDArray"),
    SlotOf<CDDCollection>("CDDCollection"),
    SlotOf<CDDItemArray>("CDDItemArray"),
    SlotOf<CDDConnection>("CDDConnection"),
    SlotOf<CDDBlock>("CDDBlock"),
    SlotOf<CDDRecord>("CDDRecord"),
    SlotOf<CDDVariableList>("CDDVariableList"),
    SlotOf<CDDResponseCodes>("CDDResponseCodes"),
    SlotOf<CDDObjectVariable, CDDArray>("CDDObjectVariable (an array)"),
    SlotOf<CDDObject, CDDRecord>("CDDObject (a record)"),
};

TEST(CalculateSlots, ThereAreEighteen) { EXPECT_EQ(kSlots.size(), 18u); }

TEST(Lifecycle, AFreshObjectHasNoHostNoFactoriesNoDefinitionsAndIsReady) {
    std::unique_ptr<CAttributeCalculation> made(GetAttributeCalculation());
    ASSERT_NE(made, nullptr);
    const auto* calculation = dynamic_cast<CDeviceAttributeCalculation*>(made.get());
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->host(), nullptr);
    for (DDObjectId id = 0; id <= 637; ++id) {
        EXPECT_EQ(calculation->factoryEntry(id), nullptr) << id;
        EXPECT_EQ(calculation->definition(id), nullptr) << id;
    }
    EXPECT_TRUE(made->IsReady());
    // Each call makes a new object.
    std::unique_ptr<CAttributeCalculation> other(GetAttributeCalculation());
    EXPECT_NE(other.get(), made.get());
}

TEST(Lifecycle, AttachFillsTheFactoryTableByIdAndTouchesNoOtherObject) {
    ddhost::ReferenceHost host;
    CDeviceAttributeCalculation calculation;
    CDeviceAttributeCalculation other;
    calculation.Attach(&host);
    EXPECT_EQ(calculation.host(), &host);
    EXPECT_TRUE(calculation.IsReady());
    EXPECT_EQ(calculation.factoryEntry(0), nullptr);
    EXPECT_EQ(calculation.factoryEntry(1), &CDeviceAttributeCalculation::Create___menu_Observe);
    EXPECT_EQ(calculation.factoryEntry(222), &CDeviceAttributeCalculation::Create_func1_out_value);
    EXPECT_EQ(calculation.factoryEntry(637),
              &CDeviceAttributeCalculation::Create___TSF__ident_number);
    // Every item has a factory of its own.
    for (DDObjectId id = 1; id <= 637; ++id) {
        ASSERT_NE(calculation.factoryEntry(id), nullptr) << id;
        for (DDObjectId earlier = 1; earlier < id; ++earlier)
            ASSERT_NE(calculation.factoryEntry(id), calculation.factoryEntry(earlier))
                << id << " and " << earlier;
    }
    // Attaching asks the host nothing and builds nothing.
    EXPECT_EQ(host.storeRequests(), 0);
    EXPECT_EQ(host.sinkRequests(), 0);
    EXPECT_EQ(calculation.definition(1), nullptr);

    EXPECT_EQ(other.host(), nullptr);
    for (DDObjectId id = 0; id <= 637; ++id) ASSERT_EQ(other.factoryEntry(id), nullptr) << id;
}

TEST(Lifecycle, DetachDropsTheHostAndKeepsBothTables) {
    PluginFixture f;
    const CDDDefinition* definition = f.calculation.definition(222);
    const auto factory = f.calculation.factoryEntry(222);
    const HostCounters before(f.host);
    f.calculation.Detach();
    EXPECT_EQ(f.calculation.host(), nullptr);
    EXPECT_TRUE(f.calculation.IsReady());
    EXPECT_EQ(HostCounters(f.host), before);
    for (DDObjectId id = 1; id <= 637; ++id) {
        EXPECT_NE(f.calculation.factoryEntry(id), nullptr) << id;
        EXPECT_NE(f.calculation.definition(id), nullptr) << id;
    }
    EXPECT_EQ(f.calculation.definition(222), definition);

    // A later attach takes the new host and writes the same factories.
    ddhost::ReferenceHost second;
    f.calculation.Attach(&second);
    EXPECT_EQ(f.calculation.host(), &second);
    EXPECT_EQ(f.calculation.factoryEntry(222), factory);
    EXPECT_EQ(f.calculation.definition(222), definition);
}

TEST(Lifecycle, DetachWithoutAttachLeavesNoHost) {
    CDeviceAttributeCalculation calculation;
    calculation.Detach();
    EXPECT_EQ(calculation.host(), nullptr);
    EXPECT_TRUE(calculation.IsReady());
}

TEST(Lifecycle, DestroyingABuiltObjectCallsNothingOnTheHost) {
    // Each definition is deleted once: the sanitizer run reports a leak or a double delete.
    ddhost::ReferenceHost host;
    std::unique_ptr<CAttributeCalculation> calculation(GetAttributeCalculation());
    calculation->Attach(&host);
    calculation->BuildDefinitions();
    const HostCounters before(host);
    calculation.reset();
    EXPECT_EQ(HostCounters(host), before);
}

TEST(Lifecycle, DestroyingAnUnbuiltObjectDeletesNothing) {
    ddhost::ReferenceHost host;
    std::unique_ptr<CAttributeCalculation> calculation(GetAttributeCalculation());
    calculation->Attach(&host);
    EXPECT_TRUE(TraceOf([&] { calculation.reset(); }).empty());
}

// Calculate operations -------------------------------------------------------------------

TEST(Calculate, ANegativeIdLeavesTheObjectAloneInEverySlot) {
    PluginFixture f;
    for (const Slot& slot : kSlots) {
        for (DDObjectId id : {-1, INT_MIN}) {
            std::unique_ptr<CDDObject> object = slot.make(CDDDefinition(id, "x", DD_KIND_VARIABLE));
            const HostCounters before(f.host);
            CDDObject* result = nullptr;
            const auto calls =
                TraceOf([&] { result = slot.calculate(f.calculation, 5, object.get()); });
            EXPECT_EQ(result, object.get()) << slot.name;
            EXPECT_FALSE(object->getAttributesAvailable()) << slot.name;
            EXPECT_THAT(calls, IsEmpty()) << slot.name;
            EXPECT_EQ(HostCounters(f.host), before) << slot.name << " " << id;
        }
    }
}

TEST(Calculate, AnIdWithoutItemIsReportedOnceInEverySlot) {
    PluginFixture f;
    for (const Slot& slot : kSlots) {
        for (DDObjectId id : {0, 638, INT_MAX}) {
            std::unique_ptr<CDDObject> object =
                slot.make(CDDDefinition(id, "no_such_item", DD_KIND_VARIABLE));
            const int storeRequests = f.host.storeRequests();
            CDDObject* result = nullptr;
            const auto calls =
                TraceOf([&] { result = slot.calculate(f.calculation, 5, object.get()); });
            EXPECT_EQ(result, object.get()) << slot.name;
            EXPECT_FALSE(object->getAttributesAvailable()) << slot.name << " " << id;
            EXPECT_THAT(calls, IsEmpty()) << slot.name << " " << id;
            EXPECT_EQ(f.host.storeRequests(), storeRequests);
            EXPECT_THAT(f.host.sink().Take(),
                        ElementsAre(kPrefix + kIllegalCalculate + "no_such_item"))
                << slot.name << " " << id;
        }
    }
}

TEST(Calculate, AnObjectOfAnotherClassThanItsIdsKindIsReported) {
    PluginFixture f;
    // ID 222 is the variable func1_out_value: only a CDDVariable may carry it.
    for (const Slot& slot : kSlots) {
        if (std::string(slot.name) == "CDDVariable") continue;
        std::unique_ptr<CDDObject> object =
            slot.make(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
        const auto calls = TraceOf([&] { slot.calculate(f.calculation, 5, object.get()); });
        EXPECT_FALSE(object->getAttributesAvailable()) << slot.name;
        EXPECT_THAT(calls, IsEmpty()) << slot.name;
        EXPECT_THAT(f.host.sink().Take(), ElementsAre(kPrefix + kWrongClass + "func1_out_value"))
            << slot.name;
    }
    // A menu carrying a variable's ID, and a variable carrying a command's.
    CDDMenu menu(CDDDefinition(222, "func1_out_value", DD_KIND_MENU));
    EXPECT_EQ(f.calculation.CalculateAttributes(5, &menu), &menu);
    EXPECT_THAT(f.host.sink().Take(), ElementsAre(kPrefix + kWrongClass + "func1_out_value"));
    CDDVariable variable(CDDDefinition(56, "read_phys_st_rev", DD_KIND_VARIABLE));
    EXPECT_EQ(f.calculation.CalculateAttributes(5, &variable), &variable);
    EXPECT_FALSE(variable.getAttributesAvailable());
    EXPECT_THAT(f.host.sink().Take(), ElementsAre(kPrefix + kWrongClass + "read_phys_st_rev"));
}

TEST(Calculate, BeforeTheDirectoryIsBuiltTheRequestIsReported) {
    PluginFixture f(false);
    CDDVariable variable(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
    const auto calls = TraceOf([&] { f.calculation.CalculateAttributes(5, &variable); });
    EXPECT_THAT(calls, IsEmpty());
    EXPECT_FALSE(variable.getAttributesAvailable());
    EXPECT_EQ(f.host.storeRequests(), 0);
    EXPECT_THAT(f.host.sink().Take(), ElementsAre(kPrefix + kNotBuilt + "func1_out_value"));
}

TEST(Calculate, WithoutAHostNothingHappens) {
    // Never attached: no factories, nobody to tell.
    CDeviceAttributeCalculation calculation;
    CDDCommand command(CDDDefinition(56, "read_phys_st_rev", DD_KIND_COMMAND));
    CDDCommand* result = nullptr;
    EXPECT_THAT(TraceOf([&] { result = calculation.CalculateAttributes(5, &command); }), IsEmpty());
    EXPECT_EQ(result, &command);
    EXPECT_FALSE(command.getAttributesAvailable());

    // Detached after a build: the same.
    PluginFixture f;
    f.calculation.Detach();
    const HostCounters before(f.host);
    EXPECT_THAT(TraceOf([&] { f.calculation.CalculateAttributes(5, &command); }), IsEmpty());
    EXPECT_FALSE(command.getAttributesAvailable());
    EXPECT_EQ(HostCounters(f.host), before);
}

TEST(Calculate, EverySlotThatFitsTheObjectFillsItAlike) {
    PluginFixture f;
    for (DDObjectId id : {18, 222, 56, 1, 3, 168, 231}) {
        // Through the slot of the object's own class, and through those of its bases.
        std::vector<std::function<CDDObject*(CAttributeCalculation&, CDDObject*)>> slots = {
            [](CAttributeCalculation& c, CDDObject* o) { return ddhost::Calculate(c, 9, *o); },
            [](CAttributeCalculation& c, CDDObject* o) { return c.CalculateAttributes(9, o); }};
        if (registry::IsKind(id, DD_KIND_VARIABLE)) {
            slots.push_back([](CAttributeCalculation& c, CDDObject* o) {
                return c.CalculateAttributes(9, static_cast<CDDObjectVariable*>(o));
            });
        }
        std::vector<std::string> first;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
            f.host.store().ClearCalls();
            CDDObject* result = nullptr;
            const auto calls = TraceOf([&] { result = slots[i](f.calculation, object.get()); });
            EXPECT_EQ(result, object.get()) << id;
            EXPECT_TRUE(object->getAttributesAvailable()) << id << " slot " << i;
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(calls.back(),
                      std::string(object->getClassName()) + "::putAttributesAvailable(true)");
            if (i == 0)
                first = calls;
            else
                EXPECT_EQ(calls, first) << id << " slot " << i;
        }
        EXPECT_THAT(f.host.sink().messages(), IsEmpty()) << id;
    }
}

TEST(Calculate, TheHostValueReachesTheFactorysHostCalls) {
    PluginFixture f;
    f.host.store().ClearCalls();
    f.Fill(56, 0xCAFE1234u);
    ASSERT_EQ(f.host.store().calls().size(), 1u);
    EXPECT_EQ(f.host.store().calls()[0].operation, StoreOperation::GetBlock);
    EXPECT_EQ(f.host.store().calls()[0].ctx, 0xCAFE1234u);
}

// Validity and execute dispatch ----------------------------------------------------------

// One validity operation, with the class it takes and the text of its message.
struct ValidityOperation {
    const char* kindText;
    std::size_t kindTextLength;
    std::function<bool(CAttributeCalculation&, DDContext, const CDDDefinition&)> ask;
};

template <class T>
std::function<bool(CAttributeCalculation&, DDContext, const CDDDefinition&)> Ask(
    bool (CAttributeCalculation::*operation)(DDContext, T*)) {
    return [operation](CAttributeCalculation& c, DDContext ctx, const CDDDefinition& d) {
        T object(d);
        return (c.*operation)(ctx, &object);
    };
}

const ValidityOperation kVariableValidity = {
    kVariableText, 59, Ask<CDDVariable>(&CAttributeCalculation::CalculateVariableValidity)};
const ValidityOperation kMenuValidity = {
    kMenuText, 55, Ask<CDDMenu>(&CAttributeCalculation::CalculateMenuValidity)};
const ValidityOperation kMethodValidity = {
    kMethodText, 57, Ask<CDDMethod>(&CAttributeCalculation::CalculateMethodValidity)};

std::int32_t Execute(CAttributeCalculation& calculation, const CDDDefinition& definition) {
    CDDMethod method(definition);
    return calculation.ExecuteMethod(3, &method, 42, false);
}

TEST(Dispatch, MessageTextsHaveTheirLengths) {
    EXPECT_EQ(kPrefix.size(), 12u);
    for (const ValidityOperation* op : {&kVariableValidity, &kMenuValidity, &kMethodValidity})
        EXPECT_EQ(std::strlen(op->kindText), op->kindTextLength) << op->kindText;
    EXPECT_EQ(std::strlen(kExecuteMessage), 39u);
}

TEST(Dispatch, AValidityRequestForAnIdOfNoItemOfItsKindIsReported) {
    PluginFixture f;
    const std::pair<const ValidityOperation*, std::vector<DDObjectId>> cases[] = {
        // ID 0, above the directory, a command, and the IDs of the other two kinds.
        {&kVariableValidity, {0, 638, INT_MAX, 56, 1, 3}},
        {&kMenuValidity, {0, 638, INT_MAX, 56, 87, 3}},
        {&kMethodValidity, {0, 638, INT_MAX, 56, 87, 1}},
    };
    for (const auto& [op, ids] : cases) {
        for (DDObjectId id : ids) {
            const std::string name =
                id > 0 && id <= 637 ? registry::kItems[id].name : "item_" + std::to_string(id);
            const int storeRequests = f.host.storeRequests();
            const int sinkRequests = f.host.sinkRequests();
            EXPECT_FALSE(
                op->ask(f.calculation, 7, CDDDefinition(id, name.c_str(), DD_KIND_VARIABLE)));
            EXPECT_THAT(f.host.sink().Take(), ElementsAre(kPrefix + op->kindText + name));
            EXPECT_EQ(f.host.sinkRequests(), sinkRequests + 1);
            EXPECT_EQ(f.host.storeRequests(), storeRequests) << name;
        }
    }
    // The message is built from bytes exactly as written.
    EXPECT_FALSE(
        kMenuValidity.ask(f.calculation, 7, CDDDefinition(87, "phys_tag_desc", DD_KIND_VARIABLE)));
    EXPECT_THAT(f.host.sink().Take(),
                ElementsAre(":   0,  0 : illegal object ID (calculate Menu validity) for object "
                            "phys_tag_desc"));
}

TEST(Dispatch, AnEmptyNameEndsTheMessageWithTheBlank) {
    PluginFixture f;
    EXPECT_FALSE(kVariableValidity.ask(f.calculation, 7, CDDDefinition(0, "", DD_KIND_VARIABLE)));
    EXPECT_FALSE(kMethodValidity.ask(f.calculation, 7, CDDDefinition(638, "", DD_KIND_METHOD)));
    EXPECT_FALSE(kMenuValidity.ask(f.calculation, 7, CDDDefinition(56, "", DD_KIND_MENU)));
    EXPECT_THAT(
        f.host.sink().Take(),
        ElementsAre(":   0,  0 : illegal object ID (calculate Variable validity) for object ",
                    ":   0,  0 : illegal object ID (calculate Method validity) for object ",
                    ":   0,  0 : illegal object ID (calculate Menu validity) for object "));
}

TEST(Dispatch, ANegativeIdIsAnsweredWithoutAnyHostCall) {
    PluginFixture f;
    for (DDObjectId id : {-1, -637, INT_MIN}) {
        const CDDDefinition definition(id, "x", DD_KIND_VARIABLE);
        const HostCounters before(f.host);
        const auto calls = TraceOf([&] {
            EXPECT_FALSE(kVariableValidity.ask(f.calculation, 7, definition));
            EXPECT_FALSE(kMenuValidity.ask(f.calculation, 7, definition));
            EXPECT_FALSE(kMethodValidity.ask(f.calculation, 7, definition));
            EXPECT_EQ(Execute(f.calculation, definition), -1);
        });
        EXPECT_THAT(calls, IsEmpty());
        EXPECT_EQ(HostCounters(f.host), before) << id;
    }
}

TEST(Dispatch, ExecuteOfAnIdThatIsNoMethodIsReportedWithoutName) {
    PluginFixture f;
    for (DDObjectId id : {0, 638, INT_MAX, 87, 1, 56, 18}) {
        const int storeRequests = f.host.storeRequests();
        EXPECT_EQ(Execute(f.calculation, CDDDefinition(id, "some_name", DD_KIND_METHOD)), -1);
        EXPECT_THAT(f.host.sink().Take(), ElementsAre(kExecuteMessage)) << id;
        EXPECT_EQ(f.host.storeRequests(), storeRequests);
        EXPECT_EQ(f.host.servicesCreated(), 0);
    }
}

TEST(Dispatch, EachOperationAcceptsItsOwnKind) {
    PluginFixture f;
    const HostCounters before(f.host);
    EXPECT_TRUE(kVariableValidity.ask(f.calculation, 7, *f.calculation.definition(87)));
    EXPECT_TRUE(kMenuValidity.ask(f.calculation, 7, *f.calculation.definition(1)));
    EXPECT_TRUE(kMethodValidity.ask(f.calculation, 7, *f.calculation.definition(3)));
    EXPECT_EQ(HostCounters(f.host), before);
    // A method ID reaches the method's own execute entry, not the illegal-ID path.
    CDDMethod method(*f.calculation.definition(17));
    f.calculation.ExecuteMethod(7, &method, 0, true);
    for (const std::string& message : f.host.sink().Take())
        EXPECT_EQ(message.find("illegal method ID"), std::string::npos) << message;
}

TEST(Dispatch, WithoutAHostEveryRequestIsAnsweredSilently) {
    // Never attached; detached after a build; attached to no host after a build.
    CDeviceAttributeCalculation never;
    PluginFixture detached;
    detached.calculation.Detach();
    PluginFixture toNoHost;
    toNoHost.calculation.Attach(nullptr);
    const HostCounters detachedBefore(detached.host);
    const HostCounters toNoHostBefore(toNoHost.host);

    std::vector<DDObjectId> ids = {-1, 0, 638, INT_MAX, INT_MIN};
    for (DDObjectId id = 1; id <= 637; ++id) ids.push_back(id);
    for (CDeviceAttributeCalculation* calculation :
         {&never, &detached.calculation, &toNoHost.calculation}) {
        for (DDObjectId id : ids) {
            const CDDDefinition definition(
                id, registry::IsKind(id, DD_KIND_VARIABLE) ? registry::kItems[id].name : "x",
                DD_KIND_VARIABLE);
            // Only the validity functions that need nothing answer true; the user units need
            // a current value.
            const bool plainVariable = registry::IsKind(id, DD_KIND_VARIABLE) &&
                                       id != item::trans1_user_flow_rate_unit &&
                                       id != item::func2_UserUnit;
            EXPECT_EQ(kVariableValidity.ask(*calculation, 7, definition), plainVariable) << id;
            EXPECT_EQ(kMenuValidity.ask(*calculation, 7, definition),
                      registry::IsKind(id, DD_KIND_MENU))
                << id;
            EXPECT_EQ(kMethodValidity.ask(*calculation, 7, definition),
                      registry::IsKind(id, DD_KIND_METHOD))
                << id;
            EXPECT_EQ(Execute(*calculation, definition), -1) << id;
        }
    }
    // The hosts once attached hear nothing more.
    EXPECT_EQ(HostCounters(detached.host), detachedBefore);
    EXPECT_EQ(HostCounters(toNoHost.host), toNoHostBefore);
}

TEST(Dispatch, NoObjectIsAnsweredAsOneOfNoItem) {
    PluginFixture f;
    const HostCounters before(f.host);
    EXPECT_FALSE(f.calculation.CalculateVariableValidity(7, nullptr));
    EXPECT_FALSE(f.calculation.CalculateMenuValidity(7, nullptr));
    EXPECT_FALSE(f.calculation.CalculateMethodValidity(7, nullptr));
    EXPECT_EQ(f.calculation.ExecuteMethod(7, nullptr, 0, false), -1);
    for (const Slot& slot : kSlots)
        EXPECT_EQ(slot.calculate(f.calculation, 7, nullptr), nullptr) << slot.name;
    EXPECT_EQ(HostCounters(f.host), before);
}

// Validity functions ---------------------------------------------------------------------

TEST(Validity, PlainFunctionsAnswerTrueWithoutAskingTheHost) {
    PluginFixture f;
    const HostCounters before(f.host);
    int asked = 0;
    for (DDObjectId id = 1; id <= 637; ++id) {
        if (id == item::trans1_user_flow_rate_unit || id == item::func2_UserUnit) continue;
        const CDDDefinition& definition = *f.calculation.definition(id);
        for (DDContext ctx : {0u, 1u, 0xFFFFFFFFu}) {
            switch (definition.getKind()) {
                case DD_KIND_VARIABLE:
                    EXPECT_TRUE(kVariableValidity.ask(f.calculation, ctx, definition)) << id;
                    break;
                case DD_KIND_MENU:
                    EXPECT_TRUE(kMenuValidity.ask(f.calculation, ctx, definition)) << id;
                    break;
                case DD_KIND_METHOD:
                    EXPECT_TRUE(kMethodValidity.ask(f.calculation, ctx, definition)) << id;
                    break;
                default:
                    continue;
            }
            ++asked;
        }
    }
    EXPECT_EQ(asked, 3 * (247 - 2 + 209 + 21));
    EXPECT_EQ(HostCounters(f.host), before);
}

TEST(Validity, PlainFunctionsNeedNoHostAndNoDirectory) {
    CDeviceAttributeCalculation calculation;
    EXPECT_TRUE(kVariableValidity.ask(calculation, 0, CDDDefinition(87, "x", DD_KIND_VARIABLE)));
    EXPECT_TRUE(kMenuValidity.ask(calculation, 0, CDDDefinition(1, "x", DD_KIND_MENU)));
    EXPECT_TRUE(kMethodValidity.ask(calculation, 0, CDDDefinition(517, "x", DD_KIND_METHOD)));
}

TEST(Validity, UserUnitsAreValidWhileTheirSelectorHoldsTheUserCode) {
    PluginFixture f;
    const struct {
        DDObjectId item;
        DDObjectId selector;
    } rules[] = {{165, 141}, {405, 400}};
    for (const auto& rule : rules) {
        const CDDDefinition& asked = *f.calculation.definition(rule.item);
        // The host changes the value between requests; each answer follows it.
        for (const auto& [value, valid] : std::vector<std::pair<CDDCommonVariant, bool>>{
                 {253, true}, {24, false}, {253, true}, {254, false}, {1, false}, {253.0, true}}) {
            f.SetValue(rule.selector, value);
            f.host.store().ClearCalls();
            const int storeRequests = f.host.storeRequests();
            EXPECT_EQ(kVariableValidity.ask(f.calculation, 0x5150u, asked), valid)
                << rule.item << " with " << value.getDouble();
            const std::vector<StoreCall>& calls = f.host.store().calls();
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].operation, StoreOperation::GetCurrentValue);
            EXPECT_EQ(calls[0].id, rule.selector);
            EXPECT_EQ(calls[0].ctx, 0x5150u);
            EXPECT_EQ(f.host.storeRequests(), storeRequests + 1);
        }
    }
    EXPECT_THAT(f.host.sink().messages(), IsEmpty());
}

TEST(Validity, UserUnitsAskedBeforeTheBuildAreInvalidAndReported) {
    PluginFixture f(false);
    for (DDObjectId id : {165, 405})
        EXPECT_FALSE(kVariableValidity.ask(
            f.calculation, 7, CDDDefinition(id, registry::kItems[id].name, DD_KIND_VARIABLE)));
    EXPECT_EQ(f.host.storeRequests(), 0);
    const std::string notBuilt =
        kPrefix + "object directory not built (calculate Variable validity) for object ";
    EXPECT_THAT(f.host.sink().Take(),
                ElementsAre(notBuilt + "trans1_user_flow_rate_unit", notBuilt + "func2_UserUnit"));
}

TEST(Validity, EveryMethodIsFilledAsValid) {
    PluginFixture f;
    int methods = 0;
    for (DDObjectId id = 1; id <= 637; ++id) {
        if (!registry::IsKind(id, DD_KIND_METHOD)) continue;
        ++methods;
        const std::unique_ptr<CDDMethod> method = f.FillAs<CDDMethod>(id);
        EXPECT_TRUE(method->hasValidity()) << id;
        EXPECT_TRUE(method->getValidity()) << id;
        EXPECT_EQ(method->classInfo().getMask(), 1u << 14) << id;
        EXPECT_TRUE(method->getAttributesAvailable()) << id;
    }
    EXPECT_EQ(methods, 21);
    EXPECT_THAT(f.host.sink().messages(), IsEmpty());
}

// Data categories ------------------------------------------------------------------------

TEST(DataCategory, OnlyTheBusConfigurationVariablesHaveCategoryThree) {
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    GetAttributeCalcDataCategory(&table, &count);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(count, 638);
    int three = 0;
    for (DDObjectId id = 0; id < count; ++id) {
        if (id >= 594 && id <= 620) {
            EXPECT_EQ(table[id], 3) << id;
            ++three;
        } else {
            EXPECT_EQ(table[id], 0) << id;
        }
    }
    EXPECT_EQ(three, 27);
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[593], 0);
    EXPECT_EQ(table[621], 0);
    EXPECT_EQ(table[637], 0);
    EXPECT_STREQ(registry::kItems[594].name, "_TSFGSD_SIFlag");
    EXPECT_STREQ(registry::kItems[620].name, "_TSFGSD_ChannelProtectionSlot03");

    const std::uint16_t* again = nullptr;
    std::int32_t againCount = 0;
    GetAttributeCalcDataCategory(&again, &againCount);
    EXPECT_EQ(again, table);
    EXPECT_EQ(againCount, 638);
}

TEST(DataCategory, AMissingOutParameterIsLeftAlone) {
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    GetAttributeCalcDataCategory(nullptr, &count);
    EXPECT_EQ(count, 638);
    GetAttributeCalcDataCategory(&table, nullptr);
    EXPECT_NE(table, nullptr);
    GetAttributeCalcDataCategory(nullptr, nullptr);
}

// The loaded module ----------------------------------------------------------------------

TEST(LoadedPlugin, BuildsTheDirectoryAndAnswersValidity) {
    ddhost::Session session(DD_PLUGIN_PATH);
    EXPECT_EQ(session.store().objects().size(), 637u);
    EXPECT_EQ(session.store().variableSets().size(), 247u);
    EXPECT_EQ(session.store().transactionSets().size(), 146u);

    const std::unique_ptr<CDDObject> object = session.store().Copy(165);
    auto* variable = dynamic_cast<CDDVariable*>(object.get());
    ASSERT_NE(variable, nullptr);
    session.store().SetCurrentValue(1, 141, CDDCommonVariant(253));
    EXPECT_TRUE(session.calculation().CalculateVariableValidity(1, variable));
    session.store().SetCurrentValue(1, 141, CDDCommonVariant(24));
    EXPECT_FALSE(session.calculation().CalculateVariableValidity(1, variable));

    CDDMenu menu(CDDDefinition(0, "nothing", DD_KIND_MENU));
    EXPECT_FALSE(session.calculation().CalculateMenuValidity(1, &menu));
    EXPECT_THAT(session.host().sink().Take(),
                ElementsAre(":   0,  0 : illegal object ID (calculate Menu validity) for object "
                            "nothing"));

    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    session.library().exports().getAttributeCalcDataCategory(&table, &count);
    ASSERT_EQ(count, 638);
    EXPECT_EQ(table[594], 3);
    EXPECT_EQ(table[621], 0);
}

}  // namespace
