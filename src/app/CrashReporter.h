// SPDX-License-Identifier: GPL-3.0-or-later
// Local crash reports. A fatal signal writes <state>/crashes/crash-<time>-<pid>.txt with the
// signal, the stack, the tags and context set so far (the settings snapshot of the launch)
// and the path of the diagnostic log; nothing leaves the machine. The next start mentions
// reports it has not mentioned before.
#pragma once

#include <QString>
#include <map>

namespace ruvo::app {

class CrashReporter {
public:
    explicit CrashReporter(QString folder);

    const QString& folder() const { return m_folder; }

    // Installs the signal handlers (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL) for this process.
    void install();

    void setTag(const QString& name, const QString& value);
    void setContext(const QString& name, const QString& value);

    // The text a crash now would write after its stack (tags and context).
    QString scopeText() const;

    // Reports written by earlier runs that have not been mentioned yet; marks them mentioned.
    QStringList takeUnreportedCrashes();

private:
    void refreshPreparedText();

    QString m_folder;
    std::map<QString, QString> m_tags;
    std::map<QString, QString> m_context;
};

} // namespace ruvo::app
