#include "scratch_share.h"

// The host layer finds \\srv\share in <folder>/srv/share.
ScratchShare::ScratchShare() : root_("\\\\srv\\share") {
    shares_.emplace();
    folder_ = std::filesystem::path(shares_->Path()) / "srv" / "share";
    std::filesystem::create_directories(folder_);
    environment_.Set("LAUNCHER_HOST_UNC_FOLDER", shares_->Path());
}

ScratchShare::~ScratchShare() = default;
