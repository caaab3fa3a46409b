#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/host/shift_jis_table.h"
#include "platform/host/unicode_text.h"
#include "platform/win32.h"

namespace {

constexpr UINT kShiftJis = 932;

// The code page a call means, or 0 for one the host does not convert.
UINT ResolveCodePage(UINT codePage) {
    if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP) {
        codePage = GetACP();
    }
    return codePage == kShiftJis || codePage == CP_UTF8 ? codePage : 0;
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

bool Overlaps(const void* input, std::size_t inputBytes, const void* output,
              std::size_t outputBytes) {
    const auto* in = static_cast<const unsigned char*>(input);
    const auto* out = static_cast<const unsigned char*>(output);
    return out != nullptr && in < out + outputBytes && out < in + inputBytes;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength) {
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == 0 || multiByte == nullptr || multiByteLength == 0 || wideLength < 0 ||
        (wide == nullptr && wideLength != 0)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD allowedFlags =
        resolved == CP_UTF8 ? MB_ERR_INVALID_CHARS : MB_ERR_INVALID_CHARS | MB_PRECOMPOSED;
    if ((flags & ~allowedFlags) != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length = multiByteLength < 0 ? TerminatedLength(multiByte)
                                                   : static_cast<std::size_t>(multiByteLength);
    if (Overlaps(multiByte, length, wide, static_cast<std::size_t>(wideLength) * sizeof(WCHAR))) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const host::Utf16Result converted = resolved == CP_UTF8
                                            ? host::Utf8ToUtf16(multiByte, length)
                                            : host::ShiftJisToUtf16(multiByte, length);
    if (converted.replaced && (flags & MB_ERR_INVALID_CHARS) != 0) {
        return Fail(ERROR_NO_UNICODE_TRANSLATION);
    }
    return Deliver(converted.text, wide, wideLength);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                        int multiByteLength, LPCSTR defaultChar, BOOL* usedDefaultChar) {
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == 0 || wide == nullptr || wideLength == 0 || multiByteLength < 0 ||
        (multiByte == nullptr && multiByteLength != 0) ||
        (resolved == CP_UTF8 && (defaultChar != nullptr || usedDefaultChar != nullptr))) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD allowedFlags = resolved == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    if ((flags & ~allowedFlags) != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length =
        wideLength < 0 ? TerminatedLength(wide) : static_cast<std::size_t>(wideLength);
    if (Overlaps(wide, length * sizeof(WCHAR), multiByte,
                 static_cast<std::size_t>(multiByteLength))) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (resolved == CP_UTF8) {
        const host::NarrowResult converted = host::Utf16ToUtf8(wide, length);
        if (converted.replaced && (flags & WC_ERR_INVALID_CHARS) != 0) {
            return Fail(ERROR_NO_UNICODE_TRANSLATION);
        }
        return Deliver(converted.text, multiByte, multiByteLength);
    }
    // The caller's default character is one character: a lead byte brings its trail byte.
    std::string replacement = "?";
    if (defaultChar != nullptr && defaultChar[0] != '\0') {
        const bool pair =
            host::ShiftJisTable::IsLeadByte(static_cast<unsigned char>(defaultChar[0])) &&
            defaultChar[1] != '\0';
        replacement.assign(defaultChar, pair ? 2 : 1);
    }
    const host::NarrowResult converted = host::Utf16ToShiftJis(wide, length, replacement);
    if (usedDefaultChar != nullptr) {
        *usedDefaultChar = converted.replaced ? TRUE : FALSE;
    }
    return Deliver(converted.text, multiByte, multiByteLength);
}
