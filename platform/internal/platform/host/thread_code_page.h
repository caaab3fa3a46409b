// The code page CP_THREAD_ACP means on the calling thread.
#pragma once

#include "platform/host/types.h"

namespace host {

UINT ThreadCodePage();

}  // namespace host
