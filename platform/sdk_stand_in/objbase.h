// The host build's stand-in for the Windows SDK's <objbase.h>, for the one header that component
// vendors build against as it is (the AppRun contract): the platform layer gives the names.
#pragma once

#include "platform/win32.h"
