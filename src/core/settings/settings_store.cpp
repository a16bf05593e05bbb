// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_store.h"

#include "core/refresh/message_boxes.h"
#include "core/settings/ini_file.h"
#include "core/system/procedure_failure.h"

#include <QFile>
#include <QFileInfo>

#include <new>

namespace {

// The original read values into a 128-character buffer, terminator included.
constexpr qsizetype kValueCapacity = 127;

// A failure with the number its message box shows.
struct NumberedFailure : ProcedureFailure {
    NumberedFailure(int number, const QString& description)
        : ProcedureFailure(description.toStdString()), number(number)
    {
    }
    int number;
};

// Failure numbers, as the Visual Basic run time numbered these causes.
enum FailureNumber {
    InvalidCall = 5,
    OutOfMemory = 7,
    InternalError = 51,
    FileAccessError = 75,
    PathNotFound = 76,
};

} // namespace

SettingsStore::SettingsStore(std::function<QString()> settingsDirectory, MessageBoxes& boxes)
    : m_settingsDirectory(std::move(settingsDirectory)), m_boxes(boxes)
{
}

QString SettingsStore::settingsPath() const
{
    QString directory;
    try {
        directory = m_settingsDirectory();
    } catch (const std::exception& e) {
        throw NumberedFailure(PathNotFound, QStringLiteral("Path not found: %1").arg(e.what()));
    }
    if (directory.isEmpty())
        throw NumberedFailure(PathNotFound, QStringLiteral("Path not found: no program directory"));
    if (!directory.endsWith(u'/'))
        directory += u'/';
    return directory + kSettingsFileName;
}

void SettingsStore::IniGet(const QString& key, QString& value)
{
    trapFailures(QStringLiteral("IGT "), [&] {
        const std::optional<QString> stored = readIniValue(settingsPath(), IniSection, key);
        value = stored ? stored->left(kValueCapacity) : IniSection;
    });
}

void SettingsStore::IniPut(const QString& key, const QString& value)
{
    trapFailures(QStringLiteral("IPT "), [&] {
        const QString path = settingsPath();
        if (key == u"NEW") {
            QFile file(path);
            if (FileExists(path) == 1 && !file.remove())
                throw NumberedFailure(
                    FileAccessError,
                    QStringLiteral("Path/File access error: %1: %2").arg(path, file.errorString()));
            return;
        }
        QString whyNot;
        if (!writeIniValue(path, IniSection, key, value, whyNot)) {
            // Not worth interrupting the user for; the old file is still whole.
            qWarning("settings not stored in %s: %s", qPrintable(path), qPrintable(whyNot));
            m_lastCallFailed = true;
        }
    });
}

bool SettingsStore::removeKey(const QString& key)
{
    bool removed = false;
    trapFailures(QStringLiteral("IPT "), [&] {
        const QString path = settingsPath();
        QString whyNot;
        const IniRemoval removal = removeIniValue(path, IniSection, key, whyNot);
        if (removal == IniRemoval::Failed) {
            qWarning("settings not changed in %s: %s", qPrintable(path), qPrintable(whyNot));
            m_lastCallFailed = true;
        }
        removed = removal == IniRemoval::Removed;
    });
    return removed;
}

void SettingsStore::trapFailures(const QString& prefix, const std::function<void()>& operation)
{
    m_lastCallFailed = false;
    int number = InternalError;
    QString description;
    try {
        operation();
        return;
    } catch (const NumberedFailure& e) {
        number = e.number;
        description = QString::fromStdString(e.what());
    } catch (const ProcedureFailure& e) {
        number = InvalidCall;
        description = QStringLiteral("Invalid procedure call or argument: %1").arg(e.what());
    } catch (const std::bad_alloc&) {
        number = OutOfMemory;
        description = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        description = QStringLiteral("Internal error: %1").arg(e.what());
    } catch (...) {
        description = QStringLiteral("Internal error");
    }
    m_lastCallFailed = true;
    m_boxes.show(prefix + QString::number(number) + u' ' + description, QStringLiteral("Ondrel"),
                 MessageBoxes::Icon::Information);
}

int FileExists(const QString& path)
{
    return QFileInfo(path).isFile() ? 1 : 0;
}
