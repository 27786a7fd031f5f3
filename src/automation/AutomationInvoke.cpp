// The members by the names clients call them.
#include "automation/TembraDocAutomation.h"

#include "document/TembraDoc.h"

#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace tembra {

namespace {

// A missing argument is not a string.
const AutoArg& ArgAt(const std::vector<AutoArg>& args, std::size_t i) {
    static const AutoArg kMissing;
    return i < args.size() ? args[i] : kMissing;
}

} // namespace

bool CTembraDocAutomation::Invoke(std::string_view name, const std::vector<AutoArg>& args,
                                  AutoResult& result) {
    using Self = CTembraDocAutomation;
    using Method = std::function<AutoResult(Self&, const std::vector<AutoArg>&)>;
    static const std::unordered_map<std::string_view, Method> kMethods{
        {"FileSaveAs",
         [](Self& s, const auto& a) {
             return s.FileSaveAs(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2));
         }},
        {"HeaderItemSet",
         [](Self& s, const auto& a) { return s.HeaderItemSet(ArgAt(a, 0), ArgAt(a, 1)); }},
        {"FileOpen", [](Self& s, const auto& a) { return s.FileOpen(ArgAt(a, 0)); }},
        {"AppClose", [](Self& s, const auto&) { return s.AppClose(); }},
        {"AppInit", [](Self& s, const auto&) { return s.AppInit(); }},
        {"HeaderItemGet", [](Self& s, const auto& a) { return s.HeaderItemGet(ArgAt(a, 0)); }},
        {"DocClose", [](Self& s, const auto& a) { return s.DocClose(ArgAt(a, 0)); }},
        {"GetFirstKoutei", [](Self& s, const auto&) { return s.GetFirstKoutei(); }},
        {"GetNextKoutei", [](Self& s, const auto&) { return s.GetNextKoutei(); }},
        {"GetFirstEvent", [](Self& s, const auto&) { return s.GetFirstEvent(); }},
        {"GetNextEvent", [](Self& s, const auto&) { return s.GetNextEvent(); }},
        {"GetKouteiCount", [](Self& s, const auto&) { return s.GetKouteiCount(); }},
        {"GetEventCount", [](Self& s, const auto&) { return s.GetEventCount(); }},
        {"ChangeNobeToReki",
         [](Self& s, const auto& a) {
             return s.ChangeNobeToReki(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2), ArgAt(a, 3),
                                       ArgAt(a, 4));
         }},
        {"TakeInData",
         [](Self& s, const auto& a) {
             return s.TakeInData(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2), ArgAt(a, 3));
         }},
        {"RegularizeData", [](Self& s, const auto&) { return s.RegularizeData(); }},
        {"AdjustTakeInData", [](Self& s, const auto&) { return s.AdjustTakeInData(); }},
        {"AddKoumokuData",
         [](Self& s, const auto& a) {
             return s.AddKoumokuData(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2));
         }},
        {"ModifyKeisenType",
         [](Self& s, const auto& a) {
             return s.ModifyKeisenType(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2), ArgAt(a, 3));
         }},
        {"ClearLine", [](Self& s, const auto& a) { return s.ClearLine(ArgAt(a, 0), ArgAt(a, 1)); }},
        {"PaperChange", [](Self& s, const auto& a) { return s.PaperChange(ArgAt(a, 0)); }},
        {"KikanChange",
         [](Self& s, const auto& a) { return s.KikanChange(ArgAt(a, 0), ArgAt(a, 1)); }},
        {"LineChange", [](Self& s, const auto& a) { return s.LineChange(ArgAt(a, 0)); }},
    };
    // The members that only read the chart: every other one may change it, and a gesture the
    // user holds on it ends first, as a command of the program's own ends it.
    static const std::unordered_set<std::string_view> kReaders{
        "HeaderItemGet", "GetFirstKoutei", "GetNextKoutei", "GetFirstEvent",
        "GetNextEvent",  "GetKouteiCount", "GetEventCount", "AppInit",
    };
    const auto found = kMethods.find(name);
    if (found == kMethods.end()) {
        return false;
    }
    if (kReaders.count(name) == 0) {
        m_doc.EndGestures();
    }
    result = found->second(*this, args);
    return true;
}

} // namespace tembra
