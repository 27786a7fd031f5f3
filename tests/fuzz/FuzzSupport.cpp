#include "fuzz/FuzzSupport.h"

#include "model/ChartPos.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "platform/Document.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "platform/Time.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tembra::fuzz {

namespace {

std::filesystem::path& TempFolderSlot() {
    static std::filesystem::path folder;
    return folder;
}

void RemoveTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(TempFolderSlot(), ignored);
}

} // namespace

void PrepareProcess() {
    static const bool prepared = [] {
        std::error_code error;
        std::filesystem::path base = std::filesystem::temp_directory_path(error);
        if (error) {
            base = "/tmp";
        }
        std::string pattern = (base / "tembra-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("tembra fuzz: no temporary folder");
            std::abort();
        }
        TempFolderSlot() = pattern;
        std::atexit(RemoveTempFolder);
        const std::filesystem::path writable = TempFolderSlot() / "writable";
        const std::filesystem::path config = TempFolderSlot() / "config";
        std::filesystem::create_directories(writable);
        std::filesystem::create_directories(config);
        Paths::SetDirs(TEMBRA_DATA_DIR, writable, config);
        Clock::SetFixedNow(CTime(2010, 4, 1));
        return true;
    }();
    static_cast<void>(prepared);
}

const std::filesystem::path& TempFolder() {
    return TempFolderSlot();
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool Typeable(std::string_view text) {
    return Sjis::CutLength(text, text.size()) == text.size() &&
           text.find('\0') == std::string_view::npos;
}

void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            Fail("cannot write a temporary file");
        }
    }
    // Whole seconds from a counter: never the time of an earlier input.
    static long long stamp = 1000000000;
    ++stamp;
    const struct timespec times[2] = {{static_cast<time_t>(stamp), 0},
                                      {static_cast<time_t>(stamp), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
        Fail("cannot set the time of a temporary file");
    }
}

const std::vector<int>& FileVersions() {
    static const std::vector<int> versions = [] {
        // Where the records, the settings record, the print header and the document's parts
        // change their form (some thresholds are private to their record and named here by
        // value).
        const int thresholds[] = {1001,
                                  2000,
                                  2001,
                                  2002,
                                  10000,
                                  kKouteiSubStyleVersion,
                                  21000,
                                  21001,
                                  kKouteiSpanVersion,
                                  kKouteiSeqVersion,
                                  22001,
                                  22002,
                                  30000,
                                  kChartPosVersion,
                                  kKouteiBendVersion,
                                  kKoumokuTableVersion,
                                  kKoumokuFontVersion,
                                  kEventFontVersion,
                                  kYogoFontVersion,
                                  kKouteiShigenVersion,
                                  41000,
                                  41001,
                                  50000,
                                  51000,
                                  kHatchListVersion,
                                  53000,
                                  55000,
                                  kEventHyperlinkVersion,
                                  kYogoHyperlinkVersion,
                                  kEventDateMacroVersion,
                                  kShincyokuLabelVersion,
                                  kHatchPatternVersion,
                                  kCurrentFileVersion};
        std::vector<int> v{0};
        for (int t : thresholds) {
            v.push_back(t - 1);
            v.push_back(t);
        }
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        return v;
    }();
    return versions;
}

int PickFileVersion(std::uint8_t choice) {
    const std::vector<int>& versions = FileVersions();
    return versions[choice % versions.size()];
}

std::uint8_t FuzzInput::Byte() {
    return m_pos < m_size ? m_data[m_pos++] : std::uint8_t{0};
}

WORD FuzzInput::Word() {
    const WORD low = Byte();
    return static_cast<WORD>(low | (Byte() << 8));
}

std::string FuzzInput::Text(std::size_t n) {
    n = std::min(n, m_size - std::min(m_pos, m_size));
    std::string text(reinterpret_cast<const char*>(m_data + m_pos), n);
    m_pos += n;
    return text;
}

std::string FuzzInput::TextUntil(char separator) {
    std::string text;
    while (m_pos < m_size) {
        const char c = static_cast<char>(m_data[m_pos++]);
        if (c == separator) {
            break;
        }
        text.push_back(c);
    }
    return text;
}

std::span<const std::uint8_t> FuzzInput::Rest() const {
    return m_pos < m_size ? std::span<const std::uint8_t>(m_data + m_pos, m_size - m_pos)
                          : std::span<const std::uint8_t>();
}

std::string FuzzInput::RestText() const {
    const auto rest = Rest();
    return std::string(reinterpret_cast<const char*>(rest.data()), rest.size());
}

void Fail(std::string_view what) {
    std::fprintf(stderr, "tembra fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

} // namespace tembra::fuzz
