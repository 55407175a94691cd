#include "ddlib/persistent.h"

CDDPersistent::~CDDPersistent() = default;
