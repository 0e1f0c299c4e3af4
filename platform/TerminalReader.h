// Terminal input, read a byte at a time into the key records the console
// would hand the game. Terminals encode one key in many ways (control
// sequences with or without modifiers, behind the Escape that Alt sends, or
// as their own descriptions name them) and send things that are no keys at
// all (mouse reports, replies to another program's queries, strings). All of
// it is read here, by one state machine after the DEC parser's (ground,
// escape, control sequence, string, mouse report), so that a key reads the
// same whatever the terminal calls it, with its modifiers taken off, and what
// is no key is dropped whole, never read as an Escape and some letters.
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

    // `utf8`: characters come as UTF-8; otherwise each byte is one character,
    // as the locale reads it.
    explicit TerminalReader(bool utf8) : utf8_(utf8) {}

    // A key as the terminal's own description names it: read where the
    // sequences terminals commonly send give it no meaning, so that a
    // terminal with keys of its own is understood too.
    void AddTerminalKey(std::string const& sequence, KeyRecord const& key);

    // Takes one byte that arrived at `now`; the keys it completes wait for Next.
    void Feed(uint8_t byte, Time now);
    // Lets time pass: an Escape whose wait is over is an Escape, and what
    // has begun and outlived its grace is dropped.
    void Tick(Time now);
    // When a Tick will next change anything (Time::max() when nothing waits).
    Time Deadline() const;
    // The program was stopped and goes on: what has begun gets its time
    // again from `now`, so that a key whose bytes a stop parted still reads
    // whole. (A resize takes none of it: an Escape alone during a drag of
    // the window is still an Escape in its time.)
    void Resume(Time now);
    // Drops the keys read and not yet taken, and the key being read, once it
    // ends: all of it came before the flush (but for a key that came after
    // one told late, which flushes leave until it is taken).
    void Discard();
    // The oldest key read and not yet taken.
    bool Next(KeyRecord& key);

private:
    enum class State {
        Ground,    // characters, and the bytes of one begun
        Escape,    // an ESC, and what follows within the escape delay
        Control,   // ESC [ or ESC O: parameters, intermediates, final byte
        LinuxKey,  // ESC [ [: the Linux console's F1-F5 letter
        Mouse,     // ESC [ M: the three bytes (or characters) of an X10 report
        String,    // ESC ] P _ ^ X: a string, up to BEL (for ESC ]) or ESC backslash
        OwnKey,    // the start of one of the description's keys of no common shape
    };
    enum class Match { None, Prefix, Exact };

    void GroundByte(uint8_t byte, Time now);
    void EscapeByte(uint8_t byte, Time now);
    void ControlByte(uint8_t byte, Time now);
    void FinishControl(uint8_t final);
    void StringByte(uint8_t byte, Time now);
    void MouseByte(uint8_t byte, Time now);
    void OwnKeyByte(uint8_t byte, Time now);
    // A byte that is no part of the sequence begun.
    void Interrupt(uint8_t byte, Time now);
    // Reads a byte as (part of) a character; one that can begin none is dropped.
    void Character(uint8_t byte, Time now);
    void BeginEscape(Time now, bool inString);
    void Append(uint8_t byte);
    Match MatchOwnKey(KeyRecord& key) const;
    // The sequence so far against the description's keys: its key once
    // whole, more awaited while it may become one; false when it can be none.
    bool FollowOwnKey();
    // ESC [ or ESC O, and nothing after it yet.
    bool BareIntroducer() const { return state_ == State::Control && sequence_.size() == 2; }
    void Emit(KeyRecord const& key);
    bool Idle() const { return state_ == State::Ground && !decoder_.Pending(); }

    bool utf8_;
    std::vector<std::pair<std::string, KeyRecord>> ownKeys_;
    bool x10Mouse_ = true;  // ESC [ M begins a mouse report, not a key of the description's

    State state_ = State::Ground;
    Utf8Decoder decoder_;
    // When the time of what has begun started: a character's lead byte, an
    // ESC (a sequence's time runs from its ESC), a string's latest byte.
    Time begunAt_{};
    bool alt_ = false;       // ESC ESC: the first was Alt's
    bool inString_ = false;  // the ESC came inside a string: ESC backslash ends it
    bool osc_ = false;       // the string began ESC ], and BEL ends it too
    // The sequence begun, from its ESC (not Alt's), as far as any key's goes.
    std::string sequence_;
    bool tooLong_ = false;       // longer than any key's: read to its end and dropped
    bool intermediate_ = false;  // an intermediate byte came
    bool malformed_ = false;     // a parameter byte after an intermediate one
    int mouseItems_ = 0;         // of the report still to come
    bool mouseLead_ = false;     // the last byte of it began a UTF-8 character
    bool stringBegun_ = false;   // a byte came after the string's introducer
    bool discarding_ = false;    // the key being read came before a flush
    // The keys read and not yet taken; `kept` for one that came after a key
    // that could be told only when it came, and outlives a flush.
    struct Queued {
        KeyRecord key;
        bool kept = false;
    };
    std::deque<Queued> keys_;
    bool keepNext_ = false;  // the next key read is such a one
};

}  // namespace con
