#include "engine/partial_name.h"

#include <algorithm>

#include "engine/path_text.h"

namespace nubo {

namespace {

std::string suffixOf(uint32_t variant) {
    return variant == 0 ? std::string(".part") : "." + std::to_string(variant) + ".part";
}

}  // namespace

PartialName PartialName::candidate(const std::string& targetName, uint32_t variant,
                                   size_t longest) {
    const std::string suffix = suffixOf(variant);
    size_t stem =
        std::min(targetName.size(), longest > suffix.size() ? longest - suffix.size() : 0);
    // A cut never splits a UTF-8 character: the name must stay readable.
    while (stem > 0 && stem < targetName.size() &&
           (static_cast<unsigned char>(targetName[stem]) & 0xC0) == 0x80) {
        --stem;
    }
    PartialName chosen{Kind::Chosen, variant, static_cast<uint32_t>(stem)};
    PartialName older;
    if (chosen.fileName(targetName) == older.fileName(targetName)) {
        return older;  // kept as zeros: older versions read the record the same
    }
    return chosen;
}

std::string PartialName::fileName(const std::string& targetName) const {
    switch (kind) {
        case Kind::None:
            return {};
        case Kind::OlderRule:
            return baseName(partialDownloadPath(targetName));
        case Kind::Chosen:
            break;
    }
    return targetName.substr(0, std::min<size_t>(stem, targetName.size())) + suffixOf(variant);
}

std::string PartialName::pathFor(const std::string& targetPath) const {
    if (kind == Kind::None) {
        return {};
    }
    const size_t slash = targetPath.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return targetPath.substr(0, nameStart) + fileName(targetPath.substr(nameStart));
}

}  // namespace nubo
