// Reading one text out of a string-table block (RT_STRING): 16 entries, each a 16-bit
// count followed by that many UTF-16 units, with no terminator.
#pragma once

#include <cstddef>

#include "platform/win32.h"

struct StringTableEntry {
    const WCHAR* units = nullptr;
    std::size_t count = 0;

    bool IsPresent() const { return count != 0; }
};

// The block that holds a string id, as the resource name's integer; 0 when the id lies
// beyond what a 16-bit resource name can carry.
WORD StringTableBlockNumber(UINT id);

// The entry for id within a block of byteSize bytes. Absent (count 0) for an empty entry
// and for one that the block does not hold completely; nothing past the block is read.
StringTableEntry FindStringTableEntry(const void* block, std::size_t byteSize, UINT id);
