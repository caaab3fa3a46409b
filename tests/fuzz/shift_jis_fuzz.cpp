// Code page 932 both ways, on any bytes and any UTF-16 units: text decoded then encoded
// decodes to the same units; a unit that has a code of its own (neither '?' nor a best fit)
// comes back as itself; the size query gives the size written; a short buffer fails with
// ERROR_INSUFFICIENT_BUFFER and nothing is written past it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/shift_jis_data.h"
#include "platform/host/shift_jis_table.h"
#include "platform/win32.h"

namespace {

constexpr UINT kShiftJis = 932;

bool IsBestFit(char16_t unit) {
    static const std::vector<bool> bestFit = [] {
        std::vector<bool> table(0x10000);
        for (const auto& exception : host::shift_jis_data::kEncodeExceptions) {
            table[exception.unit] = true;
        }
        return table;
    }();
    return bestFit[unit];
}

std::u16string Decode(const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    // Exactly sized copies, so a read or write past either end is caught.
    const std::vector<char> text(bytes.begin(), bytes.end());
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(kShiftJis, 0, text.data(), size, nullptr, 0);
    if (count <= 0) {
        std::abort();
    }
    std::vector<WCHAR> wide(static_cast<std::size_t>(count));
    if (MultiByteToWideChar(kShiftJis, 0, text.data(), size, wide.data(), count) != count) {
        std::abort();
    }
    return std::u16string(wide.begin(), wide.end());
}

std::string Encode(const std::u16string& units) {
    if (units.empty()) {
        return {};
    }
    const std::vector<WCHAR> text(units.begin(), units.end());
    const WCHAR* wide = text.data();
    const int size = static_cast<int>(units.size());
    const int count = WideCharToMultiByte(kShiftJis, 0, wide, size, nullptr, 0, nullptr, nullptr);
    if (count <= 0) {
        std::abort();
    }
    std::vector<char> bytes(static_cast<std::size_t>(count));
    if (WideCharToMultiByte(kShiftJis, 0, wide, size, bytes.data(), count, nullptr, nullptr) !=
        count) {
        std::abort();
    }
    return std::string(bytes.begin(), bytes.end());
}

// A buffer one or more short than the text needs: the call fails as Windows fails it, and
// writes nothing past the buffer (each is exactly as long as it is said to be).
void CheckShortDecode(const std::string& bytes, std::size_t needed, FuzzedDataProvider& input) {
    if (needed < 2) {
        return;
    }
    const int length = input.ConsumeIntegralInRange<int>(1, static_cast<int>(needed) - 1);
    std::vector<WCHAR> wide(static_cast<std::size_t>(length));
    SetLastError(0);
    if (MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                            length) != 0 ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        std::abort();
    }
}

void CheckShortEncode(const std::u16string& units, std::size_t needed, FuzzedDataProvider& input) {
    if (needed < 2) {
        return;
    }
    const int length = input.ConsumeIntegralInRange<int>(1, static_cast<int>(needed) - 1);
    std::vector<char> narrow(static_cast<std::size_t>(length));
    SetLastError(0);
    if (WideCharToMultiByte(kShiftJis, 0, reinterpret_cast<LPCWSTR>(units.data()),
                            static_cast<int>(units.size()), narrow.data(), length, nullptr,
                            nullptr) != 0 ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        std::abort();
    }
}

// Each unit of its own, through the table the conversions use.
void CheckUnitsComeBack(const std::u16string& units) {
    for (const char16_t unit : units) {
        const std::uint16_t code = host::shift_jis::Encode(unit);
        if ((code == '?' && unit != u'?') || IsBestFit(unit)) {
            continue;
        }
        const char16_t back =
            code > 0xFF ? host::shift_jis::DecodePair(static_cast<unsigned char>(code >> 8),
                                                      static_cast<unsigned char>(code & 0xFF))
                        : host::shift_jis::DecodeSingle(static_cast<unsigned char>(code));
        if (back != unit || (code > 0xFF && !host::shift_jis::IsLeadByte(code >> 8)) ||
            (code <= 0xFF && host::shift_jis::IsLeadByte(static_cast<unsigned char>(code)))) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string bytes = input.ConsumeRandomLengthString(96);
    std::u16string units;
    while (units.size() < 48 && input.remaining_bytes() >= 2) {
        units.push_back(input.ConsumeIntegral<char16_t>());
    }

    // Bytes to units and back: the second reading is the first.
    const std::u16string decoded = Decode(bytes);
    if (Decode(Encode(decoded)) != decoded) {
        std::abort();
    }
    CheckUnitsComeBack(units);

    // Units that all have codes of their own make the whole trip as one string.
    std::u16string own;
    std::copy_if(units.begin(), units.end(), std::back_inserter(own), [](char16_t unit) {
        return !IsBestFit(unit) && (unit == u'?' || host::shift_jis::Encode(unit) != '?');
    });
    if (Decode(Encode(own)) != own) {
        std::abort();
    }

    CheckShortDecode(bytes, decoded.size(), input);
    CheckShortEncode(units, Encode(units).size(), input);
    SetLastError(0);
    return 0;
}
