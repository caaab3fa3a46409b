#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "unreadable_file.h"

// Opening a socket's name for reading fails (ENXIO) whoever asks.
UnreadableFile::UnreadableFile(const std::string& path) : path_(path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        throw std::runtime_error("socket name too long: " + path);
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
    if (socket_ < 0 ||
        bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot make a socket at " + path);
    }
}

UnreadableFile::~UnreadableFile() {
    close(socket_);
    unlink(path_.c_str());
}
