#include "core/pictures.h"

#include "core/globals.h"
#include "platform/base/error.h"

#include <QFile>
#include <QPixmapCache>

namespace Modulo {
namespace {

const QString kOrigem = QStringLiteral("CarregaImagemRecurso");

// Resource names are looked up as the platform's resource table does:
// without regard to case.
QString caminhoRecurso(const QString& Nome, const QString& Tipo)
{
    return QStringLiteral(":/tq/") + Tipo.toUpper() + QLatin1Char('/') + Nome.toUpper();
}

}  // namespace

QPixmap CarregaImagemRecurso(const QString& Nome, const QString& Tipo)
{
    const QString tipo = Tipo.isEmpty() ? gIdioma : Tipo;
    QFile recurso(caminhoRecurso(Nome, tipo));
    if (Nome.isEmpty() || tipo.isEmpty() || !recurso.open(QIODevice::ReadOnly))
        throw platform::Error(ErroRecursoNaoEncontrado,
                              QStringLiteral("Resource with identifier '%1' not found").arg(Nome), kOrigem);
    // The program's resources never change: a picture is decoded once and
    // then shared (QPixmap is implicitly shared, so no caller sees another's
    // changes).
    const QString chave = QStringLiteral("tqrecurso:") + recurso.fileName();
    QPixmap imagem;
    if (QPixmapCache::find(chave, &imagem))
        return imagem;
    // A picture that does not decode stays null: the control shows nothing.
    imagem.loadFromData(recurso.readAll());
    if (!imagem.isNull())
        QPixmapCache::insert(chave, imagem);
    return imagem;
}

QPixmap CarregaOuLiberaImagem(const QString& Modo, const QString& Nome, const QString& Tipo)
{
    if (Modo == QLatin1String("D"))
        return {};
    return CarregaImagemRecurso(NomeRecursoEdicao(Nome, gEdicao), Tipo);
}

QString NomeRecursoEdicao(const QString& Nome, const QString& Edicao)
{
    if (Edicao == QLatin1String("D") && Nome == QLatin1String("GRIDNROTQ"))
        return QStringLiteral("GRIDNROTQSD");
    return Nome;
}

bool RecursoImagemExiste(const QString& Nome, const QString& Tipo)
{
    return !Nome.isEmpty() && !Tipo.isEmpty() && QFile::exists(caminhoRecurso(Nome, Tipo));
}

}  // namespace Modulo
