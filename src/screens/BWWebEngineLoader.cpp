#include "screens/BWWebEngineLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>

#include "platform/InstalledFiles.h"
#include "platform/Log.h"

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace {

constexpr char ModuleFileName[] = "liborvane_webengine.so";

QOpenGLContext* standInShareContext = nullptr;

void dropStandInShareContext()
{
    if (QOpenGLContext::globalShareContext() == standInShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete standInShareContext;
    standInShareContext = nullptr;
}

// Qt WebEngine reads the format of the global OpenGL share context when it
// starts and fails without one. Qt makes that context only when asked before
// the application object exists, which would load the OpenGL drivers at every
// start of Orvane; the engine draws in software here (see the module), so an
// unrealised context stands in, made just before the module loads.
void provideShareContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    standInShareContext = new QOpenGLContext;
    qt_gl_set_global_share_context(standInShareContext);
    qAddPostRoutine(dropStandInShareContext);
}

}  // namespace

BWWebEngineLoader::BWWebEngineLoader(QString modulePath, BWWebEngineSettings settings)
    : m_modulePath(std::move(modulePath))
    , m_settings(std::move(settings))
{
}

BWWebEngineLoader::~BWWebEngineLoader() = default;

BWWebEngine* BWWebEngineLoader::engine()
{
    if (!m_tried) {
        m_tried = true;
        QElapsedTimer starting;
        starting.start();
        m_engine.reset(start());
        if (m_engine)
            Log::line(QStringLiteral("The web engine started in %1 ms").arg(starting.elapsed()));
        else
            Log::line(QStringLiteral("The web engine could not start: %1").arg(m_error));
    }
    return m_engine.get();
}

// The module stays loaded for the rest of the run: the engine's threads and
// objects live in it.
BWWebEngine* BWWebEngineLoader::start()
{
    provideShareContext();
    QLibrary module(m_modulePath);
    if (!module.load()) {
        m_error = QCoreApplication::translate("BWWebEngineLoader", "Its module could not be loaded (%1).")
                      .arg(module.errorString());
        return nullptr;
    }
    const auto make = reinterpret_cast<BWWebEngineFactory>(module.resolve(BWWebEngineFactoryName));
    if (!make) {
        m_error = QCoreApplication::translate("BWWebEngineLoader", "Its module has no entry point (%1).")
                      .arg(module.errorString());
        return nullptr;
    }
    return make(m_settings, &m_error);
}

QString BWWebEngineLoader::defaultModulePath()
{
    return InstalledFiles::privateFile(QLatin1String(ModuleFileName));
}

BWWebEngineSettings BWWebEngineLoader::settingsFor(const QString& profileFolder, const QString& downloadsFolder,
                                                   Question ask)
{
    BWWebEngineSettings settings;
    settings.profileFolder = profileFolder;
    settings.downloadPath = [downloadsFolder, ask = std::move(ask)](const QString& suggestedFileName) {
        const QString path = freePathIn(downloadsFolder, suggestedFileName);
        const QString message = QCoreApplication::translate("BWWebEngineLoader", "Save “%1” in your Downloads folder?")
                                    .arg(QFileInfo(path).fileName());
        const QString details
            = QCoreApplication::translate("BWWebEngineLoader", "The pay site sent a file. It goes to %1.")
                  .arg(QDir::toNativeSeparators(downloadsFolder));
        const QStringList buttons{QCoreApplication::translate("BWWebEngineLoader", "Save"),
                                  QCoreApplication::translate("BWWebEngineLoader", "Don't Save")};
        if (!ask || ask(nullptr, message, details, buttons) != 0)
            return QString();
        if (!QDir().mkpath(downloadsFolder)) {
            Log::line(QStringLiteral("Could not make the downloads folder %1").arg(downloadsFolder));
            return QString();
        }
        return path;
    };
    return settings;
}

QString BWWebEngineLoader::freePathIn(const QString& folder, const QString& fileName)
{
    // Only the name counts: a suggested name never picks the folder.
    QString name = QFileInfo(fileName).fileName();
    if (name.isEmpty() || name == u"." || name == u"..")
        name = QStringLiteral("download");
    const QDir dir(folder);
    if (!QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    // "statement.tar.gz" goes on as "statement (2).tar.gz"; a name without
    // both a base and an extension (".bashrc", "README") takes the number last.
    const QFileInfo info(name);
    const bool split = !info.baseName().isEmpty() && !info.completeSuffix().isEmpty();
    const QString base = split ? info.baseName() : name;
    const QString suffix = split ? u'.' + info.completeSuffix() : QString();
    for (int copy = 2;; ++copy) {
        const QString candidate = dir.filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(copy).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
