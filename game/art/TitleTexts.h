// The texts of the title menu's family of screens: the credits panel, the end
// credits, the back story and the instructions. Each is returned as code page
// 437 bytes.
#pragma once

#include <string>
#include <vector>

inline constexpr int kCreditsPanelLines = 9;
inline constexpr int kCreditsPanelWidth = 35;
inline constexpr int kEndCreditsEntries = 9;
inline constexpr int kBackStoryLines = 18;
inline constexpr int kInstructionLines = 6;

// Nine lines of 35 characters: a role at the left, a name at the right.
std::vector<std::string> const& CreditsPanelLines();

struct CreditEntry {
    std::string role;
    std::string name;
};
// The end credits: nine roles, each with the names under it.
std::vector<CreditEntry> const& EndCredits();

// Eighteen lines of story for rows 6 to 23; line 6 (row 12) is blank and line
// 7 (row 13) is the one shown in yellow.
std::vector<std::string> const& BackStoryLines();
inline constexpr int kBackStoryHighlightedLine = 7;

std::vector<std::string> const& InstructionLines();
