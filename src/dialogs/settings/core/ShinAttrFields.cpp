#include "dialogs/settings/core/ShinAttrFields.h"

#include "dialogs/settings/core/AttrComboTables.h"
#include "model/ConfigShin.h"

#include <algorithm>

namespace tembra {

ShinAttrFields ShinAttrFields::FromSettings(const CConfigShin& settings) {
    ShinAttrFields f;
    f.type = settings.GetType();
    f.width = settings.GetWidth();
    f.color = ColorChoice::From(settings.GetColor());
    f.SetLinked(settings.GetLinked());
    f.dates = settings.GetDateDisp() != 0;
    f.dateColor = ColorChoice::From(settings.GetDateColor());
    f.formatText = settings.GetDateFormat();
    f.format = ShinDateFormatPosition(f.formatText);
    for (int i = 0; i < 3; ++i) {
        f.widths[static_cast<std::size_t>(i)] = settings.GetWidthSet().GetAt(i);
    }
    return f;
}

ShinAttrFields ShinAttrFields::FromLine(const CShinLineAttr& line, const CShinLabelAttr& label) {
    ShinAttrFields f;
    f.type = line.m_type;
    f.width = line.m_width;
    f.color = ColorChoice::From(line.m_color);
    f.SetLinked(line.m_linked);
    f.dates = label.m_dateDisp != 0;
    f.dateColor = ColorChoice::From(label.m_dateColor);
    f.formatText = label.m_text;
    f.format = ShinDateFormatPosition(f.formatText);
    f.ownFont = label.m_ownFont != 0;
    return f;
}

void ShinAttrFields::SetLinked(WORD linked) {
    joined = linked != 0;
    interval = joined ? std::min<int>(linked, kIntervalCount) - 1 : 0;
}

std::string ShinAttrFields::FormatText() const {
    const auto formats = ShinDateFormatTable();
    if (format >= 0 && format < static_cast<int>(formats.size())) {
        return formats[static_cast<std::size_t>(format)].text;
    }
    return formatText;
}

void ShinAttrFields::SelectFormat(int position) {
    format = position;
    formatText = FormatText();
}

void ShinAttrFields::WriteSettings(CConfigShin& settings) const {
    settings.SetType(static_cast<WORD>(type));
    settings.SetWidth(static_cast<short>(width));
    settings.SetColor(color.Color());
    settings.SetLinked(Linked());
    settings.SetDateDisp(dates ? 1 : 0);
    settings.SetDateColor(dateColor.Color());
    if (format >= 0) {
        settings.SetDateFormat(FormatText());
    }
    for (int i = 0; i < 3; ++i) {
        settings.GetWidthSet().SetAt(i, widths[static_cast<std::size_t>(i)]);
    }
}

void ShinAttrFields::WriteLine(const ShinApplyGroups& groups, CShinLineAttr& line,
                               CShinLabelAttr& label) const {
    if (groups.type) {
        line.m_type = static_cast<WORD>(type);
    }
    if (groups.width) {
        line.m_width = static_cast<short>(width);
    }
    if (groups.color) {
        line.m_color = color.Color();
    }
    if (groups.join) {
        line.m_linked = Linked();
    }
    if (groups.dates) {
        label.m_dateDisp = dates ? 1 : 0;
        label.m_dateColor = dateColor.Color();
        label.SetText(FormatText());
        label.m_ownFont = ownFont ? 1 : 0;
    }
}

} // namespace tembra
