#pragma once
// The invented words of the demo catalogue: part kinds with their drawn
// shapes and descriptions, figure pages, assembly types per edition, vehicle
// manufacturers, vehicle kinds and notes, each in Portuguese, Spanish and
// English.

#include "rng.h"

#include <QString>

#include <vector>

namespace demo {

// One text per language, P, E, I.
struct Tri {
    QString p, e, i;
    const QString& operator[](int lang) const { return lang == 0 ? p : (lang == 1 ? e : i); }
    Tri suffixed(const Tri& s) const;  // "a" + " " + "b" per language (no blank for an empty suffix)
};
Tri T3(const char* p, const char* e, const char* i);

// How a part is drawn in the exploded figure.
enum class Shape {
    Housing, Cover, Gasket, Shaft, Gear, Bearing, NeedleBearing, Seal, Ring, Circlip, Washer,
    Shim, Bolt, Nut, Pin, Plug, Ball, Spring, Fork, Rod, Lever, Sleeve, Hub, SynchroRing,
    Spacer, Flange, Disc, Piston, Valve, Filter, Pulley, Rotor, Tube, Plate
};

// Kinds of components.
enum class Kind {
    // transmissions
    ClutchHousing, GearboxHousing, RearCover, FrontCover, TopCover, BearingCover, Gasket,
    InputShaft, MainShaft, Countershaft, ReverseShaft, SpeedGear, ReverseGear, Bearing,
    NeedleBearing, Seal, ORing, Circlip, Washer, ThrustWasher, Shim, Bolt, SocketScrew, Nut,
    CastleNut, SpringPin, DowelPin, MagneticPlug, FillerPlug, Breather, Ball, DetentSpring,
    ShiftFork, ShiftRod, ShiftLever, Sleeve, SynchroHub, SynchroRing, Spacer, OutputFlange,
    // axles
    AxleHousing, AxleShaft, CrownPinion, DiffCase, DiffPinion, SideGear, SunGear, PlanetGear,
    PlanetCarrier, RingGear, WheelHub, BrakeDisc, BrakePiston, WheelStud,
    // pumps, reservoirs, steering, bevel boxes
    PumpBody, PumpRotor, PumpVane, CamRing, DriveShaft, Pulley, ReliefValve, FlowValve,
    PressurePlate, ReservoirBody, DipstickCap, FilterElement, HoseClamp, Bracket, ReturnHose,
    SteeringHousing, SectorShaft, RackPiston, BallScrew, RotaryValve, TorsionBar, SideCover,
    AdjustingScrew, BallGuide, BevelGear, BevelHousing,
    // marine gearboxes
    FrictionDisc, SteelDisc, ClutchDrum, ClutchPiston, HeatExchanger, OilPump, ControlValve,
    FlexibleCoupling, OutputShaft, PropellerFlange,
    // general items, not drawn
    Sealant, Lubricant, IdentPlate, Rivet, WarningLabel,
    Count
};

struct KindInfo {
    Shape shape;
    bool standard;       // a standard part shared by many assemblies
    int quantityMin, quantityMax;
    int numberPrefix;    // company number prefix (501, 636, 730, 750)
    bool kitSeals, kitBearings, kitSynchro, kitFasteners;  // repair kits that serve it
    bool alternatives;   // has optional alternatives (shims, oversize parts)
};
const KindInfo& Info(Kind k);

// A description of one component of kind k.  `ordinal` counts the parts of
// that kind in the assembly (speed of a gear, 1st/2nd of a fork, ...);
// `variant` selects dimensions.  At most 50 characters in every language.
Tri Describe(Kind k, int ordinal, int variant, Rng& rng);
// The description of an optional alternative `n` (1, 2, ...) of a component.
Tri DescribeAlternative(Kind k, const Tri& base, int n);

// A figure page: its title and the kinds drawn on it with their counts.
struct PageTemplate {
    Tri title;
    struct Entry { Kind kind; int min, max; };
    std::vector<Entry> entries;
    bool optional = false;  // may be left out of a family
};

// An assembly type of an edition.
struct AssemblyType {
    QChar code;                 // TipoPeca
    Tri noun;                   // "TRANSMISSÃO", ...
    QString modelPrefix;        // "S5-"
    int numberPrefix;           // 4-digit prefix of its 10-digit company numbers
    std::vector<PageTemplate> pages;
    std::vector<Tri> variantSuffixes;  // added to the descriptions of variants 1..n
    int photoStyle;             // which product the photo shows
};

struct EditionVocabulary {
    std::vector<AssemblyType> types;
    std::vector<int> typeWeights;         // share of families per type
    std::vector<QString> manufacturers;   // vehicle manufacturers
    std::vector<Tri> vehicleKinds;
    std::vector<QString> vehicleConfigs;  // "6X2", "4X4", "32 PÉS"...
    // TIPOPECA rows of the edition (code, P, E, I), as the catalogue program
    // writes them when it creates the table.
    struct TipoPecaRow { QString code; Tri text; };
    std::vector<TipoPecaRow> tipoPeca;
};
const EditionVocabulary& Vocabulary(const QString& edition);

// Notes.
std::vector<Tri> ShortNotes();
Tri LongNote(int which, const QString& model);
Tri KitDescription(int which, const QString& model);  // 0 seals .. 5 complete
Tri GeneralItemDescription(Kind k);

// The search form of a description: upper case, letters (accented ones
// included) and digits only.
QString SearchForm(const QString& text);

}  // namespace demo
