#pragma once
// Folder paths of the update run, "/" separated.

#include <QLatin1Char>
#include <QString>

namespace Atualizacao {

// The folder with a "/" at its end; an empty path stays empty.
inline QString ComBarra(QString p)
{
    if (!p.isEmpty() && !p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}

// Whether `caminho` is `pasta` or lies inside it (both spelled alike, the
// folder without its final "/").
inline bool Dentro(const QString& caminho, const QString& pasta)
{
    return caminho == pasta || caminho.startsWith(pasta + QLatin1Char('/'));
}

}  // namespace Atualizacao
