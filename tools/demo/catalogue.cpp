#include "catalogue.h"

#include "cataloguebuilder.h"

#include "comparisondemo.h"
#include "schema.h"
#include "searchcases.h"
#include "vocabulary.h"

#include "platform/base/vbruntime.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace demo {

double JetDayNumber(int year, int month, int day)
{
    return platform::vb::ToDayNumber(QDate(year, month, day));
}

namespace {

// Families beyond this many reuse the structure and pictures of an earlier one.
constexpr int kTemplates = 24;
// Families per unit of scale.
constexpr int kFamiliesPerScale = 42;

QVariant Code(long long c) { return c > 0 ? QVariant(c) : QVariant(); }

}  // namespace

namespace builder {

Builder::Builder(const Options& o, RowSink& sink, Summary& summary, FilePlan& files)
    : m_options(o), m_sink(sink), m_summary(summary), m_files(files), m_vocab(Vocabulary(o.edition)),
      m_base(Rng(0xD3A0ULL * (o.seed + 1)).derive(std::uint64_t(o.edition.isEmpty() ? 'V' : o.edition.at(0).unicode())))
{
    m_families = std::max(4, int(std::lround(kFamiliesPerScale * o.scale)));
    m_templateCount = std::min(m_families, kTemplates);
    m_poolDims = 6 * std::max(1, int(std::ceil(o.scale / 4)));
    m_reservedNumbers.insert(QStringLiteral("501123456"));
}

void Builder::Run()
{
    WriteFixedTables();
    WriteVehicles();
    for (int f = 0; f < m_families; ++f)
        WriteFamily(f);
    WriteSupersessionSpecials();
    WriteOutputCases(m_options, m_sink, m_summary, m_files);
    WriteAssemblyViewSection();
    WriteComparisonSpecials();
    // Last, so that they change no code of the rows above.
    WriteSearchCasesSection();
}

// --- numbers and codes ------------------------------------------------

QString Builder::CompanyNumber(int prefix)
{
    int& seq = m_numberSeq[prefix];
    for (;;) {
        const long long n = (qlonglong)prefix * 1000000LL + ((qlonglong)(seq++) * 7919LL + 104729LL) % 1000000LL;
        const QString s = QString::number(n);
        if (!m_reservedNumbers.contains(s))
            return s;
    }
}

QString Builder::ManufacturerNumber(int manufacturer, Rng& rng)
{
    QString digits;
    const int len = 7 + manufacturer % 4;
    for (int k = 0; k < len; ++k)
        digits += QChar('0' + rng.range(0, 9));
    QString n;
    switch (manufacturer % 4) {
    case 0: n = QStringLiteral("A") + digits; break;
    case 1: n = digits; break;
    case 2: n = QString(QChar('K' + manufacturer % 8)) + QChar('R' - manufacturer % 5) + digits; break;
    default: n = digits + QChar('A' + rng.range(0, 3)); break;
    }
    if (rng.chance(0.04))
        n.replace(2, 3, QStringLiteral("12A"));
    return n;
}

// --- components ------------------------------------------------------------

qlonglong Builder::PoolComponent(Kind kind, int dim)
{
    const int key = int(kind) * 1000 + dim % m_poolDims;
    auto found = m_pool.find(key);
    if (found != m_pool.end())
        return found->second;
    Rng rng = m_base.derive(0x9000 + std::uint64_t(key));
    Component c;
    c.code = m_nextComponent++;
    c.number = CompanyNumber(Info(kind).numberPrefix);
    c.text = Describe(kind, 1, dim, rng);
    if (rng.chance(0.08)) {
        // a general note of a standard part
        c.flagged = true;
        Note n;
        n.quick = rng.pick(ShortNotes());
        WriteNote(n, [&](qlonglong obs) { Insert(tbl::APLICACAOOBS_Componente, {obs, c.code, QVariant(), QVariant()}); });
        m_generalNotes.insert(c.code);
    }
    EmitComponent(c);
    m_pool[key] = c.code;
    return c.code;
}

void Builder::EmitComponent(const Component& c)
{
    Insert(tbl::COMPONENTE, {c.code, c.number, c.text.p, c.text.e, c.text.i, Flags({c.flagged})});
    if (Rng(std::uint64_t(c.code) * 7919ULL).chance(0.25))
        WriteCrossReferences(c.number, Rng(std::uint64_t(c.code) * 104729ULL).range(1, 3), c.code);
}

void Builder::WriteCrossReferences(const QString& number, int count, qlonglong salt)
{
    Rng rng = m_base.derive(0xC0FFEE00ULL + std::uint64_t(salt));
    const int makers = int(m_vocab.manufacturers.size());
    for (int k = 0; k < count; ++k) {
        const int maker = rng.range(0, makers - 1);
        Insert(tbl::REFERENCIACRUZADA, {number, maker + 1, ManufacturerNumber(maker, rng)});
    }
}

// --- notes --------------------------------------------------------------------

template <typename Apply>
qlonglong Builder::WriteNote(const Note& n, Apply apply)
{
    const qlonglong obs = m_nextObservation++;
    apply(obs);
    if (!n.quick.p.isEmpty())
        Insert(tbl::OBSERVACAO_RAPIDA, {obs, n.quick.p, n.quick.e, n.quick.i});
    if (n.memoRow || !n.memo.p.isEmpty() || !n.anexos.p.isEmpty()) {
        Row row{obs, Text(n.memo.p), Text(n.memo.e), Text(n.memo.i)};
        if (!m_options.noAttachments) {
            row.push_back(Text(n.anexos.p));
            row.push_back(Text(n.anexos.e));
            row.push_back(Text(n.anexos.i));
        }
        Insert(tbl::OBSERVACAO_MEMO, row);
    }
    return obs;
}

Note Builder::RandomNote(Rng& rng, const QString& model)
{
    Note n;
    if (rng.chance(0.85))
        n.quick = rng.pick(ShortNotes());
    if (n.quick.p.isEmpty() || rng.chance(0.35))
        n.memo = LongNote(rng.range(0, 3), model);
    if (!m_options.noAttachments && rng.chance(0.12)) {
        const int b = rng.range(1, 3);
        n.anexos = {Bulletin(b, QStringLiteral("P")), Bulletin(b, QStringLiteral("E")), Bulletin(b, QStringLiteral("I"))};
    }
    return n;
}

QString Builder::Bulletin(int b, const QString& lang)
{
    const QString file = QStringLiteral("BOLETIM_%1_%2.pdf").arg(b).arg(lang);
    if (!m_documents.contains(file)) {
        m_documents.insert(file);
        DocumentJob d;
        d.file = file;
        const int l = lang == QLatin1String("P") ? 0 : (lang == QLatin1String("E") ? 1 : 2);
        const Tri title = T3("Boletim técnico", "Boletín técnico", "Technical bulletin");
        d.title = title[l] + QStringLiteral(" %1").arg(b);
        d.paragraphs << LongNote(b, QStringLiteral("TQ"))[l].split(QStringLiteral("\r\n")) << LongNote(b + 1, QStringLiteral("TQ"))[l];
        m_files.documents.push_back(d);
    }
    return file;
}

// --- photos and drawings -----------------------------------------------

QString Builder::Photo(const Structure& st, int variant)
{
    const QString file = QStringLiteral("FOTO_%1_%2.jpg").arg(st.index, 3, 10, QLatin1Char('0')).arg(variant);
    if (!m_photos.contains(file)) {
        m_photos.insert(file);
        m_files.photos.push_back({file, st.type->photoStyle, m_base.derive(0xF070 + std::uint64_t(st.index) * 8 + std::uint64_t(variant)).next()});
    }
    return file;
}

QString Builder::Drawing(const Structure& st, int page)
{
    const QString file = QStringLiteral("FIG_%1_%2.jpg").arg(st.index, 3, 10, QLatin1Char('0')).arg(page + 1);
    if (!m_drawings.contains(file)) {
        m_drawings.insert(file);
        DrawingJob d;
        d.file = file;
        d.items = st.drawn[std::size_t(page)];
        d.layout = st.layouts[std::size_t(page)];
        d.drawingNumber = QStringLiteral("D-%1-%2").arg(st.index + 1, 3, 10, QLatin1Char('0')).arg(st.pages[std::size_t(page)].group, 2, 10, QLatin1Char('0'));
        d.caption = QStringLiteral("FIG. %1/%2").arg(page + 1).arg(st.pages.size());
        m_files.drawings.push_back(std::move(d));
    }
    return file;
}

const Structure& Builder::StructureOf(int t)
{
    auto found = m_structures.find(t);
    if (found == m_structures.end())
        found = m_structures.emplace(t, std::make_unique<Structure>(BuildStructure(t, m_vocab, m_base))).first;
    return *found->second;
}

// --- one family -----------------------------------------------------------

void Builder::WriteFamily(int f)
{
    const Structure& st = StructureOf(f % m_templateCount);
    const AssemblyType& type = *st.type;
    Rng rng = m_base.derive(0x200000 + std::uint64_t(f));
    const QString model = type.modelPrefix + QString::number(200 + 35 * f);
    const int nItems = int(st.items.size());
    const int nv = st.variants;

    // Components of every item, optional alternatives and replacements.
    const std::size_t itemCount = std::size_t(nItems);
    std::vector<Component> owned;
    std::vector<qlonglong> base(itemCount, 0);
    std::vector<std::vector<qlonglong>> alternatives(itemCount);
    std::vector<std::vector<qlonglong>> substitute(itemCount, std::vector<qlonglong>(std::size_t(nv), 0));
    qlonglong sharedBolt = 0;
    auto own = [&](const Tri& text, int prefix, const QString& number = {}) {
        Component c;
        c.code = m_nextComponent++;
        c.number = number.isEmpty() ? CompanyNumber(prefix) : number;
        c.text = text;
        owned.push_back(c);
        return c.code;
    };
    std::vector<Tri> baseText(itemCount);
    for (int i = 0; i < nItems; ++i) {
        const ItemSpec& it = st.items[std::size_t(i)];
        const KindInfo& info = Info(it.kind);
        Rng desc = m_base.derive(0x300000 + std::uint64_t(st.index) * 4096 + std::uint64_t(i));
        baseText[std::size_t(i)] = Describe(it.kind, it.ordinal, it.dim, desc);
        if (f == 0 && it.special == ItemSpec::HeaderRing) {
            base[std::size_t(i)] = own(T3("ANEL DE VEDAÇÃO", "ANILLO DE SELLADO", "SEALING RING"), 501, QStringLiteral("501123456"));
            m_summary.heavyCrossRefComponent = base[std::size_t(i)];
            m_summary.heavyCrossRefNumber = QStringLiteral("501123456");
        } else if (f == 0 && it.special == ItemSpec::DriverSeal) {
            base[std::size_t(i)] = own(T3("RETENTOR LADO DO MOTORISTA", "RETÉN LADO DEL CONDUCTOR", "DRIVER'S SIDE OIL SEAL"), 730);
            m_summary.apostropheComponent = base[std::size_t(i)];
        } else if (it.special == ItemSpec::SharedBolt) {
            if (sharedBolt == 0)
                sharedBolt = own(baseText[std::size_t(i)], info.numberPrefix);
            base[std::size_t(i)] = sharedBolt;
        } else if (info.standard && rng.chance(0.75)) {
            base[std::size_t(i)] = PoolComponent(it.kind, rng.range(0, m_poolDims - 1));
        } else {
            base[std::size_t(i)] = own(baseText[std::size_t(i)], info.numberPrefix);
        }
        for (int a = 1; a <= it.alternatives; ++a)
            alternatives[std::size_t(i)].push_back(own(DescribeAlternative(it.kind, baseText[std::size_t(i)], a), info.numberPrefix));
        for (int v = 1; v < nv; ++v)
            if (it.substituted[std::size_t(v)]) {
                Rng other = desc.derive(std::uint64_t(v));
                substitute[std::size_t(i)][std::size_t(v)] = own(Describe(it.kind, it.ordinal, it.dim + v, other), info.numberPrefix);
            }
    }
    auto componentOf = [&](int i, int v) {
        const qlonglong s = substitute[std::size_t(i)][std::size_t(v)];
        return s ? s : base[std::size_t(i)];
    };

    // Assemblies: the variants, and in family 2 one without figure (and in
    // edition D one whose type has no TIPOPECA row).
    std::vector<Assembly> assemblies;
    for (int v = 0; v < nv; ++v)
        assemblies.push_back({m_nextAssembly++, v, true, f != 3, true});
    if (f == 2) {
        assemblies.push_back({m_nextAssembly++, 0, false, false, false});
        m_summary.assemblyWithoutFigure = assemblies.back().code;
        if (m_options.edition == QLatin1String("D")) {
            assemblies.push_back({m_nextAssembly++, 0, false, false, false});
            m_summary.assemblyUnknownType = assemblies.back().code;
        }
    }
    auto present = [&](int i, const Assembly& a) { return !st.items[std::size_t(i)].excluded[std::size_t(a.variant)]; };

    // Repair kits.
    std::vector<Kit> kits;
    if (f != 3) {
        for (int which = 0; which < 6; ++which) {
            if (which == 5 && st.index != 0)
                continue;
            Kit kit;
            for (int i = 0; i < nItems; ++i) {
                const KindInfo& info = Info(st.items[std::size_t(i)].kind);
                const Kind k = st.items[std::size_t(i)].kind;
                bool in = false;
                switch (which) {
                case 0: in = info.kitSeals; break;
                case 1: in = info.kitBearings; break;
                case 2: in = info.kitSynchro; break;
                case 3: in = info.kitSeals || info.kitBearings || k == Kind::Circlip || k == Kind::Shim; break;
                case 4: in = info.kitFasteners; break;
                default: in = info.kitSeals || info.kitBearings || info.kitSynchro; break;
                }
                if (in)
                    kit.items.push_back(i);
            }
            if (kit.items.empty())
                continue;
            kit.code = m_nextKit++;
            kit.number = CompanyNumber(769);
            kit.text = KitDescription(which, model);
            kits.push_back(std::move(kit));
        }
    }
    std::vector<int> kitsOfItem(itemCount, 0);
    for (const Kit& k : kits)
        for (int i : k.items)
            ++kitsOfItem[std::size_t(i)];

    // Buying suggestions.
    const qlonglong suggestion = m_nextSuggestion++;
    struct SuggestedItem { int carrier; int item; QVariant quantity; };
    struct SuggestedKit { int carrier; qlonglong kit; };
    std::vector<SuggestedItem> suggestedItems;
    std::vector<SuggestedKit> suggestedKits;
    std::vector<bool> carries(itemCount, false);
    auto suggest = [&](int carrier, int count, int kitCount, Rng& r) {
        const ItemSpec& c = st.items[std::size_t(carrier)];
        std::vector<int> candidates;
        for (int i = 0; i < nItems; ++i)
            if (i != carrier && st.items[std::size_t(i)].page == c.page && !st.items[std::size_t(i)].excluded[0] &&
                st.items[std::size_t(i)].alternatives == 0)
                candidates.push_back(i);
        if (candidates.empty())
            return;
        carries[std::size_t(carrier)] = true;
        std::set<qlonglong> used;
        for (int k = 0; k < count && !candidates.empty(); ++k) {
            const int pick = r.range(0, int(candidates.size()) - 1);
            const int item = candidates[std::size_t(pick)];
            candidates.erase(candidates.begin() + pick);
            if (!used.insert(base[std::size_t(item)]).second) {
                --k;  // the same component twice would merge into one row
                continue;
            }
            suggestedItems.push_back({carrier, item, r.chance(0.5) ? QVariant() : QVariant(QString::number(r.range(1, 4)))});
        }
        for (int k = 0; k < kitCount && k < int(kits.size()); ++k)
            suggestedKits.push_back({carrier, kits[std::size_t(k)].code});
    };
    for (int i = 0; i < nItems; ++i)
        if (st.items[std::size_t(i)].page >= 0 && rng.chance(0.08)) {
            const int kitCount = rng.chance(0.5) ? 1 : 0; // drawn one at a time, in a fixed order
            const int count = rng.range(2, 4);
            suggest(i, count, kitCount, rng);
        }
    if (f == 0) {
        const int page = st.pages.size() > 2 ? 2 : 1;
        for (int idx : st.pages[std::size_t(page)].items) {
            const ItemSpec& it = st.items[std::size_t(idx)];
            if (it.special == ItemSpec::None && !Info(it.kind).standard && it.alternatives == 0 && !carries[std::size_t(idx)]) {
                Rng r = rng.derive(0x5065);
                suggest(idx, 7, 2, r);
                m_summary.itemWithSuggestion = it.item;
                break;
            }
        }
    }

    // Notes: on components, kits and assemblies.
    struct ComponentNote { qlonglong component; qlonglong assembly; QString item; Note note; };
    std::vector<ComponentNote> componentNotes;
    std::vector<std::pair<qlonglong, Note>> kitNotes;        // kit code, note (assembly in the note list below)
    std::vector<qlonglong> kitNoteAssembly;
    std::vector<std::pair<qlonglong, Note>> assemblyNotes;
    for (const Component& c : owned)
        if (rng.chance(0.05)) {
            const int scope = rng.range(0, 2);
            QString item;
            if (scope == 2)
                for (int i = 0; i < nItems; ++i)
                    if (base[std::size_t(i)] == c.code)
                        item = st.items[std::size_t(i)].item;
            componentNotes.push_back({c.code, scope == 0 ? 0 : assemblies[0].code, item, RandomNote(rng, model)});
        }
    for (const Kit& k : kits)
        if (rng.chance(0.2)) {
            kitNotes.push_back({k.code, RandomNote(rng, model)});
            kitNoteAssembly.push_back(rng.chance(0.5) ? 0 : assemblies[0].code);
        }
    for (const Assembly& a : assemblies)
        if (rng.chance(0.25))
            assemblyNotes.push_back({a.code, RandomNote(rng, model)});

    if (f == 0)
        ShowcaseNotes(st, base, assemblies, kits, model, componentNotes, kitNotes, kitNoteAssembly, assemblyNotes);
    if (f == 0)
        DetailWindowCases(st, alternatives, assemblies, kits, componentNotes, kitNotes, kitNoteAssembly);

    // Supersession inside the family: the first replaced item's original is
    // superseded by its replacement.
    for (int i = 0; i < nItems && !m_familySupersession; ++i)
        for (int v = 1; v < nv; ++v)
            if (substitute[std::size_t(i)][std::size_t(v)]) {
                m_supersessions.push_back({QStringLiteral("COM"), base[std::size_t(i)], substitute[std::size_t(i)][std::size_t(v)]});
                m_superseded.insert(base[std::size_t(i)]);
                m_superseded.insert(substitute[std::size_t(i)][std::size_t(v)]);
                m_familySupersession = true;
                break;
            }
    m_familySupersession = false;
    if (f == 0)
        ShowcaseChain(st, base, substitute, owned, assemblies);

    // Flags of components and kits.
    std::set<qlonglong> noted;
    for (const ComponentNote& n : componentNotes)
        noted.insert(n.component);
    for (Component& c : owned)
        c.flagged = noted.count(c.code) || m_superseded.count(c.code);
    std::set<qlonglong> notedKits;
    for (const auto& kn : kitNotes)
        notedKits.insert(kn.first);
    for (Kit& k : kits)
        k.flagged = notedKits.count(k.code) > 0;
    std::set<qlonglong> notedAssemblies;
    for (const auto& an : assemblyNotes)
        notedAssemblies.insert(an.first);
    auto noteApplies = [&](qlonglong component, qlonglong assembly, const QString& item) {
        if (m_generalNotes.count(component) || m_superseded.count(component))
            return true;
        for (const ComponentNote& n : componentNotes)
            if (n.component == component && (n.assembly == 0 || (n.assembly == assembly && (n.item.isEmpty() || n.item == item))))
                return true;
        return false;
    };

    // --- rows -----------------------------------------------------------
    for (const Component& c : owned)
        EmitComponent(c);
    for (const Kit& k : kits) {
        Insert(tbl::JOGOREPARO, {k.code, k.number, k.text.p, k.text.e, k.text.i, Flags({k.flagged})});
        if (rng.chance(0.2))
            WriteCrossReferences(k.number, 1, k.code + 7);
    }

    const qlonglong figure = m_nextFigure++;
    for (std::size_t a = 0; a < assemblies.size(); ++a) {
        const Assembly& as = assemblies[a];
        QChar typeCode = type.code;
        Tri text = type.noun.suffixed({model, model, model});
        if (as.variant > 0)
            text = text.suffixed(type.variantSuffixes[std::size_t(as.variant - 1)]);
        QVariant photo = Photo(st, as.variant);
        if (!as.figure) {
            if (as.code == m_summary.assemblyUnknownType) {
                typeCode = QLatin1Char('S');
                text = T3("CONJUNTO SERVIÇO", "CONJUNTO SERVICIO", "SERVICE ASSEMBLY").suffixed({model, model, model});
            } else {
                text = text.suffixed(T3("(SEM DESENHO)", "(SIN DIBUJO)", "(NO DRAWING)"));
                photo = QStringLiteral("FOTO_INEXISTENTE.jpg");
                m_summary.assemblyPhotoMissing = as.code;
            }
        } else if (f == 2 && as.variant == 0) {
            photo = photo.toString().toUpper();
            m_summary.assemblyPhotoCaseMismatch = as.code;
        } else if (f == 2 && as.variant == 1) {
            photo = QVariant();
            m_summary.assemblyPhotoNull = as.code;
        }
        const QString number = CompanyNumber(type.numberPrefix);
        Insert(tbl::PECA, {as.code, number, text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e), SearchForm(text.i),
                           QString(typeCode), Flags({notedAssemblies.count(as.code) > 0}), photo, as.figure ? QVariant(qlonglong(figure)) : QVariant(),
                           as.suggestion ? QVariant(qlonglong(suggestion)) : QVariant()});
        if (rng.chance(0.8) || (f == 0 && a == 0))
            WriteCrossReferences(number, rng.range(1, 3), as.code + 11);
        if (f == 0 && a == 0) {
            m_summary.showcaseAssembly = as.code;
            m_summary.showcaseNumber = number;
            m_summary.showcaseFigure = figure;
            m_summary.showcasePages = int(st.pages.size());
        }
        if (f == 0 && a == 1)
            m_summary.variantAssembly = as.code;
        if (f == 1 && a == 0) {
            m_summary.assemblyMissingDrawing = as.code;
            if (type.code == QLatin1Char('E'))
                m_summary.axleAssembly = as.code;
        }
        if (f == 3 && a == 0) {
            m_summary.assemblyOnePage = as.code;
            m_summary.assemblyWithoutKits = as.code;
            m_summary.assemblyWithoutVehicles = as.code;
        }
        if (f == 1 && nv > 1 && a == 0)
            m_summary.replacedAssembly = as.code;
        if (f == 1 && nv > 1 && a == 1)
            m_summary.replacingAssembly = as.code;
    }

    // Components of each assembly.
    for (const Assembly& as : assemblies) {
        for (int i = 0; i < nItems; ++i) {
            if (!present(i, as))
                continue;
            const ItemSpec& it = st.items[std::size_t(i)];
            const qlonglong c = componentOf(i, as.variant);
            const bool alt = !alternatives[std::size_t(i)].empty();
            Insert(tbl::PECA_COMPONENTE, {as.code, it.item, c, it.quantity, 0,
                                          Flags({as.suggestion && carries[std::size_t(i)], alt, as.kits && kitsOfItem[std::size_t(i)] > 0,
                                                 noteApplies(c, as.code, it.item)})});
            for (qlonglong a : alternatives[std::size_t(i)])
                Insert(tbl::PECA_COMPONENTE, {as.code, it.item, a, it.quantity, 1, Flags({false, false, false, noteApplies(a, as.code, it.item)})});
        }
        if (as.kits)
            for (const Kit& k : kits)
                for (int i : k.items)
                    if (present(i, as))
                        Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {as.code, st.items[std::size_t(i)].item, k.code});
    }

    // Figure: its pages, the items of each page, and the labels of every
    // assembly drawn with it.
    for (int p = 0; p < int(st.pages.size()); ++p) {
        const PageSpec& page = st.pages[std::size_t(p)];
        Insert(tbl::PARTESFIGURA, {figure, p + 1, page.title.p, page.title.e, page.title.i});
        std::set<QString> seen;
        for (int idx : page.items)
            if (seen.insert(st.items[std::size_t(idx)].item).second)
                Insert(tbl::FIGURADETALHADA, {figure, st.items[std::size_t(idx)].item, p + 1});
    }
    for (const Assembly& as : assemblies) {
        if (!as.figure)
            continue;
        for (int p = 0; p < int(st.pages.size()); ++p) {
            const PageSpec& page = st.pages[std::size_t(p)];
            QVariant file = Drawing(st, p);
            if (f == 1 && p == 1) {
                file = QStringLiteral("FIG_%1_2_AUSENTE.jpg").arg(st.index, 3, 10, QLatin1Char('0'));
                m_summary.pageMissingDrawing = p + 1;
            }
            if (f == 1 && p == 2) {
                file = QVariant();
                m_summary.pageWithoutFile = p + 1;
            }
            for (const Callout& c : st.layouts[std::size_t(p)].callouts) {
                const ItemSpec& it = st.items[std::size_t(page.items[std::size_t(c.item)])];
                Insert(tbl::FIGURADETALHADA1, {m_nextHotSpot++, as.code, p + 1, file, it.item, Text(it.shortText.isEmpty() ? QString() : it.shortText),
                                               c.label.left(), c.label.top(), page.title.p, page.title.e, page.title.i});
            }
        }
    }

    for (const SuggestedItem& s : suggestedItems)
        Insert(tbl::SUGESTAO_COMPONENTE, {suggestion, st.items[std::size_t(s.carrier)].item, st.items[std::size_t(s.item)].item, s.quantity});
    for (const SuggestedKit& s : suggestedKits)
        Insert(tbl::SUGESTAO_JOGOREPARO, {suggestion, st.items[std::size_t(s.carrier)].item, s.kit});

    for (const ComponentNote& n : componentNotes)
        WriteNote(n.note, [&](qlonglong obs) {
            Insert(tbl::APLICACAOOBS_Componente, {obs, n.component, Code(n.assembly), Text(n.item.isEmpty() ? QString() : n.item)});
        });
    for (std::size_t k = 0; k < kitNotes.size(); ++k)
        WriteNote(kitNotes[k].second, [&](qlonglong obs) {
            Insert(tbl::APLICACAOOBS_JOGOREPARO, {obs, kitNotes[k].first, Code(kitNoteAssembly[k])});
        });
    for (const auto& an : assemblyNotes)
        WriteNote(an.second, [&](qlonglong obs) { Insert(tbl::APLICACAOOBS_Peca, {obs, an.first}); });

    // Vehicles.
    for (const Assembly& as : assemblies) {
        if (f == 3)
            continue;
        std::set<int> vehicles;
        if (f <= 2)
            vehicles.insert(1);
        const int count = rng.range(1, 4);
        for (int k = 0; k < count; ++k)
            vehicles.insert(rng.range(1, m_vehicleCount));
        for (int v : vehicles)
            Insert(tbl::VEICULO_PECA, {v, as.code});
    }

    // Summary of the showcase family.
    if (f == 0)
        SummariseShowcase(st, base, alternatives, kitsOfItem, assemblies);
}

// --- special cases of family 0 ----------------------------------------

template <typename CN, typename KN, typename AN>
void Builder::ShowcaseNotes(const Structure& st, const std::vector<qlonglong>& base, const std::vector<Assembly>& assemblies,
                   const std::vector<Kit>& kits, const QString& model, CN& componentNotes, KN& kitNotes,
                   std::vector<qlonglong>& kitNoteAssembly, AN& assemblyNotes)
{
    const qlonglong showcase = assemblies[0].code;
    auto itemIndex = [&](const QString& item) {
        for (int i = 0; i < int(st.items.size()); ++i)
            if (st.items[std::size_t(i)].item == item)
                return i;
        return -1;
    };
    const std::vector<Tri> quick = ShortNotes();

    // Two notes on the component of item 01.002: the first with a qlonglong and
    // a short text, the second with a short text only.
    const int twoNote = itemIndex(QStringLiteral("01.002"));
    if (twoNote >= 0) {
        const qlonglong c = base[std::size_t(twoNote)];
        Note first;
        first.quick = quick[0];
        first.memo = LongNote(0, model);
        Note second;
        second.quick = quick[2];
        // Both rows name the assembly and the item, so that they apply
        // however a Null assembly or item is compared.
        componentNotes.push_back({c, showcase, QStringLiteral("01.002"), first});
        componentNotes.push_back({c, showcase, QStringLiteral("01.002"), second});
        m_summary.twoNoteComponent = c;
        m_summary.twoNoteItem = QStringLiteral("01.002");
    }

    // A general note (no assembly) with one text attachment, and a note
    // whose attachment is missing.
    const int general = itemIndex(QStringLiteral("01.001"));
    if (general >= 0) {
        Note n;
        n.quick = quick[3];
        n.memo = LongNote(2, model);
        n.anexos = {QStringLiteral("INSTRUCOES_MONTAGEM.txt"), QStringLiteral("INSTRUCOES_MONTAGEM.txt"), QStringLiteral("INSTRUCOES_MONTAGEM.txt")};
        componentNotes.push_back({base[std::size_t(general)], 0, QString(), n});
        m_summary.generalNoteComponent = base[std::size_t(general)];
        AddText(QStringLiteral("INSTRUCOES_MONTAGEM.txt"),
                {QStringLiteral("TQ - INSTRUÇÕES DE MONTAGEM / INSTRUCCIONES DE MONTAJE / ASSEMBLY INSTRUCTIONS"), QString(),
                 LongNote(0, model).p, QString(), LongNote(0, model).e, QString(), LongNote(0, model).i});
    }
    if (m_summary.apostropheComponent) {
        Note n;
        n.quick = quick[11];
        n.anexos = {QStringLiteral("BOLETIM_RETENTOR.pdf"), QStringLiteral("BOLETIM_RETENTOR.pdf"), QStringLiteral("BOLETIM_RETENTOR.pdf")};
        componentNotes.push_back({m_summary.apostropheComponent, showcase, QString(), n});
        m_summary.missingAttachment = QStringLiteral("BOLETIM_RETENTOR.pdf");
    }

    // The showcase assembly's own note: a manual per language and a torque
    // table whose stored name differs in letter case from the file.
    {
        Note n;
        n.quick = T3("Ver manual de serviço e tabela de torques", "Ver manual de servicio y tabla de pares",
                     "See the service manual and the torque table");
        n.memo = LongNote(3, model);
        const QString manual = QStringLiteral("MANUAL_%1_%2.pdf").arg(QString(model).remove(QLatin1Char('-')));
        n.anexos = {manual.arg(QLatin1String("P")) + QStringLiteral("/TABELA_TORQUES.PDF"), manual.arg(QLatin1String("E")) + QStringLiteral("/TABELA_TORQUES.PDF"),
                    manual.arg(QLatin1String("I")) + QStringLiteral("/TABELA_TORQUES.PDF")};
        assemblyNotes.push_back({showcase, n});
        m_summary.assemblyNoteAssembly = showcase;
        m_summary.assemblyNoteAttachmentsP = {manual.arg(QLatin1String("P")), QStringLiteral("TABELA_TORQUES.PDF")};
        m_summary.attachmentCaseMismatch = QStringLiteral("TABELA_TORQUES.PDF");
        const Tri title = T3("Manual de serviço", "Manual de servicio", "Service manual");
        for (int l = 0; l < 3; ++l) {
            const QString lang = QStringLiteral("PEI").mid(l, 1);
            AddPdf(manual.arg(lang), title[l] + QLatin1Char(' ') + model,
                   LongNote(0, model)[l].split(QStringLiteral("\r\n")) + LongNote(2, model)[l].split(QStringLiteral("\r\n")));
        }
        AddPdf(QStringLiteral("Tabela_Torques.pdf"), QStringLiteral("Torques / Pares de apriete / Tightening torques"), {},
               {QStringLiteral("Rosca|N·m|kgf·m"), QStringLiteral("M6|10|1,0"), QStringLiteral("M8|25|2,5"), QStringLiteral("M10|45|4,6"),
                QStringLiteral("M12|80|8,2"), QStringLiteral("M14|130|13,3"), QStringLiteral("M16|200|20,4")});
    }

    // The seals kit: two notes whose attachment lists hold four names,
    // with an empty first piece, a blank piece and two slashes in a row.
    if (!kits.empty()) {
        Note a;
        a.quick = quick[4];
        a.anexos = {QStringLiteral("INSTRUCOES_JOGO.pdf/ /LISTA_PECAS.txt"), QStringLiteral("INSTRUCOES_JOGO.pdf/ /LISTA_PECAS.txt"),
                    QStringLiteral("INSTRUCOES_JOGO.pdf/ /LISTA_PECAS.txt")};
        a.memoRow = true;
        Note b;
        b.memo = LongNote(1, model);
        b.anexos = {QStringLiteral("/VISTA_EXPLODIDA.pdf/FOTOS_JOGO.pdf"), QStringLiteral("/VISTA_EXPLODIDA.pdf/FOTOS_JOGO.pdf"),
                    QStringLiteral("/VISTA_EXPLODIDA.pdf/FOTOS_JOGO.pdf")};
        kitNotes.push_back({kits[0].code, a});
        kitNoteAssembly.push_back(showcase);
        kitNotes.push_back({kits[0].code, b});
        kitNoteAssembly.push_back(showcase);
        m_summary.kitWithFourAttachments = kits[0].code;
        if (kits.size() > 1)
            m_cycle = {kits[0].code, kits[1].code};
        AddPdf(QStringLiteral("INSTRUCOES_JOGO.pdf"), kits[0].text.p, LongNote(0, model).p.split(QStringLiteral("\r\n")));
        AddText(QStringLiteral("LISTA_PECAS.txt"), {kits[0].text.p, QString(), QStringLiteral("Conteúdo conforme o catálogo.")});
        AddPdf(QStringLiteral("VISTA_EXPLODIDA.pdf"), kits[0].text.i, {LongNote(1, model).i});
        AddPdf(QStringLiteral("FOTOS_JOGO.pdf"), kits[0].text.e, {LongNote(1, model).e});
    }
}

// --- detail window cases of family 0 ------------------------------------

// Kit notes of three scopes on the kits of one item, two vehicles that
// tie on their description, and a noted optional alternative; see the
// Summary's block of the same name.
template <typename CN, typename KN>
void Builder::DetailWindowCases(const Structure& st, const std::vector<std::vector<qlonglong>>& alternatives,
                       const std::vector<Assembly>& assemblies, const std::vector<Kit>& kits, CN& componentNotes,
                       KN& kitNotes, std::vector<qlonglong>& kitNoteAssembly)
{
    const qlonglong showcase = assemblies[0].code;
    const qlonglong other = assemblies.size() > 1 ? assemblies[1].code : showcase + 1;

    // The first item served by three kits, and those kits in order.
    std::vector<const Kit*> three;
    for (int i = 0; i < int(st.items.size()) && three.size() < 3; ++i) {
        three.clear();
        for (const Kit& k : kits)
            if (std::find(k.items.begin(), k.items.end(), i) != k.items.end())
                three.push_back(&k);
        if (three.size() >= 3)
            m_summary.kitNotesItem = st.items[std::size_t(i)].item;
    }
    if (three.size() >= 3) {
        // Only these notes on the second and third kit.
        for (std::size_t n = kitNotes.size(); n-- > 0;)
            if (kitNotes[n].first == three[1]->code || kitNotes[n].first == three[2]->code) {
                kitNotes.erase(kitNotes.begin() + std::ptrdiff_t(n));
                kitNoteAssembly.erase(kitNoteAssembly.begin() + std::ptrdiff_t(n));
            }
        bool thisAssembly = false;
        for (std::size_t n = 0; n < kitNotes.size(); ++n)
            thisAssembly |= kitNotes[n].first == three[0]->code && kitNoteAssembly[n] == showcase;
        const std::vector<Tri> quick = ShortNotes();
        if (!thisAssembly) {
            Note n;
            n.quick = quick[5];
            kitNotes.push_back({three[0]->code, n});
            kitNoteAssembly.push_back(showcase);
        }
        Note elsewhere;
        elsewhere.quick = quick[6];
        kitNotes.push_back({three[1]->code, elsewhere});
        kitNoteAssembly.push_back(other);
        Note everywhere;
        everywhere.quick = quick[7];
        everywhere.memo = LongNote(1, QStringLiteral("TQ"));
        const QString guide = QStringLiteral(" GUIA.pdf ");
        everywhere.anexos = {guide, guide, guide};
        kitNotes.push_back({three[2]->code, everywhere});
        kitNoteAssembly.push_back(0);
        AddPdf(QStringLiteral("GUIA.pdf"), T3("Guia de aplicação", "Guía de aplicación", "Application guide").p,
               LongNote(1, QStringLiteral("TQ")).p.split(QStringLiteral("\r\n")));
        m_summary.kitNoteThisAssembly = three[0]->code;
        m_summary.kitNoteOtherAssembly = three[1]->code;
        m_summary.kitNoteEveryAssembly = three[2]->code;
        m_summary.guideAttachment = guide;
    }

    // Two vehicles of the showcase assembly alike but for their makers;
    // the first inserted has the maker that sorts last.
    const int makers = int(m_vocab.manufacturers.size());
    if (makers >= 2) {
        int a = 0, b = 1;
        if (QString::compare(m_vocab.manufacturers[0], m_vocab.manufacturers[1], Qt::CaseInsensitive) < 0)
            std::swap(a, b);
        const Tri text = T3("CAMINHÃO GÊMEO 1720 4X2", "CAMIÓN GEMELO 1720 4X2", "TWIN TRUCK 1720 4X2");
        const int codes[2] = {m_vehicleCount + 1, m_vehicleCount + 2};
        const int maker[2] = {a, b};
        for (int k = 0; k < 2; ++k) {
            Insert(tbl::VEICULO, {codes[k], maker[k] + 1, text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e),
                                  SearchForm(text.i)});
            Insert(tbl::VEICULO_PECA, {codes[k], showcase});
        }
        m_summary.twinVehicleA = codes[0];
        m_summary.twinVehicleB = codes[1];
        m_summary.twinVehicleDescription = text.p;
    }

    // A note on the first optional alternative, for the showcase assembly.
    for (int i = 0; i < int(st.items.size()); ++i)
        if (!alternatives[std::size_t(i)].empty()) {
            Note n;
            n.quick = T3("Alternativa aprovada para serviço severo", "Alternativa aprobada para servicio severo",
                         "Alternative approved for severe duty");
            componentNotes.push_back({alternatives[std::size_t(i)][0], showcase, QString(), n});
            m_summary.notedAlternativeItem = st.items[std::size_t(i)].item;
            m_summary.notedAlternative = alternatives[std::size_t(i)][0];
            break;
        }
}

}  // namespace builder

void BuildCatalogue(const Options& options, RowSink& sink, Summary& summary, FilePlan& files)
{
    builder::Builder(options, sink, summary, files).Run();
}

}  // namespace demo
