#include "mainwindow/msubclass.h"

#include "platform/base/error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <vector>

namespace MSubclass {
namespace {

const char* const kNomeGancho = "MSubclassGancho";

struct Entrada {
    QPointer<QObject> objeto;
    ISubclass* manipulador = nullptr;
    bool vivo() const { return !objeto.isNull(); }
};

// The hook of one window: its event filter and its registry.  A child of the
// window, so that it goes with it.
class Gancho : public QObject {
public:
    explicit Gancho(QWidget* janela) : QObject(janela), m_janela(janela)
    {
        setObjectName(QLatin1String(kNomeGancho));
        janela->installEventFilter(this);
    }
    ~Gancho() override
    {
        if (m_janela)
            m_janela->removeEventFilter(this);
    }

    // Takes the hook off the window at once; the object goes later, as it
    // may be filtering the event being delivered.
    void desliga()
    {
        if (m_janela)
            m_janela->removeEventFilter(this);
        setObjectName(QString());
        mensagens.clear();
        contagem = 0;
        deleteLater();
    }

    int contagem = 0;  // attachments over all messages
    QHash<int, std::vector<Entrada>> mensagens;

    // Removes the entries of destroyed handlers, each one attachment less.
    void limpaMortos()
    {
        for (auto it = mensagens.begin(); it != mensagens.end();) {
            auto& v = it.value();
            const auto antes = v.size();
            v.erase(std::remove_if(v.begin(), v.end(), [](const Entrada& e) { return !e.vivo(); }), v.end());
            contagem -= static_cast<int>(antes - v.size());
            if (v.empty())
                it = mensagens.erase(it);
            else
                ++it;
        }
    }

protected:
    bool eventFilter(QObject* observado, QEvent* evento) override
    {
        if (observado != m_janela)
            return false;
        const int msg = static_cast<int>(evento->type());
        if (!mensagens.contains(msg))
            return false;
        // A copy: a handler may attach or detach while it runs.
        const std::vector<Entrada> lista = mensagens.value(msg);
        bool algum = false;
        bool propriaRodou = false;
        long resposta = 1;
        for (auto n = lista.size(); n-- > 0;) {
            const Entrada& e = lista[n];
            if (!e.vivo())
                continue;
            if (n == 0 && e.manipulador->MsgResponse() == 2 && !propriaRodou) {
                propriaRodou = true;
                observado->event(evento);
            }
            algum = true;
            resposta = e.manipulador->WindowProc(m_janela, msg, evento);
            if (n == 0 && e.manipulador->MsgResponse() == 1 && !propriaRodou) {
                propriaRodou = true;
                observado->event(evento);
                resposta = 1;
            }
        }
        Q_UNUSED(resposta);
        if (objectName() == QLatin1String(kNomeGancho)) {
            limpaMortos();
            if (contagem <= 0)
                desliga();
        }
        return algum;
    }

private:
    QPointer<QWidget> m_janela;
};

Gancho* ganchoDe(const QWidget* janela)
{
    if (!janela)
        return nullptr;
    return janela->findChild<Gancho*>(QLatin1String(kNomeGancho), Qt::FindDirectChildrenOnly);
}

QString fonte()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".WindowProc");
}

[[noreturn]] void erro(long numero, const char* descricao)
{
    throw platform::Error(numero, QString::fromLatin1(descricao), fonte());
}

bool janelaDestePrograma(const QWidget* janela)
{
    return janela && janela->thread() == QThread::currentThread();
}

}  // namespace

void AttachMessageHandler(ISubclass* Handler, QWidget* hWnd, int iMsg)
{
    if (!hWnd || !hWnd->isWindow())
        erro(kErroJanelaInvalida, "Invalid window");
    if (!janelaDestePrograma(hWnd))
        erro(kErroJanelaExterna, "Can't modify external window");
    if (!Handler || !Handler->ObjetoManipulador())
        erro(platform::errors::InvalidProcedureCall, "Invalid procedure call or argument");
    Gancho* g = ganchoDe(hWnd);
    if (g) {
        g->limpaMortos();
        for (const Entrada& e : g->mensagens.value(iMsg))
            if (e.manipulador == Handler)
                erro(kErroMensagemJaTratada, "Message already handled by another class");
    } else {
        g = new Gancho(hWnd);
        if (!g)
            erro(kErroNaoSubclassifica, "Can't subclass window");
    }
    g->mensagens[iMsg].push_back({QPointer<QObject>(Handler->ObjetoManipulador()), Handler});
    ++g->contagem;
}

void DetachMessageHandler(ISubclass* Handler, QWidget* hWnd, int iMsg)
{
    if (!hWnd || !janelaDestePrograma(hWnd))
        return;
    Gancho* g = ganchoDe(hWnd);
    if (!g)
        return;
    auto it = g->mensagens.find(iMsg);
    if (it != g->mensagens.end()) {
        auto& v = it.value();
        for (auto e = v.begin(); e != v.end(); ++e) {
            if (e->manipulador == Handler) {
                v.erase(e);
                --g->contagem;
                break;
            }
        }
        if (v.empty())
            g->mensagens.erase(it);
    }
    g->limpaMortos();
    if (g->contagem <= 0)
        g->desliga();
}

int ContagemGanchos(const QWidget* hWnd)
{
    const Gancho* g = ganchoDe(hWnd);
    return g ? g->contagem : 0;
}

int ContagemManipuladores(const QWidget* hWnd, int iMsg)
{
    const Gancho* g = ganchoDe(hWnd);
    if (!g)
        return 0;
    int n = 0;
    for (const Entrada& e : g->mensagens.value(iMsg))
        if (e.vivo())
            ++n;
    return n;
}

bool JanelaGanchada(const QWidget* hWnd) { return ganchoDe(hWnd) != nullptr; }

}  // namespace MSubclass
