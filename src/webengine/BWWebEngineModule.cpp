// The web engine module's entry point, which the program resolves by name
// the first time it shows a pay site in the bill page.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QQuickWindow>

#include <unistd.h>

#include <type_traits>

#include "screens/BWWebEngine.h"
#include "webengine/BWQtWebEngine.h"

namespace {

// The engine's helper program, which runs each page: the engine ends the
// whole program when it cannot find it, so its absence is found first.
QString helperProgram()
{
    const QString chosen = qEnvironmentVariable("QTWEBENGINE_PROCESS_PATH");
    if (!chosen.isEmpty())
        return chosen;
    return QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/QtWebEngineProcess");
}

void addChromiumFlag(const QByteArray& flag)
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.split(' ').contains(flag))
        return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? flag : flags + ' ' + flag);
}

// Before the engine starts, which the first profile does; once a run.
void prepareEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    // Pages are drawn in software: a pay site needs no graphics card, and
    // Orvane then starts and runs alike with and without one.
    addChromiumFlag("--disable-gpu");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Chromium's sandbox cannot start for the root user (as in CI
    // containers); only then does the engine run without it.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace

extern "C" Q_DECL_EXPORT BWWebEngine* orvaneMakeWebEngine(const BWWebEngineSettings& settings, QString* error)
{
    static_assert(std::is_same_v<decltype(&orvaneMakeWebEngine), BWWebEngineFactory>);
    const QString helper = helperProgram();
    if (!QFileInfo(helper).isExecutable()) {
        *error = QCoreApplication::translate("BWWebEngine", "Its helper program %1 is missing.").arg(helper);
        return nullptr;
    }
    prepareEngine();
    return new BWQtWebEngine(settings);
}
