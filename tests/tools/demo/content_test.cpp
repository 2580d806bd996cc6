// The content of the demo catalogue: the three figure tables agree with each
// other and with the drawings, the special cases that the summary names are
// in the rows, supersession chains and cycles, and the generator's own
// promises (same seed, same folder; scale; a foreign folder is never
// replaced).

#include "fixture.h"

#include "tools/demo/drawing.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <map>
#include <set>

using demotest::Folder;

namespace {

QString key(const std::vector<QVariant>& r, std::initializer_list<int> cols)
{
    QStringList parts;
    for (int c : cols)
        parts << r[std::size_t(c)].toString();
    return parts.join(QLatin1Char('|'));
}

class FigureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FigureTest, TheThreeFigureTablesAgree)
{
    const Folder f = demotest::Generate(demotest::Small(QLatin1String(GetParam())));

    // Labels, joined to their assembly's figure.
    const auto labels = f.rows(QStringLiteral(
        "SELECT p.CodigoFigura, d.ItemComponente, d.NumeroParte, d.ArquivoFigura, d.DescricaoParteP, d.DescricaoParteE, "
        "d.DescricaoParteI, d.PosicaoLeft, d.PosicaoTop, d.CodigoPeca, d.ItemComponenteResumido "
        "FROM FIGURADETALHADA1 AS d INNER JOIN PECA AS p ON d.CodigoPeca = p.CodigoPeca"));
    ASSERT_FALSE(labels.empty());
    QSet<QString> items, parts;
    for (const auto& r : f.rows(QStringLiteral("SELECT CodigoFigura, ItemComponente, NumeroParte FROM FIGURADETALHADA")))
        items.insert(key(r, {0, 1, 2}));
    std::map<QString, QString> partTitles;
    for (const auto& r : f.rows(QStringLiteral("SELECT CodigoFigura, NumeroParte, DescricaoParteP, DescricaoParteE, DescricaoParteI FROM PARTESFIGURA")))
        partTitles[key(r, {0, 1})] = key(r, {2, 3, 4});

    std::map<QString, QString> fileOfPage;          // assembly|page -> drawing file
    std::map<QString, std::vector<QRect>> boxes;    // assembly|page -> label boxes
    QSet<QString> drawnItems;                       // figure|item|page seen through labels
    for (const auto& r : labels) {
        const QString page = key(r, {0, 2});
        SCOPED_TRACE((r[9].toString() + QStringLiteral(" item ") + r[1].toString()).toStdString());
        // The hot spot left without its item names nothing (the figure skips it).
        const bool withoutItem = platform::dao::IsNull(r[1]);
        EXPECT_EQ(withoutItem, r[9].toLongLong() == f.summary.casesAssembly && r[2].toInt() == 0 && withoutItem);
        if (!withoutItem) {
            EXPECT_TRUE(items.contains(key(r, {0, 1, 2})));
        }
        ASSERT_TRUE(partTitles.count(page));
        EXPECT_EQ(partTitles[page], key(r, {4, 5, 6}));
        // Parts number from 1 to at most 30, but for the cases figure (from 0)
        // and the large figure (31 parts).
        const int part = r[2].toInt();
        const long assembly = r[9].toLongLong();
        EXPECT_GE(part, assembly == f.summary.casesAssembly ? 0 : 1);
        EXPECT_LE(part, assembly == f.summary.bigFigureAssembly ? f.summary.bigFigurePages : 30);
        const QString assemblyPage = key(r, {9, 2});
        const QString file = r[3].toString();
        if (fileOfPage.count(assemblyPage)) {
            EXPECT_EQ(fileOfPage[assemblyPage], file);
        }
        fileOfPage[assemblyPage] = file;
        // The label lies inside the drawing.
        const QString text = !platform::dao::IsNull(r[10]) ? r[10].toString() : withoutItem ? QStringLiteral("00.000") : r[1].toString();
        const QRect box(QPoint(r[7].toInt(), r[8].toInt()), demo::CalloutSize(text));
        EXPECT_TRUE(QRect(0, 0, demo::kDrawingWidth, demo::kDrawingHeight).contains(box));
        for (const QRect& other : boxes[assemblyPage])
            EXPECT_FALSE(other.intersects(box));
        boxes[assemblyPage].push_back(box);
        if (!withoutItem)
            drawnItems.insert(key(r, {0, 1, 2}));
    }
    // Every item of a figure page has a label.
    EXPECT_EQ(drawnItems, items);
    // Pages are numbered without gaps, from 1 (from 0 in the cases figure).
    std::map<QString, std::set<int>> pagesOfFigure;
    for (const auto& r : f.rows(QStringLiteral("SELECT CodigoFigura, NumeroParte FROM PARTESFIGURA")))
        pagesOfFigure[r[0].toString()].insert(r[1].toInt());
    for (const auto& [figure, pages] : pagesOfFigure) {
        const int first = figure.toLong() == f.summary.casesFigure ? 0 : 1;
        EXPECT_EQ(*pages.begin(), first) << figure.toStdString();
        EXPECT_EQ(*pages.rbegin(), first + int(pages.size()) - 1) << figure.toStdString();
    }
    // The large figure: 31 parts, more than 999 labels, hot-spot codes above
    // 32,767 that share their low 16 bits.
    const auto big = f.rows(QStringLiteral("SELECT CodigoFiguraDetalhada, NumeroParte FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 "
                                           "ORDER BY CodigoFiguraDetalhada")
                                .arg(f.summary.bigFigureAssembly));
    EXPECT_EQ(int(big.size()), f.summary.bigFigureLabels);
    EXPECT_GT(big.size(), 999u);
    std::set<int> bigParts;
    for (const auto& r : big) {
        EXPECT_GT(r[0].toLongLong(), 32767);
        EXPECT_EQ(r[0].toLongLong() % 65536, f.summary.bigFigureFirstHotSpot % 65536);
        bigParts.insert(r[1].toInt());
    }
    EXPECT_EQ(int(bigParts.size()), 31);
}

INSTANTIATE_TEST_SUITE_P(Editions, FigureTest, ::testing::Values("V", "A", "D", "M"));

TEST(DemoDrawings, LeadersEndAtEmptyLabelBoxes)
{
    demo::Options o = demotest::Small(QStringLiteral("V"));
    o.writeFiles = true;
    const Folder f = demotest::Generate(o);
    const auto labels = f.rows(QStringLiteral(
        "SELECT ArquivoFigura, PosicaoLeft, PosicaoTop, ItemComponente, ItemComponenteResumido FROM FIGURADETALHADA1 WHERE CodigoPeca = %1")
                                   .arg(f.summary.showcaseAssembly));
    ASSERT_FALSE(labels.empty());
    std::map<QString, QImage> drawings;
    int labelsChecked = 0;
    for (const auto& r : labels) {
        const QString file = r[0].toString();
        if (!drawings.count(file))
            drawings[file] = QImage(f.summary.dataFolder + QStringLiteral("Figuras/") + file);
        const QImage& img = drawings[file];
        ASSERT_EQ(img.size(), QSize(demo::kDrawingWidth, demo::kDrawingHeight)) << file.toStdString();
        // The drawing carries no number: no ink inside the label box (a part
        // may pass behind a box on a crowded page, so allow a thin line), and
        // a leader line ends at the box's edge.
        const QString text = platform::dao::IsNull(r[4]) ? r[3].toString() : r[4].toString();
        const QRect box(QPoint(r[1].toInt(), r[2].toInt()), demo::CalloutSize(text));
        int inside = 0, edge = 0;
        for (int y = box.top() - 2; y <= box.bottom() + 2; ++y)
            for (int x = box.left() - 2; x <= box.right() + 2; ++x) {
                const bool ink = qGray(img.pixel(x, y)) < 215;
                if (box.adjusted(1, 1, -1, -1).contains(x, y))
                    inside += ink;
                else
                    edge += ink;
            }
        EXPECT_LE(inside, box.width() + box.height()) << file.toStdString() << " " << text.toStdString();
        EXPECT_GT(edge, 0) << file.toStdString() << " " << text.toStdString();
        ++labelsChecked;
    }
    EXPECT_GT(labelsChecked, 20);
    EXPECT_EQ(f.summary.drawingFiles, int(QDir(f.summary.dataFolder + QStringLiteral("Figuras")).count()) - 2);
    // The photos have the size of the catalogue's photo control.
    const QString photo = f.column(QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(f.summary.showcaseAssembly))[0];
    EXPECT_EQ(QImage(f.summary.dataFolder + QStringLiteral("FotoPeca/") + photo).size(), QSize(150, 77));
}

TEST(DemoContent, ShowcaseAssemblyHoldsEveryItemForm)
{
    const Folder f = demotest::Generate(demotest::Small(QStringLiteral("V")));
    const demo::Summary& s = f.summary;
    const QStringList items = f.column(QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1").arg(s.showcaseAssembly));
    for (const QString& item : QStringList{"01.001", "01.002", "12.345", "12.345A", "1", "2", "10", "3.5", "A1", "B-2"})
        EXPECT_TRUE(items.contains(item)) << item.toStdString();
    for (const QStringList* list : {&s.itemsDotted, &s.itemsSuffixed, &s.itemsNumeric, &s.itemsOdd, &s.itemsNotDrawn})
        EXPECT_FALSE(list->isEmpty());

    // Items in the list but on no page; a component used at two items.
    const QStringList drawn = f.column(QStringLiteral("SELECT ItemComponente FROM FIGURADETALHADA WHERE CodigoFigura = %1").arg(s.showcaseFigure));
    for (const QString& item : s.itemsNotDrawn)
        EXPECT_FALSE(drawn.contains(item)) << item.toStdString();
    EXPECT_EQ(f.column(QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND CodigoComponente = %2 ORDER BY ItemComponente")
                           .arg(s.showcaseAssembly)
                           .arg(s.componentUsedTwice)),
              s.itemsOfComponentUsedTwice);

    // Optional alternatives, three kits, a suggestion of two panel pages, two labels.
    EXPECT_GE(f.count(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND ItemComponente = '%2' AND FlagOpcionalComponente = 1")
                          .arg(s.showcaseAssembly)
                          .arg(s.itemWithAlternatives)),
              2);
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                          .arg(s.showcaseAssembly)
                          .arg(s.itemInThreeKits)),
              3);
    const long long suggested =
        f.count(QStringLiteral("SELECT count(*) FROM SUGESTAO_COMPONENTE AS s, PECA AS p WHERE p.CodigoPeca = %1 AND s.CodigoSugestao = p.CodigoSugestao AND s.ItemComponente = '%2'")
                    .arg(s.showcaseAssembly)
                    .arg(s.itemWithSuggestion)) +
        f.count(QStringLiteral("SELECT count(*) FROM SUGESTAO_JOGOREPARO AS s, PECA AS p WHERE p.CodigoPeca = %1 AND s.CodigoSugestao = p.CodigoSugestao AND s.ItemComponente = '%2'")
                    .arg(s.showcaseAssembly)
                    .arg(s.itemWithSuggestion));
    EXPECT_GT(suggested, 4);
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                          .arg(s.showcaseAssembly)
                          .arg(s.itemDrawnTwice)),
              2);

    // The variant drawn with the same figure lacks items that its figure shows.
    ASSERT_FALSE(s.variantMissingItems.isEmpty());
    const QStringList variantItems = f.column(QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1").arg(s.variantAssembly));
    const QStringList variantLabels = f.column(QStringLiteral("SELECT ItemComponente FROM FIGURADETALHADA1 WHERE CodigoPeca = %1").arg(s.variantAssembly));
    for (const QString& item : s.variantMissingItems) {
        EXPECT_FALSE(variantItems.contains(item)) << item.toStdString();
        EXPECT_TRUE(variantLabels.contains(item)) << item.toStdString();
    }
}

TEST(DemoContent, NotesAttachmentsAndTheAssembliesOfSpecialCases)
{
    const Folder f = demotest::Generate(demotest::Small(QStringLiteral("V")));
    const demo::Summary& s = f.summary;

    // Two notes on one component: the first with long and short text, the
    // second short only; in that order.
    const auto notes = f.rows(QStringLiteral(
        "SELECT a.ItemComponente, r.ObservacaoRapidaP, m.ObservacaoMemoP FROM (APLICACAOOBS_Componente AS a "
        "LEFT JOIN OBSERVACAO_RAPIDA AS r ON r.CodigoObservacao = a.CodigoObservacao) "
        "LEFT JOIN OBSERVACAO_MEMO AS m ON m.CodigoObservacao = a.CodigoObservacao WHERE a.CodigoComponente = %1")
                                  .arg(s.twoNoteComponent));
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0][0].toString(), s.twoNoteItem);
    EXPECT_FALSE(platform::dao::IsNull(notes[0][1]));
    EXPECT_FALSE(platform::dao::IsNull(notes[0][2]));
    EXPECT_EQ(notes[1][0].toString(), s.twoNoteItem);
    EXPECT_FALSE(platform::dao::IsNull(notes[1][1]));
    EXPECT_TRUE(platform::dao::IsNull(notes[1][2]));
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM APLICACAOOBS_Componente WHERE CodigoComponente = %1 AND CodigoPeca IS NULL").arg(s.generalNoteComponent)), 1);

    // The kit's attachment list: "/" + row 1 + "/" + row 2 names four files.
    QString list;
    for (const QString& a : f.column(QStringLiteral("SELECT m.AnexosP FROM APLICACAOOBS_JOGOREPARO AS a INNER JOIN OBSERVACAO_MEMO AS m "
                                                    "ON m.CodigoObservacao = a.CodigoObservacao WHERE a.CodigoJogoReparo = %1 ORDER BY a.CodigoObservacao")
                                         .arg(s.kitWithFourAttachments)))
        list += QLatin1Char('/') + a;
    QStringList names;
    for (const QString& piece : list.split(QLatin1Char('/')))
        if (!piece.trimmed().isEmpty())
            names << piece.trimmed();
    EXPECT_EQ(names.size(), 4);
    EXPECT_TRUE(list.contains(QLatin1String("/ /")));
    EXPECT_TRUE(list.contains(QLatin1String("//")));

    // The apostrophe and the header example.
    EXPECT_TRUE(f.column(QStringLiteral("SELECT DescricaoComponenteI FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.apostropheComponent))[0].contains(QLatin1Char('\'')));
    EXPECT_EQ(f.column(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE NumeroEmpresaComponente = '501123456'")),
              QStringList{QStringLiteral("ANEL DE VEDAÇÃO")});

    // Assemblies of the special cases.
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM FIGURADETALHADA1 WHERE CodigoPeca = %1").arg(s.assemblyWithoutFigure)), 0);
    EXPECT_GT(f.count(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE WHERE CodigoPeca = %1").arg(s.assemblyWithoutFigure)), 0);
    EXPECT_EQ(f.column(QStringLiteral("SELECT DISTINCT NumeroParte FROM FIGURADETALHADA1 WHERE CodigoPeca = %1").arg(s.assemblyOnePage)), QStringList{"1"});
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1").arg(s.assemblyWithoutKits)), 0);
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM VEICULO_PECA WHERE CodigoPeca = %1").arg(s.assemblyWithoutVehicles)), 0);
    EXPECT_GE(f.count(QStringLiteral("SELECT count(*) FROM VEICULO_PECA WHERE CodigoVeiculo = %1").arg(s.vehicleWithManyAssemblies)), 5);
    EXPECT_TRUE(f.rows(QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.assemblyPhotoNull))[0][0].isNull());
    EXPECT_TRUE(f.column(QStringLiteral("SELECT ArquivoFigura FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 AND NumeroParte = %2")
                             .arg(s.assemblyMissingDrawing)
                             .arg(s.pageWithoutFile))[0]
                    .isEmpty());

    // Cross references: one number with many, some manufacturer numbers holding "12A".
    EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM REFERENCIACRUZADA WHERE NumeroEmpresa = '%1'").arg(s.heavyCrossRefNumber)), s.heavyCrossRefCount);
    EXPECT_GE(s.heavyCrossRefCount, 12);
    int holding = 0;
    for (const QString& n : f.column(QStringLiteral("SELECT NumeroFabricante FROM REFERENCIACRUZADA")))
        holding += n.contains(s.manufacturerFragment);
    EXPECT_GE(holding, 2);
}

TEST(DemoContent, SupersessionChainEndsAndTheCycleCloses)
{
    const Folder f = demotest::Generate(demotest::Small(QStringLiteral("D")));
    const demo::Summary& s = f.summary;
    auto next = [&](const QString& kind, long code) {
        const QStringList n = f.column(QStringLiteral("SELECT CodigoItemNovo FROM SUBSTITUIDOS WHERE TipoItem = '%1' AND CodigoItem = %2").arg(kind).arg(code));
        return n.isEmpty() ? -5L : n[0].toLong();
    };
    // The walk of the catalogue: follow replacements, stop at a repetition.
    auto newest = [&](const QString& kind, long code) {
        std::set<long> seen;
        long result = -5;
        while (seen.insert(code).second) {
            const long n = next(kind, code);
            if (n <= 0)
                break;
            result = code = n;
        }
        return result;
    };
    EXPECT_EQ(next(QStringLiteral("COM"), s.chainA), s.chainB);
    EXPECT_EQ(newest(QStringLiteral("COM"), s.chainA), s.chainC);
    EXPECT_EQ(newest(QStringLiteral("COM"), s.chainC), -5);
    EXPECT_EQ(next(QStringLiteral("JRE"), s.cycleX), s.cycleY);
    EXPECT_EQ(next(QStringLiteral("JRE"), s.cycleY), s.cycleX);
    EXPECT_EQ(newest(QStringLiteral("JRE"), s.cycleX), s.cycleX);
    EXPECT_EQ(next(QStringLiteral("PCA"), s.replacedAssembly), s.replacingAssembly);

    // Every code names an item of its own table.
    for (const auto& r : f.rows(QStringLiteral("SELECT TipoItem, CodigoItem, CodigoItemNovo FROM SUBSTITUIDOS"))) {
        const QString table = r[0].toString() == QLatin1String("COM") ? QStringLiteral("COMPONENTE")
                              : r[0].toString() == QLatin1String("JRE") ? QStringLiteral("JOGOREPARO")
                                                                       : QStringLiteral("PECA");
        const QString column = table == QLatin1String("COMPONENTE") ? QStringLiteral("CodigoComponente")
                               : table == QLatin1String("JOGOREPARO") ? QStringLiteral("CodigoJogoReparo")
                                                                      : QStringLiteral("CodigoPeca");
        for (int c : {1, 2})
            EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = %3").arg(table, column, r[std::size_t(c)].toString())), 1);
    }
    // The chain's items carry the note flag, so the notes screen shows the
    // supersession text.
    EXPECT_EQ(f.column(QStringLiteral("SELECT ImagensGrid FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.chainA)), QStringList{" "});
}

QMap<QString, QByteArray> FolderBytes(const QString& folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".tqdemo")))
            continue;
        out[path.mid(folder.size())] = tqtest::readFile(path);
    }
    return out;
}

TEST(DemoGenerator, TheSameSeedGivesTheSameFolder)
{
    demo::Options o = demotest::Small(QStringLiteral("M"));
    o.writeFiles = true;
    tqtest::TempDir dir;
    o.outDir = dir.file(QStringLiteral("a"));
    const demo::Summary a = demo::GenerateDataFolder(o);
    o.outDir = dir.file(QStringLiteral("b"));
    const demo::Summary b = demo::GenerateDataFolder(o);
    o.outDir = dir.file(QStringLiteral("c"));
    o.seed = 2;
    o.writeFiles = false;
    const demo::Summary c = demo::GenerateDataFolder(o);

    const auto bytesA = FolderBytes(a.dataFolder), bytesB = FolderBytes(b.dataFolder);
    EXPECT_EQ(bytesA.keys(), bytesB.keys());
    for (const QString& name : bytesA.keys())
        EXPECT_TRUE(bytesA[name] == bytesB[name]) << name.toStdString();
    EXPECT_GT(bytesA.size(), 20);
    EXPECT_NE(tqtest::readFile(a.catalogueFile), tqtest::readFile(c.catalogueFile));
}

TEST(DemoGenerator, ScaleMultipliesTheItems)
{
    // The special cases are a fixed number of rows at every scale: the
    // families, and so the items they add, grow with the scale.
    const auto items = [](double scale) {
        demo::Options o = demotest::Small(QStringLiteral("A"));
        o.scale = scale;
        const demo::Summary s = demotest::Generate(o).summary;
        return s.rowCounts.value(QStringLiteral("COMPONENTE")) + s.rowCounts.value(QStringLiteral("JOGOREPARO")) +
               s.rowCounts.value(QStringLiteral("PECA"));
    };
    const double quarter = double(items(0.25)), half = double(items(0.5)), whole = double(items(1.0));
    const double ratio = (whole - half) / (half - quarter);  // 21 families over 10
    EXPECT_GT(ratio, 1.5);
    EXPECT_LT(ratio, 2.8);
    EXPECT_GT(whole, 2500);
}

TEST(DemoGenerator, AForeignFolderIsNeverReplaced)
{
    tqtest::TempDir dir;
    const QString out = dir.file(QStringLiteral("dados"));
    QDir().mkpath(out);
    tqtest::writeFile(out + QStringLiteral("/notas.txt"), "mine");
    demo::Options o = demotest::Small(QStringLiteral("V"));
    o.outDir = out;
    EXPECT_THROW(demo::GenerateDataFolder(o), platform::Error);
    EXPECT_EQ(tqtest::readFile(out + QStringLiteral("/notas.txt")), QByteArray("mine"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"dados"});

    // A folder it wrote itself is replaced.
    const QString own = dir.file(QStringLiteral("demo"));
    o.outDir = own;
    demo::GenerateDataFolder(o);
    tqtest::writeFile(own + QStringLiteral("/leftover.txt"), "x");
    const demo::Summary again = demo::GenerateDataFolder(o);
    EXPECT_FALSE(QFileInfo::exists(own + QStringLiteral("/leftover.txt")));
    EXPECT_TRUE(QFileInfo::exists(again.catalogueFile));
    EXPECT_TRUE(QFileInfo::exists(again.auxiliaryFile));
}

}  // namespace
