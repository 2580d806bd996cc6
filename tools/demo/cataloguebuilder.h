#pragma once
// The builder of the demo catalogue's rows (catalogue.cpp and
// cataloguesections.cpp): the components, kits, notes and assemblies of a
// family, and the codes and state that its sections share.

#include "catalogue.h"
#include "familystructure.h"
#include "rng.h"
#include "vocabulary.h"

#include <QSet>
#include <QString>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace demo::builder {

struct Component {
    qlonglong code = 0;
    QString number;
    Tri text;
    bool flagged = false;  // has notes or takes part in a supersession
};

struct Kit {
    qlonglong code = 0;
    QString number;
    Tri text;
    std::vector<int> items;
    bool flagged = false;
};

struct Note {
    Tri quick;      // OBSERVACAO_RAPIDA, empty: no row
    Tri memo;       // OBSERVACAO_MEMO text, empty: Null
    Tri anexos;     // attachment names, empty: Null
    bool memoRow = false;
};

struct Assembly {
    qlonglong code = 0;
    int variant = 0;      // variant index in the structure (extras: 0)
    bool figure = true;
    bool kits = true;
    bool suggestion = true;
};

class Builder {
public:
    Builder(const Options& o, RowSink& sink, Summary& summary, FilePlan& files);
    void Run();

private:
    // --- numbers and codes ------------------------------------------------
    QString CompanyNumber(int prefix);
    QString ManufacturerNumber(int manufacturer, Rng& rng);
    void Insert(const QString& table, const Row& row) { m_sink.Insert(table, row); }

    // --- fixed tables --------------------------------------------------------
    void WriteFixedTables();
    void WriteVehicles();

    // --- components ------------------------------------------------------------
    qlonglong PoolComponent(Kind kind, int dim);
    void EmitComponent(const Component& c);
    void WriteCrossReferences(const QString& number, int count, qlonglong salt);

    // --- notes --------------------------------------------------------------------
    template <typename Apply>
    qlonglong WriteNote(const Note& n, Apply apply);
    Note RandomNote(Rng& rng, const QString& model);
    QString Bulletin(int b, const QString& lang);

    // --- photos and drawings -----------------------------------------------
    QString Photo(const Structure& st, int variant);
    QString Drawing(const Structure& st, int page);
    const Structure& StructureOf(int t);

    // --- one family -----------------------------------------------------------
    void WriteFamily(int f);

    // --- sections written after the families ----------------------------
    void WriteAssemblyViewSection();

    // --- comparison and buying suggestion (comparisondemo.cpp) -------------
    void WriteComparisonSpecials();

    // --- the search cases (searchcases.cpp) ---------------------------------
    void WriteSearchCasesSection();

    // --- special cases of family 0 ----------------------------------------
    template <typename CN, typename KN, typename AN>
    void ShowcaseNotes(const Structure& st, const std::vector<qlonglong>& base, const std::vector<Assembly>& assemblies,
                       const std::vector<Kit>& kits, const QString& model, CN& componentNotes, KN& kitNotes,
                       std::vector<qlonglong>& kitNoteAssembly, AN& assemblyNotes);

    // --- detail window cases of family 0 ------------------------------------
    template <typename CN, typename KN>
    void DetailWindowCases(const Structure& st, const std::vector<std::vector<qlonglong>>& alternatives,
                           const std::vector<Assembly>& assemblies, const std::vector<Kit>& kits, CN& componentNotes,
                           KN& kitNotes, std::vector<qlonglong>& kitNoteAssembly);
    void ShowcaseChain(const Structure& st, const std::vector<qlonglong>& base, std::vector<std::vector<qlonglong>>& substitute,
                       std::vector<Component>& owned, const std::vector<Assembly>& assemblies);
    void SummariseShowcase(const Structure& st, const std::vector<qlonglong>& base, const std::vector<std::vector<qlonglong>>& alternatives,
                           const std::vector<int>& kitsOfItem, const std::vector<Assembly>& assemblies);
    void WriteSupersessionSpecials();
    void AddPdf(const QString& file, const QString& title, const QStringList& paragraphs, const QStringList& table = {});
    void AddText(const QString& file, const QStringList& lines);

    struct Supersession {
        QString kind;
        qlonglong from, to;
    };

    const Options& m_options;
    RowSink& m_sink;
    Summary& m_summary;
    FilePlan& m_files;
    const EditionVocabulary& m_vocab;
    Rng m_base;
    int m_families = 0;
    int m_templateCount = 0;
    int m_poolDims = 6;
    int m_vehicleCount = 0;
    qlonglong m_nextAssembly = 1;
    qlonglong m_nextComponent = 100001;
    qlonglong m_nextKit = 900001;
    qlonglong m_nextFigure = 1;
    qlonglong m_nextHotSpot = 1;
    qlonglong m_nextSuggestion = 1;
    qlonglong m_nextObservation = 1;
    bool m_familySupersession = false;
    std::pair<qlonglong, qlonglong> m_cycle{0, 0};
    std::map<int, int> m_numberSeq;
    QSet<QString> m_reservedNumbers;
    std::map<int, qlonglong> m_pool;
    std::set<qlonglong> m_generalNotes;
    std::set<qlonglong> m_superseded;
    std::vector<Supersession> m_supersessions;
    std::map<int, std::unique_ptr<Structure>> m_structures;
    QSet<QString> m_photos, m_drawings, m_documents;
};

}  // namespace demo::builder
