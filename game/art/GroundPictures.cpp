#include "game/art/GroundPictures.h"

#include <cstddef>
#include <span>
#include <string>

#include "game/art/CellArt.h"
#include "game/art/IonCannonScenes.h"
#include "game/art/TerrainTiles.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/Random.h"

namespace {

// Every cell of a tile a dark shade in the colour the draw for it picks.
void DrawNukeCells(std::span<int const> colours, int x, int y) {
    int const n = static_cast<int>(colours.size());
    for (int dy = 0; dy < art::kTileHeight; ++dy) {
        for (int dx = 0; dx < art::kTileWidth; ++dx) {
            int const r = Random(n);
            PrintAt(art::kNukeGlyph, x + dx, y + dy, colours[static_cast<std::size_t>(r - 1)]);
        }
    }
}

}  // namespace

void FarmTile(int x, int y) { art::DrawCellArt(art::kFarmTile, x, y); }
void CityTile(int x, int y) { art::DrawCellArt(art::kCityTile, x, y); }
void BaseTile(int x, int y) { art::DrawCellArt(art::kBaseTile, x, y); }
void MtnTile(int x, int y) { art::DrawCellArt(art::kMtnTile, x, y); }
void DesertTile(int x, int y) { art::DrawCellArt(art::kDesertTile, x, y); }
void FarmTile2(int x, int y) { art::DrawCellArt(art::kFarmTile2, x, y); }
void RubbleTile(int x, int y) { art::DrawCellArt(art::kRubbleTile, x, y); }
void NukeTile(int x, int y) { DrawNukeCells(art::kNukeColours, x, y); }
void NukeTile2(int x, int y) { DrawNukeCells(art::kNukeColours2, x, y); }
void UnknownTile(int x, int y) { art::DrawCellArt(art::kUnknownTile, x, y); }

bool DrawLandTile(int landType, int x, int y) {
    switch (landType) {
        case 0: FarmTile(x, y); return true;
        case 1: CityTile(x, y); return true;
        case 2: BaseTile(x, y); return true;
        case 3: MtnTile(x, y); return true;
        case 4: DesertTile(x, y); return true;
        case 5: FarmTile2(x, y); return true;
        case 6: RubbleTile(x, y); return true;
        case 7: NukeTile(x, y); return true;
        default: return false;
    }
}

void BlastFrame1(int x, int y) { art::DrawCellArt(art::kBlastFrame1, x, y); }
void BlastFrame2(int x, int y) { art::DrawCellArt(art::kBlastFrame2, x, y); }
void BlastFrame3(int x, int y) { art::DrawCellArt(art::kBlastFrame3, x, y); }
void BlastFrame4(int x, int y) { art::DrawCellArt(art::kBlastFrame4, x, y); }

void ViewScreenStars(int x, int y) { art::DrawCellArt(art::kViewScreenStars, x, y); }
void ViewScreenNoVisual(int x, int y) { art::DrawCellArt(art::kViewScreenNoVisual, x, y); }

void ViewScreenClose(int x, int y) {
    std::string const view(art::kViewWidth, ' ');
    for (int dy = 0; dy < art::kCloseRows; ++dy) {
        PrintAt(view.c_str(), x, y + dy, art::kCloseColour);
    }
    std::string const chargeLine(art::kChargeLineWidth, ' ');
    PrintAt(chargeLine.c_str(), art::kChargeLineX, art::kChargeLineY, art::kChargeLineColour);
}

void DestroyFarm(int x, int y) { art::DrawCellArt(art::kDestroyFarm, x, y); }
void DestroyCity(int x, int y) { art::DrawCellArt(art::kDestroyCity, x, y); }
void DestroyBase(int x, int y) { art::DrawCellArt(art::kDestroyBase, x, y); }
void DestroyMtn(int x, int y) { art::DrawCellArt(art::kDestroyMtn, x, y); }
void DestroyDesert(int x, int y) { art::DrawCellArt(art::kDestroyDesert, x, y); }
void DestroyRubble(int x, int y) { art::DrawCellArt(art::kDestroyRubble, x, y); }
void DestroyNuke(int x, int y) { art::DrawCellArt(art::kDestroyNuke, x, y); }

void BeamSegment(int x, int y) { art::DrawCellArt(art::kBeamSegment, x, y); }
void EraseBeamSegment(int x, int y) { art::DrawCellArt(art::kEraseBeamSegment, x, y); }

void ImpactFrame1(int x, int y) {
    BeamSegment(x, y + art::kImpactBeamDy);
    art::DrawCellArt(art::kImpactDome1, x, y);
}

void ImpactFrame2(int x, int y) {
    BeamSegment(x, y + art::kImpactBeamDy);
    art::DrawCellArt(art::kImpactDome2, x, y);
}

void ImpactFrame3(int x, int y) { art::DrawCellArt(art::kImpactDome3, x, y); }

void AftermathScene(int x, int y) { art::DrawCellArt(art::kAftermathScene, x, y); }

void ChargeFrame1(int x, int y) { art::DrawCellArt(art::kChargeFrame1, x, y); }
void ChargeFrame2(int x, int y) { art::DrawCellArt(art::kChargeFrame2, x, y); }
void ChargeFrame3(int x, int y) { art::DrawCellArt(art::kChargeFrame3, x, y); }
