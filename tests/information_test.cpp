#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/information_items.h"
#include "interfaces/exports.h"
#include "platform/module.h"

namespace {

class InformationTest : public ::testing::Test {
  protected:
    std::unique_ptr<CInformation> NewInformation() const {
        return std::unique_ptr<CInformation>(plugin.Export<PFN_GetInformation>("GetInformation")());
    }

    const platform::Module plugin{DD_PLUGIN_PATH};
    std::unique_ptr<CInformation> info = NewInformation();
};

// Every answer an object gives, in slot order, the role and selector queries over a range
// that covers their tables and the ids around them.
std::vector<std::string> AllAnswers(CInformation& info) {
    std::vector<std::string> answers;
    const auto add = [&](const CStrPP& text) { answers.emplace_back(text.ptr()); };
    const auto addNumber = [&](std::int32_t number) { answers.push_back(std::to_string(number)); };
    addNumber(info.GetInterfaceVersion());
    addNumber(info.GetManufacturerId());
    addNumber(info.GetManufacturerIconId());
    addNumber(info.GetManufacturerBitmapId());
    add(info.GetManufacturerName());
    addNumber(info.GetIdentNumber());
    addNumber(info.GetDeviceIconId());
    addNumber(info.GetDeviceBitmapId());
    add(info.GetDeviceName());
    add(info.GetDeviceTypeName());
    addNumber(info.GetDeviceTypeCode());
    add(info.GetHelpFileName());
    for (std::int32_t role = -2; role <= 17; ++role) add(info.GetStandardItemName(role));
    for (std::int32_t role = 9999; role <= 10009; ++role) add(info.GetStandardItemName(role));
    add(info.GetMappedItemList());
    add(info.GetMappedItemValue(""));
    for (std::int32_t selector = -1; selector <= 3; ++selector)
        add(info.GetSpecialItemName(selector));
    add(info.GetModuleBasePath());
    add(info.GetModulePath());
    add(info.GetVersionLabel());
    add(info.GetGeneratorVersion());
    add(info.GetDtmVersion());
    add(info.GetTechnicalDescription());
    add(info.GetBuildDate());
    return answers;
}

TEST_F(InformationTest, AnswersTheNumericQueries) {
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->GetInterfaceVersion(), 1);
    EXPECT_EQ(info->GetManufacturerId(), 17);
    EXPECT_EQ(info->GetManufacturerIconId(), 101);
    EXPECT_EQ(info->GetManufacturerBitmapId(), 103);
    EXPECT_EQ(info->GetIdentNumber(), 0x1510);
    EXPECT_EQ(info->GetDeviceIconId(), 102);
    EXPECT_EQ(info->GetDeviceBitmapId(), 104);
    EXPECT_EQ(info->GetDeviceTypeCode(), 11);
}

TEST_F(InformationTest, AnswersTheInformationStrings) {
    EXPECT_STREQ(info->GetManufacturerName().ptr(), "Quennerby");
    EXPECT_STREQ(info->GetDeviceName().ptr(), "Kelvane / 40 / PA / V1.00.00...V1.00.01");
    EXPECT_STREQ(info->GetDeviceTypeName().ptr(), "Flow (Vortex Counter)");
    EXPECT_STREQ(info->GetHelpFileName().ptr(), "TSFQYPB15100101.html");
    EXPECT_STREQ(info->GetVersionLabel().ptr(), "Version:");
    EXPECT_STREQ(info->GetGeneratorVersion().ptr(), "1.5.153.348");
    EXPECT_STREQ(info->GetDtmVersion().ptr(), "1.0.1");
    EXPECT_STREQ(info->GetBuildDate().ptr(), "Wed Oct 21 20:08:30 2015");
    // Interface version, manufacturer id and ident number, as the numeric queries give them.
    const std::string expected = std::to_string(info->GetInterfaceVersion()) + ":" +
                                 std::to_string(info->GetManufacturerId()) + ";" +
                                 std::to_string(info->GetIdentNumber()) + ",1,1";
    EXPECT_EQ(info->GetTechnicalDescription().ptr(), expected);
}

TEST_F(InformationTest, NamesTheItemsOfTheStandardRoles) {
    const std::vector<std::pair<std::int32_t, const char*>> named = {
        {0, "download_variables"},
        {1, "upload_variables"},
        {2, "DTM_online_root_menu"},
        {4, "DTM_offline_root_menu"},
        {6, "DTM_Observe"},
        {8, "DTM_Simulation_menu"},
        {9, "DTM_Diagnosis_menu"},
        {14, "__menu_Observe"},
        {15, "__TSF__CommunicationMenu"},
        {10003, "DTM_reset"},
        {10004, "DTM_write_locking"},
        {10007, "__menu_Observe"},
    };
    for (const auto& [role, name] : named)
        EXPECT_STREQ(info->GetStandardItemName(role).ptr(), name) << "role " << role;
    for (const std::int32_t role : {3, 5, 7, 10, 11, 12, 13, 16, 9999, 10000, 10001, 10002, 10005,
                                    10006, 10008, -1, INT32_MIN, INT32_MAX})
        EXPECT_STREQ(info->GetStandardItemName(role).ptr(), "") << "role " << role;
}

TEST_F(InformationTest, NamesTheItemsOfTheSpecialSelectors) {
    EXPECT_STREQ(info->GetSpecialItemName(0).ptr(), "__TSF__CommunicationMenu");
    EXPECT_STREQ(info->GetSpecialItemName(1).ptr(), "__TSF__BusAddress");
    EXPECT_STREQ(info->GetSpecialItemName(2).ptr(), "phys_tag_desc");
    for (const std::int32_t selector : {3, -1, INT32_MIN, INT32_MAX})
        EXPECT_STREQ(info->GetSpecialItemName(selector).ptr(), "") << "selector " << selector;
}

TEST_F(InformationTest, MapsNoItems) {
    EXPECT_STREQ(info->GetMappedItemList().ptr(), "");
    for (const char* key : {"", "A", "download_variables"})
        EXPECT_STREQ(info->GetMappedItemValue(key).ptr(), "") << "key " << key;
}

TEST(MappedItems, ListTheKeysWithAValueAndFindTheFirstMatchUpToTheFirstEmptyKey) {
    const char* const keys[] = {"A", "B", "C", "A", "", "D", ""};
    const char* const values[] = {"x", "", "y", "z", "", "w", ""};
    EXPECT_STREQ(MappedItemList(keys, values).ptr(), "A,C,A");
    EXPECT_STREQ(MappedItemValue(keys, values, "A").ptr(), "x");
    EXPECT_STREQ(MappedItemValue(keys, values, "B").ptr(), "");
    EXPECT_STREQ(MappedItemValue(keys, values, "C").ptr(), "y");
    EXPECT_STREQ(MappedItemValue(keys, values, "D").ptr(), "");
    EXPECT_STREQ(MappedItemValue(keys, values, "").ptr(), "");
}

TEST_F(InformationTest, HandsOutCopiesOfItsStrings) {
    const std::vector<std::string> before = AllAnswers(*info);
    CStrPP name = info->GetDeviceName();
    name = "changed";
    CStrPP path = info->GetModulePath();
    path = "changed";
    CStrPP role = info->GetStandardItemName(0);
    role = "changed";
    EXPECT_EQ(AllAnswers(*info), before);
}

TEST_F(InformationTest, EveryObjectAnswersAlike) {
    auto other = NewInformation();
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other.get(), info.get());
    const std::vector<std::string> answers = AllAnswers(*info);
    EXPECT_EQ(AllAnswers(*other), answers);
    info.reset();
    EXPECT_EQ(AllAnswers(*other), answers);
}

TEST_F(InformationTest, GivesTheModulePathAndItsBaseOnEveryCall) {
    const std::string path = info->GetModulePath().ptr();
    const std::string base = info->GetModuleBasePath().ptr();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(base, path.substr(0, path.rfind('.')));
    for (int call = 0; call < 3; ++call) {
        EXPECT_EQ(info->GetModulePath().ptr(), path);
        EXPECT_EQ(info->GetModuleBasePath().ptr(), base);
    }
}

}  // namespace
