// The library's call recording: what a host sees of each change, and that nothing is seen
// while no recorder is installed.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ddlib/ddlib.h"

namespace {

constexpr enumDDVariableClassType Flag(int n) { return static_cast<enumDDVariableClassType>(n); }

struct Seen {
    const void* object;
    std::string text;  // "Receiver::call"
};

// Installed while it lives; the recorder found at installation comes back afterwards.
class Recording : public ddlib::CallRecorder {
  public:
    Recording() : m_previous(ddlib::SetCallRecorder(this)) {}
    ~Recording() override { ddlib::SetCallRecorder(m_previous); }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    void OnCall(const void* object, const char* receiver, const std::string& call) override {
        m_seen.push_back({object, std::string(receiver) + "::" + call});
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Seen& seen : m_seen) texts.push_back(seen.text);
        return texts;
    }
    const std::vector<Seen>& seen() const { return m_seen; }
    ddlib::CallRecorder* previous() const { return m_previous; }

  private:
    ddlib::CallRecorder* m_previous;
    std::vector<Seen> m_seen;
};

using Texts = std::vector<std::string>;

TEST(DdRecording, AVariableFillIsRecordedCallByCallWithItsArguments) {
    CDDVariable variable(CDDDefinition(141, "trans1_flowrate_unit", DD_KIND_VARIABLE));
    Recording recording;
    variable.putLabel("a\"b");
    variable.putHelp("x\\y\nz \xE4\xB3");
    variable.getClass()->putClassInfo(Flag(14), true);
    variable.getClass()->putClassInfo(Flag(12), false);
    variable.setTypeInfo(new CDDType(DD_TYPE_ENUMERATED));
    CDDType* type = variable.getTypeInfo();
    type->putSize(1);
    type->putScalingFactor(1.0);
    type->putScalingFactor(0.1);
    type->putScalingFactor(1e-20);
    type->putDisplayFormat("%G");
    type->putMaxRangeNo(0);
    type->putDefaultValue(CDDCommonVariant(17));
    type->putDefaultValue(CDDCommonVariant(17.0));
    type->putDefaultValue(CDDCommonVariant(-2.5));
    type->putDefaultValue(CDDCommonVariant("x"));
    type->putDefaultValue(CDDCommonVariant(true));
    type->putMinValues(0, CDDCommonVariant(0.0));
    type->putMaxValues(0, CDDCommonVariant(1e6));
    type->putMaxEnumIndex(2);
    type->putMaxBitEnumIndex(INT32_MIN);
    CDDEnumerator enumerator;
    enumerator.putValue(253);
    enumerator.putDescription("user unit");
    type->getEnumeratorSet()->Add(enumerator);
    CDDBitEnumerator bit(INT32_MIN);
    bit.putMethod(CDDDefinition());
    type->getBitEnumeratorSet()->Add(bit);
    variable.putHandling(DD_HANDLING_READ, true);
    variable.putHandling(DD_HANDLING_WRITE, false);
    variable.putConstantUnit("m\xB3/h");
    auto* actions = new CDDDefinitionList;
    actions->Add(CDDDefinition(500, "pv_scale_method", DD_KIND_METHOD), 0, 1);
    variable.setPostEditActions(actions);
    variable.setTypeInfo(nullptr);
    variable.putAttributesAvailable(true);

    EXPECT_EQ(recording.Texts(), (Texts{
                                     "CDDVariable::putLabel(\"a\\\"b\")",
                                     "CDDVariable::putHelp(\"x\\\\y\\nz \xE4\xB3\")",
                                     "CDDVariableClass::putClassInfo(14, true)",
                                     "CDDVariableClass::putClassInfo(12, false)",
                                     "CDDVariable::setTypeInfo(CDDType(4))",
                                     "CDDType::putSize(1)",
                                     "CDDType::putScalingFactor(1.0)",
                                     "CDDType::putScalingFactor(0.1)",
                                     "CDDType::putScalingFactor(1e-20)",
                                     "CDDType::putDisplayFormat(\"%G\")",
                                     "CDDType::putMaxRangeNo(0)",
                                     "CDDType::putDefaultValue(17)",
                                     "CDDType::putDefaultValue(17.0)",
                                     "CDDType::putDefaultValue(-2.5)",
                                     "CDDType::putDefaultValue(\"x\")",
                                     "CDDType::putDefaultValue(true)",
                                     "CDDType::putMinValues(0, 0.0)",
                                     "CDDType::putMaxValues(0, 1e+06)",
                                     "CDDType::putMaxEnumIndex(2)",
                                     "CDDType::putMaxBitEnumIndex(-2147483648)",
                                     "CDDEnumerator::putValue(253)",
                                     "CDDEnumerator::putDescription(\"user unit\")",
                                     "CDDEnumeratorSet::Add(253)",
                                     "CDDBitEnumerator::putMethod(CDDDefinition())",
                                     "CDDBitEnumeratorSet::Add(-2147483648)",
                                     "CDDVariable::putHandling(1, true)",
                                     "CDDVariable::putHandling(0, false)",
                                     "CDDVariable::putConstantUnit(\"m\xB3/h\")",
                                     "CDDDefinitionList::Add(pv_scale_method, 0, 1)",
                                     "CDDVariable::setPostEditActions(CDDDefinitionList("
                                     "pv_scale_method))",
                                     "CDDVariable::setTypeInfo(null)",
                                     "CDDVariable::putAttributesAvailable(true)",
                                 }));
}

TEST(DdRecording, EachCallNamesTheObjectItChanges) {
    CDDVariable variable(CDDDefinition(1, "v", DD_KIND_VARIABLE));
    auto* type = new CDDType(DD_TYPE_FLOAT);
    variable.setTypeInfo(type);
    CDDMethod method(CDDDefinition(2, "m", DD_KIND_METHOD));
    Recording recording;
    variable.putLabel("");
    variable.getClass()->putClassInfo(Flag(9), true);
    type->putSize(4);
    type->getEnumeratorSet()->Add(CDDEnumerator());
    method.getClass()->putClassInfo(Flag(9), true);
    method.putValidity(false);

    ASSERT_EQ(recording.seen().size(), 6u);
    EXPECT_EQ(recording.seen()[0].object, static_cast<const void*>(&variable));
    EXPECT_EQ(recording.seen()[1].object, static_cast<const void*>(variable.getClass()));
    EXPECT_EQ(recording.seen()[2].object, static_cast<const void*>(type));
    EXPECT_EQ(recording.seen()[3].object, static_cast<const void*>(type->getEnumeratorSet()));
    EXPECT_EQ(recording.seen()[4].object, static_cast<const void*>(method.getClass()));
    EXPECT_EQ(recording.seen()[4].text, "CDDMethodClass::putClassInfo(9, true)");
    EXPECT_EQ(recording.seen()[5].object, static_cast<const void*>(&method));
    EXPECT_EQ(recording.seen()[5].text, "CDDMethod::putValidity(false)");
}

TEST(DdRecording, CallsOnTheCommonBaseNameTheObjectsOwnClass) {
    const CDDDefinition def(5, "item", DD_KIND_VARIABLE);
    std::vector<std::unique_ptr<CDDObject>> objects;
    objects.emplace_back(new CDDVariable(def));
    objects.emplace_back(new CDDArray(def));
    objects.emplace_back(new CDDCommand(def));
    objects.emplace_back(new CDDMenu(def));
    objects.emplace_back(new CDDMethod(def));
    objects.emplace_back(new CDDUnit(def));
    objects.emplace_back(new CDDCollection(def));
    objects.emplace_back(new CDDBlock(def, DD_BLOCK_KIND_DEFAULT));
    objects.emplace_back(new CDDEditDisplay(def));
    objects.emplace_back(new CDDRefresh(def));
    objects.emplace_back(new CDDWriteAsOne(def));
    objects.emplace_back(new CDDItemArray(def));
    objects.emplace_back(new CDDConnection(def));
    objects.emplace_back(new CDDRecord(def));
    objects.emplace_back(new CDDVariableList(def));
    objects.emplace_back(new CDDResponseCodes(def));
    Recording recording;
    for (const auto& object : objects) object->putHelp("h");

    const Texts expected = {
        "CDDVariable::putHelp(\"h\")",     "CDDArray::putHelp(\"h\")",
        "CDDCommand::putHelp(\"h\")",      "CDDMenu::putHelp(\"h\")",
        "CDDMethod::putHelp(\"h\")",       "CDDUnit::putHelp(\"h\")",
        "CDDCollection::putHelp(\"h\")",   "CDDBlock::putHelp(\"h\")",
        "CDDEditDisplay::putHelp(\"h\")",  "CDDRefresh::putHelp(\"h\")",
        "CDDWriteAsOne::putHelp(\"h\")",   "CDDItemArray::putHelp(\"h\")",
        "CDDConnection::putHelp(\"h\")",   "CDDRecord::putHelp(\"h\")",
        "CDDVariableList::putHelp(\"h\")", "CDDResponseCodes::putHelp(\"h\")",
    };
    EXPECT_EQ(recording.Texts(), expected);
    for (std::size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(recording.seen()[i].object, static_cast<const void*>(objects[i].get()));
}

TEST(DdRecording, CommandMenuUnitAndCollectionCallsAreRecorded) {
    const CDDDefinition def(5, "item", DD_KIND_COMMAND);
    CDDCommand command(def);
    CDDMenu menu(def);
    CDDUnit unit(def);
    CDDCollection collection(def);
    const CDDBlock block(CDDDefinition(12, "phys_blk", DD_KIND_BLOCK), DD_BLOCK_KIND_DEFAULT);
    Recording recording;
    command.putBlock(block);
    command.setIndex(new CDDIndex(17));
    command.setIndex(nullptr);
    auto* transactions = new CDDTransactionSet;
    {
        CDDTransaction transaction(1);
        auto* request = new CDDDataItemList;
        CDDDataItem item;
        item.putMask(255);
        item.getReference()->putDefinition(CDDDefinition(141, "flow_unit", DD_KIND_VARIABLE));
        request->Add(item, 0, 2);
        transaction.setRequest(request);
        transaction.setReply(nullptr);
        transactions->Insert(transaction);
    }
    command.setTransactionSet(transactions);
    command.putOperation(DD_OPERATION_READ);
    auto* items = new CDDMenuItemList;
    CDDMenuItem entry;
    entry.putDefinition(CDDDefinition(41, "menu_sub", DD_KIND_MENU));
    entry.putQualifier(3);
    items->Add(entry);
    menu.setMenuItems(items);
    menu.putAccess(1);
    unit.putUnit(CDDDefinition(141, "flow_unit", DD_KIND_VARIABLE));
    auto* reread = new CDDVariableDefinitionSet;
    reread->Insert(CDDDefinition(142, "flow", DD_KIND_VARIABLE));
    unit.setReread(reread);
    auto* members = new CDDMemberSet;
    members->Add(CDDMember("VALUE"));
    collection.setMemberSet(members);
    CVBCollection locals;
    locals.Add("n", CDDCommonVariant(2));

    EXPECT_EQ(recording.Texts(), (Texts{
                                     "CDDCommand::putBlock(phys_blk)",
                                     "CDDCommand::setIndex(CDDIndex(17))",
                                     "CDDCommand::setIndex(null)",
                                     "CDDDataItem::putMask(255)",
                                     "CDDReference::putDefinition(flow_unit)",
                                     "CDDDataItemList::Add(flow_unit, 0, 2)",
                                     "CDDTransaction::setRequest(CDDDataItemList)",
                                     "CDDTransaction::setReply(null)",
                                     "CDDTransactionSet::Insert(1)",
                                     "CDDCommand::setTransactionSet(CDDTransactionSet)",
                                     "CDDCommand::putOperation(2)",
                                     "CDDMenuItem::putDefinition(menu_sub)",
                                     "CDDMenuItem::putQualifier(3)",
                                     "CDDMenuItemList::Add(menu_sub)",
                                     "CDDMenu::setMenuItems(CDDMenuItemList)",
                                     "CDDMenu::putAccess(1)",
                                     "CDDUnit::putUnit(flow_unit)",
                                     "CDDDefinitionSet::Insert(flow)",
                                     "CDDUnit::setReread(CDDVariableDefinitionSet)",
                                     "CDDMemberSet::Add(\"VALUE\")",
                                     "CDDCollection::setMemberSet(CDDMemberSet)",
                                     "CVBCollection::Add(\"n\", 2)",
                                 }));
}

TEST(DdRecording, CopiesClonesAndReadsAreNotCalls) {
    CDDCommand command(CDDDefinition(5, "cmd", DD_KIND_COMMAND));
    command.putBlock(CDDBlock(CDDDefinition(12, "phys_blk", DD_KIND_BLOCK), DD_BLOCK_KIND_DEFAULT));
    command.setTransactionSet(new CDDTransactionSet);
    command.getTransactionSet()->Insert(CDDTransaction(1));
    CDDVariable variable(CDDDefinition(1, "v", DD_KIND_VARIABLE));
    variable.setTypeInfo(new CDDType(DD_TYPE_STRING));
    variable.putLabel("label");

    Recording recording;
    std::unique_ptr<CDDObject> commandClone(command.Clone());
    std::unique_ptr<CDDObject> variableClone(variable.Clone());
    CDDVariable assigned(CDDDefinition(2, "w", DD_KIND_VARIABLE));
    assigned = variable;
    EXPECT_STREQ(variable.getLabel().ptr(), "label");
    EXPECT_NE(variable.getTypeInfo(), nullptr);
    EXPECT_EQ(variable.getValue().getKind(), CDDCommonVariant::Empty);
    EXPECT_EQ(command.getTransactionSet()->getCount(), 1);
    commandClone.reset();
    EXPECT_EQ(recording.Texts(), Texts{});
}

TEST(DdRecording, InstallingReturnsThePreviousRecorderAndNoneRecordsNothing) {
    ASSERT_EQ(ddlib::GetCallRecorder(), nullptr);
    CDDVariable variable(CDDDefinition(1, "v", DD_KIND_VARIABLE));
    auto outer = std::make_unique<Recording>();
    EXPECT_EQ(outer->previous(), nullptr);
    EXPECT_EQ(ddlib::GetCallRecorder(), outer.get());
    variable.putLabel("outer");
    {
        Recording inner;
        EXPECT_EQ(inner.previous(), outer.get());
        variable.putLabel("inner");
        EXPECT_EQ(inner.Texts(), Texts{"CDDVariable::putLabel(\"inner\")"});
    }
    EXPECT_EQ(ddlib::GetCallRecorder(), outer.get());
    variable.putLabel("outer again");
    EXPECT_EQ(outer->Texts(), (Texts{"CDDVariable::putLabel(\"outer\")",
                                     "CDDVariable::putLabel(\"outer again\")"}));

    EXPECT_EQ(ddlib::SetCallRecorder(nullptr), outer.get());
    variable.putLabel("nobody");
    variable.getClass()->putClassInfo(Flag(14), true);
    variable.setTypeInfo(new CDDType(DD_TYPE_FLOAT));
    variable.getTypeInfo()->putDefaultValue(CDDCommonVariant(1.5));
    EXPECT_EQ(outer->Texts().size(), 2u);
    EXPECT_EQ(ddlib::SetCallRecorder(outer.get()), nullptr);
    outer.reset();
    EXPECT_EQ(ddlib::GetCallRecorder(), nullptr);
    // The calls still took effect.
    EXPECT_STREQ(variable.getLabel().ptr(), "nobody");
    EXPECT_TRUE(variable.classInfo().getClassInfo(Flag(14)));
}

}  // namespace
