#pragma once

#include <cstdint>

#include "ddlib/definition.h"
#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/object.h"

class DDLIB_API CDDBlock : public CDDObject {
    DD_OBJECT_CLASS(CDDBlock)

  public:
    CDDBlock(const CDDDefinition& definition, enumDDBlockKind kind);
    ~CDDBlock() override;

    void putType(enumDDBlockType type);
    void putNumber(std::int32_t number);
    void putBlockKind(enumDDBlockKind kind);

    bool hasType() const { return m_hasType; }
    enumDDBlockType getType() const { return m_type; }
    bool hasNumber() const { return m_hasNumber; }
    std::int32_t getNumber() const { return m_number; }
    enumDDBlockKind getBlockKind() const { return m_kind; }

  private:
    bool m_hasType;
    bool m_hasNumber;
    enumDDBlockType m_type;
    std::int32_t m_number;
    enumDDBlockKind m_kind;
};
