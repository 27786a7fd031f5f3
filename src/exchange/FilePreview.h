// The preview line of the file dialogs: the chart name stored in the selected file, read from
// the head of a native document (*.tbr, *.tbrbk) or from the header record of a document of the
// earlier DOS version (*.phd). Texts are CP932.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tembra {

// "工程表名： %1"
constexpr unsigned IDS_CHART_NAME_PREVIEW = 5128;

enum class PreviewFileType { Other, Native, Dos };

// By the extension, in any case: strings 104 ".tbr" and 108 ".tbrbk" native, 105 ".phd" DOS.
PreviewFileType ClassifyPreviewFile(const std::filesystem::path& path);

// The name part of a native file's head text "☆TEMBRA(TB+) Ver.xx.xx.xx:<name>:<mode>": all
// after the first ":"; nothing when there is no ":".
std::optional<std::string> NativeHeaderName(std::string_view headText);
// The text of a DOS header record: the chart name, or "未対応ﾊﾞｰｼﾞｮﾝ[v2.101]" for a version
// below 2102; nothing when the record is short.
std::optional<std::string> DosHeaderName(std::string_view record);

// The label for a found text: "工程表名：" without one, "- 無名 -" for an empty one, else string
// 5128 with the text.
std::string PreviewLabelText(const std::optional<std::string>& name);

// The label for the file at path; nothing when a native or DOS file cannot be opened (the line
// keeps its text).
std::optional<std::string> PreviewLabel(const std::filesystem::path& path);

} // namespace tembra
