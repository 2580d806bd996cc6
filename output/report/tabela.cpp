// The parts table pages of one figure part, and the cross references of one
// component for the page's manufacturer.
#include "output/report/saida.h"

#include "core/crossref.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/error.h"

#include <QElapsedTimer>

#include <algorithm>
#include <map>
#include <vector>

namespace saida {

namespace {

// One component row of the table: the rows of the query that differ only in
// their kit code.
struct Linha {
    QString chave;  // item order key
    int opcional = 0;
    long componente = 0;
    QString item;
    QString quantidade;
    QString descricao;
    QString numero;
    QString imagens;
    std::vector<long> kits;  // of the item, ascending
};

QString texto(const platform::dao::RecordsetPtr& rs, const char* campo)
{
    const QVariant v = rs->Value(QLatin1String(campo));
    return platform::dao::IsNull(v) ? QString() : v.toString();
}

// The lines of a part in the order of the rows.  Kits belong to items, so
// every component row of an item gets its own line, each with all the kit
// codes of the item.
std::vector<Linha> LeLinhas(const platform::dao::RecordsetPtr& rs)
{
    std::vector<Linha> linhas;
    std::map<QString, std::vector<long>> kitsDoItem;
    std::map<QString, std::size_t> indice;  // component row -> line
    for (; !rs->EOF_(); rs->MoveNext()) {
        Linha l;
        l.chave = texto(rs, "ItemComponenteOrderBy");
        l.opcional = rs->Value(QStringLiteral("FlagOpcionalComponente")).toInt();
        l.componente = rs->Value(QStringLiteral("CodigoComponente")).toLongLong();
        l.item = texto(rs, "ItemComponente");
        l.quantidade = texto(rs, "QuantidadeComponente");
        l.descricao = texto(rs, "DescricaoComponente");
        l.numero = texto(rs, "NumeroEmpresaComponente");
        l.imagens = texto(rs, "ImagensGrid");
        const QVariant kit = rs->Value(QStringLiteral("CodigoJogoReparo"));
        if (!platform::dao::IsNull(kit)) {
            std::vector<long>& kits = kitsDoItem[l.item];
            const long codigo = kit.toLongLong();
            if (std::find(kits.begin(), kits.end(), codigo) == kits.end())
                kits.push_back(codigo);
        }
        const QString id = l.chave + QChar(1) + QString::number(l.opcional) + QChar(1) + QString::number(l.componente) +
                           QChar(1) + l.item + QChar(1) + l.quantidade + QChar(1) + l.imagens;
        if (indice.emplace(id, linhas.size()).second)
            linhas.push_back(std::move(l));
    }
    // Within one item and flag, component rows by component code (the rows
    // come sorted by kit code, which interleaves them).
    for (auto inicio = linhas.begin(); inicio != linhas.end();) {
        auto fim = std::find_if(inicio, linhas.end(), [&](const Linha& l) {
            return l.chave != inicio->chave || l.opcional != inicio->opcional;
        });
        std::stable_sort(inicio, fim, [](const Linha& a, const Linha& b) { return a.componente < b.componente; });
        inicio = fim;
    }
    for (Linha& l : linhas) {
        auto it = kitsDoItem.find(l.item);
        if (it != kitsDoItem.end()) {
            l.kits = it->second;
            std::sort(l.kits.begin(), l.kits.end());
        }
    }
    return linhas;
}

}  // namespace

QString Saida::ObtemReferenciasCruzadas(const QString& sNumeroEmpresa, long sCodigoFabricante) const
{
    const QString sql = QStringLiteral("SELECT ") + QStringLiteral("NumeroFabricante ") + QStringLiteral("FROM ") +
                        QStringLiteral("REFERENCIACRUZADA ") + QStringLiteral("WHERE ") + QStringLiteral("NumeroEmpresa='") +
                        Modulo::TextoSQL(Modulo::NormalizaNumeroEmpresa(sNumeroEmpresa)) + QStringLiteral("' AND ") +
                        QStringLiteral("CodigoFabricante=") + QString::number(sCodigoFabricante) + QStringLiteral(" ") +
                        QStringLiteral("ORDER BY ") + QStringLiteral("1");
    return Modulo::ObtemListaSQL(sql, {}, QStringLiteral(" / "));
}

void Saida::ImprimeTabela(long sCodigoPeca, int sNumeroParte, QString& ListaJogos, QString& ListaObs, bool& sImpresso)
{
    sImpresso = false;
    Superficie& d = *mDispositivoSaida;
    platform::dao::RecordsetPtr rs;
    try {
        const bool marinha = Modulo::gEdicao == QLatin1String("M");
        const double R = marinha ? 0 : 480;
        long fabricante = -1;
        QString nomeFabricante;
        if (!marinha) {
            fabricante = Modulo::ObtemFabricantePeca(sCodigoPeca);
            const QString l = Modulo::gIdioma;
            const QVariant nome = Valor(QStringLiteral("SELECT IIF(Left(FABRICANTE.DescricaoFabricante") + l +
                                            QStringLiteral(",15)='DaimlerChrysler','DaimlerChrysler',FABRICANTE.DescricaoFabricante") + l +
                                            QStringLiteral(") FROM FABRICANTE WHERE CodigoFabricante=") + QString::number(fabricante),
                                        QString());
            nomeFabricante = (platform::dao::IsNull(nome) ? QString() : nome.toString()).left(20).trimmed();
            if (nomeFabricante.isEmpty())
                nomeFabricante = Modulo::ObtemTexto(44);
        }

        QString sql = QStringLiteral("SELECT DISTINCT ") + Modulo::ExpressaoItemComponente(QStringLiteral("PECA_COMPONENTE")) +
                      QStringLiteral(" AS ItemComponenteOrderBy,") + QStringLiteral("PECA_COMPONENTE.FlagOpcionalComponente,") +
                      QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,") + QStringLiteral("PECA_COMPONENTE.CodigoComponente,") +
                      QStringLiteral("PECA_COMPONENTE.ItemComponente,") + QStringLiteral("PECA_COMPONENTE.QuantidadeComponente,") +
                      QStringLiteral("COMPONENTE.DescricaoComponente<I> AS DescricaoComponente,") +
                      QStringLiteral("Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,") +
                      QStringLiteral("PECA_COMPONENTE.ImagensGrid ") + QStringLiteral("FROM ");
        const QString juncoes =
            QStringLiteral("INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca) ") +
            QStringLiteral("LEFT JOIN PECA_COMPONENTE_JOGOREPARO ON PECA_COMPONENTE.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca "
                           "AND PECA_COMPONENTE.ItemComponente = PECA_COMPONENTE_JOGOREPARO.ItemComponente) ");
        if (sNumeroParte != 255) {
            sql += QStringLiteral("(((PECA ") + juncoes +
                   QStringLiteral("INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente) ") +
                   QStringLiteral("INNER JOIN FIGURADETALHADA ON PECA.CodigoFigura = FIGURADETALHADA.CodigoFigura AND "
                                  "PECA_COMPONENTE.ItemComponente = FIGURADETALHADA.ItemComponente ") +
                   QStringLiteral("WHERE ") + QStringLiteral("PECA.CodigoPeca = ") + QString::number(sCodigoPeca) +
                   QStringLiteral(" ") + QStringLiteral("AND ") + QStringLiteral("FIGURADETALHADA.NumeroParte = ") +
                   QString::number(sNumeroParte) + QStringLiteral(" ");
        } else {
            sql += QStringLiteral("((PECA ") + juncoes +
                   QStringLiteral("INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente ") +
                   QStringLiteral("WHERE ") + QStringLiteral("PECA.CodigoPeca = ") + QString::number(sCodigoPeca) +
                   QStringLiteral(" ") + QStringLiteral("AND ") +
                   QStringLiteral("NOT EXISTS(SELECT 1 FROM FIGURADETALHADA WHERE PECA.CodigoFigura = FIGURADETALHADA.CodigoFigura "
                                  "AND PECA_COMPONENTE.ItemComponente = FIGURADETALHADA.ItemComponente) ");
        }
        sql += QStringLiteral("ORDER BY ") + QStringLiteral("1,2,3");
        sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);

        rs = Consulta(sql);
        const std::vector<Linha> linhas = LeLinhas(rs);
        Modulo::FechaConsulta(rs);

        // The page head: the header, then the column titles.
        const auto cabecalho = [&] {
            ImprimeCabecalho(Modulo::ObtemTexto(23), QStringLiteral("<mInf>"), -1);
            std::vector<Celula> titulos{{0, Modulo::ObtemTexto(24), Celula::Texto},
                                        {320, Modulo::ObtemTexto(25), Celula::Texto},
                                        {520, Modulo::ObtemTexto(2), Celula::Texto},
                                        {1620, Modulo::ObtemTexto(5), Celula::Texto}};
            if (R != 0)
                titulos.push_back({2070, Modulo::ObtemTexto(121).replace(QStringLiteral("|1|"), nomeFabricante), Celula::Texto});
            titulos.push_back({2070 + R + 200, Modulo::ObtemTexto(9), Celula::Texto});
            ImprimeTitulos(titulos);
            sImpresso = true;
        };
        bool primeira = true;
        for (const Linha& l : linhas) {
            std::vector<Celula> linha{{0, l.item}, {320, l.quantidade}, {520, l.descricao, Celula::Texto}, {1620, l.numero}};
            if (R != 0) {
                QElapsedTimer relogio;
                relogio.start();
                const QString refs = ObtemReferenciasCruzadas(l.numero, fabricante);
                m_tempos.consultas += relogio.nsecsElapsed() / 1e9;
                linha.push_back({2070, refs});
            }
            if (l.opcional == 1)
                linha.push_back({2070 + R, QStringLiteral("op")});
            if (l.imagens.size() >= 4 && l.imagens.at(3) == QLatin1Char(' ')) {
                linha.push_back({2070 + R + 120, QStringLiteral("*")});
                const QString entrada = QString::number(l.componente) + QLatin1Char('$') + l.item + QLatin1Char('$') + l.numero;
                ListaObs += (ListaObs.isEmpty() ? QString() : QStringLiteral("|")) + entrada;
            }
            QString kits;
            for (long k : l.kits) {
                const QString codigo = QString::number(k);
                if (!(QStringLiteral(", ") + kits + QStringLiteral(", ")).contains(QStringLiteral(", ") + codigo + QStringLiteral(", ")))
                    kits += (kits.isEmpty() ? QString() : QStringLiteral(", ")) + codigo;
                if (!(QStringLiteral(",") + ListaJogos + QStringLiteral(",")).contains(QStringLiteral(",") + codigo + QStringLiteral(",")))
                    ListaJogos += (ListaJogos.isEmpty() ? QString() : QStringLiteral(",")) + codigo;
            }
            linha.push_back({2070 + R + 200, kits});
            ImprimeLinhaPaginada(linha, primeira, 2400, cabecalho);
        }
    } catch (const platform::Error& e) {
        Modulo::FechaConsulta(rs);
        sImpresso = false;
        d.SetFontBold(false);
        d.SetFontItalic(false);
        FalhaPagina(e);
    }
}

}  // namespace saida
