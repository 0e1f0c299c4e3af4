#include "game/world/MessageQueue.h"

#include "game/ui/GuiFunctions.h"

namespace {

constexpr int kFirstRow = 4;
constexpr int kRowsPerMessage = 3;
constexpr int kColumn = 3;
constexpr int kBlankWidth = 72;

}  // namespace

void MessageQueue::enqueue(char const* const text, int type) {
    // In front of the first message of a lower type: after every one of an
    // equal or higher type.
    MessageNode* node =
        chain.NewBefore([type](MessageNode const& at) { return at.message.GetType() < type; });
    if (node != nullptr) {
        node->message.SetType(type);
        node->message.SetText(text);
    }
}

void MessageQueue::ShowPage(int first) {
    int const count = GetTotal();
    int const last = first + kPerPage;
    int shown = 0;
    for (int i = first; i < last && i < count; ++i, ++shown) {
        if (MessageNode* node = GetNode(i)) {
            node->message.Print(kColumn, kFirstRow + kRowsPerMessage * shown);
        }
    }
    if (count > kPerPage && last > count) {
        // A last, partial page: wipe what an earlier page left in the places
        // that follow its messages, as many as the last page leaves empty, and
        // never past the page's six places.
        int const empty = kPerPage - count % kPerPage;
        for (int place = shown; place < shown + empty && place < kPerPage; ++place) {
            int const row = kFirstRow + kRowsPerMessage * place;
            PrintPadded("", kColumn, row, 15, kBlankWidth);
            PrintPadded("", kColumn, row + 1, 15, kBlankWidth);
        }
    }
    PrintAt(last < count ? static_cast<char>(16) : ' ', 71, 21, 15);
    PrintAt(first > 0 ? static_cast<char>(17) : ' ', 3, 21, 15);
    PrintAt("Press ESCAPE to exit, or SPACE to see next page or use L/R keys", 2, 22, 15);
}
