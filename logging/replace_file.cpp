#include "logging/replace_file.h"

#include "platform/text_output_file.h"
#include "platform/win32.h"

namespace {

bool WriteWholeFile(const std::string& path, const std::string& text) {
    TextOutputFile stream(path);
    const bool written = stream.Write(text);
    // The close flushes: a full disk shows here.
    const bool closed = stream.Close();
    return written && closed;
}

}  // namespace

bool ReplaceFileWithText(const std::string& file, const std::string& temporaryFile,
                         const std::string& text) {
    if (WriteWholeFile(temporaryFile, text) &&
        MoveFileExA(temporaryFile.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    // Nothing may stay behind when any step failed; a file that was never made is no harm.
    DeleteFileA(temporaryFile.c_str());
    return false;
}
