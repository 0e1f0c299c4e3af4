#include "game/world/MessageQueue.h"

#include "game/ui/GuiFunctions.h"

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

MessageNode* MessageQueue::GetNode(int n) {
    if (n < 0 || n >= count) {
        return nullptr;
    }
    MessageNode* node = head;
    for (int i = 0; i < n; ++i) {
        node = node->next;
    }
    return node;
}

bool MessageQueue::Remove(MessageNode* node) {
    if (head == nullptr || node == nullptr) {
        return false;
    }
    if (node == head) {
        head = node->next;
    } else {
        MessageNode* before = head;
        while (before->next != nullptr && before->next != node) {
            before = before->next;
        }
        if (before->next == nullptr) {
            return false;  // not one of ours
        }
        before->next = node->next;
    }
    delete node;
    --count;
    return count != 0;
}

void MessageQueue::KillAllMessages() {
    while (head != nullptr) {
        MessageNode* next = head->next;
        delete head;
        head = next;
    }
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
