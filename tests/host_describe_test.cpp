// The JSON view of library objects that ddhost shows.

#include <gtest/gtest.h>

#include "cli/describe.h"

namespace ddhost {
namespace {

TEST(Describe, VariantsKeepTheirKind) {
    EXPECT_TRUE(Describe(CDDCommonVariant(3)).is_number_integer());
    EXPECT_TRUE(Describe(CDDCommonVariant(2.0)).is_number_float());
    EXPECT_EQ(Describe(CDDCommonVariant("m\xB3/h")), "m³/h");
    EXPECT_EQ(Describe(CDDCommonVariant(true)), true);
    EXPECT_TRUE(Describe(CDDCommonVariant()).is_null());
}

TEST(Describe, ABareVariableShowsOnlyWhatItCarries) {
    CDDVariable variable(CDDDefinition(7, "phys_software_rev_numeric", DD_KIND_VARIABLE));
    Json json = Describe(variable);
    EXPECT_EQ(json["id"], 7);
    EXPECT_EQ(json["kind"], 0);
    EXPECT_EQ(json["class"], "CDDVariable");
    EXPECT_EQ(json["attributesAvailable"], false);
    for (const char* absent : {"label", "help", "type", "constantUnit", "postEditActions"}) {
        EXPECT_FALSE(json.contains(absent)) << absent;
    }
    EXPECT_EQ(json["classFlags"], Json::array());
    EXPECT_EQ(json["handling"], Json({{"read", false}, {"write", false}}));
    // The identifying keys lead.
    EXPECT_EQ(json.begin().key(), "id");
}

TEST(Describe, AFilledVariableShowsEveryAttributePut) {
    CDDVariable variable(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
    variable.putLabel(CStrPP(""));
    variable.getClass()->putClassInfo(static_cast<enumDDVariableClassType>(9), true);
    variable.getClass()->putClassInfo(static_cast<enumDDVariableClassType>(15), true);
    auto* type = new CDDType(DD_TYPE_ENUMERATED);
    type->putSize(1);
    type->putDisplayFormat(CStrPP(".2f"));
    type->putMinValues(0, CDDCommonVariant(0));
    type->putMaxValues(0, CDDCommonVariant(100.5));
    CDDEnumerator enumerator;
    enumerator.putValue(3);
    enumerator.putDescription(CStrPP("\x80"));
    type->getEnumeratorSet()->Add(enumerator);
    variable.setTypeInfo(type);
    variable.putHandling(DD_HANDLING_READ, true);
    variable.putConstantUnit(
        CStrPP("\xB0"
               "C"));

    Json json = Describe(variable);
    EXPECT_EQ(json["label"], "");
    EXPECT_EQ(json["classFlags"], Json({9, 15}));
    EXPECT_EQ(json["handling"]["read"], true);
    EXPECT_EQ(json["constantUnit"], "°C");
    Json& t = json["type"];
    EXPECT_EQ(t["code"], 4);
    EXPECT_EQ(t["size"], 1);
    EXPECT_EQ(t["displayFormat"], ".2f");
    EXPECT_FALSE(t.contains("editFormat"));
    EXPECT_FALSE(t.contains("scalingFactor"));
    EXPECT_FALSE(t.contains("default"));
    EXPECT_EQ(t["ranges"], Json::parse(R"([{"min": 0, "max": 100.5}])"));
    EXPECT_EQ(t["enumerators"], Json::parse(R"([{"value": 3, "description": "€", "help": ""}])"));
    EXPECT_FALSE(t.contains("bitEnumerators"));
}

TEST(Describe, ACommandShowsItsAddressAndDataItems) {
    const CDDDefinition block(18, "physical_block", DD_KIND_BLOCK);
    CDDCommand command(CDDDefinition(16, "read_x", DD_KIND_COMMAND));
    command.putBlock(CDDBlock(block, DD_BLOCK_KIND_DEFAULT));
    command.setIndex(new CDDIndex(8));
    command.putOperation(DD_OPERATION_READ);
    auto* reply = new CDDDataItemList;
    CDDDataItem item;
    item.putKind(DD_DATA_ITEM_REFERENCE);
    item.putMask(0);
    item.getReference()->putDefinition(CDDDefinition(8, "rev_000", DD_KIND_VARIABLE));
    reply->Add(item, 0, 0);
    CDDTransaction transaction(0);
    transaction.setRequest(new CDDDataItemList);
    transaction.setReply(reply);
    auto* transactions = new CDDTransactionSet;
    transactions->Insert(transaction);
    command.setTransactionSet(transactions);

    Json json = Describe(command);
    EXPECT_EQ(json["block"], Json::parse(R"({"id": 18, "name": "physical_block", "kind": 12})"));
    EXPECT_EQ(json["index"], 8);
    EXPECT_EQ(json["operation"], 2);
    EXPECT_EQ(json["transactions"], Json::parse(R"([{"number": 0, "request": [],
        "reply": [{"id": 8, "name": "rev_000", "kind": 1, "mask": 0}]}])"));
}

TEST(Describe, OtherKindsShowTheirAttributesOnceTheyArePut) {
    CDDCollection collection(CDDDefinition(168, "func1", DD_KIND_COLLECTION));
    EXPECT_FALSE(Describe(collection).contains("members"));
    auto* members = new CDDMemberSet;
    CDDMember member(CStrPP("OUT"));
    member.putDefinition(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
    members->Add(member);
    collection.setMemberSet(members);
    EXPECT_EQ(Describe(collection)["members"][0]["id"], 222);

    CDDMethod method(CDDDefinition(3, "reset", DD_KIND_METHOD));
    EXPECT_FALSE(Describe(method).contains("validity"));
    method.putValidity(false);
    EXPECT_EQ(Describe(method)["validity"], false);
}

}  // namespace
}  // namespace ddhost
