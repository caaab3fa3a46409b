#include "child_process.h"

namespace {

std::string Quoted(const std::string& part) {
    if (!part.empty() && part.find_first_of(" \t") == std::string::npos) {
        return part;
    }
    return "\"" + part + "\"";
}

}  // namespace

std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
    std::string commandLine = Quoted(program);
    for (const std::string& argument : arguments) {
        commandLine += " " + Quoted(argument);
    }
    return commandLine;
}
