#include "exchange/FilePreview.h"

#include "platform/ByteOrder.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <cstdio>
#include <fstream>

namespace tembra {

namespace {

// The head text of a native file is read up to its zero byte, at most this many bytes.
constexpr std::size_t kNativeHeadMax = 127;

// The fields of the DOS header record that the preview reads.
struct DosHeaderField {
    std::size_t offset;
    std::size_t size;
};
constexpr std::size_t kDosHeaderSize = 2595;
constexpr DosHeaderField kDosVersion = {0, 2}; // unsigned 16-bit, little-endian
constexpr DosHeaderField kDosChartName = {2530, kDosHeaderSize - 2530}; // zero-terminated
// The first version whose header carries the chart name.
constexpr unsigned kDosNamedVersion = 2102;

const char kPlainLabelUtf8[] = "工程表名：";
const char kNamelessUtf8[] = "- 無名 -";

std::string ZeroTerminated(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

} // namespace

PreviewFileType ClassifyPreviewFile(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    if (Sjis::EqualsNoCase(ext, LoadString(104)) || Sjis::EqualsNoCase(ext, LoadString(108))) {
        return PreviewFileType::Native;
    }
    if (Sjis::EqualsNoCase(ext, LoadString(105))) {
        return PreviewFileType::Dos;
    }
    return PreviewFileType::Other;
}

std::optional<std::string> NativeHeaderName(std::string_view headText) {
    const std::size_t colon = Sjis::FindByte(headText, ':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(headText.substr(colon + 1));
}

std::optional<std::string> DosHeaderName(std::string_view record) {
    if (record.size() < kDosHeaderSize) {
        return std::nullopt;
    }
    const unsigned version =
        GetWord(reinterpret_cast<const BYTE*>(record.data()) + kDosVersion.offset);
    if (version < kDosNamedVersion) {
        char text[64];
        std::snprintf(text, sizeof text, "未対応ﾊﾞｰｼﾞｮﾝ[v%u.%u]", version / 1000, version % 1000);
        return Sjis::FromUtf8(text);
    }
    return ZeroTerminated(record.substr(kDosChartName.offset, kDosChartName.size));
}

std::string PreviewLabelText(const std::optional<std::string>& name) {
    if (!name) {
        return Sjis::FromUtf8(kPlainLabelUtf8);
    }
    if (name->empty()) {
        return Sjis::FromUtf8(kNamelessUtf8);
    }
    return FormatString(LoadString(IDS_CHART_NAME_PREVIEW), {*name});
}

std::optional<std::string> PreviewLabel(const std::filesystem::path& path) {
    const PreviewFileType type = ClassifyPreviewFile(path);
    if (type == PreviewFileType::Other) {
        return PreviewLabelText(std::nullopt);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    if (type == PreviewFileType::Native) {
        std::string head;
        char c = 0;
        while (head.size() < kNativeHeadMax && file.get(c) && c != '\0') {
            head += c;
        }
        // A head cut off by the limit must not end in the first byte of a character.
        if (!head.empty() && Sjis::IsCharStart(head, head.size() - 1) &&
            Sjis::IsLeadByte(static_cast<unsigned char>(head.back()))) {
            head.pop_back();
        }
        return PreviewLabelText(NativeHeaderName(head));
    }
    std::string record(kDosHeaderSize, '\0');
    file.read(record.data(), static_cast<std::streamsize>(record.size()));
    record.resize(static_cast<std::size_t>(file.gcount()));
    return PreviewLabelText(DosHeaderName(record));
}

} // namespace tembra
