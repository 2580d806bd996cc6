#include "comparison/animacaocarrinho.h"

namespace Modulo {

void AnimacaoCarrinho::EfeitoCarrinho(bool sApenasDesabilita)
{
    m_timer = false;
    m_carro = false;
    m_dica = false;
    if (sApenasDesabilita)
        return;
    m_legenda = true;
    m_dica = true;
    m_contador = 0;
    m_quadro = 0;
    m_timer = true;
}

void AnimacaoCarrinho::Tique()
{
    if (!m_timer)
        return;
    ++m_contador;
    if (m_contador <= kQuadros) {
        m_quadro = m_contador;
        m_carro = true;
    } else if (m_contador >= kTiqueFinal) {
        EfeitoCarrinho(true);
    }
}

QString AnimacaoCarrinho::NomeQuadro() const
{
    return m_quadro > 0 ? QStringLiteral("ANIMACAOCARRO%1").arg(m_quadro) : QString();
}

}  // namespace Modulo
