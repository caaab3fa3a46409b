// What the conformance probe prints: one line per observation, "<section>.<key>\t<value>",
// in ASCII only, so the host and Windows outputs compare byte for byte whatever the console
// does with other bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/win32.h"

class ProbeOutput {
  public:
    explicit ProbeOutput(std::FILE* stream) : stream_(stream) {}

    void Line(std::string_view section, std::string_view key, std::string_view value);
    std::size_t LineCount() const { return lines_; }

  private:
    std::FILE* stream_;
    std::size_t lines_ = 0;
};

// Bytes as printable ASCII: letters, digits and most punctuation as they are; backslash,
// tab, '|' and every byte outside 0x21..0x7E as \xNN.
std::string Printable(std::string_view bytes);
// A narrow string that may be null: "(null)" or Printable in quotes.
std::string Quoted(const char* text);
// UTF-16 units as four hex digits each, separated by spaces ("0061 30FB").
std::string Units(const WCHAR* units, std::size_t count);
// A Win32 BOOL or bool result with the thread's last-error code when it failed:
// "1" or "0 err=3".
std::string ResultWithError(bool succeeded, DWORD error);
std::string Hex32(std::uint32_t value);
