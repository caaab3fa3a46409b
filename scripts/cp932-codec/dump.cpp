// Prints what Windows' own code page 932 conversion gives, for the codec generator:
//   S <byte>: <units>         one byte on its own (a lead byte: a lead byte at the end)
//   P <lead><byte>: <units>   a lead byte and every byte after it
//   E <unit>: <bytes>         every UTF-16 unit on its own
#include <windows.h>

#include <cstdio>

namespace {

void PrintUnits(const wchar_t* units, int count) {
    for (int i = 0; i < count; ++i) {
        std::printf(" %04X", static_cast<unsigned>(static_cast<unsigned short>(units[i])));
    }
    std::printf("\n");
}

void PrintDecoded(const char* bytes, int length) {
    wchar_t units[8];
    PrintUnits(units, MultiByteToWideChar(932, 0, bytes, length, units, 8));
}

}  // namespace

int main() {
    std::printf("ACP %u\n", GetACP());
    for (int byte = 0; byte < 0x100; ++byte) {
        const char single[1] = {static_cast<char>(byte)};
        std::printf("S %02X:", byte);
        PrintDecoded(single, 1);
    }
    for (int lead = 0x80; lead < 0x100; ++lead) {
        if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(lead))) {
            continue;
        }
        for (int trail = 0; trail < 0x100; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::printf("P %02X%02X:", lead, trail);
            PrintDecoded(pair, 2);
        }
    }
    for (int unit = 0; unit < 0x10000; ++unit) {
        const wchar_t wide[1] = {static_cast<wchar_t>(unit)};
        char bytes[8];
        const int count = WideCharToMultiByte(932, 0, wide, 1, bytes, 8, nullptr, nullptr);
        std::printf("E %04X:", unit);
        for (int i = 0; i < count; ++i) {
            std::printf(" %02X", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
        }
        std::printf("\n");
    }
    return 0;
}
