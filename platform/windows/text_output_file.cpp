#include "platform/text_output_file.h"

// Text mode: the run-time writes each "\n" as CR LF.
TextOutputFile::TextOutputFile(const std::string& ansiPath)
    : stream_(std::fopen(ansiPath.c_str(), "wt")) {}

bool TextOutputFile::Write(const std::string& text) {
    if (!stream_) {
        return false;
    }
    return std::fwrite(text.data(), 1, text.size(), stream_.get()) == text.size();
}

bool TextOutputFile::Close() {
    if (!stream_) {
        return false;
    }
    return std::fclose(stream_.release()) == 0;
}
