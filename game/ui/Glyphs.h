// The code page 437 bytes the screens draw by name. The console shows each
// byte as its glyph; the look-alike characters stand beside them.
#pragma once

namespace glyph {

inline constexpr char kShortBar = 22;                            // ▬
inline constexpr char kArrowUp = 24;                             // ↑
inline constexpr char kArrowDown = 25;                           // ↓
inline constexpr char kLightShade = static_cast<char>(176);      // ░
inline constexpr char kDarkShade = static_cast<char>(178);       // ▓
inline constexpr char kLowerHalfBlock = static_cast<char>(220);  // ▄
inline constexpr char kTripleBar = static_cast<char>(240);       // ≡
inline constexpr char kBullet = static_cast<char>(249);          // ∙
inline constexpr char kMiddleDot = static_cast<char>(250);       // ·
inline constexpr char kSmallSquare = static_cast<char>(254);     // ■

}  // namespace glyph
