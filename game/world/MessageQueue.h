// The captain's messages of the day, kept in descending type order: a new
// message goes after every message of equal or higher type, so messages of one
// type stay in the order they were posted. The morning report shows them six
// to a page and then empties the queue.
#pragma once

#include "game/world/Message.h"
#include "game/world/NodeChain.h"

struct MessageNode {
    MessageNode() = default;
    ~MessageNode() = default;

    Message message;
    MessageNode* next = nullptr;
};

class MessageQueue {
public:
    static constexpr int kPerPage = 6;

    MessageQueue() = default;
    MessageQueue(MessageQueue const&) = delete;
    MessageQueue& operator=(MessageQueue const&) = delete;

    // Posts a copy of the text (cut to 149 characters) with that type.
    void enqueue(char const* const text, int type);
    int GetTotal() const { return chain.Count(); }
    // The node n links from the head; null when n is outside the queue.
    MessageNode* GetNode(int n) { return chain.At(n); }
    // Unlinks and frees that node. Returns true while messages remain; a node
    // that is not in the queue changes nothing and gives false.
    bool Remove(MessageNode* node) {
        return chain.RemoveIf([node](MessageNode const& candidate) { return &candidate == node; });
    }
    void KillAllMessages() { chain.Clear(); }

    // Draws the messages `first` to `first` + 5 on rows 4, 7, ..., 19 from
    // column 3, blanks the unused places of a last partial page, then the page
    // arrows on row 21 and the footer on row 22. The caller clears the screen.
    void ShowPage(int first);

private:
    NodeChain<MessageNode> chain;
};
