#include "search/verificacomparacao.h"

namespace Pesquisa {

FalhaComparacao VerificaSelecaoComparacao(const LadoComparacao& lado0, const LadoComparacao& lado1,
                                          const QString& edicao)
{
    int vazio = 56, naoEncontrado = 58;
    if (edicao == QLatin1String("A")) {
        vazio = 57;
        naoEncontrado = 59;
    } else if (edicao == QLatin1String("D")) {
        vazio = 107;
        naoEncontrado = 108;
    } else if (edicao == QLatin1String("M")) {
        vazio = 114;
        naoEncontrado = 115;
    }
    const LadoComparacao* lados[2] = {&lado0, &lado1};
    for (int i = 0; i < 2; ++i) {
        if (lados[i]->texto.trimmed().isEmpty())
            return {false, vazio, i};
        if (lados[i]->codigo.isEmpty())
            return {false, naoEncontrado, i};
    }
    if (lado0.codigo == lado1.codigo)
        return {false, 60, 1};
    if (lado0.tipoPeca != lado1.tipoPeca) {
        const bool porCodigo = edicao == QLatin1String("D") || edicao == QLatin1String("M");
        return {false, porCodigo ? 109 : 61, 0};
    }
    return {};
}

}  // namespace Pesquisa
