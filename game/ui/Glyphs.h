// The code page 437 bytes the screens draw by name. The console shows each
// byte as its glyph; the look-alike characters stand beside them.
#pragma once

namespace glyph {

// ---- Marks and pointers ---------------------------------------------------------
inline constexpr char kSun = 15;                              // ☼
inline constexpr char kPointerRight = 16;                     // ►
inline constexpr char kPointerLeft = 17;                      // ◄
inline constexpr char kDoubleExclamation = 19;                // ‼
inline constexpr char kSection = 21;                          // §
inline constexpr char kShortBar = 22;                         // ▬
inline constexpr char kArrowUp = 24;                          // ↑
inline constexpr char kArrowDown = 25;                        // ↓
inline constexpr char kPointerUp = 30;                        // ▲
inline constexpr char kPointerDown = 31;                      // ▼
inline constexpr char kHouse = 127;                           // ⌂
inline constexpr char kPhi = static_cast<char>(232);          // Φ
inline constexpr char kTripleBar = static_cast<char>(240);    // ≡
inline constexpr char kBullet = static_cast<char>(249);       // ∙
inline constexpr char kMiddleDot = static_cast<char>(250);    // ·
inline constexpr char kSmallSquare = static_cast<char>(254);  // ■

// ---- Shades and blocks ----------------------------------------------------------
inline constexpr char kLightShade = static_cast<char>(176);      // ░
inline constexpr char kMediumShade = static_cast<char>(177);     // ▒
inline constexpr char kDarkShade = static_cast<char>(178);       // ▓
inline constexpr char kLowerHalfBlock = static_cast<char>(220);  // ▄

// ---- Box drawing ------------------------------------------------------------------
inline constexpr char kDoubleVertical = static_cast<char>(186);     // ║
inline constexpr char kDoubleTopRight = static_cast<char>(187);     // ╗
inline constexpr char kDoubleBottomRight = static_cast<char>(188);  // ╝
inline constexpr char kDoubleBottomLeft = static_cast<char>(200);   // ╚
inline constexpr char kDoubleTopLeft = static_cast<char>(201);      // ╔
inline constexpr char kDoubleTeeUp = static_cast<char>(202);        // ╩
inline constexpr char kDoubleTeeDown = static_cast<char>(203);      // ╦
inline constexpr char kDoubleTeeRight = static_cast<char>(204);     // ╠
inline constexpr char kDoubleHorizontal = static_cast<char>(205);   // ═
inline constexpr char kDoubleCross = static_cast<char>(206);        // ╬
inline constexpr char kDoubleTeeLeft = static_cast<char>(185);      // ╣
// Single lines meeting double ones.
inline constexpr char kSingleVerticalDoubleLeft = static_cast<char>(181);    // ╡
inline constexpr char kSingleVerticalDoubleRight = static_cast<char>(198);   // ╞
inline constexpr char kDoubleUpSingleHorizontal = static_cast<char>(208);    // ╨
inline constexpr char kDoubleDownSingleHorizontal = static_cast<char>(210);  // ╥
inline constexpr char kDoubleDownSingleRight = static_cast<char>(214);       // ╓
inline constexpr char kDoubleDownSingleLeft = static_cast<char>(183);        // ╖
inline constexpr char kDoubleUpSingleRight = static_cast<char>(211);         // ╙
inline constexpr char kDoubleUpSingleLeft = static_cast<char>(189);          // ╜

}  // namespace glyph
