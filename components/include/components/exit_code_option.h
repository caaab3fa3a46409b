// The demo application's exit code, chosen on its command line.
#pragma once

#include <cstdint>
#include <string>

// The value of a "--exit-code=N" argument: N in decimal (with an optional minus sign) or
// in hexadecimal after "0x", at most 32 bits; the exit code is those 32 bits as a signed
// value, so 0x80004005 gives a failure HRESULT. 0 without the argument, E_INVALIDARG
// (0x80070057) when N is malformed or too wide, so a typo does not pass for success.
std::int32_t ExitCodeFromCommandLine(const std::string& commandLine);
