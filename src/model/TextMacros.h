// The macros that event and term texts may hold, in CP932: the date of the object, its
// duration counted in calendar days or working days (and hours), and the chart's file name.
// The event painter and the process label painter expand them by the same names.
#pragma once

#include <string_view>

namespace tembra {

inline constexpr std::string_view kMacroDate = "$\x93\xfa\x8e\x9e$";       // $日時$
inline constexpr std::string_view kMacroDateFormat = "$\x93\xfa\x8e\x9e{"; // $日時{
inline constexpr std::string_view kMacroFormatEnd = "}$";
inline constexpr std::string_view kMacroNobeDays = "$\x89\x84$";          // $延$
inline constexpr std::string_view kMacroNobeHours = "$\x89\x84\x8e\x9e$"; // $延時$
inline constexpr std::string_view kMacroWorkDays = "$\x8e\xc0$";          // $実$
inline constexpr std::string_view kMacroWorkHours = "$\x8e\xc0\x8e\x9e$"; // $実時$
inline constexpr std::string_view kMacroFileName = "$F$";

} // namespace tembra
