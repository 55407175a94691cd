#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/variable_record.h"

// The family of standard parameters that opens every block's parameter list: the texts, value
// lists and records that the physical, transducer and function blocks share. The texts are
// defined in block_enumerations.cpp, which is compiled to Windows-1252 bytes; the tables here
// only hold values and the addresses of those texts.
namespace block_family {

// Labels and helps of the family members, by member.
extern const char kBlkReserveLabel[];
extern const char kBlkReserveHelp[];
extern const char kBlkObjectLabel[];
extern const char kBlkObjectHelp[];
extern const char kBlkParentClassLabel[];
extern const char kBlkClassLabel[];
extern const char kBlkDdReferenceLabel[];
extern const char kBlkDdReferenceHelp[];
extern const char kBlkDdRevLabel[];
extern const char kBlkDdRevHelp[];
extern const char kBlkProfileLabel[];
extern const char kBlkProfileHelp[];
extern const char kBlkProfileRevLabel[];
extern const char kBlkProfileRevHelp[];
extern const char kBlkExecutionTimeLabel[];
extern const char kBlkExecutionTimeHelp[];
extern const char kBlkHighestRelOffsetLabel[];
extern const char kBlkHighestRelOffsetHelp[];
extern const char kBlkIndexView1Label[];
extern const char kBlkIndexView1Help[];
extern const char kBlkNumViewListsLabel[];
extern const char kBlkNumViewListsHelp[];
extern const char kStRevLabel[];
extern const char kStRevHelp[];
extern const char kTagDescLabel[];
extern const char kTagDescHelp[];
extern const char kStrategyLabel[];
extern const char kStrategyHelp[];
extern const char kAlertKeyLabel[];
extern const char kAlertKeyHelp[];
extern const char kTargetModeLabel[];
extern const char kTargetModeHelp[];
extern const char kActualModeLabel[];
extern const char kActualModeHelp[];
extern const char kPermittedModeLabel[];
extern const char kPermittedModeHelp[];
extern const char kNormalModeLabel[];
extern const char kNormalModeHelp[];
extern const char kCurrentStateAlarmSumLabel[];
extern const char kCurrentStateAlarmSumHelp[];
extern const char kUnacknowledgedStateAlarmSumLabel[];
extern const char kUnacknowledgedStateAlarmSumHelp[];
extern const char kUnreportedStateAlarmSumLabel[];
extern const char kUnreportedStateAlarmSumHelp[];
extern const char kDisabledStateAlarmSumLabel[];
extern const char kDisabledStateAlarmSumHelp[];

// Enumerator descriptions.
extern const char kPhysicalBlockText[];
extern const char kTransducerBlockText[];
extern const char kTransmitterText[];
extern const char kFlowText[];
extern const char kNotUsedText[];
extern const char kNoneText[];
extern const char kUnknownText[];
extern const char kSpecialText[];
extern const char kProfileRevision20Text[];
extern const char kAutoText[];
extern const char kNoAlarmText[];
extern const char kParameterModificationText[];

// Block object and parent class of each block.
inline constexpr std::array<Enumerator, 1> kPhysicalBlockObject = {{{1, kPhysicalBlockText}}};
inline constexpr std::array<Enumerator, 1> kTransducerBlockObject = {{{3, kTransducerBlockText}}};
inline constexpr std::array<Enumerator, 1> kTransmitterParentClass = {{{1, kTransmitterText}}};
inline constexpr std::array<Enumerator, 1> kFlowParentClass = {{{3, kFlowText}}};

// The codes 250 to 253 that class lists and the manufacturer list reserve.
inline constexpr std::array<Enumerator, 4> kReservedCodes = {{
    {250, kNotUsedText},
    {251, kNoneText},
    {252, kUnknownText},
    {253, kSpecialText},
}};
// A class list that holds nothing but "not used".
inline constexpr std::span<const Enumerator> kNotUsedOnly = std::span(kReservedCodes).first<1>();

inline constexpr std::array<Enumerator, 1> kProfileRevisions = {{{512, kProfileRevision20Text}}};

// The one mode of the physical and transducer blocks, as an enumerator and as a bit.
inline constexpr std::array<Enumerator, 1> kAutoMode = {{{8, kAutoText}}};
inline constexpr std::array<BitEnumerator, 1> kAutoModeBit = {{{8, kAutoText}}};

// Alarm-summary bits of the physical and transducer blocks.
inline constexpr std::array<BitEnumerator, 2> kAlarmSummaryBits = {{
    {0, kNoAlarmText},
    {32768, kParameterModificationText},
}};

// One list after the other, in that order.
template <std::size_t N, std::size_t M>
constexpr std::array<Enumerator, N + M> JoinEnumerators(const std::array<Enumerator, N>& first,
                                                        const std::array<Enumerator, M>& second) {
    std::array<Enumerator, N + M> joined{};
    for (std::size_t i = 0; i < N; ++i) joined[i] = first[i];
    for (std::size_t i = 0; i < M; ++i) joined[N + i] = second[i];
    return joined;
}

// An alarm summary: the same in every block but for its texts and the bits the block reports.
constexpr VariableRecord AlarmSummary(const char* label, const char* help,
                                      std::span<const BitEnumerator> bits) {
    return {.label = label, .help = help, .size = 2, .maxEnumIndex = 32768, .bitEnumerators = bits};
}

// The same member without any handling call.
constexpr VariableRecord WithoutHandling(VariableRecord record) {
    record.handling = Handling::None;
    return record;
}

// Members that are alike in the blocks that use them; the block's factory points at the record.
inline constexpr VariableRecord kBlkReserve = {
    .label = kBlkReserveLabel, .help = kBlkReserveHelp, .size = 1};
inline constexpr VariableRecord kBlkDdReference = {
    .label = kBlkDdReferenceLabel, .help = kBlkDdReferenceHelp, .size = 4};
inline constexpr VariableRecord kBlkDdRev = {
    .label = kBlkDdRevLabel, .help = kBlkDdRevHelp, .size = 2};
inline constexpr VariableRecord kBlkProfile = {
    .label = kBlkProfileLabel, .help = kBlkProfileHelp, .size = 2};
inline constexpr VariableRecord kBlkProfileRev = {.label = kBlkProfileRevLabel,
                                                  .help = kBlkProfileRevHelp,
                                                  .size = 2,
                                                  .maxEnumIndex = 512,
                                                  .enumerators = kProfileRevisions};
inline constexpr VariableRecord kBlkExecutionTime = {
    .label = kBlkExecutionTimeLabel, .help = kBlkExecutionTimeHelp, .size = 1};
inline constexpr VariableRecord kBlkHighestRelOffset = {
    .label = kBlkHighestRelOffsetLabel, .help = kBlkHighestRelOffsetHelp, .size = 2};
inline constexpr VariableRecord kBlkIndexView1 = {
    .label = kBlkIndexView1Label, .help = kBlkIndexView1Help, .size = 2};
inline constexpr VariableRecord kBlkNumViewLists = {
    .label = kBlkNumViewListsLabel, .help = kBlkNumViewListsHelp, .size = 1};
inline constexpr VariableRecord kStRev = {.label = kStRevLabel, .help = kStRevHelp, .size = 2};
inline constexpr VariableRecord kStrategy = {
    .label = kStrategyLabel, .help = kStrategyHelp, .size = 2, .handling = Handling::ReadWrite};
inline constexpr VariableRecord kAlertKey = {
    .label = kAlertKeyLabel, .help = kAlertKeyHelp, .size = 1, .handling = Handling::ReadWrite};
// The physical and transducer blocks make no handling call for their tag.
inline constexpr VariableRecord kTagDesc = {
    .label = kTagDescLabel, .help = kTagDescHelp, .size = 32, .handling = Handling::None};

// Function blocks: the members in which they depart from the physical and transducer blocks.
extern const char kFunctionBlockText[];
extern const char kFunctionBlockParentClassHelp[];
extern const char kFunctionBlockClassHelp[];
extern const char kManText[];
extern const char kOutOfServiceText[];
extern const char kUpperLimitAlarmText[];
extern const char kUpperLimitWarningText[];
extern const char kLowerLimitAlarmText[];
extern const char kLowerLimitWarningText[];

// Member descriptions of the function blocks' collections.
extern const char kOutputValueText[];
extern const char kStatusUpperLimitWarningText[];
extern const char kStatusUpperLimitAlarmText[];
extern const char kOutputValueUpperWarningText[];
extern const char kOutputValueUpperAlarmText[];

inline constexpr std::array<Enumerator, 1> kFunctionBlockObject = {{{2, kFunctionBlockText}}};

// A function block runs in AUTO, MAN or out of service, as an enumerator and as a bit.
inline constexpr std::array<Enumerator, 3> kFunctionBlockModes = {{
    {8, kAutoText},
    {16, kManText},
    {128, kOutOfServiceText},
}};
inline constexpr std::array<BitEnumerator, 3> kFunctionBlockModeBits = {{
    {8, kAutoText},
    {16, kManText},
    {128, kOutOfServiceText},
}};

// Alarm-summary bits of the function blocks: one per limit, then the parameter modification.
inline constexpr std::array<BitEnumerator, 5> kLimitAlarmSummaryBits = {{
    {512, kUpperLimitAlarmText},
    {1024, kUpperLimitWarningText},
    {2048, kLowerLimitAlarmText},
    {4096, kLowerLimitWarningText},
    {32768, kParameterModificationText},
}};

inline constexpr VariableRecord kFunctionBlkObject = {.label = kBlkObjectLabel,
                                                      .help = kBlkObjectHelp,
                                                      .size = 1,
                                                      .maxEnumIndex = 2,
                                                      .enumerators = kFunctionBlockObject};
// A function block's tag is written through the variable itself.
inline constexpr VariableRecord kFunctionTagDesc = {
    .label = kTagDescLabel, .help = kTagDescHelp, .size = 32, .handling = Handling::ReadWrite};
inline constexpr VariableRecord kFunctionTargetMode = {.label = kTargetModeLabel,
                                                       .help = kTargetModeHelp,
                                                       .size = 1,
                                                       .maxEnumIndex = 128,
                                                       .enumerators = kFunctionBlockModes,
                                                       .handling = Handling::ReadWrite};
inline constexpr VariableRecord kFunctionActualMode = {.label = kActualModeLabel,
                                                       .help = kActualModeHelp,
                                                       .size = 1,
                                                       .maxEnumIndex = 128,
                                                       .enumerators = kFunctionBlockModes};
inline constexpr VariableRecord kFunctionPermittedMode = {.label = kPermittedModeLabel,
                                                          .help = kPermittedModeHelp,
                                                          .size = 1,
                                                          .maxEnumIndex = 128,
                                                          .bitEnumerators = kFunctionBlockModeBits};
inline constexpr VariableRecord kFunctionNormalMode = {.label = kNormalModeLabel,
                                                       .help = kNormalModeHelp,
                                                       .size = 1,
                                                       .maxEnumIndex = 128,
                                                       .enumerators = kFunctionBlockModes};

// The four alarm summaries of a function block differ only in their texts.
inline constexpr VariableRecord kFunctionCurrentStateAlarmSum =
    AlarmSummary(kCurrentStateAlarmSumLabel, kCurrentStateAlarmSumHelp, kLimitAlarmSummaryBits);
inline constexpr VariableRecord kFunctionUnacknowledgedStateAlarmSum = AlarmSummary(
    kUnacknowledgedStateAlarmSumLabel, kUnacknowledgedStateAlarmSumHelp, kLimitAlarmSummaryBits);
inline constexpr VariableRecord kFunctionUnreportedStateAlarmSum = AlarmSummary(
    kUnreportedStateAlarmSumLabel, kUnreportedStateAlarmSumHelp, kLimitAlarmSummaryBits);
inline constexpr VariableRecord kFunctionDisabledStateAlarmSum =
    AlarmSummary(kDisabledStateAlarmSumLabel, kDisabledStateAlarmSumHelp, kLimitAlarmSummaryBits);

}  // namespace block_family
