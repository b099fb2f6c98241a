#pragma once
// The folder the program file lies in: where the program keeps its networks, macro library and
// settings.
#include <filesystem>

namespace volmira {

// Without a trailing separator. Needs the application object to exist.
std::filesystem::path programFolder();

}  // namespace volmira
