#pragma once
// The viewer's scripted steps on an open detail window, and the text dump of
// what the window shows.
//
// Steps (--do): row:N (make row N of the list current), icon:N[:right]
// (click icon column N of the current row), back, esc, key:+ key:- key:Delete,
// ok, tick, untick, user=TEXT, password=TEXT, attachment:N, chk-figura,
// chk-tabela, part-click:N, part-move:N, part-dblclick:N.
//
// Dump lines (tab-separated): history, subtitle, empty (the list's empty
// text), row (text columns, then "+" or "." per icon column), current N,
// attachments-title, attachment N NAME, notes-height, options, parts
// (selected indexes), mode, message TEXT, opened PATH, printed (one line per
// print dialog answered), closed.

#include "platform/desktop/fileopener.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/printdialog.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

class frmTQ2;

// Records the message boxes, the files handed to the opener and the print
// dialogs instead of showing or opening them.  A print dialog is answered
// "print" to a PDF file in a temporary folder, dropped with the recorder.
class GravadorDemo final : public platform::MessageBoxes,
                           public platform::FileOpener,
                           public platform::PrintDialogs {
public:
    GravadorDemo();
    ~GravadorDemo() override;
    int Show(const QString& text, int style, const QString& title) override;
    int Open(const QString& path, const platform::LateOpenFailure&) override;
    int OpenHelp(const QString& path, platform::HelpCommand, int, const platform::LateOpenFailure& late) override
    {
        return Open(path, late);
    }
    bool Show(QPrinter& printer) override;

    QStringList mensagens;
    QStringList abertos;
    int impressoes = 0;

private:
    QTemporaryDir m_pastaImpressao;
    platform::PdfPrintDialog m_pdf{m_pastaImpressao.filePath(QStringLiteral("impressao.pdf"))};
};

// Runs one step; false for a step the viewer does not know.
bool ExecutaPasso(frmTQ2& janela, const QString& passo);

// Writes the dump of the window (and of the recorder, when there is one).
void Despeja(frmTQ2& janela, const GravadorDemo* gravador, QTextStream& saida);
