// The link work every hand-written list of the game shares: walking to an
// index, appending, pushing, unlinking and freeing nodes. A node is any struct
// with a `next` pointer; the list keeps its own head, tail and count.
#pragma once

namespace links {

// The node `index` links from the head; null outside 0 .. count - 1.
template <typename Node>
Node* At(Node* head, int count, int index) {
    if (index < 0 || index >= count) {
        return nullptr;
    }
    Node* node = head;
    for (int i = 0; i < index && node != nullptr; ++i) {
        node = node->next;
    }
    return node;
}

template <typename Node>
void Append(Node*& head, Node*& tail, Node* node) {
    node->next = nullptr;
    if (tail == nullptr) {
        head = node;
    } else {
        tail->next = node;
    }
    tail = node;
}

template <typename Node>
void Push(Node*& head, Node*& tail, Node* node) {
    node->next = head;
    head = node;
    if (tail == nullptr) {
        tail = node;
    }
}

// Unlinks the first node that `match` accepts and returns it (the caller frees
// it); null, with nothing changed, when no node matches. The tail follows.
template <typename Node, typename Match>
Node* Unlink(Node*& head, Node*& tail, Match match) {
    Node* before = nullptr;
    Node* node = head;
    while (node != nullptr && !match(*node)) {
        before = node;
        node = node->next;
    }
    if (node == nullptr) {
        return nullptr;
    }
    if (before == nullptr) {
        head = node->next;
    } else {
        before->next = node->next;
    }
    if (node == tail) {
        tail = before;
    }
    node->next = nullptr;
    return node;
}

// Frees every node from the head; head and tail end null.
template <typename Node>
void FreeAll(Node*& head, Node*& tail) {
    while (head != nullptr) {
        Node* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
}

}  // namespace links
