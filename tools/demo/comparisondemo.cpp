#include "comparisondemo.h"

#include "schema.h"

#include <QVariant>

#include <map>

namespace demo {

namespace {

// The four row flags of PECA_COMPONENTE: suggestion, alternatives, kits, note.
QString Flags4(bool suggestion, bool alternatives, bool kits = false)
{
    return QString(suggestion ? QChar(' ') : kCR) + (alternatives ? QChar(' ') : kCR) + (kits ? QChar(' ') : kCR) + kCR;
}

class Writer {
public:
    Writer(const ComparisonDemoContext& c, Summary& s) : m_c(c), m_s(s) {}

    void Run()
    {
        const AssemblyType& type = m_c.vocab.types.front();
        WritePair(type);
        WriteOtherAssemblies(type);
        WriteSuggestions(type);
    }

private:
    void Insert(const QString& table, const Row& row) { m_c.sink.Insert(table, row); }

    qlonglong Component(const Tri& text, int prefix = 501)
    {
        const qlonglong code = m_c.nextComponent();
        m_numbers[code] = m_c.companyNumber(prefix);
        Insert(tbl::COMPONENTE, {code, m_numbers[code], text.p, text.e, text.i, QString(kCR)});
        return code;
    }

    qlonglong Assembly(const AssemblyType& type, QChar typeCode, const QString& model, const QVariant& suggestion,
                       QString* number = nullptr, const Tri* noun = nullptr)
    {
        const qlonglong code = m_c.nextAssembly();
        const QString n = m_c.companyNumber(type.numberPrefix);
        const Tri text = (noun ? *noun : type.noun).suffixed({model, model, model});
        Insert(tbl::PECA, {code, n, text.p, text.e, text.i, SearchForm(text.p), SearchForm(text.e), SearchForm(text.i),
                           QString(typeCode), QString(kCR), QVariant(), QVariant(), suggestion});
        if (number)
            *number = n;
        return code;
    }

    void Part(qlonglong assembly, const QString& item, qlonglong component, const QVariant& quantity, int optional,
              const QVariant& flags)
    {
        Insert(tbl::PECA_COMPONENTE, {assembly, item, component, quantity, optional, flags});
    }
    void Regular(qlonglong assembly, const QString& item, qlonglong component, const QString& quantity,
                 bool alternatives = false, bool suggestion = false, bool kits = false)
    {
        Part(assembly, item, component, quantity, 0, Flags4(suggestion, alternatives, kits));
    }

    // --- the comparison pair -------------------------------------------------
    void WritePair(const AssemblyType& type)
    {
        const QChar t = type.code;
        m_s.comparisonType = QString(t);
        const qlonglong a = Assembly(type, t, type.modelPrefix + QStringLiteral("901"), QVariant(), &m_s.comparisonFirstNumber);
        const qlonglong b = Assembly(type, t, type.modelPrefix + QStringLiteral("902"), QVariant(), &m_s.comparisonSecondNumber);
        m_s.comparisonFirst = a;
        m_s.comparisonSecond = b;

        m_s.cmpOnlyFirst = Component(T3("CAPA DO ROLAMENTO DIANTEIRO", "TAPA DEL RODAMIENTO DELANTERO", "FRONT BEARING CAP"));
        m_s.cmpOnlySecond = Component(T3("CALÇO DE AJUSTE DO EIXO", "SUPLEMENTO DE AJUSTE DEL EJE", "SHAFT ADJUSTING SHIM"));
        m_s.cmpEqual = Component(T3("ROLAMENTO DE ROLOS CÔNICOS", "RODAMIENTO DE RODILLOS CÓNICOS", "TAPER ROLLER BEARING"), 636);
        m_s.cmpDifferent = Component(T3("PARAFUSO SEXTAVADO M10X30", "TORNILLO HEXAGONAL M10X30", "HEX BOLT M10X30"), 750);
        m_s.cmpTwoItems = Component(T3("ANEL ELÁSTICO EXTERNO", "ANILLO ELÁSTICO EXTERIOR", "EXTERNAL CIRCLIP"), 750);
        m_s.cmpLeadingZero = Component(T3("PINO ELÁSTICO 5X20", "PASADOR ELÁSTICO 5X20", "SPRING PIN 5X20"), 750);
        m_s.cmpNonNumericFirst = Component(T3("JUNTA LÍQUIDA", "JUNTA LÍQUIDA", "LIQUID GASKET"), 730);
        m_s.cmpNonNumericBoth = Component(T3("ADESIVO TRAVA-ROSCA", "ADHESIVO FIJA-ROSCAS", "THREAD LOCKER"), 730);
        m_s.cmpOptionalOnly = Component(T3("ARRUELA DE ENCOSTO SOBREMEDIDA", "ARANDELA DE TOPE SOBREMEDIDA", "OVERSIZE THRUST WASHER"));
        m_s.cmpHalf = Component(T3("ÓLEO DA TRANSMISSÃO (LITROS)", "ACEITE DE LA TRANSMISIÓN (LITROS)", "GEARBOX OIL (LITRES)"), 730);
        m_s.cmpNullFlags = Component(T3("BUJÃO MAGNÉTICO", "TAPÓN MAGNÉTICO", "MAGNETIC PLUG"), 750);
        m_s.cmpApostrophe = Component(T3("PROTETOR D'ÁGUA DO EIXO PILOTO", "PROTECTOR D'AGUA DEL EJE PILOTO", "PILOT SHAFT'S WATER SHIELD"));
        m_s.cmpLongDescription = Component(T3("ENGRENAGEM DE ACIONAMENTO DA BOMBA DE ÓLEO COM CUBO ESTRIADO",
                                              "ENGRANAJE DE ACCIONAMIENTO DE BOMBA DE ACEITE, CUBO ESTRIADO",
                                              "OIL PUMP DRIVE GEAR WITH SPLINED HUB AND ITS LOCK RETAINERS"));
        m_s.cmpTenths = Component(T3("GRAXA DE MONTAGEM (KG)", "GRASA DE MONTAJE (KG)", "ASSEMBLY GREASE (KG)"), 730);
        m_s.cmpWithAlternatives = Component(T3("ARRUELA DE ENCOSTO", "ARANDELA DE TOPE", "THRUST WASHER"));
        m_s.cmpOutsideCodePage = Component(T3("CALÇO DE FOLGA ≤ 0,1 MM", "SUPLEMENTO DE JUEGO ≤ 0,1 MM", "END PLAY SHIM ≤ 0.1 MM"));
        const qlonglong alternative = Component(T3("CALÇO DE AJUSTE SOBREMEDIDA", "SUPLEMENTO SOBREMEDIDA", "OVERSIZE ADJUSTING SHIM"));

        // The first assembly.
        Regular(a, QStringLiteral("01.010"), m_s.cmpOnlyFirst, QStringLiteral("1"));
        Regular(a, QStringLiteral("01.020"), m_s.cmpEqual, QStringLiteral("2"));
        Regular(a, QStringLiteral("01.030"), m_s.cmpDifferent, QStringLiteral("2"));
        Regular(a, QStringLiteral("01.040"), m_s.cmpTwoItems, QStringLiteral("1"));
        Regular(a, QStringLiteral("01.041"), m_s.cmpTwoItems, QStringLiteral("2"));
        Regular(a, QStringLiteral("01.050"), m_s.cmpLeadingZero, QStringLiteral("02"));
        Regular(a, QStringLiteral("01.060"), m_s.cmpNonNumericFirst, QStringLiteral("A/R"));
        Regular(a, QStringLiteral("01.070"), m_s.cmpNonNumericBoth, QStringLiteral("A/R"));
        Regular(a, QStringLiteral("01.080"), m_s.cmpWithAlternatives, QStringLiteral("1"), true);
        Part(a, QStringLiteral("01.080"), m_s.cmpOptionalOnly, QStringLiteral("1"), 1, Flags4(false, false));
        Regular(a, QStringLiteral("01.090"), m_s.cmpHalf, QStringLiteral("2.5"));
        Part(a, QStringLiteral("01.100"), m_s.cmpNullFlags, QStringLiteral("1"), 0, QVariant());
        Regular(a, QStringLiteral("01.110"), m_s.cmpApostrophe, QStringLiteral("1"));
        Regular(a, QStringLiteral("01.120"), m_s.cmpLongDescription, QStringLiteral("1"));
        Regular(a, QStringLiteral("01.130"), m_s.cmpTenths, QStringLiteral("0.1"));
        Regular(a, QStringLiteral("01.131"), m_s.cmpTenths, QStringLiteral("0.2"));

        // The second assembly.
        Regular(b, QStringLiteral("01.015"), m_s.cmpOnlySecond, QStringLiteral("4"), true);
        Part(b, QStringLiteral("01.015"), alternative, QStringLiteral("4"), 1, Flags4(false, false));
        Part(b, QStringLiteral("01.015"), m_s.cmpOptionalOnly, QStringLiteral("4"), 1, Flags4(false, false));
        Regular(b, QStringLiteral("01.020"), m_s.cmpEqual, QStringLiteral("2"));
        Regular(b, QStringLiteral("01.030"), m_s.cmpDifferent, QStringLiteral("3"));
        Regular(b, QStringLiteral("01.040"), m_s.cmpTwoItems, QStringLiteral("3"));
        Regular(b, QStringLiteral("01.050"), m_s.cmpLeadingZero, QStringLiteral("2"));
        Regular(b, QStringLiteral("01.060"), m_s.cmpNonNumericFirst, QStringLiteral("1"));
        Regular(b, QStringLiteral("01.070"), m_s.cmpNonNumericBoth, QStringLiteral("A/R"));
        Regular(b, QStringLiteral("01.080"), m_s.cmpWithAlternatives, QStringLiteral("1"));
        Regular(b, QStringLiteral("01.090"), m_s.cmpHalf, QStringLiteral("3"));
        Part(b, QStringLiteral("01.100"), m_s.cmpNullFlags, QStringLiteral("1"), 0, QVariant());
        Regular(b, QStringLiteral("01.110"), m_s.cmpApostrophe, QStringLiteral("1"));
        Regular(b, QStringLiteral("01.130"), m_s.cmpTenths, QStringLiteral("0.3"));
        Regular(b, QStringLiteral("01.140"), m_s.cmpOutsideCodePage, QStringLiteral("1"));

        // Both are used by the first vehicle (the vehicle search finds them);
        // the equal bearing has cross references.
        Insert(tbl::VEICULO_PECA, {1, a});
        Insert(tbl::VEICULO_PECA, {1, b});
        Insert(tbl::REFERENCIACRUZADA, {m_numbers[m_s.cmpEqual], 1, QStringLiteral("A4471802")});
        Insert(tbl::REFERENCIACRUZADA, {m_numbers[m_s.cmpEqual], 2, QStringLiteral("31256090")});
    }

    // --- an assembly without regular components, one of another type ---------
    void WriteOtherAssemblies(const AssemblyType& type)
    {
        const qlonglong empty = Assembly(type, type.code, type.modelPrefix + QStringLiteral("903"), QVariant());
        m_s.comparisonNoRegular = empty;
        Part(empty, QStringLiteral("01.010"), m_s.cmpOptionalOnly, QStringLiteral("1"), 1, Flags4(false, false));
        Regular(empty, QStringLiteral("01.070"), m_s.cmpNonNumericBoth, QStringLiteral("A/R"));

        QChar other = QLatin1Char('E');
        const AssemblyType* otherType = &type;
        for (const AssemblyType& t : m_c.vocab.types)
            if (t.code != type.code) {
                other = t.code;
                otherType = &t;
                break;
            }
        // An edition of one type gets an axle.
        const Tri axle = T3("EIXO TRASEIRO", "EJE TRASERO", "REAR AXLE");
        const qlonglong o = Assembly(*otherType, other, otherType->modelPrefix + QStringLiteral("904"), QVariant(), nullptr,
                                     otherType == &type ? &axle : nullptr);
        m_s.comparisonOtherType = o;
        m_s.comparisonOtherTypeCode = QString(other);
        Regular(o, QStringLiteral("01.020"), m_s.cmpEqual, QStringLiteral("2"));
        Regular(o, QStringLiteral("01.030"), m_s.cmpDifferent, QStringLiteral("1"));
    }

    // --- buying suggestions ------------------------------------------------------
    void WriteSuggestions(const AssemblyType& type)
    {
        const qlonglong set = m_c.nextSuggestion();
        const qlonglong s = Assembly(type, type.code, type.modelPrefix + QStringLiteral("905"), set);
        m_s.suggestionAssembly = s;

        // Items that are suggested: item number, component, assembly quantity.
        struct Suggested { QString item; qlonglong component; QString quantity; };
        const Tri texts[] = {
            T3("RETENTOR DO EIXO DE ENTRADA", "RETÉN DEL EJE DE ENTRADA", "INPUT SHAFT OIL SEAL"),
            T3("ANEL O'RING 45X3", "ANILLO O'RING 45X3", "O-RING 45X3"),
            T3("PARAFUSO DA TAMPA M8X25", "TORNILLO DE LA TAPA M8X25", "COVER BOLT M8X25"),
            T3("VEDANTE DE SILICONE", "SELLADOR DE SILICONA", "SILICONE SEALANT"),
            T3("ANEL SINCRONIZADOR 3ª/4ª", "ANILLO SINCRONIZADOR 3ª/4ª", "3RD/4TH SYNCHRO RING"),
            T3("ROLAMENTO DE AGULHAS", "RODAMIENTO DE AGUJAS", "NEEDLE BEARING"),
            T3("ARRUELA DE PRESSÃO M8", "ARANDELA DE PRESIÓN M8", "SPRING WASHER M8"),
            T3("JUNTA DA TAMPA TRASEIRA", "JUNTA DE LA TAPA TRASERA", "REAR COVER GASKET"),
            T3("ESPAÇADOR DO ROLAMENTO", "ESPACIADOR DEL RODAMIENTO", "BEARING SPACER"),
            T3("PRISIONEIRO M10", "ESPÁRRAGO M10", "STUD M10"),
            T3("ANEL DE ENCOSTO DA ENGRENAGEM DE 5ª VELOCIDADE", "ANILLO DE TOPE DEL ENGRANAJE DE 5ª VELOCIDAD",
               "5TH SPEED GEAR THRUST RING"),
        };
        std::vector<qlonglong> comp;
        for (const Tri& t : texts)
            comp.push_back(Component(t));
        const qlonglong shared = comp[6];
        m_s.suggestionSharedComponent = shared;
        m_s.suggestionWithAlternatives = comp[4];
        m_s.suggestionHalf = comp[9];
        const Suggested items[] = {
            {QStringLiteral("30.010"), comp[0], QStringLiteral("2")},  {QStringLiteral("30.020"), comp[1], QStringLiteral("1")},
            {QStringLiteral("30.030"), comp[2], QStringLiteral("4")},  {QStringLiteral("30.040"), comp[3], QStringLiteral("A/R")},
            {QStringLiteral("30.050"), comp[4], QStringLiteral("1")},  {QStringLiteral("30.060"), comp[5], QStringLiteral("3")},
            {QStringLiteral("30.070"), shared, QStringLiteral("2")},   {QStringLiteral("30.080"), shared, QStringLiteral("3")},
            {QStringLiteral("30.090"), comp[7], QStringLiteral("1")},  {QStringLiteral("30.100"), comp[9], QStringLiteral("2")},
            {QStringLiteral("30.110"), comp[8], QStringLiteral("6")},  {QStringLiteral("30.120"), comp[10], QStringLiteral("1")},
        };
        const QStringList kitItems{QStringLiteral("30.010"), QStringLiteral("30.020"), QStringLiteral("30.060")};
        for (const Suggested& it : items)
            Regular(s, it.item, it.component, it.quantity, it.component == comp[4], false, kitItems.contains(it.item));
        // The alternatives of the synchro ring.
        for (int k = 1; k <= 2; ++k) {
            const qlonglong alt = Component(T3("ANEL SINCRONIZADOR SOBREMEDIDA", "ANILLO SINCRONIZADOR SOBREMEDIDA",
                                               "OVERSIZE SYNCHRO RING").suffixed({QString::number(k), QString::number(k), QString::number(k)}));
            Part(s, QStringLiteral("30.050"), alt, QStringLiteral("1"), 1, Flags4(false, false));
        }

        // Kits: two of the assembly, one of no assembly.
        auto kit = [&](const Tri& text) {
            const qlonglong code = m_c.nextKit();
            Insert(tbl::JOGOREPARO, {code, m_c.companyNumber(769), text.p, text.e, text.i, QString(kCR)});
            return code;
        };
        const qlonglong k1 = kit(T3("JOGO DE VEDAÇÕES S5-905", "JUEGO DE SELLOS S5-905", "SEAL KIT S5-905"));
        const qlonglong k2 = kit(T3("JOGO DE ROLAMENTOS S5-905", "JUEGO DE RODAMIENTOS S5-905", "BEARING KIT S5-905"));
        const qlonglong k3 = kit(T3("JOGO DE JUNTAS AVULSO", "JUEGO DE JUNTAS SUELTO", "LOOSE GASKET KIT"));
        Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {s, kitItems[0], k1});
        Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {s, kitItems[1], k1});
        Insert(tbl::PECA_COMPONENTE_JOGOREPARO, {s, kitItems[2], k2});
        m_s.suggestionKitOfAssembly = k1;
        m_s.suggestionKitNotOfAssembly = k3;

        // The carriers and their suggestions.
        const Tri carrierText = T3("EIXO PRINCIPAL", "EJE PRINCIPAL", "MAIN SHAFT");
        auto carrier = [&](const QString& item, bool regular) {
            const qlonglong c = Component(carrierText.suffixed({item, item, item}));
            Part(s, item, c, QStringLiteral("1"), regular ? 0 : 1, Flags4(true, false));
            return c;
        };
        auto suggestItem = [&](const QString& carrierItem, const QString& item, const QVariant& quantity) {
            Insert(tbl::SUGESTAO_COMPONENTE, {set, carrierItem, item, quantity});
        };
        auto suggestKit = [&](const QString& carrierItem, qlonglong k) { Insert(tbl::SUGESTAO_JOGOREPARO, {set, carrierItem, k}); };
        const QVariant null;

        m_s.suggestion4Item = QStringLiteral("20.004");
        carrier(m_s.suggestion4Item, true);
        suggestItem(m_s.suggestion4Item, QStringLiteral("30.010"), QStringLiteral("3"));
        suggestItem(m_s.suggestion4Item, QStringLiteral("30.020"), null);
        suggestItem(m_s.suggestion4Item, QStringLiteral("30.030"), QStringLiteral("1"));
        suggestItem(m_s.suggestion4Item, QStringLiteral("30.040"), null);

        m_s.suggestion5Item = QStringLiteral("20.005");
        carrier(m_s.suggestion5Item, true);
        suggestItem(m_s.suggestion5Item, QStringLiteral("30.010"), null);
        suggestItem(m_s.suggestion5Item, QStringLiteral("30.060"), QStringLiteral("2"));
        suggestItem(m_s.suggestion5Item, QStringLiteral("30.090"), null);
        suggestItem(m_s.suggestion5Item, QStringLiteral("30.100"), QStringLiteral("1"));
        suggestKit(m_s.suggestion5Item, k1);
        suggestKit(m_s.suggestion5Item, k3);

        m_s.suggestion8Item = QStringLiteral("20.008");
        carrier(m_s.suggestion8Item, true);
        for (const char* item : {"30.070", "30.080", "30.020", "30.030", "30.060", "30.090", "30.110", "30.120"})
            suggestItem(m_s.suggestion8Item, QLatin1String(item), QLatin1String(item) == QLatin1String("30.020") ? QVariant(QStringLiteral("2")) : null);
        suggestKit(m_s.suggestion8Item, k2);

        m_s.suggestion9Item = QStringLiteral("20.009");
        carrier(m_s.suggestion9Item, true);
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.050"), QStringLiteral("1"));
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.070"), QStringLiteral("9"));
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.080"), QStringLiteral("10"));
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.100"), QStringLiteral("0.5"));
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.010"), null);
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.020"), QStringLiteral("5"));
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.030"), null);
        suggestItem(m_s.suggestion9Item, QStringLiteral("30.110"), QStringLiteral("1"));
        suggestKit(m_s.suggestion9Item, k1);
        suggestKit(m_s.suggestion9Item, k2);

        m_s.suggestionEmptyItem = QStringLiteral("20.000");
        carrier(m_s.suggestionEmptyItem, true);

        m_s.suggestionCarrierNoRegular = QStringLiteral("20.099");
        carrier(m_s.suggestionCarrierNoRegular, false);
        suggestItem(m_s.suggestionCarrierNoRegular, QStringLiteral("30.010"), QStringLiteral("1"));
        suggestItem(m_s.suggestionCarrierNoRegular, QStringLiteral("30.020"), QStringLiteral("1"));

        // An assembly without a suggestion set whose item still carries the flag.
        const qlonglong n = Assembly(type, type.code, type.modelPrefix + QStringLiteral("906"), QVariant());
        m_s.suggestionNullSetAssembly = n;
        m_s.suggestionNullSetItem = m_s.suggestion4Item;
        Regular(n, m_s.suggestion4Item, comp[0], QStringLiteral("1"), false, true);
        Regular(n, QStringLiteral("30.010"), comp[0], QStringLiteral("2"));
    }

    const ComparisonDemoContext& m_c;
    Summary& m_s;
    std::map<qlonglong, QString> m_numbers;  // company number of each component written
};

}  // namespace

void WriteComparisonDemo(const ComparisonDemoContext& context, Summary& summary)
{
    Writer(context, summary).Run();
}

}  // namespace demo
