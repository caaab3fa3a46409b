// The calling thread's membership of a single-threaded COM apartment, left when the
// object goes, and only if it was entered.
#pragma once

#include "platform/win32.h"

class ComApartment {
  public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (IsEntered()) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // S_FALSE (already initialised on this thread) counts: it must be balanced as well.
    bool IsEntered() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};
