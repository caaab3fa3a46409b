// Loads liblog4cxx.dll and everything it needs, and does nothing else: the one imported symbol
// makes the loader map the DLL and its dependents before main. bench/dll-load-cost-windows
// times it against dll_load_empty; the difference is what the DLLs cost every start.
#include <log4cxx/logmanager.h>

int main() {
    // Only the address, through a volatile so the import stays: calling it would start
    // log4cxx's repository.
    void (*volatile shutdown)() = &log4cxx::LogManager::shutdown;
    return shutdown == nullptr ? 1 : 0;
}
