// Terminal input, read a byte at a time into the key records the console
// would hand the game. Terminals encode one key in many ways (control
// sequences with or without modifiers, behind the Escape that Alt sends, or
// as their own descriptions name them) and send things that are no keys at
// all (mouse reports, replies to another program's queries, strings). All of
// it is read here, by one state machine after the DEC parser's (ground,
// escape, control sequence, string, mouse report), so that a key reads the
// same whatever the terminal calls it, with its modifiers taken off, and what
// is no key is dropped whole, never read as an Escape and some letters. The
// keys of the terminal's own description are followed beside them: the
// longest key whole wins, and the bytes after it are read afresh.
//
// The clock is passed in: an Escape alone is told from the start of a
// sequence by time, and what has begun and never ends is given up.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/Console.h"
#include "platform/Utf8Decoder.h"

namespace con {

// A typed character as the console hands it to the game: ASCII by the
// keyboard table, a character beyond it as its code page 437 byte where that
// page has it. False for a character the game cannot be given.
bool DecodeTerminalCharacter(char32_t code, KeyRecord& record);
// A key by its virtual-key code or, where `character` is given, the typed
// character it stands for (the keypad's Enter and signs).
KeyRecord TerminalKeyRecord(uint16_t virtualKey, char character = 0);

class TerminalReader {
public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;
    // How long an Escape waits for what may follow it: an Escape and the
    // rest of a sequence come in one write, a second key typed after Escape
    // comes much later.
    static constexpr std::chrono::milliseconds kEscapeDelay{25};
    // How long what has begun (a character, a sequence) may take to end,
    // from its first byte, before it is given up: a slow link can part a
    // key's bytes. A string, which may be long, gets as long from its latest
    // byte.
    static constexpr std::chrono::milliseconds kGrace{500};
    // After a pause of the game's own, how soon after the time of what has
    // begun ran out the bytes waiting may still be taken for its rest.
    static constexpr std::chrono::milliseconds kLateRest{25};

    // Whether the bytes waiting unread are read before what has begun is
    // ruled on at `now` by its time, which ran out at `deadline`. The
    // terminal was last read to its end at `readTo`; `paused`: the game has
    // paused since, on purpose. Bytes that came while nobody could read them
    // (the screen was drawn, the machine was busy) may have come in time: they
    // are read first. After a pause, only just after the time ran out: much
    // later, they more likely came after it.
    static bool ReadsBeforeRuling(Time deadline, Time readTo, Time now, bool paused);

    // `utf8`: characters come as UTF-8; otherwise each byte is one character,
    // as the locale reads it.
    explicit TerminalReader(bool utf8) : utf8_(utf8) {}

    // A key as the terminal's own description names it. The longest key
    // whole wins, of these and the sequences terminals commonly send alike;
    // of two as long, the common one. A string given to two keys stays the
    // first's: the arrows, pages and editing keys are told before the F-keys.
    void AddTerminalKey(std::string const& sequence, KeyRecord const& key);

    // Takes one byte that arrived at `now`; the keys it completes wait for Next.
    void Feed(uint8_t byte, Time now);
    // Lets time pass: an Escape whose wait is over is an Escape, and what
    // has begun and outlived its grace is the longest key it began with, or
    // nothing.
    void Tick(Time now);
    // When a Tick will next change anything (Time::max() when nothing waits).
    Time Deadline() const;
    // The program was stopped and goes on: what has begun gets its time
    // again from `now`, so that a key whose bytes a stop parted still reads
    // whole. (A resize takes none of it: an Escape alone during a drag of
    // the window is still an Escape in its time.)
    void Resume(Time now);
    // Drops the keys read and not yet taken, and the key being read, once it
    // ends: all of it came before the flush (but for what was typed after a
    // key told late, once that key is taken). A byte read afresh after the
    // flush is a key of its own.
    void Discard();
    // What came after the bytes fed was dropped unread (a flood): the key
    // being read can never end, and is dropped now, so that what comes next
    // is read afresh rather than taken for its rest.
    void Cut();
    // The oldest key read and not yet taken.
    bool Next(KeyRecord& key);

private:
    enum class State {
        Ground,        // characters, and the bytes of one begun
        Escape,        // an ESC, and what follows within the escape delay
        Control,       // ESC [ or ESC O: parameters, intermediates, final byte
        LinuxKey,      // ESC [ [: the Linux console's F1-F5 letter
        Mouse,         // ESC [ M: the three bytes (or characters) of an X10 report
        StringStart,   // ESC ] P _ ^ X, and nothing after it yet
        String,        // a string, up to BEL (for ESC ]) or ESC backslash
        StringEscape,  // an ESC inside a string: a backslash ends it
        OwnKey,        // the common sequence is over, and a longer key of the description may come
    };
    // A key the bytes so far make, from their first. Of two as long, the
    // lower rank wins.
    enum class Rank { Common, Described, Alt };
    struct Candidate {
        bool found = false;
        bool silent = false;  // a key that is nothing (the keypad's 5): it wins, and no key is told
        KeyRecord key;
        std::size_t length = 0;  // bytes of the sequence it takes
        Rank rank = Rank::Common;
    };
    // What the common sequences make of a byte.
    struct Step {
        enum Kind {
            More,  // it is part of the sequence, which goes on
            Done,  // the sequence is over: `ending`, if any, is its key
            Acts,  // no part of it: a control byte, which acts as it comes
        } kind = More;
        Candidate ending;        // for Done
        std::size_t afresh = 0;  // for Done: the last bytes, up to this one, that are no part of it
    };

    void GroundByte(uint8_t byte, Time now);
    void SequenceByte(uint8_t byte, Time now);
    Step CommonStep(uint8_t byte, Time now);
    Step EscapeStep(uint8_t byte, Time now);
    Step ControlStep(uint8_t byte);
    Step FinishControl(uint8_t final);
    Step MouseStep(uint8_t byte);
    Step StringStep(uint8_t byte, Time now);
    // A byte that can be no part of the control sequence begun.
    Step Interrupt(uint8_t byte);
    // What the common sequence begun is, once its time is out.
    Candidate TimedOut() const;
    Step DoneWith(Candidate ending, std::size_t afresh = 0) const;
    Candidate KeyOf(KeyRecord const& key, Rank rank = Rank::Common, bool silent = false) const;
    // Reads a byte as (part of) a character; one that can begin none is dropped.
    void Character(uint8_t byte, Time now);
    void BeginEscape(Time now);
    void Append(uint8_t byte);
    // Follows the description's keys with the sequence so far: notes one
    // whole, and whether a longer may still come.
    void FollowOwnKeys();
    // Whether a longer key of the description may be made with `byte` next.
    bool OwnKeyGoesOnWith(uint8_t byte) const;
    // The sequence is over: the longest key it makes is told (or none), and
    // the bytes after it are read afresh.
    void Resolve(Time now);
    // Reads `bytes`, those of the sequence from `from` on, afresh; they came
    // at `at`. A flush that came at `mark` among them drops what came before
    // it.
    void Reread(std::string const& bytes, std::vector<Time> const& at, std::size_t from, std::size_t mark,
                Time now);
    // Feed, for a byte that first came at `arrived`.
    void Take(uint8_t byte, Time now, Time arrived);
    // What a flush does to the key being read.
    void FlushHere();
    // ESC [ or ESC O, and nothing after it yet.
    bool BareIntroducer() const { return state_ == State::Control && raw_.size() == fixedFrom_ + 2; }
    // Queues a key told at `now`, whose first and last bytes came at
    // `firstAt` and `lastAt`.
    void Emit(KeyRecord const& key, Time firstAt, Time lastAt, Time now);
    // Back to ground, the sequence's bytes and what they made forgotten.
    void EndSequence();
    bool Idle() const { return state_ == State::Ground && !decoder_.Pending(); }

    bool utf8_;
    std::vector<std::pair<std::string, KeyRecord>> ownKeys_;
    bool x10Mouse_ = true;  // ESC [ M begins a mouse report, not a key of the description's

    State state_ = State::Ground;
    Utf8Decoder decoder_;
    // When the time of what has begun started: a character's lead byte, an
    // ESC (a sequence's time runs from its ESC), a string's latest byte.
    Time begunAt_{};
    // The sequence begun, from its first ESC (Alt's too), as far as any
    // key's goes; `count_` bytes in all. The common sequence starts at
    // `fixedFrom_`, after Alt's ESC.
    std::string raw_;
    std::vector<Time> rawAt_;  // when each of its bytes came
    std::size_t count_ = 0;
    std::size_t fixedFrom_ = 0;
    uint8_t last_ = 0;           // its latest byte
    bool intermediate_ = false;  // an intermediate byte came
    bool osc_ = false;           // the string began ESC ], and BEL ends it too
    int mouseItems_ = 0;         // of the report still to come
    bool mouseLead_ = false;     // the last byte of it began a UTF-8 character
    bool ownMayGoOn_ = false;    // a longer key of the description may still come
    Candidate held_;             // the longest key of the description whole so far
    Candidate ended_;            // what the common sequence was, once over (OwnKey)
    bool discarding_ = false;    // the key being read came before a flush
    std::size_t flushedAt_ = 0;  // bytes of the sequence that came before that flush
    bool beforeFlush_ = false;   // bytes read afresh came before a flush: what they make is dropped
    // The keys read and not yet taken, with when their first and last bytes
    // came and when they were told.
    struct Queued {
        KeyRecord key;
        Time firstAt{};
        Time lastAt{};
        Time toldAt{};
    };
    std::deque<Queued> keys_;
    Queued taken_;    // the key taken last
    Time arrived_{};  // when the byte being read first came
    Time firstAt_{};  // when the first byte of the key being read came
};

}  // namespace con
