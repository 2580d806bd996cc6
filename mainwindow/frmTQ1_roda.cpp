// The main window's mouse-wheel hook and the router that turns wheel turns
// into list scrolling, figure pages and suggestion pages.
#include "mainwindow/frmTQ1.h"

#include "core/janelas.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"

#include <QWheelEvent>

void frmTQ1::SubClassing(bool sYesNo)
{
    DesfazSubClassing();
    if (!sYesNo)
        return;
    QWidget* janela = Modulo::gFormRoda;
    if (!janela)
        return;
    MSubclass::AttachMessageHandler(this, janela, MSubclass::WM_MOUSEWHEEL);
    mHwndGancho = janela;
    m_rodaAcumulada = 0;
}

void frmTQ1::DesfazSubClassing()
{
    if (mHwndGancho)
        MSubclass::DetachMessageHandler(this, mHwndGancho, MSubclass::WM_MOUSEWHEEL);
    mHwndGancho = nullptr;
    m_rodaAcumulada = 0;
    Modulo::DefineAlvoRoda(QString());
}

long frmTQ1::WindowProc(QWidget* hWnd, int iMsg, QEvent* evento)
{
    Q_UNUSED(hWnd);
    using namespace Modulo;
    if (iMsg != MSubclass::WM_MOUSEWHEEL || !gRodaAtiva || gAlvoRodaNome.isEmpty())
        return 0;
    auto* roda = static_cast<QWheelEvent*>(evento);
    // The turn is taken here: Qt hands it to no other widget, so one turn
    // never counts twice.
    roda->accept();
    try {
        if (!CursorSobreJanela(gAlvoRoda, roda->globalPosition().toPoint())) {
            DefineAlvoRoda(QString());
            m_rodaAcumulada = 0;
            return 0;
        }
        // One step per notch (120 units): fractions of a notch (touchpads,
        // fine wheels) add up; a change of direction starts again; one event
        // never makes more than one step.
        const int distancia = roda->angleDelta().y();
        if (distancia == 0)
            return 0;
        if ((distancia > 0) != (m_rodaAcumulada > 0) && m_rodaAcumulada != 0)
            m_rodaAcumulada = 0;
        m_rodaAcumulada += distancia;
        if (std::abs(m_rodaAcumulada) < 120)
            return 0;
        const int sentido = m_rodaAcumulada > 0 ? 1 : -1;
        m_rodaAcumulada %= 120;
        // Away from the user (positive) is up: previous.
        const int passo = -sentido * gAlvoRodaTipo;

        if (gAlvoRodaNome == QLatin1String("CAT_FIGURA")) {
            if (mParteFiguraAtual != 255) {
                const int ultima = mPartesFigura && !mPartesFigura->isEmpty() ? int(mPartesFigura->size()) - 1
                                                                               : int(mParteFiguraAtual);
                int nova = int(mParteFiguraAtual) + passo;
                if (nova > ultima)
                    nova = 0;
                else if (nova < 0)
                    nova = ultima;
                imgParteFigura_Click(nova);
            }
        } else if (gAlvoRodaNome == QLatin1String("CAT_SUGEST")) {
            if (!imgMudaPagina[0]->isHidden())
                imgMudaPagina_Click(passo > 0 ? 1 : 0);
        } else if (passo != 0) {
            if (auto* grade = qobject_cast<THGrid*>(gAlvoRodaGrid.data()))
                grade->Scroll(0, passo, true);
            else if (auto* combo = qobject_cast<THCombo*>(gAlvoRodaGrid.data()))
                combo->Scroll(0, passo, true);
        }
    } catch (...) {
        DefineAlvoRoda(QString());
        m_rodaAcumulada = 0;
    }
    return 0;
}
