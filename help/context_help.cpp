#include "help/context_help.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "help/context_text.h"

namespace volmira {

namespace {

using NameIndex = std::vector<std::pair<std::string_view, const ContextEntry*>>;

// Every listed name with its entry, sorted by name.
NameIndex buildIndex() {
    NameIndex index;
    for (const ContextTopic& topic : contextTopics()) {
        std::string_view names = topic.names;
        while (!names.empty()) {
            const std::size_t end = std::min(names.find(' '), names.size());
            if (end > 0) index.emplace_back(names.substr(0, end), &topic.entry);
            names.remove_prefix(std::min(end + 1, names.size()));
        }
    }
    std::sort(index.begin(), index.end());
    return index;
}

const ContextEntry* exactEntry(std::string_view name) {
    static const NameIndex index = buildIndex();
    const auto found =
        std::lower_bound(index.begin(), index.end(), name,
                         [](const auto& entry, std::string_view key) { return entry.first < key; });
    return found != index.end() && found->first == name ? found->second : nullptr;
}

}  // namespace

const ContextEntry* contextEntry(std::string_view objectName, std::string_view windowName) {
    if (objectName.empty()) return nullptr;
    if (!windowName.empty()) {
        const std::string qualified = std::string(windowName) + ':' + std::string(objectName);
        if (const ContextEntry* entry = exactEntry(qualified)) return entry;
    }
    if (const ContextEntry* entry = exactEntry(objectName)) return entry;
    const std::size_t last = objectName.find_last_not_of("0123456789");
    if (last == std::string_view::npos || last + 1 == objectName.size()) return nullptr;
    return exactEntry(objectName.substr(0, last + 1));
}

}  // namespace volmira
