// The process's own command line and file name, OLE strings and the COM apartment.
#include <cstring>

#include "probe_hresult.h"
#include "probe_sections.h"

namespace {

void ProbeModuleName(const ProbeContext& context, ProbeOutput& output) {
    char name[MAX_PATH];
    SetLastError(0);
    const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    std::string path(name, length);
    // Linux programs carry no extension; the name is the same either way.
    const std::string extension = ".exe";
    const bool hasExtension =
        path.size() > extension.size() &&
        path.compare(path.size() - extension.size(), extension.size(), extension) == 0;
    if (hasExtension) {
        path.resize(path.size() - extension.size());
    }
    output.Line("process", "GetModuleFileNameA", context.QuotedPath(path.c_str()));
    output.Line("process", "GetModuleFileNameA.extension", std::to_string(hasExtension));

    char small[8];
    std::memset(small, '#', sizeof small);
    SetLastError(0);
    const DWORD cut = GetModuleFileNameA(nullptr, small, sizeof small);
    output.Line("process", "GetModuleFileNameA.short",
                std::to_string(cut) + " err=" + std::to_string(GetLastError()) + " " +
                    Printable(std::string(small, sizeof small)));
}

// The command line as the first token (the program, quoted or not) and the rest.
void ProbeCommandLine(const ProbeContext& context, ProbeOutput& output) {
    const std::string line = GetCommandLineA();
    std::size_t end = 0;
    if (!line.empty() && line[0] == '"') {
        end = line.find('"', 1);
        end = end == std::string::npos ? line.size() : end + 1;
    } else {
        end = line.find(' ');
        end = end == std::string::npos ? line.size() : end;
    }
    const bool quoted = !line.empty() && line[0] == '"';
    std::string program = line.substr(quoted ? 1 : 0, end - (quoted ? 2 : 0));
    if (program.size() > 4 && program.compare(program.size() - 4, 4, ".exe") == 0) {
        program.resize(program.size() - 4);
    }
    output.Line("process", "GetCommandLineA.program", context.PrintablePath(program));
    output.Line("process", "GetCommandLineA.program.quoted", std::to_string(quoted));
    output.Line("process", "GetCommandLineA.arguments", context.PrintablePath(line.substr(end)));
}

void ProbeBstr(ProbeOutput& output) {
    const WCHAR text[] = {0x61, 0x8868, 0, 0x62};
    for (const UINT length : {0u, 1u, 2u, 4u}) {
        BSTR string = SysAllocStringLen(text, length);
        std::string value = "null";
        if (string != nullptr) {
            UINT bytes = 0;
            std::memcpy(&bytes, reinterpret_cast<const char*>(string) - sizeof bytes, sizeof bytes);
            value = "bytes=" + std::to_string(bytes) + " units=" + Units(string, length + 1);
        }
        output.Line("process", "SysAllocStringLen." + std::to_string(length), value);
        SysFreeString(string);
    }
    BSTR empty = SysAllocStringLen(nullptr, 3);
    output.Line("process", "SysAllocStringLen.null.3", std::to_string(empty != nullptr));
    SysFreeString(empty);
    SysFreeString(nullptr);
}

void ProbeCom(ProbeOutput& output) {
    output.Line("process", "CoInitialize.first", HresultText(CoInitialize(nullptr)));
    output.Line("process", "CoInitialize.second", HresultText(CoInitialize(nullptr)));
    const CLSID unknown = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    void* object = nullptr;
    const HRESULT created =
        CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object);
    output.Line("process", "CoCreateInstance.unknown",
                HresultText(created) + " object=" + std::to_string(object != nullptr));
    CoUninitialize();
    CoUninitialize();
}

}  // namespace

void ProbeProcess(const ProbeContext& context, ProbeOutput& output) {
    ProbeModuleName(context, output);
    ProbeCommandLine(context, output);
    ProbeBstr(output);
    ProbeCom(output);
}
