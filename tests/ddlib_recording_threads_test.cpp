// Call recording belongs to the thread that installs the recorder: a session traced in one
// thread and a session filling untraced beside it, whose store pauses recording for its own
// fills, neither see nor replace each other's recorder. Under the sanitizers a recorder reached
// after its end shows as a use after free even where no expectation fails.

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/plugin_fixture.h"

namespace {

// Fills that go through the store's own fills: a command asks for its block, the unit list
// and the output value ask for current values.
const DDObjectId kItems[] = {item::read_phys_blk, item::func1_out_unit, item::func1_out_value};
constexpr int kRounds = 100;

TEST(DdRecordingThreads, ATracedSessionBesideAnUntracedOneRecordsExactlyItsOwnCalls) {
    std::vector<std::vector<std::string>> expected;
    {
        PluginFixture reference;
        for (DDObjectId id : kItems) expected.push_back(reference.Trace(id));
    }
    for (const auto& calls : expected) ASSERT_FALSE(calls.empty());

    std::atomic<int> ready{0};
    const auto startTogether = [&ready] {
        ready.fetch_add(1);
        while (ready.load() < 2) std::this_thread::yield();
    };
    int tracesThatDiffer = 0;
    int callsSeenUntraced = 0;
    std::thread traced([&] {
        PluginFixture session;
        startTogether();
        for (int round = 0; round < kRounds; ++round) {
            for (std::size_t i = 0; i < std::size(kItems); ++i) {
                if (session.Trace(kItems[i]) != expected[i]) ++tracesThatDiffer;
            }
        }
    });
    std::thread untraced([&] {
        PluginFixture session;
        startTogether();
        for (int round = 0; round < kRounds; ++round) {
            for (DDObjectId id : kItems) {
                session.Fill(id);
                if (ddlib::GetCallRecorder() != nullptr) ++callsSeenUntraced;
            }
        }
    });
    traced.join();
    untraced.join();
    EXPECT_EQ(tracesThatDiffer, 0);
    EXPECT_EQ(callsSeenUntraced, 0);
    EXPECT_EQ(ddlib::GetCallRecorder(), nullptr);
}

TEST(DdRecordingThreads, ARecorderIsNeitherSeenNorRemovedFromAnotherThread) {
    ddhost::CallTrace trace;
    CDDMethod method(CDDDefinition(3, "m", DD_KIND_METHOD));
    std::thread other([&] {
        EXPECT_EQ(ddlib::GetCallRecorder(), nullptr);
        EXPECT_EQ(ddlib::SetCallRecorder(nullptr), nullptr);
        CDDMethod own(CDDDefinition(4, "n", DD_KIND_METHOD));
        own.putValidity(true);
    });
    other.join();
    method.putValidity(false);
    EXPECT_EQ(ddlib::GetCallRecorder(), &trace);
    ASSERT_EQ(trace.calls().size(), 1u);
    EXPECT_EQ(trace.calls()[0].Text(), "CDDMethod::putValidity(false)");
}

}  // namespace
