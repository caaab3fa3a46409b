// A fixed-width text field on the heap: width bytes of text plus one for the terminator,
// zero-filled, so it reads as a terminated string whatever has been written into it.
#pragma once

#include <cstddef>
#include <memory>

class PathField {
  public:
    explicit PathField(std::size_t width);

    const char* c_str() const { return text_.get(); }
    operator const char*() const { return text_.get(); }
    // Room for width bytes and the terminator.
    char* data() { return text_.get(); }

    void Clear();
    // Copies as much of source as fits the width without splitting a double-byte character.
    void Assign(const char* source);

  private:
    std::size_t width_;
    std::unique_ptr<char[]> text_;
};
