#include "auxwindows/helpcontext.h"

#include "core/folder.h"

#include <algorithm>
#include <array>

namespace qm {

namespace {
constexpr std::array<int, 6> kContexts = {kHelpOptions,       kHelpFontAndColor,
                                          kHelpCategory,      kHelpUnitProperties,
                                          kHelpColumnHeaders, kHelpConstantProperties};
} // namespace

std::span<const int> helpContexts() {
    return kContexts;
}

bool isHelpContext(int context) {
    return std::find(kContexts.begin(), kContexts.end(), context) != kContexts.end();
}

std::string helpAnchor(int context) {
    if (!isHelpContext(context)) return kHelpContentsAnchor;
    return "ctx" + std::to_string(context);
}

std::string helpFilePath(const std::string& programFolder) {
    return folderWithSeparator(programFolder) + kHelpFileName;
}

std::string helpMissingMessage(const std::string& path) {
    return "'" + path +
           "'\n\nThe help file cannot be found or read. "
           "Reinstall the program to restore it.";
}

bool helpTextUsable(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](unsigned char c) {
        return c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != '\v';
    });
}

} // namespace qm
