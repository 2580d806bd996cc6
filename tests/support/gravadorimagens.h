#pragma once
// Records the pictures the main window's picture sets ask for: installs a
// loader in frmTQ1 that keeps each request instead of reading resources, and
// runs the real CarregaImagensTela on a window for one screen, mode, edition,
// language and run-time condition.  Requests come back as the resources
// would resolve them: the type ("" is the language) and the name (after the
// edition rule for the screen loader).

#include "core/globals.h"
#include "core/pictures.h"
#include "mainwindow/frmTQ1.h"

#include <QString>

#include <vector>

namespace tqtest {

struct PedidoImagem {
    QString modo;   // "C" or "D"
    QString tipo;   // "P", "E", "I" or "G"
    QString nome;
    bool direto = false;
    QString texto() const { return tipo + QLatin1Char(':') + nome; }
};

class GravadorImagens final : public CarregadorImagensTela {
public:
    GravadorImagens() { frmTQ1::setCarregadorImagens(this); }
    ~GravadorImagens() override { frmTQ1::setCarregadorImagens(nullptr); }
    GravadorImagens(const GravadorImagens&) = delete;
    GravadorImagens& operator=(const GravadorImagens&) = delete;

    QPixmap Carrega(const QString& Modo, const QString& Nome, const QString& Tipo, bool direto) override
    {
        PedidoImagem p;
        p.modo = Modo;
        p.tipo = Tipo.isEmpty() ? Modulo::gIdioma : Tipo;
        p.nome = direto ? Nome : Modulo::NomeRecursoEdicao(Nome, Modulo::gEdicao);
        p.direto = direto;
        pedidos.push_back(p);
        return {};
    }

    // Runs one call of the real routine and returns what it asked for.
    std::vector<PedidoImagem> Grava(frmTQ1& f, const QString& modo, int codigo, const QString& edicao,
                                    const QString& idioma, const QString& pagina = QStringLiteral("1"),
                                    long comparacao = -1)
    {
        const QString edicaoAntes = Modulo::gEdicao, idiomaAntes = Modulo::gIdioma;
        Modulo::gEdicao = edicao;
        Modulo::gIdioma = idioma;
        f.pctTela[6]->SetTag(pagina);
        f.mCodigoPecaComparacao = comparacao;
        pedidos.clear();
        f.CarregaImagensTela(modo, codigo);
        Modulo::gEdicao = edicaoAntes;
        Modulo::gIdioma = idiomaAntes;
        return pedidos;
    }

    std::vector<PedidoImagem> pedidos;
};

}  // namespace tqtest
