#pragma once
// The search screens' own state on one main window: the search runner
// (search/executorpesquisa.h) whose worker reads the part and vehicle
// searches, and the rule that every action that reads or moves the list
// acts on the newest search.
//
// The state object is a child of the window, made by the first call of De()
// (Registra's AoCriar makes it for each new window).  While a search is
// pending (typed, not yet bound), a mouse press or double click on the list
// or the toolbar, a wheel turn inside the window and a navigation key (the
// arrows, page keys, Enter, Esc, Alt+Left/Right) first finish and bind it
// (Conclui), before the window's own handlers see the event: Forward, Back,
// Home, Print, the list's clicks, keys and scrolling.  Clicks on the boxes,
// check boxes and drop-down only start another search, which replaces the
// pending one without waiting.  The routines of search/screens that read
// the list call Conclui themselves too; the show and hide routines cancel
// what is pending.  A failing search shows the error box once.

#include "search/executorpesquisa.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class frmTQ1;

namespace Pesquisa {

class TelaPesquisa : public QObject {
    Q_OBJECT
public:
    explicit TelaPesquisa(frmTQ1& janela);
    ~TelaPesquisa() override;

    // The window's state object (made on the first call).
    static TelaPesquisa& De(frmTQ1& janela);

    // Starts a search of the main list: its rows, once read, become the
    // record source and recordset of dtcTHGrid1 (VinculoLista); with
    // atualizaGrid the list redraws; then `depois` runs, when given.
    // Returns at once.
    void IniciaLista(const QString& sql, bool atualizaGrid, std::function<void()> depois = {});
    // Reads a statement on the runner and waits for its rows, which are
    // returned unbound (a show routine binds them once it has left the
    // screen before).  A pending search is dropped.  Errors are raised.
    platform::dao::RecordsetPtr Le(const QString& sql);
    // Finishes and binds the pending search (errors raised, not shown).
    void Conclui();
    // Drops the pending search; nothing is bound.
    void Cancela();
    bool Pendente() const;
    // The window closes: the worker stops and its connection closes.  A
    // later search starts a new runner.
    void Encerra();

    ExecutorPesquisa& Executor();

protected:
    bool eventFilter(QObject* observado, QEvent* evento) override;

private:
    frmTQ1& m_janela;
    QPointer<ExecutorPesquisa> m_executor;
};

}  // namespace Pesquisa
