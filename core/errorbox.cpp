#include "core/errorbox.h"

#include "core/textosproprios.h"
#include "core/texts.h"
#include "platform/base/language.h"
#include "platform/base/error.h"
#include "platform/desktop/messagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <new>

namespace Modulo {

void MostraErro(long Numero, const QString& Mensagem)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    const QString corpo = ObtemTexto(21, QString()) + QStringLiteral(": ") + QString::number(Numero) +
                          QStringLiteral("\r\n") + Mensagem;
    try {
        platform::MsgBox(corpo, platform::vbCritical | platform::vbOKOnly, ObtemTexto(19, QString()));
    } catch (...) {
        // The error box is the last resort: it never raises.
    }
}

bool FormularioCarregado(const QString& Nome)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const auto janelas = QApplication::topLevelWidgets();
    for (const QWidget* w : janelas)
        if (w->objectName() == Nome)
            return true;
    return false;
}

bool Guarda(const std::function<void()>& trabalho)
{
    try {
        trabalho();
        return true;
    } catch (const platform::Error& e) {
        MostraErro(e.number(), e.description());
    } catch (const std::bad_alloc&) {
        MostraErro(kErroSemMemoria, platform::runTimeErrorText(kErroSemMemoria));
    } catch (const std::exception& e) {
        MostraErro(kErroInterno, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        MostraErro(kErroInterno, TextoNoIdioma("Erro interno", "Error interno", "Internal error"));
    }
    return false;
}

}  // namespace Modulo
