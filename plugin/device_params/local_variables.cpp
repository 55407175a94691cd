#include "core/factory_macros.h"

// Variables that live only in the plug-in and the host: they carry state between methods,
// menus and factories and are never read from or written to the device.

// Set by the limit checks, read before the limits are written: 0 while the limits are in order.
DD_VARIABLE_FACTORY(loc_limit_error, {.label = "Local limit error",
                                      .size = 1,
                                      .defaultValue = Int(0),
                                      .handling = Handling::None})

// The access code the user entered; it starts as no code at all.
DD_VARIABLE_FACTORY(loc_security_lock, {.label = "V5H1   Access Code  |de|V5H1   Eingabe Code",
                                        .size = 2,
                                        .defaultValue = Int(0),
                                        .handling = Handling::None})
