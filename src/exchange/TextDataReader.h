// The reader of a text data file: a comma-separated CP932 text from which a whole chart is built
// (paper, period, rows, holidays, item-area width, print-header texts, processes with their
// nodes and terms, events, the item table). The producer tag is "TEMBRA_TXT" or "KELVA_TXT";
// both read the same.
//
//   ; a comment (as is an empty line; both count as lines)
//   0,TEMBRA_TXT,1                               the header: 0, the tag, a version 0..9999
//   1,0,A3                                       paper (A4 B4 A3 A3TATE A2 A1)
//   1,1,2000/4/1,2000/6/30,0                     period, clear-holidays flag
//   1,2,40                                       rows (1..150)
//   1,3,2000/4/29,,2000/5/3                      holidays (empty fields skipped)
//   1,4,0,30                                     item-area width: 0 percent, 1 absolute
//   2,0,title  /  2,1,site name                  print-header texts
//   3,0,style,start,end,row,row,label row,type,width,fill,colour       a process
//   3,1,shape,connection,size,colour,shape,connection,size,colour      its nodes
//   3,2,face,size,text,A,align,囲み,白抜,強調,縦書き,B,colour          a term of it
//   4,0,date,row,face,size,text,align,囲み,白抜,強調,縦書き,colour      an event
//   5,0,levels,height,...                        item header levels
//   5,1,row,column,face,size,text,align,vertical,強調,colour            an item cell
//
// A line that breaks a rule is reported with its number (message 5168): Yes skips it, No stops
// the load (the user exception). Each line is checked whole before anything of the chart
// changes, except where the handlers below say otherwise.
#pragma once

#include "exchange/KouteiEndIndex.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CArchive;
class CKoutei;
class CTembraDoc;

// "KELVA CSVファイル形式でないか、ファイルが不正です。\n読み込みを中止します。"
constexpr UINT IDS_TEXT_DATA_REFUSED = 5167;
// "%1 行目の記述に誤りがあります。この行を無視し、読み込みを続行しますか？..."
constexpr UINT IDS_TEXT_DATA_BAD_LINE = 5168;

class CTextDataReader {
public:
    using Fields = std::vector<std::string>;

    // Over the load archive and its document.
    explicit CTextDataReader(CArchive& ar);
    virtual ~CTextDataReader() = default;
    CTextDataReader(const CTextDataReader&) = delete;
    CTextDataReader& operator=(const CTextDataReader&) = delete;

    // The lines up to the first that is no comment, which must be the header; message 5167 and
    // FALSE when it is not.
    BOOL ReadHeader();
    // Every remaining line; TRUE at the end of the file. Ends early only by the user exception.
    BOOL ReadBody();

    int GetLineNumber() const { return m_lineNumber; }
    int GetVersion() const { return m_version; }
    CKoutei* GetCurrentKoutei() const { return m_current; }

    // The record handlers: TRUE when the line was taken, FALSE when it is bad.
    BOOL ReadPaper(const Fields& fields);
    BOOL ReadPeriod(const Fields& fields);
    BOOL ReadRows(const Fields& fields);
    BOOL ReadHolidays(const Fields& fields);
    BOOL ReadItemWidth(const Fields& fields);
    BOOL ReadHeaderText(const Fields& fields, int subKind);
    BOOL ReadProcess(const Fields& fields);
    BOOL ReadNodes(const Fields& fields);
    BOOL ReadTerm(const Fields& fields);
    BOOL ReadEvent(const Fields& fields);
    BOOL ReadItemLevels(const Fields& fields);
    BOOL ReadItemCell(const Fields& fields);

    // ---- Field conversions ------------------------------------------------------------------
    // The fields of a line split at separator: a double quote toggles quoting and is dropped,
    // a quote opening quoting right after a quote stands for one quote.
    static Fields SplitFields(std::string_view line, char separator);
    // The field as a decimal number written exactly as "%d" writes it; -1 for anything else.
    static int ParseInt(std::string_view field);
    // The leading number of the field as the C library reads it (0 without one).
    static int PlainInt(std::string_view field);
    // "yyyy/m/d" of a valid date of the supported ones: its local date at 00:00.
    static bool ParseDate(std::string_view field, CTime& date);
    // A row number 1..lastRow as the chart's row 0..lastRow - 1.
    static bool ParseRow(std::string_view field, int lastRow, int& row);
    // "Black" ... "Yellow" without regard to case, else a number 0..0xFFFFFF.
    static bool ParseColor(std::string_view field, COLORREF& color);
    // "0" the Mincho face, "1" the Gothic face, anything else the face name itself.
    static bool ParseFontName(std::string_view field, LOGFONT& font);
    // 1..999 as the font's height -size.
    static bool ParseCharSize(std::string_view field, LOGFONT& font);

    // Asks whether to skip the line (message 5168 with the line number and the line); No
    // throws the user exception.
    void ReportLineError(const std::string& line);

private:
    // One record line, trimmed; FALSE when it is bad.
    BOOL ReadRecord(const std::string& line);
    // The date thinning anew after the period or the item width changed.
    void RecalcDateLabels();

    int m_lineNumber = 0;
    int m_version = 0;
    CArchive& m_archive;
    CTembraDoc* m_document = nullptr;
    CKoutei* m_current = nullptr;
    // Where the processes read so far start and end: of several, the last read.
    CKouteiEndIndex m_ends{CKouteiEndIndex::Keep::Last};
};

} // namespace tembra
