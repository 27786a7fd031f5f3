#include "shell/core/FileDialogPlan.h"

#include "platform/Document.h"
#include "platform/StringTable.h"

#include <cstdio>

namespace tembra {

namespace {

// The document type's filter name and extension: fields 3 and 4 of the template's string 118.
FileFilter DocumentFilter() {
    const std::string text = LoadStringUtf8(118);
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == '\n') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    fields.resize(5);
    return {fields[3], "*" + fields[4], ""};
}

} // namespace

std::vector<FileFilter> BuildFileFilters(bool open, FileDialogFlags& flags) {
    if (flags.asd) {
        flags.asd = false;
        return {{"QKRｱｽｷｰﾌｧｲﾙ(*.asd)", "*.asd", "asd"}};
    }
    if (flags.akd) {
        flags.akd = false;
        return {{"安管ｱｽｷｰﾌｧｲﾙ(*.akd)", "*.akd", "akd"}};
    }
    std::vector<FileFilter> filters = {DocumentFilter(), {"DOSﾌｧｲﾙ(*.phd)", "*.phd", ""}};
    if (open) {
        filters.push_back({"Tembra+ ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ (*.tbrbk)", "*.tbrbk", ""});
        // Text data files open under the text stream's extension (the reader then checks the
        // producer tag); last, so that the save dialog's version entries keep their places.
        const std::string text = LoadStringUtf8(112);
        filters.push_back({"ﾃｷｽﾄﾃﾞｰﾀﾌｧｲﾙ (*" + text + ")", "*" + text, ""});
    } else {
        filters.push_back({"Tembra+ V4.0 (*.tbr)", "*.tbr", ""});
        filters.push_back({"Tembra+ V4.1 (*.tbr)", "*.tbr", ""});
        filters.push_back({"Tembra+ V5.0 (*.tbr)", "*.tbr", ""});
    }
    return filters;
}

int SaveVersionForFilter(int filterIndex) {
    switch (filterIndex) {
    case 3:
        return 40000;
    case 4:
        return 41001;
    case 5:
        return 50000;
    default:
        return kCurrentFileVersion;
    }
}

std::string FormatFileVersion(int version) {
    char text[32];
    std::snprintf(text, sizeof text, "Ver.%02d.%02d.%02d", version / 10000, version / 100 % 100,
                  version % 100);
    return text;
}

std::string StartFolder(std::string_view lastFolder, std::string_view documentsFolder) {
    std::string folder(lastFolder.empty() ? documentsFolder : lastFolder);
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::pair<std::string, std::string> SplitAtLastSlash(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {std::string(), std::string(path)};
    }
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

} // namespace tembra
