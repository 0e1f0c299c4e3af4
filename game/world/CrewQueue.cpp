#include "game/world/CrewQueue.h"

#include <new>

#include "game/world/ListLinks.h"

CrewQueue::CrewQueue(int maxCrew) : maxCrew(maxCrew), head(nullptr), tail(nullptr), total(0) {}

CrewQueue::~CrewQueue() { KillAllCrew(); }

CrewQueue::CrewQueue(CrewQueue const& other)
    : maxCrew(other.maxCrew), head(nullptr), tail(nullptr), total(0) {
    AppendCopies(other);
}

CrewQueue& CrewQueue::operator=(CrewQueue const& other) {
    if (this == &other) {
        return *this;
    }
    CrewQueue copy(other);  // built first, so a failure leaves this list as it was
    KillAllCrew();
    maxCrew = copy.maxCrew;
    head = copy.head;
    tail = copy.tail;
    total = copy.total;
    copy.head = nullptr;
    copy.tail = nullptr;
    copy.total = 0;
    return *this;
}

void CrewQueue::AppendCopies(CrewQueue const& source) {
    for (CrewNode const* from = source.head; from != nullptr; from = from->next) {
        CrewNode* node = new CrewNode;
        node->crew = from->crew;
        links::Append(head, tail, node);
        ++total;
    }
}

void CrewQueue::KillAllCrew() {
    links::FreeAll(head, tail);
    total = 0;
}

CrewNode* CrewQueue::GetCrewNode(int index) { return links::At(head, total, index); }

bool CrewQueue::enqueue(CrewType const& race, bool const& female) {
    if (isfull()) {
        return false;
    }
    CrewNode* node = new (std::nothrow) CrewNode;
    if (node == nullptr) {
        return false;
    }
    node->crew.SetType(race, female);
    links::Append(head, tail, node);
    ++total;
    return true;
}

bool CrewQueue::enqueue(Crew const& member) {
    if (isfull()) {
        return false;
    }
    CrewNode* node = new (std::nothrow) CrewNode;
    if (node == nullptr) {
        return false;
    }
    node->crew = member;
    links::Push(head, tail, node);
    ++total;
    return true;
}

bool CrewQueue::dequeue(Crew& member) {
    CrewNode* node = links::Unlink(head, tail, [&member](CrewNode const& n) { return &n.crew == &member; });
    if (node == nullptr) {
        return false;  // not in this list: nothing changes
    }
    delete node;
    --total;
    return total != 0;
}

void CrewQueue::SwapNodes(int first, int second) {
    CrewNode* a = GetCrewNode(first);
    CrewNode* b = GetCrewNode(second);
    if (a == nullptr || b == nullptr || a == b) {
        return;
    }
    Crew const held = a->crew;
    a->crew = b->crew;
    b->crew = held;
}

void CrewQueue::MoveNode(int from, int to) {
    if (from < 0 || from >= total || to < 0) {
        return;
    }
    if (to == from || to == from + 1 || (to == 0 && from == 0) || (to >= total && from == total - 1)) {
        return;  // already there
    }
    CrewNode* target = to >= 1 && to < total ? GetCrewNode(to) : nullptr;  // the node to stand in front of
    CrewNode* moving = GetCrewNode(from);
    CrewNode* node = links::Unlink(head, tail, [moving](CrewNode const& n) { return &n == moving; });
    if (to == 0) {
        links::Push(head, tail, node);
    } else if (target == nullptr) {
        links::Append(head, tail, node);
    } else {
        // In front of the target. It is never the head here: a target behind
        // the moving node stood at index 2 or more, one in front of it at 1
        // or more, so a node precedes it after the unlink.
        CrewNode* in = head;
        while (in->next != target) {
            in = in->next;
        }
        node->next = target;
        in->next = node;
    }
}

void CrewQueue::UnloadCrew(CrewQueue* other) {
    if (other == nullptr || other == this) {
        return;
    }
    int const count = total;
    for (int k = count - 1; k >= 2; --k) {
        CrewNode* node = GetCrewNode(k);
        if (node != nullptr && other->enqueue(node->crew)) {
            dequeue(node->crew);
        }
    }
}
