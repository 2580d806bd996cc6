#include "detailwindow/ponteiro.h"

#include "core/pictures.h"

#include <QGuiApplication>
#include <QPixmap>

namespace DetalhePonteiro {
namespace {
bool ComInterface() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }
}  // namespace

void Ampulheta()
{
    if (ComInterface() && !QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void Padrao()
{
    if (!ComInterface())
        return;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QCursor Mao()
{
    static const QCursor cursor = [] {
        if (Modulo::RecursoImagemExiste(QStringLiteral("CURSORMAO"), QStringLiteral("G"))) {
            const QPixmap p = Modulo::CarregaImagemRecurso(QStringLiteral("CURSORMAO"), QStringLiteral("G"));
            if (!p.isNull())
                return QCursor(p, 5, 0);
        }
        return QCursor(Qt::PointingHandCursor);
    }();
    return cursor;
}

}  // namespace DetalhePonteiro

QFont FonteTQ2(double pontos, bool negrito)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}
