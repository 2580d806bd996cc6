// The cart animation of the main window: twelve frames of a cart in
// pctAnimacaoCarro and the tooltip box with text 100, for one second after
// the last start, driven by tmrAnimacao (50 ms).  The frame sequence is the
// widget-free Modulo::AnimacaoCarrinho; this file applies it to the window.
#include "search/screens/telas.h"

#include "comparison/animacaocarrinho.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "mainwindow/frmTQ1.h"

#include <QTimer>

namespace Pesquisa {

namespace {

class AnimacaoTela : public QObject {
public:
    explicit AnimacaoTela(QObject* pai) : QObject(pai) { setObjectName(QStringLiteral("AnimacaoCarrinhoTela")); }
    Modulo::AnimacaoCarrinho estado;
    int quadroPintado = 0;
};

AnimacaoTela& Animacao(frmTQ1& f)
{
    if (auto* a = f.findChild<AnimacaoTela*>(QStringLiteral("AnimacaoCarrinhoTela"), Qt::FindDirectChildrenOnly))
        return *a;
    return *new AnimacaoTela(&f);
}

}  // namespace

void EfeitoCarrinho(frmTQ1& f, bool sApenasDesabilita)
{
    AnimacaoTela& a = Animacao(f);
    a.estado.EfeitoCarrinho(sApenasDesabilita);
    a.quadroPintado = 0;
    f.tmrAnimacao->stop();
    f.pctAnimacaoCarro->hide();
    f.pctToolTipCarrinho->hide();
    if (sApenasDesabilita)
        return;
    // The caption once per run, in the language of the run.
    if (f.lblToolTipCarrinho->Tag() != QLatin1String("1")) {
        f.lblToolTipCarrinho->setText(Modulo::ObtemTexto(100));
        f.lblToolTipCarrinho->SetTag(QStringLiteral("1"));
        // The caption's two lines are centred in what the box shows of its
        // label, not below the box's lower edge.
        const int visivel = f.pctToolTipCarrinho->contentsRect().height() - f.lblToolTipCarrinho->y();
        if (visivel > 0 && f.lblToolTipCarrinho->height() > visivel)
            f.lblToolTipCarrinho->resize(f.lblToolTipCarrinho->width(), visivel);
    }
    f.pctToolTipCarrinho->raise();
    f.pctToolTipCarrinho->show();
    f.tmrAnimacao->setProperty("Tag", QStringLiteral("0"));
    f.tmrAnimacao->start(Modulo::AnimacaoCarrinho::kIntervaloMs);
}

void tmrAnimacao_Timer(frmTQ1& f)
{
    AnimacaoTela& a = Animacao(f);
    if (!a.estado.TimerAtivo())
        return;
    a.estado.Tique();
    f.tmrAnimacao->setProperty("Tag", QString::number(a.estado.Contador()));
    if (!a.estado.TimerAtivo()) {
        EfeitoCarrinho(f, true);
        return;
    }
    if (a.estado.Quadro() != a.quadroPintado) {
        a.quadroPintado = a.estado.Quadro();
        f.pctAnimacaoCarro->SetPicture(Modulo::CarregaImagemRecurso(a.estado.NomeQuadro(), QStringLiteral("G")));
    }
    if (a.estado.CarroVisivel())
        f.pctAnimacaoCarro->show();
}

}  // namespace Pesquisa
