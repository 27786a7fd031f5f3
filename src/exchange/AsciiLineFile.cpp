#include "exchange/AsciiLineFile.h"

#include "document/TembraDoc.h"
#include "exchange/ExchangeSupport.h"
#include "platform/Exception.h"
#include "platform/ReplaceFile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

constexpr std::size_t kBufferSize = 4096;

} // namespace

CAsciiLineFile::~CAsciiLineFile() {
    if (m_own) {
        m_own->Abort();
    }
}

BOOL CAsciiLineFile::Open(const std::filesystem::path& path, Mode mode) {
    m_mode = mode;
    m_path = path;
    m_written.clear();
    m_buffer.clear();
    m_pos = 0;
    m_end = false;
    if (mode == modeWrite) {
        // Written in memory and put in place by Close.
        return TRUE;
    }
    auto file = std::make_unique<CFile>();
    if (!file->Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
        AfxMessageBox(Exchange::J("ファイルを開けませんでした。\n") + Sjis::FromUtf8(path.string()),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_own = std::move(file);
    m_file = m_own.get();
    return TRUE;
}

void CAsciiLineFile::Attach(CFile& file) {
    m_mode = modeRead;
    m_own.reset();
    m_file = &file;
    m_buffer.clear();
    m_pos = 0;
    m_end = false;
}

int CAsciiLineFile::NextByte() {
    if (m_pos == m_buffer.size()) {
        if (m_end || m_file == nullptr) {
            return -1;
        }
        m_buffer.resize(kBufferSize);
        const UINT got = m_file->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
        m_buffer.resize(got);
        m_pos = 0;
        if (got == 0) {
            m_end = true;
            return -1;
        }
    }
    return m_buffer[m_pos++];
}

BOOL CAsciiLineFile::ReadLine(std::string& line, std::size_t maxBytes) {
    line.clear();
    int c = NextByte();
    if (c < 0) {
        return FALSE;
    }
    while (c >= 0 && c != '\n') {
        line += static_cast<char>(c);
        c = NextByte();
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    line = Sjis::Cut(line, maxBytes);
    return TRUE;
}

void CAsciiLineFile::WriteString(std::string_view text) {
    for (const char c : text) {
        if (c == '\n') {
            m_written += "\r\n";
        } else {
            m_written += c;
        }
    }
}

BOOL CAsciiLineFile::Close() {
    if (m_mode != modeWrite) {
        if (m_own) {
            m_own->Close();
            m_own.reset();
        }
        m_file = nullptr;
        return TRUE;
    }
    const int error = ReplaceFile(m_path, [this](CFile& file) {
        file.Write(m_written.data(), static_cast<UINT>(m_written.size()));
    });
    m_written.clear();
    m_mode = modeRead;
    if (error != 0) {
        CTembraDoc::ReportSaveFailure(error);
        return FALSE;
    }
    return TRUE;
}

} // namespace tembra
