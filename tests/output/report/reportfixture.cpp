#include "reportfixture.h"

#include "core/database.h"
#include "core/globals.h"
#include "platform/dao/dao.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMap>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace reporttest {

const demo::Summary& Catalogo(const QString& edicao)
{
    static tqtest::TempDir pasta;
    static QMap<QString, demo::Summary> feitos;
    auto it = feitos.find(edicao);
    if (it == feitos.end()) {
        demo::Options o = demo::Options::Fixture(edicao, pasta.file(QStringLiteral("dados") + edicao));
        o.writeFiles = edicao == QLatin1String("V");
        it = feitos.insert(edicao, demo::GenerateDataFolder(o));
    }
    return *it;
}

CatalogoAberto::CatalogoAberto(const QString& edicao, const QString& idioma) : CatalogoAberto(Catalogo(edicao), idioma) {}

CatalogoAberto::CatalogoAberto(const demo::Summary& pasta, const QString& idioma)
    : s(pasta), m_edicao(Modulo::gEdicao), m_idioma(Modulo::gIdioma), m_dados(Modulo::gCaminhoDados),
      m_emissao(Modulo::gTextoDataEmissao)
{
    Modulo::gTextoDataEmissao = QStringLiteral("15-MAR-2024 R2");
    Modulo::gEdicao = s.edition;
    Modulo::gIdioma = idioma;
    Modulo::gCaminhoDados = s.dataFolder;
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(s.catalogueFile, false, true);
}

CatalogoAberto::~CatalogoAberto()
{
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::gEdicao = m_edicao;
    Modulo::gIdioma = m_idioma;
    Modulo::gCaminhoDados = m_dados;
    Modulo::gTextoDataEmissao = m_emissao;
}

EscolhaSaida Escolha(long codigoPeca, const QString& opcoes, int parte)
{
    EscolhaSaida e;
    saida::PreparaEscolha(e, codigoPeca, opcoes, parte);
    return e;
}

SaidaGravada::SaidaGravada(int dpi, bool impressora, long codigoPeca)
{
    auto g = std::make_unique<saida::SuperficieGravacao>(dpi);
    gravacao = g.get();
    saida.CodigoPecaSaida = codigoPeca;
    saida.IniciaSaidaEm(std::move(g), impressora);
}

double ColunaDe(SaidaGravada& r, const saida::Operacao* op) { return op->x / r.saida.mEscalaSaida - r.saida.mMargemEsquerda; }

platform::dao::RecordsetPtr Linhas(tqtest::TempDir& pasta, const QString& criacao, const QStringList& insercoes,
                                   const QString& consulta, platform::dao::DatabasePtr& db)
{
    db = platform::dao::DBEngine::CreateDatabase(pasta.file(QStringLiteral("aux.mdb")));
    db->Execute(criacao);
    for (const QString& s : insercoes)
        db->Execute(s);
    return db->OpenRecordset(consulta, platform::dao::dbOpenSnapshot);
}

ImpressoraGravada::ImpressoraGravada()
{
    saida.FabricaSuperficieImpressora = [this](int dpi) {
        auto g = std::make_unique<saida::SuperficieGravacao>(dpi);
        gravacao = g.get();
        return g;
    };
}

double Branco(const saida::Operacao& op, int dpi)
{
    QFont fonte(op.fonte);
    fonte.setPointSizeF(op.tamanho);
    fonte.setBold(op.negrito);
    fonte.setItalic(op.italico);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    QImage dispositivo(1, 1, QImage::Format_Grayscale8);
    const int dpm = int(std::lround(dpi / 0.0254));
    dispositivo.setDotsPerMeterX(dpm);
    dispositivo.setDotsPerMeterY(dpm);
    return QFontMetricsF(fonte, &dispositivo).horizontalAdvance(QLatin1Char(' '));
}

std::vector<std::vector<const saida::Operacao*>> LinhasImpressas(const saida::SuperficieGravacao& g)
{
    std::vector<std::vector<const saida::Operacao*>> todas;
    for (int p = 1; p <= g.Paginas(); ++p) {
        std::map<double, std::vector<const saida::Operacao*>> linhas;
        for (const saida::Operacao* op : g.Textos(p))
            linhas[op->y].push_back(op);
        for (auto& [y, textos] : linhas) {
            std::sort(textos.begin(), textos.end(), [](const saida::Operacao* a, const saida::Operacao* b) { return a->x < b->x; });
            todas.push_back(textos);
        }
    }
    return todas;
}

QStringList Juntos(const saida::SuperficieGravacao& g)
{
    QStringList juntos;
    for (const auto& textos : LinhasImpressas(g))
        for (std::size_t i = 0; i + 1 < textos.size(); ++i)
            if (textos[i]->x + textos[i]->largura + Branco(*textos[i], g.Dpi()) > textos[i + 1]->x + 1e-6)
                juntos << textos[i]->texto + QStringLiteral(" | ") + textos[i + 1]->texto;
    return juntos;
}

QString TextoPdf(const QString& pdf, int pagina)
{
    QStringList a{QStringLiteral("-layout")};
    if (pagina)
        a << QStringLiteral("-f") << QString::number(pagina) << QStringLiteral("-l") << QString::number(pagina);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), a << pdf << QStringLiteral("-"));
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace reporttest
