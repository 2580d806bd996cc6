#include "preenchecarrinho.h"

#include "comparison/carrinho.h"

namespace tqferramenta {

// The shared module's cart routine, without the animation.
void PreencheCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional)
{
    Modulo::IncluiItemCarrinho(Tipo, Codigo, Quantidade, Opcional, false);
}

}  // namespace tqferramenta
