// The members by the names clients call them.
#include "automation/AutomationMethod.h"
#include "automation/TembraDocAutomation.h"

#include "document/TembraDoc.h"

#include <array>

namespace tembra {

namespace {

using Self = CTembraDocAutomation;
using Args = std::vector<AutoArg>;
using Kind = AutoResult::Kind;

// A missing argument is not a string.
const AutoArg& ArgAt(const Args& args, std::size_t i) {
    static const AutoArg kMissing;
    return i < args.size() ? args[i] : kMissing;
}

constexpr std::array kMethods{
    AutomationMethod{
        "FileSaveAs", 3, Kind::I2, 0, false,
        [](Self& s, const Args& a) { return s.FileSaveAs(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2)); }},
    AutomationMethod{
        "HeaderItemSet", 2, Kind::I2, -1, false,
        [](Self& s, const Args& a) { return s.HeaderItemSet(ArgAt(a, 0), ArgAt(a, 1)); }},
    AutomationMethod{"FileOpen", 1, Kind::I2, 0, false,
                     [](Self& s, const Args& a) { return s.FileOpen(ArgAt(a, 0)); }},
    AutomationMethod{"AppClose", 0, Kind::I2, -1, false,
                     [](Self& s, const Args&) { return s.AppClose(); }},
    AutomationMethod{"AppInit", 0, Kind::None, -1, true,
                     [](Self& s, const Args&) { return s.AppInit(); }},
    AutomationMethod{"HeaderItemGet", 1, Kind::Text, -1, true,
                     [](Self& s, const Args& a) { return s.HeaderItemGet(ArgAt(a, 0)); }},
    AutomationMethod{"DocClose", 1, Kind::I2, -1, false,
                     [](Self& s, const Args& a) { return s.DocClose(ArgAt(a, 0)); }},
    AutomationMethod{"GetFirstKoutei", 0, Kind::Text, -1, true,
                     [](Self& s, const Args&) { return s.GetFirstKoutei(); }},
    AutomationMethod{"GetNextKoutei", 0, Kind::Text, -1, true,
                     [](Self& s, const Args&) { return s.GetNextKoutei(); }},
    AutomationMethod{"GetFirstEvent", 0, Kind::Text, -1, true,
                     [](Self& s, const Args&) { return s.GetFirstEvent(); }},
    AutomationMethod{"GetNextEvent", 0, Kind::Text, -1, true,
                     [](Self& s, const Args&) { return s.GetNextEvent(); }},
    AutomationMethod{"GetKouteiCount", 0, Kind::I4, -1, true,
                     [](Self& s, const Args&) { return s.GetKouteiCount(); }},
    AutomationMethod{"GetEventCount", 0, Kind::I4, -1, true,
                     [](Self& s, const Args&) { return s.GetEventCount(); }},
    AutomationMethod{"ChangeNobeToReki", 5, Kind::I2, -1, false,
                     [](Self& s, const Args& a) {
                         return s.ChangeNobeToReki(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2),
                                                   ArgAt(a, 3), ArgAt(a, 4));
                     }},
    AutomationMethod{"TakeInData", 4, Kind::I2, -1, false,
                     [](Self& s, const Args& a) {
                         return s.TakeInData(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2), ArgAt(a, 3));
                     }},
    AutomationMethod{"RegularizeData", 0, Kind::I2, -1, false,
                     [](Self& s, const Args&) { return s.RegularizeData(); }},
    AutomationMethod{"AdjustTakeInData", 0, Kind::I2, -1, false,
                     [](Self& s, const Args&) { return s.AdjustTakeInData(); }},
    AutomationMethod{"AddKoumokuData", 3, Kind::I2, -1, false,
                     [](Self& s, const Args& a) {
                         return s.AddKoumokuData(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2));
                     }},
    AutomationMethod{"ModifyKeisenType", 4, Kind::I2, -1, false,
                     [](Self& s, const Args& a) {
                         return s.ModifyKeisenType(ArgAt(a, 0), ArgAt(a, 1), ArgAt(a, 2),
                                                   ArgAt(a, 3));
                     }},
    AutomationMethod{"ClearLine", 2, Kind::I2, -1, false,
                     [](Self& s, const Args& a) { return s.ClearLine(ArgAt(a, 0), ArgAt(a, 1)); }},
    AutomationMethod{"PaperChange", 1, Kind::I2, -1, false,
                     [](Self& s, const Args& a) { return s.PaperChange(ArgAt(a, 0)); }},
    AutomationMethod{
        "KikanChange", 2, Kind::I2, -1, false,
        [](Self& s, const Args& a) { return s.KikanChange(ArgAt(a, 0), ArgAt(a, 1)); }},
    AutomationMethod{"LineChange", 1, Kind::I2, -1, false,
                     [](Self& s, const Args& a) { return s.LineChange(ArgAt(a, 0)); }},
};

} // namespace

std::span<const AutomationMethod> AutomationMethods() {
    return kMethods;
}

const AutomationMethod* FindAutomationMethod(std::string_view name) {
    for (const AutomationMethod& m : kMethods) {
        if (m.name == name) {
            return &m;
        }
    }
    return nullptr;
}

bool CTembraDocAutomation::Invoke(std::string_view name, const std::vector<AutoArg>& args,
                                  AutoResult& result) {
    const AutomationMethod* method = FindAutomationMethod(name);
    if (method == nullptr) {
        return false;
    }
    if (!method->readsOnly) {
        m_doc.EndGestures();
    }
    result = method->call(*this, args);
    return true;
}

} // namespace tembra
