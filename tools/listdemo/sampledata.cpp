#include "sampledata.h"

#include "platform/dao/dao.h"

#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <stdexcept>

namespace listdemo {
namespace {

const QStringList kComponentes = {
    QStringLiteral("Anel sincronizador"),      QStringLiteral("Rolamento de rolos cônicos"),
    QStringLiteral("Retentor do eixo piloto"), QStringLiteral("Engrenagem da 5ª marcha"),
    QStringLiteral("Garfo seletor"),           QStringLiteral("Luva deslizante"),
    QStringLiteral("Eixo piloto"),             QStringLiteral("Carcaça da embreagem"),
    QStringLiteral("Arruela de encosto"),      QStringLiteral("Parafuso sextavado M10 x 1,5"),
    QStringLiteral("Anel elástico"),           QStringLiteral("Junta da tampa traseira"),
    QStringLiteral("Bujão magnético"),         QStringLiteral("Mola de retorno"),
    QStringLiteral("Pino elástico"),           QStringLiteral("Cubo sincronizador"),
    QStringLiteral("Engrenagem da ré"),        QStringLiteral("Eixo intermediário"),
    QStringLiteral("Coroa e pinhão"),          QStringLiteral("Semieixo"),
    QStringLiteral("Satélite do diferencial"), QStringLiteral("Planetária"),
    QStringLiteral("Capa do rolamento"),       QStringLiteral("Calço de regulagem"),
};
const QStringList kVariantes = {QStringLiteral("1ª/2ª"), QStringLiteral("3ª/4ª"), QStringLiteral("5ª"),
                                QStringLiteral("reforçado"), QStringLiteral("standard"), QStringLiteral("longo"),
                                QStringLiteral("curto"), QStringLiteral("dianteiro"), QStringLiteral("traseiro")};
const QStringList kJogos = {QStringLiteral("Jogo de reparo do sincronizador"), QStringLiteral("Jogo de juntas completo"),
                            QStringLiteral("Jogo de retentores"), QStringLiteral("Jogo de rolamentos"),
                            QStringLiteral("Jogo de reparo do diferencial"), QStringLiteral("Jogo de garfos seletores")};
const QStringList kConjuntos = {QStringLiteral("Transmissão 5 marchas"), QStringLiteral("Transmissão 6 marchas"),
                                QStringLiteral("Eixo traseiro"), QStringLiteral("Eixo dianteiro motriz")};

void Exec(sqlite3* h, const char* sql)
{
    char* erro = nullptr;
    if (sqlite3_exec(h, sql, nullptr, nullptr, &erro) != SQLITE_OK) {
        const std::string texto = erro ? erro : "sqlite error";
        sqlite3_free(erro);
        throw std::runtime_error(texto);
    }
}

class Insercao {
public:
    Insercao(sqlite3* h, const char* sql)
    {
        if (sqlite3_prepare_v2(h, sql, -1, &m_st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(h));
    }
    ~Insercao() { sqlite3_finalize(m_st); }
    Insercao& texto(int i, const QString& v)
    {
        const QByteArray b = v.toUtf8();
        sqlite3_bind_text(m_st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insercao& numero(int i, long long v)
    {
        sqlite3_bind_int64(m_st, i, v);
        return *this;
    }
    void executa()
    {
        sqlite3_step(m_st);
        sqlite3_reset(m_st);
    }

private:
    sqlite3_stmt* m_st = nullptr;
};

QString Numero(long long base)
{
    return QString::number(base).rightJustified(10, QLatin1Char('0'));
}

// The search form of a description: upper case, letters and digits only.
QString FormaPesquisa(const QString& texto)
{
    QString out;
    for (const QChar c : texto.toUpper())
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

// Flags: position 1 set (a note) on roughly one row in four.
QString Flags(int i)
{
    return (i % 4 == 1) ? QStringLiteral(" \r\r\r") : QStringLiteral("\r\r\r\r");
}

}  // namespace

QString EscreveCatalogoExemplo(const QString& pasta)
{
    const QString caminho = pasta + QStringLiteral("/DAZADIZETQ_V.MDB");
    QFile::remove(caminho);
    auto db = platform::dao::DBEngine::CreateDatabase(caminho);
    db->Execute(QStringLiteral("CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1) NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY KEY, "
                               "DescricaoTipoPecaP TEXT(50) NOT NULL, DescricaoTipoPecaE TEXT(50) NOT NULL, "
                               "DescricaoTipoPecaI TEXT(50) NOT NULL)"));
    db->Execute(QStringLiteral("CREATE TABLE PECA (CodigoPeca LONG, NumeroEmpresaPeca TEXT(15), DescricaoPecaP TEXT(50), "
                               "DescricaoPecaE TEXT(50), DescricaoPecaI TEXT(50), DescricaoPecaPesquisaP TEXT(50), "
                               "DescricaoPecaPesquisaE TEXT(50), DescricaoPecaPesquisaI TEXT(50), TipoPeca TEXT(1), "
                               "ImagensGrid TEXT(4))"));
    db->Execute(QStringLiteral("CREATE TABLE COMPONENTE (CodigoComponente LONG, NumeroEmpresaComponente TEXT(15), "
                               "DescricaoComponenteP TEXT(50), DescricaoComponenteE TEXT(50), "
                               "DescricaoComponenteI TEXT(50), ImagensGrid TEXT(4))"));
    db->Execute(QStringLiteral("CREATE TABLE JOGOREPARO (CodigoJogoReparo LONG, NumeroEmpresaJogoReparo TEXT(15), "
                               "DescricaoJogoReparoP TEXT(50), DescricaoJogoReparoE TEXT(50), "
                               "DescricaoJogoReparoI TEXT(50), ImagensGrid TEXT(4))"));
    db->Execute(QStringLiteral("CREATE TABLE CODIGOFABRICANTE (a LONG)"));

    sqlite3* h = db->nativeHandle();
    Exec(h, "BEGIN");
    Exec(h, "INSERT INTO CODIGOFABRICANTE VALUES (1)");
    {
        Insercao t(h, "INSERT INTO TIPOPECA VALUES (?1, ?2, ?3, ?4)");
        t.texto(1, QStringLiteral("T")).texto(2, QStringLiteral("Transmissão")).texto(3, QStringLiteral("Transmisión"))
            .texto(4, QStringLiteral("Transmission")).executa();
        t.texto(1, QStringLiteral("E")).texto(2, QStringLiteral("Eixo")).texto(3, QStringLiteral("Eje"))
            .texto(4, QStringLiteral("Axle")).executa();
    }
    {
        Insercao p(h, "INSERT INTO PECA VALUES (?1, ?2, ?3, ?3, ?3, ?6, ?6, ?6, ?4, ?5)");
        for (int i = 0; i < 40; ++i) {
            const QString nome = kConjuntos[i % kConjuntos.size()];
            const QString modelo = QStringLiteral("%1-%2").arg(nome.startsWith(QLatin1String("Eixo")) ? "RS" : "S").arg(200 + 20 * i);
            p.numero(1, 1 + i).texto(2, Numero(501200000LL + 3571LL * i)).texto(3, nome + QLatin1Char(' ') + modelo)
                .texto(4, nome.startsWith(QLatin1String("Eixo")) ? QStringLiteral("E") : QStringLiteral("T"))
                .texto(5, Flags(i)).texto(6, FormaPesquisa(nome + QLatin1Char(' ') + modelo)).executa();
        }
    }
    {
        Insercao c(h, "INSERT INTO COMPONENTE VALUES (?1, ?2, ?3, ?3, ?3, ?4)");
        int codigo = 1;
        for (int v = 0; v < kVariantes.size(); ++v) {
            for (int k = 0; k < kComponentes.size(); ++k, ++codigo) {
                c.numero(1, codigo).texto(2, Numero(501300000LL + 7919LL * codigo))
                    .texto(3, kComponentes[k] + QLatin1Char(' ') + kVariantes[v]).texto(4, Flags(codigo)).executa();
            }
        }
    }
    {
        Insercao j(h, "INSERT INTO JOGOREPARO VALUES (?1, ?2, ?3, ?3, ?3, ?4)");
        for (int i = 0; i < 36; ++i) {
            j.numero(1, 1 + i).texto(2, Numero(501100000LL + 1237LL * i))
                .texto(3, kJogos[i % kJogos.size()] + QStringLiteral(" S5-%1").arg(200 + 20 * (i / kJogos.size())))
                .texto(4, Flags(i + 2)).executa();
        }
    }
    Exec(h, "COMMIT");
    db->Close();
    return caminho;
}

}  // namespace listdemo
