#include "ddlib/block.h"

#include "record.h"

CDDBlock::CDDBlock(const CDDDefinition& definition, enumDDBlockKind kind)
    : CDDObject(definition),
      m_hasType(false),
      m_hasNumber(false),
      m_type(DD_BLOCK_PHYSICAL),
      m_number(0),
      m_kind(kind) {}
CDDBlock::~CDDBlock() = default;

void CDDBlock::putType(enumDDBlockType type) {
    m_type = type;
    m_hasType = true;
    DD_RECORD("CDDBlock", "putType", static_cast<std::int32_t>(type));
}
void CDDBlock::putNumber(std::int32_t number) {
    m_number = number;
    m_hasNumber = true;
    DD_RECORD("CDDBlock", "putNumber", number);
}
void CDDBlock::putBlockKind(enumDDBlockKind kind) {
    m_kind = kind;
    DD_RECORD("CDDBlock", "putBlockKind", static_cast<std::int32_t>(kind));
}
