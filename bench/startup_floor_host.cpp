// The part of a launcher start that no launcher can avoid: load the logging library, hand it
// the configuration file, load the component library and find its class-object entry. The
// start-up benchmark measures the launcher against this program.
#include <dlfcn.h>

#include <cstdio>

#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CONFIGURATION_FILE COMPONENT_LIBRARY\n", argv[0]);
        return 2;
    }
    log4cxx::PropertyConfigurator::configure(log4cxx::File(argv[1]));

    // The flags the launcher's LoadLibraryA uses, so both pay the same relocation cost.
    void* library = dlopen(argv[2], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    if (dlsym(library, "DllGetClassObject") == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    // The launcher frees its component library before it ends; so does the floor.
    dlclose(library);
    return 0;
}
