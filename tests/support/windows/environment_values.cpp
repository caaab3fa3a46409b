#include <cstdlib>
#include <ctime>

#include "environment_values.h"
#include "platform/win32.h"

// _putenv keeps the run-time's copy and the process environment, which children inherit,
// in step. An empty value removes the variable.
void SetEnvironmentValue(const std::string& name, const std::string& value) {
    _putenv((name + "=" + value).c_str());
}

void SetEnvironmentPath(const std::string& name, const std::filesystem::path& value) {
    const std::wstring wideName(name.begin(), name.end());  // names are ASCII
    _wputenv((wideName + L"=" + value.wstring()).c_str());
}

void RemoveEnvironmentValue(const std::string& name) {
    _putenv((name + "=").c_str());
}

void ReloadTimeZone() {
    _tzset();
}

std::optional<std::string> ProcessEnvironmentValue(const std::string& name) {
    // Read as UTF-16 and converted here: Wine's narrow call cuts a Shift-JIS value short by
    // one byte for each double-byte character.
    const std::wstring wideName(name.begin(), name.end());  // names are ASCII
    std::wstring wide(32768, L'\0');
    const DWORD units =
        GetEnvironmentVariableW(wideName.c_str(), wide.data(), static_cast<DWORD>(wide.size()));
    if (units == 0 || units >= wide.size()) {
        return std::nullopt;
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(units), nullptr,
                                          0, nullptr, nullptr);
    std::string value(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(units), value.data(), bytes,
                        nullptr, nullptr);
    return value;
}
