#pragma once
// The rows that the catalogue search, the parts list and the cart are tested
// on, written after every family so that they change no code of the rows
// before them (see the search-case fields of demo::Summary).

#include "catalogue.h"
#include "vocabulary.h"

namespace demo {

// The counters of the builder, advanced past the codes used here.
struct SearchCaseCodes {
    qlonglong& nextAssembly;
    qlonglong& nextComponent;
    qlonglong& nextKit;
    int vehicleCount;   // vehicles written so far (codes 1..vehicleCount)
};

void WriteSearchCases(const Options& options, const EditionVocabulary& vocab, RowSink& sink, Summary& summary,
                      FilePlan& files, SearchCaseCodes codes, std::uint64_t photoSeed);

}  // namespace demo
