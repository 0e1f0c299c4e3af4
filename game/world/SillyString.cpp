#include "game/world/SillyString.h"

#include <cstring>
#include <string>

namespace {

// Length of the text, but never past the buffer's last char.
std::size_t BoundedLength(char const* text, std::size_t size) { return strnlen(text, size - 1); }

template <typename Number>
void WriteNumber(Number value, char* buffer, bool commas, int width) {
    if (width < 1) {
        buffer[0] = '\0';
        return;
    }
    buffer[width] = '\0';
    if (value == 0) {
        std::memset(buffer, ' ', static_cast<std::size_t>(width - 1));
        buffer[width - 1] = '0';
        return;
    }
    Number rest = value;
    int k = 3;  // digits still to write before the next comma
    for (int i = width - 1; i >= 0; --i) {
        if (rest >= 1) {
            if (k == 0 && commas) {
                buffer[i] = ',';
                k = 3;
            } else {
                buffer[i] = static_cast<char>('0' + rest % 10);
                rest /= 10;
                --k;
            }
        } else {
            buffer[i] = ' ';
            --k;
        }
    }
}

}  // namespace

void StringCopy(char* dest, std::size_t size, char const* source) {
    if (size == 0) {
        return;
    }
    std::size_t const length = strnlen(source, size - 1);
    std::memmove(dest, source, length);
    dest[length] = '\0';
}

void StringSlam(char* dest, std::size_t size, char const* first, char const* second) {
    std::string joined(first);
    joined += second;
    StringCopy(dest, size, joined.c_str());
}

void StringAppend(char* dest, std::size_t size, char const* text) {
    if (size == 0) {
        return;
    }
    std::size_t const length = BoundedLength(dest, size);
    std::string const tail(text);  // text may be dest itself
    StringCopy(dest + length, size - length, tail.c_str());
}

void StringPrependBlank(char* text, std::size_t size) {
    if (size == 0) {
        return;
    }
    if (size == 1) {
        text[0] = '\0';
        return;
    }
    std::size_t length = BoundedLength(text, size);
    if (length + 2 > size) {
        length = size - 2;
    }
    std::memmove(text + 1, text, length);
    text[0] = ' ';
    text[length + 1] = '\0';
}

void StringCutAtBlank(char* text) {
    if (char* blank = std::strchr(text, ' ')) {
        *blank = '\0';
    }
}

void StringSplit(char* head, std::size_t headSize, char* text, char delimiter, int skip) {
    std::size_t const length = std::strlen(text);
    char const* found = std::strchr(text, delimiter);
    if (found == nullptr || delimiter == '\0') {
        StringCopy(head, headSize, text);
        text[0] = '\0';
        return;
    }
    std::size_t const n = static_cast<std::size_t>(found - text);
    if (headSize > 0) {
        std::size_t const taken = n < headSize - 1 ? n : headSize - 1;
        std::memmove(head, text, taken);
        head[taken] = '\0';
    }
    std::size_t from = n + static_cast<std::size_t>(skip > 0 ? skip : 0);
    if (from > length) {
        from = length;
    }
    std::memmove(text, text + from, length - from + 1);
}

void NumberToTextField(int value, char* buffer, bool commas, int width) {
    WriteNumber(value, buffer, commas, width);
}

void UnsignedNumberToTextField(unsigned int value, char* buffer, bool commas, int width) {
    WriteNumber(value, buffer, commas, width);
}

void CleanNumberText(char* buffer, int width) {
    int const length = static_cast<int>(std::strlen(buffer));
    if (width > length) {
        width = length;
    }
    if (width < 1) {
        return;
    }
    int blanks = 0;
    while (blanks < width && buffer[blanks] == ' ') {
        ++blanks;
    }
    std::memmove(buffer, buffer + blanks, static_cast<std::size_t>(width - blanks));
    std::memset(buffer + width - blanks, ' ', static_cast<std::size_t>(blanks));
    for (int i = 0; i < width; ++i) {
        char const c = buffer[i];
        if ((c < '0' || c > '9') && c != ',') {
            buffer[i] = ' ';
        }
    }
}
