#include <atomic>
#include <string>

#include "platform/host/unicode_text.h"
#include "platform/win32.h"

namespace {

constexpr UINT kShiftJis = 932;

// The host is a Japanese Windows whatever the Linux locale says.
std::atomic<UINT> g_codePage{kShiftJis};

}  // namespace

UINT GetACP() {
    return g_codePage.load(std::memory_order_acquire);
}

void HostSetAnsiCodePage(UINT codePage) {
    g_codePage.store(codePage == 0 ? kShiftJis : codePage, std::memory_order_release);
}

std::string HostAnsiToUtf8(const std::string& ansi) {
    if (GetACP() != kShiftJis) {
        return ansi;
    }
    const std::u16string wide = host::ShiftJisToUtf16(ansi.data(), ansi.size());
    return host::Utf16ToUtf8(wide.data(), wide.size());
}

std::string HostUtf8ToAnsi(const std::string& utf8) {
    if (GetACP() != kShiftJis) {
        return utf8;
    }
    const std::u16string wide = host::Utf8ToUtf16(utf8.data(), utf8.size());
    return host::Utf16ToShiftJis(wide.data(), wide.size());
}
