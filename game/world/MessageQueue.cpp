#include "game/world/MessageQueue.h"

#include "game/ui/GuiFunctions.h"
#include "game/world/ListLinks.h"

namespace {

constexpr int kFirstRow = 4;
constexpr int kRowsPerMessage = 3;
constexpr int kColumn = 3;
constexpr int kBlankWidth = 72;

}  // namespace

MessageQueue::MessageQueue() : head(nullptr), count(0) {}

MessageQueue::~MessageQueue() { KillAllMessages(); }

void MessageQueue::enqueue(char const* const text, int type) {
    MessageNode* node = new MessageNode;
    node->message.SetType(type);
    node->message.SetText(text);
    node->next = nullptr;
    ++count;
    if (head == nullptr) {
        head = node;
    } else if (head->message.GetType() < type) {
        node->next = head;
        head = node;
    } else {
        MessageNode* at = head;
        while (at->next != nullptr && type <= at->next->message.GetType()) {
            at = at->next;
        }
        node->next = at->next;
        at->next = node;
    }
}

MessageNode* MessageQueue::GetNode(int n) { return links::At(head, count, n); }

bool MessageQueue::Remove(MessageNode* node) {
    MessageNode* tail = nullptr;  // the queue keeps none; the unlink needs one to follow
    for (MessageNode* last = head; last != nullptr; last = last->next) {
        tail = last;
    }
    if (node == nullptr ||
        links::Unlink(head, tail, [node](MessageNode const& n) { return &n == node; }) == nullptr) {
        return false;  // an empty queue, or not one of ours: nothing changes
    }
    delete node;
    --count;
    return count != 0;
}

void MessageQueue::KillAllMessages() {
    MessageNode* tail = nullptr;
    links::FreeAll(head, tail);
    count = 0;
}

void MessageQueue::ShowPage(int first) {
    int const last = first + kPerPage;
    int shown = 0;
    for (int i = first; i < last && i < count; ++i, ++shown) {
        if (MessageNode* node = GetNode(i)) {
            node->message.Print(kColumn, kFirstRow + kRowsPerMessage * shown);
        }
    }
    if (count > kPerPage && last > count) {
        // A last, partial page: wipe what an earlier page left in the places
        // below its messages.
        for (int place = shown; place < kPerPage; ++place) {
            int const row = kFirstRow + kRowsPerMessage * place;
            PrintPadded("", kColumn, row, 15, kBlankWidth);
            PrintPadded("", kColumn, row + 1, 15, kBlankWidth);
        }
    }
    PrintAt(last < count ? static_cast<char>(16) : ' ', 71, 21, 15);
    PrintAt(first > 0 ? static_cast<char>(17) : ' ', 3, 21, 15);
    PrintAt("Press ESCAPE to exit, or SPACE to see next page or use L/R keys", 2, 22, 15);
}
