// The loader and the session, against the real plug-in and against modules that are not one.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/session.h"

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
    Session session(DD_PLUGIN_PATH);
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
