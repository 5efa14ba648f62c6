#include "shell/BWCommandLine.h"

#include "platform/InstalledFiles.h"
#include "platform/UiTranslations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {

bool asksForAnswer(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> BWCommandLine::answer(int argc, char** argv)
{
    if (!asksForAnswer(argc, argv))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationVersion(InstalledFiles::Version);
    UiTranslations::install(QLocale::system(), InstalledFiles::translationsFolder());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("BWCommandLine", "Keeps your recurring bills and income in order."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("address"),
        QCoreApplication::translate("BWCommandLine", "An Orvane launch address to open, as the login agent does."),
        QStringLiteral("[address]"));
    // Ends the run after printing the answer; a wrong option ends it with
    // the error.
    parser.process(app);
    return 0;
}
