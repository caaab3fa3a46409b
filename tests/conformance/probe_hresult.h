// HRESULTs as the probe prints them: success codes exactly, failures by their sign only, as
// Wine's failure codes differ from Windows'.
#pragma once

#include <string>

#include "platform/win32.h"

inline std::string HresultText(HRESULT result) {
    return result < 0 ? std::string("failure") : std::to_string(result);
}
