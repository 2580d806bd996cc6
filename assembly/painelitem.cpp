#include "assembly/painelitem.h"

#include <algorithm>

namespace Conjunto {

GeometriaDica CalculaDica(const EntradaDica& e)
{
    GeometriaDica g;
    int y = 0;
    if (e.componentes > 1 && !e.edicaoNaoMaritima) {
        g.modo = 1;
        y = e.proxima.top() + e.proxima.height() + 2;
    } else if (e.opcional || e.observacao) {
        g.modo = 2;
        y = e.paginacao.top();
    } else {
        return g;
    }
    g.paginacaoVisivel = g.modo == 1;
    if (e.opcional) {
        g.topoOpcional = y;
        y = y + e.iconeOpcional.height() + 2;
    }
    if (e.observacao) {
        g.topoObservacao = y;
        y = y + e.iconeObservacao.height() + 2;
    }
    const int altura = y + 3;
    int r = g.modo == 1 ? e.proxima.left() + e.proxima.width() : 0;
    if (e.opcional && e.rotuloOpcional.left() + e.rotuloOpcional.width() > r)
        r = e.rotuloOpcional.left() + e.rotuloOpcional.width();
    if (e.observacao && e.rotuloObservacao.left() + e.rotuloObservacao.width() > r)
        r = e.rotuloObservacao.left() + e.rotuloObservacao.width();
    const int largura = r + 7;

    const int topo = e.quadro.y() - e.tela.top() - altura + 10;
    int esquerda = e.quadro.x() - e.tela.left() + e.larguraQuadro + 2;
    if (esquerda + largura > e.tela.width())
        esquerda = esquerda - largura - e.larguraQuadro - 4;
    g.painel = QRect(esquerda, topo, largura, altura);
    return g;
}

int EsquerdaPainelJogos(int larguraInternaJanela, int figuraLeft, int figuraLargura, int rotuloLeft,
                        int larguraSugestao, int telaLeft)
{
    if (larguraInternaJanela > 975)
        return 800;
    if (figuraLeft + figuraLargura / 2.0 >= rotuloLeft)
        return 799 - larguraSugestao;
    return telaLeft + figuraLeft;
}

GeometriaPainelJogos CalculaPainelJogos(const std::vector<int>& largurasDescricao, int larguraRotulo,
                                        const std::vector<int>& alturasTexto)
{
    GeometriaPainelJogos g;
    int topo = 20;
    for (std::size_t i = 0; i < largurasDescricao.size(); ++i) {
        if (i > 0)
            topo = g.topos.back() + g.alturas.back() + 1;
        g.topos.push_back(topo);
        int altura = largurasDescricao[i] > larguraRotulo ? 28 : 15;
        if (altura == 28 && i < alturasTexto.size())
            altura = std::max(altura, alturasTexto[i]);
        g.alturas.push_back(altura);
    }
    if (!g.topos.empty())
        g.topoRodape = g.topos.back() + g.alturas.back();
    g.altura = g.topoRodape + 6;
    return g;
}

}  // namespace Conjunto
