// The device context: everything the painters of the chart draw through. It keeps the state a
// GDI device context keeps (mapping mode, origins and extents, the selected pen, brush, font
// and bitmap, colours and modes, text alignment, brush origin, current position, clip region,
// the stack of saved states) and converts between logical and device units. What it draws is
// left to a backend: CQtDC (platform/qt) paints with QPainter on a window's back buffer, a
// printer, a PDF, an SVG or a picture; CRecordingDC logs every call for the tests. A backend
// describes its device once (DeviceDescription); the device context answers the device's
// capabilities from that description. The drawing options of the job (DrawOptions) travel with
// the device context, so that a print preview and a window each draw by their own.
//
// Coordinates passed in are logical units of the current mapping; device units are pixels with
// y growing downwards. Selecting an object copies its value into the device context and returns
// the object selected before (a stock object at first), so the usual
//   CPen* old = dc->SelectObject(&pen); ... dc->SelectObject(old);
// restores the previous state. Text is CP932 bytes.
#pragma once

#include "platform/DeviceDescription.h"
#include "platform/DrawOptions.h"
#include "platform/GdiObjects.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// What a call did, as the recording device context logs it.
enum class DcOp {
    SetMapMode,
    SetWindowOrg,
    SetViewportOrg,
    SetWindowExt,
    SetViewportExt,
    SelectPen,
    SelectBrush,
    SelectFont,
    SelectBitmap,
    SetTextColor,
    SetBkColor,
    SetBkMode,
    SetROP2,
    SetTextAlign,
    SetPolyFillMode,
    SetArcDirection,
    SetBrushOrg,
    SaveDC,
    RestoreDC,
    SelectClipRgn,
    IntersectClipRect,
    ExcludeClipRect,
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Rectangle,
    Ellipse,
    Arc,
    Pie,
    Chord,
    RoundRect,
    FillRect,
    FrameRect,
    InvertRect,
    PatBlt,
    BitBlt,
    TextOut,
};
const char* DcOpName(DcOp op);
// True for the calls that put something on the device.
bool IsDrawingOp(DcOp op);

// The arguments of one call in logical units: points, a rectangle, text and plain values
// (colours, modes, codes), as the call received them.
struct DcCallArgs {
    std::vector<CPoint> points;
    CRect rect;
    std::string text;
    std::vector<long long> values;
    const class CDC* source = nullptr; // BitBlt
};

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // ---- The device ------------------------------------------------------------------------
    // A printer (or print preview, or PDF written as a print job).
    bool IsPrinting() const { return m_device.kind == DeviceKind::Printer; }
    // A metafile's device context: it has no surface of its own, so its clip box is empty.
    bool IsMetafile() const { return m_device.kind == DeviceKind::Metafile; }
    const DeviceDescription& GetDeviceDescription() const { return m_device; }
    // TECHNOLOGY, the resolutions and sizes, colours, raster capabilities and, on a printer,
    // the sheet and the printable area's offset; 0 for anything else.
    int GetDeviceCaps(int index) const;
    // The colour the device shows for a colour: black or white on a monochrome device, the
    // colour itself on a true-colour device.
    virtual COLORREF GetNearestColor(COLORREF color) const;
    // GETPRINTINGOFFSET fills a CPoint with the printable area's offset (device units) on a
    // printer; QUERYESCSUPPORT answers whether an escape (an int in) is supported.
    int Escape(int escape, int inSize, const void* in, void* out) const;
    // A memory device context with the same resolution, drawing into the CBitmap selected
    // into it; nullptr when the backend cannot make one.
    virtual std::unique_ptr<CDC> CreateCompatibleDC() = 0;

    // ---- Drawing options of the job ----------------------------------------------------------
    // Not part of the saved states: they hold for everything drawn on this device context.
    const DrawOptions& GetDrawOptions() const { return m_options; }
    void SetDrawOptions(const DrawOptions& options) { m_options = options; }

    // ---- Mapping ---------------------------------------------------------------------------
    int SetMapMode(int mode);
    int GetMapMode() const { return m_state.mapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(const CPoint& p) { return SetWindowOrg(p.x, p.y); }
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint GetWindowOrg() const { return m_state.windowOrg; }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(const CPoint& p) { return SetViewportOrg(p.x, p.y); }
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const { return m_state.viewportOrg; }
    // Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC (a zero extent is refused); they
    // return the previous extent. MM_ISOTROPIC then shrinks the viewport extent so that a unit
    // has the same size on both axes.
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(const CSize& s) { return SetWindowExt(s.cx, s.cy); }
    CSize GetWindowExt() const { return m_state.windowExt; }
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(const CSize& s) { return SetViewportExt(s.cx, s.cy); }
    CSize GetViewportExt() const { return m_state.viewportExt; }
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);

    // Conversions, rounded to the nearest unit. Rectangles convert corner by corner (they are
    // not normalised); sizes keep their sign and scale by the absolute extents.
    void LPtoDP(CPoint* points, int count = 1) const;
    void LPtoDP(CRect* rect) const;
    void LPtoDP(CSize* size) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;
    void DPtoLP(CSize* size) const;
    // Device units per logical unit (signed: negative on an axis that the mapping turns).
    double ScaleX() const;
    double ScaleY() const;

    // ---- Objects ---------------------------------------------------------------------------
    // Each returns the object selected before, or nullptr (nothing changes) for a null object
    // or one that holds no value.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap); // memory device contexts only
    int SelectObject(CRgn* region);         // as SelectClipRgn
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const { return m_state.penObject; }
    CBrush* GetCurrentBrush() const { return m_state.brushObject; }
    CFont* GetCurrentFont() const { return m_state.fontObject; }
    CBitmap* GetCurrentBitmap() const { return m_state.bitmapObject; }
    // The values in force.
    const PenData& CurrentPen() const { return m_state.pen; }
    const BrushData& CurrentBrush() const { return m_state.brush; }
    const LOGFONT& CurrentFont() const { return m_state.font; }

    // ---- Attributes ------------------------------------------------------------------------
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_state.textColor; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_state.bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_state.bkMode; }
    int SetROP2(int rop);
    int GetROP2() const { return m_state.rop2; }
    UINT SetTextAlign(UINT align);
    UINT GetTextAlign() const { return m_state.textAlign; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return m_state.polyFillMode; }
    int SetArcDirection(int direction);
    int GetArcDirection() const { return m_state.arcDirection; }
    // Device units: where the 8 x 8 cell of hatch and pattern brushes starts.
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(const CPoint& p) { return SetBrushOrg(p.x, p.y); }
    CPoint GetBrushOrg() const { return m_state.brushOrg; }

    // ---- Saved states ----------------------------------------------------------------------
    // Returns the number of the saved state (1 for the first).
    int SaveDC();
    // A positive number restores that state and drops the ones saved after it; a negative
    // number counts back from the last (-1 the last). FALSE when there is no such state.
    BOOL RestoreDC(int saved);

    // ---- Clipping (the results are NULLREGION, SIMPLEREGION, COMPLEXREGION or RGN_ERROR) ------
    // The region is in device units; nullptr removes the clip region.
    int SelectClipRgn(const CRgn* region);
    int SelectClipRgn(const CRgn* region, int mode);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const CRect* rect);
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(const CRect* rect);
    // The bounding box of what can be drawn, in logical units (converted corner by corner, so
    // top > bottom under a y-up mapping). A metafile reports an empty box (NULLREGION).
    int GetClipBox(CRect* rect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(const CRect* rect) const;
    // The clip in force in device units (surface, window update region and clip region), or
    // nothing on a metafile without a clip region.
    std::optional<Region> EffectiveClip() const;

    // ---- Lines and shapes (the pen draws, the brush fills, the ROP2 combines) ------------------
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(const CPoint& p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(const CPoint& p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_state.currentPosition; }
    BOOL Polyline(const CPoint* points, int count);
    BOOL Polygon(const CPoint* points, int count);
    // The right and bottom device edges are outside the shape, as in GDI.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const CRect* rect);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const CRect* rect);
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
    BOOL RoundRect(const CRect* rect, const CPoint& corner);
    // Arcs of the ellipse in the rectangle, from the ray to start to the ray to end, in the arc
    // direction (counter-clockwise as seen on the device unless AD_CLOCKWISE is set).
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(const CRect* rect, const CPoint& start, const CPoint& end);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(const CRect* rect, const CPoint& start, const CPoint& end);
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(const CRect* rect, const CPoint& start, const CPoint& end);

    // ---- Blocks (no pen; the ROP2 does not apply) --------------------------------------------
    void FillRect(const CRect* rect, const CBrush* brush);
    // A border one logical unit wide (at least one pixel) in the brush.
    void FrameRect(const CRect* rect, const CBrush* brush);
    void InvertRect(const CRect* rect);
    // Sets the background colour and fills with it, as the framework's helper does.
    void FillSolidRect(const CRect* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // PATCOPY, PATINVERT, DSTINVERT, BLACKNESS or WHITENESS over (x, y)..(x + w, y + h).
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    // Copies the source's pixels at (xSrc, ySrc) onto (x, y)..(x + w, y + h) with a ROP3.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);

    // ---- Text ------------------------------------------------------------------------------
    BOOL TextOut(int x, int y, std::string_view textCp932);
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view textCp932,
                    const int* widths = nullptr);
    // Width along the base line and cell height of the text in the selected font, logical.
    CSize GetTextExtent(std::string_view textCp932) const;
    CSize GetOutputTextExtent(std::string_view textCp932) const { return GetTextExtent(textCp932); }
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

protected:
    enum class ArcKind { Arc, Pie, Chord };

    // Backends: the drawing itself, in logical units with the state in force.
    virtual void DoLine(const CPoint& from, const CPoint& to) = 0;
    virtual void DoPolyline(const CPoint* points, int count) = 0;
    virtual void DoPolygon(const CPoint* points, int count) = 0;
    virtual void DoRectangle(const CRect& rect) = 0;
    virtual void DoEllipse(const CRect& rect) = 0;
    virtual void DoArc(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) = 0;
    virtual void DoRoundRect(const CRect& rect, const CPoint& corner) = 0;
    virtual void DoFillRect(const CRect& rect, const BrushData& brush) = 0;
    virtual void DoFrameRect(const CRect& rect, const BrushData& brush) = 0;
    virtual void DoPatBlt(const CRect& rect, DWORD rop) = 0;
    virtual BOOL DoBitBlt(const CRect& rect, CDC* source, const CPoint& sourcePoint, DWORD rop) = 0;
    virtual void DoTextOut(const CPoint& point, UINT options, const CRect* rect,
                           std::string_view text, const int* widths) = 0;
    virtual CSize DoTextExtent(std::string_view text) const = 0;
    virtual void DoTextMetrics(TEXTMETRIC& metrics) const = 0;
    // A bitmap was selected into a memory device context.
    virtual void OnBitmapSelected() {}
    // Every call, when tracing is on (the recording device context).
    virtual void OnCall(DcOp, const DcCallArgs&) {}

    // Set by backends.
    void SetDevice(const DeviceDescription& device) {
        m_device = device;
        ++m_clipSerial;
    }
    void EnableTrace(bool on) { m_trace = on; }
    // A memory device context: it draws into the bitmap selected into it (1 x 1 at first), on
    // a device described by the description's Memory().
    void BecomeMemoryDC();
    // The part of the surface a window repaints (device units); nothing for the whole surface.
    void SetSystemClip(std::optional<Region> clip);
    // Size of the drawing surface in device units (HORZRES x VERTRES unless overridden).
    virtual CSize SurfaceSize() const;
    // Increases whenever the clip in force may have changed.
    unsigned ClipSerial() const { return m_clipSerial; }
    const std::shared_ptr<BitmapPixels>& SelectedBitmap() const { return m_state.bitmap; }

private:
    struct State {
        int mapMode = MM_TEXT;
        CPoint windowOrg;
        CPoint viewportOrg;
        CSize windowExt{1, 1};
        CSize viewportExt{1, 1};
        CPen* penObject = nullptr;
        PenData pen;
        CBrush* brushObject = nullptr;
        BrushData brush;
        CFont* fontObject = nullptr;
        LOGFONT font;
        CBitmap* bitmapObject = nullptr;
        std::shared_ptr<BitmapPixels> bitmap;
        COLORREF textColor = RGB(0, 0, 0);
        COLORREF bkColor = RGB(255, 255, 255);
        int bkMode = OPAQUE;
        int rop2 = R2_COPYPEN;
        UINT textAlign = TA_TOP | TA_LEFT;
        int polyFillMode = ALTERNATE;
        int arcDirection = AD_COUNTERCLOCKWISE;
        CPoint brushOrg;
        CPoint currentPosition;
        std::optional<Region> clip; // device units; nothing = no clip region
    };

    void FixedExtents(int mode, CSize& window, CSize& viewport) const;
    void AdjustIsotropic();
    CRect ToDeviceRect(const CRect& logical) const;
    Region SurfaceRegion() const;
    int ClipResult() const;
    int SetClip(std::optional<Region> clip);
    // The arguments are put together only while tracing.
    template <class MakeArgs> void Trace(DcOp op, MakeArgs&& make) {
        if (m_trace) {
            OnCall(op, make());
        }
    }
    BOOL ArcCall(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end);

    State m_state;
    std::vector<State> m_saved;
    std::optional<Region> m_systemClip;
    DeviceDescription m_device;
    DrawOptions m_options;
    bool m_trace = false;
    unsigned m_clipSerial = 1;
    mutable unsigned m_effectiveSerial = 0;
    mutable std::optional<Region> m_effective;
};

// GDI's MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// A device context of the screen (for measuring text and converting units outside a paint),
// made by the factory the application installs (the Qt shell's hands out a real screen device
// context; a test installs what it measures with). Without a factory there is no screen to ask:
// CreateScreenDC throws std::logic_error rather than answer for a screen that is not there.
using ScreenDCFactory = std::function<std::unique_ptr<CDC>()>;
std::unique_ptr<CDC> CreateScreenDC();
// Installs a factory (an empty one removes it); returns the previous one.
ScreenDCFactory SetScreenDCFactory(ScreenDCFactory factory);

} // namespace tembra
