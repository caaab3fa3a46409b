#include "components/run_record.h"

#include <cstdlib>
#include <fstream>

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string ComposeRunRecord(const std::string& commandUtf8, std::int32_t showCommand,
                             std::optional<bool> probeFilePresent) {
    std::string record = "command=" + commandUtf8 + "\n";
    record += "show=" + std::to_string(showCommand) + "\n";
    if (probeFilePresent) {
        record += std::string("probe=") + (*probeFilePresent ? "present" : "absent") + "\n";
    }
    return record;
}

void WriteRunRecordIfAsked(const std::string& commandUtf8, std::int32_t showCommand) {
    const std::string recordFile = EnvironmentValue(kRecordFileVariable);
    if (recordFile.empty()) {
        return;
    }
    std::optional<bool> probeFilePresent;
    const std::string probeFile = EnvironmentValue(kProbeFileVariable);
    if (!probeFile.empty()) {
        // The run-time's narrow open takes the path in the ANSI code page, as it came.
        probeFilePresent = std::ifstream(probeFile, std::ios::binary).is_open();
    }
    std::ofstream out(recordFile, std::ios::binary | std::ios::trunc);
    out << ComposeRunRecord(commandUtf8, showCommand, probeFilePresent);
}
