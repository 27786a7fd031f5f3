// The converter between a schedule document and a document of the earlier DOS version (the
// ".phd" header file and the ".pdt" data file of DosFormat.h). One object serves one import or
// one export: it holds both header blocks in memory, the data record being converted and, for an
// export, the counts the header file reports.
//
// Import (DosToWin.cpp, DosZukei.cpp): ReadHeader on the header file's archive, then DosToWin on
// the data file's archive, whose document receives the layers, settings, print header, resource
// names and the records the selection word asks for. Every record is created through the
// document's own creation operations, so it takes the document's defaults before the file's
// values. Records with an impossible date, a date outside the supported ones or a row below 1 are
// left out; a data file that ends inside a record keeps what was read before it. Either is told in
// one message at the end.
//
// Export (WinToDos.cpp, DosZukei.cpp): WinToDosData on the data file's archive, then WinToDos on
// the header file's. An elapsed-day chart outside what the DOS version can hold is refused with
// message 5069 (months) or 5054 (days) and the user exception before any record is written.
#pragma once

#include "exchange/DosFormat.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tembra {

class CArchive;
class CKoutei;
class CTembraDoc;
class CZukei;

// "%1このバージョンは未対応です\n一旦最新のDOS版KELVAで保存し直してください"
constexpr UINT IDS_DOS_VERSION = 5005;
// The limits of an elapsed-day chart in months and in days.
constexpr UINT IDS_DOS_NOBE_MONTHS = 5069;
constexpr UINT IDS_DOS_NOBE_DAYS = 5054;

class CDosConvert {
public:
    // The selection bits of the import: which parts of the DOS document to take.
    enum : DWORD {
        kSelectCalendar = 0x0001,
        kSelectSettings = 0x0002,
        kSelectHeader = 0x0004,
        kSelectItems = 0x0008,
        kSelectProcesses = 0x0010,
        kSelectObjects = 0x0020,
        kSelectProgress = 0x0040,
        kSelectEvents = 0x0080,
        kSelectShapes = 0x0100,
        kSelectLayers = 0x0200,
        kSelectWhole = 0xFFFF,
    };

    // Both blocks zero, no record, every count 0.
    CDosConvert();
    CDosConvert(const CDosConvert&) = delete;
    CDosConvert& operator=(const CDosConvert&) = delete;
    ~CDosConvert() = default;

    // The selection word (kSelectWhole: the whole document, as an open takes it).
    DWORD m_nSelect = 0;
    // The header's chart mode (0 calendar dates, any other value elapsed days), set by
    // ReadHeader and by the export's settings part.
    LONG m_nChartMode = 0;

    // ---- Header --------------------------------------------------------------------------------
    // Block 1 (2595 bytes), the version check, then block 2: 7409 bytes from version 4100, the
    // 5605 bytes of the older layout before, converted. FALSE on a short read (no message) or an
    // unsupported version (message 5005).
    BOOL ReadHeader(CArchive& ar);
    // TRUE from version 2102; else message 5005 with "[v2.101]" for 2101, and FALSE.
    BOOL CheckVersion() const;
    int GetVersion() const { return m_block1.Word(Dos::B1::kVersion); }
    Dos::Bytes& GetBlock1() { return m_block1; }
    const Dos::Bytes& GetBlock1() const { return m_block1; }
    Dos::Bytes& GetBlock2() { return m_block2; }
    const Dos::Bytes& GetBlock2() const { return m_block2; }

    // ---- Tables ---------------------------------------------------------------------------------
    // The DOS colour table: 0 white, 1 and 9 blue, 2 and 10 red, 3 and 11 magenta, 4 green, 5, 8
    // and 13 cyan, 6 and 14 yellow, 7 black, 12 and 15 grey; any other index black.
    static COLORREF DosColorToRgb(int index);
    // The nearest index: white 0, blue 1, red 2, magenta 3, green 4, cyan 5, yellow 6, grey 12;
    // black and any other colour 7.
    static int RgbToDosColor(COLORREF color);
    // DOS paper 0, 1 stay; 2, 3 give 2 (A3; with orientation 1, paper 3 upright); 4, 5 give 4;
    // 6, 7 give 5. Orientation 0 but for the upright A3.
    static void DosPaperToWin(int& paper, int& orientation);
    // Paper 0 to 2 and 4 stay, 3 gives 2 with orientation 1, 5 gives 6, any other 1.
    static void WinPaperToDos(int& paper, int& orientation);
    // The local date and time of the six words (year, month, day, hour, minute, second).
    static CTime DosTimeToCTime(const Dos::DateWords& words);
    // The six words of a local date and time.
    static Dos::DateWords SplitTime(std::int64_t time);
    static Dos::DateWords TimeToDos(const CTime& time) { return SplitTime(time.GetTime()); }
    // The day count of an elapsed-day date: unit 0 counts months of 30 days and days, any other
    // unit days only; a word of 0 or below stands as it is, a larger one counts from 1.
    static std::int64_t DosDays(const Dos::DateWords& words, int unit);
    // The words of a day count, the inverse of DosDays; floorMonths splits a negative count into
    // whole months below it (as shapes are written), else toward zero (as processes are).
    static Dos::DateWords NobeDaysToDos(std::int64_t days, int unit, bool floorMonths);

    // The date of a record's field by the header's chart mode: calendar dates as they stand,
    // elapsed days counted from base. Nothing for an impossible date or one outside the supported
    // dates.
    std::optional<CTime> DecodeDate(const Dos::DateWords& words, const CTime& base) const;

    // ---- Import -------------------------------------------------------------------------------
    // Converts into the archive's document (the header read first): layers always, the settings
    // and the print header when selected, the resource names, then the selected records. FALSE
    // for an unsupported version or when a record's buffer could not be made.
    BOOL DosToWin(CArchive& ar);
    void ConvertLayers(CTembraDoc& document);
    void ConvertSettings(CTembraDoc& document);
    void ConvertPrintHeader(CTembraDoc& document);
    void ConvertShigenNames(CTembraDoc& document);
    // The data file's records, until its end record, its end or a record that breaks off.
    BOOL ConvertRecords(CTembraDoc& document, CArchive& ar);
    void ConvertKoutei(CTembraDoc& document);
    void ConvertYogo(CTembraDoc& document);
    void ConvertShigen(CTembraDoc& document);
    void ConvertKoumoku(CTembraDoc& document);
    void ConvertEvent(CTembraDoc& document);
    void ConvertShincyoku(CTembraDoc& document);
    void ConvertZukei(CTembraDoc& document);
    void ConvertZukeiGroup(CTembraDoc& document);
    // What the import left out (records and points) and whether the data file broke off.
    int GetSkippedCount() const { return m_skipped; }
    bool IsCut() const { return m_cut; }
    // The record being converted (tests and the converters).
    void SetRecord(Dos::Bytes record) { m_record = std::move(record); }

    // ---- Export -------------------------------------------------------------------------------
    // The settings part of block 2, then every record of the archive's document. TRUE.
    BOOL WinToDosData(CArchive& ar);
    // Block 1, then block 2 completed. TRUE.
    BOOL WinToDos(CArchive& ar);
    // The chart settings of block 2; a chart beyond the DOS limits: message and user exception.
    void WinSettingsToDos(CTembraDoc& document);
    // The project texts of block 2 from the print header.
    void WinProjectToDos(CTembraDoc& document);
    void WinHeaderToDos(CTembraDoc& document);
    void WinRecordsToDos(CTembraDoc& document, CArchive& ar);
    // The shapes of the document's shape list, in drawing order.
    void WriteZukei(CTembraDoc& document, CArchive& ar);

    DWORD GetDataBytes() const { return m_dataBytes; }
    DWORD GetKouteiCount() const { return m_kouteiCount; }
    DWORD GetEventCount() const { return m_eventCount; }
    DWORD GetKoumokuCount() const { return m_koumokuCount; }
    DWORD GetShincyokuCount() const { return m_shincyokuCount; }
    DWORD GetZukeiCount() const { return m_zukeiCount; }

private:
    // Import helpers.
    void ConvertOldBlock2(const Dos::Bytes& old);
    bool IsSelected(BYTE kind) const;
    WORD RecordLayer() const;
    // A date, for the DOS date of a shape point with its time of day.
    std::optional<CTime> DecodePointDate(std::size_t dateAt, std::size_t timeAt,
                                         const CTime& base) const;
    std::unique_ptr<CZukei> MakeZukei(CTembraDoc& document, WORD dosKind, const Dos::Bytes& at,
                                      std::size_t colorAt, std::size_t typeAt, std::size_t widthAt,
                                      std::size_t fillAt) const;
    // Export helpers.
    Dos::DateWords EncodeDate(const CTime& date, bool floorMonths) const;
    void WriteRecord(CArchive& ar, const Dos::Bytes& record);
    void WriteKoutei(CTembraDoc& document, CArchive& ar, const CKoutei& process);
    void WriteZukeiPoint(Dos::Bytes& record, std::size_t dateAt, std::size_t rowAt,
                         std::size_t timeAt, std::size_t fractionAt, const CTime& date,
                         double row) const;

    Dos::Bytes m_block1;
    Dos::Bytes m_block2;
    // The data record being converted.
    Dos::Bytes m_record;
    // The process that terms and resources of the data file attach to.
    CKoutei* m_current = nullptr;
    // The elapsed-day base of the dates, the unit of elapsed days and the scale factors.
    CTime m_nobeBase;
    int m_nobeUnit = 0;
    int m_skipped = 0;
    bool m_cut = false;

    DWORD m_dataBytes = 0;
    DWORD m_kouteiCount = 0;
    DWORD m_eventCount = 0;
    DWORD m_koumokuCount = 0;
    DWORD m_shincyokuCount = 0;
    DWORD m_zukeiCount = 0;
};

} // namespace tembra
