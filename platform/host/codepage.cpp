#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/win32.h"

namespace {

constexpr UINT kShiftJis = 932;

// A locale name selects Shift-JIS when it is Japanese, or when it names no particular
// language at all, as a default Japanese Windows would.
UINT CodePageOfLocale(const char* name) {
    if (name == nullptr || name[0] == '\0' || std::strcmp(name, "C") == 0 ||
        std::strcmp(name, "POSIX") == 0) {
        return kShiftJis;
    }
    const bool japanese = std::strncmp(name, "ja", 2) == 0 &&
                          (name[2] == '\0' || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return japanese ? kShiftJis : CP_UTF8;
}

UINT CodePageOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return CodePageOfLocale(value);
        }
    }
    return CodePageOfLocale(nullptr);
}

// 0 until the first read: like a Windows process, the code page is fixed once it is known.
std::atomic<UINT> g_codePage{0};

struct IconvCloser {
    void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
};
using UniqueIconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// The bytes of the character that starts at text: a UTF-8 sequence is skipped whole.
std::size_t UndecodableLength(bool fromUtf8, const char* text, std::size_t left) {
    std::size_t length = 1;
    if (fromUtf8) {
        while (length < left && length < 4 &&
               (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            ++length;
        }
    }
    return length;
}

// A character that does not convert becomes one '?', as Windows writes it for characters the
// code page lacks.
std::string Convert(const char* from, const char* to, const std::string& text) {
    const iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        return text;
    }
    const UniqueIconv descriptor(opened);
    std::string result;
    char buffer[256];
    char* input = const_cast<char*>(text.data());
    std::size_t inputLeft = text.size();
    while (inputLeft > 0) {
        char* output = buffer;
        std::size_t outputLeft = sizeof buffer;
        const std::size_t converted =
            iconv(descriptor.get(), &input, &inputLeft, &output, &outputLeft);
        result.append(buffer, static_cast<std::size_t>(output - buffer));
        if (converted == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ, or EINVAL for a sequence cut short at the end.
            const std::size_t skipped =
                UndecodableLength(std::strcmp(from, "UTF-8") == 0, input, inputLeft);
            result.push_back('?');
            input += skipped;
            inputLeft -= skipped;
        }
    }
    char* output = buffer;
    std::size_t outputLeft = sizeof buffer;
    iconv(descriptor.get(), nullptr, nullptr, &output, &outputLeft);
    result.append(buffer, static_cast<std::size_t>(output - buffer));
    return result;
}

}  // namespace

UINT GetACP() {
    UINT codePage = g_codePage.load(std::memory_order_acquire);
    if (codePage == 0) {
        UINT expected = 0;
        const UINT fromLocale = CodePageOfEnvironment();
        codePage = g_codePage.compare_exchange_strong(expected, fromLocale) ? fromLocale : expected;
    }
    return codePage;
}

void HostSetAnsiCodePage(UINT codePage) {
    g_codePage.store(codePage == 0 ? CodePageOfEnvironment() : codePage, std::memory_order_release);
}

std::string HostAnsiToUtf8(const std::string& ansi) {
    return GetACP() == kShiftJis ? Convert("CP932", "UTF-8", ansi) : ansi;
}

std::string HostUtf8ToAnsi(const std::string& utf8) {
    return GetACP() == kShiftJis ? Convert("UTF-8", "CP932", utf8) : utf8;
}
