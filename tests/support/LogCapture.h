#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the program's log lines while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&LogCapture::collect);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const { return s_lines; }
    // Whether any line starts with `prefix`.
    bool hasLineStartingWith(const QString& prefix) const
    {
        for (const QString& line : s_lines)
            if (line.startsWith(prefix))
                return true;
        return false;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) { s_lines.append(message); }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
