// What the real game costs a terminal: the time from start-up to a drawn
// title screen, and the bytes a terminal receives for one highlight move in a
// room menu and on the main deck, against a full redraw. The optimised game
// runs on a pseudo-terminal of 80 x 25 (TERM xterm-256color), and every byte
// it writes is counted.
//
// The cells a move changes are counted on the virtual console, by running the
// same screens there.
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

#include "tests/support/PtyProgram.h"

#include "game/screens/DeckRoom.h"
#include "game/screens/MainDeck.h"
#include "game/screens/Rooms.h"
#include "platform/VirtualConsole.h"

namespace {

using Clock = std::chrono::steady_clock;

// Keys as an xterm sends them while the game has its keypad on.
constexpr char kEnter[] = "\r";
constexpr char kDown[] = "\x1bOB";
constexpr char kRight[] = "\x1bOC";
constexpr char kLeft[] = "\x1bOD";

// The optimised game on a pseudo-terminal of 80 x 25, started in its data folder.
class PtyGame : public testing_support::PtyProgram {
public:
    PtyGame() : PtyProgram(MOTHERSHIP_BINARY, {}, 80, 25, MOTHERSHIP_DATA_DIR) {}

    // Sends a key and counts the bytes it brings, up to a quiet spell.
    std::size_t BytesFor(char const* keys) {
        Read(std::chrono::milliseconds(150));
        Send(keys);
        return Read(std::chrono::milliseconds(150));
    }
};

void StartUpToTitle(benchmark::State& state) {
    for (auto _ : state) {
        auto const start = Clock::now();
        PtyGame game;
        // EXIT is the title menu's last item, drawn with the rest in one
        // refresh.
        if (!game.ReadUntil("EXIT", std::chrono::seconds(10))) {
            state.SkipWithError("no title screen");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(StartUpToTitle)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Cells that differ between two screens of the virtual console.
using Screen = std::vector<con::Cell>;

Screen Capture(con::VirtualConsole const& vc) {
    Screen cells;
    for (int y = 0; y < con::kRows; ++y) {
        for (int x = 0; x < con::kColumns; ++x) {
            cells.push_back(con::Cell{vc.ByteAt(x, y), vc.AttrAt(x, y)});
        }
    }
    return cells;
}

// Runs a screen on the virtual console with one key after it has settled, and
// counts the cells that key changed.
template <class Run>
int CellsChangedByKey(con::KeyRecord key, Run run) {
    con::ScopedVirtualConsole vc;
    vc->Idle(3).Record(key).Idle(3);
    vc->pollsAfterScript = 0;
    std::vector<Screen> waits;
    vc->onWait = [&waits](con::VirtualConsole& c) { waits.push_back(Capture(c)); };
    try {
        run();
    } catch (con::ScriptExhausted const&) {
    }
    vc->onWait = nullptr;
    Screen const& before = waits.front();
    Screen const& after = waits.back();
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        changed += before[i] == after[i] ? 0 : 1;
    }
    return changed;
}

con::KeyRecord KeyOf(uint16_t virtualKey) {
    con::KeyRecord r;
    r.virtualKey = virtualKey;
    return r;
}

void RoomMenuHighlightMove(benchmark::State& state) {
    PtyGame game;
    if (!game.ReadUntil("EXIT", std::chrono::seconds(10))) {
        state.SkipWithError("no title screen");
        return;
    }
    game.Read(std::chrono::milliseconds(200), std::chrono::milliseconds(300));
    game.Send(kEnter);
    game.ReadUntil("NAVIGATION", std::chrono::seconds(5));
    std::size_t const fullRedraw = game.BytesFor(kEnter);  // the bridge's menu, drawn whole
    std::size_t bytes = 0;
    long moves = 0;
    for (auto _ : state) {
        bytes += game.BytesFor(kDown);
        ++moves;
    }
    con::ScopedVirtualConsole vc;
    int const cells = CellsChangedByKey(KeyOf(con::VK_DOWN), [] {
        BridgeMenu(con::GetStdHandle(con::STD_OUTPUT_HANDLE), con::GetStdHandle(con::STD_INPUT_HANDLE),
                   DeckRoom::Navigation);
    });
    state.counters["bytes_per_move"] = static_cast<double>(bytes) / static_cast<double>(moves);
    state.counters["cells_changed"] = cells;
    state.counters["full_redraw_bytes"] = static_cast<double>(fullRedraw);
}
BENCHMARK(RoomMenuHighlightMove)->Iterations(20)->Unit(benchmark::kMillisecond);

void MainDeckHighlightMove(benchmark::State& state) {
    PtyGame game;
    if (!game.ReadUntil("EXIT", std::chrono::seconds(10))) {
        state.SkipWithError("no title screen");
        return;
    }
    game.Read(std::chrono::milliseconds(200), std::chrono::milliseconds(300));
    std::size_t const fullRedraw = game.BytesFor(kEnter);  // the ship, drawn whole
    std::size_t bytes = 0;
    long moves = 0;
    // Between the bridge and the research station, there and back.
    for (auto _ : state) {
        bytes += game.BytesFor(moves % 2 == 0 ? kRight : kLeft);
        ++moves;
    }
    int const cells = CellsChangedByKey(KeyOf(con::VK_RIGHT), [] {
        con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
        DrawMothership(hOut);
        MainDeck(con::GetStdHandle(con::STD_INPUT_HANDLE), hOut, DeckRoom::Navigation);
    });
    double const perMove = static_cast<double>(bytes) / static_cast<double>(moves);
    state.counters["bytes_per_move"] = perMove;
    state.counters["cells_changed"] = cells;
    state.counters["bytes_per_cell_over_100"] = cells > 0 ? (perMove - 100.0) / cells : 0.0;
    state.counters["full_redraw_bytes"] = static_cast<double>(fullRedraw);
}
BENCHMARK(MainDeckHighlightMove)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
