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
}  // namespace

void IncluiItemCarrinho(const QString&, std::int32_t, const QString&, bool, bool) { Indisponivel("IncluiItemCarrinho"); }
void AlteraQuantidadeCarrinho(const QString&, std::int32_t, const QString&) { Indisponivel("AlteraQuantidadeCarrinho"); }
void ExcluiItemCarrinho(const QString&, std::int32_t) { Indisponivel("ExcluiItemCarrinho"); }

}  // namespace CarrinhoDetalhe
