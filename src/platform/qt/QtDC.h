// The device context over QPainter: a window's back-buffer image, a printer, a PDF, an SVG
// generator or a picture (the metafile). It converts every coordinate to device pixels itself,
// with GDI's rounding, so that lines, fills and text land on the pixels a GDI device context
// would use: rectangles leave out their right and bottom device edges, and shape outlines run
// along the pixels GDI's do.
//
// The work is shared out: QtPenBrushMaker makes the pens and brushes, QtTextDrawer draws and
// measures text, QtRasterOps decides how a raster operation combines on this device.
#pragma once

#include "platform/DC.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class QImage;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;

namespace tembra {

// How a CQtDC is made; what is left 0 or empty comes from the paint device.
struct QtDCOptions {
    DeviceKind device = DeviceKind::Screen;
    bool monochrome = false; // a black-and-white printer
    int dpiX = 0;            // 0: the paint device's own
    int dpiY = 0;
    QSize size;            // device pixels; empty: the paint device's size
    QPoint physicalOffset; // printers: the printable area's corner on the sheet
    QSize physicalSize;    // printers: the whole sheet in device pixels
    QRect updateRect;      // a window's part to repaint (device); null: everything
};

class CQtDC : public CDC {
public:
    using Device = DeviceKind;
    using Options = QtDCOptions;

    // The options of a print job on a printer (grayscale makes a monochrome device) or on any
    // paged device such as a PDF writer.
    static Options ForPrinter(const QPrinter& printer);
    static Options ForPagedDevice(const QPagedPaintDevice& device, Device kind = Device::Printer);
    // A device context of the screen for measuring (a small image with the screen's
    // resolution and size).
    static std::unique_ptr<CQtDC> ForScreen();

    // Paints on the device with a painter of its own, begun here and ended when destroyed.
    explicit CQtDC(QPaintDevice* device, const Options& options = {});
    // Paints through an active painter (its state is saved and restored).
    explicit CQtDC(QPainter* painter, const Options& options = {});
    ~CQtDC() override;

    // The painter, with everything drawn so far on it.
    QPainter* Painter() const;
    // Draws what waits to be drawn: a printer's lines, level texts and plain fills wait for
    // the next drawing of another kind. Called before the page is turned.
    void Flush() const;
    // The image drawn into: the selected bitmap of a memory device context, or the paint
    // device when it is an image; nullptr otherwise.
    const QImage* Image() const;

    std::unique_ptr<CDC> CreateCompatibleDC() override;

protected:
    void DoLine(const CPoint& from, const CPoint& to) override;
    void DoPolyline(const CPoint* points, int count) override;
    void DoPolygon(const CPoint* points, int count) override;
    void DoRectangle(const CRect& rect) override;
    void DoEllipse(const CRect& rect) override;
    void DoArc(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) override;
    void DoRoundRect(const CRect& rect, const CPoint& corner) override;
    void DoFillRect(const CRect& rect, const BrushData& brush) override;
    void DoFrameRect(const CRect& rect, const BrushData& brush) override;
    void DoPatBlt(const CRect& rect, DWORD rop) override;
    BOOL DoBitBlt(const CRect& rect, CDC* source, const CPoint& sourcePoint, DWORD rop) override;
    void DoTextOut(const CPoint& point, UINT options, const CRect* rect, std::string_view text,
                   const int* widths) override;
    CSize DoTextExtent(std::string_view text) const override;
    void DoTextMetrics(TEXTMETRIC& metrics) const override;
    void OnBitmapSelected() override;

private:
    struct Impl;
    // A memory device context compatible with the device described.
    explicit CQtDC(const DeviceDescription& parent);
    void Init();
    // Starts painting: the painter in force, or begins one on the selected bitmap.
    void BeginPainter(QPainter* painter);

    std::unique_ptr<Impl> d;
};

// Maps the Windows face names ("ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック" and
// "MS Mincho", "MS Gothic", "MS PMincho", "MS PGothic") to the IPA fonts. Runs once; needs the
// application object.
void InstallFontSubstitutions();
// Makes CreateScreenDC hand out CQtDC::ForScreen (after the application object exists).
void InstallQtScreenDC();

} // namespace tembra
