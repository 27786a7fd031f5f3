// A device context that draws nothing and logs every call with its logical coordinates and the
// pen, brush, font, ROP2 and background mode in force, so that a test can assert what a painter
// drew without looking at pixels. It keeps the full state of a device context (mapping, clip,
// selected objects, saved states) and acts as a screen, a colour or monochrome printer, or a
// metafile. Text is measured by estimate: a single-byte character is as wide as the font's
// width (half its height when the width is 0), a double-byte character twice as wide, and a
// line as tall as the font's height.
#pragma once

#include "platform/DC.h"

#include <memory>
#include <string>
#include <vector>

namespace tembra {

class CRecordingDC : public CDC {
public:
    enum class Device { Screen, Printer, MonoPrinter, Metafile };

    struct Record {
        DcOp op = DcOp::MoveTo;
        DcCallArgs args;
        int dc = 0; // 0 for this device context, n for the n-th memory one made from it
        // The state when the call was made.
        PenData pen;
        BrushData brush;
        LOGFONT font;
        int rop2 = R2_COPYPEN;
        int bkMode = OPAQUE;
        COLORREF textColor = 0;
        COLORREF bkColor = 0;
        UINT textAlign = 0;
        CPoint brushOrg;
        int mapMode = MM_TEXT;
    };

    // dpi 0 takes the device's usual resolution (96 for a screen or metafile, 600 for a
    // printer); an empty size the usual surface (1920 x 1080 pixels, A4 for a printer).
    explicit CRecordingDC(Device device = Device::Screen, int dpi = 0, CSize size = {});
    ~CRecordingDC() override;

    std::unique_ptr<CDC> CreateCompatibleDC() override;

    // Limits drawing to a window's update rectangle (device units), as a paint does.
    void SetUpdateRect(const CRect& deviceRect);
    // While set, CreateCompatibleDC fails (answers nullptr), as when memory runs out.
    void FailMemoryDC(bool fail) { m_failMemory = fail; }

    const std::vector<Record>& Records() const;
    // The calls that drew something, of one device context (0: this one).
    std::vector<Record> Drawings(int dc = 0) const;
    std::vector<Record> Find(DcOp op, int dc = 0) const;
    void Clear();
    // One line per call, for failure messages.
    std::string Dump() const;

protected:
    void DoLine(const CPoint&, const CPoint&) override {}
    void DoPolyline(const CPoint*, int) override {}
    void DoPolygon(const CPoint*, int) override {}
    void DoRectangle(const CRect&) override {}
    void DoEllipse(const CRect&) override {}
    void DoArc(ArcKind, const CRect&, const CPoint&, const CPoint&) override {}
    void DoRoundRect(const CRect&, const CPoint&) override {}
    void DoFillRect(const CRect&, const BrushData&) override {}
    void DoFrameRect(const CRect&, const BrushData&) override {}
    void DoPatBlt(const CRect&, DWORD) override {}
    BOOL DoBitBlt(const CRect&, CDC* source, const CPoint&, DWORD) override;
    void DoTextOut(const CPoint&, UINT, const CRect*, std::string_view, const int*) override {}
    CSize DoTextExtent(std::string_view text) const override;
    void DoTextMetrics(TEXTMETRIC& metrics) const override;
    void OnCall(DcOp op, const DcCallArgs& args) override;

private:
    struct Log;
    CRecordingDC(const CRecordingDC& parent, int index);
    // Height and single-byte width of the selected font in logical units.
    void FontCell(double& height, double& width) const;

    int m_index = 0;
    bool m_failMemory = false;
    std::shared_ptr<Log> m_log;
};

} // namespace tembra
