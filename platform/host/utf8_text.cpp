#include "platform/host/unicode_text.h"

#include <algorithm>
#include <iterator>

namespace host {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

void AppendCodePoint(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        text.push_back(static_cast<char>(0xC0 | codePoint >> 6));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | codePoint >> 12));
        text.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | codePoint >> 18));
        text.push_back(static_cast<char>(0x80 | (codePoint >> 12 & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// The well-formed byte sequences of UTF-8: for each lead byte, the sequence length and the
// range its second byte must fall in (the rest are plain continuation bytes).
struct LeadRule {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadRule RuleOf(unsigned char lead) {
    struct Range {
        unsigned char first;
        unsigned char last;
        LeadRule rule;
    };
    static constexpr Range kRanges[] = {
        {0xC2, 0xDF, {2, 0x80, 0xBF}}, {0xE0, 0xE0, {3, 0xA0, 0xBF}}, {0xE1, 0xEC, {3, 0x80, 0xBF}},
        {0xED, 0xED, {3, 0x80, 0x9F}}, {0xEE, 0xEF, {3, 0x80, 0xBF}}, {0xF0, 0xF0, {4, 0x90, 0xBF}},
        {0xF1, 0xF3, {4, 0x80, 0xBF}}, {0xF4, 0xF4, {4, 0x80, 0x8F}},
    };
    const Range* range = std::find_if(std::begin(kRanges), std::end(kRanges), [&](const Range& r) {
        return lead >= r.first && lead <= r.last;
    });
    return range != std::end(kRanges) ? range->rule : LeadRule{0, 0, 0};  // never a lead byte
}

}  // namespace

std::u16string Utf8ToUtf16(const char* text, std::size_t length) {
    std::u16string result;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t at = 0;
    while (at < length) {
        const unsigned char lead = bytes[at];
        if (lead < 0x80) {
            result.push_back(lead);
            ++at;
            continue;
        }
        const LeadRule rule = RuleOf(lead);
        char32_t codePoint = lead & (0xFF >> (rule.length + 1));
        std::size_t taken = 1;
        while (taken < rule.length && at + taken < length &&
               (taken == 1 ? IsContinuation(bytes[at + 1], rule.secondLow, rule.secondHigh)
                           : IsContinuation(bytes[at + taken]))) {
            codePoint = codePoint << 6 | (bytes[at + taken] & 0x3F);
            ++taken;
        }
        if (rule.length == 0 || taken < rule.length) {
            result.push_back(kReplacement);  // the maximal subpart read so far
        } else {
            AppendCodePoint(result, codePoint);
        }
        at += taken;
    }
    return result;
}

std::string Utf16ToUtf8(const char16_t* text, std::size_t length) {
    std::string result;
    for (std::size_t at = 0; at < length; ++at) {
        const char16_t unit = text[at];
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < length && text[at + 1] >= 0xDC00 &&
            text[at + 1] <= 0xDFFF) {
            AppendUtf8(result, 0x10000 + ((unit - 0xD800) << 10) + (text[at + 1] - 0xDC00));
            ++at;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(result, kReplacement);
        } else {
            AppendUtf8(result, unit);
        }
    }
    return result;
}

}  // namespace host
