#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/host/thread_code_page.h"
#include "platform/host/unicode_text.h"
#include "platform/win32.h"

namespace {

constexpr UINT kShiftJis = 932;
constexpr UINT kWindows1252 = 1252;

// The code page a call means, or 0 for one the host does not convert.
UINT ResolveCodePage(UINT codePage) {
    if (codePage == CP_ACP) {
        codePage = GetACP();
    } else if (codePage == CP_THREAD_ACP) {
        codePage = host::ThreadCodePage();
    }
    return codePage == kShiftJis || codePage == kWindows1252 || codePage == CP_UTF8 ? codePage : 0;
}

std::u16string ToUtf16(UINT codePage, const char* text, std::size_t length) {
    switch (codePage) {
        case CP_UTF8:
            return host::Utf8ToUtf16(text, length);
        case kWindows1252:
            return host::Windows1252ToUtf16(text, length);
        default:
            return host::ShiftJisToUtf16(text, length);
    }
}

std::string FromUtf16(UINT codePage, const char16_t* text, std::size_t length) {
    switch (codePage) {
        case CP_UTF8:
            return host::Utf16ToUtf8(text, length);
        case kWindows1252:
            return host::Utf16ToWindows1252(text, length);
        default:
            return host::Utf16ToShiftJis(text, length);
    }
}

template <typename Character>
std::size_t TerminatedLength(const Character* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length + 1;  // the terminator is converted too
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// Windows answers a size query with the count, writes what fits, and reports a short
// buffer as a failure.
template <typename Character>
int Deliver(const std::basic_string<Character>& converted, Character* output, int outputLength) {
    if (converted.size() > static_cast<std::size_t>(INT32_MAX)) {
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    const int count = static_cast<int>(converted.size());
    if (outputLength == 0) {
        return count;
    }
    std::copy_n(converted.data(), std::min(count, outputLength), output);
    if (count > outputLength) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    return count;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength) {
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == 0 || multiByte == nullptr || multiByteLength == 0 || wideLength < 0 ||
        (wide == nullptr && wideLength != 0)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (flags != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length = multiByteLength < 0 ? TerminatedLength(multiByte)
                                                   : static_cast<std::size_t>(multiByteLength);
    return Deliver(ToUtf16(resolved, multiByte, length), wide, wideLength);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                        int multiByteLength, LPCSTR defaultChar, BOOL* usedDefaultChar) {
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == 0 || wide == nullptr || wideLength == 0 || multiByteLength < 0 ||
        (multiByte == nullptr && multiByteLength != 0) || defaultChar != nullptr ||
        usedDefaultChar != nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (flags != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length =
        wideLength < 0 ? TerminatedLength(wide) : static_cast<std::size_t>(wideLength);
    return Deliver(FromUtf16(resolved, wide, length), multiByte, multiByteLength);
}
