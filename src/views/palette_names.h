#pragma once
// Names for the palette entries the sailing view selects, so that a drawer
// reads as colours rather than numbers.
namespace vel::pal {

// Brushes.
inline constexpr int kSkyBlue = 2;          // (127,200,255)
inline constexpr int kHaze = 4;             // (140,213,255)
inline constexpr int kSkyTop = 5;           // (107,180,255)
inline constexpr int kSkySafe = 7;          // (127,255,255)
inline constexpr int kTurquoise = 9;        // (0,201,201)
inline constexpr int kTurquoiseSafe = 10;   // (0,127,255)
inline constexpr int kHillHaze = 13;        // (63,127,160)
inline constexpr int kSeaTeal = 14;         // (0,127,127)
inline constexpr int kOceanBand = 16;       // (0,63,127)
inline constexpr int kSeaWest = 17;         // (0,160,127)
inline constexpr int kRed = 21;             // (255,0,0)
inline constexpr int kOlive = 22;           // (127,127,0)
inline constexpr int kDarkRed = 23;         // (127,0,0)
inline constexpr int kLand = 24;            // (0,127,0)
inline constexpr int kLandNorth = 25;       // (0,64,0)
inline constexpr int kDarkGreen = 26;       // (0,32,0)
inline constexpr int kGreen = 27;           // (0,255,0)
inline constexpr int kBlue = 28;            // (0,0,255)
inline constexpr int kNavy = 29;            // (0,0,127)
inline constexpr int kSurfBrush = 31;       // (0,190,190)
inline constexpr int kYellow = 33;          // (255,255,0)
inline constexpr int kOrange = 34;          // (255,127,0)
inline constexpr int kPurple = 37;          // (127,0,127)
inline constexpr int kCream = 38;           // (255,255,127)
inline constexpr int kGrey63 = 39;          // (63,63,63)
inline constexpr int kGrey = 40;            // (127,127,127)
inline constexpr int kGrey48 = 41;          // (48,48,48)
inline constexpr int kGrey32 = 42;          // (32,32,32)
inline constexpr int kNightSea = 43;        // (16,16,16)
inline constexpr int kLightGrey = 44;       // (191,191,191)

// Pens.
inline constexpr int kPenDark2 = 5;         // (63,63,63) 2
inline constexpr int kPenSurf = 6;          // (0,190,190) 1
inline constexpr int kPenSurfSafe = 7;      // (0,255,255) 1
inline constexpr int kPenSeaTint = 2;       // (0,110,127) S/200
inline constexpr int kPenSeaTintWide = 4;   // (0,110,127) S/150
inline constexpr int kPenExumaTint = 8;     // (0,110,110) S/300+1
inline constexpr int kPenRed2 = 9;          // (255,0,0) 2
inline constexpr int kPenGrey3 = 16;        // (127,127,127) 3
inline constexpr int kPenBlack2 = 25;       // (0,0,0) 2
inline constexpr int kPenGrey2 = 26;        // (127,127,127) 2
inline constexpr int kPenDarkGrey2 = 27;    // (63,63,63) 2
inline constexpr int kPenGrey1 = 28;        // (127,127,127) 1
inline constexpr int kPenDark1 = 29;        // (63,63,63) 1
inline constexpr int kPenDarkRed1 = 31;     // (127,0,0) 1
inline constexpr int kPenBlue3 = 37;       // (0,0,255) 3
inline constexpr int kPenBankTint = 41;     // (0,180,180) S/150
inline constexpr int kPenBankTintThin = 42; // (0,180,180) S/200
inline constexpr int kPenWestTint = 43;     // (0,140,107) 2
inline constexpr int kPenWestTintThin = 44; // (0,140,107) S/200
inline constexpr int kPenOceanTint = 45;    // (0,43,107) 3
inline constexpr int kPenOceanTintThin = 46; // (0,43,107) S/200
inline constexpr int kPenLand2 = 48;       // (0,127,0) 2
inline constexpr int kPenLand1 = 49;        // (0,127,0) 1
inline constexpr int kPenWhite2 = 52;       // (255,255,255) 2
inline constexpr int kPenGreen1 = 53;       // (0,255,0) 1
inline constexpr int kPenRed1 = 54;         // (255,0,0) 1
inline constexpr int kPenYellow2 = 55;      // (255,255,0) 2
inline constexpr int kPenWhite3 = 60;       // (255,255,255) 3
inline constexpr int kPenBlack3 = 64;       // (0,0,0) 3

}  // namespace vel::pal
