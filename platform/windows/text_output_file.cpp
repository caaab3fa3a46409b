#include "platform/text_output_file.h"

// Text mode: the run-time writes each "\n" as CR LF.
TextOutputFile::TextOutputFile(const std::string& ansiPath)
    : stream_(std::fopen(ansiPath.c_str(), "wt")) {}

void TextOutputFile::Write(const std::string& text) {
    if (stream_) {
        std::fwrite(text.data(), 1, text.size(), stream_.get());
    }
}
