#include "platform/VirtualConsole.h"

#include "platform/Cp437.h"
#include "platform/Keyboard.h"

namespace con {

KeyRecord VirtualConsole::RecordFor(char character) { return KeyRecordFor(character); }

VirtualConsole& VirtualConsole::Press(uint16_t virtualKey, char character) {
    KeyRecord r;
    r.virtualKey = virtualKey;
    r.character = character;
    return Record(r);
}

VirtualConsole& VirtualConsole::Type(std::string const& text) {
    for (char c : text) {
        Record(RecordFor(c));
    }
    return *this;
}

VirtualConsole& VirtualConsole::Record(KeyRecord const& record) {
    script_.push_back(Entry{record, 0});
    return *this;
}

VirtualConsole& VirtualConsole::Idle(long polls) {
    if (polls > 0) {
        script_.push_back(Entry{KeyRecord{}, polls});
    }
    return *this;
}

void VirtualConsole::Fetch(std::deque<KeyRecord>& queue, bool block) {
    if (onWait) {
        onWait(*this);
    }
    if (block) {
        // A blocking read cannot idle: idle entries are for polling loops.
        while (!script_.empty() && script_.front().idlePolls > 0) {
            script_.pop_front();
        }
        if (script_.empty()) {
            throw ScriptExhausted();
        }
    } else {
        if (script_.empty()) {
            if (++emptyPolls_ > pollsAfterScript) {
                throw ScriptExhausted();
            }
            return;
        }
        if (script_.front().idlePolls > 0) {
            if (--script_.front().idlePolls == 0) {
                script_.pop_front();
            }
            return;
        }
    }
    emptyPolls_ = 0;
    queue.push_back(script_.front().record);
    script_.pop_front();
}

void VirtualConsole::Sleep(uint32_t milliseconds) {
    if (onSleep) {
        onSleep(*this, milliseconds);
    }
    clockMs_ += milliseconds;
}

bool VirtualConsole::SetBufferSize(Coord size) {
    bool const ok = Backend::SetBufferSize(size);
    sizingLog.push_back("buffer " + std::to_string(size.X) + "x" + std::to_string(size.Y) +
                        (ok ? "" : " refused"));
    return ok;
}

bool VirtualConsole::SetWindow(Rect const& window) {
    bool const ok = Backend::SetWindow(window);
    sizingLog.push_back("window " + std::to_string(window.Left) + "," + std::to_string(window.Top) + "-" +
                        std::to_string(window.Right) + "," + std::to_string(window.Bottom) +
                        (ok ? "" : " refused"));
    return ok;
}

std::string VirtualConsole::Text(int y, int x0, int x1) const {
    std::string out;
    if (y < 0 || y >= kRows) {
        return out;
    }
    for (int x = x0 < 0 ? 0 : x0; x < x1 && x < kColumns; ++x) {
        out += Cp437ToUtf8(ByteAt(x, y));
    }
    return out;
}

std::string VirtualConsole::Picture(int x, int y, int width, int height) const {
    std::string out;
    for (int row = y; row < y + height; ++row) {
        if (row > y) {
            out += '\n';
        }
        out += Text(row, x, x + width);
    }
    return out;
}

std::string VirtualConsole::Dump() const {
    std::string out = "\n";
    for (int row = 0; row < kRows; ++row) {
        out += Text(row) + "|\n";
    }
    return out;
}

std::string VirtualConsole::Attributes(int x, int y, int width, int height) const {
    std::string out;
    for (int row = y; row < y + height && row < kRows; ++row) {
        if (row > y) {
            out += '\n';
        }
        for (int col = x; col < x + width && col < kColumns; ++col) {
            if (col > x) {
                out += ' ';
            }
            out += std::to_string(AttrAt(col, row));
        }
    }
    return out;
}

void VirtualConsole::Fill(uint8_t byte, uint16_t attribute) {
    ScreenModel& m = Model();
    uint16_t const saved = m.attribute;
    m.attribute = attribute;
    m.MoveCursor(0, 0);
    for (int i = 0; i < kColumns * kRows; ++i) {
        m.Put(byte);
    }
    m.attribute = saved;
    m.MoveCursor(0, 0);
}

}  // namespace con
