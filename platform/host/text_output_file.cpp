#include "platform/text_output_file.h"

#include "platform/library_path.h"

TextOutputFile::TextOutputFile(const std::string& ansiPath)
    : stream_(std::fopen(ToLibraryPath(ansiPath).c_str(), "w")) {}

// The host C library has no text mode: line ends are written as Windows writes them.
bool TextOutputFile::Write(const std::string& text) {
    if (!stream_) {
        return false;
    }
    for (const char c : text) {
        if (c == '\n' && std::fputc('\r', stream_.get()) == EOF) {
            return false;
        }
        if (std::fputc(c, stream_.get()) == EOF) {
            return false;
        }
    }
    return true;
}

bool TextOutputFile::Close() {
    if (!stream_) {
        return false;
    }
    return std::fclose(stream_.release()) == 0;
}
