#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

// The variables that this block's header, modes and output consist of.
constexpr DDObjectId kFirstVariable = item::func2_blk_reserve;
constexpr DDObjectId kLastVariable = item::func2_out_total_status;

// The language tags of a multilingual text, in order.
std::vector<std::string> Tags(const std::string& text) {
    std::vector<std::string> tags;
    for (std::size_t at = text.find("  |"); at != std::string::npos; at = text.find("  |", at + 1))
        if (at + 6 < text.size() && text[at + 5] == '|') tags.push_back(text.substr(at + 3, 2));
    return tags;
}
const std::vector<std::string> kAllLanguages = {"de", "fr", "it", "es"};

}  // namespace

TEST(FunctionBlock2Header, BlockObjectIsTheSecondFunctionBlock) {
    PluginFixture f;
    EXPECT_EQ(f.Trace(item::function_block_2), BlockFill(2, 2));
}

TEST(FunctionBlock2Header, CollectionsNameTheirMembersInOrder) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func2);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "CDDCollection::putLabel(\"\")");
    EXPECT_EQ(calls[1], "CDDCollection::setMemberSet(CDDMemberSet)");
    EXPECT_EQ(calls.back(), "CDDCollection::putAttributesAvailable(true)");

    const auto func2 = f.FillAs<CDDCollection>(item::func2);
    EXPECT_EQ(Label(*func2), "");
    const CDDMemberSet& members = *func2->getMemberSet();
    ASSERT_EQ(members.getCount(), 2);
    EXPECT_STREQ(members.getItem(0).getName().ptr(), "actual_mode");
    EXPECT_EQ(members.getItem(0).getDefinition().getID(), item::func2_actual_mode);
    EXPECT_STREQ(members.getItem(1).getName().ptr(), "out");
    EXPECT_EQ(members.getItem(1).getDefinition().getID(), item::func2_out_total_value);
    for (int i = 0; i < 2; ++i) {
        // No German part, and none borrowed from elsewhere.
        EXPECT_STREQ(members.getItem(i).getDescription().ptr(),
                     "Function Block 2 - Totalizer  |fr|Bloc fonctionnel 2 - Totalisateur  "
                     "|it|Blocco funzionale 2 - totalizzatore  |es|Bloque de funci\xF3n 2 - "
                     "Totalizador");
        EXPECT_STREQ(members.getItem(i).getHelp().ptr(), "");
    }
}

TEST(FunctionBlock2Header, BlankCollectionRefersToTheAlarmRecordsByName) {
    PluginFixture f;
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::func2_blank);
    ddhost::Calculate(f.calculation, 1, *object);
    ddhost::Calculate(f.calculation, 1, *object);  // a second fill starts a new member set
    const CDDMemberSet& members = *static_cast<CDDCollection&>(*object).getMemberSet();

    const std::vector<std::pair<std::string, DDObjectId>> expected = {
        {"actual_mode", item::func2_actual_mode},
        {"out", item::func2_out_total_value},
        {"hi_alm_state", item::func2_TOT_hi_alm_state},
        {"hi_hi_alm_state", item::func2_TOT_hi_hi_alm_state},
        {"hi_alm_value", item::func2_TOT_hi_alm_value},
        {"hi_hi_alm_value", item::func2_TOT_hi_hi_alm_value},
    };
    ASSERT_EQ(members.getCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < members.getCount(); ++i) {
        const CDDMember& member = members.getItem(i);
        EXPECT_EQ(member.getName().ptr(), expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(member.getDefinition().getID(), expected[static_cast<std::size_t>(i)].second);
        EXPECT_EQ(Tags(member.getDescription().ptr()), kAllLanguages) << i;
        EXPECT_STREQ(member.getHelp().ptr(), "");
    }
    const CDDMember* value = members.getItem(CStrPP("hi_alm_value"));
    ASSERT_NE(value, nullptr);
    EXPECT_STREQ(value->getDescription().ptr(),
                 "Output Value Upper Warning  |de|Ausgangswert Warnung Oben  |fr|Valeur de sortie "
                 "d'avertissement sup\xE9rieure  |it|Valore di uscita superiore  avviso  "
                 "|es|Valor de salida superior de advertencia");
    // The mode member reads like the mode's own label.
    EXPECT_EQ(members.getItem(0).getDescription().ptr(), Label(*f.Fill(item::func2_actual_mode)));
}

TEST(FunctionBlock2Header, BlkReserveMakesTheFramesExampleCalls) {
    PluginFixture f;
    Calls calls = f.Trace(item::func2_blk_reserve);
    ASSERT_GT(calls.size(), 4u);
    EXPECT_TRUE(StartsWith(
        calls[3], "CDDVariable::putHelp(\"Parameter is reserved and contains no relevant data.  "));
    calls[3] = "help";
    EXPECT_EQ(
        calls,
        Join({{"CDDVariable::putLabel(\"\")",
               "CDDVariable::putLabel(\"Reserved Profile Parameter  "
               "|de|Reservierter Profilparameter  |fr|Param\xE8tre de profil "
               "r\xE9serv\xE9  |it|Parametro di profilo riservato  "
               "|es|Par\xE1metro de perfil reservado\")",
               "CDDVariable::putHelp(\"\")", "help"},
              kResetClass,
              {"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(3))",
               "CDDType::putSize(1)", "CDDType::putScalingFactor(1.0)",
               "CDDType::putDisplayFormat(\"%u\")", "CDDType::putEditFormat(\"%u\")",
               "CDDType::putMaxRangeNo(-1)"},
              kResetHandling,
              {"CDDVariable::putHandling(1, true)", "CDDVariable::putAttributesAvailable(true)"}}));
}

TEST(FunctionBlock2Header, BlockRecordIsTwentyBytesAndOnlyTagStrategyAlertKeyAreWritable) {
    PluginFixture f;
    int recordBytes = 0;
    for (DDObjectId id = item::func2_blk_reserve; id <= item::func2_alert_key; ++id) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        const auto variable = f.FillAs<CDDVariable>(id);
        if (id <= item::func2_blk_num_view_lists) recordBytes += variable->getTypeInfo()->getSize();
        const bool writable =
            id == item::func2_tag_desc || id == item::func2_strategy || id == item::func2_alert_key;
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_EQ(variable->getHandling(DD_HANDLING_WRITE), writable);
    }
    EXPECT_EQ(recordBytes, 20);
}

TEST(FunctionBlock2Header, TagIsAStringOfThirtyTwoWithReadThenWrite) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func2_tag_desc);
    EXPECT_EQ(calls[1], "CDDVariable::putLabel(\"VAH0   Tag Number  |de|VAH0   Me\xDFstelle\")");
    EXPECT_EQ(
        Without(calls, {"CDDVariable::putLabel", "CDDVariable::putHelp", "CDDVariableClass::"}),
        Join({{"CDDVariable::setTypeInfo(CDDType(7))", "CDDType::putSize(32)"},
              kResetHandling,
              {"CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
               "CDDVariable::putAttributesAvailable(true)"}}));
}

TEST(FunctionBlock2Header, EnumeratedFieldsHaveOneEnumeratorAtTheHighestIndex) {
    PluginFixture f;
    for (DDObjectId id : {item::func2_blk_object, item::func2_blk_parent_class,
                          item::func2_blk_class, item::func2_blk_profile_rev}) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        const auto variable = f.FillAs<CDDVariable>(id);
        const CDDType& type = *variable->getTypeInfo();
        ASSERT_EQ(type.enumerators().getCount(), 1);
        EXPECT_EQ(type.enumerators().getItem(0).getValue(), type.getMaxEnumIndex());
        EXPECT_STREQ(type.enumerators().getItem(0).getHelp().ptr(), "");
    }
    auto description = [&](DDObjectId id) {
        return std::string(f.FillAs<CDDVariable>(id)
                               ->getTypeInfo()
                               ->enumerators()
                               .getItem(0)
                               .getDescription()
                               .ptr());
    };
    EXPECT_EQ(description(item::func2_blk_object),
              "Function Block  |de|Function Block  |fr|Bloc fonctionnel  |it|Blocco funzionale  "
              "|es|Bloque de funci\xF3n");
    EXPECT_EQ(description(item::func2_blk_parent_class),
              "Calculation  |de|Berechnung  |fr|Calcul  |it|Calcolo  |es|C\xE1lculo");
    EXPECT_EQ(description(item::func2_blk_class),
              "Totalizer  |de|Z\xE4hlwerk  |fr|Compteur  |it|Contatore  |es|Totalizador");
    EXPECT_EQ(description(item::func2_blk_profile_rev), "2.0");
    EXPECT_EQ(f.FillAs<CDDVariable>(item::func2_blk_profile_rev)->getTypeInfo()->getMaxEnumIndex(),
              512);
}

TEST(FunctionBlock2Header, TextsCarryEveryLanguage) {
    PluginFixture f;
    for (DDObjectId id = item::func2_blk_reserve; id <= item::func2_alert_key; ++id) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        const auto variable = f.Fill(id);
        EXPECT_EQ(Tags(Help(*variable)), kAllLanguages);
        if (id != item::func2_tag_desc) {
            EXPECT_EQ(Tags(Label(*variable)), kAllLanguages);
        }
    }
    EXPECT_EQ(Help(*f.Fill(item::func2_blk_object)),
              "Type of related block.  |de|Typ des entsprechenden Blocks.  |fr|Type du bloc "
              "correspondant.  |it|Tipo del relativo blocco.  |es|Tipo del respectivo bloque");
    EXPECT_EQ(Label(*f.Fill(item::func2_alert_key)),
              "Alert Key  |de|Alarmschl\xFCssel  |fr|Cl\xE9 d'alarme  |it|Chiave di allarme  "
              "|es|Clave de alarma");
    EXPECT_TRUE(
        StartsWith(Help(*f.Fill(item::func2_blk_parent_class)),
                   "Parent Class: Defines the function block parent class (Input, Output,   "
                   "Control etc.).  |de|"));
    // The standard members read alike in every block.
    EXPECT_EQ(Help(*f.Fill(item::func2_blk_object)), Help(*f.Fill(item::phys_blk_object)));
    EXPECT_EQ(Help(*f.Fill(item::func2_blk_class)), Help(*f.Fill(item::func1_blk_class)));
}

TEST(FunctionBlock2Modes, TargetModeOffersTheThreeModesAndIsWritable) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func2_target_mode);
    EXPECT_EQ(calls[1],
              "CDDVariable::putLabel(\"Target Mode  |de|Zielmodus  |fr|Mode cible  "
              "|it|Modo di destinazione  |es|Modo de destino\")");
    EXPECT_EQ(
        Without(calls, {"CDDVariable::putLabel", "CDDVariable::putHelp"}),
        Join({kResetClass,
              {"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(4))",
               "CDDType::putSize(1)", "CDDType::putMaxEnumIndex(128)", "CDDEnumerator::putValue(8)",
               "CDDEnumerator::putDescription(\"AUTO\")", "CDDEnumerator::putHelp(\"\")",
               "CDDEnumeratorSet::Add(8)", "CDDEnumerator::putValue(16)",
               "CDDEnumerator::putDescription(\"MAN\")", "CDDEnumerator::putHelp(\"\")",
               "CDDEnumeratorSet::Add(16)", "CDDEnumerator::putValue(128)",
               "CDDEnumerator::putDescription(\"Out of Service (O/S)  |de|Au\xDF"
               "er Betrieb  |fr|Hors service  |it|Fuori servizio  |es|Fuera de servicio\")",
               "CDDEnumerator::putHelp(\"\")", "CDDEnumeratorSet::Add(128)"},
              kResetHandling,
              {"CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
               "CDDVariable::putAttributesAvailable(true)"}}));
}

TEST(FunctionBlock2Modes, ActualAndNormalModeAreReadOnlyCopiesOfTheTarget) {
    PluginFixture f;
    const std::vector<std::string> texts = {"CDDVariable::putLabel", "CDDVariable::putHelp",
                                            "CDDVariableClass::", "CDDVariable::putHandling"};
    const Calls target = Without(f.Trace(item::func2_target_mode), texts);
    EXPECT_EQ(Without(f.Trace(item::func2_actual_mode), texts), target);
    EXPECT_EQ(Without(f.Trace(item::func2_normal_mode), texts), target);

    const auto actual = f.FillAs<CDDVariable>(item::func2_actual_mode);
    const auto normal = f.FillAs<CDDVariable>(item::func2_normal_mode);
    EXPECT_EQ(actual->getClass()->getMask(), (1u << 9) | (1u << 14));
    EXPECT_EQ(normal->getClass()->getMask(), 1u << 14);
    for (const CDDVariable* mode : {actual.get(), normal.get()}) {
        EXPECT_TRUE(mode->getHandling(DD_HANDLING_READ));
        EXPECT_FALSE(mode->getHandling(DD_HANDLING_WRITE));
    }
}

TEST(FunctionBlock2Modes, PermittedModeHoldsTheSameModesAsBits) {
    PluginFixture f;
    const auto permitted = f.FillAs<CDDVariable>(item::func2_permitted_mode);
    const auto target = f.FillAs<CDDVariable>(item::func2_target_mode);
    const CDDType& type = *permitted->getTypeInfo();
    EXPECT_EQ(type.getType(), DD_TYPE_BIT_ENUMERATED);
    EXPECT_EQ(type.getSize(), 1);
    EXPECT_EQ(type.getMaxBitEnumIndex(), 128);
    EXPECT_EQ(type.enumerators().getCount(), 0);
    ASSERT_EQ(type.bitEnumerators().getCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const CDDBitEnumerator& bit = type.bitEnumerators().getItem(i);
        const CDDEnumerator& mode = target->getTypeInfo()->enumerators().getItem(i);
        EXPECT_EQ(bit.getBit(), mode.getValue());
        EXPECT_STREQ(bit.getDescription().ptr(), mode.getDescription().ptr());
        EXPECT_STREQ(bit.getHelp().ptr(), "");
        EXPECT_EQ(bit.getMethod().getID(), 0);
        EXPECT_TRUE(bit.getMethod().name().IsEmpty());
    }
    EXPECT_FALSE(permitted->getHandling(DD_HANDLING_WRITE));
}

TEST(FunctionBlock2Modes, AlarmSummariesDifferOnlyInTheirTexts) {
    PluginFixture f;
    const std::vector<std::string> texts = {"CDDVariable::putLabel", "CDDVariable::putHelp"};
    const Calls first = Without(f.Trace(item::func2_current_state_alarm_sum), texts);
    for (DDObjectId id :
         {item::func2_unacknowledged_state_alarm_sum, item::func2_unreported_state_alarm_sum,
          item::func2_disabled_state_alarm_sum})
        EXPECT_EQ(Without(f.Trace(id), texts), first) << id;

    const auto sum = f.FillAs<CDDVariable>(item::func2_current_state_alarm_sum);
    const CDDType& type = *sum->getTypeInfo();
    EXPECT_EQ(type.getSize(), 2);
    EXPECT_EQ(type.getMaxBitEnumIndex(), 32768);
    const std::vector<std::int32_t> bits = {512, 1024, 2048, 4096, 32768};
    ASSERT_EQ(type.bitEnumerators().getCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const CDDBitEnumerator& bit = type.bitEnumerators().getItem(i);
        const std::string description = bit.getDescription().ptr();
        EXPECT_EQ(bit.getBit(), bits[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Tags(description), kAllLanguages) << description;
        // The four limits keep three blanks after their Italian part.
        EXPECT_EQ(description.find("   |es|") != std::string::npos, i < 4) << description;
    }
    EXPECT_TRUE(StartsWith(type.bitEnumerators().getItem(0).getDescription().ptr(),
                           "Upper Limit Alarm  |de|"));
    EXPECT_TRUE(StartsWith(type.bitEnumerators().getItem(4).getDescription().ptr(),
                           "Parameter modification  |de|"));
    EXPECT_FALSE(sum->getHandling(DD_HANDLING_WRITE));
}

// Whatever flags the host's object carries, a fill leaves the untouched ones and exactly the
// directory's own among the ten that it resets; and it ends with putAttributesAvailable.
TEST(FunctionBlock2Header, EveryFactoryEndsCompleteWithTheDirectorysClassFlags) {
    PluginFixture f;
    constexpr std::uint32_t kAllFlags = (1u << 19) - 1;
    constexpr std::uint32_t kResetFlags = (1u << 2) | (1u << 9) | (1u << 10) | (1u << 11) |
                                          (1u << 12) | (1u << 13) | (1u << 14) | (1u << 15) |
                                          (1u << 16) | (1u << 18);
    for (DDObjectId id = kFirstVariable; id <= kLastVariable; ++id) {
        const registry::ItemInfo& info = registry::kItems[static_cast<std::size_t>(id)];
        SCOPED_TRACE(info.name);
        std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
        auto& variable = static_cast<CDDVariable&>(*object);
        for (std::int32_t flag = 0; flag < 19; ++flag)
            variable.getClass()->putClassInfo(static_cast<enumDDVariableClassType>(flag), true);
        ddhost::Calculate(f.calculation, 1, *object);
        EXPECT_EQ(variable.getClass()->getMask(), (kAllFlags & ~kResetFlags) | info.classMask);
        EXPECT_TRUE(variable.getAttributesAvailable());
        if (id != item::func2_out_total_status) {
            EXPECT_EQ(variable.getTypeInfo()->getType(), info.type);
        }
        EXPECT_EQ(f.Trace(id).back(), "CDDVariable::putAttributesAvailable(true)");
    }
    for (DDObjectId id : {item::function_block_2, item::func2, item::func2_blank}) {
        const std::string last = f.Trace(id).back();
        EXPECT_TRUE(StartsWith(last, "CDDBlock::putAttributesAvailable(true)") ||
                    StartsWith(last, "CDDCollection::putAttributesAvailable(true)"))
            << last;
    }
}
