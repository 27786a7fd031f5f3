#include "support/SettingsRecordBytes.h"

namespace tembra::test {

void WriteFont16(ByteWriter& w, LONG height, LONG width, const char* face) {
    w.Word(WORD(height)).Word(WORD(width)).Word(0).Word(0).Word(400);
    w.Raw(std::string("\0\0\0\x80\x03\x02\x01\x11", 8));
    const std::string name(face);
    w.Raw(name).Zeros(32 - name.size());
}

Bytes SettingsRecordBytes(const SettingsRecordForm& form, SettingsRecordOffsets* offsets) {
    ByteWriter w;
    auto rect = [&w](int l, int t, int r, int b) {
        w.Word(WORD(l)).Word(WORD(t)).Word(WORD(r)).Word(WORD(b));
    };
    // 1. Page settings, 90 bytes.
    rect(10, -20, 2910, -310);    // header
    rect(10, -310, 2910, -2010);  // page
    rect(11, -410, 2911, -2011);  // body
    rect(12, -311, 2912, -409);   // date band
    rect(13, -412, 513, -2012);   // item area
    rect(514, -413, 2914, -2013); // process area
    w.Word(31).Word(41);          // insets
    rect(545, -414, 2873, -2014); // chart rectangle
    rect(15, -2015, 2915, -2055); // footer
    w.Word(1).Word(0).Word(501);  // paper B4, orientation, item width
    rect(0, 0, 3640, -2570);      // paper
    w.Word(101).Word(WORD(-81)).Word(3).Word(WORD(-4));
    // 2. Area names: column count, style, split; three empty cell arrays.
    if (offsets != nullptr) {
        offsets->columnCount = w.Get().size();
    }
    w.Word(form.areaColumnCount).Word(1).Word(3).Word(0).Word(0).Word(0);
    // 3. Date-row style, 76 bytes.
    WriteFont16(w, -32, 16, "A");
    w.Word(5).Word(1).Word(2).Word(3).Word(4).Zeros(16);
    // 4. Item text block, 80 bytes.
    w.Word(1).Word(1).Word(2).Dword(0x030201).Word(0x10).Word(6).Word(7).Word(8).Word(9);
    w.Zeros(10);
    WriteFont16(w, -20, 10, "B");
    // 5. Process line block, 106 bytes.
    w.Word(2).Word(1).Word(3).Word(0xFFFF).Dword(0xFF).Word(1).Word(999);
    w.Word(3).Word(1).Word(6).Word(10).Word(12).Word(30).Word(45).Zeros(10);
    w.Word(20).Word(18).Zeros(62);
    // 6. Node block, 12 bytes.
    w.Word(1).Word(2).Dword(0xFF0000).Word(100).Word(9);
    // 7. Term label block, 102 bytes.
    w.Word(1).Word(1).Word(1).Dword(0x800000).Word(2).Word(1).Dword(5).Dword(DWORD(-3));
    w.Dword(100).Dword(200).Word(1).Word(0).Word(1).Zeros(10);
    WriteFont16(w, -24, 12, "C");
    w.Word(0).Word(10).Word(2);
    // 8. Resource label block, 102 bytes.
    w.Word(2).Word(2).Word(3).Dword(0x008000).Word(0).Word(0).Dword(0).Dword(0);
    w.Dword(0).Dword(0).Word(0).Word(1).Word(1).Zeros(10);
    WriteFont16(w, -24, 12, "D");
    w.Word(0).Word(10).Word(0);
    // 9. Event part, 88 bytes.
    w.Word(1).Word(1).Word(1).Dword(0xFF0000).Word(0x1000).Dword(20).Dword(50).Word(0);
    w.Zeros(14);
    WriteFont16(w, -28, 14, "E");
    w.Word(0x0102);
    // 10, 11. Progress part: head and tail.
    w.Word(0).Word(0).Word(0).Word(2).Dword(0xFF).Word(0).Word(3).Word(1).Word(6);
    w.Word(0);
    WriteFont16(w, -30, 15, "G");
    w.Dword(0xFF).Dword(7).Dword(DWORD(-9)).Dword(1).String(form.dateFormat);
    // 12, 13. Shape part: head and text.
    w.Word(0).Word(0).Word(0).Word(0).Dword(0).Word(100).Dword(0).Word(30);
    w.Word(3).Word(1).Word(6).Word(0).Word(1).Word(1);
    w.Word(0x0100);
    WriteFont16(w, -36, 0, "H");
    // 14. Period: calendar days, the margins, the elapsed-month span, the dates, rows 0..39,
    // holiday shading, date unit and step, three spare words.
    w.Word(0).Dword(form.marginBefore).Dword(form.marginAfter).Dword(0).Dword(30 * 86400);
    if (offsets != nullptr) {
        offsets->period = w.Get().size();
    }
    w.Dword(DWORD(form.start.GetTime())).Dword(DWORD(form.end.GetTime()));
    w.Word(0).Word(39).Word(2).Word(0).Word(0).Word(0).Word(0).Word(0);
    // 15. Fixed rows.
    w.Word(0).Word(0xFFFF);
    // 16. Date rows, ruled lines, reserved bytes.
    w.Word(13).Word(17).Word(0).Word(0).Word(0).Word(0);
    w.Raw("\x5A").Zeros(126).Raw("\xA5");
    // 18. Layout file name.
    w.String(form.layoutName);
    // 19. Irregular periods: two spare words, precedence, mode, two empty lists.
    w.Dword(0).Dword(0).Word(0).Word(0).Word(0).Word(0);
    // 20. Layout words.
    w.Word(0).Word(0).Word(0xFFFF).Word(0).Dword(0xFFFFFFFF).Word(0xFFFF);
    // 21. Paper font, raw.
    w.Dword(DWORD(-40)).Dword(20).Dword(0).Dword(0).Dword(400);
    w.Raw(std::string("\0\0\0\x80\x03\x02\x01\x11", 8)).Raw("I").Zeros(31);
    return w.Get();
}

} // namespace tembra::test
