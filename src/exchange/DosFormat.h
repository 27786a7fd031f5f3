// The two files of a document of the earlier DOS version, as tables of where each field stands:
// the header file (".phd": block 1, then block 2 in the current or the older layout) and the
// records of the data file (".pdt"). All integers are little-endian; texts are CP932 bytes ended
// by a zero byte inside a field of fixed size; in header texts "＼" marks a line break.
//
// Record offsets count from the start of the record, its 16-byte record header included; block 2
// offsets count from the start of block 2 (file offset + 2595).
#pragma once

#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::Dos {

// ---- Versions (major x 1000 + minor) -----------------------------------------------------------

inline constexpr int kOldestVersion = 2102;         // older files are refused (message 5005)
inline constexpr int kEventLengthVersion = 3300;    // older event records are 3 bytes longer
inline constexpr int kLineTypeNibbleVersion = 3300; // the line type takes bits 4-7, before 5-7
inline constexpr int kPatternVersion = 3300;        // process records carry a pattern code
inline constexpr int kCurrentLayoutVersion = 4100;  // block 2 in the current layout; progress
                                                    // records of 1640 bytes whatever their length
inline constexpr int kWrittenVersion = 4100;

// ---- Layers and texts ---------------------------------------------------------------------------

// The header file has the states and names of layers 0 to 15, so no object of a DOS document
// stands on a layer beyond them (a record's byte 3 holds layer x 8).
inline constexpr int kLayerCount = 16;
inline constexpr int kMaxLayer = kLayerCount - 1;
// The full-width backslash "＼" that marks a line break in header texts.
inline constexpr std::string_view kLineBreak = "\x81\x5F";

// ---- Header file --------------------------------------------------------------------------------

inline constexpr std::size_t kBlock1Size = 2595;
inline constexpr std::size_t kBlock2Size = 7409;
inline constexpr std::size_t kOldBlock2Size = 5605;

// Block 1.
namespace B1 {
inline constexpr std::size_t kVersion = 0;       // uint16
inline constexpr std::size_t kScreenScale = 2;   // float32, written 3800.0
inline constexpr std::size_t kPaperSizes = 8;    // 10 x uint16
inline constexpr std::size_t kOne = 44;          // float32, written 1.0
inline constexpr std::size_t kCurrentLayer = 48; // int16: layer x 8
inline constexpr std::size_t kLayerStates = 578; // 16 x byte: 0 shown, 1 reference, 2 hidden
inline constexpr std::size_t kLayerNames = 850;  // 16 x char[17]
inline constexpr std::size_t kLayerNameSize = 17;
inline constexpr std::size_t kTitleLine = 2530; // char[65]: "暦:title" or "延:title"
inline constexpr std::size_t kTitleLineSize = 65;
// The paper extents the export writes at kPaperSizes.
inline constexpr std::array<WORD, 10> kPaperSizeWords{891, 594, 891, 594, 420,
                                                      297, 594, 420, 297, 210};
} // namespace B1

// Block 2.
namespace B2 {
inline constexpr std::size_t kOne = 8;             // float32, written 1.0
inline constexpr std::size_t kHeaderStart = 16;    // date (12 bytes), written by the header
inline constexpr std::size_t kHeaderEnd = 28;      // date
inline constexpr std::size_t kHeaderFirstRow = 40; // uint16
inline constexpr std::size_t kHeaderLastRow = 42;  // uint16
inline constexpr std::size_t kHeaderRowSpan = 44;  // uint16
inline constexpr std::size_t kFixedText1 = 46;     // char[29]: the old fixed header 1's text
inline constexpr std::size_t kFixedText0 = 75;     // char[29]: the old fixed header 0's text
inline constexpr std::size_t kFixedTextSize = 29;
inline constexpr std::size_t kHeaderZeros = 104;   // 3 x uint16, written 0
inline constexpr std::size_t kDataBytes = 110;     // uint32: bytes of the data file's records
inline constexpr std::size_t kStartDate = 1297;    // date
inline constexpr std::size_t kEndDate = 1309;      // date
inline constexpr std::size_t kFirstRow = 1321;     // uint16, 1-based
inline constexpr std::size_t kLastRow = 1323;      // uint16, 1-based
inline constexpr std::size_t kScaleFactors = 1333; // 8 x float32
inline constexpr int kScaleFactorCount = 8;
inline constexpr std::size_t kKoumokuTitle = 1381; // char[30]
inline constexpr std::size_t kHizukeTitle = 1411;  // char[30]
inline constexpr std::size_t kTitleSize = 30;
inline constexpr std::size_t kScreenLineA = 1445;    // int16
inline constexpr std::size_t kScreenLineB = 1447;    // int16
inline constexpr std::size_t kScreenLineC = 1453;    // int16
inline constexpr std::size_t kHalfWidthDates = 1467; // byte
inline constexpr std::size_t kChartMode = 1468;      // int16: 0 calendar dates
inline constexpr std::size_t kNobeUnit = 1470;       // int16: 0 months of 30 days, else days
inline constexpr std::size_t kNobeOrigin = 1472;     // int16: -n: n units of preparation
inline constexpr std::size_t kNobeLength = 1474;     // int16
inline constexpr std::size_t kLeadingMargin = 1476;  // int16
inline constexpr std::size_t kTrailingMargin = 1478; // int16
inline constexpr std::size_t kProjectTitle = 1553;   // char[81]
inline constexpr std::size_t kSiteName = 1634;       // char[81] 作業所名
inline constexpr std::size_t kClient = 1715;         // char[161] 建築主
inline constexpr std::size_t kDesigner = 1876;       // char[81] 設計
inline constexpr std::size_t kSupervisor = 1957;     // char[81] 監理
inline constexpr std::size_t kSiteAddress = 2038;    // char[161] 建築地
inline constexpr std::size_t kStructure = 2199;      // char[89] 構造
inline constexpr std::size_t kStoreys = 2288;        // 3 x int16 階数
inline constexpr std::size_t kWorksStart = 2294;     // 3 x int16 着工
inline constexpr std::size_t kCompletion = 2306;     // 3 x int16 竣工
inline constexpr std::size_t kBuildingArea = 2318;   // float64 建面積
inline constexpr std::size_t kFloorArea = 2326;      // float64 延面積
inline constexpr std::size_t kCompany1 = 2353;       // company record
inline constexpr std::size_t kCompany2 = 3255;       // company record; its name: 施工者
inline constexpr std::size_t kCompanySize = 902;
inline constexpr std::size_t kCompanyNameOffset = 42; // char[129] inside the record
inline constexpr std::size_t kCompanyNameSize = 129;
inline constexpr std::size_t kContractor = kCompany2 + kCompanyNameOffset; // 3297
inline constexpr std::size_t kHeaderTexts2 = 4159;                         // 3 x int16
inline constexpr std::size_t kPaperZero = 4157;                            // uint16, written 0
inline constexpr std::size_t kPaper = 4173;                                // int16: DOS paper 0-7
inline constexpr std::size_t kPrintSelect = 4175;                          // uint16
inline constexpr std::size_t kPrintAmikake = 4179;  // int16: 0, 1, 2 in DOS coding
inline constexpr std::size_t kPrintToDay = 4187;    // int16
inline constexpr std::size_t kPrintKikan = 4189;    // int16
inline constexpr std::size_t kHeaderTexts1a = 4191; // 3 x int16
inline constexpr std::size_t kHeaderTexts1b = 4203; // 3 x int16
inline constexpr std::size_t kOrientation = 4219;   // byte
inline constexpr std::size_t kEventCount = 4221;    // uint16
inline constexpr std::size_t kDataVersion = 4349;   // uint16, written 4100
inline constexpr std::size_t kProgressCount = 4351; // uint16
inline constexpr std::size_t kHasProgress = 4353;   // uint16
inline constexpr std::size_t kKouteiCount = 5053;   // uint32
inline constexpr std::size_t kZukeiCount = 5057;    // uint32
inline constexpr std::size_t kShigenNames = 5755;   // 10 x char[41]
inline constexpr std::size_t kShigenNameSize = 41;
inline constexpr int kShigenNameCount = 10;
inline constexpr std::size_t kKoumokuCount = 6297; // uint32
inline constexpr std::size_t kTailZero = 6303;     // uint16, written 0

// The words the export writes besides its counts: (offset, width, value).
struct Constant {
    std::size_t offset;
    std::size_t width;
    DWORD value;
};
inline constexpr std::array<Constant, 4> kConstants{{
    {4249, 2, 7},
    {4251, 2, 1},
    {4305, 2, 2},
    {4307, 2, 1},
}};

// The print header's texts kept in block 2, with the name of the element each fills.
struct ProjectText {
    std::size_t offset;
    std::size_t size;
    const char* name; // UTF-8
};
inline constexpr std::array<ProjectText, 7> kProjectTexts{{
    {kSiteName, 81, "作業所名"},
    {kClient, 161, "建築主"},
    {kDesigner, 81, "設計"},
    {kSupervisor, 81, "監理"},
    {kSiteAddress, 161, "建築地"},
    {kStructure, 89, "構造"},
    {kContractor, kCompanyNameSize, "施工者"},
}};
} // namespace B2

// The older block 2 (versions 2102 to 4099) in the current layout: (current offset, old offset,
// size). The two company records are converted field by field (kOldCompany).
struct Move {
    std::size_t to;
    std::size_t from;
    std::size_t size;
};
inline constexpr std::array<Move, 12> kOldBlock2Moves{{
    {0, 0, 2353},
    {4157, 2865, 64},
    {4221, 2929, 128},
    {4477, 3185, 512},
    {4989, 3697, 64},
    {5053, 3761, 4},
    {5057, 3765, 4},
    {5061, 3769, 692},
    {5753, 4461, 544},
    {6297, 5005, 4},
    {6301, 5009, 2},
    {6303, 5011, 2},
}};
// The old company records: (current, old) record starts; the old record is 256 bytes.
inline constexpr std::array<Move, 2> kOldCompanies{
    {{B2::kCompany1, 2353, 256}, {B2::kCompany2, 2609, 256}}};
// A company record's fields in both layouts: (current offset, old offset, size of the old
// field; the current field is at least as large).
inline constexpr std::array<Move, 9> kOldCompanyFields{{
    {0, 0, 1},      // a byte
    {1, 1, 41},     // char[41]
    {42, 42, 129},  // char[129], the name
    {171, 171, 11}, // char[11]
    {182, 182, 11}, // then five lines: char[129] now, char[11] before
    {311, 193, 11},
    {440, 204, 11},
    {569, 215, 11},
    {698, 226, 11},
}};

// ---- Data file -------------------------------------------------------------------------------

inline constexpr BYTE kMarker = 100;
inline constexpr std::size_t kRecordHeaderSize = 16;
inline constexpr std::size_t kUnit = 16; // the record length counts 16-byte units

// Record header.
namespace R {
inline constexpr std::size_t kMarker = 0;
inline constexpr std::size_t kKind = 1;
inline constexpr std::size_t kLayer = 3;  // layer x 8
inline constexpr std::size_t kLength = 4; // uint16, in units
inline constexpr std::size_t kWord6 = 6;  // uint16
} // namespace R

// Record kinds.
enum : BYTE {
    kKindKoutei = 0xF0,
    kKindYogo = 0xFE,
    kKindShigen = 0xF8,
    kKindKoumoku = 0xF5,
    kKindEvent = 0xFC,
    kKindShincyoku = 0xFB,
    kKindZukei = 0xFD,
    kKindGroup = 0xF6,
    kKindEnd = 0xF4,
};

// A date in a record or a header: six uint16 words year, month, day, hour, minute, second.
inline constexpr std::size_t kDateSize = 12;
using DateWords = std::array<WORD, 6>;

// Process (0xF0), 80 bytes.
namespace Koutei {
inline constexpr std::size_t kSize = 80;
inline constexpr std::size_t kYogoCount = 0x06; // uint16 (export)
inline constexpr std::size_t kWidth = 0x10;     // byte
inline constexpr std::size_t kStartDate = 0x13;
inline constexpr std::size_t kEndDate = 0x1F;
inline constexpr std::size_t kStartRow = 0x2B;  // uint16
inline constexpr std::size_t kEndRow = 0x2D;    // uint16
inline constexpr std::size_t kLineKind = 0x2F;  // byte: line type t, bit 3 no hatching
inline constexpr std::size_t kStartLand = 0x30; // byte: shape bits 0-3, sub-style bits 4-7
inline constexpr std::size_t kEndLand = 0x31;
inline constexpr std::size_t kFlag1 = 0x32;       // byte
inline constexpr std::size_t kKakomiAngle = 0x33; // byte (export)
inline constexpr std::size_t kOne = 0x34;         // byte, written 1
inline constexpr std::size_t kArrow = 0x35;       // int16: 0 gives line flag 2
inline constexpr std::size_t kTypeColor = 0x39;   // byte: type bits 5-7, colour bits 1-3
inline constexpr std::size_t kLeaderYogo = 0x3C;  // uint16 (export)
inline constexpr std::size_t kOtherYogo = 0x3E;   // uint16 (export)
inline constexpr std::size_t kPattern = 0x40;     // uint16
inline constexpr BYTE kNoHatchBit = 0x08;
} // namespace Koutei

// Term label (0xFE), 80 bytes and more.
namespace Yogo {
inline constexpr std::size_t kBaseSize = 80;
inline constexpr std::size_t kLabelKind = 0x10;  // byte
inline constexpr std::size_t kHatch = 0x11;      // byte
inline constexpr std::size_t kAlign = 0x12;      // byte
inline constexpr std::size_t kColor = 0x13;      // byte: colour bits 1-3
inline constexpr std::size_t kOffsetY = 0x14;    // float32
inline constexpr std::size_t kOffsetX = 0x18;    // float32
inline constexpr std::size_t kLeaderY = 0x1C;    // float32
inline constexpr std::size_t kLeaderX = 0x20;    // float32
inline constexpr std::size_t kTextLength = 0x24; // uint16
inline constexpr std::size_t kOutline = 0x26;    // byte: style 1
inline constexpr std::size_t kBold = 0x27;       // int16: style 4
inline constexpr std::size_t kSize2 = 0x29;      // float32
inline constexpr std::size_t kSize1 = 0x2D;      // float32
inline constexpr std::size_t kFrame = 0x31;      // byte: style 2
inline constexpr std::size_t kIndex = 0x32;      // uint16 (export)
inline constexpr std::size_t kVertical = 0x34;   // int16: style 0x1000
inline constexpr std::size_t kText = 0x40;
} // namespace Yogo

// Resources (0xF8): ten int16 quantities.
namespace Shigen {
inline constexpr std::size_t kQuantities = 0x20;
inline constexpr int kCount = 10;
inline constexpr std::size_t kSize = kQuantities + 2 * kCount;
} // namespace Shigen

// Item cell (0xF5), 64 bytes and more.
namespace Koumoku {
inline constexpr std::size_t kBaseSize = 64;
inline constexpr std::size_t kRow = 0x10;        // uint16
inline constexpr std::size_t kHatch = 0x12;      // byte
inline constexpr std::size_t kType = 0x13;       // byte
inline constexpr std::size_t kTextLength = 0x14; // uint16
inline constexpr std::size_t kSize1 = 0x16;      // float32
inline constexpr std::size_t kSize2 = 0x1A;      // float32
inline constexpr std::size_t kBold = 0x1E;       // int16
inline constexpr std::size_t kFrame = 0x20;      // int16
inline constexpr std::size_t kVertical = 0x22;   // int16: 0 top, 2 bottom
inline constexpr std::size_t kText = 0x30;
} // namespace Koumoku

// Event (0xFC), 96 bytes.
namespace Event {
inline constexpr std::size_t kSize = 96;
inline constexpr std::size_t kOne = 0x10; // uint16 (export)
inline constexpr std::size_t kDate = 0x12;
inline constexpr std::size_t kRow = 0x1E;        // uint16
inline constexpr std::size_t kOffsetX = 0x20;    // float32
inline constexpr std::size_t kOffsetY = 0x24;    // float32
inline constexpr std::size_t kColor = 0x28;      // byte
inline constexpr std::size_t kTextLength = 0x29; // uint16
inline constexpr std::size_t kText = 0x2B;
inline constexpr std::size_t kTextField = 0x54 - 0x2B; // 41 bytes
inline constexpr std::size_t kSize2 = 0x54;            // float32
inline constexpr std::size_t kSize1 = 0x58;            // float32
inline constexpr std::size_t kVertical = 0x5C;         // byte: kVerticalText, or horizontal
inline constexpr std::size_t kFrame = 0x5D;            // byte
inline constexpr std::size_t kForm = 0x5E;             // byte
inline constexpr std::size_t kLongerBefore3300 = 3;
// The value of kVertical that marks vertical text, the one value read so; written for it too,
// so that a chart's vertical events come back vertical.
inline constexpr BYTE kVerticalText = 2;
} // namespace Event

// Progress line (0xFB), 1640 bytes.
namespace Shincyoku {
inline constexpr std::size_t kSize = 1640;
inline constexpr WORD kLength = 102;
inline constexpr std::size_t kOne = 0x10; // uint16 (export)
inline constexpr std::size_t kDate = 0x12;
inline constexpr std::size_t kPoints = 0x1E; // point i at kPoints + 12 i
inline constexpr int kPointsRead = 100;
inline constexpr int kPointsWritten = 130;
} // namespace Shincyoku

// Shape (0xFD), 352 bytes, and the header of a group (0xF6), 80 bytes.
namespace Zukei {
inline constexpr std::size_t kSize = 352;
inline constexpr WORD kLength = 22;
inline constexpr std::size_t kKind = 0x10; // uint16
inline constexpr std::size_t kDate1 = 0x12;
inline constexpr std::size_t kRow1 = 0x1E;      // int16, 1-based
inline constexpr std::size_t kTime1 = 0x20;     // float32, part of a day
inline constexpr std::size_t kFraction1 = 0x24; // float32, part of a row
inline constexpr std::size_t kDate2 = 0x28;
inline constexpr std::size_t kRow2 = 0x34;
inline constexpr std::size_t kTime2 = 0x36;
inline constexpr std::size_t kFraction2 = 0x3A;
inline constexpr std::size_t kColor = 0x3E;     // int16
inline constexpr std::size_t kLineType = 0x40;  // int16
inline constexpr std::size_t kWidth = 0x42;     // int16
inline constexpr std::size_t kFill = 0x44;      // int16
inline constexpr std::size_t kDirection = 0x46; // uint16
inline constexpr std::size_t kGroupSize = 80;
inline constexpr std::size_t kMemberCount = 0x3E; // int16, group header
inline constexpr std::size_t kMemberSize = 336;
inline constexpr WORD kGroupBaseLength = 5;
inline constexpr WORD kMemberLength = 21;
} // namespace Zukei

// A member of a group, from its start.
namespace Member {
inline constexpr std::size_t kKind = 0x00;  // uint16
inline constexpr std::size_t kX1 = 0x02;    // float32
inline constexpr std::size_t kY1 = 0x06;    // float32
inline constexpr std::size_t kDx = 0x0A;    // float32
inline constexpr std::size_t kDy = 0x0E;    // float32
inline constexpr std::size_t kColor = 0x2E; // int16
inline constexpr std::size_t kLineType = 0x30;
inline constexpr std::size_t kWidth = 0x32;
inline constexpr std::size_t kFill = 0x34;
inline constexpr std::size_t kDirection = 0x36;
} // namespace Member

// The DOS shape kinds.
enum : WORD {
    kZukeiBox = 1,
    kZukeiBox2 = 2,
    kZukeiArrow1 = 3,
    kZukeiArrow2 = 4,
    kZukeiCircle = 5,
    kZukeiEllipse = 6,
    kZukeiDelta1 = 7,
    kZukeiDelta2 = 8,
    kZukeiDiamond = 9,
    kZukeiLine = 10,
    kZukeiGroup = 11,
};

// ---- A byte block ------------------------------------------------------------------------------

// A block of bytes read and written by offset. A read past the end gives 0 (the converters read
// blocks that are at least as long as their fields, so this never decides a value); a write past
// the end is dropped.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(std::size_t size) : m_data(size, 0) {}

    std::size_t Size() const { return m_data.size(); }
    BYTE* Data() { return m_data.data(); }
    const BYTE* Data() const { return m_data.data(); }
    std::vector<BYTE>& Vector() { return m_data; }
    const std::vector<BYTE>& Vector() const { return m_data; }

    BYTE Byte(std::size_t at) const;
    WORD Word(std::size_t at) const;
    short Short(std::size_t at) const { return static_cast<short>(Word(at)); }
    DWORD Dword(std::size_t at) const;
    float Float(std::size_t at) const;
    double Double(std::size_t at) const;
    DateWords Date(std::size_t at) const;
    // The text of a field: its bytes up to the first zero byte, at most capacity bytes and never
    // past the block's end, in whole characters: a double-byte character that the capacity, the
    // zero byte or the block's end breaks off is left out with its lead byte.
    std::string Text(std::size_t at, std::size_t capacity) const;

    void PutByte(std::size_t at, BYTE v);
    void PutWord(std::size_t at, WORD v);
    void PutDword(std::size_t at, DWORD v);
    void PutFloat(std::size_t at, float v);
    void PutDouble(std::size_t at, double v);
    void PutDate(std::size_t at, const DateWords& words);
    // The text cut to capacity - 1 bytes on a character boundary, then a zero byte.
    void PutText(std::size_t at, std::string_view text, std::size_t capacity);

private:
    std::vector<BYTE> m_data;
};

} // namespace tembra::Dos
