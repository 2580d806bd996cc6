#pragma once
// The cart routines the detail window's list events call: put an item into
// the cart, set a row's quantity, delete a row (the shared module's
// IncluiItemCarrinho, AlteraQuantidadeCarrinho and ExcluiItemCarrinho).
//
// They call the shared module's routines (comparison/carrinho.h).
// DefineRotinas puts other routines in their place (the tests' cart over a
// table of their own); an empty member keeps the current routine.

#include <QString>

#include <cstdint>
#include <functional>

namespace CarrinhoDetalhe {

void IncluiItemCarrinho(const QString& Tipo, std::int32_t Codigo, const QString& Quantidade, bool Opcional,
                        bool EfeitoVisual);
void AlteraQuantidadeCarrinho(const QString& Tipo, std::int32_t Codigo, const QString& Quantidade);
void ExcluiItemCarrinho(const QString& Tipo, std::int32_t Codigo);

struct Rotinas {
    std::function<void(const QString&, std::int32_t, const QString&, bool, bool)> inclui;
    std::function<void(const QString&, std::int32_t, const QString&)> altera;
    std::function<void(const QString&, std::int32_t)> exclui;
};
// Replaces the routines; RestauraRotinas goes back to the program's own.
void DefineRotinas(Rotinas rotinas);
void RestauraRotinas();

}  // namespace CarrinhoDetalhe
