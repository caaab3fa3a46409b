// The command line as Windows holds it: quoting of arguments, the tail WinMain gets, and what
// a program started through platform_entry sees.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"

extern char** environ;

namespace {

TEST(HostQuoteCommandLineArgument, QuotesAsTheArgumentParserReadsBack) {
    struct Case {
        std::string argument;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"plain", "plain"},
        {"", "\"\""},
        {"two words", "\"two words\""},
        {"tab\there", "\"tab\there\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\"b", "a\\\"b"},
        {"C:\\dir\\", "C:\\dir\\"},
        {"C:\\my dir\\", "\"C:\\my dir\\\\\""},
        {"back\\\\slashes", "back\\\\slashes"},
        {"slash\\\"quote", "slash\\\\\\\"quote"},
        {"\x95\x5C", "\x95\x5C"},  // a trail byte that is a backslash is not one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HostQuoteCommandLineArgument(c.argument), c.expected) << c.argument;
    }
}

TEST(HostJoinCommandLine, SeparatesArgumentsWithOneSpace) {
    EXPECT_EQ(HostJoinCommandLine({}), "");
    EXPECT_EQ(HostJoinCommandLine({""}), "\"\"");
    EXPECT_EQ(HostJoinCommandLine({"C:\\Program Files\\x.exe", "-a", ""}),
              "\"C:\\Program Files\\x.exe\" -a \"\"");
}

TEST(HostCommandLineTail, SkipsTheProgramNameAndTheBlanksAfterIt) {
    struct Case {
        std::string commandLine;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {"x.exe", ""},
        {"x.exe a b", "a b"},
        {"x.exe \t  a", "a"},
        {"\"C:\\Program Files\\x.exe\" -a \"b c\"", "-a \"b c\""},
        {"\"C:\\Program Files\\x.exe\"-a", "-a"},
        {"\"unterminated quote", ""},
        {"", ""},
    };
    for (Case c : cases) {
        EXPECT_STREQ(HostCommandLineTail(c.commandLine.data()), c.tail.c_str()) << c.commandLine;
    }
}

struct ProbeOutput {
    std::vector<std::string> lines;
    int exitCode = -1;
};

// Runs the probe with the given argv (argv[0] included) and collects what it printed.
ProbeOutput RunProbe(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, COMMAND_LINE_PROBE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    ProbeOutput result;
    if (spawned != 0) {
        return result;
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::size_t start = 0;
    for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
        result.lines.push_back(output.substr(start, end - start));
    }
    return result;
}

TEST(GetCommandLineA, HoldsTheProcessArgumentsQuotedInTheAnsiCodePage) {
    struct Case {
        std::vector<std::string> arguments;
        std::string commandLine;
        std::string tail;
    };
    const std::string program = "C:\\Program Files\\\xE8\xA1\xA8.exe";  // UTF-8, as Linux has it
    const std::string quotedProgram = "\"C:\\Program Files\\\x95\x5C.exe\"";
    const std::vector<Case> cases = {
        {{program}, quotedProgram, ""},
        {{program, "a", "b"}, quotedProgram + " a b", "a b"},
        {{program, "two words", ""}, quotedProgram + " \"two words\" \"\"", "\"two words\" \"\""},
        {{program, "say \"hi\""}, quotedProgram + " \"say \\\"hi\\\"\"", "\"say \\\"hi\\\"\""},
        {{program, "C:\\my dir\\"}, quotedProgram + " \"C:\\my dir\\\\\"", "\"C:\\my dir\\\\\""},
        {{program, "\xE8\xA1\xA8"}, quotedProgram + " \x95\x5C", "\x95\x5C"},
        {{"probe"}, "probe", ""},
        {{"probe", "x"}, "probe x", "x"},
    };
    for (const Case& c : cases) {
        const ProbeOutput output = RunProbe(c.arguments);
        ASSERT_EQ(output.exitCode, 0) << c.commandLine;
        ASSERT_EQ(output.lines.size(), 4u) << c.commandLine;
        EXPECT_EQ(output.lines[0], c.commandLine);
        EXPECT_EQ(output.lines[1], c.tail) << c.commandLine;
        EXPECT_EQ(output.lines[2], "10") << c.commandLine;  // SW_SHOWDEFAULT
        EXPECT_EQ(output.lines[3], "1") << c.commandLine;
    }
}

}  // namespace
