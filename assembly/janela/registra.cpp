// The assembly view's slots in the main window's registry.

#include "assembly/janela/registra.h"

#include "assembly/janela/conjuntotq1.h"

#include "mainwindow/frmTQ1.h"
#include "mainwindow/registro.h"

#include <QTimer>

namespace Conjunto {

namespace {

// Runs `acao` on the window's assembly view, when it has one.
template <typename Acao>
void NaVista(frmTQ1& f, Acao acao)
{
    if (ConjuntoTQ1* c = ConjuntoTQ1::De(f))
        acao(c->Vista());
}

}  // namespace

void Registra()
{
    RegistroTQ1& r = RegistroTQ1::Global();
    r.MostraFigura = [](frmTQ1& f, quint8 origem) { NaVista(f, [&](VistaConjunto& v) { v.MostraFigura(origem); }); };
    r.EscondeFigura = [](frmTQ1& f) { NaVista(f, [](VistaConjunto& v) { v.EscondeFigura(); }); };
    r.FechaFigura = [](frmTQ1& f) { NaVista(f, [](VistaConjunto& v) { v.FechaFigura(); }); };
    r.MostraComponentes = [](frmTQ1& f, quint8 origem) { NaVista(f, [&](VistaConjunto& v) { v.MostraComponentes(origem); }); };
    r.EscondeComponentes = [](frmTQ1& f) { NaVista(f, [](VistaConjunto& v) { v.EscondeComponentes(); }); };
    r.FechaConjunto = [](frmTQ1& f) { NaVista(f, [](VistaConjunto& v) { v.FechaConjunto(); }); };
    r.imgParteFigura_Click = [](frmTQ1& f, int pagina) { NaVista(f, [&](VistaConjunto& v) { v.imgParteFigura_Click(pagina); }); };
    r.LimpaSelecaoItem = [](frmTQ1& f, bool forcar) { NaVista(f, [&](VistaConjunto& v) { v.LimpaSelecaoItem(forcar); }); };
    r.MenuItemFigura = [](frmTQ1& f, int menu) { NaVista(f, [&](VistaConjunto& v) { v.MenuItemFigura(menu); }); };
    r.OrdenaTabelaPorColuna = [](frmTQ1& f, const QString& coluna) {
        NaVista(f, [&](VistaConjunto& v) { v.OrdenaTabelaPorColuna(coluna); });
    };
    // The Figure button and the main list's row events of screen 5 belong to
    // whoever fills the Figure button's slot first: the catalogue search's
    // screens handle the main list on every screen; without them the view
    // does it for its table (ConjuntoTQ1::ListaDaTabela).
    if (!r.imgFigura_Click)
        r.imgFigura_Click = &ConjuntoTQ1::imgFigura_Click_TQ1;
    r.AoCriar.push_back([](frmTQ1& f) { new ConjuntoTQ1(f); });
    r.AoDescarregar.push_back([](frmTQ1& f) { f.tmrFigura->stop(); });
}

}  // namespace Conjunto
