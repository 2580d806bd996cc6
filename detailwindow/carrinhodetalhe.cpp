#include "detailwindow/carrinhodetalhe.h"

#include "comparison/carrinho.h"

namespace CarrinhoDetalhe {
namespace {

// The shared module's cart routines (comparison/carrinho.h).
Rotinas Proprias()
{
    return {[](const QString& tipo, std::int32_t codigo, const QString& quantidade, bool opcional, bool efeito) {
                Modulo::IncluiItemCarrinho(tipo, codigo, quantidade, opcional, efeito);
            },
            [](const QString& tipo, std::int32_t codigo, const QString& quantidade) {
                Modulo::AlteraQuantidadeCarrinho(tipo, codigo, quantidade);
            },
            [](const QString& tipo, std::int32_t codigo) { Modulo::ExcluiItemCarrinho(tipo, codigo); }};
}

Rotinas& Atuais()
{
    static Rotinas r = Proprias();
    return r;
}

}  // namespace

void IncluiItemCarrinho(const QString& Tipo, std::int32_t Codigo, const QString& Quantidade, bool Opcional,
                        bool EfeitoVisual)
{
    Atuais().inclui(Tipo, Codigo, Quantidade, Opcional, EfeitoVisual);
}

void AlteraQuantidadeCarrinho(const QString& Tipo, std::int32_t Codigo, const QString& Quantidade)
{
    Atuais().altera(Tipo, Codigo, Quantidade);
}

void ExcluiItemCarrinho(const QString& Tipo, std::int32_t Codigo) { Atuais().exclui(Tipo, Codigo); }

void DefineRotinas(Rotinas rotinas)
{
    if (rotinas.inclui)
        Atuais().inclui = std::move(rotinas.inclui);
    if (rotinas.altera)
        Atuais().altera = std::move(rotinas.altera);
    if (rotinas.exclui)
        Atuais().exclui = std::move(rotinas.exclui);
}

void RestauraRotinas() { Atuais() = Proprias(); }

}  // namespace CarrinhoDetalhe
