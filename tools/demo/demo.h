#pragma once
// demo - the demo catalogue generator.
//
// Writes a complete data folder for one edition of the catalogue: the
// catalogue database "DAZADIZETQ_<edition>.MDB" with every table the programs
// read, the empty auxiliary database "DAZADIZEAUX.MDB", the exploded drawings
// ("Figuras/"), the part photos ("FotoPeca/"), the note attachments
// ("Anexos/"), the help files and the filter catalogue "FLTRS.PDF".  All the
// content is invented here and drawn or written by this generator.
//
// The content is deterministic: the same options give the same rows and the
// same pictures.  Tests of every folder build their fixtures with it and find
// the interesting rows through the Summary that GenerateDataFolder returns.
//
// The tables are created with Jet DDL through platform::dao (so every text
// column gets the layer's collation and type map) and filled with prepared
// bulk inserts on the layer's SQLite connection, in one transaction.
//
// Errors are raised as platform::Error (the layer's Jet errors, or
// platform::errors numbers for file and option problems).  A failed run
// leaves an existing data folder untouched: the folder is written beside the
// target and moved into place only when complete.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace demo {

struct Options {
    // Edition letter "V", "A", "D" or "M".
    QString edition = QStringLiteral("V");
    // Target data folder.  An existing folder is replaced only when it is
    // empty or was written by this generator (it holds the marker file).
    QString outDir;
    // Multiplies the item counts: 1 is the demo catalogue (about 3,000
    // components, repair kits and assemblies), 100 a few hundred thousand.
    // Values below 1 give smaller fixtures (at least the four families that
    // hold the special cases).
    double scale = 1.0;
    // Seed of the invented content.
    std::uint32_t seed = 1;
    // Variants: a catalogue without the part-type table TIPOPECA, and one whose
    // OBSERVACAO_MEMO has no attachment columns (AnexosP/E/I).
    bool noTipoPeca = false;
    bool noAttachments = false;
    // Update server address written into UMREGISTRO.UrlAtualizacao.
    QString updateUrl = QStringLiteral("http://127.0.0.1:8765/tqatualizacao");
    int version = 37;
    // Drawings, photos, attachments, help files and the filter catalogue.
    // Writing them needs a QGuiApplication (fonts); tests that only read the
    // databases switch them off and run under a QCoreApplication.
    bool writeFiles = true;

    // The smallest folder that still holds every special case of the
    // Summary, without picture files: the fixture for the tests of other
    // folders.
    static Options Fixture(const QString& edition, const QString& outDir)
    {
        Options o;
        o.edition = edition;
        o.outDir = outDir;
        o.scale = 0.1;
        o.writeFiles = false;
        return o;
    }
};

// Parses the command line of tqdemo (without the program name):
//   --edition V|A|D|M --out DIR [--scale N] [--variant no-tipopeca|no-attachments[,..]]
//   [--seed S] [--update-url URL | --update-port PORT] [--version N] [--no-files]
// Raises platform::Error (InvalidProcedureCall) with a readable text on a bad
// argument.
Options ParseArguments(const QStringList& args);

// What the generated folder holds, with the codes of the rows that show the
// catalogue's special cases, so that tests can find them without searching.
struct Summary {
    QString dataFolder;      // with a trailing "/"
    QString catalogueFile;   // full path of DAZADIZETQ_<edition>.MDB
    QString auxiliaryFile;   // full path of DAZADIZEAUX.MDB
    QString edition;
    QMap<QString, long long> rowCounts;  // table name -> rows written
    int drawingFiles = 0;
    int photoFiles = 0;
    int attachmentFiles = 0;

    // The assembly with every feature (several figure pages, item numbers of
    // every form, kits, optional alternatives, suggestions, notes with
    // attachments, vehicles, cross references, photo).
    long showcaseAssembly = 0;
    QString showcaseNumber;          // canonical company number
    long showcaseFigure = 0;         // its CodigoFigura
    int showcasePages = 0;
    // A second assembly drawn with the same figure, lacking some of the drawn
    // items (they show as not applicable).
    long variantAssembly = 0;
    QStringList variantMissingItems;
    // Item numbers of the showcase assembly, by form.
    QStringList itemsDotted;        // "01.001", "01.002", "12.345", ...
    QStringList itemsSuffixed;      // "12.345A", ...
    QStringList itemsNumeric;       // "1", "2", "10", "3.5"
    QStringList itemsOdd;           // "A1", "B-2"
    QStringList itemsNotDrawn;      // in the component list, on no figure page
    QString itemWithAlternatives;   // has optional alternative components
    QString itemInThreeKits;        // served by three repair kits
    QString itemWithSuggestion;     // carries a buying suggestion of two pages
    QString itemDrawnTwice;         // two labels on one page
    long componentUsedTwice = 0;    // at two items of the showcase assembly
    QStringList itemsOfComponentUsedTwice;

    // Notes.
    long twoNoteComponent = 0;      // first note long and short, second short only (both at this item)
    QString twoNoteItem;            // in the showcase assembly
    long generalNoteComponent = 0;  // note with a Null assembly
    long assemblyNoteAssembly = 0;  // note of an assembly, attachments in P, E, I
    QStringList assemblyNoteAttachmentsP;
    long kitWithFourAttachments = 0;  // four names in an odd list (blank pieces)
    long apostropheComponent = 0;   // description with an apostrophe (language I)
    QString missingAttachment;      // named by a note, not in Anexos/
    QString attachmentCaseMismatch; // stored name whose file differs in letter case

    // Supersession.
    long chainA = 0, chainB = 0, chainC = 0;  // components A -> B -> C
    long cycleX = 0, cycleY = 0;              // repair kits X -> Y -> X
    long replacedAssembly = 0, replacingAssembly = 0;

    // Cross references.
    QString heavyCrossRefNumber;    // company number with many references
    int heavyCrossRefCount = 0;
    long heavyCrossRefComponent = 0;
    QString manufacturerFragment;   // "12A": several manufacturer numbers contain it

    // Figures.
    long assemblyMissingDrawing = 0;  // one page names a file that is missing
    int pageMissingDrawing = 0;       // its NumeroParte
    int pageWithoutFile = 0;          // NumeroParte whose ArquivoFigura is Null
    long assemblyWithoutFigure = 0;
    long assemblyOnePage = 0;
    long assemblyWithoutKits = 0;
    long assemblyWithoutVehicles = 0;
    long assemblyPhotoMissing = 0;    // ArquivoFotoPeca names no file
    long assemblyPhotoNull = 0;
    long assemblyPhotoCaseMismatch = 0;
    long assemblyUnknownType = 0;     // editions D, A, M: TipoPeca without TIPOPECA row
    long axleAssembly = 0;            // edition A: TipoPeca "E"

    // Vehicles.
    long vehicleWithManyAssemblies = 0;
    long manufacturerOfVehicle = 0;

    // Detail window cases.  The item of the showcase assembly served by
    // three repair kits, whose kits have a note for this assembly, a note for
    // another assembly only, and a note for every assembly (Null) carrying
    // the attachment " GUIA.pdf " (stored with its blanks); two vehicles of
    // the showcase assembly with the same description and different makers
    // (the first one's maker sorts after the second one's); an optional
    // alternative (flag 1) of the showcase assembly with the notes flag and a
    // note of its own.
    QString kitNotesItem;               // item number in the showcase assembly
    long kitNoteThisAssembly = 0;
    long kitNoteOtherAssembly = 0;
    long kitNoteEveryAssembly = 0;
    QString guideAttachment;            // " GUIA.pdf "
    long twinVehicleA = 0, twinVehicleB = 0;
    QString twinVehicleDescription;     // in Portuguese
    QString notedAlternativeItem;
    long notedAlternative = 0;          // its CodigoComponente
    // Report output (outputcases.cpp): an assembly whose figure has 23 parts
    // (with 500+ component rows at --scale 100), and one whose figure lists
    // no part; the figure of one part is assemblyOnePage, an assembly no
    // vehicle uses assemblyWithoutVehicles.
    long outputAssembly23 = 0;
    QString outputAssembly23Number;
    int outputAssembly23Rows = 0;           // its component rows
    long outputAssemblyNoParts = 0;
    QString outputItemWithKitsAndOptional;  // in kits 710012, 710015, 710040; a regular and an "op" row
    QString outputKitListFirstItem;         // in kit 710040 only, named first
    std::vector<long> outputKits;           // 710012, 710015, 710040
    QString outputItemWithoutComponent;     // drawn in part 1, no component row
    long outputMemoComponent = 0;           // its note's memo has line breaks
    QString outputMemoItem;
    QString outputItemNotDrawn;             // in no part of the figure
    QString outputLongMaker;                // the vehicle's maker, over 20 characters
    // The extremes of a printed row (outputcases.cpp): an assembly of one
    // figure part, with the 23-part assembly's vehicle.  Its items: one with
    // 26 cross references of the page manufacturer (two of them of 30
    // characters), one in the 16 kits 710101 to 710116, one with 12
    // references, the 16 kits, the note mark, an optional alternative and a
    // note of two paragraphs each longer than a line, one whose note holds a
    // word longer than a line (extremeLongWord), one with a short note.
    long extremeAssembly = 0;
    QString extremeAssemblyNumber;
    QString extremeReferencesItem;
    QString extremeKitsItem;
    QString extremeEverythingItem;
    QString extremeLongNoteItem;
    QString extremeLongWordItem;
    QString extremeLongWord;
    std::vector<long> extremeKits;

    // --- Comparison and buying suggestion (the comparison screens, the
    // suggestion panel, the cart list).  A pair of assemblies of one type
    // (no figure) whose components show every case of the comparison table;
    // each component is named by its case, with its quantity texts in the
    // first / second assembly.
    long comparisonFirst = 0, comparisonSecond = 0;
    QString comparisonFirstNumber, comparisonSecondNumber;  // canonical
    QString comparisonType;                  // their TipoPeca
    long cmpOnlyFirst = 0;                   // "1" / -
    long cmpOnlySecond = 0;                  // - / "4", with optional alternatives there
    long cmpEqual = 0;                       // "2" / "2"; has cross references
    long cmpDifferent = 0;                   // "2" / "3"
    long cmpTwoItems = 0;                    // "1" and "2" at two items / "3"
    long cmpLeadingZero = 0;                 // "02" / "2"
    long cmpNonNumericFirst = 0;             // "A/R" / "1"
    long cmpNonNumericBoth = 0;              // "A/R" / "A/R": not compared
    long cmpOptionalOnly = 0;                // optional alternative rows only: not compared
    long cmpHalf = 0;                        // "2.5" / "3"
    long cmpNullFlags = 0;                   // ImagensGrid Null on both sides, "1" / "1"
    long cmpApostrophe = 0;                  // apostrophe in P, E and I, "1" / "1"
    long cmpLongDescription = 0;             // 60 characters in P, "1" / -
    long cmpTenths = 0;                      // "0.1" and "0.2" / "0.3"
    long cmpWithAlternatives = 0;            // "1" with optional alternatives / "1" without
    long cmpOutsideCodePage = 0;             // "≤" in its descriptions, - / "1"
    long comparisonNoRegular = 0;            // the pair's type, no regular numeric component
    long comparisonOtherType = 0;            // another part type than the pair
    QString comparisonOtherTypeCode;
    // An assembly (no figure) whose items carry buying suggestions: lists of
    // 4, 5, 8 and 9 rows (stored and Null quantities, a component suggested
    // by two items (stored "9" and "10" in the 9-row list, Null in the 8-row
    // one), kits of the assembly and one of none, a component with
    // optional alternatives, a proposal "0.5"), a flagged item without
    // suggestions and a carrier that has only optional rows.
    long suggestionAssembly = 0;
    QString suggestion4Item, suggestion5Item, suggestion8Item, suggestion9Item;
    QString suggestionEmptyItem;
    QString suggestionCarrierNoRegular;      // suggests 2 rows
    long suggestionSharedComponent = 0;      // in the 8- and 9-row lists
    long suggestionKitOfAssembly = 0;
    long suggestionKitNotOfAssembly = 0;     // suggested, never offered
    long suggestionWithAlternatives = 0;     // in the 9-row list
    long suggestionHalf = 0;                 // proposal "0.5" in the 9-row list
    long suggestionNullSetAssembly = 0;      // CodigoSugestao Null, its item flagged
    QString suggestionNullSetItem;

    // Catalogue search, parts list and cart (searchcases.cpp): descriptions
    // that typed accents and several words must find, items without
    // assemblies, a part type whose texts hold an apostrophe, photo names.
    long clutchDiscComponent = 0;       // "DISCO DE EMBREAGEM", a component
    long clutchDiscKit = 0;             // "DISCO DE EMBREAGEM", a repair kit
    long accentedPecaComponent = 0;     // a description with "PEÇA"
    long plainPecaComponent = 0;        // a description with "PECA" (no cedilla)
    long spanishEnyeComponent = 0;      // its Spanish description holds "Ñ"
    long kitInNoAssembly = 0;           // a repair kit that no assembly holds
    long vehicleInNoAssembly = 0;       // a vehicle that no assembly fits
    long searchAssembly = 0;            // holds the components and the kit above
    QString gifPhoto;                   // the search assembly's photo, a GIF file
    long assemblyPhotoTrailingBlanks = 0;  // ArquivoFotoPeca ends in blanks; the file has none
    QString apostropheTypeCode;         // editions A, D, M: a TIPOPECA row whose E and I texts hold "'"
    long apostropheTypeAssembly = 0;    // an assembly of that type

    // Version record.
    QString updateUrl;
    int version = 0;

    // --- Assembly view: drawing formats, special items, a large figure -----
    // (tools/demo/assemblycases.cpp)
    // An assembly whose figure starts with NumeroParte 0 rows and whose pages
    // are drawn as GIF, BMP, JPEG stored under a name in other letter case, a
    // corrupt file and PNG (the NumeroParte of each).
    long casesAssembly = 0;
    long casesFigure = 0;              // its CodigoFigura
    int casesPageGif = -1;
    int casesPageBmp = -1;
    int casesPageOtherCase = -1;
    int casesPageCorrupt = -1;
    int casesPagePng = -1;
    QString casesStoredOtherCase;      // ArquivoFigura as stored
    QString itemAllFlags;              // suggestion, optionals, kits, note; quantity "2"
    QString itemAsRequired;            // quantity "A/R"
    QString itemThreeComponents;       // three regular components
    QList<long> componentsOfThreeItem;
    QString itemLowerCase;             // an item with a lower-case letter
    QString itemApostrophe;            // an item with an apostrophe, in a kit
    QString itemNullQuantity;          // QuantidadeComponente Null
    QString itemKitFlagWithoutKits;    // kit flag set, no kit rows
    QString itemNotApplicable;         // drawn, not in the component list
    long componentOnTwoPages = 0;      // at two items, drawn on pages 0 and 2
    QStringList itemsOfComponentOnTwoPages;
    long long nullItemHotSpot = 0;     // the FIGURADETALHADA1 row whose ItemComponente is Null
    long kitWithGeneralNote = 0;       // kit note with a Null assembly
    long kitWithAssemblyNote = 0;      // kit note for the cases assembly only
    // A figure of 31 pages with more than 999 labels, whose hot-spot codes
    // are above 32,767 and alike in their low 16 bits.
    long bigFigureAssembly = 0;
    int bigFigurePages = 0;
    int bigFigureLabels = 0;
    long long bigFigureFirstHotSpot = 0;
    long bigFigureKit = 0;             // one item on every page

    // A short human-readable account (the tqdemo program prints it).
    QString Text() const;
};

// Writes the data folder; see the file comment.
Summary GenerateDataFolder(const Options& options);

// The catalogue file name of an edition: "DAZADIZETQ_" + letter + ".MDB".
QString CatalogueFileName(const QString& edition);

}  // namespace demo
