#pragma once
// The save dialog behind an interface: the program shows Qt's QFileDialog,
// tests install a fake that records each request and answers with a chosen
// path or a cancel (see messagebox.h for the pattern).
//
// Contract of GetSaveFileName:
//   - its title bar reads `title` as given: a title that already names the
//     program gets no second program name from Qt;
//   - the dialog opens on `folder` when that folder exists, else on the
//     user's Desktop, else on the home folder (saveDialogFolder);
//   - it proposes `fileName` and offers the filters of `filter`, written as
//     the catalogue writes them: description|patterns pairs joined by "|",
//     patterns separated by ";" ("TXT (*.txt)|*.txt"); the first filter is
//     selected and its first pattern's extension is added to a typed name
//     that has none;
//   - choosing an existing file asks Qt's overwrite question first; only a
//     confirmed choice returns;
//   - the result is the chosen full path, or the empty string when the user
//     cancelled (a cancel is silent: nothing is shown, nothing is raised).
// Never raises.

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

struct SaveFileRequest {
    QString title;     // window title
    QString folder;    // first folder (see saveDialogFolder)
    QString fileName;  // proposed name, without a folder
    QString filter;    // "Description (*.ext)|*.ext|..." ; empty: all files

    friend bool operator==(const SaveFileRequest&, const SaveFileRequest&) = default;
};

class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    virtual QString GetSaveFileName(const SaveFileRequest& request, QWidget* parent) = 0;
};

SaveDialogs& saveDialogs();
void setSaveDialogs(SaveDialogs* fake);

// The folder a save dialog opens on: `folder` when it names an existing
// folder, otherwise the user's Desktop when it exists, otherwise home.
QString saveDialogFolder(const QString& folder = {});

// The Qt name filters of a filter text ("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg"
// gives "JPEG (*.jpg *.jpeg)"); an empty text gives none.
QStringList qtNameFilters(const QString& filter);

}  // namespace platform
