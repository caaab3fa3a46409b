// A library under the shell-folder library's name that lacks its lookup: it exports only the
// wide-text one.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT WINAPI SHGetFolderPathW(HWND, int, HANDLE, DWORD, LPWSTR) {
    return E_NOTIMPL;
}
