#include "game/world/CrewQueue.h"

bool CrewQueue::enqueue(CrewType const& race, bool const& female) {
    CrewNode* node = isfull() ? nullptr : chain.NewAtTail();
    if (node == nullptr) {
        return false;
    }
    node->crew.SetType(race, female);
    return true;
}

bool CrewQueue::enqueue(Crew const& member) {
    CrewNode* node = isfull() ? nullptr : chain.NewAtHead();
    if (node == nullptr) {
        return false;
    }
    node->crew = member;
    return true;
}

bool CrewQueue::dequeue(Crew& member) {
    return chain.RemoveIf([&member](CrewNode const& node) { return &node.crew == &member; });
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
    int const total = chain.Count();
    if (from < 0 || from >= total || to < 0) {
        return;
    }
    if (to == from || to == from + 1 || (to >= total && from == total - 1)) {
        return;  // already there
    }
    // The node to stand in front of; past the end there is none, and the
    // member goes to the tail.
    CrewNode const* target = GetCrewNode(to);
    chain.InsertBefore(chain.Unlink(GetCrewNode(from)),
                       [target](CrewNode const& node) { return &node == target; });
}

void CrewQueue::UnloadCrew(CrewQueue* other) {
    if (other == nullptr || other == this) {
        return;
    }
    int const count = chain.Count();
    for (int k = count - 1; k >= 2; --k) {
        CrewNode* node = GetCrewNode(k);
        if (node != nullptr && other->enqueue(node->crew)) {
            dequeue(node->crew);
        }
    }
}
