// A chart driven by another program: the 26 members of the automation interface, named as
// clients call them, over one document. Arguments are strings or not (AutoArg); a member reads a
// non-string like an empty or missing value and never fails on it. Members show no window of
// their own; what they need of the program comes through the host, the settings changes through
// ISettingsChanges.
#pragma once

#include "automation/AutomationArgs.h"
#include "document/ObList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CDataHeader;
class CTembraDoc;
class IAutomationHost;
class ISettingsChanges;

class CTembraDocAutomation {
public:
    CTembraDocAutomation(CTembraDoc& doc, IAutomationHost& host, ISettingsChanges& settings);

    CTembraDoc& GetDocument() const { return m_doc; }

    // ---- Properties ------------------------------------------------------------------------
    long GetMaeYohaku() const;
    void SetMaeYohaku(long days);
    long GetAtoYohaku() const;
    void SetAtoYohaku(long days);
    short GetInsertLine() const;
    // Stores the row and moves the settings' insert row to row - 2 when that is higher (none:
    // row - 2); row 1 takes the insert row away for the rest of the program's run.
    void SetInsertLine(short row);

    // ---- File and program ------------------------------------------------------------------
    AutoResult FileSaveAs(const AutoArg& path, const AutoArg& version, const AutoArg& overwrite);
    AutoResult FileOpen(const AutoArg& path);
    AutoResult AppInit();
    AutoResult AppClose();
    AutoResult DocClose(const AutoArg& option);

    // ---- Print header ----------------------------------------------------------------------
    AutoResult HeaderItemSet(const AutoArg& name, const AutoArg& value);
    AutoResult HeaderItemGet(const AutoArg& name);

    // ---- Reading the chart -----------------------------------------------------------------
    AutoResult GetFirstKoutei();
    AutoResult GetNextKoutei();
    AutoResult GetFirstEvent();
    AutoResult GetNextEvent();
    AutoResult GetKouteiCount();
    AutoResult GetEventCount();

    // ---- Taking in data --------------------------------------------------------------------
    AutoResult TakeInData(const AutoArg& start, const AutoArg& end, const AutoArg& text,
                          const AutoArg& link);
    AutoResult AdjustTakeInData();
    AutoResult RegularizeData();
    // Deletes every record still taken in.
    void FreeTakeIn();

    // ---- Item table and rows ---------------------------------------------------------------
    AutoResult AddKoumokuData(const AutoArg& row, const AutoArg& column, const AutoArg& text);
    AutoResult ModifyKeisenType(const AutoArg& row, const AutoArg& column, const AutoArg& what,
                                const AutoArg& value);
    AutoResult ClearLine(const AutoArg& first, const AutoArg& last);

    // ---- Settings --------------------------------------------------------------------------
    AutoResult PaperChange(const AutoArg& paper);
    AutoResult KikanChange(const AutoArg& start, const AutoArg& end);
    AutoResult LineChange(const AutoArg& rows);
    AutoResult ChangeNobeToReki(const AutoArg& day, const AutoArg& date, const AutoArg& holidays,
                                const AutoArg& coefficients, const AutoArg& rounding);

    // ---- By name ---------------------------------------------------------------------------
    // Runs the method of that name with the arguments (missing ones are not strings). False for
    // a name that is no method of the interface.
    bool Invoke(std::string_view name, const std::vector<AutoArg>& args, AutoResult& result);

private:
    // A walk cursor over the object list, kept safe while the list changes under it.
    struct Cursor {
        POSITION* pos;
        std::uint64_t stamp = 0;
    };
    AutoResult WalkFirst(Cursor& cursor, int type);
    AutoResult WalkNext(Cursor& cursor, int type);
    AutoResult WalkFrom(Cursor& cursor, POSITION from, int type);
    // A text of the record for a client: a process or an event.
    std::string FormatRecord(const CDataHeader& record) const;

    CTembraDoc& m_doc;
    IAutomationHost& m_host;
    ISettingsChanges& m_settings;
    Cursor m_kouteiCursor;
    Cursor m_eventCursor;
};

} // namespace tembra
