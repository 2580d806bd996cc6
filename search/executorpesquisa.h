#pragma once
// The runner of the catalogue search: keeps typing fluid on large
// catalogues.
//
// The search boxes re-query at every keystroke, and a full search of a large
// catalogue takes a good part of a second.  The runner reads each search on
// a worker thread, over its own read-only connection to the catalogue file,
// and hands the rows (an open snapshot recordset) to this thread:
//   - Inicia starts a search and returns at once.  A search still running is
//     interrupted (Database::Interrupt); its rows, and the rows of any search
//     but the newest, are never bound.
//   - When the newest search's rows arrive, the runner binds them on this
//     thread through the search's binding (a function given to Inicia, for
//     a list: the data control's record source and recordset, then the
//     grid's redraw) and raises `vinculada`.
//   - A failing search is reported once: raised by Conclui when that call
//     comes first, otherwise shown in the error box (Modulo::Guarda) when its
//     result arrives, followed by `falhou`.  The list keeps the rows it had.
//
// The rule for the screens: every action that reads or moves the list
// (Forward, Back, Home, keys, clicks, the show and hide routines, anything
// that reads the data control's recordset) first calls Conclui(), which
// waits for the pending search and binds it, so it acts on the newest
// search.  Hiding a list's screen calls Cancela().
//
// The runner and its signals belong to the thread that created it (the
// user-interface thread); the worker touches only its own database objects,
// as platform/dao's threading rule allows.  Destroying the runner stops and
// joins the worker.

#include "platform/dao/dao.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace Pesquisa {

class ExecutorPesquisa : public QObject {
    Q_OBJECT
public:
    // Binds the rows of a search on the runner's thread.
    using Vinculo = std::function<void(const platform::dao::RecordsetPtr& rs)>;

    explicit ExecutorPesquisa(QObject* parent = nullptr);
    ~ExecutorPesquisa() override;

    // The catalogue file the worker reads and the database of this thread
    // that the bound recordsets re-query on.  Without a call: the data
    // folder's catalogue (gCaminhoDados + NomeArquivoCatalogo()) and
    // gDbDazadize, read when a search starts.
    void DefineCatalogo(const QString& arquivo, platform::dao::DatabasePtr bancoDestaThread);

    // Starts a search; returns its number (1, 2, ...).
    quint64 Inicia(const QString& sql, Vinculo vincula);
    // Waits for the pending search and binds it now; nothing when none is
    // pending.  Its failure is raised here (platform::Error) and not shown.
    void Conclui();
    // Forgets the pending search (interrupting it); nothing is bound.
    void Cancela();
    // The worker closes its connection and opens the catalogue file again for
    // the next search (after the update run replaced the file).
    void Reabre();

    // Whether a search was started and neither bound, failed nor cancelled.
    bool Pendente() const;
    // The number of the newest search started (0 before the first).
    quint64 UltimaPesquisa() const;
    // Whether the worker is reading a search at this moment.
    bool Lendo() const;

Q_SIGNALS:
    // The rows of search `numero` were bound.
    void vinculada(quint64 numero);
    // Search `numero` failed and its error box was shown.
    void falhou(quint64 numero, long erro);

private:
    struct Estado;
    void chegou(quint64 numero);
    bool vinculaResultado(quint64 numero, bool levantaErro);

    std::shared_ptr<Estado> m_estado;
};

}  // namespace Pesquisa
