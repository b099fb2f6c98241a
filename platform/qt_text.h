#pragma once
// The core's UTF-8 texts and paths as the toolkit's strings.
#include <QString>
#include <filesystem>
#include <string_view>

namespace volmira {

inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace volmira
