#include "game/screens/GroundCampaign.h"

#include "game/art/GroundPictures.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/screens/MapCursor.h"
#include "game/ui/ColorFunctions.h"
#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kFrameColour = 48;
constexpr int kLabelColour = 12;
constexpr int kValueColour = 14;

// The sector map stands where the grid of squares does.
constexpr int kMapX = kSquareGridX;
constexpr int kMapY = kSquareGridY;

void HighlightFirstSector() { DrawSectorBoxI(kMapX, kMapY, kHighlightFrame, kLetterColour); }

void DrawMiniMaps() {
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawSectorMiniMap(sector, SectorBoxX(kMapX, sector) + 1, SectorBoxY(kMapY, sector) + 1);
    }
}

void MapWholeSector(int sector) {
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    if (place == nullptr) {
        return;
    }
    for (int i = 0; i < kSubSectors; ++i) {
        place->GetSubSector(i, -1)->SetVisible();
    }
}

}  // namespace

void OpenSquareGrid(con::Handle hOut, int sector) {
    con::ClearConsole();
    ClearScreen(hOut, kFrameColour, false);
    DrawSubSectorGrid(kSquareGridX, kSquareGridY, kPlainFrame);
    DrawSubSectorBox0(kSquareGridX, kSquareGridY, kHighlightFrame);
    DrawSubSectorTiles(sector, kSquareTileX, kSquareTileY);
}

void MarkBunkerSquare(int sector) {
    // Where the marker stands on its square's tile.
    constexpr int kBunkerDx = 6;
    constexpr int kBunkerDy = 2;
    constexpr int kBunkerColour = 79;
    constexpr char kMarker[] = {glyph::kTripleBar, glyph::kTripleBar, '\0'};
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    Bunker const* const bunker = place != nullptr ? place->GetBunker() : nullptr;
    if (bunker == nullptr || !bunker->GetVisible() || !IsSubSector(bunker->GetSubSector())) {
        return;
    }
    int const square = bunker->GetSubSector();
    place->GetSubSector(square, -1)->SetVisible();
    PrintAt(kMarker, SubSectorBoxX(kSquareTileX, square) + kBunkerDx,
            SubSectorBoxY(kSquareTileY, square) + kBunkerDy, kBunkerColour);
}

char NextSquareGridKey(con::Handle hIn, int sector, int& cursor) {
    ShowSquareFields(kSquareFieldX, kSquareFieldY, cursor, sector);
    return ReadMapKey(hIn, [&cursor](uint16_t arrow) {
        int const old = cursor;
        cursor = SubSectorAfterArrow(cursor, arrow);
        MoveSubSectorHighlight(kSquareGridX, kSquareGridY, cursor, old);
    });
}

void GroundCampaignStatus(con::Handle hOut, con::Handle hIn, DeckRoom room) {
    ClearScreen(hOut, kFrameColour, false);
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawSectorBox(sector, SectorBoxX(kMapX, sector), SectorBoxY(kMapY, sector), kPlainFrame,
                      BunkerLetterColour(sector));
    }
    HighlightFirstSector();
    int cursor = 1;
    bool redraw = true;
    while (true) {
        ShowSectorField(kMapX, 18, true, kLabelColour, kValueColour, cursor);
        ShowSectorPopField(kMapX, 19, true, kLabelColour, kValueColour, cursor);
        ShowBunkerField(kMapX, 20, true, kLabelColour, kValueColour, cursor);
        if (redraw) {
            DrawMiniMaps();
            redraw = false;
        }
        char const key = ReadMapKey(hIn, [&cursor](uint16_t arrow) {
            int const old = cursor;
            cursor = SectorAfterArrow(cursor, arrow);
            MoveSectorHighlight(kMapX, kMapY, cursor, old);
        });
        if (key == 13) {
            ViewSector(hOut, hIn, room, cursor);
            SetColor(0);
            con::ClearConsole();
            ClearScreen(hOut, kFrameColour, false);
            cursor = 1;
            DrawEarthMap(kMapX, kMapY, kPlainFrame, false, kLetterColour);
            HighlightFirstSector();
            redraw = true;
        } else if (key == ' ') {
            MapWholeSector(cursor);
            redraw = true;
        } else if (key == 27) {
            return;
        }
    }
}

void ViewSector(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/, int sector) {
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    if (place == nullptr) {
        return;
    }
    OpenSquareGrid(hOut, sector);
    MarkBunkerSquare(sector);
    int cursor = 0;
    while (true) {
        char const key = NextSquareGridKey(hIn, sector, cursor);
        if (key == 13) {
            SubSector* const square = place->GetSubSector(cursor, -1);
            square->SetVisible();
            // The value 8 is rubble as well here.
            if (square->GetType() == 8) {
                RubbleTile(SubSectorBoxX(kSquareTileX, cursor), SubSectorBoxY(kSquareTileY, cursor));
            } else {
                DrawSubSectorTile(sector, cursor, kSquareTileX, kSquareTileY);
            }
        } else if (key == 27) {
            return;
        }
    }
}
