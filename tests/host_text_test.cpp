// Text conversion, value parsing and the readable rendering of ddhost.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"
#include "support/comma_decimal_locale.h"

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

// A size of 0 or less leaves no room for a value (and no width to shift by): refused in one line.
// A size past eight bytes is as wide as the host tells whole numbers apart.
TEST(ParseVariableValue, AVariableOfNoSizeHoldsNoValue) {
    for (enumDDVariableType code : {DD_TYPE_INTEGER, DD_TYPE_UNSIGNED, DD_TYPE_STRING}) {
        for (int size : {0, -1, INT_MIN}) {
            SCOPED_TRACE(testing::Message() << code << " of " << size);
            CDDType type(code);
            type.putSize(size);
            try {
                ParseVariableValue("v", HeldType(type), "");
                ADD_FAILURE() << "taken";
            } catch (const CommandError& error) {
                const std::string message = error.what();
                EXPECT_EQ(message.rfind("--set: v, a ", 0), 0u) << message;
                EXPECT_TRUE(message.ends_with(", holds no value")) << message;
            }
        }
    }
    CDDType wide(DD_TYPE_INTEGER);
    wide.putSize(16);
    EXPECT_EQ(ParseVariableValue("v", HeldType(wide), "-36028797018963968").getDouble(), -0x1p55);
    EXPECT_THROW(ParseVariableValue("v", HeldType(wide), "36028797018963968"), CommandError);
}

// A floating-point variable reads a text straight to the four or eight bytes that it holds, so
// that it is rounded once. Every text that rounds to a finite value is taken, one too small
// being 0 with its sign; the refusal gives the range in a form that it takes.
TEST(ParseVariableValue, AFloatingPointTextIsRoundedOnceToWhatTheVariableHolds) {
    const HeldType single{CDDType(DD_TYPE_FLOAT)};
    CDDType eight(DD_TYPE_FLOAT);
    eight.putSize(8);
    const HeldType wide{eight};
    struct Case {
        const HeldType& type;
        const char* text;
        double held;
    };
    const Case taken[] = {{single, "3.4028235e38", FLT_MAX},
                          {single, "3.40282347e38", FLT_MAX},
                          {single, "-3.40282356e38", -FLT_MAX},
                          {single, "1.0000000596046448", 1.0 + 0x1p-23},
                          {single, "1e-45", 0x1p-149},
                          {single, "1e-310", 0.0},
                          {single, "-1e-400", -0.0},
                          {wide, "1.0000000596046448", 1.0000000596046448},
                          {wide, "1e-400", 0.0}};
    for (const Case& c : taken) {
        SCOPED_TRACE(c.text);
        const double held = ParseVariableValue("v", c.type, c.text).getDouble();
        EXPECT_EQ(held, c.held);
        EXPECT_EQ(std::signbit(held), std::signbit(c.held));
    }
    const std::string singleRange =
        "--set: v, a floating-point variable, takes a finite number "
        "from -3.4028235e+38 to 3.4028235e+38, not ";
    for (const char* text : {"3.4028236e38", "-1e400", "inf", "nan", "0x1p3", "+1"}) {
        try {
            ParseVariableValue("v", single, text);
            ADD_FAILURE() << text << " taken";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.what(), singleRange + "'" + text + "'");
        }
    }
    EXPECT_EQ(ParseVariableValue("v", single, "-3.4028235e+38").getDouble(), -FLT_MAX);
    EXPECT_THROW(ParseVariableValue("v", wide, "1.8e308"), CommandError);
    EXPECT_EQ(ParseVariableValue("v", wide, "1.7976931348623157e+308").getDouble(), DBL_MAX);
}

// The host reads and writes numbers alike under a locale whose decimal separator is a comma.
TEST(HostNumbers, DoNotDependOnTheLocale) {
    DD_UNDER_COMMA_DECIMAL_LOCALE(german);
    const CDDCommonVariant parsed = ParseValue("2.5");
    EXPECT_EQ(parsed.getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(parsed.getDouble(), 2.5);
    EXPECT_EQ(ParseValue("2,5").getKind(), CDDCommonVariant::String);
    const CDDType single(DD_TYPE_FLOAT);
    EXPECT_EQ(ParseVariableValue("v", HeldType(single), "-0.1").getDouble(), -0.1f);
    EXPECT_THROW(ParseVariableValue("v", HeldType(single), "0,1"), CommandError);
    EXPECT_EQ(RenderText({{"max", Describe(CDDCommonVariant(1.5))},
                          {"min", Describe(CDDCommonVariant(0.1))}}),
              "max: 1.5\nmin: 0.1\n");
    EXPECT_EQ(EscapedLine("\x1B\xFF\u0085"), "\\x1B\\xFF\\u0085");
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

// JSON is written as nlohmann writes it, except that a number given by its text is that text.
TEST(JsonText, WritesAsTheLibraryDumpsAndNumbersGivenByTheirTextAsThatText) {
    const Json json = {{"id", 222},
                       {"label", "Ger\xE4t \"x\"\n"},
                       {"empty", Json::object()},
                       {"none", Json::array()},
                       {"nested", {{{"min", 0.5}, {"max", nullptr}}, {1, true}, Json::array()}},
                       {"", -3e38}};
    for (int indent : {-1, 0, 2})
        EXPECT_EQ(JsonText(json, indent),
                  json.dump(indent, ' ', false, Json::error_handler_t::replace));
    const Json held = {{"limit", NumberWithText("3.6897125e+19")},
                       {"list", {NumberWithText("0.1")}}};
    EXPECT_EQ(JsonText(held), "{\"limit\":3.6897125e+19,\"list\":[0.1]}");
    EXPECT_EQ(RenderText(held), "limit: 3.6897125e+19\nlist: [0.1]\n");
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
