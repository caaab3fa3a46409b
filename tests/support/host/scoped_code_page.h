// Fixes the host layer's ANSI code page for one test; the locale's choice returns afterwards.
#pragma once

#include "platform/win32.h"

class ScopedCodePage {
  public:
    explicit ScopedCodePage(UINT codePage) { HostSetAnsiCodePage(codePage); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
    ~ScopedCodePage() { HostSetAnsiCodePage(0); }
};
