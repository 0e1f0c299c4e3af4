#include "game/screens/IonCannon.h"

#include <algorithm>
#include <iterator>

#include "game/art/GroundPictures.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/screens/GameOver.h"
#include "game/screens/GroundCampaign.h"
#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"
#include "game/ui/YesNoPrompt.h"
#include "game/world/Globals.h"
#include "game/world/Saturate.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kFrameColour = 48;

// The live feed's view screen.
constexpr int kViewX = 45;
constexpr int kViewY = 5;

// The prompt, and the blanks that wipe it.
constexpr int kPromptX = 45;
constexpr int kPromptY = 10;
constexpr int kAnswerX = 44;
constexpr int kAnswerY = 11;

// The charging line under the grid.
constexpr int kStatusRow = 22;
constexpr int kChargeBarX = 12;
constexpr int kChargeBarLength = 10;
constexpr int kChargeColour = 9;
constexpr int kFireTextX = 23;
constexpr int kRed = 12;
constexpr int kYellow = 14;

constexpr char kChargeEmpty = glyph::kLightShade;
constexpr char kChargeFull = glyph::kDarkShade;

struct ReportPhrases {
    char const* first;
    char const* second;
};

constexpr ReportPhrases kFarmReport = {
    "A Farming Region in Sector ", " has been eradicated by your \"Slash and Burn\" Ion Cannon techniques."};
constexpr ReportPhrases kLandReports[] = {
    kFarmReport,
    {"A City in Sector ", " has been decimated by your glorious Ion Cannon."},
    {"A Military Base in Sector ", " is now a distant memory, all thanks to the Ion Cannon."},
    {"A Mountain Region in Sector ", " has been flattened by your destructive Ion Cannon."},
    {"A Desert Region in Sector ", " has been destroyed by your accurate Ion Cannon skills."},
    kFarmReport,
    {"A SubSector that has already been destroyed by your hands in Sector ",
     " has been given a lethal dose of destruction from the Ion Cannon."},
    {"The Radioactive Elements in a Nuclear Wasteland in Sector ",
     " have been obliterated by the environmentally friendly Ion Cannon."},
};
constexpr int kRubbleType = 6;
constexpr int kOldRubbleType = 8;  // reported as rubble as well
constexpr ReportPhrases kUnknownReport = {
    "A SubSector of an unknown land type in Sector ",
    " has been leveled by your Ion Cannon. Whatever was there before isn't there now."};

constexpr int kReportType = 4;

void Wait(uint32_t milliseconds) { con::Sleep(milliseconds); }

void WipePrompt() {
    PrintAt("                ", kPromptX, kPromptY, 15);
    PrintAt("          ", kAnswerX, kAnswerY, 15);
}

void FeedLabel(char const* label) {
    PrintAt("<<", 54, kStatusRow, kYellow);
    PrintAt(label, 56, kStatusRow, kRed);
    PrintAt(">>", 65, kStatusRow, kYellow);
}

// The charging line: its label and an empty bar.
void StartChargeBar() {
    PrintAt("CHARGING", 3, kStatusRow, kRed);
    char bar[kChargeBarLength + 1];
    std::fill_n(bar, kChargeBarLength, kChargeEmpty);
    bar[kChargeBarLength] = '\0';
    PrintAt(bar, kChargeBarX, kStatusRow, kChargeColour);
}

void ChargeFrame(int frame) {
    switch (frame) {
        case 1: ChargeFrame1(kViewX, kViewY); break;
        case 2: ChargeFrame2(kViewX, kViewY); break;
        default: ChargeFrame3(kViewX, kViewY); break;
    }
}

void ImpactFrame(int frame) {
    switch (frame) {
        case 1: ImpactFrame1(kViewX, kViewY); break;
        case 3: ImpactFrame3(kViewX, kViewY); break;
        default: ImpactFrame2(kViewX, kViewY); break;  // frames 2 and 4
    }
}

void BlastFrame(int frame, int x, int y) {
    switch (frame) {
        case 1: BlastFrame1(x, y); break;
        case 2: BlastFrame2(x, y); break;
        case 3: BlastFrame3(x, y); break;
        default: BlastFrame4(x, y); break;
    }
}

// The ground of the target as the live feed shows it; a land type without a
// picture shows none.
void DrawGroundScene(int landType, int sector, int subsector) {
    switch (landType) {
        case 0:
        case 5: DestroyFarm(kViewX, kViewY); break;
        case 1:
            DestroyCity(kViewX, kViewY + 1);
            if (sector == 1 && subsector == 5) {
                PrintAt("dP", kViewX + 16, kViewY + 14, 96);
            }
            break;
        case 2: DestroyBase(kViewX, kViewY); break;
        case 3: DestroyMtn(kViewX, kViewY); break;
        case 4: DestroyDesert(kViewX, kViewY); break;
        case 6: DestroyRubble(kViewX, kViewY); break;
        case 7: DestroyNuke(kViewX, kViewY); break;
        default: break;
    }
}

// A mapped target: the live feed, the slow charge, the beam and the impact.
void PlayLiveFeed(int landType, int sector, int subsector, int tx, int ty) {
    ViewScreenStars(kViewX, kViewY);
    FeedLabel("LIVE FEED");
    DrawGroundScene(landType, sector, subsector);

    StartChargeBar();
    Wait(500);
    for (int k = 0; k < kChargeBarLength; ++k) {
        PrintAt(kChargeFull, kChargeBarX + k, kStatusRow, kChargeColour);
        Wait(500);
    }
    PrintAt("<<FIRE>>", kFireTextX, kStatusRow, kRed);
    Wait(250);

    for (int k = 0; k < 14; ++k) {
        BeamSegment(kViewX, kViewY + k);
        Wait(2);
    }
    int frame = 1;
    for (int step = 0; step < 27; ++step) {
        ImpactFrame(frame);
        frame = frame % 4 + 1;
        if (step % 7 == 0) {
            BlastFrame(step / 7 + 1, tx, ty);
        }
        Wait(50);
    }
    for (int k = 0; k < 14; ++k) {
        EraseBeamSegment(kViewX, kViewY + k);
        if (k == 7) {
            ImpactFrame2(kViewX, kViewY);
        } else if (k == 13) {
            ImpactFrame1(kViewX, kViewY);
        }
        Wait(2);
    }
    Wait(50);
}

// An unmapped target: no picture, only static while the cannon charges fast.
void PlayNoVisual(int tx, int ty) {
    ViewScreenNoVisual(kViewX, kViewY);
    ChargeFrame3(kViewX, kViewY);
    FeedLabel("NO VISUAL");

    StartChargeBar();
    int frame = 1;
    auto const nextStatic = [&frame] {
        ChargeFrame(frame);
        frame = frame % 3 + 1;
    };
    for (int k = 0; k < kChargeBarLength; ++k) {
        PrintAt(kChargeFull, kChargeBarX + k, kStatusRow, kChargeColour);
        for (int n = 0; n < 10; ++n) {
            nextStatic();
            Wait(10);
        }
    }
    PrintAt("<<FIRE IN PROGRESS>>", kFireTextX, kStatusRow, kRed);
    for (int step = 0; step < 20; ++step) {
        nextStatic();
        if (step % 5 == 0) {
            BlastFrame(step / 5 + 1, tx, ty);
        }
        Wait(10);
    }
    ViewScreenStars(kViewX, kViewY);
    FeedLabel("LIVE FEED");
}

// Everyone on the square is gone; the counts hold whole numbers, so taking
// away each one's whole part leaves 0.
void Eradicate(SubSector& square) {
    square.AddPopulation(-ClampToInt(square.GetPopulation()));
    square.AddMilitary(-ClampToInt(square.GetMilitary()));
    square.AddExtra(-ClampToInt(square.GetExtra()));
    square.SetType(kRubbleType);
    square.SetVisible();
}

// The refusal while the ship is in orbit.
void RefuseInOrbit(con::Handle hOut, con::Handle hIn) {
    con::ClearConsole();
    ClearScreen(hOut, kFrameColour, false);
    PrintAt("You are currently in orbit.", 10, 10, kYellow);
    PrintAt("The Mothership must be hovering", 10, 11, kYellow);
    PrintAt("above a sector to fire the Ion Cannon.", 10, 12, kYellow);
    PrintAt("<< Press Any Key To Go Back To The Navigation Menu >>", 5, 14, 15);
    WaitForKey(hIn);
}

// Takes the shot's fuel; true when the tank is now empty.
bool ChargeShot() {
    Mothership* const ship = Globals::GetMothership();
    if (ship->GetFuel() > kIonShotFuel) {
        ship->ChangeFuel(-kIonShotFuel);
    } else {
        ship->SetFuel(0);
    }
    return ship->GetFuel() == 0;
}

}  // namespace

void IonCannonReport(char (&report)[kIonReportSize], bool mapped, int landType, char sectorLetter) {
    ReportPhrases phrases = kUnknownReport;
    if (mapped && landType >= 0 && landType < static_cast<int>(std::size(kLandReports))) {
        phrases = kLandReports[landType];
    } else if (mapped && landType == kOldRubbleType) {
        phrases = kLandReports[kRubbleType];
    }
    char const letter[2] = {sectorLetter, '\0'};
    StringSlam(report, phrases.first, letter);
    StringSlam(report, report, phrases.second);
}

bool ConfirmFireIonCannon(con::Handle /*hOut*/, con::Handle hIn) {
    PrintAt("Fire Ion Cannon?", kPromptX, kPromptY, kYellow);
    return AskYesNo(hIn, kAnswerX, kAnswerY);
}

bool FireIonCannon(con::Handle /*hOut*/, con::Handle hIn, int subsector, int gridX, int gridY) {
    int const sector = Globals::GetMothership()->GetLocation();
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    if (!IsSector(sector) || place == nullptr || !IsSubSector(subsector)) {
        return false;
    }
    SubSector& square = *place->GetSubSector(subsector, -1);
    int const tx = SubSectorBoxX(gridX, subsector);
    int const ty = SubSectorBoxY(gridY, subsector);
    bool const mapped = square.GetVisible();
    int const landType = square.GetType();

    WipePrompt();
    if (mapped) {
        PlayLiveFeed(landType, sector, subsector, tx, ty);
    } else {
        PlayNoVisual(tx, ty);
    }
    // The two blanks wipe the end of "<<FIRE IN PROGRESS>>".
    PrintAt("<<FIRE COMPLETED>>  ", kFireTextX, kStatusRow, kRed);
    RubbleTile(tx, ty);
    AftermathScene(kViewX, kViewY);

    char report[kIonReportSize];
    IonCannonReport(report, mapped, landType, place->GetLetter());
    Globals::GetMessages()->enqueue(report, kReportType);
    Eradicate(square);
    ShowSquareFields(kSquareFieldX, kSquareFieldY, subsector, sector);

    WaitForKey(hIn);
    ViewScreenClose(kViewX, kViewY);
    return true;
}

void SuperIonCannonControl(con::Handle hOut, con::Handle hIn) {
    Mothership* const ship = Globals::GetMothership();
    int const sector = ship->GetLocation();
    if (!IsSector(sector)) {
        RefuseInOrbit(hOut, hIn);
        return;
    }
    OpenSquareGrid(hOut, sector);
    int cursor = 0;
    while (true) {
        char const key = NextSquareGridKey(hIn, sector, cursor);
        if (key == 13) {
            if (ConfirmFireIonCannon(hOut, hIn)) {
                if (FireIonCannon(hOut, hIn, cursor, kSquareTileX, kSquareTileY) && ChargeShot()) {
                    GameOverIonFuel(hOut, hIn);
                    Globals::SetGameOver(true);
                    return;
                }
            } else {
                WipePrompt();
            }
            RefreshFuel(hOut, kFrameColour);
        } else if (key == ' ') {
            ship->ChangeFuel(kIonSpaceFuel);
            RefreshFuel(hOut, kFrameColour);
        } else if (key == 27) {
            return;
        }
    }
}
