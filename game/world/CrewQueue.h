// A list of crew members: the mothership's crew, a bunker's, a craft's, a
// capsule's. New members of a race join at the tail, copies of existing ones
// at the head; members are addressed by their index from the head and removed
// by identity. No two lists share a node: copies are deep.
#pragma once

#include "game/world/Crew.h"
#include "game/world/NodeChain.h"

struct CrewNode {
    Crew crew;
    CrewNode* next = nullptr;
};

class CrewQueue {
public:
    explicit CrewQueue(int maxCrew) : maxCrew(maxCrew) {}
    CrewQueue(CrewQueue const& other) = default;
    // Replaces the members with copies of the other list's, and takes its
    // maximum. Safe on itself.
    CrewQueue& operator=(CrewQueue const& other) = default;

    // Members already above a lower maximum stay.
    void SetMaxCrew(int newMax) { maxCrew = newMax; }
    int GetMaxCrew() const { return maxCrew; }
    int GetTotal() const { return chain.Count(); }
    bool isfull() const { return chain.Count() > maxCrew - 1; }
    void KillAllCrew() { chain.Clear(); }

    // The node at that index from the head; null outside the list.
    CrewNode* GetCrewNode(int index) { return chain.At(index); }

    // A new member of that race and sex at the tail; false when full.
    bool enqueue(CrewType const& race, bool const& female);
    // A copy of an existing member at the head; false when full.
    bool enqueue(Crew const& member);
    // Removes the node holding that very member (found by address). Returns
    // whether members remain; a member not in this list changes nothing and
    // gives false.
    bool dequeue(Crew& member);

    // Exchanges the members at two indices (the nodes stay in place).
    // Indices outside the list do nothing.
    void SwapNodes(int first, int second);
    // Moves the member at index `from` to the head (to 0), to the end (to
    // GetTotal() or beyond), or in front of the member that is at index `to`
    // before the move. An index outside the list (or a negative `to`) does
    // nothing.
    void MoveNode(int from, int to);
    // Moves every member but the first two into the other list, from the last
    // one up, as far as the other list has room. They arrive at its head in
    // the order they had here.
    void UnloadCrew(CrewQueue* other);

private:
    // Before the maximum, so an assignment whose copy fails changes neither.
    NodeChain<CrewNode> chain;
    int maxCrew;
};
