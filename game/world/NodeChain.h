// The links of a singly linked list that appends at its tail and gives out from its head: head,
// tail and count kept together, so every list that works this way keeps a valid tail when emptied.
#pragma once

template <class Node>
class NodeChain {
public:
    NodeChain() = default;
    ~NodeChain() { Clear(); }
    NodeChain(NodeChain const&) = delete;
    NodeChain& operator=(NodeChain const&) = delete;

    // Links a newly allocated node at the tail and owns it from then on.
    void Append(Node* node) {
        node->next = nullptr;
        if (tail == nullptr) {
            head = node;
        } else {
            tail->next = node;
        }
        tail = node;
        ++count;
    }

    // Unlinks the first node and hands it to the caller; null when empty.
    Node* TakeHead() {
        Node* node = head;
        if (node == nullptr) {
            return nullptr;
        }
        head = node->next;
        if (head == nullptr) {
            tail = nullptr;
        }
        node->next = nullptr;
        --count;
        return node;
    }

    // The node n links from the head; null outside the list.
    Node* At(int n) const {
        if (n < 0 || n >= count) {
            return nullptr;
        }
        Node* node = head;
        for (int i = 0; i < n; ++i) {
            node = node->next;
        }
        return node;
    }

    void Clear() {
        while (head != nullptr) {
            Node* next = head->next;
            delete head;
            head = next;
        }
        tail = nullptr;
        count = 0;
    }

    int Count() const { return count; }

private:
    Node* head = nullptr;
    Node* tail = nullptr;
    int count = 0;
};
