// The records of the plan text catalogues: each data line of a catalogue section becomes one
// record of this family. Fields are separated by commas with no quoting; a field ends at the next
// comma, so a field not followed by one reads as empty, except the last field of the records
// that take the rest of the line, commas included. Numbers read as atof and atoi read them: an
// empty or non-numeric field is 0.
#pragma once

#include <string>
#include <string_view>

namespace tembra {

class CPlanTemplateRecord {
public:
    CPlanTemplateRecord() = default;
    virtual ~CPlanTemplateRecord();
    virtual void ParseLine(std::string line) = 0;

protected:
    // Takes the field up to the next comma off the front of rest; without a comma the field is
    // empty and rest stays.
    static std::string TakeField(std::string_view& rest);
    static double ToReal(std::string_view field);
    static int ToInt(std::string_view field);
};

} // namespace tembra
