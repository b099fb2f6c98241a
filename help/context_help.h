#pragma once
// The context help: a title and up to 16 lines for every control of every window, found by the
// control's object name.
#include <array>
#include <string_view>

namespace volmira {

inline constexpr int kContextLineCount = 16;

struct ContextEntry {
    std::string_view title;
    std::array<std::string_view, kContextLineCount> lines{};
};

// The entry of the control `objectName` in the window `windowName`. Where two windows use one
// name for different controls, the entry is listed as "window:name" and found before the plain
// name. A numbered family of controls (`Sym1` .. `Sym55`, `Elfeld0` .. `Elfeld10`) shares the
// entry of its name without the number unless a member has one of its own. Null for names
// without an entry.
const ContextEntry* contextEntry(std::string_view objectName, std::string_view windowName = {});

}  // namespace volmira
