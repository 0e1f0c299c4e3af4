// The cargo hold: the room where the captain looks over what the ship carries
// (artifacts, bombs, egg hives) and the Incinerator, where items of the hold
// are sorted onto a pile to burn. Visiting the artifacts adds five to the hold,
// the bombs two bombs and the Incinerator one hive, as long as there is room.
#pragma once

#include <cstddef>

#include "game/screens/DeckRoom.h"
#include "game/ui/ScrollList.h"
#include "game/world/BombQueue.h"
#include "game/world/CrewType.h"
#include "platform/Console.h"

// The room's menu loop; returns when the player leaves the room. The room the
// deck had highlighted is not read.
void CargoMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The five menu items in a colour: 241 highlighted, 31 plain.
void CargoItemArtifacts(int colour);
void CargoItemBombs(int colour);
void CargoItemHives(int colour);
void CargoItemIncinerator(int colour);
void CargoItemReturn(int colour);

// Rows a cargo list holds; a view with more items lists its first ones.
inline constexpr int kCargoListRows = 200;
// Items the Incinerator can mark for burning; those beyond stay in the hold.
inline constexpr int kIncineratorMarks = 250;

// ---- Names of what the hold carries -------------------------------------------------

// Every artifact bears the name on the first line of this file, looked for in
// the folder the game was started in.
inline constexpr char kArtifactFile[] = "artifacts.txt";
// An artifact's name is at most 19 characters.
inline constexpr std::size_t kCargoNameSize = 20;

// The artifacts' name: the file's first line read as UTF-8, in code page 437
// glyphs, without its line end and cut to 19 characters (the rest of the file
// is not read). Without the file, or with an empty first line, it is empty.
void GetArtifactName(char (&out)[kCargoNameSize]);
// A bomb's name by its kind, cut to fit `out`; a kind without a name leaves
// `out` as it is.
void GetBombName(BombNode const& node, char* out, std::size_t size);
// The name the hold gives the eggs of a race's hive; a race without eggs of its
// own leaves `out` as it is.
void GetEggName(CrewType race, char* out, std::size_t size);
// A crew member's row in the Incinerator: the name, cut to fit `out`.
void GetCrewListName(char const* name, char* out, std::size_t size);

// ---- A bunker in one line -----------------------------------------------------------

// "Bunker " and the sector's letter, "- ", then the bunker's food, fuel and
// materials, each as "Food : " and the number right-aligned in 9 places. A
// number outside 1-24 names no sector and gives the empty text.
void BunkerSummary(int sector, char* out, std::size_t size);
void FormatFood(int food, char* out, std::size_t size);
void FormatFuel(int fuel, char* out, std::size_t size);
void FormatMaterials(int materials, char* out, std::size_t size);

// ---- The Incinerator ------------------------------------------------------------------

// The Incinerator over two row tables of kCargoListRows rows (the hold's list
// and the pile to burn). Nothing of the ship changes here.
void IncineratorMenu(ListRow* cargoRows, ListRow* burnRows, con::Handle hIn, con::Handle hOut);

// "Burn Resources for Fuel?" with No highlighted first; true for Yes.
bool ConfirmBurn(con::Handle hOut, con::Handle hIn);
