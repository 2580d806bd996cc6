#pragma once
// The demo catalogue of an edition at the fixture's size (demo::Options::
// Fixture), written when a test program first asks for it into a temporary
// folder that lasts until the program ends.  Tests read it; a test that
// changes the catalogue writes a folder of its own.  Link tq_demo.

#include "tools/demo/demo.h"

#include "support/testutil.h"

#include <map>
#include <memory>

namespace tqtest {

inline const demo::Summary& DemoFixture(const QString& edicao)
{
    static TempDir* pasta = new TempDir;  // outlives every suite of the program
    static std::map<QString, std::unique_ptr<demo::Summary>> resumos;
    auto& s = resumos[edicao];
    if (!s)
        s = std::make_unique<demo::Summary>(demo::GenerateDataFolder(demo::Options::Fixture(edicao, pasta->file(edicao))));
    return *s;
}

}  // namespace tqtest
