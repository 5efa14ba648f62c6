#pragma once

// The three sizes a HUD control is laid out at; several drawing insets depend
// on it.
enum class BGControlSize { Regular = 0, Small = 1, Mini = 2 };
