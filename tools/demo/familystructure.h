#pragma once
// The structure of a demo family: its figure pages, items and variants.  It
// depends on the template index only, so families that share a template
// share drawings.

#include "drawing.h"
#include "rng.h"
#include "vocabulary.h"

#include <QString>

#include <vector>

namespace demo::builder {

struct ItemSpec {
    enum Special { None, HeaderRing, DriverSeal, SharedBolt };
    QString item;
    Kind kind = Kind::Bolt;
    int page = -1;  // index into Structure::pages; -1: not drawn
    int copies = 1;
    QString shortText;
    int ordinal = 1;
    int dim = 0;
    QString quantity;
    int alternatives = 0;
    std::vector<bool> excluded;     // per variant
    std::vector<bool> substituted;  // per variant
    Special special = None;
};

struct PageSpec {
    Tri title;
    int group = 1;
    std::vector<int> items;  // indexes into Structure::items
};

struct Structure {
    int index = 0;
    int typeIndex = 0;
    const AssemblyType* type = nullptr;
    std::vector<PageSpec> pages;
    std::vector<ItemSpec> items;
    int variants = 1;
    std::vector<std::vector<DrawnItem>> drawn;  // per page, in the page's item order
    std::vector<PageLayout> layouts;            // per page
};
Structure BuildStructure(int t, const EditionVocabulary& vocab, const Rng& base);

}  // namespace demo::builder
