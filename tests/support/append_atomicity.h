// Whether records that processes append to one file at the same moment all reach it.
#pragma once

bool CrossProcessAppendKeepsEveryRecord();
