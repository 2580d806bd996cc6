// The assembly view's special assemblies of the demo catalogue.
//
// The cases assembly: a figure of five pages whose first rows have
// NumeroParte 0, drawn as GIF, BMP, JPEG stored under a name in another
// letter case, a corrupt file and PNG; items with every flag, with three
// regular components, with a lower-case letter, with an apostrophe, with a
// Null quantity, with the kit flag but no kit, drawn without a component; a
// component drawn at two items on two pages; a hot spot without an item;
// two kits, one with a note that applies to every assembly.
//
// The large figure: 31 pages of 33 labels (1,023), hot-spot codes above
// 32,767 that all share their low 16 bits, one kit with an item on every page.

#include "catalogue.h"

#include "schema.h"
#include "vocabulary.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace demo {

namespace {

QString Flags4(bool sugestao, bool opcional, bool jogos, bool observacao)
{
    QString s;
    for (bool b : {sugestao, opcional, jogos, observacao})
        s += b ? QChar(' ') : kCR;
    return s;
}

struct CaseItem {
    QString item;           // null: the hot spot without an item
    Kind kind = Kind::Bolt;
    int page = 0;           // index into the pages
    std::vector<qlonglong> components;
    QString quantity;       // null: Null
    bool suggestion = false, optional = false, kits = false, note = false;
    bool listed = true;     // has PECA_COMPONENTE rows
};

class CasesWriter {
public:
    CasesWriter(const Options& o, RowSink& sink, Summary& s, FilePlan& files, CodeCounters& codes)
        : m_sink(sink), m_s(s), m_files(files), k(codes), m_vocab(Vocabulary(o.edition))
    {
    }

    void Run()
    {
        WriteCasesAssembly();
        WriteBigFigure();
    }

private:
    void Insert(const QString& table, const Row& row) { m_sink.Insert(table, row); }

    qlonglong Component(const Tri& text, const QString& number)
    {
        const qlonglong code = k.component++;
        Insert(tbl::COMPONENTE, {code, number, text.p, text.e, text.i, QString(kCR)});
        return code;
    }

    QString Number(int prefix, int n) { return QStringLiteral("%1%2").arg(prefix).arg(n, 6, 10, QLatin1Char('0')); }

    qlonglong Assembly(const Tri& text, qlonglong figure, const QVariant& suggestion, int serial)
    {
        const AssemblyType& type = m_vocab.types.front();
        const qlonglong code = k.assembly++;
        Insert(tbl::PECA, {code, Number(9590, serial), text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e), SearchForm(text.i),
                           QString(type.code), QString(kCR), QVariant(), figure, suggestion});
        Insert(tbl::VEICULO_PECA, {1, code});
        return code;
    }

    void Note(const Tri& text, const std::function<void(qlonglong)>& apply)
    {
        const qlonglong obs = k.observation++;
        apply(obs);
        Insert(tbl::OBSERVACAO_RAPIDA, {obs, text.p, text.e, text.i});
    }

    // --- the cases assembly -------------------------------------------------
    void WriteCasesAssembly()
    {
        const QString model = m_vocab.types.front().modelPrefix + QStringLiteral("CV");
        const Tri noun = m_vocab.types.front().noun;
        int serial = 0;
        auto comp = [&](Kind kind, int ordinal) {
            Rng rng(0xCA5E000ULL + std::uint64_t(serial));
            const int n = serial++;
            return Component(Describe(kind, ordinal, n % 4, rng), Number(595, 100 + n));
        };

        // Components.
        const qlonglong allFlags = comp(Kind::SpeedGear, 1);
        Rng altRng(0xCA5E0A1ULL);
        const qlonglong alternative =
            Component(DescribeAlternative(Kind::SpeedGear, Describe(Kind::SpeedGear, 1, 0, altRng), 1), Number(595, 100 + serial++));
        const qlonglong three[3] = {comp(Kind::Bearing, 1), comp(Kind::Bearing, 2), comp(Kind::Seal, 1)};
        const qlonglong twoPages = comp(Kind::Circlip, 1);
        const qlonglong lower = comp(Kind::ShiftFork, 1);
        const qlonglong apostrophe = comp(Kind::Seal, 2);
        const qlonglong nullQty = comp(Kind::Sealant, 1);
        const qlonglong kitFlag = comp(Kind::Spacer, 1);
        const qlonglong plain[3] = {comp(Kind::Shim, 1), comp(Kind::Nut, 1), comp(Kind::Washer, 1)};

        // Items: page 0 holds NumeroParte 0.
        std::vector<CaseItem> items;
        auto add = [&](CaseItem it) { items.push_back(std::move(it)); };
        {
            CaseItem a{QStringLiteral("01.010"), Kind::SpeedGear, 0, {allFlags}, QStringLiteral("2"), true, true, true, true};
            add(a);
            CaseItem b{QStringLiteral("01.020"), Kind::Bearing, 0, {three[0], three[1], three[2]}, QStringLiteral("1"), false, false, true, false};
            add(b);
            add({QStringLiteral("01.030"), Kind::Circlip, 0, {twoPages}, QStringLiteral("A/R")});
            add({QString(), Kind::SpringPin, 0, {}, QString(), false, false, false, false, false});
            add({QStringLiteral("02.010b"), Kind::ShiftFork, 1, {lower}, QStringLiteral("1"), false, false, true, false});
            add({QStringLiteral("02.020'A"), Kind::Seal, 1, {apostrophe}, QStringLiteral("1"), false, false, true, false});
            add({QStringLiteral("02.030"), Kind::FillerPlug, 1, {nullQty}, QString()});
            add({QStringLiteral("03.030"), Kind::Circlip, 2, {twoPages}, QStringLiteral("1")});
            add({QStringLiteral("03.040"), Kind::Spacer, 2, {kitFlag}, QStringLiteral("1"), false, false, true, false});
            add({QStringLiteral("03.050"), Kind::Bolt, 2, {}, QStringLiteral("1"), false, false, false, false, false});
            add({QStringLiteral("04.010"), Kind::Shim, 3, {plain[0]}, QStringLiteral("3")});
            add({QStringLiteral("04.020"), Kind::Nut, 3, {plain[1]}, QStringLiteral("4")});
            add({QStringLiteral("05.010"), Kind::Washer, 4, {plain[2]}, QStringLiteral("2")});
        }

        // Kits: the first with a note for every assembly, the second with one
        // for this assembly.
        const qlonglong kit1 = k.kit++, kit2 = k.kit++;
        const Tri kitText1 = KitDescription(0, model), kitText2 = KitDescription(1, model);
        Insert(tbl::JOGOREPARO, {kit1, Number(596, 1), kitText1.p, kitText1.e, kitText1.i, QStringLiteral(" ")});
        Insert(tbl::JOGOREPARO, {kit2, Number(596, 2), kitText2.p, kitText2.e, kitText2.i, QStringLiteral(" ")});
        const std::vector<std::pair<QString, qlonglong>> kitRows{
            {QStringLiteral("01.010"), kit1}, {QStringLiteral("01.010"), kit2}, {QStringLiteral("01.020"), kit1},
            {QStringLiteral("01.020"), kit2}, {QStringLiteral("02.010b"), kit2}, {QStringLiteral("02.020'A"), kit1}};

        // The assembly, with a suggestion on its all-flags item.
        const qlonglong figure = k.figure++;
        const qlonglong suggestion = k.suggestion++;
        const qlonglong assembly = Assembly(noun.suffixed({model, model, model}).suffixed(T3("(CASOS)", "(CASOS)", "(CASES)")), figure,
                                            suggestion, 1);
        for (const CaseItem& it : items) {
            if (!it.listed || it.item.isNull())
                continue;
            for (qlonglong c : it.components)
                Insert(tbl::PECA_COMPONENTE, {assembly, it.item, c, Text(it.quantity), 0, Flags4(it.suggestion, it.optional, it.kits, it.note)});
            if (it.optional)
                Insert(tbl::PECA_COMPONENTE, {assembly, it.item, alternative, it.quantity, 1, Flags4(false, false, false, false)});
        }
        for (const auto& [item, kit] : kitRows)
            Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {assembly, item, kit});
        Insert(tbl::SUGESTAO_COMPONENTE, {suggestion, QStringLiteral("01.010"), QStringLiteral("02.010b"), QStringLiteral("1")});
        Insert(tbl::SUGESTAO_COMPONENTE, {suggestion, QStringLiteral("01.010"), QStringLiteral("03.030"), QVariant()});
        const std::vector<Tri> quick = ShortNotes();
        Note(quick[1], [&](qlonglong obs) { Insert(tbl::APLICACAOOBS_Componente, {obs, allFlags, assembly, QStringLiteral("01.010")}); });
        Note(quick[4], [&](qlonglong obs) { Insert(tbl::APLICACAOOBS_JOGOREPARO, {obs, kit1, QVariant()}); });
        Note(quick[5], [&](qlonglong obs) { Insert(tbl::APLICACAOOBS_JOGOREPARO, {obs, kit2, assembly}); });

        // Pages: drawings and labels.
        struct PagePlan { int numero; QString stored, file; DrawingJob::Format format; Tri title; };
        const std::vector<PagePlan> pages{
            {0, QStringLiteral("FIG_CASOS_0.gif"), QStringLiteral("FIG_CASOS_0.gif"), DrawingJob::Gif, T3("CARCAÇA", "CARCASA", "HOUSING")},
            {1, QStringLiteral("FIG_CASOS_1.bmp"), QStringLiteral("FIG_CASOS_1.bmp"), DrawingJob::Bmp, T3("COMANDO", "MANDO", "SHIFT CONTROL")},
            {2, QStringLiteral("fig_casos_2.JPG"), QStringLiteral("FIG_CASOS_2.jpg"), DrawingJob::Jpeg, T3("EIXOS", "EJES", "SHAFTS")},
            {3, QStringLiteral("FIG_CASOS_3.jpg"), QStringLiteral("FIG_CASOS_3.jpg"), DrawingJob::Corrupt, T3("TAMPAS", "TAPAS", "COVERS")},
            {4, QStringLiteral("FIG_CASOS_4.png"), QStringLiteral("FIG_CASOS_4.png"), DrawingJob::Png, T3("FIXAÇÃO", "FIJACIÓN", "FASTENERS")}};
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const PagePlan& plan = pages[p];
            std::vector<DrawnItem> drawn;
            std::vector<const CaseItem*> onPage;
            for (const CaseItem& it : items)
                if (it.page == int(p)) {
                    drawn.push_back({Info(it.kind).shape, it.item.isNull() ? QStringLiteral("00.000") : it.item, 1});
                    onPage.push_back(&it);
                }
            const PageLayout layout = LayoutPage(drawn, Rng(0xCA5E5ULL + p));
            DrawingJob job;
            job.format = plan.format;
            job.file = plan.file;
            job.items = drawn;
            job.layout = layout;
            job.drawingNumber = QStringLiteral("D-CV-%1").arg(plan.numero, 2, 10, QLatin1Char('0'));
            job.caption = QStringLiteral("FIG. %1/%2").arg(p + 1).arg(pages.size());
            m_files.drawings.push_back(job);
            Insert(tbl::PARTESFIGURA, {figure, plan.numero, plan.title.p, plan.title.e, plan.title.i});
            for (const CaseItem* it : onPage)
                if (!it->item.isNull())
                    Insert(tbl::FIGURADETALHADA, {figure, it->item, plan.numero});
            for (const Callout& c : layout.callouts) {
                const CaseItem* it = onPage[std::size_t(c.item)];
                const qlonglong hotSpot = k.hotSpot++;
                if (it->item.isNull())
                    m_s.nullItemHotSpot = hotSpot;
                Insert(tbl::FIGURADETALHADA1, {hotSpot, assembly, plan.numero, plan.stored, Text(it->item), QVariant(), c.label.left(),
                                               c.label.top(), plan.title.p, plan.title.e, plan.title.i});
            }
        }

        m_s.casesAssembly = assembly;
        m_s.casesFigure = figure;
        m_s.casesPageGif = 0;
        m_s.casesPageBmp = 1;
        m_s.casesPageOtherCase = 2;
        m_s.casesPageCorrupt = 3;
        m_s.casesPagePng = 4;
        m_s.casesStoredOtherCase = pages[2].stored;
        m_s.itemAllFlags = QStringLiteral("01.010");
        m_s.itemAsRequired = QStringLiteral("01.030");
        m_s.itemThreeComponents = QStringLiteral("01.020");
        m_s.componentsOfThreeItem = {long(three[0]), long(three[1]), long(three[2])};
        m_s.itemLowerCase = QStringLiteral("02.010b");
        m_s.itemApostrophe = QStringLiteral("02.020'A");
        m_s.itemNullQuantity = QStringLiteral("02.030");
        m_s.itemKitFlagWithoutKits = QStringLiteral("03.040");
        m_s.itemNotApplicable = QStringLiteral("03.050");
        m_s.componentOnTwoPages = long(twoPages);
        m_s.itemsOfComponentOnTwoPages = {QStringLiteral("01.030"), QStringLiteral("03.030")};
        m_s.kitWithGeneralNote = long(kit1);
        m_s.kitWithAssemblyNote = long(kit2);
    }

    // --- the large figure -----------------------------------------------------
    void WriteBigFigure()
    {
        constexpr int kPages = 31, kPerPage = 33, kPool = 40;
        const Kind kinds[] = {Kind::Bolt, Kind::Washer, Kind::Nut, Kind::SpringPin, Kind::Shim, Kind::Circlip, Kind::ORing, Kind::Ball};
        std::vector<qlonglong> pool;
        for (int p = 0; p < kPool; ++p) {
            Rng rng(0xB16000ULL + std::uint64_t(p));
            const Kind kind = kinds[p % 8];
            pool.push_back(Component(Describe(kind, 1 + p / 8, p % 5, rng), Number(595, 500 + p)));
        }
        const qlonglong figure = k.figure++;
        const qlonglong assembly =
            Assembly(m_vocab.types.front().noun.suffixed(T3("31 VISTAS", "31 VISTAS", "31 VIEWS")), figure, QVariant(), 2);
        const qlonglong kit = k.kit++;
        const Tri kitText = KitDescription(4, QStringLiteral("31V"));
        Insert(tbl::JOGOREPARO, {kit, Number(596, 3), kitText.p, kitText.e, kitText.i, QString(kCR)});

        // Hot-spot codes: above 32,767, each 65,536 after the previous one.
        const qlonglong base = std::max<qlonglong>(k.hotSpot, 40000);
        qlonglong label = 0;
        for (int p = 0; p < kPages; ++p) {
            const Tri title = T3("VISTA", "VISTA", "VIEW").suffixed({QString::number(p + 1), QString::number(p + 1), QString::number(p + 1)});
            Insert(tbl::PARTESFIGURA, {figure, p + 1, title.p, title.e, title.i});
            std::vector<DrawnItem> drawn;
            QStringList names;
            for (int i = 0; i < kPerPage; ++i) {
                const QString item = QStringLiteral("%1.%2").arg(p + 1, 2, 10, QLatin1Char('0')).arg(10 * (i + 1), 3, 10, QLatin1Char('0'));
                names << item;
                drawn.push_back({Info(kinds[(p + i) % 8]).shape, item, 1});
                const bool inKit = i == 0;
                Insert(tbl::PECA_COMPONENTE, {assembly, item, pool[std::size_t((p * kPerPage + i) % kPool)], QStringLiteral("1"), 0,
                                              Flags4(false, false, inKit, false)});
                if (inKit)
                    Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {assembly, item, kit});
                Insert(tbl::FIGURADETALHADA, {figure, item, p + 1});
            }
            const PageLayout layout = LayoutPage(drawn, Rng(0xB16F16ULL + std::uint64_t(p)));
            DrawingJob job;
            job.file = QStringLiteral("FIG_GRANDE_%1.jpg").arg(p + 1, 2, 10, QLatin1Char('0'));
            job.items = drawn;
            job.layout = layout;
            job.drawingNumber = QStringLiteral("D-31V-%1").arg(p + 1, 2, 10, QLatin1Char('0'));
            job.caption = QStringLiteral("FIG. %1/%2").arg(p + 1).arg(kPages);
            m_files.drawings.push_back(job);
            for (const Callout& c : layout.callouts) {
                const qlonglong hotSpot = base + 65536LL * label++;
                Insert(tbl::FIGURADETALHADA1, {hotSpot, assembly, p + 1, job.file, names[c.item], QVariant(), c.label.left(), c.label.top(),
                                               title.p, title.e, title.i});
            }
        }
        k.hotSpot = base + 65536LL * label;
        m_s.bigFigureAssembly = assembly;
        m_s.bigFigurePages = kPages;
        m_s.bigFigureLabels = int(label);
        m_s.bigFigureFirstHotSpot = base;
        m_s.bigFigureKit = long(kit);
    }

    RowSink& m_sink;
    Summary& m_s;
    FilePlan& m_files;
    CodeCounters& k;
    const EditionVocabulary& m_vocab;
};

}  // namespace

void WriteAssemblyViewCases(const Options& options, RowSink& sink, Summary& summary, FilePlan& files, CodeCounters& codes)
{
    CasesWriter(options, sink, summary, files, codes).Run();
}

}  // namespace demo
