#pragma once
// Colours as 32-bit values read as signed integers, the way the window
// records them: system colours carry 0xFF in the top byte, RGB colours are
// 0x00BBGGRR.
#include <cstdint>

namespace tharvex::colors {

constexpr int32_t Window = -16777211;      // system window background
constexpr int32_t BtnFace = -16777201;     // system button face
constexpr int32_t WindowText = -16777208;  // system window text
constexpr int32_t Black = 0;
constexpr int32_t Blue = 0x00FF0000;      // RGB(0,0,255)
constexpr int32_t Red = 0x000000FF;       // RGB(255,0,0): a surplus below the required one
constexpr int32_t Gray = 0x00808080;      // RGB(128,128,128)
constexpr int32_t SkyBlue = 15780518;     // RGB(166,202,240): nozzle diameters
constexpr int32_t MoneyGreen = 12639424;  // RGB(192,220,192): nozzle velocity, pressure drop
constexpr int32_t Yellow = 65535;         // RGB(255,255,0): first humid-air list

constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace tharvex::colors
