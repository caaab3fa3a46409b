// Linked into one host test program, where these definitions win over the platform library's
// for every caller in the process. Each string lives in a table of its own, so a free of
// something never allocated, or freed twice, is seen rather than corrupting the heap.
#include "recording_bstr.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <utility>

namespace {

bool failNextAllocation = false;

// The characters of every live string, terminator included, keyed by the pointer handed out.
std::map<const OLECHAR*, std::vector<OLECHAR>>& LiveStrings() {
    static std::map<const OLECHAR*, std::vector<OLECHAR>> live;
    return live;
}

}  // namespace

std::vector<const void*>& FreedBstrs() {
    static std::vector<const void*> freed;
    return freed;
}

void FailNextBstrAllocation() {
    failNextAllocation = true;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    if (failNextAllocation) {
        failNextAllocation = false;
        return nullptr;
    }
    std::vector<OLECHAR> characters(std::size_t{length} + 1, 0);
    if (text != nullptr) {
        std::copy(text, text + length, characters.begin());
    }
    // Moving the vector keeps its buffer, so the pointer stays valid in the table.
    BSTR handle = characters.data();
    LiveStrings().emplace(handle, std::move(characters));
    return handle;
}

void SysFreeString(BSTR text) {
    FreedBstrs().push_back(text);
    LiveStrings().erase(text);
}

UINT SysStringLen(BSTR text) {
    const auto found = LiveStrings().find(text);
    return found == LiveStrings().end() ? 0 : static_cast<UINT>(found->second.size() - 1);
}
