#include "vocabulary.h"

#include <QMap>
#include <QRegularExpression>

namespace demo {

Tri T3(const char* p, const char* e, const char* i)
{
    return {QString::fromUtf8(p), QString::fromUtf8(e), QString::fromUtf8(i)};
}

Tri Tri::suffixed(const Tri& s) const
{
    auto join = [](const QString& a, const QString& b) { return b.isEmpty() ? a : a + QLatin1Char(' ') + b; };
    return {join(p, s.p), join(e, s.e), join(i, s.i)};
}

namespace {

// Ordinals of speeds: "3ª" in Portuguese and Spanish, "3RD" in English.
QString ordP(int n) { return QString::number(n) + QString::fromUtf8("ª"); }
QString ordI(int n)
{
    const char* s = (n % 10 == 1 && n != 11) ? "ST" : (n % 10 == 2 && n != 12) ? "ND" : (n % 10 == 3 && n != 13) ? "RD" : "TH";
    return QString::number(n) + QLatin1String(s);
}
// Decimal numbers: comma in Portuguese and Spanish, point in English.
QString decPE(double v, int decimals) { return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(',')); }
QString decI(double v, int decimals) { return QString::number(v, 'f', decimals); }

Tri withSize(const Tri& base, const QString& size) { return {base.p + ' ' + size, base.e + ' ' + size, base.i + ' ' + size}; }
Tri withSizes(const Tri& base, const QString& sizePE, const QString& sizeI)
{
    return {base.p + ' ' + sizePE, base.e + ' ' + sizePE, base.i + ' ' + sizeI};
}

QString dims(int a, int b, int c) { return QStringLiteral("%1X%2X%3").arg(a).arg(b).arg(c); }

const int kShafts[] = {20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 90};
int shaftDiameter(Rng& rng) { return kShafts[rng.range(0, 13)]; }

Tri pair(int ordinal)
{
    // gear pairs served by one sleeve or fork: 1st/2nd, 3rd/4th, 5th/6th
    const int a = 2 * ordinal - 1, b = 2 * ordinal;
    return {ordP(a) + '/' + ordP(b), ordP(a) + '/' + ordP(b), ordI(a) + '/' + ordI(b)};
}

}  // namespace

const KindInfo& Info(Kind k)
{
    //                                       shape                std   qty   prefix seal  brg   syn   fast  alt
    static const QMap<Kind, KindInfo> table = {
        {Kind::ClutchHousing, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::GearboxHousing, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::RearCover, {Shape::Cover, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::FrontCover, {Shape::Cover, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::TopCover, {Shape::Cover, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::BearingCover, {Shape::Cover, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Gasket, {Shape::Gasket, false, 1, 1, 730, true, false, false, false, false}},
        {Kind::InputShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::MainShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Countershaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ReverseShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::SpeedGear, {Shape::Gear, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ReverseGear, {Shape::Gear, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Bearing, {Shape::Bearing, true, 1, 2, 750, false, true, false, false, false}},
        {Kind::NeedleBearing, {Shape::NeedleBearing, true, 1, 2, 750, false, true, false, false, false}},
        {Kind::Seal, {Shape::Seal, true, 1, 1, 730, true, false, false, false, false}},
        {Kind::ORing, {Shape::Ring, true, 1, 2, 730, true, false, false, false, false}},
        {Kind::Circlip, {Shape::Circlip, true, 1, 2, 636, false, false, false, false, false}},
        {Kind::Washer, {Shape::Washer, true, 2, 8, 636, false, false, false, true, false}},
        {Kind::ThrustWasher, {Shape::Washer, false, 1, 2, 501, false, false, false, false, true}},
        {Kind::Shim, {Shape::Shim, false, 1, 3, 501, false, false, false, false, true}},
        {Kind::Bolt, {Shape::Bolt, true, 4, 16, 636, false, false, false, true, false}},
        {Kind::SocketScrew, {Shape::Bolt, true, 2, 8, 636, false, false, false, true, false}},
        {Kind::Nut, {Shape::Nut, true, 1, 8, 636, false, false, false, true, false}},
        {Kind::CastleNut, {Shape::Nut, false, 1, 1, 636, false, false, false, true, false}},
        {Kind::SpringPin, {Shape::Pin, true, 1, 4, 636, false, false, false, false, false}},
        {Kind::DowelPin, {Shape::Pin, true, 2, 2, 636, false, false, false, false, false}},
        {Kind::MagneticPlug, {Shape::Plug, true, 1, 1, 636, false, false, false, false, false}},
        {Kind::FillerPlug, {Shape::Plug, true, 1, 1, 636, false, false, false, false, false}},
        {Kind::Breather, {Shape::Plug, true, 1, 1, 750, false, false, false, false, false}},
        {Kind::Ball, {Shape::Ball, true, 1, 3, 636, false, false, false, false, false}},
        {Kind::DetentSpring, {Shape::Spring, true, 1, 3, 750, false, false, false, false, false}},
        {Kind::ShiftFork, {Shape::Fork, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ShiftRod, {Shape::Rod, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ShiftLever, {Shape::Lever, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Sleeve, {Shape::Sleeve, false, 1, 1, 501, false, false, true, false, false}},
        {Kind::SynchroHub, {Shape::Hub, false, 1, 1, 501, false, false, true, false, false}},
        {Kind::SynchroRing, {Shape::SynchroRing, false, 1, 2, 501, false, false, true, false, false}},
        {Kind::Spacer, {Shape::Spacer, false, 1, 1, 501, false, false, false, false, true}},
        {Kind::OutputFlange, {Shape::Flange, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::AxleHousing, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::AxleShaft, {Shape::Shaft, false, 2, 2, 501, false, false, false, false, false}},
        {Kind::CrownPinion, {Shape::Gear, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::DiffCase, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::DiffPinion, {Shape::Gear, false, 2, 4, 501, false, false, false, false, false}},
        {Kind::SideGear, {Shape::Gear, false, 2, 2, 501, false, false, false, false, false}},
        {Kind::SunGear, {Shape::Gear, false, 1, 2, 501, false, false, false, false, false}},
        {Kind::PlanetGear, {Shape::Gear, false, 3, 8, 501, false, false, false, false, false}},
        {Kind::PlanetCarrier, {Shape::Hub, false, 1, 2, 501, false, false, false, false, false}},
        {Kind::RingGear, {Shape::Gear, false, 1, 2, 501, false, false, false, false, false}},
        {Kind::WheelHub, {Shape::Hub, false, 2, 2, 501, false, false, false, false, false}},
        {Kind::BrakeDisc, {Shape::Disc, false, 4, 10, 501, false, false, false, false, false}},
        {Kind::BrakePiston, {Shape::Piston, false, 2, 2, 501, false, false, false, false, false}},
        {Kind::WheelStud, {Shape::Bolt, true, 8, 20, 636, false, false, false, true, false}},
        {Kind::PumpBody, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::PumpRotor, {Shape::Rotor, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::PumpVane, {Shape::Plate, false, 10, 12, 501, false, false, false, false, false}},
        {Kind::CamRing, {Shape::Ring, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::DriveShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Pulley, {Shape::Pulley, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ReliefValve, {Shape::Valve, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::FlowValve, {Shape::Valve, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::PressurePlate, {Shape::Disc, false, 1, 2, 501, false, false, false, false, false}},
        {Kind::ReservoirBody, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::DipstickCap, {Shape::Plug, false, 1, 1, 750, false, false, false, false, false}},
        {Kind::FilterElement, {Shape::Filter, false, 1, 1, 750, false, false, false, false, false}},
        {Kind::HoseClamp, {Shape::Ring, true, 2, 4, 636, false, false, false, true, false}},
        {Kind::Bracket, {Shape::Plate, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ReturnHose, {Shape::Tube, false, 1, 1, 750, false, false, false, false, false}},
        {Kind::SteeringHousing, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::SectorShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::RackPiston, {Shape::Piston, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::BallScrew, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::RotaryValve, {Shape::Valve, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::TorsionBar, {Shape::Rod, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::SideCover, {Shape::Cover, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::AdjustingScrew, {Shape::Bolt, false, 1, 1, 636, false, false, false, true, false}},
        {Kind::BallGuide, {Shape::Tube, false, 2, 2, 501, false, false, false, false, false}},
        {Kind::BevelGear, {Shape::Gear, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::BevelHousing, {Shape::Housing, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::FrictionDisc, {Shape::Disc, false, 6, 12, 730, true, false, false, false, false}},
        {Kind::SteelDisc, {Shape::Disc, false, 6, 12, 501, false, false, false, false, false}},
        {Kind::ClutchDrum, {Shape::Hub, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ClutchPiston, {Shape::Piston, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::HeatExchanger, {Shape::Filter, false, 1, 1, 750, false, false, false, false, false}},
        {Kind::OilPump, {Shape::Rotor, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::ControlValve, {Shape::Valve, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::FlexibleCoupling, {Shape::Flange, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::OutputShaft, {Shape::Shaft, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::PropellerFlange, {Shape::Flange, false, 1, 1, 501, false, false, false, false, false}},
        {Kind::Sealant, {Shape::Plug, true, 1, 1, 750, false, false, false, false, false}},
        {Kind::Lubricant, {Shape::Plug, true, 1, 1, 750, false, false, false, false, false}},
        {Kind::IdentPlate, {Shape::Plate, true, 1, 1, 750, false, false, false, false, false}},
        {Kind::Rivet, {Shape::Pin, true, 2, 4, 636, false, false, false, false, false}},
        {Kind::WarningLabel, {Shape::Plate, true, 1, 1, 750, false, false, false, false, false}},
    };
    return *table.find(k);
}

Tri Describe(Kind k, int n, int v, Rng& rng)
{
    switch (k) {
    case Kind::ClutchHousing: return T3("CARCAÇA DA EMBREAGEM", "CARCASA DEL EMBRAGUE", "CLUTCH HOUSING");
    case Kind::GearboxHousing: return T3("CARCAÇA DA TRANSMISSÃO", "CARCASA DE LA TRANSMISIÓN", "TRANSMISSION HOUSING");
    case Kind::RearCover: return T3("TAMPA TRASEIRA", "TAPA TRASERA", "REAR COVER");
    case Kind::FrontCover: return T3("TAMPA DIANTEIRA", "TAPA DELANTERA", "FRONT COVER");
    case Kind::TopCover: return T3("TAMPA SUPERIOR", "TAPA SUPERIOR", "TOP COVER");
    case Kind::BearingCover: return T3("TAMPA DO ROLAMENTO", "TAPA DEL RODAMIENTO", "BEARING COVER");
    case Kind::Gasket: {
        static const Tri g[] = {T3("JUNTA DA TAMPA TRASEIRA", "JUNTA DE LA TAPA TRASERA", "REAR COVER GASKET"),
                                T3("JUNTA DA TAMPA DIANTEIRA", "JUNTA DE LA TAPA DELANTERA", "FRONT COVER GASKET"),
                                T3("JUNTA DA TAMPA SUPERIOR", "JUNTA DE LA TAPA SUPERIOR", "TOP COVER GASKET"),
                                T3("JUNTA DA CARCAÇA", "JUNTA DE LA CARCASA", "HOUSING GASKET")};
        return g[(n - 1 + v) % 4];
    }
    case Kind::InputShaft: {
        const int z = rng.range(18, 31);
        return {QStringLiteral("EIXO PRIMÁRIO %1 DENTES").arg(z), QStringLiteral("EJE PRIMARIO %1 DIENTES").arg(z),
                QStringLiteral("INPUT SHAFT %1 TEETH").arg(z)};
    }
    case Kind::MainShaft: return T3("EIXO SECUNDÁRIO", "EJE SECUNDARIO", "MAIN SHAFT");
    case Kind::Countershaft: return T3("EIXO INTERMEDIÁRIO", "EJE INTERMEDIARIO", "COUNTERSHAFT");
    case Kind::ReverseShaft: return T3("EIXO DA ENGRENAGEM DA RÉ", "EJE DEL ENGRANAJE DE MARCHA ATRÁS", "REVERSE IDLER SHAFT");
    case Kind::SpeedGear: {
        const int z = rng.range(19, 47);
        return {QStringLiteral("ENGRENAGEM DA %1 MARCHA %2 DENTES").arg(ordP(n)).arg(z),
                QStringLiteral("ENGRANAJE DE %1 VELOCIDAD %2 DIENTES").arg(ordP(n)).arg(z),
                QStringLiteral("%1 SPEED GEAR %2 TEETH").arg(ordI(n)).arg(z)};
    }
    case Kind::ReverseGear: {
        const int z = rng.range(21, 35);
        return {QStringLiteral("ENGRENAGEM DA RÉ %1 DENTES").arg(z), QStringLiteral("ENGRANAJE DE MARCHA ATRÁS %1 DIENTES").arg(z),
                QStringLiteral("REVERSE GEAR %1 TEETH").arg(z)};
    }
    case Kind::Bearing: {
        const int d = shaftDiameter(rng);
        const int D = d * 2 + rng.range(0, 3) * 5, B = d / 2 + rng.range(0, 6);
        static const Tri kinds[] = {T3("ROLAMENTO DE ESFERAS", "RODAMIENTO DE BOLAS", "BALL BEARING"),
                                    T3("ROLAMENTO DE ROLOS CÔNICOS", "RODAMIENTO DE RODILLOS CÓNICOS", "TAPERED ROLLER BEARING"),
                                    T3("ROLAMENTO DE ROLOS CILÍNDRICOS", "RODAMIENTO DE RODILLOS CILÍNDRICOS", "CYLINDRICAL ROLLER BEARING")};
        return withSize(kinds[v % 3], dims(d, D, B));
    }
    case Kind::NeedleBearing: {
        const int d = shaftDiameter(rng);
        return withSize(T3("ROLAMENTO DE AGULHAS", "RODAMIENTO DE AGUJAS", "NEEDLE BEARING"), dims(d, d + 5, rng.range(12, 30)));
    }
    case Kind::Seal: {
        const int d = shaftDiameter(rng);
        // Draws one at a time: the order of arguments is the compiler's choice.
        const int width = rng.range(7, 12);
        const int outer = d + rng.range(12, 25);
        return withSize(T3("RETENTOR", "RETÉN", "OIL SEAL"), dims(d, outer, width));
    }
    case Kind::ORing: {
        const int d = rng.range(12, 160);
        // Draws one at a time: the order of arguments and operands is the compiler's choice.
        const int thickI = rng.range(0, 2);
        const int halfI = rng.range(0, 2);
        const int thickPE = rng.range(0, 2);
        const int halfPE = rng.range(0, 2);
        return withSizes(T3("ANEL DE VEDAÇÃO", "ANILLO DE SELLADO", "SEALING RING"), QStringLiteral("%1X%2").arg(d).arg(decPE(thickPE + 1.5 + 0.5 * halfPE, 1)),
                         QStringLiteral("%1X%2").arg(d).arg(decI(thickI + 1.5 + 0.5 * halfI, 1)));
    }
    case Kind::Circlip: return withSize(T3("ANEL ELÁSTICO", "ANILLO ELÁSTICO", "CIRCLIP"), QString::number(shaftDiameter(rng)));
    case Kind::Washer: {
        static const int m[] = {6, 8, 10, 12, 14, 16};
        const int d = m[v % 6];
        return withSizes(T3("ARRUELA DE PRESSÃO", "ARANDELA DE PRESIÓN", "SPRING WASHER"), QStringLiteral("M%1").arg(d), QStringLiteral("M%1").arg(d));
    }
    case Kind::ThrustWasher: {
        const int d = shaftDiameter(rng);
        const double t = 2.0 + 0.5 * rng.range(0, 6);
        return withSizes(T3("ARRUELA DE ENCOSTO", "ARANDELA DE TOPE", "THRUST WASHER"),
                         QStringLiteral("%1X%2X%3").arg(d).arg(d * 2 - 5).arg(decPE(t, 2)),
                         QStringLiteral("%1X%2X%3").arg(d).arg(d * 2 - 5).arg(decI(t, 2)));
    }
    case Kind::Shim: {
        const double t = 0.10 + 0.05 * rng.range(0, 4);
        return withSizes(T3("CALÇO DE AJUSTE", "SUPLEMENTO DE AJUSTE", "ADJUSTING SHIM"), decPE(t, 2) + QStringLiteral(" MM"),
                         decI(t, 2) + QStringLiteral(" MM"));
    }
    case Kind::Bolt: {
        static const int m[] = {6, 8, 10, 12, 14, 16};
        const int d = m[v % 6], l = d * rng.range(2, 6);
        return withSize(T3("PARAFUSO SEXTAVADO", "TORNILLO HEXAGONAL", "HEXAGON HEAD BOLT"), QStringLiteral("M%1X%2").arg(d).arg(l));
    }
    case Kind::SocketScrew: {
        static const int m[] = {5, 6, 8, 10, 12};
        const int d = m[v % 5], l = d * rng.range(2, 5);
        return withSize(T3("PARAFUSO ALLEN", "TORNILLO ALLEN", "SOCKET HEAD CAP SCREW"), QStringLiteral("M%1X%2").arg(d).arg(l));
    }
    case Kind::Nut: {
        static const int m[] = {6, 8, 10, 12, 14, 16};
        return withSize(T3("PORCA SEXTAVADA", "TUERCA HEXAGONAL", "HEXAGON NUT"), QStringLiteral("M%1").arg(m[v % 6]));
    }
    case Kind::CastleNut: {
        const int d = 20 + 4 * rng.range(0, 5);
        return withSizes(T3("PORCA CASTELO", "TUERCA ALMENADA", "CASTLE NUT"), QStringLiteral("M%1X1,5").arg(d), QStringLiteral("M%1X1.5").arg(d));
    }
    case Kind::SpringPin: {
        const int d = 3 + rng.range(0, 5);
        return withSize(T3("PINO ELÁSTICO", "PASADOR ELÁSTICO", "SPRING PIN"), QStringLiteral("%1X%2").arg(d).arg(d * rng.range(4, 8)));
    }
    case Kind::DowelPin: {
        const int d = 8 + 2 * rng.range(0, 4);
        return withSize(T3("PINO GUIA", "PASADOR GUÍA", "DOWEL PIN"), QStringLiteral("%1X%2").arg(d).arg(d * 2));
    }
    case Kind::MagneticPlug: return withSizes(T3("BUJÃO MAGNÉTICO", "TAPÓN MAGNÉTICO", "MAGNETIC DRAIN PLUG"), QStringLiteral("M%1X1,5").arg(18 + 4 * (v % 3)), QStringLiteral("M%1X1.5").arg(18 + 4 * (v % 3)));
    case Kind::FillerPlug: return withSizes(T3("BUJÃO DE ENCHIMENTO", "TAPÓN DE LLENADO", "FILLER PLUG"), QStringLiteral("M%1X1,5").arg(22 + 2 * (v % 3)), QStringLiteral("M%1X1.5").arg(22 + 2 * (v % 3)));
    case Kind::Breather: return T3("RESPIRO", "RESPIRADERO", "BREATHER");
    case Kind::Ball: return withSize(T3("ESFERA", "BOLA", "BALL"), QStringLiteral("%1 MM").arg(6 + 2 * (v % 4)));
    case Kind::DetentSpring: return T3("MOLA DO TRAVAMENTO", "RESORTE DE RETENCIÓN", "DETENT SPRING");
    case Kind::ShiftFork: return T3("GARFO SELETOR", "HORQUILLA SELECTORA", "SHIFT FORK").suffixed(pair(n));
    case Kind::ShiftRod: return T3("HASTE SELETORA", "VARILLA SELECTORA", "SHIFT ROD").suffixed(pair(n));
    case Kind::ShiftLever: return T3("ALAVANCA SELETORA", "PALANCA SELECTORA", "SELECTOR LEVER");
    case Kind::Sleeve: return T3("LUVA DE ENGATE", "MANGUITO DESLIZANTE", "SLIDING SLEEVE").suffixed(pair(n));
    case Kind::SynchroHub: return T3("CUBO SINCRONIZADOR", "CUBO SINCRONIZADOR", "SYNCHRONIZER HUB").suffixed(pair(n));
    case Kind::SynchroRing: return T3("ANEL SINCRONIZADOR", "ANILLO SINCRONIZADOR", "SYNCHRONIZER RING").suffixed(pair((n + 1) / 2));
    case Kind::Spacer: {
        const int d = shaftDiameter(rng);
        return withSize(T3("ESPAÇADOR", "ESPACIADOR", "SPACER"), dims(d, d + 12, rng.range(4, 20)));
    }
    case Kind::OutputFlange: return T3("FLANGE DE SAÍDA", "BRIDA DE SALIDA", "OUTPUT FLANGE");
    case Kind::AxleHousing: return T3("CARCAÇA DO EIXO", "CARCASA DEL EJE", "AXLE HOUSING");
    case Kind::AxleShaft: return T3("SEMIEIXO", "SEMIEJE", "AXLE SHAFT");
    case Kind::CrownPinion: {
        const int a = rng.range(37, 47), b = rng.range(7, 11);
        return {QStringLiteral("COROA E PINHÃO %1:%2").arg(a).arg(b), QStringLiteral("CORONA Y PIÑÓN %1:%2").arg(a).arg(b),
                QStringLiteral("CROWN WHEEL AND PINION %1:%2").arg(a).arg(b)};
    }
    case Kind::DiffCase: return T3("CAIXA DO DIFERENCIAL", "CAJA DEL DIFERENCIAL", "DIFFERENTIAL CASE");
    case Kind::DiffPinion: return T3("SATÉLITE", "SATÉLITE", "DIFFERENTIAL PINION");
    case Kind::SideGear: return T3("PLANETÁRIA", "PLANETARIO", "SIDE GEAR");
    case Kind::SunGear: return withSize(T3("ENGRENAGEM SOLAR", "ENGRANAJE SOLAR", "SUN GEAR"), QStringLiteral("Z%1").arg(rng.range(12, 24)));
    case Kind::PlanetGear: return withSize(T3("ENGRENAGEM PLANETÁRIA", "ENGRANAJE PLANETARIO", "PLANET GEAR"), QStringLiteral("Z%1").arg(rng.range(18, 30)));
    case Kind::PlanetCarrier: return T3("PORTA-SATÉLITES", "PORTASATÉLITES", "PLANET CARRIER");
    case Kind::RingGear: return withSize(T3("COROA INTERNA", "CORONA INTERNA", "RING GEAR"), QStringLiteral("Z%1").arg(rng.range(60, 84)));
    case Kind::WheelHub: return T3("CUBO DE RODA", "CUBO DE RUEDA", "WHEEL HUB");
    case Kind::BrakeDisc: return T3("DISCO DE FREIO", "DISCO DE FRENO", "BRAKE DISC");
    case Kind::BrakePiston: return T3("PISTÃO DO FREIO", "PISTÓN DEL FRENO", "BRAKE PISTON");
    case Kind::WheelStud: return withSizes(T3("PRISIONEIRO DE RODA", "ESPÁRRAGO DE RUEDA", "WHEEL STUD"), QStringLiteral("M22X1,5"), QStringLiteral("M22X1.5"));
    case Kind::PumpBody: return T3("CORPO DA BOMBA", "CUERPO DE LA BOMBA", "PUMP BODY");
    case Kind::PumpRotor: {
        const int grooves = 10 + 2 * (v % 2);
        return {QStringLiteral("ROTOR %1 RANHURAS").arg(grooves), QStringLiteral("ROTOR %1 RANURAS").arg(grooves),
                QStringLiteral("ROTOR %1 SLOTS").arg(grooves)};
    }
    case Kind::PumpVane: return T3("PALHETA", "PALETA", "VANE");
    case Kind::CamRing: return T3("ANEL EXCÊNTRICO", "ANILLO EXCÉNTRICO", "CAM RING");
    case Kind::DriveShaft: return T3("EIXO DE ACIONAMENTO", "EJE DE ACCIONAMIENTO", "DRIVE SHAFT");
    case Kind::Pulley: return withSize(T3("POLIA", "POLEA", "PULLEY"), QStringLiteral("%1 MM").arg(110 + 10 * rng.range(0, 5)));
    case Kind::ReliefValve: return T3("VÁLVULA LIMITADORA DE PRESSÃO", "VÁLVULA LIMITADORA DE PRESIÓN", "PRESSURE RELIEF VALVE");
    case Kind::FlowValve: return T3("VÁLVULA DE CONTROLE DE VAZÃO", "VÁLVULA DE CONTROL DE CAUDAL", "FLOW CONTROL VALVE");
    case Kind::PressurePlate: return T3("PLACA DE PRESSÃO", "PLACA DE PRESIÓN", "PRESSURE PLATE");
    case Kind::ReservoirBody: return T3("CORPO DO RESERVATÓRIO", "CUERPO DEL DEPÓSITO", "RESERVOIR BODY");
    case Kind::DipstickCap: return T3("TAMPA COM VARETA", "TAPA CON VARILLA", "CAP WITH DIPSTICK");
    case Kind::FilterElement: return T3("ELEMENTO FILTRANTE", "ELEMENTO FILTRANTE", "FILTER ELEMENT");
    case Kind::HoseClamp: return withSize(T3("ABRAÇADEIRA", "ABRAZADERA", "HOSE CLAMP"), QStringLiteral("%1-%2").arg(12 + 4 * (v % 4)).arg(22 + 4 * (v % 4)));
    case Kind::Bracket: return T3("SUPORTE", "SOPORTE", "BRACKET");
    case Kind::ReturnHose: return T3("MANGUEIRA DE RETORNO", "MANGUERA DE RETORNO", "RETURN HOSE");
    case Kind::SteeringHousing: return T3("CARCAÇA DA CAIXA DE DIREÇÃO", "CARCASA DE LA CAJA DE DIRECCIÓN", "STEERING GEAR HOUSING");
    case Kind::SectorShaft: return T3("SETOR", "SECTOR", "SECTOR SHAFT");
    case Kind::RackPiston: return T3("PISTÃO CREMALHEIRA", "PISTÓN CREMALLERA", "RACK PISTON");
    case Kind::BallScrew: return T3("FUSO DE ESFERAS", "HUSILLO DE BOLAS", "BALL SCREW");
    case Kind::RotaryValve: return T3("VÁLVULA ROTATIVA", "VÁLVULA ROTATIVA", "ROTARY VALVE");
    case Kind::TorsionBar: return T3("BARRA DE TORÇÃO", "BARRA DE TORSIÓN", "TORSION BAR");
    case Kind::SideCover: return T3("TAMPA LATERAL", "TAPA LATERAL", "SIDE COVER");
    case Kind::AdjustingScrew: return T3("PARAFUSO DE AJUSTE", "TORNILLO DE AJUSTE", "ADJUSTING SCREW");
    case Kind::BallGuide: return T3("GUIA DE ESFERAS", "GUÍA DE BOLAS", "BALL GUIDE");
    case Kind::BevelGear: return withSize(T3("ENGRENAGEM CÔNICA", "ENGRANAJE CÓNICO", "BEVEL GEAR"), QStringLiteral("Z%1").arg(rng.range(14, 30)));
    case Kind::BevelHousing: return T3("CARCAÇA DA CAIXA ANGULAR", "CARCASA DE LA CAJA ANGULAR", "BEVEL BOX HOUSING");
    case Kind::FrictionDisc: return T3("DISCO DE FRICÇÃO", "DISCO DE FRICCIÓN", "FRICTION DISC");
    case Kind::SteelDisc: return T3("DISCO DE AÇO", "DISCO DE ACERO", "STEEL DISC");
    case Kind::ClutchDrum: return T3("CAMPANA DA EMBREAGEM", "CAMPANA DEL EMBRAGUE", "CLUTCH DRUM");
    case Kind::ClutchPiston: return T3("PISTÃO DA EMBREAGEM", "PISTÓN DEL EMBRAGUE", "CLUTCH PISTON");
    case Kind::HeatExchanger: return T3("TROCADOR DE CALOR", "INTERCAMBIADOR DE CALOR", "HEAT EXCHANGER");
    case Kind::OilPump: return T3("BOMBA DE ÓLEO", "BOMBA DE ACEITE", "OIL PUMP");
    case Kind::ControlValve: return T3("VÁLVULA DE COMANDO", "VÁLVULA DE MANDO", "CONTROL VALVE");
    case Kind::FlexibleCoupling: return T3("ACOPLAMENTO ELÁSTICO", "ACOPLAMIENTO ELÁSTICO", "FLEXIBLE COUPLING");
    case Kind::OutputShaft: return T3("EIXO DE SAÍDA", "EJE DE SALIDA", "OUTPUT SHAFT");
    case Kind::PropellerFlange: return T3("FLANGE DO HÉLICE", "BRIDA DE LA HÉLICE", "PROPELLER FLANGE");
    case Kind::Sealant:
    case Kind::Lubricant:
    case Kind::IdentPlate:
    case Kind::Rivet:
    case Kind::WarningLabel: return GeneralItemDescription(k);
    case Kind::Count: break;
    }
    return T3("PEÇA", "PIEZA", "PART");
}

Tri DescribeAlternative(Kind k, const Tri& base, int n)
{
    if (k == Kind::Shim || k == Kind::ThrustWasher || k == Kind::Spacer) {
        // The same part one step thicker: the last number of the description
        // grows by n steps, written with the language's decimal sign.
        const double step = k == Kind::Shim ? 0.05 : (k == Kind::Spacer ? 1.0 : 0.10);
        const int decimals = k == Kind::Spacer ? 0 : 2;
        static const QRegularExpression lastNumber(QStringLiteral("(\\d+(?:[.,]\\d+)?)(\\D*)$"));
        auto bump = [&](const QString& s, bool comma) {
            const QRegularExpressionMatch m = lastNumber.match(s);
            if (!m.hasMatch())
                return s;
            const double v = QString(m.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() + n * step;
            QString num = QString::number(v, 'f', decimals);
            if (comma)
                num.replace(QLatin1Char('.'), QLatin1Char(','));
            return s.left(m.capturedStart(1)) + num + m.captured(2);
        };
        return {bump(base.p, true), bump(base.e, true), bump(base.i, false)};
    }
    // oversize parts
    return {base.p + QStringLiteral(" SOBREMEDIDA %1").arg(n), base.e + QStringLiteral(" SOBREMEDIDA %1").arg(n),
            base.i + QStringLiteral(" OVERSIZE %1").arg(n)};
}

Tri GeneralItemDescription(Kind k)
{
    switch (k) {
    case Kind::Sealant: return T3("ADESIVO VEDANTE", "SELLADOR ADHESIVO", "SEALANT");
    case Kind::Lubricant: return T3("ÓLEO LUBRIFICANTE (LITROS)", "ACEITE LUBRICANTE (LITROS)", "LUBRICATING OIL (LITRES)");
    case Kind::IdentPlate: return T3("PLAQUETA DE IDENTIFICAÇÃO", "PLACA DE IDENTIFICACIÓN", "IDENTIFICATION PLATE");
    case Kind::Rivet: return T3("REBITE DA PLAQUETA", "REMACHE DE LA PLACA", "PLATE RIVET");
    case Kind::WarningLabel: return T3("ETIQUETA DE ADVERTÊNCIA", "ETIQUETA DE ADVERTENCIA", "WARNING LABEL");
    default: break;
    }
    return T3("PEÇA", "PIEZA", "PART");
}

Tri KitDescription(int which, const QString& model)
{
    static const Tri kits[] = {
        T3("JOGO DE JUNTAS E RETENTORES", "JUEGO DE JUNTAS Y RETENES", "GASKET AND SEAL KIT"),
        T3("JOGO DE ROLAMENTOS", "JUEGO DE RODAMIENTOS", "BEARING KIT"),
        T3("JOGO DE SINCRONIZAÇÃO", "JUEGO DE SINCRONIZACIÓN", "SYNCHRONIZER KIT"),
        T3("JOGO DE REVISÃO", "JUEGO DE REVISIÓN", "OVERHAUL KIT"),
        T3("JOGO DE FIXAÇÃO", "JUEGO DE FIJACIÓN", "FASTENER KIT"),
        T3("JOGO DE REPARO COMPLETO", "JUEGO DE REPARACIÓN COMPLETO", "COMPLETE REPAIR KIT"),
    };
    return kits[which].suffixed({model, model, model});
}

std::vector<Tri> ShortNotes()
{
    return {
        T3("Substituir sempre que desmontado", "Sustituir siempre que se desmonte", "Replace whenever removed"),
        T3("Aplicar trava química média na rosca", "Aplicar fijador químico medio en la rosca", "Apply medium-strength thread locker"),
        T3("Torque de aperto: 45 N·m", "Par de apriete: 45 N·m", "Tightening torque: 45 N·m"),
        T3("Verificar a folga axial após a montagem", "Verificar el juego axial después del montaje", "Check the end play after assembly"),
        T3("Fornecido somente no jogo de reparo", "Suministrado solo en el juego de reparación", "Supplied in the repair kit only"),
        T3("A partir do nº de série 204511", "A partir del nº de serie 204511", "From serial no. 204511 on"),
        T3("Até o nº de série 204510", "Hasta el nº de serie 204510", "Up to serial no. 204510"),
        T3("Montar com o chanfro voltado para a engrenagem", "Montar con el chaflán hacia el engranaje", "Fit with the chamfer towards the gear"),
        T3("Lubrificar com óleo da transmissão antes de montar", "Lubricar con aceite de la transmisión antes de montar", "Oil with transmission oil before fitting"),
        T3("Ajustar com calços até obter pré-carga de 1 a 3 N·m", "Ajustar con suplementos hasta una precarga de 1 a 3 N·m", "Shim to a preload of 1 to 3 N·m"),
        T3("Usar somente em conjunto com o item 02.010", "Usar solo junto con el ítem 02.010", "Use only together with item 02.010"),
        T3("Peça de segurança: não reutilizar", "Pieza de seguridad: no reutilizar", "Safety part: do not reuse"),
    };
}

Tri LongNote(int which, const QString& model)
{
    const QString crlf = QStringLiteral("\r\n");
    switch (which % 4) {
    case 0:
        return {QStringLiteral("Montagem do conjunto %1:").arg(model) + crlf + QStringLiteral("1. Limpar todas as peças com solvente.") + crlf +
                    QStringLiteral("2. Lubrificar os rolamentos com o óleo especificado.") + crlf +
                    QStringLiteral("3. Apertar os parafusos em cruz, em duas etapas.") + crlf + QStringLiteral("4. Verificar o giro livre do eixo."),
                QStringLiteral("Montaje del conjunto %1:").arg(model) + crlf + QStringLiteral("1. Limpiar todas las piezas con solvente.") + crlf +
                    QStringLiteral("2. Lubricar los rodamientos con el aceite especificado.") + crlf +
                    QStringLiteral("3. Apretar los tornillos en cruz, en dos etapas.") + crlf + QStringLiteral("4. Verificar el giro libre del eje."),
                QStringLiteral("Assembly of the %1:").arg(model) + crlf + QStringLiteral("1. Clean all parts with solvent.") + crlf +
                    QStringLiteral("2. Lubricate the bearings with the specified oil.") + crlf +
                    QStringLiteral("3. Tighten the bolts crosswise, in two steps.") + crlf + QStringLiteral("4. Check that the shaft turns freely.")};
    case 1:
        return {QStringLiteral("Este item foi modificado a partir do nº de série 204511 do conjunto %1. ").arg(model) +
                    QStringLiteral("Para conjuntos anteriores, substituir também o item correspondente da tampa.") + crlf + crlf +
                    QStringLiteral("Consultar o boletim técnico BT-0%1.").arg(model.right(3)),
                QStringLiteral("Este ítem fue modificado a partir del nº de serie 204511 del conjunto %1. ").arg(model) +
                    QStringLiteral("Para conjuntos anteriores, sustituir también el ítem correspondiente de la tapa.") + crlf + crlf +
                    QStringLiteral("Consultar el boletín técnico BT-0%1.").arg(model.right(3)),
                QStringLiteral("This item was changed from serial no. 204511 of the %1. ").arg(model) +
                    QStringLiteral("On earlier units, also replace the matching item of the cover.") + crlf + crlf +
                    QStringLiteral("See technical bulletin BT-0%1.").arg(model.right(3))};
    case 2:
        return {QStringLiteral("Ajuste da pré-carga dos rolamentos:") + crlf + QStringLiteral("- medir a folga com relógio comparador;") + crlf +
                    QStringLiteral("- escolher o calço pela tabela do anexo;") + crlf + QStringLiteral("- a pré-carga deve ficar entre 1 e 3 N·m."),
                QStringLiteral("Ajuste de la precarga de los rodamientos:") + crlf + QStringLiteral("- medir el juego con reloj comparador;") + crlf +
                    QStringLiteral("- elegir el suplemento por la tabla del anexo;") + crlf + QStringLiteral("- la precarga debe quedar entre 1 y 3 N·m."),
                QStringLiteral("Bearing preload adjustment:") + crlf + QStringLiteral("- measure the end play with a dial gauge;") + crlf +
                    QStringLiteral("- choose the shim from the table in the attachment;") + crlf + QStringLiteral("- the preload must be 1 to 3 N·m.")};
    default:
        return {QStringLiteral("Óleo recomendado: SAE 80W90 API GL-5.") + crlf + QStringLiteral("Volume: conforme a plaqueta de identificação.") + crlf +
                    QStringLiteral("Primeira troca com 5.000 km ou 100 horas; depois a cada 50.000 km ou 1.000 horas."),
                QStringLiteral("Aceite recomendado: SAE 80W90 API GL-5.") + crlf + QStringLiteral("Volumen: según la placa de identificación.") + crlf +
                    QStringLiteral("Primer cambio a los 5.000 km o 100 horas; después cada 50.000 km o 1.000 horas."),
                QStringLiteral("Recommended oil: SAE 80W90 API GL-5.") + crlf + QStringLiteral("Quantity: see the identification plate.") + crlf +
                    QStringLiteral("First change at 5,000 km or 100 hours; then every 50,000 km or 1,000 hours.")};
    }
}

QString SearchForm(const QString& text)
{
    QString out;
    for (const QChar c : text.toUpper())
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

namespace {

using E = PageTemplate::Entry;

PageTemplate page(const Tri& title, std::vector<E> entries, bool optional = false)
{
    PageTemplate p;
    p.title = title;
    p.entries = std::move(entries);
    p.optional = optional;
    return p;
}

AssemblyType transmission(bool agricultural)
{
    AssemblyType t;
    t.code = QLatin1Char('T');
    t.noun = T3("TRANSMISSÃO", "TRANSMISIÓN", "TRANSMISSION");
    t.modelPrefix = agricultural ? QStringLiteral("T12-") : QStringLiteral("S5-");
    t.numberPrefix = agricultural ? 1268 : 1269;
    t.photoStyle = 0;
    t.pages = {
        page(T3("CARCAÇAS E TAMPAS", "CARCASAS Y TAPAS", "HOUSINGS AND COVERS"),
             {{Kind::ClutchHousing, 1, 1}, {Kind::GearboxHousing, 1, 1}, {Kind::RearCover, 1, 1}, {Kind::TopCover, 0, 1},
              {Kind::Gasket, 1, 2}, {Kind::Bolt, 2, 3}, {Kind::Washer, 1, 1}, {Kind::DowelPin, 1, 1}, {Kind::MagneticPlug, 1, 1},
              {Kind::FillerPlug, 0, 1}, {Kind::Breather, 0, 1}, {Kind::Seal, 1, 1}}),
        page(T3("EIXO PRIMÁRIO", "EJE PRIMARIO", "INPUT SHAFT"),
             {{Kind::InputShaft, 1, 1}, {Kind::Bearing, 1, 2}, {Kind::Circlip, 1, 2}, {Kind::Seal, 1, 1}, {Kind::NeedleBearing, 1, 1},
              {Kind::Spacer, 0, 1}, {Kind::BearingCover, 1, 1}, {Kind::Gasket, 1, 1}, {Kind::SocketScrew, 1, 1}, {Kind::ORing, 0, 1}},
             true),
        page(T3("EIXO SECUNDÁRIO", "EJE SECUNDARIO", "MAIN SHAFT"),
             {{Kind::MainShaft, 1, 1}, {Kind::SpeedGear, 3, 5}, {Kind::SynchroRing, 2, 4}, {Kind::SynchroHub, 1, 2}, {Kind::Sleeve, 1, 2},
              {Kind::NeedleBearing, 2, 3}, {Kind::ThrustWasher, 1, 2}, {Kind::Circlip, 2, 3}, {Kind::Bearing, 1, 1}, {Kind::CastleNut, 1, 1},
              {Kind::Shim, 1, 1}}),
        page(T3("EIXO INTERMEDIÁRIO E RÉ", "EJE INTERMEDIARIO Y MARCHA ATRÁS", "COUNTERSHAFT AND REVERSE"),
             {{Kind::Countershaft, 1, 1}, {Kind::SpeedGear, 2, 3}, {Kind::ReverseGear, 1, 1}, {Kind::ReverseShaft, 1, 1}, {Kind::Bearing, 2, 2},
              {Kind::NeedleBearing, 1, 1}, {Kind::ThrustWasher, 1, 2}, {Kind::Circlip, 1, 2}, {Kind::Shim, 0, 1}, {Kind::SpringPin, 1, 1}}),
        page(T3("COMANDO DE MUDANÇAS", "MANDO DE CAMBIOS", "GEARSHIFT CONTROL"),
             {{Kind::ShiftRod, 2, 3}, {Kind::ShiftFork, 2, 3}, {Kind::DetentSpring, 1, 2}, {Kind::Ball, 1, 2}, {Kind::SpringPin, 1, 2},
              {Kind::ShiftLever, 1, 1}, {Kind::FillerPlug, 0, 1}, {Kind::Bolt, 1, 1}, {Kind::ORing, 0, 1}},
             true),
    };
    if (agricultural)
        t.variantSuffixes = {T3("C/ TDF", "C/ TDF", "W/ PTO"), T3("C/ INVERSOR", "C/ INVERSOR", "W/ SHUTTLE"), T3("ESTREITA", "ESTRECHA", "NARROW")};
    else
        t.variantSuffixes = {T3("C/ OVERDRIVE", "C/ SOBREMARCHA", "W/ OVERDRIVE"), T3("C/ TDF", "C/ TDF", "W/ PTO"),
                             T3("RED. CURTA", "RED. CORTA", "SHORT RATIO")};
    return t;
}

AssemblyType axle()
{
    AssemblyType t;
    t.code = QLatin1Char('E');
    t.noun = T3("EIXO DIANTEIRO", "EJE DELANTERO", "FRONT AXLE");
    t.modelPrefix = QStringLiteral("AX-");
    t.numberPrefix = 4460;
    t.photoStyle = 1;
    t.pages = {
        page(T3("CARCAÇA E SEMIEIXOS", "CARCASA Y SEMIEJES", "HOUSING AND AXLE SHAFTS"),
             {{Kind::AxleHousing, 1, 1}, {Kind::AxleShaft, 1, 2}, {Kind::Seal, 1, 2}, {Kind::Bearing, 1, 2}, {Kind::Bolt, 1, 2},
              {Kind::Washer, 1, 1}, {Kind::MagneticPlug, 1, 1}, {Kind::Breather, 0, 1}}),
        page(T3("DIFERENCIAL", "DIFERENCIAL", "DIFFERENTIAL"),
             {{Kind::CrownPinion, 1, 1}, {Kind::DiffCase, 1, 1}, {Kind::DiffPinion, 1, 1}, {Kind::SideGear, 1, 1}, {Kind::ThrustWasher, 1, 2},
              {Kind::Bearing, 2, 2}, {Kind::Shim, 1, 2}, {Kind::CastleNut, 1, 1}, {Kind::Bolt, 1, 1}, {Kind::SpringPin, 1, 1}}),
        page(T3("REDUÇÃO FINAL", "REDUCCIÓN FINAL", "FINAL DRIVE"),
             {{Kind::SunGear, 1, 1}, {Kind::PlanetGear, 1, 1}, {Kind::PlanetCarrier, 1, 1}, {Kind::RingGear, 1, 1},
              {Kind::NeedleBearing, 1, 2}, {Kind::ThrustWasher, 1, 1}, {Kind::Circlip, 1, 2}},
             true),
        page(T3("CUBO DE RODA E FREIO", "CUBO DE RUEDA Y FRENO", "WHEEL HUB AND BRAKE"),
             {{Kind::WheelHub, 1, 1}, {Kind::BrakeDisc, 1, 2}, {Kind::BrakePiston, 1, 1}, {Kind::ORing, 1, 2}, {Kind::Seal, 1, 1},
              {Kind::Bearing, 1, 2}, {Kind::WheelStud, 1, 1}, {Kind::Nut, 1, 1}}),
    };
    t.variantSuffixes = {T3("TRASEIRO", "TRASERO", "REAR"), T3("C/ BLOQUEIO", "C/ BLOQUEO", "W/ DIFF LOCK"), T3("REFORÇADO", "REFORZADO", "HEAVY DUTY")};
    return t;
}

AssemblyType pump()
{
    AssemblyType t;
    t.code = QLatin1Char('B');
    t.noun = T3("BOMBA HIDRÁULICA", "BOMBA HIDRÁULICA", "HYDRAULIC PUMP");
    t.modelPrefix = QStringLiteral("HP-");
    t.numberPrefix = 7670;
    t.photoStyle = 2;
    t.pages = {
        page(T3("CORPO E TAMPAS", "CUERPO Y TAPAS", "BODY AND COVERS"),
             {{Kind::PumpBody, 1, 1}, {Kind::RearCover, 1, 1}, {Kind::ORing, 1, 2}, {Kind::SocketScrew, 1, 1}, {Kind::Seal, 1, 1},
              {Kind::Bracket, 0, 1}, {Kind::Bolt, 1, 1}}),
        page(T3("CONJUNTO ROTATIVO", "CONJUNTO ROTATIVO", "ROTATING GROUP"),
             {{Kind::DriveShaft, 1, 1}, {Kind::PumpRotor, 1, 1}, {Kind::PumpVane, 1, 1}, {Kind::CamRing, 1, 1}, {Kind::PressurePlate, 1, 1},
              {Kind::Bearing, 1, 1}, {Kind::Circlip, 1, 2}, {Kind::DowelPin, 1, 1}, {Kind::Pulley, 0, 1}, {Kind::Nut, 0, 1}}),
        page(T3("VÁLVULAS", "VÁLVULAS", "VALVES"),
             {{Kind::FlowValve, 1, 1}, {Kind::ReliefValve, 1, 1}, {Kind::DetentSpring, 1, 1}, {Kind::FillerPlug, 1, 1}, {Kind::ORing, 1, 2}},
             true),
    };
    t.variantSuffixes = {T3("C/ POLIA", "C/ POLEA", "W/ PULLEY"), T3("ALTA PRESSÃO", "ALTA PRESIÓN", "HIGH PRESSURE")};
    return t;
}

AssemblyType reservoir()
{
    AssemblyType t;
    t.code = QLatin1Char('R');
    t.noun = T3("RESERVATÓRIO", "DEPÓSITO", "RESERVOIR");
    t.modelPrefix = QStringLiteral("RS-");
    t.numberPrefix = 7672;
    t.photoStyle = 3;
    t.pages = {
        page(T3("RESERVATÓRIO", "DEPÓSITO", "RESERVOIR"),
             {{Kind::ReservoirBody, 1, 1}, {Kind::Bracket, 1, 1}, {Kind::HoseClamp, 1, 2}, {Kind::ReturnHose, 1, 1}, {Kind::Bolt, 1, 1},
              {Kind::Washer, 1, 1}}),
        page(T3("FILTRO E TAMPA", "FILTRO Y TAPA", "FILTER AND CAP"),
             {{Kind::FilterElement, 1, 1}, {Kind::DipstickCap, 1, 1}, {Kind::ORing, 1, 2}, {Kind::DetentSpring, 1, 1}, {Kind::Nut, 0, 1}},
             true),
    };
    t.variantSuffixes = {T3("REMOTO", "REMOTO", "REMOTE"), T3("C/ FILTRO FINO", "C/ FILTRO FINO", "W/ FINE FILTER")};
    return t;
}

AssemblyType steering()
{
    AssemblyType t;
    t.code = QLatin1Char('D');
    t.noun = T3("DIREÇÃO HIDRÁULICA", "DIRECCIÓN HIDRÁULICA", "POWER STEERING GEAR");
    t.modelPrefix = QStringLiteral("SG-");
    t.numberPrefix = 8090;
    t.photoStyle = 4;
    t.pages = {
        page(T3("CARCAÇA", "CARCASA", "HOUSING"),
             {{Kind::SteeringHousing, 1, 1}, {Kind::SideCover, 1, 1}, {Kind::Bolt, 1, 2}, {Kind::AdjustingScrew, 1, 1}, {Kind::Nut, 1, 1},
              {Kind::MagneticPlug, 0, 1}}),
        page(T3("SETOR E PISTÃO", "SECTOR Y PISTÓN", "SECTOR SHAFT AND PISTON"),
             {{Kind::SectorShaft, 1, 1}, {Kind::RackPiston, 1, 1}, {Kind::BallScrew, 1, 1}, {Kind::Ball, 1, 1}, {Kind::BallGuide, 1, 1},
              {Kind::NeedleBearing, 1, 2}, {Kind::ThrustWasher, 0, 1}}),
        page(T3("VÁLVULA ROTATIVA", "VÁLVULA ROTATIVA", "ROTARY VALVE"),
             {{Kind::RotaryValve, 1, 1}, {Kind::TorsionBar, 1, 1}, {Kind::SpringPin, 1, 1}, {Kind::Bearing, 1, 1}, {Kind::Shim, 1, 1}},
             true),
        page(T3("VEDAÇÕES", "SELLOS", "SEALS"),
             {{Kind::Seal, 2, 3}, {Kind::ORing, 2, 4}, {Kind::Circlip, 1, 2}, {Kind::Spacer, 0, 1}}),
    };
    t.variantSuffixes = {T3("INTEGRAL", "INTEGRAL", "INTEGRAL"), T3("C/ LIMITADOR", "C/ LIMITADOR", "W/ POPPET VALVES")};
    return t;
}

AssemblyType bevelBox()
{
    AssemblyType t;
    t.code = QLatin1Char('C');
    t.noun = T3("CAIXA ANGULAR", "CAJA ANGULAR", "BEVEL BOX");
    t.modelPrefix = QStringLiteral("BB-");
    t.numberPrefix = 8091;
    t.photoStyle = 5;
    t.pages = {
        page(T3("CARCAÇA", "CARCASA", "HOUSING"),
             {{Kind::BevelHousing, 1, 1}, {Kind::FrontCover, 1, 1}, {Kind::Gasket, 1, 1}, {Kind::Bolt, 1, 2}, {Kind::Seal, 1, 2}}),
        page(T3("ENGRENAGENS E EIXOS", "ENGRANAJES Y EJES", "GEARS AND SHAFTS"),
             {{Kind::BevelGear, 2, 2}, {Kind::DriveShaft, 1, 2}, {Kind::Bearing, 2, 3}, {Kind::Shim, 1, 1}, {Kind::Circlip, 1, 2}}),
    };
    t.variantSuffixes = {T3("1:1", "1:1", "1:1"), T3("1,5:1", "1,5:1", "1.5:1")};
    return t;
}

AssemblyType marineGearbox()
{
    AssemblyType t;
    t.code = QLatin1Char('R');
    t.noun = T3("REVERSOR MARÍTIMO", "REVERSOR MARINO", "MARINE GEARBOX");
    t.modelPrefix = QStringLiteral("MR-");
    t.numberPrefix = 1315;
    t.photoStyle = 6;
    t.pages = {
        page(T3("CARCAÇA E TAMPAS", "CARCASA Y TAPAS", "HOUSING AND COVERS"),
             {{Kind::GearboxHousing, 1, 1}, {Kind::RearCover, 1, 1}, {Kind::Gasket, 1, 2}, {Kind::Bolt, 1, 2}, {Kind::MagneticPlug, 1, 1},
              {Kind::Breather, 0, 1}, {Kind::HeatExchanger, 0, 1}}),
        page(T3("EMBREAGENS", "EMBRAGUES", "CLUTCHES"),
             {{Kind::ClutchDrum, 1, 2}, {Kind::FrictionDisc, 1, 1}, {Kind::SteelDisc, 1, 1}, {Kind::ClutchPiston, 1, 2},
              {Kind::DetentSpring, 1, 1}, {Kind::ORing, 1, 2}, {Kind::Circlip, 1, 2}, {Kind::SpeedGear, 2, 2}}),
        page(T3("EIXO DE SAÍDA", "EJE DE SALIDA", "OUTPUT SHAFT"),
             {{Kind::OutputShaft, 1, 1}, {Kind::Bearing, 2, 2}, {Kind::Seal, 1, 1}, {Kind::PropellerFlange, 1, 1}, {Kind::CastleNut, 1, 1},
              {Kind::Shim, 1, 1}, {Kind::FlexibleCoupling, 0, 1}}),
        page(T3("SISTEMA HIDRÁULICO", "SISTEMA HIDRÁULICO", "HYDRAULIC SYSTEM"),
             {{Kind::OilPump, 1, 1}, {Kind::ControlValve, 1, 1}, {Kind::FilterElement, 1, 1}, {Kind::ORing, 1, 2}, {Kind::SocketScrew, 1, 1}},
             true),
    };
    t.variantSuffixes = {T3("2,0:1", "2,0:1", "2.0:1"), T3("2,5:1", "2,5:1", "2.5:1"), T3("ÂNGULO 8°", "ÁNGULO 8°", "8° DOWN ANGLE")};
    return t;
}

EditionVocabulary automotive()
{
    EditionVocabulary v;
    v.types = {transmission(false)};
    v.typeWeights = {1};
    v.manufacturers = {QStringLiteral("VELMAR"), QStringLiteral("KORRAN"), QStringLiteral("ASTEL VEÍCULOS"), QStringLiteral("NOVADRIVE"),
                       QStringLiteral("BRAUNFELD"), QStringLiteral("TORVIK"), QStringLiteral("SAVRANO"), QStringLiteral("MERIDA MOTORS")};
    v.vehicleKinds = {T3("CAMINHÃO", "CAMIÓN", "TRUCK"), T3("CAVALO MECÂNICO", "TRACTOCAMIÓN", "TRACTOR UNIT"),
                      T3("ÔNIBUS", "ÓMNIBUS", "BUS"), T3("UTILITÁRIO", "FURGÓN", "VAN"), T3("PICAPE", "CAMIONETA", "PICKUP")};
    v.vehicleConfigs = {QStringLiteral("4X2"), QStringLiteral("6X2"), QStringLiteral("6X4"), QStringLiteral("4X4"), QString()};
    v.tipoPeca = {{QStringLiteral("T"), T3("Transmissão", "Transmisión", "Transmission")}};
    return v;
}

EditionVocabulary agricultural()
{
    EditionVocabulary v;
    v.types = {transmission(true), axle()};
    v.typeWeights = {3, 2};
    v.manufacturers = {QStringLiteral("AGROVEL"), QStringLiteral("CAMPESTRE"), QStringLiteral("TERRANOVA"), QStringLiteral("HARVELL"),
                       QStringLiteral("ORVADA"), QStringLiteral("PAMPA MÁQUINAS")};
    v.vehicleKinds = {T3("TRATOR", "TRACTOR", "TRACTOR"), T3("COLHEITADEIRA", "COSECHADORA", "COMBINE HARVESTER"),
                      T3("PULVERIZADOR", "PULVERIZADORA", "SPRAYER"), T3("RETROESCAVADEIRA", "RETROEXCAVADORA", "BACKHOE LOADER")};
    v.vehicleConfigs = {QStringLiteral("4X2"), QStringLiteral("4X4"), QStringLiteral("TDA"), QString()};
    v.tipoPeca = {{QStringLiteral("T"), T3("Transmissão", "Transmisión", "Transmission")}, {QStringLiteral("E"), T3("Eixo", "Eje", "Axle")}};
    return v;
}

EditionVocabulary steeringSystems()
{
    EditionVocabulary v;
    v.types = {pump(), reservoir(), steering(), bevelBox()};
    v.typeWeights = {5, 3, 9, 3};
    v.manufacturers = {QStringLiteral("VELMAR"), QStringLiteral("KORRAN"), QStringLiteral("ASTEL VEÍCULOS"), QStringLiteral("BRAUNFELD"),
                       QStringLiteral("TORVIK"), QStringLiteral("URBANBUS")};
    v.vehicleKinds = {T3("CAMINHÃO", "CAMIÓN", "TRUCK"), T3("CAVALO MECÂNICO", "TRACTOCAMIÓN", "TRACTOR UNIT"),
                      T3("ÔNIBUS", "ÓMNIBUS", "BUS"), T3("MICRO-ÔNIBUS", "MICROBÚS", "MINIBUS")};
    v.vehicleConfigs = {QStringLiteral("4X2"), QStringLiteral("6X2"), QStringLiteral("6X4"), QString()};
    v.tipoPeca = {{QStringLiteral("B"), T3("Bomba de Óleo", "Bomba de Aceite", "Oil Pump")},
                  {QStringLiteral("R"), T3("Reservatório de Óleo", "Depósito de Aceite", "Oil Reservoir")},
                  {QStringLiteral("D"), T3("Direção", "Dirección", "Power Steering Gear")},
                  {QStringLiteral("C"), T3("Caixa Angular", "Caja Angular", "Bevel Box")}};
    return v;
}

EditionVocabulary marine()
{
    EditionVocabulary v;
    v.types = {marineGearbox()};
    v.typeWeights = {1};
    v.manufacturers = {QStringLiteral("NÁUTICA SUL"), QStringLiteral("MAREVELA"), QStringLiteral("ATLÂNTIDA BARCOS"), QStringLiteral("PORTO NAVAL")};
    v.vehicleKinds = {T3("LANCHA", "LANCHA", "MOTORBOAT"), T3("BARCO DE PESCA", "BARCO PESQUERO", "FISHING BOAT"),
                      T3("REBOCADOR", "REMOLCADOR", "TUGBOAT"), T3("IATE", "YATE", "YACHT")};
    v.vehicleConfigs = {QStringLiteral("32 PÉS"), QStringLiteral("40 PÉS"), QStringLiteral("18 M"), QStringLiteral("24 M")};
    v.tipoPeca = {{QStringLiteral("R"), T3("Reversor Marítmo", "Reversor Marina", "Marine Gearbox")}};
    return v;
}

}  // namespace

const EditionVocabulary& Vocabulary(const QString& edition)
{
    static const EditionVocabulary v = automotive(), a = agricultural(), d = steeringSystems(), m = marine();
    if (edition == QLatin1String("A"))
        return a;
    if (edition == QLatin1String("D"))
        return d;
    if (edition == QLatin1String("M"))
        return m;
    return v;
}

}  // namespace demo
