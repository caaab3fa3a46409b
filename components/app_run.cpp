#include "app_run.h"

#include <cstdlib>
#include <string>

#include "components/exit_code_option.h"
#include "run_log.h"
#include "components/run_record.h"
#include "components/utf8_text.h"
#include "launcher/app_run_interface.h"

AppRun::AppRun() : ComObject(IID_IAppRun) {}

HRESULT AppRun::Create(REFIID iid, void** object) {
    return CreateAndQuery<AppRun>(iid, object);
}

std::int32_t AppRun::Run(BSTR commandString, std::int32_t showCommand) {
    const std::string command = Utf8FromBstr(commandString);
    LogRunStarted(showCommand, command);
    WriteRunRecordIfAsked(command, showCommand);
    if (std::getenv(kRequireAppenderVariable) != nullptr && !ProcessLoggingHasAppender()) {
        return kNoAppenderExitCode;
    }
    return ExitCodeFromCommandLine(command);
}
