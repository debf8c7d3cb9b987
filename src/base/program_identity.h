#pragma once
// The program's identifiers.

namespace zt6 {

inline constexpr const char* kProgramTitle = "ZT6";
inline constexpr const char* kProgramLowerName = "zt6";
inline constexpr const char* kProjectExtension = "zt6";
inline constexpr const char* kProgramVersion = "1.5";
inline constexpr const char* kExecutableName = "wzt6";

}  // namespace zt6
