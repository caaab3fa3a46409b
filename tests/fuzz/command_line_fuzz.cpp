// The command line the host makes of the process's arguments: read back with the run-time's
// documented rules it gives the same arguments. The tail WinMain receives, of that line or of
// any other, starts after the program's own argument and the blanks that follow it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/startup.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The arguments after the program name: blanks separate them outside quotes; 2n backslashes
// before a quote give n and the quote opens or closes, 2n+1 give n and a literal quote;
// other backslashes are literal; inside quotes a doubled quote gives one.
std::vector<std::string> ReferenceArguments(const std::string& line) {
    std::vector<std::string> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            return arguments;
        }
        std::string argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument.push_back('"');
                } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                    argument.push_back('"');
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
                continue;
            }
            argument.append(backslashes, '\\');
            if (at < line.size() && (quoted || !IsBlank(line[at]))) {
                argument.push_back(line[at]);
                ++at;
            }
        }
        arguments.push_back(argument);
    }
}

// The program name by its own rule: up to the next quote when it starts with one, else up
// to the first blank; backslashes are plain. Returns the offset after it.
std::size_t ReferenceProgramEnd(const std::string& line, std::string& program) {
    std::size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        const std::size_t end = close == std::string::npos ? line.size() : close;
        program = line.substr(1, end - 1);
        return close == std::string::npos ? end : end + 1;
    }
    while (at < line.size() && !IsBlank(line[at])) {
        ++at;
    }
    program = line.substr(0, at);
    return at;
}

// Arguments as a process gets them: C strings.
std::string Argument(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(24);
    return text.substr(0, text.find('\0'));
}

// Where the tail starts by the reference: after the program name and the blanks after it.
std::size_t ReferenceTailStart(const std::string& line) {
    std::string program;
    std::size_t at = ReferenceProgramEnd(line, program);
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    return at;
}

// The tail of a terminated, exactly sized copy of the line: an offset into it.
std::size_t TailStart(const std::string& text) {
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    const char* const tail = HostCommandLineTail(line.data());
    if (tail < line.data() || tail > line.data() + text.size()) {
        std::abort();
    }
    return static_cast<std::size_t>(tail - line.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Any line another program may have passed: the tail starts where the reference says.
    const std::string raw = Argument(input);
    if (TailStart(raw) != ReferenceTailStart(raw)) {
        std::abort();
    }

    // A program's path holds no quote (Windows refuses it in names).
    std::string program = Argument(input);
    program.erase(std::remove(program.begin(), program.end(), '"'), program.end());
    std::vector<std::string> arguments{program};
    while (arguments.size() < 6 && input.remaining_bytes() > 0) {
        arguments.push_back(Argument(input));
    }

    for (const std::string& argument : arguments) {
        const std::vector<std::string> readBack =
            ReferenceArguments(HostQuoteCommandLineArgument(argument));
        if (readBack.size() != 1 || readBack[0] != argument) {
            std::abort();
        }
    }

    const std::string joined = HostJoinCommandLine(arguments);
    std::string programRead;
    const std::size_t programEnd = ReferenceProgramEnd(joined, programRead);
    const std::vector<std::string> rest = ReferenceArguments(joined.substr(programEnd));
    if (rest != std::vector<std::string>(arguments.begin() + 1, arguments.end())) {
        std::abort();
    }
    // The program name's own rule knows no escapes: a quoted name ending in backslashes
    // reads back with them doubled, so it is compared only without that ending.
    const bool quotedEndingInBackslash =
        joined[0] == '"' && !program.empty() && program.back() == '\\';
    if (!quotedEndingInBackslash && programRead != program) {
        std::abort();
    }

    // The line made here: the tail is the other arguments, quoted and joined.
    const std::size_t tailStart = TailStart(joined);
    if (tailStart != ReferenceTailStart(joined) ||
        ReferenceArguments(joined.substr(tailStart)) != rest) {
        std::abort();
    }
    return 0;
}
