// The program's own help: one topic for every help context number that the
// windows and menus carry, as plain text, shown where no Windows help
// engine can open the help file.
#pragma once

#include <span>
#include <string_view>

#include "help/HelpContexts.h"

namespace rytmalo {

struct HelpTopic {
    int context;
    std::wstring_view title;
    // Paragraphs separated by blank lines.
    std::wstring_view text;
};

std::span<const HelpTopic> HelpTopics();
// The topic of a context number, or nullptr.
const HelpTopic* FindHelpTopic(int context);

}  // namespace rytmalo
