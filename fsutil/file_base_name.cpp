#include "fsutil/file_base_name.h"

#include "fsutil/mbcs_string.h"
#include "fsutil/path_components.h"

std::string FileBaseName(const std::string& path, std::size_t limit) {
    const PathComponentLengths lengths = MeasurePathComponents(path.c_str());
    const char* name = path.c_str() + lengths.drive + lengths.directory;
    // A name that fits is kept whole, a lone lead byte at its end included, as the split
    // keeps it; only a cut must land between characters.
    if (lengths.fileName <= limit) {
        return std::string(name, lengths.fileName);
    }
    return std::string(name, WholeCharacterPrefixLength(name, limit));
}
