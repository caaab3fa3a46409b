// Run under Wine: prints every character of code page 932 whose upper case, by the table
// Wine's file-name matching folds with (ntdll's, which RtlUpcaseUnicodeChar exposes), differs
// from it, as "lower upper" UTF-16 values in hex, one pair a line.
#include <windows.h>

#include <cstdio>

extern "C" WCHAR WINAPI RtlUpcaseUnicodeChar(WCHAR character);

int main() {
    for (int lead = 0; lead < 256; ++lead) {
        const bool doubleByte = IsDBCSLeadByteEx(932, static_cast<BYTE>(lead)) != FALSE;
        for (int trail = 0; trail < (doubleByte ? 256 : 1); ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            WCHAR character = 0;
            if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, doubleByte ? 2 : 1,
                                    &character, 1) != 1) {
                continue;
            }
            const WCHAR upper = RtlUpcaseUnicodeChar(character);
            if (upper != character) {
                std::printf("%04X %04X\n", character, upper);
            }
        }
    }
    return 0;
}
