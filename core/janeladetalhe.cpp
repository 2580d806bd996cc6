#include "core/janeladetalhe.h"

#include "core/globals.h"
#include "core/janelaprincipal.h"

#include <QGuiApplication>

namespace Modulo {
namespace {

AbridorJanelaDetalhe& Abridor()
{
    static AbridorJanelaDetalhe abridor;
    return abridor;
}

JanelaPrincipal*& Principal()
{
    static JanelaPrincipal* janela = nullptr;
    return janela;
}

}  // namespace

JanelaPrincipal* ObtemJanelaPrincipal() { return Principal(); }
void DefineJanelaPrincipal(JanelaPrincipal* janela) { Principal() = janela; }

void RegistraJanelaDetalhe(AbridorJanelaDetalhe abridor) { Abridor() = std::move(abridor); }

void ExibeJanelaDetalhe()
{
    if (Abridor()) {
        // A copy, so that a window that registers again while it is open
        // does not destroy the function that is running.
        const AbridorJanelaDetalhe abridor = Abridor();
        abridor();
        return;
    }
    gParametro.clear();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
}

}  // namespace Modulo
