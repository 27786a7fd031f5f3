// The native document file (*.tbr): one object stream that the document's Serialize writes and
// reads (DocSerialize.cpp). Little-endian throughout; lists and arrays are a count and object
// references (Archive.h).
//
//   #   present when             content
//   1   always                   header text, CP932, ended by a zero byte, at most 255 bytes
//                                with the zero: "☆TEMBRA(TB+) Ver.%02d.%02d.%02d:%s:%s" with
//                                the version's parts, "暦" or "延" and the chart title (up to
//                                a zero byte of its own)
//   2   header text does not     int32 version (major x 10000 + minor x 100 + patch)
//       begin with the beta
//       mark "TEMBRA ver1.0β:"
//   3   v >= 52000               int32 reserved, written as 4
//   4   v >= 22000               the process counter (its fields)
//   5   always                   the working calendar (its fields)
//   6   always                   the settings record (its fields)
//   7   v >= 58000               uint16 sheet row count
//   8   always                   the print header (its fields)
//   9   v >= 41000               uint16 current layer, then the 16 layers (array)
//   10  always                   the item table (its fields)
//   11  v >= 40000               the resource table (array)
//   12  always                   the chart objects: processes and events (list)
//   13  auto-saved copies only   the selected processes and events (list)
//   14  v >= 2000                progress lines (list)
//   15  v >= 22001               drawing shapes in drawing order (list)
//   16  v >= 2000                embedded items: uint16 magic 0x0DAF, uint16 count, the items
//   17  v >= 40000, whole file   resource charts (list)
//   18  v >= 52000, whole file   hatchings (list)
//
// A file named ".phd" is a document of the DOS version and one named ".psv" a CSV stream; any
// other name holds the native stream.
#pragma once

#include <string_view>

namespace tembra::DocFile {

// From which version each part is present.
inline constexpr int kReservedVersion = 52000;
inline constexpr int kCounterVersion = 22000;
inline constexpr int kSheetRowsVersion = 58000;
inline constexpr int kLayersVersion = 41000;
inline constexpr int kResourcesVersion = 40000;
inline constexpr int kProgressVersion = 2000;
inline constexpr int kShapesVersion = 22001;
inline constexpr int kEmbeddedVersion = 2000;
inline constexpr int kChartsVersion = 40000;
inline constexpr int kHatchesVersion = 52000;
// Files of versions above this and below kLayersVersion may carry layer words above 15.
inline constexpr int kWideLayerVersion = 31000;

// The value written for the reserved int32.
inline constexpr int kReservedValue = 4;
// The header text holds at most this many bytes before its zero.
inline constexpr std::size_t kHeaderTextBytes = 254;

// The insert mask: the parts File > Insert takes (0xFFFF: a whole file of the document's own).
enum InsertBits : int {
    kInsertCalendar = 0x1,
    kInsertSettings = 0x2,
    kInsertHeader = 0x4,
    kInsertItems = 0x8,
    kInsertProcesses = 0x10,
    kInsertEmbedded = 0x20,
    kInsertProgress = 0x40,
    kInsertEvents = 0x80,
    kInsertShapes = 0x100,
    kInsertLayers = 0x200,
    // The inserted objects keep their positions instead of being fitted into the settings' range.
    kInsertKeepPlace = 0x8000,
};

} // namespace tembra::DocFile
