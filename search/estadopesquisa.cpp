#include "search/estadopesquisa.h"

#include "core/texts.h"

namespace Pesquisa {

FiltrosPesquisa FiltrosIniciais(const QString& edicao, int slot)
{
    FiltrosPesquisa f;
    const bool principal = slot == 0;
    if (edicao == QLatin1String("V") || edicao == QLatin1String("A")) {
        f.PesquisaComponentes = principal;
        f.PesquisaJogosReparo = principal;
        f.PesquisaTransmissoes = true;
        f.PesquisaEixos = edicao == QLatin1String("A");
    } else if (!principal) {
        f.CodigoTipoPeca = edicao == QLatin1String("D") ? QStringLiteral("3") : QStringLiteral("R");
    }
    return f;
}

TiposMarcados AlternaTipo(const TiposMarcados& atual, Tipo tipo, bool* mudou)
{
    TiposMarcados t = atual;
    bool* alvo = nullptr;
    switch (tipo) {
    case Tipo::Componentes: alvo = &t.componentes; break;
    case Tipo::JogosReparo: alvo = &t.jogosReparo; break;
    case Tipo::Transmissoes: alvo = &t.transmissoes; break;
    case Tipo::Eixos: alvo = &t.eixos; break;
    }
    const int marcados = int(atual.componentes) + int(atual.jogosReparo) + int(atual.transmissoes) + int(atual.eixos);
    const bool ultimo = *alvo && marcados == 1;
    if (!ultimo)
        *alvo = !*alvo;
    if (mudou)
        *mudou = !ultimo;
    return t;
}

QString TipoItemDaLinha(const QVariant& tipo, const QString& idioma)
{
    const QString texto = tipo.isValid() ? tipo.toString() : QString();
    if (!texto.isEmpty() && texto == Modulo::ObtemTexto(2, idioma))
        return QStringLiteral("COM");
    if (!texto.isEmpty() && texto == Modulo::ObtemTexto(4, idioma))
        return QStringLiteral("JRE");
    return QStringLiteral("PCA");
}

namespace {

// The field of the current row, or an invalid QVariant without one.
QVariant CampoDaLinha(const platform::dao::RecordsetPtr& rs, const QString& campo)
{
    if (!rs || !rs->IsOpen() || rs->BOF() || rs->EOF_() || rs->FieldIndex(campo) < 0)
        return {};
    return rs->Value(campo);
}

}  // namespace

long CodigoFabricanteDaLinha(const platform::dao::RecordsetPtr& rs)
{
    const QVariant v = CampoDaLinha(rs, QStringLiteral("CodigoFabricante"));
    return v.isValid() ? long(v.toLongLong()) : 0;
}

QString CodigoTipoPecaDaLinha(const platform::dao::RecordsetPtr& rs, const QString& atual)
{
    const QVariant v = CampoDaLinha(rs, QStringLiteral("CodigoTipoPeca"));
    return v.isValid() ? v.toString() : atual;
}

}  // namespace Pesquisa
