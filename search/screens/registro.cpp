// Registra: the slots search owns on the main window's registry, and the
// connections each new window gets (AoCriar) and drops (AoDescarregar).
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "core/errorbox.h"
#include "core/janelas.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"

#include <QTimer>

namespace Pesquisa {

namespace {

// Connects a signal to a handler of the window run inside the guard.
template <typename Emissor, typename Sinal, typename Acao>
void Liga(frmTQ1& f, Emissor* emissor, Sinal sinal, Acao acao)
{
    QObject::connect(emissor, sinal, &f, [&f, acao](auto&&... argumentos) {
        Modulo::Guarda([&] { acao(f, argumentos...); });
    });
}

void Conecta(frmTQ1& f)
{
    TelaPesquisa::De(f);

    // Kind check boxes: the label and both box images toggle the kind; the
    // boxes light the label as the label does.
    const struct {
        Imagem* rotulo;
        Imagem* vazio;
        Imagem* marcado;
        Tipo tipo;
        const char* chave;
    } tipos[] = {
        {f.imgChkComponentes, f.imgQuadrado_Componentes, f.imgQuadradoXComponentes, Tipo::Componentes, "CHKCOMPONENTES"},
        {f.imgChkJogosReparo, f.imgQuadrado_JogosReparo, f.imgQuadradoXJogosReparo, Tipo::JogosReparo, "CHKJOGOSREPARO"},
        {f.imgChkTransmissoes, f.imgQuadrado_Transmissoes, f.imgQuadradoXTransmissoes, Tipo::Transmissoes,
         "CHKTRANSMISSOES"},
        {f.imgChkEixos, f.imgQuadrado_Eixos, f.imgQuadradoXEixos, Tipo::Eixos, "CHKEIXOS"},
    };
    for (const auto& t : tipos) {
        const Tipo tipo = t.tipo;
        for (Imagem* imagem : {t.rotulo, t.vazio, t.marcado})
            Liga(f, imagem, &Imagem::Click, [tipo](frmTQ1& j) { imgChk_Click(j, tipo); });
        const QString chave = QString::fromLatin1(t.chave);
        for (Imagem* imagem : {t.vazio, t.marcado})
            QObject::connect(imagem, &Imagem::MouseMove, &f, [&f, chave] { f.DestacaControle(chave); });
    }

    // The first drop-down (types on screen 1, makers on screen 2).
    Liga(f, f.cboTHCombo1, &THCombo::Click, [](frmTQ1& j) { cboTHCombo1_Click(j); });
    QObject::connect(f.cboTHCombo1, &THCombo::MouseMove, &f, [&f] {
        f.DestacaControle(QStringLiteral(">THCOMBO1"));
        Modulo::DefineAlvoRoda(QStringLiteral("CAT_COMBO1"));
    });

    // The search boxes, at every change of their text (typing or setText).
    Liga(f, f.txtNumeroEmpresa, &QLineEdit::textChanged, [](frmTQ1& j, const QString&) { txtNumeroEmpresa_Change(j); });
    Liga(f, f.txtDescricao, &QLineEdit::textChanged, [](frmTQ1& j, const QString&) { txtDescricao_Change(j); });
    Liga(f, f.txtNumeroFabricante, &QLineEdit::textChanged,
         [](frmTQ1& j, const QString&) { txtNumeroFabricante_Change(j); });
    Liga(f, f.txtVeiculo, &QLineEdit::textChanged, [](frmTQ1& j, const QString&) { txtVeiculo_Change(j); });
    for (CaixaTexto* caixa : {f.txtDescricao, f.txtVeiculo})
        QObject::connect(caixa, &CaixaTexto::MouseMove, &f, [&f] { f.Form_MouseMove(); });

    // Column titles of screens 1, 5 and 8.
    for (int i = 0; i < int(f.imgTitNoTQ.size()); ++i)
        Liga(f, f.imgTitNoTQ[i], &Imagem::Click, [i](frmTQ1& j) { imgTitNoTQ_Click(j, i); });
    for (int i = 0; i < int(f.imgTitDescricao.size()); ++i)
        Liga(f, f.imgTitDescricao[i], &Imagem::Click, [i](frmTQ1& j) { imgTitDescricao_Click(j, i); });
    for (int i = 0; i < int(f.imgTitComponente.size()); ++i)
        Liga(f, f.imgTitComponente[i], &Imagem::Click, [i](frmTQ1& j) { imgTitComponente_Click(j, i); });
    Liga(f, f.imgTitItem, &Imagem::Click, [](frmTQ1& j) { imgTitItem_Click(j); });

    // The main list.
    Liga(f, f.grdTHGrid1, &THGrid::DblClick, [](frmTQ1& j) { grdTHGrid1_DblClick(j); });
    Liga(f, f.grdTHGrid1, &THGrid::ImageClick,
         [](frmTQ1& j, int coluna, const platform::dao::Bookmark&, int) { grdTHGrid1_ImageClick(j, coluna); });
    QObject::connect(f.grdTHGrid1, &THGrid::MouseMove, &f, [&f] { grdTHGrid1_MouseMove(f); });
    Liga(f, f.grdTHGrid1, &THGrid::RowColChange,
         [](frmTQ1& j, const platform::dao::Bookmark& ultima, int) { grdTHGrid1_RowColChange(j, ultima); });

    // The cart animation's timer.
    QObject::connect(f.tmrAnimacao, &QTimer::timeout, &f, [&f] { Modulo::Guarda([&f] { tmrAnimacao_Timer(f); }); });
}

void Desconecta(frmTQ1& f)
{
    EfeitoCarrinho(f, true);
    TelaPesquisa::De(f).Encerra();
}

}  // namespace

void Registra(RegistroTQ1& r)
{
    r.MostraPesquisaPecas = MostraPesquisaPecas;
    r.EscondePesquisaPecas = EscondePesquisaPecas;
    r.MostraPesquisaVeiculos = MostraPesquisaVeiculos;
    r.EscondePesquisaVeiculos = EscondePesquisaVeiculos;
    r.GuardaFiltrosPesquisa = GuardaFiltrosPesquisa;
    r.MostraListaPecas = MostraListaPecas;
    r.EscondeListaPecas = EscondeListaPecas;
    r.imgAvancar_Click[1] = AvancaPesquisaPecas;
    r.imgAvancar_Click[2] = AvancaPesquisaVeiculos;
    r.imgAvancar_Click[3] = AvancaListaPecas;
    r.imgAvancar_Click[9] = AvancaSelecaoComparacao;
    r.imgFigura_Click = imgFigura_Click;
    r.imgPesquisa0_Click = imgPesquisa0_Click;
    r.imgPesquisa1_Click = imgPesquisa1_Click;
    r.EfeitoCarrinho = EfeitoCarrinho;
    r.AoCriar.push_back(Conecta);
    r.AoDescarregar.push_back(Desconecta);
}

void Registra() { Registra(RegistroTQ1::Global()); }

}  // namespace Pesquisa
