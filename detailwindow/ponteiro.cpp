#include "detailwindow/ponteiro.h"

#include "listcontrols/thpictures.h"

#include <QGuiApplication>

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

QCursor Mao() { return THImagens::CursorMao(); }

}  // namespace DetalhePonteiro

QFont FonteTQ2(double pontos, bool negrito)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}
