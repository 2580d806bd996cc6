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
// (selected indexes), mode, message TEXT, opened PATH, closed.

#include "platform/desktop/fileopener.h"
#include "platform/desktop/messagebox.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

class frmTQ2;

// Records the message boxes and the files handed to the opener instead of
// showing or opening them.
class GravadorDemo final : public platform::MessageBoxes, public platform::FileOpener {
public:
    GravadorDemo();
    ~GravadorDemo() override;
    int Show(const QString& text, int style, const QString& title) override;
    int Open(const QString& path) override;
    int OpenHelp(const QString& path, platform::HelpCommand, int) override { return Open(path); }

    QStringList mensagens;
    QStringList abertos;
};

// Runs one step; false for a step the viewer does not know.
bool ExecutaPasso(frmTQ2& janela, const QString& passo);

// Writes the dump of the window (and of the recorder, when there is one).
void Despeja(frmTQ2& janela, const GravadorDemo* gravador, QTextStream& saida);
