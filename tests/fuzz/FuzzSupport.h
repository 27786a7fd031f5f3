// What the fuzz targets share: a process set up as a test's (temporary folders for everything
// the program writes, the source tree's shipped files, a fixed clock), the file versions whose
// thresholds the records test, a cursor over the input bytes, and the failure of a property
// that a sanitizer cannot see.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::fuzz {

// Once per process: the writable and configuration folders in a fresh temporary folder (removed
// at exit), the shipped files from the source tree's data/ folder, "now" fixed at 2010-04-01.
void PrepareProcess();
// The process's temporary folder (PrepareProcess first).
const std::filesystem::path& TempFolder();

// Writes the bytes as the whole file. Each call gives the file a modification time of its own,
// so that a reader that keeps a parsed copy until the file changes on disk always sees the new
// bytes, however fast the inputs follow each other.
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// The file's bytes ("" when it cannot be read).
std::string ReadWholeFile(const std::filesystem::path& path);
// A CP932 text a user can type into a field: whole characters (never half of a double-byte
// one at its end) and no zero byte.
bool Typeable(std::string_view text);

// The file versions at which some record changes its form, each with the version just below,
// in ascending order; a byte of the input picks one.
const std::vector<int>& FileVersions();
int PickFileVersion(std::uint8_t choice);

// The input as a sequence of choices and a remainder.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }
    // The next byte, 0 past the end.
    std::uint8_t Byte();
    WORD Word();
    // The next n bytes (fewer at the end) as text.
    std::string Text(std::size_t n);
    // Text up to the next byte equal to separator (which is passed over), or to the end.
    std::string TextUntil(char separator);
    // Everything not yet taken.
    std::span<const std::uint8_t> Rest() const;
    std::string RestText() const;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A property of the reader that the input broke: says which on stderr and aborts, so that the
// fuzzer keeps the input and the replay test fails.
[[noreturn]] void Fail(std::string_view what);

} // namespace tembra::fuzz
