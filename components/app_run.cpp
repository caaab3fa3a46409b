#include "components/app_run.h"

#include <string>

#include "components/exit_code_option.h"
#include "components/module_lifetime.h"
#include "components/run_log.h"
#include "components/run_record.h"
#include "components/utf8_text.h"
#include "launcher/launch_ids.h"

AppRun::AppRun() {
    AddModuleReference();
}

AppRun::~AppRun() {
    ReleaseModuleReference();
}

HRESULT AppRun::Create(REFIID iid, void** object) {
    // The object starts with one reference, ours; the caller's comes from QueryInterface,
    // and ours goes again, so a refused interface leaves nothing behind.
    AppRun* created = new AppRun;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

HRESULT AppRun::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IAppRun)) {
        *object = static_cast<IAppRun*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AppRun::AddRef() {
    return ++references_;
}

ULONG AppRun::Release() {
    const ULONG remaining = --references_;
    if (remaining == 0) {
        delete this;
    }
    return remaining;
}

std::int32_t AppRun::Run(BSTR commandString, std::int32_t showCommand) {
    const std::string command = Utf8FromBstr(commandString);
    LogRunStarted(showCommand);
    WriteRunRecordIfAsked(command, showCommand);
    return ExitCodeFromCommandLine(command);
}
