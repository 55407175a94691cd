// Text conversion, value parsing and the readable rendering of ddhost.

#include <gtest/gtest.h>

#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"

namespace ddhost {
namespace {

TEST(Cp1252, ConvertsEachRangeOfTheCodePage) {
    EXPECT_EQ(Cp1252ToUtf8("plain ASCII"), "plain ASCII");
    EXPECT_EQ(Cp1252ToUtf8("Ger\xE4t m\xB3"), "Gerät m³");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x8C\x8E\x9A\x9C\x9E\x9F"), "ŠŒŽšœžŸ");
    EXPECT_EQ(Cp1252ToUtf8("\x91\x92\x93\x94\x96\x97\x85\x99"), "‘’“”–—…™");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\u00A0ÿ");
    // Bytes the code page leaves undefined become the control character of the same number.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    EXPECT_EQ(Utf8ToCp1252("Ā"), std::nullopt);         // U+0100 has no byte
    EXPECT_EQ(Utf8ToCp1252("\xC3"), std::nullopt);      // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC0\x80"), std::nullopt);  // overlong
    EXPECT_EQ(Utf8ToCp1252("\xE4"), std::nullopt);      // a Windows-1252 byte is not UTF-8
    EXPECT_EQ(Utf8ToCp1252("€ ä"), "\x80 \xE4");
}

TEST(EscapedLine, EscapesControlsAndForeignBytesAndKeepsTheRest) {
    EXPECT_EQ(EscapedLine("Gerät m³ € \\ 'x'"), "Gerät m³ € \\ 'x'");
    EXPECT_EQ(EscapedLine(std::string_view("a\nb\tc\r\0\x1B[0m\x7F", 12)),
              "a\\nb\\tc\\r\\x00\\x1B[0m\\x7F");
    EXPECT_EQ(EscapedLine("\u0085\u009B"), "\\u0085\\u009B");
    // A broken sequence costs only its own bytes; what follows is read anew.
    EXPECT_EQ(EscapedLine("\xFF\xE4x\xC3ä\xE2\x82"), "\\xFF\\xE4x\\xC3ä\\xE2\\x82");
    EXPECT_EQ(EscapedLine("\xED\xA0\x80"), "\\xED\\xA0\\x80");  // a surrogate
}

TEST(ParseValue, TakesIntegerThenFloatingPointThenString) {
    const CDDCommonVariant integer = ParseValue("-42");
    EXPECT_EQ(integer.getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(integer.getInt(), -42);
    EXPECT_EQ(ParseValue("2.5").getKind(), CDDCommonVariant::Float);
    EXPECT_DOUBLE_EQ(ParseValue("1e3").getDouble(), 1000.0);
    // Too large for 32 bits: kept as a number, not cut.
    EXPECT_EQ(ParseValue("4294967296").getKind(), CDDCommonVariant::Float);
    const CDDCommonVariant text = ParseValue("12abc");
    EXPECT_EQ(text.getKind(), CDDCommonVariant::String);
    EXPECT_EQ(text.getString(), "12abc");
    EXPECT_EQ(ParseValue("").getKind(), CDDCommonVariant::String);
    EXPECT_EQ(ParseValue("Gerät").getString(), "Ger\xE4t");
    EXPECT_THROW(ParseValue("Ā"), CommandError);
}

TEST(ClosestNames, PrefixesComeFirstThenNearNames) {
    const std::vector<std::string> names = {"func1_out_value", "func1_out_status", "func2_tag_desc",
                                            "phys_tag_desc",   "trans1_tag_desc",  "FLOW_UNIT"};
    EXPECT_EQ(ClosestNames(names, "FUNC1_OUT"),
              (std::vector<std::string>{"func1_out_value", "func1_out_status"}));
    EXPECT_EQ(ClosestNames(names, "phys_tag_dsc"), std::vector<std::string>{"phys_tag_desc"});
    EXPECT_EQ(ClosestNames(names, "flow_unit"), std::vector<std::string>{"FLOW_UNIT"});
    EXPECT_TRUE(ClosestNames(names, "zzzzzzzz").empty());
    EXPECT_EQ(ClosestNames(names, "", 3).size(), 3u);
}

TEST(RenderText, ShowsNestingAndKeepsFlatListsOnOneLine) {
    const Json json = {{"id", 222},
                       {"label", "Gerät"},
                       {"classFlags", {9, 15}},
                       {"type", {{"code", 0}, {"ranges", {{{"min", 0}, {"max", 1.5}}}}}},
                       {"messages", Json::array()}};
    EXPECT_EQ(RenderText(json),
              "id: 222\n"
              "label: \"Gerät\"\n"
              "classFlags: [9, 15]\n"
              "type:\n"
              "  code: 0\n"
              "  ranges:\n"
              "    - min: 0\n"
              "      max: 1.5\n"
              "messages: []\n");
}

}  // namespace
}  // namespace ddhost
