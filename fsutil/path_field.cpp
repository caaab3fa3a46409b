#include "fsutil/path_field.h"

#include <cstring>

#include "fsutil/mbcs_string.h"
#include "platform/win32.h"

PathField::PathField(std::size_t width)
    : width_(width), text_(std::make_unique<char[]>(width + 1)) {}

void PathField::Clear() {
    std::memset(text_.get(), 0, width_ + 1);
}

void PathField::Assign(const char* source) {
    Clear();
    const std::size_t length = WholeCharacterPrefixLength(source, width_);
    _mbsnbcpy(reinterpret_cast<unsigned char*>(text_.get()),
              reinterpret_cast<const unsigned char*>(source), length);
}
