#include "platform/TerminalReader.h"

#include <cwchar>
#include <string_view>

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
        (count == 1 && Modifier(fields[0])) || (count == 2 && fields[0] <= 1 && Modifier(fields[1]));
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

void TerminalReader::AddTerminalKey(std::string const& sequence, KeyRecord const& key) {
    if (sequence.size() < 2 || sequence.size() > kLongest || static_cast<uint8_t>(sequence[0]) != kEsc) {
        return;  // a single byte keeps its meaning: a typed character stays one
    }
    if (sequence == "\033[M") {
        x10Mouse_ = false;  // a terminal that sends it as a key sends no such report
    }
    ownKeys_.emplace_back(sequence, key);
}

void TerminalReader::Feed(uint8_t byte, Time now) {
    switch (state_) {
        case State::Ground: GroundByte(byte, now); break;
        case State::Escape: EscapeByte(byte, now); break;
        case State::Control: ControlByte(byte, now); break;
        case State::LinuxKey:
            if (byte >= 'A' && byte <= 'E') {
                state_ = State::Ground;
                Emit(TerminalKeyRecord(F(byte - 'A' + 1)));
            } else if (byte >= 0x20 && byte <= 0x7E) {
                state_ = State::Ground;  // no key of the Linux console's: dropped
            } else {
                Interrupt(byte, now);
            }
            break;
        case State::Mouse: MouseByte(byte, now); break;
        case State::String: StringByte(byte, now); break;
        case State::OwnKey: OwnKeyByte(byte, now); break;
    }
    if (Idle()) {
        discarding_ = keepNext_ = false;  // the key begun has ended, or came to nothing
    }
}

void TerminalReader::GroundByte(uint8_t byte, Time now) {
    if (byte == kEsc) {
        decoder_.Drop();  // an Escape cuts short a character begun
        BeginEscape(now, false);
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
            Emit(key);
        }
        return;
    }
    Utf8Decoder::Step step = decoder_.Add(byte);
    if (step == Utf8Decoder::Step::Cut) {
        step = decoder_.Add(byte);  // the broken start is dropped, this byte read afresh
    }
    if (step == Utf8Decoder::Step::Character) {
        if (DecodeTerminalCharacter(decoder_.Code(), key)) {
            Emit(key);
        }
    } else if (step == Utf8Decoder::Step::More && byte >= 0xC0) {
        begunAt_ = now;  // a lead byte: the character's time starts
    }
}

void TerminalReader::MouseByte(uint8_t byte, Time now) {
    // Whatever they are: past column or row 95 they are bytes of 0x80 and
    // more, and beyond that control bytes. A terminal that sends them as
    // UTF-8 sends one past 95 as two bytes, a lead and a continuation: read
    // as one, or its last byte would be a key.
    if (mouseLead_) {
        mouseLead_ = false;
        bool const continues = byte >= 0x80 && byte <= 0xBF;
        if (--mouseItems_ == 0) {
            state_ = State::Ground;
            if (!continues) {
                GroundByte(byte, now);  // no part of the report
            }
            return;
        }
        if (continues) {
            return;
        }
    }
    if (utf8_ && byte >= 0xC2 && byte <= 0xDF) {
        mouseLead_ = true;
    } else if (--mouseItems_ == 0) {
        state_ = State::Ground;
    }
}

void TerminalReader::BeginEscape(Time now, bool inString) {
    state_ = State::Escape;
    begunAt_ = now;
    alt_ = false;
    inString_ = inString;
}

void TerminalReader::EscapeByte(uint8_t byte, Time now) {
    if (inString_ && byte == '\\') {
        state_ = State::Ground;  // the string's end
        return;
    }
    if (inString_ && byte == kEsc) {
        begunAt_ = now;  // the first began nothing; this one may begin the end
        return;
    }
    inString_ = false;  // any other sequence ends the string, and is read afresh
    if (byte == kEsc) {
        if (alt_) {
            Emit(KeyRecordFor(27));  // Alt+Escape; another Escape begins
        }
        alt_ = !alt_;
        begunAt_ = now;
        return;
    }
    sequence_.assign(1, static_cast<char>(kEsc));
    sequence_ += static_cast<char>(byte);
    tooLong_ = intermediate_ = malformed_ = false;
    if (byte == '[' || byte == 'O') {
        state_ = State::Control;
        return;
    }
    if (FollowOwnKey()) {
        return;
    }
    if (byte == ']' || byte == 'P' || byte == '_' || byte == '^' || byte == 'X') {
        state_ = State::String;
        osc_ = byte == ']';
        stringBegun_ = false;
        begunAt_ = now;
        return;
    }
    // Alt and a key read as the key, as the console reports them; Alt and a
    // byte of no character as nothing.
    state_ = State::Ground;
    if (alt_) {
        Emit(KeyRecordFor(27));
    }
    Character(byte, now);
}

void TerminalReader::Append(uint8_t byte) {
    tooLong_ = tooLong_ || sequence_.size() >= kLongest;
    if (!tooLong_) {
        sequence_ += static_cast<char>(byte);
    }
}

void TerminalReader::ControlByte(uint8_t byte, Time now) {
    std::string_view const parameters = std::string_view(sequence_).substr(2);
    if (byte >= 0x30 && byte <= 0x3F) {
        malformed_ = malformed_ || intermediate_;
        Append(byte);
        KeyRecord key;
        if (!tooLong_ && MatchOwnKey(key) == Match::Exact) {
            state_ = State::Ground;  // a description's key that ends without a final byte
            Emit(key);
        }
        return;
    }
    if (byte == '$' && sequence_[1] == '[' && !intermediate_ && Digits(parameters)) {
        FinishControl(byte);  // rxvt's shifted keys end so: ESC [ 7 $ is Shift+Home
        return;
    }
    if (byte >= 0x20 && byte <= 0x2F) {
        intermediate_ = true;
        Append(byte);
        return;
    }
    if (byte >= 0x40 && byte <= 0x7E) {
        FinishControl(byte);
        return;
    }
    Interrupt(byte, now);
}

void TerminalReader::FinishControl(uint8_t final) {
    state_ = State::Ground;
    bool const bare = sequence_.size() == 2;
    if (bare && sequence_[1] == '[') {
        if (final == '[') {
            state_ = State::LinuxKey;
            return;
        }
        if (final == 'M' && x10Mouse_) {
            state_ = State::Mouse;
            mouseItems_ = 3;
            mouseLead_ = false;
            return;
        }
    }
    std::string_view const parameters = std::string_view(sequence_).substr(2);
    KeyRecord key;
    Found const found = tooLong_ || malformed_ || intermediate_
                            ? Found::Unknown
                            : FixedMeaning(sequence_[1], parameters, final, key);
    if (found == Found::Key) {
        Emit(key);
        return;
    }
    Append(final);
    if (found == Found::Unknown && !tooLong_ && MatchOwnKey(key) == Match::Exact) {
        Emit(key);
    }
    // Anything else (a mouse report, a reply, a key the game does not know)
    // is dropped whole.
}

void TerminalReader::StringByte(uint8_t byte, Time now) {
    // A long string may come in pieces: its time runs from its latest byte.
    stringBegun_ = true;
    begunAt_ = now;
    if (byte == kEsc) {
        BeginEscape(now, true);
    } else if (byte == kBel && osc_) {
        state_ = State::Ground;
    } else if (byte == kCan || byte == kSub) {
        state_ = State::Ground;  // cancels the string, and is read on its own
        Character(byte, now);
    }
}

void TerminalReader::OwnKeyByte(uint8_t byte, Time now) {
    if (byte == kEsc) {
        BeginEscape(now, false);
        return;
    }
    Append(byte);
    if (!FollowOwnKey()) {
        state_ = State::Ground;  // began like one, and is none
    }
}

bool TerminalReader::FollowOwnKey() {
    KeyRecord key;
    switch (MatchOwnKey(key)) {
        case Match::Exact:
            state_ = State::Ground;
            Emit(key);
            return true;
        case Match::Prefix: state_ = State::OwnKey; return true;
        case Match::None: break;
    }
    return false;
}

void TerminalReader::Interrupt(uint8_t byte, Time now) {
    if (BareIntroducer()) {
        // Nothing a sequence could be made of came after ESC [ or ESC O:
        // it was Alt and that key, and this byte is read after it. That key
        // is told only now, with the next: a flush after it is no flush of
        // the next, which came later.
        Emit(KeyRecordFor(sequence_[1]));
        keepNext_ = true;
        state_ = State::Ground;
        GroundByte(byte, now);
        return;
    }
    if (byte == kEsc) {
        BeginEscape(now, false);  // the sequence begun is given up; another begins
    } else if (byte == kCan || byte == kSub || byte >= 0x80) {
        state_ = State::Ground;  // ends the sequence, and is read on its own
        Character(byte, now);
    } else {
        Character(byte, now);  // a control byte acts as it comes, and the sequence goes on
    }
}

TerminalReader::Match TerminalReader::MatchOwnKey(KeyRecord& key) const {
    Match match = Match::None;
    for (auto const& [text, ownKey] : ownKeys_) {
        if (text.size() > sequence_.size() && text.starts_with(sequence_)) {
            return Match::Prefix;  // wait for the longer
        }
        if (text == sequence_) {
            key = ownKey;
            match = Match::Exact;
        }
    }
    return match;
}

void TerminalReader::Emit(KeyRecord const& key) {
    if (!discarding_) {
        keys_.push_back({key, keepNext_});
    }
    keepNext_ = false;
}

void TerminalReader::Tick(Time now) {
    if (now < Deadline()) {
        return;
    }
    if (state_ == State::Escape && !inString_) {
        Emit(KeyRecordFor(27));  // nothing followed: the Escape key
    }
    // A string's or a sequence's introducer with nothing after it was Alt
    // and that key.
    bool const bareString = state_ == State::String && !stringBegun_;
    if (bareString || BareIntroducer()) {
        Emit(KeyRecordFor(sequence_[1]));
    }
    // A character, a sequence, a report or a string that never ended is dropped.
    state_ = State::Ground;
    decoder_.Drop();
    discarding_ = keepNext_ = false;
}

TerminalReader::Time TerminalReader::Deadline() const {
    switch (state_) {
        case State::Ground: return decoder_.Pending() ? begunAt_ + kGrace : Time::max();
        // An ESC inside a string waits for its backslash as long as the
        // string may take: a string's end parted from its ESC is no Escape.
        case State::Escape: return begunAt_ + (inString_ ? kGrace : kEscapeDelay);
        // Terminals send a string's introducer with what follows it: alone,
        // it was typed.
        case State::String: return begunAt_ + (stringBegun_ ? kGrace : kEscapeDelay);
        default: return begunAt_ + kGrace;
    }
}

void TerminalReader::Resume(Time now) { begunAt_ = now; }

void TerminalReader::Discard() {
    std::erase_if(keys_, [](Queued const& queued) { return !queued.kept; });
    discarding_ = !Idle() && !keepNext_;
}

bool TerminalReader::Next(KeyRecord& key) {
    if (keys_.empty()) {
        return false;
    }
    key = keys_.front().key;
    keys_.pop_front();
    return true;
}

}  // namespace con
