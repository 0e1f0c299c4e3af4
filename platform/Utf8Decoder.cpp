#include "platform/Utf8Decoder.h"

namespace con {

Utf8Decoder::Step Utf8Decoder::Add(uint8_t byte) {
    if (needed_ > 0) {
        if (byte < low_ || byte > high_) {
            needed_ = 0;
            return Step::Cut;
        }
        code_ = (code_ << 6) | (byte & 0x3F);
        low_ = 0x80;
        high_ = 0xBF;
        return --needed_ == 0 ? Step::Character : Step::More;
    }
    if (byte < 0x80) {
        code_ = byte;
        return Step::Character;
    }
    low_ = 0x80;
    high_ = 0xBF;
    if (byte >= 0xC2 && byte <= 0xDF) {
        needed_ = 1;
        code_ = byte & 0x1F;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        needed_ = 2;
        code_ = byte & 0x0F;
        low_ = byte == 0xE0 ? 0xA0 : 0x80;   // below: overlong
        high_ = byte == 0xED ? 0x9F : 0xBF;  // above: surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        needed_ = 3;
        code_ = byte & 0x07;
        low_ = byte == 0xF0 ? 0x90 : 0x80;   // below: overlong
        high_ = byte == 0xF4 ? 0x8F : 0xBF;  // above: past U+10FFFF
    } else {
        return Step::Stray;  // a continuation byte, or a lead of nothing well-formed
    }
    return Step::More;
}

}  // namespace con
