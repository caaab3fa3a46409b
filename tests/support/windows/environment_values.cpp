#include <cstdlib>
#include <ctime>

#include "environment_values.h"

// _putenv keeps the run-time's copy and the process environment, which children inherit,
// in step. An empty value removes the variable.
void SetEnvironmentValue(const std::string& name, const std::string& value) {
    _putenv((name + "=" + value).c_str());
}

void RemoveEnvironmentValue(const std::string& name) {
    _putenv((name + "=").c_str());
}

void ReloadTimeZone() {
    _tzset();
}
