#pragma once

#include <QString>

// Every log line of the program goes through here.
namespace Log {

void line(const QString& text);

}  // namespace Log
