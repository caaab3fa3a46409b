#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "child_process.h"
#include "temp_dir.h"
#include "file_bytes.h"

extern char** environ;

namespace {

class FileActions {
  public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    posix_spawn_file_actions_t* Get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     std::optional<int> showCommand) {
    if (showCommand) {
        throw std::logic_error("the host has no start-up show mode to pass");
    }
    std::vector<std::string> parts{program};
    parts.insert(parts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& part : parts) {
        argv.push_back(part.data());
    }
    argv.push_back(nullptr);

    TempDir scratch;
    const std::string errorFile = scratch.Path() + "/stderr";
    FileActions actions;
    posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, errorFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

    pid_t child = 0;
    const int spawnError =
        posix_spawn(&child, program.c_str(), actions.Get(), nullptr, argv.data(), environ);
    if (spawnError != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("cannot wait for " + program);
        }
    }
    if (!WIFEXITED(status)) {
        throw std::runtime_error(program + " did not exit normally");
    }
    return {WEXITSTATUS(status), ReadFileBytes(errorFile)};
}

int ExitStatusOf(std::int32_t exitCode) {
    return static_cast<int>(exitCode & 0xFF);
}
