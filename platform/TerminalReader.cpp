#include "platform/TerminalReader.h"

#include <cwchar>
#include <string_view>
#include <utility>

#include "platform/Cp437.h"
#include "platform/Keyboard.h"

namespace con {

namespace {

constexpr uint8_t kEsc = 0x1B;
constexpr uint8_t kBel = 0x07;
constexpr uint8_t kCan = 0x18;
constexpr uint8_t kSub = 0x1A;
// No key's sequence is longer; a longer one is read to its end and dropped.
constexpr std::size_t kLongest = 32;
// What a sequence's bytes are kept for, to be read afresh after a key it began
// with; past it, the sequence is junk and dropped whole.
constexpr std::size_t kKept = 256;

// What a sequence's final byte (or its number, before `~`) stands for: a key
// by its virtual-key code, or a character; neither is a key that is nothing
// (the keypad's 5), which no terminal's description may make another.
struct Meaning {
    int code;  // the final byte, or the number
    uint16_t virtualKey;
    char character;
};

constexpr uint16_t F(int n) { return static_cast<uint16_t>(VK_F1 + n - 1); }

// ESC [ and a letter, with or without modifiers (ESC [ 1 ; 5 A is Ctrl+Up).
// ESC [ P to S only with modifiers: without, they are other terminals' keys.
constexpr Meaning kCsiLetters[] = {
    {'A', VK_UP, 0},   {'B', VK_DOWN, 0}, {'C', VK_RIGHT, 0}, {'D', VK_LEFT, 0},
    {'H', VK_HOME, 0}, {'F', VK_END, 0},  {'Z', 0, '\t'},  // Shift+Tab
};
constexpr Meaning kCsiModifiedLetters[] = {{'P', F(1), 0}, {'Q', F(2), 0}, {'R', F(3), 0}, {'S', F(4), 0}};
// The arrows rxvt sends with Shift (after ESC [) and Ctrl (after ESC O).
constexpr Meaning kRxvtArrows[] = {{'a', VK_UP, 0}, {'b', VK_DOWN, 0}, {'c', VK_RIGHT, 0}, {'d', VK_LEFT, 0}};
// ESC O and a letter: cursor keys, F1-F4, and the numeric keypad in
// application mode, which terminals send with NumLock off: the keys printed
// beside the digits, and the signs as themselves.
constexpr Meaning kSs3Letters[] = {
    {'A', VK_UP, 0},   {'B', VK_DOWN, 0},  {'C', VK_RIGHT, 0},  {'D', VK_LEFT, 0},  {'H', VK_HOME, 0},
    {'F', VK_END, 0},  {'P', F(1), 0},     {'Q', F(2), 0},      {'R', F(3), 0},     {'S', F(4), 0},
    {'M', 0, '\r'},    {'E', 0, 0},        {'p', VK_INSERT, 0}, {'q', VK_END, 0},   {'r', VK_DOWN, 0},
    {'s', VK_NEXT, 0}, {'t', VK_LEFT, 0},  {'u', 0, 0},         {'v', VK_RIGHT, 0}, {'w', VK_HOME, 0},
    {'x', VK_UP, 0},   {'y', VK_PRIOR, 0}, {'n', VK_DELETE, 0}, {'j', 0, '*'},      {'k', 0, '+'},
    {'l', 0, ','},     {'m', 0, '-'},      {'o', 0, '/'},       {'X', 0, '='},
};
// ESC [ number ~ (rxvt ends it in $, ^ or @ with a modifier held).
constexpr Meaning kNumbered[] = {
    {1, VK_HOME, 0}, {2, VK_INSERT, 0}, {3, VK_DELETE, 0}, {4, VK_END, 0}, {5, VK_PRIOR, 0},
    {6, VK_NEXT, 0}, {7, VK_HOME, 0},   {8, VK_END, 0},    {11, F(1), 0},  {12, F(2), 0},
    {13, F(3), 0},   {14, F(4), 0},     {15, F(5), 0},     {17, F(6), 0},  {18, F(7), 0},
    {19, F(8), 0},   {20, F(9), 0},     {21, F(10), 0},    {23, F(11), 0}, {24, F(12), 0},
};

enum class Found { Unknown, Nothing, Key };

template <std::size_t N>
Found Look(Meaning const (&table)[N], int code, KeyRecord& key) {
    for (Meaning const& m : table) {
        if (m.code != code) {
            continue;
        }
        key = TerminalKeyRecord(m.virtualKey, m.character);
        return m.virtualKey != 0 || m.character != 0 ? Found::Key : Found::Nothing;
    }
    return Found::Unknown;
}

// A sequence's parameters as at most two numbers (-1 for one left empty);
// false for anything else (a private marker, a sub-parameter, three numbers).
bool Numbers(std::string_view text, int (&fields)[2], int& count) {
    count = 0;
    fields[0] = fields[1] = -1;
    if (text.empty()) {
        return true;
    }
    count = 1;
    for (char c : text) {
        if (c == ';') {
            if (++count > 2) {
                return false;
            }
        } else if (c >= '0' && c <= '9') {
            int& field = fields[count - 1];
            field = (field < 0 ? 0 : field) * 10 + (c - '0');
            if (field > 9999) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// A modifier parameter: 1 plus Shift 1, Alt 2, Ctrl 4, Meta 8; or none.
bool Modifier(int field) { return field == -1 || (field >= 1 && field <= 16); }
// One after 1 ; which says a modifier is held: 1 would say none is.
bool HeldModifier(int field) { return field >= 2 && field <= 16; }

// What a whole control sequence means (`introducer` '[' or 'O'), by the
// sequences terminals send, modifiers taken off.
Found FixedMeaning(char introducer, std::string_view parameters, uint8_t final, KeyRecord& key) {
    int fields[2];
    int count = 0;
    if (!Numbers(parameters, fields, count)) {
        return Found::Unknown;
    }
    // A letter alone, after a modifier alone (ESC O 5 A), or after 1 and a
    // modifier (ESC [ 1 ; 5 A).
    bool const modifiedLetter =
        (count == 1 && Modifier(fields[0])) || (count == 2 && fields[0] <= 1 && HeldModifier(fields[1]));
    if (introducer == 'O') {
        if (count == 0 && Look(kRxvtArrows, final, key) != Found::Unknown) {
            return Found::Key;
        }
        return count == 0 || modifiedLetter ? Look(kSs3Letters, final, key) : Found::Unknown;
    }
    if (final == '~' || final == '$' || final == '^' || final == '@') {
        bool const numbered = fields[0] >= 0 && (count == 1 || Modifier(fields[1]));
        return numbered ? Look(kNumbered, fields[0], key) : Found::Unknown;
    }
    if (count == 0 && Look(kRxvtArrows, final, key) != Found::Unknown) {
        return Found::Key;
    }
    if (modifiedLetter && Look(kCsiModifiedLetters, final, key) != Found::Unknown) {
        return Found::Key;
    }
    return count == 0 || modifiedLetter ? Look(kCsiLetters, final, key) : Found::Unknown;
}

bool Digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool DecodeTerminalCharacter(char32_t code, KeyRecord& record) {
    record = KeyRecord{};
    if (code < 128) {
        record = KeyRecordFor(static_cast<char>(code));
        return record.virtualKey != 0;
    }
    // Beyond ASCII, as the console would hand it to the game: its code page
    // 437 byte, where that page has it.
    int const byte = UnicodeToCp437(code);
    if (byte < 128) {
        return false;
    }
    record.character = static_cast<char>(byte);
    return true;
}

KeyRecord TerminalKeyRecord(uint16_t virtualKey, char character) {
    if (character != 0) {
        return KeyRecordFor(character);
    }
    KeyRecord key;
    key.virtualKey = virtualKey;
    return key;
}

bool TerminalReader::ReadsBeforeRuling(Time deadline, Time readTo, Time now, bool paused) {
    if (deadline > now || readTo >= deadline) {
        return false;  // nothing to rule on yet; or what waits came after the time ran out
    }
    return !paused || now - deadline < kLateRest;
}

void TerminalReader::AddTerminalKey(std::string const& sequence, KeyRecord const& key) {
    if (sequence.size() < 2 || sequence.size() > kLongest || static_cast<uint8_t>(sequence[0]) != kEsc) {
        return;  // a single byte keeps its meaning: a typed character stays one
    }
    for (auto const& known : ownKeys_) {
        if (known.first == sequence) {
            return;  // given to two keys: the first told keeps it
        }
    }
    if (sequence == "\033[M") {
        x10Mouse_ = false;  // a terminal that sends it as a key sends no such report
    }
    ownKeys_.emplace_back(sequence, key);
}

void TerminalReader::Feed(uint8_t byte, Time now) { Take(byte, now, now); }

void TerminalReader::Take(uint8_t byte, Time now, Time arrived) {
    arrived_ = arrived;
    if (state_ == State::Ground) {
        GroundByte(byte, now);
    } else {
        SequenceByte(byte, now);
    }
    if (Idle()) {
        discarding_ = false;  // the key begun has ended, or came to nothing
    }
}

void TerminalReader::GroundByte(uint8_t byte, Time now) {
    if (byte == kEsc) {
        if (decoder_.Pending()) {
            decoder_.Drop();      // an Escape cuts short a character begun,
            discarding_ = false;  // and begins a key of its own
        }
        BeginEscape(now);
        return;
    }
    Character(byte, now);
}

void TerminalReader::Character(uint8_t byte, Time now) {
    KeyRecord key;
    if (!utf8_) {
        // In the C locale a byte past ASCII is none, and is dropped.
        wint_t const code = btowc(byte);
        if (code != WEOF && DecodeTerminalCharacter(static_cast<char32_t>(code), key)) {
            Emit(key, arrived_, arrived_, now);
        }
        return;
    }
    bool begins = !decoder_.Pending();
    Utf8Decoder::Step step = decoder_.Add(byte);
    if (step == Utf8Decoder::Step::Cut) {
        discarding_ = false;        // the broken start is dropped,
        step = decoder_.Add(byte);  // and this byte read afresh
        begins = true;
    }
    if (begins) {
        firstAt_ = arrived_;
    }
    if (step == Utf8Decoder::Step::Character) {
        if (DecodeTerminalCharacter(decoder_.Code(), key)) {
            Emit(key, firstAt_, arrived_, now);
        }
    } else if (step == Utf8Decoder::Step::More && byte >= 0xC0) {
        begunAt_ = now;  // a lead byte: the character's time starts
    }
}

void TerminalReader::BeginEscape(Time now) {
    state_ = State::Escape;
    begunAt_ = now;
    raw_.assign(1, static_cast<char>(kEsc));
    rawAt_.assign(1, arrived_);
    firstAt_ = arrived_;
    count_ = 1;
    fixedFrom_ = 0;
    last_ = kEsc;
    held_ = ended_ = Candidate{};
    ownMayGoOn_ = !ownKeys_.empty();
}

void TerminalReader::Append(uint8_t byte) {
    ++count_;
    last_ = byte;
    if (raw_.size() < kKept) {
        raw_ += static_cast<char>(byte);
        rawAt_.push_back(arrived_);
        return;
    }
    // Junk: no key it began with is told, as its bytes after could not be
    // read again.
    held_ = Candidate{};
    ownMayGoOn_ = false;
}

bool TerminalReader::OwnKeyGoesOnWith(uint8_t byte) const {
    if (!ownMayGoOn_) {
        return false;
    }
    std::string const longer = raw_ + static_cast<char>(byte);
    for (auto const& known : ownKeys_) {
        if (known.first.starts_with(longer)) {
            return true;
        }
    }
    return false;
}

void TerminalReader::FollowOwnKeys() {
    if (!ownMayGoOn_) {
        return;
    }
    ownMayGoOn_ = false;
    for (auto const& [text, key] : ownKeys_) {
        if (!text.starts_with(raw_)) {
            continue;
        }
        if (text.size() == raw_.size()) {
            held_ = KeyOf(key, Rank::Described);
            held_.length = raw_.size();
        } else {
            ownMayGoOn_ = true;
        }
    }
}

void TerminalReader::SequenceByte(uint8_t byte, Time now) {
    if (state_ == State::OwnKey) {
        Append(byte);
        FollowOwnKeys();
        if (!ownMayGoOn_) {
            Resolve(now);
        }
        return;
    }
    Step step = CommonStep(byte, now);
    if (step.kind == Step::Acts) {
        if (!held_.found && !OwnKeyGoesOnWith(byte)) {
            // A control byte acts as it comes, and the sequence goes on. It
            // came after any flush the sequence saw.
            KeyRecord key;
            if (DecodeTerminalCharacter(byte, key)) {
                bool const discarding = std::exchange(discarding_, false);
                Emit(key, arrived_, arrived_, now);
                discarding_ = discarding;
            }
            return;
        }
        // Part of a key of the description's, or after one whole: the
        // sequence as the common ones go is over, and the byte is read after
        // what it makes.
        step = DoneWith({}, 1);
    }
    Append(byte);
    FollowOwnKeys();
    if (step.kind == Step::More) {
        // A string or a mouse report is no key: once no longer key of the
        // description may come, the one held is taken at once.
        bool const noKey = state_ == State::StringStart || state_ == State::String ||
                           state_ == State::StringEscape || state_ == State::Mouse;
        if (noKey && held_.found && !ownMayGoOn_) {
            ended_ = Candidate{};
            ended_.length = count_;
            Resolve(now);
        }
        return;
    }
    ended_ = step.ending;
    ended_.length = count_ - step.afresh;
    if (ownMayGoOn_) {
        state_ = State::OwnKey;  // a longer key of the description may still come
        return;
    }
    Resolve(now);
}

TerminalReader::Candidate TerminalReader::KeyOf(KeyRecord const& key, Rank rank, bool silent) const {
    Candidate c;
    c.found = true;
    c.silent = silent;
    c.key = key;
    c.rank = rank;
    return c;
}

TerminalReader::Step TerminalReader::DoneWith(Candidate ending, std::size_t afresh) const {
    Step step;
    step.kind = Step::Done;
    step.ending = ending;
    step.afresh = afresh;
    return step;
}

TerminalReader::Step TerminalReader::CommonStep(uint8_t byte, Time now) {
    switch (state_) {
        case State::Escape: return EscapeStep(byte, now);
        case State::Control: return ControlStep(byte);
        case State::LinuxKey:
            if (byte >= 'A' && byte <= 'E') {
                return DoneWith(KeyOf(TerminalKeyRecord(F(byte - 'A' + 1))));
            }
            if (byte >= 0x20 && byte <= 0x7E) {
                return DoneWith({});  // no key of the Linux console's: dropped, with this byte
            }
            return Interrupt(byte);
        case State::Mouse: return MouseStep(byte);
        case State::StringStart:
        case State::String: return StringStep(byte, now);
        case State::StringEscape:
            if (byte == '\\') {
                return DoneWith({});  // the string's end
            }
            if (byte == kEsc) {
                begunAt_ = now;  // the first began nothing; this one may begin the end
                return {};
            }
            return DoneWith({}, 2);  // another sequence ends the string, and is read afresh from its ESC
        case State::Ground:
        case State::OwnKey: break;
    }
    return {};
}

TerminalReader::Step TerminalReader::EscapeStep(uint8_t byte, Time now) {
    if (byte == kEsc) {
        if (fixedFrom_ == 0) {
            fixedFrom_ = 1;  // the first was Alt's; this one begins what Alt is held with
            begunAt_ = now;
            return {};
        }
        return DoneWith(KeyOf(KeyRecordFor(27), Rank::Alt), 1);  // Alt+Escape; this ESC begins afresh
    }
    if (byte == '[' || byte == 'O') {
        state_ = State::Control;
        intermediate_ = false;
        return {};
    }
    if (byte == ']' || byte == 'P' || byte == '_' || byte == '^' || byte == 'X') {
        state_ = State::StringStart;
        osc_ = byte == ']';
        begunAt_ = now;
        return {};
    }
    if (fixedFrom_ == 1) {
        return DoneWith(KeyOf(KeyRecordFor(27), Rank::Alt), 1);  // Alt+Escape, and this byte read afresh
    }
    // Alt and a key read as the key, as the console reports them; Alt and a
    // byte of no character as nothing. A character beyond ASCII is read
    // afresh, its Alt dropped.
    if (byte >= 0x80) {
        return DoneWith({}, 1);
    }
    KeyRecord key;
    return DoneWith(DecodeTerminalCharacter(byte, key) ? KeyOf(key, Rank::Alt) : Candidate{});
}

TerminalReader::Step TerminalReader::ControlStep(uint8_t byte) {
    if (byte >= 0x30 && byte <= 0x3F) {
        return {};  // a parameter (after an intermediate, the sequence is no key)
    }
    std::string_view const parameters = std::string_view(raw_).substr(fixedFrom_ + 2);
    if (byte == '$' && raw_[fixedFrom_ + 1] == '[' && !intermediate_ && Digits(parameters)) {
        return FinishControl(byte);  // rxvt's shifted keys end so: ESC [ 7 $ is Shift+Home
    }
    if (byte >= 0x20 && byte <= 0x2F) {
        intermediate_ = true;
        return {};
    }
    if (byte >= 0x40 && byte <= 0x7E) {
        return FinishControl(byte);
    }
    return Interrupt(byte);
}

TerminalReader::Step TerminalReader::FinishControl(uint8_t final) {
    if (BareIntroducer() && raw_[fixedFrom_ + 1] == '[') {
        if (final == '[') {
            state_ = State::LinuxKey;
            return {};
        }
        if (final == 'M' && x10Mouse_) {
            state_ = State::Mouse;
            mouseItems_ = 3;
            mouseLead_ = false;
            return {};
        }
    }
    KeyRecord key;
    Found const found =
        count_ >= kLongest || intermediate_
            ? Found::Unknown
            : FixedMeaning(raw_[fixedFrom_ + 1], std::string_view(raw_).substr(fixedFrom_ + 2), final, key);
    // Anything else (a mouse report, a reply, a key the game does not know)
    // is nothing, but for a key of the description's it may begin with.
    return found == Found::Unknown ? DoneWith({})
                                   : DoneWith(KeyOf(key, Rank::Common, found == Found::Nothing));
}

TerminalReader::Step TerminalReader::MouseStep(uint8_t byte) {
    // Whatever they are: past column or row 95 they are bytes of 0x80 and
    // more, and beyond that control bytes. A terminal that sends them as
    // UTF-8 sends one past 95 as two bytes, a lead and a continuation, read
    // as one, or its last byte would be a key. A report carries at most 223,
    // which UTF-8 sends after the leads C2 and C3 alone: only those are
    // joined, since a terminal that sends the coordinates raw sends bytes of
    // that very shape, and the two readings then differ at columns and rows
    // 162 and 163 alone.
    if (mouseLead_) {
        mouseLead_ = false;
        bool const continues = byte >= 0x80 && byte <= 0xBF;
        if (--mouseItems_ == 0) {
            return DoneWith({}, continues ? 0 : 1);  // what does not continue it is no part of the report
        }
        if (continues) {
            return {};
        }
    }
    if (utf8_ && (byte == 0xC2 || byte == 0xC3)) {
        mouseLead_ = true;
        return {};
    }
    return --mouseItems_ == 0 ? DoneWith({}) : Step{};
}

TerminalReader::Step TerminalReader::StringStep(uint8_t byte, Time now) {
    // A long string may come in pieces: its time runs from its latest byte.
    state_ = State::String;
    begunAt_ = now;
    if (byte == kEsc) {
        state_ = State::StringEscape;
        return {};
    }
    if (byte == kBel && osc_) {
        return DoneWith({});
    }
    if (byte == kCan || byte == kSub) {
        return DoneWith({}, 1);  // cancels the string, and is read on its own
    }
    return {};
}

TerminalReader::Step TerminalReader::Interrupt(uint8_t byte) {
    if (BareIntroducer()) {
        // Nothing a sequence could be made of came after ESC [ or ESC O:
        // it was Alt and that key, and this byte is read after it.
        return DoneWith(KeyOf(KeyRecordFor(raw_[fixedFrom_ + 1]), Rank::Alt), 1);
    }
    if (byte == kEsc || byte == kCan || byte == kSub || byte >= 0x80) {
        return DoneWith({}, 1);  // ends the sequence, and is read afresh
    }
    Step step;  // a control byte, which acts as it comes
    step.kind = Step::Acts;
    return step;
}

TerminalReader::Candidate TerminalReader::TimedOut() const {
    Candidate c;
    if (state_ == State::Escape) {
        // Nothing followed: the Escape key, or Alt+Escape.
        c = KeyOf(KeyRecordFor(27), fixedFrom_ == 0 ? Rank::Common : Rank::Alt);
    } else if (state_ == State::StringStart || BareIntroducer()) {
        // A string's or a sequence's introducer with nothing after it was
        // Alt and that key.
        c = KeyOf(KeyRecordFor(raw_[fixedFrom_ + 1]), Rank::Alt);
    }
    // Anything else that never ended is nothing.
    c.length = count_;
    return c;
}

void TerminalReader::Resolve(Time now) {
    // The longest key whole wins; of two as long, the lower rank.
    Candidate best = ended_;
    if (held_.found && (!best.found || held_.length > best.length ||
                        (held_.length == best.length && held_.rank < best.rank))) {
        best = held_;
    }
    std::size_t const taken = best.found ? best.length : ended_.length;
    std::string rest;
    std::vector<Time> restAt;  // when each of its bytes came
    Time keyEndedAt = now;     // when the last byte of the key came
    if (count_ <= kKept) {
        rest = raw_.substr(taken);
        restAt.assign(rawAt_.begin() + static_cast<std::ptrdiff_t>(taken), rawAt_.end());
        if (taken > 0) {
            keyEndedAt = rawAt_[taken - 1];
        }
    } else {
        // Too long to be kept: only what the common sequence leaves, its last bytes.
        if (count_ - taken == 2) {
            rest += static_cast<char>(kEsc);
        }
        if (count_ - taken >= 1) {
            rest += static_cast<char>(last_);
        }
        restAt.assign(rest.size(), now);
    }
    std::size_t const mark = discarding_ ? flushedAt_ : std::string::npos;
    EndSequence();
    if (best.found && !best.silent) {
        Emit(best.key, firstAt_, keyEndedAt, now);
    }
    discarding_ = false;
    Reread(rest, restAt, taken, mark, now);
}

void TerminalReader::Reread(std::string const& bytes, std::vector<Time> const& at, std::size_t from,
                            std::size_t mark, Time now) {
    bool const outer = beforeFlush_;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (mark != std::string::npos && from + i < mark) {
            beforeFlush_ = true;
        } else if (mark != std::string::npos && from + i == mark) {
            beforeFlush_ = outer;
            FlushHere();
        }
        Take(static_cast<uint8_t>(bytes[i]), now, at[i]);
    }
    if (mark != std::string::npos && from + bytes.size() == mark) {
        beforeFlush_ = outer;
        FlushHere();  // all of it came before the flush
    }
    beforeFlush_ = outer;
}

void TerminalReader::EndSequence() {
    state_ = State::Ground;
    raw_.clear();
    rawAt_.clear();
    count_ = fixedFrom_ = 0;
    held_ = ended_ = Candidate{};
    ownMayGoOn_ = false;
}

void TerminalReader::Emit(KeyRecord const& key, Time firstAt, Time lastAt, Time now) {
    if (!discarding_ && !beforeFlush_) {
        keys_.push_back({key, firstAt, lastAt, now});
    }
}

void TerminalReader::Tick(Time now) {
    if (now < Deadline()) {
        return;
    }
    if (state_ == State::Ground) {
        decoder_.Drop();  // a character that never ended is dropped
    } else {
        if (state_ != State::OwnKey) {
            ended_ = TimedOut();
        }
        Resolve(now);
    }
    if (Idle()) {
        discarding_ = false;
    }
}

TerminalReader::Time TerminalReader::Deadline() const {
    switch (state_) {
        case State::Ground: return decoder_.Pending() ? begunAt_ + kGrace : Time::max();
        // Terminals send a string's introducer with what follows it: alone,
        // it was typed.
        case State::Escape:
        case State::StringStart: return begunAt_ + kEscapeDelay;
        // An ESC inside a string waits for its backslash as long as the
        // string may take: a string's end parted from its ESC is no Escape.
        default: return begunAt_ + kGrace;
    }
}

void TerminalReader::Resume(Time now) { begunAt_ = now; }

void TerminalReader::FlushHere() {
    if (Idle()) {
        discarding_ = false;
        return;
    }
    discarding_ = true;
    flushedAt_ = count_;
}

void TerminalReader::Discard() {
    // A key told late (when the next byte came, or its time ran out) is
    // flushed after as a key told at once would have been: when its last
    // byte came. What was typed after that, by an Escape's time at least,
    // and before it was told, came after such a flush, and is kept; what
    // came with it was typed ahead, and is flushed as any other.
    bool const late = taken_.toldAt > taken_.lastAt;
    auto const typedAfter = [&](Time firstAt) {
        return late && firstAt >= taken_.lastAt + kEscapeDelay && firstAt <= taken_.toldAt;
    };
    std::erase_if(keys_, [&](Queued const& queued) { return !typedAfter(queued.firstAt); });
    if (!typedAfter(firstAt_)) {
        FlushHere();
    }
}

void TerminalReader::Cut() {
    decoder_.Drop();
    EndSequence();
    discarding_ = false;
}

bool TerminalReader::Next(KeyRecord& key) {
    if (keys_.empty()) {
        return false;
    }
    taken_ = keys_.front();
    key = taken_.key;
    keys_.pop_front();
    return true;
}

}  // namespace con
