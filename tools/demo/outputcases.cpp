// The rows that the report output shows its cases on: an assembly whose
// figure has 23 parts (at --scale 100 with 500+ component rows), with an item
// in three repair kits that has a regular and an optional component row, kit
// codes named out of order, an item drawn without a component, a memo note
// with line breaks, a vehicle manufacturer whose name is over 20 characters,
// an item drawn in no part; and an assembly whose figure lists no part.
//
// Its codes come from ranges of their own (71xxxxx), so the families'
// codes stay as they were.
#include "catalogue.h"

#include "schema.h"
#include "vocabulary.h"

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

constexpr qlonglong kAssembly23 = 7100001;
constexpr qlonglong kAssemblyNoParts = 7100002;
constexpr qlonglong kFigure23 = 7101;
constexpr qlonglong kFigureNoParts = 7102;
constexpr qlonglong kFirstComponent = 7100001;
constexpr qlonglong kKitBase = 710000;  // kits 710012, 710015 and 710040: six digits as every kit, below the families' codes (900001 on)
constexpr qlonglong kFirstHotSpot = 71000001;
constexpr qlonglong kFirstObservation = 7100001;
constexpr qlonglong kManufacturer = 71;
constexpr qlonglong kVehicle = 7101;

// Drawn kinds of a transmission, cycled over the pages.
const Kind kKinds[] = {Kind::Gasket,   Kind::Bearing,  Kind::Seal,      Kind::SpeedGear, Kind::Circlip,    Kind::Washer,
                       Kind::Shim,     Kind::Bolt,     Kind::Nut,       Kind::DowelPin,  Kind::SynchroRing, Kind::Spacer,
                       Kind::ORing,    Kind::Sleeve,   Kind::ShiftFork, Kind::ShiftRod,  Kind::MagneticPlug, Kind::Breather,
                       Kind::BearingCover, Kind::ThrustWasher, Kind::SocketScrew, Kind::DetentSpring};

}  // namespace

void WriteOutputCases(const Options& options, RowSink& sink, Summary& summary, FilePlan& files)
{
    const EditionVocabulary& vocab = Vocabulary(options.edition);
    const AssemblyType& type = vocab.types.front();
    Rng rng(0x7100ULL + options.seed);
    auto insert = [&](const QString& table, const Row& row) { sink.Insert(table, row); };
    int numberSeq = 0;
    auto number = [&](int prefix) {
        return QString::number(qlonglong(prefix) * 1000000LL + (qlonglong(numberSeq++) * 7919LL + 31337LL) % 1000000LL);
    };

    // The manufacturer whose name is cut to 20 characters in the table
    // heading, and the one vehicle of the 23-part assembly.
    const QString maker = QStringLiteral("COMPANHIA VEICULAR DO NORDESTE");
    insert(tbl::FABRICANTE, {kManufacturer, maker, maker, maker});
    const Tri vehicle = T3("CAMINHÃO NV-2400 6X4", "CAMIÓN NV-2400 6X4", "TRUCK NV-2400 6X4");
    insert(tbl::VEICULO, {kVehicle, kManufacturer, vehicle.p, vehicle.e, vehicle.i, SearchForm(vehicle.p), SearchForm(vehicle.e),
                          SearchForm(vehicle.i)});
    insert(tbl::VEICULO_PECA, {kVehicle, kAssembly23});

    // Kits, named so that the first table line names the highest code.
    const qlonglong kit12 = kKitBase + 12, kit15 = kKitBase + 15, kit40 = kKitBase + 40;
    const Tri kitText[] = {T3("JOGO DE JUNTAS NV-2400", "JUEGO DE JUNTAS NV-2400", "GASKET SET NV-2400"),
                           T3("JOGO DE ROLAMENTOS NV-2400", "JUEGO DE RODAMIENTOS NV-2400", "BEARING SET NV-2400"),
                           T3("JOGO DE REPARO COMPLETO NV-2400", "JUEGO DE REPARACIÓN COMPLETO NV-2400", "COMPLETE REPAIR KIT NV-2400")};
    const qlonglong kitCodes[] = {kit12, kit15, kit40};
    for (int k = 0; k < 3; ++k)
        insert(tbl::JOGOREPARO, {kitCodes[k], number(769), kitText[k].p, kitText[k].e, kitText[k].i, Flags({false})});

    // The 23 parts and their items.
    const int parts = 23;
    const int perPart = std::clamp(int(std::lround(3 + options.scale * 0.19)), 3, 22);
    qlonglong component = kFirstComponent;
    qlonglong hotSpot = kFirstHotSpot;
    qlonglong observation = kFirstObservation;
    int rows = 0;
    const QString assemblyNumber = number(type.numberPrefix);
    const Tri assemblyText = type.noun.suffixed(T3("NV-2400 (23 PARTES)", "NV-2400 (23 PARTES)", "NV-2400 (23 PARTS)"));
    insert(tbl::PECA, {kAssembly23, assemblyNumber, assemblyText.p, assemblyText.e, assemblyText.i, SearchForm(assemblyText.p),
                       SearchForm(assemblyText.e), SearchForm(assemblyText.i), QString(type.code), Flags({false}), QVariant(),
                       kFigure23, QVariant()});
    const Tri noParts = type.noun.suffixed(T3("NV-2400 (FIGURA SEM PARTES)", "NV-2400 (FIGURA SIN PARTES)", "NV-2400 (FIGURE WITHOUT PARTS)"));
    insert(tbl::PECA, {kAssemblyNoParts, number(type.numberPrefix), noParts.p, noParts.e, noParts.i, SearchForm(noParts.p),
                       SearchForm(noParts.e), SearchForm(noParts.i), QString(type.code), Flags({false}), QVariant(), kFigureNoParts,
                       QVariant()});

    for (int p = 1; p <= parts; ++p) {
        // Part 7 has no description in any language.
        const Tri title = T3("PARTE", "PARTE", "PART").suffixed({QString::number(p), QString::number(p), QString::number(p)});
        if (p == 7)
            insert(tbl::PARTESFIGURA, {kFigure23, p, QVariant(), QVariant(), QVariant()});
        else
            insert(tbl::PARTESFIGURA, {kFigure23, p, title.p, title.e, title.i});

        std::vector<DrawnItem> drawn;
        std::vector<QString> items;
        const int count = perPart + (p == 1 ? 1 : 0);  // part 1 also draws an item without a component
        for (int i = 0; i < count; ++i) {
            const QString item = QStringLiteral("%1.%2").arg(p, 2, 10, QLatin1Char('0')).arg(5 + 5 * i, 3, 10, QLatin1Char('0'));
            const Kind kind = kKinds[std::size_t((p * 7 + i) % int(std::size(kKinds)))];
            drawn.push_back({Info(kind).shape, item, 1});
            items.push_back(item);
            insert(tbl::FIGURADETALHADA, {kFigure23, item, p});
            if (p == 1 && i == count - 1) {
                summary.outputItemWithoutComponent = item;
                continue;  // drawn, no component row
            }
            Rng desc = rng.derive(qulonglong(p) * 100 + qulonglong(i));
            const Tri text = Describe(kind, i + 1, i % 6, desc);
            const qlonglong regular = component++;
            const bool noted = p == 1 && i == 1;
            const QString regularNumber = number(Info(kind).numberPrefix);
            insert(tbl::COMPONENTE, {regular, regularNumber, text.p, text.e, text.i, Flags({noted})});
            const bool inKits = p == 1 && (i == 0 || i == 2);
            insert(tbl::PECA_COMPONENTE, {kAssembly23, item, regular, QStringLiteral("2"), 0, Flags({false, p == 1 && i == 2, inKits, noted})});
            ++rows;
            if (p == 1 && i == 0) {
                // 01.005: in kit 710040 only, so the kit list starts with it.
                insert(tbl::PECA_COMPONENTE_JOGOREPARO, {kAssembly23, item, kit40});
                summary.outputKitListFirstItem = item;
            }
            if (p == 1 && i == 2) {
                // 01.015: in kits 710012, 710015 and 710040, a regular and an optional row.
                const Tri alt = DescribeAlternative(kind, text, 1);
                const qlonglong optional = component++;
                insert(tbl::COMPONENTE, {optional, number(Info(kind).numberPrefix), alt.p, alt.e, alt.i, Flags({false})});
                insert(tbl::PECA_COMPONENTE, {kAssembly23, item, optional, QStringLiteral("2"), 1, Flags({false, false, true, false})});
                ++rows;
                for (qlonglong kit : {kit12, kit15, kit40})
                    insert(tbl::PECA_COMPONENTE_JOGOREPARO, {kAssembly23, item, kit});
                summary.outputItemWithKitsAndOptional = item;
                // Cross references for the page's manufacturer.
                insert(tbl::REFERENCIACRUZADA, {regularNumber, kManufacturer, QStringLiteral("NE0002")});
                insert(tbl::REFERENCIACRUZADA, {regularNumber, kManufacturer, QStringLiteral("NE0001")});
            }
            if (noted) {
                // 01.010: a memo note with line breaks, for this assembly.
                const qlonglong obs = observation++;
                insert(tbl::APLICACAOOBS_Componente, {obs, regular, kAssembly23, item});
                insert(tbl::OBSERVACAO_RAPIDA, {obs, QStringLiteral("Ver nota"), QStringLiteral("Ver nota"), QStringLiteral("See note")});
                Row memo{obs, QStringLiteral("Montar com a face chanfrada para fora.\r\nAplicar vedante na rosca.\r\nTorque final: 45 N·m."),
                         QStringLiteral("Montar con la cara achaflanada hacia afuera.\r\nAplicar sellador en la rosca.\r\nPar final: 45 N·m."),
                         QStringLiteral("Fit with the chamfered face outwards.\r\nApply sealant to the thread.\r\nFinal torque: 45 N·m.")};
                if (!options.noAttachments)
                    memo.insert(memo.end(), {QVariant(), QVariant(), QVariant()});
                insert(tbl::OBSERVACAO_MEMO, memo);
                summary.outputMemoComponent = regular;
                summary.outputMemoItem = item;
            }
        }
        const QString file = QStringLiteral("FIG_NV2400_%1.jpg").arg(p, 2, 10, QLatin1Char('0'));
        const PageLayout layout = LayoutPage(drawn, rng.derive(0x500 + qulonglong(p)));
        for (const Callout& c : layout.callouts)
            insert(tbl::FIGURADETALHADA1, {hotSpot++, kAssembly23, p, file, items[std::size_t(c.item)], QVariant(), c.label.left(),
                                           c.label.top(), p == 7 ? QVariant() : title.p, p == 7 ? QVariant() : title.e,
                                           p == 7 ? QVariant() : title.i});
        DrawingJob d;
        d.file = file;
        d.items = drawn;
        d.layout = layout;
        d.drawingNumber = QStringLiteral("D-NV24-%1").arg(p, 2, 10, QLatin1Char('0'));
        d.caption = QStringLiteral("FIG. %1/%2").arg(p).arg(parts);
        files.drawings.push_back(std::move(d));
    }
    // An item of the component list drawn in no part.
    {
        const Tri text = GeneralItemDescription(Kind::Sealant);
        const qlonglong c = component++;
        insert(tbl::COMPONENTE, {c, number(750), text.p, text.e, text.i, Flags({false})});
        insert(tbl::PECA_COMPONENTE, {kAssembly23, QStringLiteral("1"), c, QStringLiteral("A/R"), 0, Flags({false, false, false, false})});
        ++rows;
        summary.outputItemNotDrawn = QStringLiteral("1");
    }

    summary.outputAssembly23 = kAssembly23;
    summary.outputAssembly23Number = assemblyNumber;
    summary.outputAssembly23Rows = rows;
    summary.outputAssemblyNoParts = kAssemblyNoParts;
    summary.outputKits = {kit12, kit15, kit40};
    summary.outputLongMaker = maker;
}

}  // namespace demo
