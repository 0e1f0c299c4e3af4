#include "game/art/PortraitArt.h"

#include "game/art/PortraitSheet.h"

// The pictures, each drawn as it looks (see PortraitSheet.h for the keys).

namespace art {

namespace {

using sheet::BuildRuns;
using sheet::CellEdit;
using sheet::CountRuns;
using sheet::Sheet;

// ---- Kryptal: the crew's enforcer, a horned creature with burning eyes, a
// maw of fangs and an armoured harness.
constexpr char kKryptalGlyphs[] = R"(
| /\          /\  /\  /\  /\          /\ |
| \ \      _./  \/  \/  \/  \._      / / |
|  \ \  .-*  o  o  o  o  o  o  *-.  / /  |
|   \ \/  o  o  o        o  o  o  \/ /   |
|    \/  \___                ___/  \/    |
|    /  <(@@)>\    |  |    /<(@@)>  \    |
|   |    `---'     |  |     `---'    |   |
|   |   o  o      (o  o)      o  o   |   |
|    \   o   .----.____.----.   o   /    |
|     \  .-/\/\/\/\/\/\/\/\/\/\-.  /     |
|      \ |  *   :  *  *  :   *  | /      |
|       \|\/\/\/\/\/\/\/\/\/\/\/|/       |
|   ____ \`--.______..______.--'/ ____   |
| _/X X X\ \[@]XXXXXXXXXXXX[@]/ /X X X\_ |
|/X X X X X\  [o]  ∞  ∞  [o]  /X X X X X\|
|X X X X X X|[XXXXXXXXXXXXXX]|X X X X X X|
|X X X X X X|[o][o][oo][o][o]|X X X X X X|
)";

constexpr char kKryptalColors[] = R"(
| aa          aa  aa  aa  aa          aa |
| a a      aaa  aa  aa  aa  aaa      a a |
|  a a  aaa  2  2  2  2  2  2  aaa  a a  |
|   a aa  2  2  2        2  2  2  aa a   |
|    aa  aaaa                aaaa  aa    |
|    a  cceecca    a  a    acceecc  a    |
|   a    aaaaa     a  a     aaaaa    a   |
|   a   2  2      aa  aa      2  2   a   |
|    a   2   aaaaaaaaaaaaaaaa   2   a    |
|     a  aaffffffffffffffffffffaa  a     |
|      a a  c   4  c  c  4   c  a a      |
|       affffffffffffffffffffffffa       |
|   7777 aaaaaaaaaaaaaaaaaaaaaaaa 7777   |
| 777777777a7c77777777777777c7a777777777 |
|77777777777  7c7  e  e  7c7  77777777777|
|7777777777777777777777777777777777777777|
|777777777777c77c77c77c77c77c777777777777|
)";

// ---- Carolla: long fair hair framing a face of dotted skin, lashes and
// brows, red lips, an earring on each side.
constexpr char kCarollaGlyphs[] = R"(
|          .@@@@@@@@@@@@@@@@@@.          |
|      .@@@@@@@@@@@@@@@@@@@@@@@@@@.      |
|    .@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@.    |
|   @@@@@@@@@@@/..........\@@@@@@@@@@@   |
|  @@@@@@@@@/................\@@@@@@@@@  |
|  @@@@@@@@/...._ⁿ_...._ⁿ_....\@@@@@@@@  |
| @@@@@@@@@|...<(O)>..<(O)>...|@@@@@@@@@ |
| @@@@@@@@@(..................)@@@@@@@@@ |
| @@@@@@@@@(.........\........)@@@@@@@@@ |
| @@@@@@@@@☼\......._)......./☼@@@@@@@@@ |
|  @@@@@@@@@\................/@@@@@@@@@  |
|  @@@@@@@@@@\..._.-\/-._.../@@@@@@@@@@  |
| @@@@@@@@@@@@\...`-..-'.../@@@@@@@@@@@@ |
| @@@@@@@@@@@@@`-........-'@@@@@@@@@@@@@ |
|  @@@@@@@@@@@@ |........| @@@@@@@@@@@@  |
|   @@@@@@@@@@__/........\__@@@@@@@@@@   |
|_.-'@@@@@@@@/....\____/....\@@@@@@@@`-._|
)";

constexpr char kCarollaColors[] = R"(
|          6eeeeeeee66eeeeeeee6          |
|      6eeeeeee6eeeeeeeeee6eeeeeee6      |
|    6eeeee6eeeeeee6ee6eeeeeee6eeeee6    |
|   eeeee6eeeee777777777777eeeee6eeeee   |
|  eeee6eeee777777777777777777eeee6eeee  |
|  eeee6eee77777666777766677777eee6eeee  |
| eeee6eeee7777d7b7d77d7b7d7777eeee6eeee |
| eee6eeeee77777777777777777777eeeee6eee |
| eee6eeeee77dd777777777777dd77eeeee6eee |
| eee6eeeeeb777777777777777777beeeee6eee |
|  ee6eeeeee777777777777777777eeeeee6ee  |
|  ee6eeeeeee7777cccccccc7777eeeeeee6ee  |
| eee6eeeeeeee77774444447777eeeeeeee6eee |
| eee6eeeeeeeee777777777777eeeeeeeee6eee |
|  eee6eeeeeeee 7777777777 eeeeeeee6eee  |
|   eee6eeeeee77777777777777eeeeee6eee   |
|2222eee6eeee7777722222277777eeee6eee2222|
)";

// ---- Emerson: shaggy hair under a red headband knotted on one side, a wide
// grin, stubble and a loud party shirt.
constexpr char kEmersonGlyphs[] = R"(
|         .@@@@.@@@@@@@@@@.@@@@.         |
|     .@@@@@@@@@@@@@@@@@@@@@@@@@@@@.     |
|   .@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@.   |
|  @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@  |
| @@@@##############################@@@@ |
| @@@@@@@|  .---.        .---.  |@@@##@@ |
| @@@@@@@|   (O)          (O)   |@@@@#@@ |
| @@@@@@(|           \          |)@@@#@@ |
|  @@@@@(|           \          |)@@@@@  |
|   @@@@ \         ._)          / @@@@   |
|    @@@  \    .__________.    /  @@@    |
|     @@   \    \________/    /   @@     |
|           `.  ::::  ::::  .'           |
|            `-.          .-'            |
|__.--~~~~--.__/|        |\__.--~~~~--.__|
|  *   ~   *  \ \        / /  *   ~   *  |
| ~  *   ~   *  \        /  *   ~   *  ~ |
)";

constexpr char kEmersonColors[] = R"(
|         6668666666666666668666         |
|     666866666686666666686666668666     |
|   6666668666666668668666666668666666   |
|  666686666666866666666668666666686666  |
| 6668RRRRRRRRRRRRRRRRRRRRRRRRRRRRRR8666 |
| 66686667  66666        66666  7666RR66 |
| 66668667   fbf          fbf   76686R66 |
| 66866677           7          77666R66 |
|  6686677           7          7766866  |
|   6686 7         777          7 6866   |
|    686  7    777ffffff777    7  686    |
|     66   7    77ffffff77    7   66     |
|           77  8888  8888  77           |
|            777          777            |
|2222222222222227        7222222222222222|
|22d222a222d22222        22222d222a222d22|
|2a22d222a222d2222      2222d222a222d22a2|
)";

// ---- The Uoo: Carolla's and Emerson's drawings in the Uoo's colours: cyan
// hair and green skin for her (brows without their arch), fair hair, violet
// eyes and a plain red band for him.
constexpr CellEdit kUooFemEdits[] = {{16, 5, "^"}, {23, 5, "^"}};

constexpr char kUooFemColors[] = R"(
|          1bbbbbbbb11bbbbbbbb1          |
|      1bbbbbbb1bbbbbbbbbb1bbbbbbb1      |
|    1bbbbb1bbbbbbb1bb1bbbbbbb1bbbbb1    |
|   bbbbb1bbbbb7aaaaaaaaaa7bbbbb1bbbbb   |
|  bbbb1bbbb7aaaaaaaaaaaaaaaa7bbbb1bbbb  |
|  bbbb1bbb7aaaa666aaaa666aaaa7bbb1bbbb  |
| bbbb1bbbb7aaadfefdaadfefdaaa7bbbb1bbbb |
| bbb1bbbbb7aaaaaaaaaaaaaaaaaa7bbbbb1bbb |
| bbb1bbbbb7a44aaaaaa7aaaaa44a7bbbbb1bbb |
| bbb1bbbbbe7aaaaaaa77aaaaaaa7ebbbbb1bbb |
|  bb1bbbbbb7aaaaaaaaaaaaaaaa7bbbbbb1bb  |
|  bb1bbbbbbb7aaaddddddddaaa7bbbbbbb1bb  |
| bbb1bbbbbbbb7aaaddddddaaa7bbbbbbbb1bbb |
| bbb1bbbbbbbbb77aaaaaaaa77bbbbbbbbb1bbb |
|  bbb1bbbbbbbb 7aaaaaaaa7 bbbbbbbb1bbb  |
|   bbb1bbbbbb777aaaaaaaa777bbbbbb1bbb   |
|1111bbb1bbbb7aaaa111111aaaa7bbbb1bbb1111|
)";

constexpr char kUooMaleColors[] = R"(
|         eee6eeeeeeeeeeeeee6eee         |
|     eee6eeeeee6eeeeeeee6eeeeee6eee     |
|   eeeeee6eeeeeeee6ee6eeeeeeee6eeeeee   |
|  eeee6eeeeeee6eeeeeeeeee6eeeeeee6eeee  |
| eee64444444444444444444444444444446eee |
| eee6eee7  eeeee        eeeee  7eee44ee |
| eeee6ee7   fdf          fdf   7ee6e4ee |
| ee6eee77           7          77eee4ee |
|  ee6ee77           7          77ee6ee  |
|   ee6e 7         777          7 e6ee   |
|    e6e  7    777ffffff777    7  e6e    |
|     ee   7    77ffffff77    7   ee     |
|           77  8888  8888  77           |
|            777          777            |
|1111111111111117        7111111111111111|
|11b1112111b11111        11111b1112111b11|
|1211b1112111b1111      1111b1112111b1121|
)";

// ---- Line drawings.
constexpr char kUberfleckGlyphs[] = R"(
| o                                    o |
|  \         _.--""""""""--._         /  |
|   \     .-'                `-.     /   |
|    \  .'                      `.  /    |
|     \/                          \/     |
|     |   __                  __   |     |
|     |  \  ""--._      _.--""  /  |     |
|     |   \  (@)  `.  .'  (@)  /   |     |
|      \   `-.___.-'  `-.___.-'   /      |
|       \         .    .         /       |
|        `.       ______       .'        |
|          `-.              .-'          |
|             `--.______.--'             |
)";

constexpr char kHampsterGlyphs[] = R"(
|    .-""-.                    .-""-.    |
|   /  __  \  __..--""--..__  /  __  \   |
|  |  /  \  |'              `|  /  \  |  |
|  |  \__/ .'                `. \__/  |  |
|   \    .'                    `.    /   |
|    `-./                        \.-'    |
|      /     .--.        .--.     \      |
|     |     / () \      / () \     |     |
|--.__|     \ "" /  __  \ "" /     |__.---|
|-----|      `--'  (__)  `--'      |-----|
|__.--|   .       ._\/_.       .   |--.__|
|     |    `.      [__]      .'    |     |
|     \      `-.___    ___.-'      /     |
|      \                          /      |
|       `.    .--.      .--.    .'       |
|         `-./ () \ /\ / () \.-'         |
|            \.--./ \/ \.--./            |
|             """"""""""""""             |
)";

constexpr char kCluckGlyphs[] = R"(
|              .-. .-. .-.              |
|             (   V   V   )             |
|        .----'           `----.        |
|      .'                       `.      |
|     /                           \     |
|    |    .---.           .---.    |    |
|    |   / .-. \         / .-. \   |    |
|    |  | ( @ ) |       | ( @ ) |  |    |
|    |   \ `-' /  _____  \ `-' /   |    |
|     \   `---'   \___/   `---'   /     |
|      `.          \_/          .'      |
|        `-.       ( )       .-'        |
|           `-.     V     .-'           |
|        _.-'   v v v v v   `-._        |
|     .-'  \\\ v v v v v v ///  `-.     |
|   .'  \\\\  v v v v v v v  ////  `.   |
|  /  \\\\\  v v v v v v v v  /////  \  |
| /  \\\\\\ v v v v v v v v v //////  \ |
)";

// Dr. Dobbs is a Clucktillian too: Cluck with glasses and raised brows.
constexpr CellEdit kDobbsEdits[] = {
    {11, 4, "~~"}, {26, 4, "~~"}, {5, 7, "--"}, {16, 7, "-------"}, {32, 7, "--"},
};

constexpr char kPlaceholderGlyphs[] = R"(
||
||
||
||
||
||
||
||
||
||
||
||
||
||
||
||
||
||
)";

// Kryptal's few colours lie in long stretches: shorter strokes.
constexpr Sheet kKryptalSheet{kKryptalGlyphs, kKryptalColors, 15, {}, 4};
constexpr Sheet kCarollaSheet{kCarollaGlyphs, kCarollaColors};
constexpr Sheet kEmersonSheet{kEmersonGlyphs, kEmersonColors};
constexpr Sheet kUooFemSheet{kCarollaGlyphs, kUooFemColors, 15, kUooFemEdits};
constexpr Sheet kUooMaleSheet{kEmersonGlyphs, kUooMaleColors};
constexpr Sheet kUberfleckSheet{kUberfleckGlyphs};
constexpr Sheet kHampsterSheet{kHampsterGlyphs};
constexpr Sheet kCluckSheet{kCluckGlyphs};
constexpr Sheet kDobbsSheet{kCluckGlyphs, nullptr, 15, kDobbsEdits};
constexpr Sheet kPlaceholderSheet{kPlaceholderGlyphs};

constexpr auto kKryptalRuns = BuildRuns<CountRuns(kKryptalSheet)>(kKryptalSheet);
constexpr auto kCarollaRuns = BuildRuns<CountRuns(kCarollaSheet)>(kCarollaSheet);
constexpr auto kEmersonRuns = BuildRuns<CountRuns(kEmersonSheet)>(kEmersonSheet);
constexpr auto kUooFemRuns = BuildRuns<CountRuns(kUooFemSheet)>(kUooFemSheet);
constexpr auto kUooMaleRuns = BuildRuns<CountRuns(kUooMaleSheet)>(kUooMaleSheet);
constexpr auto kUberfleckRuns = BuildRuns<CountRuns(kUberfleckSheet)>(kUberfleckSheet);
constexpr auto kHampsterRuns = BuildRuns<CountRuns(kHampsterSheet)>(kHampsterSheet);
constexpr auto kCluckRuns = BuildRuns<CountRuns(kCluckSheet)>(kCluckSheet);
constexpr auto kDobbsRuns = BuildRuns<CountRuns(kDobbsSheet)>(kDobbsSheet);
constexpr auto kPlaceholderRuns = BuildRuns<CountRuns(kPlaceholderSheet)>(kPlaceholderSheet);

}  // namespace

constexpr PortraitRuns kKryptal{kKryptalRuns};
constexpr PortraitRuns kCarolla{kCarollaRuns};
constexpr PortraitRuns kEmerson{kEmersonRuns};
constexpr PortraitRuns kUooFem{kUooFemRuns};
constexpr PortraitRuns kUooMale{kUooMaleRuns};
constexpr PortraitRuns kUberfleck{kUberfleckRuns};
constexpr PortraitRuns kHampster{kHampsterRuns};
constexpr PortraitRuns kCluck{kCluckRuns};
constexpr PortraitRuns kDobbs{kDobbsRuns};
constexpr PortraitRuns kPlaceholder{kPlaceholderRuns};

}  // namespace art
