#include <gtest/gtest.h>

#include <cstring>

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
