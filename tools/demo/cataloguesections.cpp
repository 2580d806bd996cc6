// The catalogue builder's sections outside the families: the fixed tables
// and the vehicles, the sections written after the families, the showcase
// family's supersession chain and summary, the supersessions, and the
// documents the rows name.

#include "cataloguebuilder.h"

#include "comparisondemo.h"
#include "schema.h"
#include "searchcases.h"

#include <QRegularExpression>

namespace demo::builder {

// --- fixed tables --------------------------------------------------------

void Builder::WriteFixedTables()
{
    if (!m_options.noTipoPeca)
        for (const auto& r : m_vocab.tipoPeca)
            Insert(tbl::TIPOPECA, {r.code, r.text.p, r.text.e, r.text.i});
    Insert(tbl::CODIGOFABRICANTE, {1});
    Insert(tbl::CONTROLETRAN, {1});
    Insert(tbl::UMREGISTRO, {m_options.updateUrl, m_options.version, m_options.version - 1, JetDayNumber(2024, 3, 15),
                             QStringLiteral(" R2"), QVariant(), 0});
    m_summary.updateUrl = m_options.updateUrl;
    m_summary.version = m_options.version;
}

void Builder::WriteVehicles()
{
    Rng rng = m_base.derive(0xFAB);
    const int makers = int(m_vocab.manufacturers.size());
    for (int m = 0; m < makers; ++m) {
        const QString& name = m_vocab.manufacturers[std::size_t(m)];
        Insert(tbl::FABRICANTE, {m + 1, name, name, name});
    }
    m_vehicleCount = std::max(8, int(std::lround(48 * m_options.scale)));
    for (int v = 0; v < m_vehicleCount; ++v) {
        const int maker = v % makers;
        const QString& name = m_vocab.manufacturers[std::size_t(maker)];
        QString letters;
        for (QChar c : name)
            if (c.isLetter() && letters.size() < 2)
                letters += c;
        const Tri& kind = rng.pick(m_vocab.vehicleKinds);
        // One draw a statement: the order of operands is the compiler's choice.
        const int hundreds = rng.range(8, 48);
        const int tens = rng.range(0, 9);
        const QString model = letters + QStringLiteral("-%1").arg(hundreds * 100 + tens * 10);
        const QString config = rng.pick(m_vocab.vehicleConfigs);
        const Tri text = kind.suffixed({model, model, model}).suffixed({config, config, config});
        Insert(tbl::VEICULO, {v + 1, maker + 1, text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e), SearchForm(text.i)});
    }
    m_summary.vehicleWithManyAssemblies = 1;
    m_summary.manufacturerOfVehicle = 1;
}

// --- sections written after the families ----------------------------

void Builder::WriteAssemblyViewSection()
{
    CodeCounters k{m_nextAssembly, m_nextComponent, m_nextKit, m_nextFigure, m_nextHotSpot, m_nextSuggestion, m_nextObservation};
    WriteAssemblyViewCases(m_options, m_sink, m_summary, m_files, k);
    m_nextAssembly = k.assembly;
    m_nextComponent = k.component;
    m_nextKit = k.kit;
    m_nextFigure = k.figure;
    m_nextHotSpot = k.hotSpot;
    m_nextSuggestion = k.suggestion;
    m_nextObservation = k.observation;
}

// --- comparison and buying suggestion (comparisondemo.cpp) -------------

void Builder::WriteComparisonSpecials()
{
    const ComparisonDemoContext context{m_options, m_vocab, m_sink,
                                        [this] { return m_nextComponent++; },
                                        [this] { return m_nextAssembly++; },
                                        [this] { return m_nextKit++; },
                                        [this] { return m_nextSuggestion++; },
                                        [this](int prefix) { return CompanyNumber(prefix); }};
    WriteComparisonDemo(context, m_summary);
}

// --- the search cases (searchcases.cpp) ---------------------------------

void Builder::WriteSearchCasesSection()
{
    CodeCounters k{m_nextAssembly, m_nextComponent, m_nextKit, m_nextFigure, m_nextHotSpot, m_nextSuggestion, m_nextObservation};
    WriteSearchCases(m_options, m_vocab, m_sink, m_summary, m_files, k, m_base.derive(0x5EA2C4).next());
    m_nextAssembly = k.assembly;
    m_nextComponent = k.component;
    m_nextKit = k.kit;
}

// --- detail window cases of family 0 ------------------------------------

void Builder::ShowcaseChain(const Structure& st, const std::vector<qlonglong>& base, std::vector<std::vector<qlonglong>>& substitute,
                   std::vector<Component>& owned, const std::vector<Assembly>& assemblies)
{
    // A -> B -> C on the first own component of page 2; variant 2 uses C.
    for (int i = 0; i < int(st.items.size()); ++i) {
        const ItemSpec& it = st.items[std::size_t(i)];
        if (it.page != 1 || it.special != ItemSpec::None || Info(it.kind).standard || it.alternatives)
            continue;
        const qlonglong a = base[std::size_t(i)];
        const Component* original = nullptr;
        for (const Component& c : owned)
            if (c.code == a)
                original = &c;
        if (!original)
            continue;
        Component b, c;
        b.code = m_nextComponent++;
        b.number = CompanyNumber(Info(it.kind).numberPrefix);
        b.text = original->text.suffixed(T3("MOD. B", "MOD. B", "MOD. B"));
        c.code = m_nextComponent++;
        c.number = CompanyNumber(Info(it.kind).numberPrefix);
        c.text = original->text.suffixed(T3("MOD. C", "MOD. C", "MOD. C"));
        owned.push_back(b);
        owned.push_back(c);
        if (assemblies.size() > 2 && st.variants > 2)
            substitute[std::size_t(i)][2] = c.code;
        m_supersessions.push_back({QStringLiteral("COM"), a, b.code});
        m_supersessions.push_back({QStringLiteral("COM"), b.code, c.code});
        m_superseded.insert(a);
        m_superseded.insert(b.code);
        m_superseded.insert(c.code);
        m_summary.chainA = a;
        m_summary.chainB = b.code;
        m_summary.chainC = c.code;
        return;
    }
}

void Builder::SummariseShowcase(const Structure& st, const std::vector<qlonglong>& base, const std::vector<std::vector<qlonglong>>& alternatives,
                       const std::vector<int>& kitsOfItem, const std::vector<Assembly>& assemblies)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d\\d\\.\\d{3}$")), suffixed(QStringLiteral("^\\d\\d\\.\\d{3}[A-Z]$")),
        numeric(QStringLiteral("^\\d+(\\.\\d+)?$"));
    for (int i = 0; i < int(st.items.size()); ++i) {
        const ItemSpec& it = st.items[std::size_t(i)];
        if (dotted.match(it.item).hasMatch())
            m_summary.itemsDotted << it.item;
        else if (suffixed.match(it.item).hasMatch())
            m_summary.itemsSuffixed << it.item;
        else if (numeric.match(it.item).hasMatch())
            m_summary.itemsNumeric << it.item;
        else
            m_summary.itemsOdd << it.item;
        if (it.page < 0)
            m_summary.itemsNotDrawn << it.item;
        if (m_summary.itemWithAlternatives.isEmpty() && !alternatives[std::size_t(i)].empty())
            m_summary.itemWithAlternatives = it.item;
        if (m_summary.itemInThreeKits.isEmpty() && kitsOfItem[std::size_t(i)] >= 3)
            m_summary.itemInThreeKits = it.item;
        if (m_summary.itemDrawnTwice.isEmpty() && it.copies > 1)
            m_summary.itemDrawnTwice = it.item;
        if (it.special == ItemSpec::SharedBolt) {
            m_summary.componentUsedTwice = base[std::size_t(i)];
            m_summary.itemsOfComponentUsedTwice << it.item;
        }
        if (assemblies.size() > 1 && it.excluded.size() > 1 && it.excluded[1] && it.page >= 0)
            m_summary.variantMissingItems << it.item;
    }
    // Many cross references for the sealing ring of the header example,
    // two of them holding "12A".
    Rng rng = m_base.derive(0x12A);
    const int makers = int(m_vocab.manufacturers.size());
    const int count = 14;
    for (int k = 0; k < count; ++k) {
        const int maker = k % makers;
        QString n = ManufacturerNumber(maker, rng);
        if (k == 3 || k == 9)
            n = QStringLiteral("00%1012A%2").arg(maker).arg(k * 37);
        Insert(tbl::REFERENCIACRUZADA, {m_summary.heavyCrossRefNumber, maker + 1, n});
    }
    m_summary.heavyCrossRefCount = count;
    m_summary.manufacturerFragment = QStringLiteral("12A");
}

void Builder::WriteSupersessionSpecials()
{
    // Repair kits superseding each other in a cycle, and an assembly
    // replaced by its successor.
    if (m_cycle.first && m_cycle.second) {
        const qlonglong x = m_cycle.first, y = m_cycle.second;
        m_supersessions.push_back({QStringLiteral("JRE"), x, y});
        m_supersessions.push_back({QStringLiteral("JRE"), y, x});
        m_summary.cycleX = x;
        m_summary.cycleY = y;
    }
    if (m_summary.replacedAssembly && m_summary.replacingAssembly)
        m_supersessions.push_back({QStringLiteral("PCA"), m_summary.replacedAssembly, m_summary.replacingAssembly});
    for (const auto& s : m_supersessions)
        Insert(tbl::SUBSTITUIDOS, {s.kind, s.from, s.to});
}

void Builder::AddPdf(const QString& file, const QString& title, const QStringList& paragraphs, const QStringList& table)
{
    if (m_documents.contains(file))
        return;
    m_documents.insert(file);
    DocumentJob d;
    d.kind = DocumentJob::Pdf;
    d.file = file;
    d.title = title;
    d.paragraphs = paragraphs;
    d.table = table;
    m_files.documents.push_back(d);
}

void Builder::AddText(const QString& file, const QStringList& lines)
{
    if (m_documents.contains(file))
        return;
    m_documents.insert(file);
    DocumentJob d;
    d.kind = DocumentJob::Text;
    d.file = file;
    d.paragraphs = lines;
    m_files.documents.push_back(d);
}

}  // namespace demo::builder
