// The search screens' statements built from whatever the user types: the
// first byte chooses the kind boxes, the edition and the language; the rest,
// split at line feeds, fills the number box, the description box, the
// maker's number box, the type code and the vehicle box.
//
// Checked besides crashes: any typed text is a valid search — every built
// statement goes through the Jet translator without an error (then runs on
// the small catalogue, where only the fuzz budget may stop it); the
// description pattern holds nothing but A-Z, 0-9, "*" and the accent classes.
#include "fuzzsupport.h"

#include "platform/dao/jetsql.h"
#include "search/sqlpesquisa.h"
#include "search/textopesquisa.h"

#include <QStringList>

using namespace platform::dao;

namespace {

void Traduz(const QString& sql, const char* qual)
{
    if (sql.isEmpty())
        return;
    try {
        (void)jet::TranslateStatement(sql);
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "%s: %ld %s\n%s\n", qual, e.number(), qPrintable(e.description()), qPrintable(sql));
        tqfuzz::Finding("a typed text made a search statement that does not translate");
    }
    tqfuzz::RolledBack([&](const DatabasePtr& db) {
        const RecordsetPtr rs = db->OpenRecordset(sql, dbOpenSnapshot);
        while (!rs->EOF_())
            rs->MoveNext();
        rs->Close();
    });
}

void Padrao(const QString& texto)
{
    static const QString permitidos = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789*[]ÁÀÂÄÃªÉÈÊËÍÌÎÏÓÒÔÖÕºÚÙÛÜÇ");
    for (const QChar c : Pesquisa::PadraoTextoPesquisa(texto))
        if (!permitidos.contains(c))
            tqfuzz::Finding("a search pattern holds a character outside its alphabet");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t f = data[0];
    const QStringList caixas = tqfuzz::Utf8(data + 1, size - 1).split(QLatin1Char('\n'));
    const auto caixa = [&](int i) { return i < caixas.size() ? caixas[i] : QString(); };

    Pesquisa::EntradaPesquisaPecas e;
    e.componentes = f & 1;
    e.jogosReparo = f & 2;
    e.transmissoes = f & 4;
    e.eixos = f & 8;
    e.edicao = QString(QLatin1Char("VADM"[(f >> 4) & 3]));
    e.idioma = QString(QLatin1Char("PEIP"[(f >> 6) & 3]));
    e.numeroEmpresa = caixa(0);
    e.descricao = caixa(1);
    e.numeroFabricante = caixa(2);
    if (caixas.size() > 3)
        e.codigoTipoPeca = caixa(3);
    Traduz(Pesquisa::SqlPesquisaPecas(e, (f & 1) ? QStringLiteral("1") : QStringLiteral("2")), "part search");
    Traduz(Pesquisa::SqlPesquisaVeiculos(caixa(4), caixa(2).size(), e.idioma), "vehicle search");
    Padrao(caixa(1));
    Padrao(caixa(4));
    return 0;
}
