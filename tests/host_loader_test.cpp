// The loader and the session, against the real plug-in and against modules that are not one.

#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/object_kinds.h"
#include "engine/session.h"
#include "support/temporary_directory.h"

namespace ddhost {
namespace {

// The object-model library lies beside the plug-in and exports none of the plug-in's functions.
std::string ObjectModelLibrary() {
    const std::filesystem::path plugin = DD_PLUGIN_PATH;
#if defined(_WIN32)
    return (plugin.parent_path() / "ZOVIRI15VizOduROV.dll").string();
#else
    return (plugin.parent_path() / "libZOVIRI15VizOduROV.so").string();
#endif
}

std::string LoadErrorOf(const std::string& path) {
    try {
        PluginLibrary library(path);
    } catch (const LoadError& error) {
        return error.what();
    }
    return "";
}

TEST(PluginLibrary, AMissingFileIsNamed) {
    const std::string path = "/nonexistent/libnothing.so";
    const std::string message = LoadErrorOf(path);
    EXPECT_NE(message.find("cannot open plug-in " + path), std::string::npos) << message;
    // The file is named once, however the system words its reason.
    EXPECT_EQ(message.find(path), message.rfind(path)) << message;
}

TEST(PluginLibrary, AModuleWithoutTheExportsNamesTheFileAndEachMissingSymbol) {
    const std::string path = ObjectModelLibrary();
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    const std::string message = LoadErrorOf(path);
    EXPECT_NE(message.find(path), std::string::npos) << message;
    for (const char* symbol : {"GetAttributeCalculation", "GetAttributeCalcDataCategory",
                               "GetInformation", "DllRegisterServer", "DllUnregisterServer"}) {
        EXPECT_NE(message.find(symbol), std::string::npos) << symbol << " in " << message;
    }
    // Failing to load leaves the object model usable.
    CStrPP text("still here");
    EXPECT_EQ(text.Length(), 10);
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Where the loadable segment that reaches furthest into the file ends.
std::size_t EndOfLoadableSegments(const std::string& module) {
    ElfW(Ehdr) header;
    std::memcpy(&header, module.data(), sizeof header);
    std::size_t end = 0;
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, module.data() + header.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD) end = std::max(end, segment.p_offset + segment.p_filesz);
    }
    return end;
}

// A loader that maps a cut-short module faults when it touches the missing end; the file is
// refused before, with the part that is missing.
TEST(PluginLibrary, AModuleCutShortIsRefusedWithThePartThatIsMissing) {
    const std::string module = Bytes(DD_PLUGIN_PATH);
    const std::size_t segmentsEnd = EndOfLoadableSegments(module);
    ASSERT_LT(segmentsEnd, module.size());
    const TemporaryDirectory directory;
    const std::string path = (directory.path() / "cut.so").string();
    for (auto [size, missing] : {std::pair<std::size_t, const char*>{40, "the ELF header"},
                                 {100, "the program header table"},
                                 {segmentsEnd - 1, "the loadable segment of program header"},
                                 {module.size() - 1, "the section header table"}}) {
        SCOPED_TRACE(size);
        Write(path, module.substr(0, size));
        const std::string message = LoadErrorOf(path);
        EXPECT_EQ(message.rfind("cannot open plug-in " + path + ": the file is cut short: ", 0), 0u)
            << message;
        EXPECT_NE(message.find(missing), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

TEST(PluginLibrary, AFileThatIsNoSharedLibraryIsRefusedWithTheReason) {
    const TemporaryDirectory directory;
    const std::filesystem::path text = directory.path() / "text.so";
    Write(text, "not a module\n");
    EXPECT_EQ(LoadErrorOf(text.string()),
              "cannot open plug-in " + text.string() + ": not an ELF file");
    EXPECT_EQ(LoadErrorOf(directory.path().string()),
              "cannot open plug-in " + directory.path().string() + ": not a regular file");
}

// A bare name is a file in the current directory, not a name for the loader to search.
TEST(PluginLibrary, ABareNameIsAFileInTheCurrentDirectory) {
    const TemporaryDirectory directory;
    Write(directory.path() / "cut.so", Bytes(DD_PLUGIN_PATH).substr(0, 100));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    const std::string message = LoadErrorOf("cut.so");
    std::filesystem::current_path(before);
    EXPECT_EQ(message.rfind("cannot open plug-in cut.so: the file is cut short", 0), 0u) << message;
}

TEST(PluginLibrary, ThePluginResolvesAllFiveExports) {
    PluginLibrary library(DD_PLUGIN_PATH);
    const PluginExports& exports = library.exports();
    EXPECT_NE(exports.getAttributeCalculation, nullptr);
    EXPECT_NE(exports.getAttributeCalcDataCategory, nullptr);
    EXPECT_NE(exports.getInformation, nullptr);
    EXPECT_NE(exports.dllRegisterServer, nullptr);
    EXPECT_NE(exports.dllUnregisterServer, nullptr);
    EXPECT_EQ(library.path(), DD_PLUGIN_PATH);
}

TEST(PluginLibrary, ClosingOneLoadLeavesAnotherUsable) {
    auto first = std::make_unique<PluginLibrary>(DD_PLUGIN_PATH);
    PluginLibrary second(DD_PLUGIN_PATH);
    first.reset();
    std::unique_ptr<CAttributeCalculation> calculation(second.exports().getAttributeCalculation());
    EXPECT_NE(calculation, nullptr);
}

TEST(Session, ReceivesTheWholeDirectoryInTheHostsOrder) {
    Session session(DD_PLUGIN_PATH, StoreRecording::On);
    const ReferenceObjectStore& store = session.store();
    ASSERT_EQ(store.objects().size(), 637u);
    EXPECT_EQ(store.transactionSets().size(), 146u);
    EXPECT_EQ(store.variableSets().size(), 247u);
    EXPECT_EQ(store.objects().front()->getcDefinition()->name(), "physical_block");
    EXPECT_EQ(store.objects().back()->getcDefinition()->name(), "VOLUME_UNIT");
    for (DDObjectId id = 1; id <= 637; ++id) {
        ASSERT_NE(store.Find(id), nullptr) << id;
        EXPECT_EQ(store.Find(id)->getcDefinition()->getID(), id);
    }
    // Every object comes before the first set.
    std::size_t lastObject = 0;
    std::size_t firstSet = store.calls().size();
    for (std::size_t i = 0; i < store.calls().size(); ++i) {
        if (store.calls()[i].operation == StoreOperation::AddObject)
            lastObject = i;
        else
            firstSet = std::min(firstSet, i);
    }
    EXPECT_LT(lastObject, firstSet);
    EXPECT_EQ(store.calls().size(), 637u + 2 * 146u + 247u);
}

// A session keeps no record of the calls its fills make unless asked: its memory does not grow
// with the fills, while a recording one grows by the same count each round.
TEST(Session, KeepsNoRecordOfItsFillsUnlessAsked) {
    Session plain(DD_PLUGIN_PATH);
    Session recording(DD_PLUGIN_PATH, StoreRecording::On);
    const auto fillAll = [](Session& session) {
        for (const auto& object : session.store().objects()) {
            const std::unique_ptr<CDDObject> copy(object->Clone());
            Calculate(session.calculation(), 1, *copy);
        }
    };
    std::vector<std::size_t> recorded;
    for (int round = 0; round < 10; ++round) {
        fillAll(plain);
        fillAll(recording);
        EXPECT_TRUE(plain.store().calls().empty());
        recorded.push_back(recording.store().calls().size());
    }
    const std::size_t perRound = recorded[1] - recorded[0];
    EXPECT_GT(perRound, 100u);
    for (std::size_t round = 1; round < recorded.size(); ++round) {
        EXPECT_EQ(recorded[round] - recorded[round - 1], perRound);
    }
    EXPECT_EQ(plain.store().objects().size(), 637u);
    EXPECT_TRUE(plain.host().sink().messages().empty());
}

TEST(Session, EveryVariableHasACurrentValueAndEveryReadIsANewVariant) {
    Session session(DD_PLUGIN_PATH);
    ObjectStore& store = session.store();
    for (const auto& object : session.store().objects()) {
        const CDDDefinition& definition = *object->getcDefinition();
        if (definition.getKind() != DD_KIND_VARIABLE) continue;
        std::unique_ptr<CDDCommonVariant> first(store.GetCurrentValue(1, definition));
        std::unique_ptr<CDDCommonVariant> second(store.GetCurrentValue(1, definition));
        ASSERT_NE(first, nullptr) << definition.name().ptr();
        EXPECT_NE(first.get(), second.get());
        EXPECT_NE(first->getKind(), CDDCommonVariant::Empty) << definition.name().ptr();
        EXPECT_TRUE(*first == *second) << definition.name().ptr();
    }
}

}  // namespace
}  // namespace ddhost
