// ddhost's commands, run in-process against the real plug-in.

#include <gtest/gtest.h>

#include "cli/commands.h"
#include "cli/item_lookup.h"

namespace ddhost {
namespace {

class CommandsTest : public ::testing::Test {
  protected:
    Session session{DD_PLUGIN_PATH};
};

TEST_F(CommandsTest, DirectoryListsWhatTheStoreReceivedInOrder) {
    Json json = DirectoryCommand(session).json;
    ASSERT_EQ(json["objects"].size(), 637u);
    EXPECT_EQ(json["objects"][0],
              Json::parse(R"({"id": 18, "name": "physical_block", "kind": 12})"));
    Json& variable = json["objects"][4];
    EXPECT_EQ(variable["id"], 7);
    EXPECT_EQ(variable["type"], 3);
    EXPECT_EQ(variable["classFlags"], Json({14}));
    EXPECT_EQ(json["transactionSets"].size(), 146u);
    EXPECT_EQ(json["transactionSets"][0]["command"], 16);
    EXPECT_EQ(json["transactionSets"][0]["request"], Json::array());
    EXPECT_EQ(json["transactionSets"][0]["reply"], Json({8, 9, 10, 11, 12, 13, 15}));
    ASSERT_EQ(json["variableSets"].size(), 247u);
    EXPECT_EQ(json["variableSets"][0], 90);
    EXPECT_EQ(json["variableSets"][246], 637);
}

TEST_F(CommandsTest, ShowFillsAFreshObjectAndTracesTheFill) {
    const CommandOutput output = ShowCommand(session, "func1_out_value", true);
    EXPECT_EQ(output.json["id"], 222);
    EXPECT_EQ(output.json["class"], "CDDVariable");
    EXPECT_EQ(output.json["attributesAvailable"], true);
    ASSERT_FALSE(output.json["trace"].empty());
    EXPECT_EQ(output.json["trace"].back(), "CDDVariable::putAttributesAvailable(true)");
    EXPECT_EQ(output.text.substr(output.text.rfind('\n', output.text.size() - 2) + 1),
              "CDDVariable::putAttributesAvailable(true)\n");
    // The directory's own object stays bare.
    EXPECT_FALSE(session.store().Find(222)->getAttributesAvailable());
}

TEST_F(CommandsTest, ShowWithoutTraceInstallsNoRecorder) {
    Json json = ShowCommand(session, "18", false).json;
    EXPECT_FALSE(json.contains("trace"));
    EXPECT_EQ(json["messages"], Json::array());
    EXPECT_EQ(ddlib::GetCallRecorder(), nullptr);
}

TEST_F(CommandsTest, EveryCommandsDataItemsMatchItsDirectorySets) {
    for (const TransactionSets& sets : session.store().transactionSets()) {
        Json json = ShowCommand(session, std::to_string(sets.command.getID()), false).json;
        ASSERT_EQ(json["transactions"].size(), 1u) << sets.command.name().ptr();
        Json& transaction = json["transactions"][0];
        auto ids = [](const Json& items) {
            std::vector<DDObjectId> out;
            for (const Json& item : items) out.push_back(item["id"].get<DDObjectId>());
            return out;
        };
        auto setIds = [](const std::vector<CDDDefinition>& definitions) {
            std::vector<DDObjectId> out;
            for (const CDDDefinition& d : definitions) out.push_back(d.getID());
            return out;
        };
        EXPECT_EQ(ids(transaction["request"]), setIds(sets.request)) << sets.command.name().ptr();
        EXPECT_EQ(ids(transaction["reply"]), setIds(sets.reply)) << sets.command.name().ptr();
    }
}

TEST_F(CommandsTest, AnUnknownNameListsTheClosestNames) {
    try {
        ShowCommand(session, "func1_out_valeu", false);
        FAIL() << "no error";
    } catch (const CommandError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("'func1_out_valeu'"), std::string::npos) << message;
        EXPECT_NE(message.find("func1_out_value"), std::string::npos) << message;
    }
    EXPECT_THROW(ShowCommand(session, "638", false), CommandError);
    // Case is forgiven when nothing else matches.
    EXPECT_EQ(ShowCommand(session, "PHYSICAL_BLOCK", false).json["id"], 18);
}

TEST_F(CommandsTest, ValidityOfAnotherKindReportsTheIllegalId) {
    Json json = ValidityCommand(session, "phys_tag_desc", "menu").json;
    EXPECT_EQ(json["operation"], "CalculateMenuValidity");
    EXPECT_EQ(json["valid"], false);
    EXPECT_EQ(json["messages"],
              Json({":   0,  0 : illegal object ID (calculate Menu validity) for object "
                    "phys_tag_desc"}));
}

TEST_F(CommandsTest, ValidityAndExecRefuseIdsOutsideTheDirectoryAsShowDoes) {
    for (const char* id : {"0", "-5", "638"}) {
        SCOPED_TRACE(id);
        EXPECT_THROW(ValidityCommand(session, id, "variable"), CommandError);
        EXPECT_THROW(ExecCommand(session, id, {}), CommandError);
    }
    EXPECT_EQ(session.host().servicesCreated(), 0);
    EXPECT_TRUE(session.host().sink().messages().empty());
    EXPECT_THROW(ValidityCommand(session, "read_phys_software_rev_numeric", ""), CommandError);
}

TEST_F(CommandsTest, ValidityByKindReachesTheItemsOwnFunction) {
    const CommandOutput output = ValidityCommand(session, "phys_tag_desc", "");
    EXPECT_EQ(output.json["operation"], "CalculateVariableValidity");
    EXPECT_EQ(output.json["valid"], true);
    EXPECT_EQ(output.text, "true\n");
}

TEST_F(CommandsTest, ExecOfAnItemThatIsNoMethodRunsNothing) {
    for (const char* item : {"phys_tag_desc", "read_phys_blk", "1", "18"}) {
        SCOPED_TRACE(item);
        EXPECT_THROW(ExecCommand(session, item, {}), CommandError);
    }
    EXPECT_EQ(session.host().servicesCreated(), 0);
    EXPECT_TRUE(session.host().sink().messages().empty());
}

TEST_F(CommandsTest, InfoAnswersEveryQuery) {
    Json json = InfoCommand(session).json;
    EXPECT_EQ(json["interfaceVersion"], 1);
    EXPECT_EQ(json["manufacturerId"], 17);
    EXPECT_EQ(json["identNumber"], 5392);
    EXPECT_EQ(json["standardItemNames"].size(), 23u);
    EXPECT_EQ(json["standardItemNames"]["14"], "__menu_Observe");
    EXPECT_EQ(json["standardItemNames"]["10007"], "__menu_Observe");
    EXPECT_EQ(json["specialItemNames"]["2"], "phys_tag_desc");
    EXPECT_EQ(json["mappedItemList"], "");
    EXPECT_EQ(json["mappedItemValues"], Json({{"", ""}}));
    EXPECT_EQ(json["dataCategories"]["count"], 638);
    EXPECT_EQ(json["dataCategories"]["nonZero"].size(), 27u);
    EXPECT_EQ(json["dataCategories"]["nonZero"]["594"], 3);
}

TEST_F(CommandsTest, ASetValueReachesTheFill) {
    ApplySetting(session.store(), "func1_out_decimal_point=5", kCommandContext);
    EXPECT_EQ(session.store().CurrentValue(kCommandContext, 233).getInt(), 5);
    Json json = ShowCommand(session, "func1_out_value", false).json;
    EXPECT_EQ(json["type"]["displayFormat"], ".5f");
    EXPECT_THROW(ApplySetting(session.store(), "physical_block=1", kCommandContext), CommandError);
    EXPECT_THROW(ApplySetting(session.store(), "=1", kCommandContext), CommandError);
    EXPECT_THROW(ApplySetting(session.store(), "func1_out_decimal_point", kCommandContext),
                 CommandError);
}

TEST_F(CommandsTest, SetValuesAreCheckedAgainstTheVariablesTypeAndSize) {
    const char* refused[] = {"func1_out_decimal_point=abc",  // enumerated, one byte
                             "func1_out_decimal_point=",
                             "func1_out_decimal_point=256",
                             "func1_out_decimal_point=-1",
                             "func1_out_decimal_point=2.5",
                             "loc_limit_error=128",  // integer, one byte
                             "loc_limit_error=99999999999",
                             "phys_software_rev_numeric=65536",  // unsigned
                             "func1_hi_lim=1e999",               // floating point
                             "func1_hi_lim=nan",
                             "func1_hi_lim=inf",
                             "func1_hi_lim=4e38",
                             "func1_hi_lim=",
                             "phys_install_date=123456789",  // eight characters
                             "phys_install_date=\xC4\x80"};
    for (const char* setting : refused) {
        SCOPED_TRACE(setting);
        EXPECT_THROW(ApplySetting(session.store(), setting, kCommandContext), CommandError);
    }
    try {
        ApplySetting(session.store(), "233=abc", kCommandContext);
        FAIL() << "no error";
    } catch (const CommandError& error) {
        EXPECT_STREQ(error.what(),
                     "--set: func1_out_decimal_point, a 1-byte enumerated variable, takes a whole "
                     "number from 0 to 255, not 'abc'");
    }
    ApplySetting(session.store(), "loc_limit_error=-128", kCommandContext);
    ApplySetting(session.store(), "func1_hi_lim=5", kCommandContext);
    ApplySetting(session.store(), "phys_install_date=2024-5-1", kCommandContext);
    ApplySetting(session.store(), "phys_diagnosis=4294967295", kCommandContext);
    ReferenceObjectStore& store = session.store();
    EXPECT_EQ(store.CurrentValue(kCommandContext, 408).getInt(), -128);
    EXPECT_EQ(store.CurrentValue(kCommandContext, 298).getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(store.CurrentValue(kCommandContext, 54).getString(), "2024-5-1");
    EXPECT_EQ(store.CurrentValue(kCommandContext, 47).getDouble(), 4294967295.0);
}

TEST_F(CommandsTest, WholeNumberOptionsRefuseEverythingElseInOneLine) {
    EXPECT_EQ(ParseInteger("-2147483648", "--arg"), INT32_MIN);
    for (const char* text : {"", "x", "1.0", "2147483648", " 1"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ParseInteger(text, "--arg"), CommandError);
    }
    try {
        ParseInteger("", "--arg");
    } catch (const CommandError& error) {
        EXPECT_STREQ(error.what(),
                     "--arg takes a whole number from -2147483648 to 2147483647, not ''");
    }
}

TEST_F(CommandsTest, ExecDrivesAMethodThroughTheUsersAnswersAndShowsWhatItWrote) {
    ExecOptions options;
    options.inputs = {4711};
    Json json = ExecCommand(session, "method_phys_factory_reset_device_specific", options).json;
    EXPECT_EQ(json["result"], 0);
    ASSERT_EQ(json["services"].size(), 4u);
    EXPECT_EQ(json["services"][1],
              "AskInteger(\"Enter the device-specific reset code  |de|Gerätespezifischen "
              "Rücksetzcode eingeben\") -> 4711");
    EXPECT_EQ(json["values"], Json({{"phys_factory_reset", 4711}}));

    // The answers are used up; the next prompt is cancelled.
    json = ExecCommand(session, "6", {}).json;
    EXPECT_EQ(json["result"], -2);
    EXPECT_EQ(json["values"], Json::object());

    options = {};
    options.abortAtMessage = 2;
    options.noAbortThrow = true;
    ApplySetting(session.store(), "func1_lo_lo_lim_local=9", kCommandContext);
    ApplySetting(session.store(), "func1_hi_hi_lim_local=1", kCommandContext);
    const CommandOutput output = ExecCommand(session, "meth_check_lokal_limits_local", options);
    json = output.json;
    EXPECT_EQ(json["result"], 0);
    EXPECT_EQ(json["values"], Json({{"loc_limit_error", 1}}));
    EXPECT_NE(output.text.find("services: ShowMessage(\"Upper Limit Alarm is below Upper Limit "
                               "Warning  |de|Alarmgrenze Oben liegt unter Warngrenze Oben\") -> "
                               "true\n"),
              std::string::npos)
        << output.text;
    EXPECT_NE(output.text.find("value: loc_limit_error = 1\n"), std::string::npos);
}

TEST_F(CommandsTest, ExecHandsTheNamedParametersInOrder) {
    ExecOptions options;
    options.parameters = {"code=7294", "lock=@loc_security_lock"};
    EXPECT_EQ(ExecCommand(session, "pre_write_upload_variables_2nd", options).json["result"], 0);
    options.parameters = {"code=7294"};
    Json json = ExecCommand(session, "pre_write_upload_variables_2nd", options).json;
    EXPECT_EQ(json["result"], -1);
    EXPECT_EQ(json["messages"], Json({":   0,  0 : illegal named parameter (execute) for object "
                                      "pre_write_upload_variables_2nd"}));
    for (const char* parameter : {"code", "=1", "code=x", "code=@nothing_of_that_name"}) {
        SCOPED_TRACE(parameter);
        options.parameters = {parameter};
        EXPECT_THROW(ExecCommand(session, "pre_write_upload_variables_2nd", options), CommandError);
    }
}

}  // namespace
}  // namespace ddhost
