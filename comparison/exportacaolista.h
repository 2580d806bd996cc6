#pragma once
// The cart list's text file (ArquivoTextoLista) and the two actions of the
// cart list that write it: Generate file (a save dialog, then text 32) and
// E-mail (the private temporary folder, then the mail program).
//
// The file, byte for byte: Windows-1252 text, every line (the last one too)
// ended by CR LF:
//   1. the title: text 19, five spaces, "3.2", five spaces, the catalogue's
//      issue date text (gTextoDataEmissao);
//   2. an empty line;
//   3. the header: texts 5, 28, 25 and 31 of the language upper-cased, laid
//      out as a row with an empty mark;
//   4. one row per row of the list, in the list's order.
// Rows are exactly 115 bytes: the formatted number (31, left), the
// description (51, left), the quantity (10, right), one space, the kind's
// name (20, left) and "op" for an optional row or two spaces.  Each value is
// put in NFC form, CR, LF and TAB become spaces and every character outside
// the code page becomes one "?" before Modulo::FormataCampoFixo lays it out,
// so no character (one outside the Basic Multilingual Plane included) can
// make a row shorter or longer.
//
// The file is replaced atomically: written beside its name and renamed over
// it, so a failed write keeps the old file and leaves nothing behind.
// Errors are platform::Error with the run time's file numbers (76 path not
// found, 70 permission denied, 75 otherwise) and reach the caller.

#include "platform/dao/dao.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

namespace Comparacao {

// One row of the list as the file shows it.
struct LinhaArquivoLista {
    QVariant numero;         // formatted company number
    QVariant descricao;
    QVariant quantidade;
    QVariant descricaoTipo;
    QVariant opcional;       // " " marks an optional row
};

// A value laid out in a field of the file (see above); Esquerda: left.
QString CampoArquivoLista(const QVariant& Valor, int Tamanho, bool Esquerda);
// One 115-character row (the header is a row with an empty mark).
QString LinhaTextoLista(const LinhaArquivoLista& Linha);

// The whole file for these rows.  Empty language / edition: the run's.
QByteArray MontaArquivoTextoLista(const std::vector<LinhaArquivoLista>& Linhas, const QString& TextoDataEmissao,
                                  const QString& Idioma = {}, const QString& Edicao = {});

// The rows of the cart list's recordset, read through a clone so that the
// list's current row does not move.
std::vector<LinhaArquivoLista> LeLinhasLista(const platform::dao::RecordsetPtr& Lista);

// GeraArquivoTextoLista: writes the list's rows at NomeArquivo, replacing
// any file of that name.
void GeraArquivoTextoLista(const QString& NomeArquivo, const platform::dao::RecordsetPtr& Lista,
                           const QString& TextoDataEmissao, const QString& Idioma = {}, const QString& Edicao = {});

// The detail window's save dialog, set up for "TXT" (its title, first
// folder and filter: saida::Saida::ConfiguraDialogoArquivo), asked with a proposed bare file
// name: the path the user accepted, or nothing when the user cancelled.
using PerguntaArquivo = std::function<std::optional<QString>(const QString& NomeProposto)>;

// imgGerarArquivo_Click: an empty list shows text 16 and "." (critical,
// titled text 19); otherwise the dialog proposes MontaNomeArquivo("TXT") (a
// cancel ends silently), the file is written under the hourglass and text
// 32 names it (information).  Returns the path written, "" when none.
QString GeraArquivoLista(const platform::dao::RecordsetPtr& Lista, const PerguntaArquivo& Dialogo,
                         const QString& TextoDataEmissao, const QDateTime& Momento = QDateTime::currentDateTime());

// imgEnviarEmail_Click: an empty list shows text 16 and "."; otherwise the
// file is written into the private temporary folder under
// MontaNomeArquivo("TXT") and handed to the mail program
// (platform/desktop/mail.h); it stays there.  The user's input meanwhile,
// to the end of the mail program's wait, is thrown away (a second click on
// the button sends nothing).  Returns the path written, "" when none.
QString EnviaEmailLista(const platform::dao::RecordsetPtr& Lista, const QString& TextoDataEmissao,
                        const QDateTime& Momento = QDateTime::currentDateTime());

}  // namespace Comparacao
