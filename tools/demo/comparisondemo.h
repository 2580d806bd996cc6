#pragma once
// The demo catalogue's rows for the comparison and the buying suggestion:
// a comparison pair holding every case the comparison table must handle, an
// assembly without regular components, an assembly of another type, and an
// assembly whose buying suggestions give lists of 4, 5, 8 and 9 rows with
// every case of the suggestion query.  Written after the families, with
// codes and numbers of their own; the Summary names them (its "comparison and
// buying suggestion" block).

#include "catalogue.h"
#include "vocabulary.h"

#include <functional>

namespace demo {

// What the writer needs of the catalogue builder: the rows' sink, the next
// free codes and fresh company numbers.
struct ComparisonDemoContext {
    const Options& options;
    const EditionVocabulary& vocab;
    RowSink& sink;
    std::function<qlonglong()> nextComponent;
    std::function<qlonglong()> nextAssembly;
    std::function<qlonglong()> nextKit;
    std::function<qlonglong()> nextSuggestion;
    std::function<QString(int prefix)> companyNumber;  // canonical, unique
};

void WriteComparisonDemo(const ComparisonDemoContext& context, Summary& summary);

}  // namespace demo
