#include "comparison/screen/estado.h"

#include "core/janelas.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "mainwindow/frmTQ1.h"
#include "platform/desktop/messagebox.h"

namespace Comparacao {

EstadoTelas::EstadoTelas(frmTQ1& janela) : QObject(&janela) { setObjectName(QStringLiteral("EstadoComparacao")); }

EstadoTelas& EstadoTelas::De(frmTQ1& janela)
{
    if (auto* e = janela.findChild<EstadoTelas*>(QStringLiteral("EstadoComparacao"), Qt::FindDirectChildrenOnly))
        return *e;
    return *new EstadoTelas(janela);
}


THPictures CarregaIcones(const std::array<std::array<QString, 4>, 2>& nomes)
{
    THPictures p;
    for (std::size_t s = 0; s < 2; ++s)
        for (const QString& n : nomes[s])
            p[s].push_back(Modulo::CarregaImagemRecurso(n, QStringLiteral("G")));
    return p;
}

void MensagemCritica(int Texto)
{
    platform::MsgBox(Modulo::ObtemTexto(Texto) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly,
                     Modulo::ObtemTexto(19));
}

}  // namespace Comparacao
