#include "scratch_share.h"

#include <cstdlib>

// std::filesystem reaches the share by its UNC name, as any Windows program does.
ScratchShare::ScratchShare() {
    const char* share = std::getenv("LAUNCHER_SCRATCH_SHARE");
    if (share != nullptr && std::filesystem::is_directory(share)) {
        root_ = share;
        folder_ = root_;
    }
}

ScratchShare::~ScratchShare() = default;
