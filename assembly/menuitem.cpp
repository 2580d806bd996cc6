#include "assembly/menuitem.h"

#include <QStringList>

namespace Conjunto {

std::vector<EntradaMenu> EntradasMenuItem(const FlagsItem& flags, bool semSegundoConjunto)
{
    std::vector<EntradaMenu> e;
    if (flags.sugestao) {
        e.push_back({QStringLiteral("mnuSugestaoCompra"), kMenuSugestao, 39});
        e.push_back({QStringLiteral("mnuTracoSugestaoCompra")});
    }
    e.push_back({QStringLiteral("mnuSelecionaItem"), kMenuCarrinho, 101});
    if (semSegundoConjunto || flags.opcional || flags.jogos || flags.observacao)
        e.push_back({QStringLiteral("mnuTracoSelecionaItem")});
    if (semSegundoConjunto)
        e.push_back({QStringLiteral("mnuDetalhes"), kMenuTabela, 23});
    if (flags.opcional)
        e.push_back({QStringLiteral("mnuOpcional"), kMenuOpcionais, 10});
    if (flags.jogos)
        e.push_back({QStringLiteral("mnuJogosReparo"), kMenuJogos, 9});
    if (flags.observacao)
        e.push_back({QStringLiteral("mnuObservacao"), kMenuObservacao, 8});
    return e;
}

std::optional<SolicitacaoDetalhe> SolicitacaoMenuItem(int codigoMenu, std::int64_t codigoPeca, const QString& item,
                                                      std::int64_t codigoComponente)
{
    const QString peca = QString::number(codigoPeca), componente = QString::number(codigoComponente);
    switch (codigoMenu) {
    case kMenuJogos:
        return SolicitacaoDetalhe{1, QStringList{peca, item, componente, QStringLiteral("0")}.join(QLatin1Char('|'))};
    case kMenuObservacao:
        return SolicitacaoDetalhe{0, QStringList{QStringLiteral("COM"), componente, peca, item}.join(QLatin1Char('|'))};
    case kMenuOpcionais:
        return SolicitacaoDetalhe{4, QStringList{peca, componente, item, QStringLiteral("0")}.join(QLatin1Char('|'))};
    default:
        return std::nullopt;
    }
}

}  // namespace Conjunto
