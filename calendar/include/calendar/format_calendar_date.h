// Compact digit strings for dates: 20261206, or R081206 in the era form.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/calendar_date.h"

// Flag bits; any other bit is ignored.
constexpr std::int32_t kFormatYear = 0x10;
constexpr std::int32_t kFormatMonth = 0x20;
constexpr std::int32_t kFormatDay = 0x40;
// Eight digits, YYYYMMDD.
constexpr std::int32_t kFormatYearMonthDay = kFormatYear | kFormatMonth | kFormatDay;
// With kFormatYear only: the era initial and an era year of at least two digits.
constexpr std::int32_t kFormatEraYear = 0x80;

// Empties out, then appends year, month and day as the flags ask, zero-padded and without
// separators. A date with serial 0, or an era form for an era without an initial, leaves out
// empty. Returns the length of out.
std::int32_t FormatCalendarDate(const CalendarDate& date, std::int32_t flags, std::string& out);
