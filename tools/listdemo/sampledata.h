#pragma once
// A small catalogue database for the viewer when no data folder is given:
// the part types, assemblies, components and repair kits the part search
// reads, with invented content.

#include <QString>

namespace listdemo {

// Writes DAZADIZETQ_V.MDB into pasta (which must exist) and returns its path.
QString EscreveCatalogoExemplo(const QString& pasta);

}  // namespace listdemo
