#include "game/world/GameRandom.h"

#include <cstdlib>
#include <ctime>
#include <deque>

namespace {

struct RandState {
    std::deque<int> script;
    std::size_t draws = 0;
    bool seeded = false;
};

RandState& State() {
    static RandState state;
    return state;
}

}  // namespace

int GameRand() {
    RandState& s = State();
    ++s.draws;
    if (!s.script.empty()) {
        int const v = s.script.front();
        s.script.pop_front();
        return v;
    }
    return std::rand();
}

void SeedGameRandOnce() {
    RandState& s = State();
    if (!s.seeded) {
        s.seeded = true;
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    }
}

bool GameRandSeeded() { return State().seeded; }

void ScriptGameRand(std::vector<int> values) {
    State().script.assign(values.begin(), values.end());
}

void ClearGameRandScript() { State().script.clear(); }

std::size_t GameRandScriptLeft() { return State().script.size(); }

std::size_t GameRandDraws() { return State().draws; }
