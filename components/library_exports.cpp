// The component library's entry points for COM. APPRUN_EXPORT comes from the build: the
// export attribute on Windows, nothing on the host, where every symbol is visible.
#include "components/class_object.h"
#include "components/module_lifetime.h"

extern "C" APPRUN_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid,
                                                                  void** object) {
    return GetAppRunClassObject(clsid, iid, object);
}

extern "C" APPRUN_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ModuleInUse() ? S_FALSE : S_OK;
}
