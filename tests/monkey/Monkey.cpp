#include "tests/monkey/Monkey.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/screens/SpaceCapsule.h"
#include "game/screens/TitleMenu.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/GameRandom.h"
#include "game/world/Globals.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace monkey {

namespace {

// ---- Key notation -----------------------------------------------------------

struct NamedKey {
    char const* name;
    uint16_t virtualKey;
    char character;
};

constexpr NamedKey kNamedKeys[] = {
    {"Up", con::VK_UP, 0},       {"Down", con::VK_DOWN, 0},     {"Left", con::VK_LEFT, 0},
    {"Right", con::VK_RIGHT, 0}, {"Enter", con::VK_RETURN, 13}, {"Esc", con::VK_ESCAPE, 27},
    {"PgUp", con::VK_PRIOR, 0},  {"PgDn", con::VK_NEXT, 0},     {"Space", con::VK_SPACE, ' '},
    {"Back", con::VK_BACK, 8},   {"Tab", con::VK_TAB, '\t'},    {"Home", con::VK_HOME, 0},
    {"End", con::VK_END, 0},     {"Del", con::VK_DELETE, 0},    {"Ins", con::VK_INSERT, 0},
    {"F1", con::VK_F1, 0},
};

con::KeyRecord Press(uint16_t virtualKey, char character) {
    con::KeyRecord r;
    r.virtualKey = virtualKey;
    r.character = character;
    return r;
}

std::string NameOf(con::KeyRecord const& r) {
    for (NamedKey const& k : kNamedKeys) {
        if (k.virtualKey == r.virtualKey && k.character == r.character) {
            return k.name;
        }
    }
    auto const c = static_cast<unsigned char>(r.character);
    con::KeyRecord const typed = con::VirtualConsole::RecordFor(r.character);
    if (c > ' ' && c < 127 && typed.virtualKey == r.virtualKey) {
        return std::string(1, r.character);
    }
    if (typed.virtualKey == r.virtualKey) {
        return "chr:" + std::to_string(c);
    }
    return "vk:" + std::to_string(r.virtualKey) + "/" + std::to_string(c);
}

con::KeyRecord RecordNamed(std::string const& word) {
    for (NamedKey const& k : kNamedKeys) {
        if (word == k.name) {
            return Press(k.virtualKey, k.character);
        }
    }
    if (word.size() == 1) {
        return con::VirtualConsole::RecordFor(word[0]);
    }
    if (word.rfind("chr:", 0) == 0) {
        return con::VirtualConsole::RecordFor(static_cast<char>(std::stoi(word.substr(4))));
    }
    if (word.rfind("vk:", 0) == 0) {
        std::size_t const slash = word.find('/');
        if (slash != std::string::npos) {
            return Press(static_cast<uint16_t>(std::stoi(word.substr(3, slash - 3))),
                         static_cast<char>(std::stoi(word.substr(slash + 1))));
        }
    }
    throw std::invalid_argument("unknown key: " + word);
}

// ---- Watching the run -------------------------------------------------------

// Thrown from the console's wait hook to stop a run at its first fault.
struct FaultSeen {
    Outcome outcome;
};

template <class Node>
int Walk(Node* first, int limit) {
    int n = 0;
    for (Node* node = first; node != nullptr && n <= limit; node = node->next) {
        ++n;
    }
    return n;
}

// Collects what is wrong; the names of places are only spelt out for a fault.
class FaultList {
public:
    void Add(std::string const& text) {
        if (!text_.empty()) {
            text_ += "; ";
        }
        text_ += text;
    }
    template <class Name>
    void NotNegative(Name const& name, long value) {
        if (value < 0) {
            Add(name() + " is " + std::to_string(value));
        }
    }
    template <class Name>
    void Within(Name const& name, long value, long low, long high) {
        if (value < low || value > high) {
            Add(name() + " is " + std::to_string(value) + ", outside " + std::to_string(low) + ".." +
                std::to_string(high));
        }
    }
    template <class Name>
    void Count(Name const& name, int total, int walked) {
        if (total != walked) {
            Add(name() + " counts " + std::to_string(total) + " but its walk finds " +
                std::to_string(walked));
        }
    }
    template <class Name>
    void Crew(Name const& name, CrewQueue& crew) {
        Count([&] { return name() + " crew"; }, crew.GetTotal(),
              Walk(crew.GetCrewNode(0), crew.GetTotal() + 1));
        if (crew.GetTotal() > crew.GetMaxCrew()) {
            Add(name() + " crew holds " + std::to_string(crew.GetTotal()) + " of at most " +
                std::to_string(crew.GetMaxCrew()));
        }
    }
    template <class Name>
    void Bombs(Name const& name, BombQueue& bombs) {
        Count([&] { return name() + " bombs"; }, bombs.GetTotal(),
              Walk(bombs.GetNode(0), bombs.GetTotal() + 1));
    }
    template <class Name>
    void Dock(Name const& name, AirQueue& dock) {
        Count([&] { return name() + " dock"; }, dock.GetTotal(), Walk(dock.GetNode(0), dock.GetTotal() + 1));
        int i = 0;
        for (AircraftNode* node = dock.GetNode(0); node != nullptr && i < dock.GetTotal();
             node = node->next, ++i) {
            auto craft = [&] { return name() + " craft " + std::to_string(i); };
            Aircraft& a = node->aircraft;
            NotNegative([&] { return craft() + " food"; }, a.GetFood());
            NotNegative([&] { return craft() + " fuel"; }, a.GetFuel());
            Crew(craft, *a.GetCrewQueue());
            Bombs(craft, *a.GetBombQueue());
        }
    }
    std::string const& Text() const { return text_; }

private:
    std::string text_;
};

// A name spelt out only when it is needed.
auto Named(char const* text) {
    return [text] { return std::string(text); };
}

// Some row holds the text (plain ASCII, the same bytes in code page 437).
bool ScreenShows(con::VirtualConsole const& vc, char const* text) {
    std::size_t const length = std::strlen(text);
    for (int y = 0; y < con::kRows; ++y) {
        for (int x = 0; x + static_cast<int>(length) <= con::kColumns; ++x) {
            std::size_t k = 0;
            while (k < length && vc.ByteAt(x + static_cast<int>(k), y) == static_cast<uint8_t>(text[k])) {
                ++k;
            }
            if (k == length) {
                return true;
            }
        }
    }
    return false;
}

// The library's menu is on the screen: its single keys add to the ship.
bool LibraryMenuShown(con::VirtualConsole const& vc) {
    return ScreenShows(vc, "Interglactanet") && ScreenShows(vc, "Personel Bios");
}

// The food warning stops the end of the day halfway: the bunkers' meals and
// the day's steps still come after its key.
bool FoodWarningShown(con::VirtualConsole const& vc) { return ScreenShows(vc, "Hurry Find some food"); }

// What a library key may change: 'p' one more crew member, '1' to '4' one more
// craft (each refused when there is no room).
bool LibraryGiftAllows(con::KeyRecord const& key, Census before, Census after) {
    if (!key.keyDown) {
        return false;
    }
    if (key.character == 'p') {
        return after.craft == before.craft && (after.crew == before.crew || after.crew == before.crew + 1);
    }
    if (key.character >= '1' && key.character <= '4') {
        return after.crew == before.crew && (after.craft == before.craft || after.craft == before.craft + 1);
    }
    return false;
}

std::string CensusText(Census c) {
    return "crew " + std::to_string(c.crew) + ", craft " + std::to_string(c.craft);
}

// Checks the world and the screen whenever a step has been taken and the game
// waits again.
class Watch {
public:
    Watch(Steps const& steps, std::size_t* progress) : steps_(steps), progress_(progress) {
        census_ = TakeCensus();
        day_ = Globals::GetDay();
    }

    void OnWait(con::VirtualConsole& vc) {
        std::size_t const taken = steps_.size() - vc.ScriptLeft();
        if (progress_ != nullptr) {
            *progress_ = taken;
        }
        if (taken == checkedAt_) {
            return;
        }
        checkedAt_ = taken;
        Check(vc, taken);
    }

    // The last check, after the run ends.
    void Final(con::VirtualConsole& vc) { Check(vc, steps_.size() - vc.ScriptLeft()); }

    void Tally(Outcome& o) const {
        o.daysEnded = daysEnded_;
        o.gamesEnded = gamesEnded_;
        o.census = TakeCensus();
    }

private:
    [[noreturn]] void Fail(std::size_t taken, std::string kind, std::string detail) {
        Outcome o;
        o.failed = true;
        o.kind = std::move(kind);
        o.detail = std::move(detail);
        o.steps = taken;
        o.presses = CountPresses(Steps(steps_.begin(), steps_.begin() + static_cast<long>(taken)));
        throw FaultSeen{o};
    }

    std::string LastKey(std::size_t taken) const {
        for (std::size_t i = taken; i > 0; --i) {
            if (steps_[i - 1].idlePolls == 0) {
                return FormatSteps({steps_[i - 1]});
            }
        }
        return "(none)";
    }

    void Check(con::VirtualConsole& vc, std::size_t taken) {
        std::string const after = " (after key " + LastKey(taken) + ")";
        if (vc.DroppedWrites() > 0) {
            Fail(taken, "write outside the screen",
                 std::to_string(vc.DroppedWrites()) + " glyphs dropped past the last cell" + after +
                     vc.Dump());
        }
        if (vc.RefusedPositions() > 0) {
            Fail(taken, "cursor position refused",
                 std::to_string(vc.RefusedPositions()) + " positions outside 80 x 25" + after + vc.Dump());
        }
        std::string const fault = WorldFault();
        if (!fault.empty()) {
            Fail(taken, "broken world", fault + after);
        }

        Census const now = TakeCensus();
        int const day = Globals::GetDay();
        bool excused = day != day_ || foodWarningGrace_;
        if (!excused && libraryShown_ && taken > 0) {
            Step const& last = steps_[taken - 1];
            excused = last.idlePolls == 0 && LibraryGiftAllows(last.record, census_, now);
        }
        if (!excused && now != census_) {
            Fail(taken, "crew or craft appeared or vanished",
                 CensusText(census_) + " became " + CensusText(now) + after + vc.Dump());
        }
        foodWarningGrace_ = day != day_ ? FoodWarningShown(vc) : foodWarningGrace_ && FoodWarningShown(vc);
        census_ = now;
        day_ = day;
        libraryShown_ = LibraryMenuShown(vc);
        bool const over = Globals::GetGameOver();
        gamesEnded_ += over && !gameOver_ ? 1 : 0;
        gameOver_ = over;
        daysEnded_ = day - firstDay_;
    }

    Steps const& steps_;
    std::size_t* progress_;
    std::size_t checkedAt_ = 0;
    Census census_;
    int day_ = 0;
    bool libraryShown_ = false;
    bool foodWarningGrace_ = false;
    int firstDay_ = Globals::GetDay();
    int daysEnded_ = 0;
    bool gameOver_ = Globals::GetGameOver();
    int gamesEnded_ = 0;
};

// The world as start-up builds it when the clock gives `seed`: the starting
// crew, craft and advisors drawn anew after seeding the draws.
void ReseedWorld(unsigned seed) {
    Mothership& ship = *Globals::GetMothership();
    ship.GetAirQueue()->KillAllCraft();
    ship.GetCrewQueue()->KillAllCrew();
    ship.GetLeaderQueue()->KillAllLeaders();
    ClearGameRandScript();
    std::srand(seed);
    Globals::StartingLoadout(ship);
}

Outcome PlayWatched(Program const& program, Steps const& steps, unsigned seed, std::size_t* progress) {
    ReseedWorld(seed);
    con::ScopedVirtualConsole vc;
    for (Step const& step : steps) {
        if (step.idlePolls > 0) {
            vc->Idle(step.idlePolls);
        } else {
            vc->Record(step.record);
        }
    }
    Watch watch(steps, progress);
    vc->onWait = [&watch](con::VirtualConsole& c) { watch.OnWait(c); };
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    Outcome outcome;
    try {
        // The program starts again whenever it ends, as a player would; one
        // that ends without taking a step would never stop.
        std::size_t left = vc->ScriptLeft() + 1;
        while (vc->ScriptLeft() < left) {
            left = vc->ScriptLeft();
            program(hIn, hOut);
        }
        vc->onWait = nullptr;
        watch.Final(*vc);
    } catch (con::ScriptExhausted const&) {
        vc->onWait = nullptr;
        try {
            watch.Final(*vc);
        } catch (FaultSeen const& seen) {
            outcome = seen.outcome;
        }
    } catch (FaultSeen const& seen) {
        outcome = seen.outcome;
    } catch (std::exception const& e) {
        outcome.failed = true;
        outcome.kind = "exception";
        outcome.detail = e.what();
        outcome.steps = steps.size() - vc->ScriptLeft();
    }
    vc->onWait = nullptr;
    watch.Tally(outcome);
    return outcome;
}

// What a forked child hands back.
struct SharedOutcome {
    int finished;
    int failed;
    int daysEnded;
    int gamesEnded;
    Census census;
    std::size_t steps;
    std::size_t presses;
    std::size_t progress;
    char kind[128];
    char detail[8192];
};

void CopyText(char* to, std::size_t size, std::string const& from) {
    std::size_t const n = from.size() < size - 1 ? from.size() : size - 1;
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

// The steps up to and including the first key press after `taken` steps (the
// one a crash or a hang was busy with).
std::size_t ThroughNextPress(Steps const& steps, std::size_t taken) {
    std::size_t i = taken;
    while (i < steps.size() && steps[i].idlePolls > 0) {
        ++i;
    }
    return i < steps.size() ? i + 1 : steps.size();
}

Steps Prefix(Steps const& steps, std::size_t n) {
    return Steps(steps.begin(), steps.begin() + static_cast<long>(n < steps.size() ? n : steps.size()));
}

}  // namespace

// ---- Key notation -----------------------------------------------------------

std::string FormatSteps(Steps const& steps) {
    std::string out;
    for (Step const& step : steps) {
        if (!out.empty()) {
            out += ' ';
        }
        if (step.idlePolls > 0) {
            out += "idle:" + std::to_string(step.idlePolls);
        } else if (!step.record.keyDown) {
            out += "rel:" + std::to_string(step.record.virtualKey);
        } else {
            out += NameOf(step.record);
        }
    }
    return out;
}

Steps ParseSteps(std::string const& text) {
    Steps steps;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        Step step;
        if (word.rfind("idle:", 0) == 0) {
            step.idlePolls = std::stol(word.substr(5));
            if (step.idlePolls <= 0) {
                throw std::invalid_argument("idle needs a positive count: " + word);
            }
        } else if (word.rfind("rel:", 0) == 0) {
            step.record.keyDown = false;
            step.record.virtualKey = static_cast<uint16_t>(std::stoi(word.substr(4)));
        } else {
            step.record = RecordNamed(word);
        }
        steps.push_back(step);
    }
    return steps;
}

// ---- The random stream ----------------------------------------------------

Steps RandomSteps(uint64_t seed, std::size_t count) {
    // Weights out of their sum; the game's own keys come first.
    struct Choice {
        con::KeyRecord record;
        int weight;
    };
    auto typed = [](char c) { return con::VirtualConsole::RecordFor(c); };
    std::vector<Choice> const choices = {
        {Press(con::VK_UP, 0), 12},
        {Press(con::VK_DOWN, 0), 12},
        {Press(con::VK_LEFT, 0), 7},
        {Press(con::VK_RIGHT, 0), 7},
        {typed('\r'), 14},
        {typed('\x1b'), 6},
        {Press(con::VK_PRIOR, 0), 2},
        {Press(con::VK_NEXT, 0), 2},
        {typed(' '), 3},
        {typed('y'), 2},
        {typed('n'), 2},
        {typed('Y'), 1},
        {typed('N'), 1},
        {typed('\b'), 1},
    };
    int total = 0;
    for (Choice const& c : choices) {
        total += c.weight;
    }
    // Beyond the table: ten for the digits, five for the library's letters,
    // one for an unused key and one for any other printable character.
    constexpr char kLibraryKeys[] = "cfgmp";
    constexpr uint16_t kUnused[] = {con::VK_TAB,    con::VK_HOME,   con::VK_END,
                                    con::VK_DELETE, con::VK_INSERT, con::VK_F1};
    int const all = total + 10 + 5 + 1 + 1;

    std::mt19937_64 rng(seed);
    auto below = [&rng](uint64_t n) { return static_cast<int>(rng() % n); };
    Steps steps;
    std::size_t presses = 0;
    while (presses < count) {
        if (below(1000) < 15) {  // a pause: animated screens run a few passes
            Step idle;
            idle.idlePolls = 1 + below(60);
            steps.push_back(idle);
        }
        if (below(1000) < 10) {  // a release of a key nobody pressed
            Step stray;
            stray.record = choices[static_cast<std::size_t>(below(choices.size()))].record;
            stray.record.keyDown = false;
            steps.push_back(stray);
        }
        con::KeyRecord key;
        int pick = below(static_cast<uint64_t>(all));
        if (pick < total) {
            std::size_t i = 0;
            while (pick >= choices[i].weight) {
                pick -= choices[i].weight;
                ++i;
            }
            key = choices[i].record;
        } else if ((pick -= total) < 10) {
            key = typed(static_cast<char>('0' + pick));
        } else if ((pick -= 10) < 5) {
            key = typed(kLibraryKeys[pick]);
        } else if (pick == 5) {
            key = Press(kUnused[below(std::size(kUnused))], 0);
        } else {
            key = typed(static_cast<char>('!' + below(94)));
        }
        // Now and then the same key a few times over: lists get scrolled,
        // digits counted up.
        int const repeats = below(100) < 8 ? 2 + below(7) : 1;
        for (int r = 0; r < repeats && presses < count; ++r) {
            Step step;
            step.record = key;
            steps.push_back(step);
            ++presses;
        }
    }
    return steps;
}

std::size_t CountPresses(Steps const& steps) {
    std::size_t n = 0;
    for (Step const& step : steps) {
        if (step.idlePolls == 0 && step.record.keyDown) {
            ++n;
        }
    }
    return n;
}

// ---- The world's invariants -------------------------------------------------

Census TakeCensus() {
    Census c;
    auto countDock = [&c](AirQueue& dock) {
        c.craft += dock.GetTotal();
        int i = 0;
        for (AircraftNode* node = dock.GetNode(0); node != nullptr && i < dock.GetTotal();
             node = node->next, ++i) {
            c.crew += node->aircraft.GetCrewQueue()->GetTotal();
        }
    };
    Mothership& ship = *Globals::GetMothership();
    c.crew += ship.GetCrewQueue()->GetTotal();
    if (CrewQueue* capsule = LoadingCapsuleCrew()) {
        c.crew += capsule->GetTotal();
    }
    countDock(*ship.GetAirQueue());
    for (int sector = 1; sector <= Map::kSectors; ++sector) {
        Bunker& bunker = *Globals::GetMap()->GetSector(sector)->GetBunker();
        c.crew += bunker.GetCrewQueue()->GetTotal();
        countDock(*bunker.GetAirQueue());
    }
    return c;
}

std::string WorldFault() {
    FaultList f;
    Mothership& ship = *Globals::GetMothership();
    f.NotNegative(Named("ship food"), ship.GetFood());
    f.NotNegative(Named("ship fuel"), ship.GetFuel());
    f.NotNegative(Named("ship artifacts"), ship.GetArtifacts());
    f.NotNegative(Named("ship capsules"), ship.GetCapsules());
    f.Within(Named("ship location"), ship.GetLocation(), 0, Map::kSectors);
    f.Within(Named("ship destination"), ship.GetDestination(), 0, Map::kSectors);
    f.Within(Named("ship morale"), ship.GetMorale(), 0, 100);
    f.Within(Named("ship work rate"), ship.GetWorkRate(), 0, 4);
    f.Crew(Named("ship"), *ship.GetCrewQueue());
    if (CrewQueue* capsule = LoadingCapsuleCrew()) {
        f.Crew(Named("capsule"), *capsule);
    }
    f.Dock(Named("ship"), *ship.GetAirQueue());
    f.Bombs(Named("ship"), *ship.GetBombQueue());
    HiveQueue& hives = *ship.GetHiveQueue();
    f.Count(Named("ship hives"), hives.GetTotal(), Walk(hives.GetNode(0), hives.GetTotal() + 1));
    LeaderQueue& advisors = *ship.GetLeaderQueue();
    f.Count(Named("ship advisors"), advisors.GetTotal(), Walk(advisors.GetNode(0), advisors.GetTotal() + 1));
    f.Within(Named("ship advisors"), advisors.GetTotal(), 0, LeaderQueue::kCapacity);

    for (int sector = 1; sector <= Map::kSectors; ++sector) {
        Bunker& bunker = *Globals::GetMap()->GetSector(sector)->GetBunker();
        auto name = [sector] { return "bunker " + std::to_string(sector); };
        f.NotNegative([&] { return name() + " food"; }, bunker.GetFood());
        f.NotNegative([&] { return name() + " fuel"; }, bunker.GetFuel());
        f.Crew(name, *bunker.GetCrewQueue());
        f.Dock(name, *bunker.GetAirQueue());
        f.Bombs(name, *bunker.GetBombQueue());
    }

    MessageQueue& messages = *Globals::GetMessages();
    f.Count(Named("message queue"), messages.GetTotal(), Walk(messages.GetNode(0), messages.GetTotal() + 1));
    int previousType = 1 << 30;
    int walked = 0;
    for (MessageNode* node = messages.GetNode(0); node != nullptr && walked <= messages.GetTotal();
         node = node->next, ++walked) {
        if (node->message.GetType() > previousType) {
            f.Add("message queue out of type order");
            break;
        }
        previousType = node->message.GetType();
        if (strnlen(node->message.GetText(), Message::kTextSize) == Message::kTextSize) {
            f.Add("a message without its terminator");
            break;
        }
    }
    return f.Text();
}

// ---- Running ----------------------------------------------------------------

void WholeGame(con::Handle hIn, con::Handle hOut) {
    // As the program entry runs it, less the terminal.
    PrepareConsole(hIn, hOut);
    MainMenu(hIn, hOut);
    con::SetConsoleCursorPosition(hOut, con::Coord{0, 24});
}

Outcome PlayHere(Program const& program, Steps const& steps, unsigned seed) {
    return PlayWatched(program, steps, seed, nullptr);
}

Outcome Play(Program const& program, Steps const& steps, unsigned seed, int timeoutSeconds, bool quiet) {
    void* memory =
        mmap(nullptr, sizeof(SharedOutcome), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::runtime_error("monkey: no shared memory for the child's outcome");
    }
    // Anonymous shared memory comes zeroed.
    auto* shared = static_cast<SharedOutcome*>(memory);
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t const pid = fork();
    if (pid < 0) {
        munmap(memory, sizeof(SharedOutcome));
        throw std::runtime_error("monkey: fork failed");
    }
    if (pid == 0) {
        if (quiet) {
            int const null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, STDERR_FILENO);
                close(null);
            }
        }
        alarm(static_cast<unsigned>(timeoutSeconds));
        {
            Outcome const o = PlayWatched(program, steps, seed, &shared->progress);
            shared->failed = o.failed ? 1 : 0;
            shared->steps = o.steps;
            shared->presses = o.presses;
            shared->daysEnded = o.daysEnded;
            shared->gamesEnded = o.gamesEnded;
            shared->census = o.census;
            CopyText(shared->kind, sizeof shared->kind, o.kind);
            CopyText(shared->detail, sizeof shared->detail, o.detail);
        }
#if defined(__SANITIZE_ADDRESS__)
        // Whatever the run allocated and lost is reported (and ends the child)
        // here; the world itself is still reachable.
        __lsan_do_leak_check();
#endif
        shared->finished = 1;
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    Outcome o;
    if (shared->finished == 1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        o.failed = shared->failed != 0;
        o.kind = shared->kind;
        o.detail = shared->detail;
        o.steps = shared->steps;
        o.presses = shared->presses;
        o.daysEnded = shared->daysEnded;
        o.gamesEnded = shared->gamesEnded;
        o.census = shared->census;
    } else {
        o.failed = true;
        o.steps = ThroughNextPress(steps, shared->progress);
        o.presses = CountPresses(Prefix(steps, o.steps));
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
            o.kind = "hang";
            o.detail = "no end within " + std::to_string(timeoutSeconds) + " s";
        } else if (WIFSIGNALED(status)) {
            o.kind = "crash";
            o.detail = std::string("killed by signal ") + std::to_string(WTERMSIG(status)) + " (" +
                       strsignal(WTERMSIG(status)) + ")";
        } else if (shared->finished == 1) {
            o.kind = "leak";
            o.detail =
                "the sanitizer's leak check failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
            o.steps = steps.size();
            o.presses = CountPresses(steps);
        } else {
            o.kind = "crash";
            o.detail = "ended with exit status " + std::to_string(WEXITSTATUS(status)) +
                       " (a sanitizer's report, or exit from within the game)";
        }
        o.detail += " after key " + std::to_string(o.presses);
    }
    munmap(memory, sizeof(SharedOutcome));
    return o;
}

Steps Shrink(Program const& program, Steps const& steps, unsigned seed, Outcome const& failure,
             int maxAttempts, int maxSeconds) {
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(maxSeconds);
    int const timeout = failure.kind == "hang" ? 10 : 60;
    Steps best = Prefix(steps, failure.steps);
    int attempts = 0;
    auto budgetLeft = [&] { return attempts < maxAttempts && std::chrono::steady_clock::now() < deadline; };
    auto failsAlike = [&](Steps const& candidate) {
        ++attempts;
        Outcome const o = Play(program, candidate, seed, timeout, true);
        if (o.failed && o.kind == failure.kind) {
            best = Prefix(candidate, o.steps);
            return true;
        }
        return false;
    };

    // Most faults need only the last keys before them: the shortest tail that
    // fails alike from a fresh world is found first, at the cost of short runs.
    for (std::size_t tail = 8; tail < best.size() && budgetLeft(); tail *= 2) {
        if (failsAlike(Steps(best.end() - static_cast<long>(tail), best.end()))) {
            break;
        }
    }

    // Then chunks of keys are dropped, halving the chunk while none can go.
    std::size_t chunk = best.size() / 2;
    while (chunk >= 1 && budgetLeft()) {
        bool removed = false;
        for (std::size_t start = 0; start < best.size() && budgetLeft();) {
            Steps candidate = Prefix(best, start);
            if (start + chunk < best.size()) {
                candidate.insert(candidate.end(), best.begin() + static_cast<long>(start + chunk),
                                 best.end());
            }
            if (failsAlike(candidate)) {
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (!removed) {
            chunk /= 2;
        } else if (chunk > best.size() / 2) {
            chunk = best.size() / 2;
        }
    }
    return best;
}

std::string MonkeyRun(uint64_t seed, std::size_t presses, Program const& program) {
    Steps const steps = RandomSteps(seed, presses);
    unsigned const worldSeed = static_cast<unsigned>(seed);
    int const timeout = 60 + static_cast<int>(presses / 500);
    Outcome const failure = Play(program, steps, worldSeed, timeout, false);
    if (!failure.failed) {
        std::printf(
            "monkey seed %llu: %zu key presses, %d days ended, %d games ended, %d crew and %d craft left\n",
            static_cast<unsigned long long>(seed), presses, failure.daysEnded, failure.gamesEnded,
            failure.census.crew, failure.census.craft);
        return {};
    }
    char const* budget = std::getenv("MONKEY_SHRINK_SECONDS");
    int const seconds = budget != nullptr && std::atoi(budget) > 0 ? std::atoi(budget) : 120;
    Steps const shortest = Shrink(program, steps, worldSeed, failure, 100000, seconds);
    Outcome const again = Play(program, shortest, worldSeed, timeout, true);

    std::ostringstream report;
    report << "Monkey seed " << seed << ": " << failure.kind << " at key press " << failure.presses << " of "
           << presses << ": " << failure.detail << "\n";
    report << "Shortest sequence found: " << CountPresses(shortest) << " key presses"
           << (again.failed && again.kind == failure.kind ? "" : " (it did not fail again on its own!)");
    std::string const keys = FormatSteps(shortest);
    constexpr std::size_t kLongestPrinted = 4000;
    if (keys.size() <= kLongestPrinted) {
        report << ". As a regression test:\n"
               << "    EXPECT_FALSE(monkey::Replay(" << worldSeed << ", \"" << keys << "\").failed);\n";
    } else {
        // Too long to read in a log: the keys go to a file to replay from.
        std::string const file = "monkey-seed-" + std::to_string(seed) + ".keys";
        std::FILE* out = std::fopen(file.c_str(), "w");
        if (out != nullptr) {
            std::fputs(keys.c_str(), out);
            std::fclose(out);
        }
        report << "; too many to print, they are in " << file << " (in the test's working folder), "
               << "to replay with the world seed " << worldSeed << ":\n"
               << "    EXPECT_FALSE(monkey::ReplayFile(" << worldSeed << ", \"" << file << "\").failed);\n";
    }
    if (again.failed) {
        report << "It ends with: " << again.detail << "\n";
    }
    return report.str();
}

Outcome Replay(unsigned seed, std::string const& keys, Program const& program) {
    return Play(program, ParseSteps(keys), seed);
}

Outcome ReplayFile(unsigned seed, std::string const& path, Program const& program) {
    std::ifstream in(path);
    if (!in) {
        throw std::invalid_argument("no keys in " + path);
    }
    std::stringstream text;
    text << in.rdbuf();
    return Replay(seed, text.str(), program);
}

}  // namespace monkey
