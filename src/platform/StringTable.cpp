#include "platform/StringTable.h"

#include "platform/Sjis.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace tembra {

namespace {

std::atomic<StringTableProgram>& Selected() {
    static std::atomic<StringTableProgram> program{StringTableProgram::Tembra};
    return program;
}

std::function<void(UINT)>& MissingHandler() {
    static std::function<void(UINT)> handler;
    return handler;
}

} // namespace

void SelectStringTable(StringTableProgram program) {
    Selected().store(program);
}

StringTableProgram SelectedStringTable() {
    return Selected().load();
}

std::span<const StringEntry> StringTableOf(StringTableProgram program) {
    if (program == StringTableProgram::Marquell)
        return {kLayoutEditorStringTable, kLayoutEditorStringTableSize};
    return {kStringTable, kStringTableSize};
}

const char* FindString(UINT id) {
    const std::span<const StringEntry> table = StringTableOf(SelectedStringTable());
    const auto it = std::lower_bound(table.begin(), table.end(), id,
                                     [](const StringEntry& e, UINT v) { return e.id < v; });
    return it != table.end() && it->id == id ? it->utf8 : nullptr;
}

std::string LoadStringUtf8(UINT id) {
    if (const char* text = FindString(id))
        return text;
    if (auto& handler = MissingHandler())
        handler(id);
    return "#" + std::to_string(id);
}

std::string LoadString(UINT id) {
    return Sjis::FromUtf8(LoadStringUtf8(id));
}

void SetMissingStringHandler(std::function<void(UINT)> handler) {
    MissingHandler() = std::move(handler);
}

std::string FormatString(const std::string& format, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(format.size());
    const std::string* argv = args.begin();
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t len = Sjis::CharLength(format, i);
        if (len == 1 && format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' &&
            format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < args.size()) {
                out += argv[n];
                i += 2;
                continue;
            }
        }
        out.append(format, i, len);
        i += len;
    }
    return out;
}

} // namespace tembra
