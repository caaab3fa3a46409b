#include "fsutil/folder_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// What one call of the stand-in shell function does, and what it was asked.
struct Reply {
    HRESULT status;
    const char* writes;  // null: leaves the buffer as it is
};

struct Call {
    int folder;
    DWORD flags;
    bool bare;  // no owner window, no token

    bool operator==(const Call& other) const {
        return folder == other.folder && flags == other.flags && bare == other.bare;
    }
};

std::vector<Reply> replies;
std::vector<Call> calls;

HRESULT WINAPI StandInLookUp(HWND owner, int folder, HANDLE token, DWORD flags, LPSTR path) {
    calls.push_back({folder, flags, owner == nullptr && token == nullptr});
    const Reply reply =
        calls.size() <= replies.size() ? replies[calls.size() - 1] : Reply{E_FAIL, nullptr};
    if (reply.writes != nullptr) {
        std::strcpy(path, reply.writes);
    }
    return reply.status;
}

TEST(LookUpFolderPath, RetriesForTheDefaultPathWhenAsked) {
    const Call current{5, 0, true};
    const Call createDefault{5 | 0x8000, 1, true};
    struct Case {
        const char* what;
        bool retry;
        std::vector<Reply> replies;
        bool found;
        std::vector<Call> calls;
        const char* buffer;
    };
    const Case cases[] = {
        {"current path", true, {{S_OK, "C:\\Docs"}}, true, {current}, "C:\\Docs"},
        {"S_FALSE is success", false, {{S_FALSE, "C:\\Docs"}}, true, {current}, "C:\\Docs"},
        {"failure, retry off", false, {{E_FAIL, nullptr}}, false, {current}, ""},
        {"failure, retry on",
         true,
         {{E_FAIL, nullptr}, {S_OK, "C:\\New"}},
         true,
         {current, createDefault},
         "C:\\New"},
        {"success with no path is failure",
         true,
         {{S_OK, nullptr}, {S_OK, "C:\\New"}},
         true,
         {current, createDefault},
         "C:\\New"},
        {"success with no path, retry off", false, {{S_OK, nullptr}}, false, {current}, ""},
        {"both fail, the shell's text stays",
         true,
         {{E_FAIL, nullptr}, {E_INVALIDARG, "partial"}},
         false,
         {current, createDefault},
         "partial"},
        {"the retry's success needs a path too",
         true,
         {{E_FAIL, nullptr}, {S_OK, nullptr}},
         false,
         {current, createDefault},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        replies = c.replies;
        calls.clear();
        char buffer[MAX_PATH] = {};
        EXPECT_EQ(LookUpFolderPath(&StandInLookUp, buffer, 5, c.retry), c.found);
        EXPECT_EQ(calls, c.calls);
        EXPECT_STREQ(buffer, c.buffer);
    }
}

}  // namespace
