// The probe carries the launcher's resources: its string table, read as the launcher reads
// it, and its manifest, through which the demo AppRun class is created.
#include <vector>

#include "launcher/app_run_interface.h"
#include "launcher/resource_modules.h"
#include "launcher/string_ids.h"
#include "launcher/string_resource.h"
#include "platform/resource_type.h"
#include "probe_hresult.h"
#include "probe_sections.h"

namespace {

LPCWSTR StringType() {
    return WideResourceType(RT_STRING);
}

std::string BlockText(HRSRC block) {
    if (block == nullptr) {
        return "null";
    }
    const DWORD size = SizeofResource(nullptr, block);
    const HGLOBAL loaded = LoadResource(nullptr, block);
    const auto* units = static_cast<const WCHAR*>(LockResource(loaded));
    if (units == nullptr) {
        return "size=" + std::to_string(size) + " unlocked";
    }
    return "size=" + std::to_string(size) + " " + Units(units, size / sizeof(WCHAR));
}

void ProbeStringTable(ProbeOutput& output) {
    const WORD blockNumber = kAppRunNotCreatedStringId / 16 + 1;
    const WORD languages[] = {0, 0x0411, 0x0409};
    for (const WORD language : languages) {
        const HRSRC block =
            FindResourceExW(nullptr, StringType(), MAKEINTRESOURCEW(blockNumber), language);
        output.Line("resources", "FindResourceExW." + Hex32(language), BlockText(block));
    }
    output.Line("resources", "FindResourceW",
                BlockText(FindResourceW(nullptr, MAKEINTRESOURCEW(blockNumber), StringType())));
    output.Line("resources", "FindResourceW.missing",
                BlockText(FindResourceW(nullptr, MAKEINTRESOURCEW(4000), StringType())));
    const ResourceModules& modules = ProcessResourceModules();
    for (const UINT id : {kAppRunNotCreatedStringId, UINT{10011}, UINT{0}}) {
        output.Line("resources", "LoadStringText." + std::to_string(id),
                    Printable(LoadStringText(modules, id)));
    }
}

void ProbeAppRun(ProbeOutput& output) {
    const HRESULT initialised = CoInitialize(nullptr);
    IAppRun* appRun = nullptr;
    const HRESULT created = CoCreateInstance(CLSID_AppRun, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IAppRun, reinterpret_cast<void**>(&appRun));
    output.Line("resources", "CoCreateInstance.AppRun",
                HresultText(created) + " object=" + std::to_string(appRun != nullptr));
    IUnknown* unknown = nullptr;
    const HRESULT unknownCreated =
        CoCreateInstance(CLSID_AppRun, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                         reinterpret_cast<void**>(&unknown));
    output.Line("resources", "CoCreateInstance.AppRun.IUnknown",
                HresultText(unknownCreated) + " object=" + std::to_string(unknown != nullptr));
    if (unknown != nullptr) {
        unknown->Release();
    }
    if (appRun != nullptr) {
        appRun->Release();
    }
    if (initialised >= 0) {
        CoUninitialize();
    }
}

}  // namespace

void ProbeResources(const ProbeContext&, ProbeOutput& output) {
    ProbeStringTable(output);
    ProbeAppRun(output);
}
