// A text-mode output file: created when missing, truncated when present, no sharing
// restriction; each "\n" written reaches the disk as CR LF on every platform. Writing to a
// file that did not open does nothing and fails.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class TextOutputFile {
  public:
    // The path is a narrow string in the ANSI code page.
    explicit TextOutputFile(const std::string& ansiPath);

    // False when the file did not open or the text was not all taken.
    bool Write(const std::string& text);

    // Flushes and closes; false when the file did not open or the buffered text could not
    // reach the disk. Closing a closed file fails.
    bool Close();

  private:
    struct CloseStream {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };
    std::unique_ptr<std::FILE, CloseStream> stream_;
};
