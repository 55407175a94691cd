#include "platform/framework.h"

namespace platform {
namespace {

// An address inside this module: the module's instance for whoever asks the loader.
constinit const char g_moduleAnchor = 0;

}  // namespace

ProcessAttachment::ProcessAttachment() { AttachProcess(&g_moduleAnchor); }

ProcessAttachment::~ProcessAttachment() { DetachProcess(); }

}  // namespace platform
