#pragma once

// The three sizes a HUD control is laid out at; several drawing insets depend
// on it.
enum class BGControlSize { Regular = 0, Small = 1, Mini = 2 };

// The size of the system's control font at each control size, in pixels.
constexpr int bgSystemFontPixelSize(BGControlSize size)
{
    return size == BGControlSize::Mini ? 9 : size == BGControlSize::Small ? 11 : 13;
}
