#pragma once

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

// The built program, run in a home folder of its own under `temp`: its
// settings under config/Orvane, its data under share/Orvane, its lock under
// run, and no session bus. What it logs is gathered as it comes.
class OrvaneProcess
{
public:
    explicit OrvaneProcess(const TempFolder& temp)
        : m_temp(temp)
    {
        QDir().mkpath(temp.file("run"));
        QFile::setPermissions(temp.file("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~OrvaneProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // Offscreen unless `display` names an X display to run on.
    void start(const QString& display = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_temp.path());
        environment.insert("XDG_CONFIG_HOME", m_temp.file("config"));
        environment.insert("XDG_DATA_HOME", m_temp.file("share"));
        environment.insert("XDG_RUNTIME_DIR", m_temp.file("run"));
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + m_temp.file("no-bus"));
        if (display.isEmpty()) {
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            environment.insert("QT_QPA_PLATFORM", "xcb");
            environment.insert("DISPLAY", display);
        }
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(ORVANE_BINARY_DIR "/Orvane"), {});
        ASSERT_TRUE(m_process.waitForStarted());
    }

    QString settingsFolder() const { return m_temp.file("config/Orvane"); }
    QString dataFolder() const { return m_temp.file("share/Orvane/Orvane.ovdata"); }
    bool holdsALock() const { return !QDir(m_temp.file("run")).entryList({"Orvane-*.lock"}).isEmpty(); }

    // What the program logged so far.
    QByteArray log()
    {
        m_log += m_process.readAllStandardError();
        return m_log;
    }
    bool waitForLog(const QByteArray& text, int milliseconds = 30000)
    {
        return QTest::qWaitFor([&] { return log().contains(text); }, milliseconds);
    }

    QProcess& process() { return m_process; }

private:
    const TempFolder& m_temp;
    QProcess m_process;
    QByteArray m_log;
};
