// Expands the item registry with the row macros that the includer defined. A row macro left
// undefined expands to nothing, unless the includer defined DD_ITEM_ROW(kind, id, name), which
// then receives every row not otherwise taken. No include guard: included once per use.

#ifdef DD_ITEM_ROW
#ifndef DD_BLOCK
#define DD_BLOCK(id, name) DD_ITEM_ROW(DD_KIND_BLOCK, id, name)
#endif
#ifndef DD_VARIABLE
#define DD_VARIABLE(id, name, type, mask) DD_ITEM_ROW(DD_KIND_VARIABLE, id, name)
#endif
#ifndef DD_COMMAND
#define DD_COMMAND(id, name, block, index, op, ...) DD_ITEM_ROW(DD_KIND_COMMAND, id, name)
#endif
#ifndef DD_MENU
#define DD_MENU(id, name) DD_ITEM_ROW(DD_KIND_MENU, id, name)
#endif
#ifndef DD_METHOD
#define DD_METHOD(id, name) DD_ITEM_ROW(DD_KIND_METHOD, id, name)
#endif
#ifndef DD_COLLECTION
#define DD_COLLECTION(id, name) DD_ITEM_ROW(DD_KIND_COLLECTION, id, name)
#endif
#ifndef DD_UNIT
#define DD_UNIT(id, name) DD_ITEM_ROW(DD_KIND_UNIT, id, name)
#endif
#endif

#ifndef DD_BLOCK
#define DD_BLOCK(id, name)
#endif
#ifndef DD_VARIABLE
#define DD_VARIABLE(id, name, type, mask)
#endif
#ifndef DD_COMMAND
#define DD_COMMAND(id, name, block, index, op, ...)
#endif
#ifndef DD_MENU
#define DD_MENU(id, name)
#endif
#ifndef DD_METHOD
#define DD_METHOD(id, name)
#endif
#ifndef DD_COLLECTION
#define DD_COLLECTION(id, name)
#endif
#ifndef DD_UNIT
#define DD_UNIT(id, name)
#endif

#include "directory/items.def"

#undef DD_BLOCK
#undef DD_VARIABLE
#undef DD_COMMAND
#undef DD_MENU
#undef DD_METHOD
#undef DD_COLLECTION
#undef DD_UNIT
#undef DD_ITEM_ROW
