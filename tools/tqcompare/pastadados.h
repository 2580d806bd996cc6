#pragma once
// The data folder of the comparison tools (tqcompare, tqcart): the edition
// read from the name of the catalogue file found in the folder, both
// databases opened as the program opens them (the catalogue read-only, the
// auxiliary database writable), the run's language.  Closed on destruction.

#include <QString>

namespace tqferramenta {

class PastaDados {
public:
    // Raises platform::Error: 53 when the folder holds no catalogue file
    // ("DAZADIZETQ_<edition>.MDB", any letter case), 5 when it holds several
    // or the language is not P, E or I; the database layer's errors.
    PastaDados(const QString& pasta, const QString& idioma);
    ~PastaDados();
    PastaDados(const PastaDados&) = delete;
    PastaDados& operator=(const PastaDados&) = delete;

    // The catalogue's issue date text as the main window makes it (day,
    // month abbreviation, year, then ComplementoDataEmissao).
    static QString TextoDataEmissao();
};

// Splits "--lang L" out of the arguments (default "P").
QString ExtraiIdioma(QStringList& argumentos);

}  // namespace tqferramenta
