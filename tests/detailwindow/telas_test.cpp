// The detail window's own screens on the demo catalogue: notes with their
// attachment rows and the paths given to the opener, the kits' note flag,
// the vehicles' order, the optionals, edition M's widths, the
// cross-reference panel on real row changes.

#include "detalhefixture.h"

#include "core/texts.h"
#include "listcontrols/thcolumns.h"

#include <QAbstractItemView>
#include <QFile>
#include <QPlainTextEdit>

using tqtest::DetalheFixture;

namespace {

void Toca(const QString& caminho)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4\n");
}

QStringList Anexos(const frmTQ2& j)
{
    QStringList r;
    for (const auto* l : j.lblAnexo)
        if (!l->isHidden())
            r << l->text();
    return r;
}

// The icon column flags of the list's rows: "+" shown, "." not, per flag
// column (the flag text of the rows' ImagensGrid).
QStringList Notas(frmTQ2& j)
{
    QStringList r;
    const auto rs = j.dtcTHGrid1->Recordset();
    const int f = rs->FieldIndex(QStringLiteral("ImagensGrid"));
    for (long i = 0; i < rs->RecordCount(); ++i)
        r << (rs->ValueAt(i, f).toString().startsWith(QLatin1Char(' ')) ? QStringLiteral("+") : QStringLiteral("."));
    return r;
}

}  // namespace

class TelasTest : public DetalheFixture {
protected:
    QString ComponenteDoItem(const QString& item)
    {
        return Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 "
                                                    "AND ItemComponente = '%2' AND FlagOpcionalComponente = 0")
                                         .arg(resumo().showcaseAssembly)
                                         .arg(item))
            .toString();
    }
    QString PedidoKits() const
    {
        return QStringLiteral("1|%1|%2|%3|0").arg(resumo().showcaseAssembly).arg(resumo().kitNotesItem, m_componenteKits);
    }
    void SetUp() override
    {
        DetalheFixture::SetUp();
        m_componenteKits = ComponenteDoItem(resumo().kitNotesItem);
    }
    QString m_componenteKits;
};

TEST_F(TelasTest, AttachmentRowsOfAnOddList)
{
    // "INSTRUCOES_JOGO.pdf/ /LISTA_PECAS.txt" and "/VISTA_EXPLODIDA.pdf/
    // FOTOS_JOGO.pdf": four names, an empty first piece, a blank piece.
    frmTQ2& j = Abre(QStringLiteral("0|JRE|%1|%2").arg(resumo().kitWithFourAttachments).arg(resumo().showcaseAssembly));
    EXPECT_EQ(Anexos(j), (QStringList{QStringLiteral("INSTRUCOES_JOGO.pdf"), QStringLiteral("LISTA_PECAS.txt"),
                                      QStringLiteral("VISTA_EXPLODIDA.pdf")}));
    EXPECT_EQ(j.lblTitAnexo->text(), QStringLiteral("ANEXOS:"));
    EXPECT_FALSE(j.lblTitAnexo->isHidden());
    EXPECT_EQ(j.txtObservacao->height(), 200);
    // Catalogue texts are never read as rich text.
    EXPECT_EQ(j.lblTitAnexo->textFormat(), Qt::PlainText);
    EXPECT_EQ(j.lblAnexo[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(j.lblSubTitulo->textFormat(), Qt::PlainText);
    EXPECT_EQ(j.lblDescricaoParteFigura->textFormat(), Qt::PlainText);

    // The notes of another kit, one attachment stored with blanks around it.
    j.ExibeTelaObservacao(200, QStringLiteral("JRE"), resumo().kitNoteEveryAssembly, resumo().showcaseAssembly,
                          std::nullopt, QString());
    EXPECT_EQ(Anexos(j), QStringList{QStringLiteral("GUIA.pdf")});
    EXPECT_EQ(j.lblTitAnexo->text(), QStringLiteral("ANEXO:"));
    EXPECT_TRUE(j.imgIcoAnexo[1]->isHidden());
    EXPECT_TRUE(j.imgIcoAnexo[2]->isHidden());
}

TEST_F(TelasTest, AttachmentsOpenInsideTheFolderOrGiveResultTwo)
{
    const QString anexos = resumo().dataFolder + QStringLiteral("Anexos/");
    Toca(anexos + QStringLiteral("GUIA.pdf"));
    Toca(anexos + QStringLiteral("Tabela_Torques.pdf"));
    Toca(resumo().dataFolder + QStringLiteral("FORA.pdf"));
    QFile::link(resumo().dataFolder + QStringLiteral("FORA.pdf"), anexos + QStringLiteral("ATALHO.pdf"));

    frmTQ2& guia = Abre(QStringLiteral("0|JRE|%1|%2").arg(resumo().kitNoteEveryAssembly).arg(resumo().showcaseAssembly));
    guia.lblAnexo_Click(0);
    Q_EMIT guia.imgIcoAnexo[0]->clicado(1);  // the icon opens what the label opens
    EXPECT_EQ(m_abridor.opened, (QStringList{anexos + QStringLiteral("GUIA.pdf"), anexos + QStringLiteral("GUIA.pdf")}));

    // The stored name differs in letter case from the file.
    m_abridor.opened.clear();
    frmTQ2& manual = Abre(QStringLiteral("0|PCA|%1").arg(resumo().assemblyNoteAssembly));
    ASSERT_EQ(Anexos(manual).value(1), resumo().attachmentCaseMismatch);
    manual.lblAnexo_Click(1);
    EXPECT_EQ(m_abridor.opened, QStringList{anexos + QStringLiteral("Tabela_Torques.pdf")});
    EXPECT_TRUE(m_caixas.shown.empty());

    // Missing files and names that leave the folder: the box of a missing
    // file, nothing opened.
    m_abridor.opened.clear();
    struct Caso {
        const char* nome;
        QString anexo;
    };
    const Caso casos[] = {
        {"missing file", resumo().missingAttachment},
        {"up and out", QStringLiteral("../") + Modulo::NomeArquivoCatalogo()},
        {"absolute", QStringLiteral("/etc/hostname")},
        {"a link to a file outside", QStringLiteral("ATALHO.pdf")},
        {"the folder itself", QStringLiteral(".")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        m_caixas.shown.clear();
        manual.lblAnexo[0]->setText(c.anexo);
        manual.lblAnexo_Click(0);
        ASSERT_EQ(m_caixas.shown.size(), 1u);
        EXPECT_EQ(m_caixas.last().text,
                  QStringLiteral("Erro ao Abrir o Arquivo \"%1\"\r\n\r\nErro Nº: (2)\r\nFile not found").arg(anexos + c.anexo));
        EXPECT_EQ(m_caixas.last().icon(), platform::vbCritical);
    }
    EXPECT_TRUE(m_abridor.opened.isEmpty());
}

TEST_F(TelasTest, NotesWithoutTextOrAttachments)
{
    frmTQ2& j = Abre(QStringLiteral("0|COM|987654321"));  // no such component
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(j.txtObservacao->toPlainText().isEmpty());
    EXPECT_EQ(j.txtObservacao->height(), 300);
    EXPECT_TRUE(j.lblTitAnexo->isHidden());
    EXPECT_TRUE(Anexos(j).isEmpty());
    EXPECT_TRUE(j.txtObservacao->isReadOnly());
    EXPECT_TRUE(j.txtObservacao->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(TelasTest, CatalogueWithoutAttachmentColumns)
{
    tqtest::TempDir pasta;
    demo::Options o = demo::Options::Fixture(QStringLiteral("V"), pasta.file(QStringLiteral("V")));
    o.noAttachments = true;
    const demo::Summary s = demo::GenerateDataFolder(o);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::gCaminhoDados = s.dataFolder;
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(s.catalogueFile, false, true);
    frmTQ2& j = Abre(QStringLiteral("0|PCA|%1").arg(s.assemblyNoteAssembly));
    EXPECT_FALSE(j.txtObservacao->toPlainText().isEmpty());
    EXPECT_EQ(j.txtObservacao->height(), 300);
    EXPECT_TRUE(Anexos(j).isEmpty());
    EXPECT_TRUE(j.lblTitAnexo->isHidden());
}

TEST_F(TelasTest, KitsShowTheNoteIconForThisAssemblyAndEveryAssembly)
{
    frmTQ2& j = Abre(PedidoKits());
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("1"));
    const auto rs = j.dtcTHGrid1->Recordset();
    std::map<long, QString> nota;
    const QStringList flags = Notas(j);
    for (long i = 0; i < rs->RecordCount(); ++i)
        nota[rs->ValueAt(i, rs->FieldIndex(QStringLiteral("CodigoJogoReparo"))).toLongLong()] = flags[i];
    EXPECT_EQ(nota[resumo().kitNoteThisAssembly], QStringLiteral("+"));
    EXPECT_EQ(nota[resumo().kitNoteOtherAssembly], QStringLiteral("."));
    EXPECT_EQ(nota[resumo().kitNoteEveryAssembly], QStringLiteral("+"));
    // Sorted by description; numbers formatted.
    const QStringList descricoes = Coluna(j, QStringLiteral("DescricaoJogoReparo"));
    QStringList ordenadas = descricoes;
    std::sort(ordenadas.begin(), ordenadas.end());
    EXPECT_EQ(descricoes, ordenadas);
    EXPECT_TRUE(Coluna(j, QStringLiteral("NumeroEmpresaJogoReparo")).value(0).contains(QLatin1Char(' ')));
    EXPECT_EQ(j.grdTHGrid1->width(), 433);
    EXPECT_FALSE(j.pctPainelRef[0].pctPainelRef->isHidden());
    EXPECT_EQ(j.pctPainelRefTag[0], QString::number(resumo().showcaseAssembly));
}

TEST_F(TelasTest, AnItemWithAnApostropheGivesAnEmptyList)
{
    frmTQ2& j = Abre(QStringLiteral("1|%1|12'A|5|0").arg(resumo().showcaseAssembly));
    EXPECT_TRUE(m_caixas.shown.empty());
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 0);
    EXPECT_EQ(j.grdTHGrid1->mTextGridVazio, QStringLiteral("Nenhum Item Encontrado"));
    frmTQ2& o = Abre(QStringLiteral("4|%1|5|12'A|0").arg(resumo().showcaseAssembly));
    EXPECT_TRUE(m_caixas.shown.empty());
    EXPECT_EQ(o.dtcTHGrid1->Recordset()->RecordCount(), 0);
}

TEST_F(TelasTest, VehiclesOfEqualDescriptionByMaker)
{
    frmTQ2& j = Abre(QStringLiteral("2|%1").arg(resumo().showcaseAssembly));
    const QStringList veiculos = Coluna(j, QStringLiteral("Veiculo"));
    const QStringList fabricantes = Coluna(j, QStringLiteral("Fabricante"));
    const int a = veiculos.indexOf(resumo().twinVehicleDescription);
    ASSERT_GE(a, 0);
    ASSERT_EQ(veiculos.value(a + 1), resumo().twinVehicleDescription);
    EXPECT_LT(fabricantes[a].localeAwareCompare(fabricantes[a + 1]), 0);
    EXPECT_EQ(j.grdTHGrid1->width(), 544);
    Modulo::gEdicao = QStringLiteral("M");
    EXPECT_EQ(Abre(QStringLiteral("2|%1").arg(resumo().showcaseAssembly)).grdTHGrid1->width(), 544);
}

TEST_F(TelasTest, OptionalsListOnlyTheAlternatives)
{
    const QString item = resumo().notedAlternativeItem;
    const QString regular = ComponenteDoItem(item);
    frmTQ2& j = Abre(QStringLiteral("4|%1|%2|%3|0").arg(resumo().showcaseAssembly).arg(regular, item));
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("4"));
    const QStringList codigos = Coluna(j, QStringLiteral("CodigoComponente"));
    EXPECT_FALSE(codigos.isEmpty());
    EXPECT_FALSE(codigos.contains(regular));
    const auto flags = Modulo::ObtemListaSQL(QStringLiteral("SELECT FlagOpcionalComponente FROM PECA_COMPONENTE WHERE "
                                                            "CodigoPeca = %1 AND ItemComponente = '%2' AND CodigoComponente IN (%3)")
                                                 .arg(resumo().showcaseAssembly)
                                                 .arg(item, codigos.join(QLatin1Char(','))));
    EXPECT_EQ(flags, QStringList(codigos.size(), QStringLiteral("1")).join(QLatin1Char(',')));
    EXPECT_EQ(Notas(j).value(codigos.indexOf(QString::number(resumo().notedAlternative))), QStringLiteral("+"));
    EXPECT_EQ(j.imgTitQuantidade[1]->x(), 368);
}

TEST_F(TelasTest, EditionMWidensTheListsAndHidesTheCrossReferences)
{
    Modulo::gEdicao = QStringLiteral("M");
    frmTQ2& k = Abre(PedidoKits());
    EXPECT_EQ(k.grdTHGrid1->width(), 553);
    EXPECT_EQ(k.grdTHGrid1->Columns(2).Width(), 390 * 15);
    EXPECT_TRUE(k.pctPainelRef[0].pctPainelRef->isHidden());
    EXPECT_TRUE(k.imgTitNo[1]->isHidden());

    const QString item = resumo().notedAlternativeItem;
    frmTQ2& o = Abre(QStringLiteral("4|%1|%2|%3|0").arg(resumo().showcaseAssembly).arg(ComponenteDoItem(item), item));
    EXPECT_EQ(o.grdTHGrid1->width(), 553);
    EXPECT_EQ(o.grdTHGrid1->Columns(2).Width(), 357 * 15);
    EXPECT_EQ(o.imgTitQuantidade[1]->x(), 488);
    EXPECT_TRUE(o.pctPainelRef[1].pctPainelRef->isHidden());
    EXPECT_TRUE(o.imgTitNo[0]->isHidden());
}

TEST_F(TelasTest, CrossReferencesOnlyOnARealRowChange)
{
    frmTQ2& j = Abre(PedidoKits());
    const auto rs = j.dtcTHGrid1->Recordset();
    ASSERT_GE(rs->RecordCount(), 3);
    rs->SetAbsolutePosition(1);
    const int depois = j.mAtualizacoesReferencia;
    EXPECT_GE(depois, 1);
    // Another column of the same row: no refresh.
    QAbstractItemView* grade = j.grdTHGrid1->innerGrid();
    grade->setCurrentIndex(grade->model()->index(1, 2));
    grade->setCurrentIndex(grade->model()->index(1, 1));
    EXPECT_EQ(j.mAtualizacoesReferencia, depois);
    // The next kit: refreshed.
    rs->SetAbsolutePosition(2);
    EXPECT_EQ(j.mAtualizacoesReferencia, depois + 1);
}

TEST_F(TelasTest, NotesIconOfAKitOpensItsNotesForThisAssembly)
{
    frmTQ2& j = Abre(PedidoKits());
    j.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("CodigoJogoReparo = %1").arg(resumo().kitNoteEveryAssembly));
    Q_EMIT j.grdTHGrid1->ImageClick(1, {}, 1);
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("10"));
    EXPECT_EQ(Anexos(j), QStringList{QStringLiteral("GUIA.pdf")});
    EXPECT_TRUE(j.lblSubTitulo->text().startsWith(Modulo::ObtemTexto(4)));
}
