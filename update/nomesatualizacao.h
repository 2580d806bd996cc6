#pragma once
// Where the entries of an update may go.  Every name an update server lists
// is checked before anything is downloaded, and one bad name ends the run.
//
// A name is read with "\" as "/" and blanks around it dropped, and is
// refused (error 52 with the name in the message) when it is absolute, starts
// with a drive letter, holds a control character, an empty, "." or ".."
// element, names an existing folder or one an earlier name of the run needs,
// needs a folder where a file is or where an earlier name of the run puts a
// file, or holds an element over 255 bytes or gives a path of 4096 bytes or
// more; it is refused with 75 when its real parent (links followed) lies
// outside the data folder, with 70 when that parent cannot be written, and
// with 70 when it names a file the program has open or owns: the catalogue,
// auxiliary and lock databases with their journals, the catalogue program and
// the running program, the update log and the staging folders.
//
// Elements match what the data folder holds in any letter case, so
// "FIGURAS\A.JPG" replaces "Figuras/a.jpg" instead of making a twin; elements
// that do not exist yet are spelled as the first name that needed them.
//
// "NVTavrix_V.tmp" alone (any letter case) is the pending catalogue program:
// it goes to the program folder, where the launcher looks for it.

#include <QHash>
#include <QString>
#include <QStringList>

namespace Atualizacao {

inline constexpr const char* kProgramaPendente = "NVTavrix_V.tmp";
inline constexpr const char* kProgramaCatalogo = "Tavrix_V";
// Staging folder of a run, inside the data folder (and the program folder
// when the pending program comes).
inline constexpr const char* kPastaPreparacao = "~atualizacao";
// The update log in the data folder.
inline constexpr const char* kRegistroAtualizacao = "ATUALIZACAO.LOG";

struct DestinoEntrada {
    QString caminho;           // full path of the target file
    QString pasta;             // the folder that holds it, ending in "/"
    QStringList pastasNovas;   // folders to create, outermost first (full paths)
    bool programaPendente = false;
};

class VerificacaoNomes {
public:
    // Folders end in "/".  The live files are added by the class from the
    // folders; `outrosVivos` adds full paths (the running program).
    VerificacaoNomes(QString pastaDados, QString pastaPrograma, QStringList outrosVivos = {});

    // Checks one name and returns where it goes; raises platform::Error.
    // With `somenteForma` only the form of the name is checked (a script's
    // name, which is never written) and nothing is returned.
    DestinoEntrada Verifica(const QString& nome, bool somenteForma = false);

    // The name as a relative path: "\" as "/", blanks around it dropped.
    static QString Normaliza(const QString& nome);

private:
    QString localiza(const QString& pasta, const QString& elemento);
    bool vivo(const QString& pasta, const QString& arquivo) const;

    QString m_dados;
    QString m_dadosReal;
    QString m_programa;
    QStringList m_vivos;                  // upper-cased full paths
    QStringList m_preparacao;             // upper-cased staging folders
    struct Planejado {
        QString caminho;  // as it will be spelled
        bool pasta;       // a folder to create, else a file to write
    };
    QHash<QString, Planejado> m_planejadas;  // upper-cased path of a planned folder or file
    QHash<QString, QHash<QString, QString>> m_conteudo;  // folder -> upper-cased name -> name
};

}  // namespace Atualizacao
