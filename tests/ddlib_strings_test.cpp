#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <utility>

#include "ddlib/strpp.h"

namespace {

TEST(CStrPP, ConcatenatesEitherSideWithoutTouchingOperands) {
    const CStrPP prefix(":   0,  0 : ");
    const CStrPP kind("illegal object ID ");
    const CStrPP joined = prefix + kind + "phys_tag_desc";
    EXPECT_STREQ(joined.ptr(), ":   0,  0 : illegal object ID phys_tag_desc");
    EXPECT_EQ(joined.Length(), 12 + 18 + 13);
    EXPECT_STREQ(("x" + prefix).ptr(), "x:   0,  0 : ");
    EXPECT_STREQ(prefix.ptr(), ":   0,  0 : ");
    EXPECT_STREQ((CStrPP() + CStrPP()).ptr(), "");
}

TEST(CStrPP, KeepsEightBitBytes) {
    const CStrPP text("Ger\xE4t m\xB3");
    EXPECT_EQ(text.Length(), 8);
    EXPECT_EQ(static_cast<unsigned char>(text.ptr()[3]), 0xE4);
    EXPECT_EQ(static_cast<unsigned char>(text.ptr()[7]), 0xB3);
}

TEST(CStrPP, FindLastAndLeftCutAtTheLastOccurrence) {
    const CStrPP path("C:\\A.B\\Plugin.dll");
    EXPECT_EQ(path.FindLast("."), 13);
    EXPECT_STREQ(path.Left(path.FindLast(".")).ptr(), "C:\\A.B\\Plugin");
    EXPECT_EQ(path.FindLast("none"), -1);
    // Nothing found: the whole string stays.
    EXPECT_STREQ(path.Left(-1).ptr(), path.ptr());
    EXPECT_STREQ(path.Left(0).ptr(), "");
    EXPECT_STREQ(path.Left(1000).ptr(), path.ptr());
    EXPECT_EQ(CStrPP("").FindLast(""), 0);
}

TEST(CStrPP, AssignmentCopiesAndSurvivesSelfAssignment) {
    CStrPP a("alpha");
    CStrPP b;
    b = a;
    a = "changed";
    EXPECT_STREQ(b.ptr(), "alpha");
    const CStrPP& alias = b;
    b = alias;
    EXPECT_STREQ(b.ptr(), "alpha");
    b = b.ptr() + 1;  // assigning from its own characters
    EXPECT_STREQ(b.ptr(), "lpha");
    b = static_cast<const char*>(nullptr);
    EXPECT_STREQ(b.ptr(), "");
}

// Opens the protected append to the test.
class Appender : public CStrPP {
  public:
    using CStrPP::AddStr;
    using CStrPP::CStrPP;
};

TEST(CStrPP, AddStrAppendsExactlyCountBytesEvenFromItself) {
    Appender text("ab");
    text.AddStr("cdef", 2);
    EXPECT_STREQ(text.ptr(), "abcd");
    EXPECT_EQ(text.Length(), 4);
    text.AddStr("zz", 0);
    EXPECT_STREQ(text.ptr(), "abcd");
    text.AddStr(text.ptr(), static_cast<std::size_t>(text.Length()));
    EXPECT_STREQ(text.ptr(), "abcdabcd");
    Appender empty;
    empty.AddStr("\xE4x", 1);
    EXPECT_EQ(empty.Length(), 1);
    EXPECT_EQ(static_cast<unsigned char>(empty.ptr()[0]), 0xE4);
}

TEST(CStrPP, MovedFromStringsAreEmptyAndStayUsable) {
    CStrPP source("moved");
    CStrPP target(std::move(source));
    EXPECT_STREQ(target.ptr(), "moved");
    EXPECT_STREQ(source.ptr(), "");
    source = "again";
    CStrPP other("old");
    other = std::move(source);
    EXPECT_STREQ(other.ptr(), "again");
    EXPECT_TRUE(source.IsEmpty());
    EXPECT_TRUE(other == CStrPP("again"));
    EXPECT_FALSE(other == CStrPP("again "));
    EXPECT_FALSE(CStrPP("\xE4") == CStrPP("\xC4"));
}

int g_compareCalls = 0;
int CountingCompare(const char* a, const char* b) {
    ++g_compareCalls;
    return std::strcmp(a, b);
}

TEST(CStrPP, EqualityGoesThroughTheReplaceableComparison) {
    auto* saved = CStrPP::strCompare;
    CStrPP::strCompare = CountingCompare;
    g_compareCalls = 0;
    const CStrPP text("key");
    EXPECT_TRUE(text == "key");
    EXPECT_TRUE(text != "Key");
    EXPECT_EQ(g_compareCalls, 2);
    CStrPP::strCompare = saved;
}

}  // namespace
