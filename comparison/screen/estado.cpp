#include "comparison/screen/estado.h"

#include "core/janelas.h"
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

Ampulheta::Ampulheta() { Modulo::DefinePonteiroTela(Modulo::vbHourglass); }
Ampulheta::~Ampulheta() { Modulo::DefinePonteiroTela(Modulo::vbDefault); }

void MensagemCritica(int Texto)
{
    platform::MsgBox(Modulo::ObtemTexto(Texto) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly,
                     Modulo::ObtemTexto(19));
}

}  // namespace Comparacao
