#include "platform/RecordingDC.h"

#include "platform/Sjis.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace tembra {

struct CRecordingDC::Log {
    std::vector<Record> records;
    int memoryDCs = 0;
};

namespace {

int DefaultDpi(CRecordingDC::Device device) {
    return device == CRecordingDC::Device::Printer || device == CRecordingDC::Device::MonoPrinter
               ? 600
               : 96;
}

CSize DefaultSize(CRecordingDC::Device device, int dpi) {
    if (device == CRecordingDC::Device::Printer || device == CRecordingDC::Device::MonoPrinter) {
        // The printable part of an A4 sheet with a margin of 1/6 inch all round.
        return {static_cast<LONG>(std::lround(210 / 25.4 * dpi)) - dpi / 3,
                static_cast<LONG>(std::lround(297 / 25.4 * dpi)) - dpi / 3};
    }
    return {1920, 1080};
}

bool IsPrinterDevice(CRecordingDC::Device device) {
    return device == CRecordingDC::Device::Printer || device == CRecordingDC::Device::MonoPrinter;
}

DeviceDescription Describe(CRecordingDC::Device device, int dpi, CSize size) {
    using Device = CRecordingDC::Device;
    DeviceDescription d;
    d.kind = device == Device::Metafile ? DeviceKind::Metafile
             : IsPrinterDevice(device)  ? DeviceKind::Printer
                                        : DeviceKind::Screen;
    d.dpiX = d.dpiY = dpi > 0 ? dpi : DefaultDpi(device);
    d.size = size.cx > 0 && size.cy > 0 ? size : DefaultSize(device, d.dpiX);
    d.monochrome = device == Device::MonoPrinter;
    if (d.IsPrinter()) {
        // A margin of 1/6 inch all round.
        d.printableOffset = CPoint(d.dpiX / 6, d.dpiY / 6);
        d.sheet = CSize(d.size.cx + d.dpiX / 3, d.size.cy + d.dpiY / 3);
    }
    return d;
}

} // namespace

CRecordingDC::CRecordingDC(Device device, int dpi, CSize size) : m_log(std::make_shared<Log>()) {
    SetDevice(Describe(device, dpi, size));
    EnableTrace(true);
}

CRecordingDC::CRecordingDC(const CRecordingDC& parent, int index)
    : m_index(index), m_log(parent.m_log) {
    SetDevice(parent.GetDeviceDescription());
    BecomeMemoryDC();
    EnableTrace(true);
}

CRecordingDC::~CRecordingDC() = default;

std::unique_ptr<CDC> CRecordingDC::CreateCompatibleDC() {
    if (m_failMemory) {
        return nullptr;
    }
    const int index = ++m_log->memoryDCs;
    return std::unique_ptr<CDC>(new CRecordingDC(*this, index));
}

void CRecordingDC::SetUpdateRect(const CRect& deviceRect) {
    SetSystemClip(Region::FromRect(deviceRect));
}

BOOL CRecordingDC::DoBitBlt(const CRect&, CDC* source, const CPoint&, DWORD) {
    return source != nullptr;
}

void CRecordingDC::FontCell(double& height, double& width) const {
    const LOGFONT& f = CurrentFont();
    height = std::abs(static_cast<double>(f.lfHeight));
    if (height == 0.0) {
        // The default font: 12 points on the device.
        const double scale = std::abs(ScaleY());
        height = scale > 0.0 ? (GetDeviceDescription().dpiY / 6.0) / scale : 0.0;
    }
    width = f.lfWidth != 0 ? std::abs(static_cast<double>(f.lfWidth)) : height / 2.0;
}

CSize CRecordingDC::DoTextExtent(std::string_view text) const {
    double height = 0.0;
    double width = 0.0;
    FontCell(height, width);
    double cx = 0.0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Sjis::CharLength(text, i);
        cx += n == 2 ? 2.0 * width : width;
        i += n;
    }
    return {static_cast<LONG>(std::lround(cx)), static_cast<LONG>(std::lround(height))};
}

void CRecordingDC::DoTextMetrics(TEXTMETRIC& tm) const {
    double height = 0.0;
    double width = 0.0;
    FontCell(height, width);
    const LOGFONT& f = CurrentFont();
    tm.tmHeight = static_cast<LONG>(std::lround(height));
    tm.tmAscent = static_cast<LONG>(std::lround(height * 0.8));
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmAveCharWidth = static_cast<LONG>(std::lround(width));
    tm.tmMaxCharWidth = static_cast<LONG>(std::lround(2.0 * width));
    tm.tmWeight = f.lfWeight != 0 ? f.lfWeight : FW_NORMAL;
    tm.tmItalic = f.lfItalic;
    tm.tmUnderlined = f.lfUnderline;
    tm.tmStruckOut = f.lfStrikeOut;
    tm.tmCharSet = f.lfCharSet;
    const bool fixed = (f.lfPitchAndFamily & 0x03) == FIXED_PITCH;
    tm.tmPitchAndFamily = static_cast<BYTE>((f.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE |
                                            TMPF_VECTOR | (fixed ? 0 : TMPF_FIXED_PITCH));
}

void CRecordingDC::OnCall(DcOp op, const DcCallArgs& args) {
    Record r;
    r.op = op;
    r.args = args;
    r.dc = m_index;
    r.pen = CurrentPen();
    r.brush = CurrentBrush();
    r.font = CurrentFont();
    r.rop2 = GetROP2();
    r.bkMode = GetBkMode();
    r.textColor = GetTextColor();
    r.bkColor = GetBkColor();
    r.textAlign = GetTextAlign();
    r.brushOrg = GetBrushOrg();
    r.mapMode = GetMapMode();
    m_log->records.push_back(std::move(r));
}

const std::vector<CRecordingDC::Record>& CRecordingDC::Records() const {
    return m_log->records;
}

std::vector<CRecordingDC::Record> CRecordingDC::Drawings(int dc) const {
    std::vector<Record> out;
    for (const Record& r : m_log->records) {
        if (r.dc == dc && IsDrawingOp(r.op)) {
            out.push_back(r);
        }
    }
    return out;
}

std::vector<CRecordingDC::Record> CRecordingDC::Find(DcOp op, int dc) const {
    std::vector<Record> out;
    for (const Record& r : m_log->records) {
        if (r.dc == dc && r.op == op) {
            out.push_back(r);
        }
    }
    return out;
}

void CRecordingDC::Clear() {
    m_log->records.clear();
}

std::string CRecordingDC::Dump() const {
    std::ostringstream out;
    for (const Record& r : m_log->records) {
        out << (r.dc ? "[mem" + std::to_string(r.dc) + "] " : "") << DcOpName(r.op);
        for (const CPoint& p : r.args.points) {
            out << " (" << p.x << "," << p.y << ")";
        }
        if (!r.args.rect.IsRectNull()) {
            out << " [" << r.args.rect.left << "," << r.args.rect.top << "," << r.args.rect.right
                << "," << r.args.rect.bottom << "]";
        }
        for (long long v : r.args.values) {
            out << " " << v;
        }
        if (!r.args.text.empty()) {
            out << " \"" << Sjis::ToUtf8(r.args.text) << "\"";
        }
        if (IsDrawingOp(r.op)) {
            out << " pen(" << std::hex << r.pen.style << std::dec << "," << r.pen.width << ",#"
                << std::hex << r.pen.color << ") brush(" << r.brush.style << ",#" << r.brush.color
                << std::dec << "," << r.brush.hatch << ") rop " << r.rop2 << " bk " << r.bkMode;
        }
        out << "\n";
    }
    return out.str();
}

} // namespace tembra
