#include "game/ui/KeyInput.h"

KeyRead ReadKeyRecord(con::Handle hIn, con::KeyRecord& record) {
    uint32_t read = 0;
    if (!con::ReadConsoleInputA(hIn, &record, 1, &read) || read != 1) {
        record = kLostConsoleKey;
        return KeyRead::Lost;
    }
    return record.eventType == con::KEY_EVENT && record.keyDown ? KeyRead::Press : KeyRead::Other;
}

bool ReadKeyPress(con::Handle hIn, con::KeyRecord& record) {
    KeyRead const read = ReadKeyRecord(hIn, record);
    con::FlushConsoleInputBuffer(hIn);
    return read != KeyRead::Other;
}

con::KeyRecord NextKeyPress(con::Handle hIn) {
    for (;;) {
        con::KeyRecord key{};
        if (ReadKeyRecord(hIn, key) != KeyRead::Other) {
            return key;
        }
    }
}

bool PollKeyPress(con::Handle hIn, con::KeyRecord& record) {
    return con::_kbhit() != 0 && ReadKeyRecord(hIn, record) == KeyRead::Press;
}
