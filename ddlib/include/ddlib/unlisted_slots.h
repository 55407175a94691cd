#pragma once

// A host calls the operations of a shared class by their place in its table of virtual
// operations, so each listed operation keeps its place, and the places between them are held by
// unlisted slots. They only hold places: a host must never call one. On 32-bit Windows a called
// operation removes its own arguments from the stack, and a placeholder, which cannot know how
// many its caller pushed, would leave the caller's stack off. They are private, so that no code
// names them, and an implementer never writes them.
//
//     DD_UNLISTED_SLOTS(9, 10, 11);   // holds slots 9, 10 and 11
//
// The numbers name the slots they hold, counted from 0 in declaration order with a virtual
// destructor taking one; the suites check that every listed operation lands where it belongs.
// Use it among public declarations: the declarations after it are public.
#define DD_UNLISTED_SLOTS(...)                  \
  private:                                      \
    DD_SLOTS_EXPAND(DD_SLOTS_EACH(__VA_ARGS__)) \
  public:                                       \
    static_assert(true)

#define DD_UNLISTED_SLOT(slot) \
    virtual void Unlisted##slot() {}

// One DD_UNLISTED_SLOT per argument: each round of rescanning takes the next one.
#define DD_SLOTS_EACH(first, ...) \
    DD_UNLISTED_SLOT(first) __VA_OPT__(DD_SLOTS_EACH_AGAIN DD_SLOTS_PARENS(__VA_ARGS__))
#define DD_SLOTS_EACH_AGAIN() DD_SLOTS_EACH
#define DD_SLOTS_PARENS ()
#define DD_SLOTS_EXPAND(...) DD_SLOTS_EXPAND4(DD_SLOTS_EXPAND4(DD_SLOTS_EXPAND4(__VA_ARGS__)))
#define DD_SLOTS_EXPAND4(...) DD_SLOTS_EXPAND3(DD_SLOTS_EXPAND3(DD_SLOTS_EXPAND3(__VA_ARGS__)))
#define DD_SLOTS_EXPAND3(...) DD_SLOTS_EXPAND2(DD_SLOTS_EXPAND2(DD_SLOTS_EXPAND2(__VA_ARGS__)))
#define DD_SLOTS_EXPAND2(...) DD_SLOTS_EXPAND1(DD_SLOTS_EXPAND1(DD_SLOTS_EXPAND1(__VA_ARGS__)))
#define DD_SLOTS_EXPAND1(...) __VA_ARGS__
