// What a device context draws on, described once: the backends fill it in and the device
// context answers GetDeviceCaps, Escape and the clip of its surface from it.
#pragma once

#include "platform/Types.h"

namespace tembra {

// A memory device context draws into a bitmap; a metafile records and has no surface.
enum class DeviceKind { Screen, Printer, Metafile, Memory };

struct DeviceDescription {
    DeviceKind kind = DeviceKind::Screen;
    // The drawing surface in device pixels (on a printer the printable area).
    CSize size{1, 1};
    // Device pixels per inch.
    int dpiX = 96;
    int dpiY = 96;
    // A black-and-white device: one bit per pixel, two colours.
    bool monochrome = false;
    // Printers: the printable area's corner on the sheet, and the whole sheet (empty: the
    // printable area is the sheet), in device pixels.
    CPoint printableOffset;
    CSize sheet;

    bool IsPrinter() const { return kind == DeviceKind::Printer; }
    // A memory device context compatible with this device: its resolution, size and colours.
    DeviceDescription Memory() const {
        DeviceDescription d;
        d.kind = DeviceKind::Memory;
        d.size = size;
        d.dpiX = dpiX;
        d.dpiY = dpiY;
        d.monochrome = monochrome;
        return d;
    }
    bool operator==(const DeviceDescription&) const = default;
};

} // namespace tembra
