#pragma once
// The texts of the context help, each with the object names of the controls it explains.
#include <span>
#include <string_view>

#include "help/context_help.h"

namespace volmira {

struct ContextTopic {
    std::string_view names;  // object names separated by blanks
    ContextEntry entry;
};

std::span<const ContextTopic> contextTopics();

}  // namespace volmira
