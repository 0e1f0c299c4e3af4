// Text helpers on null-terminated char arrays: joining texts for messages and
// writing numbers into fixed-width fields.
//
// Every function that writes into a buffer is bounded. Pass a char array and
// its size is taken from its type; pass a pointer and you pass the size
// (terminator included) as well. Longer results are cut, never overflow.
#pragma once

#include <concepts>
#include <cstddef>

// dest = source, cut to fit. Source and dest may overlap.
void StringCopy(char* dest, std::size_t size, char const* source);
template <std::size_t N>
void StringCopy(char (&dest)[N], char const* source) {
    StringCopy(dest, N, source);
}

// dest = first followed by second, cut to fit. Either source may be dest
// itself: the result is composed apart first.
void StringSlam(char* dest, std::size_t size, char const* first, char const* second);
template <std::size_t N>
void StringSlam(char (&dest)[N], char const* const first, char const* const second) {
    StringSlam(dest, N, first, second);
}

// Appends text to dest, cut to fit.
void StringAppend(char* dest, std::size_t size, char const* text);
template <std::size_t N>
void StringAppend(char (&dest)[N], char const* const text) {
    StringAppend(dest, N, text);
}

// Moves the text one place right and puts a blank in front; when the buffer
// is full its last character falls off.
void StringPrependBlank(char* text, std::size_t size);
template <std::size_t N>
void StringPrependBlank(char (&text)[N]) {
    StringPrependBlank(text, N);
}

// Ends the text at its first blank; a text without one is left as it is.
void StringCutAtBlank(char* text);

// head = the text before the first `delimiter` (cut to fit head); text = what
// follows it, `skip` characters after the delimiter's place (1 drops the
// delimiter). A text without the delimiter goes whole into head and text
// becomes empty.
void StringSplit(char* head, std::size_t headSize, char* text, char delimiter, int skip);
template <std::size_t N>
void StringSplit(char (&head)[N], char* text, char delimiter, int skip) {
    StringSplit(head, N, text, delimiter, skip);
}

// Writes value right-aligned in a field of exactly `width` characters and a
// terminator at buffer[width]: blanks on the left, a comma between groups of
// three digits when `commas` is set. Digits that do not fit are lost from the
// front; a negative value gives only blanks; a width below 1 gives the empty
// text. A pointer buffer must hold width + 1 chars; an array buffer narrows
// the field to fit itself.
void NumberToTextField(int value, char* buffer, bool commas, int width);
void UnsignedNumberToTextField(unsigned int value, char* buffer, bool commas, int width);

template <typename Buffer>
requires std::same_as<Buffer, char*>
void NumberToText(int value, Buffer buffer, bool const& commas, int width) {
    NumberToTextField(value, buffer, commas, width);
}
template <std::size_t N>
void NumberToText(int value, char (&buffer)[N], bool const& commas, int width) {
    NumberToTextField(value, buffer, commas, width < static_cast<int>(N) ? width : static_cast<int>(N) - 1);
}
template <typename Buffer>
requires std::same_as<Buffer, char*>
void UnsignedNumberToText(unsigned int value, Buffer buffer, bool const& commas, int width) {
    UnsignedNumberToTextField(value, buffer, commas, width);
}
template <std::size_t N>
void UnsignedNumberToText(unsigned int value, char (&buffer)[N], bool const& commas, int width) {
    UnsignedNumberToTextField(value, buffer, commas,
                              width < static_cast<int>(N) ? width : static_cast<int>(N) - 1);
}

// Left-aligns a field written by NumberToText: the leading blanks move to the
// end (the length stays `width`), and any character other than a digit or a
// comma becomes a blank. A width beyond the text is taken as its length.
void CleanNumberText(char* buffer, int width);
