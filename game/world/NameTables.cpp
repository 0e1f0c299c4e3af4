#include "game/world/NameTables.h"

#include <cstddef>
#include <iterator>

namespace {

// Length of the longest row, to hold each table to its limit at compile time.
template <std::size_t N>
constexpr std::size_t Longest(char const* const (&rows)[N]) {
    std::size_t longest = 0;
    for (char const* row : rows) {
        std::size_t length = 0;
        while (row[length] != '\0') {
            ++length;
        }
        longest = length > longest ? length : longest;
    }
    return longest;
}

// Povolnian: family and genus names of lizards and snakes.
constexpr char const* kPovolnianLongRows[] = {
    "Amphisbaena",   "Gekkonidae",   "Tantilla",      "Sphaerodactylus", "Chamaeleonidae", "Helodermatidae",
    "Lanthanotidae", "Xenosauridae", "Eublepharidae", "Lampropeltis",    "Dendroaspis",    "Ophiophagus",
    "Typhlopidae",   "Uropeltidae",  "Acrochordidae", "Tropidophiidae",  "Anomalepididae", "Cordylidae",
    "Lacertidae",    "Colubridae",   "Pythonidae",    "Scincidae",       "Varanidae",      "Viperidae",
    "Iguanidae",     "Crotalus",     "Phrynosoma",    "Elapidae",        "Anniellidae",    "Xenopeltidae",
};
static_assert(std::size(kPovolnianLongRows) == 30);
static_assert(Longest(kPovolnianLongRows) == 15);

// Povolnian: genus names of lizards, snakes, crocodilians and turtles (at most ten letters).
constexpr char const* kPovolnianShortRows[] = {
    "Anolis",     "Caiman",     "Tupinambis", "Enyalioide", "Iguana",     "Varanus",    "Gekko",
    "Draco",      "Moloch",     "Pogona",     "Basiliscus", "Chelydra",   "Chelonia",   "Testudo",
    "Terrapene",  "Trionyx",    "Gavialis",   "Alligator",  "Crocodylus", "Python",     "Eunectes",
    "Natrix",     "Vipera",     "Bitis",      "Elaphe",     "Pituophis",  "Thamnophis", "Lacerta",
    "Podarcis",   "Chamaeleo",  "Uromastyx",  "Tiliqua",    "Egernia",    "Sceloporus", "Ameiva",
    "Sauromalus", "Ctenosaura", "Caretta",    "Chrysemys",  "Tomistoma",  "Geochelone",
};
static_assert(std::size(kPovolnianShortRows) == 41);
static_assert(Longest(kPovolnianShortRows) == 10);

// Povolnian: what may follow a short name.
constexpr char const* kPovolnianSuffixRows[] = {
    "II", "III", "IV", "Jr.", "Sr.",
};
static_assert(std::size(kPovolnianSuffixRows) == 5);
static_assert(Longest(kPovolnianSuffixRows) == 3);

// Grekkp: stems.
constexpr char const* kGrekkpStemRows[] = {
    "Abant",  "Chand", "Flav",  "Aurel", "Corn",  "Dec",   "Fab",   "Gall",   "Hort",   "Jul",    "Luc",
    "Marc",   "Nerv",  "Oct",   "Pomp",  "Quint", "Rom",   "Sever", "Serv",   "Tib",    "Val",    "Vesp",
    "Agripp", "Brut",  "Cass",  "Claud", "Crass", "Drus",  "Fulv",  "Hadr",   "Ignat",  "Laev",   "Lent",
    "Maxim",  "Nerat", "Ovid",  "Petr",  "Plaut", "Rufin", "Sabin", "Scaev",  "Tert",   "Titian", "Urs",
    "Varr",   "Zen",   "Aem",   "Bass",  "Calp",  "Domit", "Eutr",  "Fest",   "Gracch", "Herenn", "Iust",
    "Lepid",  "Mamil", "Numer", "Opim",  "Perp",  "Quir",  "Sext",  "Trebon", "Vibr",   "Vol",
};
static_assert(std::size(kGrekkpStemRows) == 65);
static_assert(Longest(kGrekkpStemRows) == 6);

// Grekkp: female endings.
constexpr char const* kGrekkpFemaleRows[] = {
    "undia",  "olpha",  "lendina", "ella",  "ina",  "illa",   "ia",    "ena",   "ara",   "ica",
    "ora",    "ulla",   "etta",    "issa",  "anda", "entia",  "onia",  "uvia",  "alia",  "ilia",
    "eria",   "osa",    "ata",     "ida",   "essa", "orina",  "ulina", "arda",  "emina", "icia",
    "ustina", "antha",  "ertha",   "olina", "ivia", "ecunda", "andra", "illia", "odora", "averna",
    "ucida",  "eldina", "ampia",   "istra", "oria", "ythia",  "enzia",
};
static_assert(std::size(kGrekkpFemaleRows) == 47);
static_assert(Longest(kGrekkpFemaleRows) == 7);

// Grekkp: male endings, mostly the male forms of the female ones.
constexpr char const* kGrekkpMaleRows[] = {
    "undius",  "olphus", "lendinus", "ellus",   "inus",   "illus",   "ius",      "enus",    "arus",
    "icus",    "orus",   "ullus",    "ettus",   "issus",  "andus",   "entius",   "onius",   "uvius",
    "alius",   "ilius",  "erius",    "osus",    "atus",   "idus",    "essus",    "orinus",  "ulinus",
    "ardus",   "eminus", "icius",    "ustinus", "anthus", "erthus",  "olinus",   "ivius",   "ecundus",
    "andrus",  "illius", "odorus",   "avernus", "ucidus", "eldinus", "ampius",   "istrus",  "orius",
    "ythius",  "enzius", "ulus",     "anus",    "onus",   "ianus",   "ullianus", "entinus", "axus",
    "ilianus", "oclus",  "uscus",    "ertus",   "amus",   "itus",    "aximus",   "ugustus", "ellinus",
};
static_assert(std::size(kGrekkpMaleRows) == 63);
static_assert(Longest(kGrekkpMaleRows) == 8);

// Mako: stems.
constexpr char const* kMakoStemRows[] = {
    "Vlod", "Sva", "Plo",  "Bor", "Mir", "Dra", "Sta", "Bog", "Ver", "Rad",  "Lud",  "Mil", "Vla",
    "Jar",  "Zde", "Pre",  "Sob", "Bra", "Dob", "Gor", "Kaz", "Lju", "Nev",  "Ost",  "Pet", "Ros",
    "Slo",  "Tvr", "Vuk",  "Zla", "Bel", "Cve", "Dus", "Gra", "Hra", "Iva",  "Kra",  "Lev", "Mlad",
    "Nik",  "Obr", "Pav",  "Rat", "Sne", "Tom", "Ugl", "Vit", "Zor", "Blag", "Chas", "Dmi", "Gav",
    "Jov",  "Kos", "Lyub", "Mst", "Nes", "Ole", "Prz", "Rus", "Svy", "Tih",  "Vse",  "Yar", "Zvo",
    "Bud",  "Dal", "Grz",  "Kvo", "Lav", "Med", "Pol", "Sko", "Tes", "Vol",  "Zhe",
};
static_assert(std::size(kMakoStemRows) == 76);
static_assert(Longest(kMakoStemRows) == 4);

// Mako: endings.
constexpr char const* kMakoEndingRows[] = {
    "ragoslav", "brovnik", "stochek", "imir",  "oslav",  "islav",   "omir",    "dan",    "ko",    "vich",
    "ovic",     "enko",    "ovsky",   "anov",  "inski",  "ek",      "ak",      "ovan",   "ilo",   "ota",
    "ubor",     "imil",    "ogan",    "eslav", "ivoj",   "adin",    "ovnik",   "itsa",   "ashko", "omil",
    "enik",     "arek",    "usz",     "ovar",  "ejko",   "anko",    "uslav",   "islaw",  "ibor",  "omysl",
    "egor",     "okhin",   "ash",     "yenko", "ichek",  "imirov",  "avko",    "oljub",  "emysl", "ogost",
    "ovoj",     "azar",    "enov",    "ishko", "uzhin",  "odrag",   "ostoj",   "anich",  "izdan", "olin",
    "ovec",     "erad",    "imysl",   "ogush", "akovic", "ibran",   "islavek", "ovitch", "umir",  "anislav",
    "eslavko",  "ovnikov", "adovan",  "irko",  "obrad",  "avoslav",
};
static_assert(std::size(kMakoEndingRows) == 76);
static_assert(Longest(kMakoEndingRows) == 8);

// Uberfleck: stems of given names (Fried twice).
constexpr char const* kUberfleckStemRows[] = {
    "Eck",  "Gott", "Diet",  "Wil",  "Fried", "Sieg",  "Adal",   "Bern",  "Ger",   "Hein",  "Her",
    "Hild", "Kuno", "Lud",   "Man",  "Ot",    "Rein",  "Rud",    "Wolf",  "Al",    "Ans",   "Bald",
    "Bert", "Brun", "Chlod", "Dank", "Ed",    "Egin",  "Ehr",    "Erm",   "Ern",   "Gisel", "Gunt",
    "Hart", "Hel",  "Hug",   "Ing",  "Irm",   "Kon",   "Kun",    "Leo",   "Lieb",  "Luit",  "Mecht",
    "Norb", "Od",   "Os",    "Rai",  "Ram",   "Rich",  "Rob",    "Rupp",  "Sieb",  "Sig",   "Theo",
    "Ulr",  "Volk", "Walt",  "Wern", "Wigb",  "Wolfr", "Hildeb", "Engel", "Fried", "Gund",  "Hrod",
    "Knut", "Land", "Meg",   "Not",  "Reg",   "Traut", "Wal",    "Zeis",
};
static_assert(std::size(kUberfleckStemRows) == 74);
static_assert(Longest(kUberfleckStemRows) == 6);

// Uberfleck: endings; the hyphened rows make double names.
constexpr char const* kUberfleckEndingRows[] = {
    "brecht", "helm",     "stanze",  "hard", "bert",    "fried",  "mund",  "wald", "win",   "rich",
    "hold",   "mar",      "gar",     "trud", "gund",    "hild",   "linde", "burg", "frid",  "rad",
    "ulf",    "wig",      "bald",    "ger",  "hart",    "bold",   "traud", "lind", "munde", "rud",
    "olf",    "ram",      "old",     "rune", "gard",    "heid",   "mut",   "wine", "bod",   "hardt",
    "fred",   "mann",     "ward",    "lieb", "wolf",    "ulrich", "isa",   "ine",  "ilde",  "egunde",
    "trude",  "burga",    "lint",    "rat",  "bern",    "fram",   "olt",   "wart", "gisel", "hilde",
    "-Heinz", "-Gottlob", "-Ludwig", "lef",  "helmine", "friede",
};
static_assert(std::size(kUberfleckEndingRows) == 66);
static_assert(Longest(kUberfleckEndingRows) == 8);

// Mududu: stems (Kib twice).
constexpr char const* kMududuStemRows[] = {
    "Mwam", "Mtum", "Gheil", "Kib", "Njo",  "Wan",  "Ham", "Bak",  "Jum",  "Kam",  "Mba",   "Nde", "Oku",
    "Sal",  "Taw",  "Zub",   "Abd", "Far",  "Had",  "Kha", "Mus",  "Nas",  "Rash", "Sulu",  "Yus", "Ach",
    "Bara", "Chik", "Dum",   "Ewa", "Gath", "Imar", "Jab", "Kwa",  "Lum",  "Mosi", "Ngu",   "Oma", "Pend",
    "Sef",  "Tum",  "Uba",   "Wam", "Zaw",  "Ama",  "Bah", "Dhaw", "Fum",  "Gak",  "Hus",   "Kar", "Mwin",
    "Nya",  "Rah",  "Sham",  "Tak", "Ujam", "Waz",  "Zak", "Kib",  "Mkub", "Shuk", "Nyamb",
};
static_assert(std::size(kMududuStemRows) == 63);
static_assert(Longest(kMududuStemRows) == 5);

// Mududu: endings.
constexpr char const* kMududuEndingRows[] = {
    "chungwa", "walimu", "tangulizi", "bwa",    "zi",       "anga",   "ombe",   "ingo",   "ara",    "uru",
    "jani",    "mbili",  "tatu",      "nne",    "tano",     "sita",   "saba",   "nane",   "kumi",   "rafiki",
    "simba",   "tembo",  "twiga",     "kiboko", "nyati",    "duma",   "chui",   "mvua",   "jua",    "mwezi",
    "nyota",   "upepo",  "bahari",    "mlima",  "mto",      "ziwa",   "shamba", "mtoto",  "baba",   "mama",
    "dada",    "kaka",   "rudi",      "fika",   "penda",    "cheka",  "imba",   "cheza",  "lala",   "kula",
    "nywa",    "soma",   "andika",    "sikia",  "ona",      "jenga",  "fundi",  "hodari", "imara",  "safi",
    "tamu",    "zuri",   "pole",      "haraka", "polepole", "karibu", "asante", "jambo",  "habari", "salama",
    "amani",   "uhuru",  "umoja",     "kazi",   "nguvu",    "moto",   "maji",   "hewa",   "ardhi",  "mbegu",
    "ndizi",   "embe",   "nanasi",    "papai",  "mchele",   "ugali",  "mkate",  "kitabu",
};
static_assert(std::size(kMududuEndingRows) == 88);
static_assert(Longest(kMududuEndingRows) == 9);

// Oblivion: stems of given names.
constexpr char const* kOblivionStemRows[] = {
    "Gott", "Volk", "Joch", "Adal", "Bern", "Diet", "Eber", "Fried", "Ger",  "Hart", "Hein",  "Hel",  "Hild",
    "Hub",  "Irm",  "Kas",  "Kon",  "Lamb", "Leop", "Lud",  "Mein",  "Norb", "Ort",  "Rein",  "Rud",  "Sieg",
    "Tank", "Ulr",  "Wal",  "Wend", "Wil",  "Wolf", "Ans",  "Bald",  "Bert", "Dag",  "Egb",   "Erch", "Frow",
    "Gisb", "Gunt", "Herb", "Hink", "Imm",  "Land", "Loth", "Mang",  "Raim", "Sigm", "Theod", "Utz",  "Wig",
};
static_assert(std::size(kOblivionStemRows) == 52);
static_assert(Longest(kOblivionStemRows) == 5);

// Oblivion: endings; the hyphened rows make double names.
constexpr char const* kOblivionEndingRows[] = {
    "edikt",  "mund",  "wald",   "fried",  "hard",   "helm",   "bert", "rich",     "hold",   "mar",
    "win",    "brand", "hart",   "ger",    "rad",    "ram",    "wig",  "bald",     "gar",    "ulf",
    "olf",    "bod",   "mut",    "frid",   "mann",   "burg",   "lieb", "ward",     "old",    "brecht",
    "traut",  "hilde", "linde",  "gunde",  "trud",   "rune",   "bold", "wart",     "heim",   "hardt",
    "wolf",   "fram",  "rat",    "bern",   "wine",   "gisel",  "olt",  "ewin",     "rik",    "mod",
    "ulrich", "ebald", "-Georg", "-Josef", "-Anton", "-Maria", "lef",  "-Gottlob", "-Eugen",
};
static_assert(std::size(kOblivionEndingRows) == 59);
static_assert(Longest(kOblivionEndingRows) == 8);

// Deorian: first syllables.
constexpr char const* kDeorianStemRows[] = {
    "Aki",   "Ama",   "Ao",    "Ari",   "Asa",   "Ashi",  "Atsu",  "Aya",   "Azu",   "Ban",  "Bun",   "Chi",
    "Chika", "Chiyo", "Dai",   "Dan",   "Ei",    "Etsu",  "Fuji",  "Fuku",  "Fumi",  "Fusa", "Gaho",  "Gen",
    "Gin",   "Go",    "Gon",   "Hachi", "Hama",  "Hana",  "Haru",  "Hashi", "Hide",  "Hiro", "Hisa",  "Hoki",
    "Hon",   "Hoshi", "Ichi",  "Ie",    "Iku",   "Ima",   "Ina",   "Iso",   "Ita",   "Iwa",  "Izu",   "Jin",
    "Jo",    "Jun",   "Kado",  "Kage",  "Kai",   "Kama",  "Kane",  "Kata",  "Katsu", "Kawa", "Kaze",  "Kei",
    "Ken",   "Kiku",  "Kin",   "Kiyo",  "Ko",    "Kou",   "Kuma",  "Kuni",  "Kura",  "Kyo",  "Machi", "Mae",
    "Masa",  "Matsu", "Mi",    "Michi", "Mido",  "Mine",  "Mitsu", "Miya",  "Mori",  "Moto", "Mune",  "Mura",
    "Nada",  "Naga",  "Nao",   "Nari",  "Natsu", "Nobu",  "Nori",  "Oda",   "Oka",   "Omi",  "Oto",   "Rai",
    "Ren",   "Riku",  "Rin",   "Ryo",   "Ryu",   "Sada",  "Sai",   "Saka",  "Sane",  "Sato", "Sei",   "Shige",
    "Shin",  "Sho",   "Sora",  "Sue",   "Suke",  "Sumi",  "Taka",  "Take",  "Tama",  "Tani", "Tatsu", "Tei",
    "Teru",  "Toki",  "Tomo",  "Tora",  "Toshi", "Tsune", "Tsuru", "Uchi",  "Ume",   "Uta",  "Wada",  "Waka",
    "Yama",  "Yasu",  "Yoshi", "Yuki",  "Yumi",  "Zen",   "Yori",  "Nishi", "Fuyu",  "Haya", "Kaga",  "Sawa",
    "Tsugu",
};
static_assert(std::size(kDeorianStemRows) == 145);
static_assert(Longest(kDeorianStemRows) == 5);

// Deorian: endings (a few twice).
constexpr char const* kDeorianEndingRows[] = {
    "suke",     "zaemon",   "chigoro",  "taro",   "jiro",   "saburo", "shiro",  "goro",    "rokuro",
    "shichiro", "hachirou", "kichirou", "nosuke", "noshin", "emon",   "uemon",  "suemon",  "hei",
    "bei",      "gorobei",  "tsugu",    "nojo",   "hiko",   "masa",   "mune",   "nari",    "tada",
    "yuki",     "kichi",    "hide",     "nobu",   "hiro",   "haru",   "aki",    "kazu",    "toshi",
    "mitsu",    "naga",     "yoshi",    "tomo",   "tsune",  "sada",   "kiyo",   "shige",   "katsu",
    "hisa",     "chika",    "sumi",     "zane",   "yasu",   "teru",   "tora",   "kuma",    "maru",
    "zo",       "suke",     "taro",     "emon",   "ichi",   "kazuma", "nosuke", "hisashi", "takeshi",
    "hiroshi",  "kiyoshi",  "mamoru",   "minoru", "isamu",  "osamu",  "susumu", "tsutomu", "makoto",
    "yutaka",   "noboru",   "hajime",   "akira",  "hikaru", "kaoru",  "nori",   "tatsu",   "ya",
    "hei",      "ki",       "suke",     "uemon",  "ta",     "ji",     "rou",    "kage",    "mori",
    "kuni",     "moto",     "mura",     "hara",   "zaburo", "tarou",  "jirou",  "zou",     "tsuna",
    "kuro",     "fusa",     "hachi",    "toki",   "shirou",
};
static_assert(std::size(kDeorianEndingRows) == 104);
static_assert(Longest(kDeorianEndingRows) == 8);

// Hampster: pet names, each with its trailing blank (a few twice).
constexpr char const* kHampsterPetRows[] = {
    "Fluffy ",        "Nibbles ",        "Peanut ",      "Whiskers ",   "Squeaky ",      "Fuzzy ",
    "Biscuit ",       "Cookie ",         "Cupcake ",     "Muffin ",     "Pumpkin ",      "Butterscotch ",
    "Caramel ",       "Cinnamon ",       "Ginger ",      "Honey ",      "Hazelnut ",     "Pistachio ",
    "Popcorn ",       "Pretzel ",        "Waffles ",     "Noodle ",     "Dumpling ",     "Teddy ",
    "Snuggles ",      "Snowball ",       "Marshmallow ", "Buttons ",    "Pip ",          "Pipsqueak ",
    "Squeak ",        "Chewy ",          "Chubby ",      "Chunky ",     "Tubby ",        "Roly Poly ",
    "Pudding ",       "Jellybean ",      "Gumdrop ",     "Sprinkles ",  "Sugar ",        "Sweetie ",
    "Pookie ",        "Bubbles ",        "Buttercup ",   "Coco ",       "Mocha ",        "Nutmeg ",
    "Pepper ",        "Sesame ",         "Sunflower ",   "Acorn ",      "Hazel ",        "Chestnut ",
    "Walnut ",        "Cashew ",         "Almond ",      "Barley ",     "Oats ",         "Clover ",
    "Daisy ",         "Poppy ",          "Rosie ",       "Bella ",      "Lulu ",         "Mimi ",
    "Gigi ",          "Bunny ",          "Fuzzball ",    "Furball ",    "Dusty ",        "Smokey ",
    "Ziggy ",         "Zippy ",          "Speedy ",      "Rocket ",     "Turbo ",        "Nugget ",
    "Tater Tot ",     "Meatball ",       "Bean ",        "Jelly ",      "Mr. Whiskers ", "Mr. Nibbles ",
    "Mrs. Fluffles ", "Professor Fuzz ", "Little Bit ",  "Sparky ",     "Bandit ",       "Tiny ",
    "Peewee ",        "Munchkin ",       "Snickers ",    "Fudge ",      "Brownie ",      "Toffee ",
    "Kibble ",        "Wiggles ",        "Scamper ",     "Hamlet ",     "Hammy ",        "Fluffy ",
    "Nibbles ",       "Peanut ",         "Sir Squeaks ", "Miss Daisy ",
};
static_assert(std::size(kHampsterPetRows) == 106);
static_assert(Longest(kHampsterPetRows) == 15);

// Ivinian: beginnings of tree names.
constexpr char const* kIvinianTreeStemRows[] = {
    "Oak",   "Elm",   "Spru",  "Map",   "Bir",  "Wil",   "Ced",    "Pin",   "Alder",   "Ash",   "Aspen",
    "Beech", "Hemlo", "Hick",  "Juni",  "Lar",  "Mahog", "Magnol", "Syca",  "Sassafr", "Walnu", "Chestn",
    "Popl",  "Cypr",  "Hawth", "Holl",  "Lind", "Rowan", "Sequ",   "Yew",   "Redw",    "Baob",  "Teak",
    "Eucal", "Catal", "Dogw",  "Hornb", "Acac", "Palm",  "Olive",  "Cherr",
};
static_assert(std::size(kIvinianTreeStemRows) == 41);
static_assert(Longest(kIvinianTreeStemRows) == 7);

// Ivinian: ends of flower names.
constexpr char const* kIvinianFlowerEndRows[] = {
    "flower", "thorn", "dragon", "dil",  "rose",  "lily",  "ssom", "gonia", "chid",   "cus",   "sy",
    "lia",    "ris",   "ula",    "bell", "cup",   "weed",  "wort", "mum",   "aster",  "anium", "nation",
    "ender",  "mine",  "bine",   "ulip", "bloom", "glove", "bane", "ony",   "acinth", "gold",
};
static_assert(std::size(kIvinianFlowerEndRows) == 32);
static_assert(Longest(kIvinianFlowerEndRows) == 6);

// Ivinian: beginnings of flower names.
constexpr char const* kIvinianFlowerStemRows[] = {
    "Sun",  "Daffo", "Snap",  "Tul",   "Dais",   "Lil",  "Ros",  "Orch",   "Begon",  "Dahl",
    "Zinn", "Pans",  "Peon",  "Marig", "Lav",    "Jasm", "Hyac", "Carna",  "Gerani", "Pop",
    "Lot",  "Ir",    "Ast",   "Viol",  "Camell", "Fox",  "Blue", "Butter", "Prim",   "Cowsl",
    "Glad", "Lark",  "Hibis", "Azal",  "Garde",  "Peri", "Clem", "Snow",
};
static_assert(std::size(kIvinianFlowerStemRows) == 38);
static_assert(Longest(kIvinianFlowerStemRows) == 6);

// Ivinian: ends of tree names.
constexpr char const* kIvinianTreeEndRows[] = {
    "wood", "berry", "quoia", "ple",  "ch",   "low",  "pen",    "dar",   "ress",  "nut",
    "lock", "pine",  "fir",   "oak",  "ash",  "beam", "lyptus", "ogany", "amore", "olia",
    "bab",  "palm",  "bark",  "leaf", "iper", "ory",  "lder",   "eech",  "rch",   "dwood",
    "lnut", "stnut", "ucca",  "plar", "den",  "ust",  "alpa",   "wan",
};
static_assert(std::size(kIvinianTreeEndRows) == 38);
static_assert(Longest(kIvinianTreeEndRows) == 6);

// Probe and Human: male first names, in alphabetical order.
constexpr char const* kHumanMaleRows[] = {
    "Aaron",       "Abraham",  "Adam",         "Adrian",   "Alan",     "Albert",   "Alexander", "Alfred",
    "Allen",       "Alvin",    "Andrew",       "Angus",    "Anthony",  "Archie",   "Arnold",    "Arthur",
    "Austin",      "Barry",    "Bartholomew",  "Ben",      "Benjamin", "Bernard",  "Bert",      "Bill",
    "Billy",       "Blake",    "Bob",          "Bradley",  "Brandon",  "Brendan",  "Brent",     "Brett",
    "Brian",       "Bruce",    "Bryan",        "Byron",    "Calvin",   "Cameron",  "Carl",      "Carlton",
    "Carter",      "Cecil",    "Chad",         "Charles",  "Charlie",  "Chester",  "Chris",     "Christian",
    "Christopher", "Clarence", "Clark",        "Claude",   "Clayton",  "Clifford", "Clinton",   "Clyde",
    "Cody",        "Colin",    "Connor",       "Conrad",   "Craig",    "Curtis",   "Cyril",     "Dale",
    "Dallas",      "Daniel",   "Darrell",      "Darren",   "David",    "Dean",     "Dennis",    "Derek",
    "Desmond",     "Dominic",  "Don",          "Donald",   "Douglas",  "Duane",    "Dudley",    "Duncan",
    "Dustin",      "Dwayne",   "Dwight",       "Earl",     "Edgar",    "Edmund",   "Edward",    "Edwin",
    "Elliot",      "Elmer",    "Elvis",        "Emmett",   "Eric",     "Ernest",   "Eugene",    "Evan",
    "Everett",     "Felix",    "Floyd",        "Francis",  "Frank",    "Franklin", "Frederick", "Gabriel",
    "Gary",        "Gavin",    "Gene",         "Geoffrey", "George",   "Gerald",   "Gilbert",   "Glen",
    "Gordon",      "Graham",   "Grant",        "Gregory",  "Gus",      "Guy",      "Hank",      "Harold",
    "Harrison",    "Harry",    "Harvey",       "Hector",   "Henry",    "Herbert",  "Herman",    "Homer",
    "Horace",      "Howard",   "Hubert",       "Hugh",     "Hugo",     "Ian",      "Isaac",     "Ivan",
    "Jack",        "Jacob",    "Jake",         "James",    "Jamie",    "Jared",    "Jason",     "Jasper",
    "Jay",         "Jeffrey",  "Jeremy",       "Jerome",   "Jerry",    "Jesse",    "Jim",       "Joe",
    "Joel",        "John",     "John-Michael", "Johnny",   "Jonathan", "Jordan",   "Joseph",    "Joshua",
    "Julian",      "Justin",   "Keith",        "Kelvin",   "Kenneth",  "Kevin",    "Kirk",      "Kyle",
    "Lance",       "Larry",    "Lawrence",     "Lee",      "Leo",      "Leon",     "Leonard",   "Leroy",
    "Leslie",      "Lewis",    "Lloyd",        "Logan",    "Lonnie",   "Louis",    "Lucas",     "Luke",
    "Malcolm",     "Marcus",   "Mark",         "Marshall", "Martin",   "Marvin",   "Matthew",   "Maurice",
    "Max",         "Melvin",   "Michael",      "Mickey",   "Miles",    "Milton",   "Mitchell",  "Morgan",
    "Morris",      "Murray",   "Nathan",       "Neil",     "Nelson",   "Nicholas", "Noah",      "Norman",
    "Oliver",      "Oscar",    "Otis",         "Owen",     "Patrick",  "Paul",     "Percy",     "Perry",
    "Peter",       "Philip",   "Preston",      "Quentin",  "Ralph",    "Randall",  "Randy",     "Ray",
    "Raymond",     "Reginald", "Rex",          "Richard",  "Robert",   "Rodney",   "Roger",     "Roland",
    "Ronald",      "Ross",     "Roy",          "Rudy",     "Russell",  "Ryan",     "Samuel",    "Scott",
    "Sean",        "Seth",     "Shane",        "Sidney",   "Simon",    "Spencer",  "Stanley",   "Stephen",
    "Stuart",      "Terry",    "Theodore",     "Thomas",   "Timothy",  "Toby",     "Todd",      "Tom",
    "Tony",        "Travis",   "Trevor",       "Troy",     "Tyler",    "Vernon",   "Victor",    "Wade",
    "Wallace",     "Walter",   "Warren",       "Wayne",    "Wesley",   "Wilbur",   "Willard",   "William",
    "Winston",     "Zachary",
};
static_assert(std::size(kHumanMaleRows) == 274);
static_assert(Longest(kHumanMaleRows) == 12);

// Probe and Human: female first names, in alphabetical order.
constexpr char const* kHumanFemaleRows[] = {
    "Abigail",   "Ada",        "Adele",      "Agnes",    "Alexandra", "Alexandria", "Alice",     "Alison",
    "Amanda",    "Amber",      "Amelia",     "Amy",      "Andrea",    "Angela",     "Anita",     "Ann",
    "Anna",      "Anne",       "Annette",    "Annie",    "April",     "Audrey",     "Ava",       "Barbara",
    "Beatrice",  "Becky",      "Belinda",    "Bernice",  "Bertha",    "Beryl",      "Beth",      "Betty",
    "Beverly",   "Blanche",    "Bonnie",     "Brenda",   "Bridget",   "Brittany",   "Brooke",    "Camille",
    "Candice",   "Carla",      "Carmen",     "Carol",    "Caroline",  "Carrie",     "Cassandra", "Catherine",
    "Cecilia",   "Celia",      "Charlotte",  "Cheryl",   "Chloe",     "Christina",  "Christine", "Cindy",
    "Claire",    "Clara",      "Claudia",    "Colleen",  "Connie",    "Constance",  "Cora",      "Courtney",
    "Crystal",   "Cynthia",    "Daisy",      "Dana",     "Daphne",    "Darlene",    "Dawn",      "Debbie",
    "Deborah",   "Delia",      "Denise",     "Diana",    "Diane",     "Dolly",      "Dolores",   "Donna",
    "Dora",      "Doris",      "Dorothy",    "Edith",    "Edna",      "Eileen",     "Elaine",    "Eleanor",
    "Elizabeth", "Ella",       "Ellen",      "Eloise",   "Elsie",     "Emily",      "Emma",      "Erica",
    "Erin",      "Estelle",    "Esther",     "Ethel",    "Eva",       "Evelyn",     "Faith",     "Fay",
    "Felicity",  "Fiona",      "Flora",      "Florence", "Frances",   "Gail",       "Gemma",     "Georgia",
    "Geraldine", "Gertrude",   "Gina",       "Gladys",   "Gloria",    "Grace",      "Gwen",      "Gwendolyn",
    "Hannah",    "Harriet",    "Hazel",      "Heather",  "Heidi",     "Helen",      "Henrietta", "Hilda",
    "Holly",     "Hope",       "Ida",        "Imogen",   "Ingrid",    "Irene",      "Iris",      "Isabel",
    "Ivy",       "Jackie",     "Jacqueline", "Jane",     "Janet",     "Janice",     "Jasmine",   "Jean",
    "Jennifer",  "Jenny",      "Jessica",    "Jill",     "Joan",      "Joanna",     "Jocelyn",   "Josephine",
    "Joy",       "Joyce",      "Judith",     "Judy",     "Julia",     "Julie",      "June",      "Karen",
    "Kate",      "Katherine",  "Kathleen",   "Kathy",    "Kay",       "Kelly",      "Kim",       "Kimberly",
    "Kristen",   "Laura",      "Lauren",     "Leah",     "Leslie",    "Lillian",    "Lily",      "Linda",
    "Lisa",      "Lois",       "Lorna",      "Lorraine", "Louise",    "Lucille",    "Lucy",      "Lydia",
    "Lynn",      "Mabel",      "Madeline",   "Maggie",   "Mandy",     "Marcia",     "Margaret",  "Marguerite",
    "Maria",     "Marian",     "Marie",      "Marilyn",  "Marion",    "Marjorie",   "Martha",    "Mary",
    "Maureen",   "Mavis",      "Maxine",     "May",      "Megan",     "Melanie",    "Melissa",   "Mildred",
    "Miranda",   "Miriam",     "Molly",      "Monica",   "Muriel",    "Nadine",     "Nancy",     "Naomi",
    "Natalie",   "Nellie",     "Nicole",     "Nina",     "Nora",      "Norma",      "Olive",     "Olivia",
    "Opal",      "Pamela",     "Patricia",   "Patsy",    "Paula",     "Pauline",    "Pearl",     "Peggy",
    "Penelope",  "Penny",      "Phoebe",     "Phyllis",  "Polly",     "Priscilla",  "Rachel",    "Rebecca",
    "Regina",    "Renee",      "Rhonda",     "Rita",     "Roberta",   "Robin",      "Rosa",      "Rosalind",
    "Rose",      "Rosemary",   "Rowena",     "Ruby",     "Ruth",      "Sabrina",    "Sally",     "Samantha",
    "Sandra",    "Sarah",      "Sharon",     "Sheila",   "Shirley",   "Sophia",     "Sophie",    "Stacy",
    "Stella",    "Stephanie",  "Sue",        "Susan",    "Suzanne",   "Sybil",      "Sylvia",    "Tabitha",
    "Tamara",    "Tammy",      "Tanya",      "Teresa",   "Tess",      "Thelma",     "Tiffany",   "Tina",
    "Tracy",     "Trudy",      "Una",        "Ursula",   "Valerie",   "Vanessa",    "Vera",      "Veronica",
    "Vicky",     "Victoria",   "Viola",      "Violet",   "Virginia",  "Vivian",     "Wanda",     "Wendy",
    "Whitney",   "Wilhelmina", "Wilma",      "Winifred", "Yolanda",   "Yvonne",     "Zoe",
};
static_assert(std::size(kHumanFemaleRows) == 303);
static_assert(Longest(kHumanFemaleRows) == 10);

// Probe and Human: the names a prank caller would give.
constexpr char const* kJokeNameRows[] = {
    "Amanda Hugginkiss", "Ben Dover",  "Hugh Jass",     "Seymour Butts",  "Ivana Tinkle",
    "Phil McCracken",    "Mike Rotch", "Dixie Normous", "Oliver Klozoff",
};
static_assert(std::size(kJokeNameRows) == 9);
static_assert(Longest(kJokeNameRows) == 17);

}  // namespace

namespace nametables {

NameTable const kPovolnianLong{kPovolnianLongRows};
NameTable const kPovolnianShort{kPovolnianShortRows};
NameTable const kPovolnianSuffix{kPovolnianSuffixRows};
NameTable const kGrekkpStem{kGrekkpStemRows};
NameTable const kGrekkpFemale{kGrekkpFemaleRows};
NameTable const kGrekkpMale{kGrekkpMaleRows};
NameTable const kMakoStem{kMakoStemRows};
NameTable const kMakoEnding{kMakoEndingRows};
NameTable const kUberfleckStem{kUberfleckStemRows};
NameTable const kUberfleckEnding{kUberfleckEndingRows};
NameTable const kMududuStem{kMududuStemRows};
NameTable const kMududuEnding{kMududuEndingRows};
NameTable const kOblivionStem{kOblivionStemRows};
NameTable const kOblivionEnding{kOblivionEndingRows};
NameTable const kDeorianStem{kDeorianStemRows};
NameTable const kDeorianEnding{kDeorianEndingRows};
NameTable const kHampsterPet{kHampsterPetRows};
NameTable const kIvinianTreeStem{kIvinianTreeStemRows};
NameTable const kIvinianFlowerEnd{kIvinianFlowerEndRows};
NameTable const kIvinianFlowerStem{kIvinianFlowerStemRows};
NameTable const kIvinianTreeEnd{kIvinianTreeEndRows};
NameTable const kHumanMale{kHumanMaleRows};
NameTable const kHumanFemale{kHumanFemaleRows};
NameTable const kJokeName{kJokeNameRows};

char const kWootWootAll[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-!@#$%^&*_=~";
char const kWootWootLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
char const kWootWootDigits[] = "0123456789";
static_assert(sizeof(kWootWootAll) == 49 && sizeof(kWootWootLetters) == 27 && sizeof(kWootWootDigits) == 11);

}  // namespace nametables
