#include "schema.h"

namespace demo {

QStringList TableSpec::columnNames() const
{
    QStringList names;
    for (const ColumnSpec& c : columns)
        names << c.name;
    return names;
}

namespace {

// A table under construction: plain columns, language columns (one per P, E,
// I), a key and indexes.
class Builder {
public:
    explicit Builder(QString name) { m_spec.name = std::move(name); }

    Builder& col(const QString& name, const QString& type)
    {
        m_spec.columns.push_back({name, type});
        return *this;
    }
    Builder& lang(const QString& stem, const QString& type)
    {
        for (const char* l : {"P", "E", "I"})
            m_spec.columns.push_back({stem + QLatin1String(l), type});
        return *this;
    }
    Builder& key(const QString& columns)
    {
        m_spec.constraint = QStringLiteral("CONSTRAINT PK_%1 PRIMARY KEY (%2)").arg(m_spec.name, columns);
        return *this;
    }
    Builder& index(const QString& suffix, const QString& columns)
    {
        m_spec.indexes << QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%3)").arg(m_spec.name, suffix, columns);
        return *this;
    }
    TableSpec done()
    {
        QStringList parts;
        for (const ColumnSpec& c : m_spec.columns)
            parts << c.name + QLatin1Char(' ') + c.jetType;
        if (!m_spec.constraint.isEmpty())
            parts << m_spec.constraint;
        m_spec.createStatement =
            QStringLiteral("CREATE TABLE %1 (%2)").arg(m_spec.name, parts.join(QStringLiteral(", ")));
        return m_spec;
    }

private:
    TableSpec m_spec;
};

const QString kCode = QStringLiteral("LONG");
const QString kCodeKey = QStringLiteral("LONG NOT NULL");
const QString kNumber = QStringLiteral("TEXT(15)");     // canonical company number
const QString kItem = QStringLiteral("TEXT(10)");
const QString kQuantity = QStringLiteral("TEXT(5)");
const QString kFlags = QStringLiteral("TEXT(4)");
const QString kDescription = QStringLiteral("TEXT(50)");
const QString kFileName = QStringLiteral("TEXT(100)");

}  // namespace

QString TipoPecaCreateStatement()
{
    return QStringLiteral("CREATE TABLE TIPOPECA(CodigoTipoPeca     TEXT(1)  NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY KEY,"
                          "DescricaoTipoPecaP TEXT(50) NOT NULL,"
                          "DescricaoTipoPecaE TEXT(50) NOT NULL,"
                          "DescricaoTipoPecaI TEXT(50) NOT NULL )");
}

std::vector<TableSpec> CatalogueSchema(bool withTipoPeca, bool withAttachments)
{
    std::vector<TableSpec> s;

    s.push_back(Builder(tbl::PECA)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .col(QStringLiteral("NumeroEmpresaPeca"), kNumber)
                    .lang(QStringLiteral("DescricaoPeca"), kDescription)
                    .lang(QStringLiteral("DescricaoPecaPesquisa"), kDescription)
                    .col(QStringLiteral("TipoPeca"), QStringLiteral("TEXT(1)"))
                    .col(QStringLiteral("ImagensGrid"), kFlags)
                    .col(QStringLiteral("ArquivoFotoPeca"), kFileName)
                    .col(QStringLiteral("CodigoFigura"), kCode)
                    .col(QStringLiteral("CodigoSugestao"), kCode)
                    .key(QStringLiteral("CodigoPeca"))
                    .index(QStringLiteral("Numero"), QStringLiteral("NumeroEmpresaPeca"))
                    .index(QStringLiteral("Figura"), QStringLiteral("CodigoFigura"))
                    .done());

    s.push_back(Builder(tbl::COMPONENTE)
                    .col(QStringLiteral("CodigoComponente"), kCodeKey)
                    .col(QStringLiteral("NumeroEmpresaComponente"), kNumber)
                    .lang(QStringLiteral("DescricaoComponente"), kDescription)
                    .col(QStringLiteral("ImagensGrid"), kFlags)
                    .key(QStringLiteral("CodigoComponente"))
                    .index(QStringLiteral("Numero"), QStringLiteral("NumeroEmpresaComponente"))
                    .done());

    s.push_back(Builder(tbl::JOGOREPARO)
                    .col(QStringLiteral("CodigoJogoReparo"), kCodeKey)
                    .col(QStringLiteral("NumeroEmpresaJogoReparo"), kNumber)
                    .lang(QStringLiteral("DescricaoJogoReparo"), kDescription)
                    .col(QStringLiteral("ImagensGrid"), kFlags)
                    .key(QStringLiteral("CodigoJogoReparo"))
                    .index(QStringLiteral("Numero"), QStringLiteral("NumeroEmpresaJogoReparo"))
                    .done());

    s.push_back(Builder(tbl::PECA_COMPONENTE)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .col(QStringLiteral("ItemComponente"), kItem + QStringLiteral(" NOT NULL"))
                    .col(QStringLiteral("CodigoComponente"), kCodeKey)
                    .col(QStringLiteral("QuantidadeComponente"), kQuantity)
                    .col(QStringLiteral("FlagOpcionalComponente"), QStringLiteral("BYTE"))
                    .col(QStringLiteral("ImagensGrid"), kFlags)
                    .index(QStringLiteral("Peca"), QStringLiteral("CodigoPeca, ItemComponente"))
                    .index(QStringLiteral("Componente"), QStringLiteral("CodigoComponente"))
                    .done());

    s.push_back(Builder(tbl::PECA_COMPONENTE_JOGOREPARO)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .col(QStringLiteral("ItemComponente"), kItem + QStringLiteral(" NOT NULL"))
                    .col(QStringLiteral("CodigoJogoReparo"), kCodeKey)
                    .index(QStringLiteral("Peca"), QStringLiteral("CodigoPeca, ItemComponente"))
                    .index(QStringLiteral("Jogo"), QStringLiteral("CodigoJogoReparo"))
                    .done());

    s.push_back(Builder(tbl::SUGESTAO_COMPONENTE)
                    .col(QStringLiteral("CodigoSugestao"), kCodeKey)
                    .col(QStringLiteral("ItemComponente"), kItem)
                    .col(QStringLiteral("ItemComponenteSugestao"), kItem)
                    .col(QStringLiteral("QuantidadeComponente"), kQuantity)
                    .index(QStringLiteral("Sugestao"), QStringLiteral("CodigoSugestao, ItemComponente"))
                    .done());

    s.push_back(Builder(tbl::SUGESTAO_JOGOREPARO)
                    .col(QStringLiteral("CodigoSugestao"), kCodeKey)
                    .col(QStringLiteral("ItemComponente"), kItem)
                    .col(QStringLiteral("CodigoJogoReparo"), kCodeKey)
                    .index(QStringLiteral("Sugestao"), QStringLiteral("CodigoSugestao, ItemComponente"))
                    .done());

    // ItemComponente may be Null here: a hot spot the catalogue left without
    // its item (the figure skips it).
    s.push_back(Builder(tbl::FIGURADETALHADA1)
                    .col(QStringLiteral("CodigoFiguraDetalhada"), kCodeKey)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .col(QStringLiteral("NumeroParte"), QStringLiteral("SHORT NOT NULL"))
                    .col(QStringLiteral("ArquivoFigura"), kFileName)
                    .col(QStringLiteral("ItemComponente"), kItem)
                    .col(QStringLiteral("ItemComponenteResumido"), kItem)
                    .col(QStringLiteral("PosicaoLeft"), QStringLiteral("SHORT"))
                    .col(QStringLiteral("PosicaoTop"), QStringLiteral("SHORT"))
                    .lang(QStringLiteral("DescricaoParte"), kDescription)
                    .key(QStringLiteral("CodigoFiguraDetalhada"))
                    .index(QStringLiteral("Peca"), QStringLiteral("CodigoPeca, NumeroParte"))
                    .done());

    s.push_back(Builder(tbl::FIGURADETALHADA)
                    .col(QStringLiteral("CodigoFigura"), kCodeKey)
                    .col(QStringLiteral("ItemComponente"), kItem + QStringLiteral(" NOT NULL"))
                    .col(QStringLiteral("NumeroParte"), QStringLiteral("SHORT NOT NULL"))
                    .index(QStringLiteral("Figura"), QStringLiteral("CodigoFigura, ItemComponente"))
                    .done());

    s.push_back(Builder(tbl::PARTESFIGURA)
                    .col(QStringLiteral("CodigoFigura"), kCodeKey)
                    .col(QStringLiteral("NumeroParte"), QStringLiteral("SHORT NOT NULL"))
                    .lang(QStringLiteral("DescricaoParte"), kDescription)
                    .key(QStringLiteral("CodigoFigura, NumeroParte"))
                    .done());

    if (withTipoPeca) {
        TableSpec t;
        t.name = tbl::TIPOPECA;
        t.columns = {{QStringLiteral("CodigoTipoPeca"), QStringLiteral("TEXT(1)")},
                     {QStringLiteral("DescricaoTipoPecaP"), QStringLiteral("TEXT(50)")},
                     {QStringLiteral("DescricaoTipoPecaE"), QStringLiteral("TEXT(50)")},
                     {QStringLiteral("DescricaoTipoPecaI"), QStringLiteral("TEXT(50)")}};
        t.createStatement = TipoPecaCreateStatement();
        s.push_back(t);
    }

    s.push_back(Builder(tbl::FABRICANTE)
                    .col(QStringLiteral("CodigoFabricante"), kCodeKey)
                    .lang(QStringLiteral("DescricaoFabricante"), kDescription)
                    .key(QStringLiteral("CodigoFabricante"))
                    .done());

    s.push_back(Builder(tbl::VEICULO)
                    .col(QStringLiteral("CodigoVeiculo"), kCodeKey)
                    .col(QStringLiteral("CodigoFabricante"), kCode)
                    .lang(QStringLiteral("DescricaoVeiculo"), kDescription)
                    .lang(QStringLiteral("DescricaoVeiculoPesquisa"), kDescription)
                    .key(QStringLiteral("CodigoVeiculo"))
                    .index(QStringLiteral("Fabricante"), QStringLiteral("CodigoFabricante"))
                    .done());

    s.push_back(Builder(tbl::VEICULO_PECA)
                    .col(QStringLiteral("CodigoVeiculo"), kCodeKey)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .index(QStringLiteral("Veiculo"), QStringLiteral("CodigoVeiculo"))
                    .index(QStringLiteral("Peca"), QStringLiteral("CodigoPeca"))
                    .done());

    s.push_back(Builder(tbl::REFERENCIACRUZADA)
                    .col(QStringLiteral("NumeroEmpresa"), kNumber + QStringLiteral(" NOT NULL"))
                    .col(QStringLiteral("CodigoFabricante"), kCode)
                    .col(QStringLiteral("NumeroFabricante"), QStringLiteral("TEXT(30)"))
                    .index(QStringLiteral("Numero"), QStringLiteral("NumeroEmpresa"))
                    .done());

    s.push_back(Builder(tbl::CODIGOFABRICANTE).col(QStringLiteral("CodigoFabricante"), kCode).done());

    s.push_back(Builder(tbl::APLICACAOOBS_Componente)
                    .col(QStringLiteral("CodigoObservacao"), kCodeKey)
                    .col(QStringLiteral("CodigoComponente"), kCodeKey)
                    .col(QStringLiteral("CodigoPeca"), kCode)
                    .col(QStringLiteral("ItemComponente"), kItem)
                    .index(QStringLiteral("Componente"), QStringLiteral("CodigoComponente"))
                    .done());

    s.push_back(Builder(tbl::APLICACAOOBS_JOGOREPARO)
                    .col(QStringLiteral("CodigoObservacao"), kCodeKey)
                    .col(QStringLiteral("CodigoJogoReparo"), kCodeKey)
                    .col(QStringLiteral("CodigoPeca"), kCode)
                    .index(QStringLiteral("Jogo"), QStringLiteral("CodigoJogoReparo"))
                    .done());

    s.push_back(Builder(tbl::APLICACAOOBS_Peca)
                    .col(QStringLiteral("CodigoObservacao"), kCodeKey)
                    .col(QStringLiteral("CodigoPeca"), kCodeKey)
                    .index(QStringLiteral("Peca"), QStringLiteral("CodigoPeca"))
                    .done());

    s.push_back(Builder(tbl::OBSERVACAO_RAPIDA)
                    .col(QStringLiteral("CodigoObservacao"), kCodeKey)
                    .lang(QStringLiteral("ObservacaoRapida"), QStringLiteral("TEXT(255)"))
                    .key(QStringLiteral("CodigoObservacao"))
                    .done());

    {
        Builder memo(tbl::OBSERVACAO_MEMO);
        memo.col(QStringLiteral("CodigoObservacao"), kCodeKey).lang(QStringLiteral("ObservacaoMemo"), QStringLiteral("MEMO"));
        if (withAttachments)
            memo.lang(QStringLiteral("Anexos"), QStringLiteral("TEXT(255)"));
        s.push_back(memo.key(QStringLiteral("CodigoObservacao")).done());
    }

    s.push_back(Builder(tbl::SUBSTITUIDOS)
                    .col(QStringLiteral("TipoItem"), QStringLiteral("TEXT(3) NOT NULL"))
                    .col(QStringLiteral("CodigoItem"), kCodeKey)
                    .col(QStringLiteral("CodigoItemNovo"), kCode)
                    .index(QStringLiteral("Item"), QStringLiteral("TipoItem, CodigoItem"))
                    .index(QStringLiteral("Novo"), QStringLiteral("TipoItem, CodigoItemNovo"))
                    .done());

    s.push_back(Builder(tbl::UMREGISTRO)
                    .col(QStringLiteral("UrlAtualizacao"), QStringLiteral("TEXT(255)"))
                    .col(QStringLiteral("Versao"), QStringLiteral("SHORT"))
                    .col(QStringLiteral("VersaoAnterior"), QStringLiteral("SHORT"))
                    .col(QStringLiteral("DataEmissao"), QStringLiteral("DATETIME"))
                    .col(QStringLiteral("ComplementoDataEmissao"), QStringLiteral("TEXT(50)"))
                    .col(QStringLiteral("DataUltimaVerificacao"), QStringLiteral("DATETIME"))
                    .col(QStringLiteral("FlagErroUltimaVerificacao"), QStringLiteral("SHORT"))
                    .done());

    s.push_back(Builder(tbl::CONTROLETRAN).col(QStringLiteral("a"), QStringLiteral("LONG")).done());

    return s;
}

}  // namespace demo
