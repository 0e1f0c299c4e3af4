#include "platform/Console.h"

#include <algorithm>
#include <streambuf>

#include "platform/Backend.h"
#include "platform/VirtualConsole.h"

namespace con {

namespace {

Backend* installed = nullptr;

Backend& DefaultBackend() {
    static VirtualConsole fallback;
    return fallback;
}

// A release is owed for the last key-down handed out; it joins the front of
// the queue at the next read or poll, so a flush in between cannot lose it.
void DeliverRelease(Backend& b) {
    if (b.releasePending) {
        b.queue.push_front(b.release);
        b.releasePending = false;
    }
}

bool KeyDownWaits(Backend const& b) {
    return std::any_of(b.queue.begin(), b.queue.end(),
                       [](KeyRecord const& r) { return r.keyDown; });
}

class ConsoleStreamBuf : public std::streambuf {
protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            char const c = traits_type::to_char_type(ch);
            Write(&c, 1);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(char const* s, std::streamsize n) override {
        Write(s, static_cast<std::size_t>(n));
        return n;
    }
};

}  // namespace

Backend& Active() { return installed != nullptr ? *installed : DefaultBackend(); }

Backend* Install(Backend* backend) {
    Backend* previous = installed;
    installed = backend;
    return previous;
}

bool Backend::SetBufferSize(Coord size) {
    ScreenModel& m = Model();
    if (size.X < m.window.Right - m.window.Left + 1 || size.Y < m.window.Bottom - m.window.Top + 1 ||
        size.X <= 0 || size.Y <= 0) {
        return false;
    }
    m.bufferSize = size;
    return true;
}

bool Backend::SetWindow(Rect const& window) {
    ScreenModel& m = Model();
    Coord const largest = LargestWindow();
    if (window.Left < 0 || window.Top < 0 || window.Right < window.Left || window.Bottom < window.Top ||
        window.Right >= m.bufferSize.X || window.Bottom >= m.bufferSize.Y ||
        window.Right - window.Left + 1 > largest.X || window.Bottom - window.Top + 1 > largest.Y) {
        return false;
    }
    m.window = window;
    return true;
}

Handle GetStdHandle(int which) {
    if (which == STD_INPUT_HANDLE) {
        return kInputHandle;
    }
    if (which == STD_OUTPUT_HANDLE) {
        return kOutputHandle;
    }
    return kInvalidHandle;
}

bool SetConsoleMode(Handle input, uint32_t mode) {
    if (input != kInputHandle) {
        return false;
    }
    Active().Model().inputMode = mode;
    return true;
}

bool SetConsoleTextAttribute(Handle output, uint16_t attribute) {
    if (output != kOutputHandle) {
        return false;
    }
    Active().Model().attribute = attribute;
    return true;
}

bool SetConsoleCursorPosition(Handle output, Coord position) {
    if (output != kOutputHandle) {
        return false;
    }
    return Active().Model().MoveCursor(position.X, position.Y);
}

bool SetConsoleCursorInfo(Handle output, CursorInfo const* info) {
    if (output != kOutputHandle || info == nullptr || info->size < 1 || info->size > 100) {
        return false;
    }
    ScreenModel& m = Active().Model();
    m.cursorInfo = *info;
    ++m.generation;
    return true;
}

bool GetConsoleCursorInfo(Handle output, CursorInfo* info) {
    if (output != kOutputHandle || info == nullptr) {
        return false;
    }
    *info = Active().Model().cursorInfo;
    return true;
}

bool GetConsoleScreenBufferInfo(Handle output, BufferInfo* info) {
    if (output != kOutputHandle || info == nullptr) {
        return false;
    }
    Backend& b = Active();
    ScreenModel const& m = b.Model();
    info->size = m.bufferSize;
    info->cursor = m.Cursor();
    info->attributes = m.attribute;
    info->window = m.window;
    Coord const largest = b.LargestWindow();
    info->maximumWindow = {std::min(m.bufferSize.X, largest.X), std::min(m.bufferSize.Y, largest.Y)};
    return true;
}

Coord GetLargestConsoleWindowSize(Handle output) {
    if (output != kOutputHandle) {
        return {0, 0};
    }
    return Active().LargestWindow();
}

bool SetConsoleScreenBufferSize(Handle output, Coord size) {
    return output == kOutputHandle && Active().SetBufferSize(size);
}

bool SetConsoleWindowInfo(Handle output, bool absolute, Rect const* window) {
    if (output != kOutputHandle || window == nullptr) {
        return false;
    }
    Backend& b = Active();
    Rect target = *window;
    if (!absolute) {
        Rect const& now = b.Model().window;
        target = {static_cast<int16_t>(now.Left + window->Left), static_cast<int16_t>(now.Top + window->Top),
                  static_cast<int16_t>(now.Right + window->Right),
                  static_cast<int16_t>(now.Bottom + window->Bottom)};
    }
    return b.SetWindow(target);
}

bool ReadConsoleInputA(Handle input, KeyRecord* buffer, uint32_t length, uint32_t* read) {
    if (read != nullptr) {
        *read = 0;
    }
    if (input != kInputHandle || buffer == nullptr || length == 0) {
        return false;
    }
    Backend& b = Active();
    DeliverRelease(b);
    if (b.queue.empty()) {
        b.Present();
        while (b.queue.empty()) {
            b.Fetch(b.queue, true);
        }
    }
    KeyRecord const record = b.queue.front();
    b.queue.pop_front();
    if (record.keyDown) {
        b.release = record;
        b.release.keyDown = false;
        b.releasePending = true;
    }
    *buffer = record;
    if (read != nullptr) {
        *read = 1;
    }
    return true;
}

bool FlushConsoleInputBuffer(Handle input) {
    if (input != kInputHandle) {
        return false;
    }
    Backend& b = Active();
    b.queue.clear();
    b.Discard();
    return true;
}

int _kbhit() {
    Backend& b = Active();
    DeliverRelease(b);
    // New input is taken in only when nothing at all waits: a polling screen
    // reads one record per pass and flushes the rest, so a key fetched behind
    // a waiting release would be thrown away unseen.
    if (b.queue.empty()) {
        b.Present();
        b.Fetch(b.queue, false);
    }
    return KeyDownWaits(b) ? 1 : 0;
}

void Sleep(uint32_t milliseconds) {
    Backend& b = Active();
    b.Present();
    b.Sleep(milliseconds);
}

void ClearConsole() { Active().Model().Clear(); }

void Write(char const* bytes, std::size_t count) {
    ScreenModel& m = Active().Model();
    for (std::size_t i = 0; i < count; ++i) {
        m.Put(static_cast<uint8_t>(bytes[i]));
    }
}

std::ostream& Out() {
    static ConsoleStreamBuf buffer;
    static std::ostream stream(&buffer);
    return stream;
}

}  // namespace con
