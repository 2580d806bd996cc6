#pragma once
// The demo update tree: what an update server publishes for the demo
// catalogue, so that the catalogue's update check finds versions 38 and 39
// and installs them.
//
// For a data folder written by GenerateDataFolder it writes, below `outDir`,
// the path of the catalogue's update address (UMREGISTRO.UrlAtualizacao,
// "tqatualizacao" for the demo) and the edition letter:
//   Versao.asp               "39"
//   ListVersao38.txt         the showcase assembly's first drawing, replaced
//                            (the same drawing stamped "REV. 38"), and a
//                            script that sets the catalogue's issue date a
//                            month later and changes the descriptions of
//                            three of its components (a template and data
//                            rows)
//   ListVersao39.txt         a photo in a new folder ("FotoPeca\Revisao39\"),
//                            and a script that sets the issue date a month
//                            later again, adds a note to the assembly,
//                            points the assembly at the new photo and asks
//                            for a restart through the launcher ("R:")
//   the files those lists name, in their folders
// Lists and scripts are Windows-1252 text with CR LF line ends.  The data
// folder itself is only read; a drawing missing from it (a folder written
// without files) is drawn afresh.
//
// Errors are raised as platform::Error.

#include <QString>
#include <QStringList>

namespace demo {

struct UpdateTreeSummary {
    QString root;                 // the folder served as the server's root
    QString treeFolder;           // root + path + edition, ending in "/"
    QString host;                 // "127.0.0.1:8765", from the update address
    int port = 80;
    int fromVersion = 0, toVersion = 0;
    long assembly = 0;            // the showcase assembly the update changes
    QString replacedDrawing;      // its drawing below "Figuras/"
    QString newPhoto;             // below "FotoPeca/", in a new folder
    QList<long> changedComponents;
    long newNote = 0;             // CodigoObservacao of the note added
    QStringList files;            // every file written, relative to treeFolder
    QString Text() const;
};

// Writes the tree for the data folder `dataFolder` into `outDir` (replacing
// an earlier tree there).
UpdateTreeSummary GenerateUpdateTree(const QString& dataFolder, const QString& outDir);

}  // namespace demo
