#include "model/ConfigKeys.h"

#include "platform/NumberText.h"

#include "model/AppColors.h"
#include "model/AttrBlocks.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace tembra {

namespace {

constexpr const char* kHeightKey = "FontHeigh";
constexpr const char* kWidthKey = "FontWidth";

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

bool WriteText(std::string_view section, const char* key, const std::string& value) {
    return WriteProfileString(section, key, value.c_str()) != FALSE;
}

bool WriteInt(std::string_view section, const char* key, int value) {
    return WriteProfileInt(section, key, value) != FALSE;
}

} // namespace

std::string FormatProfileColor(COLORREF color) {
    return std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color));
}

BOOL ScanProfileColor(std::string_view text, COLORREF& color) {
    int rgb[3] = {};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') {
                return FALSE;
            }
            ++pos;
        }
        const std::optional<int> value = NumberText::ScanInt(text, pos);
        if (!value) {
            return FALSE;
        }
        // Out of the int range a component saturates; only its low byte matters to a colour.
        rgb[i] = *value;
    }
    color = RGB(rgb[0], rgb[1], rgb[2]);
    return TRUE;
}

std::string IndexedKey(std::string_view name, int i) {
    return std::string(name) + std::to_string(i);
}

std::string IndexedKey(std::string_view name, int i, int j) {
    return std::string(name) + std::to_string(i) + "-" + std::to_string(j);
}

// ---- ConfigKey --------------------------------------------------------------------------------

ConfigKey ConfigKey::Int(const char* key, LONG& field, LONG builtIn) {
    return ConfigKey(key, &field, builtIn);
}

ConfigKey ConfigKey::Word(const char* key, WORD& field, WORD builtIn) {
    return ConfigKey(key, &field, builtIn);
}

ConfigKey ConfigKey::Short(const char* key, short& field, short builtIn) {
    return ConfigKey(key, &field, builtIn);
}

ConfigKey ConfigKey::Color(const char* key, COLORREF& field, COLORREF builtIn) {
    return ConfigKey(key, &field, builtIn);
}

ConfigKey ConfigKey::Text(const char* key, std::string& field, std::string builtIn) {
    ConfigKey row(key, &field, 0);
    row.m_builtInText = std::move(builtIn);
    return row;
}

ConfigKey ConfigKey::Size(WORD& height, WORD& width, WORD builtInHeight, WORD builtInWidth) {
    return ConfigKey(kHeightKey, SizeWords{&height, &width}, builtInHeight, builtInWidth);
}

ConfigKey&& ConfigKey::AtLeast(long long min, long long replacement) && {
    m_min = min;
    m_belowMin = replacement;
    return std::move(*this);
}

ConfigKey&& ConfigKey::AtMost(long long max) && {
    m_max = max;
    return std::move(*this);
}

ConfigKey&& ConfigKey::Capacity(std::size_t bytes) && {
    m_capacity = bytes;
    return std::move(*this);
}

ConfigKey&& ConfigKey::AppColor(int slot) && {
    m_appColor = slot >= 0 && slot < kAppColorCount ? slot : -1;
    return std::move(*this);
}

ConfigKey&& ConfigKey::ReadBy(std::function<void()> read) && {
    m_readBy = std::move(read);
    return std::move(*this);
}

long long ConfigKey::Limit(long long value) const {
    if (m_min && value < *m_min) {
        return m_belowMin;
    }
    if (m_max && value > *m_max) {
        return *m_max;
    }
    return value;
}

void ConfigKey::Reset() const {
    std::visit(Overloaded{
                   [this](COLORREF* f) { *f = static_cast<COLORREF>(m_builtIn); },
                   [this](std::string* f) { *f = m_builtInText; },
                   [this](SizeWords f) {
                       *f.height = static_cast<WORD>(m_builtIn);
                       *f.width = static_cast<WORD>(m_builtIn2);
                   },
                   [this]<class T>(T* f) { *f = static_cast<T>(m_builtIn); },
               },
               m_field);
}

void ConfigKey::Read(std::string_view section) const {
    if (m_key == nullptr) {
        return;
    }
    if (m_readBy) {
        m_readBy();
        return;
    }
    std::visit(Overloaded{
                   [&](COLORREF* f) {
                       const std::string text =
                           GetProfileString(section, m_key, FormatProfileColor(*f));
                       ScanProfileColor(text, *f);
                       if (m_appColor >= 0) {
                           AppCurrentColors()[static_cast<std::size_t>(m_appColor)] = *f;
                       }
                   },
                   [&](std::string* f) {
                       *f = GetProfileString(section, m_key, *f);
                       if (m_capacity > 0) {
                           *f = Sjis::Cut(*f, m_capacity);
                       }
                   },
                   [&](SizeWords f) {
                       const UINT h = GetProfileInt(section, kHeightKey, *f.height);
                       const UINT w = GetProfileInt(section, kWidthKey, *f.width);
                       const auto packed = static_cast<WORD>((h << 8) | (w & 0xFF));
                       *f.height = static_cast<WORD>(packed >> 8);
                       *f.width = static_cast<WORD>(packed & 0xFF);
                   },
                   [&]<class T>(T* f) {
                       const auto value = static_cast<T>(GetProfileInt(section, m_key, *f));
                       *f = static_cast<T>(Limit(value));
                   },
               },
               m_field);
}

bool ConfigKey::Write(std::string_view section) const {
    if (m_key == nullptr) {
        return true;
    }
    return std::visit(
        Overloaded{
            [&](COLORREF* f) { return WriteText(section, m_key, FormatProfileColor(*f)); },
            [&](std::string* f) { return WriteText(section, m_key, *f); },
            [&](SizeWords f) {
                const bool height = WriteInt(section, kHeightKey, *f.height);
                const bool width = WriteInt(section, kWidthKey, *f.width);
                return height && width;
            },
            // Unsigned fields go out zero-extended, signed ones sign-extended.
            [&]<class T>(T* f) { return WriteInt(section, m_key, static_cast<int>(*f)); },
        },
        m_field);
}

// ---- Tables -----------------------------------------------------------------------------------

void ResetKeys(const ConfigKeyTable& keys) {
    for (const ConfigKey& key : keys) {
        key.Reset();
    }
}

void ReadKeys(std::string_view section, const ConfigKeyTable& keys) {
    for (const ConfigKey& key : keys) {
        key.Read(section);
    }
}

bool WriteKeys(std::string_view section, const ConfigKeyTable& keys) {
    bool ok = true;
    for (const ConfigKey& key : keys) {
        ok = key.Write(section) && ok;
    }
    return ok;
}

BOOL ReadPartKeys(std::string_view section, const ConfigKeyTable& keys, BOOL fromProfile) {
    ResetKeys(keys);
    if (fromProfile != FALSE) {
        ReadKeys(section, keys);
    }
    return TRUE;
}

BOOL WritePartKeys(std::string_view section, const ConfigKeyTable& keys) {
    return WriteKeys(section, keys) ? TRUE : FALSE;
}

ConfigKeyTable WidthKeys(CWidthSet& widths) {
    static constexpr const char* kKeys[CWidthSet::kCount] = {"NormalWidth", "ThinWidth",
                                                             "BoldWidth"};
    ConfigKeyTable keys;
    for (std::size_t i = 0; i < CWidthSet::kCount; ++i) {
        keys.push_back(ConfigKey::Word(kKeys[i], widths.m_width[i], CWidthSet::kBuiltIn[i]));
    }
    return keys;
}

} // namespace tembra
