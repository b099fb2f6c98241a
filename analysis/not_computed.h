#pragma once
// The marker of a value that has not been computed, shared by the curve store and the value
// picker (where it marks a free place). One definition, so both headers can meet in one file.
namespace volmira {

inline constexpr double NotComputed = -1.0e275;

}  // namespace volmira
