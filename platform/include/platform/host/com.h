// COM on the host: GUIDs, IUnknown and IClassFactory with the Windows layout, apartments per
// thread, and registration-free activation of in-process classes that the executable's
// application manifest declares. On the host a component library is a shared object that
// carries the manifest's file name as it is (for example "Component.dll") and exports
// DllGetClassObject with C linkage.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/host/errors.h"
#include "platform/host/types.h"

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline bool IsEqualGUID(REFGUID left, REFGUID right) {
    return std::memcmp(&left, &right, sizeof(GUID)) == 0;
}
inline bool operator==(REFGUID left, REFGUID right) {
    return IsEqualGUID(left, right);
}
inline bool operator!=(REFGUID left, REFGUID right) {
    return !IsEqualGUID(left, right);
}

// Internal linkage, one copy per file: an inline variable would be a unique symbol, and a
// shared object that defines one can never be unloaded.
constexpr IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

#define STDAPICALLTYPE

struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

  protected:
    ~IUnknown() = default;
};

struct IClassFactory : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid,
                                                     void** object) = 0;
    virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) = 0;

  protected:
    ~IClassFactory() = default;
};

// A Win32 error code as a failure of the Win32 facility (7).
inline constexpr HRESULT HRESULT_FROM_WIN32(unsigned long code) {
    return static_cast<HRESULT>(code) <= 0
               ? static_cast<HRESULT>(code)
               : static_cast<HRESULT>((code & 0x0000FFFF) | (7 << 16) | 0x80000000);
}

#define E_NOINTERFACE static_cast<HRESULT>(0x80004002)
#define E_POINTER static_cast<HRESULT>(0x80004003)
#define E_OUTOFMEMORY static_cast<HRESULT>(0x8007000E)
#define CLASS_E_NOAGGREGATION static_cast<HRESULT>(0x80040110)
#define CLASS_E_CLASSNOTAVAILABLE static_cast<HRESULT>(0x80040111)
#define REGDB_E_CLASSNOTREG static_cast<HRESULT>(0x80040154)
#define CO_E_NOTINITIALIZED static_cast<HRESULT>(0x800401F0)
#define RPC_E_CHANGED_MODE static_cast<HRESULT>(0x80010106)

enum CLSCTX : DWORD {
    CLSCTX_INPROC_SERVER = 0x1,
    CLSCTX_INPROC_HANDLER = 0x2,
    CLSCTX_LOCAL_SERVER = 0x4,
    CLSCTX_REMOTE_SERVER = 0x10,
};
#define CLSCTX_ALL \
    (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

enum COINIT : DWORD {
    COINIT_MULTITHREADED = 0x0,
    COINIT_APARTMENTTHREADED = 0x2,
};

// The first call on a thread gives S_OK, a repeated call of the same model S_FALSE (it too
// needs its CoUninitialize), a call of the other model RPC_E_CHANGED_MODE (it needs none).
HRESULT CoInitialize(LPVOID reserved);
HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit);
// Undoes one successful initialisation of the calling thread. When the last thread of the
// process leaves COM, the component libraries that COM loaded are unloaded.
void CoUninitialize();

// In-process servers only. *object is null on every failure. The class is looked up in the
// executable's application manifest (RT_MANIFEST, id 1); its library is loaded from the
// executable's folder. Failures: E_POINTER (null object), CO_E_NOTINITIALIZED,
// CLASS_E_NOAGGREGATION (any outer object), REGDB_E_CLASSNOTREG (not declared, or no in-process
// context asked for), HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND / ERROR_PROC_NOT_FOUND), else what the
// library's DllGetClassObject or its factory's CreateInstance returns (E_NOINTERFACE, ...).
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid,
                         LPVOID* object);
