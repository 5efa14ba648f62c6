#pragma once

#include <optional>

// The options Orvane answers on the terminal: --help and --version print
// their text and end the run before any window, display or data folder is
// touched, so they work without a desktop too. Anything else starts Orvane.
class BWCommandLine
{
public:
    // The exit code when the arguments asked for help or the version, in
    // which case the answer has been printed; nothing when Orvane starts.
    static std::optional<int> answer(int argc, char** argv);
};
