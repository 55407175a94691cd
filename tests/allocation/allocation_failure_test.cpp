// Allocations that fail inside each operation the host calls, one after the other: the
// operation answers its failure value and nothing leaves it as an exception. Under the
// sanitizer preset the leak check also shows that a failed operation frees what it made.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "allocation/failing_allocator.h"
#include "ddlib/ddlib.h"
#include "engine/call_trace.h"
#include "engine/plugin_library.h"
#include "interfaces/exports.h"
#include "interfaces/self_registration.h"
#include "platform/module.h"
#include "support/plugin_fixture.h"
#include "support/temporary_directory.h"

extern "C" CAttributeCalculation* GetAttributeCalculation();
extern "C" CInformation* GetInformation();
extern "C" std::int32_t DllRegisterServer();
extern "C" std::int32_t DllUnregisterServer();

namespace {

using failing_allocator::FailAllocation;
using failing_allocator::Failed;

// Runs `call` with its n-th allocation failing; whether it reached that allocation, and
// whether an exception left it.
struct Outcome {
    bool failed;
    bool threw;
};
Outcome RunFailing(long n, const std::function<void()>& call) {
    bool threw = false;
    FailAllocation(n);
    try {
        call();
    } catch (...) {
        threw = true;
    }
    const bool failed = Failed();
    FailAllocation(0);
    return {failed, threw};
}

// Calls `run` with n = 1, 2, ... until a run no longer reaches its n-th allocation; `run`
// answers whether it did. Gives the allocations of a run that does not fail.
long ForEachAllocation(const std::function<bool(long n)>& run) {
    long n = 1;
    while (run(n)) ++n;
    return n - 1;
}

TEST(AllocationFailure, TheExportsThatMakeObjectsAnswerNull) {
    std::unique_ptr<CAttributeCalculation> calculation;
    std::unique_ptr<CInformation> information;
    EXPECT_TRUE(RunFailing(1, [&] { calculation.reset(GetAttributeCalculation()); }).failed);
    EXPECT_TRUE(RunFailing(1, [&] { information.reset(GetInformation()); }).failed);
    EXPECT_EQ(calculation, nullptr);
    EXPECT_EQ(information, nullptr);
}

TEST(AllocationFailure, InformationAnswersItsTextOrAnEmptyOne) {
    using Query = std::function<CStrPP(CInformation&)>;
    const CStrPP key("key");
    const std::vector<Query> queries = {
        [](CInformation& i) { return i.GetManufacturerName(); },
        [](CInformation& i) { return i.GetDeviceName(); },
        [](CInformation& i) { return i.GetDeviceTypeName(); },
        [](CInformation& i) { return i.GetHelpFileName(); },
        [](CInformation& i) { return i.GetStandardItemName(0); },
        [](CInformation& i) { return i.GetMappedItemList(); },
        [&key](CInformation& i) { return i.GetMappedItemValue(key); },
        [](CInformation& i) { return i.GetSpecialItemName(2); },
        [](CInformation& i) { return i.GetModuleBasePath(); },
        [](CInformation& i) { return i.GetModulePath(); },
        [](CInformation& i) { return i.GetVersionLabel(); },
        [](CInformation& i) { return i.GetGeneratorVersion(); },
        [](CInformation& i) { return i.GetDtmVersion(); },
        [](CInformation& i) { return i.GetTechnicalDescription(); },
        [](CInformation& i) { return i.GetBuildDate(); },
    };
    const std::unique_ptr<CInformation> info(GetInformation());
    long failures = 0;
    for (std::size_t q = 0; q < queries.size(); ++q) {
        const std::string whole = queries[q](*info).ptr();
        failures += ForEachAllocation([&](long n) {
            CStrPP answer("before");
            const Outcome outcome = RunFailing(n, [&] { answer = queries[q](*info); });
            EXPECT_FALSE(outcome.threw) << "query " << q;
            EXPECT_STREQ(answer.ptr(), outcome.failed ? "" : whole.c_str()) << "query " << q;
            return outcome.failed;
        });
    }
    // Every query that answers a text needs memory for it; the mapped items answer "".
    EXPECT_EQ(failures, static_cast<long>(queries.size()) - 2);
}

TEST(AllocationFailure, AFillThatRunsOutOfMemoryLeavesTheObjectUnavailable) {
    PluginFixture f;
    // The store hands out bare objects: filled through the plug-in, a failure would be answered
    // inside that nested request, and the fill asked about would go on.
    f.host.store().SetCalculation(nullptr);
    // Every object: commands fetch their blocks, variables build enumerators and post-edit
    // actions or follow a current value, the alarm overviews fetch collections and members.
    long total = 0;
    for (DDObjectId id = 1; id <= 637; ++id) {
        const long allocations = ForEachAllocation([&](long n) {
            const std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
            CDDObject* result = nullptr;
            const Outcome outcome =
                RunFailing(n, [&] { result = ddhost::Calculate(f.calculation, 1, *object); });
            EXPECT_FALSE(outcome.threw) << id << " failing allocation " << n;
            EXPECT_EQ(result, object.get());
            EXPECT_EQ(object->getAttributesAvailable(), !outcome.failed)
                << id << " failing allocation " << n;
            return outcome.failed;
        });
        total += allocations;
    }
    EXPECT_GT(total, 637);
}

// The loader closes a module it opened whatever fails after the open. The module is the
// object-model library, which lacks the plug-in's exports, copied so that it is not the one this
// program has loaded already.
TEST(AllocationFailure, TheLoaderClosesTheModuleItOpenedWhateverFailsAfter) {
    const TemporaryDirectory directory;
    const std::filesystem::path module = directory.path() / "no_exports.so";
    std::filesystem::copy_file(DD_OBJECT_MODEL_PATH, module);
    EXPECT_GT(ForEachAllocation([&](long n) {
                  const Outcome outcome =
                      RunFailing(n, [&] { ddhost::PluginLibrary library(module.string()); });
                  EXPECT_TRUE(outcome.threw);
                  void* left = dlopen(module.c_str(), RTLD_NOW | RTLD_NOLOAD);
                  EXPECT_EQ(left, nullptr) << "failing allocation " << n;
                  if (left != nullptr) dlclose(left);
                  return outcome.failed;
              }),
              0);
}

TEST(AllocationFailure, ValidityAnswersFalseAndExecuteMinusOne) {
    PluginFixture f;
    f.SetValue(item::trans1_flowrate_unit, CDDCommonVariant(253));
    CDDVariable userUnit(*f.calculation.definition(item::trans1_user_flow_rate_unit));
    CDDMenu notAMenu(*f.calculation.definition(item::phys_tag_desc));
    CDDMethod reset(*f.calculation.definition(item::method_phys_factory_reset_params));

    EXPECT_GT(ForEachAllocation([&](long n) {
                  bool valid = false;
                  const Outcome outcome = RunFailing(
                      n, [&] { valid = f.calculation.CalculateVariableValidity(1, &userUnit); });
                  EXPECT_FALSE(outcome.threw);
                  EXPECT_EQ(valid, !outcome.failed) << "failing allocation " << n;
                  return outcome.failed;
              }),
              0);
    // The message of an illegal request may be lost; the answer is not.
    EXPECT_GT(ForEachAllocation([&](long n) {
                  bool valid = true;
                  const Outcome outcome = RunFailing(
                      n, [&] { valid = f.calculation.CalculateMenuValidity(1, &notAMenu); });
                  EXPECT_FALSE(outcome.threw);
                  EXPECT_FALSE(valid);
                  return outcome.failed;
              }),
              0);
    const std::int32_t whole = f.calculation.ExecuteMethod(1, &reset, 0, false);
    EXPECT_NE(whole, -1);
    EXPECT_GT(ForEachAllocation([&](long n) {
                  std::int32_t result = 0;
                  const Outcome outcome = RunFailing(
                      n, [&] { result = f.calculation.ExecuteMethod(1, &reset, 0, false); });
                  EXPECT_FALSE(outcome.threw);
                  EXPECT_EQ(result, outcome.failed ? -1 : whole) << "failing allocation " << n;
                  return outcome.failed;
              }),
              0);
}

TEST(AllocationFailure, ABuildThatRunsOutOfMemoryLeavesNoDirectory) {
    // A first build and a rebuild, each failing at its first allocations, its last, and at
    // points spread between them.
    for (bool rebuild : {false, true}) {
        long allocations = 0;
        {
            AttachedPlugin<ddhost::ReferenceHost> whole(rebuild);
            FailAllocation(0);
            whole.calculation.BuildDefinitions();
            allocations = failing_allocator::Counted();
        }
        ASSERT_GT(allocations, 637);
        std::vector<long> points = {1, 2, 3, allocations - 1, allocations};
        for (long n = 97; n < allocations; n += allocations / 40) points.push_back(n);
        for (long n : points) {
            AttachedPlugin<ddhost::ReferenceHost> p(rebuild);
            const Outcome outcome = RunFailing(n, [&] { p.calculation.BuildDefinitions(); });
            EXPECT_FALSE(outcome.threw);
            EXPECT_TRUE(outcome.failed) << n;
            int defined = 0;
            for (DDObjectId id = 1; id <= 637; ++id)
                defined += p.calculation.definition(id) != nullptr ? 1 : 0;
            EXPECT_EQ(defined, 0) << (rebuild ? "rebuild" : "build") << ", failing allocation "
                                  << n;
        }
    }
}

TEST(AllocationFailure, SelfRegistrationWritesTheWholeKeyOrLeavesTheStoreAsItWas) {
    const TemporaryDirectory directory;
    const std::filesystem::path store = directory.path() / "registry";
    setenv("DD_REGISTRY_FILE", store.c_str(), 1);
    const auto text = [&store] {
        std::ostringstream read;
        read << std::ifstream(store, std::ios::binary).rdbuf();
        return read.str();
    };
    // Another maker's key, which every change keeps.
    std::ofstream(store)
        << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"N\"=dword:00000007\n";
    ASSERT_EQ(DllRegisterServer(), kSelfRegistrationDone);
    const std::string registered = text();
    ASSERT_EQ(DllUnregisterServer(), kSelfRegistrationDone);
    const std::string unregistered = text();

    const struct {
        const char* name;
        std::int32_t (*call)();
        const std::string& before;
        const std::string& after;
    } calls[] = {
        {"DllRegisterServer", DllRegisterServer, unregistered, registered},
        {"DllUnregisterServer", DllUnregisterServer, registered, unregistered},
    };
    for (const auto& [name, call, before, after] : calls) {
        const long allocations = ForEachAllocation([&](long n) {
            std::ofstream(store, std::ios::binary) << before;
            std::int32_t status = 0;
            int reason = 0;
            const Outcome outcome = RunFailing(n, [&] {
                status = call();
                reason = errno;
            });
            EXPECT_FALSE(outcome.threw);
            EXPECT_EQ(status, outcome.failed ? kSelfRegistrationOutOfMemory : kSelfRegistrationDone)
                << name << ", failing allocation " << n;
            if (outcome.failed) {
                EXPECT_EQ(reason, ENOMEM) << name << ", failing allocation " << n;
            }
            EXPECT_EQ(text(), status == kSelfRegistrationDone ? after : before)
                << name << ", failing allocation " << n;
            EXPECT_FALSE(std::filesystem::exists(store.string() + ".tmp"));
            return outcome.failed;
        });
        EXPECT_GT(allocations, 0);
        std::cout << "[ figures  ] " << name << ": " << allocations
                  << " allocations failed in turn\n";
    }
}

// Hands a fresh part over to a fresh holder with each allocation of the recording failing in
// turn: the holder owns the part however the call ends. Gives the allocations of a recording.
template <class Holder, class Made, class Part, class MakePart>
long HandOver(const char* setter, const Made& made, void (Holder::*set)(Part*),
              Part* (Holder::*get)() const, MakePart makePart) {
    return ForEachAllocation([&](long n) {
        Holder holder(made);
        Part* const part = makePart();
        const Outcome outcome = RunFailing(n, [&] { (holder.*set)(part); });
        EXPECT_EQ((holder.*get)(), part) << setter << ", failing allocation " << n;
        return outcome.failed;
    });
}

TEST(AllocationFailure, ASetterThatRecordsOwnsItsArgumentWhateverFails) {
    const ddhost::CallTrace trace;
    const CDDDefinition object(1, "object", DD_KIND_VARIABLE);
    const long allocations[] = {
        HandOver("setTypeInfo", object, &CDDVariable::setTypeInfo, &CDDVariable::getTypeInfo,
                 [] { return new CDDType(DD_TYPE_FLOAT); }),
        HandOver("setPostEditActions", object, &CDDVariable::setPostEditActions,
                 &CDDVariable::getPostEditActions, [] { return new CDDDefinitionList; }),
        HandOver("setMemberSet", object, &CDDCollection::setMemberSet, &CDDCollection::getMemberSet,
                 [] { return new CDDMemberSet; }),
        HandOver("setRequest", 1, &CDDTransaction::setRequest, &CDDTransaction::getRequest,
                 [] { return new CDDDataItemList; }),
        HandOver("setReply", 1, &CDDTransaction::setReply, &CDDTransaction::getReply,
                 [] { return new CDDDataItemList; }),
        HandOver("setIndex", object, &CDDCommand::setIndex, &CDDCommand::getIndex,
                 [] { return new CDDIndex(3); }),
        HandOver("setTransactionSet", object, &CDDCommand::setTransactionSet,
                 &CDDCommand::getTransactionSet, [] { return new CDDTransactionSet; }),
        HandOver("setMenuItems", object, &CDDMenu::setMenuItems, &CDDMenu::getMenuItems,
                 [] { return new CDDMenuItemList; }),
        HandOver("setReread", object, &CDDUnit::setReread, &CDDUnit::getReread,
                 [] { return new CDDVariableDefinitionSet; }),
    };
    for (const long recorded : allocations) EXPECT_GT(recorded, 0);
}

// The module loaded with each allocation of its start failing in turn: the load goes on, and
// a module whose start failed answers its failure values and hands on why, one that started its
// own path.
TEST(AllocationFailure, AModuleWhoseStartRunsOutOfMemoryAnswersFailure) {
    const TemporaryDirectory directory;
    const std::string store = (directory.path() / "registry").string();
    setenv("DD_REGISTRY_FILE", store.c_str(), 1);
    const std::string path = DD_PLUGIN_PATH;
    const long allocations = ForEachAllocation([&](long n) {
        FailAllocation(n);
        const platform::Module plugin(path);
        const bool failed = Failed();
        FailAllocation(0);
        EXPECT_TRUE(plugin.IsOpen()) << "failing allocation " << n;
        if (!plugin.IsOpen()) return false;
        const std::unique_ptr<CAttributeCalculation> calculation(
            plugin.Export<PFN_GetAttributeCalculation>("GetAttributeCalculation")());
        const std::unique_ptr<CInformation> information(
            plugin.Export<PFN_GetInformation>("GetInformation")());
        EXPECT_EQ(calculation == nullptr, failed) << "failing allocation " << n;
        EXPECT_EQ(information == nullptr, failed) << "failing allocation " << n;
        if (information) {
            EXPECT_STREQ(information->GetModulePath().ptr(), path.c_str());
        }
        if (failed) {
            // Each hands on the reason, whatever the caller left in errno.
            for (const char* name : {"DllRegisterServer", "DllUnregisterServer"}) {
                const auto call = plugin.Export<PFN_DllRegisterServer>(name);
                errno = EBADF;
                const std::int32_t status = call();
                const int reason = errno;
                EXPECT_EQ(status, kSelfRegistrationFailed) << name << ", failing allocation " << n;
                EXPECT_EQ(reason, ENOMEM) << name << ", failing allocation " << n;
            }
            EXPECT_FALSE(std::filesystem::exists(store));
        }
        return failed;
    });
    EXPECT_GT(allocations, 0);
}

}  // namespace
