// The web links of the view: the user's ten searches and the maker's three pages. Each address is
// written to an internet shortcut in the writable data folder, as the desktop's browsers read it,
// and handed to the desktop, which opens only web and mail addresses.
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"

#include <cstdio>
#include <fstream>

namespace tembra {

namespace {

constexpr const char* kShortcutName = "TempExecBrows.url";

std::string Numbered(const char* prefix, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s\\%04d", prefix, number);
    return name;
}

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void AppendEscaped(std::string& out, unsigned char byte) {
    char triplet[4];
    std::snprintf(triplet, sizeof triplet, "%%%02X", byte);
    out += triplet;
}

// Writes the shortcut and opens its address; a refused or unwritable one is told to the user.
void OpenThroughShortcut(const std::string& address) {
    const std::filesystem::path file = Paths::WritableDataDir() / kShortcutName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "[InternetShortcut]\n"
        << "URL=" << address << '\n';
    out.close();
    if (!out) {
        AfxMessageBox(Sjis::FromUtf8("ファイル " + file.string() + " を書き込めません。"),
                      MB_ICONEXCLAMATION);
        return;
    }
    if (OpenUrlShortcut(address) == 0) {
        AfxMessageBox(Sjis::FromUtf8("アドレス ") + address +
                          Sjis::FromUtf8(" は開けません（http、https、mailto のみ）。"),
                      MB_ICONEXCLAMATION);
    }
}

} // namespace

std::string CTembraView::EncodeURL(const std::string& keyword) {
    std::string out;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        const auto byte = static_cast<unsigned char>(keyword[i]);
        if (Sjis::IsLeadByte(byte) && i + 1 < keyword.size()) {
            // The trail byte may look like a letter; it belongs to the character and is escaped
            // with it.
            AppendEscaped(out, byte);
            AppendEscaped(out, static_cast<unsigned char>(keyword[++i]));
        } else if (IsAsciiAlnum(byte)) {
            out += static_cast<char>(byte);
        } else if (byte == ' ') {
            out += '+';
        } else {
            AppendEscaped(out, byte);
        }
    }
    return out;
}

void CTembraView::ExecURL(int number) {
    const std::string section = Numbered("ExecURL", number);
    std::string address = GetProfileString(section, "URL");
    if (address.empty()) {
        return;
    }
    if (GetProfileInt(section, "ExecFlag", 0) == 0) {
        const CTembraDoc* doc = GetDocument();
        address += "?Keyword=" + EncodeURL(doc != nullptr ? doc->GetWebKeyword() : std::string());
    }
    OpenThroughShortcut(address);
}

void CTembraView::ExecMakerURL(int number) {
    OpenThroughShortcut(GetRegString(Numbered("ExecURLNRD", number), "URL", ""));
}

} // namespace tembra
