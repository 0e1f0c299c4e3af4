#include "game/ui/ScrollList.h"

#include <algorithm>
#include <cstring>

#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"

namespace {

constexpr int kPlain = 15;
constexpr int kHighlight = 241;

constexpr char kArrowUp = glyph::kArrowUp;
constexpr char kArrowDown = glyph::kArrowDown;
constexpr char kBarEnd = glyph::kShortBar;
constexpr char kTrack = glyph::kLightShade;
constexpr char kThumb = glyph::kSmallSquare;

// A row's text, cut at the row's end should the table hold no null there.
void CopyRow(ListRow const& row, char (&out)[kListRowSize + 1]) {
    std::size_t const n = strnlen(row, kListRowSize);
    std::memcpy(out, row, n);
    out[n] = '\0';
}

// Window row `i`: the entry top + i, or a blank row below the last entry.
void PaintWindowRow(ListRow const* rows, int total, int top, int i, int x, int y, int width, int color) {
    int const entry = top + i;
    if (entry >= 0 && entry < total) {
        char text[kListRowSize + 1];
        CopyRow(rows[entry], text);
        PrintPadded(text, x, y + i, color, width);
    } else {
        PrintPadded(" ", x, y + i, kPlain, width);
    }
}

void PaintTrack(int column, int y, int visible) {
    for (int row = y + 1; row <= y + visible - 2; ++row) {
        PrintAt(kTrack, column, row, kPlain);
    }
}

// One record, nothing flushed; a console that cannot be read gives Escape.
// The bar's end cells: arrows where more of the list lies beyond the window,
// short bars where it does not; the bottom cell first.
void PaintBarEnds(int column, int y, int visible, int top, int total) {
    PrintAt(top < total - visible ? kArrowDown : kBarEnd, column, y + visible - 1, kPlain);
    PrintAt(top > 0 ? kArrowUp : kBarEnd, column, y, kPlain);
}

bool KeyDown(con::Handle hIn, con::KeyRecord& record) { return ReadKeyRecord(hIn, record) != KeyRead::Other; }

}  // namespace

int ScrollList(con::Handle /*hOut*/, con::Handle hIn, ListRow const* rows, int x, int y, int width,
               int visible, int total, bool sideKeys, ScrollState& state, bool drawOnly, bool stepMode) {
    if (visible < 1) {
        return kScrollEscape;  // no window to show the list in
    }
    total = std::max(total, 0);
    int const shown = std::min(total, visible);

    // Bring the stored view within the list: the cursor inside the window and
    // on an entry, the window no further down than a full last page, and the
    // highlighted entry kept where it still exists.
    int offset = std::clamp(state.offset, 0, visible - 1);
    if (offset >= total) {
        offset = std::max(total - 1, 0);
    }
    int top = std::max(state.top, 0);
    int selected = top + offset;
    top = std::min(top, std::max(total - visible, 0));
    selected = std::clamp(selected, 0, std::max(total - 1, 0));
    int cursorRow = y + (selected - top);

    bool handledRecord = false;
    for (;;) {
        state.top = top;
        state.offset = cursorRow - y;
        if (stepMode && handledRecord) {
            return total > 0 ? selected : kScrollNoEntry;
        }

        // The scroll bar; the thumb goes last and may cover an end cell.
        int const bar = x + width;
        PaintBarEnds(bar, y, visible, top, total);
        PaintTrack(bar, y, visible);
        int const thumb = (total == 0 || selected >= total - 1) ? visible - 1 : selected * visible / total;
        PrintAt(kThumb, bar, y + thumb, kPlain);

        for (int i = 0; i < visible; ++i) {
            bool const lit = !drawOnly && total > 0 && y + i == cursorRow;
            PaintWindowRow(rows, total, top, i, x, y, width, lit ? kHighlight : kPlain);
        }

        if (drawOnly) {
            return kScrollEscape;
        }

        con::KeyRecord record;
        if (KeyDown(hIn, record)) {
            switch (record.virtualKey) {
                case con::VK_UP:
                    --selected;
                    --cursorRow;
                    if (cursorRow < y) {
                        --top;
                        cursorRow = y;
                    }
                    top = std::max(top, 0);
                    selected = std::max(selected, 0);
                    break;
                case con::VK_DOWN:
                    if (selected < total - 1) {
                        ++selected;
                        ++cursorRow;
                        if (cursorRow > y + shown - 1) {
                            cursorRow = y + shown - 1;
                            if (shown == visible) {
                                ++top;
                            }
                        }
                    }
                    break;
                case con::VK_PRIOR:
                    if (total == 0) {
                        break;
                    }
                    if (total <= visible) {
                        selected = 0;
                        cursorRow = y;
                    } else {
                        top = std::max(top - visible, 0);
                        selected = std::max(selected - visible, 0);
                        cursorRow = y + (selected - top);
                    }
                    break;
                case con::VK_NEXT:
                    if (total == 0) {
                        break;
                    }
                    if (total <= visible) {
                        selected = total - 1;
                        cursorRow = y + total - 1;
                    } else if (top + visible < total - visible) {
                        top += visible;
                        selected += visible;
                        cursorRow = y + (selected - top);
                    } else {
                        top = selected = total - visible;
                        cursorRow = y;
                    }
                    break;
                case con::VK_RETURN:
                    if (stepMode) {
                        return kScrollStepEnter;
                    }
                    if (total > 0) {
                        return selected;
                    }
                    break;  // nothing to choose in an empty list
                case con::VK_ESCAPE:
                    PaintWindowRow(rows, total, top, cursorRow - y, x, y, width, kPlain);
                    return kScrollEscape;
                case con::VK_LEFT:
                    if (sideKeys) {
                        PaintWindowRow(rows, total, top, cursorRow - y, x, y, width, kPlain);
                        return kScrollLeft;
                    }
                    break;
                case con::VK_RIGHT:
                    if (sideKeys) {
                        PaintWindowRow(rows, total, top, cursorRow - y, x, y, width, kPlain);
                        return kScrollRight;
                    }
                    break;
                default: break;
            }
        }
        handledRecord = true;
    }
}

void ScrollText(con::Handle /*hOut*/, con::Handle hIn, ListRow const* rows, int x, int y, int width,
                int visible, int total) {
    total = std::max(total, 0);
    int const bar = x + width;
    con::KeyRecord record;
    if (total <= visible) {
        for (int i = 0; i < total; ++i) {
            char text[kListRowSize + 1];
            CopyRow(rows[i], text);
            PrintAt(text, x, y + i, kPlain);
        }
        PaintTrack(bar, y, visible);
        while (!(KeyDown(hIn, record) && record.virtualKey == con::VK_ESCAPE)) {
        }
        return;
    }

    int const lastTop = total - visible;
    int top = 0;
    PaintTrack(bar, y, visible);
    for (;;) {
        PaintBarEnds(bar, y, visible, top, total);
        for (int i = 0; i < visible; ++i) {
            ListRow const& row = rows[top + i];
            int const length = static_cast<int>(strnlen(row, std::min(width, kListRowSize)));
            for (int c = 0; c < width; ++c) {
                PrintAt(c < length ? row[c] : ' ', x + c, y + i, kPlain);
            }
        }
        if (!KeyDown(hIn, record)) {
            continue;
        }
        switch (record.virtualKey) {
            case con::VK_ESCAPE: return;
            case con::VK_UP: top = std::max(top - 1, 0); break;
            case con::VK_DOWN:
                if (top < lastTop) {
                    ++top;
                }
                break;
            case con::VK_PRIOR: top = std::max(top - visible, 0); break;
            case con::VK_NEXT: top = top + visible < lastTop ? top + visible : lastTop; break;
            default: break;
        }
    }
}
