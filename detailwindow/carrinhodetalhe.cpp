#include "detailwindow/carrinhodetalhe.h"

#include "platform/base/error.h"

namespace CarrinhoDetalhe {
namespace {

[[noreturn]] void Indisponivel(const char* rotina)
{
    throw platform::Error(platform::errors::InvalidProcedureCall,
                          QStringLiteral("As rotinas do carrinho não estão disponíveis nesta versão."),
                          QString::fromLatin1(rotina));
}

Rotinas Proprias()
{
    return {[](const QString&, std::int32_t, const QString&, bool, bool) { Indisponivel("IncluiItemCarrinho"); },
            [](const QString&, std::int32_t, const QString&) { Indisponivel("AlteraQuantidadeCarrinho"); },
            [](const QString&, std::int32_t) { Indisponivel("ExcluiItemCarrinho"); }};
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
