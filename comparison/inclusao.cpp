#include "comparison/inclusao.h"

#include "core/janelaprincipal.h"

namespace Comparacao {

EfeitoCarrinho EfeitoCarrinhoJanelaPrincipal()
{
    return [] {
        if (Modulo::JanelaPrincipal* janela = Modulo::ObtemJanelaPrincipal())
            janela->EfeitoCarrinho(false);
    };
}

}  // namespace Comparacao
