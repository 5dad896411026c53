#include "platform/system/SystemServices.h"

namespace platform::sys {

std::unique_ptr<SystemServices> SystemServices::forThisDesktop() { return std::make_unique<NullSystemServices>(); }

} // namespace platform::sys
