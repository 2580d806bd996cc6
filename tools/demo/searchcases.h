#pragma once
// The rows that the catalogue search, the parts list and the cart are tested
// on, written after every family so that they change no code of the rows
// before them (see the search-case fields of demo::Summary).

#include "catalogue.h"
#include "vocabulary.h"

namespace demo {

// Takes its assembly, component and kit codes from `codes` (left past them);
// its vehicle has the code 9401, apart from the families' and other
// sections' vehicles.
void WriteSearchCases(const Options& options, const EditionVocabulary& vocab, RowSink& sink, Summary& summary,
                      FilePlan& files, CodeCounters& codes, std::uint64_t photoSeed);

}  // namespace demo
