#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "game/art/BiosPageArt.h"
#include "game/art/CellArt.h"
#include "game/art/DockingBayArt.h"
#include "game/art/FreighterArt.h"
#include "game/art/IonCannonScenes.h"
#include "game/art/LivingQuartersArt.h"
#include "game/art/ResearchArt.h"
#include "game/art/RoomMenuBarArt.h"
#include "game/art/TerrainTiles.h"
#include "game/art/TitleArt.h"

namespace {

// Counts the cells of a row (code page 437), and finds any glyph the screen
// cannot show.
std::pair<std::size_t, bool> Glyphs(std::string const& bytes) {
    bool shown = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto const b = static_cast<unsigned char>(bytes[i]);
        // Unknown glyphs become '?', and the console acts on these control bytes
        // instead of showing them.
        if (b == '?' || b == 0 || b == 7 || b == 8 || b == 9 || b == 10 || b == 13) {
            shown = false;
        }
    }
    return {bytes.size(), shown};
}

TEST(ArtTables, EveryLayerHasAKeyForEachGlyphAndEveryKeyAColour) {
    std::vector<std::pair<char const*, art::CellArt const*>> const tables = {
        {"FarmTile", &art::kFarmTile},
        {"CityTile", &art::kCityTile},
        {"BaseTile", &art::kBaseTile},
        {"MtnTile", &art::kMtnTile},
        {"DesertTile", &art::kDesertTile},
        {"FarmTile2", &art::kFarmTile2},
        {"RubbleTile", &art::kRubbleTile},
        {"UnknownTile", &art::kUnknownTile},
        {"BlastFrame1", &art::kBlastFrame1},
        {"BlastFrame2", &art::kBlastFrame2},
        {"BlastFrame3", &art::kBlastFrame3},
        {"BlastFrame4", &art::kBlastFrame4},
        {"ViewScreenStars", &art::kViewScreenStars},
        {"ViewScreenNoVisual", &art::kViewScreenNoVisual},
        {"DestroyFarm", &art::kDestroyFarm},
        {"DestroyCity", &art::kDestroyCity},
        {"DestroyBase", &art::kDestroyBase},
        {"DestroyMtn", &art::kDestroyMtn},
        {"DestroyDesert", &art::kDestroyDesert},
        {"DestroyRubble", &art::kDestroyRubble},
        {"DestroyNuke", &art::kDestroyNuke},
        {"BeamSegment", &art::kBeamSegment},
        {"EraseBeamSegment", &art::kEraseBeamSegment},
        {"ImpactDome1", &art::kImpactDome1},
        {"ImpactDome2", &art::kImpactDome2},
        {"ImpactDome3", &art::kImpactDome3},
        {"AftermathScene", &art::kAftermathScene},
        {"ChargeFrame1", &art::kChargeFrame1},
        {"ChargeFrame2", &art::kChargeFrame2},
        {"ChargeFrame3", &art::kChargeFrame3},
        {"RoomMenuBar", &art::kRoomMenuBar},
        {"RoomMenuBarEnd", &art::kRoomMenuBarEnd},
        {"BiosFrame", &art::kBiosFrame},
        {"BiosBackButton", &art::kBiosBackButton},
        {"FreighterHull", &art::kFreighterHull},
    };
    for (auto const& [name, table] : tables) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(table->layers.empty());
        for (art::ArtLayer const& layer : table->layers) {
            ASSERT_NE(layer.keys, nullptr);
            std::vector<std::string> const glyphs = art::ArtLines(layer.glyphs);
            std::vector<std::string> const keys = art::ArtLines(layer.keys);
            bool const oneKeyRow = keys.size() == 1;
            ASSERT_TRUE(oneKeyRow || glyphs.size() == keys.size());
            for (std::size_t row = 0; row < glyphs.size(); ++row) {
                auto const [cells, shown] = Glyphs(glyphs[row]);
                std::string const& rowKeys = keys[oneKeyRow ? 0 : row];
                // Blanks at a row's end are left to the keys; glyphs past them would be lost.
                EXPECT_LE(cells, rowKeys.size()) << "row " << row;
                EXPECT_TRUE(shown) << "row " << row;
                for (char key : rowKeys) {
                    bool named = key == art::kUntouched;
                    for (art::ColourKey const& entry : table->palette) {
                        named = named || entry.key == key;
                    }
                    EXPECT_TRUE(named) << "row " << row << ": key '" << key << "' names no colour";
                }
            }
        }
    }
}

TEST(ArtTables, PicturesInOneColourShowEveryGlyph) {
    std::vector<std::pair<char const*, art::CellArt const*>> tables = {
        {"TitleWords", &art::kTitleWords},         {"TitleFigure", &art::kTitleFigure},
        {"CrewJobsFrame", &art::kCrewJobsFrame},   {"ResearchFrame", &art::kResearchFrame},
        {"CraftListFrame", &art::kCraftListFrame}, {"LoadFrame", &art::kLoadFrame},
        {"MissionFrame", &art::kMissionFrame},     {"CapsuleFrame", &art::kCapsuleFrame},
    };
    for (int place = 1; place <= kFreighterPlaces; ++place) {
        tables.emplace_back("FreighterPlace", FreighterPlace(place));
    }
    for (auto const& [name, table] : tables) {
        SCOPED_TRACE(name);
        ASSERT_NE(table, nullptr);
        ASSERT_FALSE(table->layers.empty());
        for (art::ArtLayer const& layer : table->layers) {
            EXPECT_EQ(layer.keys, nullptr);
            std::vector<std::string> const rows = art::ArtLines(layer.glyphs);
            EXPECT_FALSE(rows.empty());
            for (std::string const& row : rows) {
                EXPECT_TRUE(Glyphs(row).second) << row;
            }
        }
    }
}

}  // namespace
