#include "platform/desktop/savedialog.h"

#include "platform/desktop/qttranslations.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {
namespace {

// The extension of a filter's first pattern ("*.jpg;*.jpeg" gives "jpg").
QString firstExtension(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString first = parts[1].split(QLatin1Char(';')).value(0).trimmed();
    const qsizetype dot = first.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString ext = first.mid(dot + 1);
    return ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')) ? QString() : ext;
}

// On most desktops Qt shows a window's title followed by a dash and the
// application's display name, unless the title already ends with that name.
// A title that already names the program ("Razovovu TQ - Vizureru - Gerar
// Arquivo") would read it twice: while such a dialog (and the questions it
// asks) stands, the display name is left empty, and it is put back after.
class DisplayNameOutOfTitle {
public:
    explicit DisplayNameOutOfTitle(const QString& title) : m_name(QGuiApplication::applicationDisplayName())
    {
        // Without a display name of its own (the program's name stands in)
        // Qt adds nothing.
        m_aside = !m_name.isEmpty() && m_name != QCoreApplication::applicationName() && title.contains(m_name);
        if (m_aside)
            QGuiApplication::setApplicationDisplayName(QString());
    }
    ~DisplayNameOutOfTitle()
    {
        if (m_aside)
            QGuiApplication::setApplicationDisplayName(m_name);
    }
    DisplayNameOutOfTitle(const DisplayNameOutOfTitle&) = delete;
    DisplayNameOutOfTitle& operator=(const DisplayNameOutOfTitle&) = delete;

private:
    QString m_name;
    bool m_aside = false;
};

class QtSaveDialogs final : public SaveDialogs {
public:
    QString GetSaveFileName(const SaveFileRequest& request, QWidget* parent) override
    {
        installQtTranslationsOfRun();
        const DisplayNameOutOfTitle once(request.title);
        QFileDialog dialog(parent, request.title, saveDialogFolder(request.folder));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QStringList filters = qtNameFilters(request.filter);
        if (!filters.isEmpty())
            dialog.setNameFilters(filters);
        const QString ext = firstExtension(request.filter);
        if (!ext.isEmpty())
            dialog.setDefaultSuffix(ext);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QStringList chosen = dialog.selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.first();
    }
};

SaveDialogs* g_fakeSaveDialogs = nullptr;

}  // namespace

SaveDialogs& saveDialogs()
{
    static QtSaveDialogs real;
    return g_fakeSaveDialogs ? *g_fakeSaveDialogs : real;
}

void setSaveDialogs(SaveDialogs* fake) { g_fakeSaveDialogs = fake; }

QString saveDialogFolder(const QString& folder)
{
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

QStringList qtNameFilters(const QString& filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << p.trimmed();
        if (patterns.isEmpty())
            continue;
        out << description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

}  // namespace platform
