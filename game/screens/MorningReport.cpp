#include "game/screens/MorningReport.h"

#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr ColorCode kWhite = 15;
constexpr ColorCode kCount = 14;

// The rows the messages of a page take, from the first message's row to the
// page arrows' row (a long message wraps onto a third row), and the columns
// between the side margins.
constexpr int kAreaTop = 4;
constexpr int kAreaBottom = 21;
constexpr int kAreaLeft = 2;
constexpr int kAreaWidth = 76;

// A short message leaves the rows below it alone, so a page is drawn on a
// clean area, or lines of the page before would show through.
void ShowCleanPage(MessageQueue* messages, int first) {
    for (int row = kAreaTop; row <= kAreaBottom; ++row) {
        PrintPadded("", kAreaLeft, row, kWhite, kAreaWidth);
    }
    messages->ShowPage(first);
}

void Greet(int total) {
    PrintAt("Corolla says, 'Good Morning captain, I have ", 2, 2, kWhite);
    // The count and the rest follow where the greeting ended.
    SetColor(kCount);
    con::Out() << total;
    SetColor(kWhite);
    con::Out() << (total == 1 ? " message for you.' " : " messages for you.' ");
}

}  // namespace

void MorningMessages(con::Handle /*hOut*/, con::Handle hIn) {
    MessageQueue* messages = Globals::GetMessages();
    int const total = messages->GetTotal();
    int first = 0;

    // Cleared in white on black, whatever colour the screen before left set.
    ClearInWhite();
    Greet(total);
    ShowCleanPage(messages, first);

    // Keys are taken one by one as they come, so two Spaces pressed together
    // turn two pages.
    bool reading = true;
    while (reading) {
        con::KeyRecord const record = NextKeyPress(hIn);
        switch (record.virtualKey) {
            case con::VK_BACK:
            case con::VK_LEFT:
                if (first >= MessageQueue::kPerPage) {
                    first -= MessageQueue::kPerPage;
                    ShowCleanPage(messages, first);
                }
                break;
            case con::VK_SPACE:
            case con::VK_RIGHT:
                if (first < total - MessageQueue::kPerPage) {
                    first += MessageQueue::kPerPage;
                }
                ShowCleanPage(messages, first);
                break;
            case con::VK_ESCAPE: reading = false; break;
            default: break;
        }
    }
    messages->KillAllMessages();
}
