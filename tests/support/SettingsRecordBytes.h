// The settings record of a chart as the file form lays it out at the current version, written
// block by block by hand (not by the record's own code), for the golden tests of the record and of
// the whole chart file.
#pragma once

#include "platform/Time.h"
#include "support/ArchiveBytes.h"

#include <cstddef>
#include <string>

namespace tembra::test {

// The 50-byte file form of a font: five 16-bit metrics, eight bytes, the face.
void WriteFont16(ByteWriter& w, LONG height, LONG width, const char* face);

// What differs between the records the tests write; the rest is fixed (B4 paper, fonts "A" to
// "I", rows 0..39, an empty area-name set, no irregular periods).
struct SettingsRecordForm {
    WORD areaColumnCount = 2;
    DWORD marginBefore = 2 * 86400;
    DWORD marginAfter = 3 * 86400;
    CTime start = CTime(2005, 6, 13);
    CTime end = CTime(2005, 7, 27);
    std::string dateFormat = "mm/dd";
    std::string layoutName = "MASTER01.LYT";
};

// Where two of its fields lie, for the tests that damage them.
struct SettingsRecordOffsets {
    std::size_t columnCount = 0;
    std::size_t period = 0; // the period start
};

Bytes SettingsRecordBytes(const SettingsRecordForm& form = {},
                          SettingsRecordOffsets* offsets = nullptr);

} // namespace tembra::test
