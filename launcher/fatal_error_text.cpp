#include "launcher/fatal_error_text.h"

namespace {

// "致命的なエラーが発生しました。" in code page 932.
constexpr char kGenericText[] =
    "\x92\x76\x96\xBD\x93\x49\x82\xC8\x83\x47\x83\x89\x81\x5B\x82\xAA"
    "\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";

// A line feed, then "処理を継続することができません。" in code page 932.
constexpr char kClosingLine[] =
    "\n"
    "\x8F\x88\x97\x9D\x82\xF0\x8C\x70\x91\xB1\x82\xB7\x82\xE9\x82\xB1"
    "\x82\xC6\x82\xAA\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42";

}  // namespace

std::string ComposeFatalErrorText(const std::string& tableText) {
    std::string text = tableText.empty() ? std::string(kGenericText) : tableText;
    text += kClosingLine;
    return text;
}
