// The reference host's object store, driven by a scripted attribute-calculation object so
// that each behaviour can be provoked on its own.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>

#include "engine/call_trace.h"
#include "engine/object_kinds.h"
#include "engine/plugin_call.h"
#include "engine/reference_host.h"

namespace ddhost {
namespace {

// Fills objects by script: per ID, a function that runs against the attached host.
class ScriptedCalculation : public CAttributeCalculation {
  public:
    using Script = std::function<void(DDContext, CDDObject&, AttributeHost&)>;

    std::map<DDObjectId, Script> scripts;
    std::vector<DDObjectId> filled;
    AttributeHost* host = nullptr;

    void Attach(AttributeHost* h) override { host = h; }
    bool IsReady() override { return true; }
    void Detach() override { host = nullptr; }
    void BuildDefinitions() override {}

#define FILL(Class) \
    Class* CalculateAttributes(DDContext ctx, Class* o) override { return Fill(ctx, o); }
    FILL(CDDVariable)
    FILL(CDDCommand)
    FILL(CDDMenu)
    FILL(CDDEditDisplay)
    FILL(CDDMethod)
    FILL(CDDRefresh)
    FILL(CDDUnit)
    FILL(CDDWriteAsOne)
    FILL(CDDArray)
    FILL(CDDCollection)
    FILL(CDDItemArray)
    FILL(CDDConnection)
    FILL(CDDBlock)
    FILL(CDDRecord)
    FILL(CDDVariableList)
    FILL(CDDResponseCodes)
    FILL(CDDObjectVariable)
    FILL(CDDObject)
#undef FILL
    bool CalculateMenuValidity(DDContext, CDDMenu*) override { return true; }
    bool CalculateMethodValidity(DDContext, CDDMethod*) override { return true; }
    bool CalculateVariableValidity(DDContext, CDDVariable*) override { return true; }
    std::int32_t ExecuteMethod(DDContext, CDDMethod*, std::int32_t, bool) override { return 0; }

  private:
    template <class T>
    T* Fill(DDContext ctx, T* object) {
        const DDObjectId id = object->getcDefinition()->getID();
        filled.push_back(id);
        object->putLabel(CStrPP("filled"));
        if (auto it = scripts.find(id); it != scripts.end()) it->second(ctx, *object, *host);
        object->putAttributesAvailable(true);
        return object;
    }
};

const CDDDefinition kBlock(18, "physical_block", DD_KIND_BLOCK);
const CDDDefinition kRevision(7, "phys_software_rev_numeric", DD_KIND_VARIABLE);
const CDDDefinition kDecimalPoint(233, "func1_out_decimal_point", DD_KIND_VARIABLE);
const CDDDefinition kOutValue(222, "func1_out_value", DD_KIND_VARIABLE);
const CDDDefinition kRead(16, "read_phys_software_rev_numeric", DD_KIND_COMMAND);
const CDDDefinition kCollection(168, "func1", DD_KIND_COLLECTION);

void PutDefault(CDDObject& object, const CDDCommonVariant& value) {
    auto* type = new CDDType(DD_TYPE_UNSIGNED);
    type->putDefaultValue(value);
    dynamic_cast<CDDVariable&>(object).setTypeInfo(type);
}

CDDCommonVariant Ask(AttributeHost& host, DDContext ctx, const CDDDefinition& variable) {
    std::unique_ptr<CDDCommonVariant> value(host.GetObjectStore()->GetCurrentValue(ctx, variable));
    return *value;
}

// A store that holds a small directory, handed over the way the plug-in does: each object
// deleted right after the call.
class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store().SetRecording(StoreRecording::On);
        calculation.Attach(&host);
        store().SetCalculation(&calculation);
        Add(std::make_unique<CDDBlock>(kBlock, DD_BLOCK_KIND_DEFAULT));
        auto revision = std::make_unique<CDDVariable>(kRevision);
        revision->setTypeInfo(new CDDType(DD_TYPE_UNSIGNED));
        revision->getClass()->putClassInfo(static_cast<enumDDVariableClassType>(14), true);
        Add(std::move(revision));
        Add(std::make_unique<CDDVariable>(kDecimalPoint));
        Add(std::make_unique<CDDVariable>(kOutValue));
        Add(std::make_unique<CDDCommand>(kRead));
        Add(std::make_unique<CDDCollection>(kCollection));
        store().ClearCalls();
    }

    void Add(std::unique_ptr<CDDObject> object) { host.GetObjectStore()->AddObject(object.get()); }
    ReferenceObjectStore& store() { return host.store(); }

    ReferenceHost host;
    ScriptedCalculation calculation;
};

TEST_F(StoreTest, KeepsItsOwnCopyOfEveryObjectReceived) {
    ASSERT_EQ(store().objects().size(), 6u);
    // The originals are gone; the copies keep what the objects carried.
    const auto* revision = dynamic_cast<const CDDVariable*>(store().Find(7));
    ASSERT_NE(revision, nullptr);
    ASSERT_NE(revision->getTypeInfo(), nullptr);
    EXPECT_EQ(revision->getTypeInfo()->getType(), DD_TYPE_UNSIGNED);
    EXPECT_EQ(revision->classInfo().getMask(), 1u << 14);
    EXPECT_EQ(store().Find("physical_block"), store().Find(18));
    EXPECT_EQ(store().Find(999), nullptr);
    EXPECT_EQ(store().Find("no_such_item"), nullptr);
}

TEST_F(StoreTest, ALaterObjectOfTheSameIdOrNameIsTheOneFound) {
    const CDDObject* revision = store().Find(7);
    Add(std::make_unique<CDDMenu>(CDDDefinition(7, "__menu_Observe", DD_KIND_MENU)));
    Add(std::make_unique<CDDMenu>(CDDDefinition(900, "physical_block", DD_KIND_MENU)));
    ASSERT_EQ(store().objects().size(), 8u);
    EXPECT_EQ(store().Find(7), store().objects()[6].get());
    EXPECT_EQ(store().Find("physical_block"), store().objects()[7].get());
    // The list keeps what was received, and the earlier object keeps its other key.
    EXPECT_EQ(store().objects()[1].get(), revision);
    EXPECT_EQ(store().Find("phys_software_rev_numeric"), revision);
    EXPECT_EQ(store().Find(18), store().objects()[0].get());
}

TEST_F(StoreTest, KeepsNoRecordWhenNotAsked) {
    store().SetRecording(StoreRecording::Off);
    CDDDefinitionSet set;
    set.Insert(kRevision);
    CDDTransactionRef ref(0, kRead);
    store().AddReplySet(&ref, &set);
    store().AddVariableSet(kRevision, &set);
    Add(std::make_unique<CDDMenu>(CDDDefinition(1, "__menu_Observe", DD_KIND_MENU)));
    std::unique_ptr<CDDCollection> collection(store().GetCollection(1, kCollection));
    delete store().GetBlock(1, kBlock);
    delete store().GetMember(1, collection.get(), CStrPP("OUT"));
    delete store().GetCurrentValue(1, kDecimalPoint);
    EXPECT_TRUE(store().calls().empty());
    // What the directory needs is still kept.
    EXPECT_EQ(store().transactionSets().size(), 1u);
    EXPECT_EQ(store().variableSets().size(), 1u);
    EXPECT_NE(store().Find("__menu_Observe"), nullptr);
}

TEST_F(StoreTest, RecordsEveryDirectoryCallWithItsArguments) {
    CDDTransactionRef ref(0, kRead);
    CDDDefinitionSet request;
    CDDDefinitionSet reply;
    reply.Insert(kRevision);
    reply.Insert(kRevision);
    reply.Insert(kDecimalPoint);
    CDDDefinitionSet empty;
    ObjectStore& s = store();
    s.AddRequestSet(&ref, &request);
    s.AddReplySet(&ref, &reply);
    s.AddVariableSet(kRevision, &empty);
    Add(std::make_unique<CDDMenu>(CDDDefinition(1, "__menu_Observe", DD_KIND_MENU)));

    const std::vector<StoreCall>& calls = store().calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].operation, StoreOperation::AddRequestSet);
    EXPECT_EQ(calls[0].id, 16);
    EXPECT_EQ(calls[0].transaction, 0);
    EXPECT_TRUE(calls[0].set.empty());
    EXPECT_EQ(calls[1].operation, StoreOperation::AddReplySet);
    EXPECT_EQ(calls[1].set, (std::vector<DDObjectId>{7, 7, 233}));
    EXPECT_EQ(calls[2].operation, StoreOperation::AddVariableSet);
    EXPECT_EQ(calls[2].name, "phys_software_rev_numeric");
    EXPECT_EQ(calls[3].operation, StoreOperation::AddObject);
    EXPECT_EQ(calls[3].kind, DD_KIND_MENU);
    EXPECT_EQ(Describe(calls[1]),
              "AddReplySet(16 read_phys_software_rev_numeric, transaction 0, {7 7 233})");

    // Request and reply of one transaction end up together; repeats are kept.
    ASSERT_EQ(store().transactionSets().size(), 1u);
    const TransactionSets& sets = store().transactionSets()[0];
    EXPECT_EQ(sets.command.getID(), 16);
    EXPECT_TRUE(sets.request.empty());
    ASSERT_EQ(sets.reply.size(), 3u);
    EXPECT_EQ(sets.reply[2].getID(), 233);
    ASSERT_EQ(store().variableSets().size(), 1u);
    EXPECT_EQ(store().variableSets()[0].variable.getID(), 7);
}

TEST_F(StoreTest, NullArgumentsAreRecordedAndRefused) {
    CDDDefinitionSet set;
    EXPECT_FALSE(store().AddObject(nullptr));
    EXPECT_FALSE(store().AddRequestSet(nullptr, &set));
    EXPECT_EQ(store().calls().size(), 2u);
    EXPECT_EQ(store().objects().size(), 6u);
    EXPECT_TRUE(store().transactionSets().empty());
}

TEST_F(StoreTest, GetBlockReturnsANewFilledBlockThatTheCallerOwns) {
    std::unique_ptr<CDDBlock> first(store().GetBlock(42, kBlock));
    std::unique_ptr<CDDBlock> second(store().GetBlock(43, kBlock));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_NE(first.get(), store().Find(18));
    EXPECT_TRUE(first->getAttributesAvailable());
    EXPECT_EQ(first->getcDefinition()->getID(), 18);
    EXPECT_FALSE(store().Find(18)->getAttributesAvailable());

    ASSERT_EQ(store().calls().size(), 2u);
    EXPECT_EQ(store().calls()[0].operation, StoreOperation::GetBlock);
    EXPECT_EQ(store().calls()[0].ctx, 42u);
    EXPECT_EQ(store().calls()[1].ctx, 43u);
    EXPECT_EQ(store().calls()[0].id, 18);
}

TEST_F(StoreTest, GetOperationsAnswerDefinitionsOutsideTheDirectoryWithBareObjects) {
    const CDDDefinition stranger(500, "stranger", DD_KIND_BLOCK);
    std::unique_ptr<CDDBlock> block(store().GetBlock(1, stranger));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->getcDefinition()->getID(), 500);
    // A definition whose directory object is of another class still yields the class asked.
    std::unique_ptr<CDDCollection> collection(store().GetCollection(1, kBlock));
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(collection->getcDefinition()->getID(), 18);
}

TEST_F(StoreTest, GetMemberFillsAnObjectOfTheMembersKind) {
    std::unique_ptr<CDDCollection> collection(store().GetCollection(5, kCollection));
    auto* members = new CDDMemberSet;
    CDDMember member(CStrPP("OUT"));
    member.putDefinition(kOutValue);
    members->Add(member);
    collection->setMemberSet(members);
    store().ClearCalls();
    calculation.filled.clear();

    std::unique_ptr<CDDObject> out(store().GetMember(5, collection.get(), CStrPP("OUT")));
    ASSERT_NE(dynamic_cast<CDDVariable*>(out.get()), nullptr);
    EXPECT_EQ(out->getcDefinition()->getID(), 222);
    EXPECT_TRUE(out->getAttributesAvailable());
    EXPECT_EQ(calculation.filled, std::vector<DDObjectId>{222});
    ASSERT_EQ(store().calls().size(), 1u);
    EXPECT_EQ(store().calls()[0].operation, StoreOperation::GetMember);
    EXPECT_EQ(store().calls()[0].id, 168);
    EXPECT_EQ(store().calls()[0].member, "OUT");

    // No such member: an object that every operation leaves alone, never null.
    std::unique_ptr<CDDObject> none(store().GetMember(5, collection.get(), CStrPP("PV")));
    ASSERT_NE(none, nullptr);
    EXPECT_LT(none->getcDefinition()->getID(), 0);
    std::unique_ptr<CDDObject> noCollection(store().GetMember(5, nullptr, CStrPP("OUT")));
    EXPECT_NE(noCollection, nullptr);
}

TEST_F(StoreTest, CurrentValueStartsAsTheDefaultAfterTheFill) {
    calculation.scripts[233] = [](DDContext, CDDObject& o, AttributeHost&) {
        PutDefault(o, CDDCommonVariant(3));
    };
    std::unique_ptr<CDDCommonVariant> value(store().GetCurrentValue(9, kDecimalPoint));
    ASSERT_EQ(value->getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(value->getInt(), 3);
    // A variable whose fill puts no default starts at 0.
    std::unique_ptr<CDDCommonVariant> none(store().GetCurrentValue(9, kOutValue));
    EXPECT_EQ(none->getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(none->getInt(), 0);
    // The default is computed once.
    store().CurrentValue(9, 233);
    EXPECT_EQ(calculation.filled, (std::vector<DDObjectId>{233, 222}));
    ASSERT_EQ(store().calls().size(), 2u);
    EXPECT_EQ(store().calls()[0].operation, StoreOperation::GetCurrentValue);
    EXPECT_EQ(store().calls()[0].ctx, 9u);
    EXPECT_EQ(store().calls()[0].id, 233);
}

TEST_F(StoreTest, EveryGetCurrentValueIsANewVariant) {
    store().SetCurrentValue(1, 233, CDDCommonVariant(5));
    std::unique_ptr<CDDCommonVariant> first(store().GetCurrentValue(1, kDecimalPoint));
    std::unique_ptr<CDDCommonVariant> second(store().GetCurrentValue(1, kDecimalPoint));
    EXPECT_NE(first.get(), second.get());
    *first = CDDCommonVariant(7);
    std::unique_ptr<CDDCommonVariant> third(store().GetCurrentValue(1, kDecimalPoint));
    EXPECT_EQ(third->getInt(), 5);
}

TEST_F(StoreTest, ASetValueReplacesTheDefaultAndIsNotRecomputed) {
    calculation.scripts[233] = [](DDContext, CDDObject& o, AttributeHost&) {
        PutDefault(o, CDDCommonVariant(3));
    };
    store().SetCurrentValue(1, 233, CDDCommonVariant("text"));
    EXPECT_EQ(store().CurrentValue(1, 233).getString(), "text");
    EXPECT_TRUE(calculation.filled.empty());
    store().SetCurrentValue(1, 233, CDDCommonVariant(2.5));
    EXPECT_DOUBLE_EQ(store().CurrentValue(1, 233).getDouble(), 2.5);
}

TEST_F(StoreTest, ADefaultThatAsksForItselfGetsZero) {
    std::vector<std::int32_t> seen;
    calculation.scripts[233] = [&](DDContext ctx, CDDObject& o, AttributeHost& h) {
        seen.push_back(Ask(h, ctx, kDecimalPoint).getInt());
        PutDefault(o, CDDCommonVariant(4));
    };
    EXPECT_EQ(store().CurrentValue(1, 233).getInt(), 4);
    EXPECT_EQ(seen, std::vector<std::int32_t>{0});
    // The 0 handed out while the default was computed was not kept.
    EXPECT_EQ(store().CurrentValue(1, 233).getInt(), 4);
}

TEST_F(StoreTest, DefaultsThatDependOnEachOtherEnd) {
    calculation.scripts[233] = [](DDContext ctx, CDDObject& o, AttributeHost& h) {
        PutDefault(o, CDDCommonVariant(Ask(h, ctx, kOutValue).getInt() + 1));
    };
    calculation.scripts[222] = [](DDContext ctx, CDDObject& o, AttributeHost& h) {
        PutDefault(o, CDDCommonVariant(Ask(h, ctx, kDecimalPoint).getInt() + 10));
    };
    EXPECT_EQ(store().CurrentValue(1, 233).getInt(), 11);
}

TEST_F(StoreTest, AnObjectAskedForWhileItIsFilledComesBackBare) {
    calculation.scripts[18] = [](DDContext ctx, CDDObject&, AttributeHost& h) {
        std::unique_ptr<CDDBlock> inner(h.GetObjectStore()->GetBlock(ctx, kBlock));
        EXPECT_FALSE(inner->getAttributesAvailable());
    };
    std::unique_ptr<CDDBlock> block(store().GetBlock(1, kBlock));
    EXPECT_TRUE(block->getAttributesAvailable());
    EXPECT_EQ(calculation.filled, std::vector<DDObjectId>{18});
}

TEST_F(StoreTest, TheStoresOwnFillsStayOutOfTheTraceAndTheRecord) {
    calculation.scripts[233] = [](DDContext, CDDObject& o, AttributeHost&) {
        PutDefault(o, CDDCommonVariant(2));
    };
    calculation.scripts[222] = [](DDContext ctx, CDDObject& o, AttributeHost& h) {
        std::unique_ptr<CDDBlock> block(h.GetObjectStore()->GetBlock(ctx, kBlock));
        o.putHelp(CStrPP(std::to_string(Ask(h, ctx, kDecimalPoint).getInt()).c_str()));
    };
    std::unique_ptr<CDDObject> out = store().Copy(222);
    std::vector<std::string> lines;
    {
        CallTrace trace;
        Calculate(calculation, 1, *out);
        for (const TracedCall& call : trace.calls()) lines.push_back(call.Text());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"CDDVariable::putLabel(\"filled\")",
                                               "CDDVariable::putHelp(\"2\")",
                                               "CDDVariable::putAttributesAvailable(true)"}));
    ASSERT_EQ(store().calls().size(), 2u);
    EXPECT_EQ(store().calls()[0].operation, StoreOperation::GetBlock);
    EXPECT_EQ(store().calls()[1].operation, StoreOperation::GetCurrentValue);
    EXPECT_EQ(ddlib::GetCallRecorder(), nullptr);
}

// A fill that gives the variable a floating-point type, with a size unless it is 0.
ScriptedCalculation::Script FloatType(int size, double defaultValue) {
    return [=](DDContext, CDDObject& o, AttributeHost&) {
        auto* type = new CDDType(DD_TYPE_FLOAT);
        if (size != 0) type->putSize(size);
        type->putDefaultValue(CDDCommonVariant(defaultValue));
        dynamic_cast<CDDVariable&>(o).setTypeInfo(type);
    };
}

// What a floating-point variable of four bytes (the size given or not) holds is what four bytes
// hold, whichever way the value came: its default, a value set, a value a method puts. One of
// eight bytes, or of another type, holds the value as given.
TEST_F(StoreTest, AFourByteFloatHoldsWhatFourBytesHold) {
    const double given = 0.100000001;
    const double single = static_cast<float>(given);
    ASSERT_NE(given, single);
    calculation.scripts[233] = FloatType(0, given);
    calculation.scripts[7] = FloatType(4, 0);
    calculation.scripts[222] = FloatType(8, given);
    EXPECT_EQ(store().CurrentValue(1, 233).getDouble(), single);
    EXPECT_EQ(store().CurrentValue(1, 222).getDouble(), given);

    // The log shows a four-byte value by its own shortest text, an eight-byte one by the double's.
    ReferenceMethodServices services(1, store(), host.methodRuns());
    const double widened = 0.3f;
    services.PutValue(CStrPP("func1_out_decimal_point"), CDDCommonVariant(widened));
    services.PutValue(CStrPP("func1_out_value"), CDDCommonVariant(widened));
    EXPECT_EQ(services.GetFloatValue(CStrPP("func1_out_decimal_point")), 0.3f);
    EXPECT_EQ(services.GetFloatValue(CStrPP("func1_out_value")), widened);
    EXPECT_EQ(host.TakeMethodLog(),
              (MethodLog{"PutValue(func1_out_decimal_point, 0.3)",
                         "PutValue(func1_out_value, 0.30000001192092896)",
                         "GetFloatValue(func1_out_decimal_point) -> 0.3",
                         "GetFloatValue(func1_out_value) -> 0.30000001192092896"}));

    store().SetCurrentValue(1, 7, CDDCommonVariant(16777217));
    const CDDCommonVariant rounded = store().CurrentValue(1, 7);
    EXPECT_EQ(rounded.getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(rounded.getDouble(), 16777216.0);
    // A value that four bytes hold as it is stays as it is. The type is learned once: no value
    // stored later needs a fill to tell.
    calculation.filled.clear();
    store().SetCurrentValue(1, 7, CDDCommonVariant(16777216));
    EXPECT_EQ(store().CurrentValue(1, 7).getKind(), CDDCommonVariant::Integer);
    store().SetCurrentValue(1, 7, CDDCommonVariant(0.1));
    EXPECT_EQ(store().CurrentValue(1, 7).getDouble(), 0.1f);
    EXPECT_TRUE(calculation.filled.empty());
}

// An exception that leaves a call into the plug-in is the plug-in's, once, however deep the
// store's own fills inside that call went.
TEST_F(StoreTest, AnExceptionThatLeavesThePluginIsMarkedAsThePlugins) {
    calculation.scripts[222] = [](DDContext, CDDObject&, AttributeHost&) {
        throw std::length_error("too long");
    };
    calculation.scripts[18] = [](DDContext ctx, CDDObject&, AttributeHost& h) {
        delete h.GetObjectStore()->GetCurrentValue(ctx, kOutValue);
    };
    calculation.scripts[233] = [](DDContext, CDDObject&, AttributeHost&) { throw 1; };
    const auto failure = [&](DDObjectId id) -> std::string {
        const std::unique_ptr<CDDObject> object = store().Copy(id);
        try {
            Calculate(calculation, 1, *object);
        } catch (const PluginError& error) {
            return error.what();
        }
        return "none";
    };
    EXPECT_EQ(failure(222), "the plug-in raised an exception: too long");
    EXPECT_EQ(failure(18), "the plug-in raised an exception: too long");
    EXPECT_EQ(failure(233), "the plug-in raised an exception that is not a standard one");
}

TEST_F(StoreTest, WithoutACalculationObjectsStayBare) {
    store().SetCalculation(nullptr);
    std::unique_ptr<CDDBlock> block(store().GetBlock(1, kBlock));
    EXPECT_FALSE(block->getAttributesAvailable());
    EXPECT_EQ(store().CurrentValue(1, 233).getInt(), 0);
}

TEST(MessageSink, KeepsEveryMessageAsBytesInOrder) {
    RecordingMessageSink sink;
    MessageSink& asPlugin = sink;
    asPlugin.Report(CStrPP(":   0,  0 : illegal method ID (execute)"));
    asPlugin.Report(CStrPP("Ger\xE4t"));
    asPlugin.Report(CStrPP(""));
    ASSERT_EQ(sink.messages().size(), 3u);
    EXPECT_EQ(sink.messages()[1], "Ger\xE4t");
    EXPECT_EQ(sink.messages()[2], "");
    EXPECT_EQ(sink.Take().size(), 3u);
    EXPECT_TRUE(sink.messages().empty());
}

// Records which overload received the object.
class OverloadProbe : public ScriptedCalculation {
  public:
    std::string reached;
    CDDVariable* CalculateAttributes(DDContext, CDDVariable* o) override {
        reached = "variable";
        return o;
    }
    CDDArray* CalculateAttributes(DDContext, CDDArray* o) override {
        reached = "array";
        return o;
    }
    CDDBlock* CalculateAttributes(DDContext, CDDBlock* o) override {
        reached = "block";
        return o;
    }
    using ScriptedCalculation::CalculateAttributes;
};

class DerivedBlock : public CDDBlock {
  public:
    using CDDBlock::CDDBlock;
};

TEST(ObjectKinds, CalculateCallsTheOverloadOfTheObjectsClass) {
    OverloadProbe probe;
    for (auto [kind, overload] :
         {std::pair{DD_KIND_VARIABLE, "variable"}, std::pair{DD_KIND_ARRAY, "array"},
          std::pair{DD_KIND_BLOCK, "block"}}) {
        std::unique_ptr<CDDObject> object = MakeObject(CDDDefinition(1, "x", kind));
        EXPECT_EQ(Calculate(probe, 3, *object), object.get());
        EXPECT_EQ(probe.reached, overload);
    }
    // The class decides where the definition's kind names another class or none.
    CDDVariable variable(CDDDefinition(1, "x", DD_KIND_BLOCK));
    EXPECT_EQ(Calculate(probe, 3, variable), &variable);
    EXPECT_EQ(probe.reached, "variable");
    DerivedBlock block(CDDDefinition(2, "y", DD_KIND_BLOCK), DD_BLOCK_KIND_DEFAULT);
    Calculate(probe, 3, block);
    EXPECT_EQ(probe.reached, "block");
    CDDArray array(CDDDefinition(3, "z", static_cast<enumDDObjectKind>(99)));
    Calculate(probe, 3, array);
    EXPECT_EQ(probe.reached, "array");
}

}  // namespace
}  // namespace ddhost
