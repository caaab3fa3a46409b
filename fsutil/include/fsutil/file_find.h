// A directory search over one path pattern, read one entry at a time.
//
// Stepping reads one entry ahead: after BeginSearch there is no current entry yet, and each
// AdvanceEntry makes the entry fetched last the current one and fetches the next, so its
// result says whether another entry follows. The entry made current by the call that
// returned false is the last one and is still readable:
//
//     IFileFind finder;
//     if (finder.BeginSearch(pattern)) {
//         bool more;
//         do {
//             more = finder.AdvanceEntry();
//             Use(finder.GetEntryPath());
//         } while (more);
//     }
//
// Failures leave their reason in the thread's last-error code.
#pragma once

#include <memory>
#include <string>

#include "platform/unique_handles.h"
#include "platform/win32.h"

class IFileFind {
  public:
    IFileFind();
    virtual ~IFileFind();

    IFileFind(const IFileFind&) = delete;
    IFileFind& operator=(const IFileFind&) = delete;

    // Empty with no current entry.
    virtual std::string GetEntryName() const;
    // The search root, a separator unless the root is empty or already ends in one, and the
    // name.
    virtual std::string GetEntryPath() const;
    // The name up to its last dot; the whole name when it has none.
    virtual std::string GetEntryTitle() const;
    // "file://" and the entry path as it is: no escaping, backslashes kept.
    virtual std::string GetEntryUrl() const;
    // The directory of the full path of the last pattern that started a search.
    virtual std::string GetSearchRoot() const;

    // False with no current entry. A local time before 1900, or a file time the platform cannot
    // convert, reads as 0; one the run-time's mktime cannot represent (before 1970, say) as its -1.
    virtual bool GetModifiedTime(__time64_t& time) const;
    // False with no current entry or no destination; the time is copied unchanged.
    virtual bool GetModifiedFileTime(FILETIME* fileTime) const;
    virtual bool GetAccessedTime(__time64_t& time) const;
    virtual bool GetAccessedFileTime(FILETIME* fileTime) const;
    virtual bool GetCreatedTime(__time64_t& time) const;
    virtual bool GetCreatedFileTime(FILETIME* fileTime) const;

    // True when the current entry's attributes share a bit with mask.
    virtual bool TestAttributes(DWORD mask) const;
    // True for the directories "." and "..".
    virtual bool IsDotEntry() const;

    // Ends any search, then starts one for pattern ("*.*" in the current directory when it
    // is null). A pattern longer than an entry name can be (259 bytes) fails with
    // ERROR_FILENAME_EXCED_RANGE and opens nothing.
    virtual bool BeginSearch(const char* pattern);
    // False with no open search, or when no entry follows the one made current.
    virtual bool AdvanceEntry();
    virtual bool CloseSearchHandle();

    // Frees the entries and closes an open search. searchRoot stays as it was.
    void EndSearch();

  protected:
    using FindRecord = std::unique_ptr<WIN32_FIND_DATAA>;

    FindRecord currentEntry;
    // The look-ahead: the record the platform filled last.
    FindRecord nextEntry;
    // Empty when no search was started; holds INVALID_HANDLE_VALUE after the platform refused
    // one. Closes an open search when the finder goes, whatever path it takes.
    UniqueFindHandle searchHandle;
    std::string searchRoot;
    char separator = '\\';

  private:
    bool HasOpenSearch() const;
    bool ReadTime(FILETIME WIN32_FIND_DATAA::*field, __time64_t& time) const;
    bool CopyFileTime(FILETIME WIN32_FIND_DATAA::*field, FILETIME* fileTime) const;
};
