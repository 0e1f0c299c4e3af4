#include "game/world/CrewQueue.h"

#include <new>

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
        if (tail == nullptr) {
            head = node;
        } else {
            tail->next = node;
        }
        tail = node;
        ++total;
    }
}

void CrewQueue::KillAllCrew() {
    while (head != nullptr) {
        CrewNode* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    total = 0;
}

CrewNode* CrewQueue::GetCrewNode(int index) {
    if (index < 0 || index >= total) {
        return nullptr;
    }
    CrewNode* node = head;
    for (int i = 0; i < index; ++i) {
        node = node->next;
    }
    return node;
}

bool CrewQueue::enqueue(CrewType const& race, bool const& female) {
    if (isfull()) {
        return false;
    }
    CrewNode* node = new (std::nothrow) CrewNode;
    if (node == nullptr) {
        return false;
    }
    node->crew.SetType(race, female);
    node->next = nullptr;
    ++total;
    if (head == nullptr) {
        head = node;
    } else {
        tail->next = node;
    }
    tail = node;
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
    ++total;
    node->next = head;
    head = node;
    if (tail == nullptr) {
        tail = node;
    }
    return true;
}

bool CrewQueue::dequeue(Crew& member) {
    CrewNode* before = nullptr;
    CrewNode* node = head;
    while (node != nullptr && &node->crew != &member) {
        before = node;
        node = node->next;
    }
    if (node == nullptr) {
        return false;  // not in this list: nothing changes
    }
    if (before == nullptr) {
        head = node->next;
    } else {
        before->next = node->next;
    }
    if (node == tail) {
        tail = before;
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
    CrewNode* before = from == 0 ? nullptr : GetCrewNode(from - 1);
    CrewNode* node = before == nullptr ? head : before->next;

    // Unlink.
    if (before == nullptr) {
        head = node->next;
    } else {
        before->next = node->next;
    }
    if (node == tail) {
        tail = before;
    }
    node->next = nullptr;

    // Relink.
    if (to == 0 || (target != nullptr && target == head)) {
        node->next = head;
        head = node;
    } else if (target == nullptr) {
        tail->next = node;
        tail = node;
    } else {
        CrewNode* in = head;
        while (in->next != target) {
            in = in->next;
        }
        node->next = target;
        in->next = node;
    }
    if (node->next == nullptr) {
        tail = node;
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
