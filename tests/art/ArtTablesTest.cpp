#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "game/art/CellArt.h"
#include "game/art/IonCannonScenes.h"
#include "game/art/RoomMenuBarArt.h"
#include "game/art/TerrainTiles.h"
#include "platform/Cp437.h"

namespace {

// Counts the code points of a UTF-8 text, and finds any the screen cannot show.
std::pair<std::size_t, bool> Glyphs(std::string const& utf8) {
    std::string const bytes = con::Utf8ToCp437(utf8);
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
    };
    for (auto const& [name, table] : tables) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(table->layers.empty());
        for (art::ArtLayer const& layer : table->layers) {
            bool const oneKeyRow = layer.keys.size() == 1;
            ASSERT_TRUE(oneKeyRow || layer.glyphs.size() == layer.keys.size());
            for (std::size_t row = 0; row < layer.glyphs.size(); ++row) {
                auto const [cells, shown] = Glyphs(layer.glyphs[row]);
                std::string const keys = layer.keys[oneKeyRow ? 0 : row];
                EXPECT_EQ(cells, keys.size()) << "row " << row;
                EXPECT_TRUE(shown) << "row " << row << ": " << layer.glyphs[row];
                for (char key : keys) {
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

}  // namespace
