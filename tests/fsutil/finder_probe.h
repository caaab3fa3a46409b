// A finder whose state the tests can see and set: the records, the search handle, the root,
// and how often the search was closed through its virtual slot.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "fsutil/file_find.h"

class FinderProbe : public IFileFind {
  public:
    using IFileFind::currentEntry;
    using IFileFind::nextEntry;
    using IFileFind::searchHandle;
    using IFileFind::searchRoot;

    bool CloseSearchHandle() override {
        ++closeCalls;
        return IFileFind::CloseSearchHandle();
    }

    // Makes a crafted entry current, as if a search had stepped onto it.
    void SetCurrent(const char* name, DWORD attributes) {
        currentEntry = std::make_unique<WIN32_FIND_DATAA>();
        currentEntry->dwFileAttributes = attributes;
        std::strncpy(currentEntry->cFileName, name, sizeof currentEntry->cFileName - 1);
    }

    int closeCalls = 0;
};
