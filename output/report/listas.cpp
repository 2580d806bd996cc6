// The cart list and comparison printouts (portrait, one job each).
#include "output/report/saida.h"

#include "output/report/cursor.h"

#include "core/database.h"
#include "core/errorbox.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/base/language.h"

namespace saida {

namespace {

QString Texto(const platform::dao::RecordsetPtr& rs, const QString& campo)
{
    const QVariant v = rs->Value(campo);
    return platform::dao::IsNull(v) ? QString() : v.toString();
}

}  // namespace

void Saida::ImprimeLista(const platform::dao::RecordsetPtr& lista)
{
    bool ok = false;
    IniciaSaida(1, ok);
    if (!ok)
        return;
    Ampulheta ampulheta;
    platform::dao::RecordsetPtr copia;
    try {
        if (!lista)
            throw platform::Error(91, platform::runTimeErrorText(91), QStringLiteral("ImprimeLista"));
        copia = lista->Clone();
        // A clone has no current row yet.
        const bool vazia = copia->RecordCount() == 0;
        if (!vazia)
            copia->MoveFirst();
        const auto cabecalho = [&] {
            ImprimeCabecalho(Modulo::ObtemTexto(29), QString(), 700);
            ImprimeTitulos({{0, Modulo::ObtemTexto(5), Celula::Texto},
                            {400, Modulo::ObtemTexto(28), Celula::Texto},
                            {1500, Modulo::ObtemTexto(25), Celula::Texto},
                            {1700, Modulo::ObtemTexto(31), Celula::Texto}});
        };
        bool primeira = true;
        for (; !vazia && !copia->EOF_(); copia->MoveNext()) {
            ImprimeLinhaPaginada({{0, Texto(copia, QStringLiteral("NumeroEmpresa"))},
                                  {400, Texto(copia, QStringLiteral("Descricao")), Celula::Texto},
                                  {1500, TextoNumero(copia->Value(QStringLiteral("Quantidade")))},
                                  {1700, Texto(copia, QStringLiteral("DescricaoTipo")), Celula::Texto},
                                  {2250, Texto(copia, QStringLiteral("Opcional")) == QLatin1String(" ") ? QStringLiteral("op") : QString()}},
                                 primeira, 3400, cabecalho);
        }
        Modulo::FechaConsulta(copia);
        FinalizaSaida();
    } catch (const platform::Error& e) {
        Modulo::FechaConsulta(copia);
        AbortaSaida();
        ampulheta.Desliga();
        MostraFalha(e.number(), e.description());
    }
}

void Saida::ImprimeComparacao(const DadosComparacao& dados)
{
    bool ok = false;
    IniciaSaida(1, ok);
    if (!ok)
        return;
    Ampulheta ampulheta;
    platform::dao::RecordsetPtr copia;
    try {
        if (!dados.Linhas)
            throw platform::Error(91, platform::runTimeErrorText(91), QStringLiteral("ImprimeComparacao"));
        copia = dados.Linhas->Clone();
        // A clone has no current row yet.
        const bool vazia = copia->RecordCount() == 0;
        if (!vazia)
            copia->MoveFirst();
        const QString subtitulo = dados.Filtro == QLatin1String("0")   ? Modulo::ObtemTexto(64)
                                  : dados.Filtro == QLatin1String("1") ? Modulo::ObtemTexto(65)
                                                                       : Modulo::ObtemTexto(66);
        const auto cabecalho = [&] {
            ImprimeCabecalho(Modulo::ObtemTexto(54) + QStringLiteral(" - ") + dados.SubTitulo, subtitulo, -1);
            // The quantity headings name the assemblies' numbers: whole.
            ImprimeTitulos({{0, Modulo::ObtemTexto(5), Celula::Texto},
                            {400, Modulo::ObtemTexto(28), Celula::Texto},
                            {1500, Modulo::ObtemTexto(25) + QStringLiteral(" ") + dados.NumeroPeca1},
                            {2020, Modulo::ObtemTexto(25) + QStringLiteral(" ") + dados.NumeroPeca2}});
        };
        bool primeira = true;
        for (; !vazia && !copia->EOF_(); copia->MoveNext()) {
            std::vector<Celula> linha{{0, Texto(copia, QStringLiteral("NumeroEmpresaComponente"))},
                                      {400, Texto(copia, QStringLiteral("DescricaoComponente")), Celula::Texto}};
            if (Texto(copia, QStringLiteral("ImagensGrid")).startsWith(QLatin1Char(' ')))
                linha.push_back({1380, QStringLiteral("op")});
            linha.push_back({1500, Modulo::ValorSeNulo(copia->Value(QStringLiteral("QuantidadeComponente1")), QStringLiteral("-")).toString()});
            linha.push_back({2020, Modulo::ValorSeNulo(copia->Value(QStringLiteral("QuantidadeComponente2")), QStringLiteral("-")).toString()});
            ImprimeLinhaPaginada(linha, primeira, 3400, cabecalho);
        }
        Modulo::FechaConsulta(copia);
        FinalizaSaida();
    } catch (const platform::Error& e) {
        Modulo::FechaConsulta(copia);
        AbortaSaida();
        ampulheta.Desliga();
        MostraFalha(e.number(), e.description());
    }
}

}  // namespace saida
