#include "game/ui/ScreenFrame.h"

#include <algorithm>

#include "game/ui/ColorFunctions.h"
#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr char kEscapeHint[] =
    "                     Press Escape To Return To Previous Menu                    ";
constexpr char kBlankLine[] =
    "                                                                                ";
constexpr char kSideBar[] = "  ";
constexpr int kRightBarColumn = 78;
constexpr int kStatusRow = 23;
constexpr int kStockRow = 24;

constexpr char kHalfBlock = glyph::kLowerHalfBlock;
// After the day: " of 5500", then the credits label "¢O$MI¢ ¢REDIT$: ", the
// cent sign being byte 155 of the console's glyphs.
constexpr char kDayOfAndCreditsLabel[] = " of 5500         \x9BO$MI\x9B \x9BREDIT$: ";
static_assert(sizeof(kDayOfAndCreditsLabel) == 17 + 16 + 1);

// The status bar's columns for each field.
constexpr int kDayColumn = 6;
constexpr int kCreditsColumn = 43;
constexpr int kFuelColumn = 12;
constexpr int kMaterialsColumn = 41;
constexpr int kFoodColumn = 65;

constexpr int kStockWidth = 9;
constexpr int kCreditsWidth = 17;
constexpr int kDayWidth = 4;

// A stock or the credits as the bar shows them: with thousands commas,
// left-aligned and filled with blanks to the field's width. A negative value
// leaves the field blank; a value too wide keeps its rightmost characters.
template <std::size_t N>
void StockText(int value, char (&text)[N]) {
    constexpr int width = static_cast<int>(N) - 1;
    NumberToText(value, text, true, width);
    CleanNumberText(text, width);
}

// One field printed on its own, as a refresher reprints it.
template <int Width>
void PrintStock(int value, int x, int y, int color) {
    char text[Width + 1];
    StockText(value, text);
    PrintAt(text, x, y, color);
}

}  // namespace

void ResizeConsole(con::Handle hOut, int16_t columns, int16_t rows) {
    con::BufferInfo info{};
    con::GetConsoleScreenBufferInfo(hOut, &info);
    con::Coord const largest = con::GetLargestConsoleWindowSize(hOut);
    con::Rect const window{0, 0, static_cast<int16_t>(std::min(columns, largest.X) - 1),
                           static_cast<int16_t>(std::min(rows, largest.Y) - 1)};
    con::Coord const size{columns, rows};
    // Areas in int: two 16-bit sides multiply past 16 bits.
    int const current = info.size.X * info.size.Y;
    int const wanted = columns * rows;
    // Shrinking: the window first, so it always fits the buffer; growing: the
    // buffer first, so the window has room.
    if (current > wanted) {
        con::SetConsoleWindowInfo(hOut, true, &window);
        con::SetConsoleScreenBufferSize(hOut, size);
    } else if (current < wanted) {
        con::SetConsoleScreenBufferSize(hOut, size);
        con::SetConsoleWindowInfo(hOut, true, &window);
    }
}

void HideCursor(con::Handle hOut) {
    con::CursorInfo const hidden{100, false};
    con::SetConsoleCursorInfo(hOut, &hidden);
    con::SetConsoleCursorPosition(hOut, con::Coord{0, 0});
}

void PrepareConsole(con::Handle hIn, con::Handle hOut) {
    SetColor(15);
    con::SetConsoleMode(hIn, con::ENABLE_PROCESSED_INPUT);
    ResizeConsole(hOut, con::kColumns, con::kRows);
    HideCursor(hOut);
}

void ClearInWhite() {
    SetColor(15);
    con::ClearConsole();
}

void ClearScreen(con::Handle hOut, int color, bool escapeHint) {
    ClearInWhite();
    HideCursor(hOut);
    PrintAt(escapeHint ? kEscapeHint : kBlankLine, 0, 0, color);
    for (int row = 1; row < kStatusRow; ++row) {
        PrintAt(kSideBar, 0, row, color);
        PrintAt(kSideBar, kRightBarColumn, row, color);
    }
    DrawStatusBar(hOut, color);
}

void DrawStatusBar(con::Handle /*hOut*/, int color) {
    Mothership const& ship = *Globals::GetMothership();
    char fuel[kStockWidth + 1];
    char materials[kStockWidth + 1];
    char food[kStockWidth + 1];
    char credits[kCreditsWidth + 1];
    char day[kDayWidth + 1];
    StockText(ship.GetFuel(), fuel);
    StockText(ship.GetMaterials(), materials);
    StockText(ship.GetFood(), food);
    StockText(Globals::GetCredits(), credits);
    NumberToText(Globals::GetDay(), day, false, kDayWidth);

    PrintAt(" DAY: ", 0, kStatusRow, color);
    PrintAt(day, kDayColumn, kStatusRow, color);
    PrintAt(kDayOfAndCreditsLabel, kDayColumn + kDayWidth, kStatusRow, color);
    PrintAt(credits, kCreditsColumn, kStatusRow, color);

    PrintAt(kHalfBlock, 1, kStockRow, color);
    PrintAt("    FUEL: ", 2, kStockRow, color);
    PrintAt(fuel, kFuelColumn, kStockRow, color);
    PrintAt("         MATERIALS: ", kFuelColumn + kStockWidth, kStockRow, color);
    PrintAt(materials, kMaterialsColumn, kStockRow, color);
    PrintAt("         FOOD: ", kMaterialsColumn + kStockWidth, kStockRow, color);
    PrintAt(food, kFoodColumn, kStockRow, color);
    PrintAt("    ", kFoodColumn + kStockWidth, kStockRow, color);
    // Column 79 of the last row stays unwritten: the console would scroll.
    PrintAt(kHalfBlock, kRightBarColumn, kStockRow, color);
}

void RefreshFuel(con::Handle /*hOut*/, int color) {
    PrintStock<kStockWidth>(Globals::GetMothership()->GetFuel(), kFuelColumn, kStockRow, color);
}

void RefreshMaterials(con::Handle /*hOut*/, int color) {
    PrintStock<kStockWidth>(Globals::GetMothership()->GetMaterials(), kMaterialsColumn, kStockRow, color);
}

void RefreshFood(con::Handle /*hOut*/, int color) {
    PrintStock<kStockWidth>(Globals::GetMothership()->GetFood(), kFoodColumn, kStockRow, color);
}

void RefreshCredits(con::Handle /*hOut*/, int color) {
    PrintStock<kCreditsWidth>(Globals::GetCredits(), kCreditsColumn, kStatusRow, color);
}

void WaitForKey(con::Handle hIn) {
    con::FlushConsoleInputBuffer(hIn);
    NextKeyPress(hIn);  // a console that cannot be read answers at once
}
