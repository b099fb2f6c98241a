#pragma once
// The 184 lines of the topic help, each led by its style digit: "1" title, "2" first line of a
// paragraph, "0" continuation.
#include <array>
#include <string_view>

#include "help/help_pages.h"

namespace volmira {

extern const std::array<std::string_view, kTopicLineCount> kTopicText;

}  // namespace volmira
