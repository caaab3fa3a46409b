// A run of a program with the local day read just before and just after it: a run that crosses
// midnight wrote one of the two.
#pragma once

#include <string>
#include <vector>

#include "child_process.h"
#include "local_date.h"

struct DatedRun {
    ChildResult result;
    std::string dayBefore;
    std::string dayAfter;
};

inline DatedRun RunChildDated(const std::string& program,
                              const std::vector<std::string>& arguments = {}) {
    DatedRun run;
    run.dayBefore = LocalDateAsEightDigits();
    run.result = RunChild(program, arguments);
    run.dayAfter = LocalDateAsEightDigits();
    return run;
}
