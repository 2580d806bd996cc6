#pragma once
// Fixtures of the report output tests: demo data folders made once per test
// program (edition V with its drawings, edition M without files), opened as
// the run's catalogue with a fixed issue date text, and a recording
// Ambiente.

#include "output/report/saida.h"
#include "output/report/superficiegravacao.h"
#include "support/fakemessagebox.h"
#include "support/fakeprintdialog.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "tools/demo/demo.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

namespace reporttest {

// The demo folders: made on first use, kept until the program ends.
const demo::Summary& Catalogo(const QString& edicao);

// Opens the folder's catalogue as gDbDazadize with gEdicao, gIdioma "P",
// gCaminhoDados and gTextoDataEmissao ("15-MAR-2024 R2") set; closes it and
// restores them at the end.
class CatalogoAberto {
public:
    explicit CatalogoAberto(const QString& edicao, const QString& idioma = QStringLiteral("P"));
    // Another data folder (the demo catalogue itself, say).
    CatalogoAberto(const demo::Summary& pasta, const QString& idioma);
    ~CatalogoAberto();
    const demo::Summary& s;

private:
    QString m_edicao, m_idioma, m_dados, m_emissao;
};

// Records the progress captions and the window's enabling ("off", "on").
class AmbienteTeste final : public saida::Ambiente {
public:
    void MostraStatus(const QString& texto) override { status << texto; }
    void HabilitaJanela(bool habilitada) override { janela << (habilitada ? "on" : "off"); }
    QDateTime Agora() const override { return agora; }

    QStringList status;
    QStringList janela;
    QDateTime agora{QDate(2024, 5, 1), QTime(14, 3, 9)};
};

// The part chooser's state as request 5 presets it.
EscolhaSaida Escolha(long codigoPeca, const QString& opcoes, int parte);

// A Saida on a recording surface of `dpi`, set up as the printer (or as the
// page canvas).
struct SaidaGravada {
    explicit SaidaGravada(int dpi = 600, bool impressora = true, long codigoPeca = 0);
    saida::SuperficieGravacao& g() { return *gravacao; }
    AmbienteTeste ambiente;
    saida::Saida saida{ambiente};
    saida::SuperficieGravacao* gravacao = nullptr;
};

// The x of a text in layout units from the left margin.
double ColunaDe(SaidaGravada& r, const saida::Operacao* op);

// A table of rows in a scratch database, as the grids' recordsets give them:
// `criacao` and `insercoes` run on a new database in `pasta`, `consulta`
// opens the snapshot returned (db keeps the database open).
platform::dao::RecordsetPtr Linhas(tqtest::TempDir& pasta, const QString& criacao, const QStringList& insercoes,
                                   const QString& consulta, platform::dao::DatabasePtr& db);

// The printer of the print dialog replaced by a recording surface.
struct ImpressoraGravada {
    ImpressoraGravada();
    tqtest::FakePrintDialogs dialogos{QString(), 600};
    AmbienteTeste ambiente;
    saida::Saida saida{ambiente};
    saida::SuperficieGravacao* gravacao = nullptr;
    double Coluna(const saida::Operacao* op) const { return op->x / saida.mEscalaSaida - saida.mMargemEsquerda; }
};

// The width of a blank in the font of the text `op`, on a device of `dpi`.
double Branco(const saida::Operacao& op, int dpi);

// The texts of every line, in order: on each page, the texts of one y from
// left to right.
std::vector<std::vector<const saida::Operacao*>> LinhasImpressas(const saida::SuperficieGravacao& g);

// The texts that come within a blank of the next text of their line (or run
// into it), on every page: "the text | the next one".
QStringList Juntos(const saida::SuperficieGravacao& g);

// The text of a PDF file (of one page, or all pages for 0) as pdftotext
// -layout reads it.
QString TextoPdf(const QString& pdf, int pagina = 0);

}  // namespace reporttest
