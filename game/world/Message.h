// One message for the captain, read in the morning report. Its type orders
// the queue (highest first) and gives the text its colour.
#pragma once

#include <cstddef>

class Message {
public:
    static constexpr std::size_t kTextSize = 150;  // 149 characters and the terminator
    static constexpr int kWrapWidth = 70;

    Message();
    Message(char const* const text, int type);

    int GetType() const { return type; }
    void SetType(int newType) { type = newType; }
    // Copies the text in; a longer text is cut to 149 characters.
    void SetText(char const* const newText);
    char const* GetText() const { return text; }

    // Equal texts, whatever the types.
    bool operator==(Message const& other) const;

    // Draws the text word-wrapped at (x, y), 70 columns wide, in its type's colour.
    void Print(int x, int y) const;

    // 6 red, 5 yellow, 4 and 3 green, 2 and 1 cyan, 0 magenta; any other type
    // black on white.
    static int ColorOf(int type);

private:
    char text[kTextSize];
    bool flag;  // carried, never read
    int type;
};
