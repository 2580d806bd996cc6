#include "assembly/estilos.h"

#include <algorithm>

namespace Conjunto {

std::optional<AparenciaItem> AparenciaEstilo(int estilo)
{
    switch (estilo) {
    case kEstiloNormal: return AparenciaItem{kCorPreto, false, false, false};
    case kEstiloJogoReparo: return AparenciaItem{kCorPreto, false, false, true};
    case kEstiloNaoAplicavel: return AparenciaItem{kCorCinza, false, true, false};
    default: return std::nullopt;
    }
}

bool RestauraMudaRotulo(int estilo, long corAtual, bool opacoAtual, bool negritoAtual)
{
    if (negritoAtual && AparenciaEstilo(estilo))
        return true;
    switch (estilo) {
    case kEstiloNormal: return corAtual != kCorPreto || opacoAtual;
    case kEstiloJogoReparo: return corAtual != kCorPreto || !opacoAtual;
    case kEstiloNaoAplicavel: return corAtual != kCorCinza;
    default: return false;
    }
}

ItensRelacionados RelacionadosDoItem(const FiguraModelo& figura, int indice)
{
    ItensRelacionados r;
    if (indice < 1 || indice > figura.UltimoItem())
        return r;
    const ItemFigura& hovered = figura.Item(indice);
    const QString legenda = figura.ObtemTextoItem(indice, false);
    for (int i = 1; i <= figura.UltimoItem(); ++i) {
        const ItemFigura& outro = figura.Item(i);
        const QString mostrada = i == indice ? legenda : outro.legenda;
        if (mostrada != legenda) {
            const bool compartilha = std::any_of(hovered.jogos.begin(), hovered.jogos.end(),
                                                 [&](std::int64_t c) { return outro.PertenceAoJogo(c); });
            if (compartilha) {
                r.azuis.push_back(i);
                if (std::find(r.partes.begin(), r.partes.end(), outro.pagina) == r.partes.end())
                    r.partes.push_back(outro.pagina);
            }
        } else if (i != indice) {
            r.vermelhos.push_back(i);
        }
    }
    return r;
}

std::vector<int> PartesDoJogo(const FiguraModelo& figura, std::int64_t jogo)
{
    std::vector<int> partes;
    if (jogo <= 0)
        return partes;
    for (int i = 1; i <= figura.UltimoItem(); ++i)
        if (figura.Item(i).PertenceAoJogo(jogo) &&
            std::find(partes.begin(), partes.end(), figura.Item(i).pagina) == partes.end())
            partes.push_back(figura.Item(i).pagina);
    return partes;
}

}  // namespace Conjunto
