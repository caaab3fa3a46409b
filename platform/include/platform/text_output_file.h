// A text-mode output file: created when missing, truncated when present, no sharing
// restriction; each "\n" written reaches the disk as CR LF on every platform. Failures
// are silent: writes to a file that did not open do nothing.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class TextOutputFile {
  public:
    // The path is a narrow string in the ANSI code page.
    explicit TextOutputFile(const std::string& ansiPath);

    void Write(const std::string& text);

  private:
    struct CloseStream {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };
    std::unique_ptr<std::FILE, CloseStream> stream_;
};
