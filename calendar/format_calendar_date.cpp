#include "calendar/format_calendar_date.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "calendar/era_date.h"
#include "calendar/era_table.h"

namespace {

// An initial, a sign and the ten digits of any 32-bit value, and the terminator.
using Piece = std::array<char, 16>;

void AppendPiece(std::string& out, const Piece& piece, int written) {
    if (written > 0) {
        out.append(piece.data(), std::min<std::size_t>(written, piece.size() - 1));
    }
}

void AppendNumber(std::string& out, int minimumWidth, std::int32_t value) {
    Piece piece;
    AppendPiece(out, piece, std::snprintf(piece.data(), piece.size(), "%0*d", minimumWidth, value));
}

void AppendEraYear(std::string& out, std::int32_t initial, std::int32_t eraYear) {
    Piece piece;
    AppendPiece(out, piece,
                std::snprintf(piece.data(), piece.size(), "%c%0*d", initial, 2, eraYear));
}

}  // namespace

std::int32_t FormatCalendarDate(const CalendarDate& date, std::int32_t flags, std::string& out) {
    out.clear();
    if (date.serial == 0) {
        return 0;
    }
    constexpr std::int32_t eraForm = kFormatYear | kFormatEraYear;
    if ((flags & eraForm) == eraForm) {
        const EraDate eraDate(date);
        const std::int32_t initial = EraInitial(eraDate.eraIndex);
        if (initial == -1) {
            return 0;
        }
        AppendEraYear(out, initial, eraDate.eraYear);
    } else if ((flags & kFormatYear) != 0) {
        AppendNumber(out, 4, date.year);
    }
    if ((flags & kFormatMonth) != 0) {
        AppendNumber(out, 2, date.month);
    }
    if ((flags & kFormatDay) != 0) {
        AppendNumber(out, 2, date.day);
    }
    return static_cast<std::int32_t>(out.size());
}
