#include "game/ui/YesNoPrompt.h"

#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"

namespace {

constexpr int kHighlight = 240;
constexpr int kPlain = 15;
constexpr int kNoOffset = 6;

void PaintAnswers(int x, int y, bool yesHighlighted) {
    PrintAt(" Yes ", x, y, yesHighlighted ? kHighlight : kPlain);
    PrintAt(" No ", x + kNoOffset, y, yesHighlighted ? kPlain : kHighlight);
}

}  // namespace

bool AskYesNo(con::Handle hIn, int x, int y) {
    bool yes = false;
    PaintAnswers(x, y, yes);
    // A key that answers leaves whatever was typed behind it for the screen
    // that asked; every other record is followed by a flush.
    for (;;) {
        con::KeyRecord record;
        KeyRead const read = ReadKeyRecord(hIn, record);
        if (read == KeyRead::Lost) {
            return false;  // no console to answer from: the careful answer
        }
        if (read == KeyRead::Press) {
            if (record.virtualKey == con::VK_LEFT || record.virtualKey == con::VK_RIGHT) {
                yes = !yes;
                PaintAnswers(x, y, yes);
            } else {
                switch (record.character) {
                    case '\r': return yes;
                    case 'Y':
                    case 'y': return true;
                    case 'N':
                    case 'n': return false;
                    default: break;
                }
            }
        }
        con::FlushConsoleInputBuffer(hIn);
    }
}
