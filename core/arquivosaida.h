#pragma once
// Output files of the detail window: the output file name, the save dialog
// set up once per window, and e-mail of written files.  The cart list's text
// file uses them, and so do the report pages (JPEG and ZIP).
//
// The dialog and the mail program sit behind platform/desktop's interfaces
// (savedialog.h, mail.h): tests install their recording fakes.

#include "platform/desktop/savedialog.h"

#include <QDateTime>
#include <QString>

class QWidget;

namespace Modulo {

// "CAT_TQ", "SD" in edition D only, "_", the moment as yyyy-mm-dd_hh-nn-ss
// (24-hour clock), ".", the type in lower case: "CAT_TQ_2024-05-01_14-03-09.txt".
// An empty Edicao is the running edition gEdicao.
QString MontaNomeArquivo(const QString& Tipo, const QDateTime& Momento = QDateTime::currentDateTime(),
                         const QString& Edicao = {});

// The save dialog's filter of a type: "TXT (*.txt)|*.txt",
// "JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg", "ZIP (*.zip)|*.zip"; "" for others.
QString FiltroArquivo(const QString& Tipo);

// The save dialog of one detail window (cdlGerarArquivo).  The first
// Configura gives it its title (text 19, " - ", text 20, in the current
// language) and its first folder (the Desktop, home when there is none);
// every Configura sets the filter of the type, so a dialog always offers the
// kind of file about to be saved.
class DialogoArquivo {
public:
    void Configura(const QString& Tipo);
    // The dialog's Tag: "1" after the first Configura, "" before.
    QString Tag() const { return m_configurado ? QStringLiteral("1") : QString(); }
    const platform::SaveFileRequest& Requisicao() const { return m_requisicao; }

    // Shows the dialog proposing NomeArquivo (a bare name, in the first
    // folder); the path the user accepted, or "" when the user cancelled.
    // Qt asks before an existing file is replaced.
    QString Mostra(const QString& NomeArquivo, QWidget* pai = nullptr);

private:
    bool m_configurado = false;
    platform::SaveFileRequest m_requisicao;
};

// Opens a new e-mail of the user's mail program with the files attached:
// sArquivos holds the paths joined by sSeparador (empty pieces are skipped).
// A mail program that is missing, cannot start or fails raises its error
// (platform/desktop/mail.h); nothing is sent then.
void EnviaEmail(const QString& sArquivos, const QString& sSeparador);

}  // namespace Modulo
