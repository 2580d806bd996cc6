// Comparacao::Registra: the comparison's slots in the main window's registry,
// the handlers connected on each new main window, and the cart list of the
// detail window.
#include "comparison/screen/estado.h"
#include "comparison/screen/telascomparacao.h"
#include "core/errorbox.h"
#include "core/janelas.h"
#include "detailwindow/frmTQ2.h"
#include "listcontrols/gridnavigation.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/registro.h"

#include <QCheckBox>
#include <QRadioButton>

namespace Comparacao {

namespace {

// A handler of the window inside the one guard.
template <typename F>
auto guardado(F f)
{
    return [f](auto&&...) { Modulo::Guarda(f); };
}

void LigaSelecao(frmTQ1& f)
{
    for (int i = 0; i < 2; ++i)
        QObject::connect(f.txtNumeroEmpresaComp[std::size_t(i)], &QLineEdit::textChanged, &f,
                         guardado([&f, i] { txtNumeroEmpresaComp_Change(f, i); }));
    const struct {
        Imagem* botao;
        int lado;
        bool veiculo;
    } botoes[] = {{f.imgPesquisa0Comp1, 0, false},
                  {f.imgPesquisa0Comp2, 1, false},
                  {f.imgPesquisa1Comp1, 0, true},
                  {f.imgPesquisa1Comp2, 1, true}};
    for (const auto& b : botoes) {
        const int lado = b.lado;
        const bool veiculo = b.veiculo;
        QObject::connect(b.botao, &Imagem::Click, &f,
                         guardado([&f, lado, veiculo] { imgPesquisaComp_Click(f, lado, veiculo); }));
    }
}

void LigaComparacao(frmTQ1& f)
{
    QRadioButton* opcoes[3] = {f.optExibirComponentesDiferentes, f.optExibirComponentesIguais,
                               f.optExibirComponentesTodos};
    for (int n = 0; n < 3; ++n)
        QObject::connect(opcoes[n], &QRadioButton::toggled, &f, [&f, n](bool escolhida) {
            if (escolhida)
                Modulo::Guarda([&f, n] { optExibirComponentes_Click(f, n); });
        });
    for (int i = 0; i < 2; ++i)
        QObject::connect(f.imgSelecionarTodos[std::size_t(i)], &Imagem::Click, &f,
                         guardado([&f, i] { imgSelecionarTodos_Click(f, i); }));

}

void LigaSugestao(frmTQ1& f)
{
    CaixaImagem* painel = f.pctSugestaoCompra;
    for (int i = 0; i < 4; ++i) {
        const auto k = std::size_t(i);
        QObject::connect(f.lblNumeroSug[k], &Rotulo::Click, &f, guardado([&f, i] { lblNumeroSug_Click(f, i); }));
        QObject::connect(f.imgOpcionalSug[k], &Imagem::Click, &f, guardado([&f, i] { imgOpcionalSug_Click(f, i); }));
        CaixaTexto* quantidade = f.txtQtdSug[k];
        quantidade->setMaxLength(3);
        QObject::connect(quantidade, &CaixaTexto::KeyPress, &f, [](int& tecla) { Modulo::FiltraTeclaNumerica(tecla); },
                         Qt::DirectConnection);
        QObject::connect(quantidade, &CaixaTexto::LostFocus, &f,
                         guardado([quantidade] { Modulo::CorrigeTextoNumerico(quantidade); }));
        f.lblDescricaoSug[k]->setWordWrap(true);
        f.lblDescricaoSug[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // The page caption sits low in its place, clear of the title band above.
    f.lblPaginasSug->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    for (int i = 0; i < 2; ++i)
        QObject::connect(f.imgMudaPagina[std::size_t(i)], &Imagem::Click, &f,
                         guardado([&f, i] { f.imgMudaPagina_Click(i); }));
    QObject::connect(f.imgIncluirSelecionadosSug, &Imagem::Click, &f,
                     guardado([&f] { imgIncluirSelecionadosSug_Click(f); }));
    QObject::connect(f.imgSelecionarTodosSug, &Imagem::Click, &f, guardado([&f] { imgSelecionarTodosSug_Click(f); }));
    QObject::connect(f.imgFecharSug, &Imagem::Click, &f, guardado([&f] { imgFecharSug_Click(f); }));

    // Hover and drag: the panel and its description, page and quantity
    // captions (the pointer's place in screen coordinates).
    const auto liga = [&f](auto* controle) {
        using T = std::remove_pointer_t<decltype(controle)>;
        QObject::connect(controle, &T::MouseMove, &f, [&f, controle](int botao, int, float x, float y) {
            const QPoint global = controle->mapToGlobal(QPoint(int(x), int(y)));
            Modulo::Guarda([&] { pctSugestaoCompra_MouseMove(f, botao, global); });
        });
        QObject::connect(controle, &T::MouseDown, &f, [&f, controle](int botao, int, float x, float y) {
            const QPoint global = controle->mapToGlobal(QPoint(int(x), int(y)));
            Modulo::Guarda([&] { pctSugestaoCompra_MouseDown(f, botao, global); });
        });
        QObject::connect(controle, &T::MouseUp, &f, [&f] { EstadoTelas::De(f).arrastando = false; });
    };
    liga(painel);
    liga(f.lblPaginasSug);
    for (int i = 0; i < 4; ++i) {
        liga(f.lblDescricaoSug[std::size_t(i)]);
        liga(f.lblQtdSug[std::size_t(i)]);
    }
}

}  // namespace

void Registra()
{
    RegistroTQ1& r = RegistroTQ1::Global();
    r.MostraSelecaoComparacao = &MostraSelecaoComparacao;
    r.EscondeSelecaoComparacao = &EscondeSelecaoComparacao;
    r.MostraComparacao = &MostraComparacao;
    r.EscondeComparacao = &EscondeComparacao;
    r.AtualizaGridComparacao = [](frmTQ1& f, const QString& codigo, int filtro, const QString& ordem, bool recriar,
                                  bool atualizar) { AtualizaGridComparacao(f, codigo, filtro, ordem, recriar, atualizar); };
    r.MostraSugestaoFigura = &MostraSugestaoFigura;
    r.MostraSugestaoGrid = &MostraSugestaoGrid;
    r.MostraSugestaoMenu = &MostraSugestaoMenu;
    r.imgMudaPagina_Click = [](frmTQ1& f, int i) { imgMudaPagina_Click(f, i); };
    r.AoCriar.push_back([](frmTQ1& f) {
        EstadoTelas::De(f);
        LigaSelecao(f);
        LigaComparacao(f);
        LigaSugestao(f);
    });
    r.AoDescarregar.push_back([](frmTQ1& f) {
        EstadoTelas& e = EstadoTelas::De(f);
        if (e.mRsPecasComparacao)
            e.mRsPecasComparacao->Close();
        e.mRsPecasComparacao.reset();
    });
    frmTQ2::RegistraExibeTelaLista(&ExibeTelaLista);
}

}  // namespace Comparacao
