#include "probe_sections.h"

namespace {

void ReplaceEvery(std::string& text, const std::string& search, const std::string& token) {
    if (search.empty()) {
        return;
    }
    for (std::size_t at = text.find(search); at != std::string::npos;
         at = text.find(search, at + token.size())) {
        text.replace(at, search.size(), token);
    }
}

}  // namespace

std::string ProbeContext::Normalised(std::string text) const {
    // The probe's folder first: it may lie below the tree's parent but never inside the tree.
    ReplaceEvery(text, binDirectory, "<bin>");
    ReplaceEvery(text, tree, "<tree>");
    return text;
}

std::string ProbeContext::PrintablePath(const std::string& text) const {
    return Printable(Normalised(text));
}

std::string ProbeContext::QuotedPath(const char* text) const {
    return text == nullptr ? Quoted(text) : "\"" + PrintablePath(text) + "\"";
}
