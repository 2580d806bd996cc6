#include "search/executorpesquisa.h"

#include "core/errorbox.h"
#include "core/globals.h"

#include <QMetaObject>

#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

namespace Pesquisa {

using namespace platform::dao;

// What the runner and its worker share (under `mutex`), and what only the
// runner's thread touches (below the line).
struct ExecutorPesquisa::Estado {
    std::mutex mutex;
    std::condition_variable cv;   // the worker waits for a search, Conclui for a result
    bool parar = false;

    // The newest search: its number, statement and file (an empty statement:
    // cancelled, nothing to read).
    quint64 pedido = 0;
    QString sql;
    QString arquivo;
    quint64 reabertura = 0;  // raised by Reabre: the connection is opened again

    // The worker: whether a statement runs, and its connection (for
    // Interrupt from the runner's thread).
    bool executando = false;
    DatabasePtr banco;
    // Read without the lock by the connection's interrupt check: the search
    // wanted now and the one being read.  They differ once the one being
    // read is stale, and the statement stops at its next check even when
    // the interrupt came too early to reach it.
    std::atomic<quint64> desejado{0};
    std::atomic<quint64> lendo{0};

    // The result of the newest search, until it is bound.
    quint64 numeroResultado = 0;
    RecordsetPtr rs;
    std::optional<platform::Error> erro;

    std::thread worker;

    // ---- the runner's thread only ----
    quint64 pendente = 0;          // started, not yet bound, failed or cancelled
    Vinculo vincula;               // the binding of the pending search
    QString arquivoDefinido;       // DefineCatalogo
    DatabasePtr bancoDefinido;
    bool definido = false;
};

ExecutorPesquisa::ExecutorPesquisa(QObject* parent) : QObject(parent), m_estado(std::make_shared<Estado>())
{
    // The worker reads the newest search, over and over, until told to stop.
    Estado* e = m_estado.get();
    e->worker = std::thread([this, e] {
        WorkspacePtr ws;
        DatabasePtr db;
        QString aberto;
        quint64 abertoNa = 0;  // the reopening count when the connection was opened
        quint64 feito = 0;
        std::unique_lock<std::mutex> lk(e->mutex);
        for (;;) {
            e->cv.wait(lk, [&] { return e->parar || e->pedido != feito; });
            if (e->parar)
                break;
            const quint64 numero = e->pedido;
            const QString sql = e->sql;
            const QString arquivo = e->arquivo;
            const quint64 reabertura = e->reabertura;
            feito = numero;
            if (sql.isEmpty())
                continue;  // cancelled
            e->executando = true;
            e->lendo = numero;
            lk.unlock();

            RecordsetPtr rs;
            std::optional<platform::Error> erro;
            try {
                if (!db || aberto != arquivo || abertoNa != reabertura) {
                    // A new file (or the first search): the old connection goes.
                    {
                        const std::lock_guard<std::mutex> g(e->mutex);
                        e->banco.reset();
                    }
                    if (ws)
                        ws->Close();
                    db.reset();
                    aberto.clear();
                    ws = DBEngine::CreateWorkspace(QStringLiteral("gWSPesquisa"));
                    db = ws->OpenDatabase(arquivo, false, true);
                    db->SetInterruptCheck([e] { return e->desejado.load() != e->lendo.load(); });
                    aberto = arquivo;
                    abertoNa = reabertura;
                    const std::lock_guard<std::mutex> g(e->mutex);
                    e->banco = db;
                }
                rs = db->OpenRecordset(sql, dbOpenSnapshot);
            } catch (const platform::Error& x) {
                erro = x;
            } catch (const std::bad_alloc&) {
                erro = platform::Error(Modulo::kErroSemMemoria, QStringLiteral("Out of memory"));
            } catch (const std::exception& x) {
                erro = platform::Error(Modulo::kErroInterno, QString::fromLocal8Bit(x.what()));
            }

            lk.lock();
            e->executando = false;
            if (numero != e->pedido) {
                // A newer search came: these rows are never bound.  They are
                // freed without the lock.
                lk.unlock();
                rs.reset();
                lk.lock();
                continue;
            }
            if (erro && erro->number() == JetError::Interrupted) {
                // Interrupted although still the newest (the interrupt met
                // the end of the search before): read it again.
                feito = 0;
                continue;
            }
            e->numeroResultado = numero;
            e->rs = std::move(rs);
            e->erro = std::move(erro);
            e->cv.notify_all();
            QMetaObject::invokeMethod(this, [this, numero] { chegou(numero); }, Qt::QueuedConnection);
        }
        lk.unlock();
        {
            const std::lock_guard<std::mutex> g(e->mutex);
            e->banco.reset();
        }
        if (ws)
            ws->Close();
    });
}

ExecutorPesquisa::~ExecutorPesquisa()
{
    Estado* e = m_estado.get();
    {
        const std::lock_guard<std::mutex> g(e->mutex);
        e->parar = true;
        e->desejado = std::numeric_limits<quint64>::max();
        if (e->executando && e->banco)
            e->banco->Interrupt();
        e->cv.notify_all();
    }
    e->worker.join();
}

void ExecutorPesquisa::DefineCatalogo(const QString& arquivo, DatabasePtr bancoDestaThread)
{
    m_estado->arquivoDefinido = arquivo;
    m_estado->bancoDefinido = std::move(bancoDestaThread);
    m_estado->definido = true;
}

quint64 ExecutorPesquisa::Inicia(const QString& sql, Vinculo vincula)
{
    Estado* e = m_estado.get();
    const QString arquivo = e->definido ? e->arquivoDefinido : Modulo::gCaminhoDados + Modulo::NomeArquivoCatalogo();
    quint64 numero = 0;
    {
        const std::lock_guard<std::mutex> g(e->mutex);
        numero = ++e->pedido;
        e->desejado = numero;
        e->sql = sql.isEmpty() ? QStringLiteral(" ") : sql;  // an empty statement still fails as the layer says
        e->arquivo = arquivo;
        e->rs.reset();
        e->erro.reset();
        e->numeroResultado = 0;
        if (e->executando && e->banco)
            e->banco->Interrupt();
        e->cv.notify_all();
    }
    e->pendente = numero;
    e->vincula = std::move(vincula);
    return numero;
}

void ExecutorPesquisa::Conclui()
{
    Estado* e = m_estado.get();
    const quint64 numero = e->pendente;
    if (numero == 0)
        return;
    {
        std::unique_lock<std::mutex> lk(e->mutex);
        e->cv.wait(lk, [&] { return e->numeroResultado == numero; });
    }
    vinculaResultado(numero, true);
}

void ExecutorPesquisa::Cancela()
{
    Estado* e = m_estado.get();
    if (e->pendente == 0)
        return;
    {
        const std::lock_guard<std::mutex> g(e->mutex);
        e->desejado = ++e->pedido;
        e->sql.clear();
        e->rs.reset();
        e->erro.reset();
        e->numeroResultado = 0;
        if (e->executando && e->banco)
            e->banco->Interrupt();
        e->cv.notify_all();
    }
    e->pendente = 0;
    e->vincula = nullptr;
}

void ExecutorPesquisa::Reabre()
{
    const std::lock_guard<std::mutex> g(m_estado->mutex);
    ++m_estado->reabertura;
}

bool ExecutorPesquisa::Pendente() const { return m_estado->pendente != 0; }

quint64 ExecutorPesquisa::UltimaPesquisa() const
{
    const std::lock_guard<std::mutex> g(m_estado->mutex);
    return m_estado->pedido;
}

bool ExecutorPesquisa::Lendo() const
{
    const std::lock_guard<std::mutex> g(m_estado->mutex);
    return m_estado->executando;
}

void ExecutorPesquisa::chegou(quint64 numero)
{
    // Only the pending search is bound, once: a result that Conclui bound
    // already, or one of a search since replaced or cancelled, is dropped.
    if (numero != m_estado->pendente)
        return;
    vinculaResultado(numero, false);
}

bool ExecutorPesquisa::vinculaResultado(quint64 numero, bool levantaErro)
{
    Estado* e = m_estado.get();
    RecordsetPtr rs;
    std::optional<platform::Error> erro;
    {
        const std::lock_guard<std::mutex> g(e->mutex);
        if (e->numeroResultado != numero)
            return false;
        rs = std::move(e->rs);
        erro = std::move(e->erro);
        e->numeroResultado = 0;
    }
    e->pendente = 0;
    Vinculo vincula = std::move(e->vincula);
    e->vincula = nullptr;

    if (erro) {
        if (levantaErro)
            throw *erro;
        Modulo::Guarda([&] { throw *erro; });
        Q_EMIT falhou(numero, erro->number());
        return false;
    }
    // The rows are this thread's now; a Requery reads this thread's catalogue.
    rs->SetDatabase(e->definido ? e->bancoDefinido : Modulo::gDbDazadize);
    if (vincula)
        vincula(rs);
    Q_EMIT vinculada(numero);
    return true;
}

}  // namespace Pesquisa
