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
#include <functional>

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
constexpr qlonglong kAssemblyExtremes = 7100003;
constexpr qlonglong kFigureExtremes = 7103;

// Drawn kinds of a transmission, cycled over the pages.
const Kind kKinds[] = {Kind::Gasket,   Kind::Bearing,  Kind::Seal,      Kind::SpeedGear, Kind::Circlip,    Kind::Washer,
                       Kind::Shim,     Kind::Bolt,     Kind::Nut,       Kind::DowelPin,  Kind::SynchroRing, Kind::Spacer,
                       Kind::ORing,    Kind::Sleeve,   Kind::ShiftFork, Kind::ShiftRod,  Kind::MagneticPlug, Kind::Breather,
                       Kind::BearingCover, Kind::ThrustWasher, Kind::SocketScrew, Kind::DetentSpring};

// An assembly built for the extremes of a printed row: an item with more
// cross references of the page's manufacturer than its column holds (some
// as long as the column NumeroFabricante allows), an item in more repair
// kits than fit on a line, an item with both, the note mark and an optional
// alternative, a note longer than a line and a note with a word longer than
// a line.  Its vehicle is the 23-part assembly's, so the references are the
// page manufacturer's.
void WriteRowExtremes(const Options& options, const AssemblyType& type, RowSink& sink, Summary& summary, FilePlan& files, Rng& rng,
                      const std::function<QString(int)>& number, qlonglong& component, qlonglong& hotSpot,
                      qlonglong& observation)
{
    auto insert = [&](const QString& table, const Row& row) { sink.Insert(table, row); };
    insert(tbl::VEICULO_PECA, {kVehicle, kAssemblyExtremes});
    const Tri title = type.noun.suffixed(T3("NV-2400 (LINHAS LONGAS)", "NV-2400 (LÍNEAS LARGAS)", "NV-2400 (LONG ROWS)"));
    const QString assemblyNumber = number(type.numberPrefix);
    insert(tbl::PECA, {kAssemblyExtremes, assemblyNumber, title.p, title.e, title.i, SearchForm(title.p), SearchForm(title.e),
                       SearchForm(title.i), QString(type.code), Flags({false}), QVariant(), kFigureExtremes, QVariant()});
    const Tri partTitle = T3("LINHAS LONGAS", "LÍNEAS LARGAS", "LONG ROWS");
    insert(tbl::PARTESFIGURA, {kFigureExtremes, 1, partTitle.p, partTitle.e, partTitle.i});

    // Kits 710101 to 710116, more than a line of the kit column holds.
    std::vector<long> kits;
    for (int k = 1; k <= 16; ++k) {
        const qlonglong code = kKitBase + 100 + k;
        const QString n = QString::number(k);
        insert(tbl::JOGOREPARO, {code, number(769), QStringLiteral("JOGO NV-2400 LINHAS LONGAS %1").arg(n),
                                 QStringLiteral("JUEGO NV-2400 LÍNEAS LARGAS %1").arg(n), QStringLiteral("KIT NV-2400 LONG ROWS %1").arg(n),
                                 Flags({false})});
        kits.push_back(long(code));
    }

    struct Item {
        Kind kind;
        bool manyReferences, manyKits, noted, optional;
    };
    const Item items[] = {{Kind::Gasket, true, false, false, false},
                          {Kind::Bearing, false, true, false, false},
                          {Kind::Seal, true, true, true, true},
                          {Kind::Washer, false, false, true, false},
                          {Kind::Shim, false, false, true, false}};
    std::vector<DrawnItem> drawn;
    std::vector<QString> itemTexts;
    std::vector<qlonglong> regulars;
    int ordinal = 0;
    for (const Item& it : items) {
        const QString item = QStringLiteral("01.%1").arg(10 * (++ordinal), 3, 10, QLatin1Char('0'));
        drawn.push_back({Info(it.kind).shape, item, 1});
        itemTexts.push_back(item);
        insert(tbl::FIGURADETALHADA, {kFigureExtremes, item, 1});
        Rng desc = rng.derive(0x7200 + qulonglong(ordinal));
        const Tri text = Describe(it.kind, 1, ordinal % 6, desc);
        const qlonglong regular = component++;
        regulars.push_back(regular);
        const QString regularNumber = number(Info(it.kind).numberPrefix);
        insert(tbl::COMPONENTE, {regular, regularNumber, text.p, text.e, text.i, Flags({it.noted})});
        insert(tbl::PECA_COMPONENTE,
               {kAssemblyExtremes, item, regular, QStringLiteral("1"), 0, Flags({false, it.optional, it.manyKits, it.noted})});
        if (it.optional) {
            const Tri alt = DescribeAlternative(it.kind, text, 1);
            const qlonglong optional = component++;
            insert(tbl::COMPONENTE, {optional, number(Info(it.kind).numberPrefix), alt.p, alt.e, alt.i, Flags({false})});
            insert(tbl::PECA_COMPONENTE, {kAssemblyExtremes, item, optional, QStringLiteral("1"), 1, Flags({false, false, true, false})});
        }
        if (it.manyKits) {
            for (long kit : kits)
                insert(tbl::PECA_COMPONENTE_JOGOREPARO, {kAssemblyExtremes, item, qlonglong(kit)});
        }
        if (it.manyReferences) {
            // 24 numbers of ten characters and two of the thirty that the
            // column holds.
            const int count = ordinal == 1 ? 24 : 12;
            for (int r = 0; r < count; ++r)
                insert(tbl::REFERENCIACRUZADA, {regularNumber, kManufacturer, QStringLiteral("VX%1").arg(12345678 + 100 * ordinal + r)});
            if (ordinal == 1) {
                for (int r = 1; r <= 2; ++r)
                    insert(tbl::REFERENCIACRUZADA,
                           {regularNumber, kManufacturer, QStringLiteral("VXL2400%1").arg(r, 23, 10, QLatin1Char('0'))});
            }
        }
        if (ordinal == 1)
            summary.extremeReferencesItem = item;
        else if (ordinal == 2)
            summary.extremeKitsItem = item;
        else if (ordinal == 3)
            summary.extremeEverythingItem = item;
    }
    // Notes: a memo of several lines, each longer than a line of the page,
    // on the item with everything; a word longer than a line; a short text.
    const auto note = [&](qlonglong comp, const QString& item, const Tri& memo) {
        const qlonglong obs = observation++;
        insert(tbl::APLICACAOOBS_Componente, {obs, comp, kAssemblyExtremes, item});
        insert(tbl::OBSERVACAO_RAPIDA, {obs, QStringLiteral("Ver nota"), QStringLiteral("Ver nota"), QStringLiteral("See note")});
        Row row{obs, memo.p, memo.e, memo.i};
        if (!options.noAttachments)
            row.insert(row.end(), {QVariant(), QVariant(), QVariant()});
        insert(tbl::OBSERVACAO_MEMO, row);
    };
    note(regulars[2], itemTexts[2],
         T3("Na montagem da tampa traseira, verificar a folga axial do eixo principal com o relógio comparador antes de apertar os "
            "parafusos, e substituir o retentor, a junta e os anéis de vedação sempre que a tampa for removida, mesmo sem sinais de "
            "vazamento.\r\nApertar os parafusos em cruz, em duas etapas, até o torque final indicado na tabela de torques do manual de "
            "serviço da transmissão NV-2400, e conferir o nível de óleo depois de rodar o veículo por dez minutos.",
            "En el montaje de la tapa trasera, verificar el juego axial del eje principal con el reloj comparador antes de apretar los "
            "tornillos, y sustituir el retén, la junta y los anillos de sellado siempre que se quite la tapa, aunque no haya señales de "
            "fuga.\r\nApretar los tornillos en cruz, en dos etapas, hasta el par final indicado en la tabla de pares del manual de "
            "servicio de la transmisión NV-2400, y comprobar el nivel de aceite después de rodar el vehículo durante diez minutos.",
            "When fitting the rear cover, check the main shaft's end float with the dial gauge before tightening the bolts, and renew "
            "the seal, the gasket and the sealing rings whenever the cover is removed, even without any sign of leakage.\r\nTighten "
            "the bolts crosswise, in two stages, to the final torque given in the torque table of the NV-2400 transmission service "
            "manual, and check the oil level after driving the vehicle for ten minutes."));
    QStringList chain;
    for (int k = 0; k < 18; ++k)
        chain << QStringLiteral("0501%1").arg(104729 + 7919 * k, 6, 10, QLatin1Char('0'));
    const QString longWord = chain.join(QLatin1Char('/'));
    note(regulars[3], itemTexts[3],
         {QStringLiteral("Sequência de substituição: ") + longWord + QStringLiteral(" (ver boletim)."),
          QStringLiteral("Secuencia de sustitución: ") + longWord + QStringLiteral(" (ver boletín)."),
          QStringLiteral("Replacement sequence: ") + longWord + QStringLiteral(" (see bulletin).")});
    note(regulars[4], itemTexts[4], T3("Espessura conforme medição.", "Espesor según medición.", "Thickness as measured."));
    summary.extremeLongNoteItem = itemTexts[2];
    summary.extremeLongWordItem = itemTexts[3];
    summary.extremeLongWord = longWord;

    const QString file = QStringLiteral("FIG_NV2400_LL.jpg");
    const PageLayout layout = LayoutPage(drawn, rng.derive(0x7200));
    for (const Callout& c : layout.callouts)
        insert(tbl::FIGURADETALHADA1, {hotSpot++, kAssemblyExtremes, 1, file, itemTexts[std::size_t(c.item)], QVariant(), c.label.left(),
                                       c.label.top(), partTitle.p, partTitle.e, partTitle.i});
    DrawingJob d;
    d.file = file;
    d.items = drawn;
    d.layout = layout;
    d.drawingNumber = QStringLiteral("D-NV24-LL");
    d.caption = QStringLiteral("FIG. 1/1");
    files.drawings.push_back(std::move(d));

    summary.extremeAssembly = kAssemblyExtremes;
    summary.extremeAssemblyNumber = assemblyNumber;
    summary.extremeKits = kits;
}

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

    WriteRowExtremes(options, type, sink, summary, files, rng, number, component, hotSpot, observation);

    summary.outputAssembly23 = kAssembly23;
    summary.outputAssembly23Number = assemblyNumber;
    summary.outputAssembly23Rows = rows;
    summary.outputAssemblyNoParts = kAssemblyNoParts;
    summary.outputKits = {kit12, kit15, kit40};
    summary.outputLongMaker = maker;
}

}  // namespace demo
