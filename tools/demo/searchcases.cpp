#include "searchcases.h"

#include "schema.h"

namespace demo {
namespace {

// Row flags, all clear: one for items, four for an assembly's components.
QString NoFlag() { return QString(kCR); }
QString NoFlags() { return QString(4, kCR); }

// Numbers of their own prefix, so that they never meet the families' ones:
// ten digits for assemblies, nine for components and kits.
QString Number(int k, bool assembly)
{
    return (assembly ? QStringLiteral("94000") : QStringLiteral("9400")) + QStringLiteral("%1").arg(k, 5, 10, QLatin1Char('0'));
}

}  // namespace

void WriteSearchCases(const Options& options, const EditionVocabulary& vocab, RowSink& sink, Summary& summary,
                      FilePlan& files, CodeCounters& codes, std::uint64_t photoSeed)
{
    const AssemblyType& type = vocab.types.front();
    const QString edition = options.edition;
    const bool byCode = edition == QLatin1String("D") || edition == QLatin1String("M");

    // Components: the clutch disc of two words, PEÇA and PECA, a Spanish Ñ.
    struct Item {
        long* field;
        Tri text;
    };
    const Item components[] = {
        {&summary.clutchDiscComponent, T3("DISCO DE EMBREAGEM", "DISCO DE EMBRAGUE", "CLUTCH DISC")},
        {&summary.accentedPecaComponent, T3("PEÇA DE DESGASTE", "PIEZA DE DESGASTE", "WEAR PART")},
        {&summary.plainPecaComponent, T3("PECA INTERMEDIARIA", "PIEZA INTERMEDIA", "INTERMEDIATE PART")},
        {&summary.spanishEnyeComponent, T3("PINHÃO DE ATAQUE", "PIÑÓN DE ATAQUE", "DRIVE PINION")},
    };
    int number = 1;
    for (const Item& c : components) {
        *c.field = long(codes.component++);
        sink.Insert(tbl::COMPONENTE, {qlonglong(*c.field), Number(number++, false), c.text.p, c.text.e, c.text.i, NoFlag()});
    }

    // Repair kits: the clutch disc, and one that no assembly holds.
    summary.clutchDiscKit = long(codes.kit++);
    sink.Insert(tbl::JOGOREPARO, {qlonglong(summary.clutchDiscKit), Number(number++, false), QStringLiteral("DISCO DE EMBREAGEM"),
                                                QStringLiteral("DISCO DE EMBRAGUE"), QStringLiteral("CLUTCH DISC"), NoFlag()});
    summary.kitInNoAssembly = long(codes.kit++);
    const Tri loose = T3("JOGO DE VEDAÇÃO AVULSO", "JUEGO DE SELLOS SUELTO", "LOOSE SEAL KIT");
    sink.Insert(tbl::JOGOREPARO, {qlonglong(summary.kitInNoAssembly), Number(number++, false), loose.p, loose.e, loose.i, NoFlag()});

    // A vehicle that no assembly fits (the other special assemblies fit none
    // either, so that the vehicles' lists stay as they were).
    summary.vehicleInNoAssembly = 9401;
    const Tri vehicle = vocab.vehicleKinds.front().suffixed(T3("PROTÓTIPO 940", "PROTOTIPO 940", "PROTOTYPE 940"));
    sink.Insert(tbl::VEICULO, {qlonglong(summary.vehicleInNoAssembly), 1, vehicle.p, vehicle.e, vehicle.i, SearchForm(vehicle.p),
                                             SearchForm(vehicle.e), SearchForm(vehicle.i)});

    // Assemblies: the search assembly holding the items above (photo a
    // GIF), one whose photo name ends in blanks, and in editions A and M one
    // of a type without TIPOPECA row (edition D has its own), in A, D and M
    // one of a type whose texts hold an apostrophe.
    const auto assembly = [&](const Tri& text, const QString& typeCode, const QVariant& photo) {
        const qlonglong code = codes.assembly++;
        sink.Insert(tbl::PECA, {code, Number(number++, true), text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e),
                                             SearchForm(text.i), typeCode, NoFlag(), photo, QVariant(), QVariant()});
        return long(code);
    };
    const QString model = type.modelPrefix + QStringLiteral("940");
    summary.gifPhoto = QStringLiteral("FOTO_940.gif");
    files.photos.push_back({summary.gifPhoto, type.photoStyle, photoSeed, true});
    summary.searchAssembly = assembly(type.noun.suffixed({model, model, model}), QString(type.code), summary.gifPhoto);
    int item = 1;
    for (const long c : {summary.clutchDiscComponent, summary.accentedPecaComponent, summary.plainPecaComponent, summary.spanishEnyeComponent}) {
        const QString position = QStringLiteral("94.%1").arg(item++, 3, 10, QLatin1Char('0'));
        const bool kit = c == summary.clutchDiscComponent;
        QString flags = NoFlags();
        if (kit)
            flags[2] = QLatin1Char(' ');  // served by a repair kit
        sink.Insert(tbl::PECA_COMPONENTE, {qlonglong(summary.searchAssembly), position, qlonglong(c), QStringLiteral("1"), 0, flags});
        if (kit)
            sink.Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {qlonglong(summary.searchAssembly), position, qlonglong(summary.clutchDiscKit)});
    }

    const QString photo = QStringLiteral("FOTO_940_1.jpg");
    files.photos.push_back({photo, type.photoStyle, photoSeed + 1, false});
    const QString variant = model + QStringLiteral("/1");
    summary.assemblyPhotoTrailingBlanks = assembly(type.noun.suffixed({variant, variant, variant}), QString(type.code), photo + QStringLiteral("  "));

    if (edition == QLatin1String("A") || edition == QLatin1String("M"))
        summary.assemblyUnknownType = assembly(T3("CONJUNTO SERVIÇO 940", "CONJUNTO SERVICIO 940", "SERVICE ASSEMBLY 940"), QStringLiteral("S"), QVariant());

    if ((byCode || edition == QLatin1String("A")) && !options.noTipoPeca) {
        summary.apostropheTypeCode = QStringLiteral("X");
        sink.Insert(tbl::TIPOPECA, {summary.apostropheTypeCode, QStringLiteral("Conjunto Lado do Motorista"),
                                                 QStringLiteral("Conjunto Lado del Conductor"), QStringLiteral("Driver's Side Assembly")});
        summary.apostropheTypeAssembly =
            assembly(T3("CONJUNTO LADO DO MOTORISTA 940", "CONJUNTO LADO DEL CONDUCTOR 940", "DRIVER'S SIDE ASSEMBLY 940"),
                     summary.apostropheTypeCode, QVariant());
    }
}

}  // namespace demo
