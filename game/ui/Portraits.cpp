#include "game/ui/Portraits.h"

#include "game/art/PortraitArt.h"
#include "game/ui/GuiFunctions.h"

namespace {

void Draw(art::PortraitRuns runs, int x, int y) {
    for (art::PortraitRun const& run : runs) {
        PrintAt(run.text, x + run.dx, y + run.dy, run.color);
    }
}

}  // namespace

void Kryptal(int x, int y) { Draw(art::kKryptal, x, y); }
void Carolla(int x, int y) { Draw(art::kCarolla, x, y); }
void Emerson(int x, int y) { Draw(art::kEmerson, x, y); }
void UooFem(int x, int y) { Draw(art::kUooFem, x, y); }
void UooMale(int x, int y) { Draw(art::kUooMale, x, y); }
void Uberfleck(int x, int y) { Draw(art::kUberfleck, x, y); }
void Hampster(int x, int y) { Draw(art::kHampster, x, y); }
void Cluck(int x, int y) { Draw(art::kCluck, x, y); }
void Dobbs(int x, int y) { Draw(art::kDobbs, x, y); }
void Pinsky(int x, int y) { Draw(art::kPlaceholder, x, y); }
void Hyde(int x, int y) { Draw(art::kPlaceholder, x, y); }
void Nozawa(int x, int y) { Draw(art::kPlaceholder, x, y); }

void FrontLight(ColorCode color) { PrintAt(".", 2, 1, color); }
