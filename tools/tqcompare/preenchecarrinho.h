#pragma once
// tqcart's fill step: one item into the run's cart table (gTabelaCarrinho),
// with the arguments of Modulo::IncluiItemCarrinho and without animation.

#include <QString>

namespace tqferramenta {

void PreencheCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional);

}  // namespace tqferramenta
