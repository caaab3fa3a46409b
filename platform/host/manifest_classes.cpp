#include "platform/host/manifest_classes.h"

#include <pugixml.hpp>

#include <cstring>

#include "platform/host/guid_text.h"

namespace host {
namespace {

// "asmv1:file" and "file" are the same element.
bool HasLocalName(const pugi::xml_node& node, const char* localName) {
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return std::strcmp(colon != nullptr ? colon + 1 : name, localName) == 0;
}

}  // namespace

std::optional<std::string> FindComClassFile(const void* manifest, std::size_t size,
                                            REFCLSID clsid) {
    pugi::xml_document document;
    if (manifest == nullptr || !document.load_buffer(manifest, size)) {
        return std::nullopt;
    }
    const pugi::xml_node assembly = document.document_element();
    if (!HasLocalName(assembly, "assembly")) {
        return std::nullopt;
    }
    for (const pugi::xml_node& file : assembly.children()) {
        if (!HasLocalName(file, "file")) {
            continue;
        }
        for (const pugi::xml_node& comClass : file.children()) {
            if (!HasLocalName(comClass, "comClass")) {
                continue;
            }
            const std::optional<GUID> declared = ParseGuid(comClass.attribute("clsid").value());
            if (declared && *declared == clsid) {
                return std::string(file.attribute("name").value());
            }
        }
    }
    return std::nullopt;
}

}  // namespace host
