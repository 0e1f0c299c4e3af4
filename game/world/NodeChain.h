// The links every hand-written list of the game shares: a singly linked chain of nodes with its
// head, tail and count kept together, so each list walks, links and frees its nodes the same way
// and an emptied list always has a null head and tail and a count of 0. A node is any struct with
// a `next` pointer; the chain owns its nodes. Copies are deep: no two chains share a node.
#pragma once

#include <memory>
#include <new>

template <class Node>
class NodeChain {
public:
    NodeChain() = default;
    ~NodeChain() { Clear(); }
    // Delegates to the default constructor, so the nodes copied so far are freed should a copy fail.
    NodeChain(NodeChain const& other) : NodeChain() {
        for (Node const* from = other.head; from != nullptr; from = from->next) {
            LinkAfter(tail, std::make_unique<Node>(*from).release());
        }
    }
    // Builds the copy first, so a failure leaves this chain as it was. Safe on itself.
    NodeChain& operator=(NodeChain const& other) {
        if (this != &other) {
            NodeChain copy(other);
            Clear();
            TakeAll(copy);
        }
        return *this;
    }

    // The node n links from the head; null outside the chain. Every access walks from the head.
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

    int Count() const { return count; }

    // A new, default-built node linked at the tail, at the head, or in front of the first node
    // `before` accepts (at the tail when it accepts none). Null, with nothing changed, when memory
    // runs out: the lists report that as a refused enqueue.
    Node* NewAtTail() { return LinkNew(tail); }
    Node* NewAtHead() { return LinkNew(nullptr); }
    template <class Before>
    Node* NewBefore(Before before) {
        return LinkNew(NodeBefore(before));
    }

    // Links a node taken out of this chain in front of the first node `before` accepts, or at the
    // tail when it accepts none. A null node changes nothing.
    template <class Before>
    void InsertBefore(std::unique_ptr<Node> node, Before before) {
        if (node != nullptr) {
            LinkAfter(NodeBefore(before), node.release());
        }
    }

    // Unlinks the first node `match` accepts and hands it over (dropping it frees it); null, with
    // nothing changed, when none matches.
    template <class Match>
    std::unique_ptr<Node> UnlinkIf(Match match) {
        return UnlinkAfter(NodeBefore(match));  // behind the tail there is nothing to unlink
    }
    // That very node; null for a node of another chain (or null).
    std::unique_ptr<Node> Unlink(Node const* node) {
        return UnlinkIf([node](Node const& candidate) { return &candidate == node; });
    }
    // Frees the first node `match` accepts. The lists' answer to a removal: true while nodes
    // remain, false when the chain is now empty or none matched (then nothing changes).
    template <class Match>
    bool RemoveIf(Match match) {
        return UnlinkIf(match) != nullptr && count != 0;
    }
    // The first node; null when the chain is empty.
    std::unique_ptr<Node> TakeHead() { return UnlinkAfter(nullptr); }

    // Moves every node of `other` to the end of this chain, leaving `other` empty.
    void TakeAll(NodeChain& other) {
        if (&other == this || other.head == nullptr) {
            return;
        }
        (tail == nullptr ? head : tail->next) = other.head;
        tail = other.tail;
        count += other.count;
        other.head = nullptr;
        other.tail = nullptr;
        other.count = 0;
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

private:
    // The node in front of the first node `match` accepts: null when that is the head, the tail
    // when it accepts none.
    template <class Match>
    Node* NodeBefore(Match match) const {
        Node* previous = nullptr;
        for (Node* node = head; node != nullptr && !match(*node); node = node->next) {
            previous = node;
        }
        return previous;
    }

    Node* LinkNew(Node* previous) {
        Node* node = new (std::nothrow) Node;
        if (node != nullptr) {
            LinkAfter(previous, node);
        }
        return node;
    }

    // Links the node behind `previous`, or at the head when `previous` is null.
    void LinkAfter(Node* previous, Node* node) {
        Node*& link = previous == nullptr ? head : previous->next;
        node->next = link;
        link = node;
        if (previous == tail) {
            tail = node;
        }
        ++count;
    }

    // Unlinks the node behind `previous` (the head when `previous` is null); null when there is none.
    std::unique_ptr<Node> UnlinkAfter(Node* previous) {
        Node*& link = previous == nullptr ? head : previous->next;
        Node* node = link;
        if (node == nullptr) {
            return nullptr;
        }
        link = node->next;
        if (node == tail) {
            tail = previous;
        }
        node->next = nullptr;
        --count;
        return std::unique_ptr<Node>(node);
    }

    Node* head = nullptr;
    Node* tail = nullptr;
    int count = 0;
};
