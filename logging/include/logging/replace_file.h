// Replacing a file's whole content in one step, so a process that reads it while another
// start rewrites it sees the old file or the new one, never a part.
#pragma once

#include <string>

// Writes text through a text-mode stream to temporaryFile, which must be this process's own
// and on the same volume, then moves it over file. Paths are narrow, in the ANSI code page.
// Returns false when the file could not be opened, written, closed or moved; the temporary
// file is then removed and file is left as it was.
bool ReplaceFileWithText(const std::string& file, const std::string& temporaryFile,
                         const std::string& text);
