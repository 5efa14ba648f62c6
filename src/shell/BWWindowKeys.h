#pragma once

#include <functional>

class QWidget;

// The keys a side window (preferences, forecast, history, reports) answers,
// as the main window does through its menu: Ctrl+W and Escape close it,
// Ctrl+Q quits Orvane through `quit`.
namespace BWWindowKeys {

void install(QWidget& window, std::function<void()> quit);

}  // namespace BWWindowKeys
