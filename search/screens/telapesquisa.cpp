#include "search/screens/telapesquisa.h"

#include "core/errorbox.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "search/vinculolista.h"

#include <QApplication>
#include <QKeyEvent>

namespace Pesquisa {

TelaPesquisa::TelaPesquisa(frmTQ1& janela) : QObject(&janela), m_janela(janela)
{
    setObjectName(QStringLiteral("TelaPesquisa"));
    if (qApp)
        qApp->installEventFilter(this);
}

TelaPesquisa::~TelaPesquisa()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

TelaPesquisa& TelaPesquisa::De(frmTQ1& janela)
{
    if (auto* t = janela.findChild<TelaPesquisa*>(QStringLiteral("TelaPesquisa"), Qt::FindDirectChildrenOnly))
        return *t;
    return *new TelaPesquisa(janela);
}

ExecutorPesquisa& TelaPesquisa::Executor()
{
    if (!m_executor)
        m_executor = new ExecutorPesquisa(this);
    return *m_executor;
}

void TelaPesquisa::IniciaLista(const QString& sql, bool atualizaGrid, std::function<void()> depois)
{
    auto vincula = VinculoLista(m_janela.grdTHGrid1, m_janela.dtcTHGrid1, sql, atualizaGrid);
    if (depois)
        vincula = [vincula, depois](const platform::dao::RecordsetPtr& rs) {
            vincula(rs);
            depois();
        };
    Executor().Inicia(sql, std::move(vincula));
}

platform::dao::RecordsetPtr TelaPesquisa::Le(const QString& sql)
{
    platform::dao::RecordsetPtr linhas;
    ExecutorPesquisa& e = Executor();
    e.Inicia(sql, [&linhas](const platform::dao::RecordsetPtr& rs) { linhas = rs; });
    e.Conclui();
    return linhas;
}

void TelaPesquisa::Conclui()
{
    if (m_executor)
        m_executor->Conclui();
}

void TelaPesquisa::Cancela()
{
    if (m_executor)
        m_executor->Cancela();
}

bool TelaPesquisa::Pendente() const { return m_executor && m_executor->Pendente(); }

void TelaPesquisa::Encerra()
{
    if (m_executor) {
        m_executor->Cancela();
        delete m_executor.data();
    }
}

namespace {

bool TeclaDeNavegacao(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    case Qt::Key_Left:
    case Qt::Key_Right: return e->modifiers() & Qt::AltModifier;
    default: return false;
    }
}

}  // namespace

bool TelaPesquisa::eventFilter(QObject* observado, QEvent* evento)
{
    if (!Pendente() || !observado->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(observado);
    if (w->window() != &m_janela)
        return false;
    const auto dentro = [w](const QWidget* area) { return area && (w == area || area->isAncestorOf(w)); };
    bool age = false;
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The list itself and the toolbar (Forward, Back, Home, Print) read
        // or move the list; the boxes, check boxes and drop-down only start
        // another search, which replaces the pending one without waiting.
        age = dentro(m_janela.grdTHGrid1) || dentro(m_janela.pctMenu);
        break;
    case QEvent::Wheel: age = true; break;
    case QEvent::KeyPress: age = TeclaDeNavegacao(static_cast<QKeyEvent*>(evento)); break;
    default: break;
    }
    if (age)
        Modulo::Guarda([this] { Conclui(); });
    return false;
}

}  // namespace Pesquisa
