// The test program's own OLE Automation strings, which take the place of the platform
// layer's: each free is noted, and an allocation can be made to fail.
#pragma once

#include <vector>

#include "platform/win32.h"

// Where each string SysFreeString was given lay, null included, oldest first.
std::vector<const void*>& FreedBstrs();

// The next SysAllocStringLen returns null, as when memory runs out.
void FailNextBstrAllocation();
