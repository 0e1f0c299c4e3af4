#include "game/world/BombQueue.h"

#include <new>

#include "game/world/ListLinks.h"

BombQueue::BombQueue() : head(nullptr), tail(nullptr), count(0) {}

BombQueue::~BombQueue() { KillAllBombs(); }

BombQueue::BombQueue(BombQueue const& other) : BombQueue() {
    for (BombNode const* from = other.head; from != nullptr; from = from->next) {
        links::Append(head, tail, new BombNode{from->bomb, nullptr});
        ++count;
    }
}

BombQueue& BombQueue::operator=(BombQueue const& other) {
    if (this != &other) {
        BombQueue copy(other);
        KillAllBombs();
        TakeBombs(copy);
    }
    return *this;
}

bool BombQueue::enqueue(Bomb const& bomb, int const& room) {
    if (room < kBombCargo) {
        return false;
    }
    BombNode* node = new (std::nothrow) BombNode{bomb, nullptr};
    if (node == nullptr) {
        return false;
    }
    links::Append(head, tail, node);
    ++count;
    return true;
}

bool BombQueue::dequeue(Bomb& bomb) {
    if (head == nullptr) {
        return false;
    }
    BombNode* node = head;
    bomb = node->bomb;
    head = node->next;
    if (head == nullptr) {
        tail = nullptr;
    }
    delete node;
    --count;
    return true;
}

BombNode* BombQueue::GetNode(int index) { return links::At(head, count, index); }

void BombQueue::KillAllBombs() {
    links::FreeAll(head, tail);
    count = 0;
}

void BombQueue::TakeBombs(BombQueue& other) {
    if (&other == this || other.head == nullptr) {
        return;
    }
    if (tail == nullptr) {
        head = other.head;
    } else {
        tail->next = other.head;
    }
    tail = other.tail;
    count += other.count;
    other.head = nullptr;
    other.tail = nullptr;
    other.count = 0;
}
