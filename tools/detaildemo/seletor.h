#pragma once
// The viewer's picker of example requests: requests that show the detail
// window's screens on the demo catalogue's special rows, and a box to type
// any request.

#include "tools/demo/demo.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// (label, request text) of the examples for a catalogue; the codes come from
// its summary and, for the components of an item, from the catalogue.
std::vector<std::pair<QString, QString>> ExemplosSolicitacao(const demo::Summary& resumo);

// Shows the picker until it is closed; each chosen request opens the detail
// window modally.
void ExecutaSeletor(const std::vector<std::pair<QString, QString>>& exemplos);
