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
    for (;;) {
        con::KeyRecord record;
        KeyRead const read = ReadKeyRecord(hIn, record);
        if (read == KeyRead::Lost) {
            return false;  // no console to answer from: the careful answer
        }
        con::FlushConsoleInputBuffer(hIn);
        if (read != KeyRead::Press) {
            continue;
        }
        if (record.virtualKey == con::VK_LEFT || record.virtualKey == con::VK_RIGHT) {
            yes = !yes;
            PaintAnswers(x, y, yes);
            continue;
        }
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
