// The library's class objects, by class id.
#pragma once

#include "platform/win32.h"

// What DllGetClassObject answers: the AppRun factory's iid interface, E_POINTER for a null
// object, CLASS_E_CLASSNOTAVAILABLE for any other class.
HRESULT GetAppRunClassObject(REFCLSID clsid, REFIID iid, void** object);
